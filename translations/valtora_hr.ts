<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hr" sourcelanguage="en">
<context>
    <name>AnswerCheck</name>
    <message>
        <source>Your my hero</source>
        <translation>Bravo, svaka čast!</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>Pokušaj ponovno</translation>
    </message>
</context>
<context>
    <name>ApplicationStart</name>
    <message>
        <source>valtora: no display could be opened. Choose one with DISPLAY (X11) or WAYLAND_DISPLAY (Wayland), or run without one with &quot;-platform offscreen&quot;.</source>
        <translation>valtora: nije bilo moguće otvoriti nijedan zaslon. Odaberite zaslon pomoću DISPLAY (X11) ili WAYLAND_DISPLAY (Wayland) ili pokrenite program Valtora bez zaslona pomoću „-platform offscreen“.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>A desktop quiz on the chemical elements.</source>
        <translation>Računalni kviz o kemijskim elementima.</translation>
    </message>
    <message>
        <source>valtora: &quot;%1&quot; is not an option or argument of Valtora; &quot;valtora --help&quot; lists them.</source>
        <translation>valtora: „%1“ nije ni opcija ni argument programa Valtora; popis prikazuje „valtora --help“.</translation>
    </message>
</context>
<context>
    <name>DataControl</name>
    <message>
        <source>The table on %1 has no column %2.</source>
        <translation>%1: tablica nema stupac %2.</translation>
    </message>
