<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs" sourcelanguage="en">
<context>
    <name>AnswerCheck</name>
    <message>
        <source>Your my hero</source>
        <translation>Jsi jednička!</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>Zkus to znovu</translation>
    </message>
</context>
<context>
    <name>ApplicationStart</name>
    <message>
        <source>valtora: no display could be opened. Choose one with DISPLAY (X11) or WAYLAND_DISPLAY (Wayland), or run without one with &quot;-platform offscreen&quot;.</source>
        <translation>valtora: nepodařilo se otevřít žádný displej. Zvolte displej pomocí DISPLAY (X11) nebo WAYLAND_DISPLAY (Wayland), nebo program Valtora spusťte bez displeje s volbou „-platform offscreen“.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>A desktop quiz on the chemical elements.</source>
        <translation>Počítačový kvíz o chemických prvcích.</translation>
    </message>
    <message>
        <source>valtora: &quot;%1&quot; is not an option or argument of Valtora; &quot;valtora --help&quot; lists them.</source>
        <translation>valtora: „%1“ není volba ani argument programu Valtora; vypíše je „valtora --help“.</translation>
    </message>
</context>
<context>
    <name>DataControl</name>
    <message>
        <source>The table on %1 has no column %2.</source>
        <translation>%1: tabulka nemá sloupec %2.</translation>
    </message>
