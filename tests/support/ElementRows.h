#pragma once

#include <QMap>
#include <QSqlDatabase>
#include <QStringList>

// The element table read straight from a connection, for comparing with what the quiz shows:
// atomic number -> {number, symbol, name, mass} as record boxes show them.
QMap<int, QStringList> ReadElementRows(const QSqlDatabase& connection);

// Creates an SQLite database file holding the project's element script (data/elements.sql),
// loaded through Qt's SQLite driver, then runs `changes` on it. Returns an empty string on
// success, else the error.
QString CreateSqliteElementFile(const QString& path, const QStringList& changes = {});
