<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW" sourcelanguage="en">
<context>
    <name>AnswerCheck</name>
    <message>
        <source>Your my hero</source>
        <translation>你真棒！</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>再試一次</translation>
    </message>
</context>
<context>
    <name>ApplicationStart</name>
    <message>
        <source>valtora: no display could be opened. Choose one with DISPLAY (X11) or WAYLAND_DISPLAY (Wayland), or run without one with &quot;-platform offscreen&quot;.</source>
        <translation>valtora: 無法開啟任何顯示。請透過 DISPLAY（X11）或 WAYLAND_DISPLAY（Wayland）指定一個顯示，或使用「-platform offscreen」在沒有顯示的情況下執行 Valtora。</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>A desktop quiz on the chemical elements.</source>
        <translation>一款關於化學元素的桌面問答遊戲。</translation>
    </message>
    <message>
        <source>valtora: &quot;%1&quot; is not an option or argument of Valtora; &quot;valtora --help&quot; lists them.</source>
        <translation>valtora: 「%1」不是 Valtora 的選項或引數；「valtora --help」會列出所有選項和引數。</translation>
    </message>
</context>
<context>
    <name>DataControl</name>
    <message>
        <source>The table on %1 has no column %2.</source>
        <translation>%1中的資料表沒有 %2 欄位。</translation>
    </message>
