#pragma once

#include <QStringList>

// Creates an SQLite database file holding the element table the program ships, then runs
// `changes` on it. Raises a RuntimeError that says what failed.
void CreateSqliteElementFile(const QString& path, const QStringList& changes = {});
