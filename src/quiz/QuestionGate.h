// SPDX-FileCopyrightText: 2026 Orvashel <orvashel@valtora.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <functional>
#include <memory>

// One question at a time: while a spin or a check runs, which may wait seconds for the data
// source, nothing else begins, and the window drops the input it gets rather than keep it for
// later. The window asks the gate before it begins a question and as it filters its input.
class QuestionGate {
    struct EndTurn {
        void operator()(QuestionGate* gate) const { gate->running_ = false; }
    };

public:
    // A question's turn, which keeps the gate shut while it is held; empty where none was given.
    using Turn = std::unique_ptr<QuestionGate, EndTurn>;

    // Whether a question runs, or a turn is held for one.
    [[nodiscard]] bool Running() const { return running_; }
    // A turn, unless a question runs: for a question that runs later.
    [[nodiscard]] Turn Take();
    // Runs `question` in a turn of its own, unless a question runs.
    void RunAlone(const std::function<void()>& question);

    // What the program's thread does, every so often, while it waits for the data source: it
    // handles its events, so that the window paints and drops the input it gets, but no
    // socket's, so that no request of assistive technology begins a second operation.
    static void WhileWaiting();

private:
    bool running_ = false;
};
