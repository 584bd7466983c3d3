<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ka" sourcelanguage="en">
<context>
    <name>AnswerCheck</name>
    <message>
        <source>Your my hero</source>
        <translation>ყოჩაღ!</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>სცადე ხელახლა</translation>
    </message>
</context>
<context>
    <name>ApplicationStart</name>
    <message>
        <source>valtora: no display could be opened. Choose one with DISPLAY (X11) or WAYLAND_DISPLAY (Wayland), or run without one with &quot;-platform offscreen&quot;.</source>
        <translation>valtora: ვერცერთი დისპლეი ვერ გაიხსნა. აირჩიეთ დისპლეი DISPLAY (X11) ან WAYLAND_DISPLAY (Wayland) ცვლადით, ან გაუშვით Valtora დისპლეის გარეშე, „-platform offscreen“ პარამეტრით.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>A desktop quiz on the chemical elements.</source>
        <translation>კომპიუტერული ვიქტორინა ქიმიური ელემენტების შესახებ.</translation>
    </message>
    <message>
        <source>valtora: &quot;%1&quot; is not an option or argument of Valtora; &quot;valtora --help&quot; lists them.</source>
        <translation>valtora: „%1“ არ არის Valtora-ს არც პარამეტრი და არც არგუმენტი; მათ ჩამონათვალს „valtora --help“ აჩვენებს.</translation>
    </message>
</context>
<context>
    <name>DataControl</name>
    <message>
        <source>The table on %1 has no column %2.</source>
        <translation>%1: ცხრილს არ აქვს სვეტი %2.</translation>
    </message>
