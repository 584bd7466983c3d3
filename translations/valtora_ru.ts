<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru" sourcelanguage="en">
<context>
    <name>AnswerCheck</name>
    <message>
        <source>Your my hero</source>
        <translation>Ты молодец!</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>Попробуй ещё раз</translation>
    </message>
</context>
<context>
    <name>ApplicationStart</name>
    <message>
        <source>valtora: no display could be opened. Choose one with DISPLAY (X11) or WAYLAND_DISPLAY (Wayland), or run without one with &quot;-platform offscreen&quot;.</source>
        <translation>valtora: не удалось открыть ни один дисплей. Выберите дисплей с помощью DISPLAY (X11) или WAYLAND_DISPLAY (Wayland) либо запустите Valtora без дисплея с параметром «-platform offscreen».</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>A desktop quiz on the chemical elements.</source>
        <translation>Компьютерная викторина о химических элементах.</translation>
    </message>
    <message>
        <source>valtora: &quot;%1&quot; is not an option or argument of Valtora; &quot;valtora --help&quot; lists them.</source>
        <translation>valtora: «%1» не является ни параметром, ни аргументом Valtora; их список выводит «valtora --help».</translation>
    </message>
</context>
<context>
    <name>DataControl</name>
    <message>
        <source>The table on %1 has no column %2.</source>
        <translation>%1: в таблице нет столбца %2.</translation>
    </message>
