<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="gl" sourcelanguage="en">
<context>
    <name>AnswerCheck</name>
    <message>
        <source>Your my hero</source>
        <translation>Moi ben! Es unha estrela!</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>Téntao de novo</translation>
    </message>
</context>
<context>
    <name>ApplicationStart</name>
    <message>
        <source>valtora: no display could be opened. Choose one with DISPLAY (X11) or WAYLAND_DISPLAY (Wayland), or run without one with &quot;-platform offscreen&quot;.</source>
        <translation>valtora: non se puido abrir ningunha pantalla. Escolla unha con DISPLAY (X11) ou WAYLAND_DISPLAY (Wayland), ou execute Valtora sen pantalla con “-platform offscreen”.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>A desktop quiz on the chemical elements.</source>
        <translation>Un cuestionario de escritorio sobre os elementos químicos.</translation>
    </message>
    <message>
        <source>valtora: &quot;%1&quot; is not an option or argument of Valtora; &quot;valtora --help&quot; lists them.</source>
        <translation>valtora: “%1” non é unha opción nin un argumento de Valtora; “valtora --help” lístaos.</translation>
    </message>
</context>
<context>
    <name>DataControl</name>
    <message>
        <source>The table on %1 has no column %2.</source>
        <translation>%1: a táboa non ten a columna %2.</translation>
    </message>
