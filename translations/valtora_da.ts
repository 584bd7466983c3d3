<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="da" sourcelanguage="en">
<context>
    <name>AnswerCheck</name>
    <message>
        <source>Your my hero</source>
        <translation>Du er for sej!</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>Prøv igen</translation>
    </message>
</context>
<context>
    <name>ApplicationStart</name>
    <message>
        <source>valtora: no display could be opened. Choose one with DISPLAY (X11) or WAYLAND_DISPLAY (Wayland), or run without one with &quot;-platform offscreen&quot;.</source>
        <translation>valtora: der kunne ikke åbnes nogen skærm. Vælg en med DISPLAY (X11) eller WAYLAND_DISPLAY (Wayland), eller kør Valtora uden skærm med »-platform offscreen«.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>A desktop quiz on the chemical elements.</source>
        <translation>En computerquiz om de kemiske grundstoffer.</translation>
    </message>
    <message>
        <source>valtora: &quot;%1&quot; is not an option or argument of Valtora; &quot;valtora --help&quot; lists them.</source>
        <translation>valtora: »%1« er hverken et tilvalg eller et argument til Valtora; »valtora --help« viser dem.</translation>
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
        <translation>ODBC-driveren »%2«, som er angivet i %1, er ikke installeret på denne computer. Installér den, eller angiv en installeret driver i linjen Driver i datakilden: kommandoen »odbcinst -q -d« viser de installerede drivere.</translation>
    </message>
    <message>
        <source>%1 names no database file: its Database line is empty. Put the path of the SQLite file that holds the table elements there.</source>
        <translation>Der er ikke angivet nogen databasefil i %1: linjen Database er tom. Skriv stien til den SQLite-fil, der indeholder tabellen elements, i den linje.</translation>
    </message>
    <message>
        <source>The database file &quot;%2&quot; of %1 does not exist. Check the path on the data source&apos;s Database line.</source>
        <translation>Databasefilen »%2« for %1 findes ikke. Kontrollér stien i linjen Database i datakilden.</translation>
    </message>
    <message>
        <source>The file &quot;%2&quot; of %1 is not an SQLite database. Check the path on the data source&apos;s Database line, or make the file again with the sqlite3 shell.</source>
        <translation>Filen »%2« for %1 er ikke en SQLite-database. Kontrollér stien i linjen Database i datakilden, eller opret filen igen med skallen sqlite3.</translation>
    </message>
    <message>
        <source>The database file &quot;%2&quot; of %1 is locked by another program that is changing it. Close that program, or end its transaction, then start Valtora again.</source>
        <translation>Databasefilen »%2« for %1 er låst af et andet program, som er ved at ændre den. Luk det program, eller afslut dets transaktion, og start derefter Valtora igen.</translation>
    </message>
    <message>
        <source>The server of %1 accepts no more connections: all it allows are in use. Close Valtora on another desk, or ask whoever runs the server to allow more connections or to put a connection pooler in front of it.</source>
        <translation>Serveren for %1 tager ikke imod flere forbindelser: alle dem, den tillader, er i brug. Luk Valtora på en anden computer, eller bed den, der driver serveren, om at tillade flere forbindelser eller om at sætte en forbindelsespulje (connection pooler) foran den.</translation>
    </message>
    <message>
        <source>The server of %1 refused the login. Check the Username, Password and Database lines of the data source, and that the server lets that role connect from this computer (pg_hba.conf).</source>
        <translation>Serveren for %1 afviste logindet. Kontrollér linjerne Username, Password og Database i datakilden, og at serveren tillader den rolle at oprette forbindelse fra denne computer (pg_hba.conf).</translation>
    </message>
    <message>
        <source>The server of %1 cannot be reached. Check the Servername and Port lines of the data source, that the server is running, and that this computer can reach it over the network.</source>
        <translation>Serveren for %1 kan ikke nås. Kontrollér linjerne Servername og Port i datakilden, at serveren kører, og at denne computer kan nå den via netværket.</translation>
    </message>
    <message>
        <source>The connection to the server of %1 was lost: the server was stopped or restarted, or the network failed. Start Valtora again once the server is back.</source>
        <translation>Forbindelsen til serveren for %1 blev afbrudt: serveren blev stoppet eller genstartet, eller netværket svigtede. Start Valtora igen, når serveren er tilgængelig igen.</translation>
    </message>
    <message>
        <source>%1 did not answer within %2 seconds. Check that its server is running and not overloaded, and that no other program holds its database locked, then start Valtora again.</source>
        <translation>Intet svar fra %1 inden for %2 sekunder. Kontrollér, at serveren kører og ikke er overbelastet, og at intet andet program holder databasen låst. Start derefter Valtora igen.</translation>
    </message>
    <message>
        <source>The driver said: %1</source>
        <translation>Meddelelse fra driveren: %1</translation>
    </message>
    <message>
        <source>The server of %1 is starting up or shutting down, and accepts no connections now. Start Valtora again in a minute; if it keeps saying so, ask whoever runs the server.</source>
        <translation>Serveren for %1 er ved at starte eller lukke ned og tager ikke imod forbindelser lige nu. Start Valtora igen om et minut; hvis meddelelsen bliver ved, så kontakt den, der driver serveren.</translation>
    </message>
    <message>
        <source>The server of %1 ended the connection on an administrator&apos;s command: someone ended Valtora&apos;s session on the server, or the server was stopped or restarted. Start Valtora again once the server is back.</source>
        <translation>Serveren for %1 afsluttede forbindelsen på en administrators ordre: nogen afsluttede Valtoras session på serveren, eller serveren blev stoppet eller genstartet. Start Valtora igen, når serveren er tilgængelig igen.</translation>
    </message>
    <message>
        <source>The server of %1 closed the connection because it was idle for longer than the server allows (its setting idle_session_timeout). Ask whoever runs the server to lift that limit for the quiz&apos;s role (alter role quiz set idle_session_timeout = 0), then start Valtora again.</source>
        <translation>Serveren for %1 lukkede forbindelsen, fordi den havde været inaktiv længere, end serveren tillader (dens indstilling idle_session_timeout). Bed den, der driver serveren, om at fjerne grænsen for quizzens rolle (alter role quiz set idle_session_timeout = 0), og start derefter Valtora igen.</translation>
    </message>
    <message>
        <source>A query of Valtora&apos;s on the server of %1 was cancelled on an administrator&apos;s command (pg_cancel_backend, or another program that cancels queries). Start Valtora again.</source>
        <translation>En forespørgsel fra Valtora på serveren for %1 blev annulleret på en administrators ordre (pg_cancel_backend eller et andet program, der annullerer forespørgsler). Start Valtora igen.</translation>
    </message>
    <message>
        <source>The connection pooler in front of the server of %1 gave up waiting for a free server connection, after as long as its setting query_wait_timeout allows. Close Valtora on desks that do not need it, or ask whoever runs the pooler for a larger pool (default_pool_size), then start Valtora again.</source>
        <translation type="vanished">Forbindelsespuljen foran serveren for %1 opgav at vente på en ledig serverforbindelse efter så lang tid, som dens indstilling query_wait_timeout tillader. Luk Valtora på computere, der ikke har brug for det, eller bed den, der driver forbindelsespuljen, om en større pulje (default_pool_size), og start derefter Valtora igen.</translation>
    </message>
    <message>
        <source>Likely causes: the table elements or one of its columns was changed while the quiz ran, the server ended the connection, or the driver cannot read a value of the table.</source>
        <translation>Sandsynlige årsager: tabellen elements eller en af dens kolonner blev ændret, mens quizzen kørte, serveren afsluttede forbindelsen, eller driveren kan ikke læse en værdi i tabellen.</translation>
    </message>
    <message>
        <source>Likely causes: this user may not read the file on the data source&apos;s Database line, or the SQLite driver is set up wrongly (&quot;isql -v Elements&quot; shows what it says).</source>
        <translation>Sandsynlige årsager: denne bruger må ikke læse filen i linjen Database i datakilden, eller SQLite-driveren er sat forkert op (»isql -v Elements« viser, hvad den siger).</translation>
    </message>
    <message>
        <source>Likely causes: the server is not running or this computer cannot reach it, the data source&apos;s Servername, Port, Database, Username or Password line does not match the server, or its driver is set up wrongly (&quot;isql -v Elements&quot; shows what it says).</source>
        <translation>Sandsynlige årsager: serveren kører ikke, eller denne computer kan ikke nå den, linjen Servername, Port, Database, Username eller Password i datakilden passer ikke til serveren, eller driveren er sat forkert op (»isql -v Elements« viser, hvad den siger).</translation>
    </message>
    <message>
        <source>The server of %1 gave up waiting for a lock on the table elements, after as long as its setting lock_timeout allows: another program holds the table locked, changing it or in a transaction left open. Ask whoever runs the server to end that program&apos;s transaction, then start Valtora again.</source>
        <translation>Serveren for %1 opgav at vente på en lås på tabellen elements efter så lang tid, som dens indstilling lock_timeout tillader: et andet program holder tabellen låst, fordi det er ved at ændre den eller har efterladt en transaktion åben. Bed den, der driver serveren, om at afslutte det programs transaktion, og start derefter Valtora igen.</translation>
    </message>
    <message>
        <source>The server of %1 does not let the role &quot;%2&quot; read the table elements. Ask whoever runs the server to allow it: grant select on elements to %2;</source>
        <translation>Serveren for %1 tillader ikke rollen »%2« at læse tabellen elements. Bed den, der driver serveren, om at tillade det: grant select on elements to %2;</translation>
    </message>
    <message>
        <source>The connection pooler in front of the server of %1 gave up waiting for a server connection, after as long as its setting query_wait_timeout allows. Either every connection of its pool is in use (close Valtora on desks that do not need it, or ask whoever runs the pooler for a larger pool, default_pool_size), or the server behind it cannot be reached (ask whoever runs it to check that it is running). Then start Valtora again.</source>
        <translation>Forbindelsespuljen foran serveren for %1 opgav at vente på en serverforbindelse efter så lang tid, som dens indstilling query_wait_timeout tillader. Enten er alle forbindelser i dens pulje i brug (luk Valtora på computere, der ikke har brug for det, eller bed den, der driver forbindelsespuljen, om en større pulje, default_pool_size), eller også kan serveren bag den ikke nås (bed den, der driver serveren, om at kontrollere, at den kører). Start derefter Valtora igen.</translation>
    </message>
