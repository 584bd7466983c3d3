#include "platform/ErrorReporting.h"
#include "platform/RuntimeError.h"
#include "quiz/AnswerCheck.h"
#include "support/QuizHarness.h"

#include <QSqlQuery>
#include <QTest>

// Judging answers: symbols exactly, names in any case, the mode at the moment of the click,
// and what happens before the first element and when something fails.
class TestAnswerCheck : public QObject {
    Q_OBJECT

private:
    static void SelectMode(QuizHarness& harness, QuizMode mode) {
        harness.controls.Select(OptionOf(mode));
        harness.quiz.state.OnModeClicked(mode);
    }

private slots:
    void answersAreJudged_data() {
        QTest::addColumn<QuizMode>("mode");
        QTest::addColumn<QString>("answer");
        QTest::addColumn<bool>("right");
        QTest::addColumn<QString>("shownDuringMessage");
        const auto symbol = [](const char* answer, bool right) {
            QTest::addRow("symbol \"%s\"", answer)
                << QuizMode::GuessSymbol << QString::fromUtf8(answer) << right
                << QString::fromUtf8(answer);
        };
        symbol("Fe", true);
        symbol("fe", false);
        symbol("FE", false);
        symbol("Fe ", false);
        symbol(" Fe", false);
        symbol("Iron", false);
        symbol("", false);
        const auto name = [](const char* answer, const char* converted, bool right) {
            QTest::addRow("name \"%s\"", answer) << QuizMode::GuessName << QString::fromUtf8(answer)
                                                 << right << QString::fromUtf8(converted);
        };
        name("Iron", "Iron", true);
        name("iron", "Iron", true);
        name("IRON", "Iron", true);
        name("iRoN", "Iron", true);
        name("irn", "Irn", false);
        name("iron ", "Iron ", false);
        name("Fe", "Fe", false);
    }
    void answersAreJudged() {
        QFETCH(QuizMode, mode);
        QFETCH(QString, answer);
        QFETCH(bool, right);
        QFETCH(QString, shownDuringMessage);
        QuizHarness harness;
        harness.ShowElement(26);
        SelectMode(harness, mode);
        harness.controls.SetText(Box::txtAnswer, answer);
        QString answerDuringMessage;
        harness.runtime.whileMessageShown = [&] {
            answerDuringMessage = harness.controls.GetText(Box::txtAnswer);
        };
        const int spinsBefore = harness.runtime.reseeds;

        harness.quiz.check.Check();

        QCOMPARE(harness.runtime.messages,
                 QStringList{right ? AnswerCheck::kRightMessage : AnswerCheck::kWrongMessage});
        QCOMPARE(answerDuringMessage, shownDuringMessage);
        QVERIFY(harness.controls.GetText(Box::txtAnswer).isEmpty());
        QCOMPARE(harness.runtime.reseeds, spinsBefore + (right ? 1 : 0));
        if (!right)
            QCOMPARE(harness.controls.GetText(Box::txtAtomicNumber), QStringLiteral("26"));
    }

