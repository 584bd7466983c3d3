<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl" sourcelanguage="en">
<context>
    <name>AnswerCheck</name>
    <message>
        <source>Your my hero</source>
        <translation>Je bent mijn held!</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>Probeer opnieuw</translation>
    </message>
</context>
<context>
    <name>ApplicationStart</name>
    <message>
        <source>valtora: no display could be opened. Choose one with DISPLAY (X11) or WAYLAND_DISPLAY (Wayland), or run without one with &quot;-platform offscreen&quot;.</source>
        <translation>valtora: er kon geen display worden geopend. Kies er een met DISPLAY (X11) of WAYLAND_DISPLAY (Wayland), of start Valtora zonder display met &quot;-platform offscreen&quot;.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>A desktop quiz on the chemical elements.</source>
        <translation>Een desktopquiz over de chemische elementen.</translation>
    </message>
    <message>
        <source>valtora: &quot;%1&quot; is not an option or argument of Valtora; &quot;valtora --help&quot; lists them.</source>
        <translation>valtora: &quot;%1&quot; is geen optie of argument van Valtora; &quot;valtora --help&quot; somt ze op.</translation>
    </message>
</context>
<context>
    <name>DataControl</name>
    <message>
        <source>The table on %1 has no column %2.</source>
        <translation>De tabel in %1 heeft geen kolom %2.</translation>
    </message>
