// SPDX-FileCopyrightText: 2026 Orvashel <orvashel@valtora.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "data/Quiz.h"
#include "quiz/QuestionGate.h"

#include <QWidget>
#include <functional>

class ElementDatabase;
class QLineEdit;
class QPushButton;
class QRadioButton;
class RuntimeServices;

// The program's one window: builds its controls in a fixed layout, gives the quiz logic access
// to them, and routes each user event to the quiz.
class frmElements final : public QWidget, public ControlAccess {
    Q_OBJECT

public:
    frmElements(ElementDatabase& database, RuntimeServices& runtime, QWidget* parent = nullptr);

    bool IsSelected(Option option) const override;
    void SetSelected(Option option, bool selected) override;
    QString GetText(Box box) const override;
    void SetText(Box box, const QString& text) override;
    void SetVisible(Box box, bool visible) override;
    void SetFocus(Box box) override;

    // Runs `then` once the window's first frame is on the screen, as a question of its own: for
    // what the first frame does not need. Input until it has run is dropped, and a run-time error
    // it raises is reported. Called as the window shows, before any question.
    void AfterFirstFrame(std::function<void()> then);

protected:
    bool event(QEvent* event) override;
    // Closing the window ends the program at once, as Exit does.
    void closeEvent(QCloseEvent* event) override;
    // While a spin or a check runs, input to the window is dropped, not kept for later: only
    // Exit takes it.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildControls();
    void RouteEvents();
    // Label buddies, and a key for each option.
    void ReachEverythingByKeyAndEar();
    // Runs one event's operation; a run-time error is reported and ends the program.
    void Dispatch(const std::function<void()>& operation);
    // Runs a spin or a check, unless one is running: while one waits for the database, under a
    // busy cursor, or shows its message, a click that still reaches the window (a timer's,
    // assistive technology's) begins nothing.
    void DispatchAlone(const std::function<void()>& operation);

    // Whether the cover over a record box is shown.
    bool IsCovered(Box box) const;
    QRadioButton* OptionControl(Option option) const;
    QLineEdit* BoxControl(Box box) const;

    RuntimeServices& runtime_;
    std::array<QRadioButton*, 6> options_{};
    std::array<QLineEdit*, 7> boxes_{};
    // The value of each record box while its cover is shown, by box; the box itself is empty.
    std::array<QString, 7> coveredValues_{};
    QPushButton* cmdCheck_ = nullptr;
    QPushButton* cmdSpin_ = nullptr;
    QPushButton* cmdExit_ = nullptr;
    // The answer box's text as the program last set it, which it keeps while a question runs.
    QString programAnswer_;
    // A spin, a check, or what waits for the first frame, one at a time.
    QuestionGate questions_;
    std::function<void()> afterFirstFrame_;
    QuestionGate::Turn firstFrameTurn_;
    Quiz quiz_;
};
