#pragma once

#include <cstdint>

namespace portfolio_art {

// A small deterministic random source (SplitMix64). The same seed gives the same sequence on
// every platform and compiler, unlike the standard distributions, so the pictures are repeatable.
class SeededRandom
{
public:
    explicit SeededRandom(std::uint64_t seed) : state_(seed) {}

    // Next raw 64-bit value.
    std::uint64_t next();
    // Uniform value in [0, 1).
    double unit();
    // Uniform value in [low, high).
    double between(double low, double high);
    // Sum of three uniforms, centred on 0 with the given spread (roughly Gaussian, |v| < 1.5 *
    // spread).
    double jitter(double spread);

private:
    std::uint64_t state_;
};

} // namespace portfolio_art
