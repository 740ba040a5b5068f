// parseLength: the length text grammar and the exact decimal-to-80-bit conversion.

#include "BigUnsigned.h"
#include "Numeric.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <optional>
#include <stdexcept>

namespace numeric {

namespace {

// The pieces of a grammatical length text. The value is
// (integerDigits fractionDigits) x 10^(exponent - fractionDigits.size()), negated if `negative`.
struct LengthTextParts
{
    bool negative = false;
    std::string_view integerDigits;
    std::string_view fractionDigits;
    int exponent = 0;
};

// Exponent digits are read only while the exponent read so far is below this.
constexpr int exponentDigitLimit = 500;

bool isAsciiDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Throws std::invalid_argument unless `separator` is one well-formed UTF-8 character.
void requireSingleCharacter(std::string_view separator)
{
    const auto isValid = [&separator] {
        if (separator.empty())
            return false;
        const auto lead = static_cast<unsigned char>(separator[0]);
        std::size_t length = 0;
        if (lead < 0x80)
            length = 1;
        else if (lead >= 0xC2 && lead <= 0xDF)
            length = 2;
        else if (lead >= 0xE0 && lead <= 0xEF)
            length = 3;
        else if (lead >= 0xF0 && lead <= 0xF4)
            length = 4;
        if (length == 0 || separator.size() != length)
            return false;
        return std::all_of(separator.begin() + 1, separator.end(),
                           [](char c) { return (static_cast<unsigned char>(c) & 0xC0U) == 0x80U; });
    };
    if (!isValid())
        throw std::invalid_argument("parseLength: the decimal separator must be one character");
}

// Splits a length text along the grammar; nullopt when the text does not follow it.
std::optional<LengthTextParts> scanLengthText(std::string_view text, std::string_view separator)
{
    LengthTextParts parts;
    std::size_t position = 0;
    const auto skipSpaces = [&] {
        while (position < text.size() && text[position] == ' ')
            ++position;
    };
    const auto takeDigits = [&] {
        const std::size_t start = position;
        while (position < text.size() && isAsciiDigit(text[position]))
            ++position;
        return text.substr(start, position - start);
    };

    skipSpaces();
    if (position < text.size() && (text[position] == '+' || text[position] == '-')) {
        parts.negative = text[position] == '-';
        ++position;
    }
    parts.integerDigits = takeDigits();
    bool hasSeparator = false;
    if (text.substr(position).starts_with(separator)) {
        hasSeparator = true;
        position += separator.size();
        parts.fractionDigits = takeDigits();
    }
    if (parts.integerDigits.empty() && !hasSeparator)
        return std::nullopt;

    if (position < text.size() && (text[position] == 'E' || text[position] == 'e')) {
        ++position;
        bool negativeExponent = false;
        if (position < text.size() && (text[position] == '+' || text[position] == '-')) {
            negativeExponent = text[position] == '-';
            ++position;
        }
        int magnitude = 0;
        while (position < text.size() && isAsciiDigit(text[position])) {
            if (magnitude >= exponentDigitLimit)
                return std::nullopt;
            magnitude = magnitude * 10 + (text[position] - '0');
            ++position;
        }
        parts.exponent = negativeExponent ? -magnitude : magnitude;
    }
    skipSpaces();
    if (position != text.size())
        return std::nullopt;
    return parts;
}

// The significant digits of a decimal: `digitCount` digits starting at `firstDigit` of the
// concatenated integer and fraction digits, times 10^scale. The first and last digits are
// non-zero.
struct SignificantDecimal
{
    std::size_t firstDigit = 0;
    std::size_t digitCount = 0;
    std::int64_t scale = 0;
};

// Reads the concatenation of the integer and fraction digits by index.
class MantissaDigits
{
public:
    explicit MantissaDigits(const LengthTextParts &parts)
        : m_integer(parts.integerDigits), m_fraction(parts.fractionDigits)
    {
    }
    std::size_t size() const { return m_integer.size() + m_fraction.size(); }
    char operator[](std::size_t index) const
    {
        return index < m_integer.size() ? m_integer[index] : m_fraction[index - m_integer.size()];
    }

private:
    std::string_view m_integer;
    std::string_view m_fraction;
};

// nullopt when every digit is zero.
std::optional<SignificantDecimal> significantDecimal(const LengthTextParts &parts)
{
    const MantissaDigits digits(parts);
    std::size_t first = 0;
    while (first < digits.size() && digits[first] == '0')
        ++first;
    if (first == digits.size())
        return std::nullopt;
    std::size_t last = digits.size() - 1;
    while (digits[last] == '0')
        --last;
    SignificantDecimal decimal;
    decimal.firstDigit = first;
    decimal.digitCount = last - first + 1;
    decimal.scale = std::int64_t{parts.exponent} -
                    static_cast<std::int64_t>(parts.fractionDigits.size()) +
                    static_cast<std::int64_t>(digits.size() - 1 - last);
    return decimal;
}

// Decimal exponents of the leading digit beyond which the outcome is known without arithmetic:
// 10^4933 exceeds the largest 80-bit value (about 1.19e4932), and anything below 10^-4951 is
// less than half the smallest subnormal (2^-16445, about 3.65e-4951), so it rounds to zero.
constexpr std::int64_t leadingExponentOverflow = 4933;
constexpr std::int64_t leadingExponentUnderflow = -4952;

// No rounding boundary of the 80-bit format (a midpoint between neighbours, the overflow
// threshold) has more than about 11,520 significant decimal digits. Keeping this many digits and
// replacing the rest by a single trailing 1 therefore never changes the rounding.
constexpr std::size_t decidingDigitCount = 12000;

// Powers of ten that the 80-bit format holds exactly: 10^k = 5^k x 2^k, and 5^k fits in the
// 64-bit significand up to k = 27.
constexpr int largestExactPowerOfTen = 27;
constexpr std::array<long double, largestExactPowerOfTen + 1> exactPowersOfTen = [] {
    std::array<long double, largestExactPowerOfTen + 1> powers{};
    long double power = 1.0L;
    for (long double &entry : powers) {
        entry = power;
        power *= 10.0L;
    }
    return powers;
}();

constexpr int minimumNormalExponent = 1 - extendedExponentBias;   // -16382
constexpr int subnormalUnitExponent = minimumNormalExponent - 63; // -16445
constexpr int maximumExponent = extendedExponentBias;             // 16383

// The nearest 80-bit value (ties to even) of (mantissa + epsilon) x 2^binaryExponent, where
// epsilon is a positive amount below one unit of `mantissa` when `inexact` is set, else 0.
// The mantissa must carry at least two bits beyond the 64 kept when `inexact` is set.
// Returns nullopt when the value rounds beyond the largest finite value.
std::optional<long double> roundToExtended(const BigUnsigned &mantissa, std::int64_t binaryExponent,
                                           bool inexact)
{
    const auto length = static_cast<std::int64_t>(mantissa.bitLength());
    const std::int64_t leadingExponent = length - 1 + binaryExponent;
    // Exponent of the lowest bit kept: 64 bits for normal values, fixed for subnormals.
    const std::int64_t keptUnitExponent =
        std::max<std::int64_t>(leadingExponent - 63, subnormalUnitExponent);
    const std::int64_t droppedBits = keptUnitExponent - binaryExponent;

    std::uint64_t kept = 0;
    if (droppedBits <= 0) {
        // Exact: fewer than 64 significant bits (only reached when not `inexact`).
        kept = mantissa.lowUint64() << static_cast<unsigned>(-droppedBits);
    } else {
        const auto dropped = static_cast<std::size_t>(droppedBits);
        kept = mantissa.bitsFrom(dropped);
        const bool roundBit = mantissa.testBit(dropped - 1);
        const bool belowRoundBit = inexact || mantissa.hasSetBitBelow(dropped - 1);
        if (roundBit && (belowRoundBit || (kept & 1U) != 0)) {
            ++kept;
            if (kept == 0) {
                // Carried out of 64 bits: 2^64 units, one binade up.
                return leadingExponent + 1 > maximumExponent
                           ? std::nullopt
                           : std::optional<long double>(
                                 std::ldexp(1.0L, static_cast<int>(keptUnitExponent + 64)));
            }
        }
    }
    if (kept == 0)
        return 0.0L;
    const int resultExponent = static_cast<int>(keptUnitExponent) + 63 - std::countl_zero(kept);
    if (resultExponent > maximumExponent)
        return std::nullopt;
    // kept x 2^keptUnitExponent is exactly representable, so ldexp does not round.
    return std::ldexp(static_cast<long double>(kept), static_cast<int>(keptUnitExponent));
}

// The value of a decimal with at most 19 significant digits and a small power of ten, or
// nullopt when that fast route does not apply. One correctly rounded x87 multiplication or
// division of two exact operands gives the correctly rounded result.
std::optional<long double> convertSmallDecimal(const MantissaDigits &digits,
                                               const SignificantDecimal &decimal)
{
    constexpr std::size_t maximumExactDigits = 19; // 10^19 - 1 < 2^64
    if (decimal.digitCount > maximumExactDigits || decimal.scale > largestExactPowerOfTen ||
        decimal.scale < -largestExactPowerOfTen)
        return std::nullopt;
    std::uint64_t significand = 0;
    for (std::size_t i = 0; i < decimal.digitCount; ++i)
        significand =
            significand * 10 + static_cast<std::uint64_t>(digits[decimal.firstDigit + i] - '0');
    const auto exact = static_cast<long double>(significand);
    if (decimal.scale >= 0)
        return exact * exactPowersOfTen[static_cast<std::size_t>(decimal.scale)];
    return exact / exactPowersOfTen[static_cast<std::size_t>(-decimal.scale)];
}

// The exact conversion for any decimal: nullopt on overflow.
std::optional<long double> convertAnyDecimal(const MantissaDigits &digits,
                                             const SignificantDecimal &decimal)
{
    const std::int64_t leadingExponent =
        static_cast<std::int64_t>(decimal.digitCount) - 1 + decimal.scale;
    if (leadingExponent >= leadingExponentOverflow)
        return std::nullopt;
    if (leadingExponent <= leadingExponentUnderflow)
        return 0.0L;

    std::string significantDigits;
    std::int64_t scale = decimal.scale;
    const std::size_t keptDigits = std::min(decimal.digitCount, decidingDigitCount);
    significantDigits.reserve(keptDigits + 1);
    for (std::size_t i = 0; i < keptDigits; ++i)
        significantDigits.push_back(digits[decimal.firstDigit + i]);
    if (keptDigits < decimal.digitCount) {
        // The dropped digits end in a non-zero digit: stand in for them with one trailing 1.
        significantDigits.push_back('1');
        scale += static_cast<std::int64_t>(decimal.digitCount - keptDigits) - 1;
    }
    BigUnsigned significand = BigUnsigned::fromDecimalDigits(significantDigits);

    // value = significand x 10^scale = significand x 5^scale x 2^scale.
    if (scale >= 0) {
        const BigUnsigned exact =
            significand * BigUnsigned::powerOfFive(static_cast<std::uint32_t>(scale));
        return roundToExtended(exact, scale, false);
    }
    const BigUnsigned divisor = BigUnsigned::powerOfFive(static_cast<std::uint32_t>(-scale));
    // Scale the dividend so that the quotient has at least 66 bits: 64 kept, a rounding bit,
    // and one more so the remainder only ever acts as the sticky part.
    const std::int64_t shift =
        std::max<std::int64_t>(0, 66 + static_cast<std::int64_t>(divisor.bitLength()) -
                                      static_cast<std::int64_t>(significand.bitLength()));
    significand <<= static_cast<std::size_t>(shift);
    const BigUnsigned::DivisionResult division = BigUnsigned::divide(significand, divisor);
    return roundToExtended(division.quotient, scale - shift, !division.remainder.isZero());
}

[[noreturn]] void refuseLength(std::string_view text)
{
    std::string message = "'";
    message.append(text);
    message.append("' is not a valid floating point value");
    throw NumericError(message);
}

} // namespace

long double parseLength(std::string_view text, std::string_view decimalSeparator)
{
    requireSingleCharacter(decimalSeparator);
    const std::optional<LengthTextParts> parts = scanLengthText(text, decimalSeparator);
    if (!parts)
        refuseLength(text);

    long double magnitude = 0.0L;
    if (const std::optional<SignificantDecimal> decimal = significantDecimal(*parts)) {
        const MantissaDigits digits(*parts);
        std::optional<long double> converted = convertSmallDecimal(digits, *decimal);
        if (!converted)
            converted = convertAnyDecimal(digits, *decimal);
        if (!converted)
            refuseLength(text);
        magnitude = *converted;
    }
    return parts->negative ? -magnitude : magnitude;
}

} // namespace numeric
