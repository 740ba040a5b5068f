#include "SeededRandom.h"

namespace portfolio_art {

std::uint64_t SeededRandom::next()
{
    state_ += 0x9E3779B97F4A7C15ULL;
    std::uint64_t mixed = state_;
    mixed = (mixed ^ (mixed >> 30)) * 0xBF58476D1CE4E5B9ULL;
    mixed = (mixed ^ (mixed >> 27)) * 0x94D049BB133111EBULL;
    return mixed ^ (mixed >> 31);
}

double SeededRandom::unit()
{
    // 53 random bits give every double in [0, 1) with a spacing of 2^-53.
    return static_cast<double>(next() >> 11) * (1.0 / 9007199254740992.0);
}

double SeededRandom::between(double low, double high)
{
    return low + (high - low) * unit();
}

double SeededRandom::jitter(double spread)
{
    return (unit() + unit() + unit() - 1.5) * spread;
}

} // namespace portfolio_art
