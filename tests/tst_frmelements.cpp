// SPDX-FileCopyrightText: 2026 Orvashel <orvashel@valtora.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/ErrorReporting.h"
#include "platform/Translation.h"
#include "support/QuizHarness.h"
#include "ui/frmElements.h"

#include <QAccessible>
#include <QApplication>
#include <QDialog>
#include <QFontDatabase>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QSqlQuery>
#include <QTest>

// The window over the embedded table: captions, covers, the keyboard, what assistive technology
// reads, and the routing of events to the quiz.
class TestFrmElements : public QObject {
    Q_OBJECT

    // How long a started program may take, on a slow, loaded machine.
    static constexpr int kDeadlineMs = 60'000;
    // The status of a command line answered with the quiz, which runs on.
    static constexpr int kQuizShows = -1;

    struct Window {
        explicit Window(const QString& language)
            : database(language) {}
        OpenedDatabase database;
        ScriptedRuntime runtime;
        frmElements form{database, runtime};
    };
    std::unique_ptr<Window> window_;

    // A fresh window, as the program starts in `language`.
    void Start(const QString& language = {}) {
        window_ = std::make_unique<Window>(language);
        window_->form.show();
        QApplication::setActiveWindow(&window_->form);
        QVERIFY(QTest::qWaitForWindowActive(&window_->form));
    }

    template <typename T = QWidget> T* Control(const QString& name) const {
        return window_->form.findChild<T*>(name);
    }
    QLineEdit* Edit(Box box) const { return Control<QLineEdit>(ControlName(box)); }
    void Key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(QApplication::focusWidget(), static_cast<Qt::Key>(key), modifiers);
    }
    // Spins to element `number`, from the first 36, or from all 103 beyond them.
    void SpinTo(int number) {
        constexpr int kFirstRange = 36;
        if (number > kFirstRange)
            Control<QRadioButton>("opt1to103")->click();
        window_->runtime.randoms = {
            QuizHarness::RandomFor(number, number > kFirstRange ? 103 : kFirstRange)};
        QTest::mouseClick(Control(QStringLiteral("cmdSpin")), Qt::LeftButton);
    }

    // Every text that the accessibility tree from `node` down tells.
    static QString Told(QAccessibleInterface* node) {
        QString told;
        for (auto text : {QAccessible::Name, QAccessible::Value, QAccessible::Description})
            told += node->text(text) + u'\n';
        for (int i = 0; i < node->childCount(); ++i)
            told += Told(node->child(i));
        return told;
    }

