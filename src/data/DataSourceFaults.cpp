// SPDX-FileCopyrightText: 2026 Orvashel <orvashel@valtora.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "DataSourceFaults.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QList>
#include <QRegularExpression>
#include <array>
#include <utility>

namespace {
// The translation context of the messages.
struct DataSourceFaults {
    Q_DECLARE_TR_FUNCTIONS(DataSourceFaults)
};

using enum DataSourceFault;

// SQLSTATEs that name one cause alone, whoever sends them: the server's own (PostgreSQL passes
// them on through psqlODBC and PgBouncer) and the ODBC classes of a lost connection and of a
// timeout.
const std::array<std::pair<QLatin1StringView, DataSourceFault>, 15> kStates{{
    {QLatin1StringView("53300"), ServerFull},
    {QLatin1StringView("28000"), LoginRefused},
    {QLatin1StringView("28P01"), LoginRefused},
    {QLatin1StringView("3D000"), LoginRefused},
    {QLatin1StringView("57P01"), ConnectionEnded},
    {QLatin1StringView("57P02"), ConnectionLost},
    {QLatin1StringView("57P03"), ServerNotReady},
    {QLatin1StringView("57P05"), IdleSessionClosed},
    {QLatin1StringView("55P03"), LockTimeout},
    {QLatin1StringView("42501"), NoPrivilege},
    {QLatin1StringView("08S01"), ConnectionLost},
    {QLatin1StringView("08003"), ConnectionLost},
    {QLatin1StringView("08006"), ConnectionLost},
    {QLatin1StringView("HYT00"), NoAnswer},
    {QLatin1StringView("HYT01"), NoAnswer},
}};

// Words of the client side, which speaks English here (ElementDatabase puts the C library's and
// libpq's messages in the C locale): psqlODBC, libpq, unixODBC and PgBouncer; and English servers
// of PostgreSQL 12 to 17, whose words vary more than one version's catalogues. Matched regardless
// of case.
const std::array<std::pair<DataSourceFault, const char*>, 5> kClientWords{{
    // PostgreSQL: "remaining connection slots are reserved for roles with ..." (16 on);
    // PgBouncer: "no more connections allowed (max_client_conn)".
    {ServerFull, "too many clients|too many connections|remaining connection slots are "
                 "reserved|no more connections allowed"},
    // Passwords (PgBouncer: "SASL authentication failed"), roles, databases and pg_hba.conf;
    // libpq: "fe_sendauth: no password supplied".
    {LoginRefused,
     "authentication failed|no password supplied|pg_hba\\.conf|role \"[^\"]*\" does not "
     "exist|database \"[^\"]*\" does not exist|no such database|no such user|not permitted to "
     "log in|permission denied for database"},
    // PgBouncer: "server login has been failing, try again later (server_login_retry)".
    {ServerUnreachable,
     "connection refused|could not translate host name|name or service not known|no route to "
     "host|network is unreachable|temporary failure in name resolution|could not connect to "
     "server|server login has been failing|pgbouncer cannot connect to server"},
    // psqlODBC, after the server went: "the connection has been lost", then "... unable due to
    // the connection lost".
    {ConnectionLost,
     "server closed the connection unexpectedly|connection has been lost|connection lost|could "
     "not (send|receive) data (to|from) server|no connection to the server|communication link "
     "failure"},
    // The driver's own login timeout.
    {NoAnswer, "timeout expired"},
}};

// The faults a PostgreSQL server's words tell of, by their names in the table of its words.
const std::array<std::pair<QLatin1StringView, DataSourceFault>, 8> kServerFaultNames{{
    {QLatin1StringView("ServerFull"), ServerFull},
    {QLatin1StringView("LoginRefused"), LoginRefused},
    {QLatin1StringView("ServerNotReady"), ServerNotReady},
    {QLatin1StringView("ConnectionEnded"), ConnectionEnded},
    {QLatin1StringView("IdleSessionClosed"), IdleSessionClosed},
    {QLatin1StringView("QueryCancelled"), QueryCancelled},
    {QLatin1StringView("LockTimeout"), LockTimeout},
    {QLatin1StringView("NoAnswer"), NoAnswer},
}};

struct ServerWords {
    DataSourceFault fault;
    QRegularExpression words;
};

// How a PostgreSQL server words its faults in each language it speaks (data/faults), read when
// the first fault needs it.
const QList<ServerWords>& ServerWordsTable() {
    static const QList<ServerWords> table = [] {
        QList<ServerWords> read;
        QFile file(QStringLiteral(":/valtora/faults/postgresql.tsv"));
        if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
            return read;
        static const QRegularExpression argument(QStringLiteral("%[0-9$]*[sdu]"));
        for (const QString& line : QString::fromUtf8(file.readAll()).split(u'\n')) {
            const QStringList fields = line.split(u'\t');
            if (line.startsWith(u'#') || fields.size() != 3)
                continue;
            for (const auto& [name, fault] : kServerFaultNames) {
                if (fields[0] != name)
                    continue;
                QStringList parts = QString(fields[2])
                                        .replace(QLatin1String("\\n"), QLatin1String("\n"))
                                        .split(argument);
                for (QString& part : parts)
                    part = QRegularExpression::escape(part);
                // The whole message: after the start or its severity ("ERROR:  "), up to the
                // end, a line's end or the ";" before the driver's own words.
                read.append(
                    {fault, QRegularExpression(QStringLiteral("(?:^|:\\s*)(?:%1)\\s*(?:;|$)")
                                                   .arg(parts.join(QLatin1String(".*"))),
                                               QRegularExpression::CaseInsensitiveOption |
                                                   QRegularExpression::MultilineOption)});
            }
        }
        return read;
    }();
    return table;
}

// Whether `text` holds any of `words`, alternatives of a regular expression ("a|b"), in any case.
bool ContainsAnyOf(const QString& text, const char* words) {
    return QRegularExpression(QString::fromLatin1(words), QRegularExpression::CaseInsensitiveOption)
        .match(text)
        .hasMatch();
}
} // namespace

