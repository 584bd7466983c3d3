<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sv" sourcelanguage="en">
<context>
    <name>AnswerCheck</name>
    <message>
        <source>Your my hero</source>
        <translation>Du är grym!</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>Försök igen</translation>
    </message>
</context>
<context>
    <name>ApplicationStart</name>
    <message>
        <source>valtora: no display could be opened. Choose one with DISPLAY (X11) or WAYLAND_DISPLAY (Wayland), or run without one with &quot;-platform offscreen&quot;.</source>
        <translation>valtora: ingen skärm kunde öppnas. Välj en med DISPLAY (X11) eller WAYLAND_DISPLAY (Wayland), eller kör Valtora utan skärm med ”-platform offscreen”.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>A desktop quiz on the chemical elements.</source>
        <translation>Ett datorquiz om de kemiska grundämnena.</translation>
    </message>
    <message>
        <source>valtora: &quot;%1&quot; is not an option or argument of Valtora; &quot;valtora --help&quot; lists them.</source>
        <translation>valtora: ”%1” är varken ett alternativ eller ett argument till Valtora; ”valtora --help” listar dem.</translation>
    </message>
</context>
<context>
    <name>DataControl</name>
    <message>
        <source>The table on %1 has no column %2.</source>
        <translation>Tabellen i %1 har ingen kolumn %2.</translation>
    </message>
