// SPDX-FileCopyrightText: 2026 Orvashel <orvashel@valtora.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ElementTableCheck.h"

#include "ElementDatabase.h"
#include "ElementTable.h"
#include "FieldText.h"
#include "platform/RuntimeError.h"
#include "platform/TextOperations.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QSqlRecord>
#include <QStringList>
#include <algorithm>
#include <array>
#include <optional>

namespace {
// The translation context of the check's messages.
struct ElementTableCheck {
    Q_DECLARE_TR_FUNCTIONS(ElementTableCheck)
};

// The largest atomic number a question can draw.
constexpr int kLastDrawable = 103;
// How many items a message lists before it only counts the rest.
constexpr qsizetype kListed = 10;

const std::array<QLatin1StringView, 4> kColumns{
    ElementTable::kAtomicNumber, ElementTable::kAtomicSymbol, ElementTable::kElementName,
    ElementTable::kAtomicMass};
enum Column { Number, Symbol, Name, Mass };

QString List(const QStringList& items) {
    QString text = items.mid(0, kListed).join(QLatin1String(", "));
    if (items.size() > kListed)
        text += ElementTableCheck::tr(" and %1 more").arg(items.size() - kListed);
    return text;
}

bool HasTable(const QStringList& tables) {
    return std::any_of(tables.cbegin(), tables.cend(), [](const QString& table) {
        return table.compare(ElementTable::kName, Qt::CaseInsensitive) == 0;
    });
}

// Whether `names` holds the four column names, in any case and with blanks around them.
bool NamesColumns(const QStringList& names) {
    return std::all_of(kColumns.cbegin(), kColumns.cend(), [&names](QLatin1StringView column) {
        return std::any_of(names.cbegin(), names.cend(), [column](const QString& name) {
            return name.trimmed().compare(column, Qt::CaseInsensitive) == 0;
        });
    });
}

QStringList Values(const QSqlRecord& row) {
    QStringList values;
    for (int i = 0; i < row.count(); ++i)
        values.append(FieldText(row.value(i)));
    return values;
}

// What the columns a table has tell of how its file was imported: the four names joined by
// semicolons or tabs in one column's name, or standing in the first row below a title.
QString ColumnsFound(const QSqlRecord& columns, const QList<QSqlRecord>& rows) {
    QStringList names;
    QString diagnosis;
    for (int i = 0; i < columns.count(); ++i) {
        names.append(u'"' + columns.fieldName(i) + u'"');
        if (NamesColumns(columns.fieldName(i).split(u';'))) {
            diagnosis = ElementTableCheck::tr(
                "The file was saved with semicolons between its columns, as office programs do "
                "where decimals are written with a comma: import it with .separator \";\" (see "
                "\"From a spreadsheet\" in the README).");
        } else if (NamesColumns(columns.fieldName(i).split(u'\t'))) {
            diagnosis = ElementTableCheck::tr(
                "The file was saved with tabs between its columns: import it with .separator "
                "\"\\t\" instead of --csv (see \"From a spreadsheet\" in the README).");
        }
    }
    if (!rows.isEmpty() && NamesColumns(Values(rows.first()))) {
        diagnosis = ElementTableCheck::tr(
            "Its first row holds the column names: the file has a title row above its header. "
            "Import it with --skip 1, or delete the title row (see \"From a spreadsheet\" in the "
            "README).");
    }
    return ElementTableCheck::tr("It has the columns %1.").arg(names.join(QLatin1String(", "))) +
           (diagnosis.isEmpty() ? QString() : u'\n' + diagnosis);
}

// A row for messages by its name and symbol, "Iron (Fe)", or by all it holds.
QString RowLabel(const QSqlRecord& row, const std::array<int, 4>& columns) {
    const QString symbol = FieldText(row.value(columns[Symbol])).trimmed();
    const QString name = FieldText(row.value(columns[Name])).trimmed();
    if (!name.isEmpty() && !symbol.isEmpty())
        return QStringLiteral("%1 (%2)").arg(name, symbol);
    if (!name.isEmpty() || !symbol.isEmpty())
        return name + symbol;
    return u'(' + Values(row).join(QLatin1String(", ")) + u')';
}

// The decimal text of a whole number of any size that a column value stands for, as text or as
// any numeric type ("26", "26.0", 26.0), or nothing.
std::optional<QString> WholeNumber(const QVariant& value) {
    static const QRegularExpression whole(QStringLiteral("^([+-]?[0-9]+)(\\.0*)?$"));
    const QRegularExpressionMatch match = whole.match(FieldText(value));
    if (!match.hasMatch())
        return std::nullopt;
    return match.captured(1);
}

// The atomic number a question can draw that a column value stands for, or 0.
int DrawableNumber(const QVariant& value) {
    const int number = WholeNumber(value).value_or(QString()).toInt();
    return number <= kLastDrawable ? std::max(number, 0) : 0;
}

// The rows of 1..kLastDrawable exactly as the lookup's query finds them: the same comparison of
// AtomicNumber with bare numbers, so that a number stored as text counts where it is found.
QString RowsDrawn() {
    QStringList numbers;
    for (int number = 1; number <= kLastDrawable; ++number)
        numbers.append(QString::number(number));
    return QStringLiteral("select * from %1 where %2 in (%3)")
        .arg(ElementTable::kName, ElementTable::kAtomicNumber, numbers.join(QLatin1String(", ")));
}
} // namespace

