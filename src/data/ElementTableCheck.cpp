// SPDX-FileCopyrightText: 2026 Orvashel <orvashel@valtora.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ElementTableCheck.h"

#include "ElementDatabase.h"
#include "ElementTable.h"
#include "FieldText.h"
#include "platform/RuntimeError.h"
#include "quiz/AnswerCheck.h"
#include "quiz/ElementNames.h"

#include <QCoreApplication>
#include <QHash>
#include <QRegularExpression>
#include <QSet>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QStringConverter>
#include <algorithm>
#include <memory>

namespace {
// The translation context of the check's messages.
struct ElementTableCheck {
    Q_DECLARE_TR_FUNCTIONS(ElementTableCheck)
};

// How many items a message lists before it only counts the rest.
constexpr qsizetype kListed = 10;

const std::array<QLatin1StringView, 4> kColumns{
    ElementTable::kAtomicNumber, ElementTable::kAtomicSymbol, ElementTable::kElementName,
    ElementTable::kAtomicMass};
// The columns in that order.
enum Column { Number, Symbol, Name, Mass };

// Adds `problem`, naming its items, where there are any.
void AddProblem(QStringList& problems, const QString& problem, const Listed& items) {
    if (!items.IsEmpty())
        problems.append(problem.arg(items.Text()));
}

// Where the README tells how to import a spreadsheet, also once it is installed.
QString SeeSpreadsheetRecipes() {
    return ElementTableCheck::tr("see \"From a spreadsheet\" in the README, installed as %1")
        .arg(QStringLiteral(VALTORA_README));
}

QStringList FourColumns() {
    QStringList names;
    for (QLatin1StringView column : kColumns)
        names.append(column);
    return names;
}

bool HasTable(const QStringList& tables) {
    return std::any_of(tables.cbegin(), tables.cend(), [](const QString& table) {
        return table.compare(ElementTable::kName, Qt::CaseInsensitive) == 0;
    });
}

// Where `column` stands among a table's column `names`, matched regardless of case as databases
// match it; -1 where it is missing.
qsizetype ColumnIndex(const QStringList& names, QLatin1StringView column) {
    const auto found = std::find_if(names.cbegin(), names.cend(), [column](const QString& name) {
        return name.compare(column, Qt::CaseInsensitive) == 0;
    });
    return found == names.cend() ? -1 : found - names.cbegin();
}

QStringList MissingColumns(const QStringList& names) {
    QStringList missing;
    for (QLatin1StringView column : kColumns) {
        if (ColumnIndex(names, column) < 0)
            missing.append(column);
    }
    return missing;
}

// Whether `names` holds the four column names, in any case, with blanks and quotes around them.
bool NamesColumns(const QStringList& names) {
    return std::all_of(kColumns.cbegin(), kColumns.cend(), [&names](QLatin1StringView column) {
        return std::any_of(names.cbegin(), names.cend(), [column](QString name) {
            name.remove(u'"').remove(u'\'');
            return name.trimmed().compare(column, Qt::CaseInsensitive) == 0;
        });
    });
}

// Which UTF-16 a file was saved in, as iconv names it, where the column names the import made of
// it show one: its byte order mark read as single bytes ("ÿþ"), or, without one, the first
// letter of the header before a NUL byte ended it, and the names that began with one ("?_2").
QString Utf16Saved(const QStringList& names) {
    const QString first = names.value(0);
    if (first.startsWith(u"ÿþ") || first.startsWith(u"þÿ") || first.startsWith(u"\ufffd\ufffd"))
        return QStringLiteral("UTF-16");
    static const QRegularExpression unnamed(QStringLiteral("^\\?(_[0-9]+)?$"));
    const bool cut =
        names.size() > 1 && std::all_of(names.cbegin() + 1, names.cend(), [](const QString& name) {
            return unnamed.match(name).hasMatch();
        });
    return cut && first.size() == 1 && first.front().isLetter() ? QStringLiteral("UTF-16LE")
                                                                : QString();
}

// What the columns a table has tell of how its file was imported: the four names joined by
// semicolons or tabs in one column's name, or standing in the first row below a title.
QString ColumnsFound(const TableRows& table) {
    QStringList names;
    QString diagnosis;
    for (const QString& column : table.columns) {
        names.append(u'"' + column + u'"');
        if (NamesColumns(column.split(u';'))) {
            diagnosis = ElementTableCheck::tr(
                            "The file was saved with semicolons between its columns, as office "
                            "programs do where decimals are written with a comma: import it with "
                            ".separator \";\" (%1).")
                            .arg(SeeSpreadsheetRecipes());
        } else if (NamesColumns(column.split(u'\t'))) {
            diagnosis = ElementTableCheck::tr("The file was saved with tabs between its columns: "
                                              "import it with .separator \"\\t\" instead of --csv "
                                              "(%1).")
                            .arg(SeeSpreadsheetRecipes());
        }
    }
    if (const QString utf16 = Utf16Saved(table.columns); !utf16.isEmpty()) {
        diagnosis = ElementTableCheck::tr(
                        "The file was saved as UTF-16 (\"Unicode text\" in office programs), "
                        "which the import does not read. Convert it with \"iconv -f %1 -t UTF-8 "
                        "elements.csv > elements-utf8.csv\" and import elements-utf8.csv, or save "
                        "the sheet again as CSV in the character set \"Unicode (UTF-8)\" (%2).")
                        .arg(utf16, SeeSpreadsheetRecipes());
    }
    if (NamesColumns(table.firstRow)) {
        diagnosis = ElementTableCheck::tr("Its first row holds the column names: the file has a "
                                          "title row above its header. Import it with --skip 1, "
                                          "or delete the title row (%1).")
                        .arg(SeeSpreadsheetRecipes());
    }
    return ElementTableCheck::tr("It has the columns %1.").arg(names.join(QLatin1String(", "))) +
           (diagnosis.isEmpty() ? QString() : u'\n' + diagnosis);
}

// The decimal text of a whole number of any size ("26", "26.0"), or nothing.
std::optional<QString> WholeNumber(const QString& text) {
    // Plain digits, as nearly every row holds, without the expression: a million rows are read.
    if (!text.isEmpty() &&
        std::all_of(text.cbegin(), text.cend(), [](QChar c) { return c >= u'0' && c <= u'9'; }))
        return text;
    static const QRegularExpression whole(QStringLiteral("^([+-]?[0-9]+)(\\.0*)?$"));
    const QRegularExpressionMatch match = whole.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    return match.captured(1);
}

// The atomic number a question can draw that an atomic number's text stands for, or 0.
int DrawableNumber(const QString& text) {
    const int number = WholeNumber(text).value_or(QString()).toInt();
    return number <= TableRows::kLastDrawable ? std::max(number, 0) : 0;
}

// A row for messages by its name and symbol, "Iron (Fe)", or by all its four columns hold;
// nothing where it holds nothing, as the rows office programs leave at the end of a sheet.
QString RowLabel(const std::array<QString, 4>& cells) {
    const QString symbol = cells[Symbol].trimmed();
    const QString name = cells[Name].trimmed();
    if (!name.isEmpty() && !symbol.isEmpty())
        return QStringLiteral("%1 (%2)").arg(name, symbol);
    if (!name.isEmpty() || !symbol.isEmpty())
        return name + symbol;
    const QStringList values(cells.cbegin(), cells.cend());
    if (values.join(QString()).trimmed().isEmpty())
        return {};
    return u'(' + values.join(QLatin1String(", ")) + u')';
}

// Whether a symbol or a name holds only what element names hold: letters and their marks, and
// blanks, hyphens, apostrophes and Catalan's middle dot ("Beril·li") between them.
bool ElementText(const QString& text) {
    return std::all_of(text.cbegin(), text.cend(), [](QChar c) {
        return c.isLetter() || c.isMark() || c == u' ' || c == u'-' || c == u'\'' ||
               c == u'\u2019' || c == u'\u00b7';
    });
}

// Whether valid text reads like UTF-8 that was read as Windows-1252 or Windows-1250 ("Ã³" for ó,
// "Å¼" for ż): written in that code page, it would be UTF-8 beyond ASCII.
bool ReadsAsMisdecodedUtf8(const QString& text) {
    for (const char* codePage : {"windows-1252", "windows-1250"}) {
        QStringEncoder encoder(codePage, QStringConverter::Flag::Stateless);
        const QByteArray bytes = encoder(text);
        const bool ascii =
            std::all_of(bytes.cbegin(), bytes.cend(), [](char c) { return uchar(c) < 0x80; });
        if (!encoder.hasError() && !ascii && bytes.isValidUtf8())
            return true;
    }
    return false;
}

// Whether a symbol or a name begins with a letter and ends with one, or with a letter's marks:
// a cell of "-" or of a lone accent names nothing.
bool LettersAtEnds(const QString& text) {
    qsizetype last = text.size() - 1;
    while (last > 0 && text.at(last).isMark())
        --last;
    return text.front().isLetter() && text.at(last).isLetter();
}

TextFault Inspect(const StoredText& stored) {
    const QString& text = stored.text;
    // Bytes that are no UTF-8 come out of the driver as anything, or nothing.
    if (stored.bytes && !stored.bytes->isValidUtf8())
        return TextFault::Strange;
    if (text.trimmed().isEmpty())
        return TextFault::Empty;
    if (text != text.trimmed())
        return TextFault::Blanks;
    // Before invisible characters: UTF-8's "í" read as Windows-1250 ends in a soft hyphen.
    if (ReadsAsMisdecodedUtf8(text))
        return TextFault::Strange;
    if (std::any_of(text.cbegin(), text.cend(),
                    [](QChar c) { return c.category() == QChar::Other_Format; }))
        return TextFault::Invisible;
    if (!ElementText(text) || !LettersAtEnds(text))
        return TextFault::Strange;
    return TextFault::None;
}

// The character sets office programs save sheets in, and that iconv or psql are told to read
// them as, most used first: where two read a table alike, the first is named.
const std::array<CharacterSet, 15> kCharacterSets{{
    {"UTF-8", "UTF-8", "UTF8"},
    {"Windows-1252", "WINDOWS-1252", "WIN1252"},
    {"Windows-1250", "WINDOWS-1250", "WIN1250"},
    {"Windows-1251", "WINDOWS-1251", "WIN1251"},
    {"Windows-1253", "WINDOWS-1253", "WIN1253"},
    {"Windows-1254", "WINDOWS-1254", "WIN1254"},
    {"ISO-8859-2", "ISO-8859-2", "LATIN2"},
    {"ISO-8859-5", "ISO-8859-5", "ISO_8859_5"},
    {"ISO-8859-7", "ISO-8859-7", "ISO_8859_7"},
    {"ISO-8859-9", "ISO-8859-9", "LATIN5"},
    {"KOI8-R", "KOI8-R", "KOI8R"},
    {"KOI8-U", "KOI8-U", "KOI8U"},
    {"GBK", "GBK", "GBK"},
    {"GB18030", "GB18030", "GB18030"},
    {"Big5", "BIG5", "BIG5"},
}};
const CharacterSet& kUtf8 = kCharacterSets.front();

// Every name of every language Valtora knows, by atomic number, compared in Unicode's case
// folding and normal form C.
class KnownNames {
public:
    static const KnownNames& All() {
        static const KnownNames names;
        return names;
    }
    bool Has(int number, const QString& name) const {
        return names_.value(number).contains(Key(name));
    }

private:
    KnownNames() {
        for (const QString& language : ElementNames::Languages()) {
            const ElementNames names(language);
            for (auto it = names.Forms().cbegin(); it != names.Forms().cend(); ++it) {
                for (const QString& form : it.value())
                    names_[it.key()].insert(Key(form));
            }
        }
    }
    static QString Key(const QString& name) {
        return name.trimmed().normalized(QString::NormalizationForm_C).toCaseFolded();
    }
    QHash<int, QSet<QString>> names_;
};

// The bytes a name was imported as: as stored where they are known, else its text in UTF-8.
QByteArray ImportedBytes(const StoredText& stored) {
    return stored.bytes.value_or(stored.text.toUtf8());
}

// Converts in one go, each time afresh: a converter keeps its errors once it has met one.
std::optional<QByteArray> Encoded(const QString& text, const CharacterSet& set) {
    QStringEncoder encoder(set.name, QStringConverter::Flag::Stateless);
    QByteArray bytes = encoder(text);
    return encoder.hasError() ? std::nullopt : std::optional(bytes);
}
std::optional<QString> Decoded(const QByteArray& bytes, const CharacterSet& set) {
    QStringDecoder decoder(set.name, QStringConverter::Flag::Stateless);
    QString text = decoder(bytes);
    return decoder.hasError() ? std::nullopt : std::optional(text);
}

// The names a file saved in `savedIn` and read as `readAs` garbled: those that, read back the
// other way, are names of their element in a language Valtora knows.
QMap<int, QString> Unmistaken(const QMap<int, QByteArray>& garbled, const CharacterSet& savedIn,
                              const CharacterSet& readAs) {
    QMap<int, QString> meant;
    for (auto it = garbled.cbegin(); it != garbled.cend(); ++it) {
        std::optional<QByteArray> saved = it.value();
        if (&readAs != &kUtf8)
            saved = it.value().isValidUtf8() ? Encoded(QString::fromUtf8(it.value()), readAs)
                                             : std::nullopt;
        const std::optional<QString> name = saved ? Decoded(*saved, savedIn) : std::nullopt;
        if (name && KnownNames::All().Has(it.key(), *name))
            meant.insert(it.key(), name->trimmed());
    }
    return meant;
}

// The mix-up of character sets that explains the most of the names beyond ASCII that are no
// element's name as they stand, if any does.
std::optional<Misreading> FindMisreading(const QMap<int, StoredText>& names) {
    QMap<int, QByteArray> garbled;
    for (auto it = names.cbegin(); it != names.cend(); ++it) {
        const QByteArray bytes = ImportedBytes(it.value());
        const bool ascii =
            std::all_of(bytes.cbegin(), bytes.cend(), [](char c) { return uchar(c) < 0x80; });
        if (!ascii && !(bytes.isValidUtf8() && KnownNames::All().Has(it.key(), it->text)))
            garbled.insert(it.key(), bytes);
    }
    std::optional<Misreading> best;
    for (const CharacterSet& readAs : kCharacterSets) {
        for (const CharacterSet& savedIn : kCharacterSets) {
            if (garbled.isEmpty() || &savedIn == &readAs)
                continue;
            QMap<int, QString> meant = Unmistaken(garbled, savedIn, readAs);
            if (!meant.isEmpty() && (!best || meant.size() > best->meant.size()))
                best = Misreading{&savedIn, &readAs, std::move(meant)};
        }
    }
    return best;
}
} // namespace

