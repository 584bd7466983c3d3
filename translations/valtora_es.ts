<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>AnswerCheck</name>
    <message>
        <source>Your my hero</source>
        <translation>¡Eres mi héroe!</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>Inténtalo de nuevo</translation>
    </message>
</context>
<context>
    <name>ApplicationStart</name>
    <message>
        <source>valtora: no display could be opened. Choose one with DISPLAY (X11) or WAYLAND_DISPLAY (Wayland), or run without one with &quot;-platform offscreen&quot;.</source>
        <translation>valtora: no se pudo abrir ninguna pantalla. Elija una con DISPLAY (X11) o WAYLAND_DISPLAY (Wayland), o ejecute Valtora sin pantalla con &quot;-platform offscreen&quot;.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>A desktop quiz on the chemical elements.</source>
        <translation>Un cuestionario de escritorio sobre los elementos químicos.</translation>
    </message>
    <message>
        <source>valtora: &quot;%1&quot; is not an option or argument of Valtora; &quot;valtora --help&quot; lists them.</source>
        <translation>valtora: &quot;%1&quot; no es una opción ni un argumento de Valtora; &quot;valtora --help&quot; los enumera.</translation>
    </message>
</context>
<context>
    <name>DataControl</name>
    <message>
        <source>The table on %1 has no column %2.</source>
        <translation>La tabla en %1 no tiene la columna %2.</translation>
    </message>
