<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr" sourcelanguage="en">
<context>
    <name>AnswerCheck</name>
    <message>
        <source>Your my hero</source>
        <translation>Harikasın!</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>Tekrar dene</translation>
    </message>
</context>
<context>
    <name>ApplicationStart</name>
    <message>
        <source>valtora: no display could be opened. Choose one with DISPLAY (X11) or WAYLAND_DISPLAY (Wayland), or run without one with &quot;-platform offscreen&quot;.</source>
        <translation>valtora: hiçbir ekran açılamadı. DISPLAY (X11) ya da WAYLAND_DISPLAY (Wayland) ile bir ekran seçin veya Valtora’yı “-platform offscreen” ile ekransız çalıştırın.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>A desktop quiz on the chemical elements.</source>
        <translation>Kimyasal elementler üzerine bir bilgisayar bilgi yarışması.</translation>
    </message>
    <message>
        <source>valtora: &quot;%1&quot; is not an option or argument of Valtora; &quot;valtora --help&quot; lists them.</source>
        <translation>valtora: “%1”, Valtora’nın bir seçeneği ya da argümanı değil; bunları “valtora --help” listeler.</translation>
    </message>
</context>
<context>
    <name>DataControl</name>
    <message>
        <source>The table on %1 has no column %2.</source>
        <translation>%1: tabloda %2 sütunu yok.</translation>
    </message>
