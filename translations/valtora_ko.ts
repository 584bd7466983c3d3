<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko" sourcelanguage="en">
<context>
    <name>AnswerCheck</name>
    <message>
        <source>Your my hero</source>
        <translation>참 잘했어요!</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>다시 해 보세요</translation>
    </message>
</context>
<context>
    <name>ApplicationStart</name>
    <message>
        <source>valtora: no display could be opened. Choose one with DISPLAY (X11) or WAYLAND_DISPLAY (Wayland), or run without one with &quot;-platform offscreen&quot;.</source>
        <translation>valtora: 디스플레이를 열 수 없습니다. DISPLAY(X11) 또는 WAYLAND_DISPLAY(Wayland)로 디스플레이를 지정하거나, “-platform offscreen” 옵션으로 디스플레이 없이 Valtora를 실행하세요.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>A desktop quiz on the chemical elements.</source>
        <translation>화학 원소를 다루는 데스크톱 퀴즈입니다.</translation>
    </message>
    <message>
        <source>valtora: &quot;%1&quot; is not an option or argument of Valtora; &quot;valtora --help&quot; lists them.</source>
        <translation>valtora: Valtora에는 “%1” 옵션이나 인수가 없습니다. 목록은 “valtora --help”로 볼 수 있습니다.</translation>
    </message>
</context>
<context>
    <name>DataControl</name>
    <message>
        <source>The table on %1 has no column %2.</source>
        <translation>%1의 테이블에 %2 열이 없습니다.</translation>
    </message>
