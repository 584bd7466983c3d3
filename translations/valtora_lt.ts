<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="lt" sourcelanguage="en">
<context>
    <name>AnswerCheck</name>
    <message>
        <source>Your my hero</source>
        <translation>Puiku! Tu – tikra žvaigždė!</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>Bandyk dar kartą</translation>
    </message>
</context>
<context>
    <name>ApplicationStart</name>
    <message>
        <source>valtora: no display could be opened. Choose one with DISPLAY (X11) or WAYLAND_DISPLAY (Wayland), or run without one with &quot;-platform offscreen&quot;.</source>
        <translation>valtora: nepavyko atverti jokio ekrano. Pasirinkite jį kintamuoju DISPLAY (X11) arba WAYLAND_DISPLAY (Wayland) arba paleiskite programą Valtora be ekrano su parinktimi „-platform offscreen“.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>A desktop quiz on the chemical elements.</source>
        <translation>Kompiuterinė viktorina apie cheminius elementus.</translation>
    </message>
    <message>
        <source>valtora: &quot;%1&quot; is not an option or argument of Valtora; &quot;valtora --help&quot; lists them.</source>
        <translation>valtora: „%1“ nėra programos Valtora parinktis ar argumentas; jas išvardija „valtora --help“.</translation>
    </message>
</context>
<context>
    <name>DataControl</name>
    <message>
        <source>The table on %1 has no column %2.</source>
        <translation>%1: lentelėje nėra stulpelio %2.</translation>
    </message>
