<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl" sourcelanguage="en">
<context>
    <name>AnswerCheck</name>
    <message>
        <source>Your my hero</source>
        <translation>Brawo! Jesteś gwiazdą!</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>Spróbuj jeszcze raz</translation>
    </message>
</context>
<context>
    <name>ApplicationStart</name>
    <message>
        <source>valtora: no display could be opened. Choose one with DISPLAY (X11) or WAYLAND_DISPLAY (Wayland), or run without one with &quot;-platform offscreen&quot;.</source>
        <translation>valtora: nie udało się otworzyć żadnego ekranu. Należy wybrać ekran za pomocą DISPLAY (X11) lub WAYLAND_DISPLAY (Wayland) albo uruchomić program Valtora bez ekranu z opcją „-platform offscreen”.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>A desktop quiz on the chemical elements.</source>
        <translation>Komputerowy quiz o pierwiastkach chemicznych.</translation>
    </message>
    <message>
        <source>valtora: &quot;%1&quot; is not an option or argument of Valtora; &quot;valtora --help&quot; lists them.</source>
        <translation>valtora: „%1” nie jest opcją ani argumentem programu Valtora; polecenie „valtora --help” je wymienia.</translation>
    </message>
</context>
<context>
    <name>DataControl</name>
    <message>
        <source>The table on %1 has no column %2.</source>
        <translation>%1: tabela nie ma kolumny %2.</translation>
    </message>
