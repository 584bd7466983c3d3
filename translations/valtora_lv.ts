<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="lv" sourcelanguage="en">
<context>
    <name>AnswerCheck</name>
    <message>
        <source>Your my hero</source>
        <translation>Lieliski! Tu esi zvaigzne!</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>Mēģini vēlreiz</translation>
    </message>
</context>
<context>
    <name>ApplicationStart</name>
    <message>
        <source>valtora: no display could be opened. Choose one with DISPLAY (X11) or WAYLAND_DISPLAY (Wayland), or run without one with &quot;-platform offscreen&quot;.</source>
        <translation>valtora: neizdevās atvērt nevienu displeju. Izvēlieties to ar DISPLAY (X11) vai WAYLAND_DISPLAY (Wayland) vai palaidiet programmu Valtora bez displeja ar “-platform offscreen”.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>A desktop quiz on the chemical elements.</source>
        <translation>Datora viktorīna par ķīmiskajiem elementiem.</translation>
    </message>
    <message>
        <source>valtora: &quot;%1&quot; is not an option or argument of Valtora; &quot;valtora --help&quot; lists them.</source>
        <translation>valtora: “%1” nav ne programmas Valtora opcija, ne arguments; tās uzskaita “valtora --help”.</translation>
    </message>
</context>
<context>
    <name>DataControl</name>
    <message>
        <source>The table on %1 has no column %2.</source>
        <translation>%1: tabulā nav kolonnas %2.</translation>
    </message>