</context>
<context>
    <name>DesktopEntry</name>
    <message>
        <source>Chemical Elements Quiz</source>
        <extracomment>The kind of program, as menus show it beside its name.</extracomment>
        <translation>Quiz om de kemiske grundstoffer</translation>
    </message>
    <message>
        <source>Drill the symbols and names of the chemical elements</source>
        <extracomment>What the program is for, in a line: menus&apos; tooltips, software centres&apos; summary.</extracomment>
        <translation>Øv de kemiske grundstoffers symboler og navne</translation>
    </message>
    <message>
        <source>chemistry;elements;periodic table;symbol;quiz;school;</source>
        <extracomment>Words a desktop&apos;s search finds the program by, each followed by a semicolon.</extracomment>
        <translation>kemi;grundstoffer;det periodiske system;symbol;quiz;skole;</translation>
    </message>
    <message>
        <source>Valtora is a quiz on the chemical elements. It shows an element&apos;s atomic number, symbol, name and atomic mass with the symbol or the name covered, and you type what is covered.</source>
        <extracomment>Software centres: the description.</extracomment>
        <translation>Valtora er en quiz om de kemiske grundstoffer. Den viser et grundstofs atomnummer, symbol, navn og atommasse med symbolet eller navnet skjult, og du skriver det, der er skjult.</translation>
    </message>
    <message>
        <source>Guess the symbol or the name</source>
        <extracomment>Software centres: a feature in the description&apos;s list.</extracomment>
        <translation>Gæt symbolet eller navnet</translation>
    </message>
    <message>
        <source>Draw from the first 36 elements, from those a school course knows, or from all 103</source>
        <extracomment>Software centres: a feature in the description&apos;s list.</extracomment>
        <translation>Træk blandt de første 36 grundstoffer, blandt dem et skolekursus gennemgår, eller blandt alle 103</translation>
    </message>
    <message>
        <source>Played by keyboard alone, and read out by screen readers</source>
        <extracomment>Software centres: a feature in the description&apos;s list.</extracomment>
        <translation>Kan spilles med tastaturet alene og læses op af skærmlæsere</translation>
    </message>
    <message numerus="yes">
        <source>In %n languages, the element names included</source>
        <extracomment>Software centres: a feature in the description&apos;s list; %n counts English too.</extracomment>
        <translation>
            <numerusform>På %n sprog, grundstoffernes navne medregnet</numerusform>
            <numerusform>På %n sprog, grundstoffernes navne medregnet</numerusform>
        </translation>
    </message>
    <message>
        <source>Needs no setup; a school can serve its own element table to every desk from one server</source>
        <extracomment>Software centres: a feature in the description&apos;s list.</extracomment>
        <translation>Kræver ingen opsætning; en skole kan levere sin egen grundstoftabel til hver arbejdsplads fra én server</translation>
    </message>
    <message>
        <source>The quiz after one spin, the symbol covered</source>
        <extracomment>Software centres: the caption of the screenshot.</extracomment>
        <translation>Quizzen efter ét drej, med symbolet skjult</translation>
    </message>
