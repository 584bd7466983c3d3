<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hu" sourcelanguage="en">
<context>
    <name>AnswerCheck</name>
    <message>
        <source>Your my hero</source>
        <translation>Szuper vagy!</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>Próbáld újra</translation>
    </message>
</context>
<context>
    <name>ApplicationStart</name>
    <message>
        <source>valtora: no display could be opened. Choose one with DISPLAY (X11) or WAYLAND_DISPLAY (Wayland), or run without one with &quot;-platform offscreen&quot;.</source>
        <translation>valtora: egyetlen megjelenítőt sem sikerült megnyitni. Válasszon egyet a DISPLAY (X11) vagy a WAYLAND_DISPLAY (Wayland) változóval, vagy futtassa a Valtora programot megjelenítő nélkül a „-platform offscreen” kapcsolóval.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>A desktop quiz on the chemical elements.</source>
        <translation>Számítógépes kvíz a kémiai elemekről.</translation>
    </message>
    <message>
        <source>valtora: &quot;%1&quot; is not an option or argument of Valtora; &quot;valtora --help&quot; lists them.</source>
        <translation>valtora: „%1” nem a Valtora program kapcsolója vagy argumentuma; ezeket a „valtora --help” parancs listázza ki.</translation>
    </message>
</context>
<context>
    <name>DataControl</name>
    <message>
        <source>The table on %1 has no column %2.</source>
        <translation>%1: a táblában nincs %2 oszlop.</translation>
    </message>