TextFaults FindTextFaults(const QMap<int, std::pair<StoredText, StoredText>>& symbolsAndNames) {
    TextFaults found;
    QMap<int, StoredText> names;
    for (auto it = symbolsAndNames.cbegin(); it != symbolsAndNames.cend(); ++it) {
        found.symbolAndName.insert(it.key(), {Inspect(it->first), Inspect(it->second)});
        names.insert(it.key(), it->second);
    }
    found.misreading = FindMisreading(names);
    if (!found.misreading)
        return found;
    // A name it leaves strange lost its letters otherwise ("?"): no mix-up is the table's.
    for (auto it = found.symbolAndName.cbegin(); it != found.symbolAndName.cend(); ++it) {
        if (it->second == TextFault::Strange && !found.misreading->meant.contains(it.key())) {
            found.misreading.reset();
            return found;
        }
    }
    for (int number : found.misreading->meant.keys())
        found.symbolAndName[number].second = TextFault::Misread;
    return found;
}

void Listed::Add(const QString& item) {
    if (first_.size() < kListed)
        first_.append(item);
    ++count_;
}

QString Listed::Text() const {
    QString text = first_.join(QLatin1String(", "));
    if (count_ > kListed)
        text += ElementTableCheck::tr(" and %1 more").arg(count_ - kListed);
    return text;
}

