<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sk" sourcelanguage="en">
<context>
    <name>AnswerCheck</name>
    <message>
        <source>Your my hero</source>
        <translation>Si jednotka!</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>Skús to znova</translation>
    </message>
</context>
<context>
    <name>ApplicationStart</name>
    <message>
        <source>valtora: no display could be opened. Choose one with DISPLAY (X11) or WAYLAND_DISPLAY (Wayland), or run without one with &quot;-platform offscreen&quot;.</source>
        <translation>valtora: nepodarilo sa otvoriť žiadny displej. Zvoľte displej pomocou DISPLAY (X11) alebo WAYLAND_DISPLAY (Wayland), alebo program Valtora spustite bez displeja s voľbou „-platform offscreen“.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>A desktop quiz on the chemical elements.</source>
        <translation>Počítačový kvíz o chemických prvkoch.</translation>
    </message>
    <message>
        <source>valtora: &quot;%1&quot; is not an option or argument of Valtora; &quot;valtora --help&quot; lists them.</source>
        <translation>valtora: „%1“ nie je voľba ani argument programu Valtora; vypíše ich „valtora --help“.</translation>
    </message>
</context>
<context>
    <name>DataControl</name>
    <message>
        <source>The table on %1 has no column %2.</source>
        <translation>%1: tabuľka nemá stĺpec %2.</translation>
    </message>
