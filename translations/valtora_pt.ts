<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt" sourcelanguage="en">
<context>
    <name>AnswerCheck</name>
    <message>
        <source>Your my hero</source>
        <translation>Boa! Acertaste em cheio!</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>Tenta outra vez</translation>
    </message>
</context>
<context>
    <name>ApplicationStart</name>
    <message>
        <source>valtora: no display could be opened. Choose one with DISPLAY (X11) or WAYLAND_DISPLAY (Wayland), or run without one with &quot;-platform offscreen&quot;.</source>
        <translation>valtora: não foi possível abrir nenhum ecrã. Escolha um com DISPLAY (X11) ou WAYLAND_DISPLAY (Wayland), ou execute o Valtora sem ecrã com «-platform offscreen».</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>A desktop quiz on the chemical elements.</source>
        <translation>Um quiz para computador sobre os elementos químicos.</translation>
    </message>
    <message>
        <source>valtora: &quot;%1&quot; is not an option or argument of Valtora; &quot;valtora --help&quot; lists them.</source>
        <translation>valtora: «%1» não é uma opção nem um argumento do Valtora; «valtora --help» lista-os.</translation>
    </message>
</context>
<context>
    <name>DataControl</name>
    <message>
        <source>The table on %1 has no column %2.</source>
        <translation>A tabela da %1 não tem a coluna %2.</translation>
    </message>
