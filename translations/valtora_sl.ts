<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sl" sourcelanguage="en">
<context>
    <name>AnswerCheck</name>
    <message>
        <source>Your my hero</source>
        <translation>Bravo, ti si pravi as!</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>Poskusi znova</translation>
    </message>
</context>
<context>
    <name>ApplicationStart</name>
    <message>
        <source>valtora: no display could be opened. Choose one with DISPLAY (X11) or WAYLAND_DISPLAY (Wayland), or run without one with &quot;-platform offscreen&quot;.</source>
        <translation>valtora: zaslona ni bilo mogoče odpreti. Izberite ga z DISPLAY (X11) ali WAYLAND_DISPLAY (Wayland) ali pa program Valtora zaženite brez zaslona z »-platform offscreen«.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>A desktop quiz on the chemical elements.</source>
        <translation>Namizni kviz o kemijskih elementih.</translation>
    </message>
    <message>
        <source>valtora: &quot;%1&quot; is not an option or argument of Valtora; &quot;valtora --help&quot; lists them.</source>
        <translation>valtora: »%1« ni niti možnost niti argument programa Valtora; seznam izpiše »valtora --help«.</translation>
    </message>
</context>
<context>
    <name>DataControl</name>
    <message>
        <source>The table on %1 has no column %2.</source>
        <translation>%1: tabela nima stolpca %2.</translation>
    </message>