</context>
<context>
    <name>DataSourceFaults</name>
    <message>
        <source>%1 names the ODBC driver &quot;%2&quot;, which is not installed on this computer. Install it, or name an installed driver on the data source&apos;s Driver line: the command &quot;odbcinst -q -d&quot; lists them.</source>
        <translation>%1: მითითებული ODBC დრაივერი „%2“ ამ კომპიუტერზე დაინსტალირებული არ არის. დააინსტალირეთ იგი ან მონაცემთა წყაროს Driver სტრიქონში მიუთითეთ დაინსტალირებული დრაივერი: დაინსტალირებულ დრაივერებს ბრძანება „odbcinst -q -d“ აჩვენებს.</translation>
    </message>
    <message>
        <source>%1 names no database file: its Database line is empty. Put the path of the SQLite file that holds the table elements there.</source>
        <translation>%1: მონაცემთა ბაზის ფაილი მითითებული არ არის – Database სტრიქონი ცარიელია. ჩაწერეთ ამ სტრიქონში იმ SQLite ფაილის ბილიკი, რომელიც elements ცხრილს შეიცავს.</translation>
    </message>
    <message>
        <source>The database file &quot;%2&quot; of %1 does not exist. Check the path on the data source&apos;s Database line.</source>
        <translation>%1: მონაცემთა ბაზის ფაილი „%2“ არ არსებობს. შეამოწმეთ ბილიკი მონაცემთა წყაროს Database სტრიქონში.</translation>
    </message>
    <message>
        <source>The file &quot;%2&quot; of %1 is not an SQLite database. Check the path on the data source&apos;s Database line, or make the file again with the sqlite3 shell.</source>
        <translation>%1: ფაილი „%2“ SQLite მონაცემთა ბაზა არ არის. შეამოწმეთ ბილიკი მონაცემთა წყაროს Database სტრიქონში ან თავიდან შექმენით ფაილი sqlite3 გარსით.</translation>
    </message>
    <message>
        <source>The database file &quot;%2&quot; of %1 is locked by another program that is changing it. Close that program, or end its transaction, then start Valtora again.</source>
        <translation>%1: მონაცემთა ბაზის ფაილი „%2“ დაბლოკილია სხვა პროგრამის მიერ, რომელიც მას ცვლის. დახურეთ ეს პროგრამა ან დაასრულეთ მისი ტრანზაქცია, შემდეგ კი ხელახლა გაუშვით Valtora.</translation>
    </message>
    <message>
        <source>The server of %1 accepts no more connections: all it allows are in use. Close Valtora on another desk, or ask whoever runs the server to allow more connections or to put a connection pooler in front of it.</source>
        <translation>%1: სერვერი ახალ კავშირებს აღარ იღებს – ყველა დაშვებული კავშირი დაკავებულია. დახურეთ Valtora სხვა კომპიუტერზე ან სთხოვეთ სერვერის ადმინისტრატორს, დაუშვას მეტი კავშირი ან სერვერის წინ დააყენოს კავშირების პული (connection pooler).</translation>
    </message>
    <message>
        <source>The server of %1 refused the login. Check the Username, Password and Database lines of the data source, and that the server lets that role connect from this computer (pg_hba.conf).</source>
        <translation>%1: სერვერმა შესვლა უარყო. შეამოწმეთ მონაცემთა წყაროს Username, Password და Database სტრიქონები და ისიც, აძლევს თუ არა სერვერი ამ როლს ამ კომპიუტერიდან დაკავშირების უფლებას (pg_hba.conf).</translation>
    </message>
    <message>
        <source>The server of %1 cannot be reached. Check the Servername and Port lines of the data source, that the server is running, and that this computer can reach it over the network.</source>
        <translation>%1: სერვერი მიუწვდომელია. შეამოწმეთ მონაცემთა წყაროს Servername და Port სტრიქონები, მუშაობს თუ არა სერვერი და შეუძლია თუ არა ამ კომპიუტერს მასთან ქსელით დაკავშირება.</translation>
    </message>
    <message>
        <source>The connection to the server of %1 was lost: the server was stopped or restarted, or the network failed. Start Valtora again once the server is back.</source>
        <translation>%1: სერვერთან კავშირი გაწყდა – სერვერი გაჩერდა ან გადაიტვირთა, ან ქსელი გაითიშა. ხელახლა გაუშვით Valtora, როცა სერვერი ისევ ხელმისაწვდომი იქნება.</translation>
    </message>
    <message>
        <source>%1 did not answer within %2 seconds. Check that its server is running and not overloaded, and that no other program holds its database locked, then start Valtora again.</source>
        <translation>%1: პასუხი %2 წამში არ მოვიდა. შეამოწმეთ, მუშაობს თუ არა სერვერი, ხომ არ არის ზედმეტად დატვირთული და ხომ არ უჭირავს სხვა პროგრამას მონაცემთა ბაზა დაბლოკილი, შემდეგ კი ხელახლა გაუშვით Valtora.</translation>
    </message>
    <message>
        <source>The driver said: %1</source>
        <translation>დრაივერის შეტყობინება: %1</translation>
    </message>
    <message>
        <source>The server of %1 is starting up or shutting down, and accepts no connections now. Start Valtora again in a minute; if it keeps saying so, ask whoever runs the server.</source>
        <translation>%1: სერვერი ეშვება ან ითიშება და ახლა კავშირებს არ იღებს. ერთ წუთში ხელახლა გაუშვით Valtora; თუ შეტყობინება განმეორდა, მიმართეთ სერვერის ადმინისტრატორს.</translation>
    </message>
    <message>
        <source>The server of %1 ended the connection on an administrator&apos;s command: someone ended Valtora&apos;s session on the server, or the server was stopped or restarted. Start Valtora again once the server is back.</source>
        <translation>%1: სერვერმა კავშირი ადმინისტრატორის ბრძანებით გაწყვიტა – ვიღაცამ სერვერზე Valtora-ს სესია დაასრულა, ან სერვერი გაჩერდა ან გადაიტვირთა. ხელახლა გაუშვით Valtora, როცა სერვერი ისევ ხელმისაწვდომი იქნება.</translation>
    </message>
    <message>
        <source>The server of %1 closed the connection because it was idle for longer than the server allows (its setting idle_session_timeout). Ask whoever runs the server to lift that limit for the quiz&apos;s role (alter role quiz set idle_session_timeout = 0), then start Valtora again.</source>
        <translation>%1: სერვერმა კავშირი დახურა, რადგან ის იმაზე დიდხანს იყო უმოქმედო, ვიდრე სერვერი უშვებს (მისი პარამეტრი idle_session_timeout). სთხოვეთ სერვერის ადმინისტრატორს, მოხსნას ეს შეზღუდვა ვიქტორინის როლისთვის (alter role quiz set idle_session_timeout = 0), შემდეგ კი ხელახლა გაუშვით Valtora.</translation>
    </message>
    <message>
        <source>A query of Valtora&apos;s on the server of %1 was cancelled on an administrator&apos;s command (pg_cancel_backend, or another program that cancels queries). Start Valtora again.</source>
        <translation>%1: Valtora-ს მოთხოვნა სერვერზე ადმინისტრატორის ბრძანებით გაუქმდა (pg_cancel_backend ან სხვა პროგრამა, რომელიც მოთხოვნებს აუქმებს). ხელახლა გაუშვით Valtora.</translation>
    </message>
    <message>
        <source>The connection pooler in front of the server of %1 gave up waiting for a free server connection, after as long as its setting query_wait_timeout allows. Close Valtora on desks that do not need it, or ask whoever runs the pooler for a larger pool (default_pool_size), then start Valtora again.</source>
        <translation type="vanished">%1: სერვერის წინ მდგომმა კავშირების პულმა შეწყვიტა თავისუფალი სერვერული კავშირის ლოდინი მას შემდეგ, რაც იმდენ ხანს დაელოდა, რამდენსაც მისი პარამეტრი query_wait_timeout უშვებს. დახურეთ Valtora იმ კომპიუტერებზე, სადაც ის საჭირო არ არის, ან სთხოვეთ პულის ადმინისტრატორს უფრო დიდი პული (default_pool_size), შემდეგ კი ხელახლა გაუშვით Valtora.</translation>
    </message>
    <message>
        <source>Likely causes: the table elements or one of its columns was changed while the quiz ran, the server ended the connection, or the driver cannot read a value of the table.</source>
        <translation>სავარაუდო მიზეზები: ვიქტორინის მუშაობისას შეიცვალა elements ცხრილი ან მისი რომელიმე სვეტი, სერვერმა კავშირი გაწყვიტა, ან დრაივერი ცხრილის რომელიმე მნიშვნელობას ვერ კითხულობს.</translation>
    </message>
    <message>
        <source>Likely causes: this user may not read the file on the data source&apos;s Database line, or the SQLite driver is set up wrongly (&quot;isql -v Elements&quot; shows what it says).</source>
        <translation>სავარაუდო მიზეზები: ამ მომხმარებელს არ აქვს მონაცემთა წყაროს Database სტრიქონში მითითებული ფაილის წაკითხვის უფლება, ან SQLite დრაივერი არასწორადაა კონფიგურირებული (რას ამბობს დრაივერი, აჩვენებს „isql -v Elements“).</translation>
    </message>
    <message>
        <source>Likely causes: the server is not running or this computer cannot reach it, the data source&apos;s Servername, Port, Database, Username or Password line does not match the server, or its driver is set up wrongly (&quot;isql -v Elements&quot; shows what it says).</source>
        <translation>სავარაუდო მიზეზები: სერვერი არ მუშაობს ან ეს კომპიუტერი მას ვერ უკავშირდება, მონაცემთა წყაროს Servername, Port, Database, Username ან Password სტრიქონი სერვერს არ შეესაბამება, ან დრაივერი არასწორადაა კონფიგურირებული (რას ამბობს დრაივერი, აჩვენებს „isql -v Elements“).</translation>
    </message>
    <message>
        <source>The server of %1 gave up waiting for a lock on the table elements, after as long as its setting lock_timeout allows: another program holds the table locked, changing it or in a transaction left open. Ask whoever runs the server to end that program&apos;s transaction, then start Valtora again.</source>
        <translation>%1: სერვერმა შეწყვიტა elements ცხრილის ბლოკირების ლოდინი მას შემდეგ, რაც იმდენ ხანს დაელოდა, რამდენსაც მისი პარამეტრი lock_timeout უშვებს: ცხრილი დაბლოკილი უჭირავს სხვა პროგრამას, რომელიც მას ცვლის ან ღია ტრანზაქცია დატოვა. სთხოვეთ სერვერის ადმინისტრატორს, დაასრულოს ამ პროგრამის ტრანზაქცია, შემდეგ კი ხელახლა გაუშვით Valtora.</translation>
    </message>
    <message>
        <source>The server of %1 does not let the role &quot;%2&quot; read the table elements. Ask whoever runs the server to allow it: grant select on elements to %2;</source>
        <translation>%1: სერვერი როლს „%2“ elements ცხრილის წაკითხვის უფლებას არ აძლევს. სთხოვეთ სერვერის ადმინისტრატორს, მისცეს ეს უფლება: grant select on elements to %2;</translation>
    </message>
    <message>
        <source>The connection pooler in front of the server of %1 gave up waiting for a server connection, after as long as its setting query_wait_timeout allows. Either every connection of its pool is in use (close Valtora on desks that do not need it, or ask whoever runs the pooler for a larger pool, default_pool_size), or the server behind it cannot be reached (ask whoever runs it to check that it is running). Then start Valtora again.</source>
        <translation>%1: სერვერის წინ მდგომმა კავშირების პულმა შეწყვიტა სერვერული კავშირის ლოდინი მას შემდეგ, რაც იმდენ ხანს დაელოდა, რამდენსაც მისი პარამეტრი query_wait_timeout უშვებს. ან პულის ყველა კავშირი დაკავებულია (დახურეთ Valtora იმ კომპიუტერებზე, სადაც ის საჭირო არ არის, ან სთხოვეთ პულის ადმინისტრატორს უფრო დიდი პული, default_pool_size), ან პულის მიღმა მდგომი სერვერი მიუწვდომელია (სთხოვეთ სერვერის ადმინისტრატორს, შეამოწმოს, მუშაობს თუ არა ის). შემდეგ ხელახლა გაუშვით Valtora.</translation>
    </message>
