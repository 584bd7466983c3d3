<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="en">
<context>
    <name>AnswerCheck</name>
    <message>
        <source>Your my hero</source>
        <translation>Você é demais!</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>Tente de novo</translation>
    </message>
</context>
<context>
    <name>ApplicationStart</name>
    <message>
        <source>valtora: no display could be opened. Choose one with DISPLAY (X11) or WAYLAND_DISPLAY (Wayland), or run without one with &quot;-platform offscreen&quot;.</source>
        <translation>valtora: não foi possível abrir nenhuma tela. Escolha uma com DISPLAY (X11) ou WAYLAND_DISPLAY (Wayland) ou execute o Valtora sem tela com &quot;-platform offscreen&quot;.</translation>
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
        <translation>valtora: &quot;%1&quot; não é uma opção nem um argumento do Valtora; &quot;valtora --help&quot; lista todos.</translation>
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
        <translation>A %1 indica o driver ODBC &quot;%2&quot;, que não está instalado neste computador. Instale-o ou indique um driver instalado na linha Driver da fonte de dados: o comando &quot;odbcinst -q -d&quot; lista os drivers instalados.</translation>
    </message>
    <message>
        <source>%1 names no database file: its Database line is empty. Put the path of the SQLite file that holds the table elements there.</source>
        <translation>A %1 não indica nenhum arquivo de banco de dados: a linha Database dela está vazia. Informe nessa linha o caminho do arquivo SQLite que contém a tabela elements.</translation>
    </message>
    <message>
        <source>The database file &quot;%2&quot; of %1 does not exist. Check the path on the data source&apos;s Database line.</source>
        <translation>O arquivo de banco de dados &quot;%2&quot; da %1 não existe. Verifique o caminho na linha Database da fonte de dados.</translation>
    </message>
    <message>
        <source>The file &quot;%2&quot; of %1 is not an SQLite database. Check the path on the data source&apos;s Database line, or make the file again with the sqlite3 shell.</source>
        <translation>O arquivo &quot;%2&quot; da %1 não é um banco de dados SQLite. Verifique o caminho na linha Database da fonte de dados ou crie o arquivo novamente com o shell sqlite3.</translation>
    </message>
    <message>
        <source>The database file &quot;%2&quot; of %1 is locked by another program that is changing it. Close that program, or end its transaction, then start Valtora again.</source>
        <translation>O arquivo de banco de dados &quot;%2&quot; da %1 está bloqueado por outro programa que o está alterando. Feche esse programa ou encerre a transação dele e, em seguida, inicie o Valtora novamente.</translation>
    </message>
    <message>
        <source>The server of %1 accepts no more connections: all it allows are in use. Close Valtora on another desk, or ask whoever runs the server to allow more connections or to put a connection pooler in front of it.</source>
        <translation>O servidor da %1 não aceita mais conexões: todas as conexões que ele permite estão em uso. Feche o Valtora em outro computador ou peça ao responsável pelo servidor que permita mais conexões ou que coloque um pooler de conexões à frente dele.</translation>
    </message>
    <message>
        <source>The server of %1 refused the login. Check the Username, Password and Database lines of the data source, and that the server lets that role connect from this computer (pg_hba.conf).</source>
        <translation>O servidor da %1 recusou o login. Verifique as linhas Username, Password e Database da fonte de dados e se o servidor permite que esse usuário se conecte a partir deste computador (pg_hba.conf).</translation>
    </message>
    <message>
        <source>The server of %1 cannot be reached. Check the Servername and Port lines of the data source, that the server is running, and that this computer can reach it over the network.</source>
        <translation>Não é possível acessar o servidor da %1. Verifique as linhas Servername e Port da fonte de dados, se o servidor está em execução e se este computador consegue alcançá-lo pela rede.</translation>
    </message>
    <message>
        <source>The connection to the server of %1 was lost: the server was stopped or restarted, or the network failed. Start Valtora again once the server is back.</source>
        <translation>A conexão com o servidor da %1 foi perdida: o servidor foi parado ou reiniciado, ou a rede falhou. Inicie o Valtora novamente quando o servidor voltar a funcionar.</translation>
    </message>
    <message>
        <source>%1 did not answer within %2 seconds. Check that its server is running and not overloaded, and that no other program holds its database locked, then start Valtora again.</source>
        <translation>A %1 não respondeu em %2 segundos. Verifique se o servidor dela está em execução e não está sobrecarregado e se nenhum outro programa mantém o banco de dados dela bloqueado; em seguida, inicie o Valtora novamente.</translation>
    </message>
    <message>
        <source>The driver said: %1</source>
        <translation>Mensagem do driver: %1</translation>
    </message>
    <message>
        <source>The server of %1 is starting up or shutting down, and accepts no connections now. Start Valtora again in a minute; if it keeps saying so, ask whoever runs the server.</source>
        <translation>O servidor da %1 está iniciando ou desligando e não aceita conexões agora. Inicie o Valtora novamente daqui a um minuto; se a mensagem continuar, procure quem administra o servidor.</translation>
    </message>
    <message>
        <source>The server of %1 ended the connection on an administrator&apos;s command: someone ended Valtora&apos;s session on the server, or the server was stopped or restarted. Start Valtora again once the server is back.</source>
        <translation>O servidor da %1 encerrou a conexão por ordem de um administrador: alguém encerrou a sessão do Valtora no servidor, ou o servidor foi parado ou reiniciado. Inicie o Valtora novamente quando o servidor voltar a funcionar.</translation>
    </message>
    <message>
        <source>The server of %1 closed the connection because it was idle for longer than the server allows (its setting idle_session_timeout). Ask whoever runs the server to lift that limit for the quiz&apos;s role (alter role quiz set idle_session_timeout = 0), then start Valtora again.</source>
        <translation>O servidor da %1 fechou a conexão porque ela ficou ociosa por mais tempo do que o servidor permite (a configuração idle_session_timeout). Peça a quem administra o servidor para remover esse limite para o papel do quiz (alter role quiz set idle_session_timeout = 0) e inicie o Valtora novamente.</translation>
    </message>
    <message>
        <source>A query of Valtora&apos;s on the server of %1 was cancelled on an administrator&apos;s command (pg_cancel_backend, or another program that cancels queries). Start Valtora again.</source>
        <translation>Uma consulta do Valtora no servidor da %1 foi cancelada por ordem de um administrador (pg_cancel_backend ou outro programa que cancela consultas). Inicie o Valtora novamente.</translation>
    </message>
    <message>
        <source>The connection pooler in front of the server of %1 gave up waiting for a free server connection, after as long as its setting query_wait_timeout allows. Close Valtora on desks that do not need it, or ask whoever runs the pooler for a larger pool (default_pool_size), then start Valtora again.</source>
        <translation type="vanished">O gerenciador de pool de conexões na frente do servidor da %1 desistiu de esperar por uma conexão livre com o servidor, depois do tempo que a configuração query_wait_timeout permite. Feche o Valtora nos computadores que não precisam dele ou peça a quem administra o gerenciador um pool maior (default_pool_size) e inicie o Valtora novamente.</translation>
    </message>
    <message>
        <source>Likely causes: the table elements or one of its columns was changed while the quiz ran, the server ended the connection, or the driver cannot read a value of the table.</source>
        <translation>Causas prováveis: a tabela elements ou uma de suas colunas foi alterada durante o quiz, o servidor encerrou a conexão ou o driver não consegue ler um valor da tabela.</translation>
    </message>
    <message>
        <source>Likely causes: this user may not read the file on the data source&apos;s Database line, or the SQLite driver is set up wrongly (&quot;isql -v Elements&quot; shows what it says).</source>
        <translation>Causas prováveis: este usuário não pode ler o arquivo da linha Database da fonte de dados, ou o driver do SQLite está configurado de forma errada (&quot;isql -v Elements&quot; mostra o que ele diz).</translation>
    </message>
    <message>
        <source>Likely causes: the server is not running or this computer cannot reach it, the data source&apos;s Servername, Port, Database, Username or Password line does not match the server, or its driver is set up wrongly (&quot;isql -v Elements&quot; shows what it says).</source>
        <translation>Causas prováveis: o servidor não está em funcionamento ou este computador não consegue alcançá-lo, a linha Servername, Port, Database, Username ou Password da fonte de dados não corresponde ao servidor, ou o driver está configurado de forma errada (&quot;isql -v Elements&quot; mostra o que ele diz).</translation>
    </message>
    <message>
        <source>The server of %1 gave up waiting for a lock on the table elements, after as long as its setting lock_timeout allows: another program holds the table locked, changing it or in a transaction left open. Ask whoever runs the server to end that program&apos;s transaction, then start Valtora again.</source>
        <translation>O servidor da %1 desistiu de esperar por um bloqueio na tabela elements, depois do tempo que a configuração lock_timeout permite: outro programa mantém a tabela bloqueada, porque a está alterando ou porque deixou uma transação aberta. Peça a quem administra o servidor para encerrar a transação desse programa e inicie o Valtora novamente.</translation>
    </message>
    <message>
        <source>The server of %1 does not let the role &quot;%2&quot; read the table elements. Ask whoever runs the server to allow it: grant select on elements to %2;</source>
        <translation>O servidor da %1 não permite que o usuário &quot;%2&quot; leia a tabela elements. Peça a quem administra o servidor para permitir isso: grant select on elements to %2;</translation>
    </message>
    <message>
        <source>The connection pooler in front of the server of %1 gave up waiting for a server connection, after as long as its setting query_wait_timeout allows. Either every connection of its pool is in use (close Valtora on desks that do not need it, or ask whoever runs the pooler for a larger pool, default_pool_size), or the server behind it cannot be reached (ask whoever runs it to check that it is running). Then start Valtora again.</source>
        <translation>O gerenciador de pool de conexões na frente do servidor da %1 desistiu de esperar por uma conexão com o servidor, depois do tempo que a configuração query_wait_timeout permite. Ou todas as conexões do pool estão em uso (feche o Valtora nos computadores que não precisam dele ou peça a quem administra o gerenciador um pool maior, default_pool_size), ou não é possível acessar o servidor que está por trás dele (peça a quem administra o servidor para verificar se ele está em execução). Em seguida, inicie o Valtora novamente.</translation>
    </message>