</context>
<context>
    <name>DataSourceFaults</name>
    <message>
        <source>%1 names the ODBC driver &quot;%2&quot;, which is not installed on this computer. Install it, or name an installed driver on the data source&apos;s Driver line: the command &quot;odbcinst -q -d&quot; lists them.</source>
        <translation>%1: uvedený ovladač ODBC „%2“ není v tomto počítači nainstalován. Nainstalujte ho, nebo na řádek Driver zdroje dat zadejte nainstalovaný ovladač: nainstalované ovladače vypíše příkaz „odbcinst -q -d“.</translation>
    </message>
    <message>
        <source>%1 names no database file: its Database line is empty. Put the path of the SQLite file that holds the table elements there.</source>
        <translation>%1: není uveden žádný databázový soubor, řádek Database je prázdný. Zadejte na tento řádek cestu k souboru SQLite, který obsahuje tabulku elements.</translation>
    </message>
    <message>
        <source>The database file &quot;%2&quot; of %1 does not exist. Check the path on the data source&apos;s Database line.</source>
        <translation>%1: databázový soubor „%2“ neexistuje. Zkontrolujte cestu na řádku Database zdroje dat.</translation>
    </message>
    <message>
        <source>The file &quot;%2&quot; of %1 is not an SQLite database. Check the path on the data source&apos;s Database line, or make the file again with the sqlite3 shell.</source>
        <translation>%1: soubor „%2“ není databáze SQLite. Zkontrolujte cestu na řádku Database zdroje dat, nebo soubor vytvořte znovu v prostředí sqlite3.</translation>
    </message>
    <message>
        <source>The database file &quot;%2&quot; of %1 is locked by another program that is changing it. Close that program, or end its transaction, then start Valtora again.</source>
        <translation>%1: databázový soubor „%2“ je uzamčen jiným programem, který ho právě mění. Zavřete tento program nebo ukončete jeho transakci a potom program Valtora spusťte znovu.</translation>
    </message>
    <message>
        <source>The server of %1 accepts no more connections: all it allows are in use. Close Valtora on another desk, or ask whoever runs the server to allow more connections or to put a connection pooler in front of it.</source>
        <translation>%1: server nepřijímá další připojení, všechna povolená připojení jsou obsazena. Zavřete program Valtora na jiném počítači, nebo požádejte správce serveru, aby povolil více připojení nebo před server zařadil správce fondu připojení (connection pooler).</translation>
    </message>
    <message>
        <source>The server of %1 refused the login. Check the Username, Password and Database lines of the data source, and that the server lets that role connect from this computer (pg_hba.conf).</source>
        <translation>%1: server odmítl přihlášení. Zkontrolujte řádky Username, Password a Database zdroje dat a také to, zda server dané roli povoluje připojení z tohoto počítače (pg_hba.conf).</translation>
    </message>
    <message>
        <source>The server of %1 cannot be reached. Check the Servername and Port lines of the data source, that the server is running, and that this computer can reach it over the network.</source>
        <translation>%1: server není dostupný. Zkontrolujte řádky Servername a Port zdroje dat, zda server běží a zda se k němu tento počítač může připojit přes síť.</translation>
    </message>
    <message>
        <source>The connection to the server of %1 was lost: the server was stopped or restarted, or the network failed. Start Valtora again once the server is back.</source>
        <translation>%1: spojení se serverem bylo přerušeno, server byl zastaven nebo restartován, nebo selhala síť. Až bude server opět k dispozici, spusťte program Valtora znovu.</translation>
    </message>
    <message>
        <source>%1 did not answer within %2 seconds. Check that its server is running and not overloaded, and that no other program holds its database locked, then start Valtora again.</source>
        <translation>%1: žádná odpověď do %2 s. Zkontrolujte, zda server běží a není přetížen a zda databázi nedrží uzamčenou jiný program. Potom program Valtora spusťte znovu.</translation>
    </message>
    <message>
        <source>The driver said: %1</source>
        <translation>Zpráva ovladače: %1</translation>
    </message>
    <message>
        <source>The server of %1 is starting up or shutting down, and accepts no connections now. Start Valtora again in a minute; if it keeps saying so, ask whoever runs the server.</source>
        <translation>%1: server se právě spouští nebo vypíná a nyní nepřijímá připojení. Spusťte program Valtora znovu za minutu; pokud se zpráva bude opakovat, obraťte se na správce serveru.</translation>
    </message>
    <message>
        <source>The server of %1 ended the connection on an administrator&apos;s command: someone ended Valtora&apos;s session on the server, or the server was stopped or restarted. Start Valtora again once the server is back.</source>
        <translation>%1: server ukončil spojení na pokyn správce: někdo ukončil relaci programu Valtora na serveru, nebo byl server zastaven či restartován. Až bude server opět k dispozici, spusťte program Valtora znovu.</translation>
    </message>
    <message>
        <source>The server of %1 closed the connection because it was idle for longer than the server allows (its setting idle_session_timeout). Ask whoever runs the server to lift that limit for the quiz&apos;s role (alter role quiz set idle_session_timeout = 0), then start Valtora again.</source>
        <translation>%1: server uzavřel spojení, protože bylo nečinné déle, než server dovoluje (jeho nastavení idle_session_timeout). Požádejte správce serveru, aby pro roli kvízu tento limit zrušil (alter role quiz set idle_session_timeout = 0), a potom program Valtora spusťte znovu.</translation>
    </message>
    <message>
        <source>A query of Valtora&apos;s on the server of %1 was cancelled on an administrator&apos;s command (pg_cancel_backend, or another program that cancels queries). Start Valtora again.</source>
        <translation>%1: dotaz programu Valtora na serveru byl zrušen na pokyn správce (pg_cancel_backend nebo jiný program, který ruší dotazy). Spusťte program Valtora znovu.</translation>
    </message>
    <message>
        <source>The connection pooler in front of the server of %1 gave up waiting for a free server connection, after as long as its setting query_wait_timeout allows. Close Valtora on desks that do not need it, or ask whoever runs the pooler for a larger pool (default_pool_size), then start Valtora again.</source>
        <translation type="vanished">%1: správce fondu připojení před serverem přestal čekat na volné připojení k serveru poté, co čekal tak dlouho, jak dovoluje jeho nastavení query_wait_timeout. Zavřete program Valtora na počítačích, kde není potřeba, nebo požádejte správce fondu připojení o větší fond (default_pool_size), a potom program Valtora spusťte znovu.</translation>
    </message>
    <message>
        <source>Likely causes: the table elements or one of its columns was changed while the quiz ran, the server ended the connection, or the driver cannot read a value of the table.</source>
        <translation>Pravděpodobné příčiny: tabulka elements nebo některý z jejích sloupců se změnil během kvízu, server ukončil spojení, nebo ovladač nedokáže přečíst některou hodnotu tabulky.</translation>
    </message>
    <message>
        <source>Likely causes: this user may not read the file on the data source&apos;s Database line, or the SQLite driver is set up wrongly (&quot;isql -v Elements&quot; shows what it says).</source>
        <translation>Pravděpodobné příčiny: tento uživatel nesmí číst soubor z řádku Database zdroje dat, nebo je ovladač SQLite špatně nastaven (co hlásí, ukáže „isql -v Elements“).</translation>
    </message>
    <message>
        <source>Likely causes: the server is not running or this computer cannot reach it, the data source&apos;s Servername, Port, Database, Username or Password line does not match the server, or its driver is set up wrongly (&quot;isql -v Elements&quot; shows what it says).</source>
        <translation>Pravděpodobné příčiny: server neběží nebo se k němu tento počítač nemůže připojit, řádek Servername, Port, Database, Username nebo Password zdroje dat neodpovídá serveru, nebo je ovladač špatně nastaven (co hlásí, ukáže „isql -v Elements“).</translation>
    </message>
    <message>
        <source>The server of %1 gave up waiting for a lock on the table elements, after as long as its setting lock_timeout allows: another program holds the table locked, changing it or in a transaction left open. Ask whoever runs the server to end that program&apos;s transaction, then start Valtora again.</source>
        <translation>%1: server přestal čekat na zámek tabulky elements poté, co čekal tak dlouho, jak dovoluje jeho nastavení lock_timeout: tabulku drží uzamčenou jiný program, který ji právě mění nebo nechal otevřenou transakci. Požádejte správce serveru, aby transakci tohoto programu ukončil, a potom program Valtora spusťte znovu.</translation>
    </message>
    <message>
        <source>The server of %1 does not let the role &quot;%2&quot; read the table elements. Ask whoever runs the server to allow it: grant select on elements to %2;</source>
        <translation>%1: server nepovoluje roli „%2“ číst tabulku elements. Požádejte správce serveru, aby jí to povolil: grant select on elements to %2;</translation>
    </message>
    <message>
        <source>The connection pooler in front of the server of %1 gave up waiting for a server connection, after as long as its setting query_wait_timeout allows. Either every connection of its pool is in use (close Valtora on desks that do not need it, or ask whoever runs the pooler for a larger pool, default_pool_size), or the server behind it cannot be reached (ask whoever runs it to check that it is running). Then start Valtora again.</source>
        <translation>%1: správce fondu připojení před serverem přestal čekat na připojení k serveru poté, co čekal tak dlouho, jak dovoluje jeho nastavení query_wait_timeout. Buď jsou všechna připojení jeho fondu obsazena (zavřete program Valtora na počítačích, kde není potřeba, nebo požádejte správce fondu připojení o větší fond, default_pool_size), nebo server za ním není dostupný (požádejte správce serveru, aby zkontroloval, zda server běží). Potom program Valtora spusťte znovu.</translation>
    </message>