</context>
<context>
    <name>DesktopEntry</name>
    <message>
        <source>Chemical Elements Quiz</source>
        <extracomment>The kind of program, as menus show it beside its name.</extracomment>
        <translation>ქიმიური ელემენტების ვიქტორინა</translation>
    </message>
    <message>
        <source>Drill the symbols and names of the chemical elements</source>
        <extracomment>What the program is for, in a line: menus&apos; tooltips, software centres&apos; summary.</extracomment>
        <translation>ქიმიური ელემენტების სიმბოლოებისა და სახელების ვარჯიში</translation>
    </message>
    <message>
        <source>chemistry;elements;periodic table;symbol;quiz;school;</source>
        <extracomment>Words a desktop&apos;s search finds the program by, each followed by a semicolon.</extracomment>
        <translation>ქიმია;ელემენტები;პერიოდული სისტემა;სიმბოლო;ვიქტორინა;სკოლა;</translation>
    </message>
    <message>
        <source>Valtora is a quiz on the chemical elements. It shows an element&apos;s atomic number, symbol, name and atomic mass with the symbol or the name covered, and you type what is covered.</source>
        <extracomment>Software centres: the description.</extracomment>
        <translation>Valtora ქიმიური ელემენტების ვიქტორინაა. იგი აჩვენებს ელემენტის ატომურ ნომერს, სიმბოლოს, სახელსა და ატომურ მასას, ოღონდ სიმბოლო ან სახელი დაფარულია, შენ კი უნდა აკრიფო ის, რაც დაფარულია.</translation>
    </message>
    <message>
        <source>Guess the symbol or the name</source>
        <extracomment>Software centres: a feature in the description&apos;s list.</extracomment>
        <translation>სიმბოლოს ან სახელის გამოცნობა</translation>
    </message>
    <message>
        <source>Draw from the first 36 elements, from those a school course knows, or from all 103</source>
        <extracomment>Software centres: a feature in the description&apos;s list.</extracomment>
        <translation>შემთხვევითი არჩევა პირველი 36 ელემენტიდან, სასკოლო კურსის ელემენტებიდან ან ყველა 103 ელემენტიდან</translation>
    </message>
    <message>
        <source>Played by keyboard alone, and read out by screen readers</source>
        <extracomment>Software centres: a feature in the description&apos;s list.</extracomment>
        <translation>თამაში შესაძლებელია მხოლოდ კლავიატურით, ეკრანის წამკითხველები კი მას ხმამაღლა კითხულობენ</translation>
    </message>
    <message numerus="yes">
        <source>In %n languages, the element names included</source>
        <extracomment>Software centres: a feature in the description&apos;s list; %n counts English too.</extracomment>
        <translation>
            <numerusform>%n ენაზე, ელემენტების სახელების ჩათვლით</numerusform>
            <numerusform>%n ენაზე, ელემენტების სახელების ჩათვლით</numerusform>
        </translation>
    </message>
    <message>
        <source>Needs no setup; a school can serve its own element table to every desk from one server</source>
        <extracomment>Software centres: a feature in the description&apos;s list.</extracomment>
        <translation>არ საჭიროებს გამართვას; სკოლას შეუძლია ერთი სერვერიდან ყველა კომპიუტერს საკუთარი ელემენტების ცხრილი მიაწოდოს</translation>
    </message>
    <message>
        <source>The quiz after one spin, the symbol covered</source>
        <extracomment>Software centres: the caption of the screenshot.</extracomment>
        <translation>ვიქტორინა ერთი დატრიალების შემდეგ, დაფარული სიმბოლოთი</translation>
    </message>
