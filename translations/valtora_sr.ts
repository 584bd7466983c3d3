<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sr" sourcelanguage="en">
<context>
    <name>AnswerCheck</name>
    <message>
        <source>Your my hero</source>
        <translation>Браво, свака част!</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>Покушај поново</translation>
    </message>
</context>
<context>
    <name>ApplicationStart</name>
    <message>
        <source>valtora: no display could be opened. Choose one with DISPLAY (X11) or WAYLAND_DISPLAY (Wayland), or run without one with &quot;-platform offscreen&quot;.</source>
        <translation>valtora: ниједан екран није могао да се отвори. Изаберите екран помоћу DISPLAY (X11) или WAYLAND_DISPLAY (Wayland) или покрените програм Valtora без екрана помоћу „-platform offscreen“.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>A desktop quiz on the chemical elements.</source>
        <translation>Рачунарски квиз о хемијским елементима.</translation>
    </message>
    <message>
        <source>valtora: &quot;%1&quot; is not an option or argument of Valtora; &quot;valtora --help&quot; lists them.</source>
        <translation>valtora: „%1“ није ни опција ни аргумент програма Valtora; списак приказује „valtora --help“.</translation>
    </message>
</context>
<context>
    <name>DataControl</name>
    <message>
        <source>The table on %1 has no column %2.</source>
        <translation>%1: табела нема колону %2.</translation>
    </message>
