<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja" sourcelanguage="en">
<context>
    <name>AnswerCheck</name>
    <message>
        <source>Your my hero</source>
        <translation>よくできました！</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>もう一度やってみましょう</translation>
    </message>
</context>
<context>
    <name>ApplicationStart</name>
    <message>
        <source>valtora: no display could be opened. Choose one with DISPLAY (X11) or WAYLAND_DISPLAY (Wayland), or run without one with &quot;-platform offscreen&quot;.</source>
        <translation>valtora: ディスプレイを開けませんでした。DISPLAY (X11) または WAYLAND_DISPLAY (Wayland) でディスプレイを指定するか、「-platform offscreen」を付けてディスプレイなしで Valtora を実行してください。</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>A desktop quiz on the chemical elements.</source>
        <translation>化学元素を題材にしたデスクトップ用クイズです。</translation>
    </message>
    <message>
        <source>valtora: &quot;%1&quot; is not an option or argument of Valtora; &quot;valtora --help&quot; lists them.</source>
        <translation>valtora: 「%1」は Valtora のオプションでも引数でもありません。一覧は「valtora --help」で表示できます。</translation>
    </message>
</context>
<context>
    <name>DataControl</name>
    <message>
        <source>The table on %1 has no column %2.</source>
        <translation>%1 のテーブルに列 %2 がありません。</translation>
    </message>