</context>
<context>
    <name>DataSourceFaults</name>
    <message>
        <source>%1 names the ODBC driver &quot;%2&quot;, which is not installed on this computer. Install it, or name an installed driver on the data source&apos;s Driver line: the command &quot;odbcinst -q -d&quot; lists them.</source>
        <translation>ODBC-drivrutinen ”%2”, som anges i %1, är inte installerad på den här datorn. Installera den eller ange en installerad drivrutin på raden Driver i datakällan: kommandot ”odbcinst -q -d” listar de installerade drivrutinerna.</translation>
    </message>
    <message>
        <source>%1 names no database file: its Database line is empty. Put the path of the SQLite file that holds the table elements there.</source>
        <translation>Ingen databasfil anges i %1: raden Database är tom. Ange där sökvägen till den SQLite-fil som innehåller tabellen elements.</translation>
    </message>
    <message>
        <source>The database file &quot;%2&quot; of %1 does not exist. Check the path on the data source&apos;s Database line.</source>
        <translation>Databasfilen ”%2” för %1 finns inte. Kontrollera sökvägen på raden Database i datakällan.</translation>
    </message>
    <message>
        <source>The file &quot;%2&quot; of %1 is not an SQLite database. Check the path on the data source&apos;s Database line, or make the file again with the sqlite3 shell.</source>
        <translation>Filen ”%2” för %1 är ingen SQLite-databas. Kontrollera sökvägen på raden Database i datakällan, eller skapa filen på nytt med skalet sqlite3.</translation>
    </message>
    <message>
        <source>The database file &quot;%2&quot; of %1 is locked by another program that is changing it. Close that program, or end its transaction, then start Valtora again.</source>
        <translation>Databasfilen ”%2” för %1 är låst av ett annat program som håller på att ändra den. Stäng det programmet eller avsluta dess transaktion och starta sedan om Valtora.</translation>
    </message>
    <message>
        <source>The server of %1 accepts no more connections: all it allows are in use. Close Valtora on another desk, or ask whoever runs the server to allow more connections or to put a connection pooler in front of it.</source>
        <translation>Servern för %1 tar inte emot fler anslutningar: alla som den tillåter används redan. Stäng Valtora på en annan dator, eller be den som sköter servern att tillåta fler anslutningar eller att sätta en anslutningspool (connection pooler) framför den.</translation>
    </message>
    <message>
        <source>The server of %1 refused the login. Check the Username, Password and Database lines of the data source, and that the server lets that role connect from this computer (pg_hba.conf).</source>
        <translation>Servern för %1 nekade inloggningen. Kontrollera raderna Username, Password och Database i datakällan, och att servern låter den rollen ansluta från den här datorn (pg_hba.conf).</translation>
    </message>
    <message>
        <source>The server of %1 cannot be reached. Check the Servername and Port lines of the data source, that the server is running, and that this computer can reach it over the network.</source>
        <translation>Det går inte att nå servern för %1. Kontrollera raderna Servername och Port i datakällan, att servern är igång och att den här datorn kan nå den via nätverket.</translation>
    </message>
    <message>
        <source>The connection to the server of %1 was lost: the server was stopped or restarted, or the network failed. Start Valtora again once the server is back.</source>
        <translation>Anslutningen till servern för %1 bröts: servern stoppades eller startades om, eller så slutade nätverket att fungera. Starta om Valtora när servern är tillgänglig igen.</translation>
    </message>
    <message>
        <source>%1 did not answer within %2 seconds. Check that its server is running and not overloaded, and that no other program holds its database locked, then start Valtora again.</source>
        <translation>Inget svar från %1 inom %2 sekunder. Kontrollera att servern är igång och inte överbelastad och att inget annat program håller databasen låst. Starta sedan om Valtora.</translation>
    </message>
    <message>
        <source>The driver said: %1</source>
        <translation>Meddelande från drivrutinen: %1</translation>
    </message>
    <message>
        <source>The server of %1 is starting up or shutting down, and accepts no connections now. Start Valtora again in a minute; if it keeps saying so, ask whoever runs the server.</source>
        <translation>Servern för %1 håller på att starta eller stänga av och tar inte emot anslutningar just nu. Starta om Valtora om en minut; om meddelandet kommer tillbaka, kontakta den som sköter servern.</translation>
    </message>
    <message>
        <source>The server of %1 ended the connection on an administrator&apos;s command: someone ended Valtora&apos;s session on the server, or the server was stopped or restarted. Start Valtora again once the server is back.</source>
        <translation>Servern för %1 avslutade anslutningen på order av en administratör: någon avslutade Valtoras session på servern, eller så stoppades eller startades servern om. Starta om Valtora när servern är tillgänglig igen.</translation>
    </message>
    <message>
        <source>The server of %1 closed the connection because it was idle for longer than the server allows (its setting idle_session_timeout). Ask whoever runs the server to lift that limit for the quiz&apos;s role (alter role quiz set idle_session_timeout = 0), then start Valtora again.</source>
        <translation>Servern för %1 stängde anslutningen eftersom den varit inaktiv längre än servern tillåter (inställningen idle_session_timeout). Be den som sköter servern att ta bort gränsen för quizets roll (alter role quiz set idle_session_timeout = 0) och starta sedan om Valtora.</translation>
    </message>
    <message>
        <source>A query of Valtora&apos;s on the server of %1 was cancelled on an administrator&apos;s command (pg_cancel_backend, or another program that cancels queries). Start Valtora again.</source>
        <translation>En fråga från Valtora på servern för %1 avbröts på order av en administratör (pg_cancel_backend eller ett annat program som avbryter frågor). Starta om Valtora.</translation>
    </message>
    <message>
        <source>The connection pooler in front of the server of %1 gave up waiting for a free server connection, after as long as its setting query_wait_timeout allows. Close Valtora on desks that do not need it, or ask whoever runs the pooler for a larger pool (default_pool_size), then start Valtora again.</source>
        <translation type="vanished">Anslutningspoolen framför servern för %1 slutade vänta på en ledig serveranslutning efter så lång tid som dess inställning query_wait_timeout tillåter. Stäng Valtora på datorer som inte behöver det, eller be den som sköter anslutningspoolen om en större pool (default_pool_size), och starta sedan om Valtora.</translation>
    </message>
    <message>
        <source>Likely causes: the table elements or one of its columns was changed while the quiz ran, the server ended the connection, or the driver cannot read a value of the table.</source>
        <translation>Troliga orsaker: tabellen elements eller någon av dess kolumner ändrades medan quizet körde, servern avslutade anslutningen, eller drivrutinen kan inte läsa ett värde i tabellen.</translation>
    </message>
    <message>
        <source>Likely causes: this user may not read the file on the data source&apos;s Database line, or the SQLite driver is set up wrongly (&quot;isql -v Elements&quot; shows what it says).</source>
        <translation>Troliga orsaker: den här användaren får inte läsa filen på raden Database i datakällan, eller SQLite-drivrutinen är felaktigt konfigurerad (”isql -v Elements” visar vad den säger).</translation>
    </message>
    <message>
        <source>Likely causes: the server is not running or this computer cannot reach it, the data source&apos;s Servername, Port, Database, Username or Password line does not match the server, or its driver is set up wrongly (&quot;isql -v Elements&quot; shows what it says).</source>
        <translation>Troliga orsaker: servern är inte igång eller den här datorn kan inte nå den, raden Servername, Port, Database, Username eller Password i datakällan stämmer inte med servern, eller drivrutinen är felaktigt konfigurerad (”isql -v Elements” visar vad den säger).</translation>
    </message>
    <message>
        <source>The server of %1 gave up waiting for a lock on the table elements, after as long as its setting lock_timeout allows: another program holds the table locked, changing it or in a transaction left open. Ask whoever runs the server to end that program&apos;s transaction, then start Valtora again.</source>
        <translation>Servern för %1 slutade vänta på ett lås på tabellen elements efter så lång tid som dess inställning lock_timeout tillåter: ett annat program håller tabellen låst, eftersom det håller på att ändra den eller har lämnat en transaktion öppen. Be den som sköter servern att avsluta det programmets transaktion och starta sedan om Valtora.</translation>
    </message>
    <message>
        <source>The server of %1 does not let the role &quot;%2&quot; read the table elements. Ask whoever runs the server to allow it: grant select on elements to %2;</source>
        <translation>Servern för %1 låter inte rollen ”%2” läsa tabellen elements. Be den som sköter servern att tillåta det: grant select on elements to %2;</translation>
    </message>
    <message>
        <source>The connection pooler in front of the server of %1 gave up waiting for a server connection, after as long as its setting query_wait_timeout allows. Either every connection of its pool is in use (close Valtora on desks that do not need it, or ask whoever runs the pooler for a larger pool, default_pool_size), or the server behind it cannot be reached (ask whoever runs it to check that it is running). Then start Valtora again.</source>
        <translation>Anslutningspoolen framför servern för %1 slutade vänta på en serveranslutning efter så lång tid som dess inställning query_wait_timeout tillåter. Antingen används alla anslutningar i dess pool (stäng Valtora på datorer som inte behöver det, eller be den som sköter anslutningspoolen om en större pool, default_pool_size), eller så går det inte att nå servern bakom den (be den som sköter servern att kontrollera att den är igång). Starta sedan om Valtora.</translation>
    </message>