</context>
<context>
    <name>DataSourceFaults</name>
    <message>
        <source>%1 names the ODBC driver &quot;%2&quot;, which is not installed on this computer. Install it, or name an installed driver on the data source&apos;s Driver line: the command &quot;odbcinst -q -d&quot; lists them.</source>
        <translation>%1: o controlador ODBC indicado, “%2”, non está instalado neste computador. Instáleo ou indique un controlador instalado na liña Driver da orixe de datos: a orde “odbcinst -q -d” lista os controladores instalados.</translation>
    </message>
    <message>
        <source>%1 names no database file: its Database line is empty. Put the path of the SQLite file that holds the table elements there.</source>
        <translation>%1: non se indica ningún ficheiro de base de datos, porque a liña Database está baleira. Escriba nela a ruta do ficheiro SQLite que contén a táboa elements.</translation>
    </message>
    <message>
        <source>The database file &quot;%2&quot; of %1 does not exist. Check the path on the data source&apos;s Database line.</source>
        <translation>%1: o ficheiro de base de datos “%2” non existe. Comprobe a ruta na liña Database da orixe de datos.</translation>
    </message>
    <message>
        <source>The file &quot;%2&quot; of %1 is not an SQLite database. Check the path on the data source&apos;s Database line, or make the file again with the sqlite3 shell.</source>
        <translation>%1: o ficheiro “%2” non é unha base de datos SQLite. Comprobe a ruta na liña Database da orixe de datos ou volva crear o ficheiro coa consola de sqlite3.</translation>
    </message>
    <message>
        <source>The database file &quot;%2&quot; of %1 is locked by another program that is changing it. Close that program, or end its transaction, then start Valtora again.</source>
        <translation>%1: o ficheiro de base de datos “%2” está bloqueado por outro programa que o está a modificar. Peche ese programa ou remate a súa transacción e, despois, volva iniciar Valtora.</translation>
    </message>
    <message>
        <source>The server of %1 accepts no more connections: all it allows are in use. Close Valtora on another desk, or ask whoever runs the server to allow more connections or to put a connection pooler in front of it.</source>
        <translation>%1: o servidor non acepta máis conexións: todas as que permite están en uso. Peche Valtora noutro posto ou pídalle a quen administre o servidor que permita máis conexións ou que poña diante del un agrupador de conexións (connection pooler).</translation>
    </message>
    <message>
        <source>The server of %1 refused the login. Check the Username, Password and Database lines of the data source, and that the server lets that role connect from this computer (pg_hba.conf).</source>
        <translation>%1: o servidor rexeitou o inicio de sesión. Comprobe as liñas Username, Password e Database da orixe de datos, e que o servidor lle permita a ese rol conectarse desde este computador (pg_hba.conf).</translation>
    </message>
    <message>
        <source>The server of %1 cannot be reached. Check the Servername and Port lines of the data source, that the server is running, and that this computer can reach it over the network.</source>
        <translation>%1: non se pode acceder ao servidor. Comprobe as liñas Servername e Port da orixe de datos, que o servidor estea en funcionamento e que este computador poida chegar a el pola rede.</translation>
    </message>
    <message>
        <source>The connection to the server of %1 was lost: the server was stopped or restarted, or the network failed. Start Valtora again once the server is back.</source>
        <translation>%1: perdeuse a conexión co servidor: o servidor detívose ou reiniciouse, ou fallou a rede. Volva iniciar Valtora cando o servidor estea dispoñible de novo.</translation>
    </message>
    <message>
        <source>%1 did not answer within %2 seconds. Check that its server is running and not overloaded, and that no other program holds its database locked, then start Valtora again.</source>
        <translation>%1: non houbo resposta en %2 segundos. Comprobe que o servidor estea en funcionamento e non estea sobrecargado, e que ningún outro programa manteña bloqueada a base de datos; despois, volva iniciar Valtora.</translation>
    </message>
    <message>
        <source>The driver said: %1</source>
        <translation>Mensaxe do controlador: %1</translation>
    </message>
    <message>
        <source>The server of %1 is starting up or shutting down, and accepts no connections now. Start Valtora again in a minute; if it keeps saying so, ask whoever runs the server.</source>
        <translation>%1: o servidor está a iniciarse ou a apagarse e agora non acepta conexións. Volva iniciar Valtora dentro dun minuto; se a mensaxe se repite, consulte a quen administre o servidor.</translation>
    </message>
    <message>
        <source>The server of %1 ended the connection on an administrator&apos;s command: someone ended Valtora&apos;s session on the server, or the server was stopped or restarted. Start Valtora again once the server is back.</source>
        <translation>%1: o servidor pechou a conexión por orde dun administrador: alguén rematou a sesión de Valtora no servidor, ou o servidor detívose ou reiniciouse. Volva iniciar Valtora cando o servidor estea dispoñible de novo.</translation>
    </message>
    <message>
        <source>The server of %1 closed the connection because it was idle for longer than the server allows (its setting idle_session_timeout). Ask whoever runs the server to lift that limit for the quiz&apos;s role (alter role quiz set idle_session_timeout = 0), then start Valtora again.</source>
        <translation>%1: o servidor pechou a conexión porque estivo inactiva máis tempo do que o servidor permite (o seu parámetro idle_session_timeout). Pídalle a quen administre o servidor que retire ese límite para o rol do cuestionario (alter role quiz set idle_session_timeout = 0) e volva iniciar Valtora.</translation>
    </message>
    <message>
        <source>A query of Valtora&apos;s on the server of %1 was cancelled on an administrator&apos;s command (pg_cancel_backend, or another program that cancels queries). Start Valtora again.</source>
        <translation>%1: unha consulta de Valtora no servidor cancelouse por orde dun administrador (pg_cancel_backend ou outro programa que cancela consultas). Volva iniciar Valtora.</translation>
    </message>
    <message>
        <source>The connection pooler in front of the server of %1 gave up waiting for a free server connection, after as long as its setting query_wait_timeout allows. Close Valtora on desks that do not need it, or ask whoever runs the pooler for a larger pool (default_pool_size), then start Valtora again.</source>
        <translation type="vanished">%1: o agrupador de conexións situado diante do servidor deixou de agardar por unha conexión libre co servidor despois do tempo que permite o seu parámetro query_wait_timeout. Peche Valtora nos postos que non o necesiten ou pídalle a quen administre o agrupador un grupo máis grande (default_pool_size) e volva iniciar Valtora.</translation>
    </message>
    <message>
        <source>Likely causes: the table elements or one of its columns was changed while the quiz ran, the server ended the connection, or the driver cannot read a value of the table.</source>
        <translation>Causas probables: a táboa elements ou algunha das súas columnas modificouse mentres se xogaba, o servidor pechou a conexión ou o controlador non pode ler un valor da táboa.</translation>
    </message>
    <message>
        <source>Likely causes: this user may not read the file on the data source&apos;s Database line, or the SQLite driver is set up wrongly (&quot;isql -v Elements&quot; shows what it says).</source>
        <translation>Causas probables: este usuario non pode ler o ficheiro da liña Database da orixe de datos ou o controlador de SQLite está mal configurado (“isql -v Elements” mostra o que di).</translation>
    </message>
    <message>
        <source>Likely causes: the server is not running or this computer cannot reach it, the data source&apos;s Servername, Port, Database, Username or Password line does not match the server, or its driver is set up wrongly (&quot;isql -v Elements&quot; shows what it says).</source>
        <translation>Causas probables: o servidor non está en funcionamento ou este computador non pode chegar a el, a liña Servername, Port, Database, Username ou Password da orixe de datos non coincide co servidor ou o controlador está mal configurado (“isql -v Elements” mostra o que di).</translation>
    </message>
    <message>
        <source>The server of %1 gave up waiting for a lock on the table elements, after as long as its setting lock_timeout allows: another program holds the table locked, changing it or in a transaction left open. Ask whoever runs the server to end that program&apos;s transaction, then start Valtora again.</source>
        <translation>%1: o servidor deixou de agardar por un bloqueo sobre a táboa elements despois do tempo que permite o seu parámetro lock_timeout: outro programa mantén bloqueada a táboa, porque a está a modificar ou porque deixou unha transacción aberta. Pídalle a quen administre o servidor que remate a transacción dese programa e volva iniciar Valtora.</translation>
    </message>
    <message>
        <source>The server of %1 does not let the role &quot;%2&quot; read the table elements. Ask whoever runs the server to allow it: grant select on elements to %2;</source>
        <translation>%1: o servidor non lle permite ao rol “%2” ler a táboa elements. Pídalle a quen administre o servidor que llo permita: grant select on elements to %2;</translation>
    </message>
    <message>
        <source>The connection pooler in front of the server of %1 gave up waiting for a server connection, after as long as its setting query_wait_timeout allows. Either every connection of its pool is in use (close Valtora on desks that do not need it, or ask whoever runs the pooler for a larger pool, default_pool_size), or the server behind it cannot be reached (ask whoever runs it to check that it is running). Then start Valtora again.</source>
        <translation>%1: o agrupador de conexións situado diante do servidor deixou de agardar por unha conexión co servidor despois do tempo que permite o seu parámetro query_wait_timeout. Ou ben todas as conexións do seu grupo están en uso (peche Valtora nos postos que non o necesiten ou pídalle a quen administre o agrupador un grupo máis grande, default_pool_size), ou ben non se pode acceder ao servidor que hai detrás (pídalle a quen administre o servidor que comprobe que está en funcionamento). Despois, volva iniciar Valtora.</translation>
    </message>