</context>
<context>
    <name>DataSourceFaults</name>
    <message>
        <source>%1 names the ODBC driver &quot;%2&quot;, which is not installed on this computer. Install it, or name an installed driver on the data source&apos;s Driver line: the command &quot;odbcinst -q -d&quot; lists them.</source>
        <translation>%1: wskazany sterownik ODBC „%2” nie jest zainstalowany na tym komputerze. Należy go zainstalować albo wpisać w wierszu Driver źródła danych nazwę zainstalowanego sterownika. Zainstalowane sterowniki wyświetla polecenie „odbcinst -q -d”.</translation>
    </message>
    <message>
        <source>%1 names no database file: its Database line is empty. Put the path of the SQLite file that holds the table elements there.</source>
        <translation>%1: nie wskazano pliku bazy danych, bo wiersz Database jest pusty. Należy wpisać w nim ścieżkę do pliku SQLite, który zawiera tabelę elements.</translation>
    </message>
    <message>
        <source>The database file &quot;%2&quot; of %1 does not exist. Check the path on the data source&apos;s Database line.</source>
        <translation>%1: plik bazy danych „%2” nie istnieje. Należy sprawdzić ścieżkę w wierszu Database źródła danych.</translation>
    </message>
    <message>
        <source>The file &quot;%2&quot; of %1 is not an SQLite database. Check the path on the data source&apos;s Database line, or make the file again with the sqlite3 shell.</source>
        <translation>%1: plik „%2” nie jest bazą danych SQLite. Należy sprawdzić ścieżkę w wierszu Database źródła danych albo utworzyć plik od nowa w powłoce sqlite3.</translation>
    </message>
    <message>
        <source>The database file &quot;%2&quot; of %1 is locked by another program that is changing it. Close that program, or end its transaction, then start Valtora again.</source>
        <translation>%1: plik bazy danych „%2” jest zablokowany przez inny program, który go zmienia. Należy zamknąć ten program lub zakończyć jego transakcję, a następnie ponownie uruchomić program Valtora.</translation>
    </message>
    <message>
        <source>The server of %1 accepts no more connections: all it allows are in use. Close Valtora on another desk, or ask whoever runs the server to allow more connections or to put a connection pooler in front of it.</source>
        <translation>%1: serwer nie przyjmuje kolejnych połączeń, bo wszystkie dozwolone połączenia są zajęte. Należy zamknąć program Valtora na innym stanowisku albo poprosić administratora serwera o zwiększenie limitu połączeń lub o postawienie przed serwerem pośrednika z pulą połączeń (connection pooler).</translation>
    </message>
    <message>
        <source>The server of %1 refused the login. Check the Username, Password and Database lines of the data source, and that the server lets that role connect from this computer (pg_hba.conf).</source>
        <translation>%1: serwer odrzucił logowanie. Należy sprawdzić wiersze Username, Password i Database źródła danych oraz to, czy serwer pozwala tej roli łączyć się z tego komputera (pg_hba.conf).</translation>
    </message>
    <message>
        <source>The server of %1 cannot be reached. Check the Servername and Port lines of the data source, that the server is running, and that this computer can reach it over the network.</source>
        <translation>%1: serwer jest nieosiągalny. Należy sprawdzić wiersze Servername i Port źródła danych, czy serwer działa oraz czy ten komputer może się z nim połączyć przez sieć.</translation>
    </message>
    <message>
        <source>The connection to the server of %1 was lost: the server was stopped or restarted, or the network failed. Start Valtora again once the server is back.</source>
        <translation>%1: utracono połączenie z serwerem – serwer został zatrzymany lub uruchomiony ponownie albo nastąpiła awaria sieci. Gdy serwer znów będzie dostępny, należy ponownie uruchomić program Valtora.</translation>
    </message>
    <message>
        <source>%1 did not answer within %2 seconds. Check that its server is running and not overloaded, and that no other program holds its database locked, then start Valtora again.</source>
        <translation>%1: brak odpowiedzi w ciągu %2 s. Należy sprawdzić, czy serwer działa i nie jest przeciążony oraz czy żaden inny program nie blokuje bazy danych, a następnie ponownie uruchomić program Valtora.</translation>
    </message>
    <message>
        <source>The driver said: %1</source>
        <translation>Komunikat sterownika: %1</translation>
    </message>
    <message>
        <source>The server of %1 is starting up or shutting down, and accepts no connections now. Start Valtora again in a minute; if it keeps saying so, ask whoever runs the server.</source>
        <translation>%1: serwer właśnie się uruchamia lub zamyka i teraz nie przyjmuje połączeń. Należy ponownie uruchomić program Valtora za minutę; jeśli komunikat się powtarza, należy zwrócić się do administratora serwera.</translation>
    </message>
    <message>
        <source>The server of %1 ended the connection on an administrator&apos;s command: someone ended Valtora&apos;s session on the server, or the server was stopped or restarted. Start Valtora again once the server is back.</source>
        <translation>%1: serwer zakończył połączenie na polecenie administratora – ktoś zakończył sesję programu Valtora na serwerze albo serwer został zatrzymany lub uruchomiony ponownie. Gdy serwer znów będzie dostępny, należy ponownie uruchomić program Valtora.</translation>
    </message>
    <message>
        <source>The server of %1 closed the connection because it was idle for longer than the server allows (its setting idle_session_timeout). Ask whoever runs the server to lift that limit for the quiz&apos;s role (alter role quiz set idle_session_timeout = 0), then start Valtora again.</source>
        <translation>%1: serwer zamknął połączenie, ponieważ było ono bezczynne dłużej, niż serwer pozwala (jego ustawienie idle_session_timeout). Należy poprosić administratora serwera o zniesienie tego limitu dla roli quizu (alter role quiz set idle_session_timeout = 0), a następnie ponownie uruchomić program Valtora.</translation>
    </message>
    <message>
        <source>A query of Valtora&apos;s on the server of %1 was cancelled on an administrator&apos;s command (pg_cancel_backend, or another program that cancels queries). Start Valtora again.</source>
        <translation>%1: zapytanie programu Valtora na serwerze zostało anulowane na polecenie administratora (pg_cancel_backend lub inny program anulujący zapytania). Należy ponownie uruchomić program Valtora.</translation>
    </message>
    <message>
        <source>The connection pooler in front of the server of %1 gave up waiting for a free server connection, after as long as its setting query_wait_timeout allows. Close Valtora on desks that do not need it, or ask whoever runs the pooler for a larger pool (default_pool_size), then start Valtora again.</source>
        <translation type="vanished">%1: pośrednik z pulą połączeń (connection pooler) przed serwerem przestał czekać na wolne połączenie z serwerem po czasie, na jaki pozwala jego ustawienie query_wait_timeout. Należy zamknąć program Valtora na stanowiskach, które go nie potrzebują, albo poprosić administratora pośrednika o większą pulę (default_pool_size), a następnie ponownie uruchomić program Valtora.</translation>
    </message>
    <message>
        <source>Likely causes: the table elements or one of its columns was changed while the quiz ran, the server ended the connection, or the driver cannot read a value of the table.</source>
        <translation>Prawdopodobne przyczyny: tabela elements lub jedna z jej kolumn została zmieniona w trakcie quizu, serwer zakończył połączenie albo sterownik nie potrafi odczytać którejś wartości tabeli.</translation>
    </message>
    <message>
        <source>Likely causes: this user may not read the file on the data source&apos;s Database line, or the SQLite driver is set up wrongly (&quot;isql -v Elements&quot; shows what it says).</source>
        <translation>Prawdopodobne przyczyny: ten użytkownik nie ma prawa odczytu pliku z wiersza Database źródła danych albo sterownik SQLite jest źle skonfigurowany (polecenie „isql -v Elements” pokazuje, co zgłasza).</translation>
    </message>
    <message>
        <source>Likely causes: the server is not running or this computer cannot reach it, the data source&apos;s Servername, Port, Database, Username or Password line does not match the server, or its driver is set up wrongly (&quot;isql -v Elements&quot; shows what it says).</source>
        <translation>Prawdopodobne przyczyny: serwer nie działa lub ten komputer nie może się z nim połączyć, wiersz Servername, Port, Database, Username lub Password źródła danych nie pasuje do serwera albo sterownik jest źle skonfigurowany (polecenie „isql -v Elements” pokazuje, co zgłasza).</translation>
    </message>
    <message>
        <source>The server of %1 gave up waiting for a lock on the table elements, after as long as its setting lock_timeout allows: another program holds the table locked, changing it or in a transaction left open. Ask whoever runs the server to end that program&apos;s transaction, then start Valtora again.</source>
        <translation>%1: serwer przestał czekać na blokadę tabeli elements po czasie, na jaki pozwala jego ustawienie lock_timeout – inny program trzyma tabelę zablokowaną, bo ją zmienia albo pozostawił otwartą transakcję. Należy poprosić administratora serwera o zakończenie transakcji tego programu, a następnie ponownie uruchomić program Valtora.</translation>
    </message>
    <message>
        <source>The server of %1 does not let the role &quot;%2&quot; read the table elements. Ask whoever runs the server to allow it: grant select on elements to %2;</source>
        <translation>%1: serwer nie pozwala roli „%2” odczytywać tabeli elements. Należy poprosić administratora serwera o nadanie tego uprawnienia: grant select on elements to %2;</translation>
    </message>
    <message>
        <source>The connection pooler in front of the server of %1 gave up waiting for a server connection, after as long as its setting query_wait_timeout allows. Either every connection of its pool is in use (close Valtora on desks that do not need it, or ask whoever runs the pooler for a larger pool, default_pool_size), or the server behind it cannot be reached (ask whoever runs it to check that it is running). Then start Valtora again.</source>
        <translation>%1: pośrednik z pulą połączeń (connection pooler) przed serwerem przestał czekać na połączenie z serwerem po czasie, na jaki pozwala jego ustawienie query_wait_timeout. Albo wszystkie połączenia z jego puli są zajęte (należy zamknąć program Valtora na stanowiskach, które go nie potrzebują, lub poprosić administratora pośrednika o większą pulę, default_pool_size), albo serwer za pośrednikiem jest nieosiągalny (należy poprosić administratora serwera o sprawdzenie, czy serwer działa). Następnie należy ponownie uruchomić program Valtora.</translation>
    </message>