</context>
<context>
    <name>ElementDatabase</name>
    <message>
        <source>the embedded element table</source>
        <translation>ჩაშენებული ელემენტების ცხრილი</translation>
    </message>
    <message>
        <source>%1: Qt&apos;s ODBC driver (QODBC) is not installed.</source>
        <translation>%1: Qt-ის ODBC დრაივერი (QODBC) დაინსტალირებული არ არის.</translation>
    </message>
    <message>
        <source>%1 cannot be opened.</source>
        <translation>%1: მონაცემთა წყარო ვერ გაიხსნა.</translation>
    </message>
    <message>
        <source>%1: Qt&apos;s SQLite driver (QSQLITE) is not installed.</source>
        <translation>%1: Qt-ის SQLite დრაივერი (QSQLITE) დაინსტალირებული არ არის.</translation>
    </message>
    <message>
        <source>The query &quot;%1&quot; on %2 failed.</source>
        <translation>%2: მოთხოვნა „%1“ ვერ შესრულდა.</translation>
    </message>
</context>
<context>
    <name>ElementLookup</name>
    <message>
        <source>&quot;%1&quot; is not an atomic number to look up.</source>
        <translation>„%1“ არ არის ატომური ნომერი, რომლითაც ძებნა შეიძლება.</translation>
    </message>
    <message>
        <source>There is no row for atomic number %1 in table %2.</source>
        <translation>%2 ცხრილში არ არის მწკრივი ატომური ნომრით %1.</translation>
    </message>
    <message>
        <source>The row for atomic number %1 in table %2 has no symbol (%3 is empty): no answer could be judged against it.</source>
        <translation>%2 ცხრილში მწკრივს ატომური ნომრით %1 სიმბოლო არ აქვს (სვეტი %3 ცარიელია): მას ვერცერთი პასუხი ვერ შედარდება.</translation>
    </message>
    <message>
        <source>The row for atomic number %1 in table %2 has no name (%3 is empty): no answer could be judged against it.</source>
        <translation>%2 ცხრილში მწკრივს ატომური ნომრით %1 სახელი არ აქვს (სვეტი %3 ცარიელია): მას ვერცერთი პასუხი ვერ შედარდება.</translation>
    </message>
