// SPDX-FileCopyrightText: 2026 Orvashel <orvashel@valtora.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "data/ElementDatabase.h"
#include "data/ElementTableCheck.h"
#include "platform/CommandLine.h"
#include "platform/ErrorReporting.h"
#include "platform/QtRuntimeServices.h"
#include "platform/Translation.h"
#include "quiz/QuestionGate.h"
#include "ui/ApplicationStart.h"
#include "ui/frmElements.h"

#include <QApplication>
#include <QIcon>
#include <cstdio>
#include <memory>

int main(int argc, char* argv[]) {
    // The command line decides whether a display is needed: text needs none.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    const bool asksForText = !AnswerCommandLine(arguments).showsQuiz;
    const std::unique_ptr<QCoreApplication> app = StartApplication(argc, argv, !asksForText);
    // The window, its messages, the element names and Qt's texts in the user's locale's language.
    const Translation translation;
    if (asksForText) {
        // Again, now in the user's language.
        const CommandLineAnswer answer = AnswerCommandLine(arguments);
        std::fputs(qPrintable(answer.output), stdout);
        std::fputs(qPrintable(answer.error), stderr);
        return answer.exitStatus;
    }

    // Names the desktop entry, so that a Wayland compositor matches the window to its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(VALTORA_APP_ID));
    QtRuntimeServices runtime;
    // While a data source's call is waited for, the window paints and drops the input it gets.
    ElementDatabase database(ClassLanguage(translation.Language()), QuestionGate::WhileWaiting);
    // A school's own data source is opened and checked before the window shows, so that a fault
    // in it is the first thing on the screen.
    if (!database.IsEmbedded() && !RunReportingErrors(runtime, [&] { OpenCheckedTable(database); }))
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
            OpenCheckedTable(database);
    });
    return QApplication::exec();
}
