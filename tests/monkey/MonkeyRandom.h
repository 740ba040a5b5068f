#pragma once

#include <QList>

#include <cstdint>

// A small pseudo-random generator with a fixed, published algorithm (SplitMix64), so that a seed
// gives the same sequence of actions with any compiler and standard library.
class MonkeyRandom
{
public:
    explicit MonkeyRandom(std::uint64_t seed) : m_state(seed) {}

    // The next 64 random bits.
    std::uint64_t next();
    // A number in [0, count); count must be positive.
    int below(int count);
    // A number in [first, last].
    int between(int first, int last) { return first + below(last - first + 1); }
    // True with a probability of `percent` / 100.
    bool chance(int percent) { return below(100) < percent; }
    // One element of a non-empty list.
    template <typename Element> const Element &pick(const QList<Element> &elements)
    {
        return elements.at(below(static_cast<int>(elements.size())));
    }

private:
    std::uint64_t m_state;
};
