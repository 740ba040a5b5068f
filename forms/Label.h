#pragma once

#include <QColor>
#include <QLabel>

namespace forms {

// A label, a non-windowed control (see Form): a caption of Unicode text on one line.
//
// - It sizes itself to its caption whenever the caption or the font changes, keeping its left
//   edge and top, so it grows and shrinks to the right. Width: the caption's advance including
//   trailing spaces. Height: the font's line height, or more where the caption needs it: the
//   line as laid out (a fallback font for another script may make it taller) and the ink of its
//   glyphs below the baseline (a font whose bitmap strikes report no descent, such as "Titr" at
//   11 to 16 px, still has letters that reach below it). The caption is drawn from the top, its
//   baseline at the line's ascent, so nothing of it is cut off.
// - In a window that has not been shown yet (a hidden Form whose controls Qt has not polished),
//   the sizing waits until the label is polished, which Qt does just before the window is first
//   shown or rendered: creating a hidden window loads none of its fonts. Call ensurePolished()
//   on the window to have its labels sized earlier.
// - transparent on: only the text is drawn; off (the default): the label is first filled with
//   the window's face colour.
// - rightToLeft on: right-to-left reading order (neutral characters such as spaces and
//   parentheses follow the right-to-left direction), the text still starting at the left edge.
// - fontPixelSize and fontColor give the font's character height and the text colour.
// - Screen readers read it as static text: its name is its accessible name (or, without one,
//   its caption) and its value is its caption, so a named result label still gives its text.
// Set the text with setCaption: QLabel::setText is hidden because it would not resize.
class Label : public QLabel
{
    Q_OBJECT
    Q_PROPERTY(QString caption READ caption WRITE setCaption)
    Q_PROPERTY(bool transparent READ transparent WRITE setTransparent)
    Q_PROPERTY(bool rightToLeft READ rightToLeft WRITE setRightToLeft)
    Q_PROPERTY(int fontPixelSize READ fontPixelSize WRITE setFontPixelSize)
    Q_PROPERTY(QColor fontColor READ fontColor WRITE setFontColor)

public:
    explicit Label(QWidget *parent = nullptr);

    QString caption() const { return text(); }
    void setCaption(const QString &caption);
    void setText(const QString &) = delete;

    bool transparent() const { return !autoFillBackground(); }
    void setTransparent(bool on);
    bool rightToLeft() const { return layoutDirection() == Qt::RightToLeft; }
    void setRightToLeft(bool on);
    int fontPixelSize() const { return font().pixelSize(); }
    void setFontPixelSize(int pixels);
    QColor fontColor() const;
    void setFontColor(const QColor &color);

protected:
    bool event(QEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    // Sizes the label now, or marks it for sizing when it is polished (see above).
    void sizeToCaption();
    // True while sizing waits for polishing: not yet polished and in a hidden Form.
    bool sizingWaitsForPolish() const;
    // Pixels from the top of the label to the lowest ink of the caption, drawn from the top.
    int captionHeight(const QFontMetrics &metrics) const;

    bool m_sizePending = false;
};

} // namespace forms
