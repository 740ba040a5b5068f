#include "DimensionPen.h"

#include <QLineF>
#include <QPolygonF>

#include <utility>

void DimensionPen::extensionLine(QPainter &painter, QPointF fromSolid, QPointF toDimension)
{
    const QLineF line(fromSolid, toDimension);
    if (line.length() < 1)
        return;
    const QPointF along = (toDimension - fromSolid) / line.length();
    painter.save();
    painter.setPen(QPen(colour(), 1.0, Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(QLineF(fromSolid + along * 3.0, toDimension + along * 4.0));
    painter.restore();
}

void DimensionPen::dimensionLine(QPainter &painter, QPointF from, QPointF to)
{
    const QLineF line(from, to);
    const double length = line.length();
    if (length < 1)
        return;
    constexpr double arrowLength = 7.0;
    constexpr double arrowHalfWidth = 2.4;
    const QPointF along = (to - from) / length;
    const QPointF across(-along.y(), along.x());
    const bool arrowsInside = length >= 2 * arrowLength + 6;

    painter.save();
    painter.setPen(QPen(colour(), 1.0, Qt::SolidLine, Qt::FlatCap));
    if (arrowsInside)
        painter.drawLine(QLineF(from + along * (arrowLength - 1), to - along * (arrowLength - 1)));
    else
        painter.drawLine(QLineF(from - along * (arrowLength + 5), to + along * (arrowLength + 5)));
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour());
    // Direction from the tip at `from` towards its arrow's base.
    const QPointF fromTipToBase = arrowsInside ? along : along * -1.0;
    for (const auto &[tip, towardsBase] :
         {std::pair{from, fromTipToBase}, std::pair{to, fromTipToBase * -1.0}}) {
        const QPointF base = tip + towardsBase * arrowLength;
        painter.drawPolygon(
            QPolygonF{tip, base + across * arrowHalfWidth, base - across * arrowHalfWidth});
    }
    painter.restore();
}
