#include "forms/Pictures.h"

#include <QFileInfo>
#include <QImageReader>
#include <QPixmapCache>

#include <stdexcept>

namespace forms {

namespace {

[[noreturn]] void throwUnreadable(const QString &path, const QImageReader &reader)
{
    const QString reason =
        QStringLiteral("Cannot read picture %1: %2").arg(path, reader.errorString());
    throw std::runtime_error(reason.toStdString());
}

// Points `reader` at `path`. For the formats the windows use, the format comes from the file's
// suffix and the reader is told not to detect it: detecting makes Qt load every image plugin
// to ask which can read the file (for a bitmap too), which cost start-up more than reading the
// picture. Any other file is detected from its contents.
void openPicture(QImageReader &reader, const QString &path)
{
    reader.setFileName(path);
    const QString suffix = QFileInfo(path).suffix().toLower();
    QByteArray format;
    if (suffix == u"bmp")
        format = "bmp";
    else if (suffix == u"jpg" || suffix == u"jpeg")
        format = "jpeg";
    else if (suffix == u"png")
        format = "png";
    if (!format.isEmpty() && QFileInfo::exists(path)) { // else Qt reports the missing file
        reader.setFormat(format);
        reader.setAutoDetectImageFormat(false);
    }
}

QString cacheKey(const PictureRequest &request)
{
    return QStringLiteral("forms:%1|%2x%3|%4x%5|%6")
        .arg(request.path)
        .arg(request.size.width())
        .arg(request.size.height())
        .arg(request.part.width())
        .arg(request.part.height())
        .arg(request.groundRemoved ? QLatin1Char('k') : QLatin1Char('w'));
}

} // namespace

LoadedPicture loadPicture(const QString &path)
{
    QImageReader reader;
    openPicture(reader, path);
    LoadedPicture picture;
    picture.isBitmap = reader.format() == "bmp";
    picture.image = reader.read();
    if (picture.image.isNull())
        throwUnreadable(path, reader);
    return picture;
}

QImage withGroundRemoved(const QImage &picture)
{
    if (picture.isNull())
        return picture;
    QImage keyed = picture.convertToFormat(QImage::Format_ARGB32);
    const QRgb ground = keyed.pixel(0, keyed.height() - 1) | 0xFF000000u;
    for (int y = 0; y < keyed.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(keyed.scanLine(y));
        for (int x = 0; x < keyed.width(); ++x) {
            if ((line[x] | 0xFF000000u) == ground)
                line[x] = 0;
        }
    }
    return keyed;
}

void Pictures::requireFile(const QString &path)
{
    if (!path.startsWith(u':') && !QFileInfo::exists(path))
        throw std::runtime_error(
            QStringLiteral("Cannot read picture %1: File not found").arg(path).toStdString());
}

PictureHeader Pictures::readHeader(const QString &path)
{
    QImageReader reader;
    openPicture(reader, path);
    PictureHeader header;
    header.isBitmap = reader.format() == "bmp";
    header.size = reader.size();
    if (!reader.canRead() || !header.size.isValid())
        throwUnreadable(path, reader);
    const QImage::Format format = reader.imageFormat();
    header.hasAlpha = format != QImage::Format_Invalid &&
                      QImage::toPixelFormat(format).alphaUsage() == QPixelFormat::UsesAlpha;
    return header;
}

QPixmap Pictures::decoded(const QString &path, QSize size, bool groundRemoved)
{
    return decoded(PictureRequest{path, size, size, groundRemoved});
}

QPixmap Pictures::decoded(const PictureRequest &request)
{
    const QPixmap shared = cached(request);
    if (!shared.isNull())
        return shared;
    return share(request, decodeImage(request));
}

QImage Pictures::decodeImage(const PictureRequest &request)
{
    QImageReader reader;
    openPicture(reader, request.path);
    const bool scaled = request.size != reader.size();
    if (scaled)
        reader.setScaledSize(request.size); // the JPEG decoder scales while decoding
    if (request.part != request.size) {
        const QRect part(QPoint(0, 0), request.part);
        if (scaled)
            reader.setScaledClipRect(part);
        else
            reader.setClipRect(part); // the JPEG decoder stops below it
    }
    QImage image = reader.read();
    if (!image.isNull() && request.groundRemoved)
        image = withGroundRemoved(image);
    return image;
}

QPixmap Pictures::cached(const PictureRequest &request)
{
    QPixmap pixmap;
    QPixmapCache::find(cacheKey(request), &pixmap);
    return pixmap;
}

QPixmap Pictures::share(const PictureRequest &request, QImage image)
{
    if (image.isNull())
        return {};
    QPixmap pixmap = QPixmap::fromImage(std::move(image));
    QPixmapCache::insert(cacheKey(request), pixmap);
    return pixmap;
}

QSize Pictures::decodeSizeFor(QSize natural, QSize target)
{
    if (target.isEmpty() || target.width() > natural.width() || target.height() > natural.height())
        return natural;
    return target;
}

} // namespace forms
