<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk" sourcelanguage="en">
<context>
    <name>AnswerCheck</name>
    <message>
        <source>Your my hero</source>
        <translation>Ти молодець!</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>Спробуй ще раз</translation>
    </message>
</context>
<context>
    <name>ApplicationStart</name>
    <message>
        <source>valtora: no display could be opened. Choose one with DISPLAY (X11) or WAYLAND_DISPLAY (Wayland), or run without one with &quot;-platform offscreen&quot;.</source>
        <translation>valtora: не вдалося відкрити жоден дисплей. Виберіть дисплей за допомогою DISPLAY (X11) або WAYLAND_DISPLAY (Wayland) чи запустіть Valtora без дисплея з параметром «-platform offscreen».</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>A desktop quiz on the chemical elements.</source>
        <translation>Комп’ютерна вікторина про хімічні елементи.</translation>
    </message>
    <message>
        <source>valtora: &quot;%1&quot; is not an option or argument of Valtora; &quot;valtora --help&quot; lists them.</source>
        <translation>valtora: «%1» не є ні параметром, ні аргументом Valtora; їх перелік виводить «valtora --help».</translation>
    </message>
</context>
<context>
    <name>DataControl</name>
    <message>
        <source>The table on %1 has no column %2.</source>
        <translation>%1: у таблиці немає стовпця %2.</translation>
    </message>