</context>
<context>
    <name>DataSourceFaults</name>
    <message>
        <source>%1 names the ODBC driver &quot;%2&quot;, which is not installed on this computer. Install it, or name an installed driver on the data source&apos;s Driver line: the command &quot;odbcinst -q -d&quot; lists them.</source>
        <translation>%1에 지정된 “%2” ODBC 드라이버가 이 컴퓨터에 설치되어 있지 않습니다. 드라이버를 설치하거나, 데이터 원본의 Driver 줄에 설치된 드라이버를 지정하세요. 설치된 드라이버 목록은 “odbcinst -q -d” 명령으로 볼 수 있습니다.</translation>
    </message>
    <message>
        <source>%1 names no database file: its Database line is empty. Put the path of the SQLite file that holds the table elements there.</source>
        <translation>%1에 데이터베이스 파일이 지정되어 있지 않습니다. Database 줄이 비어 있습니다. 이 줄에 elements 테이블이 들어 있는 SQLite 파일의 경로를 입력하세요.</translation>
    </message>
    <message>
        <source>The database file &quot;%2&quot; of %1 does not exist. Check the path on the data source&apos;s Database line.</source>
        <translation>%1의 “%2” 데이터베이스 파일이 없습니다. 데이터 원본의 Database 줄에 있는 경로를 확인하세요.</translation>
    </message>
    <message>
        <source>The file &quot;%2&quot; of %1 is not an SQLite database. Check the path on the data source&apos;s Database line, or make the file again with the sqlite3 shell.</source>
        <translation>%1의 “%2” 파일은 SQLite 데이터베이스가 아닙니다. 데이터 원본의 Database 줄에 있는 경로를 확인하거나, sqlite3 셸로 파일을 다시 만드세요.</translation>
    </message>
    <message>
        <source>The database file &quot;%2&quot; of %1 is locked by another program that is changing it. Close that program, or end its transaction, then start Valtora again.</source>
        <translation>%1의 “%2” 데이터베이스 파일을 다른 프로그램이 변경하고 있어 잠겨 있습니다. 해당 프로그램을 닫거나 그 트랜잭션을 끝낸 다음 Valtora를 다시 시작하세요.</translation>
    </message>
    <message>
        <source>The server of %1 accepts no more connections: all it allows are in use. Close Valtora on another desk, or ask whoever runs the server to allow more connections or to put a connection pooler in front of it.</source>
        <translation>%1의 서버가 더 이상 연결을 받지 않습니다. 허용된 연결이 모두 사용 중입니다. 다른 컴퓨터에서 Valtora를 닫거나, 서버 관리자에게 연결 수를 늘리거나 서버 앞에 연결 풀러(connection pooler)를 두도록 요청하세요.</translation>
    </message>
    <message>
        <source>The server of %1 refused the login. Check the Username, Password and Database lines of the data source, and that the server lets that role connect from this computer (pg_hba.conf).</source>
        <translation>%1의 서버가 로그인을 거부했습니다. 데이터 원본의 Username, Password, Database 줄과, 해당 역할이 이 컴퓨터에서 연결하는 것을 서버가 허용하는지(pg_hba.conf) 확인하세요.</translation>
    </message>
    <message>
        <source>The server of %1 cannot be reached. Check the Servername and Port lines of the data source, that the server is running, and that this computer can reach it over the network.</source>
        <translation>%1의 서버에 연결할 수 없습니다. 데이터 원본의 Servername 및 Port 줄, 서버가 실행 중인지, 이 컴퓨터가 네트워크를 통해 서버에 연결할 수 있는지 확인하세요.</translation>
    </message>
    <message>
        <source>The connection to the server of %1 was lost: the server was stopped or restarted, or the network failed. Start Valtora again once the server is back.</source>
        <translation>%1의 서버와 연결이 끊어졌습니다. 서버가 중지 또는 재시작되었거나 네트워크에 장애가 발생했습니다. 서버가 복구되면 Valtora를 다시 시작하세요.</translation>
    </message>
    <message>
        <source>%1 did not answer within %2 seconds. Check that its server is running and not overloaded, and that no other program holds its database locked, then start Valtora again.</source>
        <translation>%1에서 %2초 안에 응답이 없었습니다. 서버가 실행 중이고 과부하 상태가 아닌지, 다른 프로그램이 데이터베이스를 잠그고 있지 않은지 확인한 다음 Valtora를 다시 시작하세요.</translation>
    </message>
    <message>
        <source>The driver said: %1</source>
        <translation>드라이버 메시지: %1</translation>
    </message>
    <message>
        <source>The server of %1 is starting up or shutting down, and accepts no connections now. Start Valtora again in a minute; if it keeps saying so, ask whoever runs the server.</source>
        <translation>%1의 서버가 시작 또는 종료 중이어서 지금은 연결을 받지 않습니다. 1분 뒤에 Valtora를 다시 시작하세요. 같은 메시지가 계속 나오면 서버 관리자에게 문의하세요.</translation>
    </message>
    <message>
        <source>The server of %1 ended the connection on an administrator&apos;s command: someone ended Valtora&apos;s session on the server, or the server was stopped or restarted. Start Valtora again once the server is back.</source>
        <translation>%1의 서버가 관리자 명령으로 연결을 끊었습니다. 누군가 서버에서 Valtora의 세션을 종료했거나, 서버가 중지 또는 재시작되었습니다. 서버가 복구되면 Valtora를 다시 시작하세요.</translation>
    </message>
    <message>
        <source>The server of %1 closed the connection because it was idle for longer than the server allows (its setting idle_session_timeout). Ask whoever runs the server to lift that limit for the quiz&apos;s role (alter role quiz set idle_session_timeout = 0), then start Valtora again.</source>
        <translation>%1의 서버에서 허용하는 시간(설정 idle_session_timeout)보다 오래 연결이 유휴 상태여서 서버가 연결을 닫았습니다. 서버 관리자에게 퀴즈 역할에 대한 이 제한을 해제해 달라고 요청한 다음(alter role quiz set idle_session_timeout = 0), Valtora를 다시 시작하세요.</translation>
    </message>
    <message>
        <source>A query of Valtora&apos;s on the server of %1 was cancelled on an administrator&apos;s command (pg_cancel_backend, or another program that cancels queries). Start Valtora again.</source>
        <translation>%1의 서버에서 실행 중이던 Valtora의 쿼리가 관리자 명령으로 취소되었습니다(pg_cancel_backend 또는 쿼리를 취소하는 다른 프로그램). Valtora를 다시 시작하세요.</translation>
    </message>
    <message>
        <source>The connection pooler in front of the server of %1 gave up waiting for a free server connection, after as long as its setting query_wait_timeout allows. Close Valtora on desks that do not need it, or ask whoever runs the pooler for a larger pool (default_pool_size), then start Valtora again.</source>
        <translation type="vanished">%1의 서버 앞에 있는 연결 풀러가 설정 query_wait_timeout에서 허용하는 시간만큼 기다린 뒤 빈 서버 연결 대기를 포기했습니다. Valtora가 필요 없는 컴퓨터에서 Valtora를 닫거나, 풀러 관리자에게 더 큰 풀(default_pool_size)을 요청한 다음 Valtora를 다시 시작하세요.</translation>
    </message>
    <message>
        <source>Likely causes: the table elements or one of its columns was changed while the quiz ran, the server ended the connection, or the driver cannot read a value of the table.</source>
        <translation>예상 원인: 퀴즈 실행 중에 elements 테이블이나 그 열이 변경되었거나, 서버가 연결을 끊었거나, 드라이버가 테이블의 값을 읽을 수 없습니다.</translation>
    </message>
    <message>
        <source>Likely causes: this user may not read the file on the data source&apos;s Database line, or the SQLite driver is set up wrongly (&quot;isql -v Elements&quot; shows what it says).</source>
        <translation>예상 원인: 이 사용자에게 데이터 원본의 Database 줄에 있는 파일을 읽을 권한이 없거나, SQLite 드라이버 설정이 잘못되었습니다(드라이버의 메시지는 “isql -v Elements”로 볼 수 있습니다).</translation>
    </message>
    <message>
        <source>Likely causes: the server is not running or this computer cannot reach it, the data source&apos;s Servername, Port, Database, Username or Password line does not match the server, or its driver is set up wrongly (&quot;isql -v Elements&quot; shows what it says).</source>
        <translation>예상 원인: 서버가 실행 중이 아니거나 이 컴퓨터에서 서버에 연결할 수 없거나, 데이터 원본의 Servername, Port, Database, Username 또는 Password 줄이 서버와 맞지 않거나, 드라이버 설정이 잘못되었습니다(드라이버의 메시지는 “isql -v Elements”로 볼 수 있습니다).</translation>
    </message>
    <message>
        <source>The server of %1 gave up waiting for a lock on the table elements, after as long as its setting lock_timeout allows: another program holds the table locked, changing it or in a transaction left open. Ask whoever runs the server to end that program&apos;s transaction, then start Valtora again.</source>
        <translation>%1의 서버가 설정 lock_timeout에서 허용하는 시간만큼 기다린 뒤 elements 테이블의 잠금 대기를 포기했습니다. 다른 프로그램이 테이블을 변경하고 있거나 트랜잭션을 열어 둔 채로 테이블을 잠그고 있습니다. 서버 관리자에게 해당 프로그램의 트랜잭션을 끝내 달라고 요청한 다음 Valtora를 다시 시작하세요.</translation>
    </message>
    <message>
        <source>The server of %1 does not let the role &quot;%2&quot; read the table elements. Ask whoever runs the server to allow it: grant select on elements to %2;</source>
        <translation>%1의 서버가 “%2” 역할에 elements 테이블 읽기를 허용하지 않습니다. 서버 관리자에게 허용해 달라고 요청하세요: grant select on elements to %2;</translation>
    </message>
    <message>
        <source>The connection pooler in front of the server of %1 gave up waiting for a server connection, after as long as its setting query_wait_timeout allows. Either every connection of its pool is in use (close Valtora on desks that do not need it, or ask whoever runs the pooler for a larger pool, default_pool_size), or the server behind it cannot be reached (ask whoever runs it to check that it is running). Then start Valtora again.</source>
        <translation>%1의 서버 앞에 있는 연결 풀러가 설정 query_wait_timeout에서 허용하는 시간만큼 기다린 뒤 서버 연결 대기를 포기했습니다. 풀의 연결이 모두 사용 중이거나(Valtora가 필요 없는 컴퓨터에서 Valtora를 닫거나, 풀러 관리자에게 default_pool_size 값을 늘려 달라고 요청하세요), 풀러 뒤의 서버에 연결할 수 없습니다(서버 관리자에게 서버가 실행 중인지 확인해 달라고 요청하세요). 그런 다음 Valtora를 다시 시작하세요.</translation>
    </message>
