// computeWeight: mass per metre x length x quantity / 1000 in 80-bit arithmetic.

#include "Numeric.h"

#include <cmath>

namespace numeric {

namespace {

[[noreturn]] void refuseOverflow()
{
    throw NumericError("Floating point overflow");
}

// Millimetres per metre; exact in every floating-point format.
constexpr long double millimetresPerMetre = 1000.0L;

} // namespace

long double computeWeight(long double massPerMetre, long double lengthMm, std::int32_t quantity)
{
    // Each statement is one x87 operation rounded to 80 bits; the order is part of the result.
    long double product = massPerMetre * lengthMm;
    if (!std::isfinite(product))
        refuseOverflow();
    product = product * static_cast<long double>(quantity);
    if (!std::isfinite(product))
        refuseOverflow();
    return product / millimetresPerMetre;
}

std::string weightCaption(std::string_view resultText)
{
    std::string caption(resultText);
    caption.append(" kg");
    return caption;
}

} // namespace numeric