</context>
<context>
    <name>DataSourceFaults</name>
    <message>
        <source>%1 names the ODBC driver &quot;%2&quot;, which is not installed on this computer. Install it, or name an installed driver on the data source&apos;s Driver line: the command &quot;odbcinst -q -d&quot; lists them.</source>
        <translation>A %1 indica o controlador ODBC «%2», que não está instalado neste computador. Instale-o ou indique um controlador instalado na linha Driver da fonte de dados: o comando «odbcinst -q -d» lista os controladores instalados.</translation>
    </message>
    <message>
        <source>%1 names no database file: its Database line is empty. Put the path of the SQLite file that holds the table elements there.</source>
        <translation>A %1 não indica nenhum ficheiro de base de dados: a linha Database está vazia. Indique nessa linha o caminho do ficheiro SQLite que contém a tabela elements.</translation>
    </message>
    <message>
        <source>The database file &quot;%2&quot; of %1 does not exist. Check the path on the data source&apos;s Database line.</source>
        <translation>O ficheiro de base de dados «%2» da %1 não existe. Verifique o caminho na linha Database da fonte de dados.</translation>
    </message>
    <message>
        <source>The file &quot;%2&quot; of %1 is not an SQLite database. Check the path on the data source&apos;s Database line, or make the file again with the sqlite3 shell.</source>
        <translation>O ficheiro «%2» da %1 não é uma base de dados SQLite. Verifique o caminho na linha Database da fonte de dados ou crie novamente o ficheiro com a shell do sqlite3.</translation>
    </message>
    <message>
        <source>The database file &quot;%2&quot; of %1 is locked by another program that is changing it. Close that program, or end its transaction, then start Valtora again.</source>
        <translation>O ficheiro de base de dados «%2» da %1 está bloqueado por outro programa que o está a alterar. Feche esse programa ou termine a respetiva transação e, em seguida, inicie novamente o Valtora.</translation>
    </message>
    <message>
        <source>The server of %1 accepts no more connections: all it allows are in use. Close Valtora on another desk, or ask whoever runs the server to allow more connections or to put a connection pooler in front of it.</source>
        <translation>O servidor da %1 não aceita mais ligações: todas as que permite estão em uso. Feche o Valtora noutro posto de trabalho ou peça ao responsável pelo servidor que permita mais ligações ou que coloque à frente do servidor um gestor de pool de ligações (connection pooler).</translation>
    </message>
    <message>
        <source>The server of %1 refused the login. Check the Username, Password and Database lines of the data source, and that the server lets that role connect from this computer (pg_hba.conf).</source>
        <translation>O servidor da %1 recusou o início de sessão. Verifique as linhas Username, Password e Database da fonte de dados e se o servidor permite que esse utilizador se ligue a partir deste computador (pg_hba.conf).</translation>
    </message>
    <message>
        <source>The server of %1 cannot be reached. Check the Servername and Port lines of the data source, that the server is running, and that this computer can reach it over the network.</source>
        <translation>Não é possível contactar o servidor da %1. Verifique as linhas Servername e Port da fonte de dados, se o servidor está em execução e se este computador o consegue alcançar através da rede.</translation>
    </message>
    <message>
        <source>The connection to the server of %1 was lost: the server was stopped or restarted, or the network failed. Start Valtora again once the server is back.</source>
        <translation>Perdeu-se a ligação ao servidor da %1: o servidor foi parado ou reiniciado, ou a rede falhou. Inicie novamente o Valtora quando o servidor voltar a estar disponível.</translation>
    </message>
    <message>
        <source>%1 did not answer within %2 seconds. Check that its server is running and not overloaded, and that no other program holds its database locked, then start Valtora again.</source>
        <translation>A %1 não respondeu em %2 segundos. Verifique se o respetivo servidor está em execução e não está sobrecarregado e se nenhum outro programa mantém a base de dados bloqueada; em seguida, inicie novamente o Valtora.</translation>
    </message>
    <message>
        <source>The driver said: %1</source>
        <translation>Mensagem do controlador: %1</translation>
    </message>
    <message>
        <source>The server of %1 is starting up or shutting down, and accepts no connections now. Start Valtora again in a minute; if it keeps saying so, ask whoever runs the server.</source>
        <translation>O servidor da %1 está a arrancar ou a encerrar e, de momento, não aceita ligações. Inicie novamente o Valtora daqui a um minuto; se a mensagem se repetir, contacte o responsável pelo servidor.</translation>
    </message>
    <message>
        <source>The server of %1 ended the connection on an administrator&apos;s command: someone ended Valtora&apos;s session on the server, or the server was stopped or restarted. Start Valtora again once the server is back.</source>
        <translation>O servidor da %1 terminou a ligação por ordem de um administrador: alguém terminou a sessão do Valtora no servidor, ou o servidor foi parado ou reiniciado. Inicie novamente o Valtora quando o servidor voltar a estar disponível.</translation>
    </message>
    <message>
        <source>The server of %1 closed the connection because it was idle for longer than the server allows (its setting idle_session_timeout). Ask whoever runs the server to lift that limit for the quiz&apos;s role (alter role quiz set idle_session_timeout = 0), then start Valtora again.</source>
        <translation>O servidor da %1 fechou a ligação porque esta esteve inativa durante mais tempo do que o servidor permite (definição idle_session_timeout). Peça ao responsável pelo servidor que retire esse limite para o utilizador do quiz (alter role quiz set idle_session_timeout = 0) e, em seguida, inicie novamente o Valtora.</translation>
    </message>
    <message>
        <source>A query of Valtora&apos;s on the server of %1 was cancelled on an administrator&apos;s command (pg_cancel_backend, or another program that cancels queries). Start Valtora again.</source>
        <translation>Uma consulta do Valtora no servidor da %1 foi cancelada por ordem de um administrador (pg_cancel_backend ou outro programa que cancela consultas). Inicie novamente o Valtora.</translation>
    </message>
    <message>
        <source>The connection pooler in front of the server of %1 gave up waiting for a free server connection, after as long as its setting query_wait_timeout allows. Close Valtora on desks that do not need it, or ask whoever runs the pooler for a larger pool (default_pool_size), then start Valtora again.</source>
        <translation type="vanished">O gestor de pool de ligações à frente do servidor da %1 desistiu de esperar por uma ligação livre ao servidor, depois de esperar o máximo que a definição query_wait_timeout permite. Feche o Valtora nos postos de trabalho que não precisam dele ou peça ao responsável pelo gestor de pool um pool maior (default_pool_size) e, em seguida, inicie novamente o Valtora.</translation>
    </message>
    <message>
        <source>Likely causes: the table elements or one of its columns was changed while the quiz ran, the server ended the connection, or the driver cannot read a value of the table.</source>
        <translation>Causas prováveis: a tabela elements ou uma das suas colunas foi alterada enquanto o quiz decorria, o servidor terminou a ligação ou o controlador não consegue ler um valor da tabela.</translation>
    </message>
    <message>
        <source>Likely causes: this user may not read the file on the data source&apos;s Database line, or the SQLite driver is set up wrongly (&quot;isql -v Elements&quot; shows what it says).</source>
        <translation>Causas prováveis: este utilizador não tem permissão para ler o ficheiro indicado na linha Database da fonte de dados, ou o controlador SQLite está mal configurado (o comando «isql -v Elements» mostra o que o controlador indica).</translation>
    </message>
    <message>
        <source>Likely causes: the server is not running or this computer cannot reach it, the data source&apos;s Servername, Port, Database, Username or Password line does not match the server, or its driver is set up wrongly (&quot;isql -v Elements&quot; shows what it says).</source>
        <translation>Causas prováveis: o servidor não está em execução ou este computador não o consegue alcançar, as linhas Servername, Port, Database, Username ou Password da fonte de dados não correspondem ao servidor, ou o controlador está mal configurado (o comando «isql -v Elements» mostra o que o controlador indica).</translation>
    </message>
    <message>
        <source>The server of %1 gave up waiting for a lock on the table elements, after as long as its setting lock_timeout allows: another program holds the table locked, changing it or in a transaction left open. Ask whoever runs the server to end that program&apos;s transaction, then start Valtora again.</source>
        <translation>O servidor da %1 desistiu de esperar por um bloqueio na tabela elements, depois de esperar o máximo que a definição lock_timeout permite: outro programa mantém a tabela bloqueada, porque a está a alterar ou porque deixou uma transação aberta. Peça ao responsável pelo servidor que termine a transação desse programa e, em seguida, inicie novamente o Valtora.</translation>
    </message>
    <message>
        <source>The server of %1 does not let the role &quot;%2&quot; read the table elements. Ask whoever runs the server to allow it: grant select on elements to %2;</source>
        <translation>O servidor da %1 não permite que o utilizador «%2» leia a tabela elements. Peça ao responsável pelo servidor que o permita: grant select on elements to %2;</translation>
    </message>
    <message>
        <source>The connection pooler in front of the server of %1 gave up waiting for a server connection, after as long as its setting query_wait_timeout allows. Either every connection of its pool is in use (close Valtora on desks that do not need it, or ask whoever runs the pooler for a larger pool, default_pool_size), or the server behind it cannot be reached (ask whoever runs it to check that it is running). Then start Valtora again.</source>
        <translation>O gestor de pool de ligações à frente do servidor da %1 desistiu de esperar por uma ligação ao servidor, depois de esperar o máximo que a definição query_wait_timeout permite. Ou todas as ligações do respetivo pool estão em uso (feche o Valtora nos postos de trabalho que não precisam dele ou peça ao responsável pelo gestor de pool um pool maior, default_pool_size), ou não é possível contactar o servidor que está por trás dele (peça ao responsável pelo servidor que verifique se está em execução). Em seguida, inicie novamente o Valtora.</translation>
    </message>
