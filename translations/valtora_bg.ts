<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="bg" sourcelanguage="en">
<context>
    <name>AnswerCheck</name>
    <message>
        <source>Your my hero</source>
        <translation>Браво на теб!</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>Опитай отново</translation>
    </message>
</context>
<context>
    <name>ApplicationStart</name>
    <message>
        <source>valtora: no display could be opened. Choose one with DISPLAY (X11) or WAYLAND_DISPLAY (Wayland), or run without one with &quot;-platform offscreen&quot;.</source>
        <translation>valtora: не може да бъде отворен нито един дисплей. Изберете дисплей чрез DISPLAY (X11) или WAYLAND_DISPLAY (Wayland) или стартирайте Valtora без дисплей с „-platform offscreen“.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>A desktop quiz on the chemical elements.</source>
        <translation>Компютърна викторина за химичните елементи.</translation>
    </message>
    <message>
        <source>valtora: &quot;%1&quot; is not an option or argument of Valtora; &quot;valtora --help&quot; lists them.</source>
        <translation>valtora: „%1“ не е нито опция, нито аргумент на Valtora; списък с тях извежда „valtora --help“.</translation>
    </message>
</context>
<context>
    <name>DataControl</name>
    <message>
        <source>The table on %1 has no column %2.</source>
        <translation>%1: в таблицата няма колона %2.</translation>
    </message>