</context>
<context>
    <name>DataSourceFaults</name>
    <message>
        <source>%1 names the ODBC driver &quot;%2&quot;, which is not installed on this computer. Install it, or name an installed driver on the data source&apos;s Driver line: the command &quot;odbcinst -q -d&quot; lists them.</source>
        <translation>%1: navedeni ODBC upravljački program „%2“ nije instaliran na ovom računalu. Instalirajte ga ili u retku Driver izvora podataka navedite instalirani upravljački program: instalirane upravljačke programe prikazuje naredba „odbcinst -q -d“.</translation>
    </message>
    <message>
        <source>%1 names no database file: its Database line is empty. Put the path of the SQLite file that holds the table elements there.</source>
        <translation>%1: nije navedena datoteka baze podataka – redak Database je prazan. U taj redak upišite putanju do SQLite datoteke koja sadrži tablicu elements.</translation>
    </message>
    <message>
        <source>The database file &quot;%2&quot; of %1 does not exist. Check the path on the data source&apos;s Database line.</source>
        <translation>%1: datoteka baze podataka „%2“ ne postoji. Provjerite putanju u retku Database izvora podataka.</translation>
    </message>
    <message>
        <source>The file &quot;%2&quot; of %1 is not an SQLite database. Check the path on the data source&apos;s Database line, or make the file again with the sqlite3 shell.</source>
        <translation>%1: datoteka „%2“ nije SQLite baza podataka. Provjerite putanju u retku Database izvora podataka ili ponovno izradite datoteku u ljusci sqlite3.</translation>
    </message>
    <message>
        <source>The database file &quot;%2&quot; of %1 is locked by another program that is changing it. Close that program, or end its transaction, then start Valtora again.</source>
        <translation>%1: datoteka baze podataka „%2“ zaključana je jer je mijenja drugi program. Zatvorite taj program ili završite njegovu transakciju, a zatim ponovno pokrenite program Valtora.</translation>
    </message>
    <message>
        <source>The server of %1 accepts no more connections: all it allows are in use. Close Valtora on another desk, or ask whoever runs the server to allow more connections or to put a connection pooler in front of it.</source>
        <translation>%1: poslužitelj ne prihvaća nove veze – sve dopuštene veze su zauzete. Zatvorite program Valtora na nekom drugom računalu ili zamolite administratora poslužitelja da dopusti više veza ili da ispred poslužitelja postavi upravitelj skupa veza (connection pooler).</translation>
    </message>
    <message>
        <source>The server of %1 refused the login. Check the Username, Password and Database lines of the data source, and that the server lets that role connect from this computer (pg_hba.conf).</source>
        <translation>%1: poslužitelj je odbio prijavu. Provjerite retke Username, Password i Database izvora podataka te dopušta li poslužitelj toj ulozi da se poveže s ovog računala (pg_hba.conf).</translation>
    </message>
    <message>
        <source>The server of %1 cannot be reached. Check the Servername and Port lines of the data source, that the server is running, and that this computer can reach it over the network.</source>
        <translation>%1: poslužitelj nije dostupan. Provjerite retke Servername i Port izvora podataka, radi li poslužitelj i može li mu ovo računalo pristupiti putem mreže.</translation>
    </message>
    <message>
        <source>The connection to the server of %1 was lost: the server was stopped or restarted, or the network failed. Start Valtora again once the server is back.</source>
        <translation>%1: veza s poslužiteljem je prekinuta – poslužitelj je zaustavljen ili ponovno pokrenut ili je došlo do kvara mreže. Ponovno pokrenite program Valtora kad poslužitelj opet bude dostupan.</translation>
    </message>
    <message>
        <source>%1 did not answer within %2 seconds. Check that its server is running and not overloaded, and that no other program holds its database locked, then start Valtora again.</source>
        <translation>%1: nema odgovora unutar %2 s. Provjerite radi li poslužitelj i nije li preopterećen te da nijedan drugi program ne drži bazu podataka zaključanom, a zatim ponovno pokrenite program Valtora.</translation>
    </message>
    <message>
        <source>The driver said: %1</source>
        <translation>Poruka upravljačkog programa: %1</translation>
    </message>
    <message>
        <source>The server of %1 is starting up or shutting down, and accepts no connections now. Start Valtora again in a minute; if it keeps saying so, ask whoever runs the server.</source>
        <translation>%1: poslužitelj se pokreće ili isključuje i trenutačno ne prihvaća veze. Ponovno pokrenite program Valtora za minutu; ako se poruka ponovi, obratite se administratoru poslužitelja.</translation>
    </message>
    <message>
        <source>The server of %1 ended the connection on an administrator&apos;s command: someone ended Valtora&apos;s session on the server, or the server was stopped or restarted. Start Valtora again once the server is back.</source>
        <translation>%1: poslužitelj je prekinuo vezu na naredbu administratora – netko je završio sesiju programa Valtora na poslužitelju ili je poslužitelj zaustavljen ili ponovno pokrenut. Ponovno pokrenite program Valtora kad poslužitelj opet bude dostupan.</translation>
    </message>
    <message>
        <source>The server of %1 closed the connection because it was idle for longer than the server allows (its setting idle_session_timeout). Ask whoever runs the server to lift that limit for the quiz&apos;s role (alter role quiz set idle_session_timeout = 0), then start Valtora again.</source>
        <translation>%1: poslužitelj je zatvorio vezu jer je bila neaktivna dulje nego što poslužitelj dopušta (njegova postavka idle_session_timeout). Zamolite administratora poslužitelja da ukloni to ograničenje za ulogu kviza (alter role quiz set idle_session_timeout = 0), a zatim ponovno pokrenite program Valtora.</translation>
    </message>
    <message>
        <source>A query of Valtora&apos;s on the server of %1 was cancelled on an administrator&apos;s command (pg_cancel_backend, or another program that cancels queries). Start Valtora again.</source>
        <translation>%1: upit programa Valtora na poslužitelju otkazan je na naredbu administratora (pg_cancel_backend ili neki drugi program koji otkazuje upite). Ponovno pokrenite program Valtora.</translation>
    </message>
    <message>
        <source>The connection pooler in front of the server of %1 gave up waiting for a free server connection, after as long as its setting query_wait_timeout allows. Close Valtora on desks that do not need it, or ask whoever runs the pooler for a larger pool (default_pool_size), then start Valtora again.</source>
        <translation type="vanished">%1: upravitelj skupa veza ispred poslužitelja prestao je čekati slobodnu vezu s poslužiteljem nakon što je čekao onoliko koliko dopušta njegova postavka query_wait_timeout. Zatvorite program Valtora na računalima na kojima nije potreban ili zamolite administratora upravitelja skupa veza za veći skup (default_pool_size), a zatim ponovno pokrenite program Valtora.</translation>
    </message>
    <message>
        <source>Likely causes: the table elements or one of its columns was changed while the quiz ran, the server ended the connection, or the driver cannot read a value of the table.</source>
        <translation>Vjerojatni uzroci: tablica elements ili neki od njezinih stupaca promijenjeni su dok je kviz radio, poslužitelj je prekinuo vezu ili upravljački program ne može pročitati neku vrijednost iz tablice.</translation>
    </message>
    <message>
        <source>Likely causes: this user may not read the file on the data source&apos;s Database line, or the SQLite driver is set up wrongly (&quot;isql -v Elements&quot; shows what it says).</source>
        <translation>Vjerojatni uzroci: ovaj korisnik nema pravo čitati datoteku iz retka Database izvora podataka ili je upravljački program za SQLite pogrešno postavljen (što on javlja, pokazuje „isql -v Elements“).</translation>
    </message>
    <message>
        <source>Likely causes: the server is not running or this computer cannot reach it, the data source&apos;s Servername, Port, Database, Username or Password line does not match the server, or its driver is set up wrongly (&quot;isql -v Elements&quot; shows what it says).</source>
        <translation>Vjerojatni uzroci: poslužitelj ne radi ili mu ovo računalo ne može pristupiti, redak Servername, Port, Database, Username ili Password izvora podataka ne odgovara poslužitelju ili je upravljački program pogrešno postavljen (što on javlja, pokazuje „isql -v Elements“).</translation>
    </message>
    <message>
        <source>The server of %1 gave up waiting for a lock on the table elements, after as long as its setting lock_timeout allows: another program holds the table locked, changing it or in a transaction left open. Ask whoever runs the server to end that program&apos;s transaction, then start Valtora again.</source>
        <translation>%1: poslužitelj je prestao čekati zaključavanje tablice elements nakon što je čekao onoliko koliko dopušta njegova postavka lock_timeout: drugi program drži tablicu zaključanom jer je mijenja ili je ostavio otvorenu transakciju. Zamolite administratora poslužitelja da završi transakciju tog programa, a zatim ponovno pokrenite program Valtora.</translation>
    </message>
    <message>
        <source>The server of %1 does not let the role &quot;%2&quot; read the table elements. Ask whoever runs the server to allow it: grant select on elements to %2;</source>
        <translation>%1: poslužitelj ne dopušta ulozi „%2“ da čita tablicu elements. Zamolite administratora poslužitelja da to dopusti: grant select on elements to %2;</translation>
    </message>
    <message>
        <source>The connection pooler in front of the server of %1 gave up waiting for a server connection, after as long as its setting query_wait_timeout allows. Either every connection of its pool is in use (close Valtora on desks that do not need it, or ask whoever runs the pooler for a larger pool, default_pool_size), or the server behind it cannot be reached (ask whoever runs it to check that it is running). Then start Valtora again.</source>
        <translation>%1: upravitelj skupa veza ispred poslužitelja prestao je čekati vezu s poslužiteljem nakon što je čekao onoliko koliko dopušta njegova postavka query_wait_timeout. Ili su zauzete sve veze u skupu (zatvorite program Valtora na računalima na kojima nije potreban ili zamolite administratora upravitelja skupa veza za veći skup, default_pool_size), ili poslužitelj iza njega nije dostupan (zamolite administratora poslužitelja da provjeri radi li poslužitelj). Zatim ponovno pokrenite program Valtora.</translation>
    </message>