</context>
<context>
    <name>DataSourceFaults</name>
    <message>
        <source>%1 names the ODBC driver &quot;%2&quot;, which is not installed on this computer. Install it, or name an installed driver on the data source&apos;s Driver line: the command &quot;odbcinst -q -d&quot; lists them.</source>
        <translation>%1 verwijst naar het ODBC-stuurprogramma &quot;%2&quot;, dat niet op deze computer is geïnstalleerd. Installeer het, of geef op de Driver-regel van de gegevensbron een geïnstalleerd stuurprogramma op: de opdracht &quot;odbcinst -q -d&quot; toont welke er zijn.</translation>
    </message>
    <message>
        <source>%1 names no database file: its Database line is empty. Put the path of the SQLite file that holds the table elements there.</source>
        <translation>%1 geeft geen databasebestand op: de Database-regel is leeg. Vul daar het pad in van het SQLite-bestand met de tabel elements.</translation>
    </message>
    <message>
        <source>The database file &quot;%2&quot; of %1 does not exist. Check the path on the data source&apos;s Database line.</source>
        <translation>Het databasebestand &quot;%2&quot; van %1 bestaat niet. Controleer het pad op de Database-regel van de gegevensbron.</translation>
    </message>
    <message>
        <source>The file &quot;%2&quot; of %1 is not an SQLite database. Check the path on the data source&apos;s Database line, or make the file again with the sqlite3 shell.</source>
        <translation>Het bestand &quot;%2&quot; van %1 is geen SQLite-database. Controleer het pad op de Database-regel van de gegevensbron, of maak het bestand opnieuw aan met de shell sqlite3.</translation>
    </message>
    <message>
        <source>The database file &quot;%2&quot; of %1 is locked by another program that is changing it. Close that program, or end its transaction, then start Valtora again.</source>
        <translation>Het databasebestand &quot;%2&quot; van %1 is vergrendeld door een ander programma dat het aan het wijzigen is. Sluit dat programma of beëindig de transactie ervan, en start Valtora daarna opnieuw.</translation>
    </message>
    <message>
        <source>The server of %1 accepts no more connections: all it allows are in use. Close Valtora on another desk, or ask whoever runs the server to allow more connections or to put a connection pooler in front of it.</source>
        <translation>De server van %1 accepteert geen verbindingen meer: alle toegestane verbindingen zijn in gebruik. Sluit Valtora op een andere computer, of vraag de beheerder van de server om meer verbindingen toe te staan of er een connection pooler vóór te plaatsen.</translation>
    </message>
    <message>
        <source>The server of %1 refused the login. Check the Username, Password and Database lines of the data source, and that the server lets that role connect from this computer (pg_hba.conf).</source>
        <translation>De server van %1 heeft de aanmelding geweigerd. Controleer de regels Username, Password en Database van de gegevensbron, en of de server die rol toestaat om vanaf deze computer verbinding te maken (pg_hba.conf).</translation>
    </message>
    <message>
        <source>The server of %1 cannot be reached. Check the Servername and Port lines of the data source, that the server is running, and that this computer can reach it over the network.</source>
        <translation>De server van %1 is niet bereikbaar. Controleer de regels Servername en Port van de gegevensbron, of de server draait, en of deze computer de server via het netwerk kan bereiken.</translation>
    </message>
    <message>
        <source>The connection to the server of %1 was lost: the server was stopped or restarted, or the network failed. Start Valtora again once the server is back.</source>
        <translation>De verbinding met de server van %1 is verbroken: de server is gestopt of opnieuw gestart, of het netwerk is uitgevallen. Start Valtora opnieuw zodra de server weer beschikbaar is.</translation>
    </message>
    <message>
        <source>%1 did not answer within %2 seconds. Check that its server is running and not overloaded, and that no other program holds its database locked, then start Valtora again.</source>
        <translation>%1 heeft niet binnen %2 seconden geantwoord. Controleer of de server ervan draait en niet overbelast is, en of geen ander programma de database ervan vergrendeld houdt. Start Valtora daarna opnieuw.</translation>
    </message>
    <message>
        <source>The driver said: %1</source>
        <translation>Melding van het stuurprogramma: %1</translation>
    </message>
    <message>
        <source>The server of %1 is starting up or shutting down, and accepts no connections now. Start Valtora again in a minute; if it keeps saying so, ask whoever runs the server.</source>
        <translation>De server van %1 start op of sluit af en accepteert nu geen verbindingen. Start Valtora over een minuut opnieuw; blijft deze melding komen, vraag het dan aan de beheerder van de server.</translation>
    </message>
    <message>
        <source>The server of %1 ended the connection on an administrator&apos;s command: someone ended Valtora&apos;s session on the server, or the server was stopped or restarted. Start Valtora again once the server is back.</source>
        <translation>De server van %1 heeft de verbinding beëindigd op last van een beheerder: iemand heeft de sessie van Valtora op de server beëindigd, of de server is gestopt of opnieuw gestart. Start Valtora opnieuw zodra de server weer beschikbaar is.</translation>
    </message>
    <message>
        <source>The server of %1 closed the connection because it was idle for longer than the server allows (its setting idle_session_timeout). Ask whoever runs the server to lift that limit for the quiz&apos;s role (alter role quiz set idle_session_timeout = 0), then start Valtora again.</source>
        <translation>De server van %1 heeft de verbinding gesloten omdat die langer inactief was dan de server toestaat (de instelling idle_session_timeout). Vraag de beheerder van de server die grens voor de rol van de quiz op te heffen (alter role quiz set idle_session_timeout = 0) en start Valtora daarna opnieuw.</translation>
    </message>
    <message>
        <source>A query of Valtora&apos;s on the server of %1 was cancelled on an administrator&apos;s command (pg_cancel_backend, or another program that cancels queries). Start Valtora again.</source>
        <translation>Een query van Valtora op de server van %1 is op last van een beheerder geannuleerd (pg_cancel_backend, of een ander programma dat query&apos;s annuleert). Start Valtora opnieuw.</translation>
    </message>
    <message>
        <source>The connection pooler in front of the server of %1 gave up waiting for a free server connection, after as long as its setting query_wait_timeout allows. Close Valtora on desks that do not need it, or ask whoever runs the pooler for a larger pool (default_pool_size), then start Valtora again.</source>
        <translation type="vanished">De connection pooler vóór de server van %1 heeft het wachten op een vrije serververbinding opgegeven, na zo lang als de instelling query_wait_timeout toestaat. Sluit Valtora op werkplekken die het niet nodig hebben, of vraag de beheerder van de pooler om een grotere pool (default_pool_size), en start Valtora daarna opnieuw.</translation>
    </message>
    <message>
        <source>Likely causes: the table elements or one of its columns was changed while the quiz ran, the server ended the connection, or the driver cannot read a value of the table.</source>
        <translation>Waarschijnlijke oorzaken: de tabel elements of een van de kolommen is gewijzigd terwijl de quiz liep, de server heeft de verbinding beëindigd, of het stuurprogramma kan een waarde uit de tabel niet lezen.</translation>
    </message>
    <message>
        <source>Likely causes: this user may not read the file on the data source&apos;s Database line, or the SQLite driver is set up wrongly (&quot;isql -v Elements&quot; shows what it says).</source>
        <translation>Waarschijnlijke oorzaken: deze gebruiker mag het bestand op de regel Database van de gegevensbron niet lezen, of het SQLite-stuurprogramma is verkeerd ingesteld (&quot;isql -v Elements&quot; laat zien wat het meldt).</translation>
    </message>
    <message>
        <source>Likely causes: the server is not running or this computer cannot reach it, the data source&apos;s Servername, Port, Database, Username or Password line does not match the server, or its driver is set up wrongly (&quot;isql -v Elements&quot; shows what it says).</source>
        <translation>Waarschijnlijke oorzaken: de server draait niet of deze computer kan hem niet bereiken, de regel Servername, Port, Database, Username of Password van de gegevensbron past niet bij de server, of het stuurprogramma is verkeerd ingesteld (&quot;isql -v Elements&quot; laat zien wat het meldt).</translation>
    </message>
    <message>
        <source>The server of %1 gave up waiting for a lock on the table elements, after as long as its setting lock_timeout allows: another program holds the table locked, changing it or in a transaction left open. Ask whoever runs the server to end that program&apos;s transaction, then start Valtora again.</source>
        <translation>De server van %1 heeft het wachten op een vergrendeling van de tabel elements opgegeven, na zo lang als de instelling lock_timeout toestaat: een ander programma houdt de tabel vergrendeld, omdat het de tabel aan het wijzigen is of een transactie open heeft gelaten. Vraag de beheerder van de server de transactie van dat programma te beëindigen, en start Valtora daarna opnieuw.</translation>
    </message>
    <message>
        <source>The server of %1 does not let the role &quot;%2&quot; read the table elements. Ask whoever runs the server to allow it: grant select on elements to %2;</source>
        <translation>De server van %1 staat de rol &quot;%2&quot; niet toe de tabel elements te lezen. Vraag de beheerder van de server dit toe te staan: grant select on elements to %2;</translation>
    </message>
    <message>
        <source>The connection pooler in front of the server of %1 gave up waiting for a server connection, after as long as its setting query_wait_timeout allows. Either every connection of its pool is in use (close Valtora on desks that do not need it, or ask whoever runs the pooler for a larger pool, default_pool_size), or the server behind it cannot be reached (ask whoever runs it to check that it is running). Then start Valtora again.</source>
        <translation>De connection pooler vóór de server van %1 heeft het wachten op een serververbinding opgegeven, na zo lang als de instelling query_wait_timeout toestaat. Ofwel zijn alle verbindingen van de pool in gebruik (sluit Valtora op werkplekken die het niet nodig hebben, of vraag de beheerder van de pooler om een grotere pool, default_pool_size), ofwel is de server erachter niet bereikbaar (vraag de beheerder van de server te controleren of die draait). Start Valtora daarna opnieuw.</translation>
    </message>
