#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace numeric {

// An arbitrary-precision unsigned integer, just big enough a toolbox for exact decimal <-> binary
// conversion: building from decimal digits, powers of five, shifts, products, and division with
// remainder. Values are exact; nothing is ever rounded. Limbs are 32 bits, least significant
// first, with no leading zero limbs (zero has none).
class BigUnsigned
{
public:
    struct DivisionResult;

    BigUnsigned() = default;
    explicit BigUnsigned(std::uint64_t value);

    // The value of a string of ASCII decimal digits (leading zeros allowed, empty is zero).
    // Throws std::invalid_argument on any other character.
    static BigUnsigned fromDecimalDigits(std::string_view digits);
    // 5^exponent.
    static BigUnsigned powerOfFive(std::uint32_t exponent);

    bool isZero() const noexcept { return m_limbs.empty(); }
    // Number of bits up to and including the highest set bit; 0 for zero.
    std::size_t bitLength() const noexcept;
    // Bit `index` (0 is the least significant); false beyond the highest set bit.
    bool testBit(std::size_t index) const noexcept;
    // Whether any bit below position `index` is set.
    bool hasSetBitBelow(std::size_t index) const noexcept;
    // (value >> index) mod 2^64.
    std::uint64_t bitsFrom(std::size_t index) const noexcept;
    bool fitsInUint64() const noexcept { return m_limbs.size() <= 2; }
    // The value mod 2^64 (the value itself when fitsInUint64()).
    std::uint64_t lowUint64() const noexcept { return bitsFrom(0); }

    // value = value * factor + addend.
    void multiplyAdd(std::uint32_t factor, std::uint32_t addend);
    // value = value / divisor; returns the remainder. Throws std::domain_error for 0.
    std::uint32_t divideBySmall(std::uint32_t divisor);

    BigUnsigned &operator<<=(std::size_t bits);
    BigUnsigned &operator>>=(std::size_t bits);
    friend BigUnsigned operator<<(BigUnsigned value, std::size_t bits) { return value <<= bits; }
    friend BigUnsigned operator>>(BigUnsigned value, std::size_t bits) { return value >>= bits; }
    BigUnsigned &operator+=(const BigUnsigned &addend);
    friend BigUnsigned operator+(BigUnsigned left, const BigUnsigned &right)
    {
        return left += right;
    }
    friend BigUnsigned operator*(const BigUnsigned &left, const BigUnsigned &right);

    // Quotient and remainder of numerator / denominator (Knuth's algorithm D).
    // Throws std::domain_error when the denominator is zero.
    static DivisionResult divide(const BigUnsigned &numerator, const BigUnsigned &denominator);

    // -1, 0 or 1 as left is less than, equal to or greater than right.
    static int compare(const BigUnsigned &left, const BigUnsigned &right) noexcept;
    friend bool operator==(const BigUnsigned &left, const BigUnsigned &right) = default;
    friend bool operator<(const BigUnsigned &left, const BigUnsigned &right) noexcept
    {
        return compare(left, right) < 0;
    }
    friend bool operator>(const BigUnsigned &left, const BigUnsigned &right) noexcept
    {
        return compare(left, right) > 0;
    }
    friend bool operator<=(const BigUnsigned &left, const BigUnsigned &right) noexcept
    {
        return compare(left, right) <= 0;
    }
    friend bool operator>=(const BigUnsigned &left, const BigUnsigned &right) noexcept
    {
        return compare(left, right) >= 0;
    }

    // The value in decimal, without leading zeros ("0" for zero).
    std::string toDecimalString() const;

private:
    void removeLeadingZeroLimbs() noexcept;

    std::vector<std::uint32_t> m_limbs;
};

struct BigUnsigned::DivisionResult
{
    BigUnsigned quotient;
    BigUnsigned remainder;
};

} // namespace numeric
