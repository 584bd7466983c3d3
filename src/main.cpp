// SPDX-FileCopyrightText: 2026 Orvashel <orvashel@valtora.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "data/ElementDatabase.h"
#include "platform/DisplayConnection.h"
#include "platform/ErrorReporting.h"
#include "platform/QtRuntimeServices.h"
#include "platform/Translation.h"
#include "ui/frmElements.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QIcon>
#include <array>
#include <cstdio>
#include <fontconfig/fontconfig.h>
#include <memory>
#include <thread>

namespace {
// Qt's own options, which its applications take from any command line (-platform offscreen):
// known here too, so that they combine with --help and --version, and hidden from the help.
constexpr std::array kQtOptionsWithValue{"platform",        "platformpluginpath",
                                         "platformtheme",   "plugin",
                                         "qwindowgeometry", "geometry",
                                         "qwindowtitle",    "title",
                                         "qwindowicon",     "icon",
                                         "display",         "name",
                                         "session",         "style",
                                         "stylesheet"};
constexpr std::array kQtFlags{"reverse", "nograb", "dograb", "sync", "widgetcount"};

// The options the program knows, its own and Qt's, read as Qt reads its own: -platform is one
// option, not eight letters; "--" ends the options.
void DescribeOptions(QCommandLineParser& options) {
    options.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    options.setApplicationDescription(
        QCoreApplication::translate("main", "A desktop quiz on the chemical elements."));
    options.addHelpOption();
    options.addVersionOption();
    for (const char* name : kQtOptionsWithValue) {
        QCommandLineOption option(QString::fromLatin1(name), QString(), QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        options.addOption(option);
    }
    for (const char* name : kQtFlags) {
        QCommandLineOption option(QString::fromLatin1(name));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        options.addOption(option);
    }
}

// Whether the command line asks for text rather than the quiz: usage, the version, or a hint
// for what the program does not know. Text needs no display.
bool AsksForText(const QCommandLineParser& options, bool parsed) {
    return !parsed || options.isSet(QStringLiteral("help")) ||
           options.isSet(QStringLiteral("help-all")) || options.isSet(QStringLiteral("version")) ||
           !options.positionalArguments().isEmpty();
}

// Answers a command line that asks for text, and returns the exit status: usage or the version,
// or for an option or argument the program does not know, one line that names it, shortened,
// and says where to look.
int AnswerWithText(QCommandLineParser& options) {
    const bool parsed = options.parse(QCoreApplication::arguments());
    if (parsed && options.positionalArguments().isEmpty())
        options.process(QCoreApplication::arguments());
    // An option the program knows, without the value it needs (-platform alone): Qt says which.
    if (!parsed && options.unknownOptionNames().isEmpty()) {
        std::fprintf(stderr, "valtora: %s\n", qPrintable(options.errorText()));
        return 1;
    }
    // What was typed: an option as it was written ("-x", "--x=1"), or the first argument.
    QString unknown = options.positionalArguments().value(0);
    for (const QString& argument : QCoreApplication::arguments().mid(1)) {
        if (!options.unknownOptionNames().isEmpty() && argument.startsWith(u'-') &&
            argument.section(u'=', 0, 0)
                    .remove(0, argument.startsWith(QLatin1String("--")) ? 2 : 1) ==
                options.unknownOptionNames().constFirst()) {
            unknown = argument;
            break;
        }
    }
    // Long enough to recognise what was typed, short enough for one line.
    constexpr qsizetype kShown = 40;
    const QString shown = unknown.size() > kShown ? unknown.left(kShown) + u'…' : unknown;
    const QString hint = QCoreApplication::translate(
                             "main", "valtora: \"%1\" is not an option or argument of Valtora; "
                                     "\"valtora --help\" lists them.")
                             .arg(shown);
    std::fprintf(stderr, "%s\n", qPrintable(hint));
    return 1;
}
} // namespace

int main(int argc, char* argv[]) {
    // The command line as the parser reads it decides whether a display is needed.
    bool asksForText = false;
    {
        QStringList arguments;
        for (int i = 0; i < argc; ++i)
            arguments.append(QString::fromLocal8Bit(argv[i]));
        QCommandLineParser options;
        DescribeOptions(options);
        const bool parsed = options.parse(arguments);
        asksForText = AsksForText(options, parsed);
    }
    // Fontconfig reads its configuration and its cache of the system's fonts the first time a
    // font is asked for, some milliseconds: read on a core of its own while Qt connects to the
    // display, it holds up none of the window's first text.
    std::thread fonts;
    if (!asksForText)
        fonts = std::thread([] { FcInit(); });
    std::unique_ptr<QCoreApplication> app;
    if (asksForText) {
        app = std::make_unique<QCoreApplication>(argc, argv);
    } else {
        const DisplayConnection connecting(TranslateBeforeStart(
            "main", QT_TRANSLATE_NOOP("main", "valtora: no display could be opened. Choose one "
                                              "with DISPLAY (X11) or WAYLAND_DISPLAY (Wayland), "
                                              "or run without one with \"-platform offscreen\".")));
        app = std::make_unique<QApplication>(argc, argv);
    }
    if (fonts.joinable())
        fonts.join();
    // The application name doubles as the display name that titles the message boxes.
    QCoreApplication::setApplicationName(QStringLiteral("Valtora"));
    QCoreApplication::setApplicationVersion(QStringLiteral(VALTORA_VERSION));

    // The window, its messages, the element names and Qt's own texts in the language of the
    // user's locale.
    const Translation translation;
    if (asksForText) {
        QCommandLineParser options;
        DescribeOptions(options);
        return AnswerWithText(options);
    }

    // Names the desktop entry, so that a Wayland compositor matches the window to its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(VALTORA_APP_ID));
    QtRuntimeServices runtime;
    ElementDatabase database(translation.Language());
    // A school's own data source is opened and checked before the window shows, so that a fault
    // in it is the first thing on the screen.
    if (!database.IsEmbedded() && !RunReportingErrors(runtime, [&] { database.Open(); }))
        return kRuntimeErrorExitStatus;

    frmElements window(database, runtime);
    runtime.SetDialogParent(&window);
    window.show();
    // A kiosk session has no window manager to make the window active: it asks itself.
    window.activateWindow();
    // What the first frame does not need waits until it is on the screen: the window's icon, and
    // the embedded table, loaded and checked in some milliseconds.
    window.AfterFirstFrame([&database] {
        QApplication::setWindowIcon(QIcon(QStringLiteral(":/valtora/valtora.png")));
        if (database.IsEmbedded())
            database.Open();
    });
    return QApplication::exec();
}