</context>
<context>
    <name>DataSourceFaults</name>
    <message>
        <source>%1 names the ODBC driver &quot;%2&quot;, which is not installed on this computer. Install it, or name an installed driver on the data source&apos;s Driver line: the command &quot;odbcinst -q -d&quot; lists them.</source>
        <translation>%1: посоченият ODBC драйвер „%2“ не е инсталиран на този компютър. Инсталирайте го или посочете инсталиран драйвер на реда Driver на източника на данни: инсталираните драйвери се извеждат с командата „odbcinst -q -d“.</translation>
    </message>
    <message>
        <source>%1 names no database file: its Database line is empty. Put the path of the SQLite file that holds the table elements there.</source>
        <translation>%1: не е посочен файл на базата данни – редът Database е празен. Въведете на този ред пътя до файла на SQLite, който съдържа таблицата elements.</translation>
    </message>
    <message>
        <source>The database file &quot;%2&quot; of %1 does not exist. Check the path on the data source&apos;s Database line.</source>
        <translation>%1: файлът на базата данни „%2“ не съществува. Проверете пътя на реда Database на източника на данни.</translation>
    </message>
    <message>
        <source>The file &quot;%2&quot; of %1 is not an SQLite database. Check the path on the data source&apos;s Database line, or make the file again with the sqlite3 shell.</source>
        <translation>%1: файлът „%2“ не е база данни на SQLite. Проверете пътя на реда Database на източника на данни или създайте файла наново с обвивката sqlite3.</translation>
    </message>
    <message>
        <source>The database file &quot;%2&quot; of %1 is locked by another program that is changing it. Close that program, or end its transaction, then start Valtora again.</source>
        <translation>%1: файлът на базата данни „%2“ е заключен от друга програма, която го променя. Затворете тази програма или завършете нейната транзакция, след което стартирайте Valtora отново.</translation>
    </message>
    <message>
        <source>The server of %1 accepts no more connections: all it allows are in use. Close Valtora on another desk, or ask whoever runs the server to allow more connections or to put a connection pooler in front of it.</source>
        <translation>%1: сървърът не приема повече връзки – всички разрешени връзки са заети. Затворете Valtora на друг компютър или помолете администратора на сървъра да разреши повече връзки или да постави пред сървъра пул за връзки (connection pooler).</translation>
    </message>
    <message>
        <source>The server of %1 refused the login. Check the Username, Password and Database lines of the data source, and that the server lets that role connect from this computer (pg_hba.conf).</source>
        <translation>%1: сървърът отказа влизането. Проверете редовете Username, Password и Database на източника на данни, както и дали сървърът позволява на тази роля да се свързва от този компютър (pg_hba.conf).</translation>
    </message>
    <message>
        <source>The server of %1 cannot be reached. Check the Servername and Port lines of the data source, that the server is running, and that this computer can reach it over the network.</source>
        <translation>%1: сървърът е недостъпен. Проверете редовете Servername и Port на източника на данни, дали сървърът работи и дали този компютър може да се свърже с него по мрежата.</translation>
    </message>
    <message>
        <source>The connection to the server of %1 was lost: the server was stopped or restarted, or the network failed. Start Valtora again once the server is back.</source>
        <translation>%1: връзката със сървъра е прекъсната – сървърът е спрян или рестартиран или мрежата е отпаднала. Стартирайте Valtora отново, когато сървърът е пак достъпен.</translation>
    </message>
    <message>
        <source>%1 did not answer within %2 seconds. Check that its server is running and not overloaded, and that no other program holds its database locked, then start Valtora again.</source>
        <translation>%1: няма отговор в рамките на %2 с. Проверете дали сървърът работи и не е претоварен и дали друга програма не държи базата данни заключена, след което стартирайте Valtora отново.</translation>
    </message>
    <message>
        <source>The driver said: %1</source>
        <translation>Съобщение от драйвера: %1</translation>
    </message>
    <message>
        <source>The server of %1 is starting up or shutting down, and accepts no connections now. Start Valtora again in a minute; if it keeps saying so, ask whoever runs the server.</source>
        <translation>%1: сървърът се стартира или спира и в момента не приема връзки. Стартирайте Valtora отново след минута; ако съобщението се повтори, обърнете се към администратора на сървъра.</translation>
    </message>
    <message>
        <source>The server of %1 ended the connection on an administrator&apos;s command: someone ended Valtora&apos;s session on the server, or the server was stopped or restarted. Start Valtora again once the server is back.</source>
        <translation>%1: сървърът прекъсна връзката по команда на администратор – някой е прекратил сесията на Valtora на сървъра или сървърът е спрян или рестартиран. Стартирайте Valtora отново, когато сървърът е пак достъпен.</translation>
    </message>
    <message>
        <source>The server of %1 closed the connection because it was idle for longer than the server allows (its setting idle_session_timeout). Ask whoever runs the server to lift that limit for the quiz&apos;s role (alter role quiz set idle_session_timeout = 0), then start Valtora again.</source>
        <translation>%1: сървърът затвори връзката, защото е била неактивна по-дълго, отколкото сървърът позволява (настройката му idle_session_timeout). Помолете администратора на сървъра да премахне това ограничение за ролята на викторината (alter role quiz set idle_session_timeout = 0), след което стартирайте Valtora отново.</translation>
    </message>
    <message>
        <source>A query of Valtora&apos;s on the server of %1 was cancelled on an administrator&apos;s command (pg_cancel_backend, or another program that cancels queries). Start Valtora again.</source>
        <translation>%1: заявка на Valtora на сървъра беше отменена по команда на администратор (pg_cancel_backend или друга програма, която отменя заявки). Стартирайте Valtora отново.</translation>
    </message>
    <message>
        <source>The connection pooler in front of the server of %1 gave up waiting for a free server connection, after as long as its setting query_wait_timeout allows. Close Valtora on desks that do not need it, or ask whoever runs the pooler for a larger pool (default_pool_size), then start Valtora again.</source>
        <translation type="vanished">%1: пулът за връзки пред сървъра спря да чака свободна връзка със сървъра, след като изчака толкова, колкото позволява настройката му query_wait_timeout. Затворете Valtora на компютрите, на които не е нужна, или помолете администратора на пула за връзки за по-голям пул (default_pool_size), след което стартирайте Valtora отново.</translation>
    </message>
    <message>
        <source>Likely causes: the table elements or one of its columns was changed while the quiz ran, the server ended the connection, or the driver cannot read a value of the table.</source>
        <translation>Вероятни причини: таблицата elements или някоя от колоните ѝ е била променена, докато викторината работи, сървърът е прекъснал връзката или драйверът не може да прочете някоя стойност от таблицата.</translation>
    </message>
    <message>
        <source>Likely causes: this user may not read the file on the data source&apos;s Database line, or the SQLite driver is set up wrongly (&quot;isql -v Elements&quot; shows what it says).</source>
        <translation>Вероятни причини: този потребител няма право да чете файла от реда Database на източника на данни или драйверът на SQLite е настроен неправилно (какво съобщава той, показва „isql -v Elements“).</translation>
    </message>
    <message>
        <source>Likely causes: the server is not running or this computer cannot reach it, the data source&apos;s Servername, Port, Database, Username or Password line does not match the server, or its driver is set up wrongly (&quot;isql -v Elements&quot; shows what it says).</source>
        <translation>Вероятни причини: сървърът не работи или този компютър не може да се свърже с него, редът Servername, Port, Database, Username или Password на източника на данни не съответства на сървъра или драйверът е настроен неправилно (какво съобщава той, показва „isql -v Elements“).</translation>
    </message>
    <message>
        <source>The server of %1 gave up waiting for a lock on the table elements, after as long as its setting lock_timeout allows: another program holds the table locked, changing it or in a transaction left open. Ask whoever runs the server to end that program&apos;s transaction, then start Valtora again.</source>
        <translation>%1: сървърът спря да чака заключване на таблицата elements, след като изчака толкова, колкото позволява настройката му lock_timeout: друга програма държи таблицата заключена, защото я променя или е оставила отворена транзакция. Помолете администратора на сървъра да прекрати транзакцията на тази програма, след което стартирайте Valtora отново.</translation>
    </message>
    <message>
        <source>The server of %1 does not let the role &quot;%2&quot; read the table elements. Ask whoever runs the server to allow it: grant select on elements to %2;</source>
        <translation>%1: сървърът не позволява на ролята „%2“ да чете таблицата elements. Помолете администратора на сървъра да го разреши: grant select on elements to %2;</translation>
    </message>
    <message>
        <source>The connection pooler in front of the server of %1 gave up waiting for a server connection, after as long as its setting query_wait_timeout allows. Either every connection of its pool is in use (close Valtora on desks that do not need it, or ask whoever runs the pooler for a larger pool, default_pool_size), or the server behind it cannot be reached (ask whoever runs it to check that it is running). Then start Valtora again.</source>
        <translation>%1: пулът за връзки пред сървъра спря да чака връзка със сървъра, след като изчака толкова, колкото позволява настройката му query_wait_timeout. Или всички връзки в пула са заети (затворете Valtora на компютрите, на които не е нужна, или помолете администратора на пула за връзки за по-голям пул, default_pool_size), или сървърът зад него е недостъпен (помолете администратора на сървъра да провери дали сървърът работи). След това стартирайте Valtora отново.</translation>
    </message>
