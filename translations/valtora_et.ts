<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="et" sourcelanguage="en">
<context>
    <name>AnswerCheck</name>
    <message>
        <source>Your my hero</source>
        <translation>Tubli! Oled tõeline tegija!</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>Proovi uuesti</translation>
    </message>
</context>
<context>
    <name>ApplicationStart</name>
    <message>
        <source>valtora: no display could be opened. Choose one with DISPLAY (X11) or WAYLAND_DISPLAY (Wayland), or run without one with &quot;-platform offscreen&quot;.</source>
        <translation>valtora: ühtegi ekraani ei õnnestunud avada. Valige ekraan muutujaga DISPLAY (X11) või WAYLAND_DISPLAY (Wayland) või käivitage Valtora ekraanita võtmega „-platform offscreen“.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>A desktop quiz on the chemical elements.</source>
        <translation>Arvutiviktoriin keemiliste elementide kohta.</translation>
    </message>
    <message>
        <source>valtora: &quot;%1&quot; is not an option or argument of Valtora; &quot;valtora --help&quot; lists them.</source>
        <translation>valtora: „%1“ pole Valtora võti ega argument; need loetleb „valtora --help“.</translation>
    </message>
</context>
<context>
    <name>DataControl</name>
    <message>
        <source>The table on %1 has no column %2.</source>
        <translation>%1: tabelis puudub veerg %2.</translation>
    </message>
