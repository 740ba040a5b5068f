#pragma once

#include <cstdint>
#include <vector>

namespace portfolio_art {

// Smooth, repeatable 2D value noise for textures (paint, clouds, grain).
// Values lie in [0, 1]; one lattice cell spans `cellSize` pixels.
class NoiseField
{
public:
    NoiseField(std::uint64_t seed, double cellSize);

    // Smoothly interpolated noise at pixel position (x, y), in [0, 1].
    double at(double x, double y) const;
    // Sum of `octaves` layers, each at half the cell size and half the weight of the previous,
    // normalised back to [0, 1].
    double fractal(double x, double y, int octaves) const;

private:
    double lattice(long column, long row) const;

    static constexpr int latticeSide = 256;
    std::vector<double> values_;
    double cellSize_;
};

} // namespace portfolio_art
