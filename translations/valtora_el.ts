<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="el" sourcelanguage="en">
<context>
    <name>AnswerCheck</name>
    <message>
        <source>Your my hero</source>
        <translation>Μπράβο, είσαι αστέρι!</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>Προσπάθησε ξανά</translation>
    </message>
</context>
<context>
    <name>ApplicationStart</name>
    <message>
        <source>valtora: no display could be opened. Choose one with DISPLAY (X11) or WAYLAND_DISPLAY (Wayland), or run without one with &quot;-platform offscreen&quot;.</source>
        <translation>valtora: δεν ήταν δυνατό να ανοίξει καμία οθόνη. Επιλέξτε μία με τη μεταβλητή DISPLAY (X11) ή WAYLAND_DISPLAY (Wayland) ή εκτελέστε το Valtora χωρίς οθόνη με το «-platform offscreen».</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>A desktop quiz on the chemical elements.</source>
        <translation>Ένα κουίζ για υπολογιστή με θέμα τα χημικά στοιχεία.</translation>
    </message>
    <message>
        <source>valtora: &quot;%1&quot; is not an option or argument of Valtora; &quot;valtora --help&quot; lists them.</source>
        <translation>valtora: το «%1» δεν είναι ούτε επιλογή ούτε όρισμα του Valtora· το «valtora --help» εμφανίζει τη λίστα τους.</translation>
    </message>
</context>
<context>
    <name>DataControl</name>
    <message>
        <source>The table on %1 has no column %2.</source>
        <translation>%1: ο πίνακας δεν έχει στήλη %2.</translation>
    </message>
