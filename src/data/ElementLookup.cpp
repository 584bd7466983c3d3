#include "ElementLookup.h"

#include "ElementTable.h"
#include "platform/RuntimeError.h"
#include "quiz/QuizState.h"

#include <algorithm>

ElementLookup::ElementLookup(QuizState& state, ElementDatabase& database, ControlAccess& controls)
    : state_(state)
    , adoElements_(database, controls) {
    adoElements_.Bind(Box::txtAtomicNumber, ElementTable::kAtomicNumber);
    adoElements_.Bind(Box::txtSymbol, ElementTable::kAtomicSymbol);
    adoElements_.Bind(Box::txtElement, ElementTable::kElementName);
    adoElements_.Bind(Box::txtAtomicMass, ElementTable::kAtomicMass);
}

namespace {
// The query is built by concatenation, so only a plain decimal number may go into it.
bool IsDecimalNumber(const QString& text) {
    return !text.isEmpty() &&
           std::all_of(text.cbegin(), text.cend(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}
} // namespace

void ElementLookup::GetRecord() {
    if (!IsDecimalNumber(state_.StrNumber())) {
        throw RuntimeError(
            QStringLiteral("\"%1\" is not an atomic number to look up.").arg(state_.StrNumber()));
    }
    adoElements_.SetRecordSource(ElementTable::kQueryPrefix + state_.StrNumber());
    // Four empty boxes would let an empty answer pass as right: a missing row is an error.
    if (!adoElements_.Refresh()) {
        throw RuntimeError(QStringLiteral("There is no row for atomic number %1 in table %2.")
                               .arg(state_.StrNumber(), ElementTable::kName));
    }
    state_.SetStrNumber(QString());
}