</context>
<context>
    <name>DataSourceFaults</name>
    <message>
        <source>%1 names the ODBC driver &quot;%2&quot;, which is not installed on this computer. Install it, or name an installed driver on the data source&apos;s Driver line: the command &quot;odbcinst -q -d&quot; lists them.</source>
        <translation>%1指定的 ODBC 驅動程式「%2」未安裝在這台電腦上。請安裝該驅動程式，或在資料來源的 Driver 行中指定一個已安裝的驅動程式：命令「odbcinst -q -d」可列出已安裝的驅動程式。</translation>
    </message>
    <message>
        <source>%1 names no database file: its Database line is empty. Put the path of the SQLite file that holds the table elements there.</source>
        <translation>%1未指定資料庫檔案：其 Database 行為空白。請在該行中填入包含 elements 資料表的 SQLite 檔案路徑。</translation>
    </message>
    <message>
        <source>The database file &quot;%2&quot; of %1 does not exist. Check the path on the data source&apos;s Database line.</source>
        <translation>%1的資料庫檔案「%2」不存在。請檢查資料來源 Database 行中的路徑。</translation>
    </message>
    <message>
        <source>The file &quot;%2&quot; of %1 is not an SQLite database. Check the path on the data source&apos;s Database line, or make the file again with the sqlite3 shell.</source>
        <translation>%1的檔案「%2」不是 SQLite 資料庫。請檢查資料來源 Database 行中的路徑，或使用 sqlite3 命令列工具重新建立該檔案。</translation>
    </message>
    <message>
        <source>The database file &quot;%2&quot; of %1 is locked by another program that is changing it. Close that program, or end its transaction, then start Valtora again.</source>
        <translation>%1的資料庫檔案「%2」已被另一個正在修改它的程式鎖定。請關閉該程式或結束其交易，然後重新啟動 Valtora。</translation>
    </message>
    <message>
        <source>The server of %1 accepts no more connections: all it allows are in use. Close Valtora on another desk, or ask whoever runs the server to allow more connections or to put a connection pooler in front of it.</source>
        <translation>%1的伺服器不再接受新連線：它允許的連線已全部佔用。請在另一台電腦上關閉 Valtora，或請伺服器管理員增加允許的連線數，或在伺服器前端部署連線池程式（connection pooler）。</translation>
    </message>
    <message>
        <source>The server of %1 refused the login. Check the Username, Password and Database lines of the data source, and that the server lets that role connect from this computer (pg_hba.conf).</source>
        <translation>%1的伺服器拒絕了登入。請檢查資料來源的 Username、Password 和 Database 行，並確認伺服器允許該角色從這台電腦連線（pg_hba.conf）。</translation>
    </message>
    <message>
        <source>The server of %1 cannot be reached. Check the Servername and Port lines of the data source, that the server is running, and that this computer can reach it over the network.</source>
        <translation>無法連線到%1的伺服器。請檢查資料來源的 Servername 和 Port 行，確認伺服器正在執行，並且這台電腦能夠透過網路連到它。</translation>
    </message>
    <message>
        <source>The connection to the server of %1 was lost: the server was stopped or restarted, or the network failed. Start Valtora again once the server is back.</source>
        <translation>與%1的伺服器的連線已中斷：伺服器已停止或重新啟動，或者網路發生故障。請在伺服器恢復後重新啟動 Valtora。</translation>
    </message>
    <message>
        <source>%1 did not answer within %2 seconds. Check that its server is running and not overloaded, and that no other program holds its database locked, then start Valtora again.</source>
        <translation>%1在 %2 秒內沒有回應。請確認其伺服器正在執行且未負載過重，並且沒有其他程式鎖定其資料庫，然後重新啟動 Valtora。</translation>
    </message>
    <message>
        <source>The driver said: %1</source>
        <translation>驅動程式訊息：%1</translation>
    </message>
    <message>
        <source>The server of %1 is starting up or shutting down, and accepts no connections now. Start Valtora again in a minute; if it keeps saying so, ask whoever runs the server.</source>
        <translation>%1的伺服器正在啟動或關閉，目前不接受連線。請一分鐘後重新啟動 Valtora；如果仍然出現此訊息，請聯絡伺服器管理員。</translation>
    </message>
    <message>
        <source>The server of %1 ended the connection on an administrator&apos;s command: someone ended Valtora&apos;s session on the server, or the server was stopped or restarted. Start Valtora again once the server is back.</source>
        <translation>%1的伺服器依管理員的命令結束了連線：有人結束了 Valtora 在伺服器上的工作階段，或者伺服器已停止或重新啟動。請在伺服器恢復後重新啟動 Valtora。</translation>
    </message>
    <message>
        <source>The server of %1 closed the connection because it was idle for longer than the server allows (its setting idle_session_timeout). Ask whoever runs the server to lift that limit for the quiz&apos;s role (alter role quiz set idle_session_timeout = 0), then start Valtora again.</source>
        <translation>%1的伺服器關閉了連線，因為該連線的閒置時間超過了伺服器允許的時間（伺服器設定 idle_session_timeout）。請伺服器管理員為測驗所用的角色取消此限制（alter role quiz set idle_session_timeout = 0），然後重新啟動 Valtora。</translation>
    </message>
    <message>
        <source>A query of Valtora&apos;s on the server of %1 was cancelled on an administrator&apos;s command (pg_cancel_backend, or another program that cancels queries). Start Valtora again.</source>
        <translation>Valtora 在%1的伺服器上的一個查詢依管理員的命令被取消（pg_cancel_backend 或其他取消查詢的程式）。請重新啟動 Valtora。</translation>
    </message>
    <message>
        <source>The connection pooler in front of the server of %1 gave up waiting for a free server connection, after as long as its setting query_wait_timeout allows. Close Valtora on desks that do not need it, or ask whoever runs the pooler for a larger pool (default_pool_size), then start Valtora again.</source>
        <translation type="vanished">%1的伺服器前端的連線池程式在等待閒置的伺服器連線時，等待時間達到其設定 query_wait_timeout 的上限後放棄了等待。請在不需要 Valtora 的電腦上關閉它，或請連線池管理員擴大連線池（default_pool_size），然後重新啟動 Valtora。</translation>
    </message>
    <message>
        <source>Likely causes: the table elements or one of its columns was changed while the quiz ran, the server ended the connection, or the driver cannot read a value of the table.</source>
        <translation>可能的原因：測驗執行期間 elements 資料表或其某一欄被修改，伺服器結束了連線，或者驅動程式無法讀取資料表中的某個值。</translation>
    </message>
    <message>
        <source>Likely causes: this user may not read the file on the data source&apos;s Database line, or the SQLite driver is set up wrongly (&quot;isql -v Elements&quot; shows what it says).</source>
        <translation>可能的原因：目前的使用者無權讀取資料來源 Database 行中的檔案，或者 SQLite 驅動程式設定有誤（「isql -v Elements」可顯示驅動程式給出的訊息）。</translation>
    </message>
    <message>
        <source>Likely causes: the server is not running or this computer cannot reach it, the data source&apos;s Servername, Port, Database, Username or Password line does not match the server, or its driver is set up wrongly (&quot;isql -v Elements&quot; shows what it says).</source>
        <translation>可能的原因：伺服器未執行或這台電腦無法連到它，資料來源的 Servername、Port、Database、Username 或 Password 行與伺服器不符，或者驅動程式設定有誤（「isql -v Elements」可顯示驅動程式給出的訊息）。</translation>
    </message>
    <message>
        <source>The server of %1 gave up waiting for a lock on the table elements, after as long as its setting lock_timeout allows: another program holds the table locked, changing it or in a transaction left open. Ask whoever runs the server to end that program&apos;s transaction, then start Valtora again.</source>
        <translation>%1的伺服器在等待 elements 資料表上的鎖定時，等待時間達到其設定 lock_timeout 的上限後放棄了等待：另一個程式正在修改該資料表，或者留下了未結束的交易，因而一直鎖定著該資料表。請伺服器管理員結束該程式的交易，然後重新啟動 Valtora。</translation>
    </message>
    <message>
        <source>The server of %1 does not let the role &quot;%2&quot; read the table elements. Ask whoever runs the server to allow it: grant select on elements to %2;</source>
        <translation>%1的伺服器不允許角色「%2」讀取 elements 資料表。請伺服器管理員授予該權限：grant select on elements to %2;</translation>
    </message>
    <message>
        <source>The connection pooler in front of the server of %1 gave up waiting for a server connection, after as long as its setting query_wait_timeout allows. Either every connection of its pool is in use (close Valtora on desks that do not need it, or ask whoever runs the pooler for a larger pool, default_pool_size), or the server behind it cannot be reached (ask whoever runs it to check that it is running). Then start Valtora again.</source>
        <translation>%1的伺服器前端的連線池程式在等待伺服器連線時，等待時間達到其設定 query_wait_timeout 的上限後放棄了等待。可能是其連線池中的所有連線都在使用中（請在不需要 Valtora 的電腦上關閉它，或請連線池管理員透過 default_pool_size 擴大連線池），也可能是無法連線到其後端的伺服器（請伺服器管理員檢查伺服器是否正在執行）。之後請重新啟動 Valtora。</translation>
    </message>