</context>
<context>
    <name>DataSourceFaults</name>
    <message>
        <source>%1 names the ODBC driver &quot;%2&quot;, which is not installed on this computer. Install it, or name an installed driver on the data source&apos;s Driver line: the command &quot;odbcinst -q -d&quot; lists them.</source>
        <translation>%1: määratud ODBC-draiverit „%2“ pole sellesse arvutisse paigaldatud. Paigaldage see või kirjutage andmeallika reale Driver mõni paigaldatud draiver: paigaldatud draiverid loetleb käsk „odbcinst -q -d“.</translation>
    </message>
    <message>
        <source>%1 names no database file: its Database line is empty. Put the path of the SQLite file that holds the table elements there.</source>
        <translation>%1: andmebaasifaili pole määratud, sest rida Database on tühi. Kirjutage sinna selle SQLite-faili asukoht, mis sisaldab tabelit elements.</translation>
    </message>
    <message>
        <source>The database file &quot;%2&quot; of %1 does not exist. Check the path on the data source&apos;s Database line.</source>
        <translation>%1: andmebaasifaili „%2“ pole olemas. Kontrollige andmeallika real Database olevat asukohta.</translation>
    </message>
    <message>
        <source>The file &quot;%2&quot; of %1 is not an SQLite database. Check the path on the data source&apos;s Database line, or make the file again with the sqlite3 shell.</source>
        <translation>%1: fail „%2“ pole SQLite&apos;i andmebaas. Kontrollige andmeallika real Database olevat asukohta või looge fail uuesti sqlite3 käsukestaga.</translation>
    </message>
    <message>
        <source>The database file &quot;%2&quot; of %1 is locked by another program that is changing it. Close that program, or end its transaction, then start Valtora again.</source>
        <translation>%1: andmebaasifaili „%2“ on lukustanud teine programm, mis seda parajasti muudab. Sulgege see programm või lõpetage selle transaktsioon ja käivitage seejärel Valtora uuesti.</translation>
    </message>
    <message>
        <source>The server of %1 accepts no more connections: all it allows are in use. Close Valtora on another desk, or ask whoever runs the server to allow more connections or to put a connection pooler in front of it.</source>
        <translation>%1: server ei võta rohkem ühendusi vastu, sest kõik lubatud ühendused on kasutuses. Sulgege Valtora mõnes teises tööjaamas või paluge serveri administraatorit lubada rohkem ühendusi või panna serveri ette ühenduste kogumi haldur (connection pooler).</translation>
    </message>
    <message>
        <source>The server of %1 refused the login. Check the Username, Password and Database lines of the data source, and that the server lets that role connect from this computer (pg_hba.conf).</source>
        <translation>%1: server keeldus sisselogimisest. Kontrollige andmeallika ridu Username, Password ja Database ning seda, kas server lubab sellel rollil sellest arvutist ühenduda (pg_hba.conf).</translation>
    </message>
    <message>
        <source>The server of %1 cannot be reached. Check the Servername and Port lines of the data source, that the server is running, and that this computer can reach it over the network.</source>
        <translation>%1: server pole kättesaadav. Kontrollige andmeallika ridu Servername ja Port, kas server töötab ja kas see arvuti pääseb sellele võrgu kaudu ligi.</translation>
    </message>
    <message>
        <source>The connection to the server of %1 was lost: the server was stopped or restarted, or the network failed. Start Valtora again once the server is back.</source>
        <translation>%1: ühendus serveriga katkes: server peatati või taaskäivitati või tekkis võrgutõrge. Käivitage Valtora uuesti, kui server on jälle kättesaadav.</translation>
    </message>
    <message>
        <source>%1 did not answer within %2 seconds. Check that its server is running and not overloaded, and that no other program holds its database locked, then start Valtora again.</source>
        <translation>%1: vastust ei tulnud %2 sekundi jooksul. Kontrollige, et server töötab ega ole üle koormatud ja et ükski teine programm ei hoia andmebaasi lukus, ning käivitage seejärel Valtora uuesti.</translation>
    </message>
    <message>
        <source>The driver said: %1</source>
        <translation>Draiveri teade: %1</translation>
    </message>
    <message>
        <source>The server of %1 is starting up or shutting down, and accepts no connections now. Start Valtora again in a minute; if it keeps saying so, ask whoever runs the server.</source>
        <translation>%1: server parajasti käivitub või seiskub ega võta praegu ühendusi vastu. Käivitage Valtora minuti pärast uuesti; kui teade kordub, pöörduge serveri administraatori poole.</translation>
    </message>
    <message>
        <source>The server of %1 ended the connection on an administrator&apos;s command: someone ended Valtora&apos;s session on the server, or the server was stopped or restarted. Start Valtora again once the server is back.</source>
        <translation>%1: server katkestas ühenduse administraatori käsul: keegi lõpetas Valtora seansi serveris või server peatati või taaskäivitati. Käivitage Valtora uuesti, kui server on jälle kättesaadav.</translation>
    </message>
    <message>
        <source>The server of %1 closed the connection because it was idle for longer than the server allows (its setting idle_session_timeout). Ask whoever runs the server to lift that limit for the quiz&apos;s role (alter role quiz set idle_session_timeout = 0), then start Valtora again.</source>
        <translation>%1: server sulges ühenduse, sest see oli jõude kauem, kui server lubab (selle säte idle_session_timeout). Paluge serveri administraatorit see piirang viktoriini rolli jaoks eemaldada (alter role quiz set idle_session_timeout = 0) ja käivitage seejärel Valtora uuesti.</translation>
    </message>
    <message>
        <source>A query of Valtora&apos;s on the server of %1 was cancelled on an administrator&apos;s command (pg_cancel_backend, or another program that cancels queries). Start Valtora again.</source>
        <translation>%1: Valtora päring serveris tühistati administraatori käsul (pg_cancel_backend või mõni muu päringuid tühistav programm). Käivitage Valtora uuesti.</translation>
    </message>
    <message>
        <source>The connection pooler in front of the server of %1 gave up waiting for a free server connection, after as long as its setting query_wait_timeout allows. Close Valtora on desks that do not need it, or ask whoever runs the pooler for a larger pool (default_pool_size), then start Valtora again.</source>
        <translation type="vanished">%1: serveri ees olev ühenduste kogumi haldur lõpetas vaba serveriühenduse ootamise, olles oodanud nii kaua, kui selle säte query_wait_timeout lubab. Sulgege Valtora tööjaamades, kus seda pole vaja, või paluge kogumi halduri administraatorilt suuremat kogumit (default_pool_size) ja käivitage seejärel Valtora uuesti.</translation>
    </message>
    <message>
        <source>Likely causes: the table elements or one of its columns was changed while the quiz ran, the server ended the connection, or the driver cannot read a value of the table.</source>
        <translation>Tõenäolised põhjused: tabelit elements või mõnda selle veergu muudeti viktoriini ajal, server katkestas ühenduse või draiver ei suuda tabelist mõnda väärtust lugeda.</translation>
    </message>
    <message>
        <source>Likely causes: this user may not read the file on the data source&apos;s Database line, or the SQLite driver is set up wrongly (&quot;isql -v Elements&quot; shows what it says).</source>
        <translation>Tõenäolised põhjused: sellel kasutajal pole lubatud lugeda andmeallika real Database olevat faili või SQLite&apos;i draiver on valesti seadistatud („isql -v Elements“ näitab, mida see ütleb).</translation>
    </message>
    <message>
        <source>Likely causes: the server is not running or this computer cannot reach it, the data source&apos;s Servername, Port, Database, Username or Password line does not match the server, or its driver is set up wrongly (&quot;isql -v Elements&quot; shows what it says).</source>
        <translation>Tõenäolised põhjused: server ei tööta või see arvuti ei pääse sellele ligi, andmeallika rida Servername, Port, Database, Username või Password ei vasta serverile või draiver on valesti seadistatud („isql -v Elements“ näitab, mida see ütleb).</translation>
    </message>
    <message>
        <source>The server of %1 gave up waiting for a lock on the table elements, after as long as its setting lock_timeout allows: another program holds the table locked, changing it or in a transaction left open. Ask whoever runs the server to end that program&apos;s transaction, then start Valtora again.</source>
        <translation>%1: server lõpetas tabeli elements luku ootamise, olles oodanud nii kaua, kui selle säte lock_timeout lubab: teine programm hoiab tabelit lukus, sest muudab seda või on jätnud transaktsiooni avatuks. Paluge serveri administraatorit selle programmi transaktsioon lõpetada ja käivitage seejärel Valtora uuesti.</translation>
    </message>
    <message>
        <source>The server of %1 does not let the role &quot;%2&quot; read the table elements. Ask whoever runs the server to allow it: grant select on elements to %2;</source>
        <translation>%1: server ei luba rollil „%2“ tabelit elements lugeda. Paluge serveri administraatorit seda lubada: grant select on elements to %2;</translation>
    </message>
    <message>
        <source>The connection pooler in front of the server of %1 gave up waiting for a server connection, after as long as its setting query_wait_timeout allows. Either every connection of its pool is in use (close Valtora on desks that do not need it, or ask whoever runs the pooler for a larger pool, default_pool_size), or the server behind it cannot be reached (ask whoever runs it to check that it is running). Then start Valtora again.</source>
        <translation>%1: serveri ees olev ühenduste kogumi haldur lõpetas serveriühenduse ootamise, olles oodanud nii kaua, kui selle säte query_wait_timeout lubab. Kas kõik selle kogumi ühendused on kasutuses (sulgege Valtora tööjaamades, kus seda pole vaja, või paluge kogumi halduri administraatorilt suuremat kogumit, default_pool_size) või pole selle taga olev server kättesaadav (paluge serveri administraatorit kontrollida, kas see töötab). Seejärel käivitage Valtora uuesti.</translation>
    </message>
