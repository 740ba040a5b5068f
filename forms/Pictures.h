#pragma once

#include <QImage>
#include <QPixmap>
#include <QSize>
#include <QString>

namespace forms {

// A picture read from a file or a Qt resource, with the file's format.
struct LoadedPicture
{
    QImage image;
    // True for a Windows bitmap (.bmp), whose colours are exact; false for JPEG and others.
    bool isBitmap = false;
};

// What a picture file's header says, read without decoding its pixels.
struct PictureHeader
{
    QSize size; // pixels
    // True for a Windows bitmap (.bmp), whose colours are exact; false for JPEG and others.
    bool isBitmap = false;
    // True when the stored pixels carry an alpha channel (a JPEG never does).
    bool hasAlpha = false;
};

// Reads the picture at `path` (":/..." for a resource). Throws std::runtime_error naming the
// path and the reason when it cannot be read: a window whose picture is missing is not built.
LoadedPicture loadPicture(const QString &path);

// `picture` with every pixel of its ground colour, the colour of its bottom-left pixel, made
// fully transparent. Meant for bitmaps, whose ground colour is exact (a JPEG's is not, and
// keying it would leave a fringe). A null picture is returned unchanged.
QImage withGroundRemoved(const QImage &picture);

// What a control draws of a picture file: the file decoded at `size` pixels (its natural size or
// smaller, see Pictures::decoded), of which only the top-left `part` is kept, with its ground
// removed when `groundRemoved` is true (see withGroundRemoved; keying needs the whole picture at
// its natural size). A picture drawn unscaled in a box smaller than itself needs only the part
// the box shows, and a JPEG decoder stops below that part.
struct PictureRequest
{
    QString path;
    QSize size;
    QSize part;
    bool groundRemoved = false;

    bool operator==(const PictureRequest &) const = default;
};

// The pictures of the windows, decoded only when they are first drawn and shared between all
// that draw them. Decoded pictures are kept in QPixmapCache, keyed by path, pixel size and
// keying, and handed out as implicitly shared QPixmaps: a control that holds one keeps its
// pixels even if the cache later drops its entry, and two controls that ask for the same picture
// at the same size share one copy of the pixels.
class Pictures
{
public:
    // Throws std::runtime_error naming `path` when it names a file on disk that does not exist.
    // A resource (":/...") is built in and not looked up: looking one up reads the start of its
    // data, which pictures that are not shown yet should not cost.
    static void requireFile(const QString &path);

    // Reads only the header of the picture at `path`. Throws std::runtime_error naming the path
    // and the reason, as loadPicture does, when the file is missing or its format unknown.
    static PictureHeader readHeader(const QString &path);

    // The picture at `path` decoded at `size` pixels, with its ground removed when
    // `groundRemoved` is true (see withGroundRemoved). `size` is the natural size (from
    // readHeader) or a smaller one: a JPEG is scaled by its decoder while decoding (no full-size
    // copy is ever made), any other format is decoded whole and then scaled smoothly. Keying needs
    // the natural size. Returns a null pixmap when the picture cannot be decoded.
    static QPixmap decoded(const QString &path, QSize size, bool groundRemoved);
    // The part of the picture that `request` asks for, decoded and shared as above.
    static QPixmap decoded(const PictureRequest &request);

    // The part of the picture that `request` asks for, decoded now and neither cached nor shared;
    // null when the picture cannot be decoded. Unlike the rest of this class it may run on any
    // thread: a window decodes the pictures it is about to show on a worker thread (see Form).
    static QImage decodeImage(const PictureRequest &request);
    // The picture `request` asks for when it is already decoded and shared, otherwise null.
    static QPixmap cached(const PictureRequest &request);
    // Shares `image`, the result of decodeImage(request), as decoded(request) would have.
    static QPixmap share(const PictureRequest &request, QImage image);

    // The size a stretched picture of natural size `natural` is best decoded at to fill
    // `target` device pixels: `target` when it fits inside `natural` (the decoder scales down),
    // otherwise `natural` (the painter scales up).
    static QSize decodeSizeFor(QSize natural, QSize target);
};

} // namespace forms