</context>
<context>
    <name>DesktopEntry</name>
    <message>
        <source>Chemical Elements Quiz</source>
        <extracomment>The kind of program, as menus show it beside its name.</extracomment>
        <translation>化學元素問答遊戲</translation>
    </message>
    <message>
        <source>Drill the symbols and names of the chemical elements</source>
        <extracomment>What the program is for, in a line: menus&apos; tooltips, software centres&apos; summary.</extracomment>
        <translation>練習化學元素的符號和名稱</translation>
    </message>
    <message>
        <source>chemistry;elements;periodic table;symbol;quiz;school;</source>
        <extracomment>Words a desktop&apos;s search finds the program by, each followed by a semicolon.</extracomment>
        <translation>化學;元素;元素週期表;符號;問答;學校;</translation>
    </message>
    <message>
        <source>Valtora is a quiz on the chemical elements. It shows an element&apos;s atomic number, symbol, name and atomic mass with the symbol or the name covered, and you type what is covered.</source>
        <extracomment>Software centres: the description.</extracomment>
        <translation>Valtora 是一款關於化學元素的問答遊戲。它會顯示某個元素的原子序、元素符號、名稱和原子量，並遮住符號或名稱，由你輸入被遮住的內容。</translation>
    </message>
    <message>
        <source>Guess the symbol or the name</source>
        <extracomment>Software centres: a feature in the description&apos;s list.</extracomment>
        <translation>猜元素符號或名稱</translation>
    </message>
    <message>
        <source>Draw from the first 36 elements, from those a school course knows, or from all 103</source>
        <extracomment>Software centres: a feature in the description&apos;s list.</extracomment>
        <translation>可從前 36 種元素、學校課程涉及的元素或全部 103 種元素中抽取</translation>
    </message>
    <message>
        <source>Played by keyboard alone, and read out by screen readers</source>
        <extracomment>Software centres: a feature in the description&apos;s list.</extracomment>
        <translation>只用鍵盤即可操作，並可由螢幕閱讀器朗讀</translation>
    </message>
    <message numerus="yes">
        <source>In %n languages, the element names included</source>
        <extracomment>Software centres: a feature in the description&apos;s list; %n counts English too.</extracomment>
        <translation>
            <numerusform>支援 %n 種語言，包括元素名稱</numerusform>
        </translation>
    </message>
    <message>
        <source>Needs no setup; a school can serve its own element table to every desk from one server</source>
        <extracomment>Software centres: a feature in the description&apos;s list.</extracomment>
        <translation>無需設定；學校可以透過一台伺服器向每台電腦提供自己的元素表</translation>
    </message>
    <message>
        <source>The quiz after one spin, the symbol covered</source>
        <extracomment>Software centres: the caption of the screenshot.</extracomment>
        <translation>抽取一次後的測驗畫面，元素符號已被遮住</translation>
    </message>
