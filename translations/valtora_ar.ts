<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar" sourcelanguage="en">
<context>
    <name>AnswerCheck</name>
    <message>
        <source>Your my hero</source>
        <translation>أحسنت!</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>حاول مرة أخرى</translation>
    </message>
</context>
<context>
    <name>ApplicationStart</name>
    <message>
        <source>valtora: no display could be opened. Choose one with DISPLAY (X11) or WAYLAND_DISPLAY (Wayland), or run without one with &quot;-platform offscreen&quot;.</source>
        <translation>valtora: تعذّر فتح أي شاشة عرض. اختر شاشة عبر المتغير DISPLAY في X11 أو المتغير WAYLAND_DISPLAY في Wayland، أو شغّل Valtora دون شاشة باستخدام «-platform offscreen».</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>A desktop quiz on the chemical elements.</source>
        <translation>اختبار حاسوبي في العناصر الكيميائية.</translation>
    </message>
    <message>
        <source>valtora: &quot;%1&quot; is not an option or argument of Valtora; &quot;valtora --help&quot; lists them.</source>
        <translation>valtora: «%1» ليس خيارًا لبرنامج Valtora ولا وسيطًا له؛ يسردها الأمر «valtora --help».</translation>
    </message>
</context>
<context>
    <name>DataControl</name>
    <message>
        <source>The table on %1 has no column %2.</source>
        <translation>لا يحتوي الجدول في %1 على العمود %2.</translation>
    </message>
