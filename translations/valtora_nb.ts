<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nb" sourcelanguage="en">
<context>
    <name>AnswerCheck</name>
    <message>
        <source>Your my hero</source>
        <translation>Du er best!</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>Prøv igjen</translation>
    </message>
</context>
<context>
    <name>ApplicationStart</name>
    <message>
        <source>valtora: no display could be opened. Choose one with DISPLAY (X11) or WAYLAND_DISPLAY (Wayland), or run without one with &quot;-platform offscreen&quot;.</source>
        <translation>valtora: ingen skjerm kunne åpnes. Velg en med DISPLAY (X11) eller WAYLAND_DISPLAY (Wayland), eller kjør Valtora uten skjerm med «-platform offscreen».</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>A desktop quiz on the chemical elements.</source>
        <translation>En dataquiz om de kjemiske grunnstoffene.</translation>
    </message>
    <message>
        <source>valtora: &quot;%1&quot; is not an option or argument of Valtora; &quot;valtora --help&quot; lists them.</source>
        <translation>valtora: «%1» er verken et alternativ eller et argument for Valtora; «valtora --help» viser dem.</translation>
    </message>
</context>
<context>
    <name>DataControl</name>
    <message>
        <source>The table on %1 has no column %2.</source>
        <translation>Tabellen i %1 har ingen kolonne %2.</translation>
    </message>