</context>
<context>
    <name>DataSourceFaults</name>
    <message>
        <source>%1 names the ODBC driver &quot;%2&quot;, which is not installed on this computer. Install it, or name an installed driver on the data source&apos;s Driver line: the command &quot;odbcinst -q -d&quot; lists them.</source>
        <translation>%1: nurodyta ODBC tvarkyklė „%2“ šiame kompiuteryje neįdiegta. Įdiekite ją arba duomenų šaltinio eilutėje Driver nurodykite įdiegtą tvarkyklę: įdiegtas tvarkykles išvardija komanda „odbcinst -q -d“.</translation>
    </message>
    <message>
        <source>%1 names no database file: its Database line is empty. Put the path of the SQLite file that holds the table elements there.</source>
        <translation>%1: nenurodytas duomenų bazės failas, nes eilutė Database tuščia. Įrašykite į ją kelią iki SQLite failo, kuriame yra lentelė elements.</translation>
    </message>
    <message>
        <source>The database file &quot;%2&quot; of %1 does not exist. Check the path on the data source&apos;s Database line.</source>
        <translation>%1: duomenų bazės failo „%2“ nėra. Patikrinkite kelią duomenų šaltinio eilutėje Database.</translation>
    </message>
    <message>
        <source>The file &quot;%2&quot; of %1 is not an SQLite database. Check the path on the data source&apos;s Database line, or make the file again with the sqlite3 shell.</source>
        <translation>%1: failas „%2“ nėra SQLite duomenų bazė. Patikrinkite kelią duomenų šaltinio eilutėje Database arba sukurkite failą iš naujo su sqlite3 komandų apvalkalu.</translation>
    </message>
    <message>
        <source>The database file &quot;%2&quot; of %1 is locked by another program that is changing it. Close that program, or end its transaction, then start Valtora again.</source>
        <translation>%1: duomenų bazės failą „%2“ užrakino kita programa, kuri jį keičia. Užverkite tą programą arba užbaikite jos transakciją, tada iš naujo paleiskite programą Valtora.</translation>
    </message>
    <message>
        <source>The server of %1 accepts no more connections: all it allows are in use. Close Valtora on another desk, or ask whoever runs the server to allow more connections or to put a connection pooler in front of it.</source>
        <translation>%1: serveris nebepriima naujų prisijungimų, nes visi leidžiami prisijungimai užimti. Užverkite programą Valtora kitoje darbo vietoje arba paprašykite serverio administratoriaus leisti daugiau prisijungimų arba prieš serverį įrengti prisijungimų telkinio tarpininką (connection pooler).</translation>
    </message>
    <message>
        <source>The server of %1 refused the login. Check the Username, Password and Database lines of the data source, and that the server lets that role connect from this computer (pg_hba.conf).</source>
        <translation>%1: serveris atmetė prisijungimą. Patikrinkite duomenų šaltinio eilutes Username, Password ir Database, taip pat ar serveris leidžia tam vaidmeniui prisijungti iš šio kompiuterio (pg_hba.conf).</translation>
    </message>
    <message>
        <source>The server of %1 cannot be reached. Check the Servername and Port lines of the data source, that the server is running, and that this computer can reach it over the network.</source>
        <translation>%1: serveris nepasiekiamas. Patikrinkite duomenų šaltinio eilutes Servername ir Port, ar serveris veikia ir ar šis kompiuteris gali jį pasiekti per tinklą.</translation>
    </message>
    <message>
        <source>The connection to the server of %1 was lost: the server was stopped or restarted, or the network failed. Start Valtora again once the server is back.</source>
        <translation>%1: ryšys su serveriu nutrūko: serveris buvo sustabdytas ar paleistas iš naujo arba sutriko tinklas. Kai serveris vėl veiks, iš naujo paleiskite programą Valtora.</translation>
    </message>
    <message>
        <source>%1 did not answer within %2 seconds. Check that its server is running and not overloaded, and that no other program holds its database locked, then start Valtora again.</source>
        <translation>%1: atsakymo negauta per %2 s. Patikrinkite, ar serveris veikia ir nėra perkrautas ir ar jokia kita programa nėra užrakinusi duomenų bazės, tada iš naujo paleiskite programą Valtora.</translation>
    </message>
    <message>
        <source>The driver said: %1</source>
        <translation>Tvarkyklės pranešimas: %1</translation>
    </message>
    <message>
        <source>The server of %1 is starting up or shutting down, and accepts no connections now. Start Valtora again in a minute; if it keeps saying so, ask whoever runs the server.</source>
        <translation>%1: serveris šiuo metu paleidžiamas arba stabdomas ir prisijungimų nepriima. Programą Valtora iš naujo paleiskite po minutės; jei pranešimas kartojasi, kreipkitės į serverio administratorių.</translation>
    </message>
    <message>
        <source>The server of %1 ended the connection on an administrator&apos;s command: someone ended Valtora&apos;s session on the server, or the server was stopped or restarted. Start Valtora again once the server is back.</source>
        <translation>%1: serveris nutraukė ryšį administratoriaus komanda: kažkas užbaigė programos Valtora seansą serveryje arba serveris buvo sustabdytas ar paleistas iš naujo. Kai serveris vėl veiks, iš naujo paleiskite programą Valtora.</translation>
    </message>
    <message>
        <source>The server of %1 closed the connection because it was idle for longer than the server allows (its setting idle_session_timeout). Ask whoever runs the server to lift that limit for the quiz&apos;s role (alter role quiz set idle_session_timeout = 0), then start Valtora again.</source>
        <translation>%1: serveris užvėrė ryšį, nes jis buvo neaktyvus ilgiau, nei leidžia serveris (jo nustatymas idle_session_timeout). Paprašykite serverio administratoriaus panaikinti šį apribojimą viktorinos vaidmeniui (alter role quiz set idle_session_timeout = 0), tada iš naujo paleiskite programą Valtora.</translation>
    </message>
    <message>
        <source>A query of Valtora&apos;s on the server of %1 was cancelled on an administrator&apos;s command (pg_cancel_backend, or another program that cancels queries). Start Valtora again.</source>
        <translation>%1: programos Valtora užklausa serveryje buvo atšaukta administratoriaus komanda (pg_cancel_backend arba kita užklausas atšaukianti programa). Iš naujo paleiskite programą Valtora.</translation>
    </message>
    <message>
        <source>The connection pooler in front of the server of %1 gave up waiting for a free server connection, after as long as its setting query_wait_timeout allows. Close Valtora on desks that do not need it, or ask whoever runs the pooler for a larger pool (default_pool_size), then start Valtora again.</source>
        <translation type="vanished">%1: prisijungimų telkinio tarpininkas prieš serverį nustojo laukti laisvo prisijungimo prie serverio, išlaukęs tiek, kiek leidžia jo nustatymas query_wait_timeout. Užverkite programą Valtora darbo vietose, kuriose jos nereikia, arba paprašykite tarpininko administratoriaus didesnio telkinio (default_pool_size), tada iš naujo paleiskite programą Valtora.</translation>
    </message>
    <message>
        <source>Likely causes: the table elements or one of its columns was changed while the quiz ran, the server ended the connection, or the driver cannot read a value of the table.</source>
        <translation>Tikėtinos priežastys: viktorinos metu buvo pakeista lentelė elements arba kuris nors jos stulpelis, serveris nutraukė ryšį arba tvarkyklė negali nuskaityti kurios nors lentelės reikšmės.</translation>
    </message>
    <message>
        <source>Likely causes: this user may not read the file on the data source&apos;s Database line, or the SQLite driver is set up wrongly (&quot;isql -v Elements&quot; shows what it says).</source>
        <translation>Tikėtinos priežastys: šis naudotojas neturi teisės skaityti failo, nurodyto duomenų šaltinio eilutėje Database, arba SQLite tvarkyklė netinkamai sukonfigūruota (ką ji praneša, parodo „isql -v Elements“).</translation>
    </message>
    <message>
        <source>Likely causes: the server is not running or this computer cannot reach it, the data source&apos;s Servername, Port, Database, Username or Password line does not match the server, or its driver is set up wrongly (&quot;isql -v Elements&quot; shows what it says).</source>
        <translation>Tikėtinos priežastys: serveris neveikia arba šis kompiuteris negali jo pasiekti, duomenų šaltinio eilutė Servername, Port, Database, Username arba Password neatitinka serverio arba tvarkyklė netinkamai sukonfigūruota (ką ji praneša, parodo „isql -v Elements“).</translation>
    </message>
    <message>
        <source>The server of %1 gave up waiting for a lock on the table elements, after as long as its setting lock_timeout allows: another program holds the table locked, changing it or in a transaction left open. Ask whoever runs the server to end that program&apos;s transaction, then start Valtora again.</source>
        <translation>%1: serveris nustojo laukti lentelės elements užrakto, išlaukęs tiek, kiek leidžia jo nustatymas lock_timeout: kita programa laiko lentelę užrakinusi, nes ją keičia arba paliko atvirą transakciją. Paprašykite serverio administratoriaus užbaigti tos programos transakciją, tada iš naujo paleiskite programą Valtora.</translation>
    </message>
    <message>
        <source>The server of %1 does not let the role &quot;%2&quot; read the table elements. Ask whoever runs the server to allow it: grant select on elements to %2;</source>
        <translation>%1: serveris neleidžia vaidmeniui „%2“ skaityti lentelės elements. Paprašykite serverio administratoriaus tai leisti: grant select on elements to %2;</translation>
    </message>
    <message>
        <source>The connection pooler in front of the server of %1 gave up waiting for a server connection, after as long as its setting query_wait_timeout allows. Either every connection of its pool is in use (close Valtora on desks that do not need it, or ask whoever runs the pooler for a larger pool, default_pool_size), or the server behind it cannot be reached (ask whoever runs it to check that it is running). Then start Valtora again.</source>
        <translation>%1: prisijungimų telkinio tarpininkas prieš serverį nustojo laukti prisijungimo prie serverio, išlaukęs tiek, kiek leidžia jo nustatymas query_wait_timeout. Arba užimti visi jo telkinio prisijungimai (užverkite programą Valtora darbo vietose, kuriose jos nereikia, arba paprašykite tarpininko administratoriaus didesnio telkinio, default_pool_size), arba už jo esantis serveris nepasiekiamas (paprašykite serverio administratoriaus patikrinti, ar jis veikia). Tada iš naujo paleiskite programą Valtora.</translation>
    </message>
