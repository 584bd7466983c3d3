<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ca" sourcelanguage="en">
<context>
    <name>AnswerCheck</name>
    <message>
        <source>Your my hero</source>
        <translation>Molt bé, ets un crac!</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>Torna-ho a provar</translation>
    </message>
</context>
<context>
    <name>ApplicationStart</name>
    <message>
        <source>valtora: no display could be opened. Choose one with DISPLAY (X11) or WAYLAND_DISPLAY (Wayland), or run without one with &quot;-platform offscreen&quot;.</source>
        <translation>valtora: no s&apos;ha pogut obrir cap pantalla. Trieu-ne una amb DISPLAY (X11) o WAYLAND_DISPLAY (Wayland), o executeu el Valtora sense pantalla amb «-platform offscreen».</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>A desktop quiz on the chemical elements.</source>
        <translation>Un qüestionari per a l&apos;ordinador sobre els elements químics.</translation>
    </message>
    <message>
        <source>valtora: &quot;%1&quot; is not an option or argument of Valtora; &quot;valtora --help&quot; lists them.</source>
        <translation>valtora: «%1» no és cap opció ni argument del Valtora; «valtora --help» els llista.</translation>
    </message>
</context>
<context>
    <name>DataControl</name>
    <message>
        <source>The table on %1 has no column %2.</source>
        <translation>La taula de la %1 no té la columna %2.</translation>
    </message>