</context>
<context>
    <name>DesktopEntry</name>
    <message>
        <source>Chemical Elements Quiz</source>
        <extracomment>The kind of program, as menus show it beside its name.</extracomment>
        <translation>Quiz dos elementos químicos</translation>
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
        <translation>Valtora é um quiz sobre os elementos químicos. Ele mostra o número atômico, o símbolo, o nome e a massa atômica de um elemento com o símbolo ou o nome coberto, e você digita o que está coberto.</translation>
    </message>
    <message>
        <source>Guess the symbol or the name</source>
        <extracomment>Software centres: a feature in the description&apos;s list.</extracomment>
        <translation>Acertar o símbolo ou o nome</translation>
    </message>
    <message>
        <source>Draw from the first 36 elements, from those a school course knows, or from all 103</source>
        <extracomment>Software centres: a feature in the description&apos;s list.</extracomment>
        <translation>Sortear entre os 36 primeiros elementos, os de um curso escolar ou todos os 103</translation>
    </message>
    <message>
        <source>Played by keyboard alone, and read out by screen readers</source>
        <extracomment>Software centres: a feature in the description&apos;s list.</extracomment>
        <translation>Jogado só com o teclado e lido por leitores de tela</translation>
    </message>
    <message numerus="yes">
        <source>In %n languages, the element names included</source>
        <extracomment>Software centres: a feature in the description&apos;s list; %n counts English too.</extracomment>
        <translation>
            <numerusform>Em %n idioma, com os nomes dos elementos</numerusform>
            <numerusform>Em %n idiomas, com os nomes dos elementos</numerusform>
        </translation>
    </message>
    <message>
        <source>Needs no setup; a school can serve its own element table to every desk from one server</source>
        <extracomment>Software centres: a feature in the description&apos;s list.</extracomment>
        <translation>Não precisa de configuração; uma escola pode servir sua própria tabela de elementos a cada computador a partir de um servidor</translation>
    </message>
    <message>
        <source>The quiz after one spin, the symbol covered</source>
        <extracomment>Software centres: the caption of the screenshot.</extracomment>
        <translation>O quiz após um sorteio, com o símbolo coberto</translation>
    </message>
