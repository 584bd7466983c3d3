<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="eu" sourcelanguage="en">
<context>
    <name>AnswerCheck</name>
    <message>
        <source>Your my hero</source>
        <translation>Bikain! Txapelduna zara!</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>Saiatu berriro</translation>
    </message>
</context>
<context>
    <name>ApplicationStart</name>
    <message>
        <source>valtora: no display could be opened. Choose one with DISPLAY (X11) or WAYLAND_DISPLAY (Wayland), or run without one with &quot;-platform offscreen&quot;.</source>
        <translation>valtora: ezin izan da pantailarik ireki. Aukeratu bat DISPLAY (X11) edo WAYLAND_DISPLAY (Wayland) erabiliz, edo exekutatu Valtora pantailarik gabe, «-platform offscreen» erabiliz.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>A desktop quiz on the chemical elements.</source>
        <translation>Elementu kimikoei buruzko mahaigaineko galdetegia.</translation>
    </message>
    <message>
        <source>valtora: &quot;%1&quot; is not an option or argument of Valtora; &quot;valtora --help&quot; lists them.</source>
        <translation>valtora: «%1» ez da Valtoraren aukera bat, ezta argumentu bat ere; «valtora --help» komandoak zerrendatzen ditu.</translation>
    </message>
</context>
<context>
    <name>DataControl</name>
    <message>
        <source>The table on %1 has no column %2.</source>
        <translation>%1: taulak ez du %2 zutaberik.</translation>
    </message>