</context>
<context>
    <name>DesktopEntry</name>
    <message>
        <source>Chemical Elements Quiz</source>
        <extracomment>The kind of program, as menus show it beside its name.</extracomment>
        <translation>Викторина за химичните елементи</translation>
    </message>
    <message>
        <source>Drill the symbols and names of the chemical elements</source>
        <extracomment>What the program is for, in a line: menus&apos; tooltips, software centres&apos; summary.</extracomment>
        <translation>Упражняване на символите и имената на химичните елементи</translation>
    </message>
    <message>
        <source>chemistry;elements;periodic table;symbol;quiz;school;</source>
        <extracomment>Words a desktop&apos;s search finds the program by, each followed by a semicolon.</extracomment>
        <translation>химия;елементи;периодична таблица;символ;викторина;училище;</translation>
    </message>
    <message>
        <source>Valtora is a quiz on the chemical elements. It shows an element&apos;s atomic number, symbol, name and atomic mass with the symbol or the name covered, and you type what is covered.</source>
        <extracomment>Software centres: the description.</extracomment>
        <translation>Valtora е викторина за химичните елементи. Тя показва атомния номер, символа, името и атомната маса на елемент, като символът или името е скрито, а ти въвеждаш скритото.</translation>
    </message>
    <message>
        <source>Guess the symbol or the name</source>
        <extracomment>Software centres: a feature in the description&apos;s list.</extracomment>
        <translation>Познаване на символа или името</translation>
    </message>
    <message>
        <source>Draw from the first 36 elements, from those a school course knows, or from all 103</source>
        <extracomment>Software centres: a feature in the description&apos;s list.</extracomment>
        <translation>Избор от първите 36 елемента, от изучаваните в училищен курс или от всичките 103</translation>
    </message>
    <message>
        <source>Played by keyboard alone, and read out by screen readers</source>
        <extracomment>Software centres: a feature in the description&apos;s list.</extracomment>
        <translation>Играе се само с клавиатура и се чете на глас от екранни четци</translation>
    </message>
    <message numerus="yes">
        <source>In %n languages, the element names included</source>
        <extracomment>Software centres: a feature in the description&apos;s list; %n counts English too.</extracomment>
        <translation>
            <numerusform>На %n език, включително имената на елементите</numerusform>
            <numerusform>На %n езика, включително имената на елементите</numerusform>
        </translation>
    </message>
    <message>
        <source>Needs no setup; a school can serve its own element table to every desk from one server</source>
        <extracomment>Software centres: a feature in the description&apos;s list.</extracomment>
        <translation>Не изисква настройка; училището може да предоставя собствена таблица на елементите на всеки компютър от един сървър</translation>
    </message>
    <message>
        <source>The quiz after one spin, the symbol covered</source>
        <extracomment>Software centres: the caption of the screenshot.</extracomment>
        <translation>Викторината след едно завъртане, със скрит символ</translation>
    </message>
