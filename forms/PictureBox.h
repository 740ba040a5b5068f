#pragma once

#include "forms/Pictures.h"

#include <QImage>
#include <QPixmap>
#include <QWidget>

#include <future>
#include <optional>

namespace forms {

// A picture box, a non-windowed control (see Form): shows one picture and reports clicks.
//
// - stretch on: the picture is scaled (smoothly) to fill the box; off: drawn at its natural size
//   from the box's top-left corner and clipped to the box.
// - autoSize on: the box takes the picture's size, keeping its top-left corner.
// - transparent on: for a bitmap picture, every pixel of its ground colour (the colour of its
//   bottom-left pixel) is left undrawn, so whatever lies beneath shows through. JPEG pictures are
//   always drawn whole: their colours are not exact.
// - alignClient on: the box fills its parent's client area and follows the parent's resizes.
// The box itself never paints a background, takes no focus and emits clicked() when the left
// mouse button is pressed and released on it.
//
// A picture file is decoded only when the box is first drawn, at the size it is drawn at (a
// stretched JPEG is scaled by its decoder), and shared with every box that draws the same file
// at the same size (see Pictures); setting the file does not even read its header (see
// setPictureFile). A picture drawn unscaled in a smaller box is first decoded only as far as the
// box shows it; should the box grow, the whole picture is decoded. A box whose picture covers it
// with opaque pixels tells Qt so (Qt::WA_OpaquePaintEvent), so whatever lies wholly beneath it is
// neither drawn nor, for another picture box, decoded. A window about to be shown has the
// pictures it will draw decoded on a worker thread meanwhile (see Form and expectDecoding).
class PictureBox : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(QString pictureFile READ pictureFile WRITE setPictureFile)
    Q_PROPERTY(bool stretch READ stretch WRITE setStretch)
    Q_PROPERTY(bool autoSize READ autoSize WRITE setAutoSize)
    Q_PROPERTY(bool transparent READ transparent WRITE setTransparent)
    Q_PROPERTY(bool alignClient READ alignClient WRITE setAlignClient)

public:
    explicit PictureBox(QWidget *parent = nullptr);

    QString pictureFile() const { return m_pictureFile; }
    // Takes the picture from a file or resource path. Throws std::runtime_error naming the path
    // when the file does not exist. Its header is read when the box is polished (before it is
    // first shown or rendered) or when its size is needed sooner (autoSize, pictureSize), so a
    // hidden window's pictures are not even looked at; a file that turns out not to be a readable
    // picture shows nothing.
    void setPictureFile(const QString &path);
    // Shows `picture`; `isBitmap` says whether its colours are exact (see transparent).
    void setPicture(const QImage &picture, bool isBitmap);
    // The picture at its natural size; a picture file is decoded now if it was not yet. Null
    // when there is none.
    QImage picture() const;
    // The picture's natural size in pixels (invalid when there is none). Decodes nothing.
    QSize pictureSize() const { return header().size; }

    bool stretch() const { return m_stretch; }
    void setStretch(bool on);
    bool autoSize() const { return m_autoSize; }
    void setAutoSize(bool on);
    bool transparent() const { return m_transparent; }
    void setTransparent(bool on);
    bool alignClient() const { return m_alignClient; }
    void setAlignClient(bool on);

    // What the box's next painting needs decoded from its picture file, or nothing when it needs
    // no decoding (no file, or the picture is decoded and shared already).
    std::optional<PictureRequest> pendingRequest() const;
    // `decoding` will deliver Pictures::decodeImage(request): the box takes the picture from it
    // when it paints `request`, instead of decoding it again, and ignores it otherwise.
    void expectDecoding(const PictureRequest &request, std::future<QImage> decoding);

signals:
    void clicked();

protected:
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    // True when bitmap keying applies (transparent on and a bitmap picture).
    bool groundRemoved() const { return m_transparent && header().isBitmap; }
    // The picture's header, read now if it was not yet.
    const PictureHeader &header() const;
    // After a change of picture or of how it is drawn: forget the drawn pixmap, resize for
    // autoSize, update the opaque hint and schedule a repaint.
    void pictureChanged();
    void updateOpaqueHint();
    // The picture file's whole picture at the size the box draws it at (see PictureRequest).
    PictureRequest wholeRequest() const;
    // The top-left part of `whole` that the box shows: all of it, except for an unscaled picture
    // larger than the box.
    QSize shownPart(const PictureRequest &whole) const;
    // True when the pixmap drawn last is (a part of) the picture `whole` asks for.
    bool drawnAtSizeOf(const PictureRequest &whole) const;
    // True when the pixmap drawn last holds all that the box shows of its picture file now.
    bool drawnHoldsShownPart() const;
    // What to decode for the box's next painting: only the part it shows when it has not drawn
    // the picture at this size before, otherwise (it grew) the whole picture.
    PictureRequest drawingRequest() const;
    // The pixmap to draw now, decoded (or taken from the cache) at the size it is drawn at.
    QPixmap pixmapToDraw();
    // The picture the expected decoding delivered for `request`; null when there was none for it.
    QImage takeExpectedDecoding(const PictureRequest &request);
    void followParent();

    QString m_pictureFile; // empty for a picture given with setPicture
    QImage m_picture;      // the picture given with setPicture
    mutable PictureHeader m_header;
    mutable bool m_headerPending = false; // a picture file whose header is not read yet
    QPixmap m_drawn;                      // what the box drew last; shared with the picture cache
    PictureRequest m_drawnRequest;        // what m_drawn holds of the picture file
    PictureRequest m_expectedRequest;
    std::future<QImage> m_expectedDecoding;
    bool m_stretch = false;
    bool m_autoSize = false;
    bool m_transparent = false;
    bool m_alignClient = false;
    bool m_pressed = false;
};

} // namespace forms
