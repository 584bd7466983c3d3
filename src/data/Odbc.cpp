#include "Odbc.h"

#include <QSqlQuery>
#include <QSqlResult>
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

void SetOdbcQueryTimeout(const QSqlQuery& query, int seconds) {
    const QVariant handle = query.result()->handle();
    if (!handle.isValid() || !handle.constData())
        return;
    SQLHANDLE statement = *static_cast<const SQLHANDLE*>(handle.constData());
    SQLSetStmtAttr(statement, SQL_ATTR_QUERY_TIMEOUT,
                   reinterpret_cast<SQLPOINTER>(static_cast<SQLULEN>(seconds)), 0);
}