</context>
<context>
    <name>DesktopEntry</name>
    <message>
        <source>Chemical Elements Quiz</source>
        <extracomment>The kind of program, as menus show it beside its name.</extracomment>
        <translation>Cheminių elementų viktorina</translation>
    </message>
    <message>
        <source>Drill the symbols and names of the chemical elements</source>
        <extracomment>What the program is for, in a line: menus&apos; tooltips, software centres&apos; summary.</extracomment>
        <translation>Cheminių elementų simbolių ir pavadinimų pratybos</translation>
    </message>
    <message>
        <source>chemistry;elements;periodic table;symbol;quiz;school;</source>
        <extracomment>Words a desktop&apos;s search finds the program by, each followed by a semicolon.</extracomment>
        <translation>chemija;elementai;periodinė lentelė;simbolis;viktorina;mokykla;</translation>
    </message>
    <message>
        <source>Valtora is a quiz on the chemical elements. It shows an element&apos;s atomic number, symbol, name and atomic mass with the symbol or the name covered, and you type what is covered.</source>
        <extracomment>Software centres: the description.</extracomment>
        <translation>Valtora – tai viktorina apie cheminius elementus. Ji rodo elemento eilės numerį, simbolį, pavadinimą ir atominę masę su uždengtu simboliu arba pavadinimu, o tu įrašai tai, kas uždengta.</translation>
    </message>
    <message>
        <source>Guess the symbol or the name</source>
        <extracomment>Software centres: a feature in the description&apos;s list.</extracomment>
        <translation>Simbolio arba pavadinimo spėjimas</translation>
    </message>
    <message>
        <source>Draw from the first 36 elements, from those a school course knows, or from all 103</source>
        <extracomment>Software centres: a feature in the description&apos;s list.</extracomment>
        <translation>Traukimas iš pirmųjų 36 elementų, iš mokyklos kurse nagrinėjamų elementų arba iš visų 103</translation>
    </message>
    <message>
        <source>Played by keyboard alone, and read out by screen readers</source>
        <extracomment>Software centres: a feature in the description&apos;s list.</extracomment>
        <translation>Žaidžiama vien klaviatūra, o ekrano skaitytuvai viską perskaito balsu</translation>
    </message>
    <message numerus="yes">
        <source>In %n languages, the element names included</source>
        <extracomment>Software centres: a feature in the description&apos;s list; %n counts English too.</extracomment>
        <translation>
            <numerusform>Išversta į %n kalbą, įskaitant elementų pavadinimus</numerusform>
            <numerusform>Išversta į %n kalbas, įskaitant elementų pavadinimus</numerusform>
            <numerusform>Išversta į %n kalbų, įskaitant elementų pavadinimus</numerusform>
        </translation>
    </message>
    <message>
        <source>Needs no setup; a school can serve its own element table to every desk from one server</source>
        <extracomment>Software centres: a feature in the description&apos;s list.</extracomment>
        <translation>Nereikia jokios sąrankos; mokykla gali iš vieno serverio teikti savo elementų lentelę kiekvienai darbo vietai</translation>
    </message>
    <message>
        <source>The quiz after one spin, the symbol covered</source>
        <extracomment>Software centres: the caption of the screenshot.</extracomment>
        <translation>Viktorina po vieno sukimo, su uždengtu simboliu</translation>
    </message>
