#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

// Writes the generated pictures in the exact file formats the program embeds.
// Every function throws std::runtime_error naming the file when it cannot be written.
class ImageFiles
{
public:
    // Baseline (not progressive), colour JPEG at the given quality (0..100).
    static void saveJpeg(const QImage &image, const QString &path, int quality);

    // Uncompressed 24-bit BMP; any alpha is dropped.
    static void saveBmp24(const QImage &image, const QString &path);

    // 32-bit RGBA PNG; the image must carry an alpha channel.
    static void savePngWithAlpha(const QImage &image, const QString &path);

    // The PNG file bytes of an image with alpha, as savePngWithAlpha writes them.
    static QByteArray pngBytes(const QImage &image);

    // Writes raw bytes to `path`, replacing the file.
    static void saveBytes(const QByteArray &bytes, const QString &path);
};