</context>
<context>
    <name>DataSourceFaults</name>
    <message>
        <source>%1 names the ODBC driver &quot;%2&quot;, which is not installed on this computer. Install it, or name an installed driver on the data source&apos;s Driver line: the command &quot;odbcinst -q -d&quot; lists them.</source>
        <translation>%1: adierazitako «%2» ODBC kontrolatzailea ez dago instalatuta ordenagailu honetan. Instalatu, edo adierazi instalatutako kontrolatzaile bat datu-iturburuaren Driver lerroan: «odbcinst -q -d» komandoak instalatutako kontrolatzaileak zerrendatzen ditu.</translation>
    </message>
    <message>
        <source>%1 names no database file: its Database line is empty. Put the path of the SQLite file that holds the table elements there.</source>
        <translation>%1: ez da datu-base fitxategirik adierazi, Database lerroa hutsik dagoelako. Idatzi bertan elements taula duen SQLite fitxategiaren bide-izena.</translation>
    </message>
    <message>
        <source>The database file &quot;%2&quot; of %1 does not exist. Check the path on the data source&apos;s Database line.</source>
        <translation>%1: «%2» datu-base fitxategia ez da existitzen. Egiaztatu datu-iturburuaren Database lerroko bide-izena.</translation>
    </message>
    <message>
        <source>The file &quot;%2&quot; of %1 is not an SQLite database. Check the path on the data source&apos;s Database line, or make the file again with the sqlite3 shell.</source>
        <translation>%1: «%2» fitxategia ez da SQLite datu-base bat. Egiaztatu datu-iturburuaren Database lerroko bide-izena, edo sortu fitxategia berriro sqlite3 shell-arekin.</translation>
    </message>
    <message>
        <source>The database file &quot;%2&quot; of %1 is locked by another program that is changing it. Close that program, or end its transaction, then start Valtora again.</source>
        <translation>%1: «%2» datu-base fitxategia blokeatuta dauka hura aldatzen ari den beste programa batek. Itxi programa hori edo amaitu haren transakzioa, eta abiarazi Valtora berriro.</translation>
    </message>
    <message>
        <source>The server of %1 accepts no more connections: all it allows are in use. Close Valtora on another desk, or ask whoever runs the server to allow more connections or to put a connection pooler in front of it.</source>
        <translation>%1: zerbitzariak ez du konexio gehiagorik onartzen: onartzen dituen guztiak erabiltzen ari dira. Itxi Valtora beste ordenagailu batean, edo eskatu zerbitzariaren administratzaileari konexio gehiago baimentzeko edo zerbitzariaren aurrean konexio-multzoen kudeatzaile bat (connection pooler) jartzeko.</translation>
    </message>
    <message>
        <source>The server of %1 refused the login. Check the Username, Password and Database lines of the data source, and that the server lets that role connect from this computer (pg_hba.conf).</source>
        <translation>%1: zerbitzariak saio-hasiera ukatu du. Egiaztatu datu-iturburuaren Username, Password eta Database lerroak, eta zerbitzariak rol horri ordenagailu honetatik konektatzen uzten diola (pg_hba.conf).</translation>
    </message>
    <message>
        <source>The server of %1 cannot be reached. Check the Servername and Port lines of the data source, that the server is running, and that this computer can reach it over the network.</source>
        <translation>%1: ezin da zerbitzarira iritsi. Egiaztatu datu-iturburuaren Servername eta Port lerroak, zerbitzaria martxan dagoela eta ordenagailu hau sarearen bidez hara irits daitekeela.</translation>
    </message>
    <message>
        <source>The connection to the server of %1 was lost: the server was stopped or restarted, or the network failed. Start Valtora again once the server is back.</source>
        <translation>%1: zerbitzariarekiko konexioa galdu da: zerbitzaria gelditu edo berrabiarazi da, edo sareak huts egin du. Abiarazi Valtora berriro zerbitzaria berriz eskuragarri dagoenean.</translation>
    </message>
    <message>
        <source>%1 did not answer within %2 seconds. Check that its server is running and not overloaded, and that no other program holds its database locked, then start Valtora again.</source>
        <translation>%1: ez da erantzunik jaso %2 segundotan. Egiaztatu zerbitzaria martxan dagoela eta ez dagoela gainkargatuta, eta beste inongo programak ez duela datu-basea blokeatuta, eta abiarazi Valtora berriro.</translation>
    </message>
    <message>
        <source>The driver said: %1</source>
        <translation>Kontrolatzailearen mezua: %1</translation>
    </message>
    <message>
        <source>The server of %1 is starting up or shutting down, and accepts no connections now. Start Valtora again in a minute; if it keeps saying so, ask whoever runs the server.</source>
        <translation>%1: zerbitzaria abiarazten edo itzaltzen ari da, eta orain ez du konexiorik onartzen. Abiarazi Valtora berriro minutu bat barru; mezu bera agertzen jarraitzen badu, jo zerbitzariaren administratzailearengana.</translation>
    </message>
    <message>
        <source>The server of %1 ended the connection on an administrator&apos;s command: someone ended Valtora&apos;s session on the server, or the server was stopped or restarted. Start Valtora again once the server is back.</source>
        <translation>%1: zerbitzariak konexioa amaitu du administratzaile baten aginduz: norbaitek Valtoraren saioa amaitu du zerbitzarian, edo zerbitzaria gelditu edo berrabiarazi da. Abiarazi Valtora berriro zerbitzaria berriz eskuragarri dagoenean.</translation>
    </message>
    <message>
        <source>The server of %1 closed the connection because it was idle for longer than the server allows (its setting idle_session_timeout). Ask whoever runs the server to lift that limit for the quiz&apos;s role (alter role quiz set idle_session_timeout = 0), then start Valtora again.</source>
        <translation>%1: zerbitzariak konexioa itxi du, zerbitzariak onartzen duena baino denbora gehiago egon delako inaktibo (idle_session_timeout ezarpena). Eskatu zerbitzariaren administratzaileari muga hori kentzeko galdetegiaren rolarentzat (alter role quiz set idle_session_timeout = 0), eta abiarazi Valtora berriro.</translation>
    </message>
    <message>
        <source>A query of Valtora&apos;s on the server of %1 was cancelled on an administrator&apos;s command (pg_cancel_backend, or another program that cancels queries). Start Valtora again.</source>
        <translation>%1: Valtorak zerbitzarian egindako kontsulta bat bertan behera utzi da administratzaile baten aginduz (pg_cancel_backend edo kontsultak bertan behera uzten dituen beste programa bat). Abiarazi Valtora berriro.</translation>
    </message>
    <message>
        <source>The connection pooler in front of the server of %1 gave up waiting for a free server connection, after as long as its setting query_wait_timeout allows. Close Valtora on desks that do not need it, or ask whoever runs the pooler for a larger pool (default_pool_size), then start Valtora again.</source>
        <translation type="vanished">%1: zerbitzariaren aurreko konexio-multzoen kudeatzaileak zerbitzariarekiko konexio libre baten zain egoteari utzi dio, bere query_wait_timeout ezarpenak onartzen duen denbora igaro ondoren. Itxi Valtora behar ez duten ordenagailuetan, edo eskatu kudeatzailearen administratzaileari multzo handiagoa (default_pool_size), eta abiarazi Valtora berriro.</translation>
    </message>
    <message>
        <source>Likely causes: the table elements or one of its columns was changed while the quiz ran, the server ended the connection, or the driver cannot read a value of the table.</source>
        <translation>Kausa litekeenak: elements taula edo haren zutabeetako bat aldatu da galdetegia martxan zegoen bitartean, zerbitzariak konexioa amaitu du, edo kontrolatzaileak ezin du taulako balio bat irakurri.</translation>
    </message>
    <message>
        <source>Likely causes: this user may not read the file on the data source&apos;s Database line, or the SQLite driver is set up wrongly (&quot;isql -v Elements&quot; shows what it says).</source>
        <translation>Kausa litekeenak: erabiltzaile honek ez du baimenik datu-iturburuaren Database lerroko fitxategia irakurtzeko, edo SQLite kontrolatzailea gaizki konfiguratuta dago («isql -v Elements» komandoak erakusten du zer dioen).</translation>
    </message>
    <message>
        <source>Likely causes: the server is not running or this computer cannot reach it, the data source&apos;s Servername, Port, Database, Username or Password line does not match the server, or its driver is set up wrongly (&quot;isql -v Elements&quot; shows what it says).</source>
        <translation>Kausa litekeenak: zerbitzaria ez dago martxan edo ordenagailu hau ezin da hara iritsi, datu-iturburuaren Servername, Port, Database, Username edo Password lerroa ez dator bat zerbitzariarekin, edo kontrolatzailea gaizki konfiguratuta dago («isql -v Elements» komandoak erakusten du zer dioen).</translation>
    </message>
    <message>
        <source>The server of %1 gave up waiting for a lock on the table elements, after as long as its setting lock_timeout allows: another program holds the table locked, changing it or in a transaction left open. Ask whoever runs the server to end that program&apos;s transaction, then start Valtora again.</source>
        <translation>%1: zerbitzariak elements taularen blokeo baten zain egoteari utzi dio, bere lock_timeout ezarpenak onartzen duen denbora igaro ondoren: beste programa batek taula blokeatuta dauka, aldatzen ari delako edo transakzio bat irekita utzi duelako. Eskatu zerbitzariaren administratzaileari programa horren transakzioa amaitzeko, eta abiarazi Valtora berriro.</translation>
    </message>
    <message>
        <source>The server of %1 does not let the role &quot;%2&quot; read the table elements. Ask whoever runs the server to allow it: grant select on elements to %2;</source>
        <translation>%1: zerbitzariak ez dio «%2» rolari elements taula irakurtzen uzten. Eskatu zerbitzariaren administratzaileari baimena emateko: grant select on elements to %2;</translation>
    </message>
    <message>
        <source>The connection pooler in front of the server of %1 gave up waiting for a server connection, after as long as its setting query_wait_timeout allows. Either every connection of its pool is in use (close Valtora on desks that do not need it, or ask whoever runs the pooler for a larger pool, default_pool_size), or the server behind it cannot be reached (ask whoever runs it to check that it is running). Then start Valtora again.</source>
        <translation>%1: zerbitzariaren aurreko konexio-multzoen kudeatzaileak zerbitzariarekiko konexio baten zain egoteari utzi dio, bere query_wait_timeout ezarpenak onartzen duen denbora igaro ondoren. Edo multzoko konexio guztiak erabiltzen ari dira (itxi Valtora behar ez duten ordenagailuetan, edo eskatu kudeatzailearen administratzaileari multzo handiagoa, default_pool_size), edo ezin da haren atzean dagoen zerbitzarira iritsi (eskatu zerbitzariaren administratzaileari martxan dagoela egiaztatzeko). Ondoren, abiarazi Valtora berriro.</translation>
    </message>
