// SPDX-FileCopyrightText: 2026 Orvashel <orvashel@valtora.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ProgramEnd.h"

#include <cstdio>
#include <cstdlib>

void EndProgram(int exitStatus) {
    std::fflush(nullptr);
    std::_Exit(exitStatus);
}