</context>
<context>
    <name>DataSourceFaults</name>
    <message>
        <source>%1 names the ODBC driver &quot;%2&quot;, which is not installed on this computer. Install it, or name an installed driver on the data source&apos;s Driver line: the command &quot;odbcinst -q -d&quot; lists them.</source>
        <translation>%1: norādītais ODBC draiveris “%2” šajā datorā nav instalēts. Instalējiet to vai datu avota rindā Driver norādiet instalētu draiveri: instalētos draiverus parāda komanda “odbcinst -q -d”.</translation>
    </message>
    <message>
        <source>%1 names no database file: its Database line is empty. Put the path of the SQLite file that holds the table elements there.</source>
        <translation>%1: nav norādīts datubāzes fails, jo rinda Database ir tukša. Ierakstiet tajā ceļu uz SQLite failu, kurā ir tabula elements.</translation>
    </message>
    <message>
        <source>The database file &quot;%2&quot; of %1 does not exist. Check the path on the data source&apos;s Database line.</source>
        <translation>%1: datubāzes fails “%2” neeksistē. Pārbaudiet ceļu datu avota rindā Database.</translation>
    </message>
    <message>
        <source>The file &quot;%2&quot; of %1 is not an SQLite database. Check the path on the data source&apos;s Database line, or make the file again with the sqlite3 shell.</source>
        <translation>%1: fails “%2” nav SQLite datubāze. Pārbaudiet ceļu datu avota rindā Database vai izveidojiet failu no jauna ar sqlite3 čaulu.</translation>
    </message>
    <message>
        <source>The database file &quot;%2&quot; of %1 is locked by another program that is changing it. Close that program, or end its transaction, then start Valtora again.</source>
        <translation>%1: datubāzes failu “%2” ir bloķējusi cita programma, kas to maina. Aizveriet šo programmu vai pabeidziet tās transakciju, pēc tam vēlreiz palaidiet programmu Valtora.</translation>
    </message>
    <message>
        <source>The server of %1 accepts no more connections: all it allows are in use. Close Valtora on another desk, or ask whoever runs the server to allow more connections or to put a connection pooler in front of it.</source>
        <translation>%1: serveris vairs nepieņem savienojumus, jo visi atļautie savienojumi ir aizņemti. Aizveriet programmu Valtora citā darba vietā vai lūdziet servera administratoru atļaut vairāk savienojumu vai novietot servera priekšā savienojumu pūla starpnieku (connection pooler).</translation>
    </message>
    <message>
        <source>The server of %1 refused the login. Check the Username, Password and Database lines of the data source, and that the server lets that role connect from this computer (pg_hba.conf).</source>
        <translation>%1: serveris noraidīja pieteikšanos. Pārbaudiet datu avota rindas Username, Password un Database, kā arī to, vai serveris ļauj šai lomai pieslēgties no šī datora (pg_hba.conf).</translation>
    </message>
    <message>
        <source>The server of %1 cannot be reached. Check the Servername and Port lines of the data source, that the server is running, and that this computer can reach it over the network.</source>
        <translation>%1: serveris nav sasniedzams. Pārbaudiet datu avota rindas Servername un Port, vai serveris darbojas un vai šis dators to var sasniegt tīklā.</translation>
    </message>
    <message>
        <source>The connection to the server of %1 was lost: the server was stopped or restarted, or the network failed. Start Valtora again once the server is back.</source>
        <translation>%1: savienojums ar serveri tika pārtraukts: serveris tika apturēts vai pārstartēts, vai arī radās tīkla kļūme. Kad serveris atkal darbojas, vēlreiz palaidiet programmu Valtora.</translation>
    </message>
    <message>
        <source>%1 did not answer within %2 seconds. Check that its server is running and not overloaded, and that no other program holds its database locked, then start Valtora again.</source>
        <translation>%1: atbilde netika saņemta %2 s laikā. Pārbaudiet, vai serveris darbojas un nav pārslogots un vai neviena cita programma netur datubāzi bloķētu, pēc tam vēlreiz palaidiet programmu Valtora.</translation>
    </message>
    <message>
        <source>The driver said: %1</source>
        <translation>Draivera ziņojums: %1</translation>
    </message>
    <message>
        <source>The server of %1 is starting up or shutting down, and accepts no connections now. Start Valtora again in a minute; if it keeps saying so, ask whoever runs the server.</source>
        <translation>%1: serveris pašlaik startē vai izslēdzas un nepieņem savienojumus. Vēlreiz palaidiet programmu Valtora pēc minūtes; ja ziņojums atkārtojas, vērsieties pie servera administratora.</translation>
    </message>
    <message>
        <source>The server of %1 ended the connection on an administrator&apos;s command: someone ended Valtora&apos;s session on the server, or the server was stopped or restarted. Start Valtora again once the server is back.</source>
        <translation>%1: serveris pārtrauca savienojumu pēc administratora komandas: kāds pārtrauca programmas Valtora sesiju serverī, vai arī serveris tika apturēts vai pārstartēts. Kad serveris atkal darbojas, vēlreiz palaidiet programmu Valtora.</translation>
    </message>
    <message>
        <source>The server of %1 closed the connection because it was idle for longer than the server allows (its setting idle_session_timeout). Ask whoever runs the server to lift that limit for the quiz&apos;s role (alter role quiz set idle_session_timeout = 0), then start Valtora again.</source>
        <translation>%1: serveris aizvēra savienojumu, jo tas bija neaktīvs ilgāk, nekā serveris atļauj (tā iestatījums idle_session_timeout). Lūdziet servera administratoru atcelt šo ierobežojumu viktorīnas lomai (alter role quiz set idle_session_timeout = 0), pēc tam vēlreiz palaidiet programmu Valtora.</translation>
    </message>
    <message>
        <source>A query of Valtora&apos;s on the server of %1 was cancelled on an administrator&apos;s command (pg_cancel_backend, or another program that cancels queries). Start Valtora again.</source>
        <translation>%1: programmas Valtora vaicājums serverī tika atcelts pēc administratora komandas (pg_cancel_backend vai cita programma, kas atceļ vaicājumus). Vēlreiz palaidiet programmu Valtora.</translation>
    </message>
    <message>
        <source>The connection pooler in front of the server of %1 gave up waiting for a free server connection, after as long as its setting query_wait_timeout allows. Close Valtora on desks that do not need it, or ask whoever runs the pooler for a larger pool (default_pool_size), then start Valtora again.</source>
        <translation type="vanished">%1: savienojumu pūla starpnieks servera priekšā pārstāja gaidīt brīvu savienojumu ar serveri, nogaidījis tik ilgi, cik atļauj tā iestatījums query_wait_timeout. Aizveriet programmu Valtora darba vietās, kur tā nav vajadzīga, vai lūdziet starpnieka administratoru palielināt pūlu (default_pool_size), pēc tam vēlreiz palaidiet programmu Valtora.</translation>
    </message>
    <message>
        <source>Likely causes: the table elements or one of its columns was changed while the quiz ran, the server ended the connection, or the driver cannot read a value of the table.</source>
        <translation>Iespējamie cēloņi: viktorīnas laikā tika mainīta tabula elements vai kāda tās kolonna, serveris pārtrauca savienojumu, vai arī draiveris nevar nolasīt kādu tabulas vērtību.</translation>
    </message>
    <message>
        <source>Likely causes: this user may not read the file on the data source&apos;s Database line, or the SQLite driver is set up wrongly (&quot;isql -v Elements&quot; shows what it says).</source>
        <translation>Iespējamie cēloņi: šim lietotājam nav atļauts lasīt datu avota rindā Database norādīto failu, vai arī SQLite draiveris ir nepareizi iestatīts (ko tas ziņo, parāda “isql -v Elements”).</translation>
    </message>
    <message>
        <source>Likely causes: the server is not running or this computer cannot reach it, the data source&apos;s Servername, Port, Database, Username or Password line does not match the server, or its driver is set up wrongly (&quot;isql -v Elements&quot; shows what it says).</source>
        <translation>Iespējamie cēloņi: serveris nedarbojas vai šis dators to nevar sasniegt, datu avota rinda Servername, Port, Database, Username vai Password neatbilst serverim, vai arī draiveris ir nepareizi iestatīts (ko tas ziņo, parāda “isql -v Elements”).</translation>
    </message>
    <message>
        <source>The server of %1 gave up waiting for a lock on the table elements, after as long as its setting lock_timeout allows: another program holds the table locked, changing it or in a transaction left open. Ask whoever runs the server to end that program&apos;s transaction, then start Valtora again.</source>
        <translation>%1: serveris pārstāja gaidīt tabulas elements bloķējumu, nogaidījis tik ilgi, cik atļauj tā iestatījums lock_timeout: cita programma tur tabulu bloķētu, jo to maina vai ir atstājusi atvērtu transakciju. Lūdziet servera administratoru pabeigt šīs programmas transakciju, pēc tam vēlreiz palaidiet programmu Valtora.</translation>
    </message>
    <message>
        <source>The server of %1 does not let the role &quot;%2&quot; read the table elements. Ask whoever runs the server to allow it: grant select on elements to %2;</source>
        <translation>%1: serveris neļauj lomai “%2” lasīt tabulu elements. Lūdziet servera administratoru to atļaut: grant select on elements to %2;</translation>
    </message>
    <message>
        <source>The connection pooler in front of the server of %1 gave up waiting for a server connection, after as long as its setting query_wait_timeout allows. Either every connection of its pool is in use (close Valtora on desks that do not need it, or ask whoever runs the pooler for a larger pool, default_pool_size), or the server behind it cannot be reached (ask whoever runs it to check that it is running). Then start Valtora again.</source>
        <translation>%1: savienojumu pūla starpnieks servera priekšā pārstāja gaidīt savienojumu ar serveri, nogaidījis tik ilgi, cik atļauj tā iestatījums query_wait_timeout. Vai nu visi tā pūla savienojumi ir aizņemti (aizveriet programmu Valtora darba vietās, kur tā nav vajadzīga, vai lūdziet starpnieka administratoru palielināt pūlu, default_pool_size), vai arī aiz tā esošais serveris nav sasniedzams (lūdziet servera administratoru pārbaudīt, vai tas darbojas). Pēc tam vēlreiz palaidiet programmu Valtora.</translation>
    </message>
