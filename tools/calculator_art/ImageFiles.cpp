#include "ImageFiles.h"

#include <QBuffer>
#include <QFile>
#include <QImageWriter>

#include <stdexcept>

namespace {

[[noreturn]] void fail(const QString &path, const QString &reason)
{
    throw std::runtime_error(QStringLiteral("cannot write %1: %2").arg(path, reason).toStdString());
}

} // namespace

void ImageFiles::saveJpeg(const QImage &image, const QString &path, int quality)
{
    QImageWriter writer(path, "jpeg");
    writer.setQuality(quality);
    writer.setOptimizedWrite(false);
    writer.setProgressiveScanWrite(false);
    if (!writer.write(image.convertToFormat(QImage::Format_RGB32)))
        fail(path, writer.errorString());
}

void ImageFiles::saveBmp24(const QImage &image, const QString &path)
{
    QImageWriter writer(path, "bmp");
    if (!writer.write(image.convertToFormat(QImage::Format_RGB32)))
        fail(path, writer.errorString());
}

void ImageFiles::savePngWithAlpha(const QImage &image, const QString &path)
{
    saveBytes(pngBytes(image), path);
}

QByteArray ImageFiles::pngBytes(const QImage &image)
{
    if (!image.hasAlphaChannel())
        throw std::runtime_error("a PNG with alpha needs an image with an alpha channel");
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "png");
    if (!writer.write(image.convertToFormat(QImage::Format_ARGB32)))
        throw std::runtime_error(writer.errorString().toStdString());
    return bytes;
}

void ImageFiles::saveBytes(const QByteArray &bytes, const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        fail(path, file.errorString());
    if (file.write(bytes) != bytes.size())
        fail(path, file.errorString());
}
