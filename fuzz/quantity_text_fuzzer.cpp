// Fuzzes parseQuantity, the quantity text grammar (decimal and hexadecimal 32-bit integers).
//
// Input: the whole input is the quantity text.
//
// Properties:
//   - parseQuantity agrees with a slow reference reading below, both on the value and on
//     refusal;
//   - a refused text's message is exactly "'" + text + "' is not a valid integer value", every
//     byte kept.

#include "FuzzCheck.h"
#include "Numeric.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace {

// The value of a hexadecimal digit, or -1.
int hexDigitValue(char c)
{
    const std::string_view digits = "0123456789abcdef";
    const char lower = (c >= 'A' && c <= 'F') ? static_cast<char>(c - 'A' + 'a') : c;
    const std::size_t index = digits.find(lower);
    return index == std::string_view::npos ? -1 : static_cast<int>(index);
}

// A plain reading of the quantity text grammar, character by character, in 64-bit arithmetic.
// nullopt when the text is refused.
std::optional<std::int32_t> referenceQuantity(std::string_view text)
{
    constexpr std::int64_t smallest = -2147483648LL;
    constexpr std::int64_t largest = 2147483647LL;
    constexpr std::int64_t beyondAnyValue = 1LL << 40; // saturation: far outside, never overflows
    constexpr int maximumSignificantHexDigits = 8;

    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ')
        ++i;
    if (i == text.size())
        return std::nullopt;

    std::size_t hexStart = 0;
    if (text[i] == '$' || text[i] == 'x' || text[i] == 'X')
        hexStart = i + 1;
    else if (text[i] == '0' && i + 1 < text.size() && (text[i + 1] == 'x' || text[i + 1] == 'X'))
        hexStart = i + 2;

    if (hexStart != 0) {
        if (hexStart == text.size())
            return std::nullopt;
        std::int64_t value = 0;
        int significantDigits = 0;
        for (std::size_t k = hexStart; k < text.size(); ++k) {
            const int digit = hexDigitValue(text[k]);
            if (digit < 0)
                return std::nullopt;
            if (significantDigits > 0 || digit != 0)
                ++significantDigits;
            if (significantDigits > maximumSignificantHexDigits)
                return std::nullopt;
            value = value * 16 + digit;
        }
        if (value > largest)
            value -= 1LL << 32; // two's complement
        return static_cast<std::int32_t>(value);
    }

    bool negative = false;
    if (text[i] == '+' || text[i] == '-') {
        negative = text[i] == '-';
        ++i;
    }
    if (i == text.size())
        return std::nullopt;
    std::int64_t magnitude = 0;
    for (; i < text.size(); ++i) {
        if (text[i] < '0' || text[i] > '9')
            return std::nullopt;
        magnitude = magnitude * 10 + (text[i] - '0');
        if (magnitude > beyondAnyValue)
            magnitude = beyondAnyValue;
    }
    const std::int64_t value = negative ? -magnitude : magnitude;
    if (value < smallest || value > largest)
        return std::nullopt;
    return static_cast<std::int32_t>(value);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view text = fuzz::inputText(data, size);
    const std::optional<std::int32_t> expected = referenceQuantity(text);

    std::optional<std::int32_t> parsed;
    try {
        parsed = numeric::parseQuantity(text);
    } catch (const numeric::NumericError &error) {
        const std::string expectedMessage =
            "'" + std::string(text) + "' is not a valid integer value";
        fuzz::requireProperty(
            error.message() == expectedMessage, "the refusal message quotes the text exactly",
            "text " + fuzz::quoted(text) + ", message " + fuzz::quoted(error.message()));
    }

    const auto describe = [](const std::optional<std::int32_t> &value) {
        return value ? std::to_string(*value) : std::string("refused");
    };
    fuzz::requireProperty(parsed == expected, "parseQuantity agrees with the reference reading",
                          "text " + fuzz::quoted(text) + ": parseQuantity " + describe(parsed) +
                              ", reference " + describe(expected));
    return 0;
}
