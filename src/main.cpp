// SPDX-FileCopyrightText: 2026 Orvashel <orvashel@valtora.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "data/ElementDatabase.h"
#include "platform/ErrorReporting.h"
#include "platform/QtRuntimeServices.h"
#include "platform/Translation.h"
#include "ui/frmElements.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QIcon>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    // The application name doubles as the display name that titles the message boxes.
    QApplication::setApplicationName(QStringLiteral("Valtora"));
    QApplication::setApplicationVersion(QStringLiteral(VALTORA_VERSION));
    // Names the desktop entry, so that a Wayland compositor matches the window to its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(VALTORA_APP_ID));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/valtora/valtora.png")));

    // The window, its messages and the element names in the language of the user's locale.
    const Translation translation;

    // --help and --version; Qt's own options (-platform, ...) are taken by QApplication above.
    QCommandLineParser options;
    options.setApplicationDescription(
        QCoreApplication::translate("main", "A desktop quiz on the chemical elements."));
    options.addHelpOption();
    options.addVersionOption();
    options.process(app);

    QtRuntimeServices runtime;
    ElementDatabase database(translation.Language());
    if (!RunReportingErrors(runtime, [&] { database.Open(); }))
        return kRuntimeErrorExitStatus;

    frmElements window(database, runtime);
    runtime.SetDialogParent(&window);
    window.show();
    // A kiosk session has no window manager to make the window active: it asks itself.
    window.activateWindow();
    return QApplication::exec();
}
