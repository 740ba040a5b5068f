#pragma once

// The exact numeric core of the weight calculator. Plain C++, no Qt, independent of the process
// locale. Start reading here.
//
// One calculation runs through four steps:
//   1. parseLength turns the typed length text (millimetres) into an 80-bit value, correctly
//      rounded from the exact decimal the text spells;
//   2. parseQuantity turns the typed quantity text (pieces) into a 32-bit signed integer;
//   3. computeWeight multiplies mass per metre x length x quantity and divides by 1000, each step
//      rounded to 80 bits, giving kilograms;
//   4. formatWeight writes the weight with one decimal (or in scientific form when huge).
// Refused texts and an overflowing product throw NumericError with the message to show.
// All arithmetic is in `long double`, the x87 80-bit format (see Extended.h); the exact decimal
// work is done with BigUnsigned, never with the C library's conversions.

#include "Extended.h"
#include "NumericError.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace numeric {

// Converts a length text to its value in millimetres.
//
// `text` is UTF-8 (any bytes, NUL included). `decimalSeparator` is the UTF-8 encoding of exactly
// one character, usually the first character of the user's decimal symbol; no other character is
// accepted in its place. The length text grammar, in order:
//   - any number of spaces (U+0020 only);
//   - an optional "+" or "-";
//   - ASCII digits, the separator, ASCII digits: each optional, but at least one digit or the
//     separator must be there ("." is 0, "5." and ".5" are valid);
//   - optionally "E" or "e", an optional "+" or "-" and digits; no digits means exponent 0.
//     Exponent digits are read only while the exponent read so far is below 500: a further digit
//     once it has reached 500 makes the text invalid ("1E4999" is grammatical, "1E5000" is not);
//   - any number of spaces, and nothing else.
// The result is the nearest 80-bit value (ties to even) of the exact decimal, for any number of
// digits; "-" negates, so "-0" gives -0.0. Values too small become subnormal or zero.
//
// Throws NumericError("'TEXT' is not a valid floating point value"), TEXT being `text` as given,
// when the text does not follow the grammar or its value rounds beyond the 80-bit range.
// Throws std::invalid_argument when `decimalSeparator` is not exactly one UTF-8 character.
// Time is bounded for any text: digits beyond those that can decide the rounding are only scanned.
long double parseLength(std::string_view text, std::string_view decimalSeparator);

// Converts a quantity text to a number of pieces.
//
// The quantity text grammar: any number of leading spaces, then either
//   - an optional "+" or "-" and one or more ASCII digits, the value lying in
//     [-2147483648, 2147483647] (leading zeros allowed, "-0" is 0), or
//   - "$", "x", "X", "0x" or "0X" (no sign before it) and one or more hexadecimal digits, at most
//     eight of them significant (leading zeros do not count); 80000000 to FFFFFFFF wrap to
//     negative in two's complement, so "$FFFFFFFF" is -1;
// and nothing after the number (a trailing space is refused, so is the empty text).
//
// Throws NumericError("'TEXT' is not a valid integer value") for any other text.
std::int32_t parseQuantity(std::string_view text);

// The weight in kilograms of `quantity` pieces, each `lengthMm` millimetres long, of a section
// weighing `massPerMetre` kg/m. Computed as p = massPerMetre x lengthMm, p = p x quantity
// (converted exactly), w = p / 1000, each step rounded to nearest 80-bit value. No range checks:
// zero and negative inputs are used as they are (0 x -1 gives -0.0).
//
// Throws NumericError("Floating point overflow") when either product is not finite.
long double computeWeight(long double massPerMetre, long double lengthMm, std::int32_t quantity);

// The first eighteen significant decimal digits of a finite magnitude.
struct EighteenDigits
{
    // Either 0 (for a zero magnitude) or in [10^17, 10^18).
    std::uint64_t digits = 0;
    // The magnitude is about digits x 10^(decimalExponent - 17); 0 for zero.
    int decimalExponent = 0;
};

// The magnitude of `value` written with 18 significant digits, correctly rounded (ties to even)
// from its exact binary value. The sign is ignored. Accepts every finite value, subnormals and
// zeros included. Throws std::invalid_argument for infinities and NaNs.
EighteenDigits eighteenSignificantDigits(long double value);

// The result text of a weight in kilograms: fixed notation with one decimal and a minimum width
// of 4 characters, such as " 4.4", "20.5", "-0.0", "12000.0".
//   - The magnitude is first written with 18 significant digits (eighteenSignificantDigits);
//     from 10^17 on, the integer digits beyond the 18th are zeros.
//   - That 18-digit form is rounded to one decimal, half away from zero, with carry ("99.98"
//     becomes "100.0").
//   - The text is left-padded with spaces to 4 characters, then "-" exactly when the sign bit
//     is set (so -0.0 gives "-0.0"), the integer digits, "." and the decimal. The point is
//     always "." and there are no thousands separators.
//   - Magnitudes of 2^120 and above are written in a ten-character scientific form instead: " "
//     or "-", the first digit, ".", the second digit rounded half up on the third, "E", the
//     exponent sign and four exponent digits, e.g. " 3.4E+0037".
// Throws std::invalid_argument for infinities and NaNs (computeWeight never returns them).
std::string formatWeight(long double weightKg);

// The caption of the result label: the result text followed by " kg".
std::string weightCaption(std::string_view resultText);

} // namespace numeric
