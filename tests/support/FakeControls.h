#pragma once

#include "quiz/QuizState.h"

#include <QHash>
#include <optional>

// ControlAccess over plain values, starting as the window starts: "Guess the Symbol" and
// "Elements 1 to 36" selected, every box empty, both covers hidden, no focus.
class FakeControls final : public ControlAccess {
public:
    bool IsSelected(Option option) const override { return selected_.value(option); }
    void SetSelected(Option option, bool selected) override { selected_[option] = selected; }
    QString GetText(Box box) const override { return texts_.value(box); }
    void SetText(Box box, const QString& text) override { texts_[box] = text; }
    void SetVisible(Box box, bool visible) override { visible_[box] = visible; }
    void SetFocus(Box box) override { focus_ = box; }

    // What the window does on a click before the handler runs, less the clearing of the
    // frame's other options: the handlers must do that themselves.
    void Select(Option option) { selected_[option] = true; }
    bool IsVisible(Box box) const { return visible_.value(box); }
    std::optional<Box> Focus() const { return focus_; }
    void ClearFocus() { focus_.reset(); }

private:
    // Unlisted options are not selected and unlisted boxes not visible.
    QHash<Option, bool> selected_{{Option::optSymbol, true}, {Option::opt1to36, true}};
    QHash<Box, QString> texts_;
    QHash<Box, bool> visible_;
    std::optional<Box> focus_;
};
