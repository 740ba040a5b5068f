#pragma once

#include <QImage>
#include <QString>

namespace forms {

// A picture read from a file or a Qt resource, with the file's format.
struct LoadedPicture
{
    QImage image;
    // True for a Windows bitmap (.bmp), whose colours are exact; false for JPEG and others.
    bool isBitmap = false;
};

// Reads the picture at `path` (":/..." for a resource). Throws std::runtime_error naming the
// path and the reason when it cannot be read: a window whose picture is missing is not built.
LoadedPicture loadPicture(const QString &path);

// `picture` with every pixel of its ground colour, the colour of its bottom-left pixel, made
// fully transparent. Meant for bitmaps, whose ground colour is exact (a JPEG's is not, and
// keying it would leave a fringe). A null picture is returned unchanged.
QImage withGroundRemoved(const QImage &picture);

} // namespace forms
