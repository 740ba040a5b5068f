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
//   on (and the click follows on release) only if the button then holds the focus. In a window
//   that is not active (a window that has not yet been activated, or one that another window
//   took the activation from, as without a window manager) it holds the focus when it is the
//   window's focus widget: the press then activates the window and goes on. An error report
//   shown between the press and its release (a refused commit) cancels the click.
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
    // Takes the glyph from a file or resource path; the glyph is read and decoded when first
    // drawn, and shared (see Pictures). Throws std::runtime_error when a file on disk does not
    // exist (see Pictures::requireFile); a file that is not a readable picture draws no glyph.
    void setGlyphFile(const QString &path);
    // The glyph as drawn, ground removed; decoded now if it was not yet.
    QPixmap glyph() const;

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
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    // For a press while the window is not active: true when this button is the window's focus
    // widget, after asking for the window's activation.
    bool holdsFocusOfInactiveWindow();

    QString m_glyphFile;
    mutable QPixmap m_glyph;  // decoded on first use
    int m_reportsAtPress = 0; // the application's error report count when the press went on
    GlyphLayout m_layout = GlyphLeft;
    int m_spacing = 4;
};

} // namespace forms