</context>
<context>
    <name>DataSourceFaults</name>
    <message>
        <source>%1 names the ODBC driver &quot;%2&quot;, which is not installed on this computer. Install it, or name an installed driver on the data source&apos;s Driver line: the command &quot;odbcinst -q -d&quot; lists them.</source>
        <translation>ODBC-driveren «%2», som er angitt i %1, er ikke installert på denne datamaskinen. Installer den, eller angi en installert driver på linjen Driver i datakilden: kommandoen «odbcinst -q -d» viser de installerte driverne.</translation>
    </message>
    <message>
        <source>%1 names no database file: its Database line is empty. Put the path of the SQLite file that holds the table elements there.</source>
        <translation>Ingen databasefil er angitt i %1: linjen Database er tom. Skriv inn stien til SQLite-filen som inneholder tabellen elements, på den linjen.</translation>
    </message>
    <message>
        <source>The database file &quot;%2&quot; of %1 does not exist. Check the path on the data source&apos;s Database line.</source>
        <translation>Databasefilen «%2» for %1 finnes ikke. Kontroller stien på linjen Database i datakilden.</translation>
    </message>
    <message>
        <source>The file &quot;%2&quot; of %1 is not an SQLite database. Check the path on the data source&apos;s Database line, or make the file again with the sqlite3 shell.</source>
        <translation>Filen «%2» for %1 er ikke en SQLite-database. Kontroller stien på linjen Database i datakilden, eller lag filen på nytt med skallet sqlite3.</translation>
    </message>
    <message>
        <source>The database file &quot;%2&quot; of %1 is locked by another program that is changing it. Close that program, or end its transaction, then start Valtora again.</source>
        <translation>Databasefilen «%2» for %1 er låst av et annet program som holder på å endre den. Lukk det programmet eller avslutt transaksjonen, og start deretter Valtora på nytt.</translation>
    </message>
    <message>
        <source>The server of %1 accepts no more connections: all it allows are in use. Close Valtora on another desk, or ask whoever runs the server to allow more connections or to put a connection pooler in front of it.</source>
        <translation>Serveren for %1 tar ikke imot flere tilkoblinger: alle den tillater, er i bruk. Lukk Valtora på en annen maskin, eller be den som drifter serveren, om å tillate flere tilkoblinger eller sette en tilkoblingspool (connection pooler) foran den.</translation>
    </message>
    <message>
        <source>The server of %1 refused the login. Check the Username, Password and Database lines of the data source, and that the server lets that role connect from this computer (pg_hba.conf).</source>
        <translation>Serveren for %1 avviste påloggingen. Kontroller linjene Username, Password og Database i datakilden, og at serveren lar denne rollen koble til fra denne datamaskinen (pg_hba.conf).</translation>
    </message>
    <message>
        <source>The server of %1 cannot be reached. Check the Servername and Port lines of the data source, that the server is running, and that this computer can reach it over the network.</source>
        <translation>Får ikke kontakt med serveren for %1. Kontroller linjene Servername og Port i datakilden, at serveren kjører, og at denne datamaskinen kan nå den over nettverket.</translation>
    </message>
    <message>
        <source>The connection to the server of %1 was lost: the server was stopped or restarted, or the network failed. Start Valtora again once the server is back.</source>
        <translation>Forbindelsen til serveren for %1 ble brutt: serveren ble stoppet eller startet på nytt, eller nettverket sviktet. Start Valtora på nytt når serveren er tilgjengelig igjen.</translation>
    </message>
    <message>
        <source>%1 did not answer within %2 seconds. Check that its server is running and not overloaded, and that no other program holds its database locked, then start Valtora again.</source>
        <translation>Fikk ikke svar fra %1 innen %2 sekunder. Kontroller at serveren kjører og ikke er overbelastet, og at ingen andre programmer holder databasen låst. Start deretter Valtora på nytt.</translation>
    </message>
    <message>
        <source>The driver said: %1</source>
        <translation>Melding fra driveren: %1</translation>
    </message>
    <message>
        <source>The server of %1 is starting up or shutting down, and accepts no connections now. Start Valtora again in a minute; if it keeps saying so, ask whoever runs the server.</source>
        <translation>Serveren for %1 holder på å starte eller slå seg av og tar ikke imot tilkoblinger nå. Start Valtora på nytt om et minutt; hvis meldingen kommer igjen, kontakt den som drifter serveren.</translation>
    </message>
    <message>
        <source>The server of %1 ended the connection on an administrator&apos;s command: someone ended Valtora&apos;s session on the server, or the server was stopped or restarted. Start Valtora again once the server is back.</source>
        <translation>Serveren for %1 avsluttet forbindelsen etter ordre fra en administrator: noen avsluttet økten til Valtora på serveren, eller serveren ble stoppet eller startet på nytt. Start Valtora på nytt når serveren er tilgjengelig igjen.</translation>
    </message>
    <message>
        <source>The server of %1 closed the connection because it was idle for longer than the server allows (its setting idle_session_timeout). Ask whoever runs the server to lift that limit for the quiz&apos;s role (alter role quiz set idle_session_timeout = 0), then start Valtora again.</source>
        <translation>Serveren for %1 lukket forbindelsen fordi den hadde vært inaktiv lenger enn serveren tillater (innstillingen idle_session_timeout). Be den som drifter serveren, om å fjerne denne grensen for rollen til quizen (alter role quiz set idle_session_timeout = 0), og start deretter Valtora på nytt.</translation>
    </message>
    <message>
        <source>A query of Valtora&apos;s on the server of %1 was cancelled on an administrator&apos;s command (pg_cancel_backend, or another program that cancels queries). Start Valtora again.</source>
        <translation>En spørring fra Valtora på serveren for %1 ble avbrutt etter ordre fra en administrator (pg_cancel_backend eller et annet program som avbryter spørringer). Start Valtora på nytt.</translation>
    </message>
    <message>
        <source>The connection pooler in front of the server of %1 gave up waiting for a free server connection, after as long as its setting query_wait_timeout allows. Close Valtora on desks that do not need it, or ask whoever runs the pooler for a larger pool (default_pool_size), then start Valtora again.</source>
        <translation type="vanished">Tilkoblingspoolen foran serveren for %1 ga opp å vente på en ledig servertilkobling etter så lang tid som innstillingen query_wait_timeout tillater. Lukk Valtora på maskiner som ikke trenger det, eller be den som drifter tilkoblingspoolen, om en større pool (default_pool_size), og start deretter Valtora på nytt.</translation>
    </message>
    <message>
        <source>Likely causes: the table elements or one of its columns was changed while the quiz ran, the server ended the connection, or the driver cannot read a value of the table.</source>
        <translation>Sannsynlige årsaker: tabellen elements eller en av kolonnene i den ble endret mens quizen kjørte, serveren avsluttet forbindelsen, eller driveren kan ikke lese en verdi i tabellen.</translation>
    </message>
    <message>
        <source>Likely causes: this user may not read the file on the data source&apos;s Database line, or the SQLite driver is set up wrongly (&quot;isql -v Elements&quot; shows what it says).</source>
        <translation>Sannsynlige årsaker: denne brukeren har ikke lov til å lese filen på linjen Database i datakilden, eller SQLite-driveren er satt opp feil («isql -v Elements» viser hva den sier).</translation>
    </message>
    <message>
        <source>Likely causes: the server is not running or this computer cannot reach it, the data source&apos;s Servername, Port, Database, Username or Password line does not match the server, or its driver is set up wrongly (&quot;isql -v Elements&quot; shows what it says).</source>
        <translation>Sannsynlige årsaker: serveren kjører ikke eller denne datamaskinen kan ikke nå den, linjen Servername, Port, Database, Username eller Password i datakilden stemmer ikke med serveren, eller driveren er satt opp feil («isql -v Elements» viser hva den sier).</translation>
    </message>
    <message>
        <source>The server of %1 gave up waiting for a lock on the table elements, after as long as its setting lock_timeout allows: another program holds the table locked, changing it or in a transaction left open. Ask whoever runs the server to end that program&apos;s transaction, then start Valtora again.</source>
        <translation>Serveren for %1 ga opp å vente på en lås på tabellen elements etter så lang tid som innstillingen lock_timeout tillater: et annet program holder tabellen låst, fordi det holder på å endre den eller har latt en transaksjon stå åpen. Be den som drifter serveren, om å avslutte transaksjonen til det programmet, og start deretter Valtora på nytt.</translation>
    </message>
    <message>
        <source>The server of %1 does not let the role &quot;%2&quot; read the table elements. Ask whoever runs the server to allow it: grant select on elements to %2;</source>
        <translation>Serveren for %1 lar ikke rollen «%2» lese tabellen elements. Be den som drifter serveren, om å tillate det: grant select on elements to %2;</translation>
    </message>
    <message>
        <source>The connection pooler in front of the server of %1 gave up waiting for a server connection, after as long as its setting query_wait_timeout allows. Either every connection of its pool is in use (close Valtora on desks that do not need it, or ask whoever runs the pooler for a larger pool, default_pool_size), or the server behind it cannot be reached (ask whoever runs it to check that it is running). Then start Valtora again.</source>
        <translation>Tilkoblingspoolen foran serveren for %1 ga opp å vente på en servertilkobling etter så lang tid som innstillingen query_wait_timeout tillater. Enten er alle tilkoblingene i poolen i bruk (lukk Valtora på maskiner som ikke trenger det, eller be den som drifter tilkoblingspoolen, om en større pool, default_pool_size), eller så kan serveren bak den ikke nås (be den som drifter serveren, om å kontrollere at den kjører). Start deretter Valtora på nytt.</translation>
    </message>