</context>
<context>
    <name>DataSourceFaults</name>
    <message>
        <source>%1 names the ODBC driver &quot;%2&quot;, which is not installed on this computer. Install it, or name an installed driver on the data source&apos;s Driver line: the command &quot;odbcinst -q -d&quot; lists them.</source>
        <translation>%1: зазначений драйвер ODBC «%2» не встановлено на цьому комп’ютері. Установіть його або вкажіть у рядку Driver джерела даних установлений драйвер: установлені драйвери показує команда «odbcinst -q -d».</translation>
    </message>
    <message>
        <source>%1 names no database file: its Database line is empty. Put the path of the SQLite file that holds the table elements there.</source>
        <translation>%1: файл бази даних не вказано — рядок Database порожній. Вкажіть у цьому рядку шлях до файлу SQLite, який містить таблицю elements.</translation>
    </message>
    <message>
        <source>The database file &quot;%2&quot; of %1 does not exist. Check the path on the data source&apos;s Database line.</source>
        <translation>%1: файл бази даних «%2» не існує. Перевірте шлях у рядку Database джерела даних.</translation>
    </message>
    <message>
        <source>The file &quot;%2&quot; of %1 is not an SQLite database. Check the path on the data source&apos;s Database line, or make the file again with the sqlite3 shell.</source>
        <translation>%1: файл «%2» не є базою даних SQLite. Перевірте шлях у рядку Database джерела даних або створіть файл заново в оболонці sqlite3.</translation>
    </message>
    <message>
        <source>The database file &quot;%2&quot; of %1 is locked by another program that is changing it. Close that program, or end its transaction, then start Valtora again.</source>
        <translation>%1: файл бази даних «%2» заблокувала інша програма, яка його змінює. Закрийте цю програму або завершіть її транзакцію, а потім знову запустіть Valtora.</translation>
    </message>
    <message>
        <source>The server of %1 accepts no more connections: all it allows are in use. Close Valtora on another desk, or ask whoever runs the server to allow more connections or to put a connection pooler in front of it.</source>
        <translation>%1: сервер не приймає нових з’єднань — усі дозволені з’єднання зайняті. Закрийте Valtora на іншому робочому місці або попросіть адміністратора сервера дозволити більше з’єднань чи поставити перед сервером пул з’єднань (connection pooler).</translation>
    </message>
    <message>
        <source>The server of %1 refused the login. Check the Username, Password and Database lines of the data source, and that the server lets that role connect from this computer (pg_hba.conf).</source>
        <translation>%1: сервер відхилив вхід. Перевірте рядки Username, Password і Database джерела даних, а також те, чи дозволяє сервер цій ролі підключатися з цього комп’ютера (pg_hba.conf).</translation>
    </message>
    <message>
        <source>The server of %1 cannot be reached. Check the Servername and Port lines of the data source, that the server is running, and that this computer can reach it over the network.</source>
        <translation>%1: сервер недоступний. Перевірте рядки Servername і Port джерела даних, чи працює сервер і чи може цей комп’ютер зв’язатися з ним через мережу.</translation>
    </message>
    <message>
        <source>The connection to the server of %1 was lost: the server was stopped or restarted, or the network failed. Start Valtora again once the server is back.</source>
        <translation>%1: з’єднання з сервером втрачено — сервер зупинили або перезапустили чи стався збій мережі. Коли сервер знову стане доступним, запустіть Valtora ще раз.</translation>
    </message>
    <message>
        <source>%1 did not answer within %2 seconds. Check that its server is running and not overloaded, and that no other program holds its database locked, then start Valtora again.</source>
        <translation>%1: немає відповіді протягом %2 с. Перевірте, чи працює сервер і чи не перевантажений він, а також чи не тримає базу даних заблокованою інша програма, а потім знову запустіть Valtora.</translation>
    </message>
    <message>
        <source>The driver said: %1</source>
        <translation>Повідомлення драйвера: %1</translation>
    </message>
    <message>
        <source>The server of %1 is starting up or shutting down, and accepts no connections now. Start Valtora again in a minute; if it keeps saying so, ask whoever runs the server.</source>
        <translation>%1: сервер запускається або завершує роботу і зараз не приймає з’єднань. Запустіть Valtora знову за хвилину; якщо повідомлення повториться, зверніться до адміністратора сервера.</translation>
    </message>
    <message>
        <source>The server of %1 ended the connection on an administrator&apos;s command: someone ended Valtora&apos;s session on the server, or the server was stopped or restarted. Start Valtora again once the server is back.</source>
        <translation>%1: сервер розірвав з’єднання за командою адміністратора — хтось завершив сеанс Valtora на сервері або сервер зупинили чи перезапустили. Коли сервер знову стане доступним, запустіть Valtora ще раз.</translation>
    </message>
    <message>
        <source>The server of %1 closed the connection because it was idle for longer than the server allows (its setting idle_session_timeout). Ask whoever runs the server to lift that limit for the quiz&apos;s role (alter role quiz set idle_session_timeout = 0), then start Valtora again.</source>
        <translation>%1: сервер закрив з’єднання, бо воно простоювало довше, ніж дозволяє сервер (його параметр idle_session_timeout). Попросіть адміністратора сервера зняти це обмеження для ролі вікторини (alter role quiz set idle_session_timeout = 0), а потім знову запустіть Valtora.</translation>
    </message>
    <message>
        <source>A query of Valtora&apos;s on the server of %1 was cancelled on an administrator&apos;s command (pg_cancel_backend, or another program that cancels queries). Start Valtora again.</source>
        <translation>%1: запит Valtora на сервері скасовано за командою адміністратора (pg_cancel_backend або інша програма, що скасовує запити). Запустіть Valtora знову.</translation>
    </message>
    <message>
        <source>The connection pooler in front of the server of %1 gave up waiting for a free server connection, after as long as its setting query_wait_timeout allows. Close Valtora on desks that do not need it, or ask whoever runs the pooler for a larger pool (default_pool_size), then start Valtora again.</source>
        <translation type="vanished">%1: пул з’єднань перед сервером перестав чекати на вільне з’єднання з сервером, прочекавши стільки, скільки дозволяє його параметр query_wait_timeout. Закрийте Valtora на робочих місцях, де вона не потрібна, або попросіть адміністратора пулу з’єднань збільшити пул (default_pool_size), а потім знову запустіть Valtora.</translation>
    </message>
    <message>
        <source>Likely causes: the table elements or one of its columns was changed while the quiz ran, the server ended the connection, or the driver cannot read a value of the table.</source>
        <translation>Імовірні причини: таблицю elements або один з її стовпців було змінено під час роботи вікторини, сервер розірвав з’єднання або драйвер не може прочитати одне зі значень таблиці.</translation>
    </message>
    <message>
        <source>Likely causes: this user may not read the file on the data source&apos;s Database line, or the SQLite driver is set up wrongly (&quot;isql -v Elements&quot; shows what it says).</source>
        <translation>Імовірні причини: цей користувач не має права читати файл, указаний у рядку Database джерела даних, або драйвер SQLite налаштовано неправильно (що він повідомляє, покаже «isql -v Elements»).</translation>
    </message>
    <message>
        <source>Likely causes: the server is not running or this computer cannot reach it, the data source&apos;s Servername, Port, Database, Username or Password line does not match the server, or its driver is set up wrongly (&quot;isql -v Elements&quot; shows what it says).</source>
        <translation>Імовірні причини: сервер не запущено або цей комп’ютер не може з ним зв’язатися, рядок Servername, Port, Database, Username або Password джерела даних не відповідає серверу, або драйвер налаштовано неправильно (що він повідомляє, покаже «isql -v Elements»).</translation>
    </message>
    <message>
        <source>The server of %1 gave up waiting for a lock on the table elements, after as long as its setting lock_timeout allows: another program holds the table locked, changing it or in a transaction left open. Ask whoever runs the server to end that program&apos;s transaction, then start Valtora again.</source>
        <translation>%1: сервер перестав чекати на блокування таблиці elements, прочекавши стільки, скільки дозволяє його параметр lock_timeout: таблицю тримає заблокованою інша програма, яка її змінює або залишила відкритою транзакцію. Попросіть адміністратора сервера завершити транзакцію цієї програми, а потім знову запустіть Valtora.</translation>
    </message>
    <message>
        <source>The server of %1 does not let the role &quot;%2&quot; read the table elements. Ask whoever runs the server to allow it: grant select on elements to %2;</source>
        <translation>%1: сервер не дозволяє ролі «%2» читати таблицю elements. Попросіть адміністратора сервера дозволити це: grant select on elements to %2;</translation>
    </message>
    <message>
        <source>The connection pooler in front of the server of %1 gave up waiting for a server connection, after as long as its setting query_wait_timeout allows. Either every connection of its pool is in use (close Valtora on desks that do not need it, or ask whoever runs the pooler for a larger pool, default_pool_size), or the server behind it cannot be reached (ask whoever runs it to check that it is running). Then start Valtora again.</source>
        <translation>%1: пул з’єднань перед сервером перестав чекати на з’єднання з сервером, прочекавши стільки, скільки дозволяє його параметр query_wait_timeout. Або всі з’єднання його пулу зайняті (закрийте Valtora на робочих місцях, де вона не потрібна, чи попросіть адміністратора пулу з’єднань збільшити пул, default_pool_size), або сервер за ним недоступний (попросіть адміністратора сервера перевірити, чи працює сервер). Потім знову запустіть Valtora.</translation>
    </message>
