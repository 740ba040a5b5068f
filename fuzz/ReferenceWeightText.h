#pragma once

// An independent reference for the weight text: the same layout rules as formatWeight, built
// from glibc's 18 significant digits with plain decimal string arithmetic, and a check of the
// text's shape that does not depend on the value's digits at all.

#include <string>

namespace fuzz {

// The 18 significant digits of a finite magnitude as glibc prints them ("%.17Le"): `digits` has
// 18 characters ("000000000000000000" for zero) and the magnitude is d.ddd... x 10^exponent.
struct GlibcEighteenDigits
{
    std::string digits;
    int exponent = 0;
};

GlibcEighteenDigits glibcEighteenDigits(long double value);

// The result text of a finite weight: the 18-digit form rounded to one decimal half away from
// zero, left-padded to 4 characters, "-" when the sign bit is set; from 2^120 on, the
// ten-character scientific form " d.dE+dddd".
std::string referenceWeightText(long double weightKg);

// Checks the layout of a result text for `weightKg` (finite), independent of its digits:
//   - at least 4 characters; "-" present exactly when the sign bit is set;
//   - below 2^120: spaces only as padding up to 4 characters, optional "-", integer digits
//     without a superfluous leading zero, exactly one ".", exactly one decimal after it;
//   - from 2^120 on: exactly 10 characters, "[ -]d.dE[+-]dddd" with a non-zero first digit.
// Fails the fuzz property (aborting) on the first rule broken.
void checkWeightTextLayout(const std::string &text, long double weightKg);

} // namespace fuzz
