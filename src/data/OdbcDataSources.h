#pragma once

#include <QString>

// Whether the system's ODBC configuration (user or system odbc.ini, as the driver manager
// resolves it) defines a data source of this name. Names are matched without regard to case.
bool IsOdbcDataSourceDefined(const QString& name);