</context>
<context>
    <name>ElementDatabase</name>
    <message>
        <source>the embedded element table</source>
        <translation>Вградена таблица на елементите</translation>
    </message>
    <message>
        <source>%1: Qt&apos;s ODBC driver (QODBC) is not installed.</source>
        <translation>%1: драйверът за ODBC на Qt (QODBC) не е инсталиран.</translation>
    </message>
    <message>
        <source>%1 cannot be opened.</source>
        <translation>%1: източникът на данни не може да бъде отворен.</translation>
    </message>
    <message>
        <source>%1: Qt&apos;s SQLite driver (QSQLITE) is not installed.</source>
        <translation>%1: драйверът за SQLite на Qt (QSQLITE) не е инсталиран.</translation>
    </message>
    <message>
        <source>The query &quot;%1&quot; on %2 failed.</source>
        <translation>%2: заявката „%1“ е неуспешна.</translation>
    </message>
</context>
<context>
    <name>ElementLookup</name>
    <message>
        <source>&quot;%1&quot; is not an atomic number to look up.</source>
        <translation>„%1“ не е атомен номер, който може да се търси.</translation>
    </message>
    <message>
        <source>There is no row for atomic number %1 in table %2.</source>
        <translation>В таблицата %2 няма ред за атомен номер %1.</translation>
    </message>
    <message>
        <source>The row for atomic number %1 in table %2 has no symbol (%3 is empty): no answer could be judged against it.</source>
        <translation>Редът за атомен номер %1 в таблицата %2 няма символ (колоната %3 е празна): с него не може да се сравни нито един отговор.</translation>
    </message>
    <message>
        <source>The row for atomic number %1 in table %2 has no name (%3 is empty): no answer could be judged against it.</source>
        <translation>Редът за атомен номер %1 в таблицата %2 няма име (колоната %3 е празна): с него не може да се сравни нито един отговор.</translation>
    </message>
</context>
<context>
    <name>ElementTableCheck</name>
    <message>
        <source> and %1 more</source>
        <translation> и още %1</translation>
    </message>
    <message>
        <source>It has the columns %1.</source>
        <translation>Колони на таблицата: %1.</translation>
    </message>
    <message>
        <source>The table %1 of %2 cannot be used.
%3</source>
        <translation>%2: таблицата %1 не може да се използва.
