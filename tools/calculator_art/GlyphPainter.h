#pragma once

#include <QImage>

// The picture buttons' glyphs: keyed bitmaps on white, shown on a light grey button face.
class GlyphPainter
{
public:
    static constexpr QRgb ground = 0xFFFFFFFFu;     // white, left undrawn
    static constexpr QRgb buttonFace = 0xFFF0F0F0u; // 240, 240, 240

    // 34 x 34: a blue pocket calculator ("Calc." button). RGB32.
    static QImage calculator();

    // 32 x 32: a computer monitor with a globe in front of it (the maker's button). RGB32.
    static QImage web();
};