</context>
<context>
    <name>DesktopEntry</name>
    <message>
        <source>Chemical Elements Quiz</source>
        <extracomment>The kind of program, as menus show it beside its name.</extracomment>
        <translation>Quiz sobre os elementos químicos</translation>
    </message>
    <message>
        <source>Drill the symbols and names of the chemical elements</source>
        <extracomment>What the program is for, in a line: menus&apos; tooltips, software centres&apos; summary.</extracomment>
        <translation>Praticar os símbolos e os nomes dos elementos químicos</translation>
    </message>
    <message>
        <source>chemistry;elements;periodic table;symbol;quiz;school;</source>
        <extracomment>Words a desktop&apos;s search finds the program by, each followed by a semicolon.</extracomment>
        <translation>química;elementos;tabela periódica;símbolo;quiz;escola;</translation>
    </message>
    <message>
        <source>Valtora is a quiz on the chemical elements. It shows an element&apos;s atomic number, symbol, name and atomic mass with the symbol or the name covered, and you type what is covered.</source>
        <extracomment>Software centres: the description.</extracomment>
        <translation>O Valtora é um quiz sobre os elementos químicos. Mostra o número atómico, o símbolo, o nome e a massa atómica de um elemento com o símbolo ou o nome tapado, e tu escreves o que está tapado.</translation>
    </message>
    <message>
        <source>Guess the symbol or the name</source>
        <extracomment>Software centres: a feature in the description&apos;s list.</extracomment>
        <translation>Adivinhar o símbolo ou o nome</translation>
    </message>
    <message>
        <source>Draw from the first 36 elements, from those a school course knows, or from all 103</source>
        <extracomment>Software centres: a feature in the description&apos;s list.</extracomment>
        <translation>Sortear entre os 36 primeiros elementos, os do programa escolar ou todos os 103</translation>
    </message>
    <message>
        <source>Played by keyboard alone, and read out by screen readers</source>
        <extracomment>Software centres: a feature in the description&apos;s list.</extracomment>
        <translation>Joga-se só com o teclado e é lido pelos leitores de ecrã</translation>
    </message>
    <message numerus="yes">
        <source>In %n languages, the element names included</source>
        <extracomment>Software centres: a feature in the description&apos;s list; %n counts English too.</extracomment>
        <translation>
            <numerusform>Em %n língua, incluindo os nomes dos elementos</numerusform>
            <numerusform>Em %n línguas, incluindo os nomes dos elementos</numerusform>
        </translation>
    </message>
    <message>
        <source>Needs no setup; a school can serve its own element table to every desk from one server</source>
        <extracomment>Software centres: a feature in the description&apos;s list.</extracomment>
        <translation>Não precisa de configuração; uma escola pode servir a sua própria tabela de elementos a cada posto de trabalho a partir de um servidor</translation>
    </message>
    <message>
        <source>The quiz after one spin, the symbol covered</source>
        <extracomment>Software centres: the caption of the screenshot.</extracomment>
        <translation>O quiz depois de um sorteio, com o símbolo tapado</translation>
    </message>