</context>
<context>
    <name>DesktopEntry</name>
    <message>
        <source>Chemical Elements Quiz</source>
        <extracomment>The kind of program, as menus show it beside its name.</extracomment>
        <translation>Quiz om de kjemiske grunnstoffene</translation>
    </message>
    <message>
        <source>Drill the symbols and names of the chemical elements</source>
        <extracomment>What the program is for, in a line: menus&apos; tooltips, software centres&apos; summary.</extracomment>
        <translation>Øv på symbolene og navnene til de kjemiske grunnstoffene</translation>
    </message>
    <message>
        <source>chemistry;elements;periodic table;symbol;quiz;school;</source>
        <extracomment>Words a desktop&apos;s search finds the program by, each followed by a semicolon.</extracomment>
        <translation>kjemi;grunnstoffer;periodesystemet;symbol;quiz;skole;</translation>
    </message>
    <message>
        <source>Valtora is a quiz on the chemical elements. It shows an element&apos;s atomic number, symbol, name and atomic mass with the symbol or the name covered, and you type what is covered.</source>
        <extracomment>Software centres: the description.</extracomment>
        <translation>Valtora er en quiz om de kjemiske grunnstoffene. Den viser atomnummer, symbol, navn og atommasse for et grunnstoff med symbolet eller navnet skjult, og du skriver inn det som er skjult.</translation>
    </message>
    <message>
        <source>Guess the symbol or the name</source>
        <extracomment>Software centres: a feature in the description&apos;s list.</extracomment>
        <translation>Gjett symbolet eller navnet</translation>
    </message>
    <message>
        <source>Draw from the first 36 elements, from those a school course knows, or from all 103</source>
        <extracomment>Software centres: a feature in the description&apos;s list.</extracomment>
        <translation>Trekk blant de 36 første grunnstoffene, dem fra et skolekurs eller alle 103</translation>
    </message>
    <message>
        <source>Played by keyboard alone, and read out by screen readers</source>
        <extracomment>Software centres: a feature in the description&apos;s list.</extracomment>
        <translation>Kan spilles med bare tastaturet og leses opp av skjermlesere</translation>
    </message>
    <message numerus="yes">
        <source>In %n languages, the element names included</source>
        <extracomment>Software centres: a feature in the description&apos;s list; %n counts English too.</extracomment>
        <translation>
            <numerusform>På %n språk, grunnstoffnavnene medregnet</numerusform>
            <numerusform>På %n språk, grunnstoffnavnene medregnet</numerusform>
        </translation>
    </message>
    <message>
        <source>Needs no setup; a school can serve its own element table to every desk from one server</source>
        <extracomment>Software centres: a feature in the description&apos;s list.</extracomment>
        <translation>Krever ikke noe oppsett; en skole kan levere sin egen grunnstofftabell til hver arbeidsplass fra én server</translation>
    </message>
    <message>
        <source>The quiz after one spin, the symbol covered</source>
        <extracomment>Software centres: the caption of the screenshot.</extracomment>
        <translation>Quizen etter én snurr, med symbolet skjult</translation>
    </message>