</context>
<context>
    <name>DataSourceFaults</name>
    <message>
        <source>%1 names the ODBC driver &quot;%2&quot;, which is not installed on this computer. Install it, or name an installed driver on the data source&apos;s Driver line: the command &quot;odbcinst -q -d&quot; lists them.</source>
        <translation>El controlador ODBC &quot;%2&quot; que indica %1 no está instalado en este equipo. Instálelo o indique un controlador instalado en la línea Driver del origen de datos: el comando &quot;odbcinst -q -d&quot; muestra los instalados.</translation>
    </message>
    <message>
        <source>%1 names no database file: its Database line is empty. Put the path of the SQLite file that holds the table elements there.</source>
        <translation>En %1 no se indica ningún archivo de base de datos: su línea Database está vacía. Escriba en ella la ruta del archivo SQLite que contiene la tabla elements.</translation>
    </message>
    <message>
        <source>The database file &quot;%2&quot; of %1 does not exist. Check the path on the data source&apos;s Database line.</source>
        <translation>No existe el archivo de base de datos &quot;%2&quot; indicado en %1. Compruebe la ruta en la línea Database del origen de datos.</translation>
    </message>
    <message>
        <source>The file &quot;%2&quot; of %1 is not an SQLite database. Check the path on the data source&apos;s Database line, or make the file again with the sqlite3 shell.</source>
        <translation>El archivo &quot;%2&quot; indicado en %1 no es una base de datos SQLite. Compruebe la ruta en la línea Database del origen de datos o vuelva a crear el archivo con la consola de sqlite3.</translation>
    </message>
    <message>
        <source>The database file &quot;%2&quot; of %1 is locked by another program that is changing it. Close that program, or end its transaction, then start Valtora again.</source>
        <translation>El archivo de base de datos &quot;%2&quot; indicado en %1 está bloqueado por otro programa que lo está modificando. Cierre ese programa o finalice su transacción y, después, vuelva a iniciar Valtora.</translation>
    </message>
    <message>
        <source>The server of %1 accepts no more connections: all it allows are in use. Close Valtora on another desk, or ask whoever runs the server to allow more connections or to put a connection pooler in front of it.</source>
        <translation>El servidor indicado en %1 no acepta más conexiones: todas las que permite están en uso. Cierre Valtora en otro puesto o pida a quien administra el servidor que permita más conexiones o que ponga delante un agrupador de conexiones (connection pooler).</translation>
    </message>
    <message>
        <source>The server of %1 refused the login. Check the Username, Password and Database lines of the data source, and that the server lets that role connect from this computer (pg_hba.conf).</source>
        <translation>El servidor indicado en %1 rechazó el inicio de sesión. Compruebe las líneas Username, Password y Database del origen de datos, y que el servidor permita a ese rol conectarse desde este equipo (pg_hba.conf).</translation>
    </message>
    <message>
        <source>The server of %1 cannot be reached. Check the Servername and Port lines of the data source, that the server is running, and that this computer can reach it over the network.</source>
        <translation>No se puede acceder al servidor indicado en %1. Compruebe las líneas Servername y Port del origen de datos, que el servidor esté en funcionamiento y que este equipo pueda llegar a él por la red.</translation>
    </message>
    <message>
        <source>The connection to the server of %1 was lost: the server was stopped or restarted, or the network failed. Start Valtora again once the server is back.</source>
        <translation>Se perdió la conexión con el servidor indicado en %1: el servidor se detuvo o se reinició, o falló la red. Vuelva a iniciar Valtora cuando el servidor esté disponible de nuevo.</translation>
    </message>
    <message>
        <source>%1 did not answer within %2 seconds. Check that its server is running and not overloaded, and that no other program holds its database locked, then start Valtora again.</source>
        <translation>Se agotó el tiempo de espera: %1 no respondió en %2 segundos. Compruebe que su servidor esté en funcionamiento y no esté sobrecargado, y que ningún otro programa mantenga bloqueada su base de datos; después, vuelva a iniciar Valtora.</translation>
    </message>
    <message>
        <source>The driver said: %1</source>
        <translation>Mensaje del controlador: %1</translation>
    </message>
    <message>
        <source>The server of %1 is starting up or shutting down, and accepts no connections now. Start Valtora again in a minute; if it keeps saying so, ask whoever runs the server.</source>
        <translation>El servidor indicado en %1 se está iniciando o deteniendo y ahora no acepta conexiones. Vuelva a iniciar Valtora dentro de un minuto; si el mensaje se repite, consulte a quien administre el servidor.</translation>
    </message>
    <message>
        <source>The server of %1 ended the connection on an administrator&apos;s command: someone ended Valtora&apos;s session on the server, or the server was stopped or restarted. Start Valtora again once the server is back.</source>
        <translation>El servidor indicado en %1 cerró la conexión por orden de un administrador: alguien terminó la sesión de Valtora en el servidor, o el servidor se detuvo o se reinició. Vuelva a iniciar Valtora cuando el servidor esté disponible de nuevo.</translation>
    </message>
    <message>
        <source>The server of %1 closed the connection because it was idle for longer than the server allows (its setting idle_session_timeout). Ask whoever runs the server to lift that limit for the quiz&apos;s role (alter role quiz set idle_session_timeout = 0), then start Valtora again.</source>
        <translation>El servidor indicado en %1 cerró la conexión porque estuvo inactiva más tiempo del que el servidor permite (su parámetro idle_session_timeout). Pida a quien administre el servidor que quite ese límite para el rol del cuestionario (alter role quiz set idle_session_timeout = 0) y vuelva a iniciar Valtora.</translation>
    </message>
    <message>
        <source>A query of Valtora&apos;s on the server of %1 was cancelled on an administrator&apos;s command (pg_cancel_backend, or another program that cancels queries). Start Valtora again.</source>
        <translation>Una consulta de Valtora en el servidor indicado en %1 se canceló por orden de un administrador (pg_cancel_backend u otro programa que cancela consultas). Vuelva a iniciar Valtora.</translation>
    </message>
    <message>
        <source>The connection pooler in front of the server of %1 gave up waiting for a free server connection, after as long as its setting query_wait_timeout allows. Close Valtora on desks that do not need it, or ask whoever runs the pooler for a larger pool (default_pool_size), then start Valtora again.</source>
        <translation type="vanished">El gestor de grupos de conexiones situado delante del servidor indicado en %1 dejó de esperar una conexión libre con el servidor tras el tiempo que permite su parámetro query_wait_timeout. Cierre Valtora en los puestos que no lo necesiten, o pida a quien lo administre un grupo más grande (default_pool_size), y vuelva a iniciar Valtora.</translation>
    </message>
    <message>
        <source>Likely causes: the table elements or one of its columns was changed while the quiz ran, the server ended the connection, or the driver cannot read a value of the table.</source>
        <translation>Causas probables: la tabla elements o una de sus columnas se modificó mientras se jugaba, el servidor cerró la conexión, o el controlador no puede leer un valor de la tabla.</translation>
    </message>
    <message>
        <source>Likely causes: this user may not read the file on the data source&apos;s Database line, or the SQLite driver is set up wrongly (&quot;isql -v Elements&quot; shows what it says).</source>
        <translation>Causas probables: este usuario no puede leer el archivo de la línea Database del origen de datos, o el controlador de SQLite está mal configurado (&quot;isql -v Elements&quot; muestra lo que dice).</translation>
    </message>
    <message>
        <source>Likely causes: the server is not running or this computer cannot reach it, the data source&apos;s Servername, Port, Database, Username or Password line does not match the server, or its driver is set up wrongly (&quot;isql -v Elements&quot; shows what it says).</source>
        <translation>Causas probables: el servidor no está en marcha o este equipo no puede alcanzarlo, la línea Servername, Port, Database, Username o Password del origen de datos no coincide con el servidor, o su controlador está mal configurado (&quot;isql -v Elements&quot; muestra lo que dice).</translation>
    </message>
    <message>
        <source>The server of %1 gave up waiting for a lock on the table elements, after as long as its setting lock_timeout allows: another program holds the table locked, changing it or in a transaction left open. Ask whoever runs the server to end that program&apos;s transaction, then start Valtora again.</source>
        <translation>El servidor indicado en %1 dejó de esperar un bloqueo sobre la tabla elements tras el tiempo que permite su parámetro lock_timeout: otro programa mantiene bloqueada la tabla, porque la está modificando o porque dejó una transacción abierta. Pida a quien administre el servidor que finalice la transacción de ese programa y vuelva a iniciar Valtora.</translation>
    </message>
    <message>
        <source>The server of %1 does not let the role &quot;%2&quot; read the table elements. Ask whoever runs the server to allow it: grant select on elements to %2;</source>
        <translation>El servidor indicado en %1 no permite al rol &quot;%2&quot; leer la tabla elements. Pida a quien administre el servidor que se lo permita: grant select on elements to %2;</translation>
    </message>
    <message>
        <source>The connection pooler in front of the server of %1 gave up waiting for a server connection, after as long as its setting query_wait_timeout allows. Either every connection of its pool is in use (close Valtora on desks that do not need it, or ask whoever runs the pooler for a larger pool, default_pool_size), or the server behind it cannot be reached (ask whoever runs it to check that it is running). Then start Valtora again.</source>
        <translation>El gestor de grupos de conexiones situado delante del servidor indicado en %1 dejó de esperar una conexión con el servidor tras el tiempo que permite su parámetro query_wait_timeout. O bien todas las conexiones de su grupo están en uso (cierre Valtora en los puestos que no lo necesiten, o pida a quien administre el gestor un grupo más grande, default_pool_size), o bien no se puede acceder al servidor que hay detrás (pida a quien administre el servidor que compruebe que está en funcionamiento). Después, vuelva a iniciar Valtora.</translation>
    </message>