</context>
<context>
    <name>DesktopEntry</name>
    <message>
        <source>Chemical Elements Quiz</source>
        <extracomment>The kind of program, as menus show it beside its name.</extracomment>
        <translation>화학 원소 퀴즈</translation>
    </message>
    <message>
        <source>Drill the symbols and names of the chemical elements</source>
        <extracomment>What the program is for, in a line: menus&apos; tooltips, software centres&apos; summary.</extracomment>
        <translation>화학 원소의 기호와 이름 익히기</translation>
    </message>
    <message>
        <source>chemistry;elements;periodic table;symbol;quiz;school;</source>
        <extracomment>Words a desktop&apos;s search finds the program by, each followed by a semicolon.</extracomment>
        <translation>화학;원소;주기율표;기호;퀴즈;학교;</translation>
    </message>
    <message>
        <source>Valtora is a quiz on the chemical elements. It shows an element&apos;s atomic number, symbol, name and atomic mass with the symbol or the name covered, and you type what is covered.</source>
        <extracomment>Software centres: the description.</extracomment>
        <translation>Valtora는 화학 원소 퀴즈입니다. 원소의 원자 번호, 기호, 이름, 원자량을 보여 주되 기호나 이름을 가리며, 가려진 내용을 입력하면 됩니다.</translation>
    </message>
    <message>
        <source>Guess the symbol or the name</source>
        <extracomment>Software centres: a feature in the description&apos;s list.</extracomment>
        <translation>원소 기호나 이름 맞히기</translation>
    </message>
    <message>
        <source>Draw from the first 36 elements, from those a school course knows, or from all 103</source>
        <extracomment>Software centres: a feature in the description&apos;s list.</extracomment>
        <translation>처음 36개 원소, 학교 교육 과정에서 다루는 원소, 또는 103개 원소 전체 중에서 출제</translation>
    </message>
    <message>
        <source>Played by keyboard alone, and read out by screen readers</source>
        <extracomment>Software centres: a feature in the description&apos;s list.</extracomment>
        <translation>키보드만으로 조작할 수 있으며 화면 낭독기가 읽어 줌</translation>
    </message>
    <message numerus="yes">
        <source>In %n languages, the element names included</source>
        <extracomment>Software centres: a feature in the description&apos;s list; %n counts English too.</extracomment>
        <translation>
            <numerusform>원소 이름을 포함해 %n개 언어 지원</numerusform>
        </translation>
    </message>
    <message>
        <source>Needs no setup; a school can serve its own element table to every desk from one server</source>
        <extracomment>Software centres: a feature in the description&apos;s list.</extracomment>
        <translation>설정이 필요 없음. 학교는 서버 한 대로 모든 컴퓨터에 자체 원소 표를 제공할 수 있음</translation>
    </message>
    <message>
        <source>The quiz after one spin, the symbol covered</source>
        <extracomment>Software centres: the caption of the screenshot.</extracomment>
        <translation>한 번 돌린 뒤 원소 기호가 가려진 퀴즈 화면</translation>
    </message>
