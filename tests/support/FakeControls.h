// SPDX-FileCopyrightText: 2026 Orvashel <orvashel@valtora.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "quiz/QuizState.h"

#include <QHash>

// ControlAccess over plain values, starting as the window starts: "Guess the Symbol" and
// "Elements 1 to 36" selected, every box empty. Selecting an option does not clear the others of
// its frame: the handlers must do that themselves. Covers and focus are the window's to show, and
// its test looks at them.
class FakeControls final : public ControlAccess {
public:
    bool IsSelected(Option option) const override { return selected.value(option); }
    void SetSelected(Option option, bool flag) override { selected[option] = flag; }
    QString GetText(Box box) const override { return texts.value(box); }
    void SetText(Box box, const QString& text) override { texts[box] = text; }
    void SetVisible(Box, bool) override {}
    void SetFocus(Box) override {}

    QHash<Option, bool> selected{{Option::optSymbol, true}, {Option::opt1to36, true}};
    QHash<Box, QString> texts;
};
