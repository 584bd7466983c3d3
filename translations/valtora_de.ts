<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>AnswerCheck</name>
    <message>
        <source>Your my hero</source>
        <translation>Du bist spitze!</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>Versuch es noch einmal!</translation>
    </message>
</context>
<context>
    <name>ApplicationStart</name>
    <message>
        <source>valtora: no display could be opened. Choose one with DISPLAY (X11) or WAYLAND_DISPLAY (Wayland), or run without one with &quot;-platform offscreen&quot;.</source>
        <translation>valtora: Es konnte keine Anzeige geöffnet werden. Wählen Sie eine mit DISPLAY (X11) oder WAYLAND_DISPLAY (Wayland) aus, oder starten Sie Valtora ohne Anzeige mit „-platform offscreen“.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>A desktop quiz on the chemical elements.</source>
        <translation>Ein Desktop-Quiz zu den chemischen Elementen.</translation>
    </message>
    <message>
        <source>valtora: &quot;%1&quot; is not an option or argument of Valtora; &quot;valtora --help&quot; lists them.</source>
        <translation>valtora: „%1“ ist keine Option und kein Argument von Valtora; „valtora --help“ listet sie auf.</translation>
    </message>
</context>
<context>
    <name>DataControl</name>
    <message>
        <source>The table on %1 has no column %2.</source>
        <translation>Die Tabelle der %1 hat keine Spalte %2.</translation>
    </message>
