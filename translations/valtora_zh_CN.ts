<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en">
<context>
    <name>AnswerCheck</name>
    <message>
        <source>Your my hero</source>
        <translation>你真棒！</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>再试一次</translation>
    </message>
</context>
<context>
    <name>ApplicationStart</name>
    <message>
        <source>valtora: no display could be opened. Choose one with DISPLAY (X11) or WAYLAND_DISPLAY (Wayland), or run without one with &quot;-platform offscreen&quot;.</source>
        <translation>valtora: 无法打开任何显示。请通过 DISPLAY（X11）或 WAYLAND_DISPLAY（Wayland）指定一个显示，或使用“-platform offscreen”在没有显示的情况下运行 Valtora。</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>A desktop quiz on the chemical elements.</source>
        <translation>一款关于化学元素的桌面问答游戏。</translation>
    </message>
    <message>
        <source>valtora: &quot;%1&quot; is not an option or argument of Valtora; &quot;valtora --help&quot; lists them.</source>
        <translation>valtora: “%1”不是 Valtora 的选项或参数；“valtora --help”会列出所有选项和参数。</translation>
    </message>
</context>
<context>
    <name>DataControl</name>
    <message>
        <source>The table on %1 has no column %2.</source>
        <translation>%1中的表没有 %2 列。</translation>
    </message>
