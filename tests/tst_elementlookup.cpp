#include "platform/RuntimeError.h"
#include "platform/TextOperations.h"
#include "support/ElementRows.h"
#include "support/QuizHarness.h"

#include <QSqlQuery>
#include <QTest>

// Looking elements up in the embedded table (no ODBC data source is defined for this test).
class TestElementLookup : public QObject {
    Q_OBJECT

private:
    static QStringList Shown(const FakeControls& controls) {
        QStringList shown;
        for (Box box : kRecordBoxes)
            shown.append(controls.GetText(box));
        return shown;
    }
    static void LookUp(QuizHarness& harness, const QString& number) {
        harness.quiz.state.SetStrNumber(number);
        harness.quiz.lookup.GetRecord();
    }

private slots:
    void withoutADataSourceTheEmbeddedTableIsUsed() {
        QuizHarness harness;
        QVERIFY(!harness.database.IsOdbc());
        QCOMPARE(harness.database.Description(), QStringLiteral("the embedded element table"));
    }

    void everyElementShowsItsOwnRowThroughTheExactQuery() {
        QuizHarness harness;
        const QMap<int, QStringList> rows = ReadElementRows(harness.database.Connection());
        QCOMPARE(rows.size(), 118);
        for (int n = 1; n <= 118; ++n) {
            LookUp(harness, NumberToText(n));
            QCOMPARE(harness.quiz.lookup.adoElements().RecordSource(),
                     QLatin1String("select * from elements where atomicnumber = ") +
                         QString::number(n));
            QVERIFY(harness.quiz.state.StrNumber().isEmpty());
            QCOMPARE(Shown(harness.controls), rows.value(n));
        }
    }

    void knownElementsShowTheirValues_data() {
        QTest::addColumn<QStringList>("row");
        const auto row = [](const char* tag, QStringList values) { QTest::newRow(tag) << values; };
        row("first", {"1", "H", "Hydrogen", "1.0080"});
        row("iron", {"26", "Fe", "Iron", "55.845"});
        row("zirconium, revised 2024", {"40", "Zr", "Zirconium", "91.222"});
        row("no stable isotope", {"43", "Tc", "Technetium", "[97]"});
        row("IUPAC spelling", {"55", "Cs", "Caesium", "132.91"});
        row("last drawable", {"103", "Lr", "Lawrencium", "[266]"});
        row("last", {"118", "Og", "Oganesson", "[294]"});
    }
    void knownElementsShowTheirValues() {
        QFETCH(QStringList, row);
        QuizHarness harness;
        LookUp(harness, row.first());
        QCOMPARE(Shown(harness.controls), row);
    }

    void aMissingRowIsAnErrorThatNamesTheNumber() {
        QuizHarness harness;
        LookUp(harness, QStringLiteral("26"));
        try {
            LookUp(harness, QStringLiteral("119"));
            QFAIL("no error for a missing row");
        } catch (const RuntimeError& error) {
            QVERIFY2(error.message().contains(
                         QLatin1String("no row for atomic number 119 in table elements")),
                     qPrintable(error.message()));
        }
        QCOMPARE(harness.quiz.state.StrNumber(), QStringLiteral("119"));
        QCOMPARE(harness.controls.GetText(Box::txtSymbol), QStringLiteral("Fe"));
    }

    void onlyDecimalNumbersReachTheQuery_data() {
        QTest::addColumn<QString>("number");
        QTest::newRow("empty") << QString();
        QTest::newRow("injection") << QStringLiteral("1 or 1=1");
        QTest::newRow("negative") << QStringLiteral("-1");
        QTest::newRow("blank") << QStringLiteral(" 7");
        QTest::newRow("Arabic-Indic digit") << QStringLiteral("\u0667");
    }
    void onlyDecimalNumbersReachTheQuery() {
        QFETCH(QString, number);
        QuizHarness harness;
        QVERIFY_THROWS_EXCEPTION(RuntimeError, LookUp(harness, number));
        QCOMPARE(harness.quiz.lookup.adoElements().RecordSource(),
                 QStringLiteral("select * from elements"));
    }

    void aFailingQueryNamesTheDataSource() {
        QuizHarness harness;
        QSqlQuery(harness.database.Connection()).exec(QStringLiteral("drop table elements"));
        try {
            LookUp(harness, QStringLiteral("26"));
            QFAIL("no error for a missing table");
        } catch (const RuntimeError& error) {
            QVERIFY2(error.message().contains(QLatin1String("the embedded element table")),
                     qPrintable(error.message()));
        }
        QCOMPARE(harness.quiz.state.StrNumber(), QStringLiteral("26"));
    }
};

QTEST_GUILESS_MAIN(TestElementLookup)
#include "tst_elementlookup.moc"