</context>
<context>
    <name>ElementDatabase</name>
    <message>
        <source>the embedded element table</source>
        <translation>內建元素表</translation>
    </message>
    <message>
        <source>%1: Qt&apos;s ODBC driver (QODBC) is not installed.</source>
        <translation>%1：未安裝 Qt 的 ODBC 驅動程式（QODBC）。</translation>
    </message>
    <message>
        <source>%1 cannot be opened.</source>
        <translation>無法開啟%1。</translation>
    </message>
    <message>
        <source>%1: Qt&apos;s SQLite driver (QSQLITE) is not installed.</source>
        <translation>%1：未安裝 Qt 的 SQLite 驅動程式（QSQLITE）。</translation>
    </message>
    <message>
        <source>The query &quot;%1&quot; on %2 failed.</source>
        <translation>在%2上執行查詢「%1」失敗。</translation>
    </message>
</context>
<context>
    <name>ElementLookup</name>
    <message>
        <source>&quot;%1&quot; is not an atomic number to look up.</source>
        <translation>「%1」不是可查詢的原子序。</translation>
    </message>
    <message>
        <source>There is no row for atomic number %1 in table %2.</source>
        <translation>資料表 %2 中沒有原子序為 %1 的列。</translation>
    </message>
    <message>
        <source>The row for atomic number %1 in table %2 has no symbol (%3 is empty): no answer could be judged against it.</source>
        <translation>資料表 %2 中原子序為 %1 的列沒有元素符號（%3 為空）：無法據此判斷任何答案。</translation>
    </message>
    <message>
        <source>The row for atomic number %1 in table %2 has no name (%3 is empty): no answer could be judged against it.</source>
        <translation>資料表 %2 中原子序為 %1 的列沒有元素名稱（%3 為空）：無法據此判斷任何答案。</translation>
    </message>
</context>
<context>
    <name>ElementTableCheck</name>
    <message>
        <source> and %1 more</source>
        <translation> 以及另外 %1 個</translation>
    </message>
    <message>
        <source>It has the columns %1.</source>
        <translation>該資料表的欄位為 %1。</translation>
    </message>
    <message>
        <source>The table %1 of %2 cannot be used.
%3</source>
        <translation>%2中的資料表 %1 無法使用。
