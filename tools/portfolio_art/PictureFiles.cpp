#include "PictureFiles.h"

#include <QFile>
#include <QImageWriter>

#include <stdexcept>

namespace portfolio_art {

namespace {

constexpr int jpegQuality = 90;
// BITMAPINFOHEADER: biBitCount is a 16-bit little-endian field at byte 28 of the file.
constexpr qsizetype bitmapBitCountOffset = 28;

void failWith(const QString &message)
{
    throw std::runtime_error(message.toStdString());
}

} // namespace

void writeBaselineJpeg(const QImage &image, const QString &path)
{
    QImageWriter writer(path, "jpeg");
    writer.setQuality(jpegQuality);
    writer.setProgressiveScanWrite(false);
    writer.setOptimizedWrite(false);
    if (!writer.write(image.convertToFormat(QImage::Format_RGB32)))
        failWith(QStringLiteral("cannot write %1: %2").arg(path, writer.errorString()));
}

void writeTrueColourBitmap(const QImage &image, const QString &path)
{
    QImageWriter writer(path, "bmp");
    if (!writer.write(image.convertToFormat(QImage::Format_RGB888)))
        failWith(QStringLiteral("cannot write %1: %2").arg(path, writer.errorString()));

    QFile written(path);
    if (!written.open(QIODevice::ReadOnly))
        failWith(QStringLiteral("cannot read back %1").arg(path));
    const QByteArray header = written.read(bitmapBitCountOffset + 2);
    if (header.size() < bitmapBitCountOffset + 2 || !header.startsWith("BM"))
        failWith(QStringLiteral("%1 is not a BMP file").arg(path));
    const int bitsPerPixel = static_cast<unsigned char>(header[bitmapBitCountOffset]) |
                             (static_cast<unsigned char>(header[bitmapBitCountOffset + 1]) << 8);
    if (bitsPerPixel != 24)
        failWith(QStringLiteral("%1 has %2 bits per pixel, not 24").arg(path).arg(bitsPerPixel));
}

} // namespace portfolio_art
