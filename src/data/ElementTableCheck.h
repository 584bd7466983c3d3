// SPDX-FileCopyrightText: 2026 Orvashel <orvashel@valtora.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class ElementDatabase;

// Checks once, at start, that the table of elements can serve the quiz: the table exists with
// its four columns (names matched regardless of case), every row has a whole atomic number, and
// the lookup's query finds exactly one row for every atomic number 1 to 103, each with a symbol
// and a name that a right answer can match: no blanks around either, the name in proper case.
// Rows with nothing in them, as office programs leave them, are no rows. Raises a RuntimeError
// that names the data source and every problem found, and where the table's shape tells how a
// spreadsheet was imported wrongly (with semicolons, a title row, twice), what to do about it.
void CheckElementTable(ElementDatabase& database);