</context>
<context>
    <name>ElementTableCheck</name>
    <message>
        <source> and %1 more</source>
        <translation> და კიდევ %1</translation>
    </message>
    <message>
        <source>It has the columns %1.</source>
        <translation>ცხრილის სვეტები: %1.</translation>
    </message>
    <message>
        <source>The table %1 of %2 cannot be used.
%3</source>
        <translation>%2: ცხრილი %1 ვერ გამოიყენება.
%3</translation>
    </message>
    <message>
        <source>%1 has no table %2.</source>
        <translation>%1: ცხრილი %2 არ არსებობს.</translation>
    </message>
    <message>
        <source>Missing columns: %1.</source>
        <translation>აკლია სვეტები: %1.</translation>
    </message>
    <message>
        <source>The file was imported twice into the same database: its header row is a row of the table, and every element is there twice. Import it again into a fresh database file (delete the old one first).</source>
        <translation>ფაილის იმპორტი ერთსა და იმავე მონაცემთა ბაზაში ორჯერ მოხდა: მისი სათაურების მწკრივი ცხრილის მწკრივად იქცა და ყოველი ელემენტი მასში ორჯერაა. ხელახლა მოახდინეთ მისი იმპორტი ახალ მონაცემთა ბაზის ფაილში (ჯერ წაშალეთ ძველი).</translation>
    </message>
    <message>
        <source>No row for atomic numbers %1.</source>
        <translation>არ არის მწკრივი ატომური ნომრებისთვის %1.</translation>
    </message>
    <message>
        <source>More than one row for atomic numbers %1.</source>
        <translation>ერთზე მეტი მწკრივი ატომური ნომრებისთვის %1.</translation>
    </message>
    <message>
        <source>Atomic numbers that are not whole numbers: %1.</source>
        <translation>ატომური ნომრები, რომლებიც მთელი რიცხვები არ არის: %1.</translation>
    </message>
    <message>
        <source>Rows without an atomic number: %1.</source>
        <translation>მწკრივები ატომური ნომრის გარეშე: %1.</translation>
    </message>
    <message>
        <source>No symbol for atomic numbers %1.</source>
        <translation>არ არის სიმბოლო ატომური ნომრებისთვის %1.</translation>
    </message>
    <message>
        <source>No name for atomic numbers %1.</source>
        <translation>არ არის სახელი ატომური ნომრებისთვის %1.</translation>
    </message>
    <message>
        <source>Names that no answer can match, since answers are put in proper case (&quot;Iron&quot;, not &quot;iron&quot; or &quot;IRON&quot;), for atomic numbers %1.</source>
        <translation>სახელები, რომლებსაც ვერცერთი პასუხი ვერ დაემთხვევა, რადგან პასუხები დიდი საწყისი ასოთი იწერება („Iron“ და არა „iron“ ან „IRON“), ატომური ნომრებისთვის %1.</translation>
    </message>
    <message>
        <source>Symbols or names with blanks around them, which no answer can match, for atomic numbers %1.</source>
        <translation>სიმბოლოები ან სახელები თავში ან ბოლოში ჰარებით, რომლებსაც ვერცერთი პასუხი ვერ დაემთხვევა, ატომური ნომრებისთვის %1.</translation>
    </message>
    <message>
        <source>see &quot;From a spreadsheet&quot; in the README, installed as %1</source>
        <translation>იხილეთ „From a spreadsheet“ README ფაილში, რომელიც დაინსტალირებულია როგორც %1</translation>
    </message>
    <message>
        <source>The file was saved with semicolons between its columns, as office programs do where decimals are written with a comma: import it with .separator &quot;;&quot; (%1).</source>
        <translation>ფაილი შენახულია სვეტებს შორის წერტილმძიმეებით, როგორც ამას საოფისე პროგრამები აკეთებენ იქ, სადაც ათწილადები მძიმით იწერება: მოახდინეთ მისი იმპორტი ბრძანებით .separator &quot;;&quot; (%1).</translation>
    </message>
    <message>
        <source>The file was saved with tabs between its columns: import it with .separator &quot;\t&quot; instead of --csv (%1).</source>
        <translation>ფაილი შენახულია სვეტებს შორის ტაბულაციებით: მოახდინეთ მისი იმპორტი ბრძანებით .separator &quot;\t&quot;, --csv პარამეტრის ნაცვლად (%1).</translation>
    </message>
    <message>
        <source>Its first row holds the column names: the file has a title row above its header. Import it with --skip 1, or delete the title row (%1).</source>
        <translation>ცხრილის პირველი მწკრივი სვეტების სახელებს შეიცავს: ფაილს სათაურების მწკრივის ზემოთ დასახელების მწკრივი აქვს. მოახდინეთ მისი იმპორტი პარამეტრით --skip 1 ან წაშალეთ დასახელების მწკრივი (%1).</translation>
    </message>
    <message>
        <source>Reading it failed.</source>
        <translation>ცხრილის წაკითხვა ვერ მოხერხდა.</translation>
    </message>
    <message>
        <source>Atomic numbers with blanks around them, which the lookup&apos;s query does not find: %1.</source>
        <translation>ატომური ნომრები თავში ან ბოლოში ჰარებით, რომლებსაც საძიებო მოთხოვნა ვერ პოულობს: %1.</translation>
    </message>
    <message>
        <source>The file&apos;s header row (%1) is a row of the table: the table was made before the import, which read the header as data. Import the file into a fresh database, or with --skip 1 (%2).</source>
        <translation>ფაილის სათაურების მწკრივი (%1) ცხრილის მწკრივია: ცხრილი იმპორტამდე შეიქმნა და იმპორტმა სათაურები მონაცემებად წაიკითხა. მოახდინეთ ფაილის იმპორტი ახალ მონაცემთა ბაზაში ან პარამეტრით --skip 1 (%2).</translation>
    </message>
    <message>
        <source>Looking an element up by its number fails: AtomicNumber must compare with a bare number, as in &quot;%1&quot;.</source>
        <translation>ელემენტის ნომრით მოძებნა ვერ ხერხდება: AtomicNumber უნდა შედარდეს ბრჭყალების გარეშე ჩაწერილ რიცხვს, როგორც აქ: „%1“.</translation>
    </message>
    <message>
        <source>Symbols or names with invisible characters in them (zero-width spaces or joiners, soft hyphens, direction marks), which no typed answer holds, for atomic numbers %1.</source>
        <translation>სიმბოლოები ან სახელები უხილავი ნიშნებით (ნულოვანი სიგანის ჰარები ან შემაერთებლები, რბილი დეფისები, მიმართულების ნიშნები), რომლებსაც ვერცერთი აკრეფილი პასუხი ვერ შეიცავს, ატომური ნომრებისთვის %1.</translation>
    </message>
    <message>
        <source>Symbols or names with characters that no element&apos;s name has, as a file saved in another character set than UTF-8 leaves them (&quot;?&quot;, &quot;Ã³&quot;, &quot;Å¼&quot;), for atomic numbers %1. Save the sheet again as CSV in the character set &quot;Unicode (UTF-8)&quot;, or convert the file with iconv, and import it again (%2).</source>
        <translation type="vanished">სიმბოლოები ან სახელები ისეთი ნიშნებით, რომლებიც არცერთი ელემენტის სახელში არ გვხვდება და რომლებსაც ტოვებს UTF-8-ისგან განსხვავებული კოდირებით შენახული ფაილი („?“, „Ã³“, „Å¼“), ატომური ნომრებისთვის %1. ხელახლა შეინახეთ ფურცელი CSV ფორმატში კოდირებით „Unicode (UTF-8)“ ან გარდაქმენით ფაილი iconv ბრძანებით, შემდეგ კი ხელახლა მოახდინეთ მისი იმპორტი (%2).</translation>
    </message>
    <message>
        <source>The file was saved as UTF-16 (&quot;Unicode text&quot; in office programs), which the import does not read. Convert it with &quot;iconv -f %1 -t UTF-8 elements.csv &gt; elements-utf8.csv&quot; and import elements-utf8.csv, or save the sheet again as CSV in the character set &quot;Unicode (UTF-8)&quot; (%2).</source>
        <translation>ფაილი შენახულია UTF-16 ფორმატში („Unicode ტექსტი“ საოფისე პროგრამებში), რომელსაც იმპორტი ვერ კითხულობს. გარდაქმენით იგი ბრძანებით „iconv -f %1 -t UTF-8 elements.csv &gt; elements-utf8.csv“ და მოახდინეთ ფაილის elements-utf8.csv იმპორტი, ან ხელახლა შეინახეთ ფურცელი CSV ფორმატში კოდირებით „Unicode (UTF-8)“ (%2).</translation>
    </message>
    <message>
        <source>Names with characters that no element&apos;s name has, garbled because the file was saved in the character set %1 and read as %2, for atomic numbers %3. Read it as %1: in psql, give &quot;\encoding %4&quot; before \copy, or convert it first with &quot;iconv -f %5 -t UTF-8&quot;, and import it again (%6).</source>
        <translation>სახელები ისეთი ნიშნებით, რომლებიც არცერთი ელემენტის სახელში არ გვხვდება (ატომური ნომრები %3): ისინი დამახინჯდა, რადგან ფაილი შენახული იყო კოდირებით %1, წაკითხული კი – როგორც %2. წაიკითხეთ იგი როგორც %1: psql პროგრამაში, \copy ბრძანებამდე მიუთითეთ „\encoding %4“, ან ჯერ გარდაქმენით იგი ბრძანებით „iconv -f %5 -t UTF-8“, შემდეგ კი ხელახლა მოახდინეთ მისი იმპორტი (%6).</translation>
    </message>
    <message>
        <source>Names with characters that no element&apos;s name has, garbled because the file was saved in the character set %1 and read as %2, for atomic numbers %3. Convert it with &quot;%4 &gt; elements-utf8.csv&quot; and import elements-utf8.csv in its place (%5).</source>
        <translation>სახელები ისეთი ნიშნებით, რომლებიც არცერთი ელემენტის სახელში არ გვხვდება (ატომური ნომრები %3): ისინი დამახინჯდა, რადგან ფაილი შენახული იყო კოდირებით %1, წაკითხული კი – როგორც %2. გარდაქმენით იგი ბრძანებით „%4 &gt; elements-utf8.csv“ და მის ნაცვლად მოახდინეთ ფაილის elements-utf8.csv იმპორტი (%5).</translation>
    </message>
    <message>
        <source>Symbols or names with characters that no element&apos;s name has, such as &quot;?&quot; or the letter pairs (&quot;Ã³&quot;, &quot;Å¼&quot;) that a file saved in another character set than UTF-8 leaves, or with no letter at their start or end (&quot;-&quot;, a lone accent), for atomic numbers %1. Retype those cells, or save the sheet again as CSV in the character set &quot;Unicode (UTF-8)&quot; (or convert the file with iconv) and import it again (%2).</source>
        <translation>სიმბოლოები ან სახელები ისეთი ნიშნებით, რომლებიც არცერთი ელემენტის სახელში არ გვხვდება, მაგალითად, „?“ ან ასოთა წყვილები („Ã³“, „Å¼“), რომლებსაც ტოვებს UTF-8-ისგან განსხვავებული კოდირებით შენახული ფაილი, ან რომლებსაც თავში ან ბოლოში ასო არ აქვთ („-“, ცალკე მდგომი დიაკრიტიკული ნიშანი), ატომური ნომრებისთვის %1. ხელახლა აკრიფეთ ეს უჯრები, ან ხელახლა შეინახეთ ფურცელი CSV ფორმატში კოდირებით „Unicode (UTF-8)“ (ან გარდაქმენით ფაილი iconv ბრძანებით) და ხელახლა მოახდინეთ მისი იმპორტი (%2).</translation>
    </message>
