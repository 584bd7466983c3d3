<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it" sourcelanguage="en">
<context>
    <name>AnswerCheck</name>
    <message>
        <source>Your my hero</source>
        <translation>Sei un mito!</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>Riprova</translation>
    </message>
</context>
<context>
    <name>ApplicationStart</name>
    <message>
        <source>valtora: no display could be opened. Choose one with DISPLAY (X11) or WAYLAND_DISPLAY (Wayland), or run without one with &quot;-platform offscreen&quot;.</source>
        <translation>valtora: impossibile aprire un display. Sceglierne uno con DISPLAY (X11) o WAYLAND_DISPLAY (Wayland), oppure avviare Valtora senza display con &quot;-platform offscreen&quot;.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>A desktop quiz on the chemical elements.</source>
        <translation>Un quiz per desktop sugli elementi chimici.</translation>
    </message>
    <message>
        <source>valtora: &quot;%1&quot; is not an option or argument of Valtora; &quot;valtora --help&quot; lists them.</source>
        <translation>valtora: &quot;%1&quot; non è un&apos;opzione né un argomento di Valtora; &quot;valtora --help&quot; li elenca.</translation>
    </message>
</context>
<context>
    <name>DataControl</name>
    <message>
        <source>The table on %1 has no column %2.</source>
        <translation>La tabella fornita tramite %1 non ha la colonna %2.</translation>
    </message>