</context>
<context>
    <name>ElementDatabase</name>
    <message>
        <source>the embedded element table</source>
        <translation>tabela de elementos embutida</translation>
    </message>
    <message>
        <source>%1: Qt&apos;s ODBC driver (QODBC) is not installed.</source>
        <translation>O driver ODBC do Qt (QODBC), necessário para a %1, não está instalado.</translation>
    </message>
    <message>
        <source>%1 cannot be opened.</source>
        <translation>Não é possível abrir a %1.</translation>
    </message>
    <message>
        <source>%1: Qt&apos;s SQLite driver (QSQLITE) is not installed.</source>
        <translation>O driver SQLite do Qt (QSQLITE), necessário para a %1, não está instalado.</translation>
    </message>
    <message>
        <source>The query &quot;%1&quot; on %2 failed.</source>
        <translation>A consulta &quot;%1&quot; na %2 falhou.</translation>
    </message>
</context>
<context>
    <name>ElementLookup</name>
    <message>
        <source>&quot;%1&quot; is not an atomic number to look up.</source>
        <translation>&quot;%1&quot; não é um número atômico que possa ser consultado.</translation>
    </message>
    <message>
        <source>There is no row for atomic number %1 in table %2.</source>
        <translation>Não há linha para o número atômico %1 na tabela %2.</translation>
    </message>
    <message>
        <source>The row for atomic number %1 in table %2 has no symbol (%3 is empty): no answer could be judged against it.</source>
        <translation>A linha do número atômico %1 na tabela %2 não tem símbolo (%3 está vazio): nenhuma resposta poderia ser conferida com ela.</translation>
    </message>
    <message>
        <source>The row for atomic number %1 in table %2 has no name (%3 is empty): no answer could be judged against it.</source>
        <translation>A linha do número atômico %1 na tabela %2 não tem nome (%3 está vazio): nenhuma resposta poderia ser conferida com ela.</translation>
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
        <translation>Não é possível usar a tabela %1 da %2.
