<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="id" sourcelanguage="en">
<context>
    <name>AnswerCheck</name>
    <message>
        <source>Your my hero</source>
        <translation>Kamu hebat!</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>Coba lagi</translation>
    </message>
</context>
<context>
    <name>ApplicationStart</name>
    <message>
        <source>valtora: no display could be opened. Choose one with DISPLAY (X11) or WAYLAND_DISPLAY (Wayland), or run without one with &quot;-platform offscreen&quot;.</source>
        <translation>valtora: tidak ada layar yang dapat dibuka. Pilih layar dengan DISPLAY (X11) atau WAYLAND_DISPLAY (Wayland), atau jalankan Valtora tanpa layar dengan “-platform offscreen”.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>A desktop quiz on the chemical elements.</source>
        <translation>Kuis desktop tentang unsur-unsur kimia.</translation>
    </message>
    <message>
        <source>valtora: &quot;%1&quot; is not an option or argument of Valtora; &quot;valtora --help&quot; lists them.</source>
        <translation>valtora: “%1” bukan opsi ataupun argumen Valtora; “valtora --help” menampilkan daftarnya.</translation>
    </message>
</context>
<context>
    <name>DataControl</name>
    <message>
        <source>The table on %1 has no column %2.</source>
        <translation>%1: tabel tidak memiliki kolom %2.</translation>
    </message>
