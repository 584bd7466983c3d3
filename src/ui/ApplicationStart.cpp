// SPDX-FileCopyrightText: 2026 Orvashel <orvashel@valtora.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ApplicationStart.h"

#include "platform/DisplayConnection.h"
#include "platform/Translation.h"

#include <QApplication>
#include <fontconfig/fontconfig.h>
#include <thread>

std::unique_ptr<QCoreApplication> StartApplication(int& argc, char** argv, bool withDisplay) {
    std::unique_ptr<QCoreApplication> app;
    if (!withDisplay) {
        app = std::make_unique<QCoreApplication>(argc, argv);
    } else {
        // Fontconfig reads its configuration and its cache of the system's fonts the first time
        // a font is asked for, some milliseconds: read on a core of its own while Qt connects to
        // the display, it holds up none of the window's first text.
        std::thread fonts([] { FcInit(); });
        {
            const DisplayConnection connecting(TranslateBeforeStart(
                "ApplicationStart",
                QT_TRANSLATE_NOOP("ApplicationStart",
                                  "valtora: no display could be opened. Choose one with "
                                  "DISPLAY (X11) or WAYLAND_DISPLAY (Wayland), or run "
                                  "without one with \"-platform offscreen\".")));
            app = std::make_unique<QApplication>(argc, argv);
        }
        fonts.join();
    }
    QCoreApplication::setApplicationName(QStringLiteral("Valtora"));
    QCoreApplication::setApplicationVersion(QStringLiteral(VALTORA_VERSION));
    return app;
}
