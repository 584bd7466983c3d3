<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>AnswerCheck</name>
    <message>
        <source>Your my hero</source>
        <translation>Tu es mon héros&#xa0;!</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>Essaie encore</translation>
    </message>
</context>
<context>
    <name>ApplicationStart</name>
    <message>
        <source>valtora: no display could be opened. Choose one with DISPLAY (X11) or WAYLAND_DISPLAY (Wayland), or run without one with &quot;-platform offscreen&quot;.</source>
        <translation>valtora: aucun affichage n&apos;a pu être ouvert. Choisissez-en un avec DISPLAY (X11) ou WAYLAND_DISPLAY (Wayland), ou lancez Valtora sans affichage avec « -platform offscreen ».</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>A desktop quiz on the chemical elements.</source>
        <translation>Un quiz de bureau sur les éléments chimiques.</translation>
    </message>
    <message>
        <source>valtora: &quot;%1&quot; is not an option or argument of Valtora; &quot;valtora --help&quot; lists them.</source>
        <translation>valtora&#xa0;: «&#xa0;%1&#xa0;» n&apos;est ni une option ni un argument de Valtora&#xa0;; «&#xa0;valtora --help&#xa0;» les énumère.</translation>
    </message>
</context>
<context>
    <name>DataControl</name>
    <message>
        <source>The table on %1 has no column %2.</source>
        <translation>La table de %1 n&apos;a pas de colonne %2.</translation>
    </message>