</context>
<context>
    <name>DataSourceFaults</name>
    <message>
        <source>%1 names the ODBC driver &quot;%2&quot;, which is not installed on this computer. Install it, or name an installed driver on the data source&apos;s Driver line: the command &quot;odbcinst -q -d&quot; lists them.</source>
        <translation>%1: belirtilen “%2” ODBC sürücüsü bu bilgisayarda kurulu değil. Sürücüyü kurun ya da veri kaynağının Driver satırına kurulu bir sürücü yazın: kurulu sürücüleri “odbcinst -q -d” komutu listeler.</translation>
    </message>
    <message>
        <source>%1 names no database file: its Database line is empty. Put the path of the SQLite file that holds the table elements there.</source>
        <translation>%1: veritabanı dosyası belirtilmemiş; Database satırı boş. Bu satıra elements tablosunu içeren SQLite dosyasının yolunu yazın.</translation>
    </message>
    <message>
        <source>The database file &quot;%2&quot; of %1 does not exist. Check the path on the data source&apos;s Database line.</source>
        <translation>%1: “%2” veritabanı dosyası yok. Veri kaynağının Database satırındaki yolu denetleyin.</translation>
    </message>
    <message>
        <source>The file &quot;%2&quot; of %1 is not an SQLite database. Check the path on the data source&apos;s Database line, or make the file again with the sqlite3 shell.</source>
        <translation>%1: “%2” dosyası bir SQLite veritabanı değil. Veri kaynağının Database satırındaki yolu denetleyin ya da dosyayı sqlite3 kabuğuyla yeniden oluşturun.</translation>
    </message>
    <message>
        <source>The database file &quot;%2&quot; of %1 is locked by another program that is changing it. Close that program, or end its transaction, then start Valtora again.</source>
        <translation>%1: “%2” veritabanı dosyası, onu değiştirmekte olan başka bir program tarafından kilitlenmiş. O programı kapatın ya da işlemini (transaction) sonlandırın, ardından Valtora’yı yeniden başlatın.</translation>
    </message>
    <message>
        <source>The server of %1 accepts no more connections: all it allows are in use. Close Valtora on another desk, or ask whoever runs the server to allow more connections or to put a connection pooler in front of it.</source>
        <translation>%1: sunucu yeni bağlantı kabul etmiyor; izin verdiği bağlantıların hepsi kullanımda. Valtora’yı başka bir bilgisayarda kapatın ya da sunucuyu yöneten kişiden daha fazla bağlantıya izin vermesini veya sunucunun önüne bir bağlantı havuzlayıcı (connection pooler) koymasını isteyin.</translation>
    </message>
    <message>
        <source>The server of %1 refused the login. Check the Username, Password and Database lines of the data source, and that the server lets that role connect from this computer (pg_hba.conf).</source>
        <translation>%1: sunucu oturum açma isteğini reddetti. Veri kaynağının Username, Password ve Database satırlarını ve sunucunun bu role bu bilgisayardan bağlanma izni verip vermediğini (pg_hba.conf) denetleyin.</translation>
    </message>
    <message>
        <source>The server of %1 cannot be reached. Check the Servername and Port lines of the data source, that the server is running, and that this computer can reach it over the network.</source>
        <translation>%1: sunucuya ulaşılamıyor. Veri kaynağının Servername ve Port satırlarını, sunucunun çalışıp çalışmadığını ve bu bilgisayarın sunucuya ağ üzerinden ulaşıp ulaşamadığını denetleyin.</translation>
    </message>
    <message>
        <source>The connection to the server of %1 was lost: the server was stopped or restarted, or the network failed. Start Valtora again once the server is back.</source>
        <translation>%1: sunucuyla bağlantı koptu; sunucu durduruldu ya da yeniden başlatıldı veya ağda bir arıza oluştu. Sunucu yeniden erişilebilir olduğunda Valtora’yı tekrar başlatın.</translation>
    </message>
    <message>
        <source>%1 did not answer within %2 seconds. Check that its server is running and not overloaded, and that no other program holds its database locked, then start Valtora again.</source>
        <translation>%1: %2 saniye içinde yanıt gelmedi. Sunucunun çalıştığını ve aşırı yüklenmediğini, başka hiçbir programın veritabanını kilitli tutmadığını denetleyin, ardından Valtora’yı yeniden başlatın.</translation>
    </message>
    <message>
        <source>The driver said: %1</source>
        <translation>Sürücünün iletisi: %1</translation>
    </message>
    <message>
        <source>The server of %1 is starting up or shutting down, and accepts no connections now. Start Valtora again in a minute; if it keeps saying so, ask whoever runs the server.</source>
        <translation>%1: sunucu başlatılıyor ya da kapatılıyor ve şu anda bağlantı kabul etmiyor. Bir dakika sonra Valtora’yı yeniden başlatın; aynı ileti yinelenirse sunucuyu yöneten kişiye başvurun.</translation>
    </message>
    <message>
        <source>The server of %1 ended the connection on an administrator&apos;s command: someone ended Valtora&apos;s session on the server, or the server was stopped or restarted. Start Valtora again once the server is back.</source>
        <translation>%1: sunucu, bir yöneticinin komutuyla bağlantıyı sonlandırdı: biri Valtora’nın sunucudaki oturumunu sonlandırdı ya da sunucu durduruldu veya yeniden başlatıldı. Sunucu yeniden erişilebilir olduğunda Valtora’yı tekrar başlatın.</translation>
    </message>
    <message>
        <source>The server of %1 closed the connection because it was idle for longer than the server allows (its setting idle_session_timeout). Ask whoever runs the server to lift that limit for the quiz&apos;s role (alter role quiz set idle_session_timeout = 0), then start Valtora again.</source>
        <translation>%1: bağlantı, sunucunun izin verdiğinden daha uzun süre boşta kaldığı için sunucu tarafından kapatıldı (sunucunun idle_session_timeout ayarı). Sunucuyu yöneten kişiden bu sınırı yarışmanın rolü için kaldırmasını isteyin (alter role quiz set idle_session_timeout = 0), ardından Valtora’yı yeniden başlatın.</translation>
    </message>
    <message>
        <source>A query of Valtora&apos;s on the server of %1 was cancelled on an administrator&apos;s command (pg_cancel_backend, or another program that cancels queries). Start Valtora again.</source>
        <translation>%1: Valtora’nın sunucudaki bir sorgusu bir yöneticinin komutuyla iptal edildi (pg_cancel_backend ya da sorguları iptal eden başka bir program). Valtora’yı yeniden başlatın.</translation>
    </message>
    <message>
        <source>The connection pooler in front of the server of %1 gave up waiting for a free server connection, after as long as its setting query_wait_timeout allows. Close Valtora on desks that do not need it, or ask whoever runs the pooler for a larger pool (default_pool_size), then start Valtora again.</source>
        <translation type="vanished">%1: sunucunun önündeki bağlantı havuzlayıcı, query_wait_timeout ayarının izin verdiği süre kadar bekledikten sonra boş bir sunucu bağlantısı beklemekten vazgeçti. Valtora’yı ihtiyaç duyulmayan bilgisayarlarda kapatın ya da bağlantı havuzlayıcıyı yöneten kişiden daha büyük bir havuz (default_pool_size) isteyin, ardından Valtora’yı yeniden başlatın.</translation>
    </message>
    <message>
        <source>Likely causes: the table elements or one of its columns was changed while the quiz ran, the server ended the connection, or the driver cannot read a value of the table.</source>
        <translation>Olası nedenler: yarışma çalışırken elements tablosu ya da sütunlarından biri değiştirildi, sunucu bağlantıyı sonlandırdı ya da sürücü tablodaki bir değeri okuyamıyor.</translation>
    </message>
    <message>
        <source>Likely causes: this user may not read the file on the data source&apos;s Database line, or the SQLite driver is set up wrongly (&quot;isql -v Elements&quot; shows what it says).</source>
        <translation>Olası nedenler: bu kullanıcının veri kaynağının Database satırındaki dosyayı okuma izni yok ya da SQLite sürücüsü yanlış yapılandırılmış (sürücünün ne dediğini “isql -v Elements” gösterir).</translation>
    </message>
    <message>
        <source>Likely causes: the server is not running or this computer cannot reach it, the data source&apos;s Servername, Port, Database, Username or Password line does not match the server, or its driver is set up wrongly (&quot;isql -v Elements&quot; shows what it says).</source>
        <translation>Olası nedenler: sunucu çalışmıyor ya da bu bilgisayar sunucuya ulaşamıyor, veri kaynağının Servername, Port, Database, Username ya da Password satırı sunucuyla uyuşmuyor ya da sürücü yanlış yapılandırılmış (sürücünün ne dediğini “isql -v Elements” gösterir).</translation>
    </message>
    <message>
        <source>The server of %1 gave up waiting for a lock on the table elements, after as long as its setting lock_timeout allows: another program holds the table locked, changing it or in a transaction left open. Ask whoever runs the server to end that program&apos;s transaction, then start Valtora again.</source>
        <translation>%1: sunucu, lock_timeout ayarının izin verdiği süre kadar bekledikten sonra elements tablosu üzerindeki kilidi beklemekten vazgeçti: başka bir program, tabloyu değiştirdiği ya da bir işlemi (transaction) açık bıraktığı için tabloyu kilitli tutuyor. Sunucuyu yöneten kişiden o programın işlemini sonlandırmasını isteyin, ardından Valtora’yı yeniden başlatın.</translation>
    </message>
    <message>
        <source>The server of %1 does not let the role &quot;%2&quot; read the table elements. Ask whoever runs the server to allow it: grant select on elements to %2;</source>
        <translation>%1: sunucu, “%2” rolünün elements tablosunu okumasına izin vermiyor. Sunucuyu yöneten kişiden buna izin vermesini isteyin: grant select on elements to %2;</translation>
    </message>
    <message>
        <source>The connection pooler in front of the server of %1 gave up waiting for a server connection, after as long as its setting query_wait_timeout allows. Either every connection of its pool is in use (close Valtora on desks that do not need it, or ask whoever runs the pooler for a larger pool, default_pool_size), or the server behind it cannot be reached (ask whoever runs it to check that it is running). Then start Valtora again.</source>
        <translation>%1: sunucunun önündeki bağlantı havuzlayıcı, query_wait_timeout ayarının izin verdiği süre kadar bekledikten sonra bir sunucu bağlantısı beklemekten vazgeçti. Ya havuzundaki bağlantıların hepsi kullanımda (Valtora’yı ihtiyaç duyulmayan bilgisayarlarda kapatın veya bağlantı havuzlayıcıyı yöneten kişiden default_pool_size ayarıyla daha büyük bir havuz isteyin) ya da arkasındaki sunucuya ulaşılamıyor (sunucuyu yöneten kişiden sunucunun çalışıp çalışmadığını denetlemesini isteyin). Ardından Valtora’yı yeniden başlatın.</translation>
    </message>