</context>
<context>
    <name>DataSourceFaults</name>
    <message>
        <source>%1 names the ODBC driver &quot;%2&quot;, which is not installed on this computer. Install it, or name an installed driver on the data source&apos;s Driver line: the command &quot;odbcinst -q -d&quot; lists them.</source>
        <translation>%1: navedeni gonilnik ODBC »%2« ni nameščen v tem računalniku. Namestite ga ali v vrstico Driver podatkovnega vira vpišite nameščen gonilnik: nameščene gonilnike izpiše ukaz »odbcinst -q -d«.</translation>
    </message>
    <message>
        <source>%1 names no database file: its Database line is empty. Put the path of the SQLite file that holds the table elements there.</source>
        <translation>%1: datoteka zbirke podatkov ni navedena, ker je vrstica Database prazna. Vanjo vpišite pot do datoteke SQLite, ki vsebuje tabelo elements.</translation>
    </message>
    <message>
        <source>The database file &quot;%2&quot; of %1 does not exist. Check the path on the data source&apos;s Database line.</source>
        <translation>%1: datoteka zbirke podatkov »%2« ne obstaja. Preverite pot v vrstici Database podatkovnega vira.</translation>
    </message>
    <message>
        <source>The file &quot;%2&quot; of %1 is not an SQLite database. Check the path on the data source&apos;s Database line, or make the file again with the sqlite3 shell.</source>
        <translation>%1: datoteka »%2« ni zbirka podatkov SQLite. Preverite pot v vrstici Database podatkovnega vira ali pa datoteko znova ustvarite z lupino sqlite3.</translation>
    </message>
    <message>
        <source>The database file &quot;%2&quot; of %1 is locked by another program that is changing it. Close that program, or end its transaction, then start Valtora again.</source>
        <translation>%1: datoteko zbirke podatkov »%2« je zaklenil drug program, ki jo spreminja. Zaprite ta program ali končajte njegovo transakcijo, nato znova zaženite program Valtora.</translation>
    </message>
    <message>
        <source>The server of %1 accepts no more connections: all it allows are in use. Close Valtora on another desk, or ask whoever runs the server to allow more connections or to put a connection pooler in front of it.</source>
        <translation>%1: strežnik ne sprejema več povezav, ker so vse dovoljene povezave zasedene. Zaprite program Valtora na drugem računalniku ali pa prosite skrbnika strežnika, naj dovoli več povezav ali pred strežnik postavi združevalnik povezav (connection pooler).</translation>
    </message>
    <message>
        <source>The server of %1 refused the login. Check the Username, Password and Database lines of the data source, and that the server lets that role connect from this computer (pg_hba.conf).</source>
        <translation>%1: strežnik je zavrnil prijavo. Preverite vrstice Username, Password in Database podatkovnega vira ter ali strežnik tej vlogi dovoli povezavo s tega računalnika (pg_hba.conf).</translation>
    </message>
    <message>
        <source>The server of %1 cannot be reached. Check the Servername and Port lines of the data source, that the server is running, and that this computer can reach it over the network.</source>
        <translation>%1: strežnik ni dosegljiv. Preverite vrstici Servername in Port podatkovnega vira, ali strežnik deluje in ali ga ta računalnik lahko doseže prek omrežja.</translation>
    </message>
    <message>
        <source>The connection to the server of %1 was lost: the server was stopped or restarted, or the network failed. Start Valtora again once the server is back.</source>
        <translation>%1: povezava s strežnikom je bila prekinjena: strežnik je bil ustavljen ali znova zagnan ali pa je odpovedalo omrežje. Ko bo strežnik spet na voljo, znova zaženite program Valtora.</translation>
    </message>
    <message>
        <source>%1 did not answer within %2 seconds. Check that its server is running and not overloaded, and that no other program holds its database locked, then start Valtora again.</source>
        <translation>%1: odgovora ni bilo v %2 s. Preverite, ali strežnik deluje in ni preobremenjen ter ali kak drug program ne drži zbirke podatkov zaklenjene, nato znova zaženite program Valtora.</translation>
    </message>
    <message>
        <source>The driver said: %1</source>
        <translation>Sporočilo gonilnika: %1</translation>
    </message>
    <message>
        <source>The server of %1 is starting up or shutting down, and accepts no connections now. Start Valtora again in a minute; if it keeps saying so, ask whoever runs the server.</source>
        <translation>%1: strežnik se zaganja ali zaustavlja in trenutno ne sprejema povezav. Program Valtora znova zaženite čez minuto; če se sporočilo ponavlja, se obrnite na skrbnika strežnika.</translation>
    </message>
    <message>
        <source>The server of %1 ended the connection on an administrator&apos;s command: someone ended Valtora&apos;s session on the server, or the server was stopped or restarted. Start Valtora again once the server is back.</source>
        <translation>%1: strežnik je prekinil povezavo na ukaz skrbnika: nekdo je končal sejo programa Valtora na strežniku ali pa je bil strežnik ustavljen ali znova zagnan. Ko bo strežnik spet na voljo, znova zaženite program Valtora.</translation>
    </message>
    <message>
        <source>The server of %1 closed the connection because it was idle for longer than the server allows (its setting idle_session_timeout). Ask whoever runs the server to lift that limit for the quiz&apos;s role (alter role quiz set idle_session_timeout = 0), then start Valtora again.</source>
        <translation>%1: strežnik je zaprl povezavo, ker je bila nedejavna dlje, kot strežnik dovoli (njegova nastavitev idle_session_timeout). Prosite skrbnika strežnika, naj to omejitev za vlogo kviza odpravi (alter role quiz set idle_session_timeout = 0), nato znova zaženite program Valtora.</translation>
    </message>
    <message>
        <source>A query of Valtora&apos;s on the server of %1 was cancelled on an administrator&apos;s command (pg_cancel_backend, or another program that cancels queries). Start Valtora again.</source>
        <translation>%1: poizvedba programa Valtora na strežniku je bila preklicana na ukaz skrbnika (pg_cancel_backend ali drug program, ki preklicuje poizvedbe). Znova zaženite program Valtora.</translation>
    </message>
    <message>
        <source>The connection pooler in front of the server of %1 gave up waiting for a free server connection, after as long as its setting query_wait_timeout allows. Close Valtora on desks that do not need it, or ask whoever runs the pooler for a larger pool (default_pool_size), then start Valtora again.</source>
        <translation type="vanished">%1: združevalnik povezav pred strežnikom je nehal čakati na prosto povezavo s strežnikom, potem ko je čakal toliko časa, kot dovoli njegova nastavitev query_wait_timeout. Zaprite program Valtora na računalnikih, ki ga ne potrebujejo, ali pa prosite skrbnika združevalnika za večji bazen povezav (default_pool_size), nato znova zaženite program Valtora.</translation>
    </message>
    <message>
        <source>Likely causes: the table elements or one of its columns was changed while the quiz ran, the server ended the connection, or the driver cannot read a value of the table.</source>
        <translation>Verjetni vzroki: med izvajanjem kviza je bila spremenjena tabela elements ali kateri od njenih stolpcev, strežnik je prekinil povezavo ali pa gonilnik ne more prebrati neke vrednosti iz tabele.</translation>
    </message>
    <message>
        <source>Likely causes: this user may not read the file on the data source&apos;s Database line, or the SQLite driver is set up wrongly (&quot;isql -v Elements&quot; shows what it says).</source>
        <translation>Verjetni vzroki: ta uporabnik ne sme brati datoteke iz vrstice Database podatkovnega vira ali pa je gonilnik SQLite napačno nastavljen (kaj sporoča, pokaže »isql -v Elements«).</translation>
    </message>
    <message>
        <source>Likely causes: the server is not running or this computer cannot reach it, the data source&apos;s Servername, Port, Database, Username or Password line does not match the server, or its driver is set up wrongly (&quot;isql -v Elements&quot; shows what it says).</source>
        <translation>Verjetni vzroki: strežnik ne deluje ali ga ta računalnik ne more doseči, vrstica Servername, Port, Database, Username ali Password podatkovnega vira se ne ujema s strežnikom ali pa je gonilnik napačno nastavljen (kaj sporoča, pokaže »isql -v Elements«).</translation>
    </message>
    <message>
        <source>The server of %1 gave up waiting for a lock on the table elements, after as long as its setting lock_timeout allows: another program holds the table locked, changing it or in a transaction left open. Ask whoever runs the server to end that program&apos;s transaction, then start Valtora again.</source>
        <translation>%1: strežnik je nehal čakati na zaklep tabele elements, potem ko je čakal toliko časa, kot dovoli njegova nastavitev lock_timeout: drug program drži tabelo zaklenjeno, ker jo spreminja ali ker je pustil odprto transakcijo. Prosite skrbnika strežnika, naj konča transakcijo tega programa, nato znova zaženite program Valtora.</translation>
    </message>
    <message>
        <source>The server of %1 does not let the role &quot;%2&quot; read the table elements. Ask whoever runs the server to allow it: grant select on elements to %2;</source>
        <translation>%1: strežnik vlogi »%2« ne dovoli branja tabele elements. Prosite skrbnika strežnika, naj ji to dovoli: grant select on elements to %2;</translation>
    </message>
    <message>
        <source>The connection pooler in front of the server of %1 gave up waiting for a server connection, after as long as its setting query_wait_timeout allows. Either every connection of its pool is in use (close Valtora on desks that do not need it, or ask whoever runs the pooler for a larger pool, default_pool_size), or the server behind it cannot be reached (ask whoever runs it to check that it is running). Then start Valtora again.</source>
        <translation>%1: združevalnik povezav pred strežnikom je nehal čakati na povezavo s strežnikom, potem ko je čakal toliko časa, kot dovoli njegova nastavitev query_wait_timeout. Bodisi so zasedene vse povezave v njegovem bazenu (zaprite program Valtora na računalnikih, ki ga ne potrebujejo, ali pa prosite skrbnika združevalnika za večji bazen, default_pool_size) bodisi strežnik za njim ni dosegljiv (prosite skrbnika strežnika, naj preveri, ali deluje). Nato znova zaženite program Valtora.</translation>
    </message>
