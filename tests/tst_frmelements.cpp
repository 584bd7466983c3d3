#include "platform/ErrorReporting.h"
#include "quiz/AnswerCheck.h"
#include "support/QuizHarness.h"
#include "ui/frmElements.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSqlQuery>
#include <QStyle>
#include <QTest>

// The window: its controls and layout, the keyboard, and the routing of clicks to the quiz.
class TestFrmElements : public QObject {
    Q_OBJECT

    struct Window {
        Window() {
            form.show();
            QApplication::setActiveWindow(&form);
            if (!QTest::qWaitForWindowActive(&form))
                qWarning("the window did not become active");
        }
        template <typename T = QWidget> T* Control(const QString& name) const {
            T* control = form.findChild<T*>(name);
            if (!control)
                qFatal("no control %s", qPrintable(name));
            return control;
        }
        QLineEdit* Edit(Box box) const { return Control<QLineEdit>(ControlName(box)); }
        QRadioButton* Radio(Option option) const {
            return Control<QRadioButton>(ControlName(option));
        }
        QPushButton* Button(const char* name) const { return Control<QPushButton>(name); }
        // A spin that draws `number` from 1 to 36.
        void SpinTo(int number) {
            runtime.randoms.push_back(QuizHarness::RandomFor(number, 36));
            QTest::mouseClick(Button("cmdSpin"), Qt::LeftButton);
        }

        ElementDatabase database;
        ScriptedRuntime runtime;
        frmElements form{database, runtime};
    };

private slots:
    void startsWithSymbolAndFirstRangeAndEmptyRecord() {
        Window window;
        QVERIFY(window.Radio(Option::optSymbol)->isChecked());
        QVERIFY(!window.Radio(Option::optName)->isChecked());
        for (Option option : kRangeOptions)
            QCOMPARE(window.Radio(option)->isChecked(), option == Option::opt1to36);
        QVERIFY(window.Edit(Box::txtSymbol1)->isVisible());
        QVERIFY(!window.Edit(Box::txtElement1)->isVisible());
        for (Box box : kRecordBoxes)
            QVERIFY(window.Edit(box)->text().isEmpty());
        QCOMPARE(QApplication::focusWidget(), window.Edit(Box::txtAnswer));
        QCOMPARE(window.form.windowTitle(), QStringLiteral("Elements"));
        QCOMPARE(window.form.size(), QSize(640, 484));
    }