</context>
<context>
    <name>DesktopEntry</name>
    <message>
        <source>Chemical Elements Quiz</source>
        <extracomment>The kind of program, as menus show it beside its name.</extracomment>
        <translation>Quiz om de kemiska grundämnena</translation>
    </message>
    <message>
        <source>Drill the symbols and names of the chemical elements</source>
        <extracomment>What the program is for, in a line: menus&apos; tooltips, software centres&apos; summary.</extracomment>
        <translation>Öva på de kemiska grundämnenas symboler och namn</translation>
    </message>
    <message>
        <source>chemistry;elements;periodic table;symbol;quiz;school;</source>
        <extracomment>Words a desktop&apos;s search finds the program by, each followed by a semicolon.</extracomment>
        <translation>kemi;grundämnen;periodiska systemet;symbol;quiz;skola;</translation>
    </message>
    <message>
        <source>Valtora is a quiz on the chemical elements. It shows an element&apos;s atomic number, symbol, name and atomic mass with the symbol or the name covered, and you type what is covered.</source>
        <extracomment>Software centres: the description.</extracomment>
        <translation>Valtora är ett quiz om de kemiska grundämnena. Det visar ett grundämnes atomnummer, symbol, namn och atommassa med symbolen eller namnet dolt, och du skriver in det som är dolt.</translation>
    </message>
    <message>
        <source>Guess the symbol or the name</source>
        <extracomment>Software centres: a feature in the description&apos;s list.</extracomment>
        <translation>Gissa symbolen eller namnet</translation>
    </message>
    <message>
        <source>Draw from the first 36 elements, from those a school course knows, or from all 103</source>
        <extracomment>Software centres: a feature in the description&apos;s list.</extracomment>
        <translation>Dra bland de 36 första grundämnena, bland dem som en skolkurs tar upp eller bland alla 103</translation>
    </message>
    <message>
        <source>Played by keyboard alone, and read out by screen readers</source>
        <extracomment>Software centres: a feature in the description&apos;s list.</extracomment>
        <translation>Spelas med enbart tangentbordet och läses upp av skärmläsare</translation>
    </message>
    <message numerus="yes">
        <source>In %n languages, the element names included</source>
        <extracomment>Software centres: a feature in the description&apos;s list; %n counts English too.</extracomment>
        <translation>
            <numerusform>På %n språk, grundämnenas namn inräknade</numerusform>
            <numerusform>På %n språk, grundämnenas namn inräknade</numerusform>
        </translation>
    </message>
    <message>
        <source>Needs no setup; a school can serve its own element table to every desk from one server</source>
        <extracomment>Software centres: a feature in the description&apos;s list.</extracomment>
        <translation>Kräver ingen konfiguration; en skola kan leverera sin egen grundämnestabell till varje arbetsplats från en server</translation>
    </message>
    <message>
        <source>The quiz after one spin, the symbol covered</source>
        <extracomment>Software centres: the caption of the screenshot.</extracomment>
        <translation>Quizet efter en snurr, med symbolen dold</translation>
    </message>
