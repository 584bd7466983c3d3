// SPDX-FileCopyrightText: 2026 Orvashel <orvashel@valtora.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ElementLookup.h"

#include "ElementDatabase.h"
#include "ElementTable.h"
#include "FieldText.h"
#include "platform/RuntimeError.h"
#include "quiz/QuizState.h"

#include <algorithm>

ElementLookup::ElementLookup(QuizState& state, ElementDatabase& database, ControlAccess& controls,
                             const ClassLanguage& language)
    : state_(state)
    , adoElements_(database, controls) {
    adoElements_.Bind(Box::txtAtomicNumber, ElementTable::kAtomicNumber);
    adoElements_.Bind(Box::txtSymbol, ElementTable::kAtomicSymbol);
    adoElements_.Bind(Box::txtElement, ElementTable::kElementName);
    // Masses in the notation of the class's language: "26,982" in German.
    adoElements_.Bind(Box::txtAtomicMass, ElementTable::kAtomicMass,
                      [decimalPoint = language.DecimalPoint()](const QString& mass) {
                          return WithDecimalPoint(mass, decimalPoint);
                      });
}

namespace {
// The query is built by concatenation, so only a plain decimal number may go into it.
bool IsDecimalNumber(const QString& text) {
    return !text.isEmpty() &&
           std::all_of(text.cbegin(), text.cend(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}
} // namespace

void ElementLookup::GetRecord() {
    const QString& number = state_.StrNumber();
    if (!IsDecimalNumber(number))
        throw RuntimeError(tr("\"%1\" is not an atomic number to look up.").arg(number));
    adoElements_.SetRecordSource(ElementTable::kQueryPrefix + number);
    // Four empty boxes, or an empty symbol or name, would let an empty answer pass as right.
    const std::optional<QSqlRecord> row = adoElements_.Refresh();
    if (!row) {
        throw RuntimeError(tr("There is no row for atomic number %1 in table %2.")
                               .arg(number, ElementTable::kName));
    }
    if (adoElements_.Text(*row, ElementTable::kAtomicSymbol).trimmed().isEmpty()) {
        throw RuntimeError(tr("The row for atomic number %1 in table %2 has no symbol (%3 is "
                              "empty): no answer could be judged against it.")
                               .arg(number, ElementTable::kName, ElementTable::kAtomicSymbol));
    }
    if (adoElements_.Text(*row, ElementTable::kElementName).trimmed().isEmpty()) {
        throw RuntimeError(tr("The row for atomic number %1 in table %2 has no name (%3 is "
                              "empty): no answer could be judged against it.")
                               .arg(number, ElementTable::kName, ElementTable::kElementName));
    }
    adoElements_.Show(*row);
    state_.SetStrNumber(QString());
}
