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
#include <algorithm>
#include <memory>
#include <string_view>

namespace {
// Whether the command line asks only for text (--help, --version), which needs no display.
bool AsksOnlyForText(int argc, char* argv[]) {
    return std::any_of(argv + 1, argv + argc, [](std::string_view option) {
        return option == "-h" || option == "--help" || option == "-v" || option == "--version";
    });
}
} // namespace

int main(int argc, char* argv[]) {
    const std::unique_ptr<QCoreApplication> app =
        AsksOnlyForText(argc, argv) ? std::make_unique<QCoreApplication>(argc, argv)
                                    : std::make_unique<QApplication>(argc, argv);
    // The application name doubles as the display name that titles the message boxes.
    QCoreApplication::setApplicationName(QStringLiteral("Valtora"));
    QCoreApplication::setApplicationVersion(QStringLiteral(VALTORA_VERSION));

    // The window, its messages and the element names in the language of the user's locale.
    const Translation translation;

    // --help and --version print and end here; Qt's own options (-platform, ...) are taken by
    // QApplication above.
    QCommandLineParser options;
    options.setApplicationDescription(
        QCoreApplication::translate("main", "A desktop quiz on the chemical elements."));
    options.addHelpOption();
    options.addVersionOption();
    options.process(*app);

    // Names the desktop entry, so that a Wayland compositor matches the window to its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(VALTORA_APP_ID));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/valtora/valtora.png")));
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
