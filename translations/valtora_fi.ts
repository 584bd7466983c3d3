<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fi" sourcelanguage="en">
<context>
    <name>AnswerCheck</name>
    <message>
        <source>Your my hero</source>
        <translation>Olet huippu!</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>Yritä uudelleen</translation>
    </message>
</context>
<context>
    <name>ApplicationStart</name>
    <message>
        <source>valtora: no display could be opened. Choose one with DISPLAY (X11) or WAYLAND_DISPLAY (Wayland), or run without one with &quot;-platform offscreen&quot;.</source>
        <translation>valtora: näyttöä ei voitu avata. Valitse näyttö muuttujalla DISPLAY (X11) tai WAYLAND_DISPLAY (Wayland), tai käynnistä Valtora ilman näyttöä valitsimella ”-platform offscreen”.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>A desktop quiz on the chemical elements.</source>
        <translation>Tietokonevisa kemiallisista alkuaineista.</translation>
    </message>
    <message>
        <source>valtora: &quot;%1&quot; is not an option or argument of Valtora; &quot;valtora --help&quot; lists them.</source>
        <translation>valtora: ”%1” ei ole Valtoran valitsin eikä argumentti; ”valtora --help” luettelee ne.</translation>
    </message>
</context>
<context>
    <name>DataControl</name>
    <message>
        <source>The table on %1 has no column %2.</source>
        <translation>%1: taulussa ei ole saraketta %2.</translation>
    </message>