</context>
<context>
    <name>DataSourceFaults</name>
    <message>
        <source>%1 names the ODBC driver &quot;%2&quot;, which is not installed on this computer. Install it, or name an installed driver on the data source&apos;s Driver line: the command &quot;odbcinst -q -d&quot; lists them.</source>
        <translation>%1: наведени ODBC драјвер „%2“ није инсталиран на овом рачунару. Инсталирајте га или у реду Driver извора података наведите инсталирани драјвер: инсталиране драјвере приказује команда „odbcinst -q -d“.</translation>
    </message>
    <message>
        <source>%1 names no database file: its Database line is empty. Put the path of the SQLite file that holds the table elements there.</source>
        <translation>%1: није наведена датотека базе података – ред Database је празан. У тај ред упишите путању до SQLite датотеке која садржи табелу elements.</translation>
    </message>
    <message>
        <source>The database file &quot;%2&quot; of %1 does not exist. Check the path on the data source&apos;s Database line.</source>
        <translation>%1: датотека базе података „%2“ не постоји. Проверите путању у реду Database извора података.</translation>
    </message>
    <message>
        <source>The file &quot;%2&quot; of %1 is not an SQLite database. Check the path on the data source&apos;s Database line, or make the file again with the sqlite3 shell.</source>
        <translation>%1: датотека „%2“ није SQLite база података. Проверите путању у реду Database извора података или поново направите датотеку у љусци sqlite3.</translation>
    </message>
    <message>
        <source>The database file &quot;%2&quot; of %1 is locked by another program that is changing it. Close that program, or end its transaction, then start Valtora again.</source>
        <translation>%1: датотека базе података „%2“ је закључана јер је мења други програм. Затворите тај програм или завршите његову трансакцију, па поново покрените програм Valtora.</translation>
    </message>
    <message>
        <source>The server of %1 accepts no more connections: all it allows are in use. Close Valtora on another desk, or ask whoever runs the server to allow more connections or to put a connection pooler in front of it.</source>
        <translation>%1: сервер не прихвата нове везе – све дозвољене везе су заузете. Затворите програм Valtora на неком другом рачунару или замолите администратора сервера да дозволи више веза или да испред сервера постави пул веза (connection pooler).</translation>
    </message>
    <message>
        <source>The server of %1 refused the login. Check the Username, Password and Database lines of the data source, and that the server lets that role connect from this computer (pg_hba.conf).</source>
        <translation>%1: сервер је одбио пријаву. Проверите редове Username, Password и Database извора података, као и да ли сервер дозвољава тој улози да се повеже са овог рачунара (pg_hba.conf).</translation>
    </message>
    <message>
        <source>The server of %1 cannot be reached. Check the Servername and Port lines of the data source, that the server is running, and that this computer can reach it over the network.</source>
        <translation>%1: сервер није доступан. Проверите редове Servername и Port извора података, да ли сервер ради и да ли овај рачунар може да му приступи преко мреже.</translation>
    </message>
    <message>
        <source>The connection to the server of %1 was lost: the server was stopped or restarted, or the network failed. Start Valtora again once the server is back.</source>
        <translation>%1: веза са сервером је прекинута – сервер је заустављен или поново покренут или је дошло до квара мреже. Поново покрените програм Valtora када сервер поново буде доступан.</translation>
    </message>
    <message>
        <source>%1 did not answer within %2 seconds. Check that its server is running and not overloaded, and that no other program holds its database locked, then start Valtora again.</source>
        <translation>%1: нема одговора у року од %2 с. Проверите да ли сервер ради и да није преоптерећен, као и да ниједан други програм не држи базу података закључаном, па поново покрените програм Valtora.</translation>
    </message>
    <message>
        <source>The driver said: %1</source>
        <translation>Порука драјвера: %1</translation>
    </message>
    <message>
        <source>The server of %1 is starting up or shutting down, and accepts no connections now. Start Valtora again in a minute; if it keeps saying so, ask whoever runs the server.</source>
        <translation>%1: сервер се покреће или гаси и тренутно не прихвата везе. Поново покрените програм Valtora за минут; ако се порука понови, обратите се администратору сервера.</translation>
    </message>
    <message>
        <source>The server of %1 ended the connection on an administrator&apos;s command: someone ended Valtora&apos;s session on the server, or the server was stopped or restarted. Start Valtora again once the server is back.</source>
        <translation>%1: сервер је прекинуо везу по налогу администратора – неко је окончао сесију програма Valtora на серверу или је сервер заустављен или поново покренут. Поново покрените програм Valtora када сервер поново буде доступан.</translation>
    </message>
    <message>
        <source>The server of %1 closed the connection because it was idle for longer than the server allows (its setting idle_session_timeout). Ask whoever runs the server to lift that limit for the quiz&apos;s role (alter role quiz set idle_session_timeout = 0), then start Valtora again.</source>
        <translation>%1: сервер је затворио везу јер је била неактивна дуже него што сервер дозвољава (његово подешавање idle_session_timeout). Замолите администратора сервера да уклони то ограничење за улогу квиза (alter role quiz set idle_session_timeout = 0), па поново покрените програм Valtora.</translation>
    </message>
    <message>
        <source>A query of Valtora&apos;s on the server of %1 was cancelled on an administrator&apos;s command (pg_cancel_backend, or another program that cancels queries). Start Valtora again.</source>
        <translation>%1: упит програма Valtora на серверу отказан је по налогу администратора (pg_cancel_backend или неки други програм који отказује упите). Поново покрените програм Valtora.</translation>
    </message>
    <message>
        <source>The connection pooler in front of the server of %1 gave up waiting for a free server connection, after as long as its setting query_wait_timeout allows. Close Valtora on desks that do not need it, or ask whoever runs the pooler for a larger pool (default_pool_size), then start Valtora again.</source>
        <translation type="vanished">%1: пул веза испред сервера престао је да чека слободну везу са сервером пошто је чекао онолико колико дозвољава његово подешавање query_wait_timeout. Затворите програм Valtora на рачунарима на којима није потребан или замолите администратора пула веза за већи пул (default_pool_size), па поново покрените програм Valtora.</translation>
    </message>
    <message>
        <source>Likely causes: the table elements or one of its columns was changed while the quiz ran, the server ended the connection, or the driver cannot read a value of the table.</source>
        <translation>Вероватни узроци: табела elements или нека од њених колона промењена је док је квиз радио, сервер је прекинуо везу или драјвер не може да прочита неку вредност из табеле.</translation>
    </message>
    <message>
        <source>Likely causes: this user may not read the file on the data source&apos;s Database line, or the SQLite driver is set up wrongly (&quot;isql -v Elements&quot; shows what it says).</source>
        <translation>Вероватни узроци: овај корисник нема право да чита датотеку из реда Database извора података или је SQLite драјвер погрешно подешен (шта драјвер јавља, показује „isql -v Elements“).</translation>
    </message>
    <message>
        <source>Likely causes: the server is not running or this computer cannot reach it, the data source&apos;s Servername, Port, Database, Username or Password line does not match the server, or its driver is set up wrongly (&quot;isql -v Elements&quot; shows what it says).</source>
        <translation>Вероватни узроци: сервер не ради или овај рачунар не може да му приступи, ред Servername, Port, Database, Username или Password извора података не одговара серверу или је драјвер погрешно подешен (шта драјвер јавља, показује „isql -v Elements“).</translation>
    </message>
    <message>
        <source>The server of %1 gave up waiting for a lock on the table elements, after as long as its setting lock_timeout allows: another program holds the table locked, changing it or in a transaction left open. Ask whoever runs the server to end that program&apos;s transaction, then start Valtora again.</source>
        <translation>%1: сервер је престао да чека закључавање табеле elements пошто је чекао онолико колико дозвољава његово подешавање lock_timeout: други програм држи табелу закључаном јер је мења или је оставио отворену трансакцију. Замолите администратора сервера да оконча трансакцију тог програма, па поново покрените програм Valtora.</translation>
    </message>
    <message>
        <source>The server of %1 does not let the role &quot;%2&quot; read the table elements. Ask whoever runs the server to allow it: grant select on elements to %2;</source>
        <translation>%1: сервер не дозвољава улози „%2“ да чита табелу elements. Замолите администратора сервера да то дозволи: grant select on elements to %2;</translation>
    </message>
    <message>
        <source>The connection pooler in front of the server of %1 gave up waiting for a server connection, after as long as its setting query_wait_timeout allows. Either every connection of its pool is in use (close Valtora on desks that do not need it, or ask whoever runs the pooler for a larger pool, default_pool_size), or the server behind it cannot be reached (ask whoever runs it to check that it is running). Then start Valtora again.</source>
        <translation>%1: пул веза испред сервера престао је да чека везу са сервером пошто је чекао онолико колико дозвољава његово подешавање query_wait_timeout. Или су заузете све везе у пулу (затворите програм Valtora на рачунарима на којима није потребан или замолите администратора пула веза за већи пул, default_pool_size), или сервер иза пула није доступан (замолите администратора сервера да провери да ли сервер ради). Затим поново покрените програм Valtora.</translation>
    </message>