</context>
<context>
    <name>DesktopEntry</name>
    <message>
        <source>Chemical Elements Quiz</source>
        <extracomment>The kind of program, as menus show it beside its name.</extracomment>
        <translation>Cuestionario sobre os elementos químicos</translation>
    </message>
    <message>
        <source>Drill the symbols and names of the chemical elements</source>
        <extracomment>What the program is for, in a line: menus&apos; tooltips, software centres&apos; summary.</extracomment>
        <translation>Practicar os símbolos e os nomes dos elementos químicos</translation>
    </message>
    <message>
        <source>chemistry;elements;periodic table;symbol;quiz;school;</source>
        <extracomment>Words a desktop&apos;s search finds the program by, each followed by a semicolon.</extracomment>
        <translation>química;elementos;táboa periódica;símbolo;cuestionario;escola;</translation>
    </message>
    <message>
        <source>Valtora is a quiz on the chemical elements. It shows an element&apos;s atomic number, symbol, name and atomic mass with the symbol or the name covered, and you type what is covered.</source>
        <extracomment>Software centres: the description.</extracomment>
        <translation>Valtora é un cuestionario sobre os elementos químicos. Mostra o número atómico, o símbolo, o nome e a masa atómica dun elemento co símbolo ou o nome oculto, e ti escribes o que falta.</translation>
    </message>
    <message>
        <source>Guess the symbol or the name</source>
        <extracomment>Software centres: a feature in the description&apos;s list.</extracomment>
        <translation>Adiviñar o símbolo ou o nome</translation>
    </message>
    <message>
        <source>Draw from the first 36 elements, from those a school course knows, or from all 103</source>
        <extracomment>Software centres: a feature in the description&apos;s list.</extracomment>
        <translation>Sortear entre os 36 primeiros elementos, entre os que se estudan nun curso escolar ou entre os 103</translation>
    </message>
    <message>
        <source>Played by keyboard alone, and read out by screen readers</source>
        <extracomment>Software centres: a feature in the description&apos;s list.</extracomment>
        <translation>Pódese xogar só co teclado, e os lectores de pantalla len todo en voz alta</translation>
    </message>
    <message numerus="yes">
        <source>In %n languages, the element names included</source>
        <extracomment>Software centres: a feature in the description&apos;s list; %n counts English too.</extracomment>
        <translation>
            <numerusform>En %n idioma, incluídos os nomes dos elementos</numerusform>
            <numerusform>En %n idiomas, incluídos os nomes dos elementos</numerusform>
        </translation>
    </message>
    <message>
        <source>Needs no setup; a school can serve its own element table to every desk from one server</source>
        <extracomment>Software centres: a feature in the description&apos;s list.</extracomment>
        <translation>Non precisa configuración; un centro educativo pode servir a súa propia táboa de elementos a todos os postos desde un único servidor</translation>
    </message>
    <message>
        <source>The quiz after one spin, the symbol covered</source>
        <extracomment>Software centres: the caption of the screenshot.</extracomment>
        <translation>O cuestionario despois dun xiro, co símbolo oculto</translation>
    </message>
