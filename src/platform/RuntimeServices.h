// SPDX-FileCopyrightText: 2026 Orvashel <orvashel@valtora.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// The runtime facilities the quiz logic calls: random numbers, message boxes, the error report
// and the end of the program. The program uses QtRuntimeServices; tests supply a scripted one.
class RuntimeServices {
public:
    // What MsgBox returns: the box has only an OK button, so every way of closing it is OK.
    static constexpr int kOk = 1;

    virtual ~RuntimeServices() = default;

    // Reseeds the random generator from the clock.
    virtual void Randomize() = 0;
    // The next random number r of the generator, 0 <= r < 1.
    virtual float NextRandom() = 0;
    // A modal box titled with the application's name, one OK button and no icon.
    virtual int MsgBox(const QString& text) = 0;
    // The run-time error report: a modal box that names what failed.
    virtual void ShowError(const QString& message) = 0;
    // Ends the program at once with the given exit status, whatever is still running; no
    // further event of the program runs.
    virtual void EndProgram(int exitStatus) = 0;
};