TableRows::TableRows(QStringList names, bool imported)
    : columns(std::move(names))
    , asImported(imported) {
    for (int column = Number; column <= Mass; ++column)
        at_[column] = ColumnIndex(columns, kColumns[column]);
}

void TableRows::Add(const TableRow& row) {
    if (firstRow.isEmpty())
        firstRow = row.values;
    std::array<QString, 4> cells;
    for (int column = Number; column <= Mass; ++column)
        cells[column] = row.values.value(at_[column]);
    const QString& number = cells[Number];
    const QString trimmed = number.trimmed();
    if (trimmed.compare(ElementTable::kAtomicNumber, Qt::CaseInsensitive) == 0)
        headerAsRow = true;
    else if (const QString label = trimmed.isEmpty() ? RowLabel(cells) : QString();
             !label.isEmpty())
        withoutNumber.Add(label);
    else if (!trimmed.isEmpty() && !WholeNumber(trimmed))
        notWhole.Add(trimmed);
    else if (!trimmed.isEmpty() && trimmed != number)
        blanksAround.Add(trimmed);
    if (!row.drawn)
        return;
    const int drawable = DrawableNumber(number);
    if (drawable < 1 || ++rowsPerNumber[drawable] > 1)
        return;
    firstRows.insert(drawable, {{cells[Symbol], row.symbolBytes}, {cells[Name], row.nameBytes}});
}