</context>
<context>
    <name>DataSourceFaults</name>
    <message>
        <source>%1 names the ODBC driver &quot;%2&quot;, which is not installed on this computer. Install it, or name an installed driver on the data source&apos;s Driver line: the command &quot;odbcinst -q -d&quot; lists them.</source>
        <translation>%1: указанный драйвер ODBC «%2» не установлен на этом компьютере. Установите его или укажите в строке Driver источника данных установленный драйвер: установленные драйверы выводит команда «odbcinst -q -d».</translation>
    </message>
    <message>
        <source>%1 names no database file: its Database line is empty. Put the path of the SQLite file that holds the table elements there.</source>
        <translation>%1: файл базы данных не указан — строка Database пуста. Укажите в этой строке путь к файлу SQLite, который содержит таблицу elements.</translation>
    </message>
    <message>
        <source>The database file &quot;%2&quot; of %1 does not exist. Check the path on the data source&apos;s Database line.</source>
        <translation>%1: файл базы данных «%2» не существует. Проверьте путь в строке Database источника данных.</translation>
    </message>
    <message>
        <source>The file &quot;%2&quot; of %1 is not an SQLite database. Check the path on the data source&apos;s Database line, or make the file again with the sqlite3 shell.</source>
        <translation>%1: файл «%2» не является базой данных SQLite. Проверьте путь в строке Database источника данных или создайте файл заново в оболочке sqlite3.</translation>
    </message>
    <message>
        <source>The database file &quot;%2&quot; of %1 is locked by another program that is changing it. Close that program, or end its transaction, then start Valtora again.</source>
        <translation>%1: файл базы данных «%2» заблокирован другой программой, которая его изменяет. Закройте эту программу или завершите её транзакцию, затем снова запустите Valtora.</translation>
    </message>
    <message>
        <source>The server of %1 accepts no more connections: all it allows are in use. Close Valtora on another desk, or ask whoever runs the server to allow more connections or to put a connection pooler in front of it.</source>
        <translation>%1: сервер не принимает новые подключения — все разрешённые подключения заняты. Закройте Valtora на другом рабочем месте или попросите администратора сервера разрешить больше подключений либо поставить перед сервером пул соединений (connection pooler).</translation>
    </message>
    <message>
        <source>The server of %1 refused the login. Check the Username, Password and Database lines of the data source, and that the server lets that role connect from this computer (pg_hba.conf).</source>
        <translation>%1: сервер отклонил вход. Проверьте строки Username, Password и Database источника данных, а также то, разрешает ли сервер этой роли подключаться с этого компьютера (pg_hba.conf).</translation>
    </message>
    <message>
        <source>The server of %1 cannot be reached. Check the Servername and Port lines of the data source, that the server is running, and that this computer can reach it over the network.</source>
        <translation>%1: сервер недоступен. Проверьте строки Servername и Port источника данных, запущен ли сервер и может ли этот компьютер связаться с ним по сети.</translation>
    </message>
    <message>
        <source>The connection to the server of %1 was lost: the server was stopped or restarted, or the network failed. Start Valtora again once the server is back.</source>
        <translation>%1: соединение с сервером потеряно — сервер был остановлен или перезапущен либо произошёл сбой сети. Когда сервер снова станет доступен, запустите Valtora ещё раз.</translation>
    </message>
    <message>
        <source>%1 did not answer within %2 seconds. Check that its server is running and not overloaded, and that no other program holds its database locked, then start Valtora again.</source>
        <translation>%1: нет ответа в течение %2 с. Проверьте, что сервер запущен и не перегружен и что никакая другая программа не держит базу данных заблокированной, затем снова запустите Valtora.</translation>
    </message>
    <message>
        <source>The driver said: %1</source>
        <translation>Сообщение драйвера: %1</translation>
    </message>
    <message>
        <source>The server of %1 is starting up or shutting down, and accepts no connections now. Start Valtora again in a minute; if it keeps saying so, ask whoever runs the server.</source>
        <translation>%1: сервер запускается или завершает работу и сейчас не принимает подключения. Запустите Valtora снова через минуту; если сообщение повторится, обратитесь к администратору сервера.</translation>
    </message>
    <message>
        <source>The server of %1 ended the connection on an administrator&apos;s command: someone ended Valtora&apos;s session on the server, or the server was stopped or restarted. Start Valtora again once the server is back.</source>
        <translation>%1: сервер разорвал соединение по команде администратора — кто-то завершил сеанс Valtora на сервере либо сервер был остановлен или перезапущен. Когда сервер снова станет доступен, запустите Valtora ещё раз.</translation>
    </message>
    <message>
        <source>The server of %1 closed the connection because it was idle for longer than the server allows (its setting idle_session_timeout). Ask whoever runs the server to lift that limit for the quiz&apos;s role (alter role quiz set idle_session_timeout = 0), then start Valtora again.</source>
        <translation>%1: сервер закрыл соединение, потому что оно простаивало дольше, чем разрешает сервер (его параметр idle_session_timeout). Попросите администратора сервера снять это ограничение для роли викторины (alter role quiz set idle_session_timeout = 0), затем снова запустите Valtora.</translation>
    </message>
    <message>
        <source>A query of Valtora&apos;s on the server of %1 was cancelled on an administrator&apos;s command (pg_cancel_backend, or another program that cancels queries). Start Valtora again.</source>
        <translation>%1: запрос Valtora на сервере был отменён по команде администратора (pg_cancel_backend или другая программа, отменяющая запросы). Запустите Valtora снова.</translation>
    </message>
    <message>
        <source>The connection pooler in front of the server of %1 gave up waiting for a free server connection, after as long as its setting query_wait_timeout allows. Close Valtora on desks that do not need it, or ask whoever runs the pooler for a larger pool (default_pool_size), then start Valtora again.</source>
        <translation type="vanished">%1: пул соединений перед сервером перестал ждать свободного соединения с сервером, прождав столько, сколько разрешает его параметр query_wait_timeout. Закройте Valtora на рабочих местах, где она не нужна, или попросите администратора пула соединений увеличить пул (default_pool_size), затем снова запустите Valtora.</translation>
    </message>
    <message>
        <source>Likely causes: the table elements or one of its columns was changed while the quiz ran, the server ended the connection, or the driver cannot read a value of the table.</source>
        <translation>Вероятные причины: таблица elements или один из её столбцов были изменены во время работы викторины, сервер разорвал соединение или драйвер не может прочитать одно из значений таблицы.</translation>
    </message>
    <message>
        <source>Likely causes: this user may not read the file on the data source&apos;s Database line, or the SQLite driver is set up wrongly (&quot;isql -v Elements&quot; shows what it says).</source>
        <translation>Вероятные причины: у этого пользователя нет права читать файл, указанный в строке Database источника данных, или драйвер SQLite настроен неправильно (что он сообщает, покажет «isql -v Elements»).</translation>
    </message>
    <message>
        <source>Likely causes: the server is not running or this computer cannot reach it, the data source&apos;s Servername, Port, Database, Username or Password line does not match the server, or its driver is set up wrongly (&quot;isql -v Elements&quot; shows what it says).</source>
        <translation>Вероятные причины: сервер не запущен или этот компьютер не может с ним связаться, строка Servername, Port, Database, Username или Password источника данных не соответствует серверу, или драйвер настроен неправильно (что он сообщает, покажет «isql -v Elements»).</translation>
    </message>
    <message>
        <source>The server of %1 gave up waiting for a lock on the table elements, after as long as its setting lock_timeout allows: another program holds the table locked, changing it or in a transaction left open. Ask whoever runs the server to end that program&apos;s transaction, then start Valtora again.</source>
        <translation>%1: сервер перестал ждать блокировки таблицы elements, прождав столько, сколько разрешает его параметр lock_timeout: таблицу держит заблокированной другая программа, которая её изменяет или оставила открытой транзакцию. Попросите администратора сервера завершить транзакцию этой программы, затем снова запустите Valtora.</translation>
    </message>
    <message>
        <source>The server of %1 does not let the role &quot;%2&quot; read the table elements. Ask whoever runs the server to allow it: grant select on elements to %2;</source>
        <translation>%1: сервер не разрешает роли «%2» читать таблицу elements. Попросите администратора сервера разрешить это: grant select on elements to %2;</translation>
    </message>
    <message>
        <source>The connection pooler in front of the server of %1 gave up waiting for a server connection, after as long as its setting query_wait_timeout allows. Either every connection of its pool is in use (close Valtora on desks that do not need it, or ask whoever runs the pooler for a larger pool, default_pool_size), or the server behind it cannot be reached (ask whoever runs it to check that it is running). Then start Valtora again.</source>
        <translation>%1: пул соединений перед сервером перестал ждать соединения с сервером, прождав столько, сколько разрешает его параметр query_wait_timeout. Либо все соединения его пула заняты (закройте Valtora на рабочих местах, где она не нужна, или попросите администратора пула соединений увеличить пул, default_pool_size), либо сервер за ним недоступен (попросите администратора сервера проверить, что сервер запущен). Затем снова запустите Valtora.</translation>
    </message>
