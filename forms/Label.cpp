#include "forms/Label.h"

#include "forms/Fonts.h"

#include <QEvent>

namespace forms {

Label::Label(QWidget *parent) : QLabel(parent)
{
    setTextFormat(Qt::PlainText);
    setWordWrap(false);
    setMargin(0);
    setIndent(0);
    setAlignment(Qt::AlignLeft | Qt::AlignAbsolute | Qt::AlignVCenter);
    setBackgroundRole(QPalette::Window);
    setAutoFillBackground(true);
    setFocusPolicy(Qt::NoFocus);
}

void Label::setCaption(const QString &caption)
{
    QLabel::setText(caption);
    sizeToCaption();
}

void Label::setTransparent(bool on)
{
    setAutoFillBackground(!on);
    update();
}

void Label::setRightToLeft(bool on)
{
    setLayoutDirection(on ? Qt::RightToLeft : Qt::LeftToRight);
}

void Label::setFontPixelSize(int pixels)
{
    forms::setFontPixelSize(*this, pixels);
}

QColor Label::fontColor() const
{
    return palette().color(QPalette::WindowText);
}

void Label::setFontColor(const QColor &color)
{
    QPalette textColour = palette();
    textColour.setColor(QPalette::WindowText, color);
    setPalette(textColour);
}

void Label::changeEvent(QEvent *event)
{
    QLabel::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        sizeToCaption();
}

void Label::sizeToCaption()
{
    const QFontMetrics metrics = fontMetrics();
    resize(metrics.horizontalAdvance(text()), metrics.height());
}

} // namespace forms