</context>
<context>
    <name>ElementDatabase</name>
    <message>
        <source>the embedded element table</source>
        <translation>Táboa de elementos integrada</translation>
    </message>
    <message>
        <source>%1: Qt&apos;s ODBC driver (QODBC) is not installed.</source>
        <translation>%1: o controlador ODBC de Qt (QODBC) non está instalado.</translation>
    </message>
    <message>
        <source>%1 cannot be opened.</source>
        <translation>%1: non se pode abrir a orixe de datos.</translation>
    </message>
    <message>
        <source>%1: Qt&apos;s SQLite driver (QSQLITE) is not installed.</source>
        <translation>%1: o controlador SQLite de Qt (QSQLITE) non está instalado.</translation>
    </message>
    <message>
        <source>The query &quot;%1&quot; on %2 failed.</source>
        <translation>%2: fallou a consulta “%1”.</translation>
    </message>
</context>
<context>
    <name>ElementLookup</name>
    <message>
        <source>&quot;%1&quot; is not an atomic number to look up.</source>
        <translation>“%1” non é un número atómico que se poida buscar.</translation>
    </message>
    <message>
        <source>There is no row for atomic number %1 in table %2.</source>
        <translation>Non hai ningunha fila para o número atómico %1 na táboa %2.</translation>
    </message>
    <message>
        <source>The row for atomic number %1 in table %2 has no symbol (%3 is empty): no answer could be judged against it.</source>
        <translation>A fila do número atómico %1 na táboa %2 non ten símbolo (a columna %3 está baleira): non se podería comparar ningunha resposta con ela.</translation>
    </message>
    <message>
        <source>The row for atomic number %1 in table %2 has no name (%3 is empty): no answer could be judged against it.</source>
        <translation>A fila do número atómico %1 na táboa %2 non ten nome (a columna %3 está baleira): non se podería comparar ningunha resposta con ela.</translation>
    </message>
</context>
<context>
    <name>ElementTableCheck</name>
    <message>
        <source> and %1 more</source>
        <translation> e %1 máis</translation>
    </message>
    <message>
        <source>It has the columns %1.</source>
        <translation>A táboa ten as columnas %1.</translation>
    </message>
    <message>
        <source>The table %1 of %2 cannot be used.
%3</source>
        <translation>%2: non se pode usar a táboa %1.