</context>
<context>
    <name>DesktopEntry</name>
    <message>
        <source>Chemical Elements Quiz</source>
        <extracomment>The kind of program, as menus show it beside its name.</extracomment>
        <translation>Quiz over de chemische elementen</translation>
    </message>
    <message>
        <source>Drill the symbols and names of the chemical elements</source>
        <extracomment>What the program is for, in a line: menus&apos; tooltips, software centres&apos; summary.</extracomment>
        <translation>De symbolen en namen van de chemische elementen oefenen</translation>
    </message>
    <message>
        <source>chemistry;elements;periodic table;symbol;quiz;school;</source>
        <extracomment>Words a desktop&apos;s search finds the program by, each followed by a semicolon.</extracomment>
        <translation>scheikunde;elementen;periodiek systeem;symbool;quiz;school;</translation>
    </message>
    <message>
        <source>Valtora is a quiz on the chemical elements. It shows an element&apos;s atomic number, symbol, name and atomic mass with the symbol or the name covered, and you type what is covered.</source>
        <extracomment>Software centres: the description.</extracomment>
        <translation>Valtora is een quiz over de chemische elementen. Het toont atoomnummer, symbool, naam en atoommassa van een element, met het symbool of de naam afgedekt, en je typt wat afgedekt is.</translation>
    </message>
    <message>
        <source>Guess the symbol or the name</source>
        <extracomment>Software centres: a feature in the description&apos;s list.</extracomment>
        <translation>Het symbool of de naam raden</translation>
    </message>
    <message>
        <source>Draw from the first 36 elements, from those a school course knows, or from all 103</source>
        <extracomment>Software centres: a feature in the description&apos;s list.</extracomment>
        <translation>Kiezen uit de eerste 36 elementen, die van een schoolcursus of alle 103</translation>
    </message>
    <message>
        <source>Played by keyboard alone, and read out by screen readers</source>
        <extracomment>Software centres: a feature in the description&apos;s list.</extracomment>
        <translation>Te spelen met alleen het toetsenbord en voorgelezen door schermlezers</translation>
    </message>
    <message numerus="yes">
        <source>In %n languages, the element names included</source>
        <extracomment>Software centres: a feature in the description&apos;s list; %n counts English too.</extracomment>
        <translation>
            <numerusform>In %n taal, de namen van de elementen inbegrepen</numerusform>
            <numerusform>In %n talen, de namen van de elementen inbegrepen</numerusform>
        </translation>
    </message>
    <message>
        <source>Needs no setup; a school can serve its own element table to every desk from one server</source>
        <extracomment>Software centres: a feature in the description&apos;s list.</extracomment>
        <translation>Zonder instellen; een school kan haar eigen elemententabel vanaf één server aan elke plek leveren</translation>
    </message>
    <message>
        <source>The quiz after one spin, the symbol covered</source>
        <extracomment>Software centres: the caption of the screenshot.</extracomment>
        <translation>De quiz na één keer draaien, het symbool afgedekt</translation>
    </message>