%3</translation>
    </message>
    <message>
        <source>%1 has no table %2.</source>
        <translation>%1中沒有資料表 %2。</translation>
    </message>
    <message>
        <source>Missing columns: %1.</source>
        <translation>缺少的欄位：%1。</translation>
    </message>
    <message>
        <source>The file was imported twice into the same database: its header row is a row of the table, and every element is there twice. Import it again into a fresh database file (delete the old one first).</source>
        <translation>該檔案被兩次匯入同一個資料庫：其表頭列成了資料表中的一列，每個元素都出現了兩次。請將其重新匯入一個新的資料庫檔案（先刪除舊檔案）。</translation>
    </message>
    <message>
        <source>No row for atomic numbers %1.</source>
        <translation>以下原子序沒有對應的列：%1。</translation>
    </message>
    <message>
        <source>More than one row for atomic numbers %1.</source>
        <translation>以下原子序有多於一列：%1。</translation>
    </message>
    <message>
        <source>Atomic numbers that are not whole numbers: %1.</source>
        <translation>不是整數的原子序：%1。</translation>
    </message>
    <message>
        <source>Rows without an atomic number: %1.</source>
        <translation>沒有原子序的列：%1。</translation>
    </message>
    <message>
        <source>No symbol for atomic numbers %1.</source>
        <translation>以下原子序沒有元素符號：%1。</translation>
    </message>
    <message>
        <source>No name for atomic numbers %1.</source>
        <translation>以下原子序沒有元素名稱：%1。</translation>
    </message>
    <message>
        <source>Names that no answer can match, since answers are put in proper case (&quot;Iron&quot;, not &quot;iron&quot; or &quot;IRON&quot;), for atomic numbers %1.</source>
        <translation>以下原子序的名稱無法與任何答案相符，因為答案會轉換為首字母大寫的形式（如「Iron」，而不是「iron」或「IRON」）：%1。</translation>
    </message>
    <message>
        <source>Symbols or names with blanks around them, which no answer can match, for atomic numbers %1.</source>
        <translation>以下原子序的符號或名稱前後帶有空白，無法與任何答案相符：%1。</translation>
    </message>
    <message>
        <source>see &quot;From a spreadsheet&quot; in the README, installed as %1</source>
        <translation>參見已安裝為 %1 的 README 中的「From a spreadsheet」一節</translation>
    </message>
    <message>
        <source>The file was saved with semicolons between its columns, as office programs do where decimals are written with a comma: import it with .separator &quot;;&quot; (%1).</source>
        <translation>該檔案儲存時各欄之間以分號分隔，在以逗號作為小數點的地區，辦公室軟體就會這樣儲存：請使用 .separator &quot;;&quot; 匯入（%1）。</translation>
    </message>
    <message>
        <source>The file was saved with tabs between its columns: import it with .separator &quot;\t&quot; instead of --csv (%1).</source>
        <translation>該檔案儲存時各欄之間以定位字元（Tab）分隔：請使用 .separator &quot;\t&quot; 而不是 --csv 匯入（%1）。</translation>
    </message>
    <message>
        <source>Its first row holds the column names: the file has a title row above its header. Import it with --skip 1, or delete the title row (%1).</source>
        <translation>資料表的第一列包含欄位名稱：檔案在表頭上方還有一個標題列。請使用 --skip 1 匯入，或刪除標題列（%1）。</translation>
    </message>
    <message>
        <source>Reading it failed.</source>
        <translation>讀取該資料表失敗。</translation>
    </message>
    <message>
        <source>Atomic numbers with blanks around them, which the lookup&apos;s query does not find: %1.</source>
        <translation>以下原子序前後帶有空白，依原子序查詢元素的查詢找不到它們：%1。</translation>
    </message>
    <message>
        <source>The file&apos;s header row (%1) is a row of the table: the table was made before the import, which read the header as data. Import the file into a fresh database, or with --skip 1 (%2).</source>
        <translation>檔案的表頭列（%1）成了資料表中的一列：該資料表在匯入之前就已建立，匯入時把表頭當作資料讀入。請將檔案匯入一個新的資料庫，或使用 --skip 1 匯入（%2）。</translation>
    </message>
    <message>
        <source>Looking an element up by its number fails: AtomicNumber must compare with a bare number, as in &quot;%1&quot;.</source>
        <translation>依原子序查詢元素失敗：AtomicNumber 必須能與不帶引號的數字進行比較，例如「%1」。</translation>
    </message>
    <message>
        <source>Symbols or names with invisible characters in them (zero-width spaces or joiners, soft hyphens, direction marks), which no typed answer holds, for atomic numbers %1.</source>
        <translation>以下原子序的符號或名稱中含有不可見字元（零寬空白或零寬連接子、軟連字號、文字方向標記），任何輸入的答案都不會包含這些字元：%1。</translation>
    </message>
    <message>
        <source>Symbols or names with characters that no element&apos;s name has, as a file saved in another character set than UTF-8 leaves them (&quot;?&quot;, &quot;Ã³&quot;, &quot;Å¼&quot;), for atomic numbers %1. Save the sheet again as CSV in the character set &quot;Unicode (UTF-8)&quot;, or convert the file with iconv, and import it again (%2).</source>
        <translation type="vanished">以下原子序的符號或名稱中含有任何元素名稱都不會有的字元，以 UTF-8 以外的字元集儲存的檔案就會留下這樣的字元（「?」、「Ã³」、「Å¼」）：%1。請將工作表以「Unicode (UTF-8)」字元集重新另存為 CSV，或用 iconv 轉換該檔案，然後重新匯入（%2）。</translation>
    </message>
    <message>
        <source>The file was saved as UTF-16 (&quot;Unicode text&quot; in office programs), which the import does not read. Convert it with &quot;iconv -f %1 -t UTF-8 elements.csv &gt; elements-utf8.csv&quot; and import elements-utf8.csv, or save the sheet again as CSV in the character set &quot;Unicode (UTF-8)&quot; (%2).</source>
        <translation>該檔案以 UTF-16 儲存（辦公軟體中的「Unicode 文字」），匯入無法讀取。請用「iconv -f %1 -t UTF-8 elements.csv &gt; elements-utf8.csv」轉換它並匯入 elements-utf8.csv，或將工作表以「Unicode (UTF-8)」字元集重新另存為 CSV（%2）。</translation>
    </message>
    <message>
        <source>Names with characters that no element&apos;s name has, garbled because the file was saved in the character set %1 and read as %2, for atomic numbers %3. Read it as %1: in psql, give &quot;\encoding %4&quot; before \copy, or convert it first with &quot;iconv -f %5 -t UTF-8&quot;, and import it again (%6).</source>
        <translation>以下原子序的名稱含有任何元素名稱都不會有的字元，因為檔案以字元集 %1 儲存，卻依 %2 讀取而成了亂碼：%3。請依 %1 讀取它：在 psql 中於 \copy 之前執行「\encoding %4」，或先用「iconv -f %5 -t UTF-8」轉換它，然後重新匯入（%6）。</translation>
    </message>
    <message>
        <source>Names with characters that no element&apos;s name has, garbled because the file was saved in the character set %1 and read as %2, for atomic numbers %3. Convert it with &quot;%4 &gt; elements-utf8.csv&quot; and import elements-utf8.csv in its place (%5).</source>
        <translation>以下原子序的名稱含有任何元素名稱都不會有的字元，因為檔案以字元集 %1 儲存，卻依 %2 讀取而成了亂碼：%3。請用「%4 &gt; elements-utf8.csv」轉換它，然後改為匯入 elements-utf8.csv（%5）。</translation>
    </message>
    <message>
        <source>Symbols or names with characters that no element&apos;s name has, such as &quot;?&quot; or the letter pairs (&quot;Ã³&quot;, &quot;Å¼&quot;) that a file saved in another character set than UTF-8 leaves, or with no letter at their start or end (&quot;-&quot;, a lone accent), for atomic numbers %1. Retype those cells, or save the sheet again as CSV in the character set &quot;Unicode (UTF-8)&quot; (or convert the file with iconv) and import it again (%2).</source>
        <translation>以下原子序的符號或名稱中含有任何元素名稱都不會有的字元，例如「?」或以 UTF-8 以外的字元集儲存的檔案留下的字母組合（「Ã³」、「Å¼」），或者開頭或結尾不是字母（「-」、單獨的重音符號）：%1。請重新輸入這些儲存格，或將工作表以「Unicode (UTF-8)」字元集重新另存為 CSV（或用 iconv 轉換該檔案），然後重新匯入（%2）。</translation>
    </message>
