#include "data/SqlScript.h"
#include "platform/RuntimeError.h"
#include "platform/TextOperations.h"
#include "support/QuizHarness.h"

#include <QRegularExpression>
#include <QSet>
#include <QTest>
#include <cmath>

// The quiz logic over the embedded element table: the choices and covers, the draw, the answer
// check and the lookup.
class TestQuiz : public QObject {
    Q_OBJECT

private slots:
    // After iron is drawn from 1 to 103, the clicks leave exactly the `selected` options selected
    // and the cover of the selected mode shown, the other hidden; they draw nothing and leave the
    // element and the answer as they were.
    void clicksKeepOneChoicePerFrame_data() {
        QTest::addColumn<QList<Option>>("clicks");
        QTest::addColumn<QList<Option>>("selected");
        using O = Option;
        QTest::newRow("none") << QList<O>{} << QList{O::optSymbol, O::opt1to103};
        QTest::newRow("name twice")
            << QList{O::optName, O::optName} << QList{O::optName, O::opt1to103};
        QTest::newRow("name, symbol")
            << QList{O::optName, O::optSymbol} << QList{O::optSymbol, O::opt1to103};
        for (O range : kRangeOptions)
            QTest::addRow("%s twice", qPrintable(ControlName(range)))
                << QList{range, range} << QList{O::optSymbol, range};
    }
    void clicksKeepOneChoicePerFrame() {
        QFETCH(QList<Option>, clicks);
        QFETCH(QList<Option>, selected);
        QuizHarness harness;
        harness.ShowElement(26);
        harness.controls.SetText(Box::txtAnswer, QStringLiteral("Fe"));
        for (Option option : clicks)
            harness.Click(option);
        for (int i = 0; i <= static_cast<int>(Option::opt1to103); ++i)
            QCOMPARE(harness.controls.IsSelected(Option(i)), selected.contains(Option(i)));
        const bool symbol = selected.contains(Option::optSymbol);
        QCOMPARE(harness.controls.visible.value(Box::txtSymbol1), symbol);
        QCOMPARE(harness.controls.visible.value(Box::txtElement1), !symbol);
        QCOMPARE(harness.Record() + harness.Text(Box::txtAnswer),
                 QStringLiteral("26\tFe\tIron\t55.845Fe"));
        QCOMPARE(harness.runtime.reseeds, 1);
    }

    // A handler ignores an option that is not selected; start-up empties the record boxes.
    void handlersIgnoreOptionsNotSelected() {
        QuizHarness harness;
        harness.ShowElement(26);
        harness.quiz.state.OnModeClicked(QuizMode::GuessName);
        harness.quiz.state.OnRangeClicked(DrawRange::Range1to36);
        QVERIFY(harness.controls.IsSelected(Option::optSymbol) &&
                harness.controls.IsSelected(Option::opt1to103));
        QVERIFY(harness.controls.visible.value(Box::txtSymbol1));
        harness.quiz.state.StartUp();
        QCOMPARE(harness.Record(), QStringLiteral("\t\t\t"));
    }