</context>
<context>
    <name>DesktopEntry</name>
    <message>
        <source>Chemical Elements Quiz</source>
        <extracomment>The kind of program, as menus show it beside its name.</extracomment>
        <translation>Kimyasal elementler bilgi yarışması</translation>
    </message>
    <message>
        <source>Drill the symbols and names of the chemical elements</source>
        <extracomment>What the program is for, in a line: menus&apos; tooltips, software centres&apos; summary.</extracomment>
        <translation>Kimyasal elementlerin sembollerini ve adlarını pekiştirin</translation>
    </message>
    <message>
        <source>chemistry;elements;periodic table;symbol;quiz;school;</source>
        <extracomment>Words a desktop&apos;s search finds the program by, each followed by a semicolon.</extracomment>
        <translation>kimya;elementler;periyodik tablo;sembol;bilgi yarışması;okul;</translation>
    </message>
    <message>
        <source>Valtora is a quiz on the chemical elements. It shows an element&apos;s atomic number, symbol, name and atomic mass with the symbol or the name covered, and you type what is covered.</source>
        <extracomment>Software centres: the description.</extracomment>
        <translation>Valtora, kimyasal elementler üzerine bir bilgi yarışmasıdır. Bir elementin atom numarasını, sembolünü, adını ve atom kütlesini, sembolü ya da adı gizlenmiş olarak gösterir; sen de gizleneni yazarsın.</translation>
    </message>
    <message>
        <source>Guess the symbol or the name</source>
        <extracomment>Software centres: a feature in the description&apos;s list.</extracomment>
        <translation>Sembolü ya da adı bul</translation>
    </message>
    <message>
        <source>Draw from the first 36 elements, from those a school course knows, or from all 103</source>
        <extracomment>Software centres: a feature in the description&apos;s list.</extracomment>
        <translation>İlk 36 element, bir okul dersinde görülen elementler ya da 103 elementin tümü arasından çekiliş</translation>
    </message>
    <message>
        <source>Played by keyboard alone, and read out by screen readers</source>
        <extracomment>Software centres: a feature in the description&apos;s list.</extracomment>
        <translation>Yalnızca klavyeyle oynanabilir ve ekran okuyucular tarafından seslendirilir</translation>
    </message>
    <message numerus="yes">
        <source>In %n languages, the element names included</source>
        <extracomment>Software centres: a feature in the description&apos;s list; %n counts English too.</extracomment>
        <translation>
            <numerusform>Element adları dahil %n dilde</numerusform>
        </translation>
    </message>
    <message>
        <source>Needs no setup; a school can serve its own element table to every desk from one server</source>
        <extracomment>Software centres: a feature in the description&apos;s list.</extracomment>
        <translation>Yapılandırma gerektirmez; bir okul kendi element tablosunu tek bir sunucudan her bilgisayara sunabilir</translation>
    </message>
    <message>
        <source>The quiz after one spin, the symbol covered</source>
        <extracomment>Software centres: the caption of the screenshot.</extracomment>
        <translation>Bir çekilişten sonra, sembolü gizlenmiş yarışma</translation>
    </message>