</context>
<context>
    <name>ElementDatabase</name>
    <message>
        <source>the embedded element table</source>
        <translation>tabela de elementos incorporada</translation>
    </message>
    <message>
        <source>%1: Qt&apos;s ODBC driver (QODBC) is not installed.</source>
        <translation>O controlador ODBC do Qt (QODBC), necessário para a %1, não está instalado.</translation>
    </message>
    <message>
        <source>%1 cannot be opened.</source>
        <translation>Não é possível abrir a %1.</translation>
    </message>
    <message>
        <source>%1: Qt&apos;s SQLite driver (QSQLITE) is not installed.</source>
        <translation>O controlador SQLite do Qt (QSQLITE), necessário para a %1, não está instalado.</translation>
    </message>
    <message>
        <source>The query &quot;%1&quot; on %2 failed.</source>
        <translation>A consulta «%1» à %2 falhou.</translation>
    </message>
</context>
<context>
    <name>ElementLookup</name>
    <message>
        <source>&quot;%1&quot; is not an atomic number to look up.</source>
        <translation>«%1» não é um número atómico que possa ser procurado.</translation>
    </message>
    <message>
        <source>There is no row for atomic number %1 in table %2.</source>
        <translation>Não existe nenhuma linha para o número atómico %1 na tabela %2.</translation>
    </message>
    <message>
        <source>The row for atomic number %1 in table %2 has no symbol (%3 is empty): no answer could be judged against it.</source>
        <translation>A linha do número atómico %1 na tabela %2 não tem símbolo (%3 está vazio): nenhuma resposta poderia ser comparada com ela.</translation>
    </message>
    <message>
        <source>The row for atomic number %1 in table %2 has no name (%3 is empty): no answer could be judged against it.</source>
        <translation>A linha do número atómico %1 na tabela %2 não tem nome (%3 está vazio): nenhuma resposta poderia ser comparada com ela.</translation>
    </message>