</context>
<context>
    <name>DesktopEntry</name>
    <message>
        <source>Chemical Elements Quiz</source>
        <extracomment>The kind of program, as menus show it beside its name.</extracomment>
        <translation>Elementu kimikoen galdetegia</translation>
    </message>
    <message>
        <source>Drill the symbols and names of the chemical elements</source>
        <extracomment>What the program is for, in a line: menus&apos; tooltips, software centres&apos; summary.</extracomment>
        <translation>Landu elementu kimikoen ikurrak eta izenak</translation>
    </message>
    <message>
        <source>chemistry;elements;periodic table;symbol;quiz;school;</source>
        <extracomment>Words a desktop&apos;s search finds the program by, each followed by a semicolon.</extracomment>
        <translation>kimika;elementuak;taula periodikoa;ikurra;galdetegia;eskola;</translation>
    </message>
    <message>
        <source>Valtora is a quiz on the chemical elements. It shows an element&apos;s atomic number, symbol, name and atomic mass with the symbol or the name covered, and you type what is covered.</source>
        <extracomment>Software centres: the description.</extracomment>
        <translation>Valtora elementu kimikoei buruzko galdetegi bat da. Elementu baten zenbaki atomikoa, ikurra, izena eta masa atomikoa erakusten ditu, ikurra edo izena estalita, eta zuk estalita dagoena idazten duzu.</translation>
    </message>
    <message>
        <source>Guess the symbol or the name</source>
        <extracomment>Software centres: a feature in the description&apos;s list.</extracomment>
        <translation>Asmatu ikurra edo izena</translation>
    </message>
    <message>
        <source>Draw from the first 36 elements, from those a school course knows, or from all 103</source>
        <extracomment>Software centres: a feature in the description&apos;s list.</extracomment>
        <translation>Zozketa lehen 36 elementuen artean, eskolako ikastaro batean ikasten direnen artean edo 103 guztien artean</translation>
    </message>
    <message>
        <source>Played by keyboard alone, and read out by screen readers</source>
        <extracomment>Software centres: a feature in the description&apos;s list.</extracomment>
        <translation>Teklatua bakarrik erabiliz jokatzeko modukoa, eta pantaila-irakurgailuek ozen irakurtzen dute</translation>
    </message>
    <message numerus="yes">
        <source>In %n languages, the element names included</source>
        <extracomment>Software centres: a feature in the description&apos;s list; %n counts English too.</extracomment>
        <translation>
            <numerusform>%n hizkuntzatan, elementuen izenak barne</numerusform>
            <numerusform>%n hizkuntzatan, elementuen izenak barne</numerusform>
        </translation>
    </message>
    <message>
        <source>Needs no setup; a school can serve its own element table to every desk from one server</source>
        <extracomment>Software centres: a feature in the description&apos;s list.</extracomment>
        <translation>Ez du konfiguraziorik behar; eskola batek bere elementu-taula eskain diezaieke ordenagailu guztiei zerbitzari bakar batetik</translation>
    </message>
    <message>
        <source>The quiz after one spin, the symbol covered</source>
        <extracomment>Software centres: the caption of the screenshot.</extracomment>
        <translation>Galdetegia biraketa baten ondoren, ikurra estalita</translation>
    </message>
