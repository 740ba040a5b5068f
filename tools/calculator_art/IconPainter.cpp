#include "IconPainter.h"

#include "Raster.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace {

struct Sheet
{
    QPointF centre; // in units of the icon's size
    double angle;   // degrees, clockwise on screen
    QColor light;   // fill at the top left
    QColor dark;    // fill at the bottom right
    QColor edge;    // outline
};

constexpr double sheetSide = 0.53; // in units of the icon's size

// A sheet's outline in pixels.
QPainterPath sheetPath(const Sheet &sheet, int size)
{
    const double side = sheetSide * size;
    const double corner = std::max(1.0, 0.045 * size);
    QPainterPath square;
    square.addRoundedRect(QRectF(-side / 2, -side / 2, side, side), corner, corner);
    QTransform place;
    place.translate(sheet.centre.x() * size, sheet.centre.y() * size);
    place.rotate(sheet.angle);
    return place.map(square);
}

} // namespace

QImage IconPainter::paint(int size)
{
    const Sheet sheets[] = {
        {{0.38, 0.42}, -20, QColor(200, 202, 212), QColor(150, 153, 166), QColor(100, 103, 118)},
        {{0.57, 0.40}, 16, QColor(226, 214, 252), QColor(184, 166, 234), QColor(120, 100, 184)},
        {{0.51, 0.58}, -4, QColor(255, 255, 255), QColor(234, 234, 242), QColor(108, 108, 128)},
    };
    const double lineWidth = size >= 96 ? 1.5 : 1.0;
    const int softness = std::max(1, static_cast<int>(std::lround(size / 36.0)));
    const QPointF shadowOffset(0.012 * size, 0.022 * size);

    QImage icon(size, size, QImage::Format_ARGB32_Premultiplied);
    icon.fill(Qt::transparent);
    for (const Sheet &sheet : sheets) {
        const QPainterPath outline = sheetPath(sheet, size);

        // Shadow cast on whatever lies behind.
        QImage shadow(size, size, QImage::Format_ARGB32_Premultiplied);
        shadow.fill(Qt::transparent);
        {
            QPainter painter(&shadow);
            painter.setRenderHint(QPainter::Antialiasing);
            painter.setPen(Qt::NoPen);
            painter.setBrush(QColor(20, 16, 40, 92));
            painter.drawPath(outline.translated(shadowOffset));
        }
        QPainter painter(&icon);
        painter.drawImage(0, 0, Raster::blurred(shadow, softness));

        // The sheet itself, its outline kept inside the shape so the size stays exact.
        painter.setRenderHint(QPainter::Antialiasing);
        const QRectF box = outline.boundingRect();
        QLinearGradient fill(box.topLeft(), box.bottomRight());
        fill.setColorAt(0.0, sheet.light);
        fill.setColorAt(1.0, sheet.dark);
        painter.setPen(Qt::NoPen);
        painter.setBrush(sheet.edge);
        painter.drawPath(outline);
        QPainterPathStroker inset;
        inset.setWidth(2 * lineWidth);
        painter.setBrush(fill);
        painter.drawPath(outline.subtracted(inset.createStroke(outline)));
    }
    return icon.convertToFormat(QImage::Format_ARGB32);
}