</context>
<context>
    <name>DataSourceFaults</name>
    <message>
        <source>%1 names the ODBC driver &quot;%2&quot;, which is not installed on this computer. Install it, or name an installed driver on the data source&apos;s Driver line: the command &quot;odbcinst -q -d&quot; lists them.</source>
        <translation>%1: uvedený ovládač ODBC „%2“ nie je v tomto počítači nainštalovaný. Nainštalujte ho alebo do riadka Driver zdroja údajov zadajte nainštalovaný ovládač: nainštalované ovládače vypíše príkaz „odbcinst -q -d“.</translation>
    </message>
    <message>
        <source>%1 names no database file: its Database line is empty. Put the path of the SQLite file that holds the table elements there.</source>
        <translation>%1: nie je uvedený žiadny databázový súbor, riadok Database je prázdny. Zadajte do tohto riadka cestu k súboru SQLite, ktorý obsahuje tabuľku elements.</translation>
    </message>
    <message>
        <source>The database file &quot;%2&quot; of %1 does not exist. Check the path on the data source&apos;s Database line.</source>
        <translation>%1: databázový súbor „%2“ neexistuje. Skontrolujte cestu v riadku Database zdroja údajov.</translation>
    </message>
    <message>
        <source>The file &quot;%2&quot; of %1 is not an SQLite database. Check the path on the data source&apos;s Database line, or make the file again with the sqlite3 shell.</source>
        <translation>%1: súbor „%2“ nie je databáza SQLite. Skontrolujte cestu v riadku Database zdroja údajov alebo súbor vytvorte znova v prostredí sqlite3.</translation>
    </message>
    <message>
        <source>The database file &quot;%2&quot; of %1 is locked by another program that is changing it. Close that program, or end its transaction, then start Valtora again.</source>
        <translation>%1: databázový súbor „%2“ je zamknutý iným programom, ktorý ho práve mení. Zatvorte tento program alebo ukončite jeho transakciu a potom program Valtora spustite znova.</translation>
    </message>
    <message>
        <source>The server of %1 accepts no more connections: all it allows are in use. Close Valtora on another desk, or ask whoever runs the server to allow more connections or to put a connection pooler in front of it.</source>
        <translation>%1: server neprijíma ďalšie pripojenia, všetky povolené pripojenia sú obsadené. Zatvorte program Valtora na inom počítači alebo požiadajte správcu servera, aby povolil viac pripojení alebo pred server zaradil správcu fondu pripojení (connection pooler).</translation>
    </message>
    <message>
        <source>The server of %1 refused the login. Check the Username, Password and Database lines of the data source, and that the server lets that role connect from this computer (pg_hba.conf).</source>
        <translation>%1: server odmietol prihlásenie. Skontrolujte riadky Username, Password a Database zdroja údajov a tiež to, či server danej role povoľuje pripojenie z tohto počítača (pg_hba.conf).</translation>
    </message>
    <message>
        <source>The server of %1 cannot be reached. Check the Servername and Port lines of the data source, that the server is running, and that this computer can reach it over the network.</source>
        <translation>%1: server nie je dostupný. Skontrolujte riadky Servername a Port zdroja údajov, či server beží a či sa k nemu tento počítač môže pripojiť cez sieť.</translation>
    </message>
    <message>
        <source>The connection to the server of %1 was lost: the server was stopped or restarted, or the network failed. Start Valtora again once the server is back.</source>
        <translation>%1: spojenie so serverom sa prerušilo, server bol zastavený alebo reštartovaný, alebo zlyhala sieť. Keď bude server opäť k dispozícii, spustite program Valtora znova.</translation>
    </message>
    <message>
        <source>%1 did not answer within %2 seconds. Check that its server is running and not overloaded, and that no other program holds its database locked, then start Valtora again.</source>
        <translation>%1: žiadna odpoveď do %2 s. Skontrolujte, či server beží a nie je preťažený a či databázu nedrží zamknutú iný program. Potom program Valtora spustite znova.</translation>
    </message>
    <message>
        <source>The driver said: %1</source>
        <translation>Správa ovládača: %1</translation>
    </message>
    <message>
        <source>The server of %1 is starting up or shutting down, and accepts no connections now. Start Valtora again in a minute; if it keeps saying so, ask whoever runs the server.</source>
        <translation>%1: server sa práve spúšťa alebo vypína a teraz neprijíma pripojenia. Spustite program Valtora znova o minútu; ak sa správa bude opakovať, obráťte sa na správcu servera.</translation>
    </message>
    <message>
        <source>The server of %1 ended the connection on an administrator&apos;s command: someone ended Valtora&apos;s session on the server, or the server was stopped or restarted. Start Valtora again once the server is back.</source>
        <translation>%1: server ukončil spojenie na pokyn správcu: niekto ukončil reláciu programu Valtora na serveri alebo bol server zastavený či reštartovaný. Keď bude server opäť k dispozícii, spustite program Valtora znova.</translation>
    </message>
    <message>
        <source>The server of %1 closed the connection because it was idle for longer than the server allows (its setting idle_session_timeout). Ask whoever runs the server to lift that limit for the quiz&apos;s role (alter role quiz set idle_session_timeout = 0), then start Valtora again.</source>
        <translation>%1: server zatvoril spojenie, pretože bolo nečinné dlhšie, ako server dovoľuje (jeho nastavenie idle_session_timeout). Požiadajte správcu servera, aby pre rolu kvízu tento limit zrušil (alter role quiz set idle_session_timeout = 0), a potom program Valtora spustite znova.</translation>
    </message>
    <message>
        <source>A query of Valtora&apos;s on the server of %1 was cancelled on an administrator&apos;s command (pg_cancel_backend, or another program that cancels queries). Start Valtora again.</source>
        <translation>%1: dopyt programu Valtora na serveri bol zrušený na pokyn správcu (pg_cancel_backend alebo iný program, ktorý ruší dopyty). Spustite program Valtora znova.</translation>
    </message>
    <message>
        <source>The connection pooler in front of the server of %1 gave up waiting for a free server connection, after as long as its setting query_wait_timeout allows. Close Valtora on desks that do not need it, or ask whoever runs the pooler for a larger pool (default_pool_size), then start Valtora again.</source>
        <translation type="vanished">%1: správca fondu pripojení pred serverom prestal čakať na voľné pripojenie k serveru po tom, čo čakal tak dlho, ako dovoľuje jeho nastavenie query_wait_timeout. Zatvorte program Valtora na počítačoch, kde nie je potrebný, alebo požiadajte správcu fondu pripojení o väčší fond (default_pool_size), a potom program Valtora spustite znova.</translation>
    </message>
    <message>
        <source>Likely causes: the table elements or one of its columns was changed while the quiz ran, the server ended the connection, or the driver cannot read a value of the table.</source>
        <translation>Pravdepodobné príčiny: tabuľka elements alebo niektorý z jej stĺpcov sa zmenil počas kvízu, server ukončil spojenie alebo ovládač nedokáže prečítať niektorú hodnotu tabuľky.</translation>
    </message>
    <message>
        <source>Likely causes: this user may not read the file on the data source&apos;s Database line, or the SQLite driver is set up wrongly (&quot;isql -v Elements&quot; shows what it says).</source>
        <translation>Pravdepodobné príčiny: tento používateľ nesmie čítať súbor z riadka Database zdroja údajov alebo je ovládač SQLite nesprávne nastavený (čo hlási, ukáže „isql -v Elements“).</translation>
    </message>
    <message>
        <source>Likely causes: the server is not running or this computer cannot reach it, the data source&apos;s Servername, Port, Database, Username or Password line does not match the server, or its driver is set up wrongly (&quot;isql -v Elements&quot; shows what it says).</source>
        <translation>Pravdepodobné príčiny: server nebeží alebo sa k nemu tento počítač nemôže pripojiť, riadok Servername, Port, Database, Username alebo Password zdroja údajov nezodpovedá serveru, alebo je ovládač nesprávne nastavený (čo hlási, ukáže „isql -v Elements“).</translation>
    </message>
    <message>
        <source>The server of %1 gave up waiting for a lock on the table elements, after as long as its setting lock_timeout allows: another program holds the table locked, changing it or in a transaction left open. Ask whoever runs the server to end that program&apos;s transaction, then start Valtora again.</source>
        <translation>%1: server prestal čakať na zámok tabuľky elements po tom, čo čakal tak dlho, ako dovoľuje jeho nastavenie lock_timeout: tabuľku drží zamknutú iný program, ktorý ju práve mení alebo nechal otvorenú transakciu. Požiadajte správcu servera, aby transakciu tohto programu ukončil, a potom program Valtora spustite znova.</translation>
    </message>
    <message>
        <source>The server of %1 does not let the role &quot;%2&quot; read the table elements. Ask whoever runs the server to allow it: grant select on elements to %2;</source>
        <translation>%1: server nepovoľuje role „%2“ čítať tabuľku elements. Požiadajte správcu servera, aby jej to povolil: grant select on elements to %2;</translation>
    </message>
    <message>
        <source>The connection pooler in front of the server of %1 gave up waiting for a server connection, after as long as its setting query_wait_timeout allows. Either every connection of its pool is in use (close Valtora on desks that do not need it, or ask whoever runs the pooler for a larger pool, default_pool_size), or the server behind it cannot be reached (ask whoever runs it to check that it is running). Then start Valtora again.</source>
        <translation>%1: správca fondu pripojení pred serverom prestal čakať na pripojenie k serveru po tom, čo čakal tak dlho, ako dovoľuje jeho nastavenie query_wait_timeout. Buď sú všetky pripojenia jeho fondu obsadené (zatvorte program Valtora na počítačoch, kde nie je potrebný, alebo požiadajte správcu fondu pripojení o väčší fond, default_pool_size), alebo server za ním nie je dostupný (požiadajte správcu servera, aby skontroloval, či server beží). Potom program Valtora spustite znova.</translation>
    </message>