</context>
<context>
    <name>ElementDatabase</name>
    <message>
        <source>the embedded element table</source>
        <translation>Elementu-taula integratua</translation>
    </message>
    <message>
        <source>%1: Qt&apos;s ODBC driver (QODBC) is not installed.</source>
        <translation>%1: Qt-ren ODBC kontrolatzailea (QODBC) ez dago instalatuta.</translation>
    </message>
    <message>
        <source>%1 cannot be opened.</source>
        <translation>%1: ezin da datu-iturburua ireki.</translation>
    </message>
    <message>
        <source>%1: Qt&apos;s SQLite driver (QSQLITE) is not installed.</source>
        <translation>%1: Qt-ren SQLite kontrolatzailea (QSQLITE) ez dago instalatuta.</translation>
    </message>
    <message>
        <source>The query &quot;%1&quot; on %2 failed.</source>
        <translation>%2: «%1» kontsultak huts egin du.</translation>
    </message>
</context>
<context>
    <name>ElementLookup</name>
    <message>
        <source>&quot;%1&quot; is not an atomic number to look up.</source>
        <translation>«%1» ez da bilatu daitekeen zenbaki atomiko bat.</translation>
    </message>
    <message>
        <source>There is no row for atomic number %1 in table %2.</source>
        <translation>%2 taulan ez dago %1 zenbaki atomikoaren errenkadarik.</translation>
    </message>
    <message>
        <source>The row for atomic number %1 in table %2 has no symbol (%3 is empty): no answer could be judged against it.</source>
        <translation>%2 taulako %1 zenbaki atomikoaren errenkadak ez du ikurrik (%3 hutsik dago): ezin da inongo erantzunik harekin alderatu.</translation>
    </message>
    <message>
        <source>The row for atomic number %1 in table %2 has no name (%3 is empty): no answer could be judged against it.</source>
        <translation>%2 taulako %1 zenbaki atomikoaren errenkadak ez du izenik (%3 hutsik dago): ezin da inongo erantzunik harekin alderatu.</translation>
    </message>
