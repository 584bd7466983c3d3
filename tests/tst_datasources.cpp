// SPDX-FileCopyrightText: 2026 Orvashel <orvashel@valtora.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "data/ElementTableCheck.h"
#include "platform/ErrorReporting.h"
#include "platform/RuntimeError.h"
#include "platform/Translation.h"
#include "support/ElementCopies.h"
#include "support/OdbcTestConfig.h"
#include "support/QuizHarness.h"

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTest>
#include <QTextStream>
#include <csignal>
#include <iostream>

// What breaks a data source during the quiz, applied at its step "wait", or before it starts
// where there is none.
using Fault = std::function<void()>;
Q_DECLARE_METATYPE(Fault)

// Data sources behind ODBC, whole and broken, opened as the program opens them. PostgreSQL is
// the throwaway cluster of pg_virtualenv, which runs this test.
class TestDataSources : public QObject {
    Q_OBJECT

    // However a data source fails, the quiz says so and ends well within this: the limits of 10 s
    // to log in and 10 s a query, with room for a slow, loaded machine.
    static constexpr int kDeadlineMs = 45'000;

    QTemporaryDir folder_;
    int sources_ = 0;
    // What a fault holds until its row ends: a program locking a file, paused server processes.
    std::unique_ptr<QProcess> locker_;
    QList<qint64> paused_;

    // Runs this program with "--show" and `steps` on the data source, in a process of its own
    // (the driver manager reads its configuration once per process), applying `fault` at the
    // step "wait", or before it starts where there is none. A first step "desk=<locale>" runs it
    // on a desk set up in that locale (LANG), as the program starts there. Returns what it
    // printed and its exit status.
    static std::pair<QString, int> Show(const QStringList& dataSource, QStringList steps,
                                        const Fault& fault) {
        const OdbcTestConfig config(dataSource);
        QProcessEnvironment environment = config.Environment();
        if (steps.value(0).startsWith(QLatin1String("desk="))) {
            environment.remove(QStringLiteral("LC_ALL"));
            environment.insert(QStringLiteral("LANG"), steps.takeFirst().mid(5));
        }
        const bool duringQuiz = steps.contains(QStringLiteral("wait"));
        if (fault && !duringQuiz)
            fault();
        QProcess show;
        show.setProcessEnvironment(environment);
        show.start(QCoreApplication::applicationFilePath(), QStringList{"--show"} + steps);
        QByteArray printed;
        while (duringQuiz && !printed.contains("waiting\n") && show.waitForReadyRead(kDeadlineMs))
            printed += show.readAllStandardOutput();
        if (duringQuiz) {
            fault();
            show.write("\n");
        }
        show.waitForFinished(2 * kDeadlineMs);
        return {QString::fromUtf8(printed + show.readAllStandardOutput()), show.exitCode()};
    }

    // A copy of the element table in an SQLite file, changed by `changes`, and data sources on
    // such a copy and on any file.
    QString SqliteFile(const QStringList& changes = {}) {
        const QString file = folder_.filePath(QStringLiteral("%1.db").arg(++sources_));
        CreateSqliteElementFile(file, changes);
        return file;
    }
    static QStringList SqliteSource(const QString& file) {
        return {QStringLiteral("Driver = " VALTORA_SQLITE_ODBC_DRIVER), "Database = " + file};
    }

    // A copy of the element table in a new PostgreSQL database, changed by `changes`, that the
    // role "quiz" may only read, and data sources on such a copy and on any database.
    QString PostgresDatabase(const QStringList& changes = {}) {
        const QString database = QStringLiteral("elements%1").arg(++sources_);
        CreatePostgresElementDatabase(database, changes);
        return database;
    }
    static QStringList PostgresSource(const QString& database) {
        return PostgresDataSource(database, qEnvironmentVariableIntValue("PGPORT"));
    }