</context>
<context>
    <name>OdbcDataSource</name>
    <message>
        <source>ODBC data source &quot;%1&quot;</source>
        <translation>ODBC მონაცემთა წყარო „%1“</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Usage: %1</source>
        <translation>გამოყენება: %1</translation>
    </message>
    <message>
        <source>[options]</source>
        <translation>[პარამეტრები]</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>პარამეტრები:</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>აჩვენებს დახმარებას ბრძანების სტრიქონის პარამეტრების შესახებ.</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>აჩვენებს დახმარებას, Qt-ის სპეციფიკური პარამეტრების ჩათვლით.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>აჩვენებს ინფორმაციას ვერსიის შესახებ.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>პარამეტრს „%1“ მნიშვნელობა აკლია.</translation>
    </message>
</context>
<context>
    <name>QGnomeTheme</name>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;დიახ</translation>
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
        <translation>&amp;დაბრუნება</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;გამეორება</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;ამოჭრა</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;კოპირება</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;ჩასმა</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>წაშლა</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>ყველას მონიშვნა</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>დიახ</translation>
    </message>
</context>
<context>
    <name>QUnicodeControlCharacterMenu</name>
    <message>
        <source>Insert Unicode control character</source>
        <translation>უნიკოდის სამართავი სიმბოლოს ჩასმა</translation>
    </message>