%3</translation>
    </message>
    <message>
        <source>%1 has no table %2.</source>
        <translation>A %1 não tem a tabela %2.</translation>
    </message>
    <message>
        <source>Missing columns: %1.</source>
        <translation>Colunas ausentes: %1.</translation>
    </message>
    <message>
        <source>The file was imported twice into the same database: its header row is a row of the table, and every element is there twice. Import it again into a fresh database file (delete the old one first).</source>
        <translation>O arquivo foi importado duas vezes no mesmo banco de dados: a linha de cabeçalho dele virou uma linha da tabela, e cada elemento aparece duas vezes. Importe-o novamente em um arquivo de banco de dados novo (apague o antigo antes).</translation>
    </message>
    <message>
        <source>No row for atomic numbers %1.</source>
        <translation>Nenhuma linha para os números atômicos %1.</translation>
    </message>
    <message>
        <source>More than one row for atomic numbers %1.</source>
        <translation>Mais de uma linha para os números atômicos %1.</translation>
    </message>
    <message>
        <source>Atomic numbers that are not whole numbers: %1.</source>
        <translation>Números atômicos que não são números inteiros: %1.</translation>
    </message>
    <message>
        <source>Rows without an atomic number: %1.</source>
        <translation>Linhas sem número atômico: %1.</translation>
    </message>
    <message>
        <source>No symbol for atomic numbers %1.</source>
        <translation>Sem símbolo para os números atômicos %1.</translation>
    </message>
    <message>
        <source>No name for atomic numbers %1.</source>
        <translation>Sem nome para os números atômicos %1.</translation>
    </message>
    <message>
        <source>Names that no answer can match, since answers are put in proper case (&quot;Iron&quot;, not &quot;iron&quot; or &quot;IRON&quot;), for atomic numbers %1.</source>
        <translation>Nomes com os quais nenhuma resposta pode coincidir, já que as respostas são escritas com iniciais maiúsculas (&quot;Ferro&quot;, e não &quot;ferro&quot; ou &quot;FERRO&quot;), para os números atômicos %1.</translation>
    </message>
    <message>
        <source>Symbols or names with blanks around them, which no answer can match, for atomic numbers %1.</source>
        <translation>Símbolos ou nomes com espaços antes ou depois, com os quais nenhuma resposta pode coincidir, para os números atômicos %1.</translation>
    </message>
    <message>
        <source>see &quot;From a spreadsheet&quot; in the README, installed as %1</source>
        <translation>veja &quot;From a spreadsheet&quot; no README, instalado como %1</translation>
    </message>
    <message>
        <source>The file was saved with semicolons between its columns, as office programs do where decimals are written with a comma: import it with .separator &quot;;&quot; (%1).</source>
        <translation>O arquivo foi salvo com ponto e vírgula entre as colunas, como os programas de escritório fazem onde os decimais são escritos com vírgula: importe-o com .separator &quot;;&quot; (%1).</translation>
    </message>
    <message>
        <source>The file was saved with tabs between its columns: import it with .separator &quot;\t&quot; instead of --csv (%1).</source>
        <translation>O arquivo foi salvo com tabulações entre as colunas: importe-o com .separator &quot;\t&quot; em vez de --csv (%1).</translation>
    </message>
    <message>
        <source>Its first row holds the column names: the file has a title row above its header. Import it with --skip 1, or delete the title row (%1).</source>
        <translation>A primeira linha contém os nomes das colunas: o arquivo tem uma linha de título acima do cabeçalho. Importe-o com --skip 1 ou apague a linha de título (%1).</translation>
    </message>
    <message>
        <source>Reading it failed.</source>
        <translation>A leitura da tabela falhou.</translation>
    </message>
    <message>
        <source>Atomic numbers with blanks around them, which the lookup&apos;s query does not find: %1.</source>
        <translation>Números atômicos com espaços em volta, que a consulta de busca não encontra: %1.</translation>
    </message>
    <message>
        <source>The file&apos;s header row (%1) is a row of the table: the table was made before the import, which read the header as data. Import the file into a fresh database, or with --skip 1 (%2).</source>
        <translation>A linha de cabeçalho do arquivo (%1) é uma linha da tabela: a tabela foi criada antes da importação, que leu o cabeçalho como dados. Importe o arquivo em um banco de dados novo, ou com --skip 1 (%2).</translation>
    </message>
    <message>
        <source>Looking an element up by its number fails: AtomicNumber must compare with a bare number, as in &quot;%1&quot;.</source>
        <translation>A busca de um elemento pelo número falha: AtomicNumber precisa poder ser comparado com um número simples, como em &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Symbols or names with invisible characters in them (zero-width spaces or joiners, soft hyphens, direction marks), which no typed answer holds, for atomic numbers %1.</source>
        <translation>Símbolos ou nomes com caracteres invisíveis (espaços ou junções de largura zero, hifens opcionais, marcas de direção), que nenhuma resposta digitada contém, para os números atômicos %1.</translation>
    </message>
    <message>
        <source>Symbols or names with characters that no element&apos;s name has, as a file saved in another character set than UTF-8 leaves them (&quot;?&quot;, &quot;Ã³&quot;, &quot;Å¼&quot;), for atomic numbers %1. Save the sheet again as CSV in the character set &quot;Unicode (UTF-8)&quot;, or convert the file with iconv, and import it again (%2).</source>
        <translation type="vanished">Símbolos ou nomes com caracteres que nenhum nome de elemento tem, como os que um arquivo salvo em outro conjunto de caracteres que não UTF-8 deixa (&quot;?&quot;, &quot;Ã³&quot;, &quot;Å¼&quot;), para os números atômicos %1. Salve a planilha de novo como CSV com o conjunto de caracteres &quot;Unicode (UTF-8)&quot;, ou converta o arquivo com iconv, e importe-o de novo (%2).</translation>
    </message>
    <message>
        <source>The file was saved as UTF-16 (&quot;Unicode text&quot; in office programs), which the import does not read. Convert it with &quot;iconv -f %1 -t UTF-8 elements.csv &gt; elements-utf8.csv&quot; and import elements-utf8.csv, or save the sheet again as CSV in the character set &quot;Unicode (UTF-8)&quot; (%2).</source>
        <translation>O arquivo foi salvo como UTF-16 (&quot;Texto Unicode&quot; nos programas de escritório), que a importação não lê. Converta-o com &quot;iconv -f %1 -t UTF-8 elements.csv &gt; elements-utf8.csv&quot; e importe elements-utf8.csv, ou salve a planilha de novo como CSV com o conjunto de caracteres &quot;Unicode (UTF-8)&quot; (%2).</translation>
    </message>
    <message>
        <source>Names with characters that no element&apos;s name has, garbled because the file was saved in the character set %1 and read as %2, for atomic numbers %3. Read it as %1: in psql, give &quot;\encoding %4&quot; before \copy, or convert it first with &quot;iconv -f %5 -t UTF-8&quot;, and import it again (%6).</source>
        <translation>Nomes com caracteres que nenhum nome de elemento tem, corrompidos porque o arquivo foi salvo no conjunto de caracteres %1 e lido como %2, para os números atômicos %3. Leia-o como %1: no psql, informe &quot;\encoding %4&quot; antes de \copy, ou converta-o antes com &quot;iconv -f %5 -t UTF-8&quot;, e importe-o de novo (%6).</translation>
    </message>
    <message>
        <source>Names with characters that no element&apos;s name has, garbled because the file was saved in the character set %1 and read as %2, for atomic numbers %3. Convert it with &quot;%4 &gt; elements-utf8.csv&quot; and import elements-utf8.csv in its place (%5).</source>
        <translation>Nomes com caracteres que nenhum nome de elemento tem, corrompidos porque o arquivo foi salvo no conjunto de caracteres %1 e lido como %2, para os números atômicos %3. Converta-o com &quot;%4 &gt; elements-utf8.csv&quot; e importe elements-utf8.csv no lugar dele (%5).</translation>
    </message>
    <message>
        <source>Symbols or names with characters that no element&apos;s name has, such as &quot;?&quot; or the letter pairs (&quot;Ã³&quot;, &quot;Å¼&quot;) that a file saved in another character set than UTF-8 leaves, or with no letter at their start or end (&quot;-&quot;, a lone accent), for atomic numbers %1. Retype those cells, or save the sheet again as CSV in the character set &quot;Unicode (UTF-8)&quot; (or convert the file with iconv) and import it again (%2).</source>
        <translation>Símbolos ou nomes com caracteres que nenhum nome de elemento tem, como &quot;?&quot; ou os pares de letras (&quot;Ã³&quot;, &quot;Å¼&quot;) que um arquivo salvo em outro conjunto de caracteres que não UTF-8 deixa, ou sem letra no início ou no fim (&quot;-&quot;, um acento sozinho), para os números atômicos %1. Digite essas células de novo, ou salve a planilha de novo como CSV com o conjunto de caracteres &quot;Unicode (UTF-8)&quot; (ou converta o arquivo com iconv) e importe-o de novo (%2).</translation>
    </message>
</context>
<context>
    <name>OdbcDataSource</name>
    <message>
        <source>ODBC data source &quot;%1&quot;</source>
        <translation>fonte de dados ODBC &quot;%1&quot;</translation>
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
        <translation>O script da tabela de elementos está faltando no programa.</translation>
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
        <translation>Nº atômico</translation>
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
        <translation>Massa atômica</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Palpite</translation>
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
        <translation>Conferir</translation>
    </message>
    <message>
        <source>Step 1</source>
        <translation>Passo 1</translation>
    </message>
    <message>
        <source>Guess the Name</source>
        <translation>Acerte o nome</translation>
    </message>
    <message>
        <source>Guess the Symbol</source>
        <translation>Acerte o símbolo</translation>
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
        <translation>Atalho: %1</translation>
    </message>
</context>
</TS>