</context>
<context>
    <name>ElementDatabase</name>
    <message>
        <source>the embedded element table</source>
        <translation>den inbyggda grundämnestabellen</translation>
    </message>
    <message>
        <source>%1: Qt&apos;s ODBC driver (QODBC) is not installed.</source>
        <translation>Qt:s ODBC-drivrutin (QODBC) är inte installerad, så %1 kan inte användas.</translation>
    </message>
    <message>
        <source>%1 cannot be opened.</source>
        <translation>Det går inte att öppna %1.</translation>
    </message>
    <message>
        <source>%1: Qt&apos;s SQLite driver (QSQLITE) is not installed.</source>
        <translation>Qt:s SQLite-drivrutin (QSQLITE) är inte installerad, så %1 kan inte användas.</translation>
    </message>
    <message>
        <source>The query &quot;%1&quot; on %2 failed.</source>
        <translation>Frågan ”%1” mot %2 misslyckades.</translation>
    </message>
</context>
<context>
    <name>ElementLookup</name>
    <message>
        <source>&quot;%1&quot; is not an atomic number to look up.</source>
        <translation>”%1” är inget atomnummer som kan slås upp.</translation>
    </message>
    <message>
        <source>There is no row for atomic number %1 in table %2.</source>
        <translation>Det finns ingen rad för atomnummer %1 i tabellen %2.</translation>
    </message>
    <message>
        <source>The row for atomic number %1 in table %2 has no symbol (%3 is empty): no answer could be judged against it.</source>
        <translation>Raden för atomnummer %1 i tabellen %2 har ingen symbol (%3 är tom): inget svar kan jämföras med den.</translation>
    </message>
    <message>
        <source>The row for atomic number %1 in table %2 has no name (%3 is empty): no answer could be judged against it.</source>
        <translation>Raden för atomnummer %1 i tabellen %2 har inget namn (%3 är tom): inget svar kan jämföras med den.</translation>
    </message>
</context>
<context>
    <name>ElementTableCheck</name>
    <message>
        <source> and %1 more</source>
        <translation> och %1 till</translation>
    </message>
    <message>
        <source>It has the columns %1.</source>
        <translation>Tabellen har kolumnerna %1.</translation>
    </message>
    <message>
        <source>The table %1 of %2 cannot be used.
