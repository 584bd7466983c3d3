#include "RandomGenerator.h"

#include <chrono>

RandomGenerator::RandomGenerator() {
    Reseed();
}

void RandomGenerator::Reseed() {
    const auto ticks = static_cast<std::uint64_t>(
        std::chrono::high_resolution_clock::now().time_since_epoch().count());
    std::seed_seq seeds{static_cast<std::uint32_t>(ticks), static_cast<std::uint32_t>(ticks >> 32),
                        entropy_(), entropy_()};
    engine_.seed(seeds);
}

void RandomGenerator::Seed(std::uint64_t seed) {
    std::seed_seq seeds{static_cast<std::uint32_t>(seed), static_cast<std::uint32_t>(seed >> 32)};
    engine_.seed(seeds);
}

float RandomGenerator::Next() {
    // The top 24 bits fill a float's significand exactly: r = k / 2^24, k in [0, 2^24).
    constexpr float kScale = 1.0f / 16777216.0f;
    return static_cast<float>(engine_() >> 8) * kScale;
}