</context>
<context>
    <name>DesktopEntry</name>
    <message>
        <source>Chemical Elements Quiz</source>
        <extracomment>The kind of program, as menus show it beside its name.</extracomment>
        <translation>Kvíz o chemických prvcích</translation>
    </message>
    <message>
        <source>Drill the symbols and names of the chemical elements</source>
        <extracomment>What the program is for, in a line: menus&apos; tooltips, software centres&apos; summary.</extracomment>
        <translation>Procvičování značek a názvů chemických prvků</translation>
    </message>
    <message>
        <source>chemistry;elements;periodic table;symbol;quiz;school;</source>
        <extracomment>Words a desktop&apos;s search finds the program by, each followed by a semicolon.</extracomment>
        <translation>chemie;prvky;periodická tabulka;značka;kvíz;škola;</translation>
    </message>
    <message>
        <source>Valtora is a quiz on the chemical elements. It shows an element&apos;s atomic number, symbol, name and atomic mass with the symbol or the name covered, and you type what is covered.</source>
        <extracomment>Software centres: the description.</extracomment>
        <translation>Valtora je kvíz o chemických prvcích. Ukazuje protonové číslo, značku, název a atomovou hmotnost prvku se zakrytou značkou nebo názvem a ty napíšeš, co je zakryté.</translation>
    </message>
    <message>
        <source>Guess the symbol or the name</source>
        <extracomment>Software centres: a feature in the description&apos;s list.</extracomment>
        <translation>Hádání značky nebo názvu</translation>
    </message>
    <message>
        <source>Draw from the first 36 elements, from those a school course knows, or from all 103</source>
        <extracomment>Software centres: a feature in the description&apos;s list.</extracomment>
        <translation>Losování z prvních 36 prvků, z prvků školního učiva nebo ze všech 103</translation>
    </message>
    <message>
        <source>Played by keyboard alone, and read out by screen readers</source>
        <extracomment>Software centres: a feature in the description&apos;s list.</extracomment>
        <translation>Ovládání jen klávesnicí a předčítání čtečkami obrazovky</translation>
    </message>
    <message numerus="yes">
        <source>In %n languages, the element names included</source>
        <extracomment>Software centres: a feature in the description&apos;s list; %n counts English too.</extracomment>
        <translation>
            <numerusform>V %n jazyce, včetně názvů prvků</numerusform>
            <numerusform>Ve %n jazycích, včetně názvů prvků</numerusform>
            <numerusform>Ve %n jazycích, včetně názvů prvků</numerusform>
        </translation>
    </message>
    <message>
        <source>Needs no setup; a school can serve its own element table to every desk from one server</source>
        <extracomment>Software centres: a feature in the description&apos;s list.</extracomment>
        <translation>Nevyžaduje žádné nastavení; škola může z jednoho serveru poskytovat vlastní tabulku prvků každému pracovišti</translation>
    </message>
    <message>
        <source>The quiz after one spin, the symbol covered</source>
        <extracomment>Software centres: the caption of the screenshot.</extracomment>
        <translation>Kvíz po jednom losování, se zakrytou značkou</translation>
    </message>
