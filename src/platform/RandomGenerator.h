// SPDX-FileCopyrightText: 2026 Orvashel <orvashel@valtora.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <random>

// Uniform single-precision random numbers 0 <= r < 1, from a PCG32 generator: small enough to
// reseed on every question at no noticeable cost.
class RandomGenerator {
public:
    // Starts from a fresh seed, as Reseed() makes it.
    RandomGenerator();

    // A new seed from the high-resolution clock mixed with the system's entropy source, so that
    // two reseeds within one clock tick still give different sequences.
    void Reseed();
    // A fixed seed, for reproducible sequences.
    void Seed(std::uint64_t seed);

    float Next();

private:
    std::uint32_t NextBits();

    std::uint64_t state_ = 0;
    std::uint64_t increment_ = 1;
    std::random_device entropy_;
};
