#pragma once

// How a fuzz target reports a broken property: it prints what was expected, what happened and
// the input (non-printable bytes escaped), then aborts, so that libFuzzer stores the input as a
// crash artifact.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace fuzz {

// Prints "property failed: <property>" with the details and aborts. Never returns.
[[noreturn]] void failProperty(std::string_view property, std::string_view details);

// Calls failProperty when `holds` is false.
inline void requireProperty(bool holds, std::string_view property, std::string_view details = {})
{
    if (!holds)
        failProperty(property, details);
}

// `bytes` between double quotes, with backslash, quote and every byte outside printable ASCII
// written as \xHH, so that NULs and invalid UTF-8 are visible in a report.
std::string quoted(std::string_view bytes);

// The 80 bits of `value` as "sign:exponent:significand" in hexadecimal, e.g.
// "+:3fff:8000000000000000".
std::string bitsText(long double value);

// Whether two values have the same 80 bits (so -0.0 differs from +0.0).
bool sameBits(long double left, long double right);

// The input as a string of bytes.
inline std::string_view inputText(const std::uint8_t *data, std::size_t size)
{
    return {reinterpret_cast<const char *>(data), size};
}

} // namespace fuzz
