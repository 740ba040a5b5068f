// Fuzzes formatWeight and eighteenSignificantDigits on arbitrary 80-bit values.
//
// Input: 10 bytes, the x87 extended value as stored (little-endian significand, then sign and
// exponent); shorter inputs are padded with zero bytes, longer ones are rejected. Infinities and
// NaNs (exponent 7FFF) are skipped. The encodings that are not valid x87 values are normalised
// to the value the hardware would read: an unnormal (exponent not 0, integer bit clear) gets its
// integer bit; a pseudo-denormal (exponent 0, integer bit set) becomes exponent 1. So every
// finite value is reached, subnormals and both zeros included.
//
// Properties:
//   - eighteenSignificantDigits gives the same 18 digits and exponent as glibc's "%.17Le";
//   - the text's layout (see checkWeightTextLayout): at least 4 characters, one ".", one
//     decimal, "-" exactly for a set sign bit, the ten-character scientific form from 2^120 on;
//   - the text equals the reference text built from glibc's 18 digits, rounded half away from
//     zero.

#include "FuzzCheck.h"
#include "Numeric.h"
#include "ReferenceWeightText.h"

#include <cstdint>
#include <cstring>
#include <optional>
#include <string>

namespace {

constexpr std::size_t extendedBytes = 10;

// The finite value encoded by `bytes` (normalised as described above), or nullopt for
// infinities and NaNs.
std::optional<long double> finiteValue(const std::uint8_t (&bytes)[extendedBytes])
{
    constexpr std::uint64_t integerBit = 1ULL << 63;
    std::uint64_t significand = 0;
    std::memcpy(&significand, bytes, sizeof significand);
    unsigned signAndExponent = bytes[8] | (static_cast<unsigned>(bytes[9]) << 8);
    const unsigned exponent = signAndExponent & 0x7FFFU;
    if (exponent == 0x7FFFU)
        return std::nullopt;
    if (exponent != 0)
        significand |= integerBit; // unnormal -> normal
    else if ((significand & integerBit) != 0)
        signAndExponent |= 1U; // pseudo-denormal -> the same value with exponent 1

    unsigned char stored[sizeof(long double)] = {};
    std::memcpy(stored, &significand, sizeof significand);
    stored[8] = static_cast<unsigned char>(signAndExponent & 0xFFU);
    stored[9] = static_cast<unsigned char>(signAndExponent >> 8);
    long double value = 0.0L;
    std::memcpy(&value, stored, sizeof value);
    return value;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size > extendedBytes)
        return -1;
    std::uint8_t bytes[extendedBytes] = {};
    if (size > 0)
        std::memcpy(bytes, data, size);
    const std::optional<long double> value = finiteValue(bytes);
    if (!value)
        return -1;

    const numeric::EighteenDigits digits = numeric::eighteenSignificantDigits(*value);
    const fuzz::GlibcEighteenDigits glibcDigits = fuzz::glibcEighteenDigits(*value);
    const bool zero = glibcDigits.digits.find_first_not_of('0') == std::string::npos;
    const bool sameDigits = zero ? digits.digits == 0 && digits.decimalExponent == 0
                                 : std::to_string(digits.digits) == glibcDigits.digits &&
                                       digits.decimalExponent == glibcDigits.exponent;
    fuzz::requireProperty(sameDigits, "18 significant digits as glibc prints them",
                          fuzz::bitsText(*value) + ": " + std::to_string(digits.digits) + "e" +
                              std::to_string(digits.decimalExponent) + ", glibc " +
                              glibcDigits.digits + "e" + std::to_string(glibcDigits.exponent));

    const std::string text = numeric::formatWeight(*value);
    fuzz::checkWeightTextLayout(text, *value);
    const std::string expected = fuzz::referenceWeightText(*value);
    fuzz::requireProperty(text == expected, "the text is the 18-digit form rounded half away",
                          fuzz::bitsText(*value) + ": " + fuzz::quoted(text) + ", expected " +
                              fuzz::quoted(expected) + " from glibc digits " + glibcDigits.digits +
                              "e" + std::to_string(glibcDigits.exponent));
    return 0;
}