</context>
<context>
    <name>DataSourceFaults</name>
    <message>
        <source>%1 names the ODBC driver &quot;%2&quot;, which is not installed on this computer. Install it, or name an installed driver on the data source&apos;s Driver line: the command &quot;odbcinst -q -d&quot; lists them.</source>
        <translation>Per %1 è indicato il driver ODBC &quot;%2&quot;, che non è installato su questo computer. Installarlo, oppure indicare un driver installato nella riga Driver dell&apos;origine dati: il comando &quot;odbcinst -q -d&quot; elenca quelli installati.</translation>
    </message>
    <message>
        <source>%1 names no database file: its Database line is empty. Put the path of the SQLite file that holds the table elements there.</source>
        <translation>Per %1 non è indicato alcun file di database: la riga Database dell&apos;origine dati è vuota. Inserirvi il percorso del file SQLite che contiene la tabella elements.</translation>
    </message>
    <message>
        <source>The database file &quot;%2&quot; of %1 does not exist. Check the path on the data source&apos;s Database line.</source>
        <translation>Il file di database &quot;%2&quot; configurato per %1 non esiste. Controllare il percorso nella riga Database dell&apos;origine dati.</translation>
    </message>
    <message>
        <source>The file &quot;%2&quot; of %1 is not an SQLite database. Check the path on the data source&apos;s Database line, or make the file again with the sqlite3 shell.</source>
        <translation>Il file &quot;%2&quot; configurato per %1 non è un database SQLite. Controllare il percorso nella riga Database dell&apos;origine dati, oppure ricreare il file con la shell sqlite3.</translation>
    </message>
    <message>
        <source>The database file &quot;%2&quot; of %1 is locked by another program that is changing it. Close that program, or end its transaction, then start Valtora again.</source>
        <translation>Il file di database &quot;%2&quot; configurato per %1 è bloccato da un altro programma che lo sta modificando. Chiudere quel programma, oppure terminarne la transazione, quindi avviare di nuovo Valtora.</translation>
    </message>
    <message>
        <source>The server of %1 accepts no more connections: all it allows are in use. Close Valtora on another desk, or ask whoever runs the server to allow more connections or to put a connection pooler in front of it.</source>
        <translation>Il server configurato per %1 non accetta altre connessioni: tutte quelle consentite sono in uso. Chiudere Valtora su un&apos;altra postazione, oppure chiedere a chi gestisce il server di consentire più connessioni o di anteporgli un connection pooler.</translation>
    </message>
    <message>
        <source>The server of %1 refused the login. Check the Username, Password and Database lines of the data source, and that the server lets that role connect from this computer (pg_hba.conf).</source>
        <translation>Il server configurato per %1 ha rifiutato l&apos;accesso. Controllare le righe Username, Password e Database dell&apos;origine dati, e che il server consenta a quel ruolo (utente) di connettersi da questo computer (pg_hba.conf).</translation>
    </message>
    <message>
        <source>The server of %1 cannot be reached. Check the Servername and Port lines of the data source, that the server is running, and that this computer can reach it over the network.</source>
        <translation>Il server configurato per %1 non è raggiungibile. Controllare le righe Servername e Port dell&apos;origine dati, che il server sia in funzione e che questo computer possa raggiungerlo tramite la rete.</translation>
    </message>
    <message>
        <source>The connection to the server of %1 was lost: the server was stopped or restarted, or the network failed. Start Valtora again once the server is back.</source>
        <translation>La connessione al server configurato per %1 si è interrotta: il server è stato arrestato o riavviato, oppure la rete ha avuto un guasto. Avviare di nuovo Valtora quando il server è tornato disponibile.</translation>
    </message>
    <message>
        <source>%1 did not answer within %2 seconds. Check that its server is running and not overloaded, and that no other program holds its database locked, then start Valtora again.</source>
        <translation>Trascorsi %2 secondi, %1 non ha ancora risposto. Controllare che il suo server sia in funzione e non sovraccarico, e che nessun altro programma tenga bloccato il suo database, quindi avviare di nuovo Valtora.</translation>
    </message>
    <message>
        <source>The driver said: %1</source>
        <translation>Messaggio del driver: %1</translation>
    </message>
    <message>
        <source>The server of %1 is starting up or shutting down, and accepts no connections now. Start Valtora again in a minute; if it keeps saying so, ask whoever runs the server.</source>
        <translation>Il server configurato per %1 si sta avviando o arrestando e al momento non accetta connessioni. Avviare di nuovo Valtora tra un minuto; se il messaggio si ripete, rivolgersi a chi gestisce il server.</translation>
    </message>
    <message>
        <source>The server of %1 ended the connection on an administrator&apos;s command: someone ended Valtora&apos;s session on the server, or the server was stopped or restarted. Start Valtora again once the server is back.</source>
        <translation>Il server configurato per %1 ha chiuso la connessione per ordine di un amministratore: qualcuno ha terminato la sessione di Valtora sul server, oppure il server è stato arrestato o riavviato. Avviare di nuovo Valtora quando il server è tornato disponibile.</translation>
    </message>
    <message>
        <source>The server of %1 closed the connection because it was idle for longer than the server allows (its setting idle_session_timeout). Ask whoever runs the server to lift that limit for the quiz&apos;s role (alter role quiz set idle_session_timeout = 0), then start Valtora again.</source>
        <translation>Il server configurato per %1 ha chiuso la connessione perché è rimasta inattiva più a lungo di quanto il server consenta (la sua impostazione idle_session_timeout). Chiedere a chi gestisce il server di togliere questo limite per il ruolo del quiz (alter role quiz set idle_session_timeout = 0), poi avviare di nuovo Valtora.</translation>
    </message>
    <message>
        <source>A query of Valtora&apos;s on the server of %1 was cancelled on an administrator&apos;s command (pg_cancel_backend, or another program that cancels queries). Start Valtora again.</source>
        <translation>Una query di Valtora sul server configurato per %1 è stata annullata per ordine di un amministratore (pg_cancel_backend o un altro programma che annulla le query). Avviare di nuovo Valtora.</translation>
    </message>
    <message>
        <source>The connection pooler in front of the server of %1 gave up waiting for a free server connection, after as long as its setting query_wait_timeout allows. Close Valtora on desks that do not need it, or ask whoever runs the pooler for a larger pool (default_pool_size), then start Valtora again.</source>
        <translation type="vanished">Il gestore del pool di connessioni davanti al server configurato per %1 ha smesso di attendere una connessione libera al server, dopo il tempo consentito dalla sua impostazione query_wait_timeout. Chiudere Valtora sulle postazioni che non ne hanno bisogno, oppure chiedere a chi lo gestisce un pool più grande (default_pool_size), poi avviare di nuovo Valtora.</translation>
    </message>
    <message>
        <source>Likely causes: the table elements or one of its columns was changed while the quiz ran, the server ended the connection, or the driver cannot read a value of the table.</source>
        <translation>Cause probabili: la tabella elements o una delle sue colonne è stata modificata durante il quiz, il server ha chiuso la connessione, oppure il driver non riesce a leggere un valore della tabella.</translation>
    </message>
    <message>
        <source>Likely causes: this user may not read the file on the data source&apos;s Database line, or the SQLite driver is set up wrongly (&quot;isql -v Elements&quot; shows what it says).</source>
        <translation>Cause probabili: questo utente non può leggere il file indicato nella riga Database dell&apos;origine dati, oppure il driver SQLite è configurato male (&quot;isql -v Elements&quot; mostra che cosa segnala).</translation>
    </message>
    <message>
        <source>Likely causes: the server is not running or this computer cannot reach it, the data source&apos;s Servername, Port, Database, Username or Password line does not match the server, or its driver is set up wrongly (&quot;isql -v Elements&quot; shows what it says).</source>
        <translation>Cause probabili: il server non è in funzione o questo computer non riesce a raggiungerlo, la riga Servername, Port, Database, Username o Password dell&apos;origine dati non corrisponde al server, oppure il suo driver è configurato male (&quot;isql -v Elements&quot; mostra che cosa segnala).</translation>
    </message>
    <message>
        <source>The server of %1 gave up waiting for a lock on the table elements, after as long as its setting lock_timeout allows: another program holds the table locked, changing it or in a transaction left open. Ask whoever runs the server to end that program&apos;s transaction, then start Valtora again.</source>
        <translation>Il server configurato per %1 ha smesso di attendere un blocco sulla tabella elements, dopo il tempo consentito dalla sua impostazione lock_timeout: un altro programma tiene bloccata la tabella, perché la sta modificando o perché ha lasciato aperta una transazione. Chiedere a chi gestisce il server di terminare la transazione di quel programma, poi avviare di nuovo Valtora.</translation>
    </message>
    <message>
        <source>The server of %1 does not let the role &quot;%2&quot; read the table elements. Ask whoever runs the server to allow it: grant select on elements to %2;</source>
        <translation>Il server configurato per %1 non consente al ruolo &quot;%2&quot; di leggere la tabella elements. Chiedere a chi gestisce il server di consentirlo: grant select on elements to %2;</translation>
    </message>
    <message>
        <source>The connection pooler in front of the server of %1 gave up waiting for a server connection, after as long as its setting query_wait_timeout allows. Either every connection of its pool is in use (close Valtora on desks that do not need it, or ask whoever runs the pooler for a larger pool, default_pool_size), or the server behind it cannot be reached (ask whoever runs it to check that it is running). Then start Valtora again.</source>
        <translation>Il gestore del pool di connessioni davanti al server configurato per %1 ha smesso di attendere una connessione al server, dopo il tempo consentito dalla sua impostazione query_wait_timeout. O sono in uso tutte le connessioni del suo pool (chiudere Valtora sulle postazioni che non ne hanno bisogno, oppure chiedere a chi gestisce il connection pooler un pool più grande, default_pool_size), oppure il server che sta dietro non è raggiungibile (chiedere a chi gestisce il server di controllare che sia in funzione). Poi avviare di nuovo Valtora.</translation>
    </message>
