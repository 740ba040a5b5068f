// Fuzzes parseLength, the length text grammar and its exact decimal-to-80-bit conversion.
//
// Input: the first byte chooses the decimal separator: "," for ",", the Arabic decimal separator
// U+066B for 0xD9 (its first UTF-8 byte), "." for any other byte; the remaining bytes are the
// length text. So the seed file ",6000,5" is the text "6000,5" with "," as the separator.
//
// Properties:
//   - the text is accepted exactly when a plain reading of the grammar accepts it and glibc's
//     strtold (in the "C" locale) finds its value inside the 80-bit range;
//   - an accepted value has the same 80 bits as strtold's value of the same decimal;
//   - an accepted value re-parses to the same bits from its normalised text (spaces removed,
//     "." as the separator) and from its 21-significant-digit decimal, which identifies every
//     80-bit value;
//   - a refused text's message is exactly "'" + text + "' is not a valid floating point value",
//     every byte kept (NUL included).

#include "FuzzCheck.h"
#include "GlibcOracle.h"
#include "Numeric.h"

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace {

// The pieces of a grammatical length text, as read by the reference scanner below.
struct GrammaticalLength
{
    bool negative = false;
    std::string integerDigits;
    std::string fractionDigits;
    int exponent = 0;
};

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// A character-by-character reading of the length text grammar, written as a state machine
// independently of the numeric core. nullopt when the text is not grammatical.
std::optional<GrammaticalLength> readLengthGrammar(std::string_view text,
                                                   std::string_view separator)
{
    enum class State
    {
        LeadingSpaces,
        AfterSign,
        IntegerDigits,
        FractionDigits,
        ExponentStart,
        ExponentDigits,
        TrailingSpaces
    };
    constexpr int exponentReadLimit = 500;

    GrammaticalLength length;
    State state = State::LeadingSpaces;
    bool sawSeparator = false;
    bool negativeExponent = false;
    int exponentMagnitude = 0;
    std::size_t position = 0;
    while (position < text.size()) {
        const char c = text[position];
        const bool atSeparator = text.substr(position, separator.size()) == separator;
        switch (state) {
        case State::LeadingSpaces:
            if (c == ' ') {
                ++position;
                continue;
            }
            if (c == '+' || c == '-') {
                length.negative = c == '-';
                ++position;
            }
            state = State::AfterSign;
            continue;
        case State::AfterSign:
        case State::IntegerDigits:
            if (isDigit(c)) {
                length.integerDigits.push_back(c);
                ++position;
                state = State::IntegerDigits;
                continue;
            }
            if (atSeparator) {
                sawSeparator = true;
                position += separator.size();
                state = State::FractionDigits;
                continue;
            }
            if (state == State::AfterSign)
                return std::nullopt; // neither a digit nor the separator after the sign
            state = State::ExponentStart;
            continue;
        case State::FractionDigits:
            if (isDigit(c)) {
                length.fractionDigits.push_back(c);
                ++position;
                continue;
            }
            state = State::ExponentStart;
            continue;
        case State::ExponentStart:
            if (c == 'E' || c == 'e') {
                ++position;
                if (position < text.size() && (text[position] == '+' || text[position] == '-')) {
                    negativeExponent = text[position] == '-';
                    ++position;
                }
                state = State::ExponentDigits;
                continue;
            }
            state = State::TrailingSpaces;
            continue;
        case State::ExponentDigits:
            if (isDigit(c)) {
                if (exponentMagnitude >= exponentReadLimit)
                    return std::nullopt;
                exponentMagnitude = exponentMagnitude * 10 + (c - '0');
                ++position;
                continue;
            }
            state = State::TrailingSpaces;
            continue;
        case State::TrailingSpaces:
            if (c != ' ')
                return std::nullopt;
            ++position;
            continue;
        }
    }
    if (length.integerDigits.empty() && !sawSeparator)
        return std::nullopt; // no digit and no separator (also the empty text)
    length.exponent = negativeExponent ? -exponentMagnitude : exponentMagnitude;
    return length;
}

// The same decimal in a form strtold reads completely: at least one digit on each side of ".",
// and an explicit exponent.
std::string strtoldText(const GrammaticalLength &length)
{
    return std::string(length.negative ? "-" : "") +
           (length.integerDigits.empty() ? "0" : length.integerDigits) + "." +
           (length.fractionDigits.empty() ? "0" : length.fractionDigits) + "e" +
           std::to_string(length.exponent);
}

std::string refusalMessage(std::string_view text)
{
    return "'" + std::string(text) + "' is not a valid floating point value";
}

// The text with its spaces removed and `separator` replaced by ".".
std::string normalisedText(std::string_view text, std::string_view separator)
{
    std::string normalised;
    for (std::size_t position = 0; position < text.size();) {
        if (text.substr(position, separator.size()) == separator) {
            normalised.push_back('.');
            position += separator.size();
            continue;
        }
        if (text[position] != ' ')
            normalised.push_back(text[position]);
        ++position;
    }
    return normalised;
}

void checkReparses(std::string_view text, long double value, const std::string &otherText,
                   std::string_view what)
{
    long double reparsed = 0.0L;
    try {
        reparsed = numeric::parseLength(otherText, ".");
    } catch (const numeric::NumericError &error) {
        fuzz::failProperty(what, "text " + fuzz::quoted(text) + " gave " + fuzz::bitsText(value) +
                                     ", but " + fuzz::quoted(otherText) +
                                     " was refused: " + fuzz::quoted(error.message()));
    }
    fuzz::requireProperty(fuzz::sameBits(reparsed, value), what,
                          "text " + fuzz::quoted(text) + " gave " + fuzz::bitsText(value) + ", " +
                              fuzz::quoted(otherText) + " gave " + fuzz::bitsText(reparsed));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size == 0)
        return -1;
    const std::string_view separator = data[0] == ',' ? "," : data[0] == 0xD9 ? "\xD9\xAB" : ".";
    const std::string_view text = fuzz::inputText(data + 1, size - 1);

    std::optional<long double> accepted;
    try {
        accepted = numeric::parseLength(text, separator);
    } catch (const numeric::NumericError &error) {
        fuzz::requireProperty(
            error.message() == refusalMessage(text), "the refusal message quotes the text exactly",
            "text " + fuzz::quoted(text) + ", message " + fuzz::quoted(error.message()));
    } catch (const std::invalid_argument &error) {
        fuzz::failProperty("a one-character separator is accepted",
                           "separator " + fuzz::quoted(separator) + ": " + error.what());
    }

    const std::optional<GrammaticalLength> grammatical = readLengthGrammar(text, separator);
    const std::string details = "text " + fuzz::quoted(text) + " with separator " +
                                fuzz::quoted(separator) + ": " +
                                (accepted ? "accepted as " + fuzz::bitsText(*accepted) : "refused");
    if (!grammatical) {
        fuzz::requireProperty(!accepted, "a text outside the grammar is refused", details);
        return 0;
    }

    const std::string oracleText = strtoldText(*grammatical);
    const fuzz::GlibcParse oracle = fuzz::glibcParse(oracleText);
    fuzz::requireProperty(oracle.consumedAll, "strtold reads the whole rewritten text",
                          details + ", strtold text " + fuzz::quoted(oracleText));
    if (oracle.overflow) {
        fuzz::requireProperty(!accepted, "a value beyond the 80-bit range is refused", details);
        return 0;
    }
    fuzz::requireProperty(accepted.has_value(), "a grammatical text inside the range is accepted",
                          details + ", strtold gives " + fuzz::bitsText(oracle.value));
    fuzz::requireProperty(fuzz::sameBits(*accepted, oracle.value),
                          "the value is the nearest 80-bit value (same bits as strtold)",
                          details + ", strtold gives " + fuzz::bitsText(oracle.value) + " for " +
                              fuzz::quoted(oracleText));

    checkReparses(text, *accepted, normalisedText(text, separator),
                  "the normalised text gives the same bits");
    checkReparses(text, *accepted, fuzz::glibcScientific(*accepted, 20),
                  "the 21-digit decimal of the value gives the same bits");
    return 0;
}