%3</translation>
    </message>
    <message>
        <source>%1 has no table %2.</source>
        <translation>%1: non existe a táboa %2.</translation>
    </message>
    <message>
        <source>Missing columns: %1.</source>
        <translation>Columnas que faltan: %1.</translation>
    </message>
    <message>
        <source>The file was imported twice into the same database: its header row is a row of the table, and every element is there twice. Import it again into a fresh database file (delete the old one first).</source>
        <translation>O ficheiro importouse dúas veces na mesma base de datos: a súa fila de cabeceira é unha fila da táboa e cada elemento aparece dúas veces. Volva importalo nun ficheiro de base de datos novo (elimine antes o antigo).</translation>
    </message>
    <message>
        <source>No row for atomic numbers %1.</source>
        <translation>Non hai fila para os números atómicos %1.</translation>
    </message>
    <message>
        <source>More than one row for atomic numbers %1.</source>
        <translation>Hai máis dunha fila para os números atómicos %1.</translation>
    </message>
    <message>
        <source>Atomic numbers that are not whole numbers: %1.</source>
        <translation>Números atómicos que non son números enteiros: %1.</translation>
    </message>
    <message>
        <source>Rows without an atomic number: %1.</source>
        <translation>Filas sen número atómico: %1.</translation>
    </message>
    <message>
        <source>No symbol for atomic numbers %1.</source>
        <translation>Non hai símbolo para os números atómicos %1.</translation>
    </message>
    <message>
        <source>No name for atomic numbers %1.</source>
        <translation>Non hai nome para os números atómicos %1.</translation>
    </message>
    <message>
        <source>Names that no answer can match, since answers are put in proper case (&quot;Iron&quot;, not &quot;iron&quot; or &quot;IRON&quot;), for atomic numbers %1.</source>
        <translation>Nomes cos que non pode coincidir ningunha resposta, xa que as respostas se escriben con maiúscula inicial (“Ferro”, non “ferro” nin “FERRO”), para os números atómicos %1.</translation>
    </message>
    <message>
        <source>Symbols or names with blanks around them, which no answer can match, for atomic numbers %1.</source>
        <translation>Símbolos ou nomes con espazos ao principio ou ao final, cos que non pode coincidir ningunha resposta, para os números atómicos %1.</translation>
    </message>
    <message>
        <source>see &quot;From a spreadsheet&quot; in the README, installed as %1</source>
        <translation>consulte “From a spreadsheet” no README, instalado como %1</translation>
    </message>
    <message>
        <source>The file was saved with semicolons between its columns, as office programs do where decimals are written with a comma: import it with .separator &quot;;&quot; (%1).</source>
        <translation>O ficheiro gardouse con punto e coma entre as columnas, como fan os programas ofimáticos onde os decimais se escriben con coma: impórteo con .separator &quot;;&quot; (%1).</translation>
    </message>
    <message>
        <source>The file was saved with tabs between its columns: import it with .separator &quot;\t&quot; instead of --csv (%1).</source>
        <translation>O ficheiro gardouse con tabuladores entre as columnas: impórteo con .separator &quot;\t&quot; en lugar de --csv (%1).</translation>
    </message>
    <message>
        <source>Its first row holds the column names: the file has a title row above its header. Import it with --skip 1, or delete the title row (%1).</source>
        <translation>A súa primeira fila contén os nomes das columnas: o ficheiro ten unha fila de título enriba da cabeceira. Impórteo con --skip 1 ou elimine a fila de título (%1).</translation>
    </message>
    <message>
        <source>Reading it failed.</source>
        <translation>Fallou a lectura da táboa.</translation>
    </message>
    <message>
        <source>Atomic numbers with blanks around them, which the lookup&apos;s query does not find: %1.</source>
        <translation>Números atómicos con espazos ao principio ou ao final, que a consulta de busca non atopa: %1.</translation>
    </message>
    <message>
        <source>The file&apos;s header row (%1) is a row of the table: the table was made before the import, which read the header as data. Import the file into a fresh database, or with --skip 1 (%2).</source>
        <translation>A fila de cabeceira do ficheiro (%1) é unha fila da táboa: a táboa creouse antes da importación, que leu a cabeceira como datos. Importe o ficheiro nunha base de datos nova ou con --skip 1 (%2).</translation>
    </message>
    <message>
        <source>Looking an element up by its number fails: AtomicNumber must compare with a bare number, as in &quot;%1&quot;.</source>
        <translation>Buscar un elemento polo seu número falla: AtomicNumber debe poder compararse cun número sen comiñas, como en “%1”.</translation>
    </message>
    <message>
        <source>Symbols or names with invisible characters in them (zero-width spaces or joiners, soft hyphens, direction marks), which no typed answer holds, for atomic numbers %1.</source>
        <translation>Símbolos ou nomes con caracteres invisibles (espazos ou unións de largura cero, guións brandos, marcas de dirección), que ningunha resposta escrita contén, para os números atómicos %1.</translation>
    </message>
    <message>
        <source>Symbols or names with characters that no element&apos;s name has, as a file saved in another character set than UTF-8 leaves them (&quot;?&quot;, &quot;Ã³&quot;, &quot;Å¼&quot;), for atomic numbers %1. Save the sheet again as CSV in the character set &quot;Unicode (UTF-8)&quot;, or convert the file with iconv, and import it again (%2).</source>
        <translation type="vanished">Símbolos ou nomes con caracteres que non ten o nome de ningún elemento, como os que deixa un ficheiro gardado nun xogo de caracteres distinto de UTF-8 (“?”, “Ã³”, “Å¼”), para os números atómicos %1. Garde de novo a folla como CSV co xogo de caracteres “Unicode (UTF-8)” ou converta o ficheiro con iconv, e volva importalo (%2).</translation>
    </message>
    <message>
        <source>The file was saved as UTF-16 (&quot;Unicode text&quot; in office programs), which the import does not read. Convert it with &quot;iconv -f %1 -t UTF-8 elements.csv &gt; elements-utf8.csv&quot; and import elements-utf8.csv, or save the sheet again as CSV in the character set &quot;Unicode (UTF-8)&quot; (%2).</source>
        <translation>O ficheiro gardouse como UTF-16 (“Texto Unicode” nos programas ofimáticos), que a importación non le. Convértao con “iconv -f %1 -t UTF-8 elements.csv &gt; elements-utf8.csv” e importe elements-utf8.csv, ou garde de novo a folla como CSV co xogo de caracteres “Unicode (UTF-8)” (%2).</translation>
    </message>
    <message>
        <source>Names with characters that no element&apos;s name has, garbled because the file was saved in the character set %1 and read as %2, for atomic numbers %3. Read it as %1: in psql, give &quot;\encoding %4&quot; before \copy, or convert it first with &quot;iconv -f %5 -t UTF-8&quot;, and import it again (%6).</source>
        <translation>Nomes con caracteres que non ten o nome de ningún elemento, alterados porque o ficheiro se gardou no xogo de caracteres %1 e se leu como %2, para os números atómicos %3. Léao como %1: en psql, indique “\encoding %4” antes de \copy, ou convértao antes con “iconv -f %5 -t UTF-8”, e volva importalo (%6).</translation>
    </message>
    <message>
        <source>Names with characters that no element&apos;s name has, garbled because the file was saved in the character set %1 and read as %2, for atomic numbers %3. Convert it with &quot;%4 &gt; elements-utf8.csv&quot; and import elements-utf8.csv in its place (%5).</source>
        <translation>Nomes con caracteres que non ten o nome de ningún elemento, alterados porque o ficheiro se gardou no xogo de caracteres %1 e se leu como %2, para os números atómicos %3. Convértao con “%4 &gt; elements-utf8.csv” e importe elements-utf8.csv no seu lugar (%5).</translation>
    </message>
    <message>
        <source>Symbols or names with characters that no element&apos;s name has, such as &quot;?&quot; or the letter pairs (&quot;Ã³&quot;, &quot;Å¼&quot;) that a file saved in another character set than UTF-8 leaves, or with no letter at their start or end (&quot;-&quot;, a lone accent), for atomic numbers %1. Retype those cells, or save the sheet again as CSV in the character set &quot;Unicode (UTF-8)&quot; (or convert the file with iconv) and import it again (%2).</source>
        <translation>Símbolos ou nomes con caracteres que non ten o nome de ningún elemento, como “?” ou os pares de letras (“Ã³”, “Å¼”) que deixa un ficheiro gardado nun xogo de caracteres distinto de UTF-8, ou sen unha letra ao principio ou ao final (“-”, un acento solto), para os números atómicos %1. Volva escribir esas celas, ou garde de novo a folla como CSV co xogo de caracteres “Unicode (UTF-8)” (ou converta o ficheiro con iconv) e volva importalo (%2).</translation>
    </message>