</context>
<context>
    <name>DesktopEntry</name>
    <message>
        <source>Chemical Elements Quiz</source>
        <extracomment>The kind of program, as menus show it beside its name.</extracomment>
        <translation>Quiz sugli elementi chimici</translation>
    </message>
    <message>
        <source>Drill the symbols and names of the chemical elements</source>
        <extracomment>What the program is for, in a line: menus&apos; tooltips, software centres&apos; summary.</extracomment>
        <translation>Esercitarsi sui simboli e sui nomi degli elementi chimici</translation>
    </message>
    <message>
        <source>chemistry;elements;periodic table;symbol;quiz;school;</source>
        <extracomment>Words a desktop&apos;s search finds the program by, each followed by a semicolon.</extracomment>
        <translation>chimica;elementi;tavola periodica;simbolo;quiz;scuola;</translation>
    </message>
    <message>
        <source>Valtora is a quiz on the chemical elements. It shows an element&apos;s atomic number, symbol, name and atomic mass with the symbol or the name covered, and you type what is covered.</source>
        <extracomment>Software centres: the description.</extracomment>
        <translation>Valtora è un quiz sugli elementi chimici. Mostra numero atomico, simbolo, nome e massa atomica di un elemento con il simbolo o il nome coperto, e si scrive ciò che è coperto.</translation>
    </message>
    <message>
        <source>Guess the symbol or the name</source>
        <extracomment>Software centres: a feature in the description&apos;s list.</extracomment>
        <translation>Indovinare il simbolo o il nome</translation>
    </message>
    <message>
        <source>Draw from the first 36 elements, from those a school course knows, or from all 103</source>
        <extracomment>Software centres: a feature in the description&apos;s list.</extracomment>
        <translation>Estrarre dai primi 36 elementi, da quelli di un corso scolastico o da tutti i 103</translation>
    </message>
    <message>
        <source>Played by keyboard alone, and read out by screen readers</source>
        <extracomment>Software centres: a feature in the description&apos;s list.</extracomment>
        <translation>Si gioca anche solo con la tastiera ed è letto dai lettori di schermo</translation>
    </message>
    <message numerus="yes">
        <source>In %n languages, the element names included</source>
        <extracomment>Software centres: a feature in the description&apos;s list; %n counts English too.</extracomment>
        <translation>
            <numerusform>In %n lingua, compresi i nomi degli elementi</numerusform>
            <numerusform>In %n lingue, compresi i nomi degli elementi</numerusform>
        </translation>
    </message>
    <message>
        <source>Needs no setup; a school can serve its own element table to every desk from one server</source>
        <extracomment>Software centres: a feature in the description&apos;s list.</extracomment>
        <translation>Non richiede configurazione; una scuola può fornire la propria tabella degli elementi a ogni postazione da un server</translation>
    </message>
    <message>
        <source>The quiz after one spin, the symbol covered</source>
        <extracomment>Software centres: the caption of the screenshot.</extracomment>
        <translation>Il quiz dopo un’estrazione, con il simbolo coperto</translation>
    </message>