</context>
<context>
    <name>DesktopEntry</name>
    <message>
        <source>Chemical Elements Quiz</source>
        <extracomment>The kind of program, as menus show it beside its name.</extracomment>
        <translation>Quiz o pierwiastkach chemicznych</translation>
    </message>
    <message>
        <source>Drill the symbols and names of the chemical elements</source>
        <extracomment>What the program is for, in a line: menus&apos; tooltips, software centres&apos; summary.</extracomment>
        <translation>Ćwiczenie symboli i nazw pierwiastków chemicznych</translation>
    </message>
    <message>
        <source>chemistry;elements;periodic table;symbol;quiz;school;</source>
        <extracomment>Words a desktop&apos;s search finds the program by, each followed by a semicolon.</extracomment>
        <translation>chemia;pierwiastki;układ okresowy;symbol;quiz;szkoła;</translation>
    </message>
    <message>
        <source>Valtora is a quiz on the chemical elements. It shows an element&apos;s atomic number, symbol, name and atomic mass with the symbol or the name covered, and you type what is covered.</source>
        <extracomment>Software centres: the description.</extracomment>
        <translation>Valtora to quiz o pierwiastkach chemicznych. Pokazuje liczbę atomową, symbol, nazwę i masę atomową pierwiastka z zakrytym symbolem lub nazwą, a ty wpisujesz to, co zakryte.</translation>
    </message>
    <message>
        <source>Guess the symbol or the name</source>
        <extracomment>Software centres: a feature in the description&apos;s list.</extracomment>
        <translation>Zgadywanie symbolu lub nazwy</translation>
    </message>
    <message>
        <source>Draw from the first 36 elements, from those a school course knows, or from all 103</source>
        <extracomment>Software centres: a feature in the description&apos;s list.</extracomment>
        <translation>Losowanie spośród 36 pierwszych pierwiastków, tych z kursu szkolnego lub wszystkich 103</translation>
    </message>
    <message>
        <source>Played by keyboard alone, and read out by screen readers</source>
        <extracomment>Software centres: a feature in the description&apos;s list.</extracomment>
        <translation>Obsługa samą klawiaturą i odczyt przez czytniki ekranu</translation>
    </message>
    <message numerus="yes">
        <source>In %n languages, the element names included</source>
        <extracomment>Software centres: a feature in the description&apos;s list; %n counts English too.</extracomment>
        <translation>
            <numerusform>W %n języku, łącznie z nazwami pierwiastków</numerusform>
            <numerusform>W %n językach, łącznie z nazwami pierwiastków</numerusform>
            <numerusform>W %n językach, łącznie z nazwami pierwiastków</numerusform>
        </translation>
    </message>
    <message>
        <source>Needs no setup; a school can serve its own element table to every desk from one server</source>
        <extracomment>Software centres: a feature in the description&apos;s list.</extracomment>
        <translation>Nie wymaga konfiguracji; szkoła może udostępnić własną tabelę pierwiastków każdemu stanowisku z jednego serwera</translation>
    </message>
    <message>
        <source>The quiz after one spin, the symbol covered</source>
        <extracomment>Software centres: the caption of the screenshot.</extracomment>
        <translation>Quiz po jednym losowaniu, z zakrytym symbolem</translation>
    </message>