std::optional<DataSourceFault> RecognizeFault(const DataSourceDetails& source,
                                              const DriverReport& report) {
    if (!source.odbc)
        return std::nullopt;
    const QString& text = report.text;
    // The driver manager finds the data source, but not the driver it names.
    if (!source.driverInstalled || ContainsAnyOf(text, "can't open lib|data source name not found"))
        return DriverMissing;
    if (source.sqlite) {
        // SQLite's driver opens a missing or empty name as a new, empty database.
        if (source.databaseFile.isEmpty())
            return NoDatabaseFile;
        if (!QFileInfo::exists(source.databaseFile))
            return DatabaseFileMissing;
        if (ContainsAnyOf(text, "not a database"))
            return NotADatabase;
        if (ContainsAnyOf(text, "database is locked|database table is locked|timeout expired"))
            return DatabaseLocked;
        return std::nullopt;
    }
    // PgBouncer's wait for a server connection ends in a SQLSTATE that names no cause.
    if (ContainsAnyOf(text, "query_wait_timeout"))
        return PoolerWaitLimit;
    for (const auto& [state, fault] : kStates) {
        if (report.sqlState == state)
            return fault;
    }
    for (const ServerWords& server : ServerWordsTable()) {
        if (server.words.match(text).hasMatch())
            return server.fault;
    }
    for (const auto& [fault, words] : kClientWords) {
        if (ContainsAnyOf(text, words))
            return fault;
    }
    return std::nullopt;
}

