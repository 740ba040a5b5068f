#include "forms/Pictures.h"

#include <QImageReader>

#include <stdexcept>

namespace forms {

LoadedPicture loadPicture(const QString &path)
{
    QImageReader reader(path);
    LoadedPicture picture;
    picture.isBitmap = reader.format() == "bmp";
    picture.image = reader.read();
    if (picture.image.isNull()) {
        const QString reason =
            QStringLiteral("Cannot read picture %1: %2").arg(path, reader.errorString());
        throw std::runtime_error(reason.toStdString());
    }
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

} // namespace forms
