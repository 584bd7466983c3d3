// SPDX-FileCopyrightText: 2026 Orvashel <orvashel@valtora.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The "desks" figures: a whole school's desks on one PostgreSQL server, each desk its own ODBC
// connection through psqlODBC as the program makes it, first straight to the server (beside
// pgbench under the same load), then spread over the server and a hot standby of it, then
// through PgBouncer.

// Prints the figures, each desk spinning for `seconds` (60 when 0). Runs itself again under
// pg_virtualenv, whose throwaway server listens on the loopback address only, and starts a
// throwaway standby and PgBouncer beside it; all are removed at the end.
int DesksFigures(int seconds);

// Child mode: `desks` desks, a thread each, on the data source the environment names. They log
// in over ten seconds; once all have started, each spins every 2 to 5 seconds (every `paceMs`
// milliseconds when not 0) for `seconds`. Prints "started refused errors class", the seconds
// until the whole class had started counted as `class`, then every spin's nanoseconds.
int RunDesks(int desks, int seconds, int paceMs);