</context>
<context>
    <name>DataSourceFaults</name>
    <message>
        <source>%1 names the ODBC driver &quot;%2&quot;, which is not installed on this computer. Install it, or name an installed driver on the data source&apos;s Driver line: the command &quot;odbcinst -q -d&quot; lists them.</source>
        <translation>%1: a megadott „%2” ODBC-illesztőprogram nincs telepítve ezen a számítógépen. Telepítse, vagy adjon meg egy telepített illesztőprogramot az adatforrás Driver sorában: a telepített illesztőprogramokat az „odbcinst -q -d” parancs listázza ki.</translation>
    </message>
    <message>
        <source>%1 names no database file: its Database line is empty. Put the path of the SQLite file that holds the table elements there.</source>
        <translation>%1: nincs megadva adatbázisfájl, mert a Database sor üres. Írja be ebbe a sorba annak az SQLite-fájlnak az elérési útját, amely az elements táblát tartalmazza.</translation>
    </message>
    <message>
        <source>The database file &quot;%2&quot; of %1 does not exist. Check the path on the data source&apos;s Database line.</source>
        <translation>%1: a megadott adatbázisfájl („%2”) nem létezik. Ellenőrizze az elérési utat az adatforrás Database sorában.</translation>
    </message>
    <message>
        <source>The file &quot;%2&quot; of %1 is not an SQLite database. Check the path on the data source&apos;s Database line, or make the file again with the sqlite3 shell.</source>
        <translation>%1: a megadott fájl („%2”) nem SQLite-adatbázis. Ellenőrizze az elérési utat az adatforrás Database sorában, vagy hozza létre újra a fájlt az sqlite3 parancsértelmezővel.</translation>
    </message>
    <message>
        <source>The database file &quot;%2&quot; of %1 is locked by another program that is changing it. Close that program, or end its transaction, then start Valtora again.</source>
        <translation>%1: az adatbázisfájlt („%2”) egy másik program zárolta, mert éppen módosítja. Zárja be azt a programot, vagy fejezze be a tranzakcióját, majd indítsa újra a Valtora programot.</translation>
    </message>
    <message>
        <source>The server of %1 accepts no more connections: all it allows are in use. Close Valtora on another desk, or ask whoever runs the server to allow more connections or to put a connection pooler in front of it.</source>
        <translation>%1: a kiszolgáló nem fogad több kapcsolatot, mert az összes engedélyezett kapcsolat foglalt. Zárja be a Valtora programot egy másik munkaállomáson, vagy kérje meg a kiszolgáló üzemeltetőjét, hogy engedélyezzen több kapcsolatot, vagy helyezzen a kiszolgáló elé kapcsolatkészlet-kezelőt (connection pooler).</translation>
    </message>
    <message>
        <source>The server of %1 refused the login. Check the Username, Password and Database lines of the data source, and that the server lets that role connect from this computer (pg_hba.conf).</source>
        <translation>%1: a kiszolgáló elutasította a bejelentkezést. Ellenőrizze az adatforrás Username, Password és Database sorát, valamint azt, hogy a kiszolgáló engedélyezi-e ennek a szerepkörnek a csatlakozást erről a számítógépről (pg_hba.conf).</translation>
    </message>
    <message>
        <source>The server of %1 cannot be reached. Check the Servername and Port lines of the data source, that the server is running, and that this computer can reach it over the network.</source>
        <translation>%1: a kiszolgáló nem érhető el. Ellenőrizze az adatforrás Servername és Port sorát, azt, hogy fut-e a kiszolgáló, és hogy ez a számítógép eléri-e a hálózaton keresztül.</translation>
    </message>
    <message>
        <source>The connection to the server of %1 was lost: the server was stopped or restarted, or the network failed. Start Valtora again once the server is back.</source>
        <translation>%1: megszakadt a kapcsolat a kiszolgálóval, mert a kiszolgálót leállították vagy újraindították, vagy hálózati hiba történt. Indítsa újra a Valtora programot, amint a kiszolgáló ismét elérhető.</translation>
    </message>
    <message>
        <source>%1 did not answer within %2 seconds. Check that its server is running and not overloaded, and that no other program holds its database locked, then start Valtora again.</source>
        <translation>%1: %2 másodpercen belül nem érkezett válasz. Ellenőrizze, hogy fut-e a kiszolgáló, nincs-e túlterhelve, és hogy nem tartja-e zárolva az adatbázist egy másik program, majd indítsa újra a Valtora programot.</translation>
    </message>
    <message>
        <source>The driver said: %1</source>
        <translation>Az illesztőprogram üzenete: %1</translation>
    </message>
    <message>
        <source>The server of %1 is starting up or shutting down, and accepts no connections now. Start Valtora again in a minute; if it keeps saying so, ask whoever runs the server.</source>
        <translation>%1: a kiszolgáló éppen elindul vagy leáll, és most nem fogad kapcsolatokat. Egy perc múlva indítsa újra a Valtora programot; ha az üzenet továbbra is megjelenik, forduljon a kiszolgáló üzemeltetőjéhez.</translation>
    </message>
    <message>
        <source>The server of %1 ended the connection on an administrator&apos;s command: someone ended Valtora&apos;s session on the server, or the server was stopped or restarted. Start Valtora again once the server is back.</source>
        <translation>%1: a kiszolgáló egy rendszergazda utasítására bontotta a kapcsolatot: valaki befejezte a Valtora munkamenetét a kiszolgálón, vagy a kiszolgálót leállították vagy újraindították. Indítsa újra a Valtora programot, amint a kiszolgáló ismét elérhető.</translation>
    </message>
    <message>
        <source>The server of %1 closed the connection because it was idle for longer than the server allows (its setting idle_session_timeout). Ask whoever runs the server to lift that limit for the quiz&apos;s role (alter role quiz set idle_session_timeout = 0), then start Valtora again.</source>
        <translation>%1: a kiszolgáló bezárta a kapcsolatot, mert az hosszabb ideig volt tétlen, mint amennyit a kiszolgáló megenged (idle_session_timeout beállítás). Kérje meg a kiszolgáló üzemeltetőjét, hogy oldja fel ezt a korlátot a kvíz szerepköre számára (alter role quiz set idle_session_timeout = 0), majd indítsa újra a Valtora programot.</translation>
    </message>
    <message>
        <source>A query of Valtora&apos;s on the server of %1 was cancelled on an administrator&apos;s command (pg_cancel_backend, or another program that cancels queries). Start Valtora again.</source>
        <translation>%1: a Valtora egyik lekérdezését a kiszolgálón egy rendszergazda utasítására megszakították (pg_cancel_backend vagy egy másik, lekérdezéseket megszakító program). Indítsa újra a Valtora programot.</translation>
    </message>
    <message>
        <source>The connection pooler in front of the server of %1 gave up waiting for a free server connection, after as long as its setting query_wait_timeout allows. Close Valtora on desks that do not need it, or ask whoever runs the pooler for a larger pool (default_pool_size), then start Valtora again.</source>
        <translation type="vanished">%1: a kiszolgáló előtti kapcsolatkészlet-kezelő feladta a várakozást egy szabad kiszolgálókapcsolatra, miután annyi ideig várt, amennyit a query_wait_timeout beállítása megenged. Zárja be a Valtora programot azokon a munkaállomásokon, ahol nincs rá szükség, vagy kérjen nagyobb kapcsolatkészletet (default_pool_size) a kapcsolatkészlet-kezelő üzemeltetőjétől, majd indítsa újra a Valtora programot.</translation>
    </message>
    <message>
        <source>Likely causes: the table elements or one of its columns was changed while the quiz ran, the server ended the connection, or the driver cannot read a value of the table.</source>
        <translation>Valószínű okok: az elements tábla vagy annak egyik oszlopa megváltozott a kvíz futása közben, a kiszolgáló bontotta a kapcsolatot, vagy az illesztőprogram nem tudja beolvasni a tábla valamelyik értékét.</translation>
    </message>
    <message>
        <source>Likely causes: this user may not read the file on the data source&apos;s Database line, or the SQLite driver is set up wrongly (&quot;isql -v Elements&quot; shows what it says).</source>
        <translation>Valószínű okok: ez a felhasználó nem olvashatja az adatforrás Database sorában megadott fájlt, vagy az SQLite-illesztőprogram rosszul van beállítva (az „isql -v Elements” parancs megmutatja, mit jelez).</translation>
    </message>
    <message>
        <source>Likely causes: the server is not running or this computer cannot reach it, the data source&apos;s Servername, Port, Database, Username or Password line does not match the server, or its driver is set up wrongly (&quot;isql -v Elements&quot; shows what it says).</source>
        <translation>Valószínű okok: a kiszolgáló nem fut, vagy ez a számítógép nem éri el, az adatforrás Servername, Port, Database, Username vagy Password sora nem egyezik a kiszolgálóéval, vagy az illesztőprogram rosszul van beállítva (az „isql -v Elements” parancs megmutatja, mit jelez).</translation>
    </message>
    <message>
        <source>The server of %1 gave up waiting for a lock on the table elements, after as long as its setting lock_timeout allows: another program holds the table locked, changing it or in a transaction left open. Ask whoever runs the server to end that program&apos;s transaction, then start Valtora again.</source>
        <translation>%1: a kiszolgáló feladta a várakozást az elements tábla zárolására, miután annyi ideig várt, amennyit a lock_timeout beállítása megenged: egy másik program zárolva tartja a táblát, mert éppen módosítja, vagy nyitva hagyott egy tranzakciót. Kérje meg a kiszolgáló üzemeltetőjét, hogy fejezze be annak a programnak a tranzakcióját, majd indítsa újra a Valtora programot.</translation>
    </message>
    <message>
        <source>The server of %1 does not let the role &quot;%2&quot; read the table elements. Ask whoever runs the server to allow it: grant select on elements to %2;</source>
        <translation>%1: a kiszolgáló nem engedi, hogy a szerepkör („%2”) olvassa az elements táblát. Kérje meg a kiszolgáló üzemeltetőjét, hogy engedélyezze: grant select on elements to %2;</translation>
    </message>
    <message>
        <source>The connection pooler in front of the server of %1 gave up waiting for a server connection, after as long as its setting query_wait_timeout allows. Either every connection of its pool is in use (close Valtora on desks that do not need it, or ask whoever runs the pooler for a larger pool, default_pool_size), or the server behind it cannot be reached (ask whoever runs it to check that it is running). Then start Valtora again.</source>
        <translation>%1: a kiszolgáló előtti kapcsolatkészlet-kezelő feladta a várakozást egy kiszolgálókapcsolatra, miután annyi ideig várt, amennyit a query_wait_timeout beállítása megenged. Vagy a kapcsolatkészlet összes kapcsolata foglalt (zárja be a Valtora programot azokon a munkaállomásokon, ahol nincs rá szükség, vagy kérjen a kapcsolatkészlet-kezelő üzemeltetőjétől nagyobb kapcsolatkészletet, default_pool_size), vagy a mögötte álló kiszolgáló nem érhető el (kérje meg a kiszolgáló üzemeltetőjét, hogy ellenőrizze, fut-e). Ezután indítsa újra a Valtora programot.</translation>
    </message>