    // One spin per number from 1 to the range's bound, scripted to draw that number and then 1,
    // which every range accepts: the number shows when the range accepts it, else 1 does. Each
    // spin reseeds, empties and focuses the answer, and looks its number up with the exact query.
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
            harness.controls.SetText(Box::txtAnswer, QStringLiteral("typed"));
            harness.controls.focus.reset();
            harness.quiz.draw.Spin();
            const QString number = harness.Text(Box::txtAtomicNumber);
            QCOMPARE(harness.quiz.lookup.adoElements().RecordSource(),
                     "select * from elements where atomicnumber = " + number);
            QCOMPARE(harness.runtime.randoms.size(), number == QString::number(n) ? 1u : 0u);
            QVERIFY(harness.quiz.state.StrNumber().isEmpty() &&
                    harness.Text(Box::txtAnswer).isEmpty());
            QCOMPARE(harness.controls.focus, Box::txtAnswer);
            QCOMPARE(harness.runtime.reseeds, n);
            if (number == QString::number(n))
                shown.append(n);
        }
        QCOMPARE(shown, expected);
        // The largest r below 1 draws the bound itself, not one more.
        harness.runtime.randoms = {std::nextafter(1.0f, 0.0f)};
        harness.quiz.draw.Spin();
        QCOMPARE(harness.Text(Box::txtAtomicNumber).toInt(), expected.last());
        RandomGenerator generator;
        for (int i = 0; i < 100'000; ++i)
            QVERIFY(generator.Next() < 1.0f);
    }

    // Every element that can be drawn: symbols as typed and unique, names in proper case, masses
    // plain or in brackets; some rows in full.
    void theEmbeddedTableHoldsTheElements() {
        const QMap<int, QString> known{{1, "1\tH\tHydrogen\t1.0080"},
                                       {40, "40\tZr\tZirconium\t91.222"},
                                       {43, "43\tTc\tTechnetium\t[97]"},
                                       {103, "103\tLr\tLawrencium\t[266]"}};
        const QRegularExpression row(
            QStringLiteral(R"(^(\d+)\t([A-Z][a-z]{0,2})\t(\S+)\t(\d+\.\d+|\[\d+\])$)"));
        QuizHarness harness;
        QSet<QString> symbols;
        for (int n = 1; n <= 103; ++n) {
            harness.ShowElement(n);
            const QRegularExpressionMatch match = row.match(harness.Record());
            QVERIFY2(match.captured(1).toInt() == n &&
                         ProperCase(match.captured(3)) == match.captured(3) &&
                         known.value(n, harness.Record()) == harness.Record(),
                     qPrintable(harness.Record()));
            symbols.insert(match.captured(2));
        }
        QCOMPARE(symbols.size(), 103);
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

    // Words start after blanks, tabs and line breaks; letters beyond Latin follow Unicode.
    void properCase_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        QTest::newRow("words") << "iRON a\tb\nc\rd jean-luc"
                               << "Iron A\tB\nC\rD Jean-luc";
        QTest::newRow("final sigma") << "ΣΊΔΗΡΟΣ ΑΣ\u0301 Σ"
                                     << "Σίδηρος Ας\u0301 Σ";
        QTest::newRow("İ, digraph, beyond the BMP") << "Iİ \u01C6a \U00010428\U00010400"
                                                    << "Ii\u0307 \u01C5a \U00010400\U00010428";
    }
    void properCase() {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        QCOMPARE(ProperCase(text), expected);
    }

    // Before the first element there is nothing to judge: Check draws it.
    void checkBeforeTheFirstElementDraws() {
        QuizHarness harness;
        harness.quiz.check.Check();
        QVERIFY(harness.runtime.messages.isEmpty());
        QVERIFY(!harness.Text(Box::txtAtomicNumber).isEmpty());
    }

    // Only plain decimal numbers reach the query, and a number without a row is an error: four
    // empty boxes would let an empty answer pass as right. The element shown stays.
    void aNumberThatShowsNoElementIsAnError() {
        QuizHarness harness;
        harness.ShowElement(26);
        for (auto [number, message] :
             {std::pair{"119", "There is no row for atomic number 119 in table elements."},
              {"", "\"\" is not an atomic number to look up."},
              {"1 or 1=1", "\"1 or 1=1\" is not an atomic number to look up."},
              {"-1", "\"-1\" is not an atomic number to look up."},
              {"\u0667", "\"\u0667\" is not an atomic number to look up."}}) {
            harness.quiz.state.SetStrNumber(QString::fromUtf8(number));
            try {
                harness.quiz.lookup.GetRecord();
                QFAIL("no error");
            } catch (const RuntimeError& error) {
                QCOMPARE(error.message(), QString::fromUtf8(message));
            }
            QCOMPARE(harness.quiz.state.StrNumber() + harness.Text(Box::txtSymbol),
                     QString::fromUtf8(number) + "Fe");
        }
    }

    void scriptSplitsOnlyAtSemicolonsOutsideQuotes() {
        QCOMPARE(SplitSqlScript("select 'a;b', 'it''s;', \"x;y\";\n-- c;\nselect 2"),
                 (QStringList{"select 'a;b', 'it''s;', \"x;y\"", "select 2"}));
    }
};

QTEST_GUILESS_MAIN(TestQuiz)
#include "tst_quiz.moc"