</context>
<context>
    <name>DataSourceFaults</name>
    <message>
        <source>%1 names the ODBC driver &quot;%2&quot;, which is not installed on this computer. Install it, or name an installed driver on the data source&apos;s Driver line: the command &quot;odbcinst -q -d&quot; lists them.</source>
        <translation>%1 で指定されている ODBC ドライバー「%2」は、このコンピューターにインストールされていません。インストールするか、データソースの Driver 行にインストール済みのドライバーを指定してください。インストール済みのドライバーは「odbcinst -q -d」コマンドで一覧表示できます。</translation>
    </message>
    <message>
        <source>%1 names no database file: its Database line is empty. Put the path of the SQLite file that holds the table elements there.</source>
        <translation>%1 にデータベースファイルが指定されていません。Database 行が空です。elements テーブルを含む SQLite ファイルのパスをこの行に指定してください。</translation>
    </message>
    <message>
        <source>The database file &quot;%2&quot; of %1 does not exist. Check the path on the data source&apos;s Database line.</source>
        <translation>%1 のデータベースファイル「%2」が存在しません。データソースの Database 行のパスを確認してください。</translation>
    </message>
    <message>
        <source>The file &quot;%2&quot; of %1 is not an SQLite database. Check the path on the data source&apos;s Database line, or make the file again with the sqlite3 shell.</source>
        <translation>%1 のファイル「%2」は SQLite データベースではありません。データソースの Database 行のパスを確認するか、sqlite3 シェルでファイルを作り直してください。</translation>
    </message>
    <message>
        <source>The database file &quot;%2&quot; of %1 is locked by another program that is changing it. Close that program, or end its transaction, then start Valtora again.</source>
        <translation>%1 のデータベースファイル「%2」は、変更中の別のプログラムによってロックされています。そのプログラムを終了するか、そのトランザクションを終了してから、Valtora を再起動してください。</translation>
    </message>
    <message>
        <source>The server of %1 accepts no more connections: all it allows are in use. Close Valtora on another desk, or ask whoever runs the server to allow more connections or to put a connection pooler in front of it.</source>
        <translation>%1 のサーバーはこれ以上接続を受け付けません。許可されている接続がすべて使用中です。ほかのコンピューターで Valtora を終了するか、サーバーの管理者に、接続数の上限を引き上げるか、サーバーの前段にコネクションプーラーを置くよう依頼してください。</translation>
    </message>
    <message>
        <source>The server of %1 refused the login. Check the Username, Password and Database lines of the data source, and that the server lets that role connect from this computer (pg_hba.conf).</source>
        <translation>%1 のサーバーがログインを拒否しました。データソースの Username、Password、Database の各行と、そのロールによるこのコンピューターからの接続がサーバーで許可されているか（pg_hba.conf）を確認してください。</translation>
    </message>
    <message>
        <source>The server of %1 cannot be reached. Check the Servername and Port lines of the data source, that the server is running, and that this computer can reach it over the network.</source>
        <translation>%1 のサーバーに接続できません。データソースの Servername 行と Port 行、サーバーが起動しているか、このコンピューターからネットワーク経由でサーバーに到達できるかを確認してください。</translation>
    </message>
    <message>
        <source>The connection to the server of %1 was lost: the server was stopped or restarted, or the network failed. Start Valtora again once the server is back.</source>
        <translation>%1 のサーバーとの接続が切断されました。サーバーが停止または再起動されたか、ネットワークに障害が発生しました。サーバーが復旧したら Valtora を再起動してください。</translation>
    </message>
    <message>
        <source>%1 did not answer within %2 seconds. Check that its server is running and not overloaded, and that no other program holds its database locked, then start Valtora again.</source>
        <translation>%1 から %2 秒以内に応答がありませんでした。サーバーが起動していて過負荷になっていないこと、ほかのプログラムがデータベースをロックしたままにしていないことを確認してから、Valtora を再起動してください。</translation>
    </message>
    <message>
        <source>The driver said: %1</source>
        <translation>ドライバーからのメッセージ: %1</translation>
    </message>
    <message>
        <source>The server of %1 is starting up or shutting down, and accepts no connections now. Start Valtora again in a minute; if it keeps saying so, ask whoever runs the server.</source>
        <translation>%1 のサーバーは起動中または終了処理中のため、現在接続を受け付けていません。1 分ほどしてから Valtora を再起動してください。同じメッセージが続く場合は、サーバーの管理者に問い合わせてください。</translation>
    </message>
    <message>
        <source>The server of %1 ended the connection on an administrator&apos;s command: someone ended Valtora&apos;s session on the server, or the server was stopped or restarted. Start Valtora again once the server is back.</source>
        <translation>%1 のサーバーが管理者のコマンドによって接続を終了しました。誰かがサーバー上で Valtora のセッションを終了したか、サーバーが停止または再起動されました。サーバーが復旧したら Valtora を再起動してください。</translation>
    </message>
    <message>
        <source>The server of %1 closed the connection because it was idle for longer than the server allows (its setting idle_session_timeout). Ask whoever runs the server to lift that limit for the quiz&apos;s role (alter role quiz set idle_session_timeout = 0), then start Valtora again.</source>
        <translation>%1 のサーバーは、接続がサーバーで許可されている時間（設定 idle_session_timeout）を超えてアイドル状態だったため、接続を閉じました。サーバーの管理者にクイズのロールに対するこの制限の解除を依頼し（alter role quiz set idle_session_timeout = 0）、Valtora を再起動してください。</translation>
    </message>
    <message>
        <source>A query of Valtora&apos;s on the server of %1 was cancelled on an administrator&apos;s command (pg_cancel_backend, or another program that cancels queries). Start Valtora again.</source>
        <translation>%1 のサーバー上で Valtora のクエリが管理者のコマンドによってキャンセルされました（pg_cancel_backend、またはクエリをキャンセルする別のプログラム）。Valtora を再起動してください。</translation>
    </message>
    <message>
        <source>The connection pooler in front of the server of %1 gave up waiting for a free server connection, after as long as its setting query_wait_timeout allows. Close Valtora on desks that do not need it, or ask whoever runs the pooler for a larger pool (default_pool_size), then start Valtora again.</source>
        <translation type="vanished">%1 のサーバーの前段にあるコネクションプーラーが、設定 query_wait_timeout で許可されている時間まで待った後、空きサーバー接続の待機を打ち切りました。Valtora が不要なコンピューターで Valtora を終了するか、プーラーの管理者にプールの拡大（default_pool_size）を依頼してから、Valtora を再起動してください。</translation>
    </message>
    <message>
        <source>Likely causes: the table elements or one of its columns was changed while the quiz ran, the server ended the connection, or the driver cannot read a value of the table.</source>
        <translation>考えられる原因: クイズの実行中に elements テーブルまたはその列が変更された、サーバーが接続を終了した、またはドライバーがテーブルの値を読み取れない。</translation>
    </message>
    <message>
        <source>Likely causes: this user may not read the file on the data source&apos;s Database line, or the SQLite driver is set up wrongly (&quot;isql -v Elements&quot; shows what it says).</source>
        <translation>考えられる原因: このユーザーにはデータソースの Database 行に指定されたファイルの読み取り権限がない、または SQLite ドライバーの設定が誤っている（ドライバーの出力は「isql -v Elements」で確認できます）。</translation>
    </message>
    <message>
        <source>Likely causes: the server is not running or this computer cannot reach it, the data source&apos;s Servername, Port, Database, Username or Password line does not match the server, or its driver is set up wrongly (&quot;isql -v Elements&quot; shows what it says).</source>
        <translation>考えられる原因: サーバーが起動していないか、このコンピューターから到達できない、データソースの Servername、Port、Database、Username、Password のいずれかの行がサーバーと一致しない、またはドライバーの設定が誤っている（ドライバーの出力は「isql -v Elements」で確認できます）。</translation>
    </message>
    <message>
        <source>The server of %1 gave up waiting for a lock on the table elements, after as long as its setting lock_timeout allows: another program holds the table locked, changing it or in a transaction left open. Ask whoever runs the server to end that program&apos;s transaction, then start Valtora again.</source>
        <translation>%1 のサーバーは、設定 lock_timeout で許可されている時間まで待った後、elements テーブルのロック待ちを打ち切りました。別のプログラムがテーブルを変更中か、開いたままのトランザクションでテーブルをロックしています。サーバーの管理者にそのプログラムのトランザクションの終了を依頼してから、Valtora を再起動してください。</translation>
    </message>
    <message>
        <source>The server of %1 does not let the role &quot;%2&quot; read the table elements. Ask whoever runs the server to allow it: grant select on elements to %2;</source>
        <translation>%1 のサーバーは、ロール「%2」に elements テーブルの読み取りを許可していません。サーバーの管理者に許可を依頼してください: grant select on elements to %2;</translation>
    </message>
    <message>
        <source>The connection pooler in front of the server of %1 gave up waiting for a server connection, after as long as its setting query_wait_timeout allows. Either every connection of its pool is in use (close Valtora on desks that do not need it, or ask whoever runs the pooler for a larger pool, default_pool_size), or the server behind it cannot be reached (ask whoever runs it to check that it is running). Then start Valtora again.</source>
        <translation>%1 のサーバーの前段にあるコネクションプーラーが、設定 query_wait_timeout で許可されている時間まで待った後、サーバー接続の待機を打ち切りました。プールの接続がすべて使用中か（Valtora が不要なコンピューターで Valtora を終了するか、プーラーの管理者に default_pool_size によるプールの拡大を依頼してください）、プーラーの背後のサーバーに到達できません（サーバーの管理者に、サーバーが起動しているかの確認を依頼してください）。その後、Valtora を再起動してください。</translation>
    </message>
