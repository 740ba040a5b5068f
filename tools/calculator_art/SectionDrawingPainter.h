#pragma once

#include "ProjectionCamera.h"
#include "SectionFamily.h"

#include <QBrush>
#include <QImage>
#include <QList>
#include <QPainter>
#include <QPointF>
#include <QPolygonF>

// The family drawings: a length of hollow section lying lengthwise in perspective, grey steel
// shaded by a light from the upper front right, on a dark-brown ground, with red dimension lines.
//
// The length dimension runs along the top, level on row `lengthDimensionY` between vertical
// extension lines from the two ends, centred under the window's white "L" label, which covers
// x 129..141, y 26..48 of the drawing (the drawings sit at 18, 280 on the window and the label at
// 147, 306), so the letter stands just above the line. The near end is open, at the lower right,
// showing the wall thickness; it carries the diameter (round), height and width (rectangular) or
// one side (square). The drawings hold no text.
class SectionDrawingPainter
{
public:
    static constexpr int width = 350;
    static constexpr int height = 211;
    // Screen row of the length dimension line (a pixel centre, so the line is crisp).
    static constexpr double lengthDimensionY = 51.5;
    // Column under the middle of the window's "L" label.
    static constexpr double lengthLabelCentreX = 135.0;

    // The drawing of one family, RGB32, width x height.
    static QImage paint(SectionFamily family);

private:
    // One family's solid and the view of it. Units: the section's larger side is about 1.
    struct TubeModel
    {
        double width;        // across the tube (y)
        double height;       // up (z); for a round tube equal to width
        double wall;         // wall thickness
        double cornerRadius; // outer corner radius of a box section
        bool round;
        double length;  // along x, from the far end at -length to the open near end at 0
        Vector3 eye;    // viewpoint: beside the near end, in front of the tube, above it
        double topY;    // screen row the highest point of the solid is fitted to
        double bottomY; // screen row the lowest point of the solid is fitted to
    };

    static TubeModel modelOf(SectionFamily family);
    // A camera whose lens fits the solid between the model's topY and bottomY and centres the
    // length dimension under the "L" label.
    static ProjectionCamera fittedCamera(const TubeModel &model);

    explicit SectionDrawingPainter(const TubeModel &model);
    QImage render() const;

    static QBrush groundBrush();
    QPolygonF projected(double x, const QList<QPointF> &outline) const;
    QColor outerShade(Vector3 normal, Vector3 point) const;
    QColor innerShade(Vector3 normal, Vector3 point) const;
    QColor endShade() const;
    void paintFacets(QPainter &painter, const QList<QPointF> &outline, bool inside) const;
    void paintNearEnd(QPainter &painter) const;
    QImage shadow() const;
    QPointF topOfEnd(double x) const;
    double unitsPerPixelAtNearEnd() const;
    void paintDimensions(QPainter &painter) const;

    TubeModel m_model;
    ProjectionCamera m_camera;
    QList<QPointF> m_outer; // section outlines in the (y, z) plane
    QList<QPointF> m_inner;
};
