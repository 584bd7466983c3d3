// SPDX-FileCopyrightText: 2026 Orvashel <orvashel@valtora.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ElementDatabase.h"
#include "ElementLookup.h"
#include "quiz/AnswerCheck.h"
#include "quiz/ElementDraw.h"
#include "quiz/QuizState.h"

class RuntimeServices;

// The quiz logic wired together over one set of controls, one element database and one set of
// runtime services, for a class of `language` (the database's own unless given): what the
// window routes its events to.
class Quiz {
public:
    Quiz(ControlAccess& controls, ElementDatabase& database, RuntimeServices& runtime)
        : Quiz(controls, database, runtime, database.Language()) {}
    Quiz(ControlAccess& controls, ElementDatabase& database, RuntimeServices& runtime,
         const ClassLanguage& language)
        : state(controls)
        , lookup(state, database, controls, language)
        , draw(state, lookup, controls, runtime)
        , check(draw, controls, runtime, language) {}

    QuizState state;
    ElementLookup lookup;
    ElementDraw draw;
    AnswerCheck check;
};
