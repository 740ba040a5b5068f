#pragma once

#include <cstdint>
#include <string>

// The calculation state of the calculator window: what the user has committed and what the
// last calculation produced. All values are 80-bit extended precision (`long double`) where the
// calculation is done in floating point.
class CalculationState
{
public:
    // kg/m. Zero at start; written only by the family load and the size drop-down's change.
    long double massPerMetre = 0.0L;
    // mm. The value of the last length text that converted, or the value the window set.
    long double lengthMm = 0.0L;
    // Pieces. The value of the last quantity text that converted, or the value the window set.
    std::int32_t quantity = 0;
    // kg. The last calculated weight; zero before the first calculation.
    long double resultWeightKg = 0.0L;
    // The last calculated weight formatted with one decimal, without the unit; empty before the
    // first calculation.
    std::string resultText;

    // Computes massPerMetre x lengthMm x quantity / 1000 in 80-bit arithmetic and stores it as
    // resultWeightKg, then formats it into resultText. Throws numeric::NumericError("Floating
    // point overflow") when a product overflows; both results then keep their previous values.
    void calculate();
};
