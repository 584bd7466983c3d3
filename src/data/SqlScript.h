#pragma once

#include <QString>
#include <QStringList>

// Splits an SQL script into its statements at the semicolons that end them. Semicolons inside
// quoted strings, quoted identifiers and comments do not split; comments are dropped, and so
// are empty statements.
QStringList SplitSqlScript(const QString& script);