</context>
<context>
    <name>ElementDatabase</name>
    <message>
        <source>the embedded element table</source>
        <translation>den innebygde grunnstofftabellen</translation>
    </message>
    <message>
        <source>%1: Qt&apos;s ODBC driver (QODBC) is not installed.</source>
        <translation>ODBC-driveren til Qt (QODBC) er ikke installert, så %1 kan ikke brukes.</translation>
    </message>
    <message>
        <source>%1 cannot be opened.</source>
        <translation>Kan ikke åpne %1.</translation>
    </message>
    <message>
        <source>%1: Qt&apos;s SQLite driver (QSQLITE) is not installed.</source>
        <translation>SQLite-driveren til Qt (QSQLITE) er ikke installert, så %1 kan ikke brukes.</translation>
    </message>
    <message>
        <source>The query &quot;%1&quot; on %2 failed.</source>
        <translation>Spørringen «%1» mot %2 mislyktes.</translation>
    </message>
</context>
<context>
    <name>ElementLookup</name>
    <message>
        <source>&quot;%1&quot; is not an atomic number to look up.</source>
        <translation>«%1» er ikke et atomnummer som kan slås opp.</translation>
    </message>
    <message>
        <source>There is no row for atomic number %1 in table %2.</source>
        <translation>Det finnes ingen rad for atomnummer %1 i tabellen %2.</translation>
    </message>
    <message>
        <source>The row for atomic number %1 in table %2 has no symbol (%3 is empty): no answer could be judged against it.</source>
        <translation>Raden for atomnummer %1 i tabellen %2 har ikke noe symbol (%3 er tom): ingen svar kan sammenlignes med den.</translation>
    </message>
    <message>
        <source>The row for atomic number %1 in table %2 has no name (%3 is empty): no answer could be judged against it.</source>
        <translation>Raden for atomnummer %1 i tabellen %2 har ikke noe navn (%3 er tom): ingen svar kan sammenlignes med den.</translation>
    </message>
</context>
<context>
    <name>ElementTableCheck</name>
    <message>
        <source> and %1 more</source>
        <translation> og %1 til</translation>
    </message>
    <message>
        <source>It has the columns %1.</source>
        <translation>Tabellen har kolonnene %1.</translation>
    </message>
    <message>
        <source>The table %1 of %2 cannot be used.
%3</source>
        <translation>Tabellen %1 i %2 kan ikke brukes.
