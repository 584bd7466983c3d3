#pragma once

#include "platform/RandomGenerator.h"
#include "platform/RuntimeServices.h"

#include <QStringList>
#include <deque>
#include <functional>
#include <optional>

// Runtime services for tests: random numbers come from a script (then from a fixed-seed
// generator), message boxes return OK at once and are recorded, and the error report and the
// end of the program are recorded instead of acted on.
class ScriptedRuntime final : public RuntimeServices {
public:
    ScriptedRuntime() { fallback_.Seed(20261206); }

    void Randomize() override { ++reseeds; }
    float NextRandom() override;
    int MsgBox(const QString& text) override;
    void ShowError(const QString& message) override { errors.append(message); }
    void EndProgram(int exitStatus) override { this->exitStatus = exitStatus; }

    std::deque<float> randoms;
    int randomsTaken = 0;
    int reseeds = 0;
    QStringList messages;
    QStringList errors;
    std::optional<int> exitStatus;
    // Runs when a message box opens, after it is recorded (to look at the window meanwhile,
    // or to make the box fail by throwing).
    std::function<void()> whileMessageShown;

private:
    RandomGenerator fallback_;
};
