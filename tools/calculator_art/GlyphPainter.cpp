#include "GlyphPainter.h"

#include "KeyedBitmap.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace {

QImage transparentCanvas(int size)
{
    QImage canvas(size, size, QImage::Format_ARGB32_Premultiplied);
    canvas.fill(Qt::transparent);
    return canvas;
}

QPainterPath blob(std::initializer_list<QPointF> points)
{
    QPainterPath path;
    const QPointF *first = points.begin();
    path.moveTo(*first);
    for (const QPointF *point = first + 1; point != points.end(); ++point)
        path.lineTo(*point);
    path.closeSubpath();
    return path;
}

} // namespace

QImage GlyphPainter::calculator()
{
    QImage figure = transparentCanvas(34);
    {
        QPainter painter(&figure);
        painter.setRenderHint(QPainter::Antialiasing);

        // Body.
        const QRectF body(6.5, 1.5, 21, 31);
        QLinearGradient bodyShade(body.topLeft(), body.bottomRight());
        bodyShade.setColorAt(0.0, QColor(84, 140, 238));
        bodyShade.setColorAt(1.0, QColor(26, 70, 186));
        painter.setPen(QPen(QColor(14, 38, 112), 1.0));
        painter.setBrush(bodyShade);
        painter.drawRoundedRect(body, 3, 3);

        // Display with two digits.
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(14, 38, 112));
        painter.drawRect(QRect(9, 4, 17, 8));
        painter.setBrush(QColor(200, 226, 196));
        painter.drawRect(QRect(10, 5, 15, 6));
        painter.setBrush(QColor(40, 62, 52));
        painter.drawRect(QRect(18, 6, 2, 4));
        painter.drawRect(QRect(21, 6, 3, 1));
        painter.drawRect(QRect(23, 7, 1, 1));
        painter.drawRect(QRect(21, 8, 3, 1));
        painter.drawRect(QRect(21, 9, 1, 1));
        painter.drawRect(QRect(21, 10, 3, 1));

        // Keys: a four by four grid; the right column for the operations, the last for "=".
        for (int row = 0; row < 4; ++row) {
            for (int column = 0; column < 4; ++column) {
                const QRect key(9 + 4 * column + (column == 3 ? 1 : 0), 14 + 4 * row, 3, 3);
                QColor face(222, 230, 246);
                if (column == 3)
                    face = row == 3 ? QColor(248, 150, 40) : QColor(178, 200, 240);
                painter.setBrush(QColor(12, 34, 100));
                painter.drawRect(key.translated(1, 1));
                painter.setBrush(face);
                painter.drawRect(key);
            }
        }
    }
    return KeyedBitmap::flatten(figure, buttonFace, ground, 0.3);
}

QImage GlyphPainter::web()
{
    QImage figure = transparentCanvas(32);
    {
        QPainter painter(&figure);
        painter.setRenderHint(QPainter::Antialiasing);

        // Monitor: stand, bezel and screen.
        painter.setPen(QPen(QColor(44, 46, 54), 1.0));
        painter.setBrush(QColor(120, 124, 134));
        painter.drawRect(QRectF(11.5, 20.5, 4, 3));
        painter.drawRoundedRect(QRectF(6.5, 23.5, 14, 3), 1, 1);
        QLinearGradient bezel(QPointF(0, 2), QPointF(0, 21));
        bezel.setColorAt(0.0, QColor(104, 110, 122));
        bezel.setColorAt(1.0, QColor(62, 66, 76));
        painter.setBrush(bezel);
        painter.drawRoundedRect(QRectF(1.5, 2.5, 24, 18), 2, 2);
        QLinearGradient screen(QPointF(4, 5), QPointF(22, 18));
        screen.setColorAt(0.0, QColor(150, 210, 252));
        screen.setColorAt(1.0, QColor(40, 110, 204));
        painter.setPen(Qt::NoPen);
        painter.setBrush(screen);
        painter.drawRect(QRectF(4, 5, 19, 13));

        // Globe in front of the lower right corner: ocean, land, grid, rim.
        const QPointF centre(22.5, 21.5);
        const double radius = 8.5;
        QPainterPath sphere;
        sphere.addEllipse(centre, radius, radius);
        painter.setPen(Qt::NoPen);
        painter.setCompositionMode(QPainter::CompositionMode_Clear); // a gap around the globe
        painter.setBrush(Qt::black);
        painter.drawEllipse(centre, radius + 1.3, radius + 1.3);
        painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
        QRadialGradient ocean(centre + QPointF(-3, -3.5), radius * 1.5);
        ocean.setColorAt(0.0, QColor(140, 206, 255));
        ocean.setColorAt(0.6, QColor(44, 120, 214));
        ocean.setColorAt(1.0, QColor(18, 64, 160));
        painter.setBrush(ocean);
        painter.drawPath(sphere);
        painter.save();
        painter.setClipPath(sphere);
        painter.setBrush(QColor(70, 176, 72));
        painter.drawPath(blob({{15, 16},
                               {19, 14.5},
                               {22, 16},
                               {21, 19},
                               {18.5, 20},
                               {19.5, 23.5},
                               {17.5, 26},
                               {15.5, 22},
                               {14, 19}}));
        painter.drawPath(blob({{24, 14},
                               {28, 15},
                               {31, 19},
                               {29, 21},
                               {26.5, 20},
                               {25, 22.5},
                               {27.5, 26.5},
                               {25, 29},
                               {23, 25},
                               {23.5, 20},
                               {22.5, 17}}));
        painter.setPen(QPen(QColor(255, 255, 255, 110), 0.8));
        painter.setBrush(Qt::NoBrush);
        const double reach = radius - 1;
        painter.drawEllipse(centre, radius * 0.45, reach);
        painter.drawLine(QPointF(centre.x() - reach, centre.y()),
                         QPointF(centre.x() + reach, centre.y()));
        painter.drawLine(QPointF(centre.x(), centre.y() - reach),
                         QPointF(centre.x(), centre.y() + reach));
        painter.restore();
        painter.setPen(QPen(QColor(14, 52, 128), 1.0));
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(sphere);
    }
    return KeyedBitmap::flatten(figure, buttonFace, ground, 0.3);
}