</context>
<context>
    <name>ElementTableCheck</name>
    <message>
        <source> and %1 more</source>
        <translation> eta beste %1</translation>
    </message>
    <message>
        <source>It has the columns %1.</source>
        <translation>Taularen zutabeak: %1.</translation>
    </message>
    <message>
        <source>The table %1 of %2 cannot be used.
%3</source>
        <translation>%2: ezin da %1 taula erabili.
%3</translation>
    </message>
    <message>
        <source>%1 has no table %2.</source>
        <translation>%1: ez dago %2 taularik.</translation>
    </message>
    <message>
        <source>Missing columns: %1.</source>
        <translation>Falta diren zutabeak: %1.</translation>
    </message>
    <message>
        <source>The file was imported twice into the same database: its header row is a row of the table, and every element is there twice. Import it again into a fresh database file (delete the old one first).</source>
        <translation>Fitxategia bi aldiz inportatu da datu-base berean: haren goiburu-errenkada taulako errenkada bat da, eta elementu bakoitza bi aldiz dago. Inportatu berriro datu-base fitxategi berri batean (ezabatu zaharra lehenago).</translation>
    </message>
    <message>
        <source>No row for atomic numbers %1.</source>
        <translation>Errenkadarik gabeko zenbaki atomikoak: %1.</translation>
    </message>
    <message>
        <source>More than one row for atomic numbers %1.</source>
        <translation>Errenkada bat baino gehiago duten zenbaki atomikoak: %1.</translation>
    </message>
    <message>
        <source>Atomic numbers that are not whole numbers: %1.</source>
        <translation>Zenbaki oso ez diren zenbaki atomikoak: %1.</translation>
    </message>
    <message>
        <source>Rows without an atomic number: %1.</source>
        <translation>Zenbaki atomikorik gabeko errenkadak: %1.</translation>
    </message>
    <message>
        <source>No symbol for atomic numbers %1.</source>
        <translation>Ikurrik gabeko zenbaki atomikoak: %1.</translation>
    </message>
    <message>
        <source>No name for atomic numbers %1.</source>
        <translation>Izenik gabeko zenbaki atomikoak: %1.</translation>
    </message>
    <message>
        <source>Names that no answer can match, since answers are put in proper case (&quot;Iron&quot;, not &quot;iron&quot; or &quot;IRON&quot;), for atomic numbers %1.</source>
        <translation>Inongo erantzunekin bat etorri ezin diren izenak, erantzunak hasierako letra larriz idazten direlako («Burdina», ez «burdina» edo «BURDINA»); zenbaki atomikoak: %1.</translation>
    </message>
    <message>
        <source>Symbols or names with blanks around them, which no answer can match, for atomic numbers %1.</source>
        <translation>Hasieran edo amaieran zuriuneak dituzten ikurrak edo izenak, inongo erantzunekin bat etorri ezin direnak; zenbaki atomikoak: %1.</translation>
    </message>
    <message>
        <source>see &quot;From a spreadsheet&quot; in the README, installed as %1</source>
        <translation>ikusi README fitxategiko «From a spreadsheet» atala, %1 gisa instalatuta</translation>
    </message>
    <message>
        <source>The file was saved with semicolons between its columns, as office programs do where decimals are written with a comma: import it with .separator &quot;;&quot; (%1).</source>
        <translation>Fitxategia zutabeen artean puntu eta komak dituela gorde da, dezimalak komaz idazten diren lekuetan bulegotika-programek egiten duten bezala: inportatu .separator &quot;;&quot; erabiliz (%1).</translation>
    </message>
    <message>
        <source>The file was saved with tabs between its columns: import it with .separator &quot;\t&quot; instead of --csv (%1).</source>
        <translation>Fitxategia zutabeen artean tabulazioak dituela gorde da: inportatu .separator &quot;\t&quot; erabiliz, --csv erabili beharrean (%1).</translation>
    </message>
    <message>
        <source>Its first row holds the column names: the file has a title row above its header. Import it with --skip 1, or delete the title row (%1).</source>
        <translation>Taularen lehen errenkadak zutabeen izenak ditu: fitxategiak izenburu-errenkada bat du goiburuaren gainean. Inportatu --skip 1 erabiliz, edo ezabatu izenburu-errenkada (%1).</translation>
    </message>
    <message>
        <source>Reading it failed.</source>
        <translation>Ezin izan da taula irakurri.</translation>
    </message>
    <message>
        <source>Atomic numbers with blanks around them, which the lookup&apos;s query does not find: %1.</source>
        <translation>Hasieran edo amaieran zuriuneak dituzten zenbaki atomikoak, bilaketa-kontsultak aurkitzen ez dituenak: %1.</translation>
    </message>
    <message>
        <source>The file&apos;s header row (%1) is a row of the table: the table was made before the import, which read the header as data. Import the file into a fresh database, or with --skip 1 (%2).</source>
        <translation>Fitxategiaren goiburu-errenkada (%1) taulako errenkada bat da: taula inportazioaren aurretik sortu zen, eta inportazioak goiburua datu gisa irakurri zuen. Inportatu fitxategia datu-base berri batean, edo --skip 1 erabiliz (%2).</translation>
    </message>
    <message>
        <source>Looking an element up by its number fails: AtomicNumber must compare with a bare number, as in &quot;%1&quot;.</source>
        <translation>Elementu bat bere zenbakiaren bidez bilatzeak huts egiten du: AtomicNumber komatxorik gabeko zenbaki batekin alderatu ahal izan behar da, «%1» adibidean bezala.</translation>
    </message>
    <message>
        <source>Symbols or names with invisible characters in them (zero-width spaces or joiners, soft hyphens, direction marks), which no typed answer holds, for atomic numbers %1.</source>
        <translation>Karaktere ikusezinak dituzten ikurrak edo izenak (zabalera zeroko zuriuneak edo lotzaileak, marratxo bigunak, norabide-markak), idatzitako inongo erantzunek ez dituztenak; zenbaki atomikoak: %1.</translation>
    </message>
    <message>
        <source>Symbols or names with characters that no element&apos;s name has, as a file saved in another character set than UTF-8 leaves them (&quot;?&quot;, &quot;Ã³&quot;, &quot;Å¼&quot;), for atomic numbers %1. Save the sheet again as CSV in the character set &quot;Unicode (UTF-8)&quot;, or convert the file with iconv, and import it again (%2).</source>
        <translation type="vanished">Inongo elementuren izenak ez dituen karaktereak dituzten ikurrak edo izenak, UTF-8 ez den beste karaktere-multzo batean gordetako fitxategi batek uzten dituen bezalakoak («?», «Ã³», «Å¼»); zenbaki atomikoak: %1. Gorde berriro orria CSV gisa «Unicode (UTF-8)» karaktere-multzoan, edo bihurtu fitxategia iconv-ekin, eta inportatu berriro (%2).</translation>
    </message>
    <message>
        <source>The file was saved as UTF-16 (&quot;Unicode text&quot; in office programs), which the import does not read. Convert it with &quot;iconv -f %1 -t UTF-8 elements.csv &gt; elements-utf8.csv&quot; and import elements-utf8.csv, or save the sheet again as CSV in the character set &quot;Unicode (UTF-8)&quot; (%2).</source>
        <translation>Fitxategia UTF-16 gisa gorde da («Unicode testua» bulegotika-programetan), eta inportazioak ez du hori irakurtzen. Bihurtu «iconv -f %1 -t UTF-8 elements.csv &gt; elements-utf8.csv» komandoarekin eta inportatu elements-utf8.csv, edo gorde berriro orria CSV gisa «Unicode (UTF-8)» karaktere-multzoan (%2).</translation>
    </message>
    <message>
        <source>Names with characters that no element&apos;s name has, garbled because the file was saved in the character set %1 and read as %2, for atomic numbers %3. Read it as %1: in psql, give &quot;\encoding %4&quot; before \copy, or convert it first with &quot;iconv -f %5 -t UTF-8&quot;, and import it again (%6).</source>
        <translation>Inongo elementuren izenak ez dituen karaktereak dituzten izenak, hondatuta, fitxategia %1 karaktere-multzoan gorde eta %2 gisa irakurri delako; zenbaki atomikoak: %3. Irakurri %1 gisa: psql-n, idatzi «\encoding %4» \copy baino lehen, edo bihurtu lehenago «iconv -f %5 -t UTF-8» komandoarekin, eta inportatu berriro (%6).</translation>
    </message>
    <message>
        <source>Names with characters that no element&apos;s name has, garbled because the file was saved in the character set %1 and read as %2, for atomic numbers %3. Convert it with &quot;%4 &gt; elements-utf8.csv&quot; and import elements-utf8.csv in its place (%5).</source>
        <translation>Inongo elementuren izenak ez dituen karaktereak dituzten izenak, hondatuta, fitxategia %1 karaktere-multzoan gorde eta %2 gisa irakurri delako; zenbaki atomikoak: %3. Bihurtu «%4 &gt; elements-utf8.csv» komandoarekin eta inportatu elements-utf8.csv haren ordez (%5).</translation>
    </message>
    <message>
        <source>Symbols or names with characters that no element&apos;s name has, such as &quot;?&quot; or the letter pairs (&quot;Ã³&quot;, &quot;Å¼&quot;) that a file saved in another character set than UTF-8 leaves, or with no letter at their start or end (&quot;-&quot;, a lone accent), for atomic numbers %1. Retype those cells, or save the sheet again as CSV in the character set &quot;Unicode (UTF-8)&quot; (or convert the file with iconv) and import it again (%2).</source>
        <translation>Inongo elementuren izenak ez dituen karaktereak dituzten ikurrak edo izenak, hala nola «?» edo UTF-8 ez den beste karaktere-multzo batean gordetako fitxategi batek uzten dituen letra-bikoteak («Ã³», «Å¼»), edo hasieran edo amaieran letrarik ez dutenak («-», azentu soil bat); zenbaki atomikoak: %1. Idatzi berriro gelaxka horiek, edo gorde berriro orria CSV gisa «Unicode (UTF-8)» karaktere-multzoan (edo bihurtu fitxategia iconv-ekin) eta inportatu berriro (%2).</translation>
    </message>