QStringList ShapeProblems(const TableRows& table) {
    const QStringList missing = MissingColumns(table.columns);
    if (missing.isEmpty())
        return {};
    return {ElementTableCheck::tr("Missing columns: %1.").arg(missing.join(QLatin1String(", "))) +
            u'\n' + ColumnsFound(table)};
}

QStringList NumberProblems(const TableRows& table) {
    QStringList problems;
    AddProblem(problems, ElementTableCheck::tr("Atomic numbers that are not whole numbers: %1."),
               table.notWhole);
    AddProblem(
        problems,
        ElementTableCheck::tr("Atomic numbers with blanks around them, which the lookup's query "
                              "does not find: %1."),
        table.blanksAround);
    AddProblem(problems, ElementTableCheck::tr("Rows without an atomic number: %1."),
               table.withoutNumber);
    if (table.headerAsRow) {
        problems.append(
            ElementTableCheck::tr("The file's header row (%1) is a row of the table: the table was "
                                  "made before the import, which read the header as data. Import "
                                  "the file into a fresh database, or with --skip 1 (%2).")
                .arg(FourColumns().join(QLatin1String(", ")), SeeSpreadsheetRecipes()));
    }
    return problems;
}

namespace {
// The names a mix-up of character sets garbled (`numbers`), an example, and the recipe that
// reads the file right: where the database holds the bytes as imported (SQLite), iconv on that
// file, undoing the conversion it went through before; elsewhere, the file read again in its
// character set.
QString MisreadingProblem(const Misreading& misreading, const Listed& numbers,
                          const TableRows& table) {
    const CharacterSet& saved = *misreading.savedIn;
    const CharacterSet& read = *misreading.readAs;
    QString listed = numbers.Text();
    // Bytes read as UTF-8 that were none make no text to show.
    for (auto it = misreading.meant.cbegin(); &read != &kUtf8 && it != misreading.meant.cend();
         ++it) {
        const StoredText& stored = table.firstRows.value(it.key()).second;
        if (ImportedBytes(stored).isValidUtf8()) {
            listed += QStringLiteral(" (\"%1\" → \"%2\")").arg(stored.text, it.value());
            break;
        }
    }
    const QLatin1StringView savedName(saved.name);
    const QLatin1StringView readName(read.name);
    if (!table.asImported) {
        return ElementTableCheck::tr(
                   "Names with characters that no element's name has, garbled because the file "
                   "was saved in the character set %1 and read as %2, for atomic numbers %3. "
                   "Read it as %1: in psql, give \"\\encoding %4\" before \\copy, or convert "
                   "it first with \"iconv -f %5 -t UTF-8\", and import it again (%6).")
            .arg(savedName, readName, listed, QLatin1StringView(saved.psql),
                 QLatin1StringView(saved.iconv), SeeSpreadsheetRecipes());
    }
    QString command = QStringLiteral("iconv -f %1 -t UTF-8 elements.csv").arg(saved.iconv);
    if (&read != &kUtf8) {
        // The file was converted from the wrong character set already: convert it back.
        command = QStringLiteral("iconv -f UTF-8 -t %1 elements.csv").arg(read.iconv);
        if (&saved != &kUtf8)
            command += QStringLiteral(" | iconv -f %1 -t UTF-8").arg(saved.iconv);
    }
    return ElementTableCheck::tr(
               "Names with characters that no element's name has, garbled because the file was "
               "saved in the character set %1 and read as %2, for atomic numbers %3. Convert it "
               "with \"%4 > elements-utf8.csv\" and import elements-utf8.csv in its place (%5).")
        .arg(savedName, readName, listed, command, SeeSpreadsheetRecipes());
}
} // namespace

