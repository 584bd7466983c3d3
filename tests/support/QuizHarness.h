#pragma once

#include "FakeControls.h"
#include "ScriptedRuntime.h"
#include "data/ElementDatabase.h"
#include "quiz/Quiz.h"

// The quiz logic over fake controls, scripted runtime services and the element database the
// environment names (the embedded table unless an ODBC data source "Elements" is defined).
struct QuizHarness {
    QuizHarness() { quiz.state.StartUp(); }

    // The r that draws `number` from 1..bound.
    static float RandomFor(int number, int bound) {
        return (static_cast<float>(number) - 0.5f) / static_cast<float>(bound);
    }

    // Shows element `number` as a spin in the current range would.
    void ShowElement(int number) {
        runtime.randoms.push_back(RandomFor(number, 103));
        controls.Select(Option::opt1to103);
        quiz.state.OnRangeClicked(DrawRange::Range1to103);
        quiz.draw.Spin();
    }

    ElementDatabase database;
    FakeControls controls;
    ScriptedRuntime runtime;
    Quiz quiz{controls, database, runtime};
};
