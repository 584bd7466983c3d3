// SPDX-FileCopyrightText: 2026 Orvashel <orvashel@valtora.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/CommandLine.h"

#include <QTest>

// The command line, answered without starting the program: usage, the version, the quiz, or for
// what the program does not know, status 1 and a one-line hint that names it.
class TestCommandLine : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        QCoreApplication::setApplicationName(QStringLiteral("Valtora"));
        QCoreApplication::setApplicationVersion(QStringLiteral("1.2.3"));
    }

    void everyCommandLineIsAnswered_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("showsQuiz");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("printed");
        const QString hint = QStringLiteral(
            "\" is not an option or argument of Valtora; \"valtora --help\" lists them.\n");
        const auto row = [](const char* name, const QStringList& arguments, bool showsQuiz,
                            int status, const QString& printed) {
            QTest::newRow(name) << arguments << showsQuiz << status << printed;
        };
        row("nothing", {}, true, 0, {});
        row("--, then nothing", {"--"}, true, 0, {});
        row("Qt's own options", {"-platform", "offscreen", "-reverse"}, true, 0, {});
        row("--version", {"--version"}, false, 0, "Valtora 1.2.3\n");
        row("Qt's own options, then --version", {"-platform", "offscreen", "--version"}, false, 0,
            "Valtora 1.2.3\n");
        row("--help", {"--help"}, false, 0, "-v, --version");
        row("--help-all", {"--help-all"}, false, 0, "-v, --version");
        row("-- ends the options", {"--", "--version"}, false, 1, "valtora: \"--version" + hint);
        row("an unknown option", {"--unknown=1"}, false, 1, "valtora: \"--unknown=1" + hint);
        row("an argument", {"x"}, false, 1, "valtora: \"x" + hint);
        row("a 100 KB argument", {QString(100 * 1024, u'x')}, false, 1,
            "valtora: \"" + QString(40, u'x') + u'…' + hint);
        row("-platform without its value", {"-platform"}, false, 1,
            "valtora: Missing value after '-platform'.\n");
    }
    void everyCommandLineIsAnswered() {
        QFETCH(QStringList, arguments);
        QFETCH(bool, showsQuiz);
        QFETCH(int, status);
        QFETCH(QString, printed);
        const CommandLineAnswer answer =
            AnswerCommandLine(QStringList{QStringLiteral("valtora")} + arguments);
        QCOMPARE(answer.showsQuiz, showsQuiz);
        QCOMPARE(answer.exitStatus, status);
        const QString& text = status == 0 ? answer.output : answer.error;
        QVERIFY2(status == 0 ? text.contains(printed) : text == printed, qPrintable(text));
    }
};

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"
