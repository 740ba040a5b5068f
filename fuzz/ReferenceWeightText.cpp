#include "ReferenceWeightText.h"

#include "FuzzCheck.h"
#include "GlibcOracle.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace fuzz {

namespace {

constexpr std::size_t significantDigitCount = 18;
constexpr std::size_t minimumTextWidth = 4;
constexpr std::size_t scientificTextWidth = 10;

bool isScientific(long double weightKg)
{
    return std::fabs(weightKg) >= 0x1p120L;
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Adds one to a string of decimal digits, with carry; a carry out of the first digit adds "1".
void incrementDecimal(std::string &digits)
{
    for (std::size_t i = digits.size(); i-- > 0;) {
        if (digits[i] != '9') {
            ++digits[i];
            return;
        }
        digits[i] = '0';
    }
    digits.insert(0, 1, '1');
}

// "I.D": the 18-digit form written out in full, then rounded to one decimal half away from zero.
std::string fixedMagnitudeText(const GlibcEighteenDigits &form)
{
    if (form.digits.find_first_not_of('0') == std::string::npos)
        return "0.0";
    std::string integerDigits;
    std::string fractionDigits;
    if (form.exponent >= static_cast<int>(significantDigitCount) - 1) {
        integerDigits =
            form.digits +
            std::string(static_cast<std::size_t>(form.exponent) - (significantDigitCount - 1), '0');
    } else if (form.exponent >= 0) {
        const auto integerCount = static_cast<std::size_t>(form.exponent) + 1;
        integerDigits = form.digits.substr(0, integerCount);
        fractionDigits = form.digits.substr(integerCount);
    } else {
        integerDigits = "0";
        fractionDigits =
            std::string(static_cast<std::size_t>(-form.exponent - 1), '0') + form.digits;
    }
    fractionDigits.append(2, '0'); // the tenths and the hundredths always exist
    std::string tenths = integerDigits + fractionDigits[0];
    if (fractionDigits[1] >= '5')
        incrementDecimal(tenths);
    const std::size_t leadingZeros = std::min(tenths.find_first_not_of('0'), tenths.size() - 2);
    tenths.erase(0, leadingZeros);
    return tenths.substr(0, tenths.size() - 1) + "." + tenths.back();
}

// "d.dE+dddd": the first two digits, rounded half up on the third.
std::string scientificMagnitudeText(const GlibcEighteenDigits &form)
{
    std::string leadingPair = form.digits.substr(0, 2);
    int exponent = form.exponent;
    if (form.digits[2] >= '5')
        incrementDecimal(leadingPair);
    if (leadingPair.size() == 3) { // "99" became "100"
        leadingPair = "10";
        ++exponent;
    }
    char exponentText[16];
    std::snprintf(exponentText, sizeof exponentText, "E%c%04d", exponent < 0 ? '-' : '+',
                  std::abs(exponent));
    return leadingPair.substr(0, 1) + "." + leadingPair.substr(1, 1) + exponentText;
}

} // namespace

GlibcEighteenDigits glibcEighteenDigits(long double value)
{
    // "d.ddddddddddddddddde+x": one digit, the point, 17 digits, the exponent.
    const std::string printed = glibcScientific(std::fabs(value), significantDigitCount - 1);
    GlibcEighteenDigits form;
    form.digits = printed.substr(0, 1) + printed.substr(2, significantDigitCount - 1);
    form.exponent = std::stoi(printed.substr(printed.find('e') + 1));
    return form;
}

std::string referenceWeightText(long double weightKg)
{
    const GlibcEighteenDigits form = glibcEighteenDigits(weightKg);
    const bool negative = std::signbit(weightKg);
    if (isScientific(weightKg))
        return (negative ? "-" : " ") + scientificMagnitudeText(form);
    std::string text = (negative ? "-" : "") + fixedMagnitudeText(form);
    if (text.size() < minimumTextWidth)
        text.insert(0, minimumTextWidth - text.size(), ' ');
    return text;
}

void checkWeightTextLayout(const std::string &text, long double weightKg)
{
    const std::string details = "text " + quoted(text) + " for " + bitsText(weightKg);
    const bool negative = std::signbit(weightKg);
    requireProperty(text.size() >= minimumTextWidth, "at least 4 characters", details);

    if (isScientific(weightKg)) {
        requireProperty(text.size() == scientificTextWidth, "scientific form has 10 characters",
                        details);
        requireProperty(text[0] == (negative ? '-' : ' '), "scientific form starts with the sign",
                        details);
        const bool shape = isDigit(text[1]) && text[1] != '0' && text[2] == '.' &&
                           isDigit(text[3]) && text[4] == 'E' &&
                           (text[5] == '+' || text[5] == '-') &&
                           std::all_of(text.begin() + 6, text.end(), isDigit);
        requireProperty(shape, "scientific form is [ -]d.dE[+-]dddd", details);
        requireProperty(text[5] == '+', "a magnitude of 2^120 or more has a positive exponent",
                        details);
        return;
    }

    requireProperty(std::count(text.begin(), text.end(), '.') == 1, "exactly one point", details);
    const std::size_t point = text.find('.');
    requireProperty(point == text.size() - 2 && isDigit(text.back()),
                    "exactly one decimal after the point", details);
    const std::size_t firstNonSpace = text.find_first_not_of(' ');
    requireProperty(firstNonSpace == 0 || text.size() == minimumTextWidth,
                    "spaces only as padding to 4 characters", details);
    const std::size_t minusCount =
        static_cast<std::size_t>(std::count(text.begin(), text.end(), '-'));
    requireProperty(minusCount == (negative ? 1U : 0U), "a minus exactly when the sign bit is set",
                    details);
    const std::size_t integerStart = firstNonSpace + (negative ? 1 : 0);
    requireProperty(!negative || text[firstNonSpace] == '-', "the minus precedes the digits",
                    details);
    const std::string integerDigits = text.substr(integerStart, point - integerStart);
    requireProperty(!integerDigits.empty() &&
                        std::all_of(integerDigits.begin(), integerDigits.end(), isDigit),
                    "integer digits before the point", details);
    requireProperty(integerDigits.size() == 1 || integerDigits[0] != '0',
                    "no superfluous leading zero", details);
}

} // namespace fuzz
