// SPDX-FileCopyrightText: 2026 Orvashel <orvashel@valtora.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QStringList>

// Copies of the element table the program ships, in databases of their own, for the tests and
// the benchmark. Each raises a RuntimeError that says what failed.

// An SQLite database file holding the table, then changed by `changes`.
void CreateSqliteElementFile(const QString& path, const QStringList& changes = {});

// Runs SQL through psql as the superuser of the PostgreSQL cluster the environment names (as
// pg_virtualenv sets PGHOST, PGPORT, PGUSER and PGPASSWORD); returns the rows it printed, a line
// each, their values separated by "|".
QByteArray RunPsql(const QString& database, const QByteArray& sql);

// A PostgreSQL database holding the table, changed by the psql lines `changes`, that the role
// "quiz" (which must exist) may only read.
void CreatePostgresElementDatabase(const QString& database, const QStringList& changes = {});

// The odbc.ini lines of a data source on such a database, reached through psqlODBC on a
// loopback port as the role "quiz".
QStringList PostgresDataSource(const QString& database, int port);