</context>
<context>
    <name>DesktopEntry</name>
    <message>
        <source>Chemical Elements Quiz</source>
        <extracomment>The kind of program, as menus show it beside its name.</extracomment>
        <translation>Keemiliste elementide viktoriin</translation>
    </message>
    <message>
        <source>Drill the symbols and names of the chemical elements</source>
        <extracomment>What the program is for, in a line: menus&apos; tooltips, software centres&apos; summary.</extracomment>
        <translation>Keemiliste elementide sümbolite ja nimetuste harjutamine</translation>
    </message>
    <message>
        <source>chemistry;elements;periodic table;symbol;quiz;school;</source>
        <extracomment>Words a desktop&apos;s search finds the program by, each followed by a semicolon.</extracomment>
        <translation>keemia;elemendid;perioodilisustabel;sümbol;viktoriin;kool;</translation>
    </message>
    <message>
        <source>Valtora is a quiz on the chemical elements. It shows an element&apos;s atomic number, symbol, name and atomic mass with the symbol or the name covered, and you type what is covered.</source>
        <extracomment>Software centres: the description.</extracomment>
        <translation>Valtora on viktoriin keemiliste elementide kohta. See näitab elemendi järjenumbrit, sümbolit, nimetust ja aatommassi, nii et sümbol või nimetus on peidetud, ning sina kirjutad sisse selle, mis on peidetud.</translation>
    </message>
    <message>
        <source>Guess the symbol or the name</source>
        <extracomment>Software centres: a feature in the description&apos;s list.</extracomment>
        <translation>Sümboli või nimetuse äraarvamine</translation>
    </message>
    <message>
        <source>Draw from the first 36 elements, from those a school course knows, or from all 103</source>
        <extracomment>Software centres: a feature in the description&apos;s list.</extracomment>
        <translation>Loosimine esimese 36 elemendi, koolikursuses käsitletavate elementide või kõigi 103 elemendi seast</translation>
    </message>
    <message>
        <source>Played by keyboard alone, and read out by screen readers</source>
        <extracomment>Software centres: a feature in the description&apos;s list.</extracomment>
        <translation>Mängitav ainult klaviatuuriga ja ekraanilugerid loevad selle ette</translation>
    </message>
    <message numerus="yes">
        <source>In %n languages, the element names included</source>
        <extracomment>Software centres: a feature in the description&apos;s list; %n counts English too.</extracomment>
        <translation>
            <numerusform>%n keeles, koos elementide nimetustega</numerusform>
            <numerusform>%n keeles, koos elementide nimetustega</numerusform>
        </translation>
    </message>
    <message>
        <source>Needs no setup; a school can serve its own element table to every desk from one server</source>
        <extracomment>Software centres: a feature in the description&apos;s list.</extracomment>
        <translation>Ei vaja seadistamist; kool saab ühest serverist jagada oma elementide tabelit igasse tööjaama</translation>
    </message>
    <message>
        <source>The quiz after one spin, the symbol covered</source>
        <extracomment>Software centres: the caption of the screenshot.</extracomment>
        <translation>Viktoriin pärast üht loosimist, sümbol peidetud</translation>
    </message>
