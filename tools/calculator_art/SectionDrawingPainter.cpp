#include "SectionDrawingPainter.h"

#include "DimensionPen.h"
#include "Raster.h"

#include <QLineF>
#include <QPainterPath>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

// Supersampling factor: the solid is filled without antialiasing at this scale (so neighbouring
// facets meet without seams) and averaged down.
constexpr int supersampling = 4;
// Pieces along the length, so light and haze vary along the tube.
constexpr int lengthSegments = 40;

// A section outline in the (y, z) plane, counter-clockwise, centred on the tube's axis.
QList<QPointF> sectionOutline(double width, double height, double radius, bool round)
{
    QList<QPointF> points;
    if (round) {
        constexpr int count = 240;
        for (int i = 0; i < count; ++i) {
            const double angle = 2 * std::numbers::pi * i / count;
            points.append({width / 2 * std::cos(angle), width / 2 * std::sin(angle)});
        }
        return points;
    }
    constexpr int arcSteps = 14;
    const double r = std::max(radius, 0.0);
    const QPointF centres[] = {{width / 2 - r, height / 2 - r},
                               {-width / 2 + r, height / 2 - r},
                               {-width / 2 + r, -height / 2 + r},
                               {width / 2 - r, -height / 2 + r}};
    for (int corner = 0; corner < 4; ++corner) {
        for (int step = 0; step <= arcSteps; ++step) {
            const double angle =
                std::numbers::pi / 2 * (corner + static_cast<double>(step) / arcSteps);
            points.append(centres[corner] + QPointF(r * std::cos(angle), r * std::sin(angle)));
        }
    }
    return points;
}

// The point of a section outline lying at distance x along the tube.
Vector3 at(double x, QPointF section)
{
    return {x, section.x(), section.y()};
}

QColor fromUnit(double red, double green, double blue)
{
    auto channel = [](double value) {
        return static_cast<int>(std::lround(std::clamp(value, 0.0, 1.0) * 255));
    };
    return QColor(channel(red), channel(green), channel(blue));
}

QColor groundColour()
{
    return QColor(44, 27, 17);
}

Vector3 light()
{
    return Vector3{0.45, -0.36, 0.85}.normalized();
}

} // namespace

QImage SectionDrawingPainter::paint(SectionFamily family)
{
    return SectionDrawingPainter(modelOf(family)).render();
}

SectionDrawingPainter::TubeModel SectionDrawingPainter::modelOf(SectionFamily family)
{
    switch (family) {
    case SectionFamily::Square:
        return {1.0, 1.0, 0.11, 0.2, false, 7.2, {3.9, -5.6, 2.7}, 66.0, 188.0};
    case SectionFamily::Rectangular:
        return {0.84, 1.26, 0.09, 0.17, false, 7.2, {4.0, -5.6, 2.8}, 66.0, 178.0};
    case SectionFamily::Round:
        break;
    }
    return {1.0, 1.0, 0.1, 0.0, true, 7.2, {3.9, -5.6, 2.7}, 66.0, 188.0};
}

ProjectionCamera SectionDrawingPainter::fittedCamera(const TubeModel &model)
{
    const Vector3 lookAt{-model.length / 2, 0, 0};
    const ProjectionCamera unitCamera(model.eye, lookAt, 1.0, 0.0, 0.0);
    const QList<QPointF> outline =
        sectionOutline(model.width, model.height, model.cornerRadius, model.round);
    double highest = 1e9;
    double lowest = -1e9;
    auto topAt = [&](double x) {
        QPointF top(0, 1e9);
        for (const QPointF &point : outline) {
            const QPointF seen = unitCamera.direction(at(x, point));
            highest = std::min(highest, seen.y());
            lowest = std::max(lowest, seen.y());
            if (seen.y() < top.y())
                top = seen;
        }
        return top;
    };
    const QPointF farTop = topAt(-model.length);
    const QPointF nearTop = topAt(0);
    const double focal = (model.bottomY - model.topY) / (lowest - highest);
    const double horizon = model.topY - focal * highest;
    const double centre = lengthLabelCentreX - focal * (farTop.x() + nearTop.x()) / 2;
    return ProjectionCamera(model.eye, lookAt, focal, centre, horizon);
}

SectionDrawingPainter::SectionDrawingPainter(const TubeModel &model)
    : m_model(model), m_camera(fittedCamera(model)),
      m_outer(sectionOutline(model.width, model.height, model.cornerRadius, model.round)),
      m_inner(sectionOutline(model.width - 2 * model.wall, model.height - 2 * model.wall,
                             model.cornerRadius - model.wall, model.round))
{
}