</context>
<context>
    <name>DataSourceFaults</name>
    <message>
        <source>%1 names the ODBC driver &quot;%2&quot;, which is not installed on this computer. Install it, or name an installed driver on the data source&apos;s Driver line: the command &quot;odbcinst -q -d&quot; lists them.</source>
        <translation>La %1 indica el controlador ODBC «%2», que no està instal·lat en aquest ordinador. Instal·leu-lo o indiqueu un controlador instal·lat a la línia Driver de la font de dades: l&apos;ordre «odbcinst -q -d» llista els controladors instal·lats.</translation>
    </message>
    <message>
        <source>%1 names no database file: its Database line is empty. Put the path of the SQLite file that holds the table elements there.</source>
        <translation>La %1 no indica cap fitxer de base de dades: la línia Database és buida. Indiqueu en aquesta línia el camí del fitxer SQLite que conté la taula elements.</translation>
    </message>
    <message>
        <source>The database file &quot;%2&quot; of %1 does not exist. Check the path on the data source&apos;s Database line.</source>
        <translation>El fitxer de base de dades «%2» de la %1 no existeix. Comproveu el camí de la línia Database de la font de dades.</translation>
    </message>
    <message>
        <source>The file &quot;%2&quot; of %1 is not an SQLite database. Check the path on the data source&apos;s Database line, or make the file again with the sqlite3 shell.</source>
        <translation>El fitxer «%2» de la %1 no és una base de dades SQLite. Comproveu el camí de la línia Database de la font de dades o torneu a crear el fitxer amb l&apos;intèrpret d&apos;ordres sqlite3.</translation>
    </message>
    <message>
        <source>The database file &quot;%2&quot; of %1 is locked by another program that is changing it. Close that program, or end its transaction, then start Valtora again.</source>
        <translation>El fitxer de base de dades «%2» de la %1 està blocat per un altre programa que l&apos;està modificant. Tanqueu aquest programa o finalitzeu-ne la transacció i, després, torneu a iniciar el Valtora.</translation>
    </message>
    <message>
        <source>The server of %1 accepts no more connections: all it allows are in use. Close Valtora on another desk, or ask whoever runs the server to allow more connections or to put a connection pooler in front of it.</source>
        <translation>El servidor de la %1 no accepta més connexions: totes les que permet estan en ús. Tanqueu el Valtora en un altre lloc de treball o demaneu a qui administra el servidor que permeti més connexions o que hi posi al davant un gestor d&apos;agrupació de connexions (connection pooler).</translation>
    </message>
    <message>
        <source>The server of %1 refused the login. Check the Username, Password and Database lines of the data source, and that the server lets that role connect from this computer (pg_hba.conf).</source>
        <translation>El servidor de la %1 ha rebutjat l&apos;inici de sessió. Comproveu les línies Username, Password i Database de la font de dades i que el servidor permeti que aquest rol s&apos;hi connecti des d&apos;aquest ordinador (pg_hba.conf).</translation>
    </message>
    <message>
        <source>The server of %1 cannot be reached. Check the Servername and Port lines of the data source, that the server is running, and that this computer can reach it over the network.</source>
        <translation>No es pot accedir al servidor de la %1. Comproveu les línies Servername i Port de la font de dades, que el servidor estigui en funcionament i que aquest ordinador hi pugui arribar a través de la xarxa.</translation>
    </message>
    <message>
        <source>The connection to the server of %1 was lost: the server was stopped or restarted, or the network failed. Start Valtora again once the server is back.</source>
        <translation>S&apos;ha perdut la connexió amb el servidor de la %1: el servidor s&apos;ha aturat o reiniciat, o la xarxa ha fallat. Torneu a iniciar el Valtora quan el servidor torni a estar disponible.</translation>
    </message>
    <message>
        <source>%1 did not answer within %2 seconds. Check that its server is running and not overloaded, and that no other program holds its database locked, then start Valtora again.</source>
        <translation>La %1 no ha respost en %2 segons. Comproveu que el servidor estigui en funcionament i no estigui sobrecarregat, i que cap altre programa no en tingui blocada la base de dades; després, torneu a iniciar el Valtora.</translation>
    </message>
    <message>
        <source>The driver said: %1</source>
        <translation>Missatge del controlador: %1</translation>
    </message>
    <message>
        <source>The server of %1 is starting up or shutting down, and accepts no connections now. Start Valtora again in a minute; if it keeps saying so, ask whoever runs the server.</source>
        <translation>El servidor de la %1 s&apos;està iniciant o aturant i ara no accepta connexions. Torneu a iniciar el Valtora d&apos;aquí a un minut; si continua dient el mateix, adreceu-vos a qui administra el servidor.</translation>
    </message>
    <message>
        <source>The server of %1 ended the connection on an administrator&apos;s command: someone ended Valtora&apos;s session on the server, or the server was stopped or restarted. Start Valtora again once the server is back.</source>
        <translation>El servidor de la %1 ha tancat la connexió per ordre d&apos;un administrador: algú ha finalitzat la sessió del Valtora al servidor, o el servidor s&apos;ha aturat o reiniciat. Torneu a iniciar el Valtora quan el servidor torni a estar disponible.</translation>
    </message>
    <message>
        <source>The server of %1 closed the connection because it was idle for longer than the server allows (its setting idle_session_timeout). Ask whoever runs the server to lift that limit for the quiz&apos;s role (alter role quiz set idle_session_timeout = 0), then start Valtora again.</source>
        <translation>El servidor de la %1 ha tancat la connexió perquè ha estat inactiva més temps del que permet el servidor (el paràmetre idle_session_timeout). Demaneu a qui administra el servidor que tregui aquest límit per al rol del qüestionari (alter role quiz set idle_session_timeout = 0) i, després, torneu a iniciar el Valtora.</translation>
    </message>
    <message>
        <source>A query of Valtora&apos;s on the server of %1 was cancelled on an administrator&apos;s command (pg_cancel_backend, or another program that cancels queries). Start Valtora again.</source>
        <translation>Una consulta del Valtora al servidor de la %1 s&apos;ha cancel·lat per ordre d&apos;un administrador (pg_cancel_backend o un altre programa que cancel·la consultes). Torneu a iniciar el Valtora.</translation>
    </message>
    <message>
        <source>The connection pooler in front of the server of %1 gave up waiting for a free server connection, after as long as its setting query_wait_timeout allows. Close Valtora on desks that do not need it, or ask whoever runs the pooler for a larger pool (default_pool_size), then start Valtora again.</source>
        <translation type="vanished">El gestor d&apos;agrupació de connexions que hi ha davant del servidor de la %1 ha deixat d&apos;esperar una connexió lliure amb el servidor, després d&apos;esperar tant com permet el seu paràmetre query_wait_timeout. Tanqueu el Valtora als llocs de treball que no el necessitin o demaneu a qui administra el gestor d&apos;agrupació una agrupació més gran (default_pool_size) i, després, torneu a iniciar el Valtora.</translation>
    </message>
    <message>
        <source>Likely causes: the table elements or one of its columns was changed while the quiz ran, the server ended the connection, or the driver cannot read a value of the table.</source>
        <translation>Causes probables: la taula elements o alguna de les seves columnes s&apos;ha modificat mentre el qüestionari estava en marxa, el servidor ha tancat la connexió o el controlador no pot llegir un valor de la taula.</translation>
    </message>
    <message>
        <source>Likely causes: this user may not read the file on the data source&apos;s Database line, or the SQLite driver is set up wrongly (&quot;isql -v Elements&quot; shows what it says).</source>
        <translation>Causes probables: aquest usuari no té permís per llegir el fitxer de la línia Database de la font de dades, o el controlador SQLite no està ben configurat (l&apos;ordre «isql -v Elements» mostra què diu).</translation>
    </message>
    <message>
        <source>Likely causes: the server is not running or this computer cannot reach it, the data source&apos;s Servername, Port, Database, Username or Password line does not match the server, or its driver is set up wrongly (&quot;isql -v Elements&quot; shows what it says).</source>
        <translation>Causes probables: el servidor no està en funcionament o aquest ordinador no hi pot arribar, les línies Servername, Port, Database, Username o Password de la font de dades no coincideixen amb el servidor, o el controlador no està ben configurat (l&apos;ordre «isql -v Elements» mostra què diu).</translation>
    </message>
    <message>
        <source>The server of %1 gave up waiting for a lock on the table elements, after as long as its setting lock_timeout allows: another program holds the table locked, changing it or in a transaction left open. Ask whoever runs the server to end that program&apos;s transaction, then start Valtora again.</source>
        <translation>El servidor de la %1 ha deixat d&apos;esperar un blocatge de la taula elements, després d&apos;esperar tant com permet el seu paràmetre lock_timeout: un altre programa té la taula blocada, perquè l&apos;està modificant o perquè ha deixat una transacció oberta. Demaneu a qui administra el servidor que finalitzi la transacció d&apos;aquest programa i, després, torneu a iniciar el Valtora.</translation>
    </message>
    <message>
        <source>The server of %1 does not let the role &quot;%2&quot; read the table elements. Ask whoever runs the server to allow it: grant select on elements to %2;</source>
        <translation>El servidor de la %1 no permet que el rol «%2» llegeixi la taula elements. Demaneu a qui administra el servidor que li ho permeti: grant select on elements to %2;</translation>
    </message>
    <message>
        <source>The connection pooler in front of the server of %1 gave up waiting for a server connection, after as long as its setting query_wait_timeout allows. Either every connection of its pool is in use (close Valtora on desks that do not need it, or ask whoever runs the pooler for a larger pool, default_pool_size), or the server behind it cannot be reached (ask whoever runs it to check that it is running). Then start Valtora again.</source>
        <translation>El gestor d&apos;agrupació de connexions que hi ha davant del servidor de la %1 ha deixat d&apos;esperar una connexió amb el servidor, després d&apos;esperar tant com permet el seu paràmetre query_wait_timeout. O bé totes les connexions de la seva agrupació estan en ús (tanqueu el Valtora als llocs de treball que no el necessitin o demaneu a qui administra el gestor d&apos;agrupació una agrupació més gran, default_pool_size), o bé no es pot accedir al servidor que hi ha al darrere (demaneu a qui administra el servidor que comprovi que està en funcionament). Després, torneu a iniciar el Valtora.</translation>
    </message>