</context>
<context>
    <name>ElementDatabase</name>
    <message>
        <source>the embedded element table</source>
        <translation>den indbyggede grundstoftabel</translation>
    </message>
    <message>
        <source>%1: Qt&apos;s ODBC driver (QODBC) is not installed.</source>
        <translation>Qt’s ODBC-driver (QODBC) er ikke installeret, så %1 kan ikke bruges.</translation>
    </message>
    <message>
        <source>%1 cannot be opened.</source>
        <translation>Kan ikke åbne %1.</translation>
    </message>
    <message>
        <source>%1: Qt&apos;s SQLite driver (QSQLITE) is not installed.</source>
        <translation>Qt’s SQLite-driver (QSQLITE) er ikke installeret, så %1 kan ikke bruges.</translation>
    </message>
    <message>
        <source>The query &quot;%1&quot; on %2 failed.</source>
        <translation>Forespørgslen »%1« til %2 mislykkedes.</translation>
    </message>
</context>
<context>
    <name>ElementLookup</name>
    <message>
        <source>&quot;%1&quot; is not an atomic number to look up.</source>
        <translation>»%1« er ikke et atomnummer, der kan slås op.</translation>
    </message>
    <message>
        <source>There is no row for atomic number %1 in table %2.</source>
        <translation>Der er ingen række for atomnummer %1 i tabellen %2.</translation>
    </message>
    <message>
        <source>The row for atomic number %1 in table %2 has no symbol (%3 is empty): no answer could be judged against it.</source>
        <translation>Rækken for atomnummer %1 i tabellen %2 har intet symbol (%3 er tom): intet svar kan sammenlignes med den.</translation>
    </message>
    <message>
        <source>The row for atomic number %1 in table %2 has no name (%3 is empty): no answer could be judged against it.</source>
        <translation>Rækken for atomnummer %1 i tabellen %2 har intet navn (%3 er tom): intet svar kan sammenlignes med den.</translation>
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
        <translation>Tabellen har kolonnerne %1.</translation>
    </message>
    <message>
        <source>The table %1 of %2 cannot be used.
