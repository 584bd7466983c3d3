// SPDX-FileCopyrightText: 2026 Orvashel <orvashel@valtora.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "data/DataSourceFaults.h"
#include "platform/ErrorReporting.h"
#include "platform/QtTexts.h"
#include "platform/Translation.h"
#include "quiz/ElementNames.h"
#include "support/QuizHarness.h"
#include "ui/frmElements.h"

#include <QAccessible>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFontDatabase>
#include <QGlyphRun>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QRawFont>
#include <QSqlQuery>
#include <QTest>
#include <QTextLayout>
#include <set>

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

    // The largest atomic number a spin draws.
    static constexpr int kLastDrawn = 103;
    // A code point no face has a glyph for.
    inline static const QString kUnassigned = QStringLiteral("\u0378");
    // The image of `text` drawn in `font`, at the window's display scale, with the font's key.
    QByteArray Drawn(const QFont& font, const QString& text) const {
        constexpr int kSide = 40;
        const qreal ratio = window_->form.devicePixelRatioF();
        QImage image(QSize(kSide, kSide) * ratio, QImage::Format_RGB32);
        image.setDevicePixelRatio(ratio);
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.setFont(font);
        painter.drawText(QRect(0, 0, kSide, kSide), Qt::AlignCenter, text);
        painter.end();
        return QByteArray(reinterpret_cast<const char*>(image.constBits()), image.sizeInBytes()) +
               font.key().toUtf8();
    }
    // Whether two letters drawn alike misspell a word: letters of one script and case (α and ά,
    // ζ and δ), and the Cyrillic letters that a face mistaking them for Latin ones draws so.
    // Letters of two scripts that share their shape by design (Latin o and Cyrillic о) may be
    // alike, and so may a capital and a small letter (I and l).
    static bool MustDiffer(char32_t a, char32_t b) {
        if (QChar::script(a) == QChar::script(b))
            return QChar::isUpper(a) == QChar::isUpper(b) && QChar::isLower(a) == QChar::isLower(b);
        return std::set<std::u32string>{U"иu", U"uи", U"пn", U"nп"}.contains({a, b});
    }

    // The rows of the table tests/data/`file`, their fields split at its tabs; none is a comment.
    static QList<QStringList> TableRows(const char* file) {
        QFile table(QStringLiteral(VALTORA_TEST_DATA "/") + QLatin1String(file));
        QList<QStringList> rows;
        if (table.open(QIODevice::ReadOnly | QIODevice::Text)) {
            for (const QString& line : QString::fromUtf8(table.readAll()).split(u'\n')) {
                if (!line.isEmpty() && !line.startsWith(u'#'))
                    rows.append(line.split(u'\t'));
            }
        }
        return rows;
    }

    // Every text that the accessibility tree from `node` down tells.
    static QString AccessibleTexts(QAccessibleInterface* node) {
        QString told;
        for (auto text : {QAccessible::Name, QAccessible::Value, QAccessible::Description})
            told += node->text(text) + u'\n';
        for (int i = 0; i < node->childCount(); ++i)
            told += AccessibleTexts(node->child(i));
        return told;
    }