%3</source>
        <translation>Tabellen %1 i %2 kan inte användas.
%3</translation>
    </message>
    <message>
        <source>%1 has no table %2.</source>
        <translation>Det finns ingen tabell %2 i %1.</translation>
    </message>
    <message>
        <source>Missing columns: %1.</source>
        <translation>Kolumner som saknas: %1.</translation>
    </message>
    <message>
        <source>The file was imported twice into the same database: its header row is a row of the table, and every element is there twice. Import it again into a fresh database file (delete the old one first).</source>
        <translation>Filen har importerats två gånger till samma databas: dess rubrikrad har blivit en rad i tabellen, och varje grundämne finns där två gånger. Importera den igen till en ny databasfil (ta bort den gamla först).</translation>
    </message>
    <message>
        <source>No row for atomic numbers %1.</source>
        <translation>Ingen rad för atomnummer %1.</translation>
    </message>
    <message>
        <source>More than one row for atomic numbers %1.</source>
        <translation>Mer än en rad för atomnummer %1.</translation>
    </message>
    <message>
        <source>Atomic numbers that are not whole numbers: %1.</source>
        <translation>Atomnummer som inte är heltal: %1.</translation>
    </message>
    <message>
        <source>Rows without an atomic number: %1.</source>
        <translation>Rader utan atomnummer: %1.</translation>
    </message>
    <message>
        <source>No symbol for atomic numbers %1.</source>
        <translation>Ingen symbol för atomnummer %1.</translation>
    </message>
    <message>
        <source>No name for atomic numbers %1.</source>
        <translation>Inget namn för atomnummer %1.</translation>
    </message>
    <message>
        <source>Names that no answer can match, since answers are put in proper case (&quot;Iron&quot;, not &quot;iron&quot; or &quot;IRON&quot;), for atomic numbers %1.</source>
        <translation>Namn som inget svar kan matcha, eftersom svaren skrivs med stor begynnelsebokstav (”Järn”, inte ”järn” eller ”JÄRN”), för atomnummer %1.</translation>
    </message>
    <message>
        <source>Symbols or names with blanks around them, which no answer can match, for atomic numbers %1.</source>
        <translation>Symboler eller namn med blanksteg före eller efter, som inget svar kan matcha, för atomnummer %1.</translation>
    </message>
    <message>
        <source>see &quot;From a spreadsheet&quot; in the README, installed as %1</source>
        <translation>se ”From a spreadsheet” i README, installerad som %1</translation>
    </message>
    <message>
        <source>The file was saved with semicolons between its columns, as office programs do where decimals are written with a comma: import it with .separator &quot;;&quot; (%1).</source>
        <translation>Filen sparades med semikolon mellan kolumnerna, som kontorsprogram gör där decimaltal skrivs med komma: importera den med .separator &quot;;&quot; (%1).</translation>
    </message>
    <message>
        <source>The file was saved with tabs between its columns: import it with .separator &quot;\t&quot; instead of --csv (%1).</source>
        <translation>Filen sparades med tabbar mellan kolumnerna: importera den med .separator &quot;\t&quot; i stället för --csv (%1).</translation>
    </message>
    <message>
        <source>Its first row holds the column names: the file has a title row above its header. Import it with --skip 1, or delete the title row (%1).</source>
        <translation>Tabellens första rad innehåller kolumnnamnen: filen har en titelrad ovanför rubrikraden. Importera den med --skip 1 eller ta bort titelraden (%1).</translation>
    </message>
    <message>
        <source>Reading it failed.</source>
        <translation>Det gick inte att läsa tabellen.</translation>
    </message>
    <message>
        <source>Atomic numbers with blanks around them, which the lookup&apos;s query does not find: %1.</source>
        <translation>Atomnummer med blanksteg före eller efter, som uppslagsfrågan inte hittar: %1.</translation>
    </message>
    <message>
        <source>The file&apos;s header row (%1) is a row of the table: the table was made before the import, which read the header as data. Import the file into a fresh database, or with --skip 1 (%2).</source>
        <translation>Filens rubrikrad (%1) är en rad i tabellen: tabellen skapades före importen, som läste rubrikraden som data. Importera filen till en ny databas eller med --skip 1 (%2).</translation>
    </message>
    <message>
        <source>Looking an element up by its number fails: AtomicNumber must compare with a bare number, as in &quot;%1&quot;.</source>
        <translation>Det går inte att slå upp ett grundämne efter dess nummer: AtomicNumber måste kunna jämföras med ett tal utan citattecken, som i ”%1”.</translation>
    </message>
    <message>
        <source>Symbols or names with invisible characters in them (zero-width spaces or joiners, soft hyphens, direction marks), which no typed answer holds, for atomic numbers %1.</source>
        <translation>Symboler eller namn med osynliga tecken i sig (blanksteg eller sammanfogningstecken med noll bredd, mjuka bindestreck, riktningsmarkeringar), som inget inskrivet svar innehåller, för atomnummer %1.</translation>
    </message>
    <message>
        <source>Symbols or names with characters that no element&apos;s name has, as a file saved in another character set than UTF-8 leaves them (&quot;?&quot;, &quot;Ã³&quot;, &quot;Å¼&quot;), for atomic numbers %1. Save the sheet again as CSV in the character set &quot;Unicode (UTF-8)&quot;, or convert the file with iconv, and import it again (%2).</source>
        <translation type="vanished">Symboler eller namn med tecken som inget grundämnes namn har, så som en fil som sparats i en annan teckenuppsättning än UTF-8 lämnar dem (”?”, ”Ã³”, ”Å¼”), för atomnummer %1. Spara kalkylbladet igen som CSV i teckenuppsättningen ”Unicode (UTF-8)”, eller konvertera filen med iconv, och importera den igen (%2).</translation>
    </message>
    <message>
        <source>The file was saved as UTF-16 (&quot;Unicode text&quot; in office programs), which the import does not read. Convert it with &quot;iconv -f %1 -t UTF-8 elements.csv &gt; elements-utf8.csv&quot; and import elements-utf8.csv, or save the sheet again as CSV in the character set &quot;Unicode (UTF-8)&quot; (%2).</source>
        <translation>Filen sparades som UTF-16 (”Unicode-text” i kontorsprogram), som importen inte läser. Konvertera den med ”iconv -f %1 -t UTF-8 elements.csv &gt; elements-utf8.csv” och importera elements-utf8.csv, eller spara kalkylbladet igen som CSV i teckenuppsättningen ”Unicode (UTF-8)” (%2).</translation>
    </message>
    <message>
        <source>Names with characters that no element&apos;s name has, garbled because the file was saved in the character set %1 and read as %2, for atomic numbers %3. Read it as %1: in psql, give &quot;\encoding %4&quot; before \copy, or convert it first with &quot;iconv -f %5 -t UTF-8&quot;, and import it again (%6).</source>
        <translation>Namn med tecken som inget grundämnes namn har, förvanskade eftersom filen sparades i teckenuppsättningen %1 och lästes som %2, för atomnummer %3. Läs den som %1: ange ”\encoding %4” i psql före \copy, eller konvertera den först med ”iconv -f %5 -t UTF-8”, och importera den igen (%6).</translation>
    </message>
    <message>
        <source>Names with characters that no element&apos;s name has, garbled because the file was saved in the character set %1 and read as %2, for atomic numbers %3. Convert it with &quot;%4 &gt; elements-utf8.csv&quot; and import elements-utf8.csv in its place (%5).</source>
        <translation>Namn med tecken som inget grundämnes namn har, förvanskade eftersom filen sparades i teckenuppsättningen %1 och lästes som %2, för atomnummer %3. Konvertera den med ”%4 &gt; elements-utf8.csv” och importera elements-utf8.csv i dess ställe (%5).</translation>
    </message>
    <message>
        <source>Symbols or names with characters that no element&apos;s name has, such as &quot;?&quot; or the letter pairs (&quot;Ã³&quot;, &quot;Å¼&quot;) that a file saved in another character set than UTF-8 leaves, or with no letter at their start or end (&quot;-&quot;, a lone accent), for atomic numbers %1. Retype those cells, or save the sheet again as CSV in the character set &quot;Unicode (UTF-8)&quot; (or convert the file with iconv) and import it again (%2).</source>
        <translation>Symboler eller namn med tecken som inget grundämnes namn har, till exempel ”?” eller de bokstavspar (”Ã³”, ”Å¼”) som en fil sparad i en annan teckenuppsättning än UTF-8 lämnar, eller utan bokstav i början eller slutet (”-”, en ensam accent), för atomnummer %1. Skriv in cellerna igen, eller spara kalkylbladet igen som CSV i teckenuppsättningen ”Unicode (UTF-8)” (eller konvertera filen med iconv) och importera den igen (%2).</translation>
    </message>
