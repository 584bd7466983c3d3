// SPDX-FileCopyrightText: 2026 Orvashel <orvashel@valtora.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "RandomGenerator.h"

#include <chrono>

namespace {
// SplitMix64: spreads the bits of a seed over the whole word.
std::uint64_t Mix(std::uint64_t x) {
    x += 0x9E3779B97F4A7C15ull;
    x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ull;
    x = (x ^ (x >> 27)) * 0x94D049BB133111EBull;
    return x ^ (x >> 31);
}
} // namespace

RandomGenerator::RandomGenerator() {
    Reseed();
}

void RandomGenerator::Reseed() {
    const auto ticks = static_cast<std::uint64_t>(
        std::chrono::high_resolution_clock::now().time_since_epoch().count());
    const std::uint64_t entropy = (std::uint64_t{entropy_()} << 32) | entropy_();
    Seed(ticks ^ entropy);
}

void RandomGenerator::Seed(std::uint64_t seed) {
    // PCG32's seeding: the stream (odd increment) and the state both come from the seed.
    increment_ = (Mix(seed ^ 0xDA3E39CB94B95BDBull) << 1) | 1u;
    state_ = 0;
    NextBits();
    state_ += Mix(seed);
    NextBits();
}

std::uint32_t RandomGenerator::NextBits() {
    const std::uint64_t old = state_;
    state_ = old * 6364136223846793005ull + increment_;
    const auto xorShifted = static_cast<std::uint32_t>(((old >> 18u) ^ old) >> 27u);
    const auto rotation = static_cast<std::uint32_t>(old >> 59u);
    return (xorShifted >> rotation) | (xorShifted << ((32u - rotation) & 31u));
}

float RandomGenerator::Next() {
    // The top 24 bits fill a float's significand exactly: r = k / 2^24, k in [0, 2^24).
    constexpr float kScale = 1.0f / 16777216.0f;
    return static_cast<float>(NextBits() >> 8) * kScale;
}