</context>
<context>
    <name>DesktopEntry</name>
    <message>
        <source>Chemical Elements Quiz</source>
        <extracomment>The kind of program, as menus show it beside its name.</extracomment>
        <translation>Квиз о хемијским елементима</translation>
    </message>
    <message>
        <source>Drill the symbols and names of the chemical elements</source>
        <extracomment>What the program is for, in a line: menus&apos; tooltips, software centres&apos; summary.</extracomment>
        <translation>Вежбање симбола и имена хемијских елемената</translation>
    </message>
    <message>
        <source>chemistry;elements;periodic table;symbol;quiz;school;</source>
        <extracomment>Words a desktop&apos;s search finds the program by, each followed by a semicolon.</extracomment>
        <translation>хемија;елементи;периодни систем;симбол;квиз;школа;</translation>
    </message>
    <message>
        <source>Valtora is a quiz on the chemical elements. It shows an element&apos;s atomic number, symbol, name and atomic mass with the symbol or the name covered, and you type what is covered.</source>
        <extracomment>Software centres: the description.</extracomment>
        <translation>Valtora је квиз о хемијским елементима. Приказује атомски број, симбол, име и атомску масу елемента, са скривеним симболом или именом, а ти укуцаваш оно што је скривено.</translation>
    </message>
    <message>
        <source>Guess the symbol or the name</source>
        <extracomment>Software centres: a feature in the description&apos;s list.</extracomment>
        <translation>Погађање симбола или имена</translation>
    </message>
    <message>
        <source>Draw from the first 36 elements, from those a school course knows, or from all 103</source>
        <extracomment>Software centres: a feature in the description&apos;s list.</extracomment>
        <translation>Извлачење из првих 36 елемената, из оних које обухвата школско градиво или из свих 103</translation>
    </message>
    <message>
        <source>Played by keyboard alone, and read out by screen readers</source>
        <extracomment>Software centres: a feature in the description&apos;s list.</extracomment>
        <translation>Може се играти само тастатуром, а читачи екрана читају га наглас</translation>
    </message>
    <message numerus="yes">
        <source>In %n languages, the element names included</source>
        <extracomment>Software centres: a feature in the description&apos;s list; %n counts English too.</extracomment>
        <translation>
            <numerusform>На %n језику, укључујући имена елемената</numerusform>
            <numerusform>На %n језика, укључујући имена елемената</numerusform>
            <numerusform>На %n језика, укључујући имена елемената</numerusform>
        </translation>
    </message>
    <message>
        <source>Needs no setup; a school can serve its own element table to every desk from one server</source>
        <extracomment>Software centres: a feature in the description&apos;s list.</extracomment>
        <translation>Не захтева подешавање; школа може са једног сервера да пружи сопствену табелу елемената сваком рачунару</translation>
    </message>
    <message>
        <source>The quiz after one spin, the symbol covered</source>
        <extracomment>Software centres: the caption of the screenshot.</extracomment>
        <translation>Квиз после једног окретања, са скривеним симболом</translation>
    </message>