</context>
<context>
    <name>DesktopEntry</name>
    <message>
        <source>Chemical Elements Quiz</source>
        <extracomment>The kind of program, as menus show it beside its name.</extracomment>
        <translation>Вікторина про хімічні елементи</translation>
    </message>
    <message>
        <source>Drill the symbols and names of the chemical elements</source>
        <extracomment>What the program is for, in a line: menus&apos; tooltips, software centres&apos; summary.</extracomment>
        <translation>Тренування символів і назв хімічних елементів</translation>
    </message>
    <message>
        <source>chemistry;elements;periodic table;symbol;quiz;school;</source>
        <extracomment>Words a desktop&apos;s search finds the program by, each followed by a semicolon.</extracomment>
        <translation>хімія;елементи;періодична таблиця;символ;вікторина;школа;</translation>
    </message>
    <message>
        <source>Valtora is a quiz on the chemical elements. It shows an element&apos;s atomic number, symbol, name and atomic mass with the symbol or the name covered, and you type what is covered.</source>
        <extracomment>Software centres: the description.</extracomment>
        <translation>Valtora — вікторина про хімічні елементи. Вона показує протонне число, символ, назву й атомну масу елемента, приховавши символ або назву, а ти вводиш те, що приховано.</translation>
    </message>
    <message>
        <source>Guess the symbol or the name</source>
        <extracomment>Software centres: a feature in the description&apos;s list.</extracomment>
        <translation>Вгадування символу або назви</translation>
    </message>
    <message>
        <source>Draw from the first 36 elements, from those a school course knows, or from all 103</source>
        <extracomment>Software centres: a feature in the description&apos;s list.</extracomment>
        <translation>Вибір із перших 36 елементів, з елементів шкільного курсу або з усіх 103</translation>
    </message>
    <message>
        <source>Played by keyboard alone, and read out by screen readers</source>
        <extracomment>Software centres: a feature in the description&apos;s list.</extracomment>
        <translation>Керування лише з клавіатури й озвучення програмами зчитування з екрана</translation>
    </message>
    <message numerus="yes">
        <source>In %n languages, the element names included</source>
        <extracomment>Software centres: a feature in the description&apos;s list; %n counts English too.</extracomment>
        <translation>
            <numerusform>%n мовою, включно з назвами елементів</numerusform>
            <numerusform>%n мовами, включно з назвами елементів</numerusform>
            <numerusform>%n мовами, включно з назвами елементів</numerusform>
        </translation>
    </message>
    <message>
        <source>Needs no setup; a school can serve its own element table to every desk from one server</source>
        <extracomment>Software centres: a feature in the description&apos;s list.</extracomment>
        <translation>Не потребує налаштування; школа може роздавати власну таблицю елементів на всі робочі місця з одного сервера</translation>
    </message>
    <message>
        <source>The quiz after one spin, the symbol covered</source>
        <extracomment>Software centres: the caption of the screenshot.</extracomment>
        <translation>Вікторина після одного розіграшу, символ приховано</translation>
    </message>