</context>
<context>
    <name>ElementDatabase</name>
    <message>
        <source>the embedded element table</source>
        <translation>Yerleşik element tablosu</translation>
    </message>
    <message>
        <source>%1: Qt&apos;s ODBC driver (QODBC) is not installed.</source>
        <translation>%1: Qt’nin ODBC sürücüsü (QODBC) kurulu değil.</translation>
    </message>
    <message>
        <source>%1 cannot be opened.</source>
        <translation>%1: veri kaynağı açılamıyor.</translation>
    </message>
    <message>
        <source>%1: Qt&apos;s SQLite driver (QSQLITE) is not installed.</source>
        <translation>%1: Qt’nin SQLite sürücüsü (QSQLITE) kurulu değil.</translation>
    </message>
    <message>
        <source>The query &quot;%1&quot; on %2 failed.</source>
        <translation>%2: “%1” sorgusu başarısız oldu.</translation>
    </message>
</context>
<context>
    <name>ElementLookup</name>
    <message>
        <source>&quot;%1&quot; is not an atomic number to look up.</source>
        <translation>“%1” aranabilecek bir atom numarası değil.</translation>
    </message>
    <message>
        <source>There is no row for atomic number %1 in table %2.</source>
        <translation>%2 tablosunda %1 atom numarası için satır yok.</translation>
    </message>
    <message>
        <source>The row for atomic number %1 in table %2 has no symbol (%3 is empty): no answer could be judged against it.</source>
        <translation>%2 tablosunda %1 atom numaralı satırda sembol yok (%3 boş): hiçbir yanıt bununla karşılaştırılamaz.</translation>
    </message>
    <message>
        <source>The row for atomic number %1 in table %2 has no name (%3 is empty): no answer could be judged against it.</source>
        <translation>%2 tablosunda %1 atom numaralı satırda ad yok (%3 boş): hiçbir yanıt bununla karşılaştırılamaz.</translation>
    </message>