</context>
<context>
    <name>ElementDatabase</name>
    <message>
        <source>the embedded element table</source>
        <translation>Уграђена табела елемената</translation>
    </message>
    <message>
        <source>%1: Qt&apos;s ODBC driver (QODBC) is not installed.</source>
        <translation>%1: ODBC драјвер за Qt (QODBC) није инсталиран.</translation>
    </message>
    <message>
        <source>%1 cannot be opened.</source>
        <translation>%1: извор података не може да се отвори.</translation>
    </message>
    <message>
        <source>%1: Qt&apos;s SQLite driver (QSQLITE) is not installed.</source>
        <translation>%1: SQLite драјвер за Qt (QSQLITE) није инсталиран.</translation>
    </message>
    <message>
        <source>The query &quot;%1&quot; on %2 failed.</source>
        <translation>%2: упит „%1“ није успео.</translation>
    </message>
</context>
<context>
    <name>ElementLookup</name>
    <message>
        <source>&quot;%1&quot; is not an atomic number to look up.</source>
        <translation>„%1“ није атомски број који може да се потражи.</translation>
    </message>
    <message>
        <source>There is no row for atomic number %1 in table %2.</source>
        <translation>У табели %2 нема реда за атомски број %1.</translation>
    </message>
    <message>
        <source>The row for atomic number %1 in table %2 has no symbol (%3 is empty): no answer could be judged against it.</source>
        <translation>Ред за атомски број %1 у табели %2 нема симбол (колона %3 је празна): ниједан одговор не може да се упореди с њим.</translation>
    </message>
    <message>
        <source>The row for atomic number %1 in table %2 has no name (%3 is empty): no answer could be judged against it.</source>
        <translation>Ред за атомски број %1 у табели %2 нема име (колона %3 је празна): ниједан одговор не може да се упореди с њим.</translation>
    </message>
</context>
<context>
    <name>ElementTableCheck</name>
    <message>
        <source> and %1 more</source>
        <translation> и још %1</translation>
    </message>
    <message>
        <source>It has the columns %1.</source>
        <translation>Колоне табеле: %1.</translation>
    </message>
    <message>
        <source>The table %1 of %2 cannot be used.
%3</source>
        <translation>%2: табела %1 не може да се користи.
