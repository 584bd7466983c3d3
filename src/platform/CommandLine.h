// SPDX-FileCopyrightText: 2026 Orvashel <orvashel@valtora.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringList>

// What the program does with its command line: shows the quiz, or prints text and ends.
struct CommandLineAnswer {
    bool showsQuiz = false;
    // For standard output: usage, or the version.
    QString output;
    // For standard error: one line that names what the program does not know, and where to look.
    QString error;
    int exitStatus = 0;
};

// The answer to `arguments` (the program's name first), read as Qt reads its own options:
// -platform is one option, not eight letters; Qt's own options (-platform offscreen) combine
// with --help and --version; "--" ends the options. Texts are in the language installed.
[[nodiscard]] CommandLineAnswer AnswerCommandLine(const QStringList& arguments);