</context>
<context>
    <name>DataSourceFaults</name>
    <message>
        <source>%1 names the ODBC driver &quot;%2&quot;, which is not installed on this computer. Install it, or name an installed driver on the data source&apos;s Driver line: the command &quot;odbcinst -q -d&quot; lists them.</source>
        <translation>%1: driver ODBC “%2” yang disebutkan tidak terpasang di komputer ini. Pasang driver tersebut, atau tuliskan driver yang terpasang pada baris Driver sumber data: perintah “odbcinst -q -d” menampilkan daftar driver yang terpasang.</translation>
    </message>
    <message>
        <source>%1 names no database file: its Database line is empty. Put the path of the SQLite file that holds the table elements there.</source>
        <translation>%1: tidak ada berkas basis data yang disebutkan karena baris Database kosong. Tuliskan di baris itu jalur berkas SQLite yang berisi tabel elements.</translation>
    </message>
    <message>
        <source>The database file &quot;%2&quot; of %1 does not exist. Check the path on the data source&apos;s Database line.</source>
        <translation>%1: berkas basis data “%2” tidak ada. Periksa jalur pada baris Database sumber data.</translation>
    </message>
    <message>
        <source>The file &quot;%2&quot; of %1 is not an SQLite database. Check the path on the data source&apos;s Database line, or make the file again with the sqlite3 shell.</source>
        <translation>%1: berkas “%2” bukan basis data SQLite. Periksa jalur pada baris Database sumber data, atau buat ulang berkas tersebut dengan shell sqlite3.</translation>
    </message>
    <message>
        <source>The database file &quot;%2&quot; of %1 is locked by another program that is changing it. Close that program, or end its transaction, then start Valtora again.</source>
        <translation>%1: berkas basis data “%2” dikunci oleh program lain yang sedang mengubahnya. Tutup program tersebut atau akhiri transaksinya, lalu jalankan ulang Valtora.</translation>
    </message>
    <message>
        <source>The server of %1 accepts no more connections: all it allows are in use. Close Valtora on another desk, or ask whoever runs the server to allow more connections or to put a connection pooler in front of it.</source>
        <translation>%1: server tidak lagi menerima koneksi karena semua koneksi yang diizinkannya sedang dipakai. Tutup Valtora di komputer lain, atau minta pengelola server untuk mengizinkan lebih banyak koneksi atau memasang pengumpul koneksi (connection pooler) di depan server.</translation>
    </message>
    <message>
        <source>The server of %1 refused the login. Check the Username, Password and Database lines of the data source, and that the server lets that role connect from this computer (pg_hba.conf).</source>
        <translation>%1: server menolak login. Periksa baris Username, Password, dan Database pada sumber data, serta pastikan server mengizinkan peran tersebut terhubung dari komputer ini (pg_hba.conf).</translation>
    </message>
    <message>
        <source>The server of %1 cannot be reached. Check the Servername and Port lines of the data source, that the server is running, and that this computer can reach it over the network.</source>
        <translation>%1: server tidak dapat dijangkau. Periksa baris Servername dan Port pada sumber data, pastikan server sedang berjalan, dan pastikan komputer ini dapat menjangkaunya melalui jaringan.</translation>
    </message>
    <message>
        <source>The connection to the server of %1 was lost: the server was stopped or restarted, or the network failed. Start Valtora again once the server is back.</source>
        <translation>%1: koneksi ke server terputus: server dihentikan atau dijalankan ulang, atau jaringan bermasalah. Jalankan ulang Valtora setelah server tersedia kembali.</translation>
    </message>
    <message>
        <source>%1 did not answer within %2 seconds. Check that its server is running and not overloaded, and that no other program holds its database locked, then start Valtora again.</source>
        <translation>%1: tidak ada jawaban dalam %2 detik. Pastikan server berjalan dan tidak kelebihan beban, serta tidak ada program lain yang mengunci basis datanya, lalu jalankan ulang Valtora.</translation>
    </message>
    <message>
        <source>The driver said: %1</source>
        <translation>Pesan dari driver: %1</translation>
    </message>
    <message>
        <source>The server of %1 is starting up or shutting down, and accepts no connections now. Start Valtora again in a minute; if it keeps saying so, ask whoever runs the server.</source>
        <translation>%1: server sedang dinyalakan atau dimatikan, dan saat ini tidak menerima koneksi. Jalankan ulang Valtora satu menit lagi; jika pesan ini terus muncul, hubungi pengelola server.</translation>
    </message>
    <message>
        <source>The server of %1 ended the connection on an administrator&apos;s command: someone ended Valtora&apos;s session on the server, or the server was stopped or restarted. Start Valtora again once the server is back.</source>
        <translation>%1: server memutus koneksi atas perintah administrator: seseorang mengakhiri sesi Valtora di server, atau server dihentikan atau dijalankan ulang. Jalankan ulang Valtora setelah server tersedia kembali.</translation>
    </message>
    <message>
        <source>The server of %1 closed the connection because it was idle for longer than the server allows (its setting idle_session_timeout). Ask whoever runs the server to lift that limit for the quiz&apos;s role (alter role quiz set idle_session_timeout = 0), then start Valtora again.</source>
        <translation>%1: server menutup koneksi karena koneksi itu menganggur lebih lama daripada yang diizinkan server (pengaturan idle_session_timeout). Minta pengelola server untuk mencabut batas itu bagi peran kuis (alter role quiz set idle_session_timeout = 0), lalu jalankan ulang Valtora.</translation>
    </message>
    <message>
        <source>A query of Valtora&apos;s on the server of %1 was cancelled on an administrator&apos;s command (pg_cancel_backend, or another program that cancels queries). Start Valtora again.</source>
        <translation>%1: sebuah kueri Valtora di server dibatalkan atas perintah administrator (pg_cancel_backend, atau program lain yang membatalkan kueri). Jalankan ulang Valtora.</translation>
    </message>
    <message>
        <source>The connection pooler in front of the server of %1 gave up waiting for a free server connection, after as long as its setting query_wait_timeout allows. Close Valtora on desks that do not need it, or ask whoever runs the pooler for a larger pool (default_pool_size), then start Valtora again.</source>
        <translation type="vanished">%1: pengumpul koneksi di depan server berhenti menunggu koneksi server yang kosong, setelah menunggu selama yang diizinkan oleh pengaturan query_wait_timeout miliknya. Tutup Valtora di komputer yang tidak memerlukannya, atau minta pengelola pengumpul koneksi untuk memperbesar kumpulan koneksi (default_pool_size), lalu jalankan ulang Valtora.</translation>
    </message>
    <message>
        <source>Likely causes: the table elements or one of its columns was changed while the quiz ran, the server ended the connection, or the driver cannot read a value of the table.</source>
        <translation>Kemungkinan penyebab: tabel elements atau salah satu kolomnya diubah saat kuis berjalan, server memutus koneksi, atau driver tidak dapat membaca salah satu nilai dalam tabel.</translation>
    </message>
    <message>
        <source>Likely causes: this user may not read the file on the data source&apos;s Database line, or the SQLite driver is set up wrongly (&quot;isql -v Elements&quot; shows what it says).</source>
        <translation>Kemungkinan penyebab: pengguna ini tidak diizinkan membaca berkas pada baris Database sumber data, atau driver SQLite tidak disiapkan dengan benar (“isql -v Elements” menampilkan pesannya).</translation>
    </message>
    <message>
        <source>Likely causes: the server is not running or this computer cannot reach it, the data source&apos;s Servername, Port, Database, Username or Password line does not match the server, or its driver is set up wrongly (&quot;isql -v Elements&quot; shows what it says).</source>
        <translation>Kemungkinan penyebab: server tidak berjalan atau komputer ini tidak dapat menjangkaunya, baris Servername, Port, Database, Username, atau Password pada sumber data tidak cocok dengan server, atau driver tidak disiapkan dengan benar (“isql -v Elements” menampilkan pesannya).</translation>
    </message>
    <message>
        <source>The server of %1 gave up waiting for a lock on the table elements, after as long as its setting lock_timeout allows: another program holds the table locked, changing it or in a transaction left open. Ask whoever runs the server to end that program&apos;s transaction, then start Valtora again.</source>
        <translation>%1: server berhenti menunggu kunci pada tabel elements, setelah menunggu selama yang diizinkan oleh pengaturan lock_timeout miliknya: program lain menahan tabel itu dalam keadaan terkunci karena sedang mengubahnya atau membiarkan sebuah transaksi tetap terbuka. Minta pengelola server untuk mengakhiri transaksi program tersebut, lalu jalankan ulang Valtora.</translation>
    </message>
    <message>
        <source>The server of %1 does not let the role &quot;%2&quot; read the table elements. Ask whoever runs the server to allow it: grant select on elements to %2;</source>
        <translation>%1: server tidak mengizinkan peran “%2” membaca tabel elements. Minta pengelola server untuk mengizinkannya: grant select on elements to %2;</translation>
    </message>
    <message>
        <source>The connection pooler in front of the server of %1 gave up waiting for a server connection, after as long as its setting query_wait_timeout allows. Either every connection of its pool is in use (close Valtora on desks that do not need it, or ask whoever runs the pooler for a larger pool, default_pool_size), or the server behind it cannot be reached (ask whoever runs it to check that it is running). Then start Valtora again.</source>
        <translation>%1: pengumpul koneksi di depan server berhenti menunggu koneksi server, setelah menunggu selama yang diizinkan oleh pengaturan query_wait_timeout miliknya. Mungkin semua koneksi dalam kumpulannya sedang dipakai (tutup Valtora di komputer yang tidak memerlukannya, atau minta pengelola pengumpul koneksi untuk memperbesar kumpulan koneksi, default_pool_size), atau server di belakangnya tidak dapat dijangkau (minta pengelola server untuk memastikan server sedang berjalan). Lalu jalankan ulang Valtora.</translation>
    </message>
