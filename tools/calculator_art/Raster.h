#pragma once

#include <QColor>
#include <QImage>

// Pixel-level helpers shared by the painters: soft blur, seeded grain and colour mixing.
// Everything here is deterministic: the same input always gives the same pixels.
class Raster
{
public:
    // Returns `image` blurred by three box passes (close to a Gaussian of sigma ~ radius / 1.7).
    // image: any format; the result is ARGB32 premultiplied of the same size. radius: pixels, >= 0;
    // 0 returns a plain copy. Pixels beyond the edges count as the nearest edge pixel.
    static QImage blurred(const QImage &image, int radius);

    // Grain value in [-1, 1] for pixel (x, y); a hash of the position and the seed, no state.
    static double grain(int x, int y, quint32 seed);

    // Adds grain of `amplitude` colour steps (0..255 scale) to every pixel of an opaque RGB32
    // image, the same amount to the three channels so the hue does not shift.
    static void addGrain(QImage &image, double amplitude, quint32 seed);

    // Linear mix of two colours: t = 0 gives `from`, t = 1 gives `to`; t is clamped to [0, 1].
    static QColor mix(const QColor &from, const QColor &to, double t);
};