</context>
<context>
    <name>DesktopEntry</name>
    <message>
        <source>Chemical Elements Quiz</source>
        <extracomment>The kind of program, as menus show it beside its name.</extracomment>
        <translation>Ķīmisko elementu viktorīna</translation>
    </message>
    <message>
        <source>Drill the symbols and names of the chemical elements</source>
        <extracomment>What the program is for, in a line: menus&apos; tooltips, software centres&apos; summary.</extracomment>
        <translation>Ķīmisko elementu simbolu un nosaukumu apgūšana</translation>
    </message>
    <message>
        <source>chemistry;elements;periodic table;symbol;quiz;school;</source>
        <extracomment>Words a desktop&apos;s search finds the program by, each followed by a semicolon.</extracomment>
        <translation>ķīmija;elementi;periodiskā tabula;simbols;viktorīna;skola;</translation>
    </message>
    <message>
        <source>Valtora is a quiz on the chemical elements. It shows an element&apos;s atomic number, symbol, name and atomic mass with the symbol or the name covered, and you type what is covered.</source>
        <extracomment>Software centres: the description.</extracomment>
        <translation>Valtora ir viktorīna par ķīmiskajiem elementiem. Tā parāda elementa kārtas numuru, simbolu, nosaukumu un atommasu ar aizklātu simbolu vai nosaukumu, un tu ieraksti to, kas aizklāts.</translation>
    </message>
    <message>
        <source>Guess the symbol or the name</source>
        <extracomment>Software centres: a feature in the description&apos;s list.</extracomment>
        <translation>Simbola vai nosaukuma minēšana</translation>
    </message>
    <message>
        <source>Draw from the first 36 elements, from those a school course knows, or from all 103</source>
        <extracomment>Software centres: a feature in the description&apos;s list.</extracomment>
        <translation>Izloze no pirmajiem 36 elementiem, no skolas kursā apgūstamajiem vai no visiem 103</translation>
    </message>
    <message>
        <source>Played by keyboard alone, and read out by screen readers</source>
        <extracomment>Software centres: a feature in the description&apos;s list.</extracomment>
        <translation>Spēlējama tikai ar tastatūru, un ekrāna lasītāji to nolasa balsī</translation>
    </message>
    <message numerus="yes">
        <source>In %n languages, the element names included</source>
        <extracomment>Software centres: a feature in the description&apos;s list; %n counts English too.</extracomment>
        <translation>
            <numerusform>%n valodā, ieskaitot elementu nosaukumus</numerusform>
            <numerusform>%n valodās, ieskaitot elementu nosaukumus</numerusform>
            <numerusform>%n valodās, ieskaitot elementu nosaukumus</numerusform>
        </translation>
    </message>
    <message>
        <source>Needs no setup; a school can serve its own element table to every desk from one server</source>
        <extracomment>Software centres: a feature in the description&apos;s list.</extracomment>
        <translation>Nav nepieciešama iestatīšana; skola var no viena servera nodrošināt savu elementu tabulu katrai darba vietai</translation>
    </message>
    <message>
        <source>The quiz after one spin, the symbol covered</source>
        <extracomment>Software centres: the caption of the screenshot.</extracomment>
        <translation>Viktorīna pēc vienas izlozes, ar aizklātu simbolu</translation>
    </message>