</context>
<context>
    <name>DesktopEntry</name>
    <message>
        <source>Chemical Elements Quiz</source>
        <extracomment>The kind of program, as menus show it beside its name.</extracomment>
        <translation>Cuestionario de elementos químicos</translation>
    </message>
    <message>
        <source>Drill the symbols and names of the chemical elements</source>
        <extracomment>What the program is for, in a line: menus&apos; tooltips, software centres&apos; summary.</extracomment>
        <translation>Practicar los símbolos y los nombres de los elementos químicos</translation>
    </message>
    <message>
        <source>chemistry;elements;periodic table;symbol;quiz;school;</source>
        <extracomment>Words a desktop&apos;s search finds the program by, each followed by a semicolon.</extracomment>
        <translation>química;elementos;tabla periódica;símbolo;cuestionario;escuela;</translation>
    </message>
    <message>
        <source>Valtora is a quiz on the chemical elements. It shows an element&apos;s atomic number, symbol, name and atomic mass with the symbol or the name covered, and you type what is covered.</source>
        <extracomment>Software centres: the description.</extracomment>
        <translation>Valtora es un cuestionario sobre los elementos químicos. Muestra el número atómico, el símbolo, el nombre y la masa atómica de un elemento con el símbolo o el nombre tapado, y tú escribes lo que está tapado.</translation>
    </message>
    <message>
        <source>Guess the symbol or the name</source>
        <extracomment>Software centres: a feature in the description&apos;s list.</extracomment>
        <translation>Adivinar el símbolo o el nombre</translation>
    </message>
    <message>
        <source>Draw from the first 36 elements, from those a school course knows, or from all 103</source>
        <extracomment>Software centres: a feature in the description&apos;s list.</extracomment>
        <translation>Elegir entre los 36 primeros elementos, los de un curso escolar o los 103</translation>
    </message>
    <message>
        <source>Played by keyboard alone, and read out by screen readers</source>
        <extracomment>Software centres: a feature in the description&apos;s list.</extracomment>
        <translation>Se juega solo con el teclado y los lectores de pantalla lo leen en voz alta</translation>
    </message>
    <message numerus="yes">
        <source>In %n languages, the element names included</source>
        <extracomment>Software centres: a feature in the description&apos;s list; %n counts English too.</extracomment>
        <translation>
            <numerusform>En %n idioma, incluidos los nombres de los elementos</numerusform>
            <numerusform>En %n idiomas, incluidos los nombres de los elementos</numerusform>
        </translation>
    </message>
    <message>
        <source>Needs no setup; a school can serve its own element table to every desk from one server</source>
        <extracomment>Software centres: a feature in the description&apos;s list.</extracomment>
        <translation>No necesita configuración; una escuela puede servir su propia tabla de elementos a cada puesto desde un servidor</translation>
    </message>
    <message>
        <source>The quiz after one spin, the symbol covered</source>
        <extracomment>Software centres: the caption of the screenshot.</extracomment>
        <translation>El cuestionario tras un giro, con el símbolo tapado</translation>
    </message>