</context>
<context>
    <name>DesktopEntry</name>
    <message>
        <source>Chemical Elements Quiz</source>
        <extracomment>The kind of program, as menus show it beside its name.</extracomment>
        <translation>Kuis Unsur Kimia</translation>
    </message>
    <message>
        <source>Drill the symbols and names of the chemical elements</source>
        <extracomment>What the program is for, in a line: menus&apos; tooltips, software centres&apos; summary.</extracomment>
        <translation>Berlatih lambang dan nama unsur-unsur kimia</translation>
    </message>
    <message>
        <source>chemistry;elements;periodic table;symbol;quiz;school;</source>
        <extracomment>Words a desktop&apos;s search finds the program by, each followed by a semicolon.</extracomment>
        <translation>kimia;unsur;tabel periodik;lambang;kuis;sekolah;</translation>
    </message>
    <message>
        <source>Valtora is a quiz on the chemical elements. It shows an element&apos;s atomic number, symbol, name and atomic mass with the symbol or the name covered, and you type what is covered.</source>
        <extracomment>Software centres: the description.</extracomment>
        <translation>Valtora adalah kuis tentang unsur-unsur kimia. Kuis ini menampilkan nomor atom, lambang, nama, dan massa atom suatu unsur dengan lambang atau namanya ditutup, lalu kamu mengetikkan bagian yang ditutup.</translation>
    </message>
    <message>
        <source>Guess the symbol or the name</source>
        <extracomment>Software centres: a feature in the description&apos;s list.</extracomment>
        <translation>Tebak lambang atau nama</translation>
    </message>
    <message>
        <source>Draw from the first 36 elements, from those a school course knows, or from all 103</source>
        <extracomment>Software centres: a feature in the description&apos;s list.</extracomment>
        <translation>Ambil acak dari 36 unsur pertama, dari unsur yang dipelajari di sekolah, atau dari semua 103 unsur</translation>
    </message>
    <message>
        <source>Played by keyboard alone, and read out by screen readers</source>
        <extracomment>Software centres: a feature in the description&apos;s list.</extracomment>
        <translation>Dapat dimainkan hanya dengan papan ketik, dan dibacakan oleh pembaca layar</translation>
    </message>
    <message numerus="yes">
        <source>In %n languages, the element names included</source>
        <extracomment>Software centres: a feature in the description&apos;s list; %n counts English too.</extracomment>
        <translation>
            <numerusform>Dalam %n bahasa, termasuk nama-nama unsur</numerusform>
        </translation>
    </message>
    <message>
        <source>Needs no setup; a school can serve its own element table to every desk from one server</source>
        <extracomment>Software centres: a feature in the description&apos;s list.</extracomment>
        <translation>Tanpa perlu penyiapan; sekolah dapat menyajikan tabel unsurnya sendiri ke setiap komputer dari satu server</translation>
    </message>
    <message>
        <source>The quiz after one spin, the symbol covered</source>
        <extracomment>Software centres: the caption of the screenshot.</extracomment>
        <translation>Kuis setelah satu putaran, dengan lambang ditutup</translation>
    </message>