</context>
<context>
    <name>ElementDatabase</name>
    <message>
        <source>the embedded element table</source>
        <translation>Вбудована таблиця елементів</translation>
    </message>
    <message>
        <source>%1: Qt&apos;s ODBC driver (QODBC) is not installed.</source>
        <translation>%1: драйвер ODBC для Qt (QODBC) не встановлено.</translation>
    </message>
    <message>
        <source>%1 cannot be opened.</source>
        <translation>%1: не вдається відкрити джерело даних.</translation>
    </message>
    <message>
        <source>%1: Qt&apos;s SQLite driver (QSQLITE) is not installed.</source>
        <translation>%1: драйвер SQLite для Qt (QSQLITE) не встановлено.</translation>
    </message>
    <message>
        <source>The query &quot;%1&quot; on %2 failed.</source>
        <translation>%2: запит «%1» завершився помилкою.</translation>
    </message>
</context>
<context>
    <name>ElementLookup</name>
    <message>
        <source>&quot;%1&quot; is not an atomic number to look up.</source>
        <translation>«%1» — не протонне число, за яким можна виконати пошук.</translation>
    </message>
    <message>
        <source>There is no row for atomic number %1 in table %2.</source>
        <translation>У таблиці %2 немає рядка для протонного числа %1.</translation>
    </message>
    <message>
        <source>The row for atomic number %1 in table %2 has no symbol (%3 is empty): no answer could be judged against it.</source>
        <translation>У рядку для протонного числа %1 у таблиці %2 немає символу (%3 порожній): відповідь немає з чим порівняти.</translation>
    </message>
    <message>
        <source>The row for atomic number %1 in table %2 has no name (%3 is empty): no answer could be judged against it.</source>
        <translation>У рядку для протонного числа %1 у таблиці %2 немає назви (%3 порожній): відповідь немає з чим порівняти.</translation>
    </message>
</context>
<context>
    <name>ElementTableCheck</name>
    <message>
        <source> and %1 more</source>
        <translation> і ще %1</translation>
    </message>
    <message>
        <source>It has the columns %1.</source>
        <translation>Стовпці таблиці: %1.</translation>
    </message>
    <message>
        <source>The table %1 of %2 cannot be used.
%3</source>
        <translation>%2: таблицю %1 неможливо використати.
