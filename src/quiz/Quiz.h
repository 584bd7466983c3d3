// SPDX-FileCopyrightText: 2026 Orvashel <orvashel@valtora.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "AnswerCheck.h"
#include "ElementDraw.h"
#include "QuizState.h"
#include "data/ElementDatabase.h"
#include "data/ElementLookup.h"

class RuntimeServices;

// The quiz logic wired together over one set of controls, one element database and one set of
// runtime services: what the window routes its events to.
class Quiz {
public:
    Quiz(ControlAccess& controls, ElementDatabase& database, RuntimeServices& runtime)
        : state(controls)
        , lookup(state, database, controls)
        , draw(state, lookup, controls, runtime)
        , check(draw, controls, runtime, database.Names()) {}

    QuizState state;
    ElementLookup lookup;
    ElementDraw draw;
    AnswerCheck check;
};
