#pragma once

#include <QString>

class QSqlQuery;

// Calls to the ODBC driver manager for what Qt's ODBC driver does not offer.

// Whether the system's ODBC configuration (user or system odbc.ini, as the driver manager
// resolves it) defines a data source of this name. Names are matched without regard to case.
[[nodiscard]] bool IsOdbcDataSourceDefined(const QString& name);

// Limits how long the driver lets a prepared statement of Qt's ODBC driver run.
void SetOdbcQueryTimeout(const QSqlQuery& query, int seconds);