</context>
<context>
    <name>DataSourceFaults</name>
    <message>
        <source>%1 names the ODBC driver &quot;%2&quot;, which is not installed on this computer. Install it, or name an installed driver on the data source&apos;s Driver line: the command &quot;odbcinst -q -d&quot; lists them.</source>
        <translation>Le pilote ODBC «&#xa0;%2&#xa0;» indiqué par %1 n&apos;est pas installé sur cet ordinateur. Installez-le, ou indiquez un pilote installé sur la ligne Driver de la source de données&#xa0;: la commande «&#xa0;odbcinst -q -d&#xa0;» les liste.</translation>
    </message>
    <message>
        <source>%1 names no database file: its Database line is empty. Put the path of the SQLite file that holds the table elements there.</source>
        <translation>Aucun fichier de base de données n&apos;est indiqué pour %1&#xa0;: la ligne Database de la source de données est vide. Indiquez sur cette ligne le chemin du fichier SQLite qui contient la table elements.</translation>
    </message>
    <message>
        <source>The database file &quot;%2&quot; of %1 does not exist. Check the path on the data source&apos;s Database line.</source>
        <translation>Le fichier de base de données «&#xa0;%2&#xa0;» de %1 n&apos;existe pas. Vérifiez le chemin indiqué sur la ligne Database de la source de données.</translation>
    </message>
    <message>
        <source>The file &quot;%2&quot; of %1 is not an SQLite database. Check the path on the data source&apos;s Database line, or make the file again with the sqlite3 shell.</source>
        <translation>Le fichier «&#xa0;%2&#xa0;» de %1 n&apos;est pas une base de données SQLite. Vérifiez le chemin indiqué sur la ligne Database de la source de données, ou recréez le fichier avec l&apos;outil en ligne de commande sqlite3.</translation>
    </message>
    <message>
        <source>The database file &quot;%2&quot; of %1 is locked by another program that is changing it. Close that program, or end its transaction, then start Valtora again.</source>
        <translation>Le fichier de base de données «&#xa0;%2&#xa0;» de %1 est verrouillé par un autre programme qui le modifie. Fermez ce programme ou terminez sa transaction, puis relancez Valtora.</translation>
    </message>
    <message>
        <source>The server of %1 accepts no more connections: all it allows are in use. Close Valtora on another desk, or ask whoever runs the server to allow more connections or to put a connection pooler in front of it.</source>
        <translation>Le serveur de %1 n&apos;accepte plus de connexions&#xa0;: toutes celles qu&apos;il autorise sont utilisées. Fermez Valtora sur un autre poste, ou demandez à l&apos;administrateur du serveur d&apos;autoriser davantage de connexions ou de placer devant le serveur un gestionnaire de pool de connexions.</translation>
    </message>
    <message>
        <source>The server of %1 refused the login. Check the Username, Password and Database lines of the data source, and that the server lets that role connect from this computer (pg_hba.conf).</source>
        <translation>Le serveur de %1 a refusé l&apos;authentification. Vérifiez les lignes Username, Password et Database de la source de données, et que le serveur autorise ce rôle à se connecter depuis cet ordinateur (pg_hba.conf).</translation>
    </message>
    <message>
        <source>The server of %1 cannot be reached. Check the Servername and Port lines of the data source, that the server is running, and that this computer can reach it over the network.</source>
        <translation>Le serveur de %1 est injoignable. Vérifiez les lignes Servername et Port de la source de données, que le serveur est en marche et que cet ordinateur peut l&apos;atteindre par le réseau.</translation>
    </message>
    <message>
        <source>The connection to the server of %1 was lost: the server was stopped or restarted, or the network failed. Start Valtora again once the server is back.</source>
        <translation>La connexion au serveur de %1 a été perdue&#xa0;: le serveur a été arrêté ou redémarré, ou le réseau est tombé en panne. Relancez Valtora quand le serveur sera de nouveau disponible.</translation>
    </message>
    <message>
        <source>%1 did not answer within %2 seconds. Check that its server is running and not overloaded, and that no other program holds its database locked, then start Valtora again.</source>
        <translation>Pas de réponse de %1 dans un délai de %2&#xa0;secondes. Vérifiez que son serveur est en marche et n&apos;est pas surchargé, et qu&apos;aucun autre programme ne garde sa base de données verrouillée, puis relancez Valtora.</translation>
    </message>
    <message>
        <source>The driver said: %1</source>
        <translation>Message du pilote&#xa0;: %1</translation>
    </message>
    <message>
        <source>The server of %1 is starting up or shutting down, and accepts no connections now. Start Valtora again in a minute; if it keeps saying so, ask whoever runs the server.</source>
        <translation>Le serveur de %1 démarre ou s&apos;arrête et n&apos;accepte aucune connexion pour l&apos;instant. Relancez Valtora dans une minute&#xa0;; si ce message revient, adressez-vous à la personne qui gère le serveur.</translation>
    </message>
    <message>
        <source>The server of %1 ended the connection on an administrator&apos;s command: someone ended Valtora&apos;s session on the server, or the server was stopped or restarted. Start Valtora again once the server is back.</source>
        <translation>Le serveur de %1 a fermé la connexion sur ordre d&apos;un administrateur&#xa0;: quelqu&apos;un a mis fin à la session de Valtora sur le serveur, ou le serveur a été arrêté ou redémarré. Relancez Valtora quand le serveur sera de nouveau disponible.</translation>
    </message>
    <message>
        <source>The server of %1 closed the connection because it was idle for longer than the server allows (its setting idle_session_timeout). Ask whoever runs the server to lift that limit for the quiz&apos;s role (alter role quiz set idle_session_timeout = 0), then start Valtora again.</source>
        <translation>Le serveur de %1 a fermé la connexion parce qu&apos;elle est restée inactive plus longtemps que le serveur ne l&apos;autorise (son paramètre idle_session_timeout). Demandez à la personne qui gère le serveur de lever cette limite pour le rôle du quiz (alter role quiz set idle_session_timeout = 0), puis relancez Valtora.</translation>
    </message>
    <message>
        <source>A query of Valtora&apos;s on the server of %1 was cancelled on an administrator&apos;s command (pg_cancel_backend, or another program that cancels queries). Start Valtora again.</source>
        <translation>Une requête de Valtora sur le serveur de %1 a été annulée sur ordre d&apos;un administrateur (pg_cancel_backend, ou un autre programme qui annule des requêtes). Relancez Valtora.</translation>
    </message>
    <message>
        <source>The connection pooler in front of the server of %1 gave up waiting for a free server connection, after as long as its setting query_wait_timeout allows. Close Valtora on desks that do not need it, or ask whoever runs the pooler for a larger pool (default_pool_size), then start Valtora again.</source>
        <translation type="vanished">Le gestionnaire de pool de connexions placé devant le serveur de %1 a cessé d&apos;attendre une connexion libre au serveur, après le délai que permet son paramètre query_wait_timeout. Fermez Valtora sur les postes qui n&apos;en ont pas besoin, ou demandez à la personne qui le gère un pool plus grand (default_pool_size), puis relancez Valtora.</translation>
    </message>
    <message>
        <source>Likely causes: the table elements or one of its columns was changed while the quiz ran, the server ended the connection, or the driver cannot read a value of the table.</source>
        <translation>Causes probables&#xa0;: la table elements ou l&apos;une de ses colonnes a été modifiée pendant le quiz, le serveur a fermé la connexion, ou le pilote ne peut pas lire une valeur de la table.</translation>
    </message>
    <message>
        <source>Likely causes: this user may not read the file on the data source&apos;s Database line, or the SQLite driver is set up wrongly (&quot;isql -v Elements&quot; shows what it says).</source>
        <translation>Causes probables&#xa0;: cet utilisateur n&apos;a pas le droit de lire le fichier indiqué sur la ligne Database de la source de données, ou le pilote SQLite est mal configuré («&#xa0;isql -v Elements&#xa0;» montre ce qu&apos;il signale).</translation>
    </message>
    <message>
        <source>Likely causes: the server is not running or this computer cannot reach it, the data source&apos;s Servername, Port, Database, Username or Password line does not match the server, or its driver is set up wrongly (&quot;isql -v Elements&quot; shows what it says).</source>
        <translation>Causes probables&#xa0;: le serveur ne fonctionne pas ou cet ordinateur ne peut pas l&apos;atteindre, la ligne Servername, Port, Database, Username ou Password de la source de données ne correspond pas au serveur, ou son pilote est mal configuré («&#xa0;isql -v Elements&#xa0;» montre ce qu&apos;il signale).</translation>
    </message>
    <message>
        <source>The server of %1 gave up waiting for a lock on the table elements, after as long as its setting lock_timeout allows: another program holds the table locked, changing it or in a transaction left open. Ask whoever runs the server to end that program&apos;s transaction, then start Valtora again.</source>
        <translation>Le serveur de %1 a cessé d&apos;attendre un verrou sur la table elements, après le délai que permet son paramètre lock_timeout : un autre programme garde la table verrouillée, parce qu&apos;il la modifie ou qu&apos;il a laissé une transaction ouverte. Demandez à la personne qui gère le serveur de mettre fin à la transaction de ce programme, puis relancez Valtora.</translation>
    </message>
    <message>
        <source>The server of %1 does not let the role &quot;%2&quot; read the table elements. Ask whoever runs the server to allow it: grant select on elements to %2;</source>
        <translation>Le serveur de %1 n&apos;autorise pas le rôle « %2 » à lire la table elements. Demandez à la personne qui gère le serveur de l&apos;y autoriser : grant select on elements to %2;</translation>
    </message>
    <message>
        <source>The connection pooler in front of the server of %1 gave up waiting for a server connection, after as long as its setting query_wait_timeout allows. Either every connection of its pool is in use (close Valtora on desks that do not need it, or ask whoever runs the pooler for a larger pool, default_pool_size), or the server behind it cannot be reached (ask whoever runs it to check that it is running). Then start Valtora again.</source>
        <translation>Le gestionnaire de pool de connexions placé devant le serveur de %1 a cessé d&apos;attendre une connexion au serveur, après le délai que permet son paramètre query_wait_timeout. Soit toutes les connexions de son pool sont utilisées (fermez Valtora sur les postes qui n&apos;en ont pas besoin, ou demandez à la personne qui gère le gestionnaire de pool un pool plus grand, default_pool_size), soit le serveur situé derrière lui est injoignable (demandez à la personne qui gère le serveur de vérifier qu&apos;il est en marche). Relancez ensuite Valtora.</translation>
    </message>
