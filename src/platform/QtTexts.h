// SPDX-FileCopyrightText: 2026 Orvashel <orvashel@valtora.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QtGlobal>
#include <array>

// One of Qt's own texts, in the context Qt translates it in.
struct QtText {
    const char* context;
    const char* text;
};

// Qt's own texts that the program shows: the answer box's context menu, the message boxes'
// button, the lines of --help. Listed here so that the program's translations carry them for
// the languages Qt ships none for (Bokmål, Swedish, Greek) or only in another variant
// (Portugal's Portuguese); Qt's own translation, where there is one, goes first.
inline constexpr std::array kQtTexts{
    QtText{"QLineEdit", QT_TRANSLATE_NOOP("QLineEdit", "&Undo")},
    QtText{"QLineEdit", QT_TRANSLATE_NOOP("QLineEdit", "&Redo")},
    QtText{"QLineEdit", QT_TRANSLATE_NOOP("QLineEdit", "Cu&t")},
    QtText{"QLineEdit", QT_TRANSLATE_NOOP("QLineEdit", "&Copy")},
    QtText{"QLineEdit", QT_TRANSLATE_NOOP("QLineEdit", "&Paste")},
    QtText{"QLineEdit", QT_TRANSLATE_NOOP("QLineEdit", "Delete")},
    QtText{"QLineEdit", QT_TRANSLATE_NOOP("QLineEdit", "Select All")},
    QtText{"QUnicodeControlCharacterMenu",
           QT_TRANSLATE_NOOP("QUnicodeControlCharacterMenu", "Insert Unicode control character")},
    QtText{"QPlatformTheme", QT_TRANSLATE_NOOP("QPlatformTheme", "OK")},
    QtText{"QGnomeTheme", QT_TRANSLATE_NOOP("QGnomeTheme", "&OK")},
    QtText{"QCommandLineParser", QT_TRANSLATE_NOOP("QCommandLineParser", "Usage: %1")},
    QtText{"QCommandLineParser", QT_TRANSLATE_NOOP("QCommandLineParser", "[options]")},
    QtText{"QCommandLineParser", QT_TRANSLATE_NOOP("QCommandLineParser", "Options:")},
    QtText{"QCommandLineParser",
           QT_TRANSLATE_NOOP("QCommandLineParser", "Displays help on commandline options.")},
    QtText{"QCommandLineParser",
           QT_TRANSLATE_NOOP("QCommandLineParser", "Displays help including Qt specific options.")},
    QtText{"QCommandLineParser",
           QT_TRANSLATE_NOOP("QCommandLineParser", "Displays version information.")},
    QtText{"QCommandLineParser",
           QT_TRANSLATE_NOOP("QCommandLineParser", "Missing value after '%1'.")},
    // The direction the language is read in, "LTR" or "RTL", which mirrors the window.
    QtText{"QGuiApplication", QT_TRANSLATE_NOOP("QGuiApplication", "QT_LAYOUT_DIRECTION")},
};