</context>
<context>
    <name>DataSourceFaults</name>
    <message>
        <source>%1 names the ODBC driver &quot;%2&quot;, which is not installed on this computer. Install it, or name an installed driver on the data source&apos;s Driver line: the command &quot;odbcinst -q -d&quot; lists them.</source>
        <translation>يحدد %1 برنامج التشغيل «%2» لـ ODBC، لكنه غير مثبت على هذا الحاسوب. ثبّته، أو حدّد في سطر Driver لمصدر البيانات برنامج تشغيل مثبتًا: يسرد الأمر «odbcinst -q -d» برامج التشغيل المثبتة.</translation>
    </message>
    <message>
        <source>%1 names no database file: its Database line is empty. Put the path of the SQLite file that holds the table elements there.</source>
        <translation>لا يحدد %1 أي ملف قاعدة بيانات: سطر Database فيه فارغ. اكتب في هذا السطر مسار ملف SQLite الذي يحتوي على الجدول elements.</translation>
    </message>
    <message>
        <source>The database file &quot;%2&quot; of %1 does not exist. Check the path on the data source&apos;s Database line.</source>
        <translation>ملف قاعدة البيانات «%2» الخاص بـ %1 غير موجود. تحقق من المسار في سطر Database لمصدر البيانات.</translation>
    </message>
    <message>
        <source>The file &quot;%2&quot; of %1 is not an SQLite database. Check the path on the data source&apos;s Database line, or make the file again with the sqlite3 shell.</source>
        <translation>الملف «%2» الخاص بـ %1 ليس قاعدة بيانات SQLite. تحقق من المسار في سطر Database لمصدر البيانات، أو أنشئ الملف من جديد باستخدام صدفة sqlite3.</translation>
    </message>
    <message>
        <source>The database file &quot;%2&quot; of %1 is locked by another program that is changing it. Close that program, or end its transaction, then start Valtora again.</source>
        <translation>ملف قاعدة البيانات «%2» الخاص بـ %1 مقفل من قِبل برنامج آخر يعدّله. أغلق ذلك البرنامج أو أنهِ معاملته، ثم شغّل Valtora من جديد.</translation>
    </message>
    <message>
        <source>The server of %1 accepts no more connections: all it allows are in use. Close Valtora on another desk, or ask whoever runs the server to allow more connections or to put a connection pooler in front of it.</source>
        <translation>لا يقبل خادم %1 مزيدًا من الاتصالات: كل الاتصالات التي يسمح بها قيد الاستخدام. أغلق Valtora على حاسوب آخر، أو اطلب من مسؤول الخادم السماح بمزيد من الاتصالات أو وضع مُجمِّع اتصالات (connection pooler) أمامه.</translation>
    </message>
    <message>
        <source>The server of %1 refused the login. Check the Username, Password and Database lines of the data source, and that the server lets that role connect from this computer (pg_hba.conf).</source>
        <translation>رفض خادم %1 تسجيل الدخول. تحقق من أسطر Username و Password و Database لمصدر البيانات، ومن أن الخادم يسمح لذلك الدور بالاتصال من هذا الحاسوب (pg_hba.conf).</translation>
    </message>
    <message>
        <source>The server of %1 cannot be reached. Check the Servername and Port lines of the data source, that the server is running, and that this computer can reach it over the network.</source>
        <translation>تعذّر الوصول إلى خادم %1. تحقق من سطري Servername و Port لمصدر البيانات، ومن أن الخادم يعمل، وأن هذا الحاسوب يستطيع الوصول إليه عبر الشبكة.</translation>
    </message>
    <message>
        <source>The connection to the server of %1 was lost: the server was stopped or restarted, or the network failed. Start Valtora again once the server is back.</source>
        <translation>انقطع الاتصال بخادم %1: أُوقف الخادم أو أُعيد تشغيله، أو تعطلت الشبكة. شغّل Valtora من جديد حين يعود الخادم.</translation>
    </message>
    <message>
        <source>%1 did not answer within %2 seconds. Check that its server is running and not overloaded, and that no other program holds its database locked, then start Valtora again.</source>
        <translation>لم يُجب %1 خلال %2 ثانية. تحقق من أن خادمه يعمل وليس مثقلًا، ومن أنه لا يوجد برنامج آخر يُبقي قاعدة بياناته مقفلة، ثم شغّل Valtora من جديد.</translation>
    </message>
    <message>
        <source>The driver said: %1</source>
        <translation>رسالة برنامج التشغيل: %1</translation>
    </message>
    <message>
        <source>The server of %1 is starting up or shutting down, and accepts no connections now. Start Valtora again in a minute; if it keeps saying so, ask whoever runs the server.</source>
        <translation>خادم %1 قيد بدء التشغيل أو الإيقاف، ولا يقبل اتصالات الآن. شغّل Valtora من جديد بعد دقيقة؛ وإن تكررت هذه الرسالة، فراجع مسؤول الخادم.</translation>
    </message>
    <message>
        <source>The server of %1 ended the connection on an administrator&apos;s command: someone ended Valtora&apos;s session on the server, or the server was stopped or restarted. Start Valtora again once the server is back.</source>
        <translation>أنهى خادم %1 الاتصال بأمر من المسؤول: أنهى أحدهم جلسة Valtora على الخادم، أو أُوقف الخادم أو أُعيد تشغيله. شغّل Valtora من جديد حين يعود الخادم.</translation>
    </message>
    <message>
        <source>The server of %1 closed the connection because it was idle for longer than the server allows (its setting idle_session_timeout). Ask whoever runs the server to lift that limit for the quiz&apos;s role (alter role quiz set idle_session_timeout = 0), then start Valtora again.</source>
        <translation>أغلق خادم %1 الاتصال لأنه ظل خاملًا مدة أطول مما يسمح به الخادم (إعداده idle_session_timeout). اطلب من مسؤول الخادم رفع هذا الحد عن دور الاختبار (alter role quiz set idle_session_timeout = 0)، ثم شغّل Valtora من جديد.</translation>
    </message>
    <message>
        <source>A query of Valtora&apos;s on the server of %1 was cancelled on an administrator&apos;s command (pg_cancel_backend, or another program that cancels queries). Start Valtora again.</source>
        <translation>أُلغي استعلام لـ Valtora على خادم %1 بأمر من المسؤول (pg_cancel_backend، أو برنامج آخر يلغي الاستعلامات). شغّل Valtora من جديد.</translation>
    </message>
    <message>
        <source>The connection pooler in front of the server of %1 gave up waiting for a free server connection, after as long as its setting query_wait_timeout allows. Close Valtora on desks that do not need it, or ask whoever runs the pooler for a larger pool (default_pool_size), then start Valtora again.</source>
        <translation type="vanished">توقف مُجمِّع الاتصالات الموجود أمام خادم %1 عن انتظار اتصال خادم متاح، بعد أن انتظر المدة القصوى التي يسمح بها إعداده query_wait_timeout. أغلق Valtora على الحواسيب التي لا تحتاج إليه، أو اطلب من مسؤول المُجمِّع تجمّعًا أكبر (default_pool_size)، ثم شغّل Valtora من جديد.</translation>
    </message>
    <message>
        <source>Likely causes: the table elements or one of its columns was changed while the quiz ran, the server ended the connection, or the driver cannot read a value of the table.</source>
        <translation>الأسباب المحتملة: تغيّر الجدول elements أو أحد أعمدته أثناء عمل الاختبار، أو أنهى الخادم الاتصال، أو لا يستطيع برنامج التشغيل قراءة إحدى قيم الجدول.</translation>
    </message>
    <message>
        <source>Likely causes: this user may not read the file on the data source&apos;s Database line, or the SQLite driver is set up wrongly (&quot;isql -v Elements&quot; shows what it says).</source>
        <translation>الأسباب المحتملة: لا يحق لهذا المستخدم قراءة الملف المذكور في سطر Database لمصدر البيانات، أو أن برنامج تشغيل SQLite مُعدّ بشكل خاطئ (يعرض الأمر «isql -v Elements» ما يقوله).</translation>
    </message>
    <message>
        <source>Likely causes: the server is not running or this computer cannot reach it, the data source&apos;s Servername, Port, Database, Username or Password line does not match the server, or its driver is set up wrongly (&quot;isql -v Elements&quot; shows what it says).</source>
        <translation>الأسباب المحتملة: الخادم لا يعمل أو لا يستطيع هذا الحاسوب الوصول إليه، أو أن سطر Servername أو Port أو Database أو Username أو Password لمصدر البيانات لا يطابق الخادم، أو أن برنامج التشغيل مُعدّ بشكل خاطئ (يعرض الأمر «isql -v Elements» ما يقوله).</translation>
    </message>
    <message>
        <source>The server of %1 gave up waiting for a lock on the table elements, after as long as its setting lock_timeout allows: another program holds the table locked, changing it or in a transaction left open. Ask whoever runs the server to end that program&apos;s transaction, then start Valtora again.</source>
        <translation>توقف خادم %1 عن انتظار قفل على الجدول elements، بعد أن انتظر المدة القصوى التي يسمح بها إعداده lock_timeout: برنامج آخر يُبقي الجدول مقفلًا، إما لأنه يعدّله وإما لأنه ترك معاملة مفتوحة. اطلب من مسؤول الخادم إنهاء معاملة ذلك البرنامج، ثم شغّل Valtora من جديد.</translation>
    </message>
    <message>
        <source>The server of %1 does not let the role &quot;%2&quot; read the table elements. Ask whoever runs the server to allow it: grant select on elements to %2;</source>
        <translation>لا يسمح خادم %1 للدور «%2» بقراءة الجدول elements. اطلب من مسؤول الخادم السماح بذلك: grant select on elements to %2;</translation>
    </message>
    <message>
        <source>The connection pooler in front of the server of %1 gave up waiting for a server connection, after as long as its setting query_wait_timeout allows. Either every connection of its pool is in use (close Valtora on desks that do not need it, or ask whoever runs the pooler for a larger pool, default_pool_size), or the server behind it cannot be reached (ask whoever runs it to check that it is running). Then start Valtora again.</source>
        <translation>توقف مُجمِّع الاتصالات الموجود أمام خادم %1 عن انتظار اتصال بالخادم، بعد أن انتظر المدة القصوى التي يسمح بها إعداده query_wait_timeout. فإما أن كل اتصالات تجمّعه قيد الاستخدام (أغلق Valtora على الحواسيب التي لا تحتاج إليه، أو اطلب من مسؤول المُجمِّع تجمّعًا أكبر، default_pool_size)، وإما أنه لا يمكن الوصول إلى الخادم الذي خلفه (اطلب من مسؤول الخادم التحقق من أنه يعمل). ثم شغّل Valtora من جديد.</translation>
    </message>