%3</translation>
    </message>
    <message>
        <source>%1 has no table %2.</source>
        <translation>Det finnes ingen tabell %2 i %1.</translation>
    </message>
    <message>
        <source>Missing columns: %1.</source>
        <translation>Kolonner som mangler: %1.</translation>
    </message>
    <message>
        <source>The file was imported twice into the same database: its header row is a row of the table, and every element is there twice. Import it again into a fresh database file (delete the old one first).</source>
        <translation>Filen ble importert to ganger til samme database: overskriftsraden har blitt en rad i tabellen, og hvert grunnstoff står der to ganger. Importer den på nytt til en ny databasefil (slett den gamle først).</translation>
    </message>
    <message>
        <source>No row for atomic numbers %1.</source>
        <translation>Ingen rad for atomnummer %1.</translation>
    </message>
    <message>
        <source>More than one row for atomic numbers %1.</source>
        <translation>Mer enn én rad for atomnummer %1.</translation>
    </message>
    <message>
        <source>Atomic numbers that are not whole numbers: %1.</source>
        <translation>Atomnumre som ikke er heltall: %1.</translation>
    </message>
    <message>
        <source>Rows without an atomic number: %1.</source>
        <translation>Rader uten atomnummer: %1.</translation>
    </message>
    <message>
        <source>No symbol for atomic numbers %1.</source>
        <translation>Mangler symbol for atomnummer %1.</translation>
    </message>
    <message>
        <source>No name for atomic numbers %1.</source>
        <translation>Mangler navn for atomnummer %1.</translation>
    </message>
    <message>
        <source>Names that no answer can match, since answers are put in proper case (&quot;Iron&quot;, not &quot;iron&quot; or &quot;IRON&quot;), for atomic numbers %1.</source>
        <translation>Navn som ingen svar kan stemme med, fordi svarene skrives med stor forbokstav («Jern», ikke «jern» eller «JERN»), for atomnummer %1.</translation>
    </message>
    <message>
        <source>Symbols or names with blanks around them, which no answer can match, for atomic numbers %1.</source>
        <translation>Symboler eller navn med mellomrom foran eller bak, som ingen svar kan stemme med, for atomnummer %1.</translation>
    </message>
    <message>
        <source>see &quot;From a spreadsheet&quot; in the README, installed as %1</source>
        <translation>se «From a spreadsheet» i README, installert som %1</translation>
    </message>
    <message>
        <source>The file was saved with semicolons between its columns, as office programs do where decimals are written with a comma: import it with .separator &quot;;&quot; (%1).</source>
        <translation>Filen ble lagret med semikolon mellom kolonnene, slik kontorprogrammer gjør der desimaltall skrives med komma: importer den med .separator &quot;;&quot; (%1).</translation>
    </message>
    <message>
        <source>The file was saved with tabs between its columns: import it with .separator &quot;\t&quot; instead of --csv (%1).</source>
        <translation>Filen ble lagret med tabulatorer mellom kolonnene: importer den med .separator &quot;\t&quot; i stedet for --csv (%1).</translation>
    </message>
    <message>
        <source>Its first row holds the column names: the file has a title row above its header. Import it with --skip 1, or delete the title row (%1).</source>
        <translation>Den første raden i tabellen inneholder kolonnenavnene: filen har en tittelrad over overskriftsraden. Importer den med --skip 1, eller slett tittelraden (%1).</translation>
    </message>
    <message>
        <source>Reading it failed.</source>
        <translation>Kunne ikke lese tabellen.</translation>
    </message>
    <message>
        <source>Atomic numbers with blanks around them, which the lookup&apos;s query does not find: %1.</source>
        <translation>Atomnumre med mellomrom foran eller bak, som oppslagsspørringen ikke finner: %1.</translation>
    </message>
    <message>
        <source>The file&apos;s header row (%1) is a row of the table: the table was made before the import, which read the header as data. Import the file into a fresh database, or with --skip 1 (%2).</source>
        <translation>Overskriftsraden i filen (%1) er en rad i tabellen: tabellen ble opprettet før importen, som leste overskriftsraden som data. Importer filen til en ny database eller med --skip 1 (%2).</translation>
    </message>
    <message>
        <source>Looking an element up by its number fails: AtomicNumber must compare with a bare number, as in &quot;%1&quot;.</source>
        <translation>Oppslag av et grunnstoff etter nummer mislykkes: AtomicNumber må kunne sammenlignes med et tall uten anførselstegn, som i «%1».</translation>
    </message>
    <message>
        <source>Symbols or names with invisible characters in them (zero-width spaces or joiners, soft hyphens, direction marks), which no typed answer holds, for atomic numbers %1.</source>
        <translation>Symboler eller navn med usynlige tegn i seg (mellomrom eller sammenføyere med null bredde, myke bindestreker, retningsmerker), som ingen inntastede svar inneholder, for atomnummer %1.</translation>
    </message>
    <message>
        <source>Symbols or names with characters that no element&apos;s name has, as a file saved in another character set than UTF-8 leaves them (&quot;?&quot;, &quot;Ã³&quot;, &quot;Å¼&quot;), for atomic numbers %1. Save the sheet again as CSV in the character set &quot;Unicode (UTF-8)&quot;, or convert the file with iconv, and import it again (%2).</source>
        <translation type="vanished">Symboler eller navn med tegn som ikke finnes i navnet til noe grunnstoff, slik en fil som er lagret i et annet tegnsett enn UTF-8, etterlater dem («?», «Ã³», «Å¼»), for atomnummer %1. Lagre regnearket på nytt som CSV i tegnsettet «Unicode (UTF-8)», eller konverter filen med iconv, og importer den på nytt (%2).</translation>
    </message>
    <message>
        <source>The file was saved as UTF-16 (&quot;Unicode text&quot; in office programs), which the import does not read. Convert it with &quot;iconv -f %1 -t UTF-8 elements.csv &gt; elements-utf8.csv&quot; and import elements-utf8.csv, or save the sheet again as CSV in the character set &quot;Unicode (UTF-8)&quot; (%2).</source>
        <translation>Filen ble lagret som UTF-16 («Unicode-tekst» i kontorprogrammer), som importen ikke leser. Konverter den med «iconv -f %1 -t UTF-8 elements.csv &gt; elements-utf8.csv», og importer elements-utf8.csv, eller lagre regnearket på nytt som CSV i tegnsettet «Unicode (UTF-8)» (%2).</translation>
    </message>
    <message>
        <source>Names with characters that no element&apos;s name has, garbled because the file was saved in the character set %1 and read as %2, for atomic numbers %3. Read it as %1: in psql, give &quot;\encoding %4&quot; before \copy, or convert it first with &quot;iconv -f %5 -t UTF-8&quot;, and import it again (%6).</source>
        <translation>Navn med tegn som ikke finnes i navnet til noe grunnstoff, forvrengt fordi filen ble lagret i tegnsettet %1 og lest som %2, for atomnummer %3. Les den som %1: gi «\encoding %4» i psql før \copy, eller konverter den først med «iconv -f %5 -t UTF-8», og importer den på nytt (%6).</translation>
    </message>
    <message>
        <source>Names with characters that no element&apos;s name has, garbled because the file was saved in the character set %1 and read as %2, for atomic numbers %3. Convert it with &quot;%4 &gt; elements-utf8.csv&quot; and import elements-utf8.csv in its place (%5).</source>
        <translation>Navn med tegn som ikke finnes i navnet til noe grunnstoff, forvrengt fordi filen ble lagret i tegnsettet %1 og lest som %2, for atomnummer %3. Konverter den med «%4 &gt; elements-utf8.csv», og importer elements-utf8.csv i stedet (%5).</translation>
    </message>
    <message>
        <source>Symbols or names with characters that no element&apos;s name has, such as &quot;?&quot; or the letter pairs (&quot;Ã³&quot;, &quot;Å¼&quot;) that a file saved in another character set than UTF-8 leaves, or with no letter at their start or end (&quot;-&quot;, a lone accent), for atomic numbers %1. Retype those cells, or save the sheet again as CSV in the character set &quot;Unicode (UTF-8)&quot; (or convert the file with iconv) and import it again (%2).</source>
        <translation>Symboler eller navn med tegn som ikke finnes i navnet til noe grunnstoff, som «?» eller bokstavparene («Ã³», «Å¼») en fil lagret i et annet tegnsett enn UTF-8 etterlater, eller uten bokstav i starten eller slutten («-», en enslig aksent), for atomnummer %1. Skriv inn cellene på nytt, eller lagre regnearket på nytt som CSV i tegnsettet «Unicode (UTF-8)» (eller konverter filen med iconv), og importer den på nytt (%2).</translation>
    </message>