</context>
<context>
    <name>DataSourceFaults</name>
    <message>
        <source>%1 names the ODBC driver &quot;%2&quot;, which is not installed on this computer. Install it, or name an installed driver on the data source&apos;s Driver line: the command &quot;odbcinst -q -d&quot; lists them.</source>
        <translation>%1: το καθορισμένο πρόγραμμα οδήγησης ODBC «%2» δεν είναι εγκατεστημένο σε αυτόν τον υπολογιστή. Εγκαταστήστε το ή δηλώστε ένα εγκατεστημένο πρόγραμμα οδήγησης στη γραμμή Driver της προέλευσης δεδομένων: η εντολή «odbcinst -q -d» εμφανίζει τα εγκατεστημένα προγράμματα οδήγησης.</translation>
    </message>
    <message>
        <source>%1 names no database file: its Database line is empty. Put the path of the SQLite file that holds the table elements there.</source>
        <translation>%1: δεν έχει οριστεί αρχείο βάσης δεδομένων, επειδή η γραμμή Database είναι κενή. Γράψτε σε αυτή τη γραμμή τη διαδρομή του αρχείου SQLite που περιέχει τον πίνακα elements.</translation>
    </message>
    <message>
        <source>The database file &quot;%2&quot; of %1 does not exist. Check the path on the data source&apos;s Database line.</source>
        <translation>%1: το αρχείο βάσης δεδομένων «%2» δεν υπάρχει. Ελέγξτε τη διαδρομή στη γραμμή Database της προέλευσης δεδομένων.</translation>
    </message>
    <message>
        <source>The file &quot;%2&quot; of %1 is not an SQLite database. Check the path on the data source&apos;s Database line, or make the file again with the sqlite3 shell.</source>
        <translation>%1: το αρχείο «%2» δεν είναι βάση δεδομένων SQLite. Ελέγξτε τη διαδρομή στη γραμμή Database της προέλευσης δεδομένων ή δημιουργήστε ξανά το αρχείο με το κέλυφος sqlite3.</translation>
    </message>
    <message>
        <source>The database file &quot;%2&quot; of %1 is locked by another program that is changing it. Close that program, or end its transaction, then start Valtora again.</source>
        <translation>%1: το αρχείο βάσης δεδομένων «%2» είναι κλειδωμένο από άλλο πρόγραμμα που το τροποποιεί. Κλείστε εκείνο το πρόγραμμα ή τερματίστε τη συναλλαγή του και, στη συνέχεια, ξεκινήστε ξανά το Valtora.</translation>
    </message>
    <message>
        <source>The server of %1 accepts no more connections: all it allows are in use. Close Valtora on another desk, or ask whoever runs the server to allow more connections or to put a connection pooler in front of it.</source>
        <translation>%1: ο διακομιστής δεν δέχεται άλλες συνδέσεις, επειδή όλες όσες επιτρέπει είναι σε χρήση. Κλείστε το Valtora σε άλλον σταθμό εργασίας ή ζητήστε από τον διαχειριστή του διακομιστή να επιτρέψει περισσότερες συνδέσεις ή να τοποθετήσει μπροστά του ένα πρόγραμμα συγκέντρωσης συνδέσεων (connection pooler).</translation>
    </message>
    <message>
        <source>The server of %1 refused the login. Check the Username, Password and Database lines of the data source, and that the server lets that role connect from this computer (pg_hba.conf).</source>
        <translation>%1: ο διακομιστής απέρριψε τη σύνδεση χρήστη. Ελέγξτε τις γραμμές Username, Password και Database της προέλευσης δεδομένων, καθώς και ότι ο διακομιστής επιτρέπει σε αυτόν τον ρόλο να συνδέεται από αυτόν τον υπολογιστή (pg_hba.conf).</translation>
    </message>
    <message>
        <source>The server of %1 cannot be reached. Check the Servername and Port lines of the data source, that the server is running, and that this computer can reach it over the network.</source>
        <translation>%1: ο διακομιστής δεν είναι προσβάσιμος. Ελέγξτε τις γραμμές Servername και Port της προέλευσης δεδομένων, ότι ο διακομιστής εκτελείται και ότι αυτός ο υπολογιστής μπορεί να τον φτάσει μέσω του δικτύου.</translation>
    </message>
    <message>
        <source>The connection to the server of %1 was lost: the server was stopped or restarted, or the network failed. Start Valtora again once the server is back.</source>
        <translation>%1: η σύνδεση με τον διακομιστή χάθηκε, επειδή ο διακομιστής σταμάτησε ή επανεκκινήθηκε ή παρουσιάστηκε βλάβη στο δίκτυο. Ξεκινήστε ξανά το Valtora μόλις ο διακομιστής είναι πάλι διαθέσιμος.</translation>
    </message>
    <message>
        <source>%1 did not answer within %2 seconds. Check that its server is running and not overloaded, and that no other program holds its database locked, then start Valtora again.</source>
        <translation>%1: καμία απάντηση μέσα σε %2 δευτερόλεπτα. Ελέγξτε ότι ο διακομιστής εκτελείται και δεν είναι υπερφορτωμένος και ότι κανένα άλλο πρόγραμμα δεν κρατά κλειδωμένη τη βάση δεδομένων και, στη συνέχεια, ξεκινήστε ξανά το Valtora.</translation>
    </message>
    <message>
        <source>The driver said: %1</source>
        <translation>Μήνυμα του προγράμματος οδήγησης: %1</translation>
    </message>
    <message>
        <source>The server of %1 is starting up or shutting down, and accepts no connections now. Start Valtora again in a minute; if it keeps saying so, ask whoever runs the server.</source>
        <translation>%1: ο διακομιστής ξεκινά ή τερματίζεται και αυτή τη στιγμή δεν δέχεται συνδέσεις. Ξεκινήστε ξανά το Valtora σε ένα λεπτό· αν το μήνυμα επαναληφθεί, απευθυνθείτε στον διαχειριστή του διακομιστή.</translation>
    </message>
    <message>
        <source>The server of %1 ended the connection on an administrator&apos;s command: someone ended Valtora&apos;s session on the server, or the server was stopped or restarted. Start Valtora again once the server is back.</source>
        <translation>%1: ο διακομιστής τερμάτισε τη σύνδεση με εντολή διαχειριστή: κάποιος τερμάτισε την περίοδο λειτουργίας του Valtora στον διακομιστή ή ο διακομιστής σταμάτησε ή επανεκκινήθηκε. Ξεκινήστε ξανά το Valtora μόλις ο διακομιστής είναι πάλι διαθέσιμος.</translation>
    </message>
    <message>
        <source>The server of %1 closed the connection because it was idle for longer than the server allows (its setting idle_session_timeout). Ask whoever runs the server to lift that limit for the quiz&apos;s role (alter role quiz set idle_session_timeout = 0), then start Valtora again.</source>
        <translation>%1: ο διακομιστής έκλεισε τη σύνδεση, επειδή έμεινε αδρανής περισσότερο από όσο επιτρέπει ο διακομιστής (η ρύθμισή του idle_session_timeout). Ζητήστε από τον διαχειριστή του διακομιστή να καταργήσει αυτό το όριο για τον ρόλο του κουίζ (alter role quiz set idle_session_timeout = 0) και, στη συνέχεια, ξεκινήστε ξανά το Valtora.</translation>
    </message>
    <message>
        <source>A query of Valtora&apos;s on the server of %1 was cancelled on an administrator&apos;s command (pg_cancel_backend, or another program that cancels queries). Start Valtora again.</source>
        <translation>%1: ένα ερώτημα του Valtora στον διακομιστή ακυρώθηκε με εντολή διαχειριστή (pg_cancel_backend ή άλλο πρόγραμμα που ακυρώνει ερωτήματα). Ξεκινήστε ξανά το Valtora.</translation>
    </message>
    <message>
        <source>The connection pooler in front of the server of %1 gave up waiting for a free server connection, after as long as its setting query_wait_timeout allows. Close Valtora on desks that do not need it, or ask whoever runs the pooler for a larger pool (default_pool_size), then start Valtora again.</source>
        <translation type="vanished">%1: το πρόγραμμα συγκέντρωσης συνδέσεων μπροστά από τον διακομιστή σταμάτησε να περιμένει ελεύθερη σύνδεση με τον διακομιστή, αφού περίμενε όσο επιτρέπει η ρύθμισή του query_wait_timeout. Κλείστε το Valtora στους σταθμούς εργασίας που δεν το χρειάζονται ή ζητήστε από τον υπεύθυνο του προγράμματος συγκέντρωσης συνδέσεων μεγαλύτερη ομάδα συνδέσεων (default_pool_size) και, στη συνέχεια, ξεκινήστε ξανά το Valtora.</translation>
    </message>
    <message>
        <source>Likely causes: the table elements or one of its columns was changed while the quiz ran, the server ended the connection, or the driver cannot read a value of the table.</source>
        <translation>Πιθανές αιτίες: ο πίνακας elements ή κάποια από τις στήλες του άλλαξε ενώ έτρεχε το κουίζ, ο διακομιστής τερμάτισε τη σύνδεση ή το πρόγραμμα οδήγησης δεν μπορεί να διαβάσει μια τιμή του πίνακα.</translation>
    </message>
    <message>
        <source>Likely causes: this user may not read the file on the data source&apos;s Database line, or the SQLite driver is set up wrongly (&quot;isql -v Elements&quot; shows what it says).</source>
        <translation>Πιθανές αιτίες: αυτός ο χρήστης δεν έχει δικαίωμα ανάγνωσης του αρχείου της γραμμής Database της προέλευσης δεδομένων ή το πρόγραμμα οδήγησης SQLite δεν έχει ρυθμιστεί σωστά (η εντολή «isql -v Elements» δείχνει τι αναφέρει).</translation>
    </message>
    <message>
        <source>Likely causes: the server is not running or this computer cannot reach it, the data source&apos;s Servername, Port, Database, Username or Password line does not match the server, or its driver is set up wrongly (&quot;isql -v Elements&quot; shows what it says).</source>
        <translation>Πιθανές αιτίες: ο διακομιστής δεν εκτελείται ή αυτός ο υπολογιστής δεν μπορεί να τον φτάσει, η γραμμή Servername, Port, Database, Username ή Password της προέλευσης δεδομένων δεν αντιστοιχεί στον διακομιστή ή το πρόγραμμα οδήγησης δεν έχει ρυθμιστεί σωστά (η εντολή «isql -v Elements» δείχνει τι αναφέρει).</translation>
    </message>
    <message>
        <source>The server of %1 gave up waiting for a lock on the table elements, after as long as its setting lock_timeout allows: another program holds the table locked, changing it or in a transaction left open. Ask whoever runs the server to end that program&apos;s transaction, then start Valtora again.</source>
        <translation>%1: ο διακομιστής σταμάτησε να περιμένει κλείδωμα του πίνακα elements, αφού περίμενε όσο επιτρέπει η ρύθμισή του lock_timeout: άλλο πρόγραμμα κρατά κλειδωμένο τον πίνακα, επειδή τον τροποποιεί ή επειδή άφησε ανοιχτή μια συναλλαγή. Ζητήστε από τον διαχειριστή του διακομιστή να τερματίσει τη συναλλαγή εκείνου του προγράμματος και, στη συνέχεια, ξεκινήστε ξανά το Valtora.</translation>
    </message>
    <message>
        <source>The server of %1 does not let the role &quot;%2&quot; read the table elements. Ask whoever runs the server to allow it: grant select on elements to %2;</source>
        <translation>%1: ο διακομιστής δεν επιτρέπει στον ρόλο «%2» να διαβάζει τον πίνακα elements. Ζητήστε από τον διαχειριστή του διακομιστή να το επιτρέψει: grant select on elements to %2;</translation>
    </message>
    <message>
        <source>The connection pooler in front of the server of %1 gave up waiting for a server connection, after as long as its setting query_wait_timeout allows. Either every connection of its pool is in use (close Valtora on desks that do not need it, or ask whoever runs the pooler for a larger pool, default_pool_size), or the server behind it cannot be reached (ask whoever runs it to check that it is running). Then start Valtora again.</source>
        <translation>%1: το πρόγραμμα συγκέντρωσης συνδέσεων μπροστά από τον διακομιστή σταμάτησε να περιμένει σύνδεση με τον διακομιστή, αφού περίμενε όσο επιτρέπει η ρύθμισή του query_wait_timeout. Είτε όλες οι συνδέσεις της ομάδας συνδέσεών του είναι σε χρήση (κλείστε το Valtora στους σταθμούς εργασίας που δεν το χρειάζονται ή ζητήστε από τον υπεύθυνο του προγράμματος συγκέντρωσης συνδέσεων μεγαλύτερη ομάδα συνδέσεων, default_pool_size) είτε ο διακομιστής πίσω από αυτό δεν είναι προσβάσιμος (ζητήστε από τον διαχειριστή του διακομιστή να ελέγξει ότι εκτελείται). Στη συνέχεια, ξεκινήστε ξανά το Valtora.</translation>
    </message>