</context>
<context>
    <name>ElementDatabase</name>
    <message>
        <source>the embedded element table</source>
        <translation>Įtaisytoji elementų lentelė</translation>
    </message>
    <message>
        <source>%1: Qt&apos;s ODBC driver (QODBC) is not installed.</source>
        <translation>%1: Qt ODBC tvarkyklė (QODBC) neįdiegta.</translation>
    </message>
    <message>
        <source>%1 cannot be opened.</source>
        <translation>%1: nepavyksta atverti duomenų šaltinio.</translation>
    </message>
    <message>
        <source>%1: Qt&apos;s SQLite driver (QSQLITE) is not installed.</source>
        <translation>%1: Qt SQLite tvarkyklė (QSQLITE) neįdiegta.</translation>
    </message>
    <message>
        <source>The query &quot;%1&quot; on %2 failed.</source>
        <translation>%2: nepavyko įvykdyti užklausos „%1“.</translation>
    </message>
</context>
<context>
    <name>ElementLookup</name>
    <message>
        <source>&quot;%1&quot; is not an atomic number to look up.</source>
        <translation>„%1“ nėra eilės numeris, kurį būtų galima surasti.</translation>
    </message>
    <message>
        <source>There is no row for atomic number %1 in table %2.</source>
        <translation>Lentelėje %2 nėra eilutės su eilės numeriu %1.</translation>
    </message>
    <message>
        <source>The row for atomic number %1 in table %2 has no symbol (%3 is empty): no answer could be judged against it.</source>
        <translation>Lentelės %2 eilutėje su eilės numeriu %1 nėra simbolio (stulpelis %3 tuščias), todėl su ja negalima palyginti jokio atsakymo.</translation>
    </message>
    <message>
        <source>The row for atomic number %1 in table %2 has no name (%3 is empty): no answer could be judged against it.</source>
        <translation>Lentelės %2 eilutėje su eilės numeriu %1 nėra pavadinimo (stulpelis %3 tuščias), todėl su ja negalima palyginti jokio atsakymo.</translation>
    </message>
