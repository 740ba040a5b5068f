#pragma once

#include <QColor>
#include <QLabel>

namespace forms {

// A label, a non-windowed control (see Form): a caption of Unicode text on one line.
//
// - It sizes itself to its caption (width: the caption's advance including trailing spaces;
//   height: the font's line height) whenever the caption or the font changes, keeping its left
//   edge and top, so it grows and shrinks to the right.
// - transparent on: only the text is drawn; off (the default): the label is first filled with
//   the window's face colour.
// - rightToLeft on: right-to-left reading order (neutral characters such as spaces and
//   parentheses follow the right-to-left direction), the text still starting at the left edge.
// - fontPixelSize and fontColor give the font's character height and the text colour.
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
    void changeEvent(QEvent *event) override;

private:
    void sizeToCaption();
};

} // namespace forms