QString DescribeFault(DataSourceFault fault, const DataSourceDetails& source,
                      const QString& driverText) {
    const QString& dataSource = source.description;
    QString message;
    switch (fault) {
    case DriverMissing:
        message = DataSourceFaults::tr(
                      "%1 names the ODBC driver \"%2\", which is not installed on this computer. "
                      "Install it, or name an installed driver on the data source's Driver line: "
                      "the command \"odbcinst -q -d\" lists them.")
                      .arg(dataSource, source.driver);
        break;
    case NoDatabaseFile:
        message = DataSourceFaults::tr(
                      "%1 names no database file: its Database line is empty. Put the path of the "
                      "SQLite file that holds the table elements there.")
                      .arg(dataSource);
        break;
    case DatabaseFileMissing:
        message = DataSourceFaults::tr(
                      "The database file \"%2\" of %1 does not exist. Check the path on the data "
                      "source's Database line.")
                      .arg(dataSource, source.databaseFile);
        break;
    case NotADatabase:
        message = DataSourceFaults::tr(
                      "The file \"%2\" of %1 is not an SQLite database. Check the path on the data "
                      "source's Database line, or make the file again with the sqlite3 shell.")
                      .arg(dataSource, source.databaseFile);
        break;
    case DatabaseLocked:
        message = DataSourceFaults::tr(
                      "The database file \"%2\" of %1 is locked by another program that is "
                      "changing it. Close that program, or end its transaction, then start Valtora "
                      "again.")
                      .arg(dataSource, source.databaseFile);
        break;
    case ServerFull:
        message = DataSourceFaults::tr(
                      "The server of %1 accepts no more connections: all it allows are in use. "
                      "Close Valtora on another desk, or ask whoever runs the server to allow more "
                      "connections or to put a connection pooler in front of it.")
                      .arg(dataSource);
        break;
    case LoginRefused:
        message = DataSourceFaults::tr(
                      "The server of %1 refused the login. Check the Username, Password and "
                      "Database lines of the data source, and that the server lets that role "
                      "connect from this computer (pg_hba.conf).")
                      .arg(dataSource);
        break;
    case ServerUnreachable:
        message = DataSourceFaults::tr(
                      "The server of %1 cannot be reached. Check the Servername and Port lines of "
                      "the data source, that the server is running, and that this computer can "
                      "reach it over the network.")
                      .arg(dataSource);
        break;
    case ServerNotReady:
        message = DataSourceFaults::tr(
                      "The server of %1 is starting up or shutting down, and accepts no "
                      "connections now. Start Valtora again in a minute; if it keeps saying so, "
                      "ask whoever runs the server.")
                      .arg(dataSource);
        break;
    case ConnectionLost:
        message = DataSourceFaults::tr(
                      "The connection to the server of %1 was lost: the server was stopped or "
                      "restarted, or the network failed. Start Valtora again once the server is "
                      "back.")
                      .arg(dataSource);
        break;
    case ConnectionEnded:
        message = DataSourceFaults::tr(
                      "The server of %1 ended the connection on an administrator's command: "
                      "someone ended Valtora's session on the server, or the server was stopped or "
                      "restarted. Start Valtora again once the server is back.")
                      .arg(dataSource);
        break;
    case IdleSessionClosed:
        message = DataSourceFaults::tr(
                      "The server of %1 closed the connection because it was idle for longer than "
                      "the server allows (its setting idle_session_timeout). Ask whoever runs the "
                      "server to lift that limit for the quiz's role (alter role quiz set "
                      "idle_session_timeout = 0), then start Valtora again.")
                      .arg(dataSource);
        break;
    case QueryCancelled:
        message =
            DataSourceFaults::tr(
                "A query of Valtora's on the server of %1 was cancelled on an administrator's "
                "command (pg_cancel_backend, or another program that cancels queries). "
                "Start Valtora again.")
                .arg(dataSource);
        break;
    case LockTimeout:
        message = DataSourceFaults::tr(
                      "The server of %1 gave up waiting for a lock on the table elements, after as "
                      "long as its setting lock_timeout allows: another program holds the table "
                      "locked, changing it or in a transaction left open. Ask whoever runs the "
                      "server to end that program's transaction, then start Valtora again.")
                      .arg(dataSource);
        break;
    case NoPrivilege:
        message = DataSourceFaults::tr(
                      "The server of %1 does not let the role \"%2\" read the table elements. "
                      "Ask whoever runs the server to allow it: grant select on elements to %2;")
                      .arg(dataSource,
                           source.username.isEmpty() ? QStringLiteral("quiz") : source.username);
        break;
    case PoolerWaitLimit:
        message = DataSourceFaults::tr(
                      "The connection pooler in front of the server of %1 gave up waiting for a "
                      "server connection, after as long as its setting query_wait_timeout allows. "
                      "Either every connection of its pool is in use (close Valtora on desks that "
                      "do not need it, or ask whoever runs the pooler for a larger pool, "
                      "default_pool_size), or the server behind it cannot be reached (ask whoever "
                      "runs it to check that it is running). Then start Valtora again.")
                      .arg(dataSource);
        break;
    case NoAnswer:
        message = DataSourceFaults::tr(
                      "%1 did not answer within %2 seconds. Check that its server is running and "
                      "not overloaded, and that no other program holds its database locked, then "
                      "start Valtora again.")
                      .arg(dataSource)
                      .arg(source.timeoutSeconds);
        break;
    }
    return WithDriverWords(message, driverText);
}

QString DescribeFailure(const QString& whatFailed, FailedStep step, const DataSourceDetails& source,
                        const QString& driverText) {
    QString causes;
    if (source.odbc && step == FailedStep::Querying) {
        causes = DataSourceFaults::tr(
            "Likely causes: the table elements or one of its columns was changed while the quiz "
            "ran, the server ended the connection, or the driver cannot read a value of the "
            "table.");
    } else if (source.sqlite) {
        causes = DataSourceFaults::tr(
            "Likely causes: this user may not read the file on the data source's Database line, "
            "or the SQLite driver is set up wrongly (\"isql -v Elements\" shows what it says).");
    } else if (source.odbc) {
        causes = DataSourceFaults::tr(
            "Likely causes: the server is not running or this computer cannot reach it, the data "
            "source's Servername, Port, Database, Username or Password line does not match the "
            "server, or its driver is set up wrongly (\"isql -v Elements\" shows what it says).");
    }
    return WithDriverWords(causes.isEmpty() ? whatFailed : whatFailed + u'\n' + causes, driverText);
}

QString WithDriverWords(const QString& message, const QString& driverText) {
    if (driverText.isEmpty())
        return message;
    return message + QStringLiteral("\n\n") +
           DataSourceFaults::tr("The driver said: %1").arg(driverText.trimmed());
}