</context>
<context>
    <name>ElementDatabase</name>
    <message>
        <source>the embedded element table</source>
        <translation>Wbudowana tabela pierwiastków</translation>
    </message>
    <message>
        <source>%1: Qt&apos;s ODBC driver (QODBC) is not installed.</source>
        <translation>%1: sterownik ODBC biblioteki Qt (QODBC) nie jest zainstalowany.</translation>
    </message>
    <message>
        <source>%1 cannot be opened.</source>
        <translation>%1: nie można otworzyć źródła danych.</translation>
    </message>
    <message>
        <source>%1: Qt&apos;s SQLite driver (QSQLITE) is not installed.</source>
        <translation>%1: sterownik SQLite biblioteki Qt (QSQLITE) nie jest zainstalowany.</translation>
    </message>
    <message>
        <source>The query &quot;%1&quot; on %2 failed.</source>
        <translation>%2: zapytanie „%1” nie powiodło się.</translation>
    </message>
</context>
<context>
    <name>ElementLookup</name>
    <message>
        <source>&quot;%1&quot; is not an atomic number to look up.</source>
        <translation>„%1” nie jest liczbą atomową, którą można wyszukać.</translation>
    </message>
    <message>
        <source>There is no row for atomic number %1 in table %2.</source>
        <translation>W tabeli %2 nie ma wiersza dla liczby atomowej %1.</translation>
    </message>
    <message>
        <source>The row for atomic number %1 in table %2 has no symbol (%3 is empty): no answer could be judged against it.</source>
        <translation>Wiersz dla liczby atomowej %1 w tabeli %2 nie zawiera symbolu (kolumna %3 jest pusta), więc żadnej odpowiedzi nie dałoby się z nim porównać.</translation>
    </message>
    <message>
        <source>The row for atomic number %1 in table %2 has no name (%3 is empty): no answer could be judged against it.</source>
        <translation>Wiersz dla liczby atomowej %1 w tabeli %2 nie zawiera nazwy (kolumna %3 jest pusta), więc żadnej odpowiedzi nie dałoby się z nim porównać.</translation>
    </message>