%3</translation>
    </message>
    <message>
        <source>%1 has no table %2.</source>
        <translation>%1: нема табеле %2.</translation>
    </message>
    <message>
        <source>Missing columns: %1.</source>
        <translation>Недостају колоне: %1.</translation>
    </message>
    <message>
        <source>The file was imported twice into the same database: its header row is a row of the table, and every element is there twice. Import it again into a fresh database file (delete the old one first).</source>
        <translation>Датотека је двапут увезена у исту базу података: њен ред заглавља постао је ред табеле и сваки елемент се у њој налази двапут. Поново је увезите у нову датотеку базе података (претходно обришите стару).</translation>
    </message>
    <message>
        <source>No row for atomic numbers %1.</source>
        <translation>Нема реда за атомске бројеве %1.</translation>
    </message>
    <message>
        <source>More than one row for atomic numbers %1.</source>
        <translation>Више од једног реда за атомске бројеве %1.</translation>
    </message>
    <message>
        <source>Atomic numbers that are not whole numbers: %1.</source>
        <translation>Атомски бројеви који нису цели бројеви: %1.</translation>
    </message>
    <message>
        <source>Rows without an atomic number: %1.</source>
        <translation>Редови без атомског броја: %1.</translation>
    </message>
    <message>
        <source>No symbol for atomic numbers %1.</source>
        <translation>Нема симбола за атомске бројеве %1.</translation>
    </message>
    <message>
        <source>No name for atomic numbers %1.</source>
        <translation>Нема имена за атомске бројеве %1.</translation>
    </message>
    <message>
        <source>Names that no answer can match, since answers are put in proper case (&quot;Iron&quot;, not &quot;iron&quot; or &quot;IRON&quot;), for atomic numbers %1.</source>
        <translation>Имена с којима ниједан одговор не може да се поклопи, јер се одговори пишу великим почетним словом („Гвожђе“, а не „гвожђе“ или „ГВОЖЂЕ“), за атомске бројеве %1.</translation>
    </message>
    <message>
        <source>Symbols or names with blanks around them, which no answer can match, for atomic numbers %1.</source>
        <translation>Симболи или имена с размацима на почетку или на крају, с којима ниједан одговор не може да се поклопи, за атомске бројеве %1.</translation>
    </message>
    <message>
        <source>see &quot;From a spreadsheet&quot; in the README, installed as %1</source>
        <translation>погледајте „From a spreadsheet“ у датотеци README, инсталираној као %1</translation>
    </message>
    <message>
        <source>The file was saved with semicolons between its columns, as office programs do where decimals are written with a comma: import it with .separator &quot;;&quot; (%1).</source>
        <translation>Датотека је сачувана с тачком и зарезом између колона, као што то раде канцеларијски програми тамо где се децимални бројеви пишу са зарезом: увезите је помоћу .separator &quot;;&quot; (%1).</translation>
    </message>
    <message>
        <source>The file was saved with tabs between its columns: import it with .separator &quot;\t&quot; instead of --csv (%1).</source>
        <translation>Датотека је сачувана с табулаторима између колона: увезите је помоћу .separator &quot;\t&quot; уместо --csv (%1).</translation>
    </message>
    <message>
        <source>Its first row holds the column names: the file has a title row above its header. Import it with --skip 1, or delete the title row (%1).</source>
        <translation>Први ред табеле садржи називе колона: датотека има ред с насловом изнад заглавља. Увезите је помоћу --skip 1 или обришите ред с насловом (%1).</translation>
    </message>
    <message>
        <source>Reading it failed.</source>
        <translation>Читање табеле није успело.</translation>
    </message>
    <message>
        <source>Atomic numbers with blanks around them, which the lookup&apos;s query does not find: %1.</source>
        <translation>Атомски бројеви с размацима на почетку или на крају, које упит за претрагу не проналази: %1.</translation>
    </message>
    <message>
        <source>The file&apos;s header row (%1) is a row of the table: the table was made before the import, which read the header as data. Import the file into a fresh database, or with --skip 1 (%2).</source>
        <translation>Ред заглавља датотеке (%1) је ред табеле: табела је направљена пре увоза, који је заглавље прочитао као податке. Увезите датотеку у нову базу података или помоћу --skip 1 (%2).</translation>
    </message>
    <message>
        <source>Looking an element up by its number fails: AtomicNumber must compare with a bare number, as in &quot;%1&quot;.</source>
        <translation>Тражење елемента по броју не успева: AtomicNumber мора моћи да се пореди с бројем без наводника, као у „%1“.</translation>
    </message>
    <message>
        <source>Symbols or names with invisible characters in them (zero-width spaces or joiners, soft hyphens, direction marks), which no typed answer holds, for atomic numbers %1.</source>
        <translation>Симболи или имена с невидљивим знаковима (размацима или спојницима нулте ширине, меким цртицама, ознакама смера), које ниједан откуцани одговор не садржи, за атомске бројеве %1.</translation>
    </message>
    <message>
        <source>Symbols or names with characters that no element&apos;s name has, as a file saved in another character set than UTF-8 leaves them (&quot;?&quot;, &quot;Ã³&quot;, &quot;Å¼&quot;), for atomic numbers %1. Save the sheet again as CSV in the character set &quot;Unicode (UTF-8)&quot;, or convert the file with iconv, and import it again (%2).</source>
        <translation type="vanished">Симболи или имена са знаковима којих нема ни у једном имену елемента, какве оставља датотека сачувана у скупу знакова који није UTF-8 („?“, „Ã³“, „Å¼“), за атомске бројеве %1. Поново сачувајте радни лист као CSV у скупу знакова „Unicode (UTF-8)“ или претворите датотеку помоћу iconv, па је поново увезите (%2).</translation>
    </message>
    <message>
        <source>The file was saved as UTF-16 (&quot;Unicode text&quot; in office programs), which the import does not read. Convert it with &quot;iconv -f %1 -t UTF-8 elements.csv &gt; elements-utf8.csv&quot; and import elements-utf8.csv, or save the sheet again as CSV in the character set &quot;Unicode (UTF-8)&quot; (%2).</source>
        <translation>Датотека је сачувана као UTF-16 („Unicode текст“ у канцеларијским програмима), што увоз не чита. Претворите је командом „iconv -f %1 -t UTF-8 elements.csv &gt; elements-utf8.csv“ и увезите elements-utf8.csv или поново сачувајте радни лист као CSV у скупу знакова „Unicode (UTF-8)“ (%2).</translation>
    </message>
    <message>
        <source>Names with characters that no element&apos;s name has, garbled because the file was saved in the character set %1 and read as %2, for atomic numbers %3. Read it as %1: in psql, give &quot;\encoding %4&quot; before \copy, or convert it first with &quot;iconv -f %5 -t UTF-8&quot;, and import it again (%6).</source>
        <translation>Имена са знаковима којих нема ни у једном имену елемента, искварена јер је датотека сачувана у скупу знакова %1, а прочитана као %2, за атомске бројеве %3. Прочитајте је као %1: у psql задајте „\encoding %4“ пре \copy или је прво претворите командом „iconv -f %5 -t UTF-8“, па је поново увезите (%6).</translation>
    </message>
    <message>
        <source>Names with characters that no element&apos;s name has, garbled because the file was saved in the character set %1 and read as %2, for atomic numbers %3. Convert it with &quot;%4 &gt; elements-utf8.csv&quot; and import elements-utf8.csv in its place (%5).</source>
        <translation>Имена са знаковима којих нема ни у једном имену елемента, искварена јер је датотека сачувана у скупу знакова %1, а прочитана као %2, за атомске бројеве %3. Претворите је командом „%4 &gt; elements-utf8.csv“ и уместо ње увезите elements-utf8.csv (%5).</translation>
    </message>
    <message>
        <source>Symbols or names with characters that no element&apos;s name has, such as &quot;?&quot; or the letter pairs (&quot;Ã³&quot;, &quot;Å¼&quot;) that a file saved in another character set than UTF-8 leaves, or with no letter at their start or end (&quot;-&quot;, a lone accent), for atomic numbers %1. Retype those cells, or save the sheet again as CSV in the character set &quot;Unicode (UTF-8)&quot; (or convert the file with iconv) and import it again (%2).</source>
        <translation>Симболи или имена са знаковима којих нема ни у једном имену елемента, као што су „?“ или парови слова („Ã³“, „Å¼“) које оставља датотека сачувана у скупу знакова који није UTF-8, или без слова на почетку или на крају („-“, усамљени акценат), за атомске бројеве %1. Поново откуцајте те ћелије или поново сачувајте радни лист као CSV у скупу знакова „Unicode (UTF-8)“ (или претворите датотеку помоћу iconv) и поново је увезите (%2).</translation>
    </message>