</context>
<context>
    <name>DesktopEntry</name>
    <message>
        <source>Chemical Elements Quiz</source>
        <extracomment>The kind of program, as menus show it beside its name.</extracomment>
        <translation>Kvíz a kémiai elemekről</translation>
    </message>
    <message>
        <source>Drill the symbols and names of the chemical elements</source>
        <extracomment>What the program is for, in a line: menus&apos; tooltips, software centres&apos; summary.</extracomment>
        <translation>A kémiai elemek vegyjeleinek és neveinek gyakorlása</translation>
    </message>
    <message>
        <source>chemistry;elements;periodic table;symbol;quiz;school;</source>
        <extracomment>Words a desktop&apos;s search finds the program by, each followed by a semicolon.</extracomment>
        <translation>kémia;elemek;periódusos rendszer;vegyjel;kvíz;iskola;</translation>
    </message>
    <message>
        <source>Valtora is a quiz on the chemical elements. It shows an element&apos;s atomic number, symbol, name and atomic mass with the symbol or the name covered, and you type what is covered.</source>
        <extracomment>Software centres: the description.</extracomment>
        <translation>A Valtora kvíz a kémiai elemekről. Megmutatja egy elem rendszámát, vegyjelét, nevét és atomtömegét úgy, hogy a vegyjel vagy a név le van takarva, te pedig beírod, ami le van takarva.</translation>
    </message>
    <message>
        <source>Guess the symbol or the name</source>
        <extracomment>Software centres: a feature in the description&apos;s list.</extracomment>
        <translation>A vegyjel vagy a név kitalálása</translation>
    </message>
    <message>
        <source>Draw from the first 36 elements, from those a school course knows, or from all 103</source>
        <extracomment>Software centres: a feature in the description&apos;s list.</extracomment>
        <translation>Sorsolás az első 36 elemből, egy iskolai tananyag elemeiből vagy mind a 103-ból</translation>
    </message>
    <message>
        <source>Played by keyboard alone, and read out by screen readers</source>
        <extracomment>Software centres: a feature in the description&apos;s list.</extracomment>
        <translation>Csak billentyűzettel is játszható, és a képernyőolvasók felolvassák</translation>
    </message>
    <message numerus="yes">
        <source>In %n languages, the element names included</source>
        <extracomment>Software centres: a feature in the description&apos;s list; %n counts English too.</extracomment>
        <translation>
            <numerusform>%n nyelven, az elemnevekkel együtt</numerusform>
        </translation>
    </message>
    <message>
        <source>Needs no setup; a school can serve its own element table to every desk from one server</source>
        <extracomment>Software centres: a feature in the description&apos;s list.</extracomment>
        <translation>Nem igényel beállítást; egy iskola egyetlen kiszolgálóról minden munkaállomásnak a saját elemtábláját adhatja</translation>
    </message>
    <message>
        <source>The quiz after one spin, the symbol covered</source>
        <extracomment>Software centres: the caption of the screenshot.</extracomment>
        <translation>A kvíz egy sorsolás után, letakart vegyjellel</translation>
    </message>
