#include "Extended.h"

#include <cstring>

namespace numeric {

// On x86 the 80 bits are the first ten bytes of the object, little-endian: eight bytes of
// significand, then two bytes holding the sign bit and the biased exponent.

ExtendedFields extendedFields(long double value)
{
    unsigned char bytes[sizeof(long double)];
    std::memcpy(bytes, &value, sizeof bytes);
    ExtendedFields fields;
    std::memcpy(&fields.significand, bytes, sizeof fields.significand);
    const auto signAndExponent = static_cast<std::uint16_t>(bytes[8] | (bytes[9] << 8));
    fields.negative = (signAndExponent & 0x8000U) != 0;
    fields.biasedExponent = static_cast<std::uint16_t>(signAndExponent & 0x7FFFU);
    return fields;
}

long double extendedFromFields(const ExtendedFields &fields)
{
    unsigned char bytes[sizeof(long double)] = {};
    std::memcpy(bytes, &fields.significand, sizeof fields.significand);
    const auto signAndExponent = static_cast<std::uint16_t>((fields.biasedExponent & 0x7FFFU) |
                                                            (fields.negative ? 0x8000U : 0U));
    bytes[8] = static_cast<unsigned char>(signAndExponent & 0xFFU);
    bytes[9] = static_cast<unsigned char>(signAndExponent >> 8);
    long double value;
    std::memcpy(&value, bytes, sizeof value);
    return value;
}

} // namespace numeric
