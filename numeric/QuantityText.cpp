// parseQuantity: the quantity text grammar (decimal or hexadecimal 32-bit integers).

#include "Numeric.h"

#include <optional>

namespace numeric {

namespace {

constexpr std::uint64_t largestNegativeMagnitude = 2147483648U; // -INT32_MIN
constexpr std::uint64_t largestPositive = 2147483647U;
constexpr std::size_t maximumSignificantHexDigits = 8;

std::optional<unsigned> hexDigitValue(char c)
{
    if (c >= '0' && c <= '9')
        return static_cast<unsigned>(c - '0');
    if (c >= 'A' && c <= 'F')
        return static_cast<unsigned>(c - 'A' + 10);
    if (c >= 'a' && c <= 'f')
        return static_cast<unsigned>(c - 'a' + 10);
    return std::nullopt;
}

// "[+-]digits" with the value in range; nullopt otherwise.
std::optional<std::int32_t> scanDecimal(std::string_view text)
{
    bool negative = false;
    if (!text.empty() && (text[0] == '+' || text[0] == '-')) {
        negative = text[0] == '-';
        text.remove_prefix(1);
    }
    if (text.empty())
        return std::nullopt;
    std::uint64_t magnitude = 0;
    for (const char c : text) {
        if (c < '0' || c > '9')
            return std::nullopt;
        magnitude = magnitude * 10 + static_cast<std::uint64_t>(c - '0');
        if (magnitude > largestNegativeMagnitude)
            return std::nullopt; // also keeps the accumulator far from overflowing
    }
    if (negative)
        return static_cast<std::int32_t>(-static_cast<std::int64_t>(magnitude));
    if (magnitude > largestPositive)
        return std::nullopt;
    return static_cast<std::int32_t>(magnitude);
}

// Hexadecimal digits after the prefix; nullopt when empty, not hexadecimal, or more than eight
// significant digits.
std::optional<std::int32_t> scanHexadecimal(std::string_view digits)
{
    if (digits.empty())
        return std::nullopt;
    std::uint32_t value = 0;
    std::size_t significantDigits = 0;
    for (const char c : digits) {
        const std::optional<unsigned> digit = hexDigitValue(c);
        if (!digit)
            return std::nullopt;
        if (value != 0 || *digit != 0)
            ++significantDigits;
        if (significantDigits > maximumSignificantHexDigits)
            return std::nullopt;
        value = (value << 4) | *digit;
    }
    // 80000000 to FFFFFFFF wrap to negative, two's complement.
    return static_cast<std::int32_t>(value);
}

[[noreturn]] void refuseQuantity(std::string_view text)
{
    std::string message = "'";
    message.append(text);
    message.append("' is not a valid integer value");
    throw NumericError(message);
}

} // namespace

std::int32_t parseQuantity(std::string_view text)
{
    std::string_view rest = text;
    while (!rest.empty() && rest.front() == ' ')
        rest.remove_prefix(1);

    std::optional<std::int32_t> value;
    if (rest.starts_with('$') || rest.starts_with('x') || rest.starts_with('X'))
        value = scanHexadecimal(rest.substr(1));
    else if (rest.starts_with("0x") || rest.starts_with("0X"))
        value = scanHexadecimal(rest.substr(2));
    else
        value = scanDecimal(rest);
    if (!value)
        refuseQuantity(text);
    return *value;
}

} // namespace numeric