</context>
<context>
    <name>DesktopEntry</name>
    <message>
        <source>Chemical Elements Quiz</source>
        <extracomment>The kind of program, as menus show it beside its name.</extracomment>
        <translation>化学元素クイズ</translation>
    </message>
    <message>
        <source>Drill the symbols and names of the chemical elements</source>
        <extracomment>What the program is for, in a line: menus&apos; tooltips, software centres&apos; summary.</extracomment>
        <translation>化学元素の記号と名前を練習</translation>
    </message>
    <message>
        <source>chemistry;elements;periodic table;symbol;quiz;school;</source>
        <extracomment>Words a desktop&apos;s search finds the program by, each followed by a semicolon.</extracomment>
        <translation>化学;元素;周期表;記号;クイズ;学校;</translation>
    </message>
    <message>
        <source>Valtora is a quiz on the chemical elements. It shows an element&apos;s atomic number, symbol, name and atomic mass with the symbol or the name covered, and you type what is covered.</source>
        <extracomment>Software centres: the description.</extracomment>
        <translation>Valtora は化学元素のクイズです。元素の原子番号、元素記号、名前、原子量を、記号か名前を隠して表示するので、隠された部分を入力します。</translation>
    </message>
    <message>
        <source>Guess the symbol or the name</source>
        <extracomment>Software centres: a feature in the description&apos;s list.</extracomment>
        <translation>元素記号か名前を当てる</translation>
    </message>
    <message>
        <source>Draw from the first 36 elements, from those a school course knows, or from all 103</source>
        <extracomment>Software centres: a feature in the description&apos;s list.</extracomment>
        <translation>最初の 36 元素、学校の授業で扱う元素、または全 103 元素から出題</translation>
    </message>
    <message>
        <source>Played by keyboard alone, and read out by screen readers</source>
        <extracomment>Software centres: a feature in the description&apos;s list.</extracomment>
        <translation>キーボードだけで操作でき、スクリーンリーダーで読み上げ可能</translation>
    </message>
    <message numerus="yes">
        <source>In %n languages, the element names included</source>
        <extracomment>Software centres: a feature in the description&apos;s list; %n counts English too.</extracomment>
        <translation>
            <numerusform>%n 言語に対応（元素名も含む）</numerusform>
        </translation>
    </message>
    <message>
        <source>Needs no setup; a school can serve its own element table to every desk from one server</source>
        <extracomment>Software centres: a feature in the description&apos;s list.</extracomment>
        <translation>セットアップ不要。学校は 1 台のサーバーから独自の元素表を全コンピューターに配信可能</translation>
    </message>
    <message>
        <source>The quiz after one spin, the symbol covered</source>
        <extracomment>Software centres: the caption of the screenshot.</extracomment>
        <translation>1 回まわした後のクイズ（元素記号が隠れた状態）</translation>
    </message>
