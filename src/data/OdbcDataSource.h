// SPDX-FileCopyrightText: 2026 Orvashel <orvashel@valtora.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "DataSourceFaults.h"

#include <QString>

class QSqlQuery;

// Calls to the ODBC driver manager for what Qt's ODBC driver does not offer.

// Whether the system's ODBC configuration (user or system odbc.ini, as the driver manager
// resolves it) defines a data source of this name, with at least one line. Names are matched
// without regard to case.
[[nodiscard]] bool IsOdbcDataSourceDefined(const QString& name);

// What the ODBC configuration says of the data source `name`: its driver, whether that driver is
// installed, and for SQLite's driver the database file.
[[nodiscard]] DataSourceDetails ReadOdbcDataSource(const QString& name);

// How SQLite's driver reads a result: a row at a time, holding the database's read lock and its
// statement until the result's end, so that a table of any size is read in little memory; or
// whole at once, keeping the statement prepared and no lock, as suits one-row lookups.
enum class SqliteResults { Stepped, Whole };

// The connection string that opens the data source. For SQLite's driver: never creating a
// missing database file, waiting on a lock at most the source's timeout in all (not 200 s),
// reading integer columns as 64-bit numbers, so that large ones are not cut short, and reading
// results as `results` says.
[[nodiscard]] QString OdbcConnectionString(const DataSourceDetails& source, SqliteResults results);

// Limits how long the driver lets a prepared statement of Qt's ODBC driver run.
void SetOdbcQueryTimeout(const QSqlQuery& query, int seconds);

// The SQLSTATE of the diagnostics a failed statement of Qt's ODBC driver left, or nothing.
[[nodiscard]] QString OdbcSqlState(const QSqlQuery& query);