</context>
<context>
    <name>ElementTableCheck</name>
    <message>
        <source> and %1 more</source>
        <translation> i jeszcze %1</translation>
    </message>
    <message>
        <source>It has the columns %1.</source>
        <translation>Tabela ma kolumny %1.</translation>
    </message>
    <message>
        <source>The table %1 of %2 cannot be used.
%3</source>
        <translation>%2: nie można użyć tabeli %1.
%3</translation>
    </message>
    <message>
        <source>%1 has no table %2.</source>
        <translation>%1: brak tabeli %2.</translation>
    </message>
    <message>
        <source>Missing columns: %1.</source>
        <translation>Brak kolumn: %1.</translation>
    </message>
    <message>
        <source>The file was imported twice into the same database: its header row is a row of the table, and every element is there twice. Import it again into a fresh database file (delete the old one first).</source>
        <translation>Plik zaimportowano dwa razy do tej samej bazy danych: jego wiersz nagłówka stał się wierszem tabeli, a każdy pierwiastek występuje dwukrotnie. Należy zaimportować plik ponownie do nowego pliku bazy danych (wcześniej usuwając stary).</translation>
    </message>
    <message>
        <source>No row for atomic numbers %1.</source>
        <translation>Brak wiersza dla liczb atomowych: %1.</translation>
    </message>
    <message>
        <source>More than one row for atomic numbers %1.</source>
        <translation>Więcej niż jeden wiersz dla liczb atomowych: %1.</translation>
    </message>
    <message>
        <source>Atomic numbers that are not whole numbers: %1.</source>
        <translation>Liczby atomowe, które nie są liczbami całkowitymi: %1.</translation>
    </message>
    <message>
        <source>Rows without an atomic number: %1.</source>
        <translation>Wiersze bez liczby atomowej: %1.</translation>
    </message>
    <message>
        <source>No symbol for atomic numbers %1.</source>
        <translation>Brak symbolu dla liczb atomowych: %1.</translation>
    </message>
    <message>
        <source>No name for atomic numbers %1.</source>
        <translation>Brak nazwy dla liczb atomowych: %1.</translation>
    </message>
    <message>
        <source>Names that no answer can match, since answers are put in proper case (&quot;Iron&quot;, not &quot;iron&quot; or &quot;IRON&quot;), for atomic numbers %1.</source>
        <translation>Nazwy, do których nie może pasować żadna odpowiedź, bo odpowiedzi są zapisywane wielką literą tylko na początku („Żelazo”, a nie „żelazo” ani „ŻELAZO”), dla liczb atomowych: %1.</translation>
    </message>
    <message>
        <source>Symbols or names with blanks around them, which no answer can match, for atomic numbers %1.</source>
        <translation>Symbole lub nazwy ze spacjami na początku lub na końcu, do których nie może pasować żadna odpowiedź, dla liczb atomowych: %1.</translation>
    </message>
    <message>
        <source>see &quot;From a spreadsheet&quot; in the README, installed as %1</source>
        <translation>zob. sekcję „From a spreadsheet” w pliku README, zainstalowanym jako %1</translation>
    </message>
    <message>
        <source>The file was saved with semicolons between its columns, as office programs do where decimals are written with a comma: import it with .separator &quot;;&quot; (%1).</source>
        <translation>Plik zapisano ze średnikami między kolumnami, jak robią to programy biurowe tam, gdzie ułamki dziesiętne zapisuje się z przecinkiem: należy go zaimportować z opcją .separator &quot;;&quot; (%1).</translation>
    </message>
    <message>
        <source>The file was saved with tabs between its columns: import it with .separator &quot;\t&quot; instead of --csv (%1).</source>
        <translation>Plik zapisano z tabulatorami między kolumnami: należy go zaimportować z opcją .separator &quot;\t&quot; zamiast --csv (%1).</translation>
    </message>
    <message>
        <source>Its first row holds the column names: the file has a title row above its header. Import it with --skip 1, or delete the title row (%1).</source>
        <translation>Pierwszy wiersz tabeli zawiera nazwy kolumn: plik ma nad nagłówkiem wiersz tytułowy. Należy go zaimportować z opcją --skip 1 albo usunąć wiersz tytułowy (%1).</translation>
    </message>
    <message>
        <source>Reading it failed.</source>
        <translation>Odczyt tabeli się nie powiódł.</translation>
    </message>
    <message>
        <source>Atomic numbers with blanks around them, which the lookup&apos;s query does not find: %1.</source>
        <translation>Liczby atomowe ze spacjami na początku lub końcu, których zapytanie wyszukujące nie znajduje: %1.</translation>
    </message>
    <message>
        <source>The file&apos;s header row (%1) is a row of the table: the table was made before the import, which read the header as data. Import the file into a fresh database, or with --skip 1 (%2).</source>
        <translation>Wiersz nagłówka pliku (%1) jest wierszem tabeli: tabelę utworzono przed importem, który odczytał nagłówek jako dane. Należy zaimportować plik do nowej bazy danych albo z opcją --skip 1 (%2).</translation>
    </message>
    <message>
        <source>Looking an element up by its number fails: AtomicNumber must compare with a bare number, as in &quot;%1&quot;.</source>
        <translation>Wyszukiwanie pierwiastka po liczbie atomowej się nie udaje: AtomicNumber musi dać się porównać z samą liczbą, jak w „%1”.</translation>
    </message>
    <message>
        <source>Symbols or names with invisible characters in them (zero-width spaces or joiners, soft hyphens, direction marks), which no typed answer holds, for atomic numbers %1.</source>
        <translation>Symbole lub nazwy z niewidocznymi znakami (spacje lub łączniki o zerowej szerokości, miękkie łączniki, znaczniki kierunku), których żadna wpisana odpowiedź nie zawiera, dla liczb atomowych %1.</translation>
    </message>
    <message>
        <source>Symbols or names with characters that no element&apos;s name has, as a file saved in another character set than UTF-8 leaves them (&quot;?&quot;, &quot;Ã³&quot;, &quot;Å¼&quot;), for atomic numbers %1. Save the sheet again as CSV in the character set &quot;Unicode (UTF-8)&quot;, or convert the file with iconv, and import it again (%2).</source>
        <translation type="vanished">Symbole lub nazwy ze znakami, których nie ma w nazwie żadnego pierwiastka, jakie zostawia plik zapisany w innym kodowaniu niż UTF-8 („?”, „Ã³”, „Å¼”), dla liczb atomowych %1. Należy ponownie zapisać arkusz jako CSV z kodowaniem „Unicode (UTF-8)” albo przekonwertować plik programem iconv i ponownie go zaimportować (%2).</translation>
    </message>
    <message>
        <source>The file was saved as UTF-16 (&quot;Unicode text&quot; in office programs), which the import does not read. Convert it with &quot;iconv -f %1 -t UTF-8 elements.csv &gt; elements-utf8.csv&quot; and import elements-utf8.csv, or save the sheet again as CSV in the character set &quot;Unicode (UTF-8)&quot; (%2).</source>
        <translation>Plik zapisano jako UTF-16 („Tekst Unicode” w programach biurowych), którego import nie odczytuje. Należy przekonwertować go poleceniem „iconv -f %1 -t UTF-8 elements.csv &gt; elements-utf8.csv” i zaimportować elements-utf8.csv albo ponownie zapisać arkusz jako CSV z kodowaniem „Unicode (UTF-8)” (%2).</translation>
    </message>
    <message>
        <source>Names with characters that no element&apos;s name has, garbled because the file was saved in the character set %1 and read as %2, for atomic numbers %3. Read it as %1: in psql, give &quot;\encoding %4&quot; before \copy, or convert it first with &quot;iconv -f %5 -t UTF-8&quot;, and import it again (%6).</source>
        <translation>Nazwy ze znakami, których nie ma w nazwie żadnego pierwiastka, zniekształcone, bo plik zapisano w kodowaniu %1, a odczytano jako %2, dla liczb atomowych %3. Należy odczytać go jako %1: w psql podać „\encoding %4” przed \copy albo najpierw przekonwertować go poleceniem „iconv -f %5 -t UTF-8”, i ponownie go zaimportować (%6).</translation>
    </message>
    <message>
        <source>Names with characters that no element&apos;s name has, garbled because the file was saved in the character set %1 and read as %2, for atomic numbers %3. Convert it with &quot;%4 &gt; elements-utf8.csv&quot; and import elements-utf8.csv in its place (%5).</source>
        <translation>Nazwy ze znakami, których nie ma w nazwie żadnego pierwiastka, zniekształcone, bo plik zapisano w kodowaniu %1, a odczytano jako %2, dla liczb atomowych %3. Należy przekonwertować go poleceniem „%4 &gt; elements-utf8.csv” i zaimportować w jego miejsce elements-utf8.csv (%5).</translation>
    </message>
    <message>
        <source>Symbols or names with characters that no element&apos;s name has, such as &quot;?&quot; or the letter pairs (&quot;Ã³&quot;, &quot;Å¼&quot;) that a file saved in another character set than UTF-8 leaves, or with no letter at their start or end (&quot;-&quot;, a lone accent), for atomic numbers %1. Retype those cells, or save the sheet again as CSV in the character set &quot;Unicode (UTF-8)&quot; (or convert the file with iconv) and import it again (%2).</source>
        <translation>Symbole lub nazwy ze znakami, których nie ma w nazwie żadnego pierwiastka, takimi jak „?” albo pary liter („Ã³”, „Å¼”), jakie zostawia plik zapisany w innym kodowaniu niż UTF-8, lub bez litery na początku albo na końcu („-”, samotny akcent), dla liczb atomowych %1. Należy ponownie wpisać te komórki albo ponownie zapisać arkusz jako CSV z kodowaniem „Unicode (UTF-8)” (lub przekonwertować plik programem iconv) i ponownie go zaimportować (%2).</translation>
    </message>
