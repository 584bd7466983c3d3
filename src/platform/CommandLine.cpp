// SPDX-FileCopyrightText: 2026 Orvashel <orvashel@valtora.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "CommandLine.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <array>

namespace {
// The translation context of the messages.
struct CommandLine {
    Q_DECLARE_TR_FUNCTIONS(CommandLine)
};
// Qt's own options, which its applications take from any command line: known here too, and
// hidden from the help.
constexpr std::array kQtOptionsWithValue{"platform",        "platformpluginpath",
                                         "platformtheme",   "plugin",
                                         "qwindowgeometry", "geometry",
                                         "qwindowtitle",    "title",
                                         "qwindowicon",     "icon",
                                         "display",         "name",
                                         "session",         "style",
                                         "stylesheet"};
constexpr std::array kQtFlags{"reverse", "nograb", "dograb", "sync", "widgetcount"};

void DescribeOptions(QCommandLineParser& options) {
    options.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    options.setApplicationDescription(CommandLine::tr("A desktop quiz on the chemical elements."));
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

// What was typed that the program does not know: an option as it was written ("-x", "--x=1"),
// or the first argument.
QString Unknown(const QCommandLineParser& options, const QStringList& arguments) {
    for (const QString& argument : arguments.mid(1)) {
        if (!options.unknownOptionNames().isEmpty() && argument.startsWith(u'-') &&
            argument.section(u'=', 0, 0)
                    .remove(0, argument.startsWith(QLatin1String("--")) ? 2 : 1) ==
                options.unknownOptionNames().constFirst())
            return argument;
    }
    return options.positionalArguments().value(0);
}
} // namespace

CommandLineAnswer AnswerCommandLine(const QStringList& arguments) {
    QCommandLineParser options;
    DescribeOptions(options);
    const bool parsed = options.parse(arguments);
    if (parsed && options.positionalArguments().isEmpty()) {
        if (options.isSet(QStringLiteral("help")) || options.isSet(QStringLiteral("help-all")))
            return {false, options.helpText(), {}, 0};
        if (options.isSet(QStringLiteral("version"))) {
            return {false,
                    QCoreApplication::applicationName() + u' ' +
                        QCoreApplication::applicationVersion() + u'\n',
                    {},
                    0};
        }
        return {true, {}, {}, 0};
    }
    // An option the program knows, without the value it needs (-platform alone): Qt says which.
    if (!parsed && options.unknownOptionNames().isEmpty())
        return {false, {}, QStringLiteral("valtora: %1\n").arg(options.errorText()), 1};
    // Long enough to recognise what was typed, short enough for one line.
    constexpr qsizetype kShown = 40;
    const QString unknown = Unknown(options, arguments);
    const QString shown = unknown.size() > kShown ? unknown.left(kShown) + u'…' : unknown;
    return {false,
            {},
            CommandLine::tr("valtora: \"%1\" is not an option or argument of Valtora; "
                            "\"valtora --help\" lists them.")
                    .arg(shown) +
                u'\n',
            1};
}