</context>
<context>
    <name>DataSourceFaults</name>
    <message>
        <source>%1 names the ODBC driver &quot;%2&quot;, which is not installed on this computer. Install it, or name an installed driver on the data source&apos;s Driver line: the command &quot;odbcinst -q -d&quot; lists them.</source>
        <translation>%1: ODBC-ajuria ”%2” ei ole asennettu tähän tietokoneeseen. Asenna se tai kirjoita tietolähteen Driver-riville jokin asennettu ajuri: komento ”odbcinst -q -d” luettelee asennetut ajurit.</translation>
    </message>
    <message>
        <source>%1 names no database file: its Database line is empty. Put the path of the SQLite file that holds the table elements there.</source>
        <translation>%1: tietokantatiedostoa ei ole määritetty, sillä Database-rivi on tyhjä. Kirjoita riville sen SQLite-tiedoston polku, jossa on taulu elements.</translation>
    </message>
    <message>
        <source>The database file &quot;%2&quot; of %1 does not exist. Check the path on the data source&apos;s Database line.</source>
        <translation>%1: tietokantatiedostoa ”%2” ei ole olemassa. Tarkista polku tietolähteen Database-riviltä.</translation>
    </message>
    <message>
        <source>The file &quot;%2&quot; of %1 is not an SQLite database. Check the path on the data source&apos;s Database line, or make the file again with the sqlite3 shell.</source>
        <translation>%1: tiedosto ”%2” ei ole SQLite-tietokanta. Tarkista polku tietolähteen Database-riviltä tai luo tiedosto uudelleen komentotulkilla sqlite3.</translation>
    </message>
    <message>
        <source>The database file &quot;%2&quot; of %1 is locked by another program that is changing it. Close that program, or end its transaction, then start Valtora again.</source>
        <translation>%1: toinen ohjelma on lukinnut tietokantatiedoston ”%2”, koska se muuttaa sitä parhaillaan. Sulje se ohjelma tai lopeta sen transaktio ja käynnistä sitten Valtora uudelleen.</translation>
    </message>
    <message>
        <source>The server of %1 accepts no more connections: all it allows are in use. Close Valtora on another desk, or ask whoever runs the server to allow more connections or to put a connection pooler in front of it.</source>
        <translation>%1: palvelin ei ota vastaan enempää yhteyksiä, sillä kaikki sen sallimat yhteydet ovat käytössä. Sulje Valtora jollakin toisella työasemalla tai pyydä palvelimen ylläpitäjää sallimaan enemmän yhteyksiä tai asettamaan palvelimen eteen yhteysvaranto (connection pooler).</translation>
    </message>
    <message>
        <source>The server of %1 refused the login. Check the Username, Password and Database lines of the data source, and that the server lets that role connect from this computer (pg_hba.conf).</source>
        <translation>%1: palvelin hylkäsi kirjautumisen. Tarkista tietolähteen rivit Username, Password ja Database sekä se, että palvelin sallii kyseisen roolin muodostaa yhteyden tästä tietokoneesta (pg_hba.conf).</translation>
    </message>
    <message>
        <source>The server of %1 cannot be reached. Check the Servername and Port lines of the data source, that the server is running, and that this computer can reach it over the network.</source>
        <translation>%1: palvelimeen ei saada yhteyttä. Tarkista tietolähteen rivit Servername ja Port, että palvelin on käynnissä ja että tämä tietokone saa siihen yhteyden verkon kautta.</translation>
    </message>
    <message>
        <source>The connection to the server of %1 was lost: the server was stopped or restarted, or the network failed. Start Valtora again once the server is back.</source>
        <translation>%1: yhteys palvelimeen katkesi, koska palvelin pysäytettiin tai käynnistettiin uudelleen tai verkossa oli vika. Käynnistä Valtora uudelleen, kun palvelin on taas käytettävissä.</translation>
    </message>
    <message>
        <source>%1 did not answer within %2 seconds. Check that its server is running and not overloaded, and that no other program holds its database locked, then start Valtora again.</source>
        <translation>%1: vastausta ei tullut %2 sekunnin kuluessa. Tarkista, että palvelin on käynnissä eikä ylikuormittunut ja ettei mikään muu ohjelma pidä tietokantaa lukittuna. Käynnistä sitten Valtora uudelleen.</translation>
    </message>
    <message>
        <source>The driver said: %1</source>
        <translation>Ajurin ilmoitus: %1</translation>
    </message>
    <message>
        <source>The server of %1 is starting up or shutting down, and accepts no connections now. Start Valtora again in a minute; if it keeps saying so, ask whoever runs the server.</source>
        <translation>%1: palvelin on käynnistymässä tai sammumassa eikä ota nyt vastaan yhteyksiä. Käynnistä Valtora uudelleen minuutin kuluttua. Jos ilmoitus toistuu, ota yhteyttä palvelimen ylläpitäjään.</translation>
    </message>
    <message>
        <source>The server of %1 ended the connection on an administrator&apos;s command: someone ended Valtora&apos;s session on the server, or the server was stopped or restarted. Start Valtora again once the server is back.</source>
        <translation>%1: palvelin katkaisi yhteyden ylläpitäjän komennosta: joku lopetti Valtoran istunnon palvelimella, tai palvelin pysäytettiin tai käynnistettiin uudelleen. Käynnistä Valtora uudelleen, kun palvelin on taas käytettävissä.</translation>
    </message>
    <message>
        <source>The server of %1 closed the connection because it was idle for longer than the server allows (its setting idle_session_timeout). Ask whoever runs the server to lift that limit for the quiz&apos;s role (alter role quiz set idle_session_timeout = 0), then start Valtora again.</source>
        <translation>%1: palvelin sulki yhteyden, koska se oli ollut käyttämättä pidempään kuin palvelin sallii (asetus idle_session_timeout). Pyydä palvelimen ylläpitäjää poistamaan rajoitus visan roolilta (alter role quiz set idle_session_timeout = 0) ja käynnistä sitten Valtora uudelleen.</translation>
    </message>
    <message>
        <source>A query of Valtora&apos;s on the server of %1 was cancelled on an administrator&apos;s command (pg_cancel_backend, or another program that cancels queries). Start Valtora again.</source>
        <translation>%1: Valtoran kysely palvelimella peruttiin ylläpitäjän komennosta (pg_cancel_backend tai jokin muu kyselyjä peruva ohjelma). Käynnistä Valtora uudelleen.</translation>
    </message>
    <message>
        <source>The connection pooler in front of the server of %1 gave up waiting for a free server connection, after as long as its setting query_wait_timeout allows. Close Valtora on desks that do not need it, or ask whoever runs the pooler for a larger pool (default_pool_size), then start Valtora again.</source>
        <translation type="vanished">%1: palvelimen edessä oleva yhteysvaranto lakkasi odottamasta vapaata palvelinyhteyttä odotettuaan niin kauan kuin sen asetus query_wait_timeout sallii. Sulje Valtora työasemilla, joilla sitä ei tarvita, tai pyydä yhteysvarannon ylläpitäjältä suurempaa varantoa (default_pool_size). Käynnistä sitten Valtora uudelleen.</translation>
    </message>
    <message>
        <source>Likely causes: the table elements or one of its columns was changed while the quiz ran, the server ended the connection, or the driver cannot read a value of the table.</source>
        <translation>Todennäköiset syyt: taulua elements tai jotakin sen saraketta muutettiin visan ollessa käynnissä, palvelin katkaisi yhteyden, tai ajuri ei pysty lukemaan jotakin taulun arvoa.</translation>
    </message>
    <message>
        <source>Likely causes: this user may not read the file on the data source&apos;s Database line, or the SQLite driver is set up wrongly (&quot;isql -v Elements&quot; shows what it says).</source>
        <translation>Todennäköiset syyt: tällä käyttäjällä ei ole oikeutta lukea tietolähteen Database-rivillä mainittua tiedostoa, tai SQLite-ajurin asetukset ovat väärin (komento ”isql -v Elements” näyttää ajurin ilmoituksen).</translation>
    </message>
    <message>
        <source>Likely causes: the server is not running or this computer cannot reach it, the data source&apos;s Servername, Port, Database, Username or Password line does not match the server, or its driver is set up wrongly (&quot;isql -v Elements&quot; shows what it says).</source>
        <translation>Todennäköiset syyt: palvelin ei ole käynnissä tai tämä tietokone ei saa siihen yhteyttä, tietolähteen rivi Servername, Port, Database, Username tai Password ei vastaa palvelinta, tai ajurin asetukset ovat väärin (komento ”isql -v Elements” näyttää ajurin ilmoituksen).</translation>
    </message>
    <message>
        <source>The server of %1 gave up waiting for a lock on the table elements, after as long as its setting lock_timeout allows: another program holds the table locked, changing it or in a transaction left open. Ask whoever runs the server to end that program&apos;s transaction, then start Valtora again.</source>
        <translation>%1: palvelin lakkasi odottamasta taulun elements lukitusta odotettuaan niin kauan kuin sen asetus lock_timeout sallii: toinen ohjelma pitää taulua lukittuna, koska se muuttaa taulua tai on jättänyt transaktion auki. Pyydä palvelimen ylläpitäjää lopettamaan sen ohjelman transaktio ja käynnistä sitten Valtora uudelleen.</translation>
    </message>
    <message>
        <source>The server of %1 does not let the role &quot;%2&quot; read the table elements. Ask whoever runs the server to allow it: grant select on elements to %2;</source>
        <translation>%1: palvelin ei salli roolin ”%2” lukea taulua elements. Pyydä palvelimen ylläpitäjää sallimaan se: grant select on elements to %2;</translation>
    </message>
    <message>
        <source>The connection pooler in front of the server of %1 gave up waiting for a server connection, after as long as its setting query_wait_timeout allows. Either every connection of its pool is in use (close Valtora on desks that do not need it, or ask whoever runs the pooler for a larger pool, default_pool_size), or the server behind it cannot be reached (ask whoever runs it to check that it is running). Then start Valtora again.</source>
        <translation>%1: palvelimen edessä oleva yhteysvaranto lakkasi odottamasta palvelinyhteyttä odotettuaan niin kauan kuin sen asetus query_wait_timeout sallii. Joko kaikki varannon yhteydet ovat käytössä (sulje Valtora työasemilla, joilla sitä ei tarvita, tai pyydä yhteysvarannon ylläpitäjältä suurempaa varantoa, default_pool_size), tai sen takana olevaan palvelimeen ei saada yhteyttä (pyydä palvelimen ylläpitäjää tarkistamaan, että palvelin on käynnissä). Käynnistä sitten Valtora uudelleen.</translation>
    </message>
