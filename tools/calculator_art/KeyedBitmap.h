#pragma once

#include <QImage>

// Flattens a figure drawn with antialiasing on a transparent canvas into an opaque picture whose
// ground is exactly one key colour, the colour a picture box or button leaves undrawn.
//
// Soft edges are not blended towards the key (that would leave a fringe of near-key pixels once
// the key is removed) but towards the backdrop the picture will be shown on. Pixels the figure
// covers less than `minCoverage` become key; every other pixel is the figure composited over the
// backdrop, and is nudged by one step if it happens to equal the key.
class KeyedBitmap
{
public:
    // figure: the drawing on a transparent canvas (any format with alpha).
    // backdrop: an image of the same size with the colours behind the picture on screen.
    // key: the ground colour (alpha ignored). minCoverage: 0..1, the share of a pixel the figure
    // must cover to be kept. Returns an RGB32 image of the figure's size.
    static QImage flatten(const QImage &figure, const QImage &backdrop, QRgb key,
                          double minCoverage);

    // As above, with one plain backdrop colour (for example a button face).
    static QImage flatten(const QImage &figure, QRgb backdrop, QRgb key, double minCoverage);
};