%3</translation>
    </message>
    <message>
        <source>%1 has no table %2.</source>
        <translation>%1: немає таблиці %2.</translation>
    </message>
    <message>
        <source>Missing columns: %1.</source>
        <translation>Бракує стовпців: %1.</translation>
    </message>
    <message>
        <source>The file was imported twice into the same database: its header row is a row of the table, and every element is there twice. Import it again into a fresh database file (delete the old one first).</source>
        <translation>Файл імпортовано до тієї самої бази даних двічі: його рядок заголовків став рядком таблиці, і кожен елемент трапляється в ній двічі. Імпортуйте файл знову до нового файлу бази даних (спершу видаліть старий).</translation>
    </message>
    <message>
        <source>No row for atomic numbers %1.</source>
        <translation>Немає рядка для протонних чисел %1.</translation>
    </message>
    <message>
        <source>More than one row for atomic numbers %1.</source>
        <translation>Більше одного рядка для протонних чисел %1.</translation>
    </message>
    <message>
        <source>Atomic numbers that are not whole numbers: %1.</source>
        <translation>Протонні числа, що не є цілими числами: %1.</translation>
    </message>
    <message>
        <source>Rows without an atomic number: %1.</source>
        <translation>Рядки без протонного числа: %1.</translation>
    </message>
    <message>
        <source>No symbol for atomic numbers %1.</source>
        <translation>Немає символу для протонних чисел %1.</translation>
    </message>
    <message>
        <source>No name for atomic numbers %1.</source>
        <translation>Немає назви для протонних чисел %1.</translation>
    </message>
    <message>
        <source>Names that no answer can match, since answers are put in proper case (&quot;Iron&quot;, not &quot;iron&quot; or &quot;IRON&quot;), for atomic numbers %1.</source>
        <translation>Назви, з якими не може збігтися жодна відповідь, оскільки відповіді записуються з великої літери («Ферум», а не «ферум» чи «ФЕРУМ»), для протонних чисел %1.</translation>
    </message>
    <message>
        <source>Symbols or names with blanks around them, which no answer can match, for atomic numbers %1.</source>
        <translation>Символи або назви з пробілами на початку чи в кінці, з якими не може збігтися жодна відповідь, для протонних чисел %1.</translation>
    </message>
    <message>
        <source>see &quot;From a spreadsheet&quot; in the README, installed as %1</source>
        <translation>див. розділ «From a spreadsheet» у README, установленому як %1</translation>
    </message>
    <message>
        <source>The file was saved with semicolons between its columns, as office programs do where decimals are written with a comma: import it with .separator &quot;;&quot; (%1).</source>
        <translation>Файл збережено з крапками з комою між стовпцями, як це роблять офісні програми там, де десяткові дроби пишуть через кому: імпортуйте його з .separator &quot;;&quot; (%1).</translation>
    </message>
    <message>
        <source>The file was saved with tabs between its columns: import it with .separator &quot;\t&quot; instead of --csv (%1).</source>
        <translation>Файл збережено з табуляціями між стовпцями: імпортуйте його з .separator &quot;\t&quot; замість --csv (%1).</translation>
    </message>
    <message>
        <source>Its first row holds the column names: the file has a title row above its header. Import it with --skip 1, or delete the title row (%1).</source>
        <translation>Перший рядок таблиці містить назви стовпців: у файлі над рядком заголовків є ще рядок із назвою. Імпортуйте його з --skip 1 або видаліть рядок із назвою (%1).</translation>
    </message>
    <message>
        <source>Reading it failed.</source>
        <translation>Не вдалося прочитати таблицю.</translation>
    </message>
    <message>
        <source>Atomic numbers with blanks around them, which the lookup&apos;s query does not find: %1.</source>
        <translation>Протонні числа з пробілами на початку чи в кінці, яких не знаходить запит пошуку елемента: %1.</translation>
    </message>
    <message>
        <source>The file&apos;s header row (%1) is a row of the table: the table was made before the import, which read the header as data. Import the file into a fresh database, or with --skip 1 (%2).</source>
        <translation>Рядок заголовків файлу (%1) є рядком таблиці: таблицю було створено до імпорту, і імпорт прочитав рядок заголовків як дані. Імпортуйте файл до нової бази даних або з --skip 1 (%2).</translation>
    </message>
    <message>
        <source>Looking an element up by its number fails: AtomicNumber must compare with a bare number, as in &quot;%1&quot;.</source>
        <translation>Пошук елемента за номером завершується помилкою: стовпець AtomicNumber має порівнюватися з числом без лапок, як у «%1».</translation>
    </message>
    <message>
        <source>Symbols or names with invisible characters in them (zero-width spaces or joiners, soft hyphens, direction marks), which no typed answer holds, for atomic numbers %1.</source>
        <translation>Символи або назви з невидимими знаками (пробілами чи з’єднувачами нульової ширини, м’якими переносами, позначками напрямку тексту), яких не містить жодна введена відповідь, для протонних чисел %1.</translation>
    </message>
    <message>
        <source>Symbols or names with characters that no element&apos;s name has, as a file saved in another character set than UTF-8 leaves them (&quot;?&quot;, &quot;Ã³&quot;, &quot;Å¼&quot;), for atomic numbers %1. Save the sheet again as CSV in the character set &quot;Unicode (UTF-8)&quot;, or convert the file with iconv, and import it again (%2).</source>
        <translation type="vanished">Символи або назви зі знаками, яких немає в жодній назві елемента (такі знаки залишає файл, збережений не в кодуванні UTF-8: «?», «Ã³», «Å¼»), для протонних чисел %1. Знову збережіть аркуш як CSV у кодуванні «Unicode (UTF-8)» або перетворіть файл за допомогою iconv, а потім імпортуйте його повторно (%2).</translation>
    </message>
    <message>
        <source>The file was saved as UTF-16 (&quot;Unicode text&quot; in office programs), which the import does not read. Convert it with &quot;iconv -f %1 -t UTF-8 elements.csv &gt; elements-utf8.csv&quot; and import elements-utf8.csv, or save the sheet again as CSV in the character set &quot;Unicode (UTF-8)&quot; (%2).</source>
        <translation>Файл збережено в UTF-16 («Текст Юнікод» в офісних програмах), який імпорт не читає. Перетворіть його командою «iconv -f %1 -t UTF-8 elements.csv &gt; elements-utf8.csv» і імпортуйте elements-utf8.csv або знову збережіть аркуш як CSV у кодуванні «Unicode (UTF-8)» (%2).</translation>
    </message>
    <message>
        <source>Names with characters that no element&apos;s name has, garbled because the file was saved in the character set %1 and read as %2, for atomic numbers %3. Read it as %1: in psql, give &quot;\encoding %4&quot; before \copy, or convert it first with &quot;iconv -f %5 -t UTF-8&quot;, and import it again (%6).</source>
        <translation>Назви зі знаками, яких немає в жодній назві елемента, спотворені, бо файл було збережено в кодуванні %1, а прочитано як %2, для протонних чисел %3. Прочитайте його як %1: у psql задайте «\encoding %4» перед \copy або спершу перетворіть його командою «iconv -f %5 -t UTF-8», і імпортуйте його повторно (%6).</translation>
    </message>
    <message>
        <source>Names with characters that no element&apos;s name has, garbled because the file was saved in the character set %1 and read as %2, for atomic numbers %3. Convert it with &quot;%4 &gt; elements-utf8.csv&quot; and import elements-utf8.csv in its place (%5).</source>
        <translation>Назви зі знаками, яких немає в жодній назві елемента, спотворені, бо файл було збережено в кодуванні %1, а прочитано як %2, для протонних чисел %3. Перетворіть його командою «%4 &gt; elements-utf8.csv» і імпортуйте замість нього elements-utf8.csv (%5).</translation>
    </message>
    <message>
        <source>Symbols or names with characters that no element&apos;s name has, such as &quot;?&quot; or the letter pairs (&quot;Ã³&quot;, &quot;Å¼&quot;) that a file saved in another character set than UTF-8 leaves, or with no letter at their start or end (&quot;-&quot;, a lone accent), for atomic numbers %1. Retype those cells, or save the sheet again as CSV in the character set &quot;Unicode (UTF-8)&quot; (or convert the file with iconv) and import it again (%2).</source>
        <translation>Символи або назви зі знаками, яких немає в жодній назві елемента, наприклад «?» або пари літер («Ã³», «Å¼»), які залишає файл, збережений не в кодуванні UTF-8, або без літери на початку чи в кінці («-», окремий наголос), для протонних чисел %1. Введіть ці клітинки заново або знову збережіть аркуш як CSV у кодуванні «Unicode (UTF-8)» (або перетворіть файл за допомогою iconv) і імпортуйте його повторно (%2).</translation>
    </message>
