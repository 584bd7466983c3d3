// SPDX-FileCopyrightText: 2026 Orvashel <orvashel@valtora.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "quiz/ElementNames.h"

#include <QSqlDatabase>
#include <QString>
#include <QStringList>

// Splits an SQL script into its statements at the semicolons that end them. Semicolons inside
// quoted strings, quoted identifiers and comments do not split; comments are dropped, and so
// are empty statements.
[[nodiscard]] QStringList SplitSqlScript(const QString& script);

// Runs the element table's script that ships with the program (data/elements.sql) on
// `connection`, statement by statement: how the embedded table is made, and any copy of it.
// Raises a RuntimeError that says what failed.
void RunElementScript(const QSqlDatabase& connection);

// Gives the elements of that table the names `names` shows; the English names stay where it has
// none. Raises a RuntimeError that says what failed.
void NameElementsIn(const QSqlDatabase& connection, const ElementNames& names);
