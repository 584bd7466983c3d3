// SPDX-FileCopyrightText: 2026 Orvashel <orvashel@valtora.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <array>

// What the user must type ("Step 1").
enum class QuizMode { GuessSymbol, GuessName };

// The set of elements questions are drawn from ("Step 2"); each is named after its option.
enum class DrawRange { Range1to36, Range1to38, Range1to95, Range1to103 };

// The window's option controls, by name.
enum class Option { optSymbol, optName, opt1to36, opt1to38, opt1to95, opt1to103 };

// The window's text boxes, by name: the answer box, the four record boxes and the two covers.
enum class Box {
    txtAnswer,
    txtAtomicNumber,
    txtSymbol,
    txtElement,
    txtAtomicMass,
    txtSymbol1,
    txtElement1
};

inline constexpr std::array kQuizModes{QuizMode::GuessSymbol, QuizMode::GuessName};
inline constexpr std::array kDrawRanges{DrawRange::Range1to36, DrawRange::Range1to38,
                                        DrawRange::Range1to95, DrawRange::Range1to103};
inline constexpr std::array kRangeOptions{Option::opt1to36, Option::opt1to38, Option::opt1to95,
                                          Option::opt1to103};
inline constexpr std::array kRecordBoxes{Box::txtAtomicNumber, Box::txtSymbol, Box::txtElement,
                                         Box::txtAtomicMass};

constexpr Option OptionOf(QuizMode mode) {
    return mode == QuizMode::GuessSymbol ? Option::optSymbol : Option::optName;
}
constexpr Option OptionOf(DrawRange range) {
    return kRangeOptions[static_cast<int>(range)];
}

// A control's object name, as the window names it ("optSymbol", "txtAnswer").
QString ControlName(Option option);
QString ControlName(Box box);

// The operations on the window's controls that the quiz logic uses. A failure is raised as a
// RuntimeError.
class ControlAccess {
public:
    virtual ~ControlAccess() = default;

    virtual bool IsSelected(Option option) const = 0;
    // The program only ever clears a flag; selecting is the user's click.
    virtual void SetSelected(Option option, bool selected) = 0;
    virtual QString GetText(Box box) const = 0;
    virtual void SetText(Box box, const QString& text) = 0;
    virtual void SetVisible(Box box, bool visible) = 0;
    virtual void SetFocus(Box box) = 0;
};

// The quiz's memory: the two choices live in the option flags, the cover state in the cover
// boxes' visibility, and the number waiting to be looked up in strNumber.
class QuizState {
public:
    explicit QuizState(ControlAccess& controls)
        : controls_(controls) {}

    // Once, when the window loads: the symbol masking and four empty record boxes.
    void StartUp();
    // After the window has selected the clicked option.
    void OnModeClicked(QuizMode mode);
    void OnRangeClicked(DrawRange range);

    // The decimal text of the drawn atomic number, empty except between a draw and its lookup.
    const QString& StrNumber() const { return strNumber_; }
    void SetStrNumber(const QString& number) { strNumber_ = number; }

private:
    void ShowCover(QuizMode mode);

    ControlAccess& controls_;
    QString strNumber_;
};
