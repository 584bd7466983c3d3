#include "support/FakeControls.h"
#include "support/QuizHarness.h"

#include <QTest>

// The selections and the covers: start-up, clicks, re-clicks and a mode switch mid-question.
class TestQuizState : public QObject {
    Q_OBJECT

private:
    static void VerifyMode(const FakeControls& controls, QuizMode mode) {
        const bool symbol = mode == QuizMode::GuessSymbol;
        QCOMPARE(controls.IsSelected(Option::optSymbol), symbol);
        QCOMPARE(controls.IsSelected(Option::optName), !symbol);
        QCOMPARE(controls.IsVisible(Box::txtSymbol1), symbol);
        QCOMPARE(controls.IsVisible(Box::txtElement1), !symbol);
    }
    static void VerifyRange(const FakeControls& controls, DrawRange range) {
        for (Option option : kRangeOptions)
            QCOMPARE(controls.IsSelected(option), option == OptionOf(range));
    }

private slots:
    void startUpMasksTheSymbolAndEmptiesTheRecordBoxes() {
        FakeControls controls;
        for (Box box : kRecordBoxes)
            controls.SetText(box, QStringLiteral("left over"));
        QuizState state(controls);
        state.StartUp();
        VerifyMode(controls, QuizMode::GuessSymbol);
        VerifyRange(controls, DrawRange::Range1to36);
        for (Box box : kRecordBoxes)
            QVERIFY(controls.GetText(box).isEmpty());
        QVERIFY(state.StrNumber().isEmpty());
    }

    void clicksKeepOneChoicePerGroup_data() {
        QTest::addColumn<QList<QuizMode>>("modeClicks");
        QTest::addColumn<QList<DrawRange>>("rangeClicks");
        QTest::addColumn<QuizMode>("mode");
        QTest::addColumn<DrawRange>("range");
        using Modes = QList<QuizMode>;
        using Ranges = QList<DrawRange>;
        QTest::newRow("name") << Modes{QuizMode::GuessName} << Ranges{} << QuizMode::GuessName
                              << DrawRange::Range1to36;
        QTest::newRow("name, then symbol")
            << Modes{QuizMode::GuessName, QuizMode::GuessSymbol} << Ranges{}
            << QuizMode::GuessSymbol << DrawRange::Range1to36;
        QTest::newRow("symbol again") << Modes{QuizMode::GuessSymbol} << Ranges{}
                                      << QuizMode::GuessSymbol << DrawRange::Range1to36;
        QTest::newRow("name twice") << Modes{QuizMode::GuessName, QuizMode::GuessName} << Ranges{}
                                    << QuizMode::GuessName << DrawRange::Range1to36;
        for (DrawRange r : kDrawRanges) {
            QTest::addRow("range %s", qPrintable(ControlName(OptionOf(r))))
                << Modes{} << Ranges{r} << QuizMode::GuessSymbol << r;
            QTest::addRow("range %s twice, after 1 to 103", qPrintable(ControlName(OptionOf(r))))
                << Modes{} << Ranges{DrawRange::Range1to103, r, r} << QuizMode::GuessSymbol << r;
        }
    }
    void clicksKeepOneChoicePerGroup() {
        QFETCH(QList<QuizMode>, modeClicks);
        QFETCH(QList<DrawRange>, rangeClicks);
        QFETCH(QuizMode, mode);
        QFETCH(DrawRange, range);
        FakeControls controls;
        QuizState state(controls);
        state.StartUp();
        for (QuizMode clicked : modeClicks) {
            controls.Select(OptionOf(clicked));
            state.OnModeClicked(clicked);
        }
        for (DrawRange clicked : rangeClicks) {
            controls.Select(OptionOf(clicked));
            state.OnRangeClicked(clicked);
        }
        VerifyMode(controls, mode);
        VerifyRange(controls, range);
    }

    void handlersIgnoreAnOptionThatIsNotSelected() {
        FakeControls controls;
        QuizState state(controls);
        state.StartUp();
        state.OnModeClicked(QuizMode::GuessName);
        state.OnRangeClicked(DrawRange::Range1to103);
        VerifyMode(controls, QuizMode::GuessSymbol);
        VerifyRange(controls, DrawRange::Range1to36);
    }

    void switchingModeAfterADrawOnlyMovesTheCover() {
        QuizHarness harness;
        harness.ShowElement(26);
        harness.controls.SetText(Box::txtAnswer, QStringLiteral("Fe"));
        const int drawsBefore = harness.runtime.randomsTaken;

        harness.controls.Select(Option::optName);
        harness.quiz.state.OnModeClicked(QuizMode::GuessName);
        harness.controls.Select(Option::opt1to38);
        harness.quiz.state.OnRangeClicked(DrawRange::Range1to38);

        VerifyMode(harness.controls, QuizMode::GuessName);
        QCOMPARE(harness.controls.GetText(Box::txtAtomicNumber), QStringLiteral("26"));
        QCOMPARE(harness.controls.GetText(Box::txtSymbol), QStringLiteral("Fe"));
        QCOMPARE(harness.controls.GetText(Box::txtAnswer), QStringLiteral("Fe"));
        QCOMPARE(harness.runtime.randomsTaken, drawsBefore);
        QVERIFY(harness.quiz.state.StrNumber().isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestQuizState)
#include "tst_quizstate.moc"