</context>
<context>
    <name>OdbcDataSource</name>
    <message>
        <source>ODBC data source &quot;%1&quot;</source>
        <translation>ODBC извор података „%1“</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Usage: %1</source>
        <translation>Употреба: %1</translation>
    </message>
    <message>
        <source>[options]</source>
        <translation>[опције]</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Опције:</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Приказује помоћ о опцијама командне линије.</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>Приказује помоћ, укључујући опције специфичне за Qt.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>Приказује податке о издању.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>Недостаје вредност после „%1“.</translation>
    </message>
</context>
<context>
    <name>QGnomeTheme</name>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;У реду</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <translation>LTR</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Опозови</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Понови</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;Исеци</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Умножи</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>У&amp;баци</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Обриши</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Изабери све</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>У реду</translation>
    </message>
</context>
<context>
    <name>QUnicodeControlCharacterMenu</name>
    <message>
        <source>Insert Unicode control character</source>
        <translation>Уметни Јуникод контролни знак</translation>
    </message>
</context>
<context>
    <name>SqlScript</name>
    <message>
        <source>The element table&apos;s script is missing from the program.</source>
        <translation>Скрипта табеле елемената недостаје у програму.</translation>
    </message>
    <message>
        <source>The element table&apos;s script cannot be run: %1</source>
        <translation>Скрипта табеле елемената не може да се изврши: %1</translation>
    </message>
    <message>
        <source>The element names in %1 cannot be loaded: %2</source>
        <translation>Имена елемената за језик %1 не могу да се учитају: %2</translation>
    </message>