</context>
<context>
    <name>DesktopEntry</name>
    <message>
        <source>Chemical Elements Quiz</source>
        <extracomment>The kind of program, as menus show it beside its name.</extracomment>
        <translation>Викторина о химических элементах</translation>
    </message>
    <message>
        <source>Drill the symbols and names of the chemical elements</source>
        <extracomment>What the program is for, in a line: menus&apos; tooltips, software centres&apos; summary.</extracomment>
        <translation>Тренировка символов и названий химических элементов</translation>
    </message>
    <message>
        <source>chemistry;elements;periodic table;symbol;quiz;school;</source>
        <extracomment>Words a desktop&apos;s search finds the program by, each followed by a semicolon.</extracomment>
        <translation>химия;элементы;периодическая таблица;символ;викторина;школа;</translation>
    </message>
    <message>
        <source>Valtora is a quiz on the chemical elements. It shows an element&apos;s atomic number, symbol, name and atomic mass with the symbol or the name covered, and you type what is covered.</source>
        <extracomment>Software centres: the description.</extracomment>
        <translation>Valtora — викторина о химических элементах. Она показывает атомный номер, символ, название и атомную массу элемента, скрыв символ или название, а ты вводишь то, что скрыто.</translation>
    </message>
    <message>
        <source>Guess the symbol or the name</source>
        <extracomment>Software centres: a feature in the description&apos;s list.</extracomment>
        <translation>Угадывание символа или названия</translation>
    </message>
    <message>
        <source>Draw from the first 36 elements, from those a school course knows, or from all 103</source>
        <extracomment>Software centres: a feature in the description&apos;s list.</extracomment>
        <translation>Выбор из первых 36 элементов, из элементов школьного курса или из всех 103</translation>
    </message>
    <message>
        <source>Played by keyboard alone, and read out by screen readers</source>
        <extracomment>Software centres: a feature in the description&apos;s list.</extracomment>
        <translation>Управление только с клавиатуры и озвучивание программами чтения с экрана</translation>
    </message>
    <message numerus="yes">
        <source>In %n languages, the element names included</source>
        <extracomment>Software centres: a feature in the description&apos;s list; %n counts English too.</extracomment>
        <translation>
            <numerusform>На %n языке, включая названия элементов</numerusform>
            <numerusform>На %n языках, включая названия элементов</numerusform>
            <numerusform>На %n языках, включая названия элементов</numerusform>
        </translation>
    </message>
    <message>
        <source>Needs no setup; a school can serve its own element table to every desk from one server</source>
        <extracomment>Software centres: a feature in the description&apos;s list.</extracomment>
        <translation>Не требует настройки; школа может раздавать собственную таблицу элементов на все рабочие места с одного сервера</translation>
    </message>
    <message>
        <source>The quiz after one spin, the symbol covered</source>
        <extracomment>Software centres: the caption of the screenshot.</extracomment>
        <translation>Викторина после одного розыгрыша, символ скрыт</translation>
    </message>