%3</translation>
    </message>
    <message>
        <source>%1 has no table %2.</source>
        <translation>%1: няма таблица %2.</translation>
    </message>
    <message>
        <source>Missing columns: %1.</source>
        <translation>Липсващи колони: %1.</translation>
    </message>
    <message>
        <source>The file was imported twice into the same database: its header row is a row of the table, and every element is there twice. Import it again into a fresh database file (delete the old one first).</source>
        <translation>Файлът е импортиран два пъти в една и съща база данни: заглавният му ред е станал ред от таблицата и всеки елемент е в нея два пъти. Импортирайте го отново в нов файл на база данни (първо изтрийте стария).</translation>
    </message>
    <message>
        <source>No row for atomic numbers %1.</source>
        <translation>Няма ред за атомни номера %1.</translation>
    </message>
    <message>
        <source>More than one row for atomic numbers %1.</source>
        <translation>Повече от един ред за атомни номера %1.</translation>
    </message>
    <message>
        <source>Atomic numbers that are not whole numbers: %1.</source>
        <translation>Атомни номера, които не са цели числа: %1.</translation>
    </message>
    <message>
        <source>Rows without an atomic number: %1.</source>
        <translation>Редове без атомен номер: %1.</translation>
    </message>
    <message>
        <source>No symbol for atomic numbers %1.</source>
        <translation>Няма символ за атомни номера %1.</translation>
    </message>
    <message>
        <source>No name for atomic numbers %1.</source>
        <translation>Няма име за атомни номера %1.</translation>
    </message>
    <message>
        <source>Names that no answer can match, since answers are put in proper case (&quot;Iron&quot;, not &quot;iron&quot; or &quot;IRON&quot;), for atomic numbers %1.</source>
        <translation>Имена, с които не може да съвпадне нито един отговор, тъй като отговорите се изписват с главна първа буква („Желязо“, а не „желязо“ или „ЖЕЛЯЗО“), за атомни номера %1.</translation>
    </message>
    <message>
        <source>Symbols or names with blanks around them, which no answer can match, for atomic numbers %1.</source>
        <translation>Символи или имена с интервали в началото или в края, с които не може да съвпадне нито един отговор, за атомни номера %1.</translation>
    </message>
    <message>
        <source>see &quot;From a spreadsheet&quot; in the README, installed as %1</source>
        <translation>вижте „From a spreadsheet“ в README, инсталиран като %1</translation>
    </message>
    <message>
        <source>The file was saved with semicolons between its columns, as office programs do where decimals are written with a comma: import it with .separator &quot;;&quot; (%1).</source>
        <translation>Файлът е записан с точка и запетая между колоните, както правят офис програмите там, където десетичните числа се пишат със запетая: импортирайте го с .separator &quot;;&quot; (%1).</translation>
    </message>
    <message>
        <source>The file was saved with tabs between its columns: import it with .separator &quot;\t&quot; instead of --csv (%1).</source>
        <translation>Файлът е записан с табулации между колоните: импортирайте го с .separator &quot;\t&quot; вместо --csv (%1).</translation>
    </message>
    <message>
        <source>Its first row holds the column names: the file has a title row above its header. Import it with --skip 1, or delete the title row (%1).</source>
        <translation>Първият ред на таблицата съдържа имената на колоните: файлът има ред със заглавие над заглавния ред. Импортирайте го с --skip 1 или изтрийте реда със заглавието (%1).</translation>
    </message>
    <message>
        <source>Reading it failed.</source>
        <translation>Таблицата не може да бъде прочетена.</translation>
    </message>
    <message>
        <source>Atomic numbers with blanks around them, which the lookup&apos;s query does not find: %1.</source>
        <translation>Атомни номера с интервали в началото или в края, които заявката за търсене не намира: %1.</translation>
    </message>
    <message>
        <source>The file&apos;s header row (%1) is a row of the table: the table was made before the import, which read the header as data. Import the file into a fresh database, or with --skip 1 (%2).</source>
        <translation>Заглавният ред на файла (%1) е ред от таблицата: таблицата е създадена преди импортирането, което е прочело заглавния ред като данни. Импортирайте файла в нова база данни или с --skip 1 (%2).</translation>
    </message>
    <message>
        <source>Looking an element up by its number fails: AtomicNumber must compare with a bare number, as in &quot;%1&quot;.</source>
        <translation>Търсенето на елемент по номер е неуспешно: AtomicNumber трябва да може да се сравнява с число без кавички, както в „%1“.</translation>
    </message>
    <message>
        <source>Symbols or names with invisible characters in them (zero-width spaces or joiners, soft hyphens, direction marks), which no typed answer holds, for atomic numbers %1.</source>
        <translation>Символи или имена с невидими знаци (интервали или съединители с нулева ширина, меки тирета, знаци за посока), каквито не съдържа нито един въведен отговор, за атомни номера %1.</translation>
    </message>
    <message>
        <source>Symbols or names with characters that no element&apos;s name has, as a file saved in another character set than UTF-8 leaves them (&quot;?&quot;, &quot;Ã³&quot;, &quot;Å¼&quot;), for atomic numbers %1. Save the sheet again as CSV in the character set &quot;Unicode (UTF-8)&quot;, or convert the file with iconv, and import it again (%2).</source>
        <translation type="vanished">Символи или имена със знаци, каквито няма в нито едно име на елемент и каквито оставя файл, записан с набор от знаци, различен от UTF-8 („?“, „Ã³“, „Å¼“), за атомни номера %1. Запишете листа отново като CSV с набор от знаци „Unicode (UTF-8)“ или преобразувайте файла с iconv и го импортирайте отново (%2).</translation>
    </message>
    <message>
        <source>The file was saved as UTF-16 (&quot;Unicode text&quot; in office programs), which the import does not read. Convert it with &quot;iconv -f %1 -t UTF-8 elements.csv &gt; elements-utf8.csv&quot; and import elements-utf8.csv, or save the sheet again as CSV in the character set &quot;Unicode (UTF-8)&quot; (%2).</source>
        <translation>Файлът е записан като UTF-16 („Уникод текст“ в офис програмите), който импортирането не чете. Преобразувайте го с „iconv -f %1 -t UTF-8 elements.csv &gt; elements-utf8.csv“ и импортирайте elements-utf8.csv или запишете листа отново като CSV с набор от знаци „Unicode (UTF-8)“ (%2).</translation>
    </message>
    <message>
        <source>Names with characters that no element&apos;s name has, garbled because the file was saved in the character set %1 and read as %2, for atomic numbers %3. Read it as %1: in psql, give &quot;\encoding %4&quot; before \copy, or convert it first with &quot;iconv -f %5 -t UTF-8&quot;, and import it again (%6).</source>
        <translation>Имена със знаци, каквито няма в нито едно име на елемент, изкривени, защото файлът е записан с набор от знаци %1, а е прочетен като %2, за атомни номера %3. Прочетете го като %1: в psql задайте „\encoding %4“ преди \copy или първо го преобразувайте с „iconv -f %5 -t UTF-8“ и го импортирайте отново (%6).</translation>
    </message>
    <message>
        <source>Names with characters that no element&apos;s name has, garbled because the file was saved in the character set %1 and read as %2, for atomic numbers %3. Convert it with &quot;%4 &gt; elements-utf8.csv&quot; and import elements-utf8.csv in its place (%5).</source>
        <translation>Имена със знаци, каквито няма в нито едно име на елемент, изкривени, защото файлът е записан с набор от знаци %1, а е прочетен като %2, за атомни номера %3. Преобразувайте го с „%4 &gt; elements-utf8.csv“ и импортирайте elements-utf8.csv на негово място (%5).</translation>
    </message>
    <message>
        <source>Symbols or names with characters that no element&apos;s name has, such as &quot;?&quot; or the letter pairs (&quot;Ã³&quot;, &quot;Å¼&quot;) that a file saved in another character set than UTF-8 leaves, or with no letter at their start or end (&quot;-&quot;, a lone accent), for atomic numbers %1. Retype those cells, or save the sheet again as CSV in the character set &quot;Unicode (UTF-8)&quot; (or convert the file with iconv) and import it again (%2).</source>
        <translation>Символи или имена със знаци, каквито няма в нито едно име на елемент, например „?“ или двойките букви („Ã³“, „Å¼“), които оставя файл, записан с набор от знаци, различен от UTF-8, или без буква в началото или в края („-“, самотно ударение), за атомни номера %1. Въведете отново тези клетки или запишете листа отново като CSV с набор от знаци „Unicode (UTF-8)“ (или преобразувайте файла с iconv) и го импортирайте отново (%2).</translation>
    </message>
