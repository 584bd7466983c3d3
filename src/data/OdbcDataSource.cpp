// SPDX-FileCopyrightText: 2026 Orvashel <orvashel@valtora.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "OdbcDataSource.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSqlQuery>
#include <QSqlResult>
#include <odbcinst.h>
#include <sql.h>
#include <sqlext.h>

bool IsOdbcDataSourceDefined(const QString& name) {
    SQLHENV environment = SQL_NULL_HENV;
    if (!SQL_SUCCEEDED(SQLAllocHandle(SQL_HANDLE_ENV, SQL_NULL_HANDLE, &environment)))
        return false;
    SQLSetEnvAttr(environment, SQL_ATTR_ODBC_VERSION, reinterpret_cast<SQLPOINTER>(SQL_OV_ODBC3),
                  0);

    bool found = false;
    SQLCHAR dataSource[SQL_MAX_DSN_LENGTH + 1];
    SQLCHAR description[256];
    SQLSMALLINT dataSourceLength = 0;
    SQLSMALLINT descriptionLength = 0;
    SQLUSMALLINT direction = SQL_FETCH_FIRST;
    while (!found && SQL_SUCCEEDED(SQLDataSources(environment, direction, dataSource,
                                                  sizeof dataSource, &dataSourceLength, description,
                                                  sizeof description, &descriptionLength))) {
        found = QString::fromLocal8Bit(reinterpret_cast<const char*>(dataSource))
                    .compare(name, Qt::CaseInsensitive) == 0;
        direction = SQL_FETCH_NEXT;
    }
    SQLFreeHandle(SQL_HANDLE_ENV, environment);
    return found;
}

namespace {
// A key of a section of odbc.ini (user and system) or odbcinst.ini, as the driver manager reads it.
QString ProfileString(const QString& section, const char* key, const char* file) {
    char value[4096] = {};
    SQLGetPrivateProfileString(section.toLocal8Bit().constData(), key, "", value, sizeof value,
                               file);
    return QString::fromLocal8Bit(value).trimmed();
}
} // namespace

DataSourceDetails ReadOdbcDataSource(const QString& name) {
    DataSourceDetails source;
    source.odbc = true;
    source.name = name;
    source.description =
        QCoreApplication::translate("ElementDatabase", "ODBC data source \"%1\"").arg(name);
    source.driver = ProfileString(name, "Driver", "odbc.ini");
    // The Driver line names a driver of odbcinst.ini, or the driver's library itself.
    QString library = source.driver;
    if (!source.driver.contains(u'/'))
        library = ProfileString(source.driver, "Driver", "odbcinst.ini");
    // A library named without its folder is found where the system finds libraries.
    source.driverInstalled =
        !library.isEmpty() && (QFileInfo(library).isRelative() || QFileInfo::exists(library));
    source.sqlite =
        QFileInfo(library).fileName().contains(QLatin1String("sqlite"), Qt::CaseInsensitive);
    if (source.sqlite)
        source.databaseFile = ProfileString(name, "Database", "odbc.ini");
    return source;
}

QString OdbcConnectionString(const DataSourceDetails& source, SqliteResults results) {
    // Qt's driver puts "DSN=" before it. SQLite's driver waits out its lock timeout twice before
    // it reports a lock, both when connecting and when running a query: half the limit each.
    QString connection = source.name;
    if (source.sqlite) {
        connection += QStringLiteral(";NoCreat=1;BigInt=1;StepAPI=%1;Timeout=%2")
                          .arg(results == SqliteResults::Stepped ? 1 : 0)
                          .arg(source.timeoutSeconds * 500);
    }
    return connection;
}

namespace {
SQLHANDLE StatementHandle(const QSqlQuery& query) {
    const QVariant handle = query.result()->handle();
    if (!handle.isValid() || !handle.constData())
        return SQL_NULL_HSTMT;
    return *static_cast<const SQLHANDLE*>(handle.constData());
}
} // namespace

void SetOdbcQueryTimeout(const QSqlQuery& query, int seconds) {
    if (SQLHANDLE statement = StatementHandle(query)) {
        SQLSetStmtAttr(statement, SQL_ATTR_QUERY_TIMEOUT,
                       reinterpret_cast<SQLPOINTER>(static_cast<SQLULEN>(seconds)), 0);
    }
}

QString OdbcSqlState(const QSqlQuery& query) {
    SQLHANDLE statement = StatementHandle(query);
    SQLCHAR state[SQL_SQLSTATE_SIZE + 1] = {};
    SQLINTEGER native = 0;
    SQLSMALLINT length = 0;
    // Qt's driver has read the diagnostics too; reading leaves them where they are.
    if (!statement || !SQL_SUCCEEDED(SQLGetDiagRec(SQL_HANDLE_STMT, statement, 1, state, &native,
                                                   nullptr, 0, &length)))
        return {};
    return QString::fromLatin1(reinterpret_cast<const char*>(state));
}