</context>
<context>
    <name>ElementTableCheck</name>
    <message>
        <source> and %1 more</source>
        <translation> e mais %1</translation>
    </message>
    <message>
        <source>It has the columns %1.</source>
        <translation>A tabela tem as colunas %1.</translation>
    </message>
    <message>
        <source>The table %1 of %2 cannot be used.
%3</source>
        <translation>Não é possível utilizar a tabela %1 da %2.
%3</translation>
    </message>
    <message>
        <source>%1 has no table %2.</source>
        <translation>A %1 não tem a tabela %2.</translation>
    </message>
    <message>
        <source>Missing columns: %1.</source>
        <translation>Colunas em falta: %1.</translation>
    </message>
    <message>
        <source>The file was imported twice into the same database: its header row is a row of the table, and every element is there twice. Import it again into a fresh database file (delete the old one first).</source>
        <translation>O ficheiro foi importado duas vezes para a mesma base de dados: a linha de cabeçalho passou a ser uma linha da tabela e cada elemento aparece duas vezes. Importe-o novamente para um ficheiro de base de dados novo (elimine primeiro o antigo).</translation>
    </message>
    <message>
        <source>No row for atomic numbers %1.</source>
        <translation>Nenhuma linha para os números atómicos %1.</translation>
    </message>
    <message>
        <source>More than one row for atomic numbers %1.</source>
        <translation>Mais de uma linha para os números atómicos %1.</translation>
    </message>
    <message>
        <source>Atomic numbers that are not whole numbers: %1.</source>
        <translation>Números atómicos que não são números inteiros: %1.</translation>
    </message>
    <message>
        <source>Rows without an atomic number: %1.</source>
        <translation>Linhas sem número atómico: %1.</translation>
    </message>
    <message>
        <source>No symbol for atomic numbers %1.</source>
        <translation>Sem símbolo para os números atómicos %1.</translation>
    </message>
    <message>
        <source>No name for atomic numbers %1.</source>
        <translation>Sem nome para os números atómicos %1.</translation>
    </message>
    <message>
        <source>Names that no answer can match, since answers are put in proper case (&quot;Iron&quot;, not &quot;iron&quot; or &quot;IRON&quot;), for atomic numbers %1.</source>
        <translation>Nomes com os quais nenhuma resposta pode coincidir, porque as respostas são escritas com inicial maiúscula («Ferro», e não «ferro» nem «FERRO»), para os números atómicos %1.</translation>
    </message>
    <message>
        <source>Symbols or names with blanks around them, which no answer can match, for atomic numbers %1.</source>
        <translation>Símbolos ou nomes com espaços antes ou depois, com os quais nenhuma resposta pode coincidir, para os números atómicos %1.</translation>
    </message>
    <message>
        <source>see &quot;From a spreadsheet&quot; in the README, installed as %1</source>
        <translation>consulte «From a spreadsheet» no README, instalado como %1</translation>
    </message>
    <message>
        <source>The file was saved with semicolons between its columns, as office programs do where decimals are written with a comma: import it with .separator &quot;;&quot; (%1).</source>
        <translation>O ficheiro foi guardado com pontos e vírgulas entre as colunas, como fazem os programas de escritório onde as casas decimais se escrevem com vírgula: importe-o com .separator &quot;;&quot; (%1).</translation>
    </message>
    <message>
        <source>The file was saved with tabs between its columns: import it with .separator &quot;\t&quot; instead of --csv (%1).</source>
        <translation>O ficheiro foi guardado com tabulações entre as colunas: importe-o com .separator &quot;\t&quot; em vez de --csv (%1).</translation>
    </message>
    <message>
        <source>Its first row holds the column names: the file has a title row above its header. Import it with --skip 1, or delete the title row (%1).</source>
        <translation>A primeira linha da tabela contém os nomes das colunas: o ficheiro tem uma linha de título por cima do cabeçalho. Importe-o com --skip 1 ou elimine a linha de título (%1).</translation>
    </message>
    <message>
        <source>Reading it failed.</source>
        <translation>A leitura da tabela falhou.</translation>
    </message>
    <message>
        <source>Atomic numbers with blanks around them, which the lookup&apos;s query does not find: %1.</source>
        <translation>Números atómicos com espaços antes ou depois, que a consulta de procura dos elementos não encontra: %1.</translation>
    </message>
    <message>
        <source>The file&apos;s header row (%1) is a row of the table: the table was made before the import, which read the header as data. Import the file into a fresh database, or with --skip 1 (%2).</source>
        <translation>A linha de cabeçalho do ficheiro (%1) é uma linha da tabela: a tabela foi criada antes da importação, que leu o cabeçalho como dados. Importe o ficheiro para uma base de dados nova ou com --skip 1 (%2).</translation>
    </message>
    <message>
        <source>Looking an element up by its number fails: AtomicNumber must compare with a bare number, as in &quot;%1&quot;.</source>
        <translation>A procura de um elemento pelo número falha: AtomicNumber tem de poder ser comparado com um número sem aspas, como em «%1».</translation>
    </message>
    <message>
        <source>Symbols or names with invisible characters in them (zero-width spaces or joiners, soft hyphens, direction marks), which no typed answer holds, for atomic numbers %1.</source>
        <translation>Símbolos ou nomes com caracteres invisíveis (espaços ou caracteres de união de largura zero, hífenes opcionais, marcas de direção), que nenhuma resposta escrita contém, para os números atómicos %1.</translation>
    </message>
    <message>
        <source>Symbols or names with characters that no element&apos;s name has, as a file saved in another character set than UTF-8 leaves them (&quot;?&quot;, &quot;Ã³&quot;, &quot;Å¼&quot;), for atomic numbers %1. Save the sheet again as CSV in the character set &quot;Unicode (UTF-8)&quot;, or convert the file with iconv, and import it again (%2).</source>
        <translation type="vanished">Símbolos ou nomes com caracteres que nenhum nome de elemento tem, como os que deixa um ficheiro guardado num conjunto de caracteres que não o UTF-8 («?», «Ã³», «Å¼»), para os números atómicos %1. Guarde novamente a folha de cálculo como CSV no conjunto de caracteres «Unicode (UTF-8)» ou converta o ficheiro com o iconv e importe-o novamente (%2).</translation>
    </message>
    <message>
        <source>The file was saved as UTF-16 (&quot;Unicode text&quot; in office programs), which the import does not read. Convert it with &quot;iconv -f %1 -t UTF-8 elements.csv &gt; elements-utf8.csv&quot; and import elements-utf8.csv, or save the sheet again as CSV in the character set &quot;Unicode (UTF-8)&quot; (%2).</source>
        <translation>O ficheiro foi guardado como UTF-16 («Texto Unicode» nos programas de escritório), que a importação não lê. Converta-o com «iconv -f %1 -t UTF-8 elements.csv &gt; elements-utf8.csv» e importe elements-utf8.csv, ou guarde novamente a folha de cálculo como CSV no conjunto de caracteres «Unicode (UTF-8)» (%2).</translation>
    </message>
    <message>
        <source>Names with characters that no element&apos;s name has, garbled because the file was saved in the character set %1 and read as %2, for atomic numbers %3. Read it as %1: in psql, give &quot;\encoding %4&quot; before \copy, or convert it first with &quot;iconv -f %5 -t UTF-8&quot;, and import it again (%6).</source>
        <translation>Nomes com caracteres que nenhum nome de elemento tem, deturpados porque o ficheiro foi guardado no conjunto de caracteres %1 e lido como %2, para os números atómicos %3. Leia-o como %1: no psql, indique «\encoding %4» antes de \copy, ou converta-o primeiro com «iconv -f %5 -t UTF-8», e importe-o novamente (%6).</translation>
    </message>
    <message>
        <source>Names with characters that no element&apos;s name has, garbled because the file was saved in the character set %1 and read as %2, for atomic numbers %3. Convert it with &quot;%4 &gt; elements-utf8.csv&quot; and import elements-utf8.csv in its place (%5).</source>
        <translation>Nomes com caracteres que nenhum nome de elemento tem, deturpados porque o ficheiro foi guardado no conjunto de caracteres %1 e lido como %2, para os números atómicos %3. Converta-o com «%4 &gt; elements-utf8.csv» e importe elements-utf8.csv em seu lugar (%5).</translation>
    </message>
    <message>
        <source>Symbols or names with characters that no element&apos;s name has, such as &quot;?&quot; or the letter pairs (&quot;Ã³&quot;, &quot;Å¼&quot;) that a file saved in another character set than UTF-8 leaves, or with no letter at their start or end (&quot;-&quot;, a lone accent), for atomic numbers %1. Retype those cells, or save the sheet again as CSV in the character set &quot;Unicode (UTF-8)&quot; (or convert the file with iconv) and import it again (%2).</source>
        <translation>Símbolos ou nomes com caracteres que nenhum nome de elemento tem, como «?» ou os pares de letras («Ã³», «Å¼») que deixa um ficheiro guardado num conjunto de caracteres que não o UTF-8, ou sem letra no início ou no fim («-», um acento isolado), para os números atómicos %1. Escreva de novo essas células ou guarde novamente a folha de cálculo como CSV no conjunto de caracteres «Unicode (UTF-8)» (ou converta o ficheiro com o iconv) e importe-o novamente (%2).</translation>
    </message>