</context>
<context>
    <name>OdbcDataSource</name>
    <message>
        <source>ODBC data source &quot;%1&quot;</source>
        <translation>名為「%1」的 ODBC 資料來源</translation>
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
        <translation>程式中缺少元素表的指令碼。</translation>
    </message>
    <message>
        <source>The element table&apos;s script cannot be run: %1</source>
        <translation>無法執行元素表的指令碼：%1</translation>
    </message>
    <message>
        <source>The element names in %1 cannot be loaded: %2</source>
        <translation>無法載入 %1 語言的元素名稱：%2</translation>
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
        <translation>原子序</translation>
    </message>
    <message>
        <source>Symbol</source>
        <translation>元素符號</translation>
    </message>
    <message>
        <source>Element Name</source>
        <translation>元素名稱</translation>
    </message>
    <message>
        <source>Atomic Mass</source>
        <translation>原子量</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>答案</translation>
    </message>
    <message>
        <source>Created by Orvashel</source>
        <translation>作者：Orvashel</translation>
    </message>
    <message>
        <source>Spin</source>
        <translation>抽取</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>檢查</translation>
    </message>
    <message>
        <source>Step 1</source>
        <translation>步驟 1</translation>
    </message>
    <message>
        <source>Guess the Name</source>
        <translation>猜名稱</translation>
    </message>
    <message>
        <source>Guess the Symbol</source>
        <translation>猜符號</translation>
    </message>
    <message>
        <source>Step 2</source>
        <translation>步驟 2</translation>
    </message>
    <message>
        <source>Elements 1 to 36</source>
        <translation>元素 1–36</translation>
    </message>
    <message>
        <source>Elements 1 to 38, 40, 42, 47 - 57, 74, 78 - 80</source>
        <translation>元素 1–38, 40, 42, 47–57, 74, 78–80</translation>
    </message>
    <message>
        <source>Elements 1 to 38, 40, 42, 47 - 57, 74, 78 - 89, 92, 94, 95</source>
        <translation>元素 1–38, 40, 42, 47–57, 74, 78–89, 92, 94, 95</translation>
    </message>
    <message>
        <source>Elements 1 to 103</source>
        <translation>元素 1–103</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>結束</translation>
    </message>
    <message>
        <source>Shortcut: %1</source>
        <translation>快速鍵：%1</translation>
    </message>
</context>
</TS>