</context>
<context>
    <name>ElementDatabase</name>
    <message>
        <source>the embedded element table</source>
        <translation>Vestavěná tabulka prvků</translation>
    </message>
    <message>
        <source>%1: Qt&apos;s ODBC driver (QODBC) is not installed.</source>
        <translation>%1: ovladač ODBC pro Qt (QODBC) není nainstalován.</translation>
    </message>
    <message>
        <source>%1 cannot be opened.</source>
        <translation>%1: zdroj dat nelze otevřít.</translation>
    </message>
    <message>
        <source>%1: Qt&apos;s SQLite driver (QSQLITE) is not installed.</source>
        <translation>%1: ovladač SQLite pro Qt (QSQLITE) není nainstalován.</translation>
    </message>
    <message>
        <source>The query &quot;%1&quot; on %2 failed.</source>
        <translation>%2: dotaz „%1“ selhal.</translation>
    </message>
</context>
<context>
    <name>ElementLookup</name>
    <message>
        <source>&quot;%1&quot; is not an atomic number to look up.</source>
        <translation>„%1“ není protonové číslo, které by šlo vyhledat.</translation>
    </message>
    <message>
        <source>There is no row for atomic number %1 in table %2.</source>
        <translation>V tabulce %2 není žádný řádek pro protonové číslo %1.</translation>
    </message>
    <message>
        <source>The row for atomic number %1 in table %2 has no symbol (%3 is empty): no answer could be judged against it.</source>
        <translation>Řádek pro protonové číslo %1 v tabulce %2 nemá značku (%3 je prázdný): žádnou odpověď by s ním nebylo možné porovnat.</translation>
    </message>
    <message>
        <source>The row for atomic number %1 in table %2 has no name (%3 is empty): no answer could be judged against it.</source>
        <translation>Řádek pro protonové číslo %1 v tabulce %2 nemá název (%3 je prázdný): žádnou odpověď by s ním nebylo možné porovnat.</translation>
    </message>
