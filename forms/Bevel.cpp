#include "forms/Bevel.h"

#include <QPainter>

namespace forms {

Bevel::Bevel(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
}

void Bevel::setShape(Shape shape)
{
    m_shape = shape;
    update();
}

void Bevel::setBevelStyle(Style style)
{
    m_style = style;
    update();
}

void Bevel::paintEvent(QPaintEvent *)
{
    const QColor shadow = palette().color(QPalette::Dark);
    const QColor highlight = palette().color(QPalette::Light);
    const QColor first = m_style == Lowered ? shadow : highlight;
    const QColor second = m_style == Lowered ? highlight : shadow;
    const int right = width() - 1;
    const int bottom = height() - 1;
    QPainter painter(this);
    if (m_shape == TopLine) {
        painter.setPen(first);
        painter.drawLine(0, 0, right, 0);
        painter.setPen(second);
        painter.drawLine(0, 1, right, 1);
        return;
    }
    painter.setPen(first);
    painter.drawLine(0, 0, right, 0);
    painter.drawLine(0, 0, 0, bottom);
    painter.setPen(second);
    painter.drawLine(right, 0, right, bottom);
    painter.drawLine(0, bottom, right, bottom);
}

} // namespace forms
