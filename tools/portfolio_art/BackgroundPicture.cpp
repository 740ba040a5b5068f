#include "BackgroundPicture.h"

#include "NoiseField.h"
#include "SeededRandom.h"

#include <QColor>

#include <algorithm>
#include <array>
#include <cmath>

namespace portfolio_art {

namespace {

struct DiagonalBand
{
    double centre;   // position across the bands, in pixels
    double width;    // half width of the soft profile, in pixels
    double strength; // 0..1 share of the band highlight
};

int toChannel(double value)
{
    return std::clamp(static_cast<int>(std::lround(value)), 0, 255);
}

} // namespace

QImage drawBackgroundPicture(QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    const NoiseField clouds(0x7EA1, 120.0);
    const NoiseField mottle(0x7EA2, 14.0);
    const NoiseField streaks(0x7EA3, 6.0);
    SeededRandom grain(0x7EA4);

    // The bands run from the lower left to the upper right; `across` measures across them.
    const double bandAngle = 0.62; // radians from the vertical
    const double acrossX = std::cos(bandAngle);
    const double acrossY = std::sin(bandAngle);
    const std::array<DiagonalBand, 5> bands{{
        {150.0, 34.0, 0.55},
        {250.0, 16.0, 0.35},
        {420.0, 48.0, 0.60},
        {575.0, 22.0, 0.40},
        {720.0, 40.0, 0.50},
    }};

    const double centreX = size.width() * 0.45;
    const double centreY = size.height() * 0.40;
    const double reach = std::hypot(size.width(), size.height()) * 0.62;

    for (int y = 0; y < size.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < size.width(); ++x) {
            const double across = x * acrossX + y * acrossY;
            const double along = -x * acrossY + y * acrossX;
            // Slow waviness keeps the band edges from looking ruled.
            const double wave = (clouds.at(along * 0.6, 500.0) - 0.5) * 26.0;

            double band = 0.0;
            for (const DiagonalBand &diagonal : bands) {
                const double distance = (across + wave - diagonal.centre) / diagonal.width;
                band += diagonal.strength * std::exp(-distance * distance);
            }
            band = std::min(band, 1.0);
            // Inside a band, fine streaks along its direction give a brushed sheen.
            const double sheen = streaks.fractal(along * 0.08, across * 1.0, 3);

            const double cloud = clouds.fractal(x, y, 4);
            const double texture = mottle.fractal(x, y, 3);
            const double radial = std::hypot(x - centreX, y - centreY) / reach;
            const double vignette = 1.0 - 0.30 * radial * radial;

            const double shade = (0.78 + 0.42 * cloud + 0.16 * (texture - 0.5)) * vignette;
            double red = 12.0 * shade;
            double green = 56.0 * shade;
            double blue = 62.0 * shade;
            const double light = band * (0.75 + 0.5 * sheen);
            red += 20.0 * light;
            green += 40.0 * light;
            blue += 40.0 * light;

            const double noise = grain.jitter(3.0);
            line[x] =
                qRgb(toChannel(red + noise), toChannel(green + noise), toChannel(blue + noise));
        }
    }
    return image;
}

} // namespace portfolio_art