</context>
<context>
    <name>ElementDatabase</name>
    <message>
        <source>the embedded element table</source>
        <translation>Beépített elemtábla</translation>
    </message>
    <message>
        <source>%1: Qt&apos;s ODBC driver (QODBC) is not installed.</source>
        <translation>%1: a Qt ODBC-illesztőprogramja (QODBC) nincs telepítve.</translation>
    </message>
    <message>
        <source>%1 cannot be opened.</source>
        <translation>%1: az adatforrás nem nyitható meg.</translation>
    </message>
    <message>
        <source>%1: Qt&apos;s SQLite driver (QSQLITE) is not installed.</source>
        <translation>%1: a Qt SQLite-illesztőprogramja (QSQLITE) nincs telepítve.</translation>
    </message>
    <message>
        <source>The query &quot;%1&quot; on %2 failed.</source>
        <translation>%2: nem sikerült végrehajtani a következő lekérdezést: „%1”.</translation>
    </message>
</context>
<context>
    <name>ElementLookup</name>
    <message>
        <source>&quot;%1&quot; is not an atomic number to look up.</source>
        <translation>„%1” nem rendszám, ezért nem lehet megkeresni.</translation>
    </message>
    <message>
        <source>There is no row for atomic number %1 in table %2.</source>
        <translation>A táblában (%2) nincs sor a következő rendszámhoz: %1.</translation>
    </message>
    <message>
        <source>The row for atomic number %1 in table %2 has no symbol (%3 is empty): no answer could be judged against it.</source>
        <translation>A táblában (%2) a következő rendszámú sorból hiányzik a vegyjel: %1 (az %3 oszlop üres), így egyetlen válasz sem vethető össze vele.</translation>
    </message>
    <message>
        <source>The row for atomic number %1 in table %2 has no name (%3 is empty): no answer could be judged against it.</source>
        <translation>A táblában (%2) a következő rendszámú sorból hiányzik a név: %1 (az %3 oszlop üres), így egyetlen válasz sem vethető össze vele.</translation>
    </message>
