// SPDX-FileCopyrightText: 2026 Orvashel <orvashel@valtora.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "quiz/ClassLanguage.h"

#include <QByteArray>
#include <QMap>
#include <QString>
#include <QStringList>
#include <array>
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
// It reads the rows once, gathering what every rule below needs, and then applies the rules.
void CheckElementTable(ElementDatabase& database);

// Opens `database` and checks its table, both within the start's one limit, then ends the start.
void OpenCheckedTable(ElementDatabase& database);

// A symbol or a name as a table holds it: the text the driver gives, and its bytes where the
// database keeps text as it was imported (SQLite), whatever its character set.
struct StoredText {
    QString text;
    std::optional<QByteArray> bytes;
};

// The items a message names: the first ten, and how many there are in all.
class Listed {
public:
    void Add(const QString& item);
    void Add(int number) { Add(QString::number(number)); }
    bool IsEmpty() const { return count_ == 0; }
    QString Text() const;

private:
    QStringList first_;
    qsizetype count_ = 0;
};

// A row of the table as read: its values as text, in the order of the table's columns; whether
// the lookup's query finds it among the atomic numbers a question can draw; and the bytes of its
// symbol and name where the database keeps text as it was imported.
struct TableRow {
    QStringList values;
    bool drawn = false;
    std::optional<QByteArray> symbolBytes{};
    std::optional<QByteArray> nameBytes{};
};

// What the rules need of the table, gathered a row at a time and no row kept.
struct TableRows {
    // The largest atomic number a question can draw.
    static constexpr int kLastDrawable = 103;

    // The table's columns by the names the database gives them; whether it keeps text as it was
    // imported (SQLite), whatever its character set.
    TableRows(QStringList columns, bool asImported);
    void Add(const TableRow& row);

    QStringList columns;
    bool asImported = false;
    // The class's language, by whose rules names are answered.
    ClassLanguage language;
    QStringList firstRow;
    // What the atomic numbers of all rows tell.
    Listed notWhole;
    Listed blanksAround;
    Listed withoutNumber;
    bool headerAsRow = false;
    // The rows the lookup's query finds: how many each number has, and the first one's symbol
    // and name.
    std::array<int, kLastDrawable + 1> rowsPerNumber{};
    QMap<int, std::pair<StoredText, StoredText>> firstRows;

private:
    // Where the four columns stand among `columns`; -1 where one is missing.
    std::array<qsizetype, 4> at_{};
};

// The rules, each giving the problems it finds, worded for the message that refuses the table.
// The columns, and what they tell of a spreadsheet imported wrongly.
QStringList ShapeProblems(const TableRows& table);
// The atomic numbers of all rows: whole, without blanks, there at all; the header as a row.
QStringList NumberProblems(const TableRows& table);
// The rows the lookup finds: one for every number, with a symbol and a name an answer can match.
QStringList DrawnProblems(const TableRows& table);
// The same file imported twice into one database, which explains every other problem.
QStringList ImportedTwice(const TableRows& table);

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