</context>
<context>
    <name>DesktopEntry</name>
    <message>
        <source>Chemical Elements Quiz</source>
        <extracomment>The kind of program, as menus show it beside its name.</extracomment>
        <translation>Kviz o kemijskim elementima</translation>
    </message>
    <message>
        <source>Drill the symbols and names of the chemical elements</source>
        <extracomment>What the program is for, in a line: menus&apos; tooltips, software centres&apos; summary.</extracomment>
        <translation>Vježbanje simbola i imena kemijskih elemenata</translation>
    </message>
    <message>
        <source>chemistry;elements;periodic table;symbol;quiz;school;</source>
        <extracomment>Words a desktop&apos;s search finds the program by, each followed by a semicolon.</extracomment>
        <translation>kemija;elementi;periodni sustav;simbol;kviz;škola;</translation>
    </message>
    <message>
        <source>Valtora is a quiz on the chemical elements. It shows an element&apos;s atomic number, symbol, name and atomic mass with the symbol or the name covered, and you type what is covered.</source>
        <extracomment>Software centres: the description.</extracomment>
        <translation>Valtora je kviz o kemijskim elementima. Prikazuje atomski broj, simbol, ime i atomsku masu elementa sa skrivenim simbolom ili imenom, a ti upisuješ ono što je skriveno.</translation>
    </message>
    <message>
        <source>Guess the symbol or the name</source>
        <extracomment>Software centres: a feature in the description&apos;s list.</extracomment>
        <translation>Pogađanje simbola ili imena</translation>
    </message>
    <message>
        <source>Draw from the first 36 elements, from those a school course knows, or from all 103</source>
        <extracomment>Software centres: a feature in the description&apos;s list.</extracomment>
        <translation>Izvlačenje iz prvih 36 elemenata, iz onih koje obuhvaća školsko gradivo ili iz svih 103</translation>
    </message>
    <message>
        <source>Played by keyboard alone, and read out by screen readers</source>
        <extracomment>Software centres: a feature in the description&apos;s list.</extracomment>
        <translation>Može se igrati samo tipkovnicom, a čitači zaslona čitaju ga naglas</translation>
    </message>
    <message numerus="yes">
        <source>In %n languages, the element names included</source>
        <extracomment>Software centres: a feature in the description&apos;s list; %n counts English too.</extracomment>
        <translation>
            <numerusform>Na %n jeziku, uključujući imena elemenata</numerusform>
            <numerusform>Na %n jezika, uključujući imena elemenata</numerusform>
            <numerusform>Na %n jezika, uključujući imena elemenata</numerusform>
        </translation>
    </message>
    <message>
        <source>Needs no setup; a school can serve its own element table to every desk from one server</source>
        <extracomment>Software centres: a feature in the description&apos;s list.</extracomment>
        <translation>Ne zahtijeva postavljanje; škola može s jednog poslužitelja svakom računalu pružiti vlastitu tablicu elemenata</translation>
    </message>
    <message>
        <source>The quiz after one spin, the symbol covered</source>
        <extracomment>Software centres: the caption of the screenshot.</extracomment>
        <translation>Kviz nakon jednog okretanja, sa skrivenim simbolom</translation>
    </message>