</context>
<context>
    <name>ElementDatabase</name>
    <message>
        <source>the embedded element table</source>
        <translation>내장 원소 표</translation>
    </message>
    <message>
        <source>%1: Qt&apos;s ODBC driver (QODBC) is not installed.</source>
        <translation>%1: Qt의 ODBC 드라이버(QODBC)가 설치되어 있지 않습니다.</translation>
    </message>
    <message>
        <source>%1 cannot be opened.</source>
        <translation>%1: 열 수 없습니다.</translation>
    </message>
    <message>
        <source>%1: Qt&apos;s SQLite driver (QSQLITE) is not installed.</source>
        <translation>%1: Qt의 SQLite 드라이버(QSQLITE)가 설치되어 있지 않습니다.</translation>
    </message>
    <message>
        <source>The query &quot;%1&quot; on %2 failed.</source>
        <translation>%2에서 쿼리 “%1” 실행에 실패했습니다.</translation>
    </message>
</context>
<context>
    <name>ElementLookup</name>
    <message>
        <source>&quot;%1&quot; is not an atomic number to look up.</source>
        <translation>조회할 수 있는 원자 번호가 아닙니다: “%1”</translation>
    </message>
    <message>
        <source>There is no row for atomic number %1 in table %2.</source>
        <translation>%2 테이블에 원자 번호 %1의 행이 없습니다.</translation>
    </message>
    <message>
        <source>The row for atomic number %1 in table %2 has no symbol (%3 is empty): no answer could be judged against it.</source>
        <translation>%2 테이블의 원자 번호 %1 행에 원소 기호가 없습니다(%3 열이 비어 있음). 어떤 답도 이 행과 비교해 판정할 수 없습니다.</translation>
    </message>
    <message>
        <source>The row for atomic number %1 in table %2 has no name (%3 is empty): no answer could be judged against it.</source>
        <translation>%2 테이블의 원자 번호 %1 행에 원소 이름이 없습니다(%3 열이 비어 있음). 어떤 답도 이 행과 비교해 판정할 수 없습니다.</translation>
    </message>