</context>
<context>
    <name>DesktopEntry</name>
    <message>
        <source>Chemical Elements Quiz</source>
        <extracomment>The kind of program, as menus show it beside its name.</extracomment>
        <translation>اختبار العناصر الكيميائية</translation>
    </message>
    <message>
        <source>Drill the symbols and names of the chemical elements</source>
        <extracomment>What the program is for, in a line: menus&apos; tooltips, software centres&apos; summary.</extracomment>
        <translation>تدرّب على رموز العناصر الكيميائية وأسمائها</translation>
    </message>
    <message>
        <source>chemistry;elements;periodic table;symbol;quiz;school;</source>
        <extracomment>Words a desktop&apos;s search finds the program by, each followed by a semicolon.</extracomment>
        <translation>كيمياء;عناصر;الجدول الدوري;رمز;اختبار;مدرسة;</translation>
    </message>
    <message>
        <source>Valtora is a quiz on the chemical elements. It shows an element&apos;s atomic number, symbol, name and atomic mass with the symbol or the name covered, and you type what is covered.</source>
        <extracomment>Software centres: the description.</extracomment>
        <translation>يُعدّ Valtora اختبارًا في العناصر الكيميائية. يعرض العدد الذري لعنصرٍ ما ورمزه واسمه وكتلته الذرية، مع إخفاء الرمز أو الاسم، وعليك أن تكتب ما أُخفي.</translation>
    </message>
    <message>
        <source>Guess the symbol or the name</source>
        <extracomment>Software centres: a feature in the description&apos;s list.</extracomment>
        <translation>خمّن الرمز أو الاسم</translation>
    </message>
    <message>
        <source>Draw from the first 36 elements, from those a school course knows, or from all 103</source>
        <extracomment>Software centres: a feature in the description&apos;s list.</extracomment>
        <translation>السحب من أول 36 عنصرًا، أو من العناصر التي يتناولها منهج مدرسي، أو من العناصر الـ103 كلها</translation>
    </message>
    <message>
        <source>Played by keyboard alone, and read out by screen readers</source>
        <extracomment>Software centres: a feature in the description&apos;s list.</extracomment>
        <translation>يُلعب بلوحة المفاتيح وحدها، وتقرؤه قارئات الشاشة بصوت عالٍ</translation>
    </message>
    <message numerus="yes">
        <source>In %n languages, the element names included</source>
        <extracomment>Software centres: a feature in the description&apos;s list; %n counts English too.</extracomment>
        <translation>
            <numerusform>بـ%n لغة، بما في ذلك أسماء العناصر</numerusform>
            <numerusform>بـ%n لغة، بما في ذلك أسماء العناصر</numerusform>
            <numerusform>بـ%n لغتين، بما في ذلك أسماء العناصر</numerusform>
            <numerusform>بـ%n لغات، بما في ذلك أسماء العناصر</numerusform>
            <numerusform>بـ%n لغة، بما في ذلك أسماء العناصر</numerusform>
            <numerusform>بـ%n لغة، بما في ذلك أسماء العناصر</numerusform>
        </translation>
    </message>
    <message>
        <source>Needs no setup; a school can serve its own element table to every desk from one server</source>
        <extracomment>Software centres: a feature in the description&apos;s list.</extracomment>
        <translation>لا يحتاج إلى أي إعداد؛ ويمكن للمدرسة أن تقدّم جدول عناصرها الخاص إلى كل حاسوب من خادم واحد</translation>
    </message>
    <message>
        <source>The quiz after one spin, the symbol covered</source>
        <extracomment>Software centres: the caption of the screenshot.</extracomment>
        <translation>الاختبار بعد تدوير واحد، مع إخفاء الرمز</translation>
    </message>
