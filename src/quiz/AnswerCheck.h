// SPDX-FileCopyrightText: 2026 Orvashel <orvashel@valtora.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ClassLanguage.h"
#include "QuizState.h"

#include <QCoreApplication>
#include <QString>

class ElementDraw;
class RuntimeServices;

// Whether `answer` is right for `reference`, the text of the record box it is judged against, by
// the rules of the class's `language`: the answer without the blanks around it, in proper case
// when the name is guessed, equals the reference, both in Unicode normal form C, code unit by code
// unit; a Greek name typed in capitals, which Greek writes without tonos, equals it without;
// what the language's spelling leaves open (Catalan's l·l, Arabic's hamza seats and vowel marks,
// hiragana for katakana) is folded on both sides; an Arabic name counts with its article too, a
// Serbian one typed in Latin letters too; proper case by the ordinary rule counts beside the
// language's. Full-width letters count as the letters; in a symbol, a Cyrillic or Greek letter
// drawn exactly as a Latin one counts as it. The table's symbols and names hold no blanks around
// them, so a wrong answer is never made right. The start-up check asks it of every name the quiz
// can draw.
[[nodiscard]] bool AnswerMatches(const ClassLanguage& language, QuizMode mode,
                                 const QString& answer, const QString& reference);

// Judges the answer box against the element on screen: the symbol exactly as stored, the name
// after converting the answer to proper case, against the name shown or any form that the
// class's language accepts for that element.
class AnswerCheck {
    Q_DECLARE_TR_FUNCTIONS(AnswerCheck)

public:
    AnswerCheck(ElementDraw& draw, ControlAccess& controls, RuntimeServices& runtime,
                const ClassLanguage& language);

    void Check();

private:
    // Praises a right answer and draws the next element, or asks for another try.
    void Judge(bool right);

    ElementDraw& draw_;
    ControlAccess& controls_;
    RuntimeServices& runtime_;
    const ClassLanguage& language_;
};
