// SPDX-FileCopyrightText: 2026 Orvashel <orvashel@valtora.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "AnswerCheck.h"

#include "ElementDraw.h"
#include "QuizState.h"
#include "platform/RuntimeServices.h"
#include "platform/TextOperations.h"

#include <algorithm>

bool AnswerMatches(QuizMode mode, const QString& answer, const QString& reference) {
    const QString typed = answer.trimmed().normalized(QString::NormalizationForm_C);
    const QString expected = reference.normalized(QString::NormalizationForm_C);
    if (mode == QuizMode::GuessSymbol)
        return TextEquals(typed, expected);
    const QString named = ProperCase(typed).normalized(QString::NormalizationForm_C);
    if (TextEquals(named, expected))
        return true;
    // Greek writes capitals without their tonos: a name typed in capitals is right without it.
    const bool inCapitals =
        std::none_of(typed.cbegin(), typed.cend(), [](QChar c) { return c.isLower(); });
    return ProperCaseLanguage() == QLocale::Greek && inCapitals &&
           TextEquals(WithoutTonos(named), WithoutTonos(expected));
}

AnswerCheck::AnswerCheck(ElementDraw& draw, ControlAccess& controls, RuntimeServices& runtime)
    : draw_(draw)
    , controls_(controls)
    , runtime_(runtime) {}

void AnswerCheck::Check() {
    // Before the first element there is nothing to judge (an empty answer would match the empty
    // record box): draw the first element instead.
    if (controls_.GetText(Box::txtAtomicNumber).isEmpty()) {
        draw_.Spin();
        return;
    }
    if (controls_.IsSelected(Option::optSymbol)) {
        Judge(AnswerMatches(QuizMode::GuessSymbol, controls_.GetText(Box::txtAnswer),
                            controls_.GetText(Box::txtSymbol)));
    }
    if (controls_.IsSelected(Option::optName)) {
        // The user sees the converted answer while the message is up; it is judged as typed,
        // since proper case is not all of the rule (Greek capitals lack their tonos).
        const QString answer = controls_.GetText(Box::txtAnswer);
        controls_.SetText(Box::txtAnswer, ProperCase(answer));
        Judge(AnswerMatches(QuizMode::GuessName, answer, controls_.GetText(Box::txtElement)));
    }
}

void AnswerCheck::Judge(bool right) {
    if (right) {
        if (runtime_.MsgBox(tr("Your my hero")) == RuntimeServices::kOk)
            draw_.Spin();
    } else {
        runtime_.MsgBox(tr("Try Again"));
        controls_.SetText(Box::txtAnswer, QString());
    }
}