</context>
<context>
    <name>OdbcDataSource</name>
    <message>
        <source>ODBC data source &quot;%1&quot;</source>
        <translation>Źródło danych ODBC „%1”</translation>
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
        <translation>W programie brakuje skryptu, który tworzy tabelę pierwiastków.</translation>
    </message>
    <message>
        <source>The element table&apos;s script cannot be run: %1</source>
        <translation>Nie można wykonać skryptu, który tworzy tabelę pierwiastków: %1</translation>
    </message>
    <message>
        <source>The element names in %1 cannot be loaded: %2</source>
        <translation>Nie można wczytać nazw pierwiastków dla języka %1: %2</translation>
    </message>
</context>
<context>
    <name>frmElements</name>
    <message>
        <source>Elements</source>
        <translation>Pierwiastki</translation>
    </message>
    <message>
        <source>Atomic Number</source>
        <translation>Liczba atom.</translation>
    </message>
    <message>
        <source>Symbol</source>
        <translation>Symbol</translation>
    </message>
    <message>
        <source>Element Name</source>
        <translation>Nazwa</translation>
    </message>
    <message>
        <source>Atomic Mass</source>
        <translation>Masa atomowa</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Odp.</translation>
    </message>
    <message>
        <source>Created by Orvashel</source>
        <translation>Autor: Orvashel</translation>
    </message>
    <message>
        <source>Spin</source>
        <translation>Losuj</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Sprawdź</translation>
    </message>
    <message>
        <source>Step 1</source>
        <translation>Krok 1</translation>
    </message>
    <message>
        <source>Guess the Name</source>
        <translation>Zgadnij nazwę</translation>
    </message>
    <message>
        <source>Guess the Symbol</source>
        <translation>Zgadnij symbol</translation>
    </message>
    <message>
        <source>Step 2</source>
        <translation>Krok 2</translation>
    </message>
    <message>
        <source>Elements 1 to 36</source>
        <translation>Pierwiastki 1–36</translation>
    </message>
    <message>
        <source>Elements 1 to 38, 40, 42, 47 - 57, 74, 78 - 80</source>
        <translation>Pierwiastki 1–38, 40, 42, 47–57, 74, 78–80</translation>
    </message>
    <message>
        <source>Elements 1 to 38, 40, 42, 47 - 57, 74, 78 - 89, 92, 94, 95</source>
        <translation>Pierwiastki 1–38, 40, 42, 47–57, 74, 78–89, 92, 94, 95</translation>
    </message>
    <message>
        <source>Elements 1 to 103</source>
        <translation>Pierwiastki 1–103</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Zakończ</translation>
    </message>
    <message>
        <source>Shortcut: %1</source>
        <translation>Skrót klawiszowy: %1</translation>
    </message>
</context>
</TS>