</context>
<context>
    <name>DesktopEntry</name>
    <message>
        <source>Chemical Elements Quiz</source>
        <extracomment>The kind of program, as menus show it beside its name.</extracomment>
        <translation>Kvíz o chemických prvkoch</translation>
    </message>
    <message>
        <source>Drill the symbols and names of the chemical elements</source>
        <extracomment>What the program is for, in a line: menus&apos; tooltips, software centres&apos; summary.</extracomment>
        <translation>Precvičovanie značiek a názvov chemických prvkov</translation>
    </message>
    <message>
        <source>chemistry;elements;periodic table;symbol;quiz;school;</source>
        <extracomment>Words a desktop&apos;s search finds the program by, each followed by a semicolon.</extracomment>
        <translation>chémia;prvky;periodická tabuľka;značka;kvíz;škola;</translation>
    </message>
    <message>
        <source>Valtora is a quiz on the chemical elements. It shows an element&apos;s atomic number, symbol, name and atomic mass with the symbol or the name covered, and you type what is covered.</source>
        <extracomment>Software centres: the description.</extracomment>
        <translation>Valtora je kvíz o chemických prvkoch. Ukazuje protónové číslo, značku, názov a atómovú hmotnosť prvku so zakrytou značkou alebo názvom a ty napíšeš, čo je zakryté.</translation>
    </message>
    <message>
        <source>Guess the symbol or the name</source>
        <extracomment>Software centres: a feature in the description&apos;s list.</extracomment>
        <translation>Hádanie značky alebo názvu</translation>
    </message>
    <message>
        <source>Draw from the first 36 elements, from those a school course knows, or from all 103</source>
        <extracomment>Software centres: a feature in the description&apos;s list.</extracomment>
        <translation>Losovanie z prvých 36 prvkov, z prvkov školského učiva alebo zo všetkých 103</translation>
    </message>
    <message>
        <source>Played by keyboard alone, and read out by screen readers</source>
        <extracomment>Software centres: a feature in the description&apos;s list.</extracomment>
        <translation>Ovládanie iba klávesnicou a predčítanie čítačkami obrazovky</translation>
    </message>
    <message numerus="yes">
        <source>In %n languages, the element names included</source>
        <extracomment>Software centres: a feature in the description&apos;s list; %n counts English too.</extracomment>
        <translation>
            <numerusform>V %n jazyku vrátane názvov prvkov</numerusform>
            <numerusform>V %n jazykoch vrátane názvov prvkov</numerusform>
            <numerusform>V %n jazykoch vrátane názvov prvkov</numerusform>
        </translation>
    </message>
    <message>
        <source>Needs no setup; a school can serve its own element table to every desk from one server</source>
        <extracomment>Software centres: a feature in the description&apos;s list.</extracomment>
        <translation>Nevyžaduje žiadne nastavenie; škola môže z jedného servera poskytovať vlastnú tabuľku prvkov každému pracovisku</translation>
    </message>
    <message>
        <source>The quiz after one spin, the symbol covered</source>
        <extracomment>Software centres: the caption of the screenshot.</extracomment>
        <translation>Kvíz po jednom losovaní so zakrytou značkou</translation>
    </message>