</context>
<context>
    <name>ElementDatabase</name>
    <message>
        <source>the embedded element table</source>
        <translation>Ugrađena tablica elemenata</translation>
    </message>
    <message>
        <source>%1: Qt&apos;s ODBC driver (QODBC) is not installed.</source>
        <translation>%1: Qt-ov upravljački program za ODBC (QODBC) nije instaliran.</translation>
    </message>
    <message>
        <source>%1 cannot be opened.</source>
        <translation>%1: izvor podataka nije moguće otvoriti.</translation>
    </message>
    <message>
        <source>%1: Qt&apos;s SQLite driver (QSQLITE) is not installed.</source>
        <translation>%1: Qt-ov upravljački program za SQLite (QSQLITE) nije instaliran.</translation>
    </message>
    <message>
        <source>The query &quot;%1&quot; on %2 failed.</source>
        <translation>%2: upit „%1“ nije uspio.</translation>
    </message>
</context>
<context>
    <name>ElementLookup</name>
    <message>
        <source>&quot;%1&quot; is not an atomic number to look up.</source>
        <translation>„%1“ nije atomski broj koji se može potražiti.</translation>
    </message>
    <message>
        <source>There is no row for atomic number %1 in table %2.</source>
        <translation>U tablici %2 nema retka za atomski broj %1.</translation>
    </message>
    <message>
        <source>The row for atomic number %1 in table %2 has no symbol (%3 is empty): no answer could be judged against it.</source>
        <translation>Redak za atomski broj %1 u tablici %2 nema simbol (stupac %3 je prazan): nijedan se odgovor ne može usporediti s njim.</translation>
    </message>
    <message>
        <source>The row for atomic number %1 in table %2 has no name (%3 is empty): no answer could be judged against it.</source>
        <translation>Redak za atomski broj %1 u tablici %2 nema ime (stupac %3 je prazan): nijedan se odgovor ne može usporediti s njim.</translation>
    </message>