</context>
<context>
    <name>ElementDatabase</name>
    <message>
        <source>the embedded element table</source>
        <translation>Встроенная таблица элементов</translation>
    </message>
    <message>
        <source>%1: Qt&apos;s ODBC driver (QODBC) is not installed.</source>
        <translation>%1: драйвер ODBC для Qt (QODBC) не установлен.</translation>
    </message>
    <message>
        <source>%1 cannot be opened.</source>
        <translation>%1: не удаётся открыть источник данных.</translation>
    </message>
    <message>
        <source>%1: Qt&apos;s SQLite driver (QSQLITE) is not installed.</source>
        <translation>%1: драйвер SQLite для Qt (QSQLITE) не установлен.</translation>
    </message>
    <message>
        <source>The query &quot;%1&quot; on %2 failed.</source>
        <translation>%2: запрос «%1» завершился ошибкой.</translation>
    </message>
</context>
<context>
    <name>ElementLookup</name>
    <message>
        <source>&quot;%1&quot; is not an atomic number to look up.</source>
        <translation>«%1» — не атомный номер, по которому можно выполнить поиск.</translation>
    </message>
    <message>
        <source>There is no row for atomic number %1 in table %2.</source>
        <translation>В таблице %2 нет строки для атомного номера %1.</translation>
    </message>
    <message>
        <source>The row for atomic number %1 in table %2 has no symbol (%3 is empty): no answer could be judged against it.</source>
        <translation>В строке для атомного номера %1 в таблице %2 нет символа (%3 пуст): ответ не с чем сравнить.</translation>
    </message>
    <message>
        <source>The row for atomic number %1 in table %2 has no name (%3 is empty): no answer could be judged against it.</source>
        <translation>В строке для атомного номера %1 в таблице %2 нет названия (%3 пуст): ответ не с чем сравнить.</translation>
    </message>