QStringList DrawnProblems(const TableRows& table) {
    Listed missing;
    Listed duplicated;
    for (int number = 1; number <= TableRows::kLastDrawable; ++number) {
        if (table.rowsPerNumber[number] == 0)
            missing.Add(number);
        else if (table.rowsPerNumber[number] > 1)
            duplicated.Add(number);
    }
    Listed withoutSymbol;
    Listed withoutName;
    Listed invisible;
    Listed notUtf8;
    Listed misread;
    Listed withBlanks;
    Listed notProperCase;
    const TextFaults faults = FindTextFaults(table.firstRows);
    for (auto it = faults.symbolAndName.cbegin(); it != faults.symbolAndName.cend(); ++it) {
        const auto [symbol, name] = it.value();
        const auto either = [&](TextFault fault, Listed& list) {
            if (symbol == fault || name == fault)
                list.Add(it.key());
        };
        if (symbol == TextFault::Empty)
            withoutSymbol.Add(it.key());
        if (name == TextFault::Empty)
            withoutName.Add(it.key());
        either(TextFault::Invisible, invisible);
        either(TextFault::Strange, notUtf8);
        either(TextFault::Misread, misread);
        either(TextFault::Blanks, withBlanks);
        // A name is answered in proper case, by the rules of the class's language.
        const QString& nameText = table.firstRows[it.key()].second.text;
        if (name == TextFault::None &&
            !AnswerMatches(table.language, QuizMode::GuessName, nameText, nameText))
            notProperCase.Add(it.key());
    }
    QStringList problems;
    AddProblem(problems, ElementTableCheck::tr("No row for atomic numbers %1."), missing);
    AddProblem(problems, ElementTableCheck::tr("More than one row for atomic numbers %1."),
               duplicated);
    AddProblem(problems, ElementTableCheck::tr("No symbol for atomic numbers %1."), withoutSymbol);
    AddProblem(problems, ElementTableCheck::tr("No name for atomic numbers %1."), withoutName);
    if (faults.misreading)
        problems.append(MisreadingProblem(*faults.misreading, misread, table));
    AddProblem(
        problems,
        ElementTableCheck::tr("Symbols or names with invisible characters in them (zero-width "
                              "spaces or joiners, soft hyphens, direction marks), which no "
                              "typed answer holds, for atomic numbers %1."),
        invisible);
    if (!notUtf8.IsEmpty()) {
        problems.append(
            ElementTableCheck::tr("Symbols or names with characters that no element's name has, "
                                  "such as \"?\" or the letter pairs (\"Ã³\", \"Å¼\") that a "
                                  "file saved in another character set than UTF-8 leaves, or with "
                                  "no letter at their start or end (\"-\", a lone accent), for "
                                  "atomic numbers %1. Retype those cells, or save the sheet again "
                                  "as CSV in the character set \"Unicode (UTF-8)\" (or convert "
                                  "the file with iconv) and import it again (%2).")
                .arg(notUtf8.Text(), SeeSpreadsheetRecipes()));
    }
    AddProblem(
        problems,
        ElementTableCheck::tr("Names that no answer can match, since answers are put in proper "
                              "case (\"Iron\", not \"iron\" or \"IRON\"), for atomic numbers "
                              "%1."),
        notProperCase);
    AddProblem(
        problems,
        ElementTableCheck::tr("Symbols or names with blanks around them, which no answer can "
                              "match, for atomic numbers %1."),
        withBlanks);
    return problems;
}

