// formatWeight: the weight in kilograms as the result text, from the exact binary value.

#include "BigUnsigned.h"
#include "Numeric.h"

#include <algorithm>
#include <array>
#include <bit>
#include <stdexcept>

namespace numeric {

namespace {

constexpr int significantDigitCount = 18;
constexpr std::array<std::uint64_t, 20> powersOfTen = [] {
    std::array<std::uint64_t, 20> powers{};
    std::uint64_t power = 1;
    for (std::uint64_t &entry : powers) {
        entry = power;
        power *= 10;
    }
    return powers;
}();
constexpr std::uint64_t smallestEighteenDigits = powersOfTen[significantDigitCount - 1];
constexpr std::uint64_t beyondEighteenDigits = powersOfTen[significantDigitCount];

// Magnitudes from 2^120 on are written in scientific form.
constexpr int scientificFromBinaryExponent = 120;
constexpr std::size_t minimumTextWidth = 4;

// A finite magnitude as significand x 2^binaryExponent (significand 0 for zeros).
struct BinaryMagnitude
{
    std::uint64_t significand = 0;
    int binaryExponent = 0;
};

BinaryMagnitude binaryMagnitude(const ExtendedFields &fields)
{
    if (fields.biasedExponent == extendedSpecialExponent)
        throw std::invalid_argument("formatWeight: infinity or NaN has no weight text");
    // Subnormals (biased exponent 0) share the scale of the smallest normal exponent.
    const int biased = std::max<int>(fields.biasedExponent, 1);
    return {fields.significand, biased - extendedExponentBias - (extendedSignificandBits - 1)};
}

// Where the discarded part of a quotient lies relative to half a unit.
enum class Remainder
{
    BelowHalf,
    Half,
    AboveHalf
};

struct ScaledValue
{
    BigUnsigned whole; // floor(magnitude x 10^decimalShift)
    Remainder remainder = Remainder::BelowHalf;
};

// floor(m x 2^e x 10^k) and how the rest compares with 1/2, exactly.
ScaledValue scaleByPowerOfTen(const BinaryMagnitude &magnitude, int powerOfTen)
{
    // m x 2^e x 10^k = m x 5^k x 2^(e+k).
    const int twos = magnitude.binaryExponent + powerOfTen;
    BigUnsigned numerator(magnitude.significand);
    if (powerOfTen > 0)
        numerator = numerator * BigUnsigned::powerOfFive(static_cast<std::uint32_t>(powerOfTen));
    if (twos > 0)
        numerator <<= static_cast<std::size_t>(twos);

    ScaledValue scaled;
    if (powerOfTen >= 0) {
        // The denominator is a power of two: shift, and read the dropped bits.
        const auto droppedBits = static_cast<std::size_t>(std::max(0, -twos));
        if (droppedBits > 0) {
            const bool halfBit = numerator.testBit(droppedBits - 1);
            const bool belowHalfBit = numerator.hasSetBitBelow(droppedBits - 1);
            scaled.remainder = !halfBit       ? Remainder::BelowHalf
                               : belowHalfBit ? Remainder::AboveHalf
                                              : Remainder::Half;
        }
        scaled.whole = numerator >> droppedBits;
        return scaled;
    }

    BigUnsigned denominator = BigUnsigned::powerOfFive(static_cast<std::uint32_t>(-powerOfTen));
    if (twos < 0)
        denominator <<= static_cast<std::size_t>(-twos);
    BigUnsigned::DivisionResult division = BigUnsigned::divide(numerator, denominator);
    const int comparison = BigUnsigned::compare(division.remainder << 1, denominator);
    scaled.remainder = comparison < 0    ? Remainder::BelowHalf
                       : comparison == 0 ? Remainder::Half
                                         : Remainder::AboveHalf;
    scaled.whole = std::move(division.quotient);
    return scaled;
}

int floorDivide(int dividend, int divisor)
{
    const int quotient = dividend / divisor;
    return (dividend % divisor != 0 && dividend < 0) ? quotient - 1 : quotient;
}

std::string decimalText(std::uint64_t value)
{
    return std::to_string(value);
}

// "I.D" for a magnitude below 2^120: the 18-digit form rounded to one decimal, half away from
// zero, with carry.
std::string fixedMagnitudeText(const EighteenDigits &rounded)
{
    if (rounded.digits == 0)
        return "0.0";
    // Decimal places of the 18-digit form beyond the first one.
    const int extraPlaces = (significantDigitCount - 2) - rounded.decimalExponent;
    std::string tenths;
    if (extraPlaces <= 0) {
        // No rounding: the form has at most one decimal; from 10^17 on, zeros follow the digits.
        tenths =
            decimalText(rounded.digits) + std::string(static_cast<std::size_t>(-extraPlaces), '0');
    } else {
        std::uint64_t wholeTenths = 0;
        if (extraPlaces <= significantDigitCount) {
            const auto places = static_cast<std::size_t>(extraPlaces);
            wholeTenths = rounded.digits / powersOfTen[places];
            const std::uint64_t nextDigit = rounded.digits / powersOfTen[places - 1] % 10;
            if (nextDigit >= 5)
                ++wholeTenths;
        }
        tenths = decimalText(wholeTenths);
        if (tenths.size() < 2)
            tenths.insert(0, 1, '0');
    }
    std::string text = tenths.substr(0, tenths.size() - 1);
    text.push_back('.');
    text.push_back(tenths.back());
    return text;
}

// "d.dE+xxxx" for a magnitude of 2^120 or more: two digits, rounded half up on the third.
std::string scientificMagnitudeText(const EighteenDigits &rounded)
{
    const std::string digits = decimalText(rounded.digits);
    int leadingPair = (digits[0] - '0') * 10 + (digits[1] - '0');
    int exponent = rounded.decimalExponent;
    if (digits[2] >= '5')
        ++leadingPair;
    if (leadingPair == 100) {
        leadingPair = 10;
        ++exponent;
    }
    std::string text;
    text.push_back(static_cast<char>('0' + leadingPair / 10));
    text.push_back('.');
    text.push_back(static_cast<char>('0' + leadingPair % 10));
    text.push_back('E');
    text.push_back(exponent < 0 ? '-' : '+');
    std::string exponentDigits = std::to_string(exponent < 0 ? -exponent : exponent);
    text.append(4 - std::min<std::size_t>(4, exponentDigits.size()), '0');
    text.append(exponentDigits);
    return text;
}

} // namespace

EighteenDigits eighteenSignificantDigits(long double value)
{
    const BinaryMagnitude magnitude = binaryMagnitude(extendedFields(value));
    if (magnitude.significand == 0)
        return {};
    const int leadingBinaryExponent =
        (63 - std::countl_zero(magnitude.significand)) + magnitude.binaryExponent;
    // floor(leadingBinaryExponent x log10(2)), possibly one too small or large; corrected below.
    int decimalExponent = floorDivide(leadingBinaryExponent * 78913, 1 << 18);
    for (;;) {
        const ScaledValue scaled =
            scaleByPowerOfTen(magnitude, (significantDigitCount - 1) - decimalExponent);
        if (!scaled.whole.fitsInUint64() || scaled.whole.lowUint64() >= beyondEighteenDigits) {
            ++decimalExponent;
            continue;
        }
        std::uint64_t digits = scaled.whole.lowUint64();
        if (digits < smallestEighteenDigits) {
            --decimalExponent;
            continue;
        }
        if (scaled.remainder == Remainder::AboveHalf ||
            (scaled.remainder == Remainder::Half && digits % 2 == 1))
            ++digits;
        if (digits == beyondEighteenDigits) {
            digits = smallestEighteenDigits;
            ++decimalExponent;
        }
        return {digits, decimalExponent};
    }
}

std::string formatWeight(long double weightKg)
{
    const ExtendedFields fields = extendedFields(weightKg);
    const BinaryMagnitude magnitude = binaryMagnitude(fields);
    const EighteenDigits rounded = eighteenSignificantDigits(weightKg);

    const bool scientific =
        magnitude.significand != 0 &&
        (63 - std::countl_zero(magnitude.significand)) + magnitude.binaryExponent >=
            scientificFromBinaryExponent;
    if (scientific) {
        std::string text(1, fields.negative ? '-' : ' ');
        text.append(scientificMagnitudeText(rounded));
        return text;
    }

    std::string text = fixedMagnitudeText(rounded);
    if (fields.negative)
        text.insert(0, 1, '-');
    if (text.size() < minimumTextWidth)
        text.insert(0, minimumTextWidth - text.size(), ' ');
    return text;
}

} // namespace numeric