</context>
<context>
    <name>DesktopEntry</name>
    <message>
        <source>Chemical Elements Quiz</source>
        <extracomment>The kind of program, as menus show it beside its name.</extracomment>
        <translation>Κουίζ για τα χημικά στοιχεία</translation>
    </message>
    <message>
        <source>Drill the symbols and names of the chemical elements</source>
        <extracomment>What the program is for, in a line: menus&apos; tooltips, software centres&apos; summary.</extracomment>
        <translation>Εξάσκηση στα σύμβολα και στα ονόματα των χημικών στοιχείων</translation>
    </message>
    <message>
        <source>chemistry;elements;periodic table;symbol;quiz;school;</source>
        <extracomment>Words a desktop&apos;s search finds the program by, each followed by a semicolon.</extracomment>
        <translation>χημεία;στοιχεία;περιοδικός πίνακας;σύμβολο;κουίζ;σχολείο;</translation>
    </message>
    <message>
        <source>Valtora is a quiz on the chemical elements. It shows an element&apos;s atomic number, symbol, name and atomic mass with the symbol or the name covered, and you type what is covered.</source>
        <extracomment>Software centres: the description.</extracomment>
        <translation>Το Valtora είναι ένα κουίζ για τα χημικά στοιχεία. Δείχνει τον ατομικό αριθμό, το σύμβολο, το όνομα και την ατομική μάζα ενός στοιχείου με κρυμμένο το σύμβολο ή το όνομα, και εσύ γράφεις αυτό που είναι κρυμμένο.</translation>
    </message>
    <message>
        <source>Guess the symbol or the name</source>
        <extracomment>Software centres: a feature in the description&apos;s list.</extracomment>
        <translation>Βρες το σύμβολο ή το όνομα</translation>
    </message>
    <message>
        <source>Draw from the first 36 elements, from those a school course knows, or from all 103</source>
        <extracomment>Software centres: a feature in the description&apos;s list.</extracomment>
        <translation>Κλήρωση από τα 36 πρώτα στοιχεία, από όσα διδάσκονται σε ένα σχολικό μάθημα ή από όλα τα 103</translation>
    </message>
    <message>
        <source>Played by keyboard alone, and read out by screen readers</source>
        <extracomment>Software centres: a feature in the description&apos;s list.</extracomment>
        <translation>Παίζεται μόνο με το πληκτρολόγιο και διαβάζεται από προγράμματα ανάγνωσης οθόνης</translation>
    </message>
    <message numerus="yes">
        <source>In %n languages, the element names included</source>
        <extracomment>Software centres: a feature in the description&apos;s list; %n counts English too.</extracomment>
        <translation>
            <numerusform>Σε %n γλώσσα, μαζί με τα ονόματα των στοιχείων</numerusform>
            <numerusform>Σε %n γλώσσες, μαζί με τα ονόματα των στοιχείων</numerusform>
        </translation>
    </message>
    <message>
        <source>Needs no setup; a school can serve its own element table to every desk from one server</source>
        <extracomment>Software centres: a feature in the description&apos;s list.</extracomment>
        <translation>Δεν χρειάζεται ρυθμίσεις· ένα σχολείο μπορεί να παρέχει τον δικό του πίνακα στοιχείων σε κάθε θέση εργασίας από έναν διακομιστή</translation>
    </message>
    <message>
        <source>The quiz after one spin, the symbol covered</source>
        <extracomment>Software centres: the caption of the screenshot.</extracomment>
        <translation>Το κουίζ μετά από μία κλήρωση, με κρυμμένο το σύμβολο</translation>
    </message>
