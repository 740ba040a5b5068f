#pragma once

#include <QImage>
#include <QString>

namespace portfolio_art {

// Writes `image` as a baseline (not progressive) colour JPEG of quality 90.
// Throws std::runtime_error when the file cannot be written.
void writeBaselineJpeg(const QImage &image, const QString &path);

// Writes `image` as an uncompressed 24-bit BMP (any alpha is dropped first) and reads the file
// header back to make sure it really holds 24 bits per pixel.
// Throws std::runtime_error when the file cannot be written or is not 24-bit.
void writeTrueColourBitmap(const QImage &image, const QString &path);

} // namespace portfolio_art