</context>
<context>
    <name>ElementDatabase</name>
    <message>
        <source>the embedded element table</source>
        <translation>جدول العناصر المدمج</translation>
    </message>
    <message>
        <source>%1: Qt&apos;s ODBC driver (QODBC) is not installed.</source>
        <translation>%1: برنامج تشغيل ODBC الخاص بـ Qt ‏(QODBC) غير مثبت.</translation>
    </message>
    <message>
        <source>%1 cannot be opened.</source>
        <translation>تعذّر فتح %1.</translation>
    </message>
    <message>
        <source>%1: Qt&apos;s SQLite driver (QSQLITE) is not installed.</source>
        <translation>%1: برنامج تشغيل SQLite الخاص بـ Qt ‏(QSQLITE) غير مثبت.</translation>
    </message>
    <message>
        <source>The query &quot;%1&quot; on %2 failed.</source>
        <translation>فشل الاستعلام «%1» على %2.</translation>
    </message>
</context>
<context>
    <name>ElementLookup</name>
    <message>
        <source>&quot;%1&quot; is not an atomic number to look up.</source>
        <translation>«%1» ليس عددًا ذريًا يمكن البحث عنه.</translation>
    </message>
    <message>
        <source>There is no row for atomic number %1 in table %2.</source>
        <translation>لا يوجد صف للعدد الذري %1 في الجدول %2.</translation>
    </message>
    <message>
        <source>The row for atomic number %1 in table %2 has no symbol (%3 is empty): no answer could be judged against it.</source>
        <translation>الصف الخاص بالعدد الذري %1 في الجدول %2 بلا رمز (العمود %3 فارغ): لا يمكن الحكم على أي إجابة بمقارنتها به.</translation>
    </message>
    <message>
        <source>The row for atomic number %1 in table %2 has no name (%3 is empty): no answer could be judged against it.</source>
        <translation>الصف الخاص بالعدد الذري %1 في الجدول %2 بلا اسم (العمود %3 فارغ): لا يمكن الحكم على أي إجابة بمقارنتها به.</translation>
    </message>