</context>
<context>
    <name>ElementTableCheck</name>
    <message>
        <source> and %1 more</source>
        <translation> и ещё %1</translation>
    </message>
    <message>
        <source>It has the columns %1.</source>
        <translation>Столбцы таблицы: %1.</translation>
    </message>
    <message>
        <source>The table %1 of %2 cannot be used.
%3</source>
        <translation>%2: таблицу %1 невозможно использовать.
%3</translation>
    </message>
    <message>
        <source>%1 has no table %2.</source>
        <translation>%1: нет таблицы %2.</translation>
    </message>
    <message>
        <source>Missing columns: %1.</source>
        <translation>Отсутствуют столбцы: %1.</translation>
    </message>
    <message>
        <source>The file was imported twice into the same database: its header row is a row of the table, and every element is there twice. Import it again into a fresh database file (delete the old one first).</source>
        <translation>Файл импортирован в одну и ту же базу данных дважды: его строка заголовков стала строкой таблицы, и каждый элемент встречается в ней два раза. Импортируйте файл заново в новый файл базы данных (сначала удалите старый).</translation>
    </message>
    <message>
        <source>No row for atomic numbers %1.</source>
        <translation>Нет строки для атомных номеров %1.</translation>
    </message>
    <message>
        <source>More than one row for atomic numbers %1.</source>
        <translation>Больше одной строки для атомных номеров %1.</translation>
    </message>
    <message>
        <source>Atomic numbers that are not whole numbers: %1.</source>
        <translation>Атомные номера, не являющиеся целыми числами: %1.</translation>
    </message>
    <message>
        <source>Rows without an atomic number: %1.</source>
        <translation>Строки без атомного номера: %1.</translation>
    </message>
    <message>
        <source>No symbol for atomic numbers %1.</source>
        <translation>Нет символа для атомных номеров %1.</translation>
    </message>
    <message>
        <source>No name for atomic numbers %1.</source>
        <translation>Нет названия для атомных номеров %1.</translation>
    </message>
    <message>
        <source>Names that no answer can match, since answers are put in proper case (&quot;Iron&quot;, not &quot;iron&quot; or &quot;IRON&quot;), for atomic numbers %1.</source>
        <translation>Названия, с которыми не может совпасть ни один ответ, так как ответы приводятся к написанию с заглавной буквы («Железо», а не «железо» или «ЖЕЛЕЗО»), для атомных номеров %1.</translation>
    </message>
    <message>
        <source>Symbols or names with blanks around them, which no answer can match, for atomic numbers %1.</source>
        <translation>Символы или названия с пробелами в начале или в конце, с которыми не может совпасть ни один ответ, для атомных номеров %1.</translation>
    </message>
    <message>
        <source>see &quot;From a spreadsheet&quot; in the README, installed as %1</source>
        <translation>см. раздел «From a spreadsheet» в README, установленном как %1</translation>
    </message>
    <message>
        <source>The file was saved with semicolons between its columns, as office programs do where decimals are written with a comma: import it with .separator &quot;;&quot; (%1).</source>
        <translation>Файл сохранён с точками с запятой между столбцами, как это делают офисные программы там, где десятичные дроби пишутся через запятую: импортируйте его с .separator &quot;;&quot; (%1).</translation>
    </message>
    <message>
        <source>The file was saved with tabs between its columns: import it with .separator &quot;\t&quot; instead of --csv (%1).</source>
        <translation>Файл сохранён с табуляциями между столбцами: импортируйте его с .separator &quot;\t&quot; вместо --csv (%1).</translation>
    </message>
    <message>
        <source>Its first row holds the column names: the file has a title row above its header. Import it with --skip 1, or delete the title row (%1).</source>
        <translation>Первая строка таблицы содержит названия столбцов: в файле над строкой заголовков есть строка с заглавием. Импортируйте его с --skip 1 или удалите строку с заглавием (%1).</translation>
    </message>
    <message>
        <source>Reading it failed.</source>
        <translation>Не удалось прочитать таблицу.</translation>
    </message>
    <message>
        <source>Atomic numbers with blanks around them, which the lookup&apos;s query does not find: %1.</source>
        <translation>Атомные номера с пробелами в начале или в конце, которые не находит запрос поиска элемента: %1.</translation>
    </message>
    <message>
        <source>The file&apos;s header row (%1) is a row of the table: the table was made before the import, which read the header as data. Import the file into a fresh database, or with --skip 1 (%2).</source>
        <translation>Строка заголовков файла (%1) является строкой таблицы: таблица была создана до импорта, и импорт прочитал строку заголовков как данные. Импортируйте файл в новую базу данных или с --skip 1 (%2).</translation>
    </message>
    <message>
        <source>Looking an element up by its number fails: AtomicNumber must compare with a bare number, as in &quot;%1&quot;.</source>
        <translation>Поиск элемента по номеру завершается ошибкой: столбец AtomicNumber должен сравниваться с числом без кавычек, как в «%1».</translation>
    </message>
    <message>
        <source>Symbols or names with invisible characters in them (zero-width spaces or joiners, soft hyphens, direction marks), which no typed answer holds, for atomic numbers %1.</source>
        <translation>Символы или названия с невидимыми знаками (пробелами или соединителями нулевой ширины, мягкими переносами, метками направления текста), которых не содержит ни один набранный ответ, для атомных номеров %1.</translation>
    </message>
    <message>
        <source>Symbols or names with characters that no element&apos;s name has, as a file saved in another character set than UTF-8 leaves them (&quot;?&quot;, &quot;Ã³&quot;, &quot;Å¼&quot;), for atomic numbers %1. Save the sheet again as CSV in the character set &quot;Unicode (UTF-8)&quot;, or convert the file with iconv, and import it again (%2).</source>
        <translation type="vanished">Символы или названия со знаками, которых нет ни в одном названии элемента (такие знаки оставляет файл, сохранённый не в кодировке UTF-8: «?», «Ã³», «Å¼»), для атомных номеров %1. Снова сохраните лист как CSV в кодировке «Unicode (UTF-8)» или преобразуйте файл с помощью iconv, а затем импортируйте его заново (%2).</translation>
    </message>
    <message>
        <source>The file was saved as UTF-16 (&quot;Unicode text&quot; in office programs), which the import does not read. Convert it with &quot;iconv -f %1 -t UTF-8 elements.csv &gt; elements-utf8.csv&quot; and import elements-utf8.csv, or save the sheet again as CSV in the character set &quot;Unicode (UTF-8)&quot; (%2).</source>
        <translation>Файл сохранён в UTF-16 («Текст Юникод» в офисных программах), который импорт не читает. Преобразуйте его командой «iconv -f %1 -t UTF-8 elements.csv &gt; elements-utf8.csv» и импортируйте elements-utf8.csv или снова сохраните лист как CSV в кодировке «Unicode (UTF-8)» (%2).</translation>
    </message>
    <message>
        <source>Names with characters that no element&apos;s name has, garbled because the file was saved in the character set %1 and read as %2, for atomic numbers %3. Read it as %1: in psql, give &quot;\encoding %4&quot; before \copy, or convert it first with &quot;iconv -f %5 -t UTF-8&quot;, and import it again (%6).</source>
        <translation>Названия со знаками, которых нет ни в одном названии элемента, искажены, потому что файл был сохранён в кодировке %1, а прочитан как %2, для атомных номеров %3. Прочитайте его как %1: в psql задайте «\encoding %4» перед \copy или сначала преобразуйте его командой «iconv -f %5 -t UTF-8», и импортируйте его заново (%6).</translation>
    </message>
    <message>
        <source>Names with characters that no element&apos;s name has, garbled because the file was saved in the character set %1 and read as %2, for atomic numbers %3. Convert it with &quot;%4 &gt; elements-utf8.csv&quot; and import elements-utf8.csv in its place (%5).</source>
        <translation>Названия со знаками, которых нет ни в одном названии элемента, искажены, потому что файл был сохранён в кодировке %1, а прочитан как %2, для атомных номеров %3. Преобразуйте его командой «%4 &gt; elements-utf8.csv» и импортируйте вместо него elements-utf8.csv (%5).</translation>
    </message>
    <message>
        <source>Symbols or names with characters that no element&apos;s name has, such as &quot;?&quot; or the letter pairs (&quot;Ã³&quot;, &quot;Å¼&quot;) that a file saved in another character set than UTF-8 leaves, or with no letter at their start or end (&quot;-&quot;, a lone accent), for atomic numbers %1. Retype those cells, or save the sheet again as CSV in the character set &quot;Unicode (UTF-8)&quot; (or convert the file with iconv) and import it again (%2).</source>
        <translation>Символы или названия со знаками, которых нет ни в одном названии элемента, например «?» или пары букв («Ã³», «Å¼»), которые оставляет файл, сохранённый не в кодировке UTF-8, или без буквы в начале или в конце («-», отдельный знак ударения), для атомных номеров %1. Введите эти ячейки заново или снова сохраните лист как CSV в кодировке «Unicode (UTF-8)» (или преобразуйте файл с помощью iconv) и импортируйте его заново (%2).</translation>
    </message>
