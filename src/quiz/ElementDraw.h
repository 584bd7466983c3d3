#pragma once

#include "QuizState.h"

#include <functional>
#include <span>

class ElementLookup;
class RuntimeServices;

// A closed interval of atomic numbers.
struct NumberInterval {
    int first;
    int last;
};

// How a range draws: whole numbers 1 to `bound`, of which those in `accepted` are kept.
struct DrawRule {
    int bound;
    std::span<const NumberInterval> accepted;

    bool Accepts(int number) const;
};

const DrawRule& DrawRuleOf(DrawRange range);

// One draw with bound N from a random r, 0 <= r < 1: floor(r * N + 1), computed in double
// precision from the single-precision r; 1 <= result <= N.
int DrawNumber(float r, int bound);

// Puts the next question on screen: draws an atomic number from the selected range, has it
// looked up, empties the answer box and gives it the focus.
class ElementDraw {
public:
    ElementDraw(QuizState& state, ElementLookup& lookup, ControlAccess& controls,
                RuntimeServices& runtime);

    void Spin();

private:
    QuizState& state_;
    ElementLookup& lookup_;
    ControlAccess& controls_;
    RuntimeServices& runtime_;
};