</context>
<context>
    <name>ElementTableCheck</name>
    <message>
        <source> and %1 more</source>
        <translation> ir dar %1</translation>
    </message>
    <message>
        <source>It has the columns %1.</source>
        <translation>Lentelės stulpeliai: %1.</translation>
    </message>
    <message>
        <source>The table %1 of %2 cannot be used.
%3</source>
        <translation>%2: lentelės %1 negalima naudoti.
%3</translation>
    </message>
    <message>
        <source>%1 has no table %2.</source>
        <translation>%1: nėra lentelės %2.</translation>
    </message>
    <message>
        <source>Missing columns: %1.</source>
        <translation>Trūksta stulpelių: %1.</translation>
    </message>
    <message>
        <source>The file was imported twice into the same database: its header row is a row of the table, and every element is there twice. Import it again into a fresh database file (delete the old one first).</source>
        <translation>Failas į tą pačią duomenų bazę importuotas du kartus: jo antraštės eilutė tapo lentelės eilute, o kiekvienas elementas lentelėje yra du kartus. Importuokite failą iš naujo į naują duomenų bazės failą (prieš tai ištrinkite senąjį).</translation>
    </message>
    <message>
        <source>No row for atomic numbers %1.</source>
        <translation>Nėra eilutės šiems eilės numeriams: %1.</translation>
    </message>
    <message>
        <source>More than one row for atomic numbers %1.</source>
        <translation>Daugiau nei viena eilutė šiems eilės numeriams: %1.</translation>
    </message>
    <message>
        <source>Atomic numbers that are not whole numbers: %1.</source>
        <translation>Eilės numeriai, kurie nėra sveikieji skaičiai: %1.</translation>
    </message>
    <message>
        <source>Rows without an atomic number: %1.</source>
        <translation>Eilutės be eilės numerio: %1.</translation>
    </message>
    <message>
        <source>No symbol for atomic numbers %1.</source>
        <translation>Nėra simbolio šiems eilės numeriams: %1.</translation>
    </message>
    <message>
        <source>No name for atomic numbers %1.</source>
        <translation>Nėra pavadinimo šiems eilės numeriams: %1.</translation>
    </message>
    <message>
        <source>Names that no answer can match, since answers are put in proper case (&quot;Iron&quot;, not &quot;iron&quot; or &quot;IRON&quot;), for atomic numbers %1.</source>
        <translation>Pavadinimai, su kuriais negali sutapti joks atsakymas, nes atsakymai rašomi didžiąja pradine raide („Geležis“, o ne „geležis“ ar „GELEŽIS“), šiems eilės numeriams: %1.</translation>
    </message>
    <message>
        <source>Symbols or names with blanks around them, which no answer can match, for atomic numbers %1.</source>
        <translation>Simboliai ar pavadinimai su tarpais pradžioje ar pabaigoje, su kuriais negali sutapti joks atsakymas, šiems eilės numeriams: %1.</translation>
    </message>
    <message>
        <source>see &quot;From a spreadsheet&quot; in the README, installed as %1</source>
        <translation>žr. skyrių „From a spreadsheet“ faile README, įdiegtame kaip %1</translation>
    </message>
    <message>
        <source>The file was saved with semicolons between its columns, as office programs do where decimals are written with a comma: import it with .separator &quot;;&quot; (%1).</source>
        <translation>Failas įrašytas su kabliataškiais tarp stulpelių, kaip daro raštinės programos ten, kur dešimtainės trupmenos rašomos su kableliu: importuokite jį su .separator &quot;;&quot; (%1).</translation>
    </message>
    <message>
        <source>The file was saved with tabs between its columns: import it with .separator &quot;\t&quot; instead of --csv (%1).</source>
        <translation>Failas įrašytas su tabuliavimo ženklais tarp stulpelių: importuokite jį su .separator &quot;\t&quot;, o ne su --csv (%1).</translation>
    </message>
    <message>
        <source>Its first row holds the column names: the file has a title row above its header. Import it with --skip 1, or delete the title row (%1).</source>
        <translation>Pirmoje lentelės eilutėje yra stulpelių pavadinimai: faile virš antraštės eilutės yra pavadinimo eilutė. Importuokite jį su --skip 1 arba ištrinkite pavadinimo eilutę (%1).</translation>
    </message>
    <message>
        <source>Reading it failed.</source>
        <translation>Nepavyko nuskaityti lentelės.</translation>
    </message>
    <message>
        <source>Atomic numbers with blanks around them, which the lookup&apos;s query does not find: %1.</source>
        <translation>Eilės numeriai su tarpais pradžioje ar pabaigoje, kurių paieškos užklausa neranda: %1.</translation>
    </message>
    <message>
        <source>The file&apos;s header row (%1) is a row of the table: the table was made before the import, which read the header as data. Import the file into a fresh database, or with --skip 1 (%2).</source>
        <translation>Failo antraštės eilutė (%1) yra lentelės eilutė: lentelė buvo sukurta prieš importą, kuris antraštę nuskaitė kaip duomenis. Importuokite failą į naują duomenų bazę arba su --skip 1 (%2).</translation>
    </message>
    <message>
        <source>Looking an element up by its number fails: AtomicNumber must compare with a bare number, as in &quot;%1&quot;.</source>
        <translation>Elemento paieška pagal eilės numerį nepavyksta: AtomicNumber turi būti lyginamas su skaičiumi be kabučių, kaip „%1“.</translation>
    </message>
    <message>
        <source>Symbols or names with invisible characters in them (zero-width spaces or joiners, soft hyphens, direction marks), which no typed answer holds, for atomic numbers %1.</source>
        <translation>Simboliai ar pavadinimai su nematomais ženklais (nulinio pločio tarpais ar jungikliais, minkštaisiais brūkšneliais, krypties žymėmis), kurių neturi joks įvestas atsakymas, šiems eilės numeriams: %1.</translation>
    </message>
    <message>
        <source>Symbols or names with characters that no element&apos;s name has, as a file saved in another character set than UTF-8 leaves them (&quot;?&quot;, &quot;Ã³&quot;, &quot;Å¼&quot;), for atomic numbers %1. Save the sheet again as CSV in the character set &quot;Unicode (UTF-8)&quot;, or convert the file with iconv, and import it again (%2).</source>
        <translation type="vanished">Simboliai ar pavadinimai su ženklais, kurių nėra jokio elemento pavadinime, tokiais, kokius palieka ne UTF-8, o kita koduote įrašytas failas („?“, „Ã³“, „Å¼“), šiems eilės numeriams: %1. Iš naujo įrašykite lakštą kaip CSV koduote „Unicode (UTF-8)“ arba konvertuokite failą su iconv ir importuokite jį iš naujo (%2).</translation>
    </message>
    <message>
        <source>The file was saved as UTF-16 (&quot;Unicode text&quot; in office programs), which the import does not read. Convert it with &quot;iconv -f %1 -t UTF-8 elements.csv &gt; elements-utf8.csv&quot; and import elements-utf8.csv, or save the sheet again as CSV in the character set &quot;Unicode (UTF-8)&quot; (%2).</source>
        <translation>Failas įrašytas kaip UTF-16 („Unikodo tekstas“ raštinės programose), kurio importas nenuskaito. Konvertuokite jį komanda „iconv -f %1 -t UTF-8 elements.csv &gt; elements-utf8.csv“ ir importuokite elements-utf8.csv arba iš naujo įrašykite lakštą kaip CSV koduote „Unicode (UTF-8)“ (%2).</translation>
    </message>
    <message>
        <source>Names with characters that no element&apos;s name has, garbled because the file was saved in the character set %1 and read as %2, for atomic numbers %3. Read it as %1: in psql, give &quot;\encoding %4&quot; before \copy, or convert it first with &quot;iconv -f %5 -t UTF-8&quot;, and import it again (%6).</source>
        <translation>Pavadinimai su ženklais, kurių nėra jokio elemento pavadinime, sugadinti, nes failas buvo įrašytas koduote %1, o nuskaitytas kaip %2, šiems eilės numeriams: %3. Nuskaitykite jį kaip %1: psql programoje prieš \copy įveskite „\encoding %4“ arba pirma konvertuokite jį komanda „iconv -f %5 -t UTF-8“ ir importuokite iš naujo (%6).</translation>
    </message>
    <message>
        <source>Names with characters that no element&apos;s name has, garbled because the file was saved in the character set %1 and read as %2, for atomic numbers %3. Convert it with &quot;%4 &gt; elements-utf8.csv&quot; and import elements-utf8.csv in its place (%5).</source>
        <translation>Pavadinimai su ženklais, kurių nėra jokio elemento pavadinime, sugadinti, nes failas buvo įrašytas koduote %1, o nuskaitytas kaip %2, šiems eilės numeriams: %3. Konvertuokite jį komanda „%4 &gt; elements-utf8.csv“ ir vietoj jo importuokite elements-utf8.csv (%5).</translation>
    </message>
    <message>
        <source>Symbols or names with characters that no element&apos;s name has, such as &quot;?&quot; or the letter pairs (&quot;Ã³&quot;, &quot;Å¼&quot;) that a file saved in another character set than UTF-8 leaves, or with no letter at their start or end (&quot;-&quot;, a lone accent), for atomic numbers %1. Retype those cells, or save the sheet again as CSV in the character set &quot;Unicode (UTF-8)&quot; (or convert the file with iconv) and import it again (%2).</source>
        <translation>Simboliai ar pavadinimai su ženklais, kurių nėra jokio elemento pavadinime, pavyzdžiui, „?“ arba raidžių poromis („Ã³“, „Å¼“), kurias palieka ne UTF-8, o kita koduote įrašytas failas, arba be raidės pradžioje ar pabaigoje („-“, pavienis diakritinis ženklas), šiems eilės numeriams: %1. Iš naujo įveskite tuos langelius arba iš naujo įrašykite lakštą kaip CSV koduote „Unicode (UTF-8)“ (arba konvertuokite failą su iconv) ir importuokite jį iš naujo (%2).</translation>
    </message>
