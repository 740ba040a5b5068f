#pragma once

#include <QImage>

#include <cstdint>

namespace portfolio_art {

// Gives a rendered picture the look of a photograph: a gentle vignette, a slight warm tone curve
// and fine film grain from the seeded random source. Returns a new picture of the same size.
QImage finishLikePhotograph(const QImage &rendered, std::uint64_t grainSeed,
                            double grainStrength = 4.0);

} // namespace portfolio_art
