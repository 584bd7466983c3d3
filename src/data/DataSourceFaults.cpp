// SPDX-FileCopyrightText: 2026 Orvashel <orvashel@valtora.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "DataSourceFaults.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QList>
#include <QRegularExpression>
#include <algorithm>
#include <iterator>
#include <ranges>

namespace {
// The translation context of the messages.
struct DataSourceFaults {
    Q_DECLARE_TR_FUNCTIONS(DataSourceFaults)
};

using enum DataSourceFault;

// The data sources a fault or a failure's causes apply to; the embedded table has none.
enum class SourceKind { AnyOdbc, SqliteOdbc, Server };
using enum SourceKind;

bool IsOfKind(const DataSourceDetails& source, SourceKind kind) {
    return source.odbc && (kind == AnyOdbc || source.sqlite == (kind == SqliteOdbc));
}

// What a data source shows of a fault without a driver's words. SQLite's driver opens a missing
// or empty name as a new, empty database, so those are found before it does.
bool DriverNotInstalled(const DataSourceDetails& source) {
    return !source.driverInstalled;
}
bool DatabaseLineEmpty(const DataSourceDetails& source) {
    return source.databaseFile.isEmpty();
}
bool NoSuchDatabaseFile(const DataSourceDetails& source) {
    return !QFileInfo::exists(source.databaseFile);
}

// What fills an advice's %2.
QString Driver(const DataSourceDetails& source) {
    return source.driver;
}
QString DatabaseFile(const DataSourceDetails& source) {
    return source.databaseFile;
}
// The role the data source logs in as, else the README's.
QString Role(const DataSourceDetails& source) {
    return source.username.isEmpty() ? QStringLiteral("quiz") : source.username;
}
QString TimeoutSeconds(const DataSourceDetails& source) {
    return QString::number(source.timeoutSeconds);
}

// A fault of a data source: how a report tells it and the advice for it. A report tells the first
// fault that fits in four passes over the rows, each in their order: the data source's own
// `condition` or `words` that are the fault's own (`wordsFirst`); a SQLSTATE; a PostgreSQL
// server's words (ServerWordsTable); the client side's other words.
struct Fault {
    DataSourceFault fault;
    // Its name in the table of a server's words.
    const char* name;
    // The data sources whose reports may tell it.
    SourceKind kind;
    // What the data source shows of it without a driver's words.
    bool (*condition)(const DataSourceDetails&) = nullptr;
    // SQLSTATEs, separated by blanks, that name it alone, whoever sends them: the server's own
    // (PostgreSQL passes them on through psqlODBC and PgBouncer) and ODBC's.
    const char* states = nullptr;
    // The client side's words, which are English here (ElementDatabase puts the C library's and
    // libpq's messages in the C locale): unixODBC, SQLite's driver, psqlODBC, libpq, PgBouncer,
    // and English servers of PostgreSQL 12 to 17, whose words vary more than one version's
    // catalogues. Alternatives of a regular expression ("a|b"), matched regardless of case.
    const char* words = nullptr;
    // Whether they tell it in the first pass: words that no other fault's report holds (the
    // driver manager's, SQLite's, a setting's name).
    bool wordsFirst = false;
    // What happened to data source %1 and what to do about it, and what fills its %2, if any.
    const char* advice;
    QString (*argument)(const DataSourceDetails&) = nullptr;
};

// Every fault, in the order of the enum: a fault's row is found by its value.
constexpr Fault kFaults[]{
    // The driver manager finds the data source, but not the driver it names.
    {.fault = DriverMissing,
     .name = "DriverMissing",
     .kind = AnyOdbc,
     .condition = DriverNotInstalled,
     .words = "can't open lib|data source name not found",
     .wordsFirst = true,
     .advice = QT_TRANSLATE_NOOP(
         "DataSourceFaults",
         "%1 names the ODBC driver \"%2\", which is not installed on this computer. "
         "Install it, or name an installed driver on the data source's Driver line: "
         "the command \"odbcinst -q -d\" lists them."),
     .argument = Driver},
    {.fault = NoDatabaseFile,
     .name = "NoDatabaseFile",
     .kind = SqliteOdbc,
     .condition = DatabaseLineEmpty,
     .advice = QT_TRANSLATE_NOOP(
         "DataSourceFaults",
         "%1 names no database file: its Database line is empty. Put the path of the "
         "SQLite file that holds the table elements there.")},
    {.fault = DatabaseFileMissing,
     .name = "DatabaseFileMissing",
     .kind = SqliteOdbc,
     .condition = NoSuchDatabaseFile,
     .advice = QT_TRANSLATE_NOOP("DataSourceFaults",
                                 "The database file \"%2\" of %1 does not exist. Check the path on "
                                 "the data source's Database line."),
     .argument = DatabaseFile},
    {.fault = NotADatabase,
     .name = "NotADatabase",
     .kind = SqliteOdbc,
     .words = "not a database",
     .wordsFirst = true,
     .advice = QT_TRANSLATE_NOOP(
         "DataSourceFaults",
         "The file \"%2\" of %1 is not an SQLite database. Check the path on the data "
         "source's Database line, or make the file again with the sqlite3 shell."),
     .argument = DatabaseFile},
    {.fault = DatabaseLocked,
     .name = "DatabaseLocked",
     .kind = SqliteOdbc,
     .words = "database is locked|database table is locked|timeout expired",
     .wordsFirst = true,
     .advice = QT_TRANSLATE_NOOP(
         "DataSourceFaults",
         "The database file \"%2\" of %1 is locked by another program that is changing "
         "it. Close that program, or end its transaction, then start Valtora again."),
     .argument = DatabaseFile},
    // PostgreSQL: "remaining connection slots are reserved for roles with ..." (16 on);
    // PgBouncer: "no more connections allowed (max_client_conn)".
    {.fault = ServerFull,
     .name = "ServerFull",
     .kind = Server,
     .states = "53300",
     .words = "too many clients|too many connections|remaining connection slots are "
              "reserved|no more connections allowed",
     .advice = QT_TRANSLATE_NOOP(
         "DataSourceFaults",
         "The server of %1 accepts no more connections: all it allows are in use. "
         "Close Valtora on another desk, or ask whoever runs the server to allow more "
         "connections or to put a connection pooler in front of it.")},
    // Passwords (PgBouncer: "SASL authentication failed"), roles, databases and pg_hba.conf;
    // libpq: "fe_sendauth: no password supplied".
    {.fault = LoginRefused,
     .name = "LoginRefused",
     .kind = Server,
     .states = "28000 28P01 3D000",
     .words = "authentication failed|no password supplied|pg_hba\\.conf|role \"[^\"]*\" does not "
              "exist|database \"[^\"]*\" does not exist|no such database|no such user|not "
              "permitted to log in|permission denied for database",
     .advice =
         QT_TRANSLATE_NOOP("DataSourceFaults",
                           "The server of %1 refused the login. Check the Username, Password and "
                           "Database lines of the data source, and that the server lets that role "
                           "connect from this computer (pg_hba.conf).")},
    // PgBouncer: "server login has been failing, try again later (server_login_retry)".
    {.fault = ServerUnreachable,
     .name = "ServerUnreachable",
     .kind = Server,
     .words = "connection refused|could not translate host name|name or service not known|no "
              "route to host|network is unreachable|temporary failure in name resolution|could "
              "not connect to server|server login has been failing|pgbouncer cannot connect to "
              "server",
     .advice = QT_TRANSLATE_NOOP(
         "DataSourceFaults",
         "The server of %1 cannot be reached. Check the Servername and Port lines of "
         "the data source, that the server is running, and that this computer can "
         "reach it over the network.")},
    {.fault = ServerNotReady,
     .name = "ServerNotReady",
     .kind = Server,
     .states = "57P03",
     .advice = QT_TRANSLATE_NOOP(
         "DataSourceFaults",
         "The server of %1 is starting up or shutting down, and accepts no "
         "connections now. Start Valtora again in a minute; if it keeps saying so, "
         "ask whoever runs the server.")},
    // ODBC's classes of a lost connection; psqlODBC, after the server went: "the connection has
    // been lost", then "... unable due to the connection lost".
    {.fault = ConnectionLost,
     .name = "ConnectionLost",
     .kind = Server,
     .states = "57P02 08S01 08003 08006",
     .words = "server closed the connection unexpectedly|connection has been lost|connection "
              "lost|could not (send|receive) data (to|from) server|no connection to the "
              "server|communication link failure",
     .advice = QT_TRANSLATE_NOOP(
         "DataSourceFaults",
         "The connection to the server of %1 was lost: the server was stopped or "
         "restarted, or the network failed. Start Valtora again once the server is "
         "back.")},
    {.fault = ConnectionEnded,
     .name = "ConnectionEnded",
     .kind = Server,
     .states = "57P01",
     .advice = QT_TRANSLATE_NOOP(
         "DataSourceFaults",
         "The server of %1 ended the connection on an administrator's command: "
         "someone ended Valtora's session on the server, or the server was stopped or "
         "restarted. Start Valtora again once the server is back.")},
    {.fault = IdleSessionClosed,
     .name = "IdleSessionClosed",
     .kind = Server,
     .states = "57P05",
     .advice = QT_TRANSLATE_NOOP(
         "DataSourceFaults",
         "The server of %1 closed the connection because it was idle for longer than "
         "the server allows (its setting idle_session_timeout). Ask whoever runs the "
         "server to lift that limit for the quiz's role (alter role quiz set "
         "idle_session_timeout = 0), then start Valtora again.")},
    // 57014 is any cancelled statement: the server's words tell whose.
    {.fault = QueryCancelled,
     .name = "QueryCancelled",
     .kind = Server,
     .advice = QT_TRANSLATE_NOOP(
         "DataSourceFaults",
         "A query of Valtora's on the server of %1 was cancelled on an administrator's "
         "command (pg_cancel_backend, or another program that cancels queries). "
         "Start Valtora again.")},
    {.fault = LockTimeout,
     .name = "LockTimeout",
     .kind = Server,
     .states = "55P03",
     .advice = QT_TRANSLATE_NOOP(
         "DataSourceFaults",
         "The server of %1 gave up waiting for a lock on the table elements, after as "
         "long as its setting lock_timeout allows: another program holds the table "
         "locked, changing it or in a transaction left open. Ask whoever runs the "
         "server to end that program's transaction, then start Valtora again.")},
    {.fault = NoPrivilege,
     .name = "NoPrivilege",
     .kind = Server,
     .states = "42501",
     .advice = QT_TRANSLATE_NOOP(
         "DataSourceFaults",
         "The server of %1 does not let the role \"%2\" read the table elements. "
         "Ask whoever runs the server to allow it: grant select on elements to %2;"),
     .argument = Role},
    // PgBouncer's wait for a server connection ends in a SQLSTATE that names no cause.
    {.fault = PoolerWaitLimit,
     .name = "PoolerWaitLimit",
     .kind = Server,
     .words = "query_wait_timeout",
     .wordsFirst = true,
     .advice = QT_TRANSLATE_NOOP(
         "DataSourceFaults",
         "The connection pooler in front of the server of %1 gave up waiting for a "
         "server connection, after as long as its setting query_wait_timeout allows. "
         "Either every connection of its pool is in use (close Valtora on desks that "
         "do not need it, or ask whoever runs the pooler for a larger pool, "
         "default_pool_size), or the server behind it cannot be reached (ask whoever "
         "runs it to check that it is running). Then start Valtora again.")},
    // ODBC's timeouts; the driver's own login timeout.
    {.fault = NoAnswer,
     .name = "NoAnswer",
     .kind = Server,
     .states = "HYT00 HYT01",
     .words = "timeout expired",
     .advice = QT_TRANSLATE_NOOP(
         "DataSourceFaults",
         "%1 did not answer within %2 seconds. Check that its server is running and "
         "not overloaded, and that no other program holds its database locked, then "
         "start Valtora again."),
     .argument = TimeoutSeconds},
};

static_assert(
    [] {
        for (std::size_t i = 0; i < std::size(kFaults); ++i) {
            if (kFaults[i].fault != DataSourceFault(i))
                return false;
        }
        return true;
    }(),
    "kFaults must follow the enum DataSourceFault");

// Whether `text` holds any of `words`, alternatives of a regular expression ("a|b"), in any case.
bool ContainsAnyOf(const QString& text, const char* words) {
    return words &&
           QRegularExpression(QString::fromLatin1(words), QRegularExpression::CaseInsensitiveOption)
               .match(text)
               .hasMatch();
}

// Whether `state` is one of `states`, separated by blanks.
bool IsOneOf(const QString& state, const char* states) {
    return QString::fromLatin1(states).split(u' ', Qt::SkipEmptyParts).contains(state);
}

struct ServerWords {
    const Fault* fault;
    QRegularExpression words;
};

// How a PostgreSQL server words its faults in each language it speaks (data/faults), each
// message under the name of its fault, read when the first fault needs it.
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
            const Fault* fault = std::ranges::find_if(kFaults, [&](const Fault& row) {
                return fields[0] == QLatin1StringView(row.name);
            });
            if (fault == std::end(kFaults))
                continue;
            QStringList parts = QString(fields[2])
                                    .replace(QLatin1String("\\n"), QLatin1String("\n"))
                                    .split(argument);
            for (QString& part : parts)
                part = QRegularExpression::escape(part);
            // The whole message: after the start or its severity ("ERROR:  "), up to the end, a
            // line's end or the ";" before the driver's own words.
            read.append({fault, QRegularExpression(QStringLiteral("(?:^|:\\s*)(?:%1)\\s*(?:;|$)")
                                                       .arg(parts.join(QLatin1String(".*"))),
                                                   QRegularExpression::CaseInsensitiveOption |
                                                       QRegularExpression::MultilineOption)});
        }
        return read;
    }();
    return table;
}