</context>
<context>
    <name>OdbcDataSource</name>
    <message>
        <source>ODBC data source &quot;%1&quot;</source>
        <translation>ODBC-datakällan ”%1”</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Usage: %1</source>
        <translation>Användning: %1</translation>
    </message>
    <message>
        <source>[options]</source>
        <translation>[flaggor]</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Flaggor:</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Visar hjälp om kommandoradsflaggorna.</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>Visar hjälp, även om Qt-specifika flaggor.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>Visar versionsinformation.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>Värde saknas efter ”%1”.</translation>
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
        <translation>&amp;Ångra</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Gör om</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Klipp &amp;ut</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopiera</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>Klistra &amp;in</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Ta bort</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Markera allt</translation>
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
        <translation>Infoga Unicode-styrtecken</translation>
    </message>
</context>
<context>
    <name>SqlScript</name>
    <message>
        <source>The element table&apos;s script is missing from the program.</source>
        <translation>Skriptet för grundämnestabellen saknas i programmet.</translation>
    </message>
    <message>
        <source>The element table&apos;s script cannot be run: %1</source>
        <translation>Skriptet för grundämnestabellen kan inte köras: %1</translation>
    </message>
    <message>
        <source>The element names in %1 cannot be loaded: %2</source>
        <translation>Grundämnenas namn på språket %1 kan inte läsas in: %2</translation>
    </message>