</context>
<context>
    <name>OdbcDataSource</name>
    <message>
        <source>ODBC data source &quot;%1&quot;</source>
        <translation>Orixe de datos ODBC “%1”</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Usage: %1</source>
        <translation>Uso: %1</translation>
    </message>
    <message>
        <source>[options]</source>
        <translation>[opcións]</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Opcións:</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Mostra a axuda sobre as opcións da liña de ordes.</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>Mostra a axuda, incluídas as opcións específicas de Qt.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>Mostra a información da versión.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>Falta un valor despois de “%1”.</translation>
    </message>
</context>
<context>
    <name>QGnomeTheme</name>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
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
        <translation>&amp;Desfacer</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Refacer</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Cor&amp;tar</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Pegar</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Seleccionar todo</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>QUnicodeControlCharacterMenu</name>
    <message>
        <source>Insert Unicode control character</source>
        <translation>Inserir un carácter de control Unicode</translation>
    </message>
</context>
<context>
    <name>SqlScript</name>
    <message>
        <source>The element table&apos;s script is missing from the program.</source>
        <translation>Falta no programa o script da táboa de elementos.</translation>
    </message>
    <message>
        <source>The element table&apos;s script cannot be run: %1</source>
        <translation>Non se pode executar o script da táboa de elementos: %1</translation>
    </message>
    <message>
        <source>The element names in %1 cannot be loaded: %2</source>
        <translation>Non se poden cargar os nomes dos elementos para o idioma “%1”: %2</translation>
    </message>