</context>
<context>
    <name>DataSourceFaults</name>
    <message>
        <source>%1 names the ODBC driver &quot;%2&quot;, which is not installed on this computer. Install it, or name an installed driver on the data source&apos;s Driver line: the command &quot;odbcinst -q -d&quot; lists them.</source>
        <translation>%1指定的 ODBC 驱动程序“%2”未安装在此计算机上。请安装该驱动程序，或在数据源的 Driver 行中指定一个已安装的驱动程序：命令“odbcinst -q -d”可列出已安装的驱动程序。</translation>
    </message>
    <message>
        <source>%1 names no database file: its Database line is empty. Put the path of the SQLite file that holds the table elements there.</source>
        <translation>%1未指定数据库文件：其 Database 行为空。请在该行中填写包含 elements 表的 SQLite 文件的路径。</translation>
    </message>
    <message>
        <source>The database file &quot;%2&quot; of %1 does not exist. Check the path on the data source&apos;s Database line.</source>
        <translation>%1的数据库文件“%2”不存在。请检查数据源 Database 行中的路径。</translation>
    </message>
    <message>
        <source>The file &quot;%2&quot; of %1 is not an SQLite database. Check the path on the data source&apos;s Database line, or make the file again with the sqlite3 shell.</source>
        <translation>%1的文件“%2”不是 SQLite 数据库。请检查数据源 Database 行中的路径，或使用 sqlite3 命令行工具重新创建该文件。</translation>
    </message>
    <message>
        <source>The database file &quot;%2&quot; of %1 is locked by another program that is changing it. Close that program, or end its transaction, then start Valtora again.</source>
        <translation>%1的数据库文件“%2”已被另一个正在修改它的程序锁定。请关闭该程序或结束其事务，然后重新启动 Valtora。</translation>
    </message>
    <message>
        <source>The server of %1 accepts no more connections: all it allows are in use. Close Valtora on another desk, or ask whoever runs the server to allow more connections or to put a connection pooler in front of it.</source>
        <translation>%1的服务器不再接受新连接：它允许的连接已全部占用。请在另一台计算机上关闭 Valtora，或请服务器管理员增加允许的连接数，或在服务器前部署连接池程序（connection pooler）。</translation>
    </message>
    <message>
        <source>The server of %1 refused the login. Check the Username, Password and Database lines of the data source, and that the server lets that role connect from this computer (pg_hba.conf).</source>
        <translation>%1的服务器拒绝了登录。请检查数据源的 Username、Password 和 Database 行，并确认服务器允许该角色从此计算机连接（pg_hba.conf）。</translation>
    </message>
    <message>
        <source>The server of %1 cannot be reached. Check the Servername and Port lines of the data source, that the server is running, and that this computer can reach it over the network.</source>
        <translation>无法连接到%1的服务器。请检查数据源的 Servername 和 Port 行，确认服务器正在运行，并且此计算机能够通过网络访问它。</translation>
    </message>
    <message>
        <source>The connection to the server of %1 was lost: the server was stopped or restarted, or the network failed. Start Valtora again once the server is back.</source>
        <translation>与%1的服务器的连接已断开：服务器已停止或重新启动，或者网络出现故障。请在服务器恢复后重新启动 Valtora。</translation>
    </message>
    <message>
        <source>%1 did not answer within %2 seconds. Check that its server is running and not overloaded, and that no other program holds its database locked, then start Valtora again.</source>
        <translation>%1在 %2 秒内没有响应。请确认其服务器正在运行且未过载，并且没有其他程序锁定其数据库，然后重新启动 Valtora。</translation>
    </message>
    <message>
        <source>The driver said: %1</source>
        <translation>驱动程序消息：%1</translation>
    </message>
    <message>
        <source>The server of %1 is starting up or shutting down, and accepts no connections now. Start Valtora again in a minute; if it keeps saying so, ask whoever runs the server.</source>
        <translation>%1的服务器正在启动或关闭，目前不接受连接。请一分钟后重新启动 Valtora；如果仍然出现此消息，请联系服务器管理员。</translation>
    </message>
    <message>
        <source>The server of %1 ended the connection on an administrator&apos;s command: someone ended Valtora&apos;s session on the server, or the server was stopped or restarted. Start Valtora again once the server is back.</source>
        <translation>%1的服务器按管理员的命令结束了连接：有人结束了 Valtora 在服务器上的会话，或者服务器已停止或重新启动。请在服务器恢复后重新启动 Valtora。</translation>
    </message>
    <message>
        <source>The server of %1 closed the connection because it was idle for longer than the server allows (its setting idle_session_timeout). Ask whoever runs the server to lift that limit for the quiz&apos;s role (alter role quiz set idle_session_timeout = 0), then start Valtora again.</source>
        <translation>%1的服务器关闭了连接，因为该连接的空闲时间超过了服务器允许的时长（服务器设置 idle_session_timeout）。请服务器管理员为测验所用的角色取消此限制（alter role quiz set idle_session_timeout = 0），然后重新启动 Valtora。</translation>
    </message>
    <message>
        <source>A query of Valtora&apos;s on the server of %1 was cancelled on an administrator&apos;s command (pg_cancel_backend, or another program that cancels queries). Start Valtora again.</source>
        <translation>Valtora 在%1的服务器上的一个查询按管理员的命令被取消（pg_cancel_backend 或其他取消查询的程序）。请重新启动 Valtora。</translation>
    </message>
    <message>
        <source>The connection pooler in front of the server of %1 gave up waiting for a free server connection, after as long as its setting query_wait_timeout allows. Close Valtora on desks that do not need it, or ask whoever runs the pooler for a larger pool (default_pool_size), then start Valtora again.</source>
        <translation type="vanished">%1的服务器前的连接池程序在等待空闲服务器连接时，等待时长达到其设置 query_wait_timeout 的上限后放弃了等待。请在不需要 Valtora 的计算机上关闭它，或请连接池管理员扩大连接池（default_pool_size），然后重新启动 Valtora。</translation>
    </message>
    <message>
        <source>Likely causes: the table elements or one of its columns was changed while the quiz ran, the server ended the connection, or the driver cannot read a value of the table.</source>
        <translation>可能的原因：测验运行期间 elements 表或其某一列被修改，服务器结束了连接，或者驱动程序无法读取表中的某个值。</translation>
    </message>
    <message>
        <source>Likely causes: this user may not read the file on the data source&apos;s Database line, or the SQLite driver is set up wrongly (&quot;isql -v Elements&quot; shows what it says).</source>
        <translation>可能的原因：当前用户无权读取数据源 Database 行中的文件，或者 SQLite 驱动程序配置有误（“isql -v Elements”可显示驱动程序给出的信息）。</translation>
    </message>
    <message>
        <source>Likely causes: the server is not running or this computer cannot reach it, the data source&apos;s Servername, Port, Database, Username or Password line does not match the server, or its driver is set up wrongly (&quot;isql -v Elements&quot; shows what it says).</source>
        <translation>可能的原因：服务器未运行或此计算机无法访问它，数据源的 Servername、Port、Database、Username 或 Password 行与服务器不符，或者驱动程序配置有误（“isql -v Elements”可显示驱动程序给出的信息）。</translation>
    </message>
    <message>
        <source>The server of %1 gave up waiting for a lock on the table elements, after as long as its setting lock_timeout allows: another program holds the table locked, changing it or in a transaction left open. Ask whoever runs the server to end that program&apos;s transaction, then start Valtora again.</source>
        <translation>%1的服务器在等待 elements 表上的锁时，等待时长达到其设置 lock_timeout 的上限后放弃了等待：另一个程序正在修改该表，或者留下了未结束的事务，因而一直锁定着该表。请服务器管理员结束该程序的事务，然后重新启动 Valtora。</translation>
    </message>
    <message>
        <source>The server of %1 does not let the role &quot;%2&quot; read the table elements. Ask whoever runs the server to allow it: grant select on elements to %2;</source>
        <translation>%1的服务器不允许角色“%2”读取 elements 表。请服务器管理员授予该权限：grant select on elements to %2;</translation>
    </message>
    <message>
        <source>The connection pooler in front of the server of %1 gave up waiting for a server connection, after as long as its setting query_wait_timeout allows. Either every connection of its pool is in use (close Valtora on desks that do not need it, or ask whoever runs the pooler for a larger pool, default_pool_size), or the server behind it cannot be reached (ask whoever runs it to check that it is running). Then start Valtora again.</source>
        <translation>%1的服务器前的连接池程序在等待服务器连接时，等待时长达到其设置 query_wait_timeout 的上限后放弃了等待。可能是其连接池中的所有连接都在使用中（请在不需要 Valtora 的计算机上关闭它，或请连接池管理员通过 default_pool_size 扩大连接池），也可能是无法连接到其后的服务器（请服务器管理员检查服务器是否正在运行）。之后请重新启动 Valtora。</translation>
    </message>