</context>
<context>
    <name>frmElements</name>
    <message>
        <source>Elements</source>
        <translation>Grundämnen</translation>
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
        <translation>Namn</translation>
    </message>
    <message>
        <source>Atomic Mass</source>
        <translation>Atommassa</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Svar</translation>
    </message>
    <message>
        <source>Created by Orvashel</source>
        <translation>Skapat av Orvashel</translation>
    </message>
    <message>
        <source>Spin</source>
        <translation>Snurra</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Rätta</translation>
    </message>
    <message>
        <source>Step 1</source>
        <translation>Steg 1</translation>
    </message>
    <message>
        <source>Guess the Name</source>
        <translation>Gissa namnet</translation>
    </message>
    <message>
        <source>Guess the Symbol</source>
        <translation>Gissa symbolen</translation>
    </message>
    <message>
        <source>Step 2</source>
        <translation>Steg 2</translation>
    </message>
    <message>
        <source>Elements 1 to 36</source>
        <translation>Grundämnen 1–36</translation>
    </message>
    <message>
        <source>Elements 1 to 38, 40, 42, 47 - 57, 74, 78 - 80</source>
        <translation>Grundämnen 1–38, 40, 42, 47–57, 74, 78–80</translation>
    </message>
    <message>
        <source>Elements 1 to 38, 40, 42, 47 - 57, 74, 78 - 89, 92, 94, 95</source>
        <translation>Grundämnen 1–38, 40, 42, 47–57, 74, 78–89, 92, 94, 95</translation>
    </message>
    <message>
        <source>Elements 1 to 103</source>
        <translation>Grundämnen 1–103</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Avsluta</translation>
    </message>
    <message>
        <source>Shortcut: %1</source>
        <translation>Kortkommando: %1</translation>
    </message>
</context>
</TS>
