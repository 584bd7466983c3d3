#include "platform/ErrorReporting.h"
#include "support/QuizHarness.h"
#include "ui/frmElements.h"

#include <QApplication>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSqlQuery>
#include <QStyle>
#include <QTest>

// The window over the embedded table: captions, covers, the keyboard, and the routing of
// events to the quiz.
class TestFrmElements : public QObject {
    Q_OBJECT

    struct Window {
        ElementDatabase database;
        ScriptedRuntime runtime;
        frmElements form{database, runtime};
    };
    std::unique_ptr<Window> window_;

    template <typename T = QWidget> T* Control(const QString& name) const {
        T* control = window_->form.findChild<T*>(name);
        if (!control)
            qFatal("no control %s", qPrintable(name));
        return control;
    }
    QLineEdit* Edit(Box box) const { return Control<QLineEdit>(ControlName(box)); }
    void Click(const QString& name) { QTest::mouseClick(Control(name), Qt::LeftButton); }
    void Key(Qt::Key key) { QTest::keyClick(QApplication::focusWidget(), key); }

private slots:
    // A fresh window for every case, as the program starts.
    void init() {
        window_ = std::make_unique<Window>();
        window_->form.show();
        QApplication::setActiveWindow(&window_->form);
        QVERIFY(QTest::qWaitForWindowActive(&window_->form));
    }

    // Every caption as it stands, and wide enough to be read whole in its control's font.
    void captionsFitTheirControls_data() {
        QTest::addColumn<QString>("caption");
        for (auto [name, caption] :
             {std::pair{"cmdExit", "Exit"},
              {"cmdCheck", "Check"},
              {"cmdSpin", "Spin"},
              {"Frame1", "Step 1"},
              {"optSymbol", "Guess the Symbol"},
              {"optName", "Guess the Name"},
              {"Frame2", "Step 2"},
              {"opt1to36", "Elements 1 to 36"},
              {"opt1to38", "Elements 1 to 38, 40, 42, 47 - 57, 74, 78 - 80"},
              {"opt1to95", "Elements 1 to 38, 40, 42, 47 - 57, 74, 78 - 89, 92, 94, 95"},
              {"opt1to103", "Elements 1 to 103"},
              {"lblAtomicNumber", "Atomic Number"},
              {"lblSymbol", "Symbol"},
              {"lblElement", "Element Name"},
              {"lblAtomicMass", "Atomic Mass"},
              {"lblAnswer", "Answer"},
              {"lblName", "Created by Orvashel"}})
            QTest::newRow(name) << QString::fromLatin1(caption);
    }
    void captionsFitTheirControls() {
        QFETCH(QString, caption);
        QWidget* control = Control(QString::fromLatin1(QTest::currentDataTag()));
        const bool frame = qobject_cast<QGroupBox*>(control);
        QCOMPARE(control->property(frame ? "title" : "text").toString(), caption);
        int needed = frame ? 0 : control->sizeHint().width();
        if (auto* button = qobject_cast<QPushButton*>(control)) {
            needed = button->fontMetrics().horizontalAdvance(caption) +
                     2 * button->style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button);
        }
        QVERIFY2(
            needed <= control->width() && control->fontMetrics().height() <= control->height(),
            qPrintable(QStringLiteral("needs %1 of %2 pixels").arg(needed).arg(control->width())));
    }

    // The window starts with symbol and 1 to 36 selected, the symbol covered and the answer
    // focused; option clicks move the cover; each cover hides its record box.
    void optionsAndCovers() {
        QCOMPARE(window_->form.windowTitle(), QStringLiteral("Elements"));
        QVERIFY(Control<QRadioButton>("optSymbol")->isChecked() &&
                Control<QRadioButton>("opt1to36")->isChecked());
        QCOMPARE(QApplication::focusWidget(), Edit(Box::txtAnswer));
        for (auto [option, cover, covered] :
             {std::tuple{"optName", Box::txtElement1, Box::txtElement},
              std::tuple{"optSymbol", Box::txtSymbol1, Box::txtSymbol}}) {
            Click(option);
            QVERIFY(Edit(cover)->isVisible() && Edit(covered)->isReadOnly());
            QCOMPARE(Edit(cover)->geometry(), Edit(covered)->geometry());
            QCOMPARE(window_->form.childAt(Edit(covered)->geometry().center()), Edit(cover));
        }
        QVERIFY(!Edit(Box::txtElement1)->isVisible());
        // A long value shows from its start.
        QSqlQuery(window_->database.Connection())
            .exec(
                QStringLiteral("update elements set ElementName = 'Iron%1' where AtomicNumber = 26")
                    .arg(QString(99, u'x')));
        window_->runtime.randoms = {QuizHarness::RandomFor(26, 36)};
        Click(QStringLiteral("cmdSpin"));
        QCOMPARE(Edit(Box::txtElement)->cursorPosition(), 0);
    }

    // Tab cycles answer, Check, Spin, Exit; Enter checks in the answer box and runs a focused
    // button; a pasted megabyte is judged like any answer; Exit ends with status 0.
    void theKeyboardDrivesTheQuiz() {
        for (const char* next : {"cmdCheck", "cmdSpin", "cmdExit", "txtAnswer"}) {
            Key(Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), Control(next));
        }
        window_->runtime.randoms = {QuizHarness::RandomFor(26, 36)};
        Click(QStringLiteral("cmdSpin"));
        QTest::keyClicks(Edit(Box::txtAnswer), QStringLiteral("Fe"));
        Key(Qt::Key_Return);
        Edit(Box::txtAnswer)->setText(QStringLiteral("fe").repeated(512 * 1024));
        QCOMPARE(Edit(Box::txtAnswer)->text().size(), 1024 * 1024);
        Key(Qt::Key_Enter);
        QCOMPARE(window_->runtime.messages, (QStringList{"Your my hero", "Try Again"}));
        QVERIFY(Edit(Box::txtAnswer)->text().isEmpty());
        Control("cmdSpin")->setFocus();
        Key(Qt::Key_Return);
        QCOMPARE(window_->runtime.messages.size(), 2);
        QCOMPARE(window_->runtime.reseeds, 3);
        Control("cmdExit")->setFocus();
        Key(Qt::Key_Return);
        QCOMPARE(window_->runtime.exitStatus, 0);
    }

    void aFailingLookupIsReportedAndEndsTheProgram() {
        QSqlQuery(window_->database.Connection())
            .exec(QStringLiteral("alter table elements rename to gone"));
        Click(QStringLiteral("cmdSpin"));
        QCOMPARE(window_->runtime.errors.size(), 1);
        QCOMPARE(window_->runtime.exitStatus, kRuntimeErrorExitStatus);
    }
};

QTEST_MAIN(TestFrmElements)
#include "tst_frmelements.moc"