</context>
<context>
    <name>ElementDatabase</name>
    <message>
        <source>the embedded element table</source>
        <translation>Vstavaná tabuľka prvkov</translation>
    </message>
    <message>
        <source>%1: Qt&apos;s ODBC driver (QODBC) is not installed.</source>
        <translation>%1: ovládač ODBC pre Qt (QODBC) nie je nainštalovaný.</translation>
    </message>
    <message>
        <source>%1 cannot be opened.</source>
        <translation>%1: zdroj údajov sa nedá otvoriť.</translation>
    </message>
    <message>
        <source>%1: Qt&apos;s SQLite driver (QSQLITE) is not installed.</source>
        <translation>%1: ovládač SQLite pre Qt (QSQLITE) nie je nainštalovaný.</translation>
    </message>
    <message>
        <source>The query &quot;%1&quot; on %2 failed.</source>
        <translation>%2: dopyt „%1“ zlyhal.</translation>
    </message>
</context>
<context>
    <name>ElementLookup</name>
    <message>
        <source>&quot;%1&quot; is not an atomic number to look up.</source>
        <translation>„%1“ nie je protónové číslo, ktoré by sa dalo vyhľadať.</translation>
    </message>
    <message>
        <source>There is no row for atomic number %1 in table %2.</source>
        <translation>V tabuľke %2 nie je žiadny riadok pre protónové číslo %1.</translation>
    </message>
    <message>
        <source>The row for atomic number %1 in table %2 has no symbol (%3 is empty): no answer could be judged against it.</source>
        <translation>Riadok pre protónové číslo %1 v tabuľke %2 nemá značku (%3 je prázdny): žiadnu odpoveď by s ním nebolo možné porovnať.</translation>
    </message>
    <message>
        <source>The row for atomic number %1 in table %2 has no name (%3 is empty): no answer could be judged against it.</source>
        <translation>Riadok pre protónové číslo %1 v tabuľke %2 nemá názov (%3 je prázdny): žiadnu odpoveď by s ním nebolo možné porovnať.</translation>
    </message>