</context>
<context>
    <name>ElementTableCheck</name>
    <message>
        <source> and %1 more</source>
        <translation> i još %1</translation>
    </message>
    <message>
        <source>It has the columns %1.</source>
        <translation>Stupci tablice: %1.</translation>
    </message>
    <message>
        <source>The table %1 of %2 cannot be used.
%3</source>
        <translation>%2: tablicu %1 nije moguće upotrijebiti.
%3</translation>
    </message>
    <message>
        <source>%1 has no table %2.</source>
        <translation>%1: nema tablice %2.</translation>
    </message>
    <message>
        <source>Missing columns: %1.</source>
        <translation>Nedostaju stupci: %1.</translation>
    </message>
    <message>
        <source>The file was imported twice into the same database: its header row is a row of the table, and every element is there twice. Import it again into a fresh database file (delete the old one first).</source>
        <translation>Datoteka je dvaput uvezena u istu bazu podataka: njezin redak zaglavlja postao je redak tablice i svaki se element u njoj nalazi dvaput. Ponovno je uvezite u novu datoteku baze podataka (prije toga izbrišite staru).</translation>
    </message>
    <message>
        <source>No row for atomic numbers %1.</source>
        <translation>Nema retka za atomske brojeve %1.</translation>
    </message>
    <message>
        <source>More than one row for atomic numbers %1.</source>
        <translation>Više od jednog retka za atomske brojeve %1.</translation>
    </message>
    <message>
        <source>Atomic numbers that are not whole numbers: %1.</source>
        <translation>Atomski brojevi koji nisu cijeli brojevi: %1.</translation>
    </message>
    <message>
        <source>Rows without an atomic number: %1.</source>
        <translation>Retci bez atomskog broja: %1.</translation>
    </message>
    <message>
        <source>No symbol for atomic numbers %1.</source>
        <translation>Nema simbola za atomske brojeve %1.</translation>
    </message>
    <message>
        <source>No name for atomic numbers %1.</source>
        <translation>Nema imena za atomske brojeve %1.</translation>
    </message>
    <message>
        <source>Names that no answer can match, since answers are put in proper case (&quot;Iron&quot;, not &quot;iron&quot; or &quot;IRON&quot;), for atomic numbers %1.</source>
        <translation>Imena s kojima se nijedan odgovor ne može podudarati jer se odgovori pišu velikim početnim slovom („Željezo“, a ne „željezo“ ili „ŽELJEZO“), za atomske brojeve %1.</translation>
    </message>
    <message>
        <source>Symbols or names with blanks around them, which no answer can match, for atomic numbers %1.</source>
        <translation>Simboli ili imena s razmacima na početku ili kraju, s kojima se nijedan odgovor ne može podudarati, za atomske brojeve %1.</translation>
    </message>
    <message>
        <source>see &quot;From a spreadsheet&quot; in the README, installed as %1</source>
        <translation>pogledajte „From a spreadsheet“ u datoteci README, instaliranoj kao %1</translation>
    </message>
    <message>
        <source>The file was saved with semicolons between its columns, as office programs do where decimals are written with a comma: import it with .separator &quot;;&quot; (%1).</source>
        <translation>Datoteka je spremljena s točkama sa zarezom između stupaca, kao što to čine uredski programi ondje gdje se decimalni brojevi pišu sa zarezom: uvezite je s .separator &quot;;&quot; (%1).</translation>
    </message>
    <message>
        <source>The file was saved with tabs between its columns: import it with .separator &quot;\t&quot; instead of --csv (%1).</source>
        <translation>Datoteka je spremljena s tabulatorima između stupaca: uvezite je s .separator &quot;\t&quot; umjesto --csv (%1).</translation>
    </message>
    <message>
        <source>Its first row holds the column names: the file has a title row above its header. Import it with --skip 1, or delete the title row (%1).</source>
        <translation>Prvi redak tablice sadrži nazive stupaca: datoteka ima redak s naslovom iznad zaglavlja. Uvezite je s --skip 1 ili izbrišite redak s naslovom (%1).</translation>
    </message>
    <message>
        <source>Reading it failed.</source>
        <translation>Čitanje tablice nije uspjelo.</translation>
    </message>
    <message>
        <source>Atomic numbers with blanks around them, which the lookup&apos;s query does not find: %1.</source>
        <translation>Atomski brojevi s razmacima na početku ili kraju, koje upit za pretraživanje ne pronalazi: %1.</translation>
    </message>
    <message>
        <source>The file&apos;s header row (%1) is a row of the table: the table was made before the import, which read the header as data. Import the file into a fresh database, or with --skip 1 (%2).</source>
        <translation>Redak zaglavlja datoteke (%1) redak je tablice: tablica je izrađena prije uvoza, koji je zaglavlje pročitao kao podatke. Uvezite datoteku u novu bazu podataka ili s --skip 1 (%2).</translation>
    </message>
    <message>
        <source>Looking an element up by its number fails: AtomicNumber must compare with a bare number, as in &quot;%1&quot;.</source>
        <translation>Traženje elementa po broju ne uspijeva: AtomicNumber se mora moći usporediti s brojem bez navodnika, kao u „%1“.</translation>
    </message>
    <message>
        <source>Symbols or names with invisible characters in them (zero-width spaces or joiners, soft hyphens, direction marks), which no typed answer holds, for atomic numbers %1.</source>
        <translation>Simboli ili imena s nevidljivim znakovima (razmacima ili spojnicima nulte širine, mekim crticama, oznakama smjera), koje nijedan upisani odgovor ne sadrži, za atomske brojeve %1.</translation>
    </message>
    <message>
        <source>Symbols or names with characters that no element&apos;s name has, as a file saved in another character set than UTF-8 leaves them (&quot;?&quot;, &quot;Ã³&quot;, &quot;Å¼&quot;), for atomic numbers %1. Save the sheet again as CSV in the character set &quot;Unicode (UTF-8)&quot;, or convert the file with iconv, and import it again (%2).</source>
        <translation type="vanished">Simboli ili imena sa znakovima kojih nema ni u jednom imenu elementa, kakve ostavlja datoteka spremljena u skupu znakova koji nije UTF-8 („?“, „Ã³“, „Å¼“), za atomske brojeve %1. Ponovno spremite radni list kao CSV u skupu znakova „Unicode (UTF-8)“ ili pretvorite datoteku pomoću iconv, a zatim je ponovno uvezite (%2).</translation>
    </message>
    <message>
        <source>The file was saved as UTF-16 (&quot;Unicode text&quot; in office programs), which the import does not read. Convert it with &quot;iconv -f %1 -t UTF-8 elements.csv &gt; elements-utf8.csv&quot; and import elements-utf8.csv, or save the sheet again as CSV in the character set &quot;Unicode (UTF-8)&quot; (%2).</source>
        <translation>Datoteka je spremljena kao UTF-16 („Unicode tekst“ u uredskim programima), što uvoz ne čita. Pretvorite je naredbom „iconv -f %1 -t UTF-8 elements.csv &gt; elements-utf8.csv“ i uvezite elements-utf8.csv ili ponovno spremite radni list kao CSV u skupu znakova „Unicode (UTF-8)“ (%2).</translation>
    </message>
    <message>
        <source>Names with characters that no element&apos;s name has, garbled because the file was saved in the character set %1 and read as %2, for atomic numbers %3. Read it as %1: in psql, give &quot;\encoding %4&quot; before \copy, or convert it first with &quot;iconv -f %5 -t UTF-8&quot;, and import it again (%6).</source>
        <translation>Imena sa znakovima kojih nema ni u jednom imenu elementa, iskrivljena jer je datoteka spremljena u skupu znakova %1, a pročitana kao %2, za atomske brojeve %3. Pročitajte je kao %1: u psql zadajte „\encoding %4“ prije \copy ili je najprije pretvorite naredbom „iconv -f %5 -t UTF-8“, a zatim je ponovno uvezite (%6).</translation>
    </message>
    <message>
        <source>Names with characters that no element&apos;s name has, garbled because the file was saved in the character set %1 and read as %2, for atomic numbers %3. Convert it with &quot;%4 &gt; elements-utf8.csv&quot; and import elements-utf8.csv in its place (%5).</source>
        <translation>Imena sa znakovima kojih nema ni u jednom imenu elementa, iskrivljena jer je datoteka spremljena u skupu znakova %1, a pročitana kao %2, za atomske brojeve %3. Pretvorite je naredbom „%4 &gt; elements-utf8.csv“ i umjesto nje uvezite elements-utf8.csv (%5).</translation>
    </message>
    <message>
        <source>Symbols or names with characters that no element&apos;s name has, such as &quot;?&quot; or the letter pairs (&quot;Ã³&quot;, &quot;Å¼&quot;) that a file saved in another character set than UTF-8 leaves, or with no letter at their start or end (&quot;-&quot;, a lone accent), for atomic numbers %1. Retype those cells, or save the sheet again as CSV in the character set &quot;Unicode (UTF-8)&quot; (or convert the file with iconv) and import it again (%2).</source>
        <translation>Simboli ili imena sa znakovima kojih nema ni u jednom imenu elementa, kao što su „?“ ili parovi slova („Ã³“, „Å¼“) koje ostavlja datoteka spremljena u skupu znakova koji nije UTF-8, ili bez slova na početku ili kraju („-“, usamljeni naglasak), za atomske brojeve %1. Ponovno upišite te ćelije ili ponovno spremite radni list kao CSV u skupu znakova „Unicode (UTF-8)“ (ili pretvorite datoteku pomoću iconv) i ponovno je uvezite (%2).</translation>
    </message>