</context>
<context>
    <name>DataSourceFaults</name>
    <message>
        <source>%1 names the ODBC driver &quot;%2&quot;, which is not installed on this computer. Install it, or name an installed driver on the data source&apos;s Driver line: the command &quot;odbcinst -q -d&quot; lists them.</source>
        <translation>Die %1 nennt den ODBC-Treiber „%2“, der auf diesem Computer nicht installiert ist. Installieren Sie ihn, oder tragen Sie in der Zeile Driver der Datenquelle einen installierten Treiber ein: Der Befehl „odbcinst -q -d“ listet sie auf.</translation>
    </message>
    <message>
        <source>%1 names no database file: its Database line is empty. Put the path of the SQLite file that holds the table elements there.</source>
        <translation>Die %1 nennt keine Datenbankdatei: Ihre Zeile Database ist leer. Tragen Sie dort den Pfad der SQLite-Datei ein, die die Tabelle elements enthält.</translation>
    </message>
    <message>
        <source>The database file &quot;%2&quot; of %1 does not exist. Check the path on the data source&apos;s Database line.</source>
        <translation>Die Datenbankdatei „%2“ der %1 existiert nicht. Prüfen Sie den Pfad in der Zeile Database der Datenquelle.</translation>
    </message>
    <message>
        <source>The file &quot;%2&quot; of %1 is not an SQLite database. Check the path on the data source&apos;s Database line, or make the file again with the sqlite3 shell.</source>
        <translation>Die Datei „%2“ der %1 ist keine SQLite-Datenbank. Prüfen Sie den Pfad in der Zeile Database der Datenquelle, oder erstellen Sie die Datei mit der Shell sqlite3 neu.</translation>
    </message>
    <message>
        <source>The database file &quot;%2&quot; of %1 is locked by another program that is changing it. Close that program, or end its transaction, then start Valtora again.</source>
        <translation>Die Datenbankdatei „%2“ der %1 ist von einem anderen Programm gesperrt, das sie gerade ändert. Schließen Sie dieses Programm oder beenden Sie seine Transaktion, und starten Sie Valtora dann neu.</translation>
    </message>
    <message>
        <source>The server of %1 accepts no more connections: all it allows are in use. Close Valtora on another desk, or ask whoever runs the server to allow more connections or to put a connection pooler in front of it.</source>
        <translation>Der Server der %1 nimmt keine weiteren Verbindungen an: Alle erlaubten Verbindungen sind belegt. Schließen Sie Valtora an einem anderen Arbeitsplatz, oder bitten Sie die für den Server zuständige Person, mehr Verbindungen zu erlauben oder einen Connection-Pooler vorzuschalten.</translation>
    </message>
    <message>
        <source>The server of %1 refused the login. Check the Username, Password and Database lines of the data source, and that the server lets that role connect from this computer (pg_hba.conf).</source>
        <translation>Der Server der %1 hat die Anmeldung abgelehnt. Prüfen Sie die Zeilen Username, Password und Database der Datenquelle und ob der Server dieser Rolle erlaubt, sich von diesem Computer aus zu verbinden (pg_hba.conf).</translation>
    </message>
    <message>
        <source>The server of %1 cannot be reached. Check the Servername and Port lines of the data source, that the server is running, and that this computer can reach it over the network.</source>
        <translation>Der Server der %1 ist nicht erreichbar. Prüfen Sie die Zeilen Servername und Port der Datenquelle, ob der Server läuft und ob dieser Computer ihn über das Netzwerk erreichen kann.</translation>
    </message>
    <message>
        <source>The connection to the server of %1 was lost: the server was stopped or restarted, or the network failed. Start Valtora again once the server is back.</source>
        <translation>Die Verbindung zum Server der %1 ist abgebrochen: Der Server wurde beendet oder neu gestartet, oder das Netzwerk ist ausgefallen. Starten Sie Valtora neu, sobald der Server wieder erreichbar ist.</translation>
    </message>
    <message>
        <source>%1 did not answer within %2 seconds. Check that its server is running and not overloaded, and that no other program holds its database locked, then start Valtora again.</source>
        <translation>Die %1 hat nicht innerhalb von %2 Sekunden geantwortet. Stellen Sie sicher, dass ihr Server läuft und nicht überlastet ist und dass kein anderes Programm ihre Datenbank gesperrt hält. Starten Sie Valtora dann neu.</translation>
    </message>
    <message>
        <source>The driver said: %1</source>
        <translation>Meldung des Treibers: %1</translation>
    </message>
    <message>
        <source>The server of %1 is starting up or shutting down, and accepts no connections now. Start Valtora again in a minute; if it keeps saying so, ask whoever runs the server.</source>
        <translation>Der Server der %1 startet gerade oder fährt herunter und nimmt derzeit keine Verbindungen an. Starten Sie Valtora in einer Minute neu; bleibt die Meldung, wenden Sie sich an die für den Server zuständige Person.</translation>
    </message>
    <message>
        <source>The server of %1 ended the connection on an administrator&apos;s command: someone ended Valtora&apos;s session on the server, or the server was stopped or restarted. Start Valtora again once the server is back.</source>
        <translation>Der Server der %1 hat die Verbindung auf Anweisung eines Administrators beendet: Jemand hat die Sitzung von Valtora auf dem Server beendet, oder der Server wurde beendet oder neu gestartet. Starten Sie Valtora neu, sobald der Server wieder erreichbar ist.</translation>
    </message>
    <message>
        <source>The server of %1 closed the connection because it was idle for longer than the server allows (its setting idle_session_timeout). Ask whoever runs the server to lift that limit for the quiz&apos;s role (alter role quiz set idle_session_timeout = 0), then start Valtora again.</source>
        <translation>Der Server der %1 hat die Verbindung geschlossen, weil sie länger untätig war, als der Server erlaubt (seine Einstellung idle_session_timeout). Bitten Sie die für den Server zuständige Person, diese Grenze für die Rolle des Quiz aufzuheben (alter role quiz set idle_session_timeout = 0), und starten Sie Valtora dann neu.</translation>
    </message>
    <message>
        <source>A query of Valtora&apos;s on the server of %1 was cancelled on an administrator&apos;s command (pg_cancel_backend, or another program that cancels queries). Start Valtora again.</source>
        <translation>Eine Abfrage von Valtora auf dem Server der %1 wurde auf Anweisung eines Administrators abgebrochen (pg_cancel_backend oder ein anderes Programm, das Abfragen abbricht). Starten Sie Valtora neu.</translation>
    </message>
    <message>
        <source>The connection pooler in front of the server of %1 gave up waiting for a free server connection, after as long as its setting query_wait_timeout allows. Close Valtora on desks that do not need it, or ask whoever runs the pooler for a larger pool (default_pool_size), then start Valtora again.</source>
        <translation type="vanished">Der Connection-Pooler vor dem Server der %1 hat das Warten auf eine freie Serververbindung aufgegeben, nachdem er so lange gewartet hat, wie seine Einstellung query_wait_timeout erlaubt. Schließen Sie Valtora an Arbeitsplätzen, die es nicht brauchen, oder bitten Sie die für den Pooler zuständige Person um einen größeren Pool (default_pool_size), und starten Sie Valtora dann neu.</translation>
    </message>
    <message>
        <source>Likely causes: the table elements or one of its columns was changed while the quiz ran, the server ended the connection, or the driver cannot read a value of the table.</source>
        <translation>Mögliche Ursachen: Die Tabelle elements oder eine ihrer Spalten wurde geändert, während das Quiz lief, der Server hat die Verbindung beendet, oder der Treiber kann einen Wert der Tabelle nicht lesen.</translation>
    </message>
    <message>
        <source>Likely causes: this user may not read the file on the data source&apos;s Database line, or the SQLite driver is set up wrongly (&quot;isql -v Elements&quot; shows what it says).</source>
        <translation>Mögliche Ursachen: Dieser Benutzer darf die Datei aus der Zeile Database der Datenquelle nicht lesen, oder der SQLite-Treiber ist falsch eingerichtet („isql -v Elements“ zeigt, was er meldet).</translation>
    </message>
    <message>
        <source>Likely causes: the server is not running or this computer cannot reach it, the data source&apos;s Servername, Port, Database, Username or Password line does not match the server, or its driver is set up wrongly (&quot;isql -v Elements&quot; shows what it says).</source>
        <translation>Mögliche Ursachen: Der Server läuft nicht oder ist von diesem Computer aus nicht erreichbar, die Zeile Servername, Port, Database, Username oder Password der Datenquelle passt nicht zum Server, oder ihr Treiber ist falsch eingerichtet („isql -v Elements“ zeigt, was er meldet).</translation>
    </message>
    <message>
        <source>The server of %1 gave up waiting for a lock on the table elements, after as long as its setting lock_timeout allows: another program holds the table locked, changing it or in a transaction left open. Ask whoever runs the server to end that program&apos;s transaction, then start Valtora again.</source>
        <translation>Der Server der %1 hat das Warten auf eine Sperre der Tabelle elements aufgegeben, nachdem er so lange gewartet hat, wie seine Einstellung lock_timeout erlaubt: Ein anderes Programm hält die Tabelle gesperrt, weil es sie gerade ändert oder eine Transaktion offen gelassen hat. Bitten Sie die für den Server zuständige Person, die Transaktion dieses Programms zu beenden, und starten Sie Valtora dann neu.</translation>
    </message>
    <message>
        <source>The server of %1 does not let the role &quot;%2&quot; read the table elements. Ask whoever runs the server to allow it: grant select on elements to %2;</source>
        <translation>Der Server der %1 erlaubt der Rolle „%2“ nicht, die Tabelle elements zu lesen. Bitten Sie die für den Server zuständige Person, es zu erlauben: grant select on elements to %2;</translation>
    </message>
    <message>
        <source>The connection pooler in front of the server of %1 gave up waiting for a server connection, after as long as its setting query_wait_timeout allows. Either every connection of its pool is in use (close Valtora on desks that do not need it, or ask whoever runs the pooler for a larger pool, default_pool_size), or the server behind it cannot be reached (ask whoever runs it to check that it is running). Then start Valtora again.</source>
        <translation>Der Connection-Pooler vor dem Server der %1 hat das Warten auf eine Serververbindung aufgegeben, nachdem er so lange gewartet hat, wie seine Einstellung query_wait_timeout erlaubt. Entweder sind alle Verbindungen seines Pools belegt (schließen Sie Valtora an Arbeitsplätzen, die es nicht brauchen, oder bitten Sie die für den Pooler zuständige Person um einen größeren Pool, default_pool_size), oder der Server dahinter ist nicht erreichbar (bitten Sie die für den Server zuständige Person, zu prüfen, ob er läuft). Starten Sie Valtora dann neu.</translation>
    </message>