</context>
<context>
    <name>ElementTableCheck</name>
    <message>
        <source> and %1 more</source>
        <translation> és még %1</translation>
    </message>
    <message>
        <source>It has the columns %1.</source>
        <translation>A tábla oszlopai: %1.</translation>
    </message>
    <message>
        <source>The table %1 of %2 cannot be used.
%3</source>
        <translation>%2: a tábla (%1) nem használható.
%3</translation>
    </message>
    <message>
        <source>%1 has no table %2.</source>
        <translation>%1: nincs %2 nevű tábla.</translation>
    </message>
    <message>
        <source>Missing columns: %1.</source>
        <translation>Hiányzó oszlopok: %1.</translation>
    </message>
    <message>
        <source>The file was imported twice into the same database: its header row is a row of the table, and every element is there twice. Import it again into a fresh database file (delete the old one first).</source>
        <translation>A fájlt kétszer importálták ugyanabba az adatbázisba: a fejlécsora a tábla egyik sorává vált, és minden elem kétszer szerepel benne. Importálja újra egy új adatbázisfájlba (előbb törölje a régit).</translation>
    </message>
    <message>
        <source>No row for atomic numbers %1.</source>
        <translation>Hiányzó sor a következő rendszámokhoz: %1.</translation>
    </message>
    <message>
        <source>More than one row for atomic numbers %1.</source>
        <translation>Egynél több sor a következő rendszámokhoz: %1.</translation>
    </message>
    <message>
        <source>Atomic numbers that are not whole numbers: %1.</source>
        <translation>Nem egész számú rendszámok: %1.</translation>
    </message>
    <message>
        <source>Rows without an atomic number: %1.</source>
        <translation>Rendszám nélküli sorok: %1.</translation>
    </message>
    <message>
        <source>No symbol for atomic numbers %1.</source>
        <translation>Hiányzó vegyjel a következő rendszámoknál: %1.</translation>
    </message>
    <message>
        <source>No name for atomic numbers %1.</source>
        <translation>Hiányzó név a következő rendszámoknál: %1.</translation>
    </message>
    <message>
        <source>Names that no answer can match, since answers are put in proper case (&quot;Iron&quot;, not &quot;iron&quot; or &quot;IRON&quot;), for atomic numbers %1.</source>
        <translation>Olyan nevek, amelyekkel egyetlen válasz sem egyezhet, mert a válaszok nagy kezdőbetűvel íródnak („Vas”, nem „vas” vagy „VAS”), a következő rendszámoknál: %1.</translation>
    </message>
    <message>
        <source>Symbols or names with blanks around them, which no answer can match, for atomic numbers %1.</source>
        <translation>Előttük vagy utánuk szóközt tartalmazó vegyjelek vagy nevek, amelyekkel egyetlen válasz sem egyezhet, a következő rendszámoknál: %1.</translation>
    </message>
    <message>
        <source>see &quot;From a spreadsheet&quot; in the README, installed as %1</source>
        <translation>lásd a README „From a spreadsheet” című részét; a README telepített helye: %1</translation>
    </message>
    <message>
        <source>The file was saved with semicolons between its columns, as office programs do where decimals are written with a comma: import it with .separator &quot;;&quot; (%1).</source>
        <translation>A fájlt pontosvesszővel elválasztott oszlopokkal mentették, ahogy az irodai programok teszik ott, ahol a tizedesjegyeket vesszővel írják: importálja a .separator &quot;;&quot; beállítással (%1).</translation>
    </message>
    <message>
        <source>The file was saved with tabs between its columns: import it with .separator &quot;\t&quot; instead of --csv (%1).</source>
        <translation>A fájlt tabulátorral elválasztott oszlopokkal mentették: importálja a --csv helyett a .separator &quot;\t&quot; beállítással (%1).</translation>
    </message>
    <message>
        <source>Its first row holds the column names: the file has a title row above its header. Import it with --skip 1, or delete the title row (%1).</source>
        <translation>A tábla első sora tartalmazza az oszlopneveket: a fájlban a fejléc fölött egy címsor is van. Importálja a --skip 1 kapcsolóval, vagy törölje a címsort (%1).</translation>
    </message>
    <message>
        <source>Reading it failed.</source>
        <translation>A tábla beolvasása nem sikerült.</translation>
    </message>
    <message>
        <source>Atomic numbers with blanks around them, which the lookup&apos;s query does not find: %1.</source>
        <translation>Előttük vagy utánuk szóközt tartalmazó rendszámok, amelyeket az elemkereső lekérdezés nem talál meg: %1.</translation>
    </message>
    <message>
        <source>The file&apos;s header row (%1) is a row of the table: the table was made before the import, which read the header as data. Import the file into a fresh database, or with --skip 1 (%2).</source>
        <translation>A fájl fejlécsora (%1) a tábla egyik sora: a táblát az importálás előtt hozták létre, és az importálás adatként olvasta be a fejlécet. Importálja a fájlt egy új adatbázisba, vagy a --skip 1 kapcsolóval (%2).</translation>
    </message>
    <message>
        <source>Looking an element up by its number fails: AtomicNumber must compare with a bare number, as in &quot;%1&quot;.</source>
        <translation>Az elemek rendszám szerinti keresése sikertelen: az AtomicNumber oszlopnak idézőjelek nélküli számmal összehasonlíthatónak kell lennie, mint itt: „%1”.</translation>
    </message>
    <message>
        <source>Symbols or names with invisible characters in them (zero-width spaces or joiners, soft hyphens, direction marks), which no typed answer holds, for atomic numbers %1.</source>
        <translation>Olyan vegyjelek vagy nevek, amelyekben láthatatlan karakterek vannak (nulla szélességű szóköz vagy összekötő, feltételes elválasztójel, írásirányjel), amilyeneket egyetlen begépelt válasz sem tartalmaz, a következő rendszámoknál: %1.</translation>
    </message>
    <message>
        <source>Symbols or names with characters that no element&apos;s name has, as a file saved in another character set than UTF-8 leaves them (&quot;?&quot;, &quot;Ã³&quot;, &quot;Å¼&quot;), for atomic numbers %1. Save the sheet again as CSV in the character set &quot;Unicode (UTF-8)&quot;, or convert the file with iconv, and import it again (%2).</source>
        <translation type="vanished">Olyan vegyjelek vagy nevek, amelyekben egyetlen elem nevében sem előforduló karakterek vannak, amilyeneket egy UTF-8-tól eltérő karakterkészlettel mentett fájl hagy maga után („?”, „Ã³”, „Å¼”), a következő rendszámoknál: %1. Mentse újra a munkalapot CSV formátumban, „Unicode (UTF-8)” karakterkészlettel, vagy alakítsa át a fájlt az iconv programmal, majd importálja újra (%2).</translation>
    </message>
    <message>
        <source>The file was saved as UTF-16 (&quot;Unicode text&quot; in office programs), which the import does not read. Convert it with &quot;iconv -f %1 -t UTF-8 elements.csv &gt; elements-utf8.csv&quot; and import elements-utf8.csv, or save the sheet again as CSV in the character set &quot;Unicode (UTF-8)&quot; (%2).</source>
        <translation>A fájlt UTF-16 formátumban mentették (az irodai programokban „Unicode szöveg”), amelyet az importálás nem olvas. Alakítsa át az „iconv -f %1 -t UTF-8 elements.csv &gt; elements-utf8.csv” paranccsal, és importálja az elements-utf8.csv fájlt, vagy mentse újra a munkalapot CSV formátumban, „Unicode (UTF-8)” karakterkészlettel (%2).</translation>
    </message>
    <message>
        <source>Names with characters that no element&apos;s name has, garbled because the file was saved in the character set %1 and read as %2, for atomic numbers %3. Read it as %1: in psql, give &quot;\encoding %4&quot; before \copy, or convert it first with &quot;iconv -f %5 -t UTF-8&quot;, and import it again (%6).</source>
        <translation>Olyan nevek, amelyekben egyetlen elem nevében sem előforduló karakterek vannak, eltorzultak, mert a fájlt %1 karakterkészlettel mentették, és %2 karakterkészletként olvasták be, a következő rendszámoknál: %3. Olvassa be %1 karakterkészletként: a psql-ben adja meg a „\encoding %4” parancsot a \copy előtt, vagy előbb alakítsa át az „iconv -f %5 -t UTF-8” paranccsal, majd importálja újra (%6).</translation>
    </message>
    <message>
        <source>Names with characters that no element&apos;s name has, garbled because the file was saved in the character set %1 and read as %2, for atomic numbers %3. Convert it with &quot;%4 &gt; elements-utf8.csv&quot; and import elements-utf8.csv in its place (%5).</source>
        <translation>Olyan nevek, amelyekben egyetlen elem nevében sem előforduló karakterek vannak, eltorzultak, mert a fájlt %1 karakterkészlettel mentették, és %2 karakterkészletként olvasták be, a következő rendszámoknál: %3. Alakítsa át a „%4 &gt; elements-utf8.csv” paranccsal, és helyette az elements-utf8.csv fájlt importálja (%5).</translation>
    </message>
    <message>
        <source>Symbols or names with characters that no element&apos;s name has, such as &quot;?&quot; or the letter pairs (&quot;Ã³&quot;, &quot;Å¼&quot;) that a file saved in another character set than UTF-8 leaves, or with no letter at their start or end (&quot;-&quot;, a lone accent), for atomic numbers %1. Retype those cells, or save the sheet again as CSV in the character set &quot;Unicode (UTF-8)&quot; (or convert the file with iconv) and import it again (%2).</source>
        <translation>Olyan vegyjelek vagy nevek, amelyekben egyetlen elem nevében sem előforduló karakterek vannak, például „?” vagy azok a betűpárok („Ã³”, „Å¼”), amelyeket egy UTF-8-tól eltérő karakterkészlettel mentett fájl hagy maga után, vagy amelyek elején vagy végén nincs betű („-”, egy magányos ékezet), a következő rendszámoknál: %1. Írja be újra ezeket a cellákat, vagy mentse újra a munkalapot CSV formátumban, „Unicode (UTF-8)” karakterkészlettel (vagy alakítsa át a fájlt az iconv programmal), majd importálja újra (%2).</translation>
    </message>
