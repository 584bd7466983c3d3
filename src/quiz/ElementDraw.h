// SPDX-FileCopyrightText: 2026 Orvashel <orvashel@valtora.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "QuizState.h"

class RecordLookup;
class RuntimeServices;

// Puts the next question on screen: draws an atomic number from the selected range, has it
// looked up, empties the answer box and gives it the focus.
class ElementDraw {
public:
    ElementDraw(QuizState& state, RecordLookup& lookup, ControlAccess& controls,
                RuntimeServices& runtime);

    void Spin();

private:
    QuizState& state_;
    RecordLookup& lookup_;
    ControlAccess& controls_;
    RuntimeServices& runtime_;
};