</context>
<context>
    <name>DesktopEntry</name>
    <message>
        <source>Chemical Elements Quiz</source>
        <extracomment>The kind of program, as menus show it beside its name.</extracomment>
        <translation>Quiz zu den chemischen Elementen</translation>
    </message>
    <message>
        <source>Drill the symbols and names of the chemical elements</source>
        <extracomment>What the program is for, in a line: menus&apos; tooltips, software centres&apos; summary.</extracomment>
        <translation>Symbole und Namen der chemischen Elemente üben</translation>
    </message>
    <message>
        <source>chemistry;elements;periodic table;symbol;quiz;school;</source>
        <extracomment>Words a desktop&apos;s search finds the program by, each followed by a semicolon.</extracomment>
        <translation>Chemie;Elemente;Periodensystem;Symbol;Quiz;Schule;</translation>
    </message>
    <message>
        <source>Valtora is a quiz on the chemical elements. It shows an element&apos;s atomic number, symbol, name and atomic mass with the symbol or the name covered, and you type what is covered.</source>
        <extracomment>Software centres: the description.</extracomment>
        <translation>Valtora ist ein Quiz über die chemischen Elemente. Es zeigt Ordnungszahl, Symbol, Name und Atommasse eines Elements, das Symbol oder der Name verdeckt, und du tippst das Verdeckte ein.</translation>
    </message>
    <message>
        <source>Guess the symbol or the name</source>
        <extracomment>Software centres: a feature in the description&apos;s list.</extracomment>
        <translation>Das Symbol oder den Namen raten</translation>
    </message>
    <message>
        <source>Draw from the first 36 elements, from those a school course knows, or from all 103</source>
        <extracomment>Software centres: a feature in the description&apos;s list.</extracomment>
        <translation>Aus den ersten 36 Elementen ziehen, aus denen eines Schulkurses oder aus allen 103</translation>
    </message>
    <message>
        <source>Played by keyboard alone, and read out by screen readers</source>
        <extracomment>Software centres: a feature in the description&apos;s list.</extracomment>
        <translation>Allein mit der Tastatur spielbar und von Bildschirmlesern vorgelesen</translation>
    </message>
    <message numerus="yes">
        <source>In %n languages, the element names included</source>
        <extracomment>Software centres: a feature in the description&apos;s list; %n counts English too.</extracomment>
        <translation>
            <numerusform>In %n Sprache, samt den Elementnamen</numerusform>
            <numerusform>In %n Sprachen, samt den Elementnamen</numerusform>
        </translation>
    </message>
    <message>
        <source>Needs no setup; a school can serve its own element table to every desk from one server</source>
        <extracomment>Software centres: a feature in the description&apos;s list.</extracomment>
        <translation>Ohne Einrichtung; eine Schule kann jedem Arbeitsplatz ihre eigene Elementtabelle von einem Server liefern</translation>
    </message>
    <message>
        <source>The quiz after one spin, the symbol covered</source>
        <extracomment>Software centres: the caption of the screenshot.</extracomment>
        <translation>Das Quiz nach einem Zug, das Symbol verdeckt</translation>
    </message>