</context>
<context>
    <name>OdbcDataSource</name>
    <message>
        <source>ODBC data source &quot;%1&quot;</source>
        <translation>«%1» ODBC datu-iturburua</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Usage: %1</source>
        <translation>Erabilera: %1</translation>
    </message>
    <message>
        <source>[options]</source>
        <translation>[aukerak]</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Aukerak:</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Komando-lerroko aukerei buruzko laguntza bistaratzen du.</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>Laguntza bistaratzen du, Qt-ren aukera espezifikoak barne.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>Bertsioaren informazioa bistaratzen du.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>Balio bat falta da «%1» aukeraren ondoren.</translation>
    </message>
</context>
<context>
    <name>QGnomeTheme</name>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Ados</translation>
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
        <translation>&amp;Desegin</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Berregin</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;Ebaki</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopiatu</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Itsatsi</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Ezabatu</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Hautatu dena</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>Ados</translation>
    </message>
</context>
<context>
    <name>QUnicodeControlCharacterMenu</name>
    <message>
        <source>Insert Unicode control character</source>
        <translation>Txertatu Unicode kontrol-karakterea</translation>
    </message>
</context>
<context>
    <name>SqlScript</name>
    <message>
        <source>The element table&apos;s script is missing from the program.</source>
        <translation>Elementu-taularen scripta falta da programan.</translation>
    </message>
    <message>
        <source>The element table&apos;s script cannot be run: %1</source>
        <translation>Ezin da elementu-taularen scripta exekutatu: %1</translation>
    </message>
    <message>
        <source>The element names in %1 cannot be loaded: %2</source>
        <translation>Ezin dira elementuen izenak kargatu «%1» hizkuntzarako: %2</translation>
    </message>