</context>
<context>
    <name>ElementDatabase</name>
    <message>
        <source>the embedded element table</source>
        <translation>la tabella degli elementi incorporata nel programma</translation>
    </message>
    <message>
        <source>%1: Qt&apos;s ODBC driver (QODBC) is not installed.</source>
        <translation>Per %1 serve il driver ODBC di Qt (QODBC), che non è installato.</translation>
    </message>
    <message>
        <source>%1 cannot be opened.</source>
        <translation>Impossibile aprire %1.</translation>
    </message>
    <message>
        <source>%1: Qt&apos;s SQLite driver (QSQLITE) is not installed.</source>
        <translation>Per %1 serve il driver SQLite di Qt (QSQLITE), che non è installato.</translation>
    </message>
    <message>
        <source>The query &quot;%1&quot; on %2 failed.</source>
        <translation>La query &quot;%1&quot; eseguita tramite %2 non è riuscita.</translation>
    </message>
</context>
<context>
    <name>ElementLookup</name>
    <message>
        <source>&quot;%1&quot; is not an atomic number to look up.</source>
        <translation>&quot;%1&quot; non è un numero atomico valido da cercare.</translation>
    </message>
    <message>
        <source>There is no row for atomic number %1 in table %2.</source>
        <translation>Nella tabella %2 non c&apos;è alcuna riga per il numero atomico %1.</translation>
    </message>
    <message>
        <source>The row for atomic number %1 in table %2 has no symbol (%3 is empty): no answer could be judged against it.</source>
        <translation>Nella tabella %2 la riga del numero atomico %1 non ha un simbolo (%3 è vuoto): non ci sarebbe nulla con cui confrontare le risposte.</translation>
    </message>
    <message>
        <source>The row for atomic number %1 in table %2 has no name (%3 is empty): no answer could be judged against it.</source>
        <translation>Nella tabella %2 la riga del numero atomico %1 non ha un nome (%3 è vuoto): non ci sarebbe nulla con cui confrontare le risposte.</translation>
    </message>