</context>
<context>
    <name>ElementDatabase</name>
    <message>
        <source>the embedded element table</source>
        <translation>Elementtabelle des Programms</translation>
    </message>
    <message>
        <source>%1: Qt&apos;s ODBC driver (QODBC) is not installed.</source>
        <translation>%1: Der ODBC-Treiber von Qt (QODBC) ist nicht installiert.</translation>
    </message>
    <message>
        <source>%1 cannot be opened.</source>
        <translation>Die %1 kann nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>%1: Qt&apos;s SQLite driver (QSQLITE) is not installed.</source>
        <translation>%1: Der SQLite-Treiber von Qt (QSQLITE) ist nicht installiert.</translation>
    </message>
    <message>
        <source>The query &quot;%1&quot; on %2 failed.</source>
        <translation>Die Abfrage „%1“ an die %2 ist fehlgeschlagen.</translation>
    </message>
</context>
<context>
    <name>ElementLookup</name>
    <message>
        <source>&quot;%1&quot; is not an atomic number to look up.</source>
        <translation>„%1“ ist keine Ordnungszahl, die sich nachschlagen lässt.</translation>
    </message>
    <message>
        <source>There is no row for atomic number %1 in table %2.</source>
        <translation>In der Tabelle %2 gibt es keine Zeile für die Ordnungszahl %1.</translation>
    </message>
    <message>
        <source>The row for atomic number %1 in table %2 has no symbol (%3 is empty): no answer could be judged against it.</source>
        <translation>Die Zeile für die Ordnungszahl %1 in der Tabelle %2 enthält kein Symbol (%3 ist leer): Keine Antwort ließe sich daran prüfen.</translation>
    </message>
    <message>
        <source>The row for atomic number %1 in table %2 has no name (%3 is empty): no answer could be judged against it.</source>
        <translation>Die Zeile für die Ordnungszahl %1 in der Tabelle %2 enthält keinen Namen (%3 ist leer): Keine Antwort ließe sich daran prüfen.</translation>
    </message>