%3</source>
        <translation>Tabellen %1 i %2 kan ikke bruges.
%3</translation>
    </message>
    <message>
        <source>%1 has no table %2.</source>
        <translation>Der er ingen tabel %2 i %1.</translation>
    </message>
    <message>
        <source>Missing columns: %1.</source>
        <translation>Manglende kolonner: %1.</translation>
    </message>
    <message>
        <source>The file was imported twice into the same database: its header row is a row of the table, and every element is there twice. Import it again into a fresh database file (delete the old one first).</source>
        <translation>Filen er importeret to gange til den samme database: dens overskriftsrække er blevet en række i tabellen, og hvert grundstof står der to gange. Importér den igen til en ny databasefil (slet den gamle først).</translation>
    </message>
    <message>
        <source>No row for atomic numbers %1.</source>
        <translation>Ingen række for atomnumrene %1.</translation>
    </message>
    <message>
        <source>More than one row for atomic numbers %1.</source>
        <translation>Mere end én række for atomnumrene %1.</translation>
    </message>
    <message>
        <source>Atomic numbers that are not whole numbers: %1.</source>
        <translation>Atomnumre, der ikke er hele tal: %1.</translation>
    </message>
    <message>
        <source>Rows without an atomic number: %1.</source>
        <translation>Rækker uden atomnummer: %1.</translation>
    </message>
    <message>
        <source>No symbol for atomic numbers %1.</source>
        <translation>Intet symbol for atomnumrene %1.</translation>
    </message>
    <message>
        <source>No name for atomic numbers %1.</source>
        <translation>Intet navn for atomnumrene %1.</translation>
    </message>
    <message>
        <source>Names that no answer can match, since answers are put in proper case (&quot;Iron&quot;, not &quot;iron&quot; or &quot;IRON&quot;), for atomic numbers %1.</source>
        <translation>Navne, som intet svar kan matche, fordi svarene skrives med stort begyndelsesbogstav (»Jern«, ikke »jern« eller »JERN«), for atomnumrene %1.</translation>
    </message>
    <message>
        <source>Symbols or names with blanks around them, which no answer can match, for atomic numbers %1.</source>
        <translation>Symboler eller navne med mellemrum før eller efter, som intet svar kan matche, for atomnumrene %1.</translation>
    </message>
    <message>
        <source>see &quot;From a spreadsheet&quot; in the README, installed as %1</source>
        <translation>se »From a spreadsheet« i README, installeret som %1</translation>
    </message>
    <message>
        <source>The file was saved with semicolons between its columns, as office programs do where decimals are written with a comma: import it with .separator &quot;;&quot; (%1).</source>
        <translation>Filen er gemt med semikolon mellem kolonnerne, sådan som kontorprogrammer gør, hvor decimaltal skrives med komma: importér den med .separator &quot;;&quot; (%1).</translation>
    </message>
    <message>
        <source>The file was saved with tabs between its columns: import it with .separator &quot;\t&quot; instead of --csv (%1).</source>
        <translation>Filen er gemt med tabulatorer mellem kolonnerne: importér den med .separator &quot;\t&quot; i stedet for --csv (%1).</translation>
    </message>
    <message>
        <source>Its first row holds the column names: the file has a title row above its header. Import it with --skip 1, or delete the title row (%1).</source>
        <translation>Tabellens første række indeholder kolonnenavnene: filen har en titelrække over overskriftsrækken. Importér den med --skip 1, eller slet titelrækken (%1).</translation>
    </message>
    <message>
        <source>Reading it failed.</source>
        <translation>Tabellen kunne ikke læses.</translation>
    </message>
    <message>
        <source>Atomic numbers with blanks around them, which the lookup&apos;s query does not find: %1.</source>
        <translation>Atomnumre med mellemrum før eller efter, som opslagsforespørgslen ikke finder: %1.</translation>
    </message>
    <message>
        <source>The file&apos;s header row (%1) is a row of the table: the table was made before the import, which read the header as data. Import the file into a fresh database, or with --skip 1 (%2).</source>
        <translation>Filens overskriftsrække (%1) er en række i tabellen: tabellen blev oprettet før importen, som læste overskriftsrækken som data. Importér filen til en ny database eller med --skip 1 (%2).</translation>
    </message>
    <message>
        <source>Looking an element up by its number fails: AtomicNumber must compare with a bare number, as in &quot;%1&quot;.</source>
        <translation>Opslag af et grundstof ud fra dets nummer mislykkes: AtomicNumber skal kunne sammenlignes med et tal uden anførselstegn, som i »%1«.</translation>
    </message>
    <message>
        <source>Symbols or names with invisible characters in them (zero-width spaces or joiners, soft hyphens, direction marks), which no typed answer holds, for atomic numbers %1.</source>
        <translation>Symboler eller navne med usynlige tegn i (mellemrum eller sammenføjningstegn med nul bredde, bløde bindestreger, retningsmarkeringer), som intet indtastet svar indeholder, for atomnumrene %1.</translation>
    </message>
    <message>
        <source>Symbols or names with characters that no element&apos;s name has, as a file saved in another character set than UTF-8 leaves them (&quot;?&quot;, &quot;Ã³&quot;, &quot;Å¼&quot;), for atomic numbers %1. Save the sheet again as CSV in the character set &quot;Unicode (UTF-8)&quot;, or convert the file with iconv, and import it again (%2).</source>
        <translation type="vanished">Symboler eller navne med tegn, som intet grundstofnavn har, sådan som en fil gemt i et andet tegnsæt end UTF-8 efterlader dem (»?«, »Ã³«, »Å¼«), for atomnumrene %1. Gem regnearket igen som CSV i tegnsættet »Unicode (UTF-8)«, eller konvertér filen med iconv, og importér den igen (%2).</translation>
    </message>
    <message>
        <source>The file was saved as UTF-16 (&quot;Unicode text&quot; in office programs), which the import does not read. Convert it with &quot;iconv -f %1 -t UTF-8 elements.csv &gt; elements-utf8.csv&quot; and import elements-utf8.csv, or save the sheet again as CSV in the character set &quot;Unicode (UTF-8)&quot; (%2).</source>
        <translation>Filen blev gemt som UTF-16 (»Unicode-tekst« i kontorprogrammer), som importen ikke læser. Konvertér den med »iconv -f %1 -t UTF-8 elements.csv &gt; elements-utf8.csv«, og importér elements-utf8.csv, eller gem regnearket igen som CSV i tegnsættet »Unicode (UTF-8)« (%2).</translation>
    </message>
    <message>
        <source>Names with characters that no element&apos;s name has, garbled because the file was saved in the character set %1 and read as %2, for atomic numbers %3. Read it as %1: in psql, give &quot;\encoding %4&quot; before \copy, or convert it first with &quot;iconv -f %5 -t UTF-8&quot;, and import it again (%6).</source>
        <translation>Navne med tegn, som intet grundstofnavn har, forvansket, fordi filen blev gemt i tegnsættet %1 og læst som %2, for atomnumrene %3. Læs den som %1: angiv »\encoding %4« i psql før \copy, eller konvertér den først med »iconv -f %5 -t UTF-8«, og importér den igen (%6).</translation>
    </message>
    <message>
        <source>Names with characters that no element&apos;s name has, garbled because the file was saved in the character set %1 and read as %2, for atomic numbers %3. Convert it with &quot;%4 &gt; elements-utf8.csv&quot; and import elements-utf8.csv in its place (%5).</source>
        <translation>Navne med tegn, som intet grundstofnavn har, forvansket, fordi filen blev gemt i tegnsættet %1 og læst som %2, for atomnumrene %3. Konvertér den med »%4 &gt; elements-utf8.csv«, og importér elements-utf8.csv i stedet (%5).</translation>
    </message>
    <message>
        <source>Symbols or names with characters that no element&apos;s name has, such as &quot;?&quot; or the letter pairs (&quot;Ã³&quot;, &quot;Å¼&quot;) that a file saved in another character set than UTF-8 leaves, or with no letter at their start or end (&quot;-&quot;, a lone accent), for atomic numbers %1. Retype those cells, or save the sheet again as CSV in the character set &quot;Unicode (UTF-8)&quot; (or convert the file with iconv) and import it again (%2).</source>
        <translation>Symboler eller navne med tegn, som intet grundstofnavn har, såsom »?« eller de bogstavpar (»Ã³«, »Å¼«), som en fil gemt i et andet tegnsæt end UTF-8 efterlader, eller uden bogstav i starten eller slutningen (»-«, en enlig accent), for atomnumrene %1. Skriv cellerne igen, eller gem regnearket igen som CSV i tegnsættet »Unicode (UTF-8)« (eller konvertér filen med iconv), og importér den igen (%2).</translation>
    </message>