</context>
<context>
    <name>ElementDatabase</name>
    <message>
        <source>the embedded element table</source>
        <translation>de ingebouwde elemententabel</translation>
    </message>
    <message>
        <source>%1: Qt&apos;s ODBC driver (QODBC) is not installed.</source>
        <translation>%1: het ODBC-stuurprogramma van Qt (QODBC) is niet geïnstalleerd.</translation>
    </message>
    <message>
        <source>%1 cannot be opened.</source>
        <translation>%1 kan niet worden geopend.</translation>
    </message>
    <message>
        <source>%1: Qt&apos;s SQLite driver (QSQLITE) is not installed.</source>
        <translation>%1: het SQLite-stuurprogramma van Qt (QSQLITE) is niet geïnstalleerd.</translation>
    </message>
    <message>
        <source>The query &quot;%1&quot; on %2 failed.</source>
        <translation>De query &quot;%1&quot; op %2 is mislukt.</translation>
    </message>
</context>
<context>
    <name>ElementLookup</name>
    <message>
        <source>&quot;%1&quot; is not an atomic number to look up.</source>
        <translation>&quot;%1&quot; is geen atoomnummer dat kan worden opgezocht.</translation>
    </message>
    <message>
        <source>There is no row for atomic number %1 in table %2.</source>
        <translation>Er is geen rij voor atoomnummer %1 in tabel %2.</translation>
    </message>
    <message>
        <source>The row for atomic number %1 in table %2 has no symbol (%3 is empty): no answer could be judged against it.</source>
        <translation>De rij voor atoomnummer %1 in tabel %2 heeft geen symbool (%3 is leeg): er kan geen enkel antwoord aan worden getoetst.</translation>
    </message>
    <message>
        <source>The row for atomic number %1 in table %2 has no name (%3 is empty): no answer could be judged against it.</source>
        <translation>De rij voor atoomnummer %1 in tabel %2 heeft geen naam (%3 is leeg): er kan geen enkel antwoord aan worden getoetst.</translation>
    </message>
