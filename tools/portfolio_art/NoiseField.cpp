#include "NoiseField.h"

#include "SeededRandom.h"

#include <cmath>

namespace portfolio_art {

NoiseField::NoiseField(std::uint64_t seed, double cellSize)
    : values_(latticeSide * latticeSide), cellSize_(cellSize)
{
    SeededRandom random(seed);
    for (double &value : values_)
        value = random.unit();
}

double NoiseField::lattice(long column, long row) const
{
    const long wrappedColumn = ((column % latticeSide) + latticeSide) % latticeSide;
    const long wrappedRow = ((row % latticeSide) + latticeSide) % latticeSide;
    return values_[static_cast<std::size_t>(wrappedRow * latticeSide + wrappedColumn)];
}

double NoiseField::at(double x, double y) const
{
    const double u = x / cellSize_;
    const double v = y / cellSize_;
    const double column = std::floor(u);
    const double row = std::floor(v);
    const double fx = u - column;
    const double fy = v - row;
    // Smoothstep weights hide the lattice.
    const double sx = fx * fx * (3.0 - 2.0 * fx);
    const double sy = fy * fy * (3.0 - 2.0 * fy);
    const long c = static_cast<long>(column);
    const long r = static_cast<long>(row);
    const double top = lattice(c, r) + (lattice(c + 1, r) - lattice(c, r)) * sx;
    const double bottom = lattice(c, r + 1) + (lattice(c + 1, r + 1) - lattice(c, r + 1)) * sx;
    return top + (bottom - top) * sy;
}

double NoiseField::fractal(double x, double y, int octaves) const
{
    double sum = 0.0;
    double weight = 1.0;
    double totalWeight = 0.0;
    double scale = 1.0;
    for (int octave = 0; octave < octaves; ++octave) {
        // Offset each octave so the lattices do not line up.
        sum += weight * at(x * scale + 37.0 * octave, y * scale + 91.0 * octave);
        totalWeight += weight;
        weight *= 0.5;
        scale *= 2.0;
    }
    return sum / totalWeight;
}

} // namespace portfolio_art