</context>
<context>
    <name>ElementDatabase</name>
    <message>
        <source>the embedded element table</source>
        <translation>Ενσωματωμένος πίνακας στοιχείων</translation>
    </message>
    <message>
        <source>%1: Qt&apos;s ODBC driver (QODBC) is not installed.</source>
        <translation>%1: το πρόγραμμα οδήγησης ODBC του Qt (QODBC) δεν είναι εγκατεστημένο.</translation>
    </message>
    <message>
        <source>%1 cannot be opened.</source>
        <translation>%1: δεν είναι δυνατό το άνοιγμα της προέλευσης δεδομένων.</translation>
    </message>
    <message>
        <source>%1: Qt&apos;s SQLite driver (QSQLITE) is not installed.</source>
        <translation>%1: το πρόγραμμα οδήγησης SQLite του Qt (QSQLITE) δεν είναι εγκατεστημένο.</translation>
    </message>
    <message>
        <source>The query &quot;%1&quot; on %2 failed.</source>
        <translation>%2: το ερώτημα «%1» απέτυχε.</translation>
    </message>
</context>
<context>
    <name>ElementLookup</name>
    <message>
        <source>&quot;%1&quot; is not an atomic number to look up.</source>
        <translation>Το «%1» δεν είναι ατομικός αριθμός που μπορεί να αναζητηθεί.</translation>
    </message>
    <message>
        <source>There is no row for atomic number %1 in table %2.</source>
        <translation>Δεν υπάρχει γραμμή για τον ατομικό αριθμό %1 στον πίνακα %2.</translation>
    </message>
    <message>
        <source>The row for atomic number %1 in table %2 has no symbol (%3 is empty): no answer could be judged against it.</source>
        <translation>Η γραμμή του ατομικού αριθμού %1 στον πίνακα %2 δεν έχει σύμβολο (η στήλη %3 είναι κενή): καμία απάντηση δεν θα μπορούσε να συγκριθεί με αυτήν.</translation>
    </message>
    <message>
        <source>The row for atomic number %1 in table %2 has no name (%3 is empty): no answer could be judged against it.</source>
        <translation>Η γραμμή του ατομικού αριθμού %1 στον πίνακα %2 δεν έχει όνομα (η στήλη %3 είναι κενή): καμία απάντηση δεν θα μπορούσε να συγκριθεί με αυτήν.</translation>
    </message>