</context>
<context>
    <name>DesktopEntry</name>
    <message>
        <source>Chemical Elements Quiz</source>
        <extracomment>The kind of program, as menus show it beside its name.</extracomment>
        <translation>Qüestionari sobre els elements químics</translation>
    </message>
    <message>
        <source>Drill the symbols and names of the chemical elements</source>
        <extracomment>What the program is for, in a line: menus&apos; tooltips, software centres&apos; summary.</extracomment>
        <translation>Practicar els símbols i els noms dels elements químics</translation>
    </message>
    <message>
        <source>chemistry;elements;periodic table;symbol;quiz;school;</source>
        <extracomment>Words a desktop&apos;s search finds the program by, each followed by a semicolon.</extracomment>
        <translation>química;elements;taula periòdica;símbol;qüestionari;escola;</translation>
    </message>
    <message>
        <source>Valtora is a quiz on the chemical elements. It shows an element&apos;s atomic number, symbol, name and atomic mass with the symbol or the name covered, and you type what is covered.</source>
        <extracomment>Software centres: the description.</extracomment>
        <translation>El Valtora és un qüestionari sobre els elements químics. Mostra el nombre atòmic, el símbol, el nom i la massa atòmica d’un element amb el símbol o el nom tapat, i tu escrius el que està tapat.</translation>
    </message>
    <message>
        <source>Guess the symbol or the name</source>
        <extracomment>Software centres: a feature in the description&apos;s list.</extracomment>
        <translation>Endevinar el símbol o el nom</translation>
    </message>
    <message>
        <source>Draw from the first 36 elements, from those a school course knows, or from all 103</source>
        <extracomment>Software centres: a feature in the description&apos;s list.</extracomment>
        <translation>Sortejar entre els 36 primers elements, els d’un curs escolar o tots els 103</translation>
    </message>
    <message>
        <source>Played by keyboard alone, and read out by screen readers</source>
        <extracomment>Software centres: a feature in the description&apos;s list.</extracomment>
        <translation>Es juga només amb el teclat i els lectors de pantalla el llegeixen en veu alta</translation>
    </message>
    <message numerus="yes">
        <source>In %n languages, the element names included</source>
        <extracomment>Software centres: a feature in the description&apos;s list; %n counts English too.</extracomment>
        <translation>
            <numerusform>En %n llengua, amb els noms dels elements inclosos</numerusform>
            <numerusform>En %n llengües, amb els noms dels elements inclosos</numerusform>
        </translation>
    </message>
    <message>
        <source>Needs no setup; a school can serve its own element table to every desk from one server</source>
        <extracomment>Software centres: a feature in the description&apos;s list.</extracomment>
        <translation>No necessita configuració; una escola pot servir la seva pròpia taula d’elements a cada lloc de treball des d’un servidor</translation>
    </message>
    <message>
        <source>The quiz after one spin, the symbol covered</source>
        <extracomment>Software centres: the caption of the screenshot.</extracomment>
        <translation>El qüestionari després d’un sorteig, amb el símbol tapat</translation>
    </message>
