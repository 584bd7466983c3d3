#include "ElementTableCheck.h"

#include "ElementDatabase.h"
#include "ElementTable.h"
#include "FieldText.h"
#include "platform/RuntimeError.h"
#include "platform/TextOperations.h"

#include <QRegularExpression>
#include <QSqlRecord>
#include <QStringList>
#include <algorithm>
#include <array>
#include <optional>

namespace {
// The largest atomic number a question can draw.
constexpr int kLastDrawable = 103;
// How many numbers a message lists before it only counts the rest.
constexpr qsizetype kListedNumbers = 10;

QString ListNumbers(const QList<int>& numbers) {
    QStringList listed;
    for (qsizetype i = 0; i < numbers.size() && i < kListedNumbers; ++i)
        listed.append(QString::number(numbers[i]));
    QString text = listed.join(QLatin1String(", "));
    if (numbers.size() > kListedNumbers)
        text += QStringLiteral(" and %1 more").arg(numbers.size() - kListedNumbers);
    return text;
}

bool HasTable(const QStringList& tables) {
    return std::any_of(tables.cbegin(), tables.cend(), [](const QString& table) {
        return table.compare(ElementTable::kName, Qt::CaseInsensitive) == 0;
    });
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
        throw RuntimeError(QStringLiteral("The table %1 of %2 cannot be used.\n%3")
                               .arg(ElementTable::kName, dataSource, problems));
    };

    // The whole table: its columns, and numbers that are not whole anywhere in it.
    const ElementDatabase::Rows table =
        database.Select(QStringLiteral("select * from %1").arg(ElementTable::kName));
    if (table.error.isValid()) {
        if (!HasTable(database.Tables()))
            fail(QStringLiteral("%1 has no table %2.").arg(dataSource, ElementTable::kName));
        fail(QStringLiteral("Reading it failed: %1").arg(table.error.text()));
    }
    const std::array<QLatin1StringView, 4> columnNames{
        ElementTable::kAtomicNumber, ElementTable::kAtomicSymbol, ElementTable::kElementName,
        ElementTable::kAtomicMass};
    std::array<int, 4> columns{};
    QStringList missingColumns;
    for (size_t i = 0; i < columnNames.size(); ++i) {
        columns[i] = table.columns.indexOf(columnNames[i]);
        if (columns[i] < 0)
            missingColumns.append(columnNames[i]);
    }
    if (!missingColumns.isEmpty())
        fail(QStringLiteral("Missing columns: %1.").arg(missingColumns.join(QLatin1String(", "))));
    QStringList notWhole;
    for (const QSqlRecord& row : table.records) {
        if (!WholeNumber(row.value(columns[0])) && notWhole.size() < kListedNumbers)
            notWhole.append(FieldText(row.value(columns[0])));
    }

    // The rows questions are drawn from.
    const ElementDatabase::Rows drawn = database.Select(RowsDrawn());
    if (drawn.error.isValid()) {
        fail(QStringLiteral("Looking an element up by its number fails: %1\nAtomicNumber must "
                            "compare with a bare number, as in \"%2\".")
                 .arg(drawn.error.text(), ElementTable::kQueryPrefix + QLatin1String("26")));
    }
    std::array<int, kLastDrawable + 1> rowsPerNumber{};
    QList<int> withoutSymbol;
    QList<int> withoutName;
    QList<int> notProperCase;
    QList<int> withBlanks;
    for (const QSqlRecord& row : drawn.records) {
        const int number = DrawableNumber(row.value(columns[0]));
        if (number < 1 || ++rowsPerNumber[number] > 1)
            continue;
        const QString symbol = FieldText(row.value(columns[1]));
        const QString name = FieldText(row.value(columns[2]));
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

    QStringList problems;
    const auto report = [&problems](const QList<int>& numbers, const char* problem) {
        if (!numbers.isEmpty())
            problems.append(QString::fromUtf8(problem).arg(ListNumbers(numbers)));
    };
    report(missing, "No row for atomic numbers %1.");
    report(duplicated, "More than one row for atomic numbers %1.");
    if (!notWhole.isEmpty()) {
        problems.append(QStringLiteral("Atomic numbers that are not whole numbers: %1.")
                            .arg(notWhole.join(QLatin1String(", "))));
    }
    report(withoutSymbol, "No symbol for atomic numbers %1.");
    report(withoutName, "No name for atomic numbers %1.");
    report(notProperCase, "Names that no answer can match, since answers are put in proper case "
                          "(\"Iron\", not \"iron\" or \"IRON\"), for atomic numbers %1.");
    report(withBlanks, "Symbols or names with blanks around them, which no answer can match, for "
                       "atomic numbers %1.");
    if (!problems.isEmpty())
        fail(problems.join(u'\n'));
}
