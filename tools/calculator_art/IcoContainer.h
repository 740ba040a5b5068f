#pragma once

#include <QByteArray>
#include <QList>

// The bytes of a Windows icon file (ICONDIR, one directory entry per image, then the images)
// whose images are stored as PNG files, which the format allows for 32-bit images with alpha.
class IcoContainer
{
public:
    struct Image
    {
        int size;           // width and height in pixels, 1..256
        QByteArray pngFile; // the complete PNG file of that image
    };

    // Lays out the images in the given order. Throws std::invalid_argument when a size is out of
    // range or an image is empty.
    static QByteArray build(const QList<Image> &images);
};