    // The server processes that serve `database`, after running `sql` on each as the superuser.
    static QList<QByteArray> Backends(const QString& database, const char* sql = "pid") {
        const QByteArray from = " from pg_stat_activity where datname = '" + database.toUtf8();
        return RunPsql("postgres", "select " + QByteArray(sql) + from + "'").split('\n');
    }

private slots:
    void initTestCase() {
        // The README's quiz role: it may only read, and the server holds it to that.
        RunPsql(QStringLiteral("postgres"),
                "create role quiz login password 'quiz';"
                "alter role quiz set default_transaction_read_only = on");
    }

    void cleanup() {
        locker_.reset();
        for (qint64 pid : std::exchange(paused_, {}))
            ::kill(static_cast<pid_t>(pid), SIGCONT);
    }

    // What the quiz shows of the numbers on each data source, and how it ends: the embedded
    // table's records, masses of every type as plain decimals in the desk's notation, or, within
    // the deadline whatever the fault, a message that says in plain words what is wrong and what to
    // do.
    void aDataSourceShowsTheElementsOrItsProblems_data() {
        QTest::addColumn<QStringList>("dataSource");
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<Fault>("fault");
        // What is printed starts with the first, and holds the others.
        QTest::addColumn<QStringList>("shown");
        QTest::addColumn<int>("status");
        // The faults of a server, told as in English whatever language the desk and the server
        // speak: English, or on a cluster made in a German locale (a second run of this test)
        // from a German desk, German; and from a Polish desk.
        const bool german =
            RunPsql(QStringLiteral("postgres"), "show lc_messages").startsWith("de");
        // Iron as the desk writes its mass.
        const QString iron =
            QStringLiteral("26\tFe\tIron\t55.845\n").replace(u'.', german ? u',' : u'.');
        // What a school meets: the message's first words and what it holds; where the fault
        // comes during the quiz, after iron.
        const auto fails =
            [&](const char* name, const QStringList& dataSource, const QStringList& message,
                const Fault& fault = {}, const QStringList& steps = {"26"}) {
                const QString before = steps.contains("wait") ? iron + "waiting\n" : QString();
                QTest::newRow(name)
                    << dataSource << steps << fault
                    << QStringList{before + "error: " + message.first()} + message.mid(1) << 1;
            };
        const QStringList duringQuiz{"26", "wait", "27"};
        const auto say = [german](const char* english, const char* inGerman) {
            return QString::fromUtf8(german ? inGerman : english);
        };
        const QStringList desk = german ? QStringList{"desk=de_DE.UTF-8"} : QStringList();
        const QStringList start = desk + QStringList{"26"};
        const QString serverOf = say("The server of ODBC data source \"Elements\"",
                                     "Der Server der ODBC-Datenquelle „Elements“");
        const QStringList nothingListens = PostgresDataSource("elements", 1);
        fails(
            "PostgreSQL, no connection left",
            PostgresSource(PostgresDatabase({"\\i " VALTORA_TEST_DATA "/connection-limit-0.sql"})),
            {serverOf + say(" accepts no more", " nimmt keine weiteren Verbindungen an")}, {},
            start);
        fails(
            "PostgreSQL, a wrong password",
            PostgresSource(PostgresDatabase()).replaceInStrings("Password = quiz", "Password = x"),
            {serverOf + say(" refused the login.", " hat die Anmeldung abgelehnt."),
             say("password authentication failed", "Passwort-Authentifizierung")},
            {}, start);
        fails("PostgreSQL, nothing listens", nothingListens,
              {serverOf + say(" cannot be reached.", " ist nicht erreichbar.")}, {}, start);
        const QString ended = PostgresDatabase();
        fails(
            "PostgreSQL, its server process ended by an administrator", PostgresSource(ended),
            {serverOf + say(" ended the connection on an administrator's command",
                            " hat die Verbindung auf Anweisung eines Administrators beendet"),
             say("terminating connection due to administrator command", "Administrators")},
            [ended] { Backends(ended, "pg_terminate_backend(pid)"); }, desk + duringQuiz);
        if (german)
            return;
        fails("a Polish desk, its server stopped", nothingListens,
              {"Źródło danych ODBC „Elements”: serwer jest nieosiągalny."}, {},
              {"desk=pl_PL.UTF-8", "26"});

        const QString tableLocked =
            PostgresDatabase({"\\i " VALTORA_TEST_DATA "/lock-timeout.sql"});
        fails("PostgreSQL speaking Russian, the table locked by another program",
              PostgresSource(tableLocked), {serverOf + " gave up waiting for a lock"},
              [this, tableLocked] {
                  locker_ = std::make_unique<QProcess>();
                  locker_->start(QStringLiteral("psql"), {"-XAtq", "-d", tableLocked, "-f", "-"});
                  locker_->write("begin;\nlock table elements;\nselect 'locked';\n");
                  QVERIFY(locker_->waitForReadyRead(kDeadlineMs));
              });
        fails("PostgreSQL, no grant on the table",
              PostgresSource(PostgresDatabase({"\\i " VALTORA_TEST_DATA "/no-grant.sql"})),
              {serverOf + " does not let the role \"quiz\" read", "grant select on elements"});

        QStringList all;
        for (int n = 1; n <= 118; ++n)
            all.append(QString::number(n));
        const QString embedded = Show({}, all, {}).first;
        // Whole tables, numbers beyond 103 of any size among them; a school's own table stands as
        // it is in any language, its masses in the desk's notation.
        QTest::newRow("SQLite, a German desk")
            << SqliteSource(SqliteFile({".read " VALTORA_TEST_DATA "/large-numbers.sql"}))
            << QStringList{"desk=de_DE.UTF-8"} + all << Fault()
            << QStringList{QString(embedded).replace(u'.', u',')} << 0;
        QTest::newRow("PostgreSQL, number numeric, mass real, a German desk")
            << PostgresSource(PostgresDatabase({"\\i " VALTORA_TEST_DATA "/numeric-real.sql"}))
            << QStringList{"desk=de_DE.UTF-8", "26", "43"} << Fault()
            << QStringList{"26\tFe\tIron\t55,845\n43\tTc\tTechnetium\t97\n"} << 0;

        const QString elements = QStringLiteral("ODBC data source \"Elements\"");
        fails("driver not installed", {"Driver = PostgreSQL"},
              {elements + " names the ODBC driver \"PostgreSQL\", which is not", "odbcinst -q -d"});
        fails("SQLite, no file named", {"Driver = " VALTORA_SQLITE_ODBC_DRIVER, "Database ="},
              {elements + " names no database file"});
        const QString missing = folder_.filePath(QStringLiteral("none.db"));
        fails("SQLite, file missing", SqliteSource(missing),
              {"The database file \"" + missing + "\" of " + elements + " does not exist."});
        // This very program is a file, and no database.
        const QString program = QCoreApplication::applicationFilePath();
        fails("SQLite, not a database", SqliteSource(program),
              {"The file \"" + program + "\" of " + elements + " is not an SQLite database."});
        const QString locked = SqliteFile();
        const Fault lock = [this, locked] {
            locker_ = std::make_unique<QProcess>();
            locker_->start(QStringLiteral("sqlite3"), {locked});
            locker_->write("begin exclusive;\nselect 'locked';\n");
            QVERIFY(locker_->waitForReadyRead(kDeadlineMs));
        };
        const QString isLocked =
            "The database file \"" + locked + "\" of " + elements + " is locked";
        fails("SQLite, locked by another program", SqliteSource(locked), {isLocked}, lock);
        fails("SQLite, locked during the quiz", SqliteSource(locked), {isLocked}, lock, duringQuiz);
        const QString emptied = SqliteFile();
        fails(
            "SQLite, a name emptied during the quiz", SqliteSource(emptied),
            {"The row for atomic number 27 in table elements has no name"},
            [emptied] {
                QProcess::execute("sqlite3", {emptied, "update elements set ElementName = ' ' "
                                                       "where AtomicNumber = 27"});
            },
            duringQuiz);
        const QString unusable = "The table elements of " + elements + " cannot be used.";
        fails("table missing", SqliteSource(SqliteFile({"drop table elements"})),
              {unusable, "has no table elements"});
        fails("rows missing, doubled, not whole, without a number or symbol, misread",
              SqliteSource(SqliteFile({".read " VALTORA_TEST_DATA "/broken-rows.sql"})),
              {unusable,
               "No row for atomic numbers 5, 7, 30, 40, 41, 42, 43, 44, 45, 46 and 57 more.",
               "More than one row for atomic numbers 27.", "not whole numbers: 30.5.",
               "without an atomic number: Extra (Xx).", "No symbol for atomic numbers 8.",
               "saved in the character set UTF-8 and read as Windows-1250, for atomic numbers 11"});
        // Neither the Dutch rule (IJ is one letter) nor the ordinary one makes any answer
        // "iJzer", and the check says so in Dutch.
        fails("SQLite, a Dutch desk",
              SqliteSource(SqliteFile({"update elements set ElementName = 'iJzer' where "
                                       "AtomicNumber = 26"})),
              {"De tabel elements van ODBC-gegevensbron \"Elements\" kan niet worden gebruikt.",
               "IJZER\"), voor atoomnummers 26."},
              {}, {"desk=nl_NL.UTF-8", "26"});

        // Character sets mixed up are named, with the recipe that reads the file right, from a
        // name's bytes as SQLite keeps them and as a server converts them (the pairs of
        // character sets are rows of aNamesFaultIsFound).
        const auto imported = [this](const char* file) {
            return SqliteSource(SqliteFile(
                {"drop table elements",
                 QStringLiteral(".import --csv " VALTORA_TEST_DATA "/%1.csv elements").arg(file)}));
        };
        fails("SQLite, GBK", imported("gbk"),
              {unusable, "GBK and read as UTF-8, for atomic numbers 1, 6, 26.",
               "\"iconv -f GBK -t UTF-8 elements.csv"});
        fails("PostgreSQL, UTF-8 read as Windows-1250",
              PostgresSource(PostgresDatabase(
                  {"\\encoding WIN1250", "\\i " VALTORA_TEST_DATA "/utf-8-czech.sql"})),
              {unusable,
               "UTF-8 and read as Windows-1250, for atomic numbers 1, 6, 26 (\"VodĂ\u00adk\"",
               "\"\\encoding UTF8\" before \\copy"});

        const QString noAnswer = elements + " did not answer within 10 seconds.";
        // The quiz's role may only read, even through a function that writes.
        fails("PostgreSQL, a view that writes",
              PostgresSource(PostgresDatabase({"\\i " VALTORA_TEST_DATA "/view-that-writes.sql"})),
              {unusable, "cannot execute INSERT in a read-only transaction"});
        // Logging in and the check at start share one limit, though each keeps within its own.
        fails("PostgreSQL, logging in and every query slow",
              PostgresSource(PostgresDatabase({"\\i " VALTORA_TEST_DATA "/slow-queries.sql"})) +
                  QStringList{"ConnSettings = select pg_sleep(6)"},
              {noAnswer});
        const QString paused = PostgresDatabase();
        fails(
            "PostgreSQL, its server process paused", PostgresSource(paused), {noAnswer},
            [this, paused] {
                for (const QByteArray& pid : Backends(paused)) {
                    if (!pid.isEmpty() && ::kill(pid.toInt(), SIGSTOP) == 0)
                        paused_.append(pid.toInt());
                }
                QVERIFY(!paused_.isEmpty());
            },
            duringQuiz);
        const QString idle =
            PostgresDatabase({"\\i " VALTORA_TEST_DATA "/idle-session-timeout.sql"});
        fails(
            "PostgreSQL, idle longer than the server allows", PostgresSource(idle),
            {serverOf + " closed the connection because it was idle", "idle_session_timeout"},
            [idle] {
                QTRY_VERIFY_WITH_TIMEOUT(Backends(idle).constFirst().isEmpty(), kDeadlineMs);
            },
            duringQuiz);
        fails("PostgreSQL, a query cancelled by an administrator",
              PostgresSource(PostgresDatabase({"\\i " VALTORA_TEST_DATA "/view-that-cancels.sql"})),
              {"A query of Valtora's on the server of " + elements + " was cancelled"});
    }
    // What the check finds in a name, by its bytes as a table holds them: the pair of character
    // sets mixed up, or another fault (tests/data/character-sets.tsv).
    void aNamesFaultIsFound_data() {
        QTest::addColumn<int>("number");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("fault");
        QFile table(QStringLiteral(VALTORA_TEST_DATA "/character-sets.tsv"));
        QVERIFY(table.open(QIODevice::ReadOnly));
        for (const QByteArray& line : table.readAll().split('\n')) {
            const QList<QByteArray> fields = line.split('\t');
            if (fields.size() == 4)
                QTest::newRow(fields[0]) << fields[1].toInt() << QByteArray::fromHex(fields[2])
                                         << QString::fromUtf8(fields[3]);
        }
    }
    void aNamesFaultIsFound() {
        QFETCH(int, number);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, fault);
        const TextFaults found =
            FindTextFaults({{number, {{"X", {}}, {QString::fromUtf8(bytes), bytes}}}});
        const std::optional<Misreading>& misreading = found.misreading;
        const std::array<const char*, 6> faults{"none",    "empty",   "blanks",
                                                "misread", "strange", "invisible"};
        QCOMPARE(misreading ? QStringLiteral("%1 read as %2")
                                  .arg(misreading->savedIn->name, misreading->readAs->name)
                            : faults.at(int(found.symbolAndName.value(number).second)),
                 fault);
    }
    void aDataSourceShowsTheElementsOrItsProblems() {
        QFETCH(QStringList, dataSource);
        QFETCH(QStringList, steps);
        QFETCH(Fault, fault);
        QFETCH(QStringList, shown);
        QFETCH(int, status);
        QElapsedTimer took;
        took.start();
        const auto [printed, exitStatus] = Show(dataSource, steps, fault);
        QVERIFY2(printed.startsWith(shown.first()), qPrintable(printed));
        for (const QString& part : shown.mid(1))
            QVERIFY2(printed.contains(part), qPrintable(printed));
        QCOMPARE(exitStatus, status);
        QVERIFY2(took.elapsed() < kDeadlineMs, qPrintable(QString::number(took.elapsed())));
        // The program writes nothing: not even the missing database file.
        QVERIFY(!QFile::exists(folder_.filePath(QStringLiteral("none.db"))));
    }
};