    void controlsHaveTheirCaptionsAndRectangles_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QRect>("twips");
        const auto row = [](const char* name, const char* caption, int left, int top, int width,
                            int height) {
            QTest::newRow(name) << QString::fromLatin1(name) << QString::fromLatin1(caption)
                                << QRect(left, top, width, height);
        };
        row("cmdExit", "Exit", 4560, 6120, 975, 375);
        row("txtElement1", "", 5040, 3960, 975, 285);
        row("txtSymbol1", "", 5040, 3600, 735, 285);
        row("Frame2", "Step 2", 4080, 480, 4935, 1935);
        row("opt1to103", "Elements 1 to 103", 240, 1440, 2175, 255);
        row("opt1to95", "Elements 1 to 38, 40, 42, 47 - 57, 74, 78 - 89, 92, 94, 95", 240, 1080,
            4455, 255);
        row("opt1to38", "Elements 1 to 38, 40, 42, 47 - 57, 74, 78 - 80", 240, 720, 3855, 255);
        row("opt1to36", "Elements 1 to 36", 240, 360, 2655, 255);
        row("Frame1", "Step 1", 600, 480, 2055, 1215);
        row("optSymbol", "Guess the Symbol", 240, 360, 1695, 255);
        row("optName", "Guess the Name", 240, 720, 1695, 255);
        row("cmdCheck", "Check", 6600, 5160, 975, 375);
        row("cmdSpin", "Spin", 2280, 5160, 975, 375);
        row("txtAnswer", "", 5040, 5160, 1335, 285);
        row("txtAtomicMass", "", 5040, 4320, 735, 285);
        row("txtElement", "", 5040, 3960, 975, 285);
        row("txtSymbol", "", 5040, 3600, 735, 285);
        row("txtAtomicNumber", "", 5040, 3210, 975, 285);
        row("lblName", "Created by Orvashel", 5640, 6840, 3735, 255);
        row("lblAnswer", "Answer", 4200, 5280, 615, 255);
        row("lblAtomicMass", "Atomic Mass", 3840, 4440, 1095, 255);
        row("lblElement", "Element Name", 3840, 4080, 1095, 255);
        row("lblSymbol", "Symbol", 3840, 3720, 1095, 255);
        row("lblAtomicNumber", "Atomic Number", 3840, 3360, 1095, 255);
    }
    void controlsHaveTheirCaptionsAndRectangles() {
        QFETCH(QString, name);
        QFETCH(QString, caption);
        QFETCH(QRect, twips);
        Window window;
        QWidget* control = window.Control(name);
        QCOMPARE(control->geometry(), QRect(twips.left() / 15, twips.top() / 15, twips.width() / 15,
                                            twips.height() / 15));

        // Captions are measured in the control's own font and must not be clipped.
        const QFontMetrics metrics(control->font());
        QString text;
        int needed = 0;
        if (auto* label = qobject_cast<QLabel*>(control)) {
            text = label->text();
            needed = metrics.horizontalAdvance(text);
        } else if (auto* frame = qobject_cast<QGroupBox*>(control)) {
            text = frame->title();
            needed = metrics.horizontalAdvance(text);
        } else if (auto* radio = qobject_cast<QRadioButton*>(control)) {
            text = radio->text();
            needed = radio->sizeHint().width();
        } else if (auto* button = qobject_cast<QPushButton*>(control)) {
            text = button->text();
            needed = metrics.horizontalAdvance(text) +
                     2 * button->style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button);
        } else if (auto* edit = qobject_cast<QLineEdit*>(control)) {
            text = edit->text();
        }
        QCOMPARE(text, caption);
        QVERIFY2(
            needed <= control->width(),
            qPrintable(QStringLiteral("needs %1 of %2 pixels").arg(needed).arg(control->width())));
        QVERIFY(metrics.height() <= control->height());
    }

    void coversLieOverTheirRecordBoxes() {
        Window window;
        for (auto [cover, covered] : {std::pair{Box::txtSymbol1, Box::txtSymbol},
                                      std::pair{Box::txtElement1, Box::txtElement}}) {
            const QPoint middle = window.Edit(covered)->geometry().center();
            window.Edit(cover)->hide();
            QCOMPARE(window.form.childAt(middle), window.Edit(covered));
            window.Edit(cover)->show();
            QCOMPARE(window.form.childAt(middle), window.Edit(cover));
        }
    }

    void tabCyclesAnswerCheckSpinExit() {
        Window window;
        const QList<QWidget*> cycle{window.Button("cmdCheck"), window.Button("cmdSpin"),
                                    window.Button("cmdExit"), window.Edit(Box::txtAnswer)};
        for (QWidget* next : cycle) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), next);
        }
    }

    void enterInTheAnswerBoxChecks() {
        Window window;
        window.SpinTo(26);
        QCOMPARE(window.Edit(Box::txtSymbol)->text(), QStringLiteral("Fe"));
        QCOMPARE(QApplication::focusWidget(), window.Edit(Box::txtAnswer));
        QTest::keyClicks(window.Edit(Box::txtAnswer), QStringLiteral("Fe"));
        QTest::keyClick(window.Edit(Box::txtAnswer), Qt::Key_Return);
        QCOMPARE(window.runtime.messages, QStringList{AnswerCheck::kRightMessage});

        QTest::keyClicks(window.Edit(Box::txtAnswer), QStringLiteral("xx"));
        QTest::keyClick(window.Edit(Box::txtAnswer), Qt::Key_Enter);
        QCOMPARE(window.runtime.messages.last(), AnswerCheck::kWrongMessage);
        QVERIFY(window.Edit(Box::txtAnswer)->text().isEmpty());
    }

    // The answer box has no length limit: a pasted megabyte is judged like any answer.
    void aMegabyteAnswerIsJudged_data() {
        QTest::addColumn<Option>("mode");
        QTest::newRow("symbol") << Option::optSymbol;
        QTest::newRow("name") << Option::optName;
    }
    void aMegabyteAnswerIsJudged() {
        QFETCH(Option, mode);
        Window window;
        window.SpinTo(26);
        QTest::mouseClick(window.Radio(mode), Qt::LeftButton);
        const QString pasted = QStringLiteral("fe").repeated(512 * 1024);
        window.Edit(Box::txtAnswer)->setText(pasted);
        QCOMPARE(window.Edit(Box::txtAnswer)->text().size(), pasted.size());
        QTest::keyClick(window.Edit(Box::txtAnswer), Qt::Key_Return);
        QCOMPARE(window.runtime.messages, QStringList{AnswerCheck::kWrongMessage});
        QVERIFY(window.Edit(Box::txtAnswer)->text().isEmpty());
    }

    void enterAndSpaceRunTheFocusedButton_data() {
        QTest::addColumn<Qt::Key>("key");
        QTest::newRow("Enter") << Qt::Key_Return;
        QTest::newRow("Space") << Qt::Key_Space;
    }
    void enterAndSpaceRunTheFocusedButton() {
        QFETCH(Qt::Key, key);
        Window window;
        window.Button("cmdSpin")->setFocus();
        QTest::keyClick(window.Button("cmdSpin"), key);
        QCOMPARE(window.runtime.reseeds, 1);
        QVERIFY(window.runtime.messages.isEmpty());
        QVERIFY(!window.Edit(Box::txtAtomicNumber)->text().isEmpty());
    }

    void clickingOptionsMovesCoversAndNeverDraws() {
        Window window;
        window.SpinTo(8);
        QTest::mouseClick(window.Radio(Option::optName), Qt::LeftButton);
        QVERIFY(window.Radio(Option::optName)->isChecked());
        QVERIFY(!window.Radio(Option::optSymbol)->isChecked());
        QVERIFY(window.Edit(Box::txtElement1)->isVisible());
        QVERIFY(!window.Edit(Box::txtSymbol1)->isVisible());

        QTest::mouseClick(window.Radio(Option::opt1to95), Qt::LeftButton);
        for (Option option : kRangeOptions)
            QCOMPARE(window.Radio(option)->isChecked(), option == Option::opt1to95);
        QCOMPARE(window.runtime.reseeds, 1);
        QCOMPARE(window.Edit(Box::txtElement)->text(), QStringLiteral("Oxygen"));
    }

    void exitEndsTheProgramWithStatusZero() {
        Window window;
        window.SpinTo(3);
        QTest::mouseClick(window.Button("cmdExit"), Qt::LeftButton);
        QCOMPARE(window.runtime.exitStatus, 0);
        QVERIFY(window.runtime.errors.isEmpty());
    }

    void aFailingLookupIsReportedAndEndsTheProgram() {
        Window window;
        QSqlQuery(window.database.Connection()).exec(QStringLiteral("drop table elements"));
        QTest::mouseClick(window.Button("cmdSpin"), Qt::LeftButton);
        QCOMPARE(window.runtime.errors.size(), 1);
        QCOMPARE(window.runtime.exitStatus, kRuntimeErrorExitStatus);
    }
};

QTEST_MAIN(TestFrmElements)
#include "tst_frmelements.moc"