</context>
<context>
    <name>ElementDatabase</name>
    <message>
        <source>the embedded element table</source>
        <translation>Tabel unsur bawaan</translation>
    </message>
    <message>
        <source>%1: Qt&apos;s ODBC driver (QODBC) is not installed.</source>
        <translation>%1: driver ODBC milik Qt (QODBC) tidak terpasang.</translation>
    </message>
    <message>
        <source>%1 cannot be opened.</source>
        <translation>%1: sumber data tidak dapat dibuka.</translation>
    </message>
    <message>
        <source>%1: Qt&apos;s SQLite driver (QSQLITE) is not installed.</source>
        <translation>%1: driver SQLite milik Qt (QSQLITE) tidak terpasang.</translation>
    </message>
    <message>
        <source>The query &quot;%1&quot; on %2 failed.</source>
        <translation>%2: kueri “%1” gagal.</translation>
    </message>
</context>
<context>
    <name>ElementLookup</name>
    <message>
        <source>&quot;%1&quot; is not an atomic number to look up.</source>
        <translation>“%1” bukan nomor atom yang dapat dicari.</translation>
    </message>
    <message>
        <source>There is no row for atomic number %1 in table %2.</source>
        <translation>Tidak ada baris untuk nomor atom %1 di tabel %2.</translation>
    </message>
    <message>
        <source>The row for atomic number %1 in table %2 has no symbol (%3 is empty): no answer could be judged against it.</source>
        <translation>Baris untuk nomor atom %1 di tabel %2 tidak memiliki lambang (%3 kosong), sehingga tidak ada jawaban yang dapat dicocokkan dengannya.</translation>
    </message>
    <message>
        <source>The row for atomic number %1 in table %2 has no name (%3 is empty): no answer could be judged against it.</source>
        <translation>Baris untuk nomor atom %1 di tabel %2 tidak memiliki nama (%3 kosong), sehingga tidak ada jawaban yang dapat dicocokkan dengannya.</translation>
    </message>
</context>
<context>
    <name>ElementTableCheck</name>
    <message>
        <source> and %1 more</source>
        <translation> dan %1 lainnya</translation>
    </message>
    <message>
        <source>It has the columns %1.</source>
        <translation>Kolom tabel: %1.</translation>
    </message>
    <message>
        <source>The table %1 of %2 cannot be used.
%3</source>
        <translation>%2: tabel %1 tidak dapat digunakan.