</context>
<context>
    <name>ElementTableCheck</name>
    <message>
        <source> and %1 more</source>
        <translation> und %1 weitere</translation>
    </message>
    <message>
        <source>It has the columns %1.</source>
        <translation>Die Tabelle hat die Spalten %1.</translation>
    </message>
    <message>
        <source>The table %1 of %2 cannot be used.
%3</source>
        <translation>Die Tabelle %1 der %2 kann nicht verwendet werden.
%3</translation>
    </message>
    <message>
        <source>%1 has no table %2.</source>
        <translation>Die %1 enthält keine Tabelle %2.</translation>
    </message>
    <message>
        <source>Missing columns: %1.</source>
        <translation>Fehlende Spalten: %1.</translation>
    </message>
    <message>
        <source>The file was imported twice into the same database: its header row is a row of the table, and every element is there twice. Import it again into a fresh database file (delete the old one first).</source>
        <translation>Die Datei wurde zweimal in dieselbe Datenbank importiert: Ihre Kopfzeile ist zu einer Zeile der Tabelle geworden, und jedes Element steht zweimal darin. Importieren Sie die Datei erneut in eine neue Datenbankdatei (löschen Sie vorher die alte).</translation>
    </message>
    <message>
        <source>No row for atomic numbers %1.</source>
        <translation>Keine Zeile für die Ordnungszahlen %1.</translation>
    </message>
    <message>
        <source>More than one row for atomic numbers %1.</source>
        <translation>Mehr als eine Zeile für die Ordnungszahlen %1.</translation>
    </message>
    <message>
        <source>Atomic numbers that are not whole numbers: %1.</source>
        <translation>Ordnungszahlen, die keine ganzen Zahlen sind: %1.</translation>
    </message>
    <message>
        <source>Rows without an atomic number: %1.</source>
        <translation>Zeilen ohne Ordnungszahl: %1.</translation>
    </message>
    <message>
        <source>No symbol for atomic numbers %1.</source>
        <translation>Kein Symbol für die Ordnungszahlen %1.</translation>
    </message>
    <message>
        <source>No name for atomic numbers %1.</source>
        <translation>Kein Name für die Ordnungszahlen %1.</translation>
    </message>
    <message>
        <source>Names that no answer can match, since answers are put in proper case (&quot;Iron&quot;, not &quot;iron&quot; or &quot;IRON&quot;), for atomic numbers %1.</source>
        <translation>Namen, zu denen keine Antwort passen kann, weil jede Antwort mit großen Anfangsbuchstaben und sonst kleinen Buchstaben verglichen wird („Eisen“, nicht „eisen“ oder „EISEN“), für die Ordnungszahlen %1.</translation>
    </message>
    <message>
        <source>Symbols or names with blanks around them, which no answer can match, for atomic numbers %1.</source>
        <translation>Symbole oder Namen mit Leerzeichen davor oder dahinter, zu denen keine Antwort passen kann, für die Ordnungszahlen %1.</translation>
    </message>
    <message>
        <source>see &quot;From a spreadsheet&quot; in the README, installed as %1</source>
        <translation>siehe „From a spreadsheet“ in der README, installiert als %1</translation>
    </message>
    <message>
        <source>The file was saved with semicolons between its columns, as office programs do where decimals are written with a comma: import it with .separator &quot;;&quot; (%1).</source>
        <translation>Die Datei wurde mit Semikolons zwischen den Spalten gespeichert, wie es Office-Programme dort tun, wo Dezimalzahlen mit Komma geschrieben werden: Importieren Sie sie mit .separator &quot;;&quot; (%1).</translation>
    </message>
    <message>
        <source>The file was saved with tabs between its columns: import it with .separator &quot;\t&quot; instead of --csv (%1).</source>
        <translation>Die Datei wurde mit Tabulatoren zwischen den Spalten gespeichert: Importieren Sie sie mit .separator &quot;\t&quot; statt mit --csv (%1).</translation>
    </message>
    <message>
        <source>Its first row holds the column names: the file has a title row above its header. Import it with --skip 1, or delete the title row (%1).</source>
        <translation>Die erste Zeile der Tabelle enthält die Spaltennamen: Die Datei hat über ihrer Kopfzeile eine Titelzeile. Importieren Sie sie mit --skip 1, oder löschen Sie die Titelzeile (%1).</translation>
    </message>
    <message>
        <source>Reading it failed.</source>
        <translation>Das Lesen der Tabelle ist fehlgeschlagen.</translation>
    </message>
    <message>
        <source>Atomic numbers with blanks around them, which the lookup&apos;s query does not find: %1.</source>
        <translation>Ordnungszahlen mit Leerzeichen davor oder dahinter, die die Abfrage zum Nachschlagen nicht findet: %1.</translation>
    </message>
    <message>
        <source>The file&apos;s header row (%1) is a row of the table: the table was made before the import, which read the header as data. Import the file into a fresh database, or with --skip 1 (%2).</source>
        <translation>Die Kopfzeile der Datei (%1) ist eine Zeile der Tabelle: Die Tabelle wurde vor dem Import angelegt, und der Import hat die Kopfzeile als Daten gelesen. Importieren Sie die Datei in eine neue Datenbank oder mit --skip 1 (%2).</translation>
    </message>
    <message>
        <source>Looking an element up by its number fails: AtomicNumber must compare with a bare number, as in &quot;%1&quot;.</source>
        <translation>Das Nachschlagen eines Elements über seine Ordnungszahl schlägt fehl: AtomicNumber muss sich mit einer bloßen Zahl vergleichen lassen, wie in „%1“.</translation>
    </message>
    <message>
        <source>Symbols or names with invisible characters in them (zero-width spaces or joiners, soft hyphens, direction marks), which no typed answer holds, for atomic numbers %1.</source>
        <translation>Symbole oder Namen mit unsichtbaren Zeichen darin (Leerzeichen oder Verbinder ohne Breite, weiche Trennstriche, Richtungsmarken), die keine getippte Antwort enthält, für die Ordnungszahlen %1.</translation>
    </message>
    <message>
        <source>Symbols or names with characters that no element&apos;s name has, as a file saved in another character set than UTF-8 leaves them (&quot;?&quot;, &quot;Ã³&quot;, &quot;Å¼&quot;), for atomic numbers %1. Save the sheet again as CSV in the character set &quot;Unicode (UTF-8)&quot;, or convert the file with iconv, and import it again (%2).</source>
        <translation type="vanished">Symbole oder Namen mit Zeichen, die im Namen keines Elements vorkommen, wie sie eine Datei hinterlässt, die in einem anderen Zeichensatz als UTF-8 gespeichert wurde („?“, „Ã³“, „Å¼“), für die Ordnungszahlen %1. Speichern Sie die Tabelle erneut als CSV im Zeichensatz „Unicode (UTF-8)“ oder wandeln Sie die Datei mit iconv um, und importieren Sie sie dann erneut (%2).</translation>
    </message>
    <message>
        <source>The file was saved as UTF-16 (&quot;Unicode text&quot; in office programs), which the import does not read. Convert it with &quot;iconv -f %1 -t UTF-8 elements.csv &gt; elements-utf8.csv&quot; and import elements-utf8.csv, or save the sheet again as CSV in the character set &quot;Unicode (UTF-8)&quot; (%2).</source>
        <translation>Die Datei wurde als UTF-16 gespeichert („Unicode-Text“ in Office-Programmen), was der Import nicht liest. Wandeln Sie sie mit „iconv -f %1 -t UTF-8 elements.csv &gt; elements-utf8.csv“ um und importieren Sie elements-utf8.csv, oder speichern Sie die Tabelle erneut als CSV im Zeichensatz „Unicode (UTF-8)“ (%2).</translation>
    </message>
    <message>
        <source>Names with characters that no element&apos;s name has, garbled because the file was saved in the character set %1 and read as %2, for atomic numbers %3. Read it as %1: in psql, give &quot;\encoding %4&quot; before \copy, or convert it first with &quot;iconv -f %5 -t UTF-8&quot;, and import it again (%6).</source>
        <translation>Namen mit Zeichen, die im Namen keines Elements vorkommen, verstümmelt, weil die Datei im Zeichensatz %1 gespeichert und als %2 gelesen wurde, für die Ordnungszahlen %3. Lesen Sie sie als %1: Geben Sie in psql vor \copy „\encoding %4“ ein, oder wandeln Sie sie vorher mit „iconv -f %5 -t UTF-8“ um, und importieren Sie sie erneut (%6).</translation>
    </message>
    <message>
        <source>Names with characters that no element&apos;s name has, garbled because the file was saved in the character set %1 and read as %2, for atomic numbers %3. Convert it with &quot;%4 &gt; elements-utf8.csv&quot; and import elements-utf8.csv in its place (%5).</source>
        <translation>Namen mit Zeichen, die im Namen keines Elements vorkommen, verstümmelt, weil die Datei im Zeichensatz %1 gespeichert und als %2 gelesen wurde, für die Ordnungszahlen %3. Wandeln Sie sie mit „%4 &gt; elements-utf8.csv“ um und importieren Sie stattdessen elements-utf8.csv (%5).</translation>
    </message>
    <message>
        <source>Symbols or names with characters that no element&apos;s name has, such as &quot;?&quot; or the letter pairs (&quot;Ã³&quot;, &quot;Å¼&quot;) that a file saved in another character set than UTF-8 leaves, or with no letter at their start or end (&quot;-&quot;, a lone accent), for atomic numbers %1. Retype those cells, or save the sheet again as CSV in the character set &quot;Unicode (UTF-8)&quot; (or convert the file with iconv) and import it again (%2).</source>
        <translation>Symbole oder Namen mit Zeichen, die im Namen keines Elements vorkommen, etwa „?“ oder die Buchstabenpaare („Ã³“, „Å¼“), die eine in einem anderen Zeichensatz als UTF-8 gespeicherte Datei hinterlässt, oder ohne Buchstaben an ihrem Anfang oder Ende („-“, ein einzelner Akzent), für die Ordnungszahlen %1. Geben Sie diese Zellen neu ein, oder speichern Sie die Tabelle erneut als CSV im Zeichensatz „Unicode (UTF-8)“ (oder wandeln Sie die Datei mit iconv um) und importieren Sie sie erneut (%2).</translation>
    </message>