</context>
<context>
    <name>OdbcDataSource</name>
    <message>
        <source>ODBC data source &quot;%1&quot;</source>
        <translation>ODBC duomenų šaltinis „%1“</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Usage: %1</source>
        <translation>Naudojimas: %1</translation>
    </message>
    <message>
        <source>[options]</source>
        <translation>[parinktys]</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Parinktys:</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Parodo komandų eilutės parinkčių žinyną.</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>Parodo žinyną kartu su Qt parinktimis.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>Parodo versijos informaciją.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>Po „%1“ trūksta reikšmės.</translation>
    </message>
</context>
<context>
    <name>QGnomeTheme</name>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Gerai</translation>
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
        <translation>&amp;Atšaukti</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Pakartoti</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;Iškirpti</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopijuoti</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>Į&amp;dėti</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Ištrinti</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Pažymėti viską</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>Gerai</translation>
    </message>
</context>
<context>
    <name>QUnicodeControlCharacterMenu</name>
    <message>
        <source>Insert Unicode control character</source>
        <translation>Įterpti Unicode valdymo simbolį</translation>
    </message>
</context>
<context>
    <name>SqlScript</name>
    <message>
        <source>The element table&apos;s script is missing from the program.</source>
        <translation>Programoje trūksta elementų lentelės scenarijaus.</translation>
    </message>
    <message>
        <source>The element table&apos;s script cannot be run: %1</source>
        <translation>Nepavyksta vykdyti elementų lentelės scenarijaus: %1</translation>
    </message>
    <message>
        <source>The element names in %1 cannot be loaded: %2</source>
        <translation>Nepavyksta įkelti elementų pavadinimų kalba „%1“: %2</translation>
    </message>
