// SPDX-FileCopyrightText: 2026 Orvashel <orvashel@valtora.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "AnswerCheck.h"

#include "ElementDraw.h"
#include "QuizState.h"
#include "platform/RuntimeServices.h"
#include "platform/TextOperations.h"

bool AnswerMatches(QuizMode mode, const QString& answer, const QString& reference) {
    QString typed = answer.trimmed().normalized(QString::NormalizationForm_C);
    if (mode == QuizMode::GuessName)
        typed = ProperCase(typed).normalized(QString::NormalizationForm_C);
    return TextEquals(typed, reference.normalized(QString::NormalizationForm_C));
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
    if (controls_.IsSelected(Option::optSymbol))
        Judge(QuizMode::GuessSymbol, Box::txtSymbol);
    if (controls_.IsSelected(Option::optName)) {
        // The user sees the converted answer while the message is up.
        controls_.SetText(Box::txtAnswer, ProperCase(controls_.GetText(Box::txtAnswer)));
        Judge(QuizMode::GuessName, Box::txtElement);
    }
}

void AnswerCheck::Judge(QuizMode mode, Box reference) {
    if (AnswerMatches(mode, controls_.GetText(Box::txtAnswer), controls_.GetText(reference))) {
        if (runtime_.MsgBox(tr("Your my hero")) == RuntimeServices::kOk)
            draw_.Spin();
    } else {
        runtime_.MsgBox(tr("Try Again"));
        controls_.SetText(Box::txtAnswer, QString());
    }
}
