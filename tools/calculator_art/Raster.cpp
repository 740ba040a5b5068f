#include "Raster.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace {

using Pixel = std::array<int, 4>;

// One box pass of width 2 * radius + 1 along a line of `count` pixels read with `stride`.
void boxPass(std::vector<Pixel> &pixels, int count, int stride, int lines, int lineStride,
             int radius)
{
    std::vector<Pixel> line(static_cast<size_t>(count));
    const int width = 2 * radius + 1;
    for (int lineIndex = 0; lineIndex < lines; ++lineIndex) {
        const int base = lineIndex * lineStride;
        for (int i = 0; i < count; ++i)
            line[static_cast<size_t>(i)] = pixels[static_cast<size_t>(base + i * stride)];
        auto at = [&](int i) -> const Pixel & {
            return line[static_cast<size_t>(std::clamp(i, 0, count - 1))];
        };
        Pixel sum{0, 0, 0, 0};
        for (int i = -radius; i <= radius; ++i)
            for (size_t c = 0; c < 4; ++c)
                sum[c] += at(i)[c];
        for (int i = 0; i < count; ++i) {
            Pixel &out = pixels[static_cast<size_t>(base + i * stride)];
            for (size_t c = 0; c < 4; ++c)
                out[c] = (sum[c] + width / 2) / width;
            for (size_t c = 0; c < 4; ++c)
                sum[c] += at(i + radius + 1)[c] - at(i - radius)[c];
        }
    }
}

} // namespace

QImage Raster::blurred(const QImage &image, int radius)
{
    QImage result = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    if (radius <= 0 || result.isNull())
        return result;
    const int width = result.width();
    const int height = result.height();
    std::vector<Pixel> pixels(static_cast<size_t>(width) * static_cast<size_t>(height));
    for (int y = 0; y < height; ++y) {
        const auto *row = reinterpret_cast<const QRgb *>(result.constScanLine(y));
        for (int x = 0; x < width; ++x) {
            const QRgb value = row[x];
            pixels[static_cast<size_t>(y * width + x)] = {qRed(value), qGreen(value), qBlue(value),
                                                          qAlpha(value)};
        }
    }
    for (int pass = 0; pass < 3; ++pass) {
        boxPass(pixels, width, 1, height, width, radius);
        boxPass(pixels, height, width, width, 1, radius);
    }
    for (int y = 0; y < height; ++y) {
        auto *row = reinterpret_cast<QRgb *>(result.scanLine(y));
        for (int x = 0; x < width; ++x) {
            const Pixel &p = pixels[static_cast<size_t>(y * width + x)];
            const int alpha = std::clamp(p[3], 0, 255);
            row[x] =
                qRgba(std::min(p[0], alpha), std::min(p[1], alpha), std::min(p[2], alpha), alpha);
        }
    }
    return result;
}

double Raster::grain(int x, int y, quint32 seed)
{
    quint32 h =
        seed ^ (static_cast<quint32>(x) * 0x9E3779B1u) ^ (static_cast<quint32>(y) * 0x85EBCA77u);
    h ^= h >> 15;
    h *= 0x2C1B3C6Du;
    h ^= h >> 12;
    h *= 0x297A2D39u;
    h ^= h >> 15;
    return static_cast<double>(h & 0xFFFFu) / 32767.5 - 1.0;
}

void Raster::addGrain(QImage &image, double amplitude, quint32 seed)
{
    for (int y = 0; y < image.height(); ++y) {
        auto *row = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const int delta = static_cast<int>(std::lround(grain(x, y, seed) * amplitude));
            const QRgb value = row[x];
            row[x] = qRgb(std::clamp(qRed(value) + delta, 0, 255),
                          std::clamp(qGreen(value) + delta, 0, 255),
                          std::clamp(qBlue(value) + delta, 0, 255));
        }
    }
}

QColor Raster::mix(const QColor &from, const QColor &to, double t)
{
    const double k = std::clamp(t, 0.0, 1.0);
    return QColor::fromRgbF(static_cast<float>(from.redF() + (to.redF() - from.redF()) * k),
                            static_cast<float>(from.greenF() + (to.greenF() - from.greenF()) * k),
                            static_cast<float>(from.blueF() + (to.blueF() - from.blueF()) * k),
                            static_cast<float>(from.alphaF() + (to.alphaF() - from.alphaF()) * k));
}