</context>
<context>
    <name>ElementDatabase</name>
    <message>
        <source>the embedded element table</source>
        <translation>Sisseehitatud elementide tabel</translation>
    </message>
    <message>
        <source>%1: Qt&apos;s ODBC driver (QODBC) is not installed.</source>
        <translation>%1: Qt ODBC-draiverit (QODBC) pole paigaldatud.</translation>
    </message>
    <message>
        <source>%1 cannot be opened.</source>
        <translation>%1: andmeallikat ei saa avada.</translation>
    </message>
    <message>
        <source>%1: Qt&apos;s SQLite driver (QSQLITE) is not installed.</source>
        <translation>%1: Qt SQLite&apos;i draiverit (QSQLITE) pole paigaldatud.</translation>
    </message>
    <message>
        <source>The query &quot;%1&quot; on %2 failed.</source>
        <translation>%2: päring „%1“ nurjus.</translation>
    </message>
</context>
<context>
    <name>ElementLookup</name>
    <message>
        <source>&quot;%1&quot; is not an atomic number to look up.</source>
        <translation>„%1“ pole järjenumber, mida saaks otsida.</translation>
    </message>
    <message>
        <source>There is no row for atomic number %1 in table %2.</source>
        <translation>Tabelis %2 pole järjenumbri %1 rida.</translation>
    </message>
    <message>
        <source>The row for atomic number %1 in table %2 has no symbol (%3 is empty): no answer could be judged against it.</source>
        <translation>Tabeli %2 järjenumbri %1 real pole sümbolit (veerg %3 on tühi), seega ei saa sellega ühtegi vastust võrrelda.</translation>
    </message>
    <message>
        <source>The row for atomic number %1 in table %2 has no name (%3 is empty): no answer could be judged against it.</source>
        <translation>Tabeli %2 järjenumbri %1 real pole nimetust (veerg %3 on tühi), seega ei saa sellega ühtegi vastust võrrelda.</translation>
    </message>
</context>
<context>
    <name>ElementTableCheck</name>
    <message>
        <source> and %1 more</source>
        <translation> ja veel %1</translation>
    </message>
    <message>
        <source>It has the columns %1.</source>
        <translation>Tabeli veerud: %1.</translation>
    </message>
    <message>
        <source>The table %1 of %2 cannot be used.
%3</source>
        <translation>%2: tabelit %1 ei saa kasutada.