</context>
<context>
    <name>DesktopEntry</name>
    <message>
        <source>Chemical Elements Quiz</source>
        <extracomment>The kind of program, as menus show it beside its name.</extracomment>
        <translation>Kviz o kemijskih elementih</translation>
    </message>
    <message>
        <source>Drill the symbols and names of the chemical elements</source>
        <extracomment>What the program is for, in a line: menus&apos; tooltips, software centres&apos; summary.</extracomment>
        <translation>Utrjevanje simbolov in imen kemijskih elementov</translation>
    </message>
    <message>
        <source>chemistry;elements;periodic table;symbol;quiz;school;</source>
        <extracomment>Words a desktop&apos;s search finds the program by, each followed by a semicolon.</extracomment>
        <translation>kemija;elementi;periodni sistem;simbol;kviz;šola;</translation>
    </message>
    <message>
        <source>Valtora is a quiz on the chemical elements. It shows an element&apos;s atomic number, symbol, name and atomic mass with the symbol or the name covered, and you type what is covered.</source>
        <extracomment>Software centres: the description.</extracomment>
        <translation>Valtora je kviz o kemijskih elementih. Prikaže vrstno število, simbol, ime in atomsko maso elementa z zakritim simbolom ali imenom, ti pa vpišeš, kar je zakrito.</translation>
    </message>
    <message>
        <source>Guess the symbol or the name</source>
        <extracomment>Software centres: a feature in the description&apos;s list.</extracomment>
        <translation>Ugibanje simbola ali imena</translation>
    </message>
    <message>
        <source>Draw from the first 36 elements, from those a school course knows, or from all 103</source>
        <extracomment>Software centres: a feature in the description&apos;s list.</extracomment>
        <translation>Žrebanje med prvimi 36 elementi, med tistimi, ki jih obravnava šolski pouk, ali med vsemi 103</translation>
    </message>
    <message>
        <source>Played by keyboard alone, and read out by screen readers</source>
        <extracomment>Software centres: a feature in the description&apos;s list.</extracomment>
        <translation>Igranje samo s tipkovnico, bralniki zaslona pa vse preberejo na glas</translation>
    </message>
    <message numerus="yes">
        <source>In %n languages, the element names included</source>
        <extracomment>Software centres: a feature in the description&apos;s list; %n counts English too.</extracomment>
        <translation>
            <numerusform>V %n jeziku, vključno z imeni elementov</numerusform>
            <numerusform>V %n jezikih, vključno z imeni elementov</numerusform>
            <numerusform>V %n jezikih, vključno z imeni elementov</numerusform>
            <numerusform>V %n jezikih, vključno z imeni elementov</numerusform>
        </translation>
    </message>
    <message>
        <source>Needs no setup; a school can serve its own element table to every desk from one server</source>
        <extracomment>Software centres: a feature in the description&apos;s list.</extracomment>
        <translation>Ne potrebuje nastavitev; šola lahko z enega strežnika vsem delovnim mestom ponudi svojo tabelo elementov</translation>
    </message>
    <message>
        <source>The quiz after one spin, the symbol covered</source>
        <extracomment>Software centres: the caption of the screenshot.</extracomment>
        <translation>Kviz po enem žrebanju, z zakritim simbolom</translation>
    </message>
