#include "platform/RuntimeError.h"
#include "support/ElementCopies.h"
#include "support/OdbcTestConfig.h"
#include "support/QuizHarness.h"

#include <QFile>
#include <QProcess>
#include <QTest>
#include <QTextStream>

// Data sources behind ODBC, whole and broken, opened as the program opens them. PostgreSQL is
// the throwaway cluster of pg_virtualenv, which runs this test.
class TestDataSources : public QObject {
    Q_OBJECT

    QTemporaryDir folder_;
    int sources_ = 0;

    // What the quiz shows of `numbers` on the data source, as this program started with
    // "--show" prints it in a process of its own: the driver manager reads its configuration
    // once per process.
    static QString Show(const QStringList& dataSource, const QStringList& numbers) {
        const OdbcTestConfig config(dataSource);
        QProcess show;
        show.setProcessEnvironment(config.Environment());
        show.start(QCoreApplication::applicationFilePath(), QStringList{"--show"} + numbers);
        show.waitForFinished(120'000);
        return QString::fromUtf8(show.readAllStandardOutput());
    }

    static QStringList Numbers(int first, int last) {
        QStringList numbers;
        for (int n = first; n <= last; ++n)
            numbers.append(QString::number(n));
        return numbers;
    }

    // A data source on a copy of the element table in an SQLite file, changed by `changes`.
    QStringList Sqlite(const QStringList& changes) {
        const QString file = folder_.filePath(QStringLiteral("%1.db").arg(++sources_));
        CreateSqliteElementFile(file, changes);
        return {QStringLiteral("Driver = " VALTORA_SQLITE_ODBC_DRIVER), "Database = " + file};
    }

    // The recipe "From a spreadsheet": the table saved as CSV with a header row, imported with the
    // sqlite3 shell, which makes every column text.
    QStringList Spreadsheet() {
        const QString source = folder_.filePath(QStringLiteral("source.db"));
        CreateSqliteElementFile(source);
        const QString file = folder_.filePath(QStringLiteral("spreadsheet.db"));
        QProcess::execute(QStringLiteral("sh"),
                          {"-c",
                           "sqlite3 -header -csv \"$0\" 'select AtomicNumber, AtomicSymbol, "
                           "ElementName, AtomicMass from elements' > \"$1.csv\" && sqlite3 \"$1\" "
                           "\".import --csv $1.csv elements\"",
                           source, file});
        return {QStringLiteral("Driver = " VALTORA_SQLITE_ODBC_DRIVER), "Database = " + file};
    }

    // A data source on a copy of the element table in a PostgreSQL database, changed by
    // `changes`, that the role "quiz" may only read.
    QStringList Postgres(const QStringList& changes, QString database = {}) {
        if (database.isEmpty())
            database = QStringLiteral("elements%1").arg(++sources_);
        CreatePostgresElementDatabase(database, changes);
        return PostgresDataSource(database, qEnvironmentVariableIntValue("PGPORT"));
    }

private slots:
    void initTestCase() {
        QVERIFY2(!qEnvironmentVariableIsEmpty("PGPORT"), "run this test under pg_virtualenv");
        RunPsql(QStringLiteral("postgres"), "create role quiz login password 'quiz'");
    }

    // A data source that cannot serve the quiz is an error that names it and every problem.
    void aBrokenDataSourceIsReported_data() {
        QTest::addColumn<QStringList>("dataSource");
        QTest::addColumn<QStringList>("problems");
        QTest::newRow("driver library missing")
            << QStringList{"Driver = /nonexistent/libvaltora-missing.so"}
            << QStringList{"cannot be opened", "libvaltora-missing.so"};
        QTest::newRow("database file missing")
            << QStringList{"Driver = " VALTORA_SQLITE_ODBC_DRIVER,
                           "Database = " + folder_.filePath("missing.db")}
            << QStringList{"cannot be opened"};
        QTest::newRow("server not running") << QStringList{"Driver = " VALTORA_POSTGRES_ODBC_DRIVER,
                                                           "Servername = 127.0.0.1", "Port = 1"}
                                            << QStringList{"cannot be opened"};
        QTest::newRow("table missing")
            << Sqlite({"drop table elements"}) << QStringList{"has no table elements"};
        QTest::newRow("column missing") << Sqlite({"alter table elements drop column AtomicMass"})
                                        << QStringList{"Missing columns: AtomicMass."};
        // Without constraints, and with a number column of type real.
        QTest::newRow("rows missing, doubled, not whole, without symbol or name")
            << Sqlite({"create table t (AtomicNumber real, AtomicSymbol, ElementName, AtomicMass)",
                       "insert into t select * from elements where AtomicNumber not in (5, 7) and "
                       "AtomicNumber < 40",
                       "insert into t select * from t where AtomicNumber = 27",
                       "update t set AtomicNumber = 30.5 where AtomicNumber = 30",
                       "update t set AtomicSymbol = NULL where AtomicNumber = 8",
                       "update t set ElementName = ' ' where AtomicNumber = 9",
                       "drop table elements", "alter table t rename to elements"})
            << QStringList{
                   "No row for atomic numbers 5, 7, 30, 40, 41, 42, 43, 44, 45, 46 and 57 more.",
                   "More than one row for atomic numbers 27.", "not whole numbers: 30.5.",
                   "No symbol for atomic numbers 8.", "No name for atomic numbers 9."};
        QTest::newRow("names and symbols no answer can match")
            << Sqlite({"update elements set ElementName = 'iron' where AtomicNumber = 26",
                       "update elements set ElementName = 'COBALT' where AtomicNumber = 27",
                       "update elements set AtomicSymbol = 'Ni ' where AtomicNumber = 28",
                       "update elements set ElementName = ' Copper' where AtomicNumber = 29",
                       "update elements set AtomicSymbol = 'ZN' where AtomicNumber = 30"})
            << QStringList{
                   "proper case (\"Iron\", not \"iron\" or \"IRON\"), for atomic numbers 26, 27.",
                   "blanks around them, which no answer can match, for atomic numbers 28, 29."};
        QTest::newRow("PostgreSQL, no connection left")
            << Postgres({"alter database crowded connection limit 0"}, QStringLiteral("crowded"))
            << QStringList{
                   "The server of ODBC data source \"Elements\" accepts no more connections"};
        QTest::newRow("PostgreSQL, number text")
            << Postgres({"alter table elements alter column AtomicNumber type text"})
            << QStringList{"Looking an element up by its number fails",
                           "operator does not exist: text = integer"};
    }
    void aBrokenDataSourceIsReported() {
        QFETCH(QStringList, dataSource);
        QFETCH(QStringList, problems);
        const QString shown = Show(dataSource, {"26"});
        QVERIFY2(shown.startsWith("error: "), qPrintable(shown));
        for (const QString& part : problems + QStringList{"ODBC data source \"Elements\""})
            QVERIFY2(shown.contains(part), qPrintable(shown));
        // The program writes nothing: not even the missing database file.
        QVERIFY(!QFile::exists(folder_.filePath(QStringLiteral("missing.db"))));
    }

    // The records a data source shows are those of the embedded table, masses of every type as
    // plain decimals.
    void aDataSourceShowsTheElements_data() {
        QTest::addColumn<QStringList>("dataSource");
        QTest::addColumn<QStringList>("numbers");
        QTest::addColumn<QString>("expected");
        QTest::newRow("SQLite") << Sqlite({}) << Numbers(1, 118) << Show({}, Numbers(1, 118));
        QTest::newRow("SQLite from a spreadsheet, every column text")
            << Spreadsheet() << Numbers(1, 118) << Show({}, Numbers(1, 118));
        QTest::newRow("PostgreSQL") << Postgres({}) << Numbers(1, 103) << Show({}, Numbers(1, 103));
        for (const char* type : {"bigint", "numeric"}) {
            QTest::addRow("PostgreSQL, number %s", type)
                << Postgres(
                       {QStringLiteral("alter table elements alter column AtomicNumber type %1")
                            .arg(type)})
                << QStringList{"26", "43"} << "26\tFe\tIron\t55.845\n43\tTc\tTechnetium\t[97]\n";
        }
        for (const char* type : {"numeric", "numeric(8,3)", "real", "double precision"}) {
            QTest::addRow("PostgreSQL, mass %s", type)
                << Postgres({QStringLiteral("alter table elements alter column AtomicMass type %1 "
                                            "using nullif(translate(AtomicMass, '[]', ''), '')::%1")
                                 .arg(type)})
                << QStringList{"26", "43"} << "26\tFe\tIron\t55.845\n43\tTc\tTechnetium\t97\n";
        }
    }
    void aDataSourceShowsTheElements() {
        QFETCH(QStringList, dataSource);
        QFETCH(QStringList, numbers);
        QFETCH(QString, expected);
        QCOMPARE(Show(dataSource, numbers), expected);
    }

    // A query stuck behind another session's lock ends in a reported error, not in a hang.
    void aStuckQueryTimesOut() {
        const QStringList dataSource = Postgres({}, QStringLiteral("locked"));
        QProcess session;
        session.start(QStringLiteral("psql"), {"-X", "-d", "locked"});
        session.write("begin;\nlock table elements in access exclusive mode;\nselect 'locked';\n");
        QByteArray printed;
        QTRY_VERIFY_WITH_TIMEOUT((printed += session.readAll()).contains("locked"), 60'000);
        const QString shown = Show(dataSource, {"26"});
        session.closeWriteChannel();
        session.waitForFinished();
        QVERIFY2(shown.contains("ODBC data source \"Elements\"") && shown.contains("timeout"),
                 qPrintable(shown));
    }

    // Last: it stops the server.
    void aServerLostMidQuizIsReported() {
        const QString shown = Show(Postgres({}), {"26", "stop", "27"});
        QVERIFY2(shown.startsWith(
                     "26\tFe\tIron\t55.845\nerror: The query \"select * from elements where "
                     "atomicnumber = 27\" on ODBC data source \"Elements\" failed"),
                 qPrintable(shown));
    }
};

// With "--show" and numbers, prints what the quiz shows of them on the data source the
// environment names: a line per record, or "error: " and the run-time error; "stop" stops the
// PostgreSQL server. Without, runs the tests.
int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.value(1) != QLatin1String("--show")) {
        TestDataSources test;
        return QTest::qExec(&test, argc, argv);
    }
    QTextStream out(stdout);
    try {
        QuizHarness harness;
        for (const QString& argument : arguments.mid(2)) {
            if (argument == QLatin1String("stop")) {
                QProcess::execute("pg_ctlcluster", {qEnvironmentVariable("PGVERSION"), "regress",
                                                    "stop", "-m", "immediate"});
                continue;
            }
            harness.quiz.state.SetStrNumber(argument);
            harness.quiz.lookup.GetRecord();
            out << harness.Record() << Qt::endl;
        }
    } catch (const RuntimeError& error) {
        out << "error: " << error.message() << Qt::endl;
    }
    return 0;
}

#include "tst_datasources.moc"