</context>
<context>
    <name>DesktopEntry</name>
    <message>
        <source>Chemical Elements Quiz</source>
        <extracomment>The kind of program, as menus show it beside its name.</extracomment>
        <translation>Quiz sur les éléments chimiques</translation>
    </message>
    <message>
        <source>Drill the symbols and names of the chemical elements</source>
        <extracomment>What the program is for, in a line: menus&apos; tooltips, software centres&apos; summary.</extracomment>
        <translation>S’entraîner aux symboles et aux noms des éléments chimiques</translation>
    </message>
    <message>
        <source>chemistry;elements;periodic table;symbol;quiz;school;</source>
        <extracomment>Words a desktop&apos;s search finds the program by, each followed by a semicolon.</extracomment>
        <translation>chimie;éléments;tableau périodique;symbole;quiz;école;</translation>
    </message>
    <message>
        <source>Valtora is a quiz on the chemical elements. It shows an element&apos;s atomic number, symbol, name and atomic mass with the symbol or the name covered, and you type what is covered.</source>
        <extracomment>Software centres: the description.</extracomment>
        <translation>Valtora est un quiz sur les éléments chimiques. Il affiche le numéro atomique, le symbole, le nom et la masse atomique d’un élément, le symbole ou le nom caché, et vous tapez ce qui est caché.</translation>
    </message>
    <message>
        <source>Guess the symbol or the name</source>
        <extracomment>Software centres: a feature in the description&apos;s list.</extracomment>
        <translation>Deviner le symbole ou le nom</translation>
    </message>
    <message>
        <source>Draw from the first 36 elements, from those a school course knows, or from all 103</source>
        <extracomment>Software centres: a feature in the description&apos;s list.</extracomment>
        <translation>Tirer parmi les 36 premiers éléments, ceux d’un cours scolaire ou les 103</translation>
    </message>
    <message>
        <source>Played by keyboard alone, and read out by screen readers</source>
        <extracomment>Software centres: a feature in the description&apos;s list.</extracomment>
        <translation>Se joue au clavier seul et se lit avec un lecteur d’écran</translation>
    </message>
    <message numerus="yes">
        <source>In %n languages, the element names included</source>
        <extracomment>Software centres: a feature in the description&apos;s list; %n counts English too.</extracomment>
        <translation>
            <numerusform>En %n langue, noms des éléments compris</numerusform>
            <numerusform>En %n langues, noms des éléments compris</numerusform>
        </translation>
    </message>
    <message>
        <source>Needs no setup; a school can serve its own element table to every desk from one server</source>
        <extracomment>Software centres: a feature in the description&apos;s list.</extracomment>
        <translation>Aucune configuration requise&#xa0;; une école peut servir sa propre table des éléments à chaque poste depuis un serveur</translation>
    </message>
    <message>
        <source>The quiz after one spin, the symbol covered</source>
        <extracomment>Software centres: the caption of the screenshot.</extracomment>
        <translation>Le quiz après un tirage, le symbole caché</translation>
    </message>
