#include "support/ElementRows.h"
#include "support/OdbcTestConfig.h"
#include "support/QuizHarness.h"

#include <QSqlDatabase>
#include <QTest>

// Looking elements up through unixODBC: a data source "Elements" served by the SQLite ODBC
// driver, defined in a private odbc.ini.
class TestOdbcLookup : public QObject {
    Q_OBJECT

    OdbcTestConfig config_;

private slots:
    void initTestCase() {
        config_.ApplyToThisProcess();
        const QString file = config_.Path(QStringLiteral("elements.db"));
        const QString error = CreateSqliteElementFile(file);
        QVERIFY2(error.isEmpty(), qPrintable(error));
        config_.AddDataSource(QStringLiteral("Elements"),
                              QStringLiteral(VALTORA_SQLITE_ODBC_DRIVER),
                              {QStringLiteral("Database = ") + file});
    }

    void theDataSourceTakesThePlaceOfTheEmbeddedTable() {
        QuizHarness harness;
        QVERIFY(harness.database.IsOdbc());
        QCOMPARE(harness.database.Description(), QStringLiteral("ODBC data source \"Elements\""));
    }

    void everyElementShowsTheRowOfTheDataSource() {
        QMap<int, QStringList> expected;
        {
            QSqlDatabase file = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), "direct");
            file.setDatabaseName(config_.Path(QStringLiteral("elements.db")));
            QVERIFY(file.open());
            expected = ReadElementRows(file);
        }
        QSqlDatabase::removeDatabase(QStringLiteral("direct"));
        QCOMPARE(expected.size(), 118);

        QuizHarness harness;
        for (int n = 1; n <= 118; ++n) {
            harness.quiz.state.SetStrNumber(QString::number(n));
            harness.quiz.lookup.GetRecord();
            QStringList shown;
            for (Box box : kRecordBoxes)
                shown.append(harness.controls.GetText(box));
            QCOMPARE(shown, expected.value(n));
        }
    }
};

QTEST_GUILESS_MAIN(TestOdbcLookup)
#include "tst_odbclookup.moc"