private slots:
    // A fresh window for every case, as the program starts.
    void init() { Start(); }

    // In English and each language the program is translated into, a row each read from the
    // language's own files (its translation and names), and in the cases of tests/data/answers.tsv:
    // a caption, an element's name and mass in its record boxes, the name typed as a pupil types
    // it judged right and praised; every caption fits its control, and the face suits the display
    // scale, at each scale this test runs at. In English every caption stands as it is, and each
    // label names the box it stands beside for assistive technology. Every letter that the
    // language's captions, messages and element names use, and the Latin letters of the symbols,
    // is drawn as itself in the faces the window takes for it: none like its accented form or like
    // another letter of its script and case, Cyrillic и not like Latin u, none as the box of a
    // missing glyph. Every name fits its box whole, and the answer box's context menu is in the
    // language too.
    void speaksTheClassLanguage_data() {
        for (const char* column :
             {"language", "element", "byName", "name", "typed", "praise", "mass"})
            QTest::addColumn<QString>(column);
        // The caption and the praise as the language's translation has them.
        const auto row = [](const QString& name, const QString& code, int element,
                            const QString& shown, const QString& typed, const QString& mass) {
            const Translation speaking{{code}};
            QTest::newRow(qPrintable(name))
                << code << QString::number(element)
                << QCoreApplication::translate("frmElements", "Guess the Name") << shown << typed
                << QCoreApplication::translate("AnswerCheck", "Your my hero") << mass;
        };
        QStringList languages =
            QDir(QStringLiteral(":/i18n")).entryList({QStringLiteral("valtora_*.qm")}, QDir::Files);
        for (QString& file : languages)
            file = file.mid(int(std::strlen("valtora_"))).chopped(int(std::strlen(".qm")));
        constexpr int kIron = 26;
        for (const QString& code : QStringList{QStringLiteral("en")} + languages) {
            const QLocale locale(code);
            // English names are the table's own.
            const QString iron =
                ElementNames(code).Accepted(kIron).value(0, QStringLiteral("Iron"));
            row(code, code, kIron, iron, locale.toLower(iron),
                QStringLiteral("55") + locale.decimalPoint() + QStringLiteral("845"));
        }
        for (const QStringList& fields : TableRows("answers.tsv"))
            row(fields[0], fields[1], fields[2].toInt(), fields[3], fields[4], fields[5]);
    }
    void speaksTheClassLanguage() {
        QFETCH(QString, language);
        QFETCH(QString, element);
        QFETCH(QString, byName);
        QFETCH(QString, name);
        QFETCH(QString, typed);
        QFETCH(QString, praise);
        QFETCH(QString, mass);
        const Translation translation{{language}};
        Start(translation.Language());
        auto* option = Control<QRadioButton>("optName");
        QCOMPARE(option->text(), byName);
        option->click();
        SpinTo(element.toInt());
        QCOMPARE(window_->form.GetText(Box::txtElement), name);
        QCOMPARE(window_->form.GetText(Box::txtAtomicMass), mass);
        Edit(Box::txtAnswer)->setText(typed);
        Key(Qt::Key_Return);
        QCOMPARE(window_->runtime.messages, QStringList{praise});
        // A fault's advice in the language too.
        DataSourceDetails server;
        server.description = QStringLiteral("X");
        QCOMPARE(
            DescribeFault(DataSourceFault::NoAnswer, server, {}).startsWith("X did not answer"),
            praise == "Your my hero");
        // Each control's name, its English caption, and the box a label names.
        for (const QStringList& english :
             praise == "Your my hero" ? TableRows("captions.tsv") : QList<QStringList>()) {
            QWidget* control = Control(english[0]);
            // A frame's caption is its title, any other control's its text.
            QCOMPARE(control->property(qobject_cast<QGroupBox*>(control) ? "title" : "text"),
                     english[1]);
            if (!english[2].isEmpty()) {
                QCOMPARE(QAccessible::queryAccessibleInterface(Control(english[2]))
                             ->text(QAccessible::Name),
                         english[1]);
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
        // has, but for Greek and Cyrillic, which they draw wrongly; at any other scale with an
        // outline face (Tahoma): bitmaps keep their unscaled size.
        const QLocale::Script script = QLocale(translation.Language()).script();
        const QFontInfo face(window_->form.font());
        QCOMPARE(QFontDatabase::isSmoothlyScalable(face.family(), face.styleName()),
                 window_->form.devicePixelRatio() != 1 || script == QLocale::GreekScript ||
                     script == QLocale::CyrillicScript);
        // Han characters in the forms of the class's language, whatever the desk's locale: from a
        // face without Chinese for Japanese, from a Chinese face for Chinese. Iron's rows only:
        // this process has drawn other languages' letters, which Qt's font cache remembers.
        if ((script == QLocale::JapaneseScript || script == QLocale::SimplifiedHanScript ||
             script == QLocale::TraditionalHanScript) &&
            element == "26") {
            QTextLayout drawn(name, Edit(Box::txtElement)->font());
            drawn.beginLayout();
            drawn.createLine();
            drawn.endLayout();
            const QString family = drawn.glyphRuns().constLast().rawFont().familyName();
            QCOMPARE(
                QFontDatabase::writingSystems(family).contains(QFontDatabase::SimplifiedChinese),
                script != QLocale::JapaneseScript);
        }
        // Every letter drawn as itself, every name whole, Qt's texts in the language too.
        Control<QRadioButton>("optSymbol")->click();
        QString letters = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
        const ElementNames spelled(translation.Language());
        for (int number = 1; number <= kLastDrawn; ++number)
            letters += spelled.Accepted(number).join(QString());
        QFile translated(
            QStringLiteral(VALTORA_TRANSLATIONS "/valtora_%1.ts").arg(translation.Language()));
        if (translated.open(QIODevice::ReadOnly))
            letters += QString::fromUtf8(translated.readAll());
        // The letters drawn as each image, in each face that draws them.
        QHash<QByteArray, QList<char32_t>> alike;
        const QList<uint> codePoints = letters.toUcs4();
        for (const char32_t letter : QSet<char32_t>(codePoints.cbegin(), codePoints.cend())) {
            const QString shown = QString::fromUcs4(&letter, 1);
            if (!QChar::isLetter(letter))
                continue;
            window_->form.SetText(Box::txtElement, shown);
            for (const QFont& font : {window_->form.font(), Edit(Box::txtElement)->font()}) {
                QVERIFY2(Drawn(font, shown) != Drawn(font, kUnassigned), qPrintable(shown));
                QList<char32_t>& same = alike[Drawn(font, shown)];
                for (const char32_t other : same) {
                    QVERIFY2(other == letter || !MustDiffer(letter, other),
                             qPrintable(shown + u'=' + QString::fromUcs4(&other, 1)));
                }
                same.append(letter);
            }
        }
        QLineEdit* box = Edit(Box::txtElement);
        const auto cursorAt = [box] {
            box->grab();
            return box->inputMethodQuery(Qt::ImCursorRectangle).toRect().center().x();
        };
        QSqlQuery names(QSqlDatabase::database(QSqlDatabase::connectionNames().constFirst()));
        QVERIFY(names.exec(QStringLiteral("select ElementName from elements")));
        while (names.next()) {
            const QString name = names.value(0).toString();
            window_->form.SetText(Box::txtElement, name);
            const int start = cursorAt();
            box->end(false);
            // From its first letter to its last: leftwards in a name read from right to left.
            QVERIFY2(std::abs(cursorAt() - start) == box->fontMetrics().horizontalAdvance(name),
                     qPrintable(name));
        }
        for (const QtText& text : kQtTexts) {
            QVERIFY(text.context != QLatin1String("QLineEdit") ||
                    (QCoreApplication::translate(text.context, text.text) == text.text) ==
                        (praise == "Your my hero"));
        }
    }

    // The language is chosen as desktops choose it, from the environment's locale variables.
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
        row("English first in LANGUAGE", {"", "", "en_US.UTF-8", "en_US:de", "en_US"});
        row("the first of LANGUAGE spoken", {"", "", "th_TH.UTF-8", "th:vi:de", "de"});
        row("Brazil named", {"", "", "pt_BR.UTF-8", "", "pt_BR"});
        row("Portugal, European", {"", "", "pt_PT.UTF-8", "pt_PT:pt", "pt"});
        row("Norway, by its common code", {"", "", "no_NO.UTF-8", "", "nb"});
        row("Singapore, Simplified Chinese", {"", "", "zh_SG.UTF-8", "", "zh_CN"});
        row("Macau, Traditional Chinese", {"", "", "zh_MO.UTF-8", "", "zh_TW"});
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
    }

    // The program answers its command line (tst_commandline has every case) as it starts: text
    // needs no display (the X11 platform with no X server to reach), and Qt's own texts follow
    // the language; where the quiz needs a display that cannot be opened, one line and status 1.
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
        row("--help, in German", {"--help"}, 0, "Zeigt Versionsinformation an.", "de_DE.UTF-8");
        row("an unknown option", {"--unknown"}, 1, "\"--unknown" + hint);
        // No display to be had: one line that says so, whatever the platform.
        const QString noDisplay = "valtora: no display could be opened.";
        row("no display", {}, 1, noDisplay);
        row("a display nobody answers", {"-display", ":99"}, 1, noDisplay);
        row("an unknown platform", {"-platform", "nonexistent"}, 1, noDisplay);
        row("Wayland without a compositor", {"-platform", "wayland"}, 1, noDisplay);
        row("-platform without its value", {"-platform"}, 1, "Missing value after '-platform'.");
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
        // As a desktop session sets it, so that Wayland's client library looks for a compositor.
        environment.insert("XDG_RUNTIME_DIR", QDir::tempPath());
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
            if (status == 1)
                QCOMPARE(output.count(u'\n'), 1);
        }
        QVERIFY2(output.contains(printed), qPrintable(output));
    }

    // Read from right to left (Arabic), the window is mirrored at each display scale this test
    // runs at: each control's place reflected about its parent's centre line. Qt's bidi draws a
    // run of Latin letters or digits left to right within it: the mass in its box, a symbol
    // typed after an Arabic word, left of the word, which reads from right to left.
    void mirrorsRightToLeft() {
        QHash<QString, QRect> leftToRight;
        for (QWidget* control : window_->form.findChildren<QWidget*>())
            leftToRight.insert(control->objectName(), control->geometry());
        const Translation arabic{{QStringLiteral("ar")}};
        Start(arabic.Language());
        QVERIFY(window_->form.isRightToLeft());
        for (QWidget* control : window_->form.findChildren<QWidget*>()) {
            const QRect was = leftToRight.value(control->objectName());
            QCOMPARE(
                control->geometry(),
                was.translated(control->parentWidget()->width() - was.width() - 2 * was.x(), 0));
        }
        SpinTo(26);
        const auto cursorAt = [](QLineEdit* box, int position) {
            box->setCursorPosition(position);
            return box->inputMethodQuery(Qt::ImCursorRectangle).toRect().x();
        };
        QLineEdit* mass = Edit(Box::txtAtomicMass);
        QVERIFY(cursorAt(mass, 1) < cursorAt(mass, 2) && cursorAt(mass, 2) < cursorAt(mass, 3));
        QLineEdit* answer = Edit(Box::txtAnswer);
        answer->setText(QStringLiteral("حديد Fe"));
        QVERIFY(cursorAt(answer, 6) < cursorAt(answer, 7) &&
                cursorAt(answer, 7) < cursorAt(answer, 4) &&
                cursorAt(answer, 2) < cursorAt(answer, 1));
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
            const QString told = AccessibleTexts(window);
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