%3</translation>
    </message>
    <message>
        <source>%1 has no table %2.</source>
        <translation>%1: tabel %2 puudub.</translation>
    </message>
    <message>
        <source>Missing columns: %1.</source>
        <translation>Puuduvad veerud: %1.</translation>
    </message>
    <message>
        <source>The file was imported twice into the same database: its header row is a row of the table, and every element is there twice. Import it again into a fresh database file (delete the old one first).</source>
        <translation>Fail imporditi samasse andmebaasi kaks korda: selle päiserida on tabeli rida ja iga element on tabelis kaks korda. Importige fail uuesti uude andmebaasifaili (kustutage enne vana).</translation>
    </message>
    <message>
        <source>No row for atomic numbers %1.</source>
        <translation>Järjenumbrid, millel pole rida: %1.</translation>
    </message>
    <message>
        <source>More than one row for atomic numbers %1.</source>
        <translation>Järjenumbrid, millel on üle ühe rea: %1.</translation>
    </message>
    <message>
        <source>Atomic numbers that are not whole numbers: %1.</source>
        <translation>Järjenumbrid, mis pole täisarvud: %1.</translation>
    </message>
    <message>
        <source>Rows without an atomic number: %1.</source>
        <translation>Read, millel pole järjenumbrit: %1.</translation>
    </message>
    <message>
        <source>No symbol for atomic numbers %1.</source>
        <translation>Järjenumbrid, millel pole sümbolit: %1.</translation>
    </message>
    <message>
        <source>No name for atomic numbers %1.</source>
        <translation>Järjenumbrid, millel pole nimetust: %1.</translation>
    </message>
    <message>
        <source>Names that no answer can match, since answers are put in proper case (&quot;Iron&quot;, not &quot;iron&quot; or &quot;IRON&quot;), for atomic numbers %1.</source>
        <translation>Nimetused, millega ükski vastus ei saa kokku langeda, sest vastused kirjutatakse suure algustähega („Raud“, mitte „raud“ ega „RAUD“), järjenumbritega %1.</translation>
    </message>
    <message>
        <source>Symbols or names with blanks around them, which no answer can match, for atomic numbers %1.</source>
        <translation>Tühikuga algavad või lõppevad sümbolid või nimetused, millega ükski vastus ei saa kokku langeda, järjenumbritega %1.</translation>
    </message>
    <message>
        <source>see &quot;From a spreadsheet&quot; in the README, installed as %1</source>
        <translation>vt jaotist „From a spreadsheet“ failis README, mis on paigaldatud asukohta %1</translation>
    </message>
    <message>
        <source>The file was saved with semicolons between its columns, as office programs do where decimals are written with a comma: import it with .separator &quot;;&quot; (%1).</source>
        <translation>Fail salvestati nii, et veergude vahel on semikoolonid, nagu kontoriprogrammid teevad seal, kus kümnendmurde kirjutatakse komaga: importige see käsuga .separator &quot;;&quot; (%1).</translation>
    </message>
    <message>
        <source>The file was saved with tabs between its columns: import it with .separator &quot;\t&quot; instead of --csv (%1).</source>
        <translation>Fail salvestati nii, et veergude vahel on tabeldusmärgid: importige see käsuga .separator &quot;\t&quot;, mitte võtmega --csv (%1).</translation>
    </message>
    <message>
        <source>Its first row holds the column names: the file has a title row above its header. Import it with --skip 1, or delete the title row (%1).</source>
        <translation>Tabeli esimeses reas on veergude nimed: failis on päiserea kohal pealkirjarida. Importige see võtmega --skip 1 või kustutage pealkirjarida (%1).</translation>
    </message>
    <message>
        <source>Reading it failed.</source>
        <translation>Tabeli lugemine nurjus.</translation>
    </message>
    <message>
        <source>Atomic numbers with blanks around them, which the lookup&apos;s query does not find: %1.</source>
        <translation>Tühikuga algavad või lõppevad järjenumbrid, mida otsingupäring ei leia: %1.</translation>
    </message>
    <message>
        <source>The file&apos;s header row (%1) is a row of the table: the table was made before the import, which read the header as data. Import the file into a fresh database, or with --skip 1 (%2).</source>
        <translation>Faili päiserida (%1) on tabeli rida: tabel loodi enne importimist, mis luges päise andmeteks. Importige fail uude andmebaasi või võtmega --skip 1 (%2).</translation>
    </message>
    <message>
        <source>Looking an element up by its number fails: AtomicNumber must compare with a bare number, as in &quot;%1&quot;.</source>
        <translation>Elemendi otsimine järjenumbri järgi nurjub: AtomicNumber peab olema võrreldav jutumärkideta arvuga, nagu „%1“.</translation>
    </message>
    <message>
        <source>Symbols or names with invisible characters in them (zero-width spaces or joiners, soft hyphens, direction marks), which no typed answer holds, for atomic numbers %1.</source>
        <translation>Sümbolid või nimetused, milles on nähtamatuid märke (nähtamatud tühikud või liitjad, poolitusvihjed, suunamärgid), mida ükski sisestatud vastus ei sisalda, järjenumbritega %1.</translation>
    </message>
    <message>
        <source>Symbols or names with characters that no element&apos;s name has, as a file saved in another character set than UTF-8 leaves them (&quot;?&quot;, &quot;Ã³&quot;, &quot;Å¼&quot;), for atomic numbers %1. Save the sheet again as CSV in the character set &quot;Unicode (UTF-8)&quot;, or convert the file with iconv, and import it again (%2).</source>
        <translation type="vanished">Sümbolid või nimetused märkidega, mida pole üheski elemendi nimetuses ja mis tekivad, kui fail salvestatakse muus märgistikus kui UTF-8 („?“, „Ã³“, „Å¼“), järjenumbritega %1. Salvestage arvutustabel uuesti CSV-vormingus märgistikus „Unicode (UTF-8)“ või teisendage fail iconv&apos;iga ja importige see uuesti (%2).</translation>
    </message>
    <message>
        <source>The file was saved as UTF-16 (&quot;Unicode text&quot; in office programs), which the import does not read. Convert it with &quot;iconv -f %1 -t UTF-8 elements.csv &gt; elements-utf8.csv&quot; and import elements-utf8.csv, or save the sheet again as CSV in the character set &quot;Unicode (UTF-8)&quot; (%2).</source>
        <translation>Fail salvestati UTF-16-vormingus („Unicode-tekst“ kontoriprogrammides), mida import ei loe. Teisendage see käsuga „iconv -f %1 -t UTF-8 elements.csv &gt; elements-utf8.csv“ ja importige elements-utf8.csv või salvestage arvutustabel uuesti CSV-vormingus märgistikus „Unicode (UTF-8)“ (%2).</translation>
    </message>
    <message>
        <source>Names with characters that no element&apos;s name has, garbled because the file was saved in the character set %1 and read as %2, for atomic numbers %3. Read it as %1: in psql, give &quot;\encoding %4&quot; before \copy, or convert it first with &quot;iconv -f %5 -t UTF-8&quot;, and import it again (%6).</source>
        <translation>Nimetused märkidega, mida pole üheski elemendi nimetuses, moonutatud, sest fail salvestati märgistikus %1, kuid loeti märgistikuna %2, järjenumbritega %3. Lugege fail märgistikus %1: andke psql-is enne käsku \copy käsk „\encoding %4“ või teisendage fail esmalt käsuga „iconv -f %5 -t UTF-8“ ja importige see uuesti (%6).</translation>
    </message>
    <message>
        <source>Names with characters that no element&apos;s name has, garbled because the file was saved in the character set %1 and read as %2, for atomic numbers %3. Convert it with &quot;%4 &gt; elements-utf8.csv&quot; and import elements-utf8.csv in its place (%5).</source>
        <translation>Nimetused märkidega, mida pole üheski elemendi nimetuses, moonutatud, sest fail salvestati märgistikus %1, kuid loeti märgistikuna %2, järjenumbritega %3. Teisendage fail käsuga „%4 &gt; elements-utf8.csv“ ja importige selle asemel elements-utf8.csv (%5).</translation>
    </message>
    <message>
        <source>Symbols or names with characters that no element&apos;s name has, such as &quot;?&quot; or the letter pairs (&quot;Ã³&quot;, &quot;Å¼&quot;) that a file saved in another character set than UTF-8 leaves, or with no letter at their start or end (&quot;-&quot;, a lone accent), for atomic numbers %1. Retype those cells, or save the sheet again as CSV in the character set &quot;Unicode (UTF-8)&quot; (or convert the file with iconv) and import it again (%2).</source>
        <translation>Sümbolid või nimetused märkidega, mida pole üheski elemendi nimetuses, näiteks „?“ või tähepaarid („Ã³“, „Å¼“), mis tekivad, kui fail salvestatakse muus märgistikus kui UTF-8, või ilma täheta alguses või lõpus („-“, üksik diakriitiline märk), järjenumbritega %1. Sisestage need lahtrid uuesti või salvestage arvutustabel uuesti CSV-vormingus märgistikus „Unicode (UTF-8)“ (või teisendage fail iconv&apos;iga) ja importige see uuesti (%2).</translation>
    </message>