</context>
<context>
    <name>OdbcDataSource</name>
    <message>
        <source>ODBC data source &quot;%1&quot;</source>
        <translation>fonte de dados ODBC «%1»</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Usage: %1</source>
        <translation>Utilização: %1</translation>
    </message>
    <message>
        <source>[options]</source>
        <translation>[opções]</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Opções:</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Mostra a ajuda sobre as opções da linha de comandos.</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>Mostra a ajuda, incluindo as opções específicas do Qt.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>Mostra a informação da versão.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>Valor em falta após «%1».</translation>
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
        <translation>&amp;Anular</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Refazer</translation>
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
        <translation>Co&amp;lar</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Selecionar tudo</translation>
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
        <translation>Inserir carácter de controlo Unicode</translation>
    </message>
</context>
<context>
    <name>SqlScript</name>
    <message>
        <source>The element table&apos;s script is missing from the program.</source>
        <translation>Falta no programa o script da tabela de elementos.</translation>
    </message>
    <message>
        <source>The element table&apos;s script cannot be run: %1</source>
        <translation>Não é possível executar o script da tabela de elementos: %1</translation>
    </message>
    <message>
        <source>The element names in %1 cannot be loaded: %2</source>
        <translation>Não é possível carregar os nomes dos elementos no idioma %1: %2</translation>
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
        <translation>Massa atómica</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Resp.</translation>
    </message>
    <message>
        <source>Created by Orvashel</source>
        <translation>Criado por Orvashel</translation>
    </message>
    <message>
        <source>Spin</source>
        <translation>Sortear</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Verificar</translation>
    </message>
    <message>
        <source>Step 1</source>
        <translation>Passo 1</translation>
    </message>
    <message>
        <source>Guess the Name</source>
        <translation>Adivinhar nome</translation>
    </message>
    <message>
        <source>Guess the Symbol</source>
        <translation>Adivinhar símbolo</translation>
    </message>
    <message>
        <source>Step 2</source>
        <translation>Passo 2</translation>
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
        <translation>Sair</translation>
    </message>
    <message>
        <source>Shortcut: %1</source>
        <translation>Tecla de atalho: %1</translation>
    </message>
</context>
</TS>