</context>
<context>
    <name>ElementTableCheck</name>
    <message>
        <source> and %1 more</source>
        <translation> e altri %1</translation>
    </message>
    <message>
        <source>It has the columns %1.</source>
        <translation>La tabella ha le colonne %1.</translation>
    </message>
    <message>
        <source>The table %1 of %2 cannot be used.
%3</source>
        <translation>Impossibile usare la tabella %1 fornita tramite %2.
%3</translation>
    </message>
    <message>
        <source>%1 has no table %2.</source>
        <translation>La tabella %2 non esiste: %1 non la contiene.</translation>
    </message>
    <message>
        <source>Missing columns: %1.</source>
        <translation>Colonne mancanti: %1.</translation>
    </message>
    <message>
        <source>The file was imported twice into the same database: its header row is a row of the table, and every element is there twice. Import it again into a fresh database file (delete the old one first).</source>
        <translation>Il file è stato importato due volte nello stesso database: la sua riga di intestazione è diventata una riga della tabella, e ogni elemento vi compare due volte. Importarlo di nuovo in un file di database nuovo (prima eliminare quello vecchio).</translation>
    </message>
    <message>
        <source>No row for atomic numbers %1.</source>
        <translation>Nessuna riga per i numeri atomici %1.</translation>
    </message>
    <message>
        <source>More than one row for atomic numbers %1.</source>
        <translation>Più di una riga per i numeri atomici %1.</translation>
    </message>
    <message>
        <source>Atomic numbers that are not whole numbers: %1.</source>
        <translation>Numeri atomici che non sono numeri interi: %1.</translation>
    </message>
    <message>
        <source>Rows without an atomic number: %1.</source>
        <translation>Righe senza numero atomico: %1.</translation>
    </message>
    <message>
        <source>No symbol for atomic numbers %1.</source>
        <translation>Nessun simbolo per i numeri atomici %1.</translation>
    </message>
    <message>
        <source>No name for atomic numbers %1.</source>
        <translation>Nessun nome per i numeri atomici %1.</translation>
    </message>
    <message>
        <source>Names that no answer can match, since answers are put in proper case (&quot;Iron&quot;, not &quot;iron&quot; or &quot;IRON&quot;), for atomic numbers %1.</source>
        <translation>Nomi a cui nessuna risposta può corrispondere, perché le risposte vengono scritte con l&apos;iniziale maiuscola e il resto minuscolo (&quot;Ferro&quot;, non &quot;ferro&quot; o &quot;FERRO&quot;), per i numeri atomici %1.</translation>
    </message>
    <message>
        <source>Symbols or names with blanks around them, which no answer can match, for atomic numbers %1.</source>
        <translation>Simboli o nomi con spazi all&apos;inizio o alla fine, a cui nessuna risposta può corrispondere, per i numeri atomici %1.</translation>
    </message>
    <message>
        <source>see &quot;From a spreadsheet&quot; in the README, installed as %1</source>
        <translation>vedere &quot;From a spreadsheet&quot; nel README, installato come %1</translation>
    </message>
    <message>
        <source>The file was saved with semicolons between its columns, as office programs do where decimals are written with a comma: import it with .separator &quot;;&quot; (%1).</source>
        <translation>Il file è stato salvato con il punto e virgola tra le colonne, come fanno i programmi da ufficio dove i decimali si scrivono con la virgola: importarlo con .separator &quot;;&quot; (%1).</translation>
    </message>
    <message>
        <source>The file was saved with tabs between its columns: import it with .separator &quot;\t&quot; instead of --csv (%1).</source>
        <translation>Il file è stato salvato con tabulazioni tra le colonne: importarlo con .separator &quot;\t&quot; invece di --csv (%1).</translation>
    </message>
    <message>
        <source>Its first row holds the column names: the file has a title row above its header. Import it with --skip 1, or delete the title row (%1).</source>
        <translation>La sua prima riga contiene i nomi delle colonne: il file ha una riga di titolo sopra l&apos;intestazione. Importarlo con --skip 1, oppure eliminare la riga di titolo (%1).</translation>
    </message>
    <message>
        <source>Reading it failed.</source>
        <translation>La lettura della tabella non è riuscita.</translation>
    </message>
    <message>
        <source>Atomic numbers with blanks around them, which the lookup&apos;s query does not find: %1.</source>
        <translation>Numeri atomici con spazi intorno, che la query di ricerca non trova: %1.</translation>
    </message>
    <message>
        <source>The file&apos;s header row (%1) is a row of the table: the table was made before the import, which read the header as data. Import the file into a fresh database, or with --skip 1 (%2).</source>
        <translation>La riga di intestazione del file (%1) è una riga della tabella: la tabella è stata creata prima dell&apos;importazione, che ha letto l&apos;intestazione come dati. Importare il file in un database nuovo, oppure con --skip 1 (%2).</translation>
    </message>
    <message>
        <source>Looking an element up by its number fails: AtomicNumber must compare with a bare number, as in &quot;%1&quot;.</source>
        <translation>La ricerca di un elemento per numero non riesce: AtomicNumber deve potersi confrontare con un numero semplice, come in &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Symbols or names with invisible characters in them (zero-width spaces or joiners, soft hyphens, direction marks), which no typed answer holds, for atomic numbers %1.</source>
        <translation>Simboli o nomi con caratteri invisibili (spazi o unioni a larghezza zero, trattini facoltativi, segni di direzione), che nessuna risposta digitata contiene, per i numeri atomici %1.</translation>
    </message>
    <message>
        <source>Symbols or names with characters that no element&apos;s name has, as a file saved in another character set than UTF-8 leaves them (&quot;?&quot;, &quot;Ã³&quot;, &quot;Å¼&quot;), for atomic numbers %1. Save the sheet again as CSV in the character set &quot;Unicode (UTF-8)&quot;, or convert the file with iconv, and import it again (%2).</source>
        <translation type="vanished">Simboli o nomi con caratteri che nessun nome di elemento contiene, come quelli lasciati da un file salvato in un set di caratteri diverso da UTF-8 (&quot;?&quot;, &quot;Ã³&quot;, &quot;Å¼&quot;), per i numeri atomici %1. Salvare di nuovo il foglio come CSV con il set di caratteri &quot;Unicode (UTF-8)&quot;, oppure convertire il file con iconv, e importarlo di nuovo (%2).</translation>
    </message>
    <message>
        <source>The file was saved as UTF-16 (&quot;Unicode text&quot; in office programs), which the import does not read. Convert it with &quot;iconv -f %1 -t UTF-8 elements.csv &gt; elements-utf8.csv&quot; and import elements-utf8.csv, or save the sheet again as CSV in the character set &quot;Unicode (UTF-8)&quot; (%2).</source>
        <translation>Il file è stato salvato come UTF-16 (&quot;Testo Unicode&quot; nei programmi per ufficio), che l&apos;importazione non legge. Convertirlo con &quot;iconv -f %1 -t UTF-8 elements.csv &gt; elements-utf8.csv&quot; e importare elements-utf8.csv, oppure salvare di nuovo il foglio come CSV con il set di caratteri &quot;Unicode (UTF-8)&quot; (%2).</translation>
    </message>
    <message>
        <source>Names with characters that no element&apos;s name has, garbled because the file was saved in the character set %1 and read as %2, for atomic numbers %3. Read it as %1: in psql, give &quot;\encoding %4&quot; before \copy, or convert it first with &quot;iconv -f %5 -t UTF-8&quot;, and import it again (%6).</source>
        <translation>Nomi con caratteri che nessun nome di elemento contiene, alterati perché il file è stato salvato nel set di caratteri %1 e letto come %2, per i numeri atomici %3. Leggerlo come %1: in psql, indicare &quot;\encoding %4&quot; prima di \copy, oppure convertirlo prima con &quot;iconv -f %5 -t UTF-8&quot;, e importarlo di nuovo (%6).</translation>
    </message>
    <message>
        <source>Names with characters that no element&apos;s name has, garbled because the file was saved in the character set %1 and read as %2, for atomic numbers %3. Convert it with &quot;%4 &gt; elements-utf8.csv&quot; and import elements-utf8.csv in its place (%5).</source>
        <translation>Nomi con caratteri che nessun nome di elemento contiene, alterati perché il file è stato salvato nel set di caratteri %1 e letto come %2, per i numeri atomici %3. Convertirlo con &quot;%4 &gt; elements-utf8.csv&quot; e importare elements-utf8.csv al suo posto (%5).</translation>
    </message>
    <message>
        <source>Symbols or names with characters that no element&apos;s name has, such as &quot;?&quot; or the letter pairs (&quot;Ã³&quot;, &quot;Å¼&quot;) that a file saved in another character set than UTF-8 leaves, or with no letter at their start or end (&quot;-&quot;, a lone accent), for atomic numbers %1. Retype those cells, or save the sheet again as CSV in the character set &quot;Unicode (UTF-8)&quot; (or convert the file with iconv) and import it again (%2).</source>
        <translation>Simboli o nomi con caratteri che nessun nome di elemento contiene, come &quot;?&quot; o le coppie di lettere (&quot;Ã³&quot;, &quot;Å¼&quot;) lasciate da un file salvato in un set di caratteri diverso da UTF-8, o senza una lettera all&apos;inizio o alla fine (&quot;-&quot;, un accento isolato), per i numeri atomici %1. Riscrivere quelle celle, oppure salvare di nuovo il foglio come CSV con il set di caratteri &quot;Unicode (UTF-8)&quot; (o convertire il file con iconv) e importarlo di nuovo (%2).</translation>
    </message>
