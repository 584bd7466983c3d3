// SPDX-FileCopyrightText: 2026 Orvashel <orvashel@valtora.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "quiz/QuizState.h"

#include <QHash>
#include <optional>

// ControlAccess over plain values, starting as the window starts: "Guess the Symbol" and
// "Elements 1 to 36" selected, every box empty, both covers hidden, no focus. Selecting an
// option does not clear the others of its frame: the handlers must do that themselves.
class FakeControls final : public ControlAccess {
public:
    bool IsSelected(Option option) const override { return selected.value(option); }
    void SetSelected(Option option, bool flag) override { selected[option] = flag; }
    QString GetText(Box box) const override { return texts.value(box); }
    void SetText(Box box, const QString& text) override { texts[box] = text; }
    void SetVisible(Box box, bool flag) override { visible[box] = flag; }
    void SetFocus(Box box) override { focus = box; }

    QHash<Option, bool> selected{{Option::optSymbol, true}, {Option::opt1to36, true}};
    QHash<Box, QString> texts;
    QHash<Box, bool> visible;
    std::optional<Box> focus;
};