</context>
<context>
    <name>ElementDatabase</name>
    <message>
        <source>the embedded element table</source>
        <translation>taula d&apos;elements integrada</translation>
    </message>
    <message>
        <source>%1: Qt&apos;s ODBC driver (QODBC) is not installed.</source>
        <translation>El controlador ODBC de Qt (QODBC), necessari per a la %1, no està instal·lat.</translation>
    </message>
    <message>
        <source>%1 cannot be opened.</source>
        <translation>No es pot obrir la %1.</translation>
    </message>
    <message>
        <source>%1: Qt&apos;s SQLite driver (QSQLITE) is not installed.</source>
        <translation>El controlador SQLite de Qt (QSQLITE), necessari per a la %1, no està instal·lat.</translation>
    </message>
    <message>
        <source>The query &quot;%1&quot; on %2 failed.</source>
        <translation>La consulta «%1» a la %2 ha fallat.</translation>
    </message>
</context>
<context>
    <name>ElementLookup</name>
    <message>
        <source>&quot;%1&quot; is not an atomic number to look up.</source>
        <translation>«%1» no és un nombre atòmic que es pugui cercar.</translation>
    </message>
    <message>
        <source>There is no row for atomic number %1 in table %2.</source>
        <translation>No hi ha cap fila per al nombre atòmic %1 a la taula %2.</translation>
    </message>
    <message>
        <source>The row for atomic number %1 in table %2 has no symbol (%3 is empty): no answer could be judged against it.</source>
        <translation>La fila del nombre atòmic %1 de la taula %2 no té símbol (%3 és buit): no s&apos;hi podria comparar cap resposta.</translation>
    </message>
    <message>
        <source>The row for atomic number %1 in table %2 has no name (%3 is empty): no answer could be judged against it.</source>
        <translation>La fila del nombre atòmic %1 de la taula %2 no té nom (%3 és buit): no s&apos;hi podria comparar cap resposta.</translation>
    </message>
