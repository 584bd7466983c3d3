// SPDX-FileCopyrightText: 2026 Orvashel <orvashel@valtora.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ElementDraw.h"

#include "RecordLookup.h"
#include "platform/RuntimeServices.h"
#include "platform/TextOperations.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <span>

namespace {
// A closed interval of atomic numbers.
struct NumberInterval {
    int first;
    int last;
};

// How a range draws: whole numbers 1 to `bound`, of which those in `accepted` are kept.
struct DrawRule {
    int bound;
    std::span<const NumberInterval> accepted;

    bool Accepts(int number) const {
        return std::any_of(accepted.begin(), accepted.end(), [number](const NumberInterval& in) {
            return number >= in.first && number <= in.last;
        });
    }
};

constexpr std::array<NumberInterval, 1> k1to36{{{1, 36}}};
constexpr std::array<NumberInterval, 6> k1to38{
    {{1, 38}, {40, 40}, {42, 42}, {47, 57}, {74, 74}, {78, 80}}};
constexpr std::array<NumberInterval, 8> k1to95{
    {{1, 38}, {40, 40}, {42, 42}, {47, 57}, {74, 74}, {78, 89}, {92, 92}, {94, 95}}};
constexpr std::array<NumberInterval, 1> k1to103{{{1, 103}}};

// In DrawRange order. "Elements 1 to 38, ..." draws up to 80, the largest number it lists.
const std::array<DrawRule, 4> kDrawRules{
    {{36, k1to36}, {80, k1to38}, {95, k1to95}, {103, k1to103}}};

const DrawRule& DrawRuleOf(DrawRange range) {
    return kDrawRules[static_cast<size_t>(range)];
}

// One draw with bound N from a random r, 0 <= r < 1: floor(r * N + 1), computed in double
// precision from the single-precision r; 1 <= result <= N.
int DrawNumber(float r, int bound) {
    return static_cast<int>(std::floor(static_cast<double>(r) * bound + 1.0));
}
} // namespace

ElementDraw::ElementDraw(QuizState& state, RecordLookup& lookup, ControlAccess& controls,
                         RuntimeServices& runtime)
    : state_(state)
    , lookup_(lookup)
    , controls_(controls)
    , runtime_(runtime) {}

void ElementDraw::Spin() {
    runtime_.Randomize();
    controls_.SetText(Box::txtAnswer, QString());
    // Each range option is tested on its own; exactly one is selected.
    for (DrawRange range : kDrawRanges) {
        if (!controls_.IsSelected(OptionOf(range)))
            continue;
        const DrawRule& rule = DrawRuleOf(range);
        int number = 0;
        do {
            number = DrawNumber(runtime_.NextRandom(), rule.bound);
            state_.SetStrNumber(NumberToText(number));
        } while (!rule.Accepts(number));
        lookup_.GetRecord();
    }
    controls_.SetFocus(Box::txtAnswer);
}
