#include "IcoContainer.h"

#include <QDataStream>
#include <QIODevice>

#include <stdexcept>

QByteArray IcoContainer::build(const QList<Image> &images)
{
    constexpr int directorySize = 6;
    constexpr int entrySize = 16;
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out << quint16(0) << quint16(1) << quint16(images.size()); // reserved, type icon, count
    qint64 offset = directorySize + entrySize * images.size();
    for (const Image &image : images) {
        if (image.size < 1 || image.size > 256 || image.pngFile.isEmpty())
            throw std::invalid_argument("icon image out of range");
        const auto sizeByte = static_cast<quint8>(image.size == 256 ? 0 : image.size);
        out << sizeByte << sizeByte << quint8(0) << quint8(0); // width, height, no palette
        out << quint16(1) << quint16(32);                      // planes, bits per pixel
        out << quint32(image.pngFile.size()) << quint32(offset);
        offset += image.pngFile.size();
    }
    for (const Image &image : images)
        out.writeRawData(image.pngFile.constData(), static_cast<int>(image.pngFile.size()));
    return bytes;
}