</context>
<context>
    <name>OdbcDataSource</name>
    <message>
        <source>ODBC data source &quot;%1&quot;</source>
        <translation>ODBC-datakilden «%1»</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Usage: %1</source>
        <translation>Bruk: %1</translation>
    </message>
    <message>
        <source>[options]</source>
        <translation>[valg]</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Valg:</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Viser hjelp om kommandolinjevalgene.</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>Viser hjelp, også om Qt-spesifikke valg.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>Viser versjonsinformasjon.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>Mangler verdi etter «%1».</translation>
    </message>
</context>
<context>
    <name>QGnomeTheme</name>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
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
        <translation>&amp;Angre</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Gjør om</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Klipp &amp;ut</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopier</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Lim inn</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Slett</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Merk alt</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>QUnicodeControlCharacterMenu</name>
    <message>
        <source>Insert Unicode control character</source>
        <translation>Sett inn Unicode-kontrolltegn</translation>
    </message>
</context>
<context>
    <name>SqlScript</name>
    <message>
        <source>The element table&apos;s script is missing from the program.</source>
        <translation>Skriptet for grunnstofftabellen mangler i programmet.</translation>
    </message>
    <message>
        <source>The element table&apos;s script cannot be run: %1</source>
        <translation>Kan ikke kjøre skriptet for grunnstofftabellen: %1</translation>
    </message>
    <message>
        <source>The element names in %1 cannot be loaded: %2</source>
        <translation>Kan ikke laste inn grunnstoffnavnene på språket %1: %2</translation>
    </message>