</context>
<context>
    <name>ElementDatabase</name>
    <message>
        <source>the embedded element table</source>
        <translation>la tabla de elementos integrada</translation>
    </message>
    <message>
        <source>%1: Qt&apos;s ODBC driver (QODBC) is not installed.</source>
        <translation>El controlador ODBC de Qt (QODBC), necesario para %1, no está instalado.</translation>
    </message>
    <message>
        <source>%1 cannot be opened.</source>
        <translation>No se puede abrir %1.</translation>
    </message>
    <message>
        <source>%1: Qt&apos;s SQLite driver (QSQLITE) is not installed.</source>
        <translation>El controlador SQLite de Qt (QSQLITE), necesario para %1, no está instalado.</translation>
    </message>
    <message>
        <source>The query &quot;%1&quot; on %2 failed.</source>
        <translation>Falló la consulta &quot;%1&quot; en %2.</translation>
    </message>
</context>
<context>
    <name>ElementLookup</name>
    <message>
        <source>&quot;%1&quot; is not an atomic number to look up.</source>
        <translation>&quot;%1&quot; no es un número atómico que se pueda buscar.</translation>
    </message>
    <message>
        <source>There is no row for atomic number %1 in table %2.</source>
        <translation>No hay ninguna fila para el número atómico %1 en la tabla %2.</translation>
    </message>
    <message>
        <source>The row for atomic number %1 in table %2 has no symbol (%3 is empty): no answer could be judged against it.</source>
        <translation>La fila del número atómico %1 en la tabla %2 no tiene símbolo (la columna %3 está vacía): no se podría comparar ninguna respuesta con ella.</translation>
    </message>
    <message>
        <source>The row for atomic number %1 in table %2 has no name (%3 is empty): no answer could be judged against it.</source>
        <translation>La fila del número atómico %1 en la tabla %2 no tiene nombre (la columna %3 está vacía): no se podría comparar ninguna respuesta con ella.</translation>
    </message>
</context>
<context>
    <name>ElementTableCheck</name>
    <message>
        <source> and %1 more</source>
        <translation> y %1 más</translation>
    </message>
    <message>
        <source>It has the columns %1.</source>
        <translation>La tabla tiene las columnas %1.</translation>
    </message>
    <message>
        <source>The table %1 of %2 cannot be used.
%3</source>
        <translation>No se puede usar la tabla %1 en %2.
