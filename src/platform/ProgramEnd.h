// SPDX-FileCopyrightText: 2026 Orvashel <orvashel@valtora.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Ends the program at once with `exitStatus`, whatever still runs: no further event of the
// program runs, and a call into a driver that has not returned, or a query still running on a
// server, is abandoned. The program writes nothing, so nothing is lost; the server ends the
// connection when the process goes. The one place where the process ends.
[[noreturn]] void EndProgram(int exitStatus);