%3</translation>
    </message>
    <message>
        <source>%1 has no table %2.</source>
        <translation>%1: tidak ada tabel %2.</translation>
    </message>
    <message>
        <source>Missing columns: %1.</source>
        <translation>Kolom yang tidak ada: %1.</translation>
    </message>
    <message>
        <source>The file was imported twice into the same database: its header row is a row of the table, and every element is there twice. Import it again into a fresh database file (delete the old one first).</source>
        <translation>Berkas diimpor dua kali ke basis data yang sama: baris tajuknya menjadi baris tabel, dan setiap unsur ada dua kali. Impor ulang berkas ke berkas basis data baru (hapus dulu berkas yang lama).</translation>
    </message>
    <message>
        <source>No row for atomic numbers %1.</source>
        <translation>Tidak ada baris untuk nomor atom %1.</translation>
    </message>
    <message>
        <source>More than one row for atomic numbers %1.</source>
        <translation>Lebih dari satu baris untuk nomor atom %1.</translation>
    </message>
    <message>
        <source>Atomic numbers that are not whole numbers: %1.</source>
        <translation>Nomor atom yang bukan bilangan bulat: %1.</translation>
    </message>
    <message>
        <source>Rows without an atomic number: %1.</source>
        <translation>Baris tanpa nomor atom: %1.</translation>
    </message>
    <message>
        <source>No symbol for atomic numbers %1.</source>
        <translation>Tidak ada lambang untuk nomor atom %1.</translation>
    </message>
    <message>
        <source>No name for atomic numbers %1.</source>
        <translation>Tidak ada nama untuk nomor atom %1.</translation>
    </message>
    <message>
        <source>Names that no answer can match, since answers are put in proper case (&quot;Iron&quot;, not &quot;iron&quot; or &quot;IRON&quot;), for atomic numbers %1.</source>
        <translation>Nama yang tidak mungkin cocok dengan jawaban apa pun, karena jawaban ditulis dengan huruf kapital di awal (“Besi”, bukan “besi” atau “BESI”), untuk nomor atom %1.</translation>
    </message>
    <message>
        <source>Symbols or names with blanks around them, which no answer can match, for atomic numbers %1.</source>
        <translation>Lambang atau nama dengan spasi di awal atau akhir, yang tidak mungkin cocok dengan jawaban apa pun, untuk nomor atom %1.</translation>
    </message>
    <message>
        <source>see &quot;From a spreadsheet&quot; in the README, installed as %1</source>
        <translation>lihat bagian “From a spreadsheet” di README, yang terpasang sebagai %1</translation>
    </message>
    <message>
        <source>The file was saved with semicolons between its columns, as office programs do where decimals are written with a comma: import it with .separator &quot;;&quot; (%1).</source>
        <translation>Berkas disimpan dengan titik koma di antara kolomnya, seperti yang dilakukan program perkantoran di wilayah yang menulis desimal dengan koma: impor berkas dengan .separator &quot;;&quot; (%1).</translation>
    </message>
    <message>
        <source>The file was saved with tabs between its columns: import it with .separator &quot;\t&quot; instead of --csv (%1).</source>
        <translation>Berkas disimpan dengan tab di antara kolomnya: impor berkas dengan .separator &quot;\t&quot; alih-alih --csv (%1).</translation>
    </message>
    <message>
        <source>Its first row holds the column names: the file has a title row above its header. Import it with --skip 1, or delete the title row (%1).</source>
        <translation>Baris pertama tabel berisi nama kolom: berkas memiliki baris judul di atas baris tajuknya. Impor berkas dengan --skip 1, atau hapus baris judul tersebut (%1).</translation>
    </message>
    <message>
        <source>Reading it failed.</source>
        <translation>Gagal membaca tabel.</translation>
    </message>
    <message>
        <source>Atomic numbers with blanks around them, which the lookup&apos;s query does not find: %1.</source>
        <translation>Nomor atom dengan spasi di awal atau akhir, yang tidak ditemukan oleh kueri pencarian: %1.</translation>
    </message>
    <message>
        <source>The file&apos;s header row (%1) is a row of the table: the table was made before the import, which read the header as data. Import the file into a fresh database, or with --skip 1 (%2).</source>
        <translation>Baris tajuk berkas (%1) menjadi baris tabel: tabel dibuat sebelum impor, yang membaca tajuk sebagai data. Impor berkas ke basis data baru, atau dengan --skip 1 (%2).</translation>
    </message>
    <message>
        <source>Looking an element up by its number fails: AtomicNumber must compare with a bare number, as in &quot;%1&quot;.</source>
        <translation>Pencarian unsur berdasarkan nomornya gagal: AtomicNumber harus dapat dibandingkan dengan angka tanpa tanda kutip, seperti pada “%1”.</translation>
    </message>
    <message>
        <source>Symbols or names with invisible characters in them (zero-width spaces or joiners, soft hyphens, direction marks), which no typed answer holds, for atomic numbers %1.</source>
        <translation>Lambang atau nama yang mengandung karakter tak terlihat (spasi atau penyambung lebar-nol, tanda hubung lunak, tanda arah), yang tidak terdapat dalam jawaban ketikan mana pun, untuk nomor atom %1.</translation>
    </message>
    <message>
        <source>Symbols or names with characters that no element&apos;s name has, as a file saved in another character set than UTF-8 leaves them (&quot;?&quot;, &quot;Ã³&quot;, &quot;Å¼&quot;), for atomic numbers %1. Save the sheet again as CSV in the character set &quot;Unicode (UTF-8)&quot;, or convert the file with iconv, and import it again (%2).</source>
        <translation type="vanished">Lambang atau nama dengan karakter yang tidak ada dalam nama unsur mana pun, seperti yang ditinggalkan berkas yang disimpan dalam set karakter selain UTF-8 (“?”, “Ã³”, “Å¼”), untuk nomor atom %1. Simpan ulang lembar kerja sebagai CSV dengan set karakter “Unicode (UTF-8)”, atau konversikan berkas dengan iconv, lalu impor ulang (%2).</translation>
    </message>
    <message>
        <source>The file was saved as UTF-16 (&quot;Unicode text&quot; in office programs), which the import does not read. Convert it with &quot;iconv -f %1 -t UTF-8 elements.csv &gt; elements-utf8.csv&quot; and import elements-utf8.csv, or save the sheet again as CSV in the character set &quot;Unicode (UTF-8)&quot; (%2).</source>
        <translation>Berkas disimpan sebagai UTF-16 (“Teks Unicode” di program perkantoran), yang tidak dapat dibaca oleh impor. Konversikan berkas dengan “iconv -f %1 -t UTF-8 elements.csv &gt; elements-utf8.csv” lalu impor elements-utf8.csv, atau simpan ulang lembar kerja sebagai CSV dengan set karakter “Unicode (UTF-8)” (%2).</translation>
    </message>
    <message>
        <source>Names with characters that no element&apos;s name has, garbled because the file was saved in the character set %1 and read as %2, for atomic numbers %3. Read it as %1: in psql, give &quot;\encoding %4&quot; before \copy, or convert it first with &quot;iconv -f %5 -t UTF-8&quot;, and import it again (%6).</source>
        <translation>Nama dengan karakter yang tidak ada dalam nama unsur mana pun, rusak karena berkas disimpan dalam set karakter %1 tetapi dibaca sebagai %2, untuk nomor atom %3. Baca berkas sebagai %1: di psql, berikan “\encoding %4” sebelum \copy, atau konversikan dulu dengan “iconv -f %5 -t UTF-8”, lalu impor ulang (%6).</translation>
    </message>
    <message>
        <source>Names with characters that no element&apos;s name has, garbled because the file was saved in the character set %1 and read as %2, for atomic numbers %3. Convert it with &quot;%4 &gt; elements-utf8.csv&quot; and import elements-utf8.csv in its place (%5).</source>
        <translation>Nama dengan karakter yang tidak ada dalam nama unsur mana pun, rusak karena berkas disimpan dalam set karakter %1 tetapi dibaca sebagai %2, untuk nomor atom %3. Konversikan berkas dengan “%4 &gt; elements-utf8.csv” lalu impor elements-utf8.csv sebagai gantinya (%5).</translation>
    </message>
    <message>
        <source>Symbols or names with characters that no element&apos;s name has, such as &quot;?&quot; or the letter pairs (&quot;Ã³&quot;, &quot;Å¼&quot;) that a file saved in another character set than UTF-8 leaves, or with no letter at their start or end (&quot;-&quot;, a lone accent), for atomic numbers %1. Retype those cells, or save the sheet again as CSV in the character set &quot;Unicode (UTF-8)&quot; (or convert the file with iconv) and import it again (%2).</source>
        <translation>Lambang atau nama dengan karakter yang tidak ada dalam nama unsur mana pun, seperti “?” atau pasangan huruf (“Ã³”, “Å¼”) yang ditinggalkan berkas yang disimpan dalam set karakter selain UTF-8, atau tanpa huruf di awal atau akhirnya (“-”, aksen yang berdiri sendiri), untuk nomor atom %1. Ketik ulang sel-sel tersebut, atau simpan ulang lembar kerja sebagai CSV dengan set karakter “Unicode (UTF-8)” (atau konversikan berkas dengan iconv) lalu impor ulang (%2).</translation>
    </message>