%3</translation>
    </message>
    <message>
        <source>%1 has no table %2.</source>
        <translation>No existe la tabla %2 en %1.</translation>
    </message>
    <message>
        <source>Missing columns: %1.</source>
        <translation>Columnas que faltan: %1.</translation>
    </message>
    <message>
        <source>The file was imported twice into the same database: its header row is a row of the table, and every element is there twice. Import it again into a fresh database file (delete the old one first).</source>
        <translation>El archivo se importó dos veces en la misma base de datos: su fila de encabezado es una fila de la tabla y cada elemento aparece dos veces. Vuelva a importarlo en un archivo de base de datos nuevo (elimine antes el antiguo).</translation>
    </message>
    <message>
        <source>No row for atomic numbers %1.</source>
        <translation>No hay fila para los números atómicos %1.</translation>
    </message>
    <message>
        <source>More than one row for atomic numbers %1.</source>
        <translation>Hay más de una fila para los números atómicos %1.</translation>
    </message>
    <message>
        <source>Atomic numbers that are not whole numbers: %1.</source>
        <translation>Números atómicos que no son números enteros: %1.</translation>
    </message>
    <message>
        <source>Rows without an atomic number: %1.</source>
        <translation>Filas sin número atómico: %1.</translation>
    </message>
    <message>
        <source>No symbol for atomic numbers %1.</source>
        <translation>No hay símbolo para los números atómicos %1.</translation>
    </message>
    <message>
        <source>No name for atomic numbers %1.</source>
        <translation>No hay nombre para los números atómicos %1.</translation>
    </message>
    <message>
        <source>Names that no answer can match, since answers are put in proper case (&quot;Iron&quot;, not &quot;iron&quot; or &quot;IRON&quot;), for atomic numbers %1.</source>
        <translation>Nombres con los que no puede coincidir ninguna respuesta, ya que las respuestas se convierten a mayúscula inicial (&quot;Hierro&quot;, no &quot;hierro&quot; ni &quot;HIERRO&quot;), para los números atómicos %1.</translation>
    </message>
    <message>
        <source>Symbols or names with blanks around them, which no answer can match, for atomic numbers %1.</source>
        <translation>Símbolos o nombres con espacios al principio o al final, con los que no puede coincidir ninguna respuesta, para los números atómicos %1.</translation>
    </message>
    <message>
        <source>see &quot;From a spreadsheet&quot; in the README, installed as %1</source>
        <translation>consulte &quot;From a spreadsheet&quot; en el README, instalado como %1</translation>
    </message>
    <message>
        <source>The file was saved with semicolons between its columns, as office programs do where decimals are written with a comma: import it with .separator &quot;;&quot; (%1).</source>
        <translation>El archivo se guardó con punto y coma entre sus columnas, como hacen los programas de oficina donde los decimales se escriben con coma: impórtelo con .separator &quot;;&quot; (%1).</translation>
    </message>
    <message>
        <source>The file was saved with tabs between its columns: import it with .separator &quot;\t&quot; instead of --csv (%1).</source>
        <translation>El archivo se guardó con tabuladores entre sus columnas: impórtelo con .separator &quot;\t&quot; en lugar de --csv (%1).</translation>
    </message>
    <message>
        <source>Its first row holds the column names: the file has a title row above its header. Import it with --skip 1, or delete the title row (%1).</source>
        <translation>Su primera fila contiene los nombres de las columnas: el archivo tiene una fila de título encima de su encabezado. Impórtelo con --skip 1 o elimine la fila de título (%1).</translation>
    </message>
    <message>
        <source>Reading it failed.</source>
        <translation>La lectura de la tabla falló.</translation>
    </message>
    <message>
        <source>Atomic numbers with blanks around them, which the lookup&apos;s query does not find: %1.</source>
        <translation>Números atómicos con espacios alrededor, que la consulta de búsqueda no encuentra: %1.</translation>
    </message>
    <message>
        <source>The file&apos;s header row (%1) is a row of the table: the table was made before the import, which read the header as data. Import the file into a fresh database, or with --skip 1 (%2).</source>
        <translation>La fila de encabezado del archivo (%1) es una fila de la tabla: la tabla se creó antes de la importación, que leyó el encabezado como datos. Importe el archivo en una base de datos nueva, o con --skip 1 (%2).</translation>
    </message>
    <message>
        <source>Looking an element up by its number fails: AtomicNumber must compare with a bare number, as in &quot;%1&quot;.</source>
        <translation>Buscar un elemento por su número falla: AtomicNumber debe poder compararse con un número sin más, como en &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Symbols or names with invisible characters in them (zero-width spaces or joiners, soft hyphens, direction marks), which no typed answer holds, for atomic numbers %1.</source>
        <translation>Símbolos o nombres con caracteres invisibles (espacios o uniones de ancho cero, guiones discrecionales, marcas de dirección), que ninguna respuesta escrita contiene, para los números atómicos %1.</translation>
    </message>
    <message>
        <source>Symbols or names with characters that no element&apos;s name has, as a file saved in another character set than UTF-8 leaves them (&quot;?&quot;, &quot;Ã³&quot;, &quot;Å¼&quot;), for atomic numbers %1. Save the sheet again as CSV in the character set &quot;Unicode (UTF-8)&quot;, or convert the file with iconv, and import it again (%2).</source>
        <translation type="vanished">Símbolos o nombres con caracteres que no tiene el nombre de ningún elemento, como los que deja un archivo guardado en otro juego de caracteres que UTF-8 (&quot;?&quot;, &quot;Ã³&quot;, &quot;Å¼&quot;), para los números atómicos %1. Guarde de nuevo la hoja como CSV con el juego de caracteres &quot;Unicode (UTF-8)&quot;, o convierta el archivo con iconv, y vuelva a importarlo (%2).</translation>
    </message>
    <message>
        <source>The file was saved as UTF-16 (&quot;Unicode text&quot; in office programs), which the import does not read. Convert it with &quot;iconv -f %1 -t UTF-8 elements.csv &gt; elements-utf8.csv&quot; and import elements-utf8.csv, or save the sheet again as CSV in the character set &quot;Unicode (UTF-8)&quot; (%2).</source>
        <translation>El archivo se guardó como UTF-16 (&quot;Texto Unicode&quot; en los programas de oficina), que la importación no lee. Conviértalo con &quot;iconv -f %1 -t UTF-8 elements.csv &gt; elements-utf8.csv&quot; e importe elements-utf8.csv, o guarde de nuevo la hoja como CSV con el juego de caracteres &quot;Unicode (UTF-8)&quot; (%2).</translation>
    </message>
    <message>
        <source>Names with characters that no element&apos;s name has, garbled because the file was saved in the character set %1 and read as %2, for atomic numbers %3. Read it as %1: in psql, give &quot;\encoding %4&quot; before \copy, or convert it first with &quot;iconv -f %5 -t UTF-8&quot;, and import it again (%6).</source>
        <translation>Nombres con caracteres que no tiene el nombre de ningún elemento, alterados porque el archivo se guardó en el juego de caracteres %1 y se leyó como %2, para los números atómicos %3. Léalo como %1: en psql, indique &quot;\encoding %4&quot; antes de \copy, o conviértalo antes con &quot;iconv -f %5 -t UTF-8&quot;, y vuelva a importarlo (%6).</translation>
    </message>
    <message>
        <source>Names with characters that no element&apos;s name has, garbled because the file was saved in the character set %1 and read as %2, for atomic numbers %3. Convert it with &quot;%4 &gt; elements-utf8.csv&quot; and import elements-utf8.csv in its place (%5).</source>
        <translation>Nombres con caracteres que no tiene el nombre de ningún elemento, alterados porque el archivo se guardó en el juego de caracteres %1 y se leyó como %2, para los números atómicos %3. Conviértalo con &quot;%4 &gt; elements-utf8.csv&quot; e importe elements-utf8.csv en su lugar (%5).</translation>
    </message>
    <message>
        <source>Symbols or names with characters that no element&apos;s name has, such as &quot;?&quot; or the letter pairs (&quot;Ã³&quot;, &quot;Å¼&quot;) that a file saved in another character set than UTF-8 leaves, or with no letter at their start or end (&quot;-&quot;, a lone accent), for atomic numbers %1. Retype those cells, or save the sheet again as CSV in the character set &quot;Unicode (UTF-8)&quot; (or convert the file with iconv) and import it again (%2).</source>
        <translation>Símbolos o nombres con caracteres que no tiene el nombre de ningún elemento, como &quot;?&quot; o los pares de letras (&quot;Ã³&quot;, &quot;Å¼&quot;) que deja un archivo guardado en otro juego de caracteres que UTF-8, o sin una letra al principio o al final (&quot;-&quot;, un acento suelto), para los números atómicos %1. Vuelva a escribir esas celdas, o guarde de nuevo la hoja como CSV con el juego de caracteres &quot;Unicode (UTF-8)&quot; (o convierta el archivo con iconv) y vuelva a importarlo (%2).</translation>
    </message>
</context>
<context>
    <name>OdbcDataSource</name>
    <message>
        <source>ODBC data source &quot;%1&quot;</source>
        <translation>el origen de datos ODBC &quot;%1&quot;</translation>
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
        <translation>Falta en el programa el script de la tabla de elementos.</translation>
    </message>
    <message>
        <source>The element table&apos;s script cannot be run: %1</source>
        <translation>No se puede ejecutar el script de la tabla de elementos: %1</translation>
    </message>
    <message>
        <source>The element names in %1 cannot be loaded: %2</source>
        <translation>No se pueden cargar los nombres de los elementos para el idioma %1: %2</translation>
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
        <translation>Nombre</translation>
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
        <translation>Girar</translation>
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
        <translation>Adivinar nombre</translation>
    </message>
    <message>
        <source>Guess the Symbol</source>
        <translation>Adivinar símbolo</translation>
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
        <translation>Salir</translation>
    </message>
    <message>
        <source>Shortcut: %1</source>
        <translation>Atajo de teclado: %1</translation>
    </message>
</context>
</TS>