</context>
<context>
    <name>frmElements</name>
    <message>
        <source>Elements</source>
        <translation>Elementai</translation>
    </message>
    <message>
        <source>Atomic Number</source>
        <translation>Eilės nr.</translation>
    </message>
    <message>
        <source>Symbol</source>
        <translation>Simbolis</translation>
    </message>
    <message>
        <source>Element Name</source>
        <translation>Pavadinimas</translation>
    </message>
    <message>
        <source>Atomic Mass</source>
        <translation>Atominė masė</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Ats.</translation>
    </message>
    <message>
        <source>Created by Orvashel</source>
        <translation>Sukūrė Orvashel</translation>
    </message>
    <message>
        <source>Spin</source>
        <translation>Sukti</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Tikrinti</translation>
    </message>
    <message>
        <source>Step 1</source>
        <translation>1 žingsnis</translation>
    </message>
    <message>
        <source>Guess the Name</source>
        <translation>Spėk pavadinimą</translation>
    </message>
    <message>
        <source>Guess the Symbol</source>
        <translation>Spėk simbolį</translation>
    </message>
    <message>
        <source>Step 2</source>
        <translation>2 žingsnis</translation>
    </message>
    <message>
        <source>Elements 1 to 36</source>
        <translation>Elementai 1–36</translation>
    </message>
    <message>
        <source>Elements 1 to 38, 40, 42, 47 - 57, 74, 78 - 80</source>
        <translation>Elementai 1–38, 40, 42, 47–57, 74, 78–80</translation>
    </message>
    <message>
        <source>Elements 1 to 38, 40, 42, 47 - 57, 74, 78 - 89, 92, 94, 95</source>
        <translation>Elementai 1–38, 40, 42, 47–57, 74, 78–89, 92, 94, 95</translation>
    </message>
    <message>
        <source>Elements 1 to 103</source>
        <translation>Elementai 1–103</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Baigti</translation>
    </message>
    <message>
        <source>Shortcut: %1</source>
        <translation>Spartusis klavišas: %1</translation>
    </message>
</context>
</TS>