</context>
<context>
    <name>ElementTableCheck</name>
    <message>
        <source> and %1 more</source>
        <translation> 외 %1개</translation>
    </message>
    <message>
        <source>It has the columns %1.</source>
        <translation>테이블의 열: %1.</translation>
    </message>
    <message>
        <source>The table %1 of %2 cannot be used.
%3</source>
        <translation>%2의 %1 테이블을 사용할 수 없습니다.
%3</translation>
    </message>
    <message>
        <source>%1 has no table %2.</source>
        <translation>%1에 %2 테이블이 없습니다.</translation>
    </message>
    <message>
        <source>Missing columns: %1.</source>
        <translation>누락된 열: %1.</translation>
    </message>
    <message>
        <source>The file was imported twice into the same database: its header row is a row of the table, and every element is there twice. Import it again into a fresh database file (delete the old one first).</source>
        <translation>파일을 같은 데이터베이스로 두 번 가져왔습니다. 헤더 행이 테이블의 행이 되었고, 모든 원소가 두 번씩 들어 있습니다. 새 데이터베이스 파일로 다시 가져오세요(먼저 기존 파일을 삭제하세요).</translation>
    </message>
    <message>
        <source>No row for atomic numbers %1.</source>
        <translation>원자 번호 %1의 행이 없습니다.</translation>
    </message>
    <message>
        <source>More than one row for atomic numbers %1.</source>
        <translation>원자 번호 %1의 행이 두 개 이상입니다.</translation>
    </message>
    <message>
        <source>Atomic numbers that are not whole numbers: %1.</source>
        <translation>정수가 아닌 원자 번호: %1.</translation>
    </message>
    <message>
        <source>Rows without an atomic number: %1.</source>
        <translation>원자 번호가 없는 행: %1.</translation>
    </message>
    <message>
        <source>No symbol for atomic numbers %1.</source>
        <translation>원자 번호 %1의 원소 기호가 없습니다.</translation>
    </message>
    <message>
        <source>No name for atomic numbers %1.</source>
        <translation>원자 번호 %1의 원소 이름이 없습니다.</translation>
    </message>
    <message>
        <source>Names that no answer can match, since answers are put in proper case (&quot;Iron&quot;, not &quot;iron&quot; or &quot;IRON&quot;), for atomic numbers %1.</source>
        <translation>답은 첫 글자만 대문자로 바뀌므로(“iron”이나 “IRON”이 아닌 “Iron”) 어떤 답과도 일치할 수 없는 이름: 원자 번호 %1.</translation>
    </message>
    <message>
        <source>Symbols or names with blanks around them, which no answer can match, for atomic numbers %1.</source>
        <translation>앞뒤에 공백이 있어 어떤 답과도 일치할 수 없는 원소 기호 또는 이름: 원자 번호 %1.</translation>
    </message>
    <message>
        <source>see &quot;From a spreadsheet&quot; in the README, installed as %1</source>
        <translation>README의 “From a spreadsheet” 참조, 설치 위치: %1</translation>
    </message>
    <message>
        <source>The file was saved with semicolons between its columns, as office programs do where decimals are written with a comma: import it with .separator &quot;;&quot; (%1).</source>
        <translation>파일이 열 사이에 세미콜론을 넣어 저장되었습니다. 소수점을 쉼표로 쓰는 지역에서 오피스 프로그램이 이렇게 저장합니다. .separator &quot;;&quot; 옵션으로 가져오세요(%1).</translation>
    </message>
    <message>
        <source>The file was saved with tabs between its columns: import it with .separator &quot;\t&quot; instead of --csv (%1).</source>
        <translation>파일이 열 사이에 탭을 넣어 저장되었습니다. --csv 대신 .separator &quot;\t&quot; 옵션으로 가져오세요(%1).</translation>
    </message>
    <message>
        <source>Its first row holds the column names: the file has a title row above its header. Import it with --skip 1, or delete the title row (%1).</source>
        <translation>테이블의 첫 행에 열 이름이 들어 있습니다. 파일의 헤더 위에 제목 행이 있습니다. --skip 1 옵션으로 가져오거나 제목 행을 삭제하세요(%1).</translation>
    </message>
    <message>
        <source>Reading it failed.</source>
        <translation>테이블을 읽지 못했습니다.</translation>
    </message>
    <message>
        <source>Atomic numbers with blanks around them, which the lookup&apos;s query does not find: %1.</source>
        <translation>앞뒤에 공백이 있어 조회 쿼리로 찾을 수 없는 원자 번호: %1.</translation>
    </message>
    <message>
        <source>The file&apos;s header row (%1) is a row of the table: the table was made before the import, which read the header as data. Import the file into a fresh database, or with --skip 1 (%2).</source>
        <translation>파일의 헤더 행(%1)이 테이블의 행으로 들어가 있습니다. 가져오기 전에 테이블이 만들어져 있어서 가져오기 과정에서 헤더를 데이터로 읽었습니다. 새 데이터베이스로 가져오거나 --skip 1 옵션으로 가져오세요(%2).</translation>
    </message>
    <message>
        <source>Looking an element up by its number fails: AtomicNumber must compare with a bare number, as in &quot;%1&quot;.</source>
        <translation>번호로 원소를 조회할 수 없습니다. AtomicNumber는 “%1”처럼 따옴표 없는 숫자와 비교할 수 있어야 합니다.</translation>
    </message>
    <message>
        <source>Symbols or names with invisible characters in them (zero-width spaces or joiners, soft hyphens, direction marks), which no typed answer holds, for atomic numbers %1.</source>
        <translation>입력한 어떤 답에도 없는 보이지 않는 문자(폭 없는 공백이나 결합자, 소프트 하이픈, 방향 표시)가 들어 있는 원소 기호 또는 이름: 원자 번호 %1.</translation>
    </message>
    <message>
        <source>Symbols or names with characters that no element&apos;s name has, as a file saved in another character set than UTF-8 leaves them (&quot;?&quot;, &quot;Ã³&quot;, &quot;Å¼&quot;), for atomic numbers %1. Save the sheet again as CSV in the character set &quot;Unicode (UTF-8)&quot;, or convert the file with iconv, and import it again (%2).</source>
        <translation type="vanished">UTF-8이 아닌 문자 집합으로 저장된 파일에 남는 것과 같은, 어떤 원소 이름에도 없는 문자(“?”, “Ã³”, “Å¼”)가 들어 있는 원소 기호 또는 이름: 원자 번호 %1. 시트를 문자 집합 “Unicode (UTF-8)”의 CSV로 다시 저장하거나 iconv로 파일을 변환한 다음 다시 가져오세요(%2).</translation>
    </message>
    <message>
        <source>The file was saved as UTF-16 (&quot;Unicode text&quot; in office programs), which the import does not read. Convert it with &quot;iconv -f %1 -t UTF-8 elements.csv &gt; elements-utf8.csv&quot; and import elements-utf8.csv, or save the sheet again as CSV in the character set &quot;Unicode (UTF-8)&quot; (%2).</source>
        <translation>파일이 UTF-16(오피스 프로그램의 “유니코드 텍스트”)으로 저장되어 가져올 수 없습니다. “iconv -f %1 -t UTF-8 elements.csv &gt; elements-utf8.csv” 명령으로 변환한 뒤 elements-utf8.csv를 가져오거나, 시트를 문자 집합 “Unicode (UTF-8)”의 CSV로 다시 저장하세요(%2).</translation>
    </message>
    <message>
        <source>Names with characters that no element&apos;s name has, garbled because the file was saved in the character set %1 and read as %2, for atomic numbers %3. Read it as %1: in psql, give &quot;\encoding %4&quot; before \copy, or convert it first with &quot;iconv -f %5 -t UTF-8&quot;, and import it again (%6).</source>
        <translation>파일을 %1 문자 집합으로 저장했는데 %2 문자 집합으로 읽어서 깨진, 어떤 원소 이름에도 없는 문자가 들어 있는 이름: 원자 번호 %3. %1 문자 집합으로 읽으세요. psql에서는 \copy 앞에 “\encoding %4” 명령을 지정하거나, 먼저 “iconv -f %5 -t UTF-8” 명령으로 변환한 다음 다시 가져오세요(%6).</translation>
    </message>
    <message>
        <source>Names with characters that no element&apos;s name has, garbled because the file was saved in the character set %1 and read as %2, for atomic numbers %3. Convert it with &quot;%4 &gt; elements-utf8.csv&quot; and import elements-utf8.csv in its place (%5).</source>
        <translation>파일을 %1 문자 집합으로 저장했는데 %2 문자 집합으로 읽어서 깨진, 어떤 원소 이름에도 없는 문자가 들어 있는 이름: 원자 번호 %3. “%4 &gt; elements-utf8.csv” 명령으로 변환한 뒤 원래 파일 대신 elements-utf8.csv를 가져오세요(%5).</translation>
    </message>
    <message>
        <source>Symbols or names with characters that no element&apos;s name has, such as &quot;?&quot; or the letter pairs (&quot;Ã³&quot;, &quot;Å¼&quot;) that a file saved in another character set than UTF-8 leaves, or with no letter at their start or end (&quot;-&quot;, a lone accent), for atomic numbers %1. Retype those cells, or save the sheet again as CSV in the character set &quot;Unicode (UTF-8)&quot; (or convert the file with iconv) and import it again (%2).</source>
        <translation>어떤 원소 이름에도 없는 문자(예: “?”, 또는 UTF-8이 아닌 문자 집합으로 저장된 파일에 남는 “Ã³”, “Å¼” 같은 글자 쌍)가 들어 있거나, 처음이나 끝이 글자가 아닌(“-”, 홀로 있는 악센트) 원소 기호 또는 이름: 원자 번호 %1. 해당 셀을 다시 입력하거나, 시트를 문자 집합 “Unicode (UTF-8)”의 CSV로 다시 저장(또는 iconv로 파일을 변환)한 다음 다시 가져오세요(%2).</translation>
    </message>