</context>
<context>
    <name>ElementTableCheck</name>
    <message>
        <source> and %1 more</source>
        <translation> ve %1 tane daha</translation>
    </message>
    <message>
        <source>It has the columns %1.</source>
        <translation>Tablonun sütunları: %1.</translation>
    </message>
    <message>
        <source>The table %1 of %2 cannot be used.
%3</source>
        <translation>%2: %1 tablosu kullanılamıyor.
%3</translation>
    </message>
    <message>
        <source>%1 has no table %2.</source>
        <translation>%1: %2 tablosu yok.</translation>
    </message>
    <message>
        <source>Missing columns: %1.</source>
        <translation>Eksik sütunlar: %1.</translation>
    </message>
    <message>
        <source>The file was imported twice into the same database: its header row is a row of the table, and every element is there twice. Import it again into a fresh database file (delete the old one first).</source>
        <translation>Dosya aynı veritabanına iki kez içe aktarılmış: başlık satırı tablonun bir satırı olmuş ve her element tabloda iki kez yer alıyor. Dosyayı yeni bir veritabanı dosyasına yeniden içe aktarın (önce eskisini silin).</translation>
    </message>
    <message>
        <source>No row for atomic numbers %1.</source>
        <translation>Şu atom numaraları için satır yok: %1.</translation>
    </message>
    <message>
        <source>More than one row for atomic numbers %1.</source>
        <translation>Şu atom numaraları için birden fazla satır var: %1.</translation>
    </message>
    <message>
        <source>Atomic numbers that are not whole numbers: %1.</source>
        <translation>Tam sayı olmayan atom numaraları: %1.</translation>
    </message>
    <message>
        <source>Rows without an atomic number: %1.</source>
        <translation>Atom numarası olmayan satırlar: %1.</translation>
    </message>
    <message>
        <source>No symbol for atomic numbers %1.</source>
        <translation>Şu atom numaraları için sembol yok: %1.</translation>
    </message>
    <message>
        <source>No name for atomic numbers %1.</source>
        <translation>Şu atom numaraları için ad yok: %1.</translation>
    </message>
    <message>
        <source>Names that no answer can match, since answers are put in proper case (&quot;Iron&quot;, not &quot;iron&quot; or &quot;IRON&quot;), for atomic numbers %1.</source>
        <translation>Yanıtlar yalnızca ilk harfi büyük olacak biçime getirildiği için (“demir” ya da “DEMİR” değil, “Demir”) hiçbir yanıtla eşleşemeyecek adlar, şu atom numaraları için: %1.</translation>
    </message>
    <message>
        <source>Symbols or names with blanks around them, which no answer can match, for atomic numbers %1.</source>
        <translation>Başında ya da sonunda boşluk bulunduğu için hiçbir yanıtla eşleşemeyecek semboller ya da adlar, şu atom numaraları için: %1.</translation>
    </message>
    <message>
        <source>see &quot;From a spreadsheet&quot; in the README, installed as %1</source>
        <translation>%1 olarak kurulan README’deki “From a spreadsheet” bölümüne bakın</translation>
    </message>
    <message>
        <source>The file was saved with semicolons between its columns, as office programs do where decimals are written with a comma: import it with .separator &quot;;&quot; (%1).</source>
        <translation>Dosya, sütunlar arasında noktalı virgül olacak biçimde kaydedilmiş; ondalık sayıların virgülle yazıldığı yerlerde ofis programları böyle yapar: dosyayı .separator &quot;;&quot; ile içe aktarın (%1).</translation>
    </message>
    <message>
        <source>The file was saved with tabs between its columns: import it with .separator &quot;\t&quot; instead of --csv (%1).</source>
        <translation>Dosya, sütunlar arasında sekme olacak biçimde kaydedilmiş: dosyayı --csv yerine .separator &quot;\t&quot; ile içe aktarın (%1).</translation>
    </message>
    <message>
        <source>Its first row holds the column names: the file has a title row above its header. Import it with --skip 1, or delete the title row (%1).</source>
        <translation>Tablonun ilk satırında sütun adları var: dosyada sütun başlıklarının üstünde bir başlık satırı daha bulunuyor. Dosyayı --skip 1 ile içe aktarın ya da başlık satırını silin (%1).</translation>
    </message>
    <message>
        <source>Reading it failed.</source>
        <translation>Tablo okunamadı.</translation>
    </message>
    <message>
        <source>Atomic numbers with blanks around them, which the lookup&apos;s query does not find: %1.</source>
        <translation>Başında ya da sonunda boşluk bulunduğu için element arama sorgusunun bulamadığı atom numaraları: %1.</translation>
    </message>
    <message>
        <source>The file&apos;s header row (%1) is a row of the table: the table was made before the import, which read the header as data. Import the file into a fresh database, or with --skip 1 (%2).</source>
        <translation>Dosyanın sütun başlığı satırı (%1) tablonun bir satırı olmuş: tablo içe aktarmadan önce oluşturulmuş ve içe aktarma sütun başlıklarını veri olarak okumuş. Dosyayı yeni bir veritabanına ya da --skip 1 ile içe aktarın (%2).</translation>
    </message>
    <message>
        <source>Looking an element up by its number fails: AtomicNumber must compare with a bare number, as in &quot;%1&quot;.</source>
        <translation>Bir elementi numarasıyla arama başarısız oluyor: AtomicNumber, “%1” örneğindeki gibi tırnaksız bir sayıyla karşılaştırılabilmelidir.</translation>
    </message>
    <message>
        <source>Symbols or names with invisible characters in them (zero-width spaces or joiners, soft hyphens, direction marks), which no typed answer holds, for atomic numbers %1.</source>
        <translation>Yazılan hiçbir yanıtta bulunmayan görünmez karakterler (sıfır genişlikli boşluklar ya da birleştiriciler, yumuşak tireler, yön işaretleri) içeren semboller ya da adlar, şu atom numaraları için: %1.</translation>
    </message>
    <message>
        <source>Symbols or names with characters that no element&apos;s name has, as a file saved in another character set than UTF-8 leaves them (&quot;?&quot;, &quot;Ã³&quot;, &quot;Å¼&quot;), for atomic numbers %1. Save the sheet again as CSV in the character set &quot;Unicode (UTF-8)&quot;, or convert the file with iconv, and import it again (%2).</source>
        <translation type="vanished">Hiçbir element adında bulunmayan, UTF-8 dışında bir karakter kümesiyle kaydedilmiş bir dosyanın bıraktığı türden karakterler (“?”, “Ã³”, “Å¼”) içeren semboller ya da adlar, şu atom numaraları için: %1. Sayfayı “Unicode (UTF-8)” karakter kümesiyle yeniden CSV olarak kaydedin ya da dosyayı iconv ile dönüştürün, ardından yeniden içe aktarın (%2).</translation>
    </message>
    <message>
        <source>The file was saved as UTF-16 (&quot;Unicode text&quot; in office programs), which the import does not read. Convert it with &quot;iconv -f %1 -t UTF-8 elements.csv &gt; elements-utf8.csv&quot; and import elements-utf8.csv, or save the sheet again as CSV in the character set &quot;Unicode (UTF-8)&quot; (%2).</source>
        <translation>Dosya UTF-16 olarak kaydedilmiş (ofis programlarında “Unicode metin”); içe aktarma bunu okumaz. Dosyayı “iconv -f %1 -t UTF-8 elements.csv &gt; elements-utf8.csv” ile dönüştürüp elements-utf8.csv dosyasını içe aktarın ya da sayfayı “Unicode (UTF-8)” karakter kümesiyle yeniden CSV olarak kaydedin (%2).</translation>
    </message>
    <message>
        <source>Names with characters that no element&apos;s name has, garbled because the file was saved in the character set %1 and read as %2, for atomic numbers %3. Read it as %1: in psql, give &quot;\encoding %4&quot; before \copy, or convert it first with &quot;iconv -f %5 -t UTF-8&quot;, and import it again (%6).</source>
        <translation>Dosya %1 karakter kümesiyle kaydedilip %2 olarak okunduğu için bozulmuş, hiçbir element adında bulunmayan karakterler içeren adlar, şu atom numaraları için: %3. Dosyayı %1 olarak okuyun: psql içinde \copy öncesinde “\encoding %4” verin ya da önce “iconv -f %5 -t UTF-8” ile dönüştürün ve yeniden içe aktarın (%6).</translation>
    </message>
    <message>
        <source>Names with characters that no element&apos;s name has, garbled because the file was saved in the character set %1 and read as %2, for atomic numbers %3. Convert it with &quot;%4 &gt; elements-utf8.csv&quot; and import elements-utf8.csv in its place (%5).</source>
        <translation>Dosya %1 karakter kümesiyle kaydedilip %2 olarak okunduğu için bozulmuş, hiçbir element adında bulunmayan karakterler içeren adlar, şu atom numaraları için: %3. Dosyayı “%4 &gt; elements-utf8.csv” ile dönüştürün ve onun yerine elements-utf8.csv dosyasını içe aktarın (%5).</translation>
    </message>
    <message>
        <source>Symbols or names with characters that no element&apos;s name has, such as &quot;?&quot; or the letter pairs (&quot;Ã³&quot;, &quot;Å¼&quot;) that a file saved in another character set than UTF-8 leaves, or with no letter at their start or end (&quot;-&quot;, a lone accent), for atomic numbers %1. Retype those cells, or save the sheet again as CSV in the character set &quot;Unicode (UTF-8)&quot; (or convert the file with iconv) and import it again (%2).</source>
        <translation>Hiçbir element adında bulunmayan karakterler içeren (“?” ya da UTF-8 dışında bir karakter kümesiyle kaydedilmiş bir dosyanın bıraktığı “Ã³”, “Å¼” gibi harf çiftleri) veya başında ya da sonunda harf olmayan (“-”, tek başına bir aksan) semboller ya da adlar, şu atom numaraları için: %1. Bu hücreleri yeniden yazın ya da sayfayı “Unicode (UTF-8)” karakter kümesiyle yeniden CSV olarak kaydedin (veya dosyayı iconv ile dönüştürün) ve yeniden içe aktarın (%2).</translation>
    </message>
