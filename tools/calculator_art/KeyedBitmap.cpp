#include "KeyedBitmap.h"

#include <algorithm>
#include <cmath>

namespace {

// The same colour moved by one step in the channel with the most room, so it differs from `key`.
QRgb avoidingKey(QRgb colour, QRgb key)
{
    if ((colour & 0xFFFFFFu) != (key & 0xFFFFFFu))
        return colour;
    const int blue = qBlue(colour);
    return qRgb(qRed(colour), qGreen(colour), blue > 0 ? blue - 1 : blue + 1);
}

} // namespace

QImage KeyedBitmap::flatten(const QImage &figure, const QImage &backdrop, QRgb key,
                            double minCoverage)
{
    const QImage source = figure.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const QImage behind =
        backdrop.convertToFormat(QImage::Format_RGB32).copy(0, 0, source.width(), source.height());
    const int threshold = static_cast<int>(std::lround(std::clamp(minCoverage, 0.0, 1.0) * 255));
    QImage result(source.size(), QImage::Format_RGB32);
    for (int y = 0; y < source.height(); ++y) {
        const auto *in = reinterpret_cast<const QRgb *>(source.constScanLine(y));
        const auto *back = reinterpret_cast<const QRgb *>(behind.constScanLine(y));
        auto *out = reinterpret_cast<QRgb *>(result.scanLine(y));
        for (int x = 0; x < source.width(); ++x) {
            const int alpha = qAlpha(in[x]);
            if (alpha == 0 || alpha < threshold) {
                out[x] = qRgb(qRed(key), qGreen(key), qBlue(key));
                continue;
            }
            auto over = [alpha](int front, int rear) {
                return std::clamp(front + (rear * (255 - alpha) + 127) / 255, 0, 255);
            };
            const QRgb composed =
                qRgb(over(qRed(in[x]), qRed(back[x])), over(qGreen(in[x]), qGreen(back[x])),
                     over(qBlue(in[x]), qBlue(back[x])));
            out[x] = avoidingKey(composed, key);
        }
    }
    return result;
}

QImage KeyedBitmap::flatten(const QImage &figure, QRgb backdrop, QRgb key, double minCoverage)
{
    QImage plain(figure.size(), QImage::Format_RGB32);
    plain.fill(backdrop);
    return flatten(figure, plain, key, minCoverage);
}