</context>
<context>
    <name>DesktopEntry</name>
    <message>
        <source>Chemical Elements Quiz</source>
        <extracomment>The kind of program, as menus show it beside its name.</extracomment>
        <translation>Kemiallisten alkuaineiden visa</translation>
    </message>
    <message>
        <source>Drill the symbols and names of the chemical elements</source>
        <extracomment>What the program is for, in a line: menus&apos; tooltips, software centres&apos; summary.</extracomment>
        <translation>Harjoittele kemiallisten alkuaineiden merkkejä ja nimiä</translation>
    </message>
    <message>
        <source>chemistry;elements;periodic table;symbol;quiz;school;</source>
        <extracomment>Words a desktop&apos;s search finds the program by, each followed by a semicolon.</extracomment>
        <translation>kemia;alkuaineet;jaksollinen järjestelmä;merkki;visa;koulu;</translation>
    </message>
    <message>
        <source>Valtora is a quiz on the chemical elements. It shows an element&apos;s atomic number, symbol, name and atomic mass with the symbol or the name covered, and you type what is covered.</source>
        <extracomment>Software centres: the description.</extracomment>
        <translation>Valtora on kemiallisia alkuaineita käsittelevä visa. Se näyttää alkuaineen järjestysluvun, kemiallisen merkin, nimen ja atomimassan niin, että merkki tai nimi on piilotettu, ja sinä kirjoitat piilotetun kohdan.</translation>
    </message>
    <message>
        <source>Guess the symbol or the name</source>
        <extracomment>Software centres: a feature in the description&apos;s list.</extracomment>
        <translation>Arvaa kemiallinen merkki tai nimi</translation>
    </message>
    <message>
        <source>Draw from the first 36 elements, from those a school course knows, or from all 103</source>
        <extracomment>Software centres: a feature in the description&apos;s list.</extracomment>
        <translation>Arvonta 36 ensimmäisestä alkuaineesta, koulukurssin alkuaineista tai kaikista 103:sta</translation>
    </message>
    <message>
        <source>Played by keyboard alone, and read out by screen readers</source>
        <extracomment>Software centres: a feature in the description&apos;s list.</extracomment>
        <translation>Pelattavissa pelkällä näppäimistöllä, ja ruudunlukijat lukevat sen ääneen</translation>
    </message>
    <message numerus="yes">
        <source>In %n languages, the element names included</source>
        <extracomment>Software centres: a feature in the description&apos;s list; %n counts English too.</extracomment>
        <translation>
            <numerusform>%n kielellä, alkuaineiden nimet mukaan lukien</numerusform>
            <numerusform>%n kielellä, alkuaineiden nimet mukaan lukien</numerusform>
        </translation>
    </message>
    <message>
        <source>Needs no setup; a school can serve its own element table to every desk from one server</source>
        <extracomment>Software centres: a feature in the description&apos;s list.</extracomment>
        <translation>Ei vaadi asetuksia; koulu voi jakaa oman alkuainetaulunsa yhdeltä palvelimelta jokaiselle työasemalle</translation>
    </message>
    <message>
        <source>The quiz after one spin, the symbol covered</source>
        <extracomment>Software centres: the caption of the screenshot.</extracomment>
        <translation>Visa yhden arvonnan jälkeen, kemiallinen merkki piilotettuna</translation>
    </message>
