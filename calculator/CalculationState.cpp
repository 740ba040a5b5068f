#include "CalculationState.h"

#include "Numeric.h"

void CalculationState::calculate()
{
    resultWeightKg = numeric::computeWeight(massPerMetre, lengthMm, quantity);
    resultText = numeric::formatWeight(resultWeightKg);
}
