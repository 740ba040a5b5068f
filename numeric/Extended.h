#pragma once

// The 80-bit extended-precision type of the weight arithmetic: `long double` in the x87 format
// (sign bit, 15-bit exponent biased by 16383, 64-bit significand with an explicit integer bit).
// Every arithmetic step on masses, lengths and weights is rounded to this format, to nearest
// with ties to even.

#include <cstdint>
#include <limits>

static_assert(std::numeric_limits<long double>::digits == 64 &&
                  std::numeric_limits<long double>::max_exponent == 16384,
              "long double must be the x87 80-bit extended format (64-bit significand, 15-bit "
              "exponent). MSVC is unsupported: its long double is the 64-bit double, which would "
              "change the weights and the accepted range. Build with GCC or Clang on x86.");
static_assert(std::numeric_limits<long double>::has_denorm == std::denorm_present,
              "the extended format must support subnormal values");

namespace numeric {

// The fields of an 80-bit extended value, exactly as stored.
struct ExtendedFields
{
    bool negative = false;            // the sign bit
    std::uint16_t biasedExponent = 0; // 0 for zeros and subnormals, 0x7FFF for inf and NaN
    std::uint64_t significand = 0;    // bit 63 is the explicit integer bit
};

constexpr int extendedExponentBias = 16383;
constexpr int extendedSignificandBits = 64;
// Biased exponent of infinities and NaNs.
constexpr std::uint16_t extendedSpecialExponent = 0x7FFF;

// The stored fields of `value`. Never fails.
ExtendedFields extendedFields(long double value);

// The value whose stored fields are `fields` (the inverse of extendedFields). Only the low 15
// bits of the biased exponent are used.
long double extendedFromFields(const ExtendedFields &fields);

} // namespace numeric
