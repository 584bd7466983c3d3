// SPDX-FileCopyrightText: 2026 Orvashel <orvashel@valtora.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "DataControl.h"
#include "quiz/ClassLanguage.h"
#include "quiz/RecordLookup.h"

#include <QCoreApplication>

class ElementDatabase;
class QuizState;

// Looks up the element whose atomic number waits in the quiz state and shows its record:
// number, symbol, name and mass in the four record boxes, the mass written with the decimal
// separator of the class's language.
class ElementLookup : public RecordLookup {
    Q_DECLARE_TR_FUNCTIONS(ElementLookup)

public:
    ElementLookup(QuizState& state, ElementDatabase& database, ControlAccess& controls,
                  const ClassLanguage& language);

    // Queries the element of strNumber, fills the record boxes and empties strNumber. A failing
    // query, no row for the number, or a row without a symbol or a name (no answer could be
    // judged against it) raises a RuntimeError and leaves strNumber and the boxes as they were.
    void GetRecord() override;

private:
    QuizState& state_;
    DataControl adoElements_;
};