</context>
<context>
    <name>OdbcDataSource</name>
    <message>
        <source>ODBC data source &quot;%1&quot;</source>
        <translation>ODBC-andmeallikas „%1“</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Usage: %1</source>
        <translation>Kasutamine: %1</translation>
    </message>
    <message>
        <source>[options]</source>
        <translation>[võtmed]</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Võtmed:</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Näitab abiteavet käsureavõtmete kohta.</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>Näitab abiteavet koos Qt-spetsiifiliste võtmetega.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>Näitab versiooniteavet.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>„%1“ järel puudub väärtus.</translation>
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
        <translation>&amp;Võta tagasi</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Tee uuesti</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;Lõika</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopeeri</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Aseta</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Kustuta</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Vali kõik</translation>
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
        <translation>Lisa Unicode&apos;i juhtmärk</translation>
    </message>
</context>
<context>
    <name>SqlScript</name>
    <message>
        <source>The element table&apos;s script is missing from the program.</source>
        <translation>Elementide tabeli skript puudub programmist.</translation>
    </message>
    <message>
        <source>The element table&apos;s script cannot be run: %1</source>
        <translation>Elementide tabeli skripti ei saa käivitada: %1</translation>
    </message>
    <message>
        <source>The element names in %1 cannot be loaded: %2</source>
        <translation>Elementide nimetusi keeles „%1“ ei saa laadida: %2</translation>
    </message>