</context>
<context>
    <name>ElementTableCheck</name>
    <message>
        <source> and %1 more</source>
        <translation> και %1 ακόμη</translation>
    </message>
    <message>
        <source>It has the columns %1.</source>
        <translation>Ο πίνακας έχει τις στήλες %1.</translation>
    </message>
    <message>
        <source>The table %1 of %2 cannot be used.
%3</source>
        <translation>%2: ο πίνακας %1 δεν μπορεί να χρησιμοποιηθεί.
%3</translation>
    </message>
    <message>
        <source>%1 has no table %2.</source>
        <translation>%1: δεν υπάρχει πίνακας %2.</translation>
    </message>
    <message>
        <source>Missing columns: %1.</source>
        <translation>Στήλες που λείπουν: %1.</translation>
    </message>
    <message>
        <source>The file was imported twice into the same database: its header row is a row of the table, and every element is there twice. Import it again into a fresh database file (delete the old one first).</source>
        <translation>Το αρχείο εισήχθη δύο φορές στην ίδια βάση δεδομένων: η γραμμή κεφαλίδας του έγινε γραμμή του πίνακα και κάθε στοιχείο υπάρχει δύο φορές. Εισαγάγετέ το ξανά σε ένα νέο αρχείο βάσης δεδομένων (διαγράψτε πρώτα το παλιό).</translation>
    </message>
    <message>
        <source>No row for atomic numbers %1.</source>
        <translation>Καμία γραμμή για τους ατομικούς αριθμούς %1.</translation>
    </message>
    <message>
        <source>More than one row for atomic numbers %1.</source>
        <translation>Περισσότερες από μία γραμμές για τους ατομικούς αριθμούς %1.</translation>
    </message>
    <message>
        <source>Atomic numbers that are not whole numbers: %1.</source>
        <translation>Ατομικοί αριθμοί που δεν είναι ακέραιοι: %1.</translation>
    </message>
    <message>
        <source>Rows without an atomic number: %1.</source>
        <translation>Γραμμές χωρίς ατομικό αριθμό: %1.</translation>
    </message>
    <message>
        <source>No symbol for atomic numbers %1.</source>
        <translation>Λείπει το σύμβολο για τους ατομικούς αριθμούς %1.</translation>
    </message>
    <message>
        <source>No name for atomic numbers %1.</source>
        <translation>Λείπει το όνομα για τους ατομικούς αριθμούς %1.</translation>
    </message>
    <message>
        <source>Names that no answer can match, since answers are put in proper case (&quot;Iron&quot;, not &quot;iron&quot; or &quot;IRON&quot;), for atomic numbers %1.</source>
        <translation>Ονόματα με τα οποία δεν μπορεί να ταιριάξει καμία απάντηση, επειδή οι απαντήσεις γράφονται με κεφαλαίο το πρώτο γράμμα («Σίδηρος», όχι «σίδηρος» ή «ΣΙΔΗΡΟΣ»), για τους ατομικούς αριθμούς %1.</translation>
    </message>
    <message>
        <source>Symbols or names with blanks around them, which no answer can match, for atomic numbers %1.</source>
        <translation>Σύμβολα ή ονόματα με κενά διαστήματα πριν ή μετά, με τα οποία δεν μπορεί να ταιριάξει καμία απάντηση, για τους ατομικούς αριθμούς %1.</translation>
    </message>
    <message>
        <source>see &quot;From a spreadsheet&quot; in the README, installed as %1</source>
        <translation>δείτε την ενότητα «From a spreadsheet» στο README, εγκατεστημένο ως %1</translation>
    </message>
    <message>
        <source>The file was saved with semicolons between its columns, as office programs do where decimals are written with a comma: import it with .separator &quot;;&quot; (%1).</source>
        <translation>Το αρχείο αποθηκεύτηκε με ερωτηματικά (;) ανάμεσα στις στήλες, όπως κάνουν τα προγράμματα γραφείου όπου οι δεκαδικοί αριθμοί γράφονται με κόμμα: εισαγάγετέ το με .separator &quot;;&quot; (%1).</translation>
    </message>
    <message>
        <source>The file was saved with tabs between its columns: import it with .separator &quot;\t&quot; instead of --csv (%1).</source>
        <translation>Το αρχείο αποθηκεύτηκε με στηλοθέτες ανάμεσα στις στήλες: εισαγάγετέ το με .separator &quot;\t&quot; αντί για --csv (%1).</translation>
    </message>
    <message>
        <source>Its first row holds the column names: the file has a title row above its header. Import it with --skip 1, or delete the title row (%1).</source>
        <translation>Η πρώτη γραμμή του πίνακα περιέχει τα ονόματα των στηλών: το αρχείο έχει μια γραμμή τίτλου πάνω από την κεφαλίδα του. Εισαγάγετέ το με --skip 1 ή διαγράψτε τη γραμμή τίτλου (%1).</translation>
    </message>
    <message>
        <source>Reading it failed.</source>
        <translation>Η ανάγνωση του πίνακα απέτυχε.</translation>
    </message>
    <message>
        <source>Atomic numbers with blanks around them, which the lookup&apos;s query does not find: %1.</source>
        <translation>Ατομικοί αριθμοί με κενά διαστήματα πριν ή μετά, τους οποίους δεν βρίσκει το ερώτημα αναζήτησης στοιχείων: %1.</translation>
    </message>
    <message>
        <source>The file&apos;s header row (%1) is a row of the table: the table was made before the import, which read the header as data. Import the file into a fresh database, or with --skip 1 (%2).</source>
        <translation>Η γραμμή κεφαλίδας του αρχείου (%1) είναι γραμμή του πίνακα: ο πίνακας δημιουργήθηκε πριν από την εισαγωγή, η οποία διάβασε την κεφαλίδα ως δεδομένα. Εισαγάγετε το αρχείο σε μια νέα βάση δεδομένων ή με --skip 1 (%2).</translation>
    </message>
    <message>
        <source>Looking an element up by its number fails: AtomicNumber must compare with a bare number, as in &quot;%1&quot;.</source>
        <translation>Η αναζήτηση στοιχείου με βάση τον αριθμό του αποτυγχάνει: η στήλη AtomicNumber πρέπει να μπορεί να συγκριθεί με σκέτο αριθμό χωρίς εισαγωγικά, όπως στο «%1».</translation>
    </message>
    <message>
        <source>Symbols or names with invisible characters in them (zero-width spaces or joiners, soft hyphens, direction marks), which no typed answer holds, for atomic numbers %1.</source>
        <translation>Σύμβολα ή ονόματα με αόρατους χαρακτήρες (κενά ή χαρακτήρες σύνδεσης μηδενικού πλάτους, προαιρετικά ενωτικά, σημάδια κατεύθυνσης κειμένου), τους οποίους δεν περιέχει καμία πληκτρολογημένη απάντηση, για τους ατομικούς αριθμούς %1.</translation>
    </message>
    <message>
        <source>Symbols or names with characters that no element&apos;s name has, as a file saved in another character set than UTF-8 leaves them (&quot;?&quot;, &quot;Ã³&quot;, &quot;Å¼&quot;), for atomic numbers %1. Save the sheet again as CSV in the character set &quot;Unicode (UTF-8)&quot;, or convert the file with iconv, and import it again (%2).</source>
        <translation type="vanished">Σύμβολα ή ονόματα με χαρακτήρες που δεν υπάρχουν στο όνομα κανενός στοιχείου (τέτοιους χαρακτήρες αφήνει ένα αρχείο που αποθηκεύτηκε σε σύνολο χαρακτήρων άλλο από το UTF-8: «?», «Ã³», «Å¼»), για τους ατομικούς αριθμούς %1. Αποθηκεύστε ξανά το φύλλο ως CSV με το σύνολο χαρακτήρων «Unicode (UTF-8)» ή μετατρέψτε το αρχείο με το iconv και, στη συνέχεια, εισαγάγετέ το ξανά (%2).</translation>
    </message>
    <message>
        <source>The file was saved as UTF-16 (&quot;Unicode text&quot; in office programs), which the import does not read. Convert it with &quot;iconv -f %1 -t UTF-8 elements.csv &gt; elements-utf8.csv&quot; and import elements-utf8.csv, or save the sheet again as CSV in the character set &quot;Unicode (UTF-8)&quot; (%2).</source>
        <translation>Το αρχείο αποθηκεύτηκε ως UTF-16 («Κείμενο Unicode» στα προγράμματα γραφείου), το οποίο η εισαγωγή δεν διαβάζει. Μετατρέψτε το με «iconv -f %1 -t UTF-8 elements.csv &gt; elements-utf8.csv» και εισαγάγετε το elements-utf8.csv ή αποθηκεύστε ξανά το φύλλο ως CSV με το σύνολο χαρακτήρων «Unicode (UTF-8)» (%2).</translation>
    </message>
    <message>
        <source>Names with characters that no element&apos;s name has, garbled because the file was saved in the character set %1 and read as %2, for atomic numbers %3. Read it as %1: in psql, give &quot;\encoding %4&quot; before \copy, or convert it first with &quot;iconv -f %5 -t UTF-8&quot;, and import it again (%6).</source>
        <translation>Ονόματα με χαρακτήρες που δεν υπάρχουν στο όνομα κανενός στοιχείου, αλλοιωμένα επειδή το αρχείο αποθηκεύτηκε στο σύνολο χαρακτήρων %1 και διαβάστηκε ως %2, για τους ατομικούς αριθμούς %3. Διαβάστε το ως %1: στο psql, δώστε «\encoding %4» πριν από το \copy ή μετατρέψτε το πρώτα με «iconv -f %5 -t UTF-8», και εισαγάγετέ το ξανά (%6).</translation>
    </message>
    <message>
        <source>Names with characters that no element&apos;s name has, garbled because the file was saved in the character set %1 and read as %2, for atomic numbers %3. Convert it with &quot;%4 &gt; elements-utf8.csv&quot; and import elements-utf8.csv in its place (%5).</source>
        <translation>Ονόματα με χαρακτήρες που δεν υπάρχουν στο όνομα κανενός στοιχείου, αλλοιωμένα επειδή το αρχείο αποθηκεύτηκε στο σύνολο χαρακτήρων %1 και διαβάστηκε ως %2, για τους ατομικούς αριθμούς %3. Μετατρέψτε το με «%4 &gt; elements-utf8.csv» και εισαγάγετε στη θέση του το elements-utf8.csv (%5).</translation>
    </message>
    <message>
        <source>Symbols or names with characters that no element&apos;s name has, such as &quot;?&quot; or the letter pairs (&quot;Ã³&quot;, &quot;Å¼&quot;) that a file saved in another character set than UTF-8 leaves, or with no letter at their start or end (&quot;-&quot;, a lone accent), for atomic numbers %1. Retype those cells, or save the sheet again as CSV in the character set &quot;Unicode (UTF-8)&quot; (or convert the file with iconv) and import it again (%2).</source>
        <translation>Σύμβολα ή ονόματα με χαρακτήρες που δεν υπάρχουν στο όνομα κανενός στοιχείου, όπως «?» ή τα ζεύγη γραμμάτων («Ã³», «Å¼») που αφήνει ένα αρχείο αποθηκευμένο σε σύνολο χαρακτήρων άλλο από το UTF-8, ή χωρίς γράμμα στην αρχή ή στο τέλος τους («-», ένας μεμονωμένος τόνος), για τους ατομικούς αριθμούς %1. Πληκτρολογήστε ξανά αυτά τα κελιά ή αποθηκεύστε ξανά το φύλλο ως CSV με το σύνολο χαρακτήρων «Unicode (UTF-8)» (ή μετατρέψτε το αρχείο με το iconv) και εισαγάγετέ το ξανά (%2).</translation>
    </message>