// With "--show" and steps, prints what the quiz shows on the data source the environment names:
// a line per number's record, in the language of the desk's locale;
// "waiting" at the step "wait", which then waits for a line on standard input. A run-time error is
// printed after "error: " and ends it as it ends the program. Without, runs the tests.
int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.value(1) != QLatin1String("--show")) {
        TestDataSources test;
        return QTest::qExec(&test, argc, argv);
    }
    QTextStream out(stdout);
    // Outside the try block, as in the program: a database given up ends the process when it
    // goes, so it must outlive the report. In the language of the desk's locale, as it starts.
    const Translation translation;
    ElementDatabase database(ClassLanguage(translation.Language()));
    try {
        OpenCheckedTable(database);
        QuizHarness harness(QString(), &database);
        for (const QString& step : arguments.mid(2)) {
            if (step == QLatin1String("wait")) {
                out << "waiting" << Qt::endl;
                std::string line;
                std::getline(std::cin, line);
                continue;
            }
            harness.quiz.state.SetStrNumber(step);
            harness.quiz.lookup.GetRecord();
            out << harness.Record() << Qt::endl;
        }
    } catch (const RuntimeError& error) {
        out << "error: " << error.message() << Qt::endl;
        return kRuntimeErrorExitStatus;
    }
    return 0;
}

#include "tst_datasources.moc"