</context>
<context>
    <name>ElementDatabase</name>
    <message>
        <source>the embedded element table</source>
        <translation>la table des éléments intégrée</translation>
    </message>
    <message>
        <source>%1: Qt&apos;s ODBC driver (QODBC) is not installed.</source>
        <translation>Impossible d&apos;utiliser %1&#xa0;: le pilote ODBC de Qt (QODBC) n&apos;est pas installé.</translation>
    </message>
    <message>
        <source>%1 cannot be opened.</source>
        <translation>Impossible d&apos;ouvrir %1.</translation>
    </message>
    <message>
        <source>%1: Qt&apos;s SQLite driver (QSQLITE) is not installed.</source>
        <translation>Impossible d&apos;utiliser %1&#xa0;: le pilote SQLite de Qt (QSQLITE) n&apos;est pas installé.</translation>
    </message>
    <message>
        <source>The query &quot;%1&quot; on %2 failed.</source>
        <translation>La requête «&#xa0;%1&#xa0;» sur %2 a échoué.</translation>
    </message>
</context>
<context>
    <name>ElementLookup</name>
    <message>
        <source>&quot;%1&quot; is not an atomic number to look up.</source>
        <translation>Impossible de rechercher «&#xa0;%1&#xa0;»&#xa0;: ce n&apos;est pas un numéro atomique.</translation>
    </message>
    <message>
        <source>There is no row for atomic number %1 in table %2.</source>
        <translation>La table %2 n&apos;a aucune ligne pour le numéro atomique %1.</translation>
    </message>
    <message>
        <source>The row for atomic number %1 in table %2 has no symbol (%3 is empty): no answer could be judged against it.</source>
        <translation>La ligne du numéro atomique %1 dans la table %2 n&apos;a pas de symbole (%3 est vide)&#xa0;: aucune réponse ne peut y être comparée.</translation>
    </message>
    <message>
        <source>The row for atomic number %1 in table %2 has no name (%3 is empty): no answer could be judged against it.</source>
        <translation>La ligne du numéro atomique %1 dans la table %2 n&apos;a pas de nom (%3 est vide)&#xa0;: aucune réponse ne peut y être comparée.</translation>
    </message>
