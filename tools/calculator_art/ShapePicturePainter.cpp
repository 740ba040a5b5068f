#include "ShapePicturePainter.h"

#include "KeyedBitmap.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>

namespace {

// The outline's layers from the outside in: black edge, white line, black gap, white line,
// black edge; each value is the inset in whole pixels where the layer starts, so straight edges
// fall on pixel boundaries and stay crisp.
struct Layer
{
    double inset;
    QColor colour;
};
constexpr double insideInset = 7;

QPainterPath outlineShape(SectionFamily family, const QRectF &bounds, double inset)
{
    const QRectF rect = bounds.adjusted(inset, inset, -inset, -inset);
    QPainterPath path;
    if (family == SectionFamily::Round)
        path.addEllipse(rect);
    else {
        const double radius = std::max(0.6, 4.0 - inset * 0.55);
        path.addRoundedRect(rect, radius, radius);
    }
    return path;
}

QRectF outlineBounds(SectionFamily family)
{
    switch (family) {
    case SectionFamily::Square:
        return {4, 4, 49, 49};
    case SectionFamily::Rectangular:
        return {5, 9, 72, 40};
    case SectionFamily::Round:
        break;
    }
    return {4, 4, 50, 50};
}

} // namespace

QSize ShapePicturePainter::sizeOf(SectionFamily family)
{
    switch (family) {
    case SectionFamily::Square:
        return {57, 58};
    case SectionFamily::Rectangular:
        return {82, 58};
    case SectionFamily::Round:
        break;
    }
    return {58, 58};
}

QRgb ShapePicturePainter::groundOf(SectionFamily family)
{
    switch (family) {
    case SectionFamily::Square:
        return squareGround;
    case SectionFamily::Rectangular:
        return rectangularGround;
    case SectionFamily::Round:
        break;
    }
    return roundGround;
}

QPoint ShapePicturePainter::placeOnBackground(SectionFamily family)
{
    // The window places the pictures at (48, 84), (168, 84) and (296, 84); the panel starts at
    // (8, 72).
    switch (family) {
    case SectionFamily::Square:
        return {40, 12};
    case SectionFamily::Rectangular:
        return {160, 12};
    case SectionFamily::Round:
        break;
    }
    return {288, 12};
}

QImage ShapePicturePainter::paint(SectionFamily family, const QImage &background)
{
    const QSize size = sizeOf(family);
    QImage figure(size, QImage::Format_ARGB32_Premultiplied);
    figure.fill(Qt::transparent);
    {
        QPainter painter(&figure);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        const QRectF bounds = outlineBounds(family);
        const Layer layers[] = {{0, QColor(0, 0, 0)},
                                {1, QColor(255, 255, 255)},
                                {3, QColor(16, 16, 16)},
                                {4, QColor(255, 255, 255)},
                                {6, QColor(0, 0, 0)}};
        for (const Layer &layer : layers) {
            painter.setBrush(layer.colour);
            painter.drawPath(outlineShape(family, bounds, layer.inset));
        }
        painter.setCompositionMode(QPainter::CompositionMode_Clear);
        painter.setBrush(Qt::black);
        painter.drawPath(outlineShape(family, bounds, insideInset));
    }
    const QImage behind = background.copy(QRect(placeOnBackground(family), size));
    return KeyedBitmap::flatten(figure, behind, groundOf(family), 0.3);
}