</context>
<context>
    <name>ElementDatabase</name>
    <message>
        <source>the embedded element table</source>
        <translation>Vgrajena tabela elementov</translation>
    </message>
    <message>
        <source>%1: Qt&apos;s ODBC driver (QODBC) is not installed.</source>
        <translation>%1: gonilnik ODBC za Qt (QODBC) ni nameščen.</translation>
    </message>
    <message>
        <source>%1 cannot be opened.</source>
        <translation>%1: podatkovnega vira ni mogoče odpreti.</translation>
    </message>
    <message>
        <source>%1: Qt&apos;s SQLite driver (QSQLITE) is not installed.</source>
        <translation>%1: gonilnik SQLite za Qt (QSQLITE) ni nameščen.</translation>
    </message>
    <message>
        <source>The query &quot;%1&quot; on %2 failed.</source>
        <translation>%2: poizvedba »%1« ni uspela.</translation>
    </message>
</context>
<context>
    <name>ElementLookup</name>
    <message>
        <source>&quot;%1&quot; is not an atomic number to look up.</source>
        <translation>»%1« ni vrstno število, ki bi ga bilo mogoče poiskati.</translation>
    </message>
    <message>
        <source>There is no row for atomic number %1 in table %2.</source>
        <translation>V tabeli %2 ni vrstice za vrstno število %1.</translation>
    </message>
    <message>
        <source>The row for atomic number %1 in table %2 has no symbol (%3 is empty): no answer could be judged against it.</source>
        <translation>Vrstica za vrstno število %1 v tabeli %2 nima simbola (stolpec %3 je prazen), zato z njo ni mogoče primerjati nobenega odgovora.</translation>
    </message>
    <message>
        <source>The row for atomic number %1 in table %2 has no name (%3 is empty): no answer could be judged against it.</source>
        <translation>Vrstica za vrstno število %1 v tabeli %2 nima imena (stolpec %3 je prazen), zato z njo ni mogoče primerjati nobenega odgovora.</translation>
    </message>
