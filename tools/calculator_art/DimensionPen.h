#pragma once

#include <QColor>
#include <QPainter>
#include <QPointF>

// Draws the red dimensioning of the family drawings in screen pixels, antialiased, 1 px lines:
// extension lines from the solid and dimension lines with filled arrowheads.
class DimensionPen
{
public:
    static QColor colour() { return QColor(232, 38, 30); }

    // From a point on the solid to one end of a dimension line: a gap of 3 px at the solid and an
    // overshoot of 4 px past the dimension line. Nothing for lines shorter than 1 px.
    static void extensionLine(QPainter &painter, QPointF fromSolid, QPointF toDimension);

    // A dimension line between two extension lines with a 7 px arrowhead touching each. The
    // arrows point outwards from between the extension lines; when both do not fit there, they
    // sit outside pointing inwards, with the line run on past them.
    static void dimensionLine(QPainter &painter, QPointF from, QPointF to);
};