</context>
<context>
    <name>frmElements</name>
    <message>
        <source>Elements</source>
        <translation>Elementos</translation>
    </message>
    <message>
        <source>Atomic Number</source>
        <translation>N.º atómico</translation>
    </message>
    <message>
        <source>Symbol</source>
        <translation>Símbolo</translation>
    </message>
    <message>
        <source>Element Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Atomic Mass</source>
        <translation>Masa atómica</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Resp.</translation>
    </message>
    <message>
        <source>Created by Orvashel</source>
        <translation>Creado por Orvashel</translation>
    </message>
    <message>
        <source>Spin</source>
        <translation>Xirar</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Comprobar</translation>
    </message>
    <message>
        <source>Step 1</source>
        <translation>Paso 1</translation>
    </message>
    <message>
        <source>Guess the Name</source>
        <translation>Adiviñar nome</translation>
    </message>
    <message>
        <source>Guess the Symbol</source>
        <translation>Adiviñar símbolo</translation>
    </message>
    <message>
        <source>Step 2</source>
        <translation>Paso 2</translation>
    </message>
    <message>
        <source>Elements 1 to 36</source>
        <translation>Elementos 1–36</translation>
    </message>
    <message>
        <source>Elements 1 to 38, 40, 42, 47 - 57, 74, 78 - 80</source>
        <translation>Elementos 1–38, 40, 42, 47–57, 74, 78–80</translation>
    </message>
    <message>
        <source>Elements 1 to 38, 40, 42, 47 - 57, 74, 78 - 89, 92, 94, 95</source>
        <translation>Elementos 1–38, 40, 42, 47–57, 74, 78–89, 92, 94, 95</translation>
    </message>
    <message>
        <source>Elements 1 to 103</source>
        <translation>Elementos 1–103</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Saír</translation>
    </message>
    <message>
        <source>Shortcut: %1</source>
        <translation>Atallo de teclado: %1</translation>
    </message>
</context>
</TS>