</context>
<context>
    <name>ElementTableCheck</name>
    <message>
        <source> and %1 more</source>
        <translation> in še %1</translation>
    </message>
    <message>
        <source>It has the columns %1.</source>
        <translation>Stolpci tabele: %1.</translation>
    </message>
    <message>
        <source>The table %1 of %2 cannot be used.
%3</source>
        <translation>%2: tabele %1 ni mogoče uporabiti.
%3</translation>
    </message>
    <message>
        <source>%1 has no table %2.</source>
        <translation>%1: ni tabele %2.</translation>
    </message>
    <message>
        <source>Missing columns: %1.</source>
        <translation>Manjkajoči stolpci: %1.</translation>
    </message>
    <message>
        <source>The file was imported twice into the same database: its header row is a row of the table, and every element is there twice. Import it again into a fresh database file (delete the old one first).</source>
        <translation>Datoteka je bila v isto zbirko podatkov uvožena dvakrat: njena vrstica glave je postala vrstica tabele in vsak element je v tabeli dvakrat. Datoteko znova uvozite v novo datoteko zbirke podatkov (staro prej izbrišite).</translation>
    </message>
    <message>
        <source>No row for atomic numbers %1.</source>
        <translation>Ni vrstice za vrstna števila: %1.</translation>
    </message>
    <message>
        <source>More than one row for atomic numbers %1.</source>
        <translation>Več kot ena vrstica za vrstna števila: %1.</translation>
    </message>
    <message>
        <source>Atomic numbers that are not whole numbers: %1.</source>
        <translation>Vrstna števila, ki niso cela števila: %1.</translation>
    </message>
    <message>
        <source>Rows without an atomic number: %1.</source>
        <translation>Vrstice brez vrstnega števila: %1.</translation>
    </message>
    <message>
        <source>No symbol for atomic numbers %1.</source>
        <translation>Ni simbola za vrstna števila: %1.</translation>
    </message>
    <message>
        <source>No name for atomic numbers %1.</source>
        <translation>Ni imena za vrstna števila: %1.</translation>
    </message>
    <message>
        <source>Names that no answer can match, since answers are put in proper case (&quot;Iron&quot;, not &quot;iron&quot; or &quot;IRON&quot;), for atomic numbers %1.</source>
        <translation>Imena, s katerimi se noben odgovor ne more ujemati, ker se odgovori zapišejo z veliko začetnico (»Železo«, ne »železo« ali »ŽELEZO«), za vrstna števila: %1.</translation>
    </message>
    <message>
        <source>Symbols or names with blanks around them, which no answer can match, for atomic numbers %1.</source>
        <translation>Simboli ali imena s presledki na začetku ali koncu, s katerimi se noben odgovor ne more ujemati, za vrstna števila: %1.</translation>
    </message>
    <message>
        <source>see &quot;From a spreadsheet&quot; in the README, installed as %1</source>
        <translation>glejte razdelek »From a spreadsheet« v datoteki README, nameščeni kot %1</translation>
    </message>
    <message>
        <source>The file was saved with semicolons between its columns, as office programs do where decimals are written with a comma: import it with .separator &quot;;&quot; (%1).</source>
        <translation>Datoteka je bila shranjena s podpičji med stolpci, kot to počnejo pisarniški programi tam, kjer se decimalna števila pišejo z vejico: uvozite jo z .separator &quot;;&quot; (%1).</translation>
    </message>
    <message>
        <source>The file was saved with tabs between its columns: import it with .separator &quot;\t&quot; instead of --csv (%1).</source>
        <translation>Datoteka je bila shranjena s tabulatorji med stolpci: uvozite jo z .separator &quot;\t&quot; namesto z --csv (%1).</translation>
    </message>
    <message>
        <source>Its first row holds the column names: the file has a title row above its header. Import it with --skip 1, or delete the title row (%1).</source>
        <translation>Prva vrstica tabele vsebuje imena stolpcev: datoteka ima nad vrstico glave še naslovno vrstico. Uvozite jo z --skip 1 ali izbrišite naslovno vrstico (%1).</translation>
    </message>
    <message>
        <source>Reading it failed.</source>
        <translation>Branje tabele ni uspelo.</translation>
    </message>
    <message>
        <source>Atomic numbers with blanks around them, which the lookup&apos;s query does not find: %1.</source>
        <translation>Vrstna števila s presledki na začetku ali koncu, ki jih iskalna poizvedba ne najde: %1.</translation>
    </message>
    <message>
        <source>The file&apos;s header row (%1) is a row of the table: the table was made before the import, which read the header as data. Import the file into a fresh database, or with --skip 1 (%2).</source>
        <translation>Vrstica glave datoteke (%1) je vrstica tabele: tabela je bila ustvarjena pred uvozom, ki je glavo prebral kot podatke. Datoteko uvozite v novo zbirko podatkov ali z --skip 1 (%2).</translation>
    </message>
    <message>
        <source>Looking an element up by its number fails: AtomicNumber must compare with a bare number, as in &quot;%1&quot;.</source>
        <translation>Iskanje elementa po vrstnem številu ne uspe: AtomicNumber mora biti mogoče primerjati s številom brez narekovajev, kot v »%1«.</translation>
    </message>
    <message>
        <source>Symbols or names with invisible characters in them (zero-width spaces or joiners, soft hyphens, direction marks), which no typed answer holds, for atomic numbers %1.</source>
        <translation>Simboli ali imena z nevidnimi znaki (presledki ali stičniki ničelne širine, mehki vezaji, oznake smeri), ki jih noben vtipkan odgovor ne vsebuje, za vrstna števila: %1.</translation>
    </message>
    <message>
        <source>Symbols or names with characters that no element&apos;s name has, as a file saved in another character set than UTF-8 leaves them (&quot;?&quot;, &quot;Ã³&quot;, &quot;Å¼&quot;), for atomic numbers %1. Save the sheet again as CSV in the character set &quot;Unicode (UTF-8)&quot;, or convert the file with iconv, and import it again (%2).</source>
        <translation type="vanished">Simboli ali imena z znaki, ki jih nima ime nobenega elementa, kakršne pusti datoteka, shranjena v drugem naboru znakov kot UTF-8 (»?«, »Ã³«, »Å¼«), za vrstna števila: %1. Preglednico znova shranite kot CSV v naboru znakov »Unicode (UTF-8)« ali pa datoteko pretvorite z iconv in jo znova uvozite (%2).</translation>
    </message>
    <message>
        <source>The file was saved as UTF-16 (&quot;Unicode text&quot; in office programs), which the import does not read. Convert it with &quot;iconv -f %1 -t UTF-8 elements.csv &gt; elements-utf8.csv&quot; and import elements-utf8.csv, or save the sheet again as CSV in the character set &quot;Unicode (UTF-8)&quot; (%2).</source>
        <translation>Datoteka je bila shranjena kot UTF-16 (»Besedilo Unicode« v pisarniških programih), ki ga uvoz ne prebere. Pretvorite jo z »iconv -f %1 -t UTF-8 elements.csv &gt; elements-utf8.csv« in uvozite elements-utf8.csv ali pa preglednico znova shranite kot CSV v naboru znakov »Unicode (UTF-8)« (%2).</translation>
    </message>
    <message>
        <source>Names with characters that no element&apos;s name has, garbled because the file was saved in the character set %1 and read as %2, for atomic numbers %3. Read it as %1: in psql, give &quot;\encoding %4&quot; before \copy, or convert it first with &quot;iconv -f %5 -t UTF-8&quot;, and import it again (%6).</source>
        <translation>Imena z znaki, ki jih nima ime nobenega elementa, popačena, ker je bila datoteka shranjena v naboru znakov %1 in prebrana kot %2, za vrstna števila: %3. Preberite jo kot %1: v psql pred \copy vnesite »\encoding %4« ali pa jo najprej pretvorite z »iconv -f %5 -t UTF-8« in jo znova uvozite (%6).</translation>
    </message>
    <message>
        <source>Names with characters that no element&apos;s name has, garbled because the file was saved in the character set %1 and read as %2, for atomic numbers %3. Convert it with &quot;%4 &gt; elements-utf8.csv&quot; and import elements-utf8.csv in its place (%5).</source>
        <translation>Imena z znaki, ki jih nima ime nobenega elementa, popačena, ker je bila datoteka shranjena v naboru znakov %1 in prebrana kot %2, za vrstna števila: %3. Pretvorite jo z »%4 &gt; elements-utf8.csv« in namesto nje uvozite elements-utf8.csv (%5).</translation>
    </message>
    <message>
        <source>Symbols or names with characters that no element&apos;s name has, such as &quot;?&quot; or the letter pairs (&quot;Ã³&quot;, &quot;Å¼&quot;) that a file saved in another character set than UTF-8 leaves, or with no letter at their start or end (&quot;-&quot;, a lone accent), for atomic numbers %1. Retype those cells, or save the sheet again as CSV in the character set &quot;Unicode (UTF-8)&quot; (or convert the file with iconv) and import it again (%2).</source>
        <translation>Simboli ali imena z znaki, ki jih nima ime nobenega elementa, na primer »?« ali pari črk (»Ã³«, »Å¼«), ki jih pusti datoteka, shranjena v drugem naboru znakov kot UTF-8, ali brez črke na začetku ali koncu (»-«, osamljeno diakritično znamenje), za vrstna števila: %1. Te celice vnesite znova ali pa preglednico znova shranite kot CSV v naboru znakov »Unicode (UTF-8)« (ali datoteko pretvorite z iconv) in jo znova uvozite (%2).</translation>
    </message>