</context>
<context>
    <name>OdbcDataSource</name>
    <message>
        <source>ODBC data source &quot;%1&quot;</source>
        <translation>l&apos;origine dati ODBC &quot;%1&quot;</translation>
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
        <translation>Nel programma manca lo script della tabella degli elementi.</translation>
    </message>
    <message>
        <source>The element table&apos;s script cannot be run: %1</source>
        <translation>Impossibile eseguire lo script della tabella degli elementi: %1</translation>
    </message>
    <message>
        <source>The element names in %1 cannot be loaded: %2</source>
        <translation>Impossibile caricare i nomi degli elementi per la lingua %1: %2</translation>
    </message>
</context>
<context>
    <name>frmElements</name>
    <message>
        <source>Elements</source>
        <translation>Elementi</translation>
    </message>
    <message>
        <source>Atomic Number</source>
        <translation>N. atomico</translation>
    </message>
    <message>
        <source>Symbol</source>
        <translation>Simbolo</translation>
    </message>
    <message>
        <source>Element Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Atomic Mass</source>
        <translation>Massa atomica</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Risp.</translation>
    </message>
    <message>
        <source>Created by Orvashel</source>
        <translation>Creato da Orvashel</translation>
    </message>
    <message>
        <source>Spin</source>
        <translation>Estrai</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Verifica</translation>
    </message>
    <message>
        <source>Step 1</source>
        <translation>Passo 1</translation>
    </message>
    <message>
        <source>Guess the Name</source>
        <translation>Trova il nome</translation>
    </message>
    <message>
        <source>Guess the Symbol</source>
        <translation>Trova il simbolo</translation>
    </message>
    <message>
        <source>Step 2</source>
        <translation>Passo 2</translation>
    </message>
    <message>
        <source>Elements 1 to 36</source>
        <translation>Elementi 1–36</translation>
    </message>
    <message>
        <source>Elements 1 to 38, 40, 42, 47 - 57, 74, 78 - 80</source>
        <translation>Elementi 1–38, 40, 42, 47–57, 74, 78–80</translation>
    </message>
    <message>
        <source>Elements 1 to 38, 40, 42, 47 - 57, 74, 78 - 89, 92, 94, 95</source>
        <translation>Elementi 1–38, 40, 42, 47–57, 74, 78–89, 92, 94, 95</translation>
    </message>
    <message>
        <source>Elements 1 to 103</source>
        <translation>Elementi 1–103</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>Shortcut: %1</source>
        <translation>Tasto di scelta rapida: %1</translation>
    </message>
</context>
</TS>
