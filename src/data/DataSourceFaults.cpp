// SPDX-FileCopyrightText: 2026 Orvashel <orvashel@valtora.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "DataSourceFaults.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QRegularExpression>
#include <array>
#include <utility>

namespace {
// The translation context of the messages.
struct DataSourceFaults {
    Q_DECLARE_TR_FUNCTIONS(DataSourceFaults)
};

// Words by which drivers, servers and poolers tell of each fault a server may have, matched
// regardless of case. PostgreSQL 12 to 17, PgBouncer, psqlODBC and unixODBC word them so.
const std::array<std::pair<DataSourceFault, const char*>, 5> kServerFaultWords{{
    // PostgreSQL: "sorry, too many clients already", "remaining connection slots are reserved
    // for ...", "too many connections for role/database ..."; PgBouncer: "no more connections
    // allowed (max_client_conn)".
    {DataSourceFault::ServerFull, "too many clients|too many connections|remaining connection "
                                  "slots are reserved|no more connections allowed"},
    // Passwords (PgBouncer: "SASL authentication failed"), roles, databases and pg_hba.conf.
    {DataSourceFault::LoginRefused,
     "authentication failed|no password supplied|pg_hba\\.conf|role \"[^\"]*\" does not "
     "exist|database \"[^\"]*\" does not exist|no such database|no such user|not permitted to "
     "log in|permission denied for database"},
    // PgBouncer: "server login has been failing, try again later (server_login_retry)".
    {DataSourceFault::ServerUnreachable,
     "connection refused|could not translate host name|name or service not known|no route to "
     "host|network is unreachable|temporary failure in name resolution|could not connect to "
     "server|server login has been failing"},
    // psqlODBC, after the server went: "the connection has been lost", then "... unable due to
    // the connection lost".
    {DataSourceFault::ConnectionLost,
     "server closed the connection unexpectedly|terminating connection|connection has been "
     "lost|connection lost|could not (send|receive) data (to|from) server|no connection to the "
     "server|the database system is shutting down|communication link failure"},
    {DataSourceFault::NoAnswer, "timeout expired|query_wait_timeout|canceling statement due to "
                                "(statement timeout|user request)"},
}};

bool Says(const QString& text, const char* words) {
    return QRegularExpression(QString::fromLatin1(words), QRegularExpression::CaseInsensitiveOption)
        .match(text)
        .hasMatch();
}
} // namespace

std::optional<DataSourceFault> RecognizeFault(const DataSourceDetails& source,
                                              const QString& driverText) {
    if (!source.odbc)
        return std::nullopt;
    // The driver manager finds the data source, but not the driver it names.
    if (!source.driverInstalled || Says(driverText, "can't open lib|data source name not found"))
        return DataSourceFault::DriverMissing;
    if (source.sqlite) {
        // SQLite's driver opens a missing or empty name as a new, empty database.
        if (source.databaseFile.isEmpty())
            return DataSourceFault::NoDatabaseFile;
        if (!QFileInfo::exists(source.databaseFile))
            return DataSourceFault::DatabaseFileMissing;
        if (Says(driverText, "not a database"))
            return DataSourceFault::NotADatabase;
        if (Says(driverText, "database is locked|database table is locked|timeout expired"))
            return DataSourceFault::DatabaseLocked;
        return std::nullopt;
    }
    for (const auto& [fault, words] : kServerFaultWords) {
        if (Says(driverText, words))
            return fault;
    }
    return std::nullopt;
}

QString DescribeFault(DataSourceFault fault, const DataSourceDetails& source,
                      const QString& driverText) {
    const QString& dataSource = source.description;
    QString message;
    switch (fault) {
    case DataSourceFault::DriverMissing:
        message = DataSourceFaults::tr(
                      "%1 names the ODBC driver \"%2\", which is not installed on this computer. "
                      "Install it, or name an installed driver on the data source's Driver line: "
                      "the command \"odbcinst -q -d\" lists them.")
                      .arg(dataSource, source.driver);
        break;
    case DataSourceFault::NoDatabaseFile:
        message = DataSourceFaults::tr(
                      "%1 names no database file: its Database line is empty. Put the path of the "
                      "SQLite file that holds the table elements there.")
                      .arg(dataSource);
        break;
    case DataSourceFault::DatabaseFileMissing:
        message = DataSourceFaults::tr(
                      "The database file \"%2\" of %1 does not exist. Check the path on the data "
                      "source's Database line.")
                      .arg(dataSource, source.databaseFile);
        break;
    case DataSourceFault::NotADatabase:
        message = DataSourceFaults::tr(
                      "The file \"%2\" of %1 is not an SQLite database. Check the path on the data "
                      "source's Database line, or make the file again with the sqlite3 shell.")
                      .arg(dataSource, source.databaseFile);
        break;
    case DataSourceFault::DatabaseLocked:
        message = DataSourceFaults::tr(
                      "The database file \"%2\" of %1 is locked by another program that is "
                      "changing it. Close that program, or end its transaction, then start Valtora "
                      "again.")
                      .arg(dataSource, source.databaseFile);
        break;
    case DataSourceFault::ServerFull:
        message = DataSourceFaults::tr(
                      "The server of %1 accepts no more connections: all it allows are in use. "
                      "Close Valtora on another desk, or ask whoever runs the server to allow more "
                      "connections or to put a connection pooler in front of it.")
                      .arg(dataSource);
        break;
    case DataSourceFault::LoginRefused:
        message = DataSourceFaults::tr(
                      "The server of %1 refused the login. Check the Username, Password and "
                      "Database lines of the data source, and that the server lets that role "
                      "connect from this computer (pg_hba.conf).")
                      .arg(dataSource);
        break;
    case DataSourceFault::ServerUnreachable:
        message = DataSourceFaults::tr(
                      "The server of %1 cannot be reached. Check the Servername and Port lines of "
                      "the data source, that the server is running, and that this computer can "
                      "reach it over the network.")
                      .arg(dataSource);
        break;
    case DataSourceFault::ConnectionLost:
        message = DataSourceFaults::tr(
                      "The connection to the server of %1 was lost: the server was stopped or "
                      "restarted, or the network failed. Start Valtora again once the server is "
                      "back.")
                      .arg(dataSource);
        break;
    case DataSourceFault::NoAnswer:
        message = DataSourceFaults::tr(
                      "%1 did not answer within %2 seconds. Check that its server is running and "
                      "not overloaded, and that no other program holds its database locked, then "
                      "start Valtora again.")
                      .arg(dataSource)
                      .arg(source.timeoutSeconds);
        break;
    }
    if (!driverText.isEmpty())
        message +=
            QStringLiteral("\n\n") + DataSourceFaults::tr("The driver said: %1").arg(driverText);
    return message;
}