</context>
<context>
    <name>OdbcDataSource</name>
    <message>
        <source>ODBC data source &quot;%1&quot;</source>
        <translation>„%1” ODBC-adatforrás</translation>
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
        <translation>Az elemtábla szkriptje hiányzik a programból.</translation>
    </message>
    <message>
        <source>The element table&apos;s script cannot be run: %1</source>
        <translation>Az elemtábla szkriptje nem futtatható: %1</translation>
    </message>
    <message>
        <source>The element names in %1 cannot be loaded: %2</source>
        <translation>Nem sikerült betölteni az elemneveket (nyelv: %1): %2</translation>
    </message>
</context>
<context>
    <name>frmElements</name>
    <message>
        <source>Elements</source>
        <translation>Elemek</translation>
    </message>
    <message>
        <source>Atomic Number</source>
        <translation>Rendszám</translation>
    </message>
    <message>
        <source>Symbol</source>
        <translation>Vegyjel</translation>
    </message>
    <message>
        <source>Element Name</source>
        <translation>Név</translation>
    </message>
    <message>
        <source>Atomic Mass</source>
        <translation>Atomtömeg</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Válasz</translation>
    </message>
    <message>
        <source>Created by Orvashel</source>
        <translation>Készítette: Orvashel</translation>
    </message>
    <message>
        <source>Spin</source>
        <translation>Sorsolás</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Ellenőrzés</translation>
    </message>
    <message>
        <source>Step 1</source>
        <translation>1. lépés</translation>
    </message>
    <message>
        <source>Guess the Name</source>
        <translation>Név kitalálása</translation>
    </message>
    <message>
        <source>Guess the Symbol</source>
        <translation>Vegyjel kitalálása</translation>
    </message>
    <message>
        <source>Step 2</source>
        <translation>2. lépés</translation>
    </message>
    <message>
        <source>Elements 1 to 36</source>
        <translation>Elemek 1–36</translation>
    </message>
    <message>
        <source>Elements 1 to 38, 40, 42, 47 - 57, 74, 78 - 80</source>
        <translation>Elemek 1–38, 40, 42, 47–57, 74, 78–80</translation>
    </message>
    <message>
        <source>Elements 1 to 38, 40, 42, 47 - 57, 74, 78 - 89, 92, 94, 95</source>
        <translation>Elemek 1–38, 40, 42, 47–57, 74, 78–89, 92, 94, 95</translation>
    </message>
    <message>
        <source>Elements 1 to 103</source>
        <translation>Elemek 1–103</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Kilépés</translation>
    </message>
    <message>
        <source>Shortcut: %1</source>
        <translation>Billentyűparancs: %1</translation>
    </message>
</context>
</TS>
