// SPDX-FileCopyrightText: 2026 Orvashel <orvashel@valtora.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "AnswerCheck.h"

#include "ElementDraw.h"
#include "QuizState.h"
#include "platform/RuntimeServices.h"
#include "platform/TextOperations.h"

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
        Judge(controls_.GetText(Box::txtAnswer), controls_.GetText(Box::txtSymbol));
    if (controls_.IsSelected(Option::optName)) {
        // The user sees the converted answer while the message is up.
        controls_.SetText(Box::txtAnswer, ProperCase(controls_.GetText(Box::txtAnswer)));
        Judge(controls_.GetText(Box::txtAnswer), controls_.GetText(Box::txtElement));
    }
}

void AnswerCheck::Judge(const QString& answer, const QString& reference) {
    if (TextEquals(answer, reference)) {
        if (runtime_.MsgBox(tr("Your my hero")) == RuntimeServices::kOk)
            draw_.Spin();
    } else {
        runtime_.MsgBox(tr("Try Again"));
        controls_.SetText(Box::txtAnswer, QString());
    }
}
