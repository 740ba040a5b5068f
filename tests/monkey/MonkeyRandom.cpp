#include "MonkeyRandom.h"

std::uint64_t MonkeyRandom::next()
{
    m_state += 0x9E3779B97F4A7C15u;
    std::uint64_t mixed = m_state;
    mixed = (mixed ^ (mixed >> 30)) * 0xBF58476D1CE4E5B9u;
    mixed = (mixed ^ (mixed >> 27)) * 0x94D049BB133111EBu;
    return mixed ^ (mixed >> 31);
}

int MonkeyRandom::below(int count)
{
    // The high 32 bits scaled to [0, count): no modulo bias worth speaking of for small counts.
    const std::uint64_t high = next() >> 32;
    return static_cast<int>((high * static_cast<std::uint64_t>(count)) >> 32);
}