</context>
<context>
    <name>OdbcDataSource</name>
    <message>
        <source>ODBC data source &quot;%1&quot;</source>
        <translation>ODBC-datakilden »%1«</translation>
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
        <translation>Scriptet til grundstoftabellen mangler i programmet.</translation>
    </message>
    <message>
        <source>The element table&apos;s script cannot be run: %1</source>
        <translation>Scriptet til grundstoftabellen kan ikke køres: %1</translation>
    </message>
    <message>
        <source>The element names in %1 cannot be loaded: %2</source>
        <translation>Grundstofnavnene på sproget %1 kan ikke indlæses: %2</translation>
    </message>
</context>
<context>
    <name>frmElements</name>
    <message>
        <source>Elements</source>
        <translation>Grundstoffer</translation>
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
        <translation>Lavet af Orvashel</translation>
    </message>
    <message>
        <source>Spin</source>
        <translation>Drej</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Tjek</translation>
    </message>
    <message>
        <source>Step 1</source>
        <translation>Trin 1</translation>
    </message>
    <message>
        <source>Guess the Name</source>
        <translation>Gæt navnet</translation>
    </message>
    <message>
        <source>Guess the Symbol</source>
        <translation>Gæt symbolet</translation>
    </message>
    <message>
        <source>Step 2</source>
        <translation>Trin 2</translation>
    </message>
    <message>
        <source>Elements 1 to 36</source>
        <translation>Grundstoffer 1–36</translation>
    </message>
    <message>
        <source>Elements 1 to 38, 40, 42, 47 - 57, 74, 78 - 80</source>
        <translation>Grundstoffer 1–38, 40, 42, 47–57, 74, 78–80</translation>
    </message>
    <message>
        <source>Elements 1 to 38, 40, 42, 47 - 57, 74, 78 - 89, 92, 94, 95</source>
        <translation>Grundstoffer 1–38, 40, 42, 47–57, 74, 78–89, 92, 94, 95</translation>
    </message>
    <message>
        <source>Elements 1 to 103</source>
        <translation>Grundstoffer 1–103</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Afslut</translation>
    </message>
    <message>
        <source>Shortcut: %1</source>
        <translation>Genvejstast: %1</translation>
    </message>
</context>
</TS>