</context>
<context>
    <name>ElementTableCheck</name>
    <message>
        <source> and %1 more</source>
        <translation> a ještě %1</translation>
    </message>
    <message>
        <source>It has the columns %1.</source>
        <translation>Tabulka má sloupce %1.</translation>
    </message>
    <message>
        <source>The table %1 of %2 cannot be used.
%3</source>
        <translation>%2: tabulku %1 nelze použít.
%3</translation>
    </message>
    <message>
        <source>%1 has no table %2.</source>
        <translation>%1: tabulka %2 neexistuje.</translation>
    </message>
    <message>
        <source>Missing columns: %1.</source>
        <translation>Chybějící sloupce: %1.</translation>
    </message>
    <message>
        <source>The file was imported twice into the same database: its header row is a row of the table, and every element is there twice. Import it again into a fresh database file (delete the old one first).</source>
        <translation>Soubor byl do téže databáze importován dvakrát: jeho řádek záhlaví se stal řádkem tabulky a každý prvek v ní je dvakrát. Importujte ho znovu do nového databázového souboru (starý nejprve smažte).</translation>
    </message>
    <message>
        <source>No row for atomic numbers %1.</source>
        <translation>Chybí řádek pro protonová čísla %1.</translation>
    </message>
    <message>
        <source>More than one row for atomic numbers %1.</source>
        <translation>Více než jeden řádek pro protonová čísla %1.</translation>
    </message>
    <message>
        <source>Atomic numbers that are not whole numbers: %1.</source>
        <translation>Protonová čísla, která nejsou celá čísla: %1.</translation>
    </message>
    <message>
        <source>Rows without an atomic number: %1.</source>
        <translation>Řádky bez protonového čísla: %1.</translation>
    </message>
    <message>
        <source>No symbol for atomic numbers %1.</source>
        <translation>Chybí značka pro protonová čísla %1.</translation>
    </message>
    <message>
        <source>No name for atomic numbers %1.</source>
        <translation>Chybí název pro protonová čísla %1.</translation>
    </message>
    <message>
        <source>Names that no answer can match, since answers are put in proper case (&quot;Iron&quot;, not &quot;iron&quot; or &quot;IRON&quot;), for atomic numbers %1.</source>
        <translation>Názvy, se kterými se nemůže shodovat žádná odpověď, protože odpovědi se převádějí na velké počáteční písmeno („Železo“, ne „železo“ ani „ŽELEZO“), pro protonová čísla %1.</translation>
    </message>
    <message>
        <source>Symbols or names with blanks around them, which no answer can match, for atomic numbers %1.</source>
        <translation>Značky nebo názvy s mezerami na začátku či na konci, se kterými se nemůže shodovat žádná odpověď, pro protonová čísla %1.</translation>
    </message>
    <message>
        <source>see &quot;From a spreadsheet&quot; in the README, installed as %1</source>
        <translation>viz „From a spreadsheet“ v README, nainstalovaném jako %1</translation>
    </message>
    <message>
        <source>The file was saved with semicolons between its columns, as office programs do where decimals are written with a comma: import it with .separator &quot;;&quot; (%1).</source>
        <translation>Soubor byl uložen se středníky mezi sloupci, jak to dělají kancelářské programy tam, kde se desetinná čísla píší s čárkou: importujte ho s .separator &quot;;&quot; (%1).</translation>
    </message>
    <message>
        <source>The file was saved with tabs between its columns: import it with .separator &quot;\t&quot; instead of --csv (%1).</source>
        <translation>Soubor byl uložen s tabulátory mezi sloupci: importujte ho s .separator &quot;\t&quot; místo --csv (%1).</translation>
    </message>
    <message>
        <source>Its first row holds the column names: the file has a title row above its header. Import it with --skip 1, or delete the title row (%1).</source>
        <translation>První řádek tabulky obsahuje názvy sloupců: soubor má nad záhlavím ještě řádek s nadpisem. Importujte ho s --skip 1, nebo řádek s nadpisem smažte (%1).</translation>
    </message>
    <message>
        <source>Reading it failed.</source>
        <translation>Tabulku se nepodařilo přečíst.</translation>
    </message>
    <message>
        <source>Atomic numbers with blanks around them, which the lookup&apos;s query does not find: %1.</source>
        <translation>Protonová čísla s mezerami na začátku či na konci, která vyhledávací dotaz nenajde: %1.</translation>
    </message>
    <message>
        <source>The file&apos;s header row (%1) is a row of the table: the table was made before the import, which read the header as data. Import the file into a fresh database, or with --skip 1 (%2).</source>
        <translation>Řádek záhlaví souboru (%1) je řádkem tabulky: tabulka byla vytvořena před importem, který záhlaví načetl jako data. Importujte soubor do nové databáze, nebo s --skip 1 (%2).</translation>
    </message>
    <message>
        <source>Looking an element up by its number fails: AtomicNumber must compare with a bare number, as in &quot;%1&quot;.</source>
        <translation>Vyhledání prvku podle protonového čísla selhává: AtomicNumber musí jít porovnat s holým číslem bez uvozovek, jako v „%1“.</translation>
    </message>
    <message>
        <source>Symbols or names with invisible characters in them (zero-width spaces or joiners, soft hyphens, direction marks), which no typed answer holds, for atomic numbers %1.</source>
        <translation>Značky nebo názvy s neviditelnými znaky (mezery nebo spojovače nulové šířky, měkké spojovníky, značky směru textu), které žádná napsaná odpověď neobsahuje, pro protonová čísla %1.</translation>
    </message>
    <message>
        <source>Symbols or names with characters that no element&apos;s name has, as a file saved in another character set than UTF-8 leaves them (&quot;?&quot;, &quot;Ã³&quot;, &quot;Å¼&quot;), for atomic numbers %1. Save the sheet again as CSV in the character set &quot;Unicode (UTF-8)&quot;, or convert the file with iconv, and import it again (%2).</source>
        <translation type="vanished">Značky nebo názvy se znaky, které se v názvu žádného prvku nevyskytují (takové znaky zanechává soubor uložený v jiné znakové sadě než UTF-8: „?“, „Ã³“, „Å¼“), pro protonová čísla %1. Uložte list znovu jako CSV ve znakové sadě „Unicode (UTF-8)“, nebo soubor převeďte programem iconv, a pak ho znovu importujte (%2).</translation>
    </message>
    <message>
        <source>The file was saved as UTF-16 (&quot;Unicode text&quot; in office programs), which the import does not read. Convert it with &quot;iconv -f %1 -t UTF-8 elements.csv &gt; elements-utf8.csv&quot; and import elements-utf8.csv, or save the sheet again as CSV in the character set &quot;Unicode (UTF-8)&quot; (%2).</source>
        <translation>Soubor byl uložen jako UTF-16 („Text Unicode“ v kancelářských programech), který import nečte. Převeďte ho příkazem „iconv -f %1 -t UTF-8 elements.csv &gt; elements-utf8.csv“ a importujte elements-utf8.csv, nebo list uložte znovu jako CSV ve znakové sadě „Unicode (UTF-8)“ (%2).</translation>
    </message>
    <message>
        <source>Names with characters that no element&apos;s name has, garbled because the file was saved in the character set %1 and read as %2, for atomic numbers %3. Read it as %1: in psql, give &quot;\encoding %4&quot; before \copy, or convert it first with &quot;iconv -f %5 -t UTF-8&quot;, and import it again (%6).</source>
        <translation>Názvy se znaky, které se v názvu žádného prvku nevyskytují, zkomolené, protože soubor byl uložen ve znakové sadě %1 a přečten jako %2, pro protonová čísla %3. Přečtěte ho jako %1: v psql zadejte před \copy „\encoding %4“, nebo ho nejprve převeďte příkazem „iconv -f %5 -t UTF-8“, a znovu ho importujte (%6).</translation>
    </message>
    <message>
        <source>Names with characters that no element&apos;s name has, garbled because the file was saved in the character set %1 and read as %2, for atomic numbers %3. Convert it with &quot;%4 &gt; elements-utf8.csv&quot; and import elements-utf8.csv in its place (%5).</source>
        <translation>Názvy se znaky, které se v názvu žádného prvku nevyskytují, zkomolené, protože soubor byl uložen ve znakové sadě %1 a přečten jako %2, pro protonová čísla %3. Převeďte ho příkazem „%4 &gt; elements-utf8.csv“ a místo něj importujte elements-utf8.csv (%5).</translation>
    </message>
    <message>
        <source>Symbols or names with characters that no element&apos;s name has, such as &quot;?&quot; or the letter pairs (&quot;Ã³&quot;, &quot;Å¼&quot;) that a file saved in another character set than UTF-8 leaves, or with no letter at their start or end (&quot;-&quot;, a lone accent), for atomic numbers %1. Retype those cells, or save the sheet again as CSV in the character set &quot;Unicode (UTF-8)&quot; (or convert the file with iconv) and import it again (%2).</source>
        <translation>Značky nebo názvy se znaky, které se v názvu žádného prvku nevyskytují, například „?“ nebo dvojice písmen („Ã³“, „Å¼“), které zanechává soubor uložený v jiné znakové sadě než UTF-8, nebo bez písmene na začátku či na konci („-“, samotný akcent), pro protonová čísla %1. Tyto buňky přepište, nebo list uložte znovu jako CSV ve znakové sadě „Unicode (UTF-8)“ (nebo soubor převeďte programem iconv) a znovu ho importujte (%2).</translation>
    </message>