</context>
<context>
    <name>ElementDatabase</name>
    <message>
        <source>the embedded element table</source>
        <translation>内蔵の元素表</translation>
    </message>
    <message>
        <source>%1: Qt&apos;s ODBC driver (QODBC) is not installed.</source>
        <translation>%1: Qt の ODBC ドライバー（QODBC）がインストールされていません。</translation>
    </message>
    <message>
        <source>%1 cannot be opened.</source>
        <translation>%1 を開けません。</translation>
    </message>
    <message>
        <source>%1: Qt&apos;s SQLite driver (QSQLITE) is not installed.</source>
        <translation>%1: Qt の SQLite ドライバー（QSQLITE）がインストールされていません。</translation>
    </message>
    <message>
        <source>The query &quot;%1&quot; on %2 failed.</source>
        <translation>%2 でクエリ「%1」が失敗しました。</translation>
    </message>
</context>
<context>
    <name>ElementLookup</name>
    <message>
        <source>&quot;%1&quot; is not an atomic number to look up.</source>
        <translation>「%1」は検索できる原子番号ではありません。</translation>
    </message>
    <message>
        <source>There is no row for atomic number %1 in table %2.</source>
        <translation>テーブル %2 に原子番号 %1 の行がありません。</translation>
    </message>
    <message>
        <source>The row for atomic number %1 in table %2 has no symbol (%3 is empty): no answer could be judged against it.</source>
        <translation>テーブル %2 の原子番号 %1 の行に元素記号がありません（%3 が空です）。解答を判定できません。</translation>
    </message>
    <message>
        <source>The row for atomic number %1 in table %2 has no name (%3 is empty): no answer could be judged against it.</source>
        <translation>テーブル %2 の原子番号 %1 の行に元素名がありません（%3 が空です）。解答を判定できません。</translation>
    </message>