</context>
<context>
    <name>OdbcDataSource</name>
    <message>
        <source>ODBC data source &quot;%1&quot;</source>
        <translation>Προέλευση δεδομένων ODBC «%1»</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Usage: %1</source>
        <translation>Χρήση: %1</translation>
    </message>
    <message>
        <source>[options]</source>
        <translation>[επιλογές]</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Επιλογές:</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Εμφανίζει βοήθεια για τις επιλογές της γραμμής εντολών.</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>Εμφανίζει βοήθεια, μαζί με τις επιλογές του Qt.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>Εμφανίζει πληροφορίες έκδοσης.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>Λείπει τιμή μετά το «%1».</translation>
    </message>
</context>
<context>
    <name>QGnomeTheme</name>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Εντάξει</translation>
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
        <translation>&amp;Αναίρεση</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Επανάληψη</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Απο&amp;κοπή</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>Α&amp;ντιγραφή</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>Ε&amp;πικόλληση</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Διαγραφή</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Επιλογή όλων</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>Εντάξει</translation>
    </message>
</context>
<context>
    <name>QUnicodeControlCharacterMenu</name>
    <message>
        <source>Insert Unicode control character</source>
        <translation>Εισαγωγή χαρακτήρα ελέγχου Unicode</translation>
    </message>
