#pragma once

#include <QImage>
#include <QPixmap>
#include <QWidget>

namespace forms {

// A picture box, a non-windowed control (see Form): shows one picture and reports clicks.
//
// - stretch on: the picture is scaled (smoothly) to fill the box; off: drawn at its natural size
//   from the box's top-left corner and clipped to the box.
// - autoSize on: the box takes the picture's size, keeping its top-left corner.
// - transparent on: for a bitmap picture, every pixel of its ground colour (the colour of its
//   bottom-left pixel) is left undrawn, so whatever lies beneath shows through. JPEG pictures are
//   always drawn whole: their colours are not exact.
// The box itself never paints a background, takes no focus and emits clicked() when the left
// mouse button is pressed and released on it.
class PictureBox : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(QString pictureFile READ pictureFile WRITE setPictureFile)
    Q_PROPERTY(bool stretch READ stretch WRITE setStretch)
    Q_PROPERTY(bool autoSize READ autoSize WRITE setAutoSize)
    Q_PROPERTY(bool transparent READ transparent WRITE setTransparent)

public:
    explicit PictureBox(QWidget *parent = nullptr);

    QString pictureFile() const { return m_pictureFile; }
    // Loads the picture from a file or resource path. Throws std::runtime_error when it cannot
    // be read (see loadPicture).
    void setPictureFile(const QString &path);
    // Shows `picture`; `isBitmap` says whether its colours are exact (see transparent).
    void setPicture(const QImage &picture, bool isBitmap);
    QImage picture() const { return m_picture; }

    bool stretch() const { return m_stretch; }
    void setStretch(bool on);
    bool autoSize() const { return m_autoSize; }
    void setAutoSize(bool on);
    bool transparent() const { return m_transparent; }
    void setTransparent(bool on);

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void updateShownPicture();

    QString m_pictureFile;
    QImage m_picture;
    bool m_isBitmap = false;
    QPixmap m_shown; // m_picture, with its ground removed when that applies
    bool m_stretch = false;
    bool m_autoSize = false;
    bool m_transparent = false;
    bool m_pressed = false;
};

} // namespace forms