</context>
<context>
    <name>OdbcDataSource</name>
    <message>
        <source>ODBC data source &quot;%1&quot;</source>
        <translation>ODBC veri kaynağı “%1”</translation>
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
        <translation>Element tablosunun betiği programda yok.</translation>
    </message>
    <message>
        <source>The element table&apos;s script cannot be run: %1</source>
        <translation>Element tablosunun betiği çalıştırılamıyor: %1</translation>
    </message>
    <message>
        <source>The element names in %1 cannot be loaded: %2</source>
        <translation>%1 dilindeki element adları yüklenemiyor: %2</translation>
    </message>
</context>
<context>
    <name>frmElements</name>
    <message>
        <source>Elements</source>
        <translation>Elementler</translation>
    </message>
    <message>
        <source>Atomic Number</source>
        <translation>Atom numarası</translation>
    </message>
    <message>
        <source>Symbol</source>
        <translation>Sembol</translation>
    </message>
    <message>
        <source>Element Name</source>
        <translation>Element adı</translation>
    </message>
    <message>
        <source>Atomic Mass</source>
        <translation>Atom kütlesi</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Yanıt</translation>
    </message>
    <message>
        <source>Created by Orvashel</source>
        <translation>Hazırlayan: Orvashel</translation>
    </message>
    <message>
        <source>Spin</source>
        <translation>Çevir</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Kontrol et</translation>
    </message>
    <message>
        <source>Step 1</source>
        <translation>1. Adım</translation>
    </message>
    <message>
        <source>Guess the Name</source>
        <translation>Adı bul</translation>
    </message>
    <message>
        <source>Guess the Symbol</source>
        <translation>Sembolü bul</translation>
    </message>
    <message>
        <source>Step 2</source>
        <translation>2. Adım</translation>
    </message>
    <message>
        <source>Elements 1 to 36</source>
        <translation>Elementler 1–36</translation>
    </message>
    <message>
        <source>Elements 1 to 38, 40, 42, 47 - 57, 74, 78 - 80</source>
        <translation>Elementler 1–38, 40, 42, 47–57, 74, 78–80</translation>
    </message>
    <message>
        <source>Elements 1 to 38, 40, 42, 47 - 57, 74, 78 - 89, 92, 94, 95</source>
        <translation>Elementler 1–38, 40, 42, 47–57, 74, 78–89, 92, 94, 95</translation>
    </message>
    <message>
        <source>Elements 1 to 103</source>
        <translation>Elementler 1–103</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Çıkış</translation>
    </message>
    <message>
        <source>Shortcut: %1</source>
        <translation>Kısayol: %1</translation>
    </message>
</context>
</TS>
