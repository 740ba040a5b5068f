#pragma once

#include "SectionFamily.h"

#include <QImage>
#include <QPoint>
#include <QSize>

// The clickable shape pictures above the family drawings: a white double-line outline of the
// section with black edges, on a ground of one exact colour that the window leaves undrawn.
// Soft edges are blended towards the part of the background picture they are shown on.
class ShapePicturePainter
{
public:
    // Ground (transparent key) colours, one per family.
    static constexpr QRgb squareGround = 0xFF000060u;      // dark navy 0, 0, 96
    static constexpr QRgb rectangularGround = 0xFF804000u; // brown 128, 64, 0
    static constexpr QRgb roundGround = 0xFFFF0000u;       // red 255, 0, 0

    static QSize sizeOf(SectionFamily family);
    static QRgb groundOf(SectionFamily family);

    // Top-left corner of the picture on the background picture (the panel's coordinates).
    static QPoint placeOnBackground(SectionFamily family);

    // The picture, RGB32 of sizeOf(family). background: the panel's background picture, used
    // for the colours behind the soft edges.
    static QImage paint(SectionFamily family, const QImage &background);
};