</context>
<context>
    <name>ElementDatabase</name>
    <message>
        <source>the embedded element table</source>
        <translation>Iebūvētā elementu tabula</translation>
    </message>
    <message>
        <source>%1: Qt&apos;s ODBC driver (QODBC) is not installed.</source>
        <translation>%1: Qt ODBC draiveris (QODBC) nav instalēts.</translation>
    </message>
    <message>
        <source>%1 cannot be opened.</source>
        <translation>%1: datu avotu nevar atvērt.</translation>
    </message>
    <message>
        <source>%1: Qt&apos;s SQLite driver (QSQLITE) is not installed.</source>
        <translation>%1: Qt SQLite draiveris (QSQLITE) nav instalēts.</translation>
    </message>
    <message>
        <source>The query &quot;%1&quot; on %2 failed.</source>
        <translation>%2: vaicājums “%1” neizdevās.</translation>
    </message>
</context>
<context>
    <name>ElementLookup</name>
    <message>
        <source>&quot;%1&quot; is not an atomic number to look up.</source>
        <translation>“%1” nav kārtas numurs, ko var uzmeklēt.</translation>
    </message>
    <message>
        <source>There is no row for atomic number %1 in table %2.</source>
        <translation>Tabulā %2 nav rindas ar kārtas numuru %1.</translation>
    </message>
    <message>
        <source>The row for atomic number %1 in table %2 has no symbol (%3 is empty): no answer could be judged against it.</source>
        <translation>Tabulas %2 rindā ar kārtas numuru %1 nav simbola (kolonna %3 ir tukša), tāpēc ar to nevar salīdzināt nevienu atbildi.</translation>
    </message>
    <message>
        <source>The row for atomic number %1 in table %2 has no name (%3 is empty): no answer could be judged against it.</source>
        <translation>Tabulas %2 rindā ar kārtas numuru %1 nav nosaukuma (kolonna %3 ir tukša), tāpēc ar to nevar salīdzināt nevienu atbildi.</translation>
    </message>
