#pragma once

#include <cstdint>
#include <random>

// Uniform single-precision random numbers 0 <= r < 1.
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
    std::mt19937 engine_;
    std::random_device entropy_;
};
