#include "data/ElementDatabase.h"
#include "support/ElementRows.h"
#include "support/OdbcTestConfig.h"
#include "support/PostgresServer.h"

#include <QFile>
#include <QProcess>
#include <QTest>
#include <optional>

// Data sources behind ODBC, broken and whole: each is tried by the probe program, which opens
// the element database as the program does, in a process of its own.
class TestDataSources : public QObject {
    Q_OBJECT

    struct ProbeResult {
        int exitCode = -1;
        QStringList records;
        QString error;
    };

    static ProbeResult Probe(const OdbcTestConfig& config, const QStringList& arguments) {
        QProcess probe;
        probe.setProcessEnvironment(config.Environment());
        probe.start(QStringLiteral(VALTORA_PROBE), arguments);
        ProbeResult result;
        if (!probe.waitForFinished(60'000))
            return result;
        result.exitCode = probe.exitCode();
        const QString printed = QString::fromUtf8(probe.readAllStandardOutput());
        const qsizetype error = printed.indexOf(QLatin1String("error: "));
        result.records =
            printed.left(error < 0 ? printed.size() : error).split(u'\n', Qt::SkipEmptyParts);
        if (error >= 0)
            result.error = printed.mid(error + 7).trimmed();
        return result;
    }

    static QStringList Numbers(int first, int last) {
        QStringList numbers;
        for (int n = first; n <= last; ++n)
            numbers.append(QString::number(n));
        return numbers;
    }

    // The embedded table's records, as the probe prints them.
    static QStringList EmbeddedRecords(int first, int last) {
        ElementDatabase embedded;
        const QMap<int, QStringList> rows = ReadElementRows(embedded.Connection());
        QStringList records;
        for (int n = first; n <= last; ++n)
            records.append(rows.value(n).join(u'\t'));
        return records;
    }

    static QString SqliteDriver() { return QStringLiteral(VALTORA_SQLITE_ODBC_DRIVER); }

    // A data source "Elements" on an SQLite file holding the element script changed by
    // `changes`, served by `driver`.
    static void DefineFileSource(OdbcTestConfig& config, const QStringList& changes,
                                 const QString& driver = SqliteDriver()) {
        const QString file = config.Path(QStringLiteral("elements.db"));
        const QString error = CreateSqliteElementFile(file, changes);
        QVERIFY2(error.isEmpty(), qPrintable(error));
        config.AddDataSource(QStringLiteral("Elements"), driver,
                             {QStringLiteral("Database = ") + file});
    }

    // The table without its constraints, so that tests can break it.
    static QStringList Unconstrained(const QStringList& changes) {
        return QStringList{QStringLiteral("create table copy as select * from elements"),
                           QStringLiteral("drop table elements"),
                           QStringLiteral("alter table copy rename to elements")} +
               changes;
    }

    // The table without constraints, number and mass declared real (a mass in brackets is NULL).
    static QStringList WithRealColumns(const QStringList& changes) {
        return QStringList{
                   QStringLiteral("create table typed (AtomicNumber real, AtomicSymbol text, "
                                  "ElementName text, AtomicMass real)"),
                   QStringLiteral("insert into typed select AtomicNumber, AtomicSymbol, "
                                  "ElementName, case when AtomicMass like '[%' then NULL else "
                                  "cast(AtomicMass as real) end from elements"),
                   QStringLiteral("drop table elements"),
                   QStringLiteral("alter table typed rename to elements")} +
               changes;
    }

    // The PostgreSQL data source "Elements" on database `database`, as the role "quiz".
    void DefinePostgresSource(OdbcTestConfig& config, const QString& database) {
        config.AddDataSource(
            QStringLiteral("Elements"), QStringLiteral(VALTORA_POSTGRES_ODBC_DRIVER),
            {QStringLiteral("Servername = 127.0.0.1"),
             QStringLiteral("Port = %1").arg(postgres_->Port()),
             QStringLiteral("Database = ") + database, QStringLiteral("Username = quiz")});
    }

    // A database holding the element script, readable (and only readable) by the role "quiz".
    void CreatePostgresDatabase(const QString& name, const QStringList& changes = {}) {
        QString error = postgres_->Psql(QStringLiteral("postgres"),
                                        {QStringLiteral("--command=create database ") + name});
        QVERIFY2(error.isEmpty(), qPrintable(error));
        error = postgres_->Psql(name, {QStringLiteral("--file=" VALTORA_ELEMENT_SCRIPT)});
        QVERIFY2(error.isEmpty(), qPrintable(error));
        for (const QString& change :
             changes + QStringList{QStringLiteral("grant select on elements to quiz")}) {
            error = postgres_->Psql(name, {QStringLiteral("--command=") + change});
            QVERIFY2(error.isEmpty(), qPrintable(error));
        }
    }

    std::optional<PostgresServer> postgres_;

private slots:
    void aBrokenDataSourceIsReportedAndEndsTheProgram_data() {
        QTest::addColumn<QString>("driver");
        QTest::addColumn<QStringList>("changes");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("driver library missing")
            << QStringLiteral("/nonexistent/libvaltora-missing-driver.so") << QStringList{}
            << QStringList{"cannot be opened", "libvaltora-missing-driver.so"};
        QTest::newRow("table missing") << SqliteDriver() << QStringList{"drop table elements"}
                                       << QStringList{"has no table elements"};
        QTest::newRow("column missing")
            << SqliteDriver() << QStringList{"alter table elements drop column AtomicMass"}
            << QStringList{"Missing columns: AtomicMass."};
        QTest::newRow("numbers missing")
            << SqliteDriver() << QStringList{"delete from elements where AtomicNumber in (5, 7)"}
            << QStringList{"No row for atomic numbers 5, 7."};
        QTest::newRow("many numbers missing")
            << SqliteDriver() << QStringList{"delete from elements where AtomicNumber >= 40"}
            << QStringList{"No row for atomic numbers 40, 41, 42, 43, 44, 45, 46, 47, 48, 49 "
                           "and 54 more."};
        QTest::newRow("number duplicated")
            << SqliteDriver()
            << Unconstrained(
                   {"insert into elements select * from elements where AtomicNumber = 26"})
            << QStringList{"More than one row for atomic numbers 26."};
        QTest::newRow("symbol NULL")
            << SqliteDriver()
            << Unconstrained({"update elements set AtomicSymbol = NULL where AtomicNumber = 8"})
            << QStringList{"No symbol for atomic numbers 8."};
        QTest::newRow("name empty")
            << SqliteDriver()
            << Unconstrained({"update elements set ElementName = ' ' where AtomicNumber = 9"})
            << QStringList{"No name for atomic numbers 9."};
        // A column declared as integer would hand 26.5 over as 26: this one is declared real.
        QTest::newRow("number not whole")
            << SqliteDriver()
            << WithRealColumns({"update elements set AtomicNumber = 26.5 where AtomicNumber = 26"})
            << QStringList{"No row for atomic numbers 26.", "not whole numbers: 26.5."};
        QTest::newRow("several faults")
            << SqliteDriver()
            << WithRealColumns({"delete from elements where AtomicNumber = 103",
                                "update elements set ElementName = NULL where AtomicNumber = 1"})
            << QStringList{"No row for atomic numbers 103.", "No name for atomic numbers 1."};
    }
    void aBrokenDataSourceIsReportedAndEndsTheProgram() {
        QFETCH(QString, driver);
        QFETCH(QStringList, changes);
        QFETCH(QStringList, expected);
        OdbcTestConfig config;
        DefineFileSource(config, changes, driver);
        const ProbeResult result = Probe(config, {QStringLiteral("26")});
        QCOMPARE(result.exitCode, 1);
        QVERIFY(result.records.isEmpty());
        for (const QString& part : expected + QStringList{"ODBC data source \"Elements\""})
            QVERIFY2(result.error.contains(part), qPrintable(result.error));
    }

    void aMissingDatabaseFileIsReportedAndNotCreated() {
        OdbcTestConfig config;
        const QString file = config.Path(QStringLiteral("missing.db"));
        config.AddDataSource(QStringLiteral("Elements"), SqliteDriver(),
                             {QStringLiteral("Database = ") + file});
        const ProbeResult result = Probe(config, {});
        QCOMPARE(result.exitCode, 1);
        QVERIFY2(
            result.error.contains(QLatin1String("ODBC data source \"Elements\" cannot be opened")),
            qPrintable(result.error));
        QVERIFY(!QFile::exists(file));
    }

    void aServerThatIsNotRunningIsReported() {
        OdbcTestConfig config;
        config.AddDataSource(QStringLiteral("Elements"),
                             QStringLiteral(VALTORA_POSTGRES_ODBC_DRIVER),
                             {QStringLiteral("Servername = 127.0.0.1"),
                              QStringLiteral("Port = %1").arg(PostgresServer::FreePort()),
                              QStringLiteral("Database = elements")});
        const ProbeResult result = Probe(config, {});
        QCOMPARE(result.exitCode, 1);
        QVERIFY2(
            result.error.contains(QLatin1String("ODBC data source \"Elements\" cannot be opened")),
            qPrintable(result.error));
    }

    void numericColumnsShowAsPlainDecimals() {
        OdbcTestConfig config;
        DefineFileSource(config, WithRealColumns({}));
        const ProbeResult result = Probe(config, {"26", "1", "43"});
        QCOMPARE(result.error, QString());
        QCOMPARE(result.exitCode, 0);
        QCOMPARE(result.records, (QStringList{"26\tFe\tIron\t55.845", "1\tH\tHydrogen\t1.008",
                                              "43\tTc\tTechnetium\t"}));
    }

    void initTestCase() {
        postgres_.emplace();
        if (postgres_->Error().isEmpty()) {
            const QString error = postgres_->Psql(
                QStringLiteral("postgres"), {QStringLiteral("--command=create role quiz login")});
            QVERIFY2(error.isEmpty(), qPrintable(error));
            CreatePostgresDatabase(QStringLiteral("elements"));
        }
    }
    void init() {
        const bool needsPostgres = QByteArray(QTest::currentTestFunction()).startsWith("postgres");
        if (!needsPostgres || postgres_->Error().isEmpty())
            return;
        if (qgetenv("CI") == "true")
            QFAIL(qPrintable(postgres_->Error()));
        QSKIP(qPrintable(QStringLiteral("no PostgreSQL: ") + postgres_->Error()));
    }

    void sqliteShowsWhatTheEmbeddedTableShows() {
        OdbcTestConfig config;
        DefineFileSource(config, {});
        const ProbeResult result = Probe(config, Numbers(1, 118));
        QCOMPARE(result.error, QString());
        QCOMPARE(result.exitCode, 0);
        QCOMPARE(result.records, EmbeddedRecords(1, 118));
    }

    void postgresShowsWhatTheEmbeddedTableShows() {
        OdbcTestConfig config;
        DefinePostgresSource(config, QStringLiteral("elements"));
        const ProbeResult result = Probe(config, Numbers(1, 103));
        QCOMPARE(result.error, QString());
        QCOMPARE(result.exitCode, 0);
        QCOMPARE(result.records, EmbeddedRecords(1, 103));
    }

    void postgresMassOfNumericTypeShowsAsDecimal_data() {
        QTest::addColumn<QString>("type");
        QTest::newRow("numeric") << QStringLiteral("numeric");
        QTest::newRow("numeric(8,3)") << QStringLiteral("numeric(8,3)");
        QTest::newRow("real") << QStringLiteral("real");
        QTest::newRow("double precision") << QStringLiteral("double precision");
    }
    void postgresMassOfNumericTypeShowsAsDecimal() {
        QFETCH(QString, type);
        const QString database =
            QStringLiteral("typed_%1")
                .arg(QTest::currentDataTag())
                .replace(QRegularExpression(QStringLiteral("\\W")), QStringLiteral("_"));
        CreatePostgresDatabase(
            database, {QStringLiteral("alter table elements alter column AtomicMass type %1 using "
                                      "nullif(translate(AtomicMass, '[]', ''), '')::%1")
                           .arg(type)});
        OdbcTestConfig config;
        DefinePostgresSource(config, database);
        const ProbeResult result = Probe(config, {"26", "43"});
        QCOMPARE(result.error, QString());
        QCOMPARE(result.exitCode, 0);
        QCOMPARE(result.records, (QStringList{"26\tFe\tIron\t55.845", "43\tTc\tTechnetium\t97"}));
    }

    // A query stuck behind another session's lock ends in a reported error, not in a hang.
    void postgresStuckQueryTimesOut() {
        QProcess session;
        postgres_->StartSession(session, QStringLiteral("elements"));
        session.write("begin;\nlock table elements in access exclusive mode;\nselect 'locked';\n");
        QByteArray printed;
        while (!printed.contains("locked") && session.waitForReadyRead(30'000))
            printed += session.readAll();
        QVERIFY2(printed.contains("locked"), printed.constData());

        OdbcTestConfig config;
        DefinePostgresSource(config, QStringLiteral("elements"));
        const ProbeResult result = Probe(config, {"26"});
        session.closeWriteChannel();
        session.waitForFinished();
        QCOMPARE(result.exitCode, 1);
        QVERIFY2(result.error.contains(QLatin1String("ODBC data source \"Elements\"")) &&
                     result.error.contains(QLatin1String("timeout")),
                 qPrintable(result.error));
    }

    // Last: it stops the server.
    void postgresStoppedMidQuizIsReported() {
        OdbcTestConfig config;
        DefinePostgresSource(config, QStringLiteral("elements"));
        QProcess probe;
        probe.setProcessEnvironment(config.Environment());
        probe.start(QStringLiteral(VALTORA_PROBE), {"26", "wait", "27"});
        QVERIFY(probe.waitForStarted());
        QByteArray printed;
        while (!printed.contains("waiting") && probe.waitForReadyRead(30'000))
            printed += probe.readAllStandardOutput();
        QVERIFY2(printed.startsWith("26\tFe\tIron\t55.845\n"), printed.constData());

        postgres_->Stop();
        probe.write("\n");
        probe.closeWriteChannel();
        QVERIFY(probe.waitForFinished(60'000));
        printed += probe.readAllStandardOutput();
        QCOMPARE(probe.exitCode(), 1);
        QVERIFY2(printed.contains("error: The query \"select * from elements where atomicnumber = "
                                  "27\" on ODBC data source \"Elements\" failed"),
                 printed.constData());
    }
};

QTEST_GUILESS_MAIN(TestDataSources)
#include "tst_datasources.moc"