</context>
<context>
    <name>OdbcDataSource</name>
    <message>
        <source>ODBC data source &quot;%1&quot;</source>
        <translation>ODBC източник на данни „%1“</translation>
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
        <translation>Скриптът за таблицата на елементите липсва в програмата.</translation>
    </message>
    <message>
        <source>The element table&apos;s script cannot be run: %1</source>
        <translation>Скриптът за таблицата на елементите не може да се изпълни: %1</translation>
    </message>
    <message>
        <source>The element names in %1 cannot be loaded: %2</source>
        <translation>Имената на елементите за езика %1 не могат да бъдат заредени: %2</translation>
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
        <translation>Ат. номер</translation>
    </message>
    <message>
        <source>Symbol</source>
        <translation>Символ</translation>
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
        <translation>Отг.</translation>
    </message>
    <message>
        <source>Created by Orvashel</source>
        <translation>Автор: Orvashel</translation>
    </message>
    <message>
        <source>Spin</source>
        <translation>Върти</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Провери</translation>
    </message>
    <message>
        <source>Step 1</source>
        <translation>Етап 1</translation>
    </message>
    <message>
        <source>Guess the Name</source>
        <translation>Познай името</translation>
    </message>
    <message>
        <source>Guess the Symbol</source>
        <translation>Познай символа</translation>
    </message>
    <message>
        <source>Step 2</source>
        <translation>Етап 2</translation>
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
        <translation>Изход</translation>
    </message>
    <message>
        <source>Shortcut: %1</source>
        <translation>Клавишна комбинация: %1</translation>
    </message>
</context>
</TS>