</context>
<context>
    <name>OdbcDataSource</name>
    <message>
        <source>ODBC data source &quot;%1&quot;</source>
        <translation>Sumber data ODBC “%1”</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Usage: %1</source>
        <translation>Penggunaan: %1</translation>
    </message>
    <message>
        <source>[options]</source>
        <translation>[opsi]</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Opsi:</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Menampilkan bantuan tentang opsi baris perintah.</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>Menampilkan bantuan, termasuk opsi khusus Qt.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>Menampilkan informasi versi.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>Tidak ada nilai setelah “%1”.</translation>
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
        <translation>&amp;Urungkan</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>U&amp;langi</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Po&amp;tong</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Salin</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Tempel</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Hapus</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Pilih Semua</translation>
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
        <translation>Sisipkan karakter kontrol Unicode</translation>
    </message>
</context>
<context>
    <name>SqlScript</name>
    <message>
        <source>The element table&apos;s script is missing from the program.</source>
        <translation>Skrip tabel unsur tidak ada dalam program.</translation>
    </message>
    <message>
        <source>The element table&apos;s script cannot be run: %1</source>
        <translation>Skrip tabel unsur tidak dapat dijalankan: %1</translation>
    </message>
    <message>
        <source>The element names in %1 cannot be loaded: %2</source>
        <translation>Nama unsur dalam bahasa “%1” tidak dapat dimuat: %2</translation>
    </message>