</context>
<context>
    <name>frmElements</name>
    <message>
        <source>Elements</source>
        <translation>Grunnstoffer</translation>
    </message>
    <message>
        <source>Atomic Number</source>
        <translation>Atomnummer</translation>
    </message>
    <message>
        <source>Symbol</source>
        <translation>Symbol</translation>
    </message>
    <message>
        <source>Element Name</source>
        <translation>Navn</translation>
    </message>
    <message>
        <source>Atomic Mass</source>
        <translation>Atommasse</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Svar</translation>
    </message>
    <message>
        <source>Created by Orvashel</source>
        <translation>Laget av Orvashel</translation>
    </message>
    <message>
        <source>Spin</source>
        <translation>Snurr</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Sjekk</translation>
    </message>
    <message>
        <source>Step 1</source>
        <translation>Trinn 1</translation>
    </message>
    <message>
        <source>Guess the Name</source>
        <translation>Gjett navnet</translation>
    </message>
    <message>
        <source>Guess the Symbol</source>
        <translation>Gjett symbolet</translation>
    </message>
    <message>
        <source>Step 2</source>
        <translation>Trinn 2</translation>
    </message>
    <message>
        <source>Elements 1 to 36</source>
        <translation>Grunnstoffer 1–36</translation>
    </message>
    <message>
        <source>Elements 1 to 38, 40, 42, 47 - 57, 74, 78 - 80</source>
        <translation>Grunnstoffer 1–38, 40, 42, 47–57, 74, 78–80</translation>
    </message>
    <message>
        <source>Elements 1 to 38, 40, 42, 47 - 57, 74, 78 - 89, 92, 94, 95</source>
        <translation>Grunnstoffer 1–38, 40, 42, 47–57, 74, 78–89, 92, 94, 95</translation>
    </message>
    <message>
        <source>Elements 1 to 103</source>
        <translation>Grunnstoffer 1–103</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Avslutt</translation>
    </message>
    <message>
        <source>Shortcut: %1</source>
        <translation>Hurtigtast: %1</translation>
    </message>
</context>
</TS>
