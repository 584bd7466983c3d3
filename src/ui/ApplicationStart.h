// SPDX-FileCopyrightText: 2026 Orvashel <orvashel@valtora.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QCoreApplication>
#include <memory>

// The application object, named Valtora with its version (the message boxes' title, --version):
// for text alone, one that needs no display; for the window, one connected to its display, with
// fontconfig read meanwhile on a core of its own. Where no display can be opened, the program
// says so in one line and ends with status 1.
[[nodiscard]] std::unique_ptr<QCoreApplication> StartApplication(int& argc, char** argv,
                                                                 bool withDisplay);