</context>
<context>
    <name>OdbcDataSource</name>
    <message>
        <source>ODBC data source &quot;%1&quot;</source>
        <translation>ODBC izvor podataka „%1“</translation>
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
        <translation>Skripta tablice elemenata nedostaje u programu.</translation>
    </message>
    <message>
        <source>The element table&apos;s script cannot be run: %1</source>
        <translation>Skriptu tablice elemenata nije moguće izvršiti: %1</translation>
    </message>
    <message>
        <source>The element names in %1 cannot be loaded: %2</source>
        <translation>Imena elemenata za jezik %1 nije moguće učitati: %2</translation>
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
        <translation>Redni broj</translation>
    </message>
    <message>
        <source>Symbol</source>
        <translation>Simbol</translation>
    </message>
    <message>
        <source>Element Name</source>
        <translation>Ime</translation>
    </message>
    <message>
        <source>Atomic Mass</source>
        <translation>At. masa</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Odg.</translation>
    </message>
    <message>
        <source>Created by Orvashel</source>
        <translation>Autor: Orvashel</translation>
    </message>
    <message>
        <source>Spin</source>
        <translation>Zavrti</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Provjeri</translation>
    </message>
    <message>
        <source>Step 1</source>
        <translation>Korak 1</translation>
    </message>
    <message>
        <source>Guess the Name</source>
        <translation>Pogodi ime</translation>
    </message>
    <message>
        <source>Guess the Symbol</source>
        <translation>Pogodi simbol</translation>
    </message>
    <message>
        <source>Step 2</source>
        <translation>Korak 2</translation>
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
        <translation>Izlaz</translation>
    </message>
    <message>
        <source>Shortcut: %1</source>
        <translation>Prečac: %1</translation>
    </message>
</context>
</TS>
