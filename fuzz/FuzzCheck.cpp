#include "FuzzCheck.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace fuzz {

void failProperty(std::string_view property, std::string_view details)
{
    std::fprintf(stderr, "\nproperty failed: %.*s\n%.*s\n", static_cast<int>(property.size()),
                 property.data(), static_cast<int>(details.size()), details.data());
    std::fflush(stderr);
    std::abort();
}

std::string quoted(std::string_view bytes)
{
    static constexpr char hexDigits[] = "0123456789abcdef";
    std::string text = "\"";
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x20 && byte < 0x7F && c != '\\' && c != '"') {
            text.push_back(c);
        } else {
            text += "\\x";
            text.push_back(hexDigits[byte >> 4]);
            text.push_back(hexDigits[byte & 0x0F]);
        }
    }
    text.push_back('"');
    return text;
}

std::string bitsText(long double value)
{
    unsigned char bytes[10];
    std::memcpy(bytes, &value, sizeof bytes);
    std::uint64_t significand = 0;
    std::memcpy(&significand, bytes, sizeof significand);
    const unsigned signAndExponent = bytes[8] | (static_cast<unsigned>(bytes[9]) << 8);
    char text[48];
    std::snprintf(text, sizeof text, "%c:%04x:%016llx", (signAndExponent & 0x8000U) ? '-' : '+',
                  signAndExponent & 0x7FFFU, static_cast<unsigned long long>(significand));
    return text;
}

bool sameBits(long double left, long double right)
{
    // Only the first ten bytes hold the value; the rest of the object is padding.
    return std::memcmp(&left, &right, 10) == 0;
}

} // namespace fuzz
