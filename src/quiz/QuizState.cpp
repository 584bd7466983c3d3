#include "QuizState.h"

QString ControlName(Option option) {
    switch (option) {
    case Option::optSymbol:
        return QStringLiteral("optSymbol");
    case Option::optName:
        return QStringLiteral("optName");
    case Option::opt1to36:
        return QStringLiteral("opt1to36");
    case Option::opt1to38:
        return QStringLiteral("opt1to38");
    case Option::opt1to95:
        return QStringLiteral("opt1to95");
    case Option::opt1to103:
        return QStringLiteral("opt1to103");
    }
    Q_UNREACHABLE();
    return {};
}

QString ControlName(Box box) {
    switch (box) {
    case Box::txtAnswer:
        return QStringLiteral("txtAnswer");
    case Box::txtAtomicNumber:
        return QStringLiteral("txtAtomicNumber");
    case Box::txtSymbol:
        return QStringLiteral("txtSymbol");
    case Box::txtElement:
        return QStringLiteral("txtElement");
    case Box::txtAtomicMass:
        return QStringLiteral("txtAtomicMass");
    case Box::txtSymbol1:
        return QStringLiteral("txtSymbol1");
    case Box::txtElement1:
        return QStringLiteral("txtElement1");
    }
    Q_UNREACHABLE();
    return {};
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
