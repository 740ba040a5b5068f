#include "BackgroundPainter.h"

#include "Raster.h"

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace {

QImage transparentLayer()
{
    QImage layer(BackgroundPainter::width, BackgroundPainter::height,
                 QImage::Format_ARGB32_Premultiplied);
    layer.fill(Qt::transparent);
    return layer;
}

// A band of light along `path`: stroked `width` wide in `colour`, then softened by `blur` pixels.
QImage softBand(const QPainterPath &path, const QColor &colour, double width, int blur)
{
    QImage layer = transparentLayer();
    QPainter painter(&layer);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(path);
    painter.end();
    return Raster::blurred(layer, blur);
}

// A radial glow: `colour` at the centre fading to nothing at `radius`.
void paintGlow(QPainter &painter, QPointF centre, double radius, const QColor &colour,
               double scaleY = 1.0)
{
    QRadialGradient gradient(QPointF(0, 0), radius);
    QColor edge = colour;
    edge.setAlpha(0);
    QColor middle = colour;
    middle.setAlphaF(colour.alphaF() * 0.45f);
    gradient.setColorAt(0.0, colour);
    gradient.setColorAt(0.5, middle);
    gradient.setColorAt(1.0, edge);
    painter.save();
    painter.translate(centre);
    painter.scale(1.0, scaleY);
    painter.setPen(Qt::NoPen);
    painter.setBrush(gradient);
    painter.drawEllipse(QPointF(0, 0), radius, radius);
    painter.restore();
}

QPainterPath curve(QPointF from, QPointF control1, QPointF control2, QPointF to)
{
    QPainterPath path(from);
    path.cubicTo(control1, control2, to);
    return path;
}

} // namespace

QImage BackgroundPainter::paint()
{
    QImage canvas = transparentLayer();
    QPainter painter(&canvas);
    painter.setRenderHint(QPainter::Antialiasing);

    // Ground: dark brown at the upper left warming to amber towards the lower right.
    QLinearGradient ground(QPointF(0, 0), QPointF(width, height));
    ground.setColorAt(0.0, QColor(34, 16, 8));
    ground.setColorAt(0.45, QColor(62, 30, 10));
    ground.setColorAt(1.0, QColor(150, 82, 18));
    painter.fillRect(canvas.rect(), ground);
    paintGlow(painter, QPointF(430, 330), 300, QColor(214, 128, 30, 200));

    // Pink-red glow spilling down from the top edge.
    paintGlow(painter, QPointF(250, -40), 250, QColor(236, 66, 92, 215), 0.62);
    paintGlow(painter, QPointF(360, -10), 120, QColor(255, 120, 130, 120), 0.8);

    // Sweeping bands of amber light, arcs rising from the lower left and fanning out to the
    // right across the top of the panel.
    painter.setCompositionMode(QPainter::CompositionMode_Screen);
    const struct
    {
        QPointF from, control1, control2, to;
        QColor colour;
        double width;
        int blur;
    } bands[] = {
        {{-40, 330}, {40, 170}, {220, 60}, {520, 70}, QColor(255, 176, 70, 95), 30, 14},
        {{-40, 290}, {60, 130}, {240, 30}, {520, 22}, QColor(255, 210, 160, 60), 10, 4},
        {{-40, 420}, {80, 250}, {260, 150}, {520, 140}, QColor(255, 150, 40, 80), 44, 20},
        {{-40, 480}, {110, 320}, {290, 230}, {520, 215}, QColor(255, 190, 80, 110), 24, 10},
        {{60, 560}, {160, 430}, {330, 350}, {520, 320}, QColor(255, 160, 50, 90), 40, 20},
        {{200, 523}, {280, 420}, {380, 330}, {520, 300}, QColor(255, 200, 90, 70), 16, 8},
    };
    for (const auto &band : bands)
        painter.drawImage(0, 0,
                          softBand(curve(band.from, band.control1, band.control2, band.to),
                                   band.colour, band.width, band.blur));

    // The yellow-green streak: a bright thin core in a wide glow, rising from the lower left,
    // coming out above the family drawing between the "( mm )" and result labels and leaving
    // at the top between the rectangular and round shape pictures.
    const QPainterPath streak =
        curve(QPointF(-30, 540), QPointF(200, 440), QPointF(225, 230), QPointF(292, -20));
    painter.drawImage(0, 0, softBand(streak, QColor(150, 210, 40, 140), 26, 12));
    painter.drawImage(0, 0, softBand(streak, QColor(200, 240, 80, 200), 6, 3));
    painter.drawImage(0, 0, softBand(streak, QColor(240, 255, 170, 230), 1.6, 1));

    // A soft shade behind the white labels keeps them readable whatever the bands do there.
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    paintGlow(painter, QPointF(135, 150), 150, QColor(20, 8, 2, 120), 0.75);
    painter.end();

    QImage picture = canvas.convertToFormat(QImage::Format_RGB32);
    Raster::addGrain(picture, 1.6, 0xB4C0u);
    return picture;
}
