#pragma once

// Independent references for the numeric tests: glibc's own conversions, always in the "C"
// locale (QCoreApplication adopts the environment's locale, whose decimal point may differ),
// and exact decimal strings of values halfway between two neighbouring 80-bit numbers.

#include <locale.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <utility>

namespace glibc_reference {

inline locale_t cLocale()
{
    static const locale_t locale = newlocale(LC_ALL_MASK, "C", locale_t{});
    return locale;
}

// strtold of `text` in the C locale. `consumedAll` tells whether the whole text was read.
inline long double parse(const std::string &text, bool *consumedAll = nullptr)
{
    char *end = nullptr;
    const long double value = strtold_l(text.c_str(), &end, cLocale());
    if (consumedAll != nullptr)
        *consumedAll = end == text.c_str() + text.size();
    return value;
}

// snprintf in the C locale, `format` taking one long double and an optional precision first.
inline std::string print(const char *format, int precision, long double value)
{
    const locale_t previous = uselocale(cLocale());
    const int length = std::snprintf(nullptr, 0, format, precision, value);
    std::string text(static_cast<std::size_t>(length), '\0');
    std::snprintf(text.data(), text.size() + 1, format, precision, value);
    uselocale(previous);
    return text;
}

// The exact value of `value` in fixed notation with `fractionDigits` decimals (exact when the
// value has no more binary places than that).
inline std::string exactFixed(long double value, int fractionDigits)
{
    return print("%.*Lf", fractionDigits, value);
}

// Splits a fixed-notation decimal into its integer and fraction digits.
inline std::pair<std::string, std::string> splitFixed(const std::string &text)
{
    const std::size_t point = text.find('.');
    if (point == std::string::npos)
        return {text, std::string()};
    return {text.substr(0, point), text.substr(point + 1)};
}

inline std::string joinFixed(std::string integerDigits, const std::string &fractionDigits)
{
    const std::size_t firstNonZero = integerDigits.find_first_not_of('0');
    integerDigits = firstNonZero == std::string::npos ? "0" : integerDigits.substr(firstNonZero);
    return fractionDigits.empty() ? integerDigits : integerDigits + "." + fractionDigits;
}

// The exact sum of two non-negative fixed-notation decimals.
inline std::string sum(const std::string &left, const std::string &right)
{
    auto [leftInteger, leftFraction] = splitFixed(left);
    auto [rightInteger, rightFraction] = splitFixed(right);
    const std::size_t width = std::max(leftInteger.size(), rightInteger.size()) + 1;
    leftInteger.insert(0, width - leftInteger.size(), '0');
    rightInteger.insert(0, width - rightInteger.size(), '0');
    const std::size_t places = std::max(leftFraction.size(), rightFraction.size());
    leftFraction.append(places - leftFraction.size(), '0');
    rightFraction.append(places - rightFraction.size(), '0');
    const std::string a = leftInteger + leftFraction;
    const std::string b = rightInteger + rightFraction;
    std::string digits(a.size(), '0');
    int carry = 0;
    for (std::size_t i = a.size(); i-- > 0;) {
        const int digit = (a[i] - '0') + (b[i] - '0') + carry;
        digits[i] = static_cast<char>('0' + digit % 10);
        carry = digit / 10;
    }
    return joinFixed(digits.substr(0, width), digits.substr(width));
}

// Half of a non-negative fixed-notation decimal, exactly, with one more fraction digit.
inline std::string half(const std::string &value)
{
    auto [integerDigits, fractionDigits] = splitFixed(value);
    std::string halved;
    int remainder = 0;
    for (const char c : integerDigits + fractionDigits + "0") {
        const int current = remainder * 10 + (c - '0');
        halved.push_back(static_cast<char>('0' + current / 2));
        remainder = current % 2;
    }
    return joinFixed(halved.substr(0, integerDigits.size()), halved.substr(integerDigits.size()));
}

// The decimal without trailing fraction zeros (and without the point if nothing follows it).
inline std::string trimmed(std::string fixed)
{
    if (fixed.find('.') != std::string::npos) {
        fixed.erase(fixed.find_last_not_of('0') + 1);
        if (fixed.back() == '.')
            fixed.pop_back();
    }
    return fixed;
}

// The exact midpoint of two non-negative fixed-notation decimals.
inline std::string midpoint(const std::string &low, const std::string &high)
{
    return trimmed(half(sum(low, high)));
}

// The decimal one unit of its last digit lower (with borrow); it must not be zero.
inline std::string lastDigitLowered(std::string text)
{
    for (std::size_t i = text.size(); i-- > 0;) {
        if (text[i] == '.')
            continue;
        if (text[i] != '0') {
            --text[i];
            break;
        }
        text[i] = '9';
    }
    return text;
}

} // namespace glibc_reference
