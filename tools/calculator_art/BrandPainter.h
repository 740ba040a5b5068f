#pragma once

#include <QImage>
#include <QString>

// The maker's marks in the window's top band: the logo and the company name as a picture.
// Both are keyed bitmaps shown on the window's face colour, which their soft edges blend towards.
class BrandPainter
{
public:
    static constexpr QRgb logoGround = 0xFFFFFFFFu;        // white
    static constexpr QRgb companyNameGround = 0xFF00FFFFu; // cyan 0, 255, 255
    static constexpr QRgb windowFace = 0xFFF0F0F0u;        // 240, 240, 240

    // "Sample Engineering Co.", a placeholder maker's name.
    static QString companyName();

    // 48 x 48: a "K" monogram inside a hollow-square tube section, dark blue on white. RGB32.
    static QImage logo();

    // 239 x 30: companyName() in bold black Persian lettering, right to left, on cyan. RGB32.
    // Throws std::runtime_error when no installed font can draw it.
    static QImage companyNamePicture();
};
