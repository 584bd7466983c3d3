// SPDX-FileCopyrightText: 2026 Orvashel <orvashel@valtora.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "FakeControls.h"
#include "ScriptedRuntime.h"
#include "data/ElementDatabase.h"
#include "data/ElementTableCheck.h"
#include "data/Quiz.h"

#include <memory>

// The element database the environment names (the embedded table unless an ODBC data source is
// defined), opened and checked; the embedded table names the elements in `language`.
struct OpenedDatabase : ElementDatabase {
    explicit OpenedDatabase(const QString& language = {})
        : ElementDatabase(ClassLanguage(language)) {
        OpenCheckedTable(*this);
    }
};

// The quiz logic after start-up, over fake controls, scripted runtime services and the element
// database the environment names: its own, in `language`, or `opened`; for a class of `desk`'s
// language where one is given, else of the table's.
struct QuizHarness {
    explicit QuizHarness(const QString& language = {}, ElementDatabase* opened = nullptr,
                         const QString& desk = {})
        : owned(opened ? nullptr : std::make_unique<OpenedDatabase>(language))
        , classLanguage(desk.isEmpty() ? (opened ? *opened : *owned).Language()
                                       : ClassLanguage(desk))
        , quiz(controls, opened ? *opened : *owned, runtime, classLanguage) {
        quiz.state.StartUp();
    }

    // The r that draws `number` from 1..bound: the middle of its interval.
    static float RandomFor(int number, int bound) { return (number - 0.5f) / bound; }

    // What a click on an option does: the window selects it, then runs its handler. Options
    // stand in the order of the modes, then of the ranges.
    void Click(Option option) {
        controls.SetSelected(option, true);
        const int i = static_cast<int>(option);
        if (i < static_cast<int>(kQuizModes.size()))
            quiz.state.OnModeClicked(kQuizModes[i]);
        else
            quiz.state.OnRangeClicked(kDrawRanges[i - kQuizModes.size()]);
    }

    // Shows element `number` as a spin from "Elements 1 to 103" does.
    void ShowElement(int number) {
        Click(Option::opt1to103);
        runtime.randoms.push_back(RandomFor(number, 103));
        quiz.draw.Spin();
    }

    QString Text(Box box) const { return controls.GetText(box); }
    // The four record boxes' texts, separated by tabs.
    QString Record() const {
        QStringList texts;
        for (Box box : kRecordBoxes)
            texts.append(Text(box));
        return texts.join(u'\t');
    }

    std::unique_ptr<ElementDatabase> owned;
    ClassLanguage classLanguage;
    FakeControls controls;
    ScriptedRuntime runtime;
    Quiz quiz;
};