QStringList ImportedTwice(const TableRows& table) {
    const std::array<int, TableRows::kLastDrawable + 1>& rows = table.rowsPerNumber;
    if (!table.headerAsRow ||
        !std::all_of(rows.cbegin() + 1, rows.cend(), [](int n) { return n == 2; }))
        return {};
    return {ElementTableCheck::tr("The file was imported twice into the same database: its "
                                  "header row is a row of the table, and every element is "
                                  "there twice. Import it again into a fresh database file "
                                  "(delete the old one first).")};
}

namespace {
// The names of the columns of a result.
QStringList ColumnNames(const QSqlRecord& columns) {
    QStringList names;
    for (int i = 0; i < columns.count(); ++i)
        names.append(columns.fieldName(i));
    return names;
}

// The first `count` values of a row, as text.
QStringList Values(const QSqlQuery& row, int count) {
    QStringList values;
    for (int i = 0; i < count; ++i)
        values.append(FieldText(row.value(i)));
    return values;
}

// Why the read of the table failed where no fault of the data source explains it, as its shape
// tells: the table missing, reading it at all, columns missing; or else the lookup's comparison.
// Reads the first row only, and only where columns are missing, for what it tells.
QStringList ReadFailed(ElementDatabase& database, const DriverReport& failure) {
    const ElementDatabase::Read shape =
        database.ForEachRow(QStringLiteral("select * from %1 where 1 = 0").arg(ElementTable::kName),
                            [](const QSqlQuery&) { return false; });
    if (shape.failure) {
        if (!HasTable(database.Tables())) {
            return {ElementTableCheck::tr("%1 has no table %2.")
                        .arg(database.Description(), ElementTable::kName)};
        }
        return {WithDriverWords(ElementTableCheck::tr("Reading it failed."), shape.failure->text)};
    }
    TableRows table(ColumnNames(shape.columns), database.IsSqlite());
    if (MissingColumns(table.columns).isEmpty()) {
        return {WithDriverWords(
            ElementTableCheck::tr("Looking an element up by its number fails: AtomicNumber must "
                                  "compare with a bare number, as in \"%1\".")
                .arg(ElementTable::kQueryPrefix + QLatin1String("26")),
            failure.text)};
    }
    auto firstRow = std::make_shared<QStringList>();
    const ElementDatabase::Read read =
        database.ForEachRow(QStringLiteral("select * from %1").arg(ElementTable::kName),
                            [firstRow](const QSqlQuery& row) {
                                *firstRow = Values(row, row.record().count());
                                return false;
                            });
    if (!read.failure)
        table.firstRow = *firstRow;
    return ShapeProblems(table);
}
} // namespace