</context>
<context>
    <name>ElementDatabase</name>
    <message>
        <source>the embedded element table</source>
        <translation>Ohjelman sisäinen alkuainetaulu</translation>
    </message>
    <message>
        <source>%1: Qt&apos;s ODBC driver (QODBC) is not installed.</source>
        <translation>%1: Qt:n ODBC-ajuria (QODBC) ei ole asennettu.</translation>
    </message>
    <message>
        <source>%1 cannot be opened.</source>
        <translation>%1: tietolähdettä ei voi avata.</translation>
    </message>
    <message>
        <source>%1: Qt&apos;s SQLite driver (QSQLITE) is not installed.</source>
        <translation>%1: Qt:n SQLite-ajuria (QSQLITE) ei ole asennettu.</translation>
    </message>
    <message>
        <source>The query &quot;%1&quot; on %2 failed.</source>
        <translation>%2: kysely ”%1” epäonnistui.</translation>
    </message>
</context>
<context>
    <name>ElementLookup</name>
    <message>
        <source>&quot;%1&quot; is not an atomic number to look up.</source>
        <translation>”%1” ei ole järjestysluku, jolla voisi hakea.</translation>
    </message>
    <message>
        <source>There is no row for atomic number %1 in table %2.</source>
        <translation>Taulussa %2 ei ole riviä järjestysluvulle %1.</translation>
    </message>
    <message>
        <source>The row for atomic number %1 in table %2 has no symbol (%3 is empty): no answer could be judged against it.</source>
        <translation>Järjestysluvun %1 rivillä taulussa %2 ei ole kemiallista merkkiä (%3 on tyhjä): yhtään vastausta ei voisi verrata siihen.</translation>
    </message>
    <message>
        <source>The row for atomic number %1 in table %2 has no name (%3 is empty): no answer could be judged against it.</source>
        <translation>Järjestysluvun %1 rivillä taulussa %2 ei ole nimeä (%3 on tyhjä): yhtään vastausta ei voisi verrata siihen.</translation>
    </message>