void CheckElementTable(ElementDatabase& database) {
    const QString& dataSource = database.Description();
    const auto fail = [&](const QString& problems) {
        throw RuntimeError(ElementTableCheck::tr("The table %1 of %2 cannot be used.\n%3")
                               .arg(ElementTable::kName, dataSource, problems));
    };

    // The whole table: its columns, and the numbers of its rows. Rows with nothing in them, as
    // office programs leave at the end of a sheet, are no rows.
    const ElementDatabase::Rows table =
        database.Select(QStringLiteral("select * from %1").arg(ElementTable::kName));
    if (table.error.isValid()) {
        if (!HasTable(database.Tables()))
            fail(ElementTableCheck::tr("%1 has no table %2.").arg(dataSource, ElementTable::kName));
        fail(ElementTableCheck::tr("Reading it failed: %1").arg(table.error.text()));
    }
    std::array<int, 4> columns{};
    QStringList missingColumns;
    for (size_t i = 0; i < kColumns.size(); ++i) {
        columns[i] = table.columns.indexOf(kColumns[i]);
        if (columns[i] < 0)
            missingColumns.append(kColumns[i]);
    }
    if (!missingColumns.isEmpty()) {
        fail(ElementTableCheck::tr("Missing columns: %1.")
                 .arg(missingColumns.join(QLatin1String(", "))) +
             u'\n' + ColumnsFound(table.columns, table.records));
    }
    QStringList notWhole;
    QStringList withoutNumber;
    bool headerAsRow = false;
    for (const QSqlRecord& row : table.records) {
        const QString number = FieldText(row.value(columns[Number])).trimmed();
        if (number.compare(ElementTable::kAtomicNumber, Qt::CaseInsensitive) == 0)
            headerAsRow = true;
        else if (number.isEmpty() && !Values(row).join(QString()).trimmed().isEmpty())
            withoutNumber.append(RowLabel(row, columns));
        else if (!number.isEmpty() && !WholeNumber(row.value(columns[Number])))
            notWhole.append(number);
    }

    // The rows questions are drawn from.
    const ElementDatabase::Rows drawn = database.Select(RowsDrawn());
    if (drawn.error.isValid()) {
        fail(ElementTableCheck::tr("Looking an element up by its number fails: %1\nAtomicNumber "
                                   "must compare with a bare number, as in \"%2\".")
                 .arg(drawn.error.text(), ElementTable::kQueryPrefix + QLatin1String("26")));
    }
    std::array<int, kLastDrawable + 1> rowsPerNumber{};
    QList<int> withoutSymbol;
    QList<int> withoutName;
    QList<int> notProperCase;
    QList<int> withBlanks;
    for (const QSqlRecord& row : drawn.records) {
        const int number = DrawableNumber(row.value(columns[Number]));
        if (number < 1 || ++rowsPerNumber[number] > 1)
            continue;
        const QString symbol = FieldText(row.value(columns[Symbol]));
        const QString name = FieldText(row.value(columns[Name]));
        if (symbol.trimmed().isEmpty())
            withoutSymbol.append(number);
        if (name.trimmed().isEmpty())
            withoutName.append(number);
        else if (ProperCase(name) != name)
            notProperCase.append(number);
        const auto blanksAround = [](const QString& text) {
            return !text.trimmed().isEmpty() && text != text.trimmed();
        };
        if (blanksAround(symbol) || blanksAround(name))
            withBlanks.append(number);
    }

    QList<int> missing;
    QList<int> duplicated;
    for (int number = 1; number <= kLastDrawable; ++number) {
        if (rowsPerNumber[number] == 0)
            missing.append(number);
        else if (rowsPerNumber[number] > 1)
            duplicated.append(number);
    }
    // The same file imported twice into one database: its header is a row, every row is there
    // twice, and the rest follows from that.
    if (headerAsRow || duplicated.size() == kLastDrawable) {
        fail(ElementTableCheck::tr("The file was imported twice into the same database: its "
                                   "header row is a row of the table, and every element is "
                                   "there twice. Import it again into a fresh database file "
                                   "(delete the old one first)."));
    }

    QStringList problems;
    const auto report = [&problems](const QString& problem, const QStringList& items) {
        if (!items.isEmpty())
            problems.append(problem.arg(List(items)));
    };
    const auto reportNumbers = [&report](const QString& problem, const QList<int>& numbers) {
        QStringList items;
        for (int number : numbers)
            items.append(QString::number(number));
        report(problem, items);
    };
    reportNumbers(ElementTableCheck::tr("No row for atomic numbers %1."), missing);
    reportNumbers(ElementTableCheck::tr("More than one row for atomic numbers %1."), duplicated);
    report(ElementTableCheck::tr("Atomic numbers that are not whole numbers: %1."), notWhole);
    report(ElementTableCheck::tr("Rows without an atomic number: %1."), withoutNumber);
    reportNumbers(ElementTableCheck::tr("No symbol for atomic numbers %1."), withoutSymbol);
    reportNumbers(ElementTableCheck::tr("No name for atomic numbers %1."), withoutName);
    reportNumbers(ElementTableCheck::tr("Names that no answer can match, since answers are put in "
                                        "proper case (\"Iron\", not \"iron\" or \"IRON\"), for "
                                        "atomic numbers %1."),
                  notProperCase);
    reportNumbers(ElementTableCheck::tr("Symbols or names with blanks around them, which no answer "
                                        "can match, for atomic numbers %1."),
                  withBlanks);
    if (!problems.isEmpty())
        fail(problems.join(u'\n'));
}
