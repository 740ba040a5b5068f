#include "ArrowGlyphs.h"

#include "KeyedComposite.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace portfolio_art {

namespace {

constexpr QRgb whiteKey = 0xFFFFFFFFu;

// An arrow pointing up, centred on the origin, about 22 px tall.
QPainterPath upwardArrow()
{
    QPainterPath arrow;
    arrow.moveTo(0.0, -11.0);
    arrow.lineTo(10.0, 0.5);
    arrow.lineTo(4.0, 0.5);
    arrow.lineTo(4.0, 10.0);
    arrow.lineTo(-4.0, 10.0);
    arrow.lineTo(-4.0, 0.5);
    arrow.lineTo(-10.0, 0.5);
    arrow.closeSubpath();
    return arrow;
}

} // namespace

QImage drawArrowGlyph(QSize size, ArrowDirection direction)
{
    QImage figure(size, QImage::Format_ARGB32_Premultiplied);
    figure.fill(Qt::transparent);
    QPainter painter(&figure);
    painter.setRenderHint(QPainter::Antialiasing);

    const QPointF centre(size.width() / 2.0, size.height() / 2.0 - 0.5);
    const double radius = size.width() / 2.0 - 2.0;

    // Soft drop shadow on the button face.
    QRadialGradient shadow(centre + QPointF(0.8, 1.6), radius + 2.2);
    shadow.setColorAt(0.80, QColor(0, 0, 0, 80));
    shadow.setColorAt(1.00, QColor(0, 0, 0, 0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(shadow);
    painter.drawEllipse(centre + QPointF(0.8, 1.6), radius + 2.2, radius + 2.2);

    // Dark rim, then the domed green body lit from the upper left.
    painter.setBrush(QColor(10, 74, 24));
    painter.drawEllipse(centre, radius, radius);
    QRadialGradient body(centre + QPointF(-radius * 0.30, -radius * 0.35), radius * 1.35);
    body.setColorAt(0.00, QColor(150, 232, 120));
    body.setColorAt(0.45, QColor(46, 170, 56));
    body.setColorAt(0.85, QColor(16, 112, 34));
    body.setColorAt(1.00, QColor(8, 80, 24));
    painter.setBrush(body);
    painter.drawEllipse(centre, radius - 1.0, radius - 1.0);

    // Light bouncing back at the lower edge.
    QRadialGradient bounce(centre + QPointF(0, radius * 0.9), radius * 0.8);
    bounce.setColorAt(0.0, QColor(140, 240, 130, 110));
    bounce.setColorAt(1.0, QColor(140, 240, 130, 0));
    painter.setBrush(bounce);
    painter.drawEllipse(centre, radius - 1.0, radius - 1.0);

    // The white arrow with a thin dark-green shadow below right.
    QTransform place;
    place.translate(centre.x(), centre.y() + 0.5);
    if (direction == ArrowDirection::Down)
        place.rotate(180.0);
    const QPainterPath arrow = place.map(upwardArrow());
    painter.setBrush(QColor(6, 60, 18, 150));
    painter.drawPath(arrow.translated(0.9, 1.1));
    painter.setBrush(QColor(252, 253, 250));
    painter.drawPath(arrow);

    // Glossy highlight over the top half.
    QPainterPath gloss;
    gloss.addEllipse(QRectF(centre.x() - radius * 0.72, centre.y() - radius * 0.93, radius * 1.44,
                            radius * 0.95));
    QLinearGradient shine(0, centre.y() - radius, 0, centre.y());
    shine.setColorAt(0.0, QColor(255, 255, 255, 170));
    shine.setColorAt(1.0, QColor(255, 255, 255, 12));
    painter.setBrush(shine);
    painter.drawPath(gloss);
    painter.end();

    QImage buttonFace(size, QImage::Format_RGB32);
    buttonFace.fill(QColor(240, 240, 240));
    return flattenOntoKey(figure, buttonFace, whiteKey);
}

} // namespace portfolio_art