</context>
<context>
    <name>ElementTableCheck</name>
    <message>
        <source> and %1 more</source>
        <translation> en nog %1</translation>
    </message>
    <message>
        <source>It has the columns %1.</source>
        <translation>De tabel heeft de kolommen %1.</translation>
    </message>
    <message>
        <source>The table %1 of %2 cannot be used.
%3</source>
        <translation>De tabel %1 van %2 kan niet worden gebruikt.
%3</translation>
    </message>
    <message>
        <source>%1 has no table %2.</source>
        <translation>%1 heeft geen tabel %2.</translation>
    </message>
    <message>
        <source>Missing columns: %1.</source>
        <translation>Ontbrekende kolommen: %1.</translation>
    </message>
    <message>
        <source>The file was imported twice into the same database: its header row is a row of the table, and every element is there twice. Import it again into a fresh database file (delete the old one first).</source>
        <translation>Het bestand is twee keer in dezelfde database geïmporteerd: de koprij is een rij van de tabel geworden en elk element staat er twee keer in. Importeer het opnieuw in een nieuw databasebestand (verwijder eerst het oude).</translation>
    </message>
    <message>
        <source>No row for atomic numbers %1.</source>
        <translation>Geen rij voor atoomnummers %1.</translation>
    </message>
    <message>
        <source>More than one row for atomic numbers %1.</source>
        <translation>Meer dan één rij voor atoomnummers %1.</translation>
    </message>
    <message>
        <source>Atomic numbers that are not whole numbers: %1.</source>
        <translation>Atoomnummers die geen gehele getallen zijn: %1.</translation>
    </message>
    <message>
        <source>Rows without an atomic number: %1.</source>
        <translation>Rijen zonder atoomnummer: %1.</translation>
    </message>
    <message>
        <source>No symbol for atomic numbers %1.</source>
        <translation>Geen symbool voor atoomnummers %1.</translation>
    </message>
    <message>
        <source>No name for atomic numbers %1.</source>
        <translation>Geen naam voor atoomnummers %1.</translation>
    </message>
    <message>
        <source>Names that no answer can match, since answers are put in proper case (&quot;Iron&quot;, not &quot;iron&quot; or &quot;IRON&quot;), for atomic numbers %1.</source>
        <translation>Namen waarmee geen antwoord kan overeenkomen, omdat elk woord van een antwoord een beginhoofdletter krijgt (&quot;IJzer&quot;, niet &quot;ijzer&quot; of &quot;IJZER&quot;), voor atoomnummers %1.</translation>
    </message>
    <message>
        <source>Symbols or names with blanks around them, which no answer can match, for atomic numbers %1.</source>
        <translation>Symbolen of namen met spaties eromheen, waarmee geen antwoord kan overeenkomen, voor atoomnummers %1.</translation>
    </message>
    <message>
        <source>see &quot;From a spreadsheet&quot; in the README, installed as %1</source>
        <translation>zie &quot;From a spreadsheet&quot; in de README, geïnstalleerd als %1</translation>
    </message>
    <message>
        <source>The file was saved with semicolons between its columns, as office programs do where decimals are written with a comma: import it with .separator &quot;;&quot; (%1).</source>
        <translation>Het bestand is opgeslagen met puntkomma&apos;s tussen de kolommen, zoals kantoorprogramma&apos;s doen waar decimalen met een komma worden geschreven: importeer het met .separator &quot;;&quot; (%1).</translation>
    </message>
    <message>
        <source>The file was saved with tabs between its columns: import it with .separator &quot;\t&quot; instead of --csv (%1).</source>
        <translation>Het bestand is opgeslagen met tabs tussen de kolommen: importeer het met .separator &quot;\t&quot; in plaats van --csv (%1).</translation>
    </message>
    <message>
        <source>Its first row holds the column names: the file has a title row above its header. Import it with --skip 1, or delete the title row (%1).</source>
        <translation>De eerste rij bevat de kolomnamen: het bestand heeft een titelrij boven de kopregel. Importeer het met --skip 1, of verwijder de titelrij (%1).</translation>
    </message>
    <message>
        <source>Reading it failed.</source>
        <translation>Het lezen van de tabel is mislukt.</translation>
    </message>
    <message>
        <source>Atomic numbers with blanks around them, which the lookup&apos;s query does not find: %1.</source>
        <translation>Atoomnummers met spaties eromheen, die de opzoekquery niet vindt: %1.</translation>
    </message>
    <message>
        <source>The file&apos;s header row (%1) is a row of the table: the table was made before the import, which read the header as data. Import the file into a fresh database, or with --skip 1 (%2).</source>
        <translation>De kopregel van het bestand (%1) is een rij van de tabel: de tabel is vóór de import aangemaakt, en de import las de kopregel als gegevens. Importeer het bestand in een nieuwe database, of met --skip 1 (%2).</translation>
    </message>
    <message>
        <source>Looking an element up by its number fails: AtomicNumber must compare with a bare number, as in &quot;%1&quot;.</source>
        <translation>Een element opzoeken op zijn nummer mislukt: AtomicNumber moet te vergelijken zijn met een kaal getal, zoals in &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Symbols or names with invisible characters in them (zero-width spaces or joiners, soft hyphens, direction marks), which no typed answer holds, for atomic numbers %1.</source>
        <translation>Symbolen of namen met onzichtbare tekens erin (spaties of verbinders zonder breedte, zachte afbreekstreepjes, richtingstekens), die geen getypt antwoord bevat, voor atoomnummers %1.</translation>
    </message>
    <message>
        <source>Symbols or names with characters that no element&apos;s name has, as a file saved in another character set than UTF-8 leaves them (&quot;?&quot;, &quot;Ã³&quot;, &quot;Å¼&quot;), for atomic numbers %1. Save the sheet again as CSV in the character set &quot;Unicode (UTF-8)&quot;, or convert the file with iconv, and import it again (%2).</source>
        <translation type="vanished">Symbolen of namen met tekens die in de naam van geen enkel element voorkomen, zoals een bestand ze achterlaat dat in een andere tekenset dan UTF-8 is opgeslagen (&quot;?&quot;, &quot;Ã³&quot;, &quot;Å¼&quot;), voor atoomnummers %1. Sla het werkblad opnieuw op als CSV met de tekenset &quot;Unicode (UTF-8)&quot;, of zet het bestand om met iconv, en importeer het opnieuw (%2).</translation>
    </message>
    <message>
        <source>The file was saved as UTF-16 (&quot;Unicode text&quot; in office programs), which the import does not read. Convert it with &quot;iconv -f %1 -t UTF-8 elements.csv &gt; elements-utf8.csv&quot; and import elements-utf8.csv, or save the sheet again as CSV in the character set &quot;Unicode (UTF-8)&quot; (%2).</source>
        <translation>Het bestand is opgeslagen als UTF-16 (&quot;Unicode-tekst&quot; in kantoorprogramma&apos;s), dat de import niet leest. Zet het om met &quot;iconv -f %1 -t UTF-8 elements.csv &gt; elements-utf8.csv&quot; en importeer elements-utf8.csv, of sla het werkblad opnieuw op als CSV met de tekenset &quot;Unicode (UTF-8)&quot; (%2).</translation>
    </message>
    <message>
        <source>Names with characters that no element&apos;s name has, garbled because the file was saved in the character set %1 and read as %2, for atomic numbers %3. Read it as %1: in psql, give &quot;\encoding %4&quot; before \copy, or convert it first with &quot;iconv -f %5 -t UTF-8&quot;, and import it again (%6).</source>
        <translation>Namen met tekens die in de naam van geen enkel element voorkomen, verminkt doordat het bestand in de tekenset %1 is opgeslagen en als %2 is gelezen, voor atoomnummers %3. Lees het als %1: geef in psql &quot;\encoding %4&quot; vóór \copy, of zet het eerst om met &quot;iconv -f %5 -t UTF-8&quot;, en importeer het opnieuw (%6).</translation>
    </message>
    <message>
        <source>Names with characters that no element&apos;s name has, garbled because the file was saved in the character set %1 and read as %2, for atomic numbers %3. Convert it with &quot;%4 &gt; elements-utf8.csv&quot; and import elements-utf8.csv in its place (%5).</source>
        <translation>Namen met tekens die in de naam van geen enkel element voorkomen, verminkt doordat het bestand in de tekenset %1 is opgeslagen en als %2 is gelezen, voor atoomnummers %3. Zet het om met &quot;%4 &gt; elements-utf8.csv&quot; en importeer elements-utf8.csv in de plaats ervan (%5).</translation>
    </message>
    <message>
        <source>Symbols or names with characters that no element&apos;s name has, such as &quot;?&quot; or the letter pairs (&quot;Ã³&quot;, &quot;Å¼&quot;) that a file saved in another character set than UTF-8 leaves, or with no letter at their start or end (&quot;-&quot;, a lone accent), for atomic numbers %1. Retype those cells, or save the sheet again as CSV in the character set &quot;Unicode (UTF-8)&quot; (or convert the file with iconv) and import it again (%2).</source>
        <translation>Symbolen of namen met tekens die in de naam van geen enkel element voorkomen, zoals &quot;?&quot; of de letterparen (&quot;Ã³&quot;, &quot;Å¼&quot;) die een bestand achterlaat dat in een andere tekenset dan UTF-8 is opgeslagen, of zonder letter aan het begin of eind (&quot;-&quot;, een los accent), voor atoomnummers %1. Typ die cellen opnieuw, of sla het werkblad opnieuw op als CSV met de tekenset &quot;Unicode (UTF-8)&quot; (of zet het bestand om met iconv) en importeer het opnieuw (%2).</translation>
    </message>