</context>
<context>
    <name>ElementTableCheck</name>
    <message>
        <source> and %1 more</source>
        <translation> ほか %1 件</translation>
    </message>
    <message>
        <source>It has the columns %1.</source>
        <translation>テーブルにある列: %1。</translation>
    </message>
    <message>
        <source>The table %1 of %2 cannot be used.
%3</source>
        <translation>%2 のテーブル %1 は使用できません。
%3</translation>
    </message>
    <message>
        <source>%1 has no table %2.</source>
        <translation>%1 にテーブル %2 がありません。</translation>
    </message>
    <message>
        <source>Missing columns: %1.</source>
        <translation>不足している列: %1。</translation>
    </message>
    <message>
        <source>The file was imported twice into the same database: its header row is a row of the table, and every element is there twice. Import it again into a fresh database file (delete the old one first).</source>
        <translation>ファイルが同じデータベースに 2 回インポートされています。ヘッダー行がテーブルの行になり、すべての元素が 2 回ずつ含まれています。新しいデータベースファイルにインポートし直してください（先に古いファイルを削除してください）。</translation>
    </message>
    <message>
        <source>No row for atomic numbers %1.</source>
        <translation>原子番号 %1 の行がありません。</translation>
    </message>
    <message>
        <source>More than one row for atomic numbers %1.</source>
        <translation>原子番号 %1 の行が複数あります。</translation>
    </message>
    <message>
        <source>Atomic numbers that are not whole numbers: %1.</source>
        <translation>整数でない原子番号: %1。</translation>
    </message>
    <message>
        <source>Rows without an atomic number: %1.</source>
        <translation>原子番号のない行: %1。</translation>
    </message>
    <message>
        <source>No symbol for atomic numbers %1.</source>
        <translation>原子番号 %1 の元素記号がありません。</translation>
    </message>
    <message>
        <source>No name for atomic numbers %1.</source>
        <translation>原子番号 %1 の元素名がありません。</translation>
    </message>
    <message>
        <source>Names that no answer can match, since answers are put in proper case (&quot;Iron&quot;, not &quot;iron&quot; or &quot;IRON&quot;), for atomic numbers %1.</source>
        <translation>解答は先頭だけ大文字の形にそろえられるため（「iron」や「IRON」ではなく「Iron」）、どの解答とも一致しない名前: 原子番号 %1。</translation>
    </message>
    <message>
        <source>Symbols or names with blanks around them, which no answer can match, for atomic numbers %1.</source>
        <translation>前後に空白があるため、どの解答とも一致しない元素記号または元素名: 原子番号 %1。</translation>
    </message>
    <message>
        <source>see &quot;From a spreadsheet&quot; in the README, installed as %1</source>
        <translation>%1 としてインストールされている README の「From a spreadsheet」を参照</translation>
    </message>
    <message>
        <source>The file was saved with semicolons between its columns, as office programs do where decimals are written with a comma: import it with .separator &quot;;&quot; (%1).</source>
        <translation>ファイルは列の区切りにセミコロンを使って保存されています。小数点にコンマを使う地域のオフィスソフトはこのように保存します。.separator &quot;;&quot; を指定してインポートしてください（%1）。</translation>
    </message>
    <message>
        <source>The file was saved with tabs between its columns: import it with .separator &quot;\t&quot; instead of --csv (%1).</source>
        <translation>ファイルは列の区切りにタブを使って保存されています。--csv の代わりに .separator &quot;\t&quot; を指定してインポートしてください（%1）。</translation>
    </message>
    <message>
        <source>Its first row holds the column names: the file has a title row above its header. Import it with --skip 1, or delete the title row (%1).</source>
        <translation>テーブルの先頭行に列名が入っています。ファイルのヘッダー行の上にタイトル行があります。--skip 1 を指定してインポートするか、タイトル行を削除してください（%1）。</translation>
    </message>
    <message>
        <source>Reading it failed.</source>
        <translation>テーブルを読み取れませんでした。</translation>
    </message>
    <message>
        <source>Atomic numbers with blanks around them, which the lookup&apos;s query does not find: %1.</source>
        <translation>前後に空白があるため、検索クエリで見つからない原子番号: %1。</translation>
    </message>
    <message>
        <source>The file&apos;s header row (%1) is a row of the table: the table was made before the import, which read the header as data. Import the file into a fresh database, or with --skip 1 (%2).</source>
        <translation>ファイルのヘッダー行（%1）がテーブルの行になっています。インポートより前にテーブルが作成されていたため、インポートでヘッダーがデータとして読み込まれました。新しいデータベースにインポートするか、--skip 1 を指定してインポートしてください（%2）。</translation>
    </message>
    <message>
        <source>Looking an element up by its number fails: AtomicNumber must compare with a bare number, as in &quot;%1&quot;.</source>
        <translation>番号で元素を検索できません。AtomicNumber は「%1」のように、引用符のない数値と比較できなければなりません。</translation>
    </message>
    <message>
        <source>Symbols or names with invisible characters in them (zero-width spaces or joiners, soft hyphens, direction marks), which no typed answer holds, for atomic numbers %1.</source>
        <translation>入力された解答には含まれない不可視文字（ゼロ幅スペースやゼロ幅接合子、ソフトハイフン、方向マーク）を含む元素記号または元素名: 原子番号 %1。</translation>
    </message>
    <message>
        <source>Symbols or names with characters that no element&apos;s name has, as a file saved in another character set than UTF-8 leaves them (&quot;?&quot;, &quot;Ã³&quot;, &quot;Å¼&quot;), for atomic numbers %1. Save the sheet again as CSV in the character set &quot;Unicode (UTF-8)&quot;, or convert the file with iconv, and import it again (%2).</source>
        <translation type="vanished">UTF-8 以外の文字コードで保存されたファイルに残るような、どの元素名にもない文字（「?」「Ã³」「Å¼」）を含む元素記号または元素名: 原子番号 %1。シートを文字コード「Unicode (UTF-8)」の CSV として保存し直すか、iconv でファイルを変換してから、インポートし直してください（%2）。</translation>
    </message>
    <message>
        <source>The file was saved as UTF-16 (&quot;Unicode text&quot; in office programs), which the import does not read. Convert it with &quot;iconv -f %1 -t UTF-8 elements.csv &gt; elements-utf8.csv&quot; and import elements-utf8.csv, or save the sheet again as CSV in the character set &quot;Unicode (UTF-8)&quot; (%2).</source>
        <translation>ファイルが UTF-16（オフィスソフトの「Unicode テキスト」）で保存されていますが、インポートではこれを読み込めません。「iconv -f %1 -t UTF-8 elements.csv &gt; elements-utf8.csv」で変換して elements-utf8.csv をインポートするか、シートを文字コード「Unicode (UTF-8)」の CSV として保存し直してください（%2）。</translation>
    </message>
    <message>
        <source>Names with characters that no element&apos;s name has, garbled because the file was saved in the character set %1 and read as %2, for atomic numbers %3. Read it as %1: in psql, give &quot;\encoding %4&quot; before \copy, or convert it first with &quot;iconv -f %5 -t UTF-8&quot;, and import it again (%6).</source>
        <translation>ファイルが文字コード %1 で保存され、%2 として読み込まれたために文字化けし、どの元素名にもない文字を含む名前: 原子番号 %3。%1 として読み込んでください。psql では \copy の前に「\encoding %4」を実行するか、先に「iconv -f %5 -t UTF-8」で変換してから、インポートし直してください（%6）。</translation>
    </message>
    <message>
        <source>Names with characters that no element&apos;s name has, garbled because the file was saved in the character set %1 and read as %2, for atomic numbers %3. Convert it with &quot;%4 &gt; elements-utf8.csv&quot; and import elements-utf8.csv in its place (%5).</source>
        <translation>ファイルが文字コード %1 で保存され、%2 として読み込まれたために文字化けし、どの元素名にもない文字を含む名前: 原子番号 %3。「%4 &gt; elements-utf8.csv」で変換し、元のファイルの代わりに elements-utf8.csv をインポートしてください（%5）。</translation>
    </message>
    <message>
        <source>Symbols or names with characters that no element&apos;s name has, such as &quot;?&quot; or the letter pairs (&quot;Ã³&quot;, &quot;Å¼&quot;) that a file saved in another character set than UTF-8 leaves, or with no letter at their start or end (&quot;-&quot;, a lone accent), for atomic numbers %1. Retype those cells, or save the sheet again as CSV in the character set &quot;Unicode (UTF-8)&quot; (or convert the file with iconv) and import it again (%2).</source>
        <translation>どの元素名にもない文字（「?」や、UTF-8 以外の文字コードで保存されたファイルに残る「Ã³」「Å¼」のような文字の組）を含む、または先頭や末尾が文字でない（「-」、単独のアクセント記号）元素記号または元素名: 原子番号 %1。そのセルを入力し直すか、シートを文字コード「Unicode (UTF-8)」の CSV として保存し直して（または iconv でファイルを変換して）、インポートし直してください（%2）。</translation>
    </message>
