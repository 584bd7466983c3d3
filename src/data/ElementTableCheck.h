// SPDX-FileCopyrightText: 2026 Orvashel <orvashel@valtora.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QMap>
#include <QString>
#include <optional>
#include <utility>

class ElementDatabase;

// Checks once, at start, that the table of elements can serve the quiz: the table exists with
// its four columns (names matched regardless of case), every row has a whole atomic number, and
// the lookup's query finds exactly one row for every atomic number 1 to 103, each with a symbol
// and a name that a right answer can match: no blanks around either, the name in proper case.
// Rows with nothing in them, as office programs leave them, are no rows. Raises a RuntimeError
// that names the data source and every problem found, and where the table's shape tells how a
// spreadsheet was imported wrongly (with semicolons, a title row, twice), what to do about it.
void CheckElementTable(ElementDatabase& database);

// Opens `database` and checks its table, both within the start's one limit, then ends the start.
void OpenCheckedTable(ElementDatabase& database);

// A symbol or a name as a table holds it: the text the driver gives, and its bytes where the
// database keeps text as it was imported (SQLite), whatever its character set.
struct StoredText {
    QString text;
    std::optional<QByteArray> bytes;
};

// What keeps a symbol or a name from being answered as it stands, the first that applies:
// nothing in it, blanks around it, garbled by a character-set mix-up the table shows, characters
// no element's name has (or no letter at its start or end), invisible characters.
enum class TextFault { None, Empty, Blanks, Misread, Strange, Invisible };

// A character set by the names users, Qt, iconv and psql know it by.
struct CharacterSet {
    const char* name;
    const char* iconv;
    const char* psql;
};

// A character-set mix-up: a file saved in one character set and read as another, and the names
// it garbled, by atomic number, as they were meant.
struct Misreading {
    const CharacterSet* savedIn = nullptr;
    const CharacterSet* readAs = nullptr;
    QMap<int, QString> meant;
};

// The faults of a table's symbols and names, by atomic number, and the mix-up that garbled its
// names where one explains every name with characters no element's name has.
struct TextFaults {
    QMap<int, std::pair<TextFault, TextFault>> symbolAndName;
    std::optional<Misreading> misreading;
};
TextFaults FindTextFaults(const QMap<int, std::pair<StoredText, StoredText>>& symbolsAndNames);