</context>
<context>
    <name>ElementTableCheck</name>
    <message>
        <source> and %1 more</source>
        <translation> ja %1 muuta</translation>
    </message>
    <message>
        <source>It has the columns %1.</source>
        <translation>Taulun sarakkeet ovat %1.</translation>
    </message>
    <message>
        <source>The table %1 of %2 cannot be used.
%3</source>
        <translation>%2: taulua %1 ei voi käyttää.
%3</translation>
    </message>
    <message>
        <source>%1 has no table %2.</source>
        <translation>%1: taulua %2 ei ole.</translation>
    </message>
    <message>
        <source>Missing columns: %1.</source>
        <translation>Puuttuvat sarakkeet: %1.</translation>
    </message>
    <message>
        <source>The file was imported twice into the same database: its header row is a row of the table, and every element is there twice. Import it again into a fresh database file (delete the old one first).</source>
        <translation>Tiedosto on tuotu kahdesti samaan tietokantaan: sen sarakeotsikoista on tullut taulun rivi, ja jokainen alkuaine on taulussa kahteen kertaan. Tuo tiedosto uudelleen uuteen tietokantatiedostoon (poista ensin vanha).</translation>
    </message>
    <message>
        <source>No row for atomic numbers %1.</source>
        <translation>Ei riviä järjestysluvuille %1.</translation>
    </message>
    <message>
        <source>More than one row for atomic numbers %1.</source>
        <translation>Useampi kuin yksi rivi järjestysluvuille %1.</translation>
    </message>
    <message>
        <source>Atomic numbers that are not whole numbers: %1.</source>
        <translation>Järjestysluvut, jotka eivät ole kokonaislukuja: %1.</translation>
    </message>
    <message>
        <source>Rows without an atomic number: %1.</source>
        <translation>Rivit ilman järjestyslukua: %1.</translation>
    </message>
    <message>
        <source>No symbol for atomic numbers %1.</source>
        <translation>Ei kemiallista merkkiä järjestysluvuille %1.</translation>
    </message>
    <message>
        <source>No name for atomic numbers %1.</source>
        <translation>Ei nimeä järjestysluvuille %1.</translation>
    </message>
    <message>
        <source>Names that no answer can match, since answers are put in proper case (&quot;Iron&quot;, not &quot;iron&quot; or &quot;IRON&quot;), for atomic numbers %1.</source>
        <translation>Nimet, joihin mikään vastaus ei voi täsmätä, koska vastaukset kirjoitetaan isolla alkukirjaimella (”Rauta”, ei ”rauta” eikä ”RAUTA”), järjestysluvuille %1.</translation>
    </message>
    <message>
        <source>Symbols or names with blanks around them, which no answer can match, for atomic numbers %1.</source>
        <translation>Kemialliset merkit tai nimet, joiden alussa tai lopussa on välilyöntejä ja joihin mikään vastaus ei siksi voi täsmätä, järjestysluvuille %1.</translation>
    </message>
    <message>
        <source>see &quot;From a spreadsheet&quot; in the README, installed as %1</source>
        <translation>katso ”From a spreadsheet” README-tiedostosta, joka on asennettu nimellä %1</translation>
    </message>
    <message>
        <source>The file was saved with semicolons between its columns, as office programs do where decimals are written with a comma: import it with .separator &quot;;&quot; (%1).</source>
        <translation>Tiedosto on tallennettu puolipisteet sarakkeiden välissä, kuten toimisto-ohjelmat tekevät siellä, missä desimaalit kirjoitetaan pilkulla: tuo se asetuksella .separator &quot;;&quot; (%1).</translation>
    </message>
    <message>
        <source>The file was saved with tabs between its columns: import it with .separator &quot;\t&quot; instead of --csv (%1).</source>
        <translation>Tiedosto on tallennettu sarkaimet sarakkeiden välissä: tuo se asetuksella .separator &quot;\t&quot; valitsimen --csv sijaan (%1).</translation>
    </message>
    <message>
        <source>Its first row holds the column names: the file has a title row above its header. Import it with --skip 1, or delete the title row (%1).</source>
        <translation>Taulun ensimmäisellä rivillä ovat sarakkeiden nimet: tiedostossa on sarakeotsikoiden yläpuolella otsikkorivi. Tuo se valitsimella --skip 1 tai poista otsikkorivi (%1).</translation>
    </message>
    <message>
        <source>Reading it failed.</source>
        <translation>Taulun lukeminen epäonnistui.</translation>
    </message>
    <message>
        <source>Atomic numbers with blanks around them, which the lookup&apos;s query does not find: %1.</source>
        <translation>Järjestysluvut, joiden alussa tai lopussa on välilyöntejä ja joita hakukysely ei siksi löydä: %1.</translation>
    </message>
    <message>
        <source>The file&apos;s header row (%1) is a row of the table: the table was made before the import, which read the header as data. Import the file into a fresh database, or with --skip 1 (%2).</source>
        <translation>Tiedoston sarakeotsikkorivi (%1) on taulun rivi: taulu luotiin ennen tuontia, ja tuonti luki sarakeotsikot tietoina. Tuo tiedosto uuteen tietokantaan tai valitsimella --skip 1 (%2).</translation>
    </message>
    <message>
        <source>Looking an element up by its number fails: AtomicNumber must compare with a bare number, as in &quot;%1&quot;.</source>
        <translation>Alkuaineen haku järjestysluvun perusteella epäonnistuu: AtomicNumber-saraketta on voitava verrata pelkkään lukuun ilman lainausmerkkejä, kuten kyselyssä ”%1”.</translation>
    </message>
    <message>
        <source>Symbols or names with invisible characters in them (zero-width spaces or joiners, soft hyphens, direction marks), which no typed answer holds, for atomic numbers %1.</source>
        <translation>Kemialliset merkit tai nimet, joissa on näkymättömiä merkkejä (leveydettömiä välilyöntejä tai yhdistäjiä, ehdollisia tavuviivoja, suuntamerkkejä), joita mikään kirjoitettu vastaus ei sisällä, järjestysluvuille %1.</translation>
    </message>
    <message>
        <source>Symbols or names with characters that no element&apos;s name has, as a file saved in another character set than UTF-8 leaves them (&quot;?&quot;, &quot;Ã³&quot;, &quot;Å¼&quot;), for atomic numbers %1. Save the sheet again as CSV in the character set &quot;Unicode (UTF-8)&quot;, or convert the file with iconv, and import it again (%2).</source>
        <translation type="vanished">Kemialliset merkit tai nimet, joissa on merkkejä, joita ei ole minkään alkuaineen nimessä (tällaisia jää, kun tiedosto tallennetaan muulla merkistöllä kuin UTF-8: ”?”, ”Ã³”, ”Å¼”), järjestysluvuille %1. Tallenna taulukko uudelleen CSV-muodossa merkistöllä ”Unicode (UTF-8)” tai muunna tiedosto iconv-ohjelmalla ja tuo se sitten uudelleen (%2).</translation>
    </message>
    <message>
        <source>The file was saved as UTF-16 (&quot;Unicode text&quot; in office programs), which the import does not read. Convert it with &quot;iconv -f %1 -t UTF-8 elements.csv &gt; elements-utf8.csv&quot; and import elements-utf8.csv, or save the sheet again as CSV in the character set &quot;Unicode (UTF-8)&quot; (%2).</source>
        <translation>Tiedosto tallennettiin UTF-16-muodossa (”Unicode-teksti” toimisto-ohjelmissa), jota tuonti ei lue. Muunna se komennolla ”iconv -f %1 -t UTF-8 elements.csv &gt; elements-utf8.csv” ja tuo elements-utf8.csv, tai tallenna taulukko uudelleen CSV-muodossa merkistöllä ”Unicode (UTF-8)” (%2).</translation>
    </message>
    <message>
        <source>Names with characters that no element&apos;s name has, garbled because the file was saved in the character set %1 and read as %2, for atomic numbers %3. Read it as %1: in psql, give &quot;\encoding %4&quot; before \copy, or convert it first with &quot;iconv -f %5 -t UTF-8&quot;, and import it again (%6).</source>
        <translation>Nimet, joissa on merkkejä, joita ei ole minkään alkuaineen nimessä, vääristyneet, koska tiedosto tallennettiin merkistöllä %1 ja luettiin merkistönä %2, järjestysluvuille %3. Lue se merkistönä %1: anna psql:ssä ”\encoding %4” ennen \copy-komentoa tai muunna se ensin komennolla ”iconv -f %5 -t UTF-8”, ja tuo se uudelleen (%6).</translation>
    </message>
    <message>
        <source>Names with characters that no element&apos;s name has, garbled because the file was saved in the character set %1 and read as %2, for atomic numbers %3. Convert it with &quot;%4 &gt; elements-utf8.csv&quot; and import elements-utf8.csv in its place (%5).</source>
        <translation>Nimet, joissa on merkkejä, joita ei ole minkään alkuaineen nimessä, vääristyneet, koska tiedosto tallennettiin merkistöllä %1 ja luettiin merkistönä %2, järjestysluvuille %3. Muunna se komennolla ”%4 &gt; elements-utf8.csv” ja tuo sen tilalle elements-utf8.csv (%5).</translation>
    </message>
    <message>
        <source>Symbols or names with characters that no element&apos;s name has, such as &quot;?&quot; or the letter pairs (&quot;Ã³&quot;, &quot;Å¼&quot;) that a file saved in another character set than UTF-8 leaves, or with no letter at their start or end (&quot;-&quot;, a lone accent), for atomic numbers %1. Retype those cells, or save the sheet again as CSV in the character set &quot;Unicode (UTF-8)&quot; (or convert the file with iconv) and import it again (%2).</source>
        <translation>Kemialliset merkit tai nimet, joissa on merkkejä, joita ei ole minkään alkuaineen nimessä, kuten ”?” tai kirjainparit (”Ã³”, ”Å¼”), joita jää, kun tiedosto tallennetaan muulla merkistöllä kuin UTF-8, tai joiden alussa tai lopussa ei ole kirjainta (”-”, yksinäinen aksentti), järjestysluvuille %1. Kirjoita solut uudelleen tai tallenna taulukko uudelleen CSV-muodossa merkistöllä ”Unicode (UTF-8)” (tai muunna tiedosto iconv-ohjelmalla) ja tuo se uudelleen (%2).</translation>
    </message>