</context>
<context>
    <name>OdbcDataSource</name>
    <message>
        <source>ODBC data source &quot;%1&quot;</source>
        <translation>ODBC 데이터 원본 “%1”</translation>
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
        <translation>프로그램에 원소 표 스크립트가 없습니다.</translation>
    </message>
    <message>
        <source>The element table&apos;s script cannot be run: %1</source>
        <translation>원소 표 스크립트를 실행할 수 없습니다: %1</translation>
    </message>
    <message>
        <source>The element names in %1 cannot be loaded: %2</source>
        <translation>%1 언어의 원소 이름을 불러올 수 없습니다: %2</translation>
    </message>
</context>
<context>
    <name>frmElements</name>
    <message>
        <source>Elements</source>
        <translation>원소</translation>
    </message>
    <message>
        <source>Atomic Number</source>
        <translation>원자 번호</translation>
    </message>
    <message>
        <source>Symbol</source>
        <translation>원소 기호</translation>
    </message>
    <message>
        <source>Element Name</source>
        <translation>원소 이름</translation>
    </message>
    <message>
        <source>Atomic Mass</source>
        <translation>원자량</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>답</translation>
    </message>
    <message>
        <source>Created by Orvashel</source>
        <translation>만든 이: Orvashel</translation>
    </message>
    <message>
        <source>Spin</source>
        <translation>돌리기</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>정답 확인</translation>
    </message>
    <message>
        <source>Step 1</source>
        <translation>1단계</translation>
    </message>
    <message>
        <source>Guess the Name</source>
        <translation>이름 맞히기</translation>
    </message>
    <message>
        <source>Guess the Symbol</source>
        <translation>기호 맞히기</translation>
    </message>
    <message>
        <source>Step 2</source>
        <translation>2단계</translation>
    </message>
    <message>
        <source>Elements 1 to 36</source>
        <translation>원소 1~36</translation>
    </message>
    <message>
        <source>Elements 1 to 38, 40, 42, 47 - 57, 74, 78 - 80</source>
        <translation>원소 1~38, 40, 42, 47~57, 74, 78~80</translation>
    </message>
    <message>
        <source>Elements 1 to 38, 40, 42, 47 - 57, 74, 78 - 89, 92, 94, 95</source>
        <translation>원소 1~38, 40, 42, 47~57, 74, 78~89, 92, 94, 95</translation>
    </message>
    <message>
        <source>Elements 1 to 103</source>
        <translation>원소 1~103</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>종료</translation>
    </message>
    <message>
        <source>Shortcut: %1</source>
        <translation>바로 가기 키: %1</translation>
    </message>
</context>
</TS>
