// SPDX-FileCopyrightText: 2026 Orvashel <orvashel@valtora.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "QuizState.h"

namespace {
// In the order of the enumerations.
constexpr std::array kOptionNames{"optSymbol", "optName",  "opt1to36",
                                  "opt1to38",  "opt1to95", "opt1to103"};
constexpr std::array kBoxNames{"txtAnswer",     "txtAtomicNumber", "txtSymbol",  "txtElement",
                               "txtAtomicMass", "txtSymbol1",      "txtElement1"};
} // namespace

QString ControlName(Option option) {
    return QLatin1String(kOptionNames[static_cast<size_t>(option)]);
}

QString ControlName(Box box) {
    return QLatin1String(kBoxNames[static_cast<size_t>(box)]);
}

void QuizState::StartUp() {
    // The initial mode is always GuessSymbol, so only its masking is applied.
    if (controls_.IsSelected(Option::optSymbol))
        ShowCover(QuizMode::GuessSymbol);
    for (Box box : kRecordBoxes)
        controls_.SetText(box, QString());
}

void QuizState::OnModeClicked(QuizMode mode) {
    if (controls_.IsSelected(OptionOf(mode)))
        ShowCover(mode);
}

void QuizState::OnRangeClicked(DrawRange range) {
    const Option clicked = OptionOf(range);
    if (!controls_.IsSelected(clicked))
        return;
    for (Option other : kRangeOptions) {
        if (other != clicked)
            controls_.SetSelected(other, false);
    }
}

void QuizState::ShowCover(QuizMode mode) {
    // Clear the other mode, then show this mode's cover before hiding the other one.
    const bool symbol = mode == QuizMode::GuessSymbol;
    controls_.SetSelected(symbol ? Option::optName : Option::optSymbol, false);
    controls_.SetVisible(symbol ? Box::txtSymbol1 : Box::txtElement1, true);
    controls_.SetVisible(symbol ? Box::txtElement1 : Box::txtSymbol1, false);
}