</context>
<context>
    <name>ElementTableCheck</name>
    <message>
        <source> and %1 more</source>
        <translation> i %1 més</translation>
    </message>
    <message>
        <source>It has the columns %1.</source>
        <translation>La taula té les columnes %1.</translation>
    </message>
    <message>
        <source>The table %1 of %2 cannot be used.
%3</source>
        <translation>No es pot utilitzar la taula %1 de la %2.
%3</translation>
    </message>
    <message>
        <source>%1 has no table %2.</source>
        <translation>La %1 no té cap taula %2.</translation>
    </message>
    <message>
        <source>Missing columns: %1.</source>
        <translation>Columnes que falten: %1.</translation>
    </message>
    <message>
        <source>The file was imported twice into the same database: its header row is a row of the table, and every element is there twice. Import it again into a fresh database file (delete the old one first).</source>
        <translation>El fitxer s&apos;ha importat dues vegades a la mateixa base de dades: la fila de capçalera s&apos;ha convertit en una fila de la taula i cada element hi és dues vegades. Torneu-lo a importar en un fitxer de base de dades nou (suprimiu primer l&apos;antic).</translation>
    </message>
    <message>
        <source>No row for atomic numbers %1.</source>
        <translation>No hi ha cap fila per als nombres atòmics %1.</translation>
    </message>
    <message>
        <source>More than one row for atomic numbers %1.</source>
        <translation>Hi ha més d&apos;una fila per als nombres atòmics %1.</translation>
    </message>
    <message>
        <source>Atomic numbers that are not whole numbers: %1.</source>
        <translation>Nombres atòmics que no són nombres enters: %1.</translation>
    </message>
    <message>
        <source>Rows without an atomic number: %1.</source>
        <translation>Files sense nombre atòmic: %1.</translation>
    </message>
    <message>
        <source>No symbol for atomic numbers %1.</source>
        <translation>No hi ha símbol per als nombres atòmics %1.</translation>
    </message>
    <message>
        <source>No name for atomic numbers %1.</source>
        <translation>No hi ha nom per als nombres atòmics %1.</translation>
    </message>
    <message>
        <source>Names that no answer can match, since answers are put in proper case (&quot;Iron&quot;, not &quot;iron&quot; or &quot;IRON&quot;), for atomic numbers %1.</source>
        <translation>Noms amb què no pot coincidir cap resposta, perquè les respostes s&apos;escriuen amb majúscula inicial («Ferro», no «ferro» ni «FERRO»), per als nombres atòmics %1.</translation>
    </message>
    <message>
        <source>Symbols or names with blanks around them, which no answer can match, for atomic numbers %1.</source>
        <translation>Símbols o noms amb espais al davant o al darrere, amb què no pot coincidir cap resposta, per als nombres atòmics %1.</translation>
    </message>
    <message>
        <source>see &quot;From a spreadsheet&quot; in the README, installed as %1</source>
        <translation>vegeu «From a spreadsheet» al README, instal·lat com a %1</translation>
    </message>
    <message>
        <source>The file was saved with semicolons between its columns, as office programs do where decimals are written with a comma: import it with .separator &quot;;&quot; (%1).</source>
        <translation>El fitxer s&apos;ha desat amb punts i comes entre les columnes, com fan els programes d&apos;ofimàtica allà on els decimals s&apos;escriuen amb coma: importeu-lo amb .separator &quot;;&quot; (%1).</translation>
    </message>
    <message>
        <source>The file was saved with tabs between its columns: import it with .separator &quot;\t&quot; instead of --csv (%1).</source>
        <translation>El fitxer s&apos;ha desat amb tabulacions entre les columnes: importeu-lo amb .separator &quot;\t&quot; en lloc de --csv (%1).</translation>
    </message>
    <message>
        <source>Its first row holds the column names: the file has a title row above its header. Import it with --skip 1, or delete the title row (%1).</source>
        <translation>La primera fila de la taula conté els noms de les columnes: el fitxer té una fila de títol damunt de la capçalera. Importeu-lo amb --skip 1 o suprimiu la fila de títol (%1).</translation>
    </message>
    <message>
        <source>Reading it failed.</source>
        <translation>No s&apos;ha pogut llegir la taula.</translation>
    </message>
    <message>
        <source>Atomic numbers with blanks around them, which the lookup&apos;s query does not find: %1.</source>
        <translation>Nombres atòmics amb espais al davant o al darrere, que la consulta de cerca d&apos;elements no troba: %1.</translation>
    </message>
    <message>
        <source>The file&apos;s header row (%1) is a row of the table: the table was made before the import, which read the header as data. Import the file into a fresh database, or with --skip 1 (%2).</source>
        <translation>La fila de capçalera del fitxer (%1) és una fila de la taula: la taula s&apos;ha creat abans de la importació, que ha llegit la capçalera com a dades. Importeu el fitxer en una base de dades nova o amb --skip 1 (%2).</translation>
    </message>
    <message>
        <source>Looking an element up by its number fails: AtomicNumber must compare with a bare number, as in &quot;%1&quot;.</source>
        <translation>La cerca d&apos;un element pel seu nombre falla: AtomicNumber s&apos;ha de poder comparar amb un nombre sense cometes, com a «%1».</translation>
    </message>
    <message>
        <source>Symbols or names with invisible characters in them (zero-width spaces or joiners, soft hyphens, direction marks), which no typed answer holds, for atomic numbers %1.</source>
        <translation>Símbols o noms amb caràcters invisibles (espais o unions d&apos;amplada zero, guionets condicionals, marques de direcció), que cap resposta teclejada no conté, per als nombres atòmics %1.</translation>
    </message>
    <message>
        <source>Symbols or names with characters that no element&apos;s name has, as a file saved in another character set than UTF-8 leaves them (&quot;?&quot;, &quot;Ã³&quot;, &quot;Å¼&quot;), for atomic numbers %1. Save the sheet again as CSV in the character set &quot;Unicode (UTF-8)&quot;, or convert the file with iconv, and import it again (%2).</source>
        <translation type="vanished">Símbols o noms amb caràcters que no té el nom de cap element, com els que deixa un fitxer desat en un joc de caràcters que no és l&apos;UTF-8 («?», «Ã³», «Å¼»), per als nombres atòmics %1. Torneu a desar el full com a CSV amb el joc de caràcters «Unicode (UTF-8)», o convertiu el fitxer amb iconv, i torneu-lo a importar (%2).</translation>
    </message>
    <message>
        <source>The file was saved as UTF-16 (&quot;Unicode text&quot; in office programs), which the import does not read. Convert it with &quot;iconv -f %1 -t UTF-8 elements.csv &gt; elements-utf8.csv&quot; and import elements-utf8.csv, or save the sheet again as CSV in the character set &quot;Unicode (UTF-8)&quot; (%2).</source>
        <translation>El fitxer es va desar com a UTF-16 («Text Unicode» als programes d&apos;oficina), que la importació no llegeix. Convertiu-lo amb «iconv -f %1 -t UTF-8 elements.csv &gt; elements-utf8.csv» i importeu elements-utf8.csv, o torneu a desar el full com a CSV amb el joc de caràcters «Unicode (UTF-8)» (%2).</translation>
    </message>
    <message>
        <source>Names with characters that no element&apos;s name has, garbled because the file was saved in the character set %1 and read as %2, for atomic numbers %3. Read it as %1: in psql, give &quot;\encoding %4&quot; before \copy, or convert it first with &quot;iconv -f %5 -t UTF-8&quot;, and import it again (%6).</source>
        <translation>Noms amb caràcters que no té el nom de cap element, alterats perquè el fitxer es va desar en el joc de caràcters %1 i es va llegir com a %2, per als nombres atòmics %3. Llegiu-lo com a %1: al psql, indiqueu «\encoding %4» abans de \copy, o convertiu-lo primer amb «iconv -f %5 -t UTF-8», i torneu-lo a importar (%6).</translation>
    </message>
    <message>
        <source>Names with characters that no element&apos;s name has, garbled because the file was saved in the character set %1 and read as %2, for atomic numbers %3. Convert it with &quot;%4 &gt; elements-utf8.csv&quot; and import elements-utf8.csv in its place (%5).</source>
        <translation>Noms amb caràcters que no té el nom de cap element, alterats perquè el fitxer es va desar en el joc de caràcters %1 i es va llegir com a %2, per als nombres atòmics %3. Convertiu-lo amb «%4 &gt; elements-utf8.csv» i importeu elements-utf8.csv en lloc seu (%5).</translation>
    </message>
    <message>
        <source>Symbols or names with characters that no element&apos;s name has, such as &quot;?&quot; or the letter pairs (&quot;Ã³&quot;, &quot;Å¼&quot;) that a file saved in another character set than UTF-8 leaves, or with no letter at their start or end (&quot;-&quot;, a lone accent), for atomic numbers %1. Retype those cells, or save the sheet again as CSV in the character set &quot;Unicode (UTF-8)&quot; (or convert the file with iconv) and import it again (%2).</source>
        <translation>Símbols o noms amb caràcters que no té el nom de cap element, com ara «?» o els parells de lletres («Ã³», «Å¼») que deixa un fitxer desat en un joc de caràcters que no és l&apos;UTF-8, o sense cap lletra al començament o al final («-», un accent sol), per als nombres atòmics %1. Torneu a escriure aquestes cel·les, o torneu a desar el full com a CSV amb el joc de caràcters «Unicode (UTF-8)» (o convertiu el fitxer amb iconv) i torneu-lo a importar (%2).</translation>
    </message>