</context>
<context>
    <name>OdbcDataSource</name>
    <message>
        <source>ODBC data source &quot;%1&quot;</source>
        <translation>ODBC データソース「%1」</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Usage: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[options]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Options:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QGnomeTheme</name>
    <message>
        <source>&amp;OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>&amp;Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select All</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QUnicodeControlCharacterMenu</name>
    <message>
        <source>Insert Unicode control character</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SqlScript</name>
    <message>
        <source>The element table&apos;s script is missing from the program.</source>
        <translation>元素表のスクリプトがプログラムに含まれていません。</translation>
    </message>
    <message>
        <source>The element table&apos;s script cannot be run: %1</source>
        <translation>元素表のスクリプトを実行できません: %1</translation>
    </message>
    <message>
        <source>The element names in %1 cannot be loaded: %2</source>
        <translation>言語 %1 の元素名を読み込めません: %2</translation>
    </message>
</context>
<context>
    <name>frmElements</name>
    <message>
        <source>Elements</source>
        <translation>元素</translation>
    </message>
    <message>
        <source>Atomic Number</source>
        <translation>原子番号</translation>
    </message>
    <message>
        <source>Symbol</source>
        <translation>元素記号</translation>
    </message>
    <message>
        <source>Element Name</source>
        <translation>元素名</translation>
    </message>
    <message>
        <source>Atomic Mass</source>
        <translation>原子量</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>答え</translation>
    </message>
    <message>
        <source>Created by Orvashel</source>
        <translation>作者：Orvashel</translation>
    </message>
    <message>
        <source>Spin</source>
        <translation>回す</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>採点</translation>
    </message>
    <message>
        <source>Step 1</source>
        <translation>ステップ 1</translation>
    </message>
    <message>
        <source>Guess the Name</source>
        <translation>名前を当てる</translation>
    </message>
    <message>
        <source>Guess the Symbol</source>
        <translation>記号を当てる</translation>
    </message>
    <message>
        <source>Step 2</source>
        <translation>ステップ 2</translation>
    </message>
    <message>
        <source>Elements 1 to 36</source>
        <translation>元素 1～36</translation>
    </message>
    <message>
        <source>Elements 1 to 38, 40, 42, 47 - 57, 74, 78 - 80</source>
        <translation>元素 1～38, 40, 42, 47～57, 74, 78～80</translation>
    </message>
    <message>
        <source>Elements 1 to 38, 40, 42, 47 - 57, 74, 78 - 89, 92, 94, 95</source>
        <translation>元素 1～38, 40, 42, 47～57, 74, 78～89, 92, 94, 95</translation>
    </message>
    <message>
        <source>Elements 1 to 103</source>
        <translation>元素 1～103</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>Shortcut: %1</source>
        <translation>ショートカット: %1</translation>
    </message>
</context>
</TS>