// The likely causes of a failure that is none of the faults, by the step that failed and the kind
// of data source; at most one fits.
struct LikelyCauses {
    SourceKind kind;
    FailedStep step;
    const char* causes;
};
constexpr LikelyCauses kLikelyCauses[]{
    {AnyOdbc, FailedStep::Querying,
     QT_TRANSLATE_NOOP("DataSourceFaults",
                       "Likely causes: the table elements or one of its columns was changed while "
                       "the quiz ran, the server ended the connection, or the driver cannot read a "
                       "value of the table.")},
    {SqliteOdbc, FailedStep::Opening,
     QT_TRANSLATE_NOOP("DataSourceFaults",
                       "Likely causes: this user may not read the file on the data source's "
                       "Database line, or the SQLite driver is set up wrongly (\"isql -v "
                       "Elements\" shows what it says).")},
    {Server, FailedStep::Opening,
     QT_TRANSLATE_NOOP("DataSourceFaults",
                       "Likely causes: the server is not running or this computer cannot reach "
                       "it, the data source's Servername, Port, Database, Username or Password "
                       "line does not match the server, or its driver is set up wrongly (\"isql "
                       "-v Elements\" shows what it says).")},
};
} // namespace

std::optional<DataSourceFault> RecognizeFault(const DataSourceDetails& source,
                                              const DriverReport& report) {
    const QString& text = report.text;
    auto rows =
        kFaults | std::views::filter([&](const Fault& row) { return IsOfKind(source, row.kind); });
    for (const Fault& row : rows) {
        if ((row.condition && row.condition(source)) ||
            (row.wordsFirst && ContainsAnyOf(text, row.words)))
            return row.fault;
    }
    for (const Fault& row : rows) {
        if (IsOneOf(report.sqlState, row.states))
            return row.fault;
    }
    for (const auto& [fault, words] : ServerWordsTable()) {
        if (IsOfKind(source, fault->kind) && words.match(text).hasMatch())
            return fault->fault;
    }
    for (const Fault& row : rows) {
        if (!row.wordsFirst && ContainsAnyOf(text, row.words))
            return row.fault;
    }
    return std::nullopt;
}

QString DescribeFault(DataSourceFault fault, const DataSourceDetails& source,
                      const QString& driverText) {
    const Fault& row = kFaults[static_cast<std::size_t>(fault)];
    const QString advice = DataSourceFaults::tr(row.advice);
    return WithDriverWords(row.argument ? advice.arg(source.description, row.argument(source))
                                        : advice.arg(source.description),
                           driverText);
}

QString DescribeFailure(const QString& whatFailed, FailedStep step, const DataSourceDetails& source,
                        const QString& driverText) {
    QString message = whatFailed;
    for (const auto& [kind, failedStep, causes] : kLikelyCauses) {
        if (failedStep == step && IsOfKind(source, kind))
            message += u'\n' + DataSourceFaults::tr(causes);
    }
    return WithDriverWords(message, driverText);
}

QString WithDriverWords(const QString& message, const QString& driverText) {
    if (driverText.isEmpty())
        return message;
    return message + QStringLiteral("\n\n") +
           DataSourceFaults::tr("The driver said: %1").arg(driverText.trimmed());
}
