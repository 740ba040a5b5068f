#pragma once

#include <QColor>
#include <QPixmap>
#include <QPushButton>

namespace forms {

// A picture button: a push button with a caption and a glyph bitmap, the glyph's ground colour
// (its bottom-left pixel's colour) left undrawn.
//
// - glyphLayout places the glyph left of, right of, above or below the caption; the glyph and
//   the caption, glyphSpacing pixels apart, are centred together in the button.
// - It takes the focus when the mouse button goes down on it, before the press; the press goes
//   on (and the click follows on release) only if the button then holds the focus.
// - It is never a default or auto-default button: Enter and Esc press nothing. Space presses the
//   focused button. Captions have no accelerator characters.
class PictureButton : public QPushButton
{
    Q_OBJECT
    Q_PROPERTY(QString glyphFile READ glyphFile WRITE setGlyphFile)
    Q_PROPERTY(GlyphLayout glyphLayout READ glyphLayout WRITE setGlyphLayout)
    Q_PROPERTY(int glyphSpacing READ glyphSpacing WRITE setGlyphSpacing)
    Q_PROPERTY(int fontPixelSize READ fontPixelSize WRITE setFontPixelSize)
    Q_PROPERTY(QColor fontColor READ fontColor WRITE setFontColor)

public:
    enum GlyphLayout
    {
        GlyphLeft,
        GlyphRight,
        GlyphTop,
        GlyphBottom
    };
    Q_ENUM(GlyphLayout)

    explicit PictureButton(QWidget *parent = nullptr);

    QString glyphFile() const { return m_glyphFile; }
    // Loads the glyph from a file or resource path; throws std::runtime_error when it cannot be
    // read (see loadPicture).
    void setGlyphFile(const QString &path);
    // The glyph as drawn, ground removed.
    QPixmap glyph() const { return m_glyph; }

    GlyphLayout glyphLayout() const { return m_layout; }
    void setGlyphLayout(GlyphLayout layout);
    // Pixels between glyph and caption (4 unless set).
    int glyphSpacing() const { return m_spacing; }
    void setGlyphSpacing(int pixels);
    int fontPixelSize() const { return font().pixelSize(); }
    void setFontPixelSize(int pixels);
    QColor fontColor() const;
    void setFontColor(const QColor &color);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    QString m_glyphFile;
    QPixmap m_glyph;
    GlyphLayout m_layout = GlyphLeft;
    int m_spacing = 4;
};

} // namespace forms