</context>
<context>
    <name>DesktopEntry</name>
    <message>
        <source>Chemical Elements Quiz</source>
        <extracomment>The kind of program, as menus show it beside its name.</extracomment>
        <translation>化学元素问答游戏</translation>
    </message>
    <message>
        <source>Drill the symbols and names of the chemical elements</source>
        <extracomment>What the program is for, in a line: menus&apos; tooltips, software centres&apos; summary.</extracomment>
        <translation>练习化学元素的符号和名称</translation>
    </message>
    <message>
        <source>chemistry;elements;periodic table;symbol;quiz;school;</source>
        <extracomment>Words a desktop&apos;s search finds the program by, each followed by a semicolon.</extracomment>
        <translation>化学;元素;元素周期表;符号;问答;学校;</translation>
    </message>
    <message>
        <source>Valtora is a quiz on the chemical elements. It shows an element&apos;s atomic number, symbol, name and atomic mass with the symbol or the name covered, and you type what is covered.</source>
        <extracomment>Software centres: the description.</extracomment>
        <translation>Valtora 是一款关于化学元素的问答游戏。它会显示某个元素的原子序数、元素符号、名称和原子质量，并遮住符号或名称，由你输入被遮住的内容。</translation>
    </message>
    <message>
        <source>Guess the symbol or the name</source>
        <extracomment>Software centres: a feature in the description&apos;s list.</extracomment>
        <translation>猜元素符号或名称</translation>
    </message>
    <message>
        <source>Draw from the first 36 elements, from those a school course knows, or from all 103</source>
        <extracomment>Software centres: a feature in the description&apos;s list.</extracomment>
        <translation>可从前 36 种元素、学校课程涉及的元素或全部 103 种元素中抽取</translation>
    </message>
    <message>
        <source>Played by keyboard alone, and read out by screen readers</source>
        <extracomment>Software centres: a feature in the description&apos;s list.</extracomment>
        <translation>仅用键盘即可操作，并可由屏幕阅读器朗读</translation>
    </message>
    <message numerus="yes">
        <source>In %n languages, the element names included</source>
        <extracomment>Software centres: a feature in the description&apos;s list; %n counts English too.</extracomment>
        <translation>
            <numerusform>支持 %n 种语言，包括元素名称</numerusform>
        </translation>
    </message>
    <message>
        <source>Needs no setup; a school can serve its own element table to every desk from one server</source>
        <extracomment>Software centres: a feature in the description&apos;s list.</extracomment>
        <translation>无需配置；学校可以通过一台服务器向每台计算机提供自己的元素表</translation>
    </message>
    <message>
        <source>The quiz after one spin, the symbol covered</source>
        <extracomment>Software centres: the caption of the screenshot.</extracomment>
        <translation>抽取一次后的测验界面，元素符号已被遮住</translation>
    </message>
