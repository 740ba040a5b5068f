// Fuzzes the whole calculation as the calculator window runs it: a catalogue row, the length
// text and the quantity text -> parseLength, parseQuantity, computeWeight, formatWeight,
// weightCaption.
//
// Input: byte 0 picks the family (modulo 3), byte 1 the row (modulo the family's row count),
// byte 2 the decimal separator ("," when it is ",", else "."); the rest is the length text, up to
// the first "\n", and the quantity text after it (empty when there is no "\n").
//
// Properties:
//   - every failure is a NumericError with one of the known messages: the length message for
//     this text, the quantity message for this text, or "Floating point overflow";
//   - "Floating point overflow" exactly when mass x length, or that rounded product x quantity,
//     rounds beyond the largest 80-bit value (decided exactly from the operands' bits, not by
//     the hardware);
//   - otherwise the weight is ((mass x length) x quantity) / 1000 in that order, and its text is
//     well formed and equal to the reference text; the caption is the text followed by " kg".

#include "Catalogue.h"
#include "FuzzCheck.h"
#include "Numeric.h"
#include "ReferenceWeightText.h"

#include <array>
#include <bit>
#include <cstdint>
#include <cstring>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace {

__extension__ using UnsignedWide = unsigned __int128;

// A finite value as significand x 2^exponent, the significand being the stored 64 bits.
struct ExactBinary
{
    std::uint64_t significand = 0;
    int exponent = 0;
};

ExactBinary exactBinary(long double value)
{
    unsigned char bytes[10];
    std::memcpy(bytes, &value, sizeof bytes);
    ExactBinary binary;
    std::memcpy(&binary.significand, bytes, sizeof binary.significand);
    const int biasedExponent = (bytes[8] | (bytes[9] << 8)) & 0x7FFF;
    // Subnormals share the scale of the smallest normal exponent, 1.
    binary.exponent = (biasedExponent == 0 ? 1 : biasedExponent) - 16383 - 63;
    return binary;
}

// Whether the exact product of two finite values rounds (to nearest, ties to even) beyond the
// largest finite 80-bit value, whose leading bit is 2^16383.
bool productOverflows(long double left, long double right)
{
    constexpr int largestLeadingExponent = 16383;
    const ExactBinary a = exactBinary(left);
    const ExactBinary b = exactBinary(right);
    if (a.significand == 0 || b.significand == 0)
        return false;
    const UnsignedWide product = static_cast<UnsignedWide>(a.significand) * b.significand;
    const auto high = static_cast<std::uint64_t>(product >> 64);
    const auto low = static_cast<std::uint64_t>(product);
    const int bitLength = high != 0 ? 128 - std::countl_zero(high) : 64 - std::countl_zero(low);
    const int leadingExponent = bitLength - 1 + a.exponent + b.exponent;
    if (leadingExponent != largestLeadingExponent)
        return leadingExponent > largestLeadingExponent;
    // On the top binade: only rounding up to 2^64 units overflows.
    if (bitLength <= 64)
        return false;
    const int droppedBits = bitLength - 64;
    const auto kept = static_cast<std::uint64_t>(product >> droppedBits);
    const UnsignedWide droppedMask = (static_cast<UnsignedWide>(1) << droppedBits) - 1;
    const UnsignedWide dropped = product & droppedMask;
    const UnsignedWide half = static_cast<UnsignedWide>(1) << (droppedBits - 1);
    const bool roundsUp = dropped > half || (dropped == half && (kept & 1U) != 0);
    return roundsUp && kept == ~std::uint64_t{0};
}

ShapeFamily familyOf(std::uint8_t selector)
{
    static constexpr std::array<ShapeFamily, 3> families = {
        ShapeFamily::Square, ShapeFamily::Rectangular, ShapeFamily::Round};
    return families[selector % families.size()];
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    constexpr std::size_t headerBytes = 3;
    if (size < headerBytes)
        return -1;
    const std::span<const CatalogueRow> rows = catalogueRows(familyOf(data[0]));
    const CatalogueRow &row = rows[data[1] % rows.size()];
    const std::string_view separator = data[2] == ',' ? "," : ".";
    const std::string_view texts = fuzz::inputText(data + headerBytes, size - headerBytes);
    const std::size_t newline = texts.find('\n');
    const std::string_view lengthText = texts.substr(0, newline);
    const std::string_view quantityText =
        newline == std::string_view::npos ? std::string_view() : texts.substr(newline + 1);

    const std::string lengthMessage =
        "'" + std::string(lengthText) + "' is not a valid floating point value";
    const std::string quantityMessage =
        "'" + std::string(quantityText) + "' is not a valid integer value";
    const std::string overflowMessage = "Floating point overflow";
    const std::string inputDetails =
        std::string(row.designation) + ", length " + fuzz::quoted(lengthText) + " (separator " +
        fuzz::quoted(separator) + "), quantity " + fuzz::quoted(quantityText);

    std::optional<long double> length;
    std::optional<std::int32_t> quantity;
    std::optional<long double> weight;
    try {
        length = numeric::parseLength(lengthText, separator);
        quantity = numeric::parseQuantity(quantityText);
        weight = numeric::computeWeight(row.massPerMetre, *length, *quantity);
    } catch (const numeric::NumericError &error) {
        const std::string &message = error.message();
        if (!length) {
            fuzz::requireProperty(message == lengthMessage, "the length message",
                                  inputDetails + ": " + fuzz::quoted(message));
        } else if (!quantity) {
            fuzz::requireProperty(message == quantityMessage, "the quantity message",
                                  inputDetails + ": " + fuzz::quoted(message));
        } else {
            fuzz::requireProperty(message == overflowMessage, "the overflow message",
                                  inputDetails + ": " + fuzz::quoted(message));
        }
    }
    if (!length || !quantity)
        return 0;

    // The overflow decision, made exactly from the operands.
    const long double quantityValue = static_cast<long double>(*quantity);
    bool overflows = productOverflows(row.massPerMetre, *length);
    long double product = 0.0L;
    if (!overflows) {
        product = row.massPerMetre * *length;
        overflows = productOverflows(product, quantityValue);
    }
    const std::string details = inputDetails + ", length " + fuzz::bitsText(*length) +
                                ", quantity " + std::to_string(*quantity);
    if (overflows) {
        fuzz::requireProperty(!weight, "overflow when the product is beyond the 80-bit range",
                              details + ": weight " + fuzz::bitsText(weight.value_or(0.0L)));
        return 0;
    }
    fuzz::requireProperty(weight.has_value(), "no overflow while the product is in range", details);

    const long double expectedWeight = (product * quantityValue) / 1000.0L;
    fuzz::requireProperty(fuzz::sameBits(*weight, expectedWeight),
                          "the weight is ((mass x length) x quantity) / 1000, rounded each step",
                          details + ": " + fuzz::bitsText(*weight) + ", expected " +
                              fuzz::bitsText(expectedWeight));

    const std::string text = numeric::formatWeight(*weight);
    fuzz::checkWeightTextLayout(text, *weight);
    const std::string expectedText = fuzz::referenceWeightText(*weight);
    fuzz::requireProperty(text == expectedText, "the weight text",
                          details + ": " + fuzz::quoted(text) + ", expected " +
                              fuzz::quoted(expectedText));
    fuzz::requireProperty(numeric::weightCaption(text) == text + " kg", "the caption",
                          fuzz::quoted(numeric::weightCaption(text)));
    return 0;
}
