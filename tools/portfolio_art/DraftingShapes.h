#pragma once

#include <QPainterPath>
#include <QPainterPathStroker>
#include <QPointF>
#include <QPolygonF>
#include <QRectF>

#include <initializer_list>

namespace portfolio_art {

// Small path builders shared by the drawing sheets.

inline QPainterPath circlePath(QPointF centre, double radius)
{
    QPainterPath path;
    path.addEllipse(centre, radius, radius);
    return path;
}

inline QPainterPath rectanglePath(double left, double top, double width, double height)
{
    QPainterPath path;
    path.addRect(QRectF(left, top, width, height));
    return path;
}

inline QPainterPath polygonPath(std::initializer_list<QPointF> points)
{
    QPainterPath path;
    path.addPolygon(QPolygonF(QList<QPointF>(points)));
    path.closeSubpath();
    return path;
}

inline QPainterPath polylinePath(std::initializer_list<QPointF> points)
{
    QPainterPath path;
    path.addPolygon(QPolygonF(QList<QPointF>(points)));
    return path;
}

} // namespace portfolio_art