QImage SectionDrawingPainter::render() const
{
    const QRectF frame(0, 0, width, height);
    QImage canvas(width * supersampling, height * supersampling, QImage::Format_RGB32);
    {
        QPainter painter(&canvas);
        painter.scale(supersampling, supersampling);
        painter.fillRect(frame, groundBrush());
        painter.drawImage(frame, shadow());
        paintFacets(painter, m_outer, false);
        paintNearEnd(painter);
    }
    QImage drawing = canvas.scaled(width, height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    Raster::addGrain(drawing, 1.2, 0x5EC7u);
    QPainter painter(&drawing);
    painter.setRenderHint(QPainter::Antialiasing);
    paintDimensions(painter);
    return drawing;
}

QBrush SectionDrawingPainter::groundBrush()
{
    QRadialGradient gradient(QPointF(170, 112), 240);
    gradient.setColorAt(0.0, QColor(74, 46, 28));
    gradient.setColorAt(0.55, QColor(54, 33, 20));
    gradient.setColorAt(1.0, QColor(34, 20, 12));
    return gradient;
}

QPolygonF SectionDrawingPainter::projected(double x, const QList<QPointF> &outline) const
{
    QPolygonF polygon;
    for (const QPointF &point : outline)
        polygon.append(m_camera.project(at(x, point)));
    return polygon;
}

// Grey steel: diffuse light, a highlight, some sky from above, the warm ground reflected from
// below and a little haze towards the far end.
QColor SectionDrawingPainter::outerShade(Vector3 normal, Vector3 point) const
{
    const Vector3 toEye = (m_camera.eye() - point).normalized();
    const Vector3 halfway = (light() + toEye).normalized();
    const double diffuse = std::max(0.0, dot(normal, light()));
    const double highlight = std::pow(std::max(0.0, dot(normal, halfway)), 36.0);
    const double below = std::max(0.0, -normal.z);
    const double sky = std::pow(std::max(0.0, normal.z), 4.0);
    const double level = 0.22 + 0.62 * diffuse + 0.1 * sky;
    double red = 0.64 * level + 0.55 * highlight + 0.14 * below;
    double green = 0.65 * level + 0.55 * highlight + 0.085 * below;
    double blue = 0.68 * level + 0.57 * highlight + 0.05 * below;
    const double haze = 0.32 * std::clamp(-point.x / m_model.length, 0.0, 1.0);
    const QColor ground = groundColour();
    red += (ground.redF() - red) * haze;
    green += (ground.greenF() - green) * haze;
    blue += (ground.blueF() - blue) * haze;
    return fromUnit(red, green, blue);
}

// The inside: only light coming in through the open end, fading with the depth.
QColor SectionDrawingPainter::innerShade(Vector3 normal, Vector3 point) const
{
    const double diffuse = std::max(0.0, dot(normal, light()));
    const double reach = std::exp(point.x / (0.55 * m_model.width));
    const double level = (0.1 + 0.42 * diffuse) * (0.2 + 0.8 * reach);
    return fromUnit(0.6 * level + 0.03, 0.6 * level + 0.025, 0.62 * level + 0.02);
}

// The cut face of the wall at the open end, a little brighter than the skin.
QColor SectionDrawingPainter::endShade() const
{
    const double diffuse = std::max(0.0, dot(Vector3{1, 0, 0}, light()));
    const double level = 0.3 + 0.62 * diffuse;
    return fromUnit(0.7 * level + 0.05, 0.71 * level + 0.05, 0.73 * level + 0.05);
}

// Side facets of the prism over `outline`: the outer skin facing the eye or, for the inside,
// the faces whose inward side faces the eye. Neither set overlaps itself, so no sorting.
void SectionDrawingPainter::paintFacets(QPainter &painter, const QList<QPointF> &outline,
                                        bool inside) const
{
    painter.setPen(Qt::NoPen);
    const qsizetype count = outline.size();
    for (qsizetype i = 0; i < count; ++i) {
        const QPointF from = outline[i];
        const QPointF to = outline[(i + 1) % count];
        const QPointF middle = (from + to) / 2;
        Vector3 normal = m_model.round
                             ? Vector3{0, middle.x(), middle.y()}.normalized()
                             : Vector3{0, to.y() - from.y(), -(to.x() - from.x())}.normalized();
        if (inside)
            normal = normal * -1.0;
        for (int segment = 0; segment < lengthSegments; ++segment) {
            const double nearX = -m_model.length * segment / lengthSegments;
            const double farX = -m_model.length * (segment + 1) / lengthSegments;
            const Vector3 centre = at((nearX + farX) / 2, middle);
            if (dot(normal, m_camera.eye() - centre) <= 0)
                continue;
            painter.setBrush(inside ? innerShade(normal, centre) : outerShade(normal, centre));
            painter.drawPolygon(
                QPolygonF{m_camera.project(at(nearX, from)), m_camera.project(at(farX, from)),
                          m_camera.project(at(farX, to)), m_camera.project(at(nearX, to))});
        }
    }
}

void SectionDrawingPainter::paintNearEnd(QPainter &painter) const
{
    const QPolygonF outerEnd = projected(0, m_outer);
    const QPolygonF innerEnd = projected(0, m_inner);
    QPainterPath ring;
    ring.setFillRule(Qt::OddEvenFill);
    ring.addPolygon(outerEnd);
    ring.addPolygon(innerEnd);
    painter.setPen(Qt::NoPen);
    painter.setBrush(endShade());
    painter.drawPath(ring);

    // Looking into the tube: the inner faces, and the far opening with the ground behind it.
    painter.save();
    QPainterPath opening;
    opening.addPolygon(innerEnd);
    painter.setClipPath(opening);
    paintFacets(painter, m_inner, true);
    painter.setBrush(groundBrush());
    painter.drawPolygon(projected(-m_model.length, m_inner));
    painter.restore();
}

// A soft contact shadow on the floor the tube lies on, thrown back by the light. Returned at
// the supersampled size.
QImage SectionDrawingPainter::shadow() const
{
    QImage layer(width * supersampling, height * supersampling,
                 QImage::Format_ARGB32_Premultiplied);
    layer.fill(Qt::transparent);
    const double floorZ = -m_model.height / 2;
    const double spread = 0.08 * m_model.width;
    const double throwBack = 0.45 * m_model.height;
    const double farEnd = -m_model.length - 0.1;
    const double nearEnd = 0.02;
    {
        QPainter painter(&layer);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.scale(supersampling, supersampling);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(0, 0, 0, 150));
        painter.drawPolygon(QPolygonF{
            m_camera.project({farEnd, -m_model.width / 2 - spread, floorZ}),
            m_camera.project({farEnd - throwBack, m_model.width / 2 + throwBack, floorZ}),
            m_camera.project({nearEnd - throwBack, m_model.width / 2 + throwBack, floorZ}),
            m_camera.project({nearEnd, -m_model.width / 2 - spread, floorZ})});
    }
    return Raster::blurred(layer, 7 * supersampling);
}