</context>
<context>
    <name>ElementDatabase</name>
    <message>
        <source>the embedded element table</source>
        <translation>内置元素表</translation>
    </message>
    <message>
        <source>%1: Qt&apos;s ODBC driver (QODBC) is not installed.</source>
        <translation>%1：未安装 Qt 的 ODBC 驱动程序（QODBC）。</translation>
    </message>
    <message>
        <source>%1 cannot be opened.</source>
        <translation>无法打开%1。</translation>
    </message>
    <message>
        <source>%1: Qt&apos;s SQLite driver (QSQLITE) is not installed.</source>
        <translation>%1：未安装 Qt 的 SQLite 驱动程序（QSQLITE）。</translation>
    </message>
    <message>
        <source>The query &quot;%1&quot; on %2 failed.</source>
        <translation>在%2上执行查询“%1”失败。</translation>
    </message>
</context>
<context>
    <name>ElementLookup</name>
    <message>
        <source>&quot;%1&quot; is not an atomic number to look up.</source>
        <translation>“%1”不是可查询的原子序数。</translation>
    </message>
    <message>
        <source>There is no row for atomic number %1 in table %2.</source>
        <translation>表 %2 中没有原子序数为 %1 的行。</translation>
    </message>
    <message>
        <source>The row for atomic number %1 in table %2 has no symbol (%3 is empty): no answer could be judged against it.</source>
        <translation>表 %2 中原子序数为 %1 的行没有元素符号（%3 为空）：无法据此判断任何答案。</translation>
    </message>
    <message>
        <source>The row for atomic number %1 in table %2 has no name (%3 is empty): no answer could be judged against it.</source>
        <translation>表 %2 中原子序数为 %1 的行没有元素名称（%3 为空）：无法据此判断任何答案。</translation>
    </message>
</context>
<context>
    <name>ElementTableCheck</name>
    <message>
        <source> and %1 more</source>
        <translation> 以及另外 %1 个</translation>
    </message>
    <message>
        <source>It has the columns %1.</source>
        <translation>该表的列为 %1。</translation>
    </message>
    <message>
        <source>The table %1 of %2 cannot be used.
%3</source>
        <translation>%2中的表 %1 无法使用。