</context>
<context>
    <name>frmElements</name>
    <message>
        <source>Elements</source>
        <translation>Unsur</translation>
    </message>
    <message>
        <source>Atomic Number</source>
        <translation>Nomor atom</translation>
    </message>
    <message>
        <source>Symbol</source>
        <translation>Lambang</translation>
    </message>
    <message>
        <source>Element Name</source>
        <translation>Nama</translation>
    </message>
    <message>
        <source>Atomic Mass</source>
        <translation>Massa atom</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Jawab</translation>
    </message>
    <message>
        <source>Created by Orvashel</source>
        <translation>Dibuat oleh Orvashel</translation>
    </message>
    <message>
        <source>Spin</source>
        <translation>Putar</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Periksa</translation>
    </message>
    <message>
        <source>Step 1</source>
        <translation>Langkah 1</translation>
    </message>
    <message>
        <source>Guess the Name</source>
        <translation>Tebak nama</translation>
    </message>
    <message>
        <source>Guess the Symbol</source>
        <translation>Tebak lambang</translation>
    </message>
    <message>
        <source>Step 2</source>
        <translation>Langkah 2</translation>
    </message>
    <message>
        <source>Elements 1 to 36</source>
        <translation>Unsur 1–36</translation>
    </message>
    <message>
        <source>Elements 1 to 38, 40, 42, 47 - 57, 74, 78 - 80</source>
        <translation>Unsur 1–38, 40, 42, 47–57, 74, 78–80</translation>
    </message>
    <message>
        <source>Elements 1 to 38, 40, 42, 47 - 57, 74, 78 - 89, 92, 94, 95</source>
        <translation>Unsur 1–38, 40, 42, 47–57, 74, 78–89, 92, 94, 95</translation>
    </message>
    <message>
        <source>Elements 1 to 103</source>
        <translation>Unsur 1–103</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Keluar</translation>
    </message>
    <message>
        <source>Shortcut: %1</source>
        <translation>Pintasan: %1</translation>
    </message>
</context>
</TS>