</context>
<context>
    <name>SqlScript</name>
    <message>
        <source>The element table&apos;s script is missing from the program.</source>
        <translation>ელემენტების ცხრილის სკრიპტი პროგრამაში არ არის.</translation>
    </message>
    <message>
        <source>The element table&apos;s script cannot be run: %1</source>
        <translation>ელემენტების ცხრილის სკრიპტი ვერ შესრულდა: %1</translation>
    </message>
    <message>
        <source>The element names in %1 cannot be loaded: %2</source>
        <translation>ელემენტების სახელები ენისთვის %1 ვერ ჩაიტვირთა: %2</translation>
    </message>
</context>
<context>
    <name>frmElements</name>
    <message>
        <source>Elements</source>
        <translation>ელემენტები</translation>
    </message>
    <message>
        <source>Atomic Number</source>
        <translation>ატ. ნომერი</translation>
    </message>
    <message>
        <source>Symbol</source>
        <translation>სიმბოლო</translation>
    </message>
    <message>
        <source>Element Name</source>
        <translation>სახელი</translation>
    </message>
    <message>
        <source>Atomic Mass</source>
        <translation>ატ. მასა</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>პასუხი</translation>
    </message>
    <message>
        <source>Created by Orvashel</source>
        <translation>ავტორი: Orvashel</translation>
    </message>
    <message>
        <source>Spin</source>
        <translation>ტრიალი</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>შეამოწმე</translation>
    </message>
    <message>
        <source>Step 1</source>
        <translation>ნაბიჯი 1: გამოიცანი</translation>
    </message>
    <message>
        <source>Guess the Name</source>
        <translation>სახელი</translation>
    </message>
    <message>
        <source>Guess the Symbol</source>
        <translation>სიმბოლო</translation>
    </message>
    <message>
        <source>Step 2</source>
        <translation>ნაბიჯი 2: ელემენტები</translation>
    </message>
    <message>
        <source>Elements 1 to 36</source>
        <translation>1–36</translation>
    </message>
    <message>
        <source>Elements 1 to 38, 40, 42, 47 - 57, 74, 78 - 80</source>
        <translation>1–38, 40, 42, 47–57, 74, 78–80</translation>
    </message>
    <message>
        <source>Elements 1 to 38, 40, 42, 47 - 57, 74, 78 - 89, 92, 94, 95</source>
        <translation>1–38, 40, 42, 47–57, 74, 78–89, 92, 94, 95</translation>
    </message>
    <message>
        <source>Elements 1 to 103</source>
        <translation>1–103</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>გასვლა</translation>
    </message>
    <message>
        <source>Shortcut: %1</source>
        <translation>მალსახმობი: %1</translation>
    </message>
</context>
</TS>