    // Names in other scripts follow Unicode's case rules; nothing else is loosened.
    void unusualAnswersAreJudged_data() {
        QTest::addColumn<QString>("storedName");
        QTest::addColumn<QString>("answer");
        QTest::addColumn<bool>("right");
        const auto row = [](const char* tag, const char16_t* stored, const char16_t* answer,
                            bool right) {
            QTest::newRow(tag) << QString::fromUtf16(stored) << QString::fromUtf16(answer) << right;
        };
        row("Greek in lower case", u"Σίδηρος", u"σίδηρος", true);
        row("Greek in capitals", u"Σίδηρος", u"ΣΊΔΗΡΟΣ", true);
        row("Cyrillic", u"Железо", u"ЖЕЛЕЗО", true);
        row("Hebrew, right to left", u"ברזל", u"ברזל", true);
        row("Deseret, outside the BMP", u"\U00010400\U00010428", u"\U00010428\U00010400", true);
        row("precomposed against combining", u"\u00C9clair", u"E\u0301clair", false);
        row("combining mark added", u"Iron", u"Iro\u0301n", false);
        row("NUL inside", u"Iron", u"Ir\u0000on", false);
        row("control character", u"Iron", u"Iron\u0007", false);
        row("right-to-left override", u"Iron", u"\u202EIron", false);
        row("lone surrogate", u"Iron", u"Iron\xD800", false);
    }
    void unusualAnswersAreJudged() {
        QFETCH(QString, storedName);
        QFETCH(QString, answer);
        QFETCH(bool, right);
        QuizHarness harness;
        QSqlQuery rename(harness.database.Connection());
        rename.prepare(
            QStringLiteral("update elements set ElementName = ? where AtomicNumber = 26"));
        rename.addBindValue(storedName);
        QVERIFY(rename.exec());
        harness.ShowElement(26);
        SelectMode(harness, QuizMode::GuessName);
        harness.controls.SetText(Box::txtAnswer, answer);
        harness.quiz.check.Check();
        QCOMPARE(harness.runtime.messages,
                 QStringList{right ? AnswerCheck::kRightMessage : AnswerCheck::kWrongMessage});
    }

    void theModeAtTheClickDecides() {
        QuizHarness harness;
        harness.ShowElement(26);
        SelectMode(harness, QuizMode::GuessName);
        harness.controls.SetText(Box::txtAnswer, QStringLiteral("Fe"));
        harness.quiz.check.Check();
        QCOMPARE(harness.runtime.messages, QStringList{AnswerCheck::kWrongMessage});

        SelectMode(harness, QuizMode::GuessSymbol);
        harness.controls.SetText(Box::txtAnswer, QStringLiteral("Fe"));
        harness.quiz.check.Check();
        QCOMPARE(harness.runtime.messages.last(), AnswerCheck::kRightMessage);
    }

    void beforeTheFirstElementCheckDrawsWithoutJudging() {
        QuizHarness harness;
        harness.quiz.check.Check();
        QVERIFY(harness.runtime.messages.isEmpty());
        QVERIFY(!harness.controls.GetText(Box::txtAtomicNumber).isEmpty());
        QCOMPARE(harness.controls.Focus(), Box::txtAnswer);
    }

    void aFailingMessageBoxIsReported() {
        QuizHarness harness;
        harness.ShowElement(26);
        harness.controls.SetText(Box::txtAnswer, QStringLiteral("Fe"));
        harness.runtime.whileMessageShown = [] {
            throw RuntimeError(QStringLiteral("the message box cannot be shown"));
        };
        QVERIFY(!RunReportingErrors(harness.runtime, [&] { harness.quiz.check.Check(); }));
        QCOMPARE(harness.runtime.errors, QStringList{"the message box cannot be shown"});
        QCOMPARE(harness.runtime.exitStatus, kRuntimeErrorExitStatus);
        QCOMPARE(harness.runtime.reseeds, 1);
    }

    void aFailingLookupAfterARightAnswerIsReported() {
        QuizHarness harness;
        harness.ShowElement(26);
        harness.controls.SetText(Box::txtAnswer, QStringLiteral("Fe"));
        QSqlQuery(harness.database.Connection()).exec(QStringLiteral("drop table elements"));
        QVERIFY(!RunReportingErrors(harness.runtime, [&] { harness.quiz.check.Check(); }));
        QCOMPARE(harness.runtime.messages, QStringList{AnswerCheck::kRightMessage});
        QCOMPARE(harness.runtime.errors.size(), 1);
        QVERIFY2(harness.runtime.errors.first().contains(QLatin1String("embedded element table")),
                 qPrintable(harness.runtime.errors.first()));
        QCOMPARE(harness.runtime.exitStatus, kRuntimeErrorExitStatus);
    }
};

QTEST_GUILESS_MAIN(TestAnswerCheck)
#include "tst_answercheck.moc"
