#include "KeyedComposite.h"

#include <cstdlib>

namespace portfolio_art {

namespace {

// Coverage (0..255) below which a pixel counts as ground: such a faint trace would only show as
// a dot of the blended backdrop colour.
constexpr int traceCoverage = 10;

QRgb nudgedAwayFrom(QRgb colour, QRgb key)
{
    if ((colour & 0xFFFFFFu) != (key & 0xFFFFFFu))
        return colour;
    const int red = qRed(colour);
    return qRgb(red > 127 ? red - 1 : red + 1, qGreen(colour), qBlue(colour));
}

} // namespace

QImage flattenOntoKey(const QImage &figure, const QImage &backdrop, QRgb key)
{
    const QImage source = figure.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const QImage ground = backdrop.convertToFormat(QImage::Format_RGB32);
    QImage result(source.size(), QImage::Format_RGB32);
    for (int y = 0; y < source.height(); ++y) {
        const auto *figureLine = reinterpret_cast<const QRgb *>(source.constScanLine(y));
        const auto *groundLine = reinterpret_cast<const QRgb *>(ground.constScanLine(y));
        auto *resultLine = reinterpret_cast<QRgb *>(result.scanLine(y));
        for (int x = 0; x < source.width(); ++x) {
            const QRgb over = figureLine[x];
            const int coverage = qAlpha(over);
            if (coverage < traceCoverage) {
                resultLine[x] = key | 0xFF000000u;
                continue;
            }
            const QRgb under = groundLine[x];
            const int rest = 255 - coverage;
            const QRgb blended = qRgb(qRed(over) + (qRed(under) * rest + 127) / 255,
                                      qGreen(over) + (qGreen(under) * rest + 127) / 255,
                                      qBlue(over) + (qBlue(under) * rest + 127) / 255);
            resultLine[x] = nudgedAwayFrom(blended, key);
        }
    }
    return result;
}

} // namespace portfolio_art
