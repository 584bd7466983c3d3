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

    // Every atomic number in the embedded table, and what it shows of them.
    static std::pair<QStringList, QString> Embedded() {
        QStringList numbers;
        for (int n = 1; n <= 118; ++n)
            numbers.append(QString::number(n));
        return {numbers, Show({}, numbers)};
    }

    // A data source on a copy of the element table in an SQLite file, changed by `changes`.
    QStringList Sqlite(const QStringList& changes) {
        const QString file = folder_.filePath(QStringLiteral("%1.db").arg(++sources_));
        CreateSqliteElementFile(file, changes);
        return {QStringLiteral("Driver = " VALTORA_SQLITE_ODBC_DRIVER), "Database = " + file};
    }

    // A data source on a copy of the element table in a PostgreSQL database, changed by
    // `changes`, that the role "quiz" may only read.
    QStringList Postgres(const QStringList& changes) {
        const QString database = QStringLiteral("elements%1").arg(++sources_);
        CreatePostgresElementDatabase(database, changes);
        return PostgresDataSource(database, qEnvironmentVariableIntValue("PGPORT"));
    }

private slots:
    void initTestCase() {
        RunPsql(QStringLiteral("postgres"), "create role quiz login password 'quiz'");
    }

    // What the quiz shows of the numbers on each data source: the embedded table's records,
    // masses of every type as plain decimals, or an error that names the data source and every
    // problem. The last row stops the server, so this test runs last.
    void aDataSourceShowsTheElementsOrItsProblems_data() {
        QTest::addColumn<QStringList>("dataSource");
        QTest::addColumn<QStringList>("numbers");
        // What is shown starts with the first, and holds the others.
        QTest::addColumn<QStringList>("shown");
        const auto [all, allShown] = Embedded();
        QTest::newRow("SQLite") << Sqlite({}) << all << QStringList{allShown};
        // As a spreadsheet saved as CSV and imported with the sqlite3 shell leaves it.
        QTest::newRow("SQLite, every column text")
            << Sqlite({"create table t (AtomicNumber text, AtomicSymbol text, ElementName text, "
                       "AtomicMass text)",
                       "insert into t select * from elements", "drop table elements",
                       "alter table t rename to elements"})
            << all << QStringList{allShown};
        QTest::newRow("PostgreSQL") << Postgres({}) << all << QStringList{allShown};
        QTest::newRow("PostgreSQL, number numeric, mass real")
            << Postgres({"alter table elements alter column AtomicNumber type numeric",
                         "alter table elements alter column AtomicMass type real using "
                         "nullif(translate(AtomicMass, '[]', ''), '')::real"})
            << QStringList{"26", "43"}
            << QStringList{"26\tFe\tIron\t55.845\n43\tTc\tTechnetium\t97\n"};
        const auto broken =
            [](const char* name, const QStringList& dataSource, const QStringList& problems) {
                QTest::newRow(name)
                    << dataSource << QStringList{"26"}
                    << QStringList{"error: ", "ODBC data source \"Elements\""} + problems;
            };
        broken("driver library missing", {"Driver = /nonexistent/libvaltora-missing.so"},
               {"cannot be opened", "libvaltora-missing.so"});
        broken(
            "database file missing",
            {"Driver = " VALTORA_SQLITE_ODBC_DRIVER, "Database = " + folder_.filePath("none.db")},
            {"cannot be opened"});
        broken("table missing", Sqlite({"drop table elements"}), {"has no table elements"});
        broken("column missing", Sqlite({"alter table elements drop column AtomicMass"}),
               {"Missing columns: AtomicMass."});
        // Without constraints, and with a number column of type real. An answer is put in proper
        // case and compared as it stands, so names must be in proper case and neither may have
        // blanks around it; "GA" for gallium is accepted as it is.
        broken("rows missing, doubled, not whole, without symbol or name, or no answer can match",
               Sqlite({"create table t (AtomicNumber real, AtomicSymbol, ElementName, AtomicMass)",
                       "insert into t select * from elements where AtomicNumber not in (5, 7) and "
                       "AtomicNumber < 40",
                       "insert into t select * from t where AtomicNumber = 27",
                       "update t set AtomicNumber = 30.5 where AtomicNumber = 30",
                       "update t set AtomicSymbol = NULL where AtomicNumber = 8",
                       "update t set ElementName = ' ' where AtomicNumber = 9",
                       "update t set ElementName = 'MANGANESE' where AtomicNumber = 25",
                       "update t set ElementName = 'iron' where AtomicNumber = 26",
                       "update t set AtomicSymbol = 'Ni ' where AtomicNumber = 28",
                       "update t set ElementName = ' Copper' where AtomicNumber = 29",
                       "update t set AtomicSymbol = 'GA' where AtomicNumber = 31",
                       "drop table elements", "alter table t rename to elements"}),
               {"No row for atomic numbers 5, 7, 30, 40, 41, 42, 43, 44, 45, 46 and 57 more.",
                "More than one row for atomic numbers 27.", "not whole numbers: 30.5.",
                "No symbol for atomic numbers 8.", "No name for atomic numbers 9.",
                "proper case (\"Iron\", not \"iron\" or \"IRON\"), for atomic numbers 25, 26.",
                "blanks around them, which no answer can match, for atomic numbers 28, 29."});
        broken("PostgreSQL, no connection left",
               Postgres({"do $$ begin execute format('alter database %I connection limit 0', "
                         "current_database()); end $$"}),
               {"The server of ODBC data source \"Elements\" accepts no more connections"});
        // Each query waits for a server that does not answer, at most 10 s: not a hang.
        broken("PostgreSQL, a view that sleeps",
               Postgres({"alter table elements rename to slow",
                         "create view elements as select slow.* from slow, pg_sleep(60)"}),
               {"Reading it failed", "timeout"});
        QTest::newRow("PostgreSQL, server lost")
            << Postgres({}) << QStringList{"26", "stop", "27"}
            << QStringList{"26\tFe\tIron\t55.845\nerror: The query \"select * from elements where "
                           "atomicnumber = 27\" on ODBC data source \"Elements\" failed"};
    }
    void aDataSourceShowsTheElementsOrItsProblems() {
        QFETCH(QStringList, dataSource);
        QFETCH(QStringList, numbers);
        QFETCH(QStringList, shown);
        const QString printed = Show(dataSource, numbers);
        QVERIFY2(printed.startsWith(shown.first()), qPrintable(printed));
        for (const QString& part : shown.mid(1))
            QVERIFY2(printed.contains(part), qPrintable(printed));
        // The program writes nothing: not even the missing database file.
        QVERIFY(!QFile::exists(folder_.filePath(QStringLiteral("none.db"))));
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