</context>
<context>
    <name>OdbcDataSource</name>
    <message>
        <source>ODBC data source &quot;%1&quot;</source>
        <translation>Джерело даних ODBC «%1»</translation>
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
        <translation>У програмі бракує скрипту таблиці елементів.</translation>
    </message>
    <message>
        <source>The element table&apos;s script cannot be run: %1</source>
        <translation>Не вдається виконати скрипт таблиці елементів: %1</translation>
    </message>
    <message>
        <source>The element names in %1 cannot be loaded: %2</source>
        <translation>Не вдається завантажити назви елементів для мови %1: %2</translation>
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
        <translation>Протон. число</translation>
    </message>
    <message>
        <source>Symbol</source>
        <translation>Символ</translation>
    </message>
    <message>
        <source>Element Name</source>
        <translation>Назва</translation>
    </message>
    <message>
        <source>Atomic Mass</source>
        <translation>Атомна маса</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Відп.</translation>
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
        <translation>Перевір</translation>
    </message>
    <message>
        <source>Step 1</source>
        <translation>Крок 1</translation>
    </message>
    <message>
        <source>Guess the Name</source>
        <translation>Вгадай назву</translation>
    </message>
    <message>
        <source>Guess the Symbol</source>
        <translation>Вгадай символ</translation>
    </message>
    <message>
        <source>Step 2</source>
        <translation>Крок 2</translation>
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
        <translation>Вихід</translation>
    </message>
    <message>
        <source>Shortcut: %1</source>
        <translation>Комбінація клавіш: %1</translation>
    </message>
</context>
</TS>