</context>
<context>
    <name>ElementTableCheck</name>
    <message>
        <source> and %1 more</source>
        <translation> et %1 de plus</translation>
    </message>
    <message>
        <source>It has the columns %1.</source>
        <translation>Ses colonnes sont&#xa0;: %1.</translation>
    </message>
    <message>
        <source>The table %1 of %2 cannot be used.
%3</source>
        <translation>La table %1 de %2 est inutilisable.
%3</translation>
    </message>
    <message>
        <source>%1 has no table %2.</source>
        <translation>Il n&apos;y a pas de table %2 dans %1.</translation>
    </message>
    <message>
        <source>Missing columns: %1.</source>
        <translation>Colonnes manquantes&#xa0;: %1.</translation>
    </message>
    <message>
        <source>The file was imported twice into the same database: its header row is a row of the table, and every element is there twice. Import it again into a fresh database file (delete the old one first).</source>
        <translation>Le fichier a été importé deux fois dans la même base de données&#xa0;: sa ligne d&apos;en-tête est devenue une ligne de la table, et chaque élément y figure deux fois. Importez-le à nouveau dans un nouveau fichier de base de données (supprimez d&apos;abord l&apos;ancien).</translation>
    </message>
    <message>
        <source>No row for atomic numbers %1.</source>
        <translation>Aucune ligne pour les numéros atomiques %1.</translation>
    </message>
    <message>
        <source>More than one row for atomic numbers %1.</source>
        <translation>Plusieurs lignes pour les numéros atomiques %1.</translation>
    </message>
    <message>
        <source>Atomic numbers that are not whole numbers: %1.</source>
        <translation>Numéros atomiques qui ne sont pas des nombres entiers&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Rows without an atomic number: %1.</source>
        <translation>Lignes sans numéro atomique&#xa0;: %1.</translation>
    </message>
    <message>
        <source>No symbol for atomic numbers %1.</source>
        <translation>Aucun symbole pour les numéros atomiques %1.</translation>
    </message>
    <message>
        <source>No name for atomic numbers %1.</source>
        <translation>Aucun nom pour les numéros atomiques %1.</translation>
    </message>
    <message>
        <source>Names that no answer can match, since answers are put in proper case (&quot;Iron&quot;, not &quot;iron&quot; or &quot;IRON&quot;), for atomic numbers %1.</source>
        <translation>Noms auxquels aucune réponse ne peut correspondre, car les réponses sont mises avec une majuscule initiale («&#xa0;Fer&#xa0;», et non «&#xa0;fer&#xa0;» ou «&#xa0;FER&#xa0;»), pour les numéros atomiques %1.</translation>
    </message>
    <message>
        <source>Symbols or names with blanks around them, which no answer can match, for atomic numbers %1.</source>
        <translation>Symboles ou noms précédés ou suivis d&apos;espaces, auxquels aucune réponse ne peut correspondre, pour les numéros atomiques %1.</translation>
    </message>
    <message>
        <source>see &quot;From a spreadsheet&quot; in the README, installed as %1</source>
        <translation>voir «&#xa0;From a spreadsheet&#xa0;» dans le README, installé sous %1</translation>
    </message>
    <message>
        <source>The file was saved with semicolons between its columns, as office programs do where decimals are written with a comma: import it with .separator &quot;;&quot; (%1).</source>
        <translation>Le fichier a été enregistré avec des points-virgules entre ses colonnes, comme le font les logiciels de bureautique là où les décimales s&apos;écrivent avec une virgule&#xa0;: importez-le avec .separator &quot;;&quot; (%1).</translation>
    </message>
    <message>
        <source>The file was saved with tabs between its columns: import it with .separator &quot;\t&quot; instead of --csv (%1).</source>
        <translation>Le fichier a été enregistré avec des tabulations entre ses colonnes&#xa0;: importez-le avec .separator &quot;\t&quot; au lieu de --csv (%1).</translation>
    </message>
    <message>
        <source>Its first row holds the column names: the file has a title row above its header. Import it with --skip 1, or delete the title row (%1).</source>
        <translation>Sa première ligne contient les noms des colonnes&#xa0;: le fichier a une ligne de titre au-dessus de son en-tête. Importez-le avec --skip 1, ou supprimez la ligne de titre (%1).</translation>
    </message>
    <message>
        <source>Reading it failed.</source>
        <translation>La lecture de la table a échoué.</translation>
    </message>
    <message>
        <source>Atomic numbers with blanks around them, which the lookup&apos;s query does not find: %1.</source>
        <translation>Numéros atomiques entourés d&apos;espaces, que la requête de recherche ne trouve pas&#xa0;: %1.</translation>
    </message>
    <message>
        <source>The file&apos;s header row (%1) is a row of the table: the table was made before the import, which read the header as data. Import the file into a fresh database, or with --skip 1 (%2).</source>
        <translation>La ligne d&apos;en-tête du fichier (%1) est une ligne de la table&#xa0;: la table a été créée avant l&apos;import, qui a lu l&apos;en-tête comme une donnée. Importez le fichier dans une base neuve, ou avec --skip 1 (%2).</translation>
    </message>
    <message>
        <source>Looking an element up by its number fails: AtomicNumber must compare with a bare number, as in &quot;%1&quot;.</source>
        <translation>La recherche d&apos;un élément par son numéro échoue&#xa0;: AtomicNumber doit pouvoir être comparé à un simple nombre, comme dans «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>Symbols or names with invisible characters in them (zero-width spaces or joiners, soft hyphens, direction marks), which no typed answer holds, for atomic numbers %1.</source>
        <translation>Symboles ou noms contenant des caractères invisibles (espaces ou liants sans chasse, traits d&apos;union conditionnels, marques de direction), qu&apos;aucune réponse tapée ne contient, pour les numéros atomiques %1.</translation>
    </message>
    <message>
        <source>Symbols or names with characters that no element&apos;s name has, as a file saved in another character set than UTF-8 leaves them (&quot;?&quot;, &quot;Ã³&quot;, &quot;Å¼&quot;), for atomic numbers %1. Save the sheet again as CSV in the character set &quot;Unicode (UTF-8)&quot;, or convert the file with iconv, and import it again (%2).</source>
        <translation type="vanished">Symboles ou noms contenant des caractères qu&apos;aucun nom d&apos;élément ne contient, comme en laisse un fichier enregistré dans un autre jeu de caractères qu&apos;UTF-8 («&#xa0;?&#xa0;», «&#xa0;Ã³&#xa0;», «&#xa0;Å¼&#xa0;»), pour les numéros atomiques %1. Enregistrez de nouveau la feuille en CSV avec le jeu de caractères «&#xa0;Unicode (UTF-8)&#xa0;», ou convertissez le fichier avec iconv, puis importez-le de nouveau (%2).</translation>
    </message>
    <message>
        <source>The file was saved as UTF-16 (&quot;Unicode text&quot; in office programs), which the import does not read. Convert it with &quot;iconv -f %1 -t UTF-8 elements.csv &gt; elements-utf8.csv&quot; and import elements-utf8.csv, or save the sheet again as CSV in the character set &quot;Unicode (UTF-8)&quot; (%2).</source>
        <translation>Le fichier a été enregistré en UTF-16 («&#xa0;Texte Unicode&#xa0;» dans les suites bureautiques), que l&apos;import ne lit pas. Convertissez-le avec «&#xa0;iconv -f %1 -t UTF-8 elements.csv &gt; elements-utf8.csv&#xa0;» et importez elements-utf8.csv, ou enregistrez de nouveau la feuille en CSV avec le jeu de caractères «&#xa0;Unicode (UTF-8)&#xa0;» (%2).</translation>
    </message>
    <message>
        <source>Names with characters that no element&apos;s name has, garbled because the file was saved in the character set %1 and read as %2, for atomic numbers %3. Read it as %1: in psql, give &quot;\encoding %4&quot; before \copy, or convert it first with &quot;iconv -f %5 -t UTF-8&quot;, and import it again (%6).</source>
        <translation>Noms contenant des caractères qu&apos;aucun nom d&apos;élément ne contient, altérés parce que le fichier a été enregistré dans le jeu de caractères %1 et lu comme %2, pour les numéros atomiques %3. Lisez-le comme %1&#xa0;: dans psql, indiquez «&#xa0;\encoding %4&#xa0;» avant \copy, ou convertissez-le d&apos;abord avec «&#xa0;iconv -f %5 -t UTF-8&#xa0;», puis importez-le de nouveau (%6).</translation>
    </message>
    <message>
        <source>Names with characters that no element&apos;s name has, garbled because the file was saved in the character set %1 and read as %2, for atomic numbers %3. Convert it with &quot;%4 &gt; elements-utf8.csv&quot; and import elements-utf8.csv in its place (%5).</source>
        <translation>Noms contenant des caractères qu&apos;aucun nom d&apos;élément ne contient, altérés parce que le fichier a été enregistré dans le jeu de caractères %1 et lu comme %2, pour les numéros atomiques %3. Convertissez-le avec «&#xa0;%4 &gt; elements-utf8.csv&#xa0;» et importez elements-utf8.csv à sa place (%5).</translation>
    </message>
    <message>
        <source>Symbols or names with characters that no element&apos;s name has, such as &quot;?&quot; or the letter pairs (&quot;Ã³&quot;, &quot;Å¼&quot;) that a file saved in another character set than UTF-8 leaves, or with no letter at their start or end (&quot;-&quot;, a lone accent), for atomic numbers %1. Retype those cells, or save the sheet again as CSV in the character set &quot;Unicode (UTF-8)&quot; (or convert the file with iconv) and import it again (%2).</source>
        <translation>Symboles ou noms contenant des caractères qu&apos;aucun nom d&apos;élément ne contient, comme «&#xa0;?&#xa0;» ou les paires de lettres («&#xa0;Ã³&#xa0;», «&#xa0;Å¼&#xa0;») que laisse un fichier enregistré dans un autre jeu de caractères qu&apos;UTF-8, ou sans lettre au début ou à la fin («&#xa0;-&#xa0;», un accent seul), pour les numéros atomiques %1. Saisissez de nouveau ces cellules, ou enregistrez de nouveau la feuille en CSV avec le jeu de caractères «&#xa0;Unicode (UTF-8)&#xa0;» (ou convertissez le fichier avec iconv), puis importez-le de nouveau (%2).</translation>
    </message>
</context>
<context>
    <name>OdbcDataSource</name>
    <message>
        <source>ODBC data source &quot;%1&quot;</source>
        <translation>la source de données ODBC «&#xa0;%1&#xa0;»</translation>
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
        <translation>Le script de la table des éléments est absent du programme.</translation>
    </message>
    <message>
        <source>The element table&apos;s script cannot be run: %1</source>
        <translation>Impossible d&apos;exécuter le script de la table des éléments&#xa0;: %1</translation>
    </message>
    <message>
        <source>The element names in %1 cannot be loaded: %2</source>
        <translation>Impossible de charger les noms des éléments pour la langue %1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>frmElements</name>
    <message>
        <source>Elements</source>
        <translation>Éléments</translation>
    </message>
    <message>
        <source>Atomic Number</source>
        <translation>N° atomique</translation>
    </message>
    <message>
        <source>Symbol</source>
        <translation>Symbole</translation>
    </message>
    <message>
        <source>Element Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Atomic Mass</source>
        <translation>Masse atom.</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Rép.</translation>
    </message>
    <message>
        <source>Created by Orvashel</source>
        <translation>Créé par Orvashel</translation>
    </message>
    <message>
        <source>Spin</source>
        <translation>Lancer</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Vérifier</translation>
    </message>
    <message>
        <source>Step 1</source>
        <translation>Étape 1</translation>
    </message>
    <message>
        <source>Guess the Name</source>
        <translation>Quel nom&#xa0;?</translation>
    </message>
    <message>
        <source>Guess the Symbol</source>
        <translation>Quel symbole&#xa0;?</translation>
    </message>
    <message>
        <source>Step 2</source>
        <translation>Étape 2</translation>
    </message>
    <message>
        <source>Elements 1 to 36</source>
        <translation>Éléments 1–36</translation>
    </message>
    <message>
        <source>Elements 1 to 38, 40, 42, 47 - 57, 74, 78 - 80</source>
        <translation>Éléments 1–38, 40, 42, 47–57, 74, 78–80</translation>
    </message>
    <message>
        <source>Elements 1 to 38, 40, 42, 47 - 57, 74, 78 - 89, 92, 94, 95</source>
        <translation>Éléments 1–38, 40, 42, 47–57, 74, 78–89, 92, 94, 95</translation>
    </message>
    <message>
        <source>Elements 1 to 103</source>
        <translation>Éléments 1–103</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Shortcut: %1</source>
        <translation>Raccourci&#xa0;: %1</translation>
    </message>
</context>
</TS>