</context>
<context>
    <name>ElementTableCheck</name>
    <message>
        <source> and %1 more</source>
        <translation> un vēl %1</translation>
    </message>
    <message>
        <source>It has the columns %1.</source>
        <translation>Tabulas kolonnas: %1.</translation>
    </message>
    <message>
        <source>The table %1 of %2 cannot be used.
%3</source>
        <translation>%2: tabulu %1 nevar izmantot.
%3</translation>
    </message>
    <message>
        <source>%1 has no table %2.</source>
        <translation>%1: nav tabulas %2.</translation>
    </message>
    <message>
        <source>Missing columns: %1.</source>
        <translation>Trūkst kolonnu: %1.</translation>
    </message>
    <message>
        <source>The file was imported twice into the same database: its header row is a row of the table, and every element is there twice. Import it again into a fresh database file (delete the old one first).</source>
        <translation>Fails vienā un tajā pašā datubāzē importēts divreiz: tā galvenes rinda ir kļuvusi par tabulas rindu, un katrs elements tabulā ir divreiz. Importējiet failu vēlreiz jaunā datubāzes failā (vispirms izdzēsiet veco).</translation>
    </message>
    <message>
        <source>No row for atomic numbers %1.</source>
        <translation>Nav rindas šiem kārtas numuriem: %1.</translation>
    </message>
    <message>
        <source>More than one row for atomic numbers %1.</source>
        <translation>Vairāk nekā viena rinda šiem kārtas numuriem: %1.</translation>
    </message>
    <message>
        <source>Atomic numbers that are not whole numbers: %1.</source>
        <translation>Kārtas numuri, kas nav veseli skaitļi: %1.</translation>
    </message>
    <message>
        <source>Rows without an atomic number: %1.</source>
        <translation>Rindas bez kārtas numura: %1.</translation>
    </message>
    <message>
        <source>No symbol for atomic numbers %1.</source>
        <translation>Nav simbola šiem kārtas numuriem: %1.</translation>
    </message>
    <message>
        <source>No name for atomic numbers %1.</source>
        <translation>Nav nosaukuma šiem kārtas numuriem: %1.</translation>
    </message>
    <message>
        <source>Names that no answer can match, since answers are put in proper case (&quot;Iron&quot;, not &quot;iron&quot; or &quot;IRON&quot;), for atomic numbers %1.</source>
        <translation>Nosaukumi, kuriem nevar atbilst neviena atbilde, jo atbildes tiek rakstītas ar lielo sākumburtu (“Dzelzs”, nevis “dzelzs” vai “DZELZS”), šiem kārtas numuriem: %1.</translation>
    </message>
    <message>
        <source>Symbols or names with blanks around them, which no answer can match, for atomic numbers %1.</source>
        <translation>Simboli vai nosaukumi ar atstarpēm sākumā vai beigās, kuriem nevar atbilst neviena atbilde, šiem kārtas numuriem: %1.</translation>
    </message>
    <message>
        <source>see &quot;From a spreadsheet&quot; in the README, installed as %1</source>
        <translation>skatiet sadaļu “From a spreadsheet” failā README, kas instalēts kā %1</translation>
    </message>
    <message>
        <source>The file was saved with semicolons between its columns, as office programs do where decimals are written with a comma: import it with .separator &quot;;&quot; (%1).</source>
        <translation>Fails saglabāts ar semikoliem starp kolonnām, kā to dara biroja programmas tur, kur decimāldaļskaitļus raksta ar komatu: importējiet to ar .separator &quot;;&quot; (%1).</translation>
    </message>
    <message>
        <source>The file was saved with tabs between its columns: import it with .separator &quot;\t&quot; instead of --csv (%1).</source>
        <translation>Fails saglabāts ar tabulēšanas zīmēm starp kolonnām: importējiet to ar .separator &quot;\t&quot;, nevis --csv (%1).</translation>
    </message>
    <message>
        <source>Its first row holds the column names: the file has a title row above its header. Import it with --skip 1, or delete the title row (%1).</source>
        <translation>Tabulas pirmajā rindā ir kolonnu nosaukumi: failā virs galvenes rindas ir virsraksta rinda. Importējiet to ar --skip 1 vai izdzēsiet virsraksta rindu (%1).</translation>
    </message>
    <message>
        <source>Reading it failed.</source>
        <translation>Tabulu neizdevās nolasīt.</translation>
    </message>
    <message>
        <source>Atomic numbers with blanks around them, which the lookup&apos;s query does not find: %1.</source>
        <translation>Kārtas numuri ar atstarpēm sākumā vai beigās, ko uzmeklēšanas vaicājums neatrod: %1.</translation>
    </message>
    <message>
        <source>The file&apos;s header row (%1) is a row of the table: the table was made before the import, which read the header as data. Import the file into a fresh database, or with --skip 1 (%2).</source>
        <translation>Faila galvenes rinda (%1) ir tabulas rinda: tabula tika izveidota pirms importēšanas, kas galveni nolasīja kā datus. Importējiet failu jaunā datubāzē vai ar --skip 1 (%2).</translation>
    </message>
    <message>
        <source>Looking an element up by its number fails: AtomicNumber must compare with a bare number, as in &quot;%1&quot;.</source>
        <translation>Elementa uzmeklēšana pēc kārtas numura neizdodas: AtomicNumber jābūt salīdzināmam ar skaitli bez pēdiņām, kā “%1”.</translation>
    </message>
    <message>
        <source>Symbols or names with invisible characters in them (zero-width spaces or joiners, soft hyphens, direction marks), which no typed answer holds, for atomic numbers %1.</source>
        <translation>Simboli vai nosaukumi ar neredzamām rakstzīmēm (nulles platuma atstarpēm vai savienotājiem, mīkstajām defisēm, virziena zīmēm), kuras nesatur neviena ievadīta atbilde, šiem kārtas numuriem: %1.</translation>
    </message>
    <message>
        <source>Symbols or names with characters that no element&apos;s name has, as a file saved in another character set than UTF-8 leaves them (&quot;?&quot;, &quot;Ã³&quot;, &quot;Å¼&quot;), for atomic numbers %1. Save the sheet again as CSV in the character set &quot;Unicode (UTF-8)&quot;, or convert the file with iconv, and import it again (%2).</source>
        <translation type="vanished">Simboli vai nosaukumi ar rakstzīmēm, kādu nav neviena elementa nosaukumā un kādas atstāj fails, kas saglabāts citā kodējumā, nevis UTF-8 (“?”, “Ã³”, “Å¼”), šiem kārtas numuriem: %1. Saglabājiet izklājlapu vēlreiz kā CSV kodējumā “Unicode (UTF-8)” vai pārveidojiet failu ar iconv un importējiet to vēlreiz (%2).</translation>
    </message>
    <message>
        <source>The file was saved as UTF-16 (&quot;Unicode text&quot; in office programs), which the import does not read. Convert it with &quot;iconv -f %1 -t UTF-8 elements.csv &gt; elements-utf8.csv&quot; and import elements-utf8.csv, or save the sheet again as CSV in the character set &quot;Unicode (UTF-8)&quot; (%2).</source>
        <translation>Fails saglabāts kā UTF-16 (“Unicode teksts” biroja programmās), ko importēšana nenolasa. Pārveidojiet to ar “iconv -f %1 -t UTF-8 elements.csv &gt; elements-utf8.csv” un importējiet elements-utf8.csv vai saglabājiet izklājlapu vēlreiz kā CSV kodējumā “Unicode (UTF-8)” (%2).</translation>
    </message>
    <message>
        <source>Names with characters that no element&apos;s name has, garbled because the file was saved in the character set %1 and read as %2, for atomic numbers %3. Read it as %1: in psql, give &quot;\encoding %4&quot; before \copy, or convert it first with &quot;iconv -f %5 -t UTF-8&quot;, and import it again (%6).</source>
        <translation>Nosaukumi ar rakstzīmēm, kādu nav neviena elementa nosaukumā, sagrozīti, jo fails tika saglabāts kodējumā %1, bet nolasīts kā %2, šiem kārtas numuriem: %3. Nolasiet to kā %1: psql pirms \copy ievadiet “\encoding %4” vai vispirms pārveidojiet to ar “iconv -f %5 -t UTF-8” un importējiet vēlreiz (%6).</translation>
    </message>
    <message>
        <source>Names with characters that no element&apos;s name has, garbled because the file was saved in the character set %1 and read as %2, for atomic numbers %3. Convert it with &quot;%4 &gt; elements-utf8.csv&quot; and import elements-utf8.csv in its place (%5).</source>
        <translation>Nosaukumi ar rakstzīmēm, kādu nav neviena elementa nosaukumā, sagrozīti, jo fails tika saglabāts kodējumā %1, bet nolasīts kā %2, šiem kārtas numuriem: %3. Pārveidojiet to ar “%4 &gt; elements-utf8.csv” un tā vietā importējiet elements-utf8.csv (%5).</translation>
    </message>
    <message>
        <source>Symbols or names with characters that no element&apos;s name has, such as &quot;?&quot; or the letter pairs (&quot;Ã³&quot;, &quot;Å¼&quot;) that a file saved in another character set than UTF-8 leaves, or with no letter at their start or end (&quot;-&quot;, a lone accent), for atomic numbers %1. Retype those cells, or save the sheet again as CSV in the character set &quot;Unicode (UTF-8)&quot; (or convert the file with iconv) and import it again (%2).</source>
        <translation>Simboli vai nosaukumi ar rakstzīmēm, kādu nav neviena elementa nosaukumā, piemēram, “?” vai burtu pāriem (“Ã³”, “Å¼”), ko atstāj fails, kas saglabāts citā kodējumā, nevis UTF-8, vai bez burta sākumā vai beigās (“-”, atsevišķa diakritiskā zīme), šiem kārtas numuriem: %1. Ievadiet šīs šūnas no jauna vai saglabājiet izklājlapu vēlreiz kā CSV kodējumā “Unicode (UTF-8)” (vai pārveidojiet failu ar iconv) un importējiet to vēlreiz (%2).</translation>
    </message>