void CheckElementTable(ElementDatabase& database) {
    const auto fail = [&](const QStringList& problems) {
        throw RuntimeError(
            ElementTableCheck::tr("The table %1 of %2 cannot be used.\n%3")
                .arg(ElementTable::kName, database.Description(), problems.join(u'\n')));
    };
    // The atomic number, whether the lookup's query finds the row (the same comparison of
    // AtomicNumber with bare numbers, so that a number stored as text counts where it is found),
    // then the other three columns. SQLite keeps text as it was imported: the bytes of the symbol
    // and the name of the rows found tell whether that was UTF-8. The driver reads a row's values
    // as they are asked for, in order: the rest of a row is read only where a rule needs it, so
    // that a table of a million further rows is read in seconds.
    QStringList numbers;
    for (int number = 1; number <= TableRows::kLastDrawable; ++number)
        numbers.append(QString::number(number));
    const QString found = QStringLiteral("%1 in (%2)")
                              .arg(ElementTable::kAtomicNumber, numbers.join(QLatin1String(", ")));
    const bool asImported = database.IsSqlite();
    const QString select =
        QStringLiteral("select %1, case when %2 then 1 else 0 end, %3, %4, %5%6 from %7")
            .arg(ElementTable::kAtomicNumber, found, ElementTable::kAtomicSymbol,
                 ElementTable::kElementName, ElementTable::kAtomicMass,
                 asImported
                     ? QStringLiteral(", case when %1 then hex(%2) end, case when %1 then "
                                      "hex(%3) end")
                           .arg(found, ElementTable::kAtomicSymbol, ElementTable::kElementName)
                     : QString(),
                 ElementTable::kName);
    auto gathered = std::make_shared<TableRows>(FourColumns(), asImported);
    const ElementDatabase::Read read =
        database.ForEachRow(select, [gathered, asImported](const QSqlQuery& row) {
            TableRow values{{FieldText(row.value(0))}, row.value(1).toInt() == 1};
            if (values.drawn || gathered->firstRow.isEmpty() || !WholeNumber(values.values[0])) {
                for (int column = 2; column <= 4; ++column)
                    values.values.append(FieldText(row.value(column)));
            }
            if (values.drawn && asImported) {
                values.symbolBytes = QByteArray::fromHex(FieldText(row.value(5)).toLatin1());
                values.nameBytes = QByteArray::fromHex(FieldText(row.value(6)).toLatin1());
            }
            gathered->Add(values);
            return true;
        });
    if (read.failure)
        fail(ReadFailed(database, *read.failure));
    TableRows table = std::move(*gathered);
    table.language = database.Language();
    if (const QStringList shape = ShapeProblems(table); !shape.isEmpty())
        fail(shape);
    // Its header a row, and every element there twice: the rest follows from that.
    if (const QStringList twice = ImportedTwice(table); !twice.isEmpty())
        fail(twice);
    if (const QStringList problems = DrawnProblems(table) + NumberProblems(table);
        !problems.isEmpty())
        fail(problems);
}

void OpenCheckedTable(ElementDatabase& database) {
    database.Open();
    CheckElementTable(database);
    database.FinishStart();
}
