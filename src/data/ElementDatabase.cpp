#include "ElementDatabase.h"

#include "ElementTableCheck.h"
#include "Odbc.h"
#include "SqlScript.h"
#include "platform/RuntimeError.h"

#include <QSqlError>
#include <QSqlQuery>
#include <atomic>

namespace {
QString UniqueConnectionName() {
    static std::atomic<int> counter{0};
    return QStringLiteral("valtora-elements-%1").arg(counter++);
}

// Whether a driver's refusal to connect says that the server, or a pooler in front of it,
// has no connection left: PostgreSQL's "too many clients" and "too many connections" (SQLSTATE
// 53300), PgBouncer's "no more connections allowed".
bool IsServerFull(const QString& reason) {
    for (const char* words : {"too many clients", "too many connections", "no more connections"}) {
        if (reason.contains(QLatin1String(words), Qt::CaseInsensitive))
            return true;
    }
    return false;
}

// Seconds allowed for logging in and for each query, so that a lost or stuck server is
// reported, not waited for.
constexpr int kTimeoutSeconds = 10;
} // namespace

ElementDatabase::ElementDatabase()
    : registration_{UniqueConnectionName()} {
    if (IsOdbcDataSourceDefined(kDataSourceName))
        OpenOdbc();
    else
        OpenEmbedded();
    CheckElementTable(*this);
}

bool ElementDatabase::Prepare(QSqlQuery& query, const QString& select) {
    query.setForwardOnly(true);
    if (!query.prepare(select))
        return false;
    if (odbc_)
        SetOdbcQueryTimeout(query, kTimeoutSeconds);
    return true;
}

void ElementDatabase::OpenOdbc() {
    odbc_ = true;
    description_ = QStringLiteral("ODBC data source \"%1\"").arg(kDataSourceName);
    connection_ = QSqlDatabase::addDatabase(QStringLiteral("QODBC"), registration_.name);
    if (!connection_.isValid())
        throw RuntimeError(
            QStringLiteral("%1: Qt's ODBC driver (QODBC) is not installed.").arg(description_));
    // Qt's driver puts "DSN=" before the name. NoCreat keeps SQLite's ODBC driver from creating
    // an empty database where the data source names a missing file; other drivers ignore it.
    connection_.setDatabaseName(kDataSourceName + QLatin1String(";NoCreat=1"));
    connection_.setConnectOptions(QStringLiteral("SQL_ATTR_ACCESS_MODE=SQL_MODE_READ_ONLY;"
                                                 "SQL_ATTR_LOGIN_TIMEOUT=%1;"
                                                 "SQL_ATTR_CONNECTION_TIMEOUT=%1")
                                      .arg(kTimeoutSeconds));
    if (!connection_.open()) {
        const QString reason = connection_.lastError().text();
        if (IsServerFull(reason)) {
            throw RuntimeError(
                QStringLiteral("The server of %1 accepts no more connections: all it allows are in "
                               "use. Close Valtora on another desk, or ask whoever runs the server "
                               "to allow more connections or to put a connection pooler in front "
                               "of it.\n(%2)")
                    .arg(description_, reason));
        }
        throw RuntimeError(QStringLiteral("%1 cannot be opened: %2").arg(description_, reason));
    }
}

void ElementDatabase::OpenEmbedded() {
    description_ = QStringLiteral("the embedded element table");
    connection_ = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), registration_.name);
    if (!connection_.isValid())
        throw RuntimeError(
            QStringLiteral("%1: Qt's SQLite driver (QSQLITE) is not installed.").arg(description_));
    connection_.setDatabaseName(QStringLiteral(":memory:"));
    if (!connection_.open())
        throw RuntimeError(QStringLiteral("%1 cannot be opened: %2")
                               .arg(description_, connection_.lastError().text()));
    RunElementScript(connection_);
}