</context>
<context>
    <name>SqlScript</name>
    <message>
        <source>The element table&apos;s script is missing from the program.</source>
        <translation>Από το πρόγραμμα λείπει το σενάριο εντολών του πίνακα στοιχείων.</translation>
    </message>
    <message>
        <source>The element table&apos;s script cannot be run: %1</source>
        <translation>Δεν είναι δυνατή η εκτέλεση του σεναρίου εντολών του πίνακα στοιχείων: %1</translation>
    </message>
    <message>
        <source>The element names in %1 cannot be loaded: %2</source>
        <translation>Δεν είναι δυνατή η φόρτωση των ονομάτων των στοιχείων για τη γλώσσα %1: %2</translation>
    </message>
</context>
<context>
    <name>frmElements</name>
    <message>
        <source>Elements</source>
        <translation>Στοιχεία</translation>
    </message>
    <message>
        <source>Atomic Number</source>
        <translation>Ατ. αριθμός</translation>
    </message>
    <message>
        <source>Symbol</source>
        <translation>Σύμβολο</translation>
    </message>
    <message>
        <source>Element Name</source>
        <translation>Όνομα</translation>
    </message>
    <message>
        <source>Atomic Mass</source>
        <translation>Ατομική μάζα</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Απάντ.</translation>
    </message>
    <message>
        <source>Created by Orvashel</source>
        <translation>Δημιουργός: Orvashel</translation>
    </message>
    <message>
        <source>Spin</source>
        <translation>Κλήρωση</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Έλεγχος</translation>
    </message>
    <message>
        <source>Step 1</source>
        <translation>Βήμα 1</translation>
    </message>
    <message>
        <source>Guess the Name</source>
        <translation>Ποιο όνομα;</translation>
    </message>
    <message>
        <source>Guess the Symbol</source>
        <translation>Ποιο σύμβολο;</translation>
    </message>
    <message>
        <source>Step 2</source>
        <translation>Βήμα 2</translation>
    </message>
    <message>
        <source>Elements 1 to 36</source>
        <translation>Στοιχεία 1–36</translation>
    </message>
    <message>
        <source>Elements 1 to 38, 40, 42, 47 - 57, 74, 78 - 80</source>
        <translation>Στοιχεία 1–38, 40, 42, 47–57, 74, 78–80</translation>
    </message>
    <message>
        <source>Elements 1 to 38, 40, 42, 47 - 57, 74, 78 - 89, 92, 94, 95</source>
        <translation>Στοιχεία 1–38, 40, 42, 47–57, 74, 78–89, 92, 94, 95</translation>
    </message>
    <message>
        <source>Elements 1 to 103</source>
        <translation>Στοιχεία 1–103</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Έξοδος</translation>
    </message>
    <message>
        <source>Shortcut: %1</source>
        <translation>Συντόμευση: %1</translation>
    </message>
</context>
</TS>