private slots:
    // A fresh window for every case, as the program starts.
    void init() { Start(); }

    // In each language (tests/data/languages.tsv, a row each): a caption, an element's name in
    // its record box, the name typed as a pupil types it judged right and praised; every caption
    // fits its control, and the face suits the display scale, at each scale this test runs at. In
    // English every caption stands as it is, and each label names the box it stands beside for
    // assistive technology.
    void speaksTheClassLanguage_data() {
        for (const char* column : {"language", "element", "byName", "name", "typed", "praise"})
            QTest::addColumn<QString>(column);
        QFile table(QStringLiteral(VALTORA_TEST_DATA "/languages.tsv"));
        QVERIFY(table.open(QIODevice::ReadOnly | QIODevice::Text));
        for (const QString& line : QString::fromUtf8(table.readAll()).split(u'\n')) {
            const QStringList fields = line.split(u'\t');
            if (line.startsWith(u'#') || fields.size() != 7)
                continue;
            QTestData& row = QTest::newRow(qPrintable(fields[0]));
            for (const QString& field : fields.mid(1))
                row << field;
        }
    }
    void speaksTheClassLanguage() {
        QFETCH(QString, language);
        QFETCH(QString, element);
        QFETCH(QString, byName);
        QFETCH(QString, name);
        QFETCH(QString, typed);
        QFETCH(QString, praise);
        const Translation translation{{language}};
        Start(translation.Language());
        auto* option = Control<QRadioButton>("optName");
        QCOMPARE(option->text(), byName);
        option->click();
        SpinTo(element.toInt());
        QCOMPARE(window_->form.GetText(Box::txtElement), name);
        Edit(Box::txtAnswer)->setText(typed);
        Key(Qt::Key_Return);
        QCOMPARE(window_->runtime.messages, QStringList{praise});
        // Each control's name, its English caption, and the box a label names.
        const QStringList english =
            QString::fromLatin1(R"(cmdExit|Exit||cmdCheck|Check||cmdSpin|Spin||
Frame1|Step 1||optSymbol|Guess the Symbol||optName|Guess the Name||Frame2|Step 2||
opt1to36|Elements 1 to 36||opt1to38|Elements 1 to 38, 40, 42, 47 - 57, 74, 78 - 80||
opt1to95|Elements 1 to 38, 40, 42, 47 - 57, 74, 78 - 89, 92, 94, 95||opt1to103|Elements 1 to 103||
lblAtomicNumber|Atomic Number|txtAtomicNumber|lblSymbol|Symbol|txtSymbol|lblElement|Element Name|
txtElement|lblAtomicMass|Atomic Mass|txtAtomicMass|lblAnswer|Answer|txtAnswer|lblName|
Created by Orvashel|)")
                .remove(u'\n')
                .split(u'|');
        for (qsizetype i = 0; praise == "Your my hero" && i + 2 < english.size(); i += 3) {
            QWidget* control = Control(english[i]);
            // A frame's caption is its title, any other control's its text.
            QCOMPARE(control->property(qobject_cast<QGroupBox*>(control) ? "title" : "text"),
                     english[i + 1]);
            if (!english[i + 2].isEmpty()) {
                QCOMPARE(QAccessible::queryAccessibleInterface(Control(english[i + 2]))
                             ->text(QAccessible::Name),
                         english[i + 1]);
            }
        }
        for (QWidget* control : window_->form.findChildren<QWidget*>()) {
            const QFontMetrics metrics = control->fontMetrics();
            int needed = control->sizeHint().width();
            QString caption = control->property("text").toString();
            if (auto* button = qobject_cast<QPushButton*>(control)) {
                needed = metrics.horizontalAdvance(button->text()) + 8;
            } else if (auto* frame = qobject_cast<QGroupBox*>(control)) {
                caption = frame->title();
                needed = metrics.horizontalAdvance(caption) + 16;
            } else if (!qobject_cast<QLabel*>(control) && !qobject_cast<QRadioButton*>(control)) {
                continue;
            }
            // As high as its letters too, drawn in whatever face has them (Chinese's).
            QVERIFY2(needed <= control->width() &&
                         metrics.tightBoundingRect(caption).height() <= control->height(),
                     qPrintable(control->objectName()));
        }
        // At display scale 1 the window draws with the bitmaps of MS Sans Serif, as it always
        // has; at any other scale with an outline face (Tahoma): bitmaps keep their unscaled size.
        const QFontInfo face(window_->form.font());
        QCOMPARE(QFontDatabase::isSmoothlyScalable(face.family(), face.styleName()),
                 window_->form.devicePixelRatio() != 1);
    }

    // The language is chosen as desktops choose it, from the environment's locale variables, and
    // Qt's own texts (the answer box's context menu) come along.
    void choosesTheLanguageAsDesktopsDo_data() {
        for (const char* column : {"lcAll", "lcMessages", "lang", "languages", "language"})
            QTest::addColumn<QString>(column);
        // LC_ALL, LC_MESSAGES, LANG and LANGUAGE, then the language chosen.
        const auto row = [](const char* name, std::array<const char*, 5> values) {
            QTestData& data = QTest::newRow(name);
            for (const char* value : values)
                data << QString::fromLatin1(value);
        };
        row("a region's locale", {"", "", "nl_BE.UTF-8", "", "nl"});
        row("C, whatever LANGUAGE says", {"C", "", "de_DE.UTF-8", "de", ""});
        row("POSIX messages, whatever LANGUAGE says", {"", "POSIX", "de_DE.UTF-8", "de", ""});
        row("no locale, whatever LANGUAGE says", {"", "", "", "de", ""});
        row("English first in LANGUAGE", {"", "", "en_US.UTF-8", "en_US:de", ""});
        row("the first of LANGUAGE spoken", {"", "", "ja_JP.UTF-8", "ja:ko:de", "de"});
        row("Brazil named", {"", "", "pt_BR.UTF-8", "", "pt_BR"});
        row("Portugal, European", {"", "", "pt_PT.UTF-8", "pt_PT:pt", "pt"});
        row("Norway, by its common code", {"", "", "no_NO.UTF-8", "", "nb"});
        row("Chinese, by the script its mainland writes", {"", "", "zh_SG.UTF-8", "", "zh_CN"});
    }
    void choosesTheLanguageAsDesktopsDo() {
        QFETCH(QString, lcAll);
        QFETCH(QString, lcMessages);
        QFETCH(QString, lang);
        QFETCH(QString, languages);
        QFETCH(QString, language);
        QProcessEnvironment environment;
        for (auto [variable, value] : {std::pair{"LC_ALL", lcAll},
                                       {"LC_MESSAGES", lcMessages},
                                       {"LANG", lang},
                                       {"LANGUAGE", languages}}) {
            if (!value.isEmpty())
                environment.insert(QLatin1String(variable), value);
        }
        const Translation translation(UserLanguages(environment));
        QCOMPARE(translation.Language(), language);
        // Qt ships no texts in Bokmål.
        QCOMPARE(QCoreApplication::translate("QLineEdit", "&Undo") == "&Undo",
                 language.isEmpty() || language == "nb");
    }

    // Any command line is answered with usage, the version, the quiz, or for what the program
    // does not know, status 1 and a one-line hint; never a crash. Text needs no display: the X11
    // platform with no X server to reach; Qt's own options combine with it, and its own texts
    // follow the language.
    void commandLinesAreAnswered_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("locale");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("printed");
        const QString version = QStringLiteral("Valtora " VALTORA_VERSION "\n");
        const QString hint = QStringLiteral(
            "\" is not an option or argument of Valtora; \"valtora --help\" lists them.\n");
        const auto row = [](const char* name, const QStringList& arguments, int status,
                            const QString& printed, const char* locale = "") {
            QTest::newRow(name) << arguments << locale << status << printed;
        };
        row("--version", {"--version"}, 0, version);
        row("Qt's own options, then --version", {"-platform", "offscreen", "--version"}, 0,
            version);
        row("--help", {"--help"}, 0, "-v, --version");
        row("--help, in German", {"--help"}, 0, "Zeigt Versionsinformation an.", "de_DE.UTF-8");
        row("-- ends the options", {"--", "--version"}, 1, "\"--version" + hint);
        row("an unknown option", {"--unknown"}, 1, "\"--unknown" + hint);
        row("a 100 KB argument", {QString(100 * 1024, u'x')}, 1, QString(40, u'x') + u'…' + hint);
        // The window's first frame, as Qt's widget painting log tells it.
        row("--, then the quiz", {"--"}, kQuizShows, "Flushing top level");
    }
    void commandLinesAreAnswered() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, locale);
        QFETCH(int, status);
        QFETCH(QString, printed);
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("QT_QPA_PLATFORM", status == kQuizShows ? "offscreen" : "xcb");
        environment.insert("DISPLAY", "");
        environment.insert("QT_LOGGING_RULES", "qt.widgets.painting.info=true");
        if (!locale.isEmpty()) {
            environment.remove("LC_ALL");
            environment.insert("LANG", locale);
        }
        QProcess program;
        program.setProcessEnvironment(environment);
        program.setProcessChannelMode(QProcess::MergedChannels);
        program.start(QStringLiteral(VALTORA_PROGRAM), arguments);
        QString output;
        while (!output.contains(printed) && program.waitForReadyRead(kDeadlineMs))
            output += QString::fromUtf8(program.readAll());
        if (status == kQuizShows) {
            program.kill();
            program.waitForFinished(kDeadlineMs);
        } else {
            QVERIFY(program.waitForFinished(kDeadlineMs));
            output += QString::fromUtf8(program.readAll());
            QCOMPARE(program.exitStatus(), QProcess::NormalExit);
            QCOMPARE(program.exitCode(), status);
        }
        QVERIFY2(output.contains(printed), qPrintable(output));
    }

    // Each way of choosing an option: Alt with 1 to 6 from the answer box (as the options'
    // descriptions say), a click, assistive technology's action and setChecked. None draws; the
    // cover moves, lies over its record box, and nothing tells the covered value, whichever the
    // mode, while the other reads.
    void everyWayOfChoosingMovesTheCovers_data() {
        QTest::addColumn<int>("way");
        int way = 0;
        for (const char* name : {"Alt and a digit", "click", "accessible action", "setChecked"})
            QTest::newRow(name) << way++;
    }
    void everyWayOfChoosingMovesTheCovers() {
        QFETCH(int, way);
        QAccessibleInterface* window = QAccessible::queryAccessibleInterface(&window_->form);
        SpinTo(26);
        QTest::keyClicks(Edit(Box::txtAnswer), QStringLiteral("x"));
        for (int key : {2, 1, 3, 4, 5, 6}) {
            auto* option = Control<QRadioButton>(ControlName(static_cast<Option>(key - 1)));
            QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(option);
            if (way == 0)
                Key(Qt::Key_0 + key, Qt::AltModifier);
            else if (way == 1)
                QTest::mouseClick(option, Qt::LeftButton);
            else if (way == 2)
                accessible->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
            else
                option->setChecked(true);
            QVERIFY(option->isChecked());
            QCOMPARE(accessible->text(QAccessible::Description),
                     QStringLiteral("Shortcut: Alt+%1").arg(key));
            const bool byName = key == 2;
            const Box cover = byName ? Box::txtElement1 : Box::txtSymbol1;
            const Box covered = byName ? Box::txtElement : Box::txtSymbol;
            QVERIFY(Edit(cover)->isVisible());
            QVERIFY(!Edit(byName ? Box::txtSymbol1 : Box::txtElement1)->isVisible());
            QCOMPARE(window_->form.childAt(Edit(covered)->geometry().center()), Edit(cover));
            const QString told = Told(window);
            QVERIFY2(!told.contains(byName ? "Iron" : "Fe"), qPrintable(told));
            QVERIFY2(told.contains(byName ? "Fe" : "Iron"), qPrintable(told));
        }
        QCOMPARE(window_->runtime.reseeds, 1);
        QCOMPARE(Edit(Box::txtAnswer)->text(), "x");
        QCOMPARE(Edit(Box::txtAtomicNumber)->text(), "26");
    }

    // Tab cycles answer, Check, Spin, Exit; a spin empties and focuses the answer box; Enter checks
    // in the answer box and runs a focused button; a box the window owns takes its keys while a
    // message is up; a pasted megabyte is judged like any answer.
    void theKeyboardDrivesTheQuiz() {
        for (const char* next : {"cmdCheck", "cmdSpin", "cmdExit", "txtAnswer"}) {
            Key(Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), Control(next));
        }
        QTest::keyClicks(Edit(Box::txtAnswer), QStringLiteral("typed"));
        SpinTo(26);
        QVERIFY(Edit(Box::txtAnswer)->text().isEmpty() && Edit(Box::txtAnswer)->hasFocus());
        QTest::keyClicks(Edit(Box::txtAnswer), QStringLiteral("Fe"));
        window_->runtime.whileMessageShown = [this] {
            QDialog box(&window_->form);
            box.show();
            QTest::keyClick(&box, Qt::Key_Escape);
            QVERIFY(!box.isVisible());
        };
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
        // A spin that fails is reported, and ends the program. The embedded table is the one
        // connection the program registers.
        QSqlQuery(QSqlDatabase::database(QSqlDatabase::connectionNames().constFirst()))
            .exec(QStringLiteral("alter table elements rename to gone"));
        SpinTo(1);
        QCOMPARE(window_->runtime.errors.size(), 1);
        QCOMPARE(window_->runtime.exitStatus, kRuntimeErrorExitStatus);
    }
};

QTEST_MAIN(TestFrmElements)
#include "tst_frmelements.moc"