</context>
<context>
    <name>ElementTableCheck</name>
    <message>
        <source> and %1 more</source>
        <translation> a ešte %1</translation>
    </message>
    <message>
        <source>It has the columns %1.</source>
        <translation>Tabuľka má stĺpce %1.</translation>
    </message>
    <message>
        <source>The table %1 of %2 cannot be used.
%3</source>
        <translation>%2: tabuľku %1 nemožno použiť.
%3</translation>
    </message>
    <message>
        <source>%1 has no table %2.</source>
        <translation>%1: tabuľka %2 neexistuje.</translation>
    </message>
    <message>
        <source>Missing columns: %1.</source>
        <translation>Chýbajúce stĺpce: %1.</translation>
    </message>
    <message>
        <source>The file was imported twice into the same database: its header row is a row of the table, and every element is there twice. Import it again into a fresh database file (delete the old one first).</source>
        <translation>Súbor bol do tej istej databázy importovaný dvakrát: jeho riadok hlavičky sa stal riadkom tabuľky a každý prvok je v nej dvakrát. Importujte ho znova do nového databázového súboru (starý najprv odstráňte).</translation>
    </message>
    <message>
        <source>No row for atomic numbers %1.</source>
        <translation>Chýba riadok pre protónové čísla %1.</translation>
    </message>
    <message>
        <source>More than one row for atomic numbers %1.</source>
        <translation>Viac ako jeden riadok pre protónové čísla %1.</translation>
    </message>
    <message>
        <source>Atomic numbers that are not whole numbers: %1.</source>
        <translation>Protónové čísla, ktoré nie sú celé čísla: %1.</translation>
    </message>
    <message>
        <source>Rows without an atomic number: %1.</source>
        <translation>Riadky bez protónového čísla: %1.</translation>
    </message>
    <message>
        <source>No symbol for atomic numbers %1.</source>
        <translation>Chýba značka pre protónové čísla %1.</translation>
    </message>
    <message>
        <source>No name for atomic numbers %1.</source>
        <translation>Chýba názov pre protónové čísla %1.</translation>
    </message>
    <message>
        <source>Names that no answer can match, since answers are put in proper case (&quot;Iron&quot;, not &quot;iron&quot; or &quot;IRON&quot;), for atomic numbers %1.</source>
        <translation>Názvy, s ktorými sa nemôže zhodovať žiadna odpoveď, pretože odpovede sa prevádzajú na veľké začiatočné písmeno („Železo“, nie „železo“ ani „ŽELEZO“), pre protónové čísla %1.</translation>
    </message>
    <message>
        <source>Symbols or names with blanks around them, which no answer can match, for atomic numbers %1.</source>
        <translation>Značky alebo názvy s medzerami na začiatku či na konci, s ktorými sa nemôže zhodovať žiadna odpoveď, pre protónové čísla %1.</translation>
    </message>
    <message>
        <source>see &quot;From a spreadsheet&quot; in the README, installed as %1</source>
        <translation>pozri „From a spreadsheet“ v README, nainštalovanom ako %1</translation>
    </message>
    <message>
        <source>The file was saved with semicolons between its columns, as office programs do where decimals are written with a comma: import it with .separator &quot;;&quot; (%1).</source>
        <translation>Súbor bol uložený s bodkočiarkami medzi stĺpcami, ako to robia kancelárske programy tam, kde sa desatinné čísla píšu s čiarkou: importujte ho s .separator &quot;;&quot; (%1).</translation>
    </message>
    <message>
        <source>The file was saved with tabs between its columns: import it with .separator &quot;\t&quot; instead of --csv (%1).</source>
        <translation>Súbor bol uložený s tabulátormi medzi stĺpcami: importujte ho s .separator &quot;\t&quot; namiesto --csv (%1).</translation>
    </message>
    <message>
        <source>Its first row holds the column names: the file has a title row above its header. Import it with --skip 1, or delete the title row (%1).</source>
        <translation>Prvý riadok tabuľky obsahuje názvy stĺpcov: súbor má nad hlavičkou ešte riadok s nadpisom. Importujte ho s --skip 1 alebo riadok s nadpisom odstráňte (%1).</translation>
    </message>
    <message>
        <source>Reading it failed.</source>
        <translation>Tabuľku sa nepodarilo prečítať.</translation>
    </message>
    <message>
        <source>Atomic numbers with blanks around them, which the lookup&apos;s query does not find: %1.</source>
        <translation>Protónové čísla s medzerami na začiatku či na konci, ktoré vyhľadávací dopyt nenájde: %1.</translation>
    </message>
    <message>
        <source>The file&apos;s header row (%1) is a row of the table: the table was made before the import, which read the header as data. Import the file into a fresh database, or with --skip 1 (%2).</source>
        <translation>Riadok hlavičky súboru (%1) je riadkom tabuľky: tabuľka bola vytvorená pred importom, ktorý hlavičku načítal ako údaje. Importujte súbor do novej databázy alebo s --skip 1 (%2).</translation>
    </message>
    <message>
        <source>Looking an element up by its number fails: AtomicNumber must compare with a bare number, as in &quot;%1&quot;.</source>
        <translation>Vyhľadanie prvku podľa protónového čísla zlyháva: AtomicNumber sa musí dať porovnať s holým číslom bez úvodzoviek, ako v „%1“.</translation>
    </message>
    <message>
        <source>Symbols or names with invisible characters in them (zero-width spaces or joiners, soft hyphens, direction marks), which no typed answer holds, for atomic numbers %1.</source>
        <translation>Značky alebo názvy s neviditeľnými znakmi (medzery alebo spájače nulovej šírky, mäkké spojovníky, značky smeru textu), ktoré žiadna napísaná odpoveď neobsahuje, pre protónové čísla %1.</translation>
    </message>
    <message>
        <source>Symbols or names with characters that no element&apos;s name has, as a file saved in another character set than UTF-8 leaves them (&quot;?&quot;, &quot;Ã³&quot;, &quot;Å¼&quot;), for atomic numbers %1. Save the sheet again as CSV in the character set &quot;Unicode (UTF-8)&quot;, or convert the file with iconv, and import it again (%2).</source>
        <translation type="vanished">Značky alebo názvy so znakmi, ktoré sa v názve žiadneho prvku nevyskytujú (také znaky zanecháva súbor uložený v inej znakovej sade ako UTF-8: „?“, „Ã³“, „Å¼“), pre protónové čísla %1. Uložte hárok znova ako CSV v znakovej sade „Unicode (UTF-8)“ alebo súbor skonvertujte programom iconv a potom ho znova importujte (%2).</translation>
    </message>
    <message>
        <source>The file was saved as UTF-16 (&quot;Unicode text&quot; in office programs), which the import does not read. Convert it with &quot;iconv -f %1 -t UTF-8 elements.csv &gt; elements-utf8.csv&quot; and import elements-utf8.csv, or save the sheet again as CSV in the character set &quot;Unicode (UTF-8)&quot; (%2).</source>
        <translation>Súbor bol uložený ako UTF-16 („Text Unicode“ v kancelárskych programoch), ktorý import nečíta. Skonvertujte ho príkazom „iconv -f %1 -t UTF-8 elements.csv &gt; elements-utf8.csv“ a importujte elements-utf8.csv, alebo hárok uložte znova ako CSV v znakovej sade „Unicode (UTF-8)“ (%2).</translation>
    </message>
    <message>
        <source>Names with characters that no element&apos;s name has, garbled because the file was saved in the character set %1 and read as %2, for atomic numbers %3. Read it as %1: in psql, give &quot;\encoding %4&quot; before \copy, or convert it first with &quot;iconv -f %5 -t UTF-8&quot;, and import it again (%6).</source>
        <translation>Názvy so znakmi, ktoré sa v názve žiadneho prvku nevyskytujú, skomolené, pretože súbor bol uložený v znakovej sade %1 a prečítaný ako %2, pre protónové čísla %3. Prečítajte ho ako %1: v psql zadajte pred \copy „\encoding %4“ alebo ho najprv skonvertujte príkazom „iconv -f %5 -t UTF-8“ a znova ho importujte (%6).</translation>
    </message>
    <message>
        <source>Names with characters that no element&apos;s name has, garbled because the file was saved in the character set %1 and read as %2, for atomic numbers %3. Convert it with &quot;%4 &gt; elements-utf8.csv&quot; and import elements-utf8.csv in its place (%5).</source>
        <translation>Názvy so znakmi, ktoré sa v názve žiadneho prvku nevyskytujú, skomolené, pretože súbor bol uložený v znakovej sade %1 a prečítaný ako %2, pre protónové čísla %3. Skonvertujte ho príkazom „%4 &gt; elements-utf8.csv“ a namiesto neho importujte elements-utf8.csv (%5).</translation>
    </message>
    <message>
        <source>Symbols or names with characters that no element&apos;s name has, such as &quot;?&quot; or the letter pairs (&quot;Ã³&quot;, &quot;Å¼&quot;) that a file saved in another character set than UTF-8 leaves, or with no letter at their start or end (&quot;-&quot;, a lone accent), for atomic numbers %1. Retype those cells, or save the sheet again as CSV in the character set &quot;Unicode (UTF-8)&quot; (or convert the file with iconv) and import it again (%2).</source>
        <translation>Značky alebo názvy so znakmi, ktoré sa v názve žiadneho prvku nevyskytujú, napríklad „?“ alebo dvojice písmen („Ã³“, „Å¼“), ktoré zanecháva súbor uložený v inej znakovej sade ako UTF-8, alebo bez písmena na začiatku či na konci („-“, samotný akcent), pre protónové čísla %1. Tieto bunky prepíšte alebo hárok uložte znova ako CSV v znakovej sade „Unicode (UTF-8)“ (alebo súbor skonvertujte programom iconv) a znova ho importujte (%2).</translation>
    </message>