// Topmost screen point of the outer outline at the end x.
QPointF SectionDrawingPainter::topOfEnd(double x) const
{
    const QPolygonF outline = projected(x, m_outer);
    return *std::min_element(outline.begin(), outline.end(),
                             [](QPointF a, QPointF b) { return a.y() < b.y(); });
}

// World units per screen pixel at the near end, to offset dimensions by pixel distances.
double SectionDrawingPainter::unitsPerPixelAtNearEnd() const
{
    const QPointF a = m_camera.project({0, m_model.width / 2, 0});
    const QPointF b = m_camera.project({0, m_model.width / 2, 1});
    return 1.0 / QLineF(a, b).length();
}

void SectionDrawingPainter::paintDimensions(QPainter &painter) const
{
    // Lines that run straight up or across are put on pixel centres to stay crisp.
    auto pixelCentre = [](double coordinate) { return std::floor(coordinate) + 0.5; };

    // Length: along the top, level, between vertical extension lines from the two ends.
    const QPointF farTop = topOfEnd(-m_model.length);
    const QPointF nearTop = topOfEnd(0);
    const double farX = pixelCentre(farTop.x());
    const double nearX = pixelCentre(nearTop.x());
    const double row = lengthDimensionY;
    DimensionPen::extensionLine(painter, QPointF(farX, farTop.y()), QPointF(farX, row));
    DimensionPen::extensionLine(painter, QPointF(nearX, nearTop.y()), QPointF(nearX, row));
    DimensionPen::dimensionLine(painter, QPointF(farX, row), QPointF(nearX, row));

    // Across the near end, in its plane, 15 px out from the solid: the diameter, or the height
    // at the back edge.
    const double offset = 15 * unitsPerPixelAtNearEnd();
    const double top = m_model.height / 2;
    const double side = m_model.width / 2;
    const Vector3 upper = m_model.round ? Vector3{0, 0, top} : Vector3{0, side, top};
    const Vector3 lower = m_model.round ? Vector3{0, 0, -top} : Vector3{0, side, -top};
    const Vector3 out{0, side + offset - upper.y, 0};
    const QPointF upperEnd = m_camera.project(upper + out);
    const QPointF lowerEnd = m_camera.project(lower + out);
    const double sideX = pixelCentre(upperEnd.x());
    DimensionPen::extensionLine(painter, m_camera.project(upper), QPointF(sideX, upperEnd.y()));
    DimensionPen::extensionLine(painter, m_camera.project(lower), QPointF(sideX, lowerEnd.y()));
    DimensionPen::dimensionLine(painter, QPointF(sideX, upperEnd.y()),
                                QPointF(sideX, lowerEnd.y()));

    if (m_model.round || m_model.width == m_model.height)
        return;
    // Width: below the near end, between vertical extension lines from its lower corners.
    const Vector3 down{0, 0, -offset};
    const Vector3 frontFoot{0, -side, -top};
    const Vector3 backFoot{0, side, -top};
    const QPointF frontEnd = m_camera.project(frontFoot + down);
    const QPointF backEnd = m_camera.project(backFoot + down);
    const double frontX = pixelCentre(frontEnd.x());
    const double backX = pixelCentre(backEnd.x());
    DimensionPen::extensionLine(painter, QPointF(frontX, m_camera.project(frontFoot).y()),
                                QPointF(frontX, frontEnd.y()));
    DimensionPen::extensionLine(painter, QPointF(backX, m_camera.project(backFoot).y()),
                                QPointF(backX, backEnd.y()));
    DimensionPen::dimensionLine(painter, QPointF(frontX, frontEnd.y()),
                                QPointF(backX, backEnd.y()));
}