</context>
<context>
    <name>ElementTableCheck</name>
    <message>
        <source> and %1 more</source>
        <translation> و%1 غيرها</translation>
    </message>
    <message>
        <source>It has the columns %1.</source>
        <translation>أعمدة الجدول: %1.</translation>
    </message>
    <message>
        <source>The table %1 of %2 cannot be used.
%3</source>
        <translation>لا يمكن استخدام الجدول %1 في %2.
%3</translation>
    </message>
    <message>
        <source>%1 has no table %2.</source>
        <translation>لا يحتوي %1 على الجدول %2.</translation>
    </message>
    <message>
        <source>Missing columns: %1.</source>
        <translation>الأعمدة الناقصة: %1.</translation>
    </message>
    <message>
        <source>The file was imported twice into the same database: its header row is a row of the table, and every element is there twice. Import it again into a fresh database file (delete the old one first).</source>
        <translation>استُورد الملف مرتين إلى قاعدة البيانات نفسها: صار صف العناوين فيه صفًا من صفوف الجدول، وصار كل عنصر موجودًا فيه مرتين. استورده من جديد إلى ملف قاعدة بيانات جديد (احذف القديم أولًا).</translation>
    </message>
    <message>
        <source>No row for atomic numbers %1.</source>
        <translation>لا يوجد صف للأعداد الذرية %1.</translation>
    </message>
    <message>
        <source>More than one row for atomic numbers %1.</source>
        <translation>أكثر من صف واحد للأعداد الذرية %1.</translation>
    </message>
    <message>
        <source>Atomic numbers that are not whole numbers: %1.</source>
        <translation>أعداد ذرية ليست أعدادًا صحيحة: %1.</translation>
    </message>
    <message>
        <source>Rows without an atomic number: %1.</source>
        <translation>صفوف بلا عدد ذري: %1.</translation>
    </message>
    <message>
        <source>No symbol for atomic numbers %1.</source>
        <translation>لا يوجد رمز للأعداد الذرية %1.</translation>
    </message>
    <message>
        <source>No name for atomic numbers %1.</source>
        <translation>لا يوجد اسم للأعداد الذرية %1.</translation>
    </message>
    <message>
        <source>Names that no answer can match, since answers are put in proper case (&quot;Iron&quot;, not &quot;iron&quot; or &quot;IRON&quot;), for atomic numbers %1.</source>
        <translation>أسماء لا يمكن أن تطابقها أي إجابة، لأن الإجابات تُكتب بحرف أول كبير («Iron» وليس «iron» أو «IRON»)، للأعداد الذرية %1.</translation>
    </message>
    <message>
        <source>Symbols or names with blanks around them, which no answer can match, for atomic numbers %1.</source>
        <translation>رموز أو أسماء تحيط بها مسافات، لا يمكن أن تطابقها أي إجابة، للأعداد الذرية %1.</translation>
    </message>
    <message>
        <source>see &quot;From a spreadsheet&quot; in the README, installed as %1</source>
        <translation>راجع «From a spreadsheet» في ملف README المثبّت باسم %1</translation>
    </message>
    <message>
        <source>The file was saved with semicolons between its columns, as office programs do where decimals are written with a comma: import it with .separator &quot;;&quot; (%1).</source>
        <translation>حُفظ الملف بفواصل منقوطة بين أعمدته، كما تفعل البرامج المكتبية حيث تُكتب الأعداد العشرية بفاصلة: استورده باستخدام .separator &quot;;&quot; ‏(%1).</translation>
    </message>
    <message>
        <source>The file was saved with tabs between its columns: import it with .separator &quot;\t&quot; instead of --csv (%1).</source>
        <translation>حُفظ الملف بعلامات جدولة بين أعمدته: استورده باستخدام .separator &quot;\t&quot; بدلًا من --csv ‏(%1).</translation>
    </message>
    <message>
        <source>Its first row holds the column names: the file has a title row above its header. Import it with --skip 1, or delete the title row (%1).</source>
        <translation>يحتوي الصف الأول من الجدول على أسماء الأعمدة: في الملف صف عنوان فوق صف العناوين. استورده باستخدام --skip 1، أو احذف صف العنوان (%1).</translation>
    </message>
    <message>
        <source>Reading it failed.</source>
        <translation>تعذّرت قراءة الجدول.</translation>
    </message>
    <message>
        <source>Atomic numbers with blanks around them, which the lookup&apos;s query does not find: %1.</source>
        <translation>أعداد ذرية تحيط بها مسافات، لا يعثر عليها استعلام البحث: %1.</translation>
    </message>
    <message>
        <source>The file&apos;s header row (%1) is a row of the table: the table was made before the import, which read the header as data. Import the file into a fresh database, or with --skip 1 (%2).</source>
        <translation>صف العناوين في الملف (%1) صف من صفوف الجدول: أُنشئ الجدول قبل الاستيراد، فقرأ الاستيراد العناوين على أنها بيانات. استورد الملف إلى قاعدة بيانات جديدة، أو باستخدام --skip 1 ‏(%2).</translation>
    </message>
    <message>
        <source>Looking an element up by its number fails: AtomicNumber must compare with a bare number, as in &quot;%1&quot;.</source>
        <translation>يفشل البحث عن عنصر برقمه: يجب أن يُقارَن AtomicNumber برقم مجرد دون علامات اقتباس، كما في «%1».</translation>
    </message>
    <message>
        <source>Symbols or names with invisible characters in them (zero-width spaces or joiners, soft hyphens, direction marks), which no typed answer holds, for atomic numbers %1.</source>
        <translation>رموز أو أسماء تحتوي على محارف غير مرئية (مسافات أو وصلات صفرية العرض، أو شرطات لينة، أو علامات اتجاه) لا تحتويها أي إجابة مكتوبة، للأعداد الذرية %1.</translation>
    </message>
    <message>
        <source>Symbols or names with characters that no element&apos;s name has, as a file saved in another character set than UTF-8 leaves them (&quot;?&quot;, &quot;Ã³&quot;, &quot;Å¼&quot;), for atomic numbers %1. Save the sheet again as CSV in the character set &quot;Unicode (UTF-8)&quot;, or convert the file with iconv, and import it again (%2).</source>
        <translation type="vanished">رموز أو أسماء فيها محارف لا توجد في اسم أي عنصر، كالتي يتركها ملف محفوظ بترميز غير UTF-8 ‏(«?»، «Ã³»، «Å¼»)، للأعداد الذرية %1. احفظ الورقة من جديد بصيغة CSV بترميز «Unicode (UTF-8)»، أو حوّل الملف باستخدام iconv، ثم استورده من جديد (%2).</translation>
    </message>
    <message>
        <source>The file was saved as UTF-16 (&quot;Unicode text&quot; in office programs), which the import does not read. Convert it with &quot;iconv -f %1 -t UTF-8 elements.csv &gt; elements-utf8.csv&quot; and import elements-utf8.csv, or save the sheet again as CSV in the character set &quot;Unicode (UTF-8)&quot; (%2).</source>
        <translation>حُفظ الملف بترميز UTF-16 («نص Unicode» في البرامج المكتبية)، وهو ترميز لا يقرؤه الاستيراد. حوّله بالأمر «iconv -f %1 -t UTF-8 elements.csv &gt; elements-utf8.csv» واستورد elements-utf8.csv، أو احفظ الورقة من جديد بصيغة CSV بترميز «Unicode (UTF-8)» ‏(%2).</translation>
    </message>
    <message>
        <source>Names with characters that no element&apos;s name has, garbled because the file was saved in the character set %1 and read as %2, for atomic numbers %3. Read it as %1: in psql, give &quot;\encoding %4&quot; before \copy, or convert it first with &quot;iconv -f %5 -t UTF-8&quot;, and import it again (%6).</source>
        <translation>أسماء فيها محارف لا توجد في اسم أي عنصر، تشوّهت لأن الملف حُفظ بالترميز %1 وقُرئ على أنه %2، للأعداد الذرية %3. اقرأه بالترميز %1: في psql، نفّذ «\encoding %4» قبل \copy، أو حوّله أولًا بالأمر «iconv -f %5 -t UTF-8»، ثم استورده من جديد (%6).</translation>
    </message>
    <message>
        <source>Names with characters that no element&apos;s name has, garbled because the file was saved in the character set %1 and read as %2, for atomic numbers %3. Convert it with &quot;%4 &gt; elements-utf8.csv&quot; and import elements-utf8.csv in its place (%5).</source>
        <translation>أسماء فيها محارف لا توجد في اسم أي عنصر، تشوّهت لأن الملف حُفظ بالترميز %1 وقُرئ على أنه %2، للأعداد الذرية %3. حوّله بالأمر «%4 &gt; elements-utf8.csv» واستورد elements-utf8.csv بدلًا منه (%5).</translation>
    </message>
    <message>
        <source>Symbols or names with characters that no element&apos;s name has, such as &quot;?&quot; or the letter pairs (&quot;Ã³&quot;, &quot;Å¼&quot;) that a file saved in another character set than UTF-8 leaves, or with no letter at their start or end (&quot;-&quot;, a lone accent), for atomic numbers %1. Retype those cells, or save the sheet again as CSV in the character set &quot;Unicode (UTF-8)&quot; (or convert the file with iconv) and import it again (%2).</source>
        <translation>رموز أو أسماء فيها محارف لا توجد في اسم أي عنصر، مثل «?» أو أزواج الحروف («Ã³»، «Å¼») التي يتركها ملف محفوظ بترميز غير UTF-8، أو لا تبدأ بحرف أو لا تنتهي به («-»، أو علامة تشكيل منفردة)، للأعداد الذرية %1. أعد كتابة تلك الخلايا، أو احفظ الورقة من جديد بصيغة CSV بترميز «Unicode (UTF-8)» (أو حوّل الملف باستخدام iconv) ثم استورده من جديد (%2).</translation>
    </message>