</context>
<context>
    <name>OdbcDataSource</name>
    <message>
        <source>ODBC data source &quot;%1&quot;</source>
        <translation>Источник данных ODBC «%1»</translation>
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
        <translation>В программе отсутствует скрипт таблицы элементов.</translation>
    </message>
    <message>
        <source>The element table&apos;s script cannot be run: %1</source>
        <translation>Не удаётся выполнить скрипт таблицы элементов: %1</translation>
    </message>
    <message>
        <source>The element names in %1 cannot be loaded: %2</source>
        <translation>Не удаётся загрузить названия элементов для языка %1: %2</translation>
    </message>
</context>
<context>
    <name>frmElements</name>
    <message>
        <source>Elements</source>
        <translation>Элементы</translation>
    </message>
    <message>
        <source>Atomic Number</source>
        <translation>Атом. номер</translation>
    </message>
    <message>
        <source>Symbol</source>
        <translation>Символ</translation>
    </message>
    <message>
        <source>Element Name</source>
        <translation>Название</translation>
    </message>
    <message>
        <source>Atomic Mass</source>
        <translation>Атом. масса</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Ответ</translation>
    </message>
    <message>
        <source>Created by Orvashel</source>
        <translation>Автор: Orvashel</translation>
    </message>
    <message>
        <source>Spin</source>
        <translation>Крути</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Проверь</translation>
    </message>
    <message>
        <source>Step 1</source>
        <translation>Шаг 1</translation>
    </message>
    <message>
        <source>Guess the Name</source>
        <translation>Угадай название</translation>
    </message>
    <message>
        <source>Guess the Symbol</source>
        <translation>Угадай символ</translation>
    </message>
    <message>
        <source>Step 2</source>
        <translation>Шаг 2</translation>
    </message>
    <message>
        <source>Elements 1 to 36</source>
        <translation>Элементы 1–36</translation>
    </message>
    <message>
        <source>Elements 1 to 38, 40, 42, 47 - 57, 74, 78 - 80</source>
        <translation>Элементы 1–38, 40, 42, 47–57, 74, 78–80</translation>
    </message>
    <message>
        <source>Elements 1 to 38, 40, 42, 47 - 57, 74, 78 - 89, 92, 94, 95</source>
        <translation>Элементы 1–38, 40, 42, 47–57, 74, 78–89, 92, 94, 95</translation>
    </message>
    <message>
        <source>Elements 1 to 103</source>
        <translation>Элементы 1–103</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>Shortcut: %1</source>
        <translation>Сочетание клавиш: %1</translation>
    </message>
</context>
</TS>