</context>
<context>
    <name>OdbcDataSource</name>
    <message>
        <source>ODBC data source &quot;%1&quot;</source>
        <translation>Podatkovni vir ODBC »%1«</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Usage: %1</source>
        <translation>Uporaba: %1</translation>
    </message>
    <message>
        <source>[options]</source>
        <translation>[možnosti]</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Možnosti:</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Prikaže pomoč za možnosti ukazne vrstice.</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>Prikaže pomoč, vključno z možnostmi, značilnimi za Qt.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>Prikaže podatke o različici.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>Za »%1« manjka vrednost.</translation>
    </message>
</context>
<context>
    <name>QGnomeTheme</name>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;V redu</translation>
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
        <translation>&amp;Razveljavi</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Uveljavi</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;Izreži</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopiraj</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Prilepi</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Izbriši</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Izberi vse</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>V redu</translation>
    </message>
</context>
<context>
    <name>QUnicodeControlCharacterMenu</name>
    <message>
        <source>Insert Unicode control character</source>
        <translation>Vstavi nadzorni znak Unicode</translation>
    </message>
</context>
<context>
    <name>SqlScript</name>
    <message>
        <source>The element table&apos;s script is missing from the program.</source>
        <translation>V programu manjka skript tabele elementov.</translation>
    </message>
    <message>
        <source>The element table&apos;s script cannot be run: %1</source>
        <translation>Skripta tabele elementov ni mogoče zagnati: %1</translation>
    </message>
    <message>
        <source>The element names in %1 cannot be loaded: %2</source>
        <translation>Imen elementov za jezik »%1« ni mogoče naložiti: %2</translation>
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
        <translation>Vrstno št.</translation>
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
        <translation>Atomska masa</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Odgovor</translation>
    </message>
    <message>
        <source>Created by Orvashel</source>
        <translation>Avtor: Orvashel</translation>
    </message>
    <message>
        <source>Spin</source>
        <translation>Žrebaj</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Preveri</translation>
    </message>
    <message>
        <source>Step 1</source>
        <translation>Korak 1</translation>
    </message>
    <message>
        <source>Guess the Name</source>
        <translation>Ugani ime</translation>
    </message>
    <message>
        <source>Guess the Symbol</source>
        <translation>Ugani simbol</translation>
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
        <translation>Končaj</translation>
    </message>
    <message>
        <source>Shortcut: %1</source>
        <translation>Bližnjica: %1</translation>
    </message>
</context>
</TS>