</context>
<context>
    <name>OdbcDataSource</name>
    <message>
        <source>ODBC data source &quot;%1&quot;</source>
        <translation>Zdroj dat ODBC „%1“</translation>
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
        <translation>V programu chybí skript tabulky prvků.</translation>
    </message>
    <message>
        <source>The element table&apos;s script cannot be run: %1</source>
        <translation>Skript tabulky prvků nelze spustit: %1</translation>
    </message>
    <message>
        <source>The element names in %1 cannot be loaded: %2</source>
        <translation>Názvy prvků v jazyce %1 nelze načíst: %2</translation>
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
        <translation>Protonové č.</translation>
    </message>
    <message>
        <source>Symbol</source>
        <translation>Značka</translation>
    </message>
    <message>
        <source>Element Name</source>
        <translation>Název</translation>
    </message>
    <message>
        <source>Atomic Mass</source>
        <translation>At. hmotnost</translation>
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
        <translation>Losovat</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Ověřit</translation>
    </message>
    <message>
        <source>Step 1</source>
        <translation>Krok 1</translation>
    </message>
    <message>
        <source>Guess the Name</source>
        <translation>Hádat název</translation>
    </message>
    <message>
        <source>Guess the Symbol</source>
        <translation>Hádat značku</translation>
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
        <translation>Konec</translation>
    </message>
    <message>
        <source>Shortcut: %1</source>
        <translation>Klávesová zkratka: %1</translation>
    </message>
</context>
</TS>