</context>
<context>
    <name>OdbcDataSource</name>
    <message>
        <source>ODBC data source &quot;%1&quot;</source>
        <translation>مصدر بيانات ODBC ‏«%1»</translation>
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
        <translation>RTL</translation>
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
        <translation>البرنامج لا يتضمن سكربت جدول العناصر.</translation>
    </message>
    <message>
        <source>The element table&apos;s script cannot be run: %1</source>
        <translation>تعذّر تشغيل سكربت جدول العناصر: %1</translation>
    </message>
    <message>
        <source>The element names in %1 cannot be loaded: %2</source>
        <translation>تعذّر تحميل أسماء العناصر باللغة %1: %2</translation>
    </message>
</context>
<context>
    <name>frmElements</name>
    <message>
        <source>Elements</source>
        <translation>العناصر</translation>
    </message>
    <message>
        <source>Atomic Number</source>
        <translation>العدد الذري</translation>
    </message>
    <message>
        <source>Symbol</source>
        <translation>الرمز</translation>
    </message>
    <message>
        <source>Element Name</source>
        <translation>الاسم</translation>
    </message>
    <message>
        <source>Atomic Mass</source>
        <translation>الكتلة الذرية</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>الإجابة</translation>
    </message>
    <message>
        <source>Created by Orvashel</source>
        <translation>من إعداد Orvashel</translation>
    </message>
    <message>
        <source>Spin</source>
        <translation>دوِّر</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>تحقّق</translation>
    </message>
    <message>
        <source>Step 1</source>
        <translation>الخطوة 1</translation>
    </message>
    <message>
        <source>Guess the Name</source>
        <translation>خمّن الاسم</translation>
    </message>
    <message>
        <source>Guess the Symbol</source>
        <translation>خمّن الرمز</translation>
    </message>
    <message>
        <source>Step 2</source>
        <translation>الخطوة 2</translation>
    </message>
    <message>
        <source>Elements 1 to 36</source>
        <translation>العناصر 1–36</translation>
    </message>
    <message>
        <source>Elements 1 to 38, 40, 42, 47 - 57, 74, 78 - 80</source>
        <translation>العناصر 1–38، 40، 42، 47–57، 74، 78–80</translation>
    </message>
    <message>
        <source>Elements 1 to 38, 40, 42, 47 - 57, 74, 78 - 89, 92, 94, 95</source>
        <translation>العناصر 1–38، 40، 42، 47–57، 74، 78–89، 92، 94، 95</translation>
    </message>
    <message>
        <source>Elements 1 to 103</source>
        <translation>العناصر 1–103</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>خروج</translation>
    </message>
    <message>
        <source>Shortcut: %1</source>
        <translation>مفتاح الاختصار: %1</translation>
    </message>
</context>
</TS>