</context>
<context>
    <name>OdbcDataSource</name>
    <message>
        <source>ODBC data source &quot;%1&quot;</source>
        <translation>ODBC-Datenquelle „%1“</translation>
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
        <translation>Das Skript der Elementtabelle fehlt im Programm.</translation>
    </message>
    <message>
        <source>The element table&apos;s script cannot be run: %1</source>
        <translation>Das Skript der Elementtabelle kann nicht ausgeführt werden: %1</translation>
    </message>
    <message>
        <source>The element names in %1 cannot be loaded: %2</source>
        <translation>Die Elementnamen für die Sprache „%1“ können nicht geladen werden: %2</translation>
    </message>
</context>
<context>
    <name>frmElements</name>
    <message>
        <source>Elements</source>
        <translation>Elemente</translation>
    </message>
    <message>
        <source>Atomic Number</source>
        <translation>Ordnungszahl</translation>
    </message>
    <message>
        <source>Symbol</source>
        <translation>Symbol</translation>
    </message>
    <message>
        <source>Element Name</source>
        <translation>Elementname</translation>
    </message>
    <message>
        <source>Atomic Mass</source>
        <translation>Atommasse</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Antwort</translation>
    </message>
    <message>
        <source>Created by Orvashel</source>
        <translation>Erstellt von Orvashel</translation>
    </message>
    <message>
        <source>Spin</source>
        <translation>Drehen</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Prüfen</translation>
    </message>
    <message>
        <source>Step 1</source>
        <translation>Schritt 1</translation>
    </message>
    <message>
        <source>Guess the Name</source>
        <translation>Namen raten</translation>
    </message>
    <message>
        <source>Guess the Symbol</source>
        <translation>Symbol raten</translation>
    </message>
    <message>
        <source>Step 2</source>
        <translation>Schritt 2</translation>
    </message>
    <message>
        <source>Elements 1 to 36</source>
        <translation>Elemente 1–36</translation>
    </message>
    <message>
        <source>Elements 1 to 38, 40, 42, 47 - 57, 74, 78 - 80</source>
        <translation>Elemente 1–38, 40, 42, 47–57, 74, 78–80</translation>
    </message>
    <message>
        <source>Elements 1 to 38, 40, 42, 47 - 57, 74, 78 - 89, 92, 94, 95</source>
        <translation>Elemente 1–38, 40, 42, 47–57, 74, 78–89, 92, 94, 95</translation>
    </message>
    <message>
        <source>Elements 1 to 103</source>
        <translation>Elemente 1–103</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Shortcut: %1</source>
        <translation>Tastenkürzel: %1</translation>
    </message>
</context>
</TS>
