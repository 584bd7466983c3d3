#include "platform/RuntimeError.h"
#include "platform/TextOperations.h"
#include "support/QuizHarness.h"

#include <QTest>
#include <cmath>

// The quiz logic over the embedded element table: the choices and covers, the draw, the answer
// check and the lookup.
class TestQuiz : public QObject {
    Q_OBJECT

private slots:
    // One spin per number from 1 to the range's bound, scripted to draw that number and then 1,
    // which every range accepts: the number shows when the range accepts it, else 1 does.
    void eachRangeShowsExactlyItsListedNumbers_data() {
        QTest::addColumn<Option>("range");
        QTest::addColumn<int>("bound");
        QTest::addColumn<QList<int>>("intervals");
        QTest::newRow("1 to 36") << Option::opt1to36 << 36 << QList{1, 36};
        QTest::newRow("1 to 80") << Option::opt1to38 << 80
                                 << QList{1, 38, 40, 40, 42, 42, 47, 57, 74, 74, 78, 80};
        QTest::newRow("1 to 95") << Option::opt1to95 << 95 << QList{1,  38, 40, 40, 42, 42, 47, 57,
                                                                    74, 74, 78, 89, 92, 92, 94, 95};
        QTest::newRow("1 to 103") << Option::opt1to103 << 103 << QList{1, 103};
    }
    void eachRangeShowsExactlyItsListedNumbers() {
        QFETCH(Option, range);
        QFETCH(int, bound);
        QFETCH(QList<int>, intervals);
        QList<int> expected;
        for (qsizetype i = 0; i < intervals.size(); i += 2) {
            for (int n = intervals[i]; n <= intervals[i + 1]; ++n)
                expected.append(n);
        }
        QuizHarness harness;
        harness.Click(range);
        QList<int> shown;
        for (int n = 1; n <= bound; ++n) {
            harness.runtime.randoms = {QuizHarness::RandomFor(n, bound),
                                       QuizHarness::RandomFor(1, bound)};
            harness.quiz.draw.Spin();
            const QString number = harness.Text(Box::txtAtomicNumber);
            QCOMPARE(harness.runtime.randoms.size(), number == QString::number(n) ? 1u : 0u);
            if (number == QString::number(n))
                shown.append(n);
        }
        QCOMPARE(shown, expected);
        // The largest r below 1 draws the bound itself, not one more.
        harness.runtime.randoms = {std::nextafter(1.0f, 0.0f)};
        harness.quiz.draw.Spin();
        QCOMPARE(harness.Text(Box::txtAtomicNumber).toInt(), expected.last());
    }

    // Against iron: the symbol exactly as stored, the name in any case, by the mode selected at
    // the moment of the check.
    void answersAreJudged_data() {
        QTest::addColumn<Option>("mode");
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QString>("shownDuringMessage");
        QTest::addColumn<bool>("right");
        const auto row = [](Option mode, const char* answer, const char* shown, bool right) {
            QTest::addRow("%s \"%s\"", qPrintable(ControlName(mode)), answer)
                << mode << answer << shown << right;
        };
        row(Option::optSymbol, "Fe", "Fe", true);
        row(Option::optSymbol, "fe", "fe", false);
        row(Option::optSymbol, "Fe ", "Fe ", false);
        row(Option::optName, "iRoN", "Iron", true);
        row(Option::optName, "irn", "Irn", false);
        row(Option::optName, "iron ", "Iron ", false);
        row(Option::optName, "Fe", "Fe", false);
        // Proper case: words start after blanks, tabs and line breaks; letters beyond Latin
        // follow Unicode, final sigma included.
        row(Option::optName, "jean-luc a\tb\nc\rd", "Jean-luc A\tB\nC\rD", false);
        row(Option::optName, "ΣΊΔΗΡΟΣ ΑΣ\u0301 Σ", "Σίδηρος Ας\u0301 Σ", false);
    }
    void answersAreJudged() {
        QFETCH(Option, mode);
        QFETCH(QString, answer);
        QFETCH(QString, shownDuringMessage);
        QFETCH(bool, right);
        QuizHarness harness;
        harness.ShowElement(26);
        harness.runtime.randoms = {0.0f};
        harness.Click(mode);
        harness.controls.SetText(Box::txtAnswer, answer);
        harness.runtime.whileMessageShown = [&] {
            QCOMPARE(harness.Text(Box::txtAnswer), shownDuringMessage);
        };
        harness.quiz.check.Check();
        QCOMPARE(harness.runtime.messages, QStringList{right ? "Your my hero" : "Try Again"});
        QCOMPARE(harness.Record(), right ? QStringLiteral("1\tH\tHydrogen\t1.0080")
                                         : QStringLiteral("26\tFe\tIron\t55.845"));
        QVERIFY(harness.Text(Box::txtAnswer).isEmpty());
    }

    // Only plain decimal numbers reach the query, and a number without a row is an error: four
    // empty boxes would let an empty answer pass as right. The element shown stays.
    void aNumberThatShowsNoElementIsAnError() {
        QuizHarness harness;
        harness.ShowElement(26);
        for (const QString number : {"119", "", "1 or 1=1", "-1", "\u0667"}) {
            harness.quiz.state.SetStrNumber(number);
            try {
                harness.quiz.lookup.GetRecord();
                QFAIL("no error");
            } catch (const RuntimeError& error) {
                QCOMPARE(error.message(),
                         number == "119"
                             ? "There is no row for atomic number 119 in table elements."
                             : "\"" + number + "\" is not an atomic number to look up.");
            }
            QCOMPARE(harness.quiz.state.StrNumber() + harness.Text(Box::txtSymbol), number + "Fe");
        }
    }
};

QTEST_GUILESS_MAIN(TestQuiz)
#include "tst_quiz.moc"