</context>
<context>
    <name>OdbcDataSource</name>
    <message>
        <source>ODBC data source &quot;%1&quot;</source>
        <translation>Zdroj údajov ODBC „%1“</translation>
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
        <translation>V programe chýba skript tabuľky prvkov.</translation>
    </message>
    <message>
        <source>The element table&apos;s script cannot be run: %1</source>
        <translation>Skript tabuľky prvkov sa nedá spustiť: %1</translation>
    </message>
    <message>
        <source>The element names in %1 cannot be loaded: %2</source>
        <translation>Názvy prvkov v jazyku %1 sa nedajú načítať: %2</translation>
    </message>
</context>
<context>
    <name>frmElements</name>
    <message>
        <source>Elements</source>
        <translation>Prvky</translation>
    </message>
    <message>
        <source>Atomic Number</source>
        <translation>Protónové č.</translation>
    </message>
    <message>
        <source>Symbol</source>
        <translation>Značka</translation>
    </message>
    <message>
        <source>Element Name</source>
        <translation>Názov</translation>
    </message>
    <message>
        <source>Atomic Mass</source>
        <translation>At. hmotnosť</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Odp.</translation>
    </message>
    <message>
        <source>Created by Orvashel</source>
        <translation>Autor: Orvashel</translation>
    </message>
    <message>
        <source>Spin</source>
        <translation>Losovať</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Overiť</translation>
    </message>
    <message>
        <source>Step 1</source>
        <translation>Krok 1</translation>
    </message>
    <message>
        <source>Guess the Name</source>
        <translation>Hádať názov</translation>
    </message>
    <message>
        <source>Guess the Symbol</source>
        <translation>Hádať značku</translation>
    </message>
    <message>
        <source>Step 2</source>
        <translation>Krok 2</translation>
    </message>
    <message>
        <source>Elements 1 to 36</source>
        <translation>Prvky 1–36</translation>
    </message>
    <message>
        <source>Elements 1 to 38, 40, 42, 47 - 57, 74, 78 - 80</source>
        <translation>Prvky 1–38, 40, 42, 47–57, 74, 78–80</translation>
    </message>
    <message>
        <source>Elements 1 to 38, 40, 42, 47 - 57, 74, 78 - 89, 92, 94, 95</source>
        <translation>Prvky 1–38, 40, 42, 47–57, 74, 78–89, 92, 94, 95</translation>
    </message>
    <message>
        <source>Elements 1 to 103</source>
        <translation>Prvky 1–103</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Koniec</translation>
    </message>
    <message>
        <source>Shortcut: %1</source>
        <translation>Klávesová skratka: %1</translation>
    </message>
</context>
</TS>