</context>
<context>
    <name>OdbcDataSource</name>
    <message>
        <source>ODBC data source &quot;%1&quot;</source>
        <translation>ODBC-gegevensbron &quot;%1&quot;</translation>
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
        <translation>Het script van de elemententabel ontbreekt in het programma.</translation>
    </message>
    <message>
        <source>The element table&apos;s script cannot be run: %1</source>
        <translation>Het script van de elemententabel kan niet worden uitgevoerd: %1</translation>
    </message>
    <message>
        <source>The element names in %1 cannot be loaded: %2</source>
        <translation>De elementnamen in %1 kunnen niet worden geladen: %2</translation>
    </message>
</context>
<context>
    <name>frmElements</name>
    <message>
        <source>Elements</source>
        <translation>Elementen</translation>
    </message>
    <message>
        <source>Atomic Number</source>
        <translation>Atoomnummer</translation>
    </message>
    <message>
        <source>Symbol</source>
        <translation>Symbool</translation>
    </message>
    <message>
        <source>Element Name</source>
        <translation>Elementnaam</translation>
    </message>
    <message>
        <source>Atomic Mass</source>
        <translation>Atoommassa</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Antw.</translation>
    </message>
    <message>
        <source>Created by Orvashel</source>
        <translation>Gemaakt door Orvashel</translation>
    </message>
    <message>
        <source>Spin</source>
        <translation>Draaien</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Nakijken</translation>
    </message>
    <message>
        <source>Step 1</source>
        <translation>Stap 1</translation>
    </message>
    <message>
        <source>Guess the Name</source>
        <translation>Naam raden</translation>
    </message>
    <message>
        <source>Guess the Symbol</source>
        <translation>Symbool raden</translation>
    </message>
    <message>
        <source>Step 2</source>
        <translation>Stap 2</translation>
    </message>
    <message>
        <source>Elements 1 to 36</source>
        <translation>Elementen 1–36</translation>
    </message>
    <message>
        <source>Elements 1 to 38, 40, 42, 47 - 57, 74, 78 - 80</source>
        <translation>Elementen 1–38, 40, 42, 47–57, 74, 78–80</translation>
    </message>
    <message>
        <source>Elements 1 to 38, 40, 42, 47 - 57, 74, 78 - 89, 92, 94, 95</source>
        <translation>Elementen 1–38, 40, 42, 47–57, 74, 78–89, 92, 94, 95</translation>
    </message>
    <message>
        <source>Elements 1 to 103</source>
        <translation>Elementen 1–103</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Afsluiten</translation>
    </message>
    <message>
        <source>Shortcut: %1</source>
        <translation>Sneltoets: %1</translation>
    </message>
</context>
</TS>