</context>
<context>
    <name>frmElements</name>
    <message>
        <source>Elements</source>
        <translation>Елементи</translation>
    </message>
    <message>
        <source>Atomic Number</source>
        <translation>Редни број</translation>
    </message>
    <message>
        <source>Symbol</source>
        <translation>Симбол</translation>
    </message>
    <message>
        <source>Element Name</source>
        <translation>Име</translation>
    </message>
    <message>
        <source>Atomic Mass</source>
        <translation>Ат. маса</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Одг.</translation>
    </message>
    <message>
        <source>Created by Orvashel</source>
        <translation>Аутор: Orvashel</translation>
    </message>
    <message>
        <source>Spin</source>
        <translation>Заврти</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Провери</translation>
    </message>
    <message>
        <source>Step 1</source>
        <translation>Корак 1</translation>
    </message>
    <message>
        <source>Guess the Name</source>
        <translation>Погоди име</translation>
    </message>
    <message>
        <source>Guess the Symbol</source>
        <translation>Погоди симбол</translation>
    </message>
    <message>
        <source>Step 2</source>
        <translation>Корак 2</translation>
    </message>
    <message>
        <source>Elements 1 to 36</source>
        <translation>Елементи 1–36</translation>
    </message>
    <message>
        <source>Elements 1 to 38, 40, 42, 47 - 57, 74, 78 - 80</source>
        <translation>Елементи 1–38, 40, 42, 47–57, 74, 78–80</translation>
    </message>
    <message>
        <source>Elements 1 to 38, 40, 42, 47 - 57, 74, 78 - 89, 92, 94, 95</source>
        <translation>Елементи 1–38, 40, 42, 47–57, 74, 78–89, 92, 94, 95</translation>
    </message>
    <message>
        <source>Elements 1 to 103</source>
        <translation>Елементи 1–103</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Излаз</translation>
    </message>
    <message>
        <source>Shortcut: %1</source>
        <translation>Пречица: %1</translation>
    </message>
</context>
</TS>
