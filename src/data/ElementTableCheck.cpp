#include "ElementTableCheck.h"

#include "ElementDatabase.h"
#include "ElementTable.h"
#include "FieldText.h"
#include "platform/RuntimeError.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QStringList>
#include <algorithm>
#include <array>

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

bool HasTable(const QSqlDatabase& connection) {
    const QStringList tables = connection.tables();
    return std::any_of(tables.cbegin(), tables.cend(), [](const QString& table) {
        return table.compare(ElementTable::kName, Qt::CaseInsensitive) == 0;
    });
}
} // namespace

void CheckElementTable(ElementDatabase& database) {
    const QString& dataSource = database.Description();
    const auto fail = [&](const QString& problems) {
        throw RuntimeError(QStringLiteral("The table %1 of %2 cannot be used.\n%3")
                               .arg(ElementTable::kName, dataSource, problems));
    };

    QSqlQuery query(database.Connection());
    const QString rowsDrawn = QStringLiteral("select * from %1 where %2 between 1 and %3")
                                  .arg(ElementTable::kName, ElementTable::kAtomicNumber)
                                  .arg(kLastDrawable);
    if (!database.Select(query, rowsDrawn)) {
        if (!HasTable(database.Connection()))
            fail(QStringLiteral("%1 has no table %2.").arg(dataSource, ElementTable::kName));
        fail(QStringLiteral("Reading it failed: %1").arg(query.lastError().text()));
    }

    const std::array<QLatin1StringView, 4> columnNames{
        ElementTable::kAtomicNumber, ElementTable::kAtomicSymbol, ElementTable::kElementName,
        ElementTable::kAtomicMass};
    const QSqlRecord header = query.record();
    std::array<int, 4> columns{};
    QStringList missingColumns;
    for (size_t i = 0; i < columnNames.size(); ++i) {
        columns[i] = header.indexOf(columnNames[i]);
        if (columns[i] < 0)
            missingColumns.append(columnNames[i]);
    }
    if (!missingColumns.isEmpty())
        fail(QStringLiteral("Missing columns: %1.").arg(missingColumns.join(QLatin1String(", "))));

    std::array<int, kLastDrawable + 1> rowsPerNumber{};
    QList<int> withoutSymbol;
    QList<int> withoutName;
    QStringList notWhole;
    while (query.next()) {
        const QString numberText = FieldText(query.value(columns[0]));
        bool whole = false;
        const int number = numberText.toInt(&whole);
        if (!whole) {
            notWhole.append(numberText);
            continue;
        }
        if (number < 1 || number > kLastDrawable)
            continue;
        if (++rowsPerNumber[number] > 1)
            continue;
        if (FieldText(query.value(columns[1])).trimmed().isEmpty())
            withoutSymbol.append(number);
        if (FieldText(query.value(columns[2])).trimmed().isEmpty())
            withoutName.append(number);
    }
    if (query.lastError().isValid())
        fail(QStringLiteral("Reading it failed: %1").arg(query.lastError().text()));

    QList<int> missing;
    QList<int> duplicated;
    for (int number = 1; number <= kLastDrawable; ++number) {
        if (rowsPerNumber[number] == 0)
            missing.append(number);
        else if (rowsPerNumber[number] > 1)
            duplicated.append(number);
    }

    QStringList problems;
    if (!missing.isEmpty())
        problems.append(QStringLiteral("No row for atomic numbers %1.").arg(ListNumbers(missing)));
    if (!duplicated.isEmpty()) {
        problems.append(QStringLiteral("More than one row for atomic numbers %1.")
                            .arg(ListNumbers(duplicated)));
    }
    if (!notWhole.isEmpty()) {
        problems.append(QStringLiteral("Atomic numbers that are not whole numbers: %1.")
                            .arg(notWhole.mid(0, kListedNumbers).join(QLatin1String(", "))));
    }
    if (!withoutSymbol.isEmpty())
        problems.append(
            QStringLiteral("No symbol for atomic numbers %1.").arg(ListNumbers(withoutSymbol)));
    if (!withoutName.isEmpty())
        problems.append(
            QStringLiteral("No name for atomic numbers %1.").arg(ListNumbers(withoutName)));
    if (!problems.isEmpty())
        fail(problems.join(u'\n'));
}