</context>
<context>
    <name>frmElements</name>
    <message>
        <source>Elements</source>
        <translation>Elementuak</translation>
    </message>
    <message>
        <source>Atomic Number</source>
        <translation>Zk. atomikoa</translation>
    </message>
    <message>
        <source>Symbol</source>
        <translation>Ikurra</translation>
    </message>
    <message>
        <source>Element Name</source>
        <translation>Izena</translation>
    </message>
    <message>
        <source>Atomic Mass</source>
        <translation>Masa atomikoa</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Erantz.</translation>
    </message>
    <message>
        <source>Created by Orvashel</source>
        <translation>Egilea: Orvashel</translation>
    </message>
    <message>
        <source>Spin</source>
        <translation>Biratu</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Egiaztatu</translation>
    </message>
    <message>
        <source>Step 1</source>
        <translation>1. urratsa</translation>
    </message>
    <message>
        <source>Guess the Name</source>
        <translation>Asmatu izena</translation>
    </message>
    <message>
        <source>Guess the Symbol</source>
        <translation>Asmatu ikurra</translation>
    </message>
    <message>
        <source>Step 2</source>
        <translation>2. urratsa</translation>
    </message>
    <message>
        <source>Elements 1 to 36</source>
        <translation>Elementuak 1–36</translation>
    </message>
    <message>
        <source>Elements 1 to 38, 40, 42, 47 - 57, 74, 78 - 80</source>
        <translation>Elementuak 1–38, 40, 42, 47–57, 74, 78–80</translation>
    </message>
    <message>
        <source>Elements 1 to 38, 40, 42, 47 - 57, 74, 78 - 89, 92, 94, 95</source>
        <translation>Elementuak 1–38, 40, 42, 47–57, 74, 78–89, 92, 94, 95</translation>
    </message>
    <message>
        <source>Elements 1 to 103</source>
        <translation>Elementuak 1–103</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Irten</translation>
    </message>
    <message>
        <source>Shortcut: %1</source>
        <translation>Lasterbidea: %1</translation>
    </message>
</context>
</TS>