</context>
<context>
    <name>OdbcDataSource</name>
    <message>
        <source>ODBC data source &quot;%1&quot;</source>
        <translation>ODBC datu avots “%1”</translation>
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
        <translation>Programmā trūkst elementu tabulas skripta.</translation>
    </message>
    <message>
        <source>The element table&apos;s script cannot be run: %1</source>
        <translation>Elementu tabulas skriptu nevar izpildīt: %1</translation>
    </message>
    <message>
        <source>The element names in %1 cannot be loaded: %2</source>
        <translation>Elementu nosaukumus valodai “%1” nevar ielādēt: %2</translation>
    </message>
</context>
<context>
    <name>frmElements</name>
    <message>
        <source>Elements</source>
        <translation>Elementi</translation>
    </message>
    <message>
        <source>Atomic Number</source>
        <translation>Kārtas nr.</translation>
    </message>
    <message>
        <source>Symbol</source>
        <translation>Simbols</translation>
    </message>
    <message>
        <source>Element Name</source>
        <translation>Nosaukums</translation>
    </message>
    <message>
        <source>Atomic Mass</source>
        <translation>Atommasa</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Atbilde</translation>
    </message>
    <message>
        <source>Created by Orvashel</source>
        <translation>Autors: Orvashel</translation>
    </message>
    <message>
        <source>Spin</source>
        <translation>Izlozēt</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Pārbaudīt</translation>
    </message>
    <message>
        <source>Step 1</source>
        <translation>1. solis</translation>
    </message>
    <message>
        <source>Guess the Name</source>
        <translation>Minēt nosaukumu</translation>
    </message>
    <message>
        <source>Guess the Symbol</source>
        <translation>Minēt simbolu</translation>
    </message>
    <message>
        <source>Step 2</source>
        <translation>2. solis</translation>
    </message>
    <message>
        <source>Elements 1 to 36</source>
        <translation>Elementi 1–36</translation>
    </message>
    <message>
        <source>Elements 1 to 38, 40, 42, 47 - 57, 74, 78 - 80</source>
        <translation>Elementi 1–38, 40, 42, 47–57, 74, 78–80</translation>
    </message>
    <message>
        <source>Elements 1 to 38, 40, 42, 47 - 57, 74, 78 - 89, 92, 94, 95</source>
        <translation>Elementi 1–38, 40, 42, 47–57, 74, 78–89, 92, 94, 95</translation>
    </message>
    <message>
        <source>Elements 1 to 103</source>
        <translation>Elementi 1–103</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beigt</translation>
    </message>
    <message>
        <source>Shortcut: %1</source>
        <translation>Īsinājumtaustiņš: %1</translation>
    </message>
</context>
</TS>
