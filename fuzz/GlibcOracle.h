#pragma once

// glibc's own decimal conversions of long double, always in the "C" locale, as an independent
// reference for the exact conversions of the numeric core. glibc reads and prints decimals
// exactly (correctly rounded, ties to even in the default rounding mode).

#include <string>

namespace fuzz {

struct GlibcParse
{
    long double value = 0.0L;
    // strtold reported a value beyond the long double range (it then returns an infinity).
    bool overflow = false;
    // The whole text was read.
    bool consumedAll = false;
};

// strtold_l of `text` in the "C" locale.
GlibcParse glibcParse(const std::string &text);

// snprintf "%.*Le" of `value` in the "C" locale: `fractionDigits` + 1 significant digits, e.g.
// "1.23e+04".
std::string glibcScientific(long double value, int fractionDigits);

} // namespace fuzz