%3</translation>
    </message>
    <message>
        <source>%1 has no table %2.</source>
        <translation>%1中没有表 %2。</translation>
    </message>
    <message>
        <source>Missing columns: %1.</source>
        <translation>缺少的列：%1。</translation>
    </message>
    <message>
        <source>The file was imported twice into the same database: its header row is a row of the table, and every element is there twice. Import it again into a fresh database file (delete the old one first).</source>
        <translation>该文件被两次导入同一个数据库：其表头行变成了表中的一行，每个元素都出现了两次。请将其重新导入一个新的数据库文件（先删除旧文件）。</translation>
    </message>
    <message>
        <source>No row for atomic numbers %1.</source>
        <translation>以下原子序数没有对应的行：%1。</translation>
    </message>
    <message>
        <source>More than one row for atomic numbers %1.</source>
        <translation>以下原子序数有多于一行：%1。</translation>
    </message>
    <message>
        <source>Atomic numbers that are not whole numbers: %1.</source>
        <translation>不是整数的原子序数：%1。</translation>
    </message>
    <message>
        <source>Rows without an atomic number: %1.</source>
        <translation>没有原子序数的行：%1。</translation>
    </message>
    <message>
        <source>No symbol for atomic numbers %1.</source>
        <translation>以下原子序数没有元素符号：%1。</translation>
    </message>
    <message>
        <source>No name for atomic numbers %1.</source>
        <translation>以下原子序数没有元素名称：%1。</translation>
    </message>
    <message>
        <source>Names that no answer can match, since answers are put in proper case (&quot;Iron&quot;, not &quot;iron&quot; or &quot;IRON&quot;), for atomic numbers %1.</source>
        <translation>以下原子序数的名称无法与任何答案匹配，因为答案会转换为首字母大写的形式（如“Iron”，而不是“iron”或“IRON”）：%1。</translation>
    </message>
    <message>
        <source>Symbols or names with blanks around them, which no answer can match, for atomic numbers %1.</source>
        <translation>以下原子序数的符号或名称前后带有空格，无法与任何答案匹配：%1。</translation>
    </message>
    <message>
        <source>see &quot;From a spreadsheet&quot; in the README, installed as %1</source>
        <translation>参见已安装为 %1 的 README 中的“From a spreadsheet”一节</translation>
    </message>
    <message>
        <source>The file was saved with semicolons between its columns, as office programs do where decimals are written with a comma: import it with .separator &quot;;&quot; (%1).</source>
        <translation>该文件保存时各列之间以分号分隔，在以逗号作小数点的地区，办公软件就会这样保存：请使用 .separator &quot;;&quot; 导入（%1）。</translation>
    </message>
    <message>
        <source>The file was saved with tabs between its columns: import it with .separator &quot;\t&quot; instead of --csv (%1).</source>
        <translation>该文件保存时各列之间以制表符分隔：请使用 .separator &quot;\t&quot; 而不是 --csv 导入（%1）。</translation>
    </message>
    <message>
        <source>Its first row holds the column names: the file has a title row above its header. Import it with --skip 1, or delete the title row (%1).</source>
        <translation>表的第一行包含列名：文件在表头上方还有一个标题行。请使用 --skip 1 导入，或删除标题行（%1）。</translation>
    </message>
    <message>
        <source>Reading it failed.</source>
        <translation>读取该表失败。</translation>
    </message>
    <message>
        <source>Atomic numbers with blanks around them, which the lookup&apos;s query does not find: %1.</source>
        <translation>以下原子序数前后带有空格，查找元素的查询找不到它们：%1。</translation>
    </message>
    <message>
        <source>The file&apos;s header row (%1) is a row of the table: the table was made before the import, which read the header as data. Import the file into a fresh database, or with --skip 1 (%2).</source>
        <translation>文件的表头行（%1）成了表中的一行：该表在导入之前就已创建，导入时把表头当作数据读入。请将文件导入一个新的数据库，或使用 --skip 1 导入（%2）。</translation>
    </message>
    <message>
        <source>Looking an element up by its number fails: AtomicNumber must compare with a bare number, as in &quot;%1&quot;.</source>
        <translation>按原子序数查找元素失败：AtomicNumber 必须能与不带引号的数字进行比较，例如“%1”。</translation>
    </message>
    <message>
        <source>Symbols or names with invisible characters in them (zero-width spaces or joiners, soft hyphens, direction marks), which no typed answer holds, for atomic numbers %1.</source>
        <translation>以下原子序数的符号或名称中含有不可见字符（零宽空格或零宽连接符、软连字符、文字方向标记），任何输入的答案都不会包含这些字符：%1。</translation>
    </message>
    <message>
        <source>Symbols or names with characters that no element&apos;s name has, as a file saved in another character set than UTF-8 leaves them (&quot;?&quot;, &quot;Ã³&quot;, &quot;Å¼&quot;), for atomic numbers %1. Save the sheet again as CSV in the character set &quot;Unicode (UTF-8)&quot;, or convert the file with iconv, and import it again (%2).</source>
        <translation type="vanished">以下原子序数的符号或名称中含有任何元素名称都不会有的字符，以 UTF-8 以外的字符集保存的文件就会留下这样的字符（“?”、“Ã³”、“Å¼”）：%1。请将工作表以“Unicode (UTF-8)”字符集重新另存为 CSV，或用 iconv 转换该文件，然后重新导入（%2）。</translation>
    </message>
    <message>
        <source>The file was saved as UTF-16 (&quot;Unicode text&quot; in office programs), which the import does not read. Convert it with &quot;iconv -f %1 -t UTF-8 elements.csv &gt; elements-utf8.csv&quot; and import elements-utf8.csv, or save the sheet again as CSV in the character set &quot;Unicode (UTF-8)&quot; (%2).</source>
        <translation>该文件以 UTF-16 保存（办公软件中的“Unicode 文本”），导入无法读取。请用“iconv -f %1 -t UTF-8 elements.csv &gt; elements-utf8.csv”转换它并导入 elements-utf8.csv，或将工作表以“Unicode (UTF-8)”字符集重新另存为 CSV（%2）。</translation>
    </message>
    <message>
        <source>Names with characters that no element&apos;s name has, garbled because the file was saved in the character set %1 and read as %2, for atomic numbers %3. Read it as %1: in psql, give &quot;\encoding %4&quot; before \copy, or convert it first with &quot;iconv -f %5 -t UTF-8&quot;, and import it again (%6).</source>
        <translation>以下原子序数的名称含有任何元素名称都不会有的字符，因为文件以字符集 %1 保存，却按 %2 读取而成了乱码：%3。请按 %1 读取它：在 psql 中于 \copy 之前执行“\encoding %4”，或先用“iconv -f %5 -t UTF-8”转换它，然后重新导入（%6）。</translation>
    </message>
    <message>
        <source>Names with characters that no element&apos;s name has, garbled because the file was saved in the character set %1 and read as %2, for atomic numbers %3. Convert it with &quot;%4 &gt; elements-utf8.csv&quot; and import elements-utf8.csv in its place (%5).</source>
        <translation>以下原子序数的名称含有任何元素名称都不会有的字符，因为文件以字符集 %1 保存，却按 %2 读取而成了乱码：%3。请用“%4 &gt; elements-utf8.csv”转换它，然后改为导入 elements-utf8.csv（%5）。</translation>
    </message>
    <message>
        <source>Symbols or names with characters that no element&apos;s name has, such as &quot;?&quot; or the letter pairs (&quot;Ã³&quot;, &quot;Å¼&quot;) that a file saved in another character set than UTF-8 leaves, or with no letter at their start or end (&quot;-&quot;, a lone accent), for atomic numbers %1. Retype those cells, or save the sheet again as CSV in the character set &quot;Unicode (UTF-8)&quot; (or convert the file with iconv) and import it again (%2).</source>
        <translation>以下原子序数的符号或名称中含有任何元素名称都不会有的字符，例如“?”或以 UTF-8 以外的字符集保存的文件留下的字母组合（“Ã³”、“Å¼”），或者开头或结尾不是字母（“-”、单独的重音符号）：%1。请重新输入这些单元格，或将工作表以“Unicode (UTF-8)”字符集重新另存为 CSV（或用 iconv 转换该文件），然后重新导入（%2）。</translation>
    </message>