</context>
<context>
    <name>OdbcDataSource</name>
    <message>
        <source>ODBC data source &quot;%1&quot;</source>
        <translation>ODBC-tietolähde ”%1”</translation>
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
        <translation>Alkuainetaulun komentosarja puuttuu ohjelmasta.</translation>
    </message>
    <message>
        <source>The element table&apos;s script cannot be run: %1</source>
        <translation>Alkuainetaulun komentosarjaa ei voi suorittaa: %1</translation>
    </message>
    <message>
        <source>The element names in %1 cannot be loaded: %2</source>
        <translation>Alkuaineiden nimiä kielelle %1 ei voi ladata: %2</translation>
    </message>
</context>
<context>
    <name>frmElements</name>
    <message>
        <source>Elements</source>
        <translation>Alkuaineet</translation>
    </message>
    <message>
        <source>Atomic Number</source>
        <translation>Järjestysluku</translation>
    </message>
    <message>
        <source>Symbol</source>
        <translation>Merkki</translation>
    </message>
    <message>
        <source>Element Name</source>
        <translation>Nimi</translation>
    </message>
    <message>
        <source>Atomic Mass</source>
        <translation>Atomimassa</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Vastaus</translation>
    </message>
    <message>
        <source>Created by Orvashel</source>
        <translation>Tekijä: Orvashel</translation>
    </message>
    <message>
        <source>Spin</source>
        <translation>Arvo</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Tarkista</translation>
    </message>
    <message>
        <source>Step 1</source>
        <translation>Vaihe 1</translation>
    </message>
    <message>
        <source>Guess the Name</source>
        <translation>Arvaa nimi</translation>
    </message>
    <message>
        <source>Guess the Symbol</source>
        <translation>Arvaa merkki</translation>
    </message>
    <message>
        <source>Step 2</source>
        <translation>Vaihe 2</translation>
    </message>
    <message>
        <source>Elements 1 to 36</source>
        <translation>Alkuaineet 1–36</translation>
    </message>
    <message>
        <source>Elements 1 to 38, 40, 42, 47 - 57, 74, 78 - 80</source>
        <translation>Alkuaineet 1–38, 40, 42, 47–57, 74, 78–80</translation>
    </message>
    <message>
        <source>Elements 1 to 38, 40, 42, 47 - 57, 74, 78 - 89, 92, 94, 95</source>
        <translation>Alkuaineet 1–38, 40, 42, 47–57, 74, 78–89, 92, 94, 95</translation>
    </message>
    <message>
        <source>Elements 1 to 103</source>
        <translation>Alkuaineet 1–103</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Lopeta</translation>
    </message>
    <message>
        <source>Shortcut: %1</source>
        <translation>Pikanäppäin: %1</translation>
    </message>
</context>
</TS>