</context>
<context>
    <name>frmElements</name>
    <message>
        <source>Elements</source>
        <translation>Elemendid</translation>
    </message>
    <message>
        <source>Atomic Number</source>
        <translation>Järjenumber</translation>
    </message>
    <message>
        <source>Symbol</source>
        <translation>Sümbol</translation>
    </message>
    <message>
        <source>Element Name</source>
        <translation>Nimetus</translation>
    </message>
    <message>
        <source>Atomic Mass</source>
        <translation>Aatommass</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Vastus</translation>
    </message>
    <message>
        <source>Created by Orvashel</source>
        <translation>Autor: Orvashel</translation>
    </message>
    <message>
        <source>Spin</source>
        <translation>Loosi</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Kontrolli</translation>
    </message>
    <message>
        <source>Step 1</source>
        <translation>1. samm</translation>
    </message>
    <message>
        <source>Guess the Name</source>
        <translation>Arva nimetus</translation>
    </message>
    <message>
        <source>Guess the Symbol</source>
        <translation>Arva sümbol</translation>
    </message>
    <message>
        <source>Step 2</source>
        <translation>2. samm</translation>
    </message>
    <message>
        <source>Elements 1 to 36</source>
        <translation>Elemendid 1–36</translation>
    </message>
    <message>
        <source>Elements 1 to 38, 40, 42, 47 - 57, 74, 78 - 80</source>
        <translation>Elemendid 1–38, 40, 42, 47–57, 74, 78–80</translation>
    </message>
    <message>
        <source>Elements 1 to 38, 40, 42, 47 - 57, 74, 78 - 89, 92, 94, 95</source>
        <translation>Elemendid 1–38, 40, 42, 47–57, 74, 78–89, 92, 94, 95</translation>
    </message>
    <message>
        <source>Elements 1 to 103</source>
        <translation>Elemendid 1–103</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Välju</translation>
    </message>
    <message>
        <source>Shortcut: %1</source>
        <translation>Kiirklahv: %1</translation>
    </message>
</context>
</TS>