</context>
<context>
    <name>OdbcDataSource</name>
    <message>
        <source>ODBC data source &quot;%1&quot;</source>
        <translation>名为“%1”的 ODBC 数据源</translation>
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
        <translation>程序中缺少元素表的脚本。</translation>
    </message>
    <message>
        <source>The element table&apos;s script cannot be run: %1</source>
        <translation>无法运行元素表的脚本：%1</translation>
    </message>
    <message>
        <source>The element names in %1 cannot be loaded: %2</source>
        <translation>无法加载 %1 语言的元素名称：%2</translation>
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
        <translation>原子序数</translation>
    </message>
    <message>
        <source>Symbol</source>
        <translation>元素符号</translation>
    </message>
    <message>
        <source>Element Name</source>
        <translation>元素名称</translation>
    </message>
    <message>
        <source>Atomic Mass</source>
        <translation>原子质量</translation>
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
        <translation>检查</translation>
    </message>
    <message>
        <source>Step 1</source>
        <translation>第 1 步</translation>
    </message>
    <message>
        <source>Guess the Name</source>
        <translation>猜名称</translation>
    </message>
    <message>
        <source>Guess the Symbol</source>
        <translation>猜符号</translation>
    </message>
    <message>
        <source>Step 2</source>
        <translation>第 2 步</translation>
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
        <translation>退出</translation>
    </message>
    <message>
        <source>Shortcut: %1</source>
        <translation>快捷键：%1</translation>
    </message>
</context>
</TS>
