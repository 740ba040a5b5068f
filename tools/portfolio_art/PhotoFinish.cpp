#include "PhotoFinish.h"

#include "SeededRandom.h"

#include <algorithm>
#include <cmath>

namespace portfolio_art {

QImage finishLikePhotograph(const QImage &rendered, std::uint64_t grainSeed, double grainStrength)
{
    QImage picture = rendered.convertToFormat(QImage::Format_RGB32);
    SeededRandom grain(grainSeed);
    const double centreX = picture.width() / 2.0;
    const double centreY = picture.height() / 2.0;
    const double reach = std::hypot(centreX, centreY);
    for (int y = 0; y < picture.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(picture.scanLine(y));
        for (int x = 0; x < picture.width(); ++x) {
            const double distance = std::hypot(x - centreX, y - centreY) / reach;
            const double vignette = 1.0 - 0.22 * distance * distance;
            const double noise = grain.jitter(grainStrength);
            const auto channel = [&](int value, double warmth) {
                const double v = value * vignette * warmth + noise;
                return std::clamp(static_cast<int>(std::lround(v)), 0, 255);
            };
            line[x] = qRgb(channel(qRed(line[x]), 1.02), channel(qGreen(line[x]), 1.0),
                           channel(qBlue(line[x]), 0.97));
        }
    }
    return picture;
}

} // namespace portfolio_art
