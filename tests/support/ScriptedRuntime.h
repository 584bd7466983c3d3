// SPDX-FileCopyrightText: 2026 Orvashel <orvashel@valtora.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/RandomGenerator.h"
#include "platform/RuntimeServices.h"

#include <QStringList>
#include <deque>
#include <functional>
#include <optional>

// Runtime services for tests and the benchmark: random numbers come from a script, then from a
// generator reseeded with a fixed seed on every reseed; message boxes return OK at once and are
// recorded; the error report and the end of the program are recorded instead of acted on.
class ScriptedRuntime final : public RuntimeServices {
public:
    void Randomize() override { generator_.Seed(++reseeds); }
    float NextRandom() override {
        if (randoms.empty())
            return generator_.Next();
        const float r = randoms.front();
        randoms.pop_front();
        return r;
    }
    int MsgBox(const QString& text) override {
        messages.append(text);
        if (whileMessageShown)
            whileMessageShown();
        return kOk;
    }
    void ShowError(const QString& message) override { errors.append(message); }
    void EndProgram(int exitStatus) override { this->exitStatus = exitStatus; }

    std::deque<float> randoms;
    int reseeds = 0;
    QStringList messages;
    QStringList errors;
    std::optional<int> exitStatus;
    // Runs when a message box opens, after it is recorded: to look at the window meanwhile.
    std::function<void()> whileMessageShown;

private:
    RandomGenerator generator_;
};