</context>
<context>
    <name>OdbcDataSource</name>
    <message>
        <source>ODBC data source &quot;%1&quot;</source>
        <translation>font de dades ODBC «%1»</translation>
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
        <translation>Falta al programa l&apos;script de la taula d&apos;elements.</translation>
    </message>
    <message>
        <source>The element table&apos;s script cannot be run: %1</source>
        <translation>No es pot executar l&apos;script de la taula d&apos;elements: %1</translation>
    </message>
    <message>
        <source>The element names in %1 cannot be loaded: %2</source>
        <translation>No es poden carregar els noms dels elements en l&apos;idioma %1: %2</translation>
    </message>
</context>
<context>
    <name>frmElements</name>
    <message>
        <source>Elements</source>
        <translation>Elements</translation>
    </message>
    <message>
        <source>Atomic Number</source>
        <translation>Nombre atòmic</translation>
    </message>
    <message>
        <source>Symbol</source>
        <translation>Símbol</translation>
    </message>
    <message>
        <source>Element Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Atomic Mass</source>
        <translation>Massa atòmica</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Resp.</translation>
    </message>
    <message>
        <source>Created by Orvashel</source>
        <translation>Creat per Orvashel</translation>
    </message>
    <message>
        <source>Spin</source>
        <translation>Sorteja</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Comprova</translation>
    </message>
    <message>
        <source>Step 1</source>
        <translation>Pas 1</translation>
    </message>
    <message>
        <source>Guess the Name</source>
        <translation>Endevina nom</translation>
    </message>
    <message>
        <source>Guess the Symbol</source>
        <translation>Endevina símbol</translation>
    </message>
    <message>
        <source>Step 2</source>
        <translation>Pas 2</translation>
    </message>
    <message>
        <source>Elements 1 to 36</source>
        <translation>Elements 1–36</translation>
    </message>
    <message>
        <source>Elements 1 to 38, 40, 42, 47 - 57, 74, 78 - 80</source>
        <translation>Elements 1–38, 40, 42, 47–57, 74, 78–80</translation>
    </message>
    <message>
        <source>Elements 1 to 38, 40, 42, 47 - 57, 74, 78 - 89, 92, 94, 95</source>
        <translation>Elements 1–38, 40, 42, 47–57, 74, 78–89, 92, 94, 95</translation>
    </message>
    <message>
        <source>Elements 1 to 103</source>
        <translation>Elements 1–103</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Surt</translation>
    </message>
    <message>
        <source>Shortcut: %1</source>
        <translation>Drecera: %1</translation>
    </message>
</context>
</TS>
