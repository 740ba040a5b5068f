#include "DuctBendSheet.h"

#include "DraftingShapes.h"
#include "DraftingSheet.h"

#include <cmath>

namespace portfolio_art {

namespace {

constexpr double ductHalf = 11.0;

QPointF polar(QPointF centre, double radius, double degrees)
{
    // Angles measured counter-clockwise with y up, as on a drawing.
    const double radians = degrees * M_PI / 180.0;
    return centre + QPointF(std::cos(radians) * radius, -std::sin(radians) * radius);
}

// Straight duct between two points on its axis (horizontal or vertical), with its stiffener rings.
void drawStraight(DraftingSheet &sheet, QPointF from, QPointF to)
{
    const bool horizontal = std::abs(to.y() - from.y()) < 0.5;
    const QRectF body = horizontal ? QRectF(std::min(from.x(), to.x()), from.y() - ductHalf,
                                            std::abs(to.x() - from.x()), 2 * ductHalf)
                                   : QRectF(from.x() - ductHalf, std::min(from.y(), to.y()),
                                            2 * ductHalf, std::abs(to.y() - from.y()));
    sheet.filledOutline(rectanglePath(body.left(), body.top(), body.width(), body.height()),
                        DraftingSheet::partFill());
    const double length = horizontal ? body.width() : body.height();
    for (double s = 14.0; s < length - 8.0; s += 16.0) {
        if (horizontal)
            sheet.thin(
                QLineF(body.left() + s, body.top() - 1.5, body.left() + s, body.bottom() + 1.5));
        else
            sheet.thin(
                QLineF(body.left() - 1.5, body.top() + s, body.right() + 1.5, body.top() + s));
    }
}

// A mitred 90-degree bend of `segments` pieces round `centre`, from `startDegrees` sweeping
// `sweepDegrees` (signed), on the axis radius `radius`.
void drawMitredBend(DraftingSheet &sheet, QPointF centre, double radius, double startDegrees,
                    double sweepDegrees, int segments)
{
    const double inner = radius - ductHalf;
    const double outer = radius + ductHalf;
    // Half segments at both ends, full ones between, as a bend is set out.
    const double step = sweepDegrees / segments;
    std::vector<double> cuts{startDegrees, startDegrees + step / 2.0};
    for (int piece = 1; piece < segments; ++piece)
        cuts.push_back(cuts.back() + step);
    cuts.push_back(startDegrees + sweepDegrees);
    for (std::size_t piece = 0; piece + 1 < cuts.size(); ++piece) {
        const double a = cuts[piece];
        const double b = cuts[piece + 1];
        // Chord ends are pushed out so the straight pieces meet the arc at mid-piece.
        const double stretch = 1.0 / std::cos((b - a) * M_PI / 360.0);
        const QPainterPath segment =
            polygonPath({polar(centre, inner, a), polar(centre, outer, a),
                         polar(centre, outer * stretch, (a + b) / 2.0), polar(centre, outer, b),
                         polar(centre, inner, b), polar(centre, inner * stretch, (a + b) / 2.0)});
        sheet.filledOutline(segment, DraftingSheet::partFill());
    }
}

// Flange pair across the duct axis at `at`, the axis running along `horizontal`.
void drawFlange(DraftingSheet &sheet, QPointF at, bool horizontal)
{
    const double reach = ductHalf + 4.0;
    const QPainterPath flange = horizontal
                                    ? rectanglePath(at.x() - 1.8, at.y() - reach, 3.6, 2 * reach)
                                    : rectanglePath(at.x() - reach, at.y() - 1.8, 2 * reach, 3.6);
    sheet.filledOutline(flange, DraftingSheet::memberFill());
}

// Expansion joint (bellows between two flanges, tie rods outside) centred at `at`.
void drawExpansionJoint(DraftingSheet &sheet, QPointF at, bool horizontal)
{
    const double length = 22.0;
    const int waves = 4;
    QTransform place;
    place.translate(at.x(), at.y());
    if (!horizontal)
        place.rotate(90.0);
    // Work along x, axis at y = 0.
    sheet.painter().fillPath(
        place.map(rectanglePath(-length / 2.0, -ductHalf - 5.0, length, 2 * ductHalf + 10.0)),
        QColor(255, 255, 255));
    for (double side : {-1.0, 1.0}) {
        QPainterPath bellows;
        bellows.moveTo(-length / 2.0, side * ductHalf);
        for (int wave = 0; wave < waves; ++wave) {
            const double x0 = -length / 2.0 + wave * length / waves;
            bellows.quadTo(QPointF(x0 + length / waves / 4.0, side * (ductHalf + 9.0)),
                           QPointF(x0 + length / waves / 2.0, side * (ductHalf + 5.0)));
            bellows.quadTo(QPointF(x0 + length / waves * 0.75, side * (ductHalf + 1.0)),
                           QPointF(x0 + length / waves, side * ductHalf));
        }
        sheet.outline(place.map(bellows));
        // Tie rod with nuts on lugs.
        sheet.thin(place.map(QLineF(-length / 2.0 - 4.0, side * (ductHalf + 11.0),
                                    length / 2.0 + 4.0, side * (ductHalf + 11.0))));
        for (double end : {-1.0, 1.0})
            sheet.filledOutline(place.map(rectanglePath(end * (length / 2.0 + 3.0) - 1.5,
                                                        side * (ductHalf + 11.0) - 2.0, 3.0, 4.0)),
                                DraftingSheet::memberFill());
    }
    sheet.thin(place.map(QLineF(-length / 2.0, -ductHalf, length / 2.0, -ductHalf)));
    sheet.thin(place.map(QLineF(-length / 2.0, ductHalf, length / 2.0, ductHalf)));
    for (double end : {-1.0, 1.0}) {
        const QPainterPath flange = place.map(
            rectanglePath(end * length / 2.0 - 1.8, -ductHalf - 12.0, 3.6, 2 * ductHalf + 24.0));
        sheet.filledOutline(flange, DraftingSheet::memberFill());
    }
}

void drawFlowArrow(DraftingSheet &sheet, QPointF from, QPointF to)
{
    sheet.painter().setPen(QPen(DraftingSheet::dimensionInk(), 1.4, Qt::SolidLine, Qt::RoundCap));
    sheet.painter().drawLine(QLineF(from, to));
    const QPointF along = (to - from) / QLineF(from, to).length();
    const QPointF side(-along.y(), along.x());
    sheet.painter().setPen(Qt::NoPen);
    sheet.painter().setBrush(DraftingSheet::dimensionInk());
    sheet.painter().drawPolygon(QPolygonF(
        {to + along * 3.0, to - along * 5.0 + side * 3.0, to - along * 5.0 - side * 3.0}));
}

void drawDuctRun(DraftingSheet &sheet, const QRectF &view)
{
    const double radius = 28.0;
    const QPointF start(view.left() + 14.0, view.bottom() - 52.0);
    const QPointF firstBendCentre(view.left() + 96.0, start.y() - radius);
    const double riserX = firstBendCentre.x() + radius;
    const QPointF secondBendCentre(riserX + radius, view.top() + 70.0);
    const double topY = secondBendCentre.y() - radius;
    const QPointF end(view.right() - 6.0, topY);

    // Structure: floor beam with a saddle under the lower run, a column with a guide at the riser,
    // roof steel with hangers over the upper run.
    const double floorY = start.y() + ductHalf + 12.0;
    sheet.filledOutline(rectanglePath(view.left(), floorY, 122.0, 6.0),
                        DraftingSheet::memberFill());
    const QPainterPath saddle =
        polygonPath({QPointF(view.left() + 40.0, start.y() + ductHalf),
                     QPointF(view.left() + 60.0, start.y() + ductHalf),
                     QPointF(view.left() + 64.0, floorY), QPointF(view.left() + 36.0, floorY)});
    sheet.filledOutline(saddle, QColor(255, 255, 255));
    const double columnX = riserX + ductHalf + 30.0;
    sheet.filledOutline(rectanglePath(columnX, topY + 40.0, 8.0, floorY + 6.0 - topY - 40.0),
                        DraftingSheet::memberFill());
    sheet.filledOutline(rectanglePath(riserX + ductHalf + 1.0, start.y() - 86.0,
                                      columnX - riserX - ductHalf - 1.0, 5.0),
                        QColor(255, 255, 255));
    const double roofY = view.top() + 10.0;
    const QPainterPath roofBeam = rectanglePath(secondBendCentre.x() - 10.0, roofY,
                                                end.x() - secondBendCentre.x() + 16.0, 6.0);
    sheet.filledOutline(roofBeam, DraftingSheet::memberFill());
    for (double x : {secondBendCentre.x() + 24.0, secondBendCentre.x() + 92.0}) {
        sheet.outline(QLineF(x - 3.0, roofY + 6.0, x - 3.0, topY - ductHalf - 3.0));
        sheet.outline(QLineF(x + 3.0, roofY + 6.0, x + 3.0, topY - ductHalf - 3.0));
        sheet.filledOutline(rectanglePath(x - 5.0, roofY + 14.0, 10.0, 14.0),
                            QColor(255, 255, 255));
        for (double y = roofY + 16.0; y < roofY + 28.0; y += 3.0)
            sheet.thin(QLineF(x - 5.0, y, x + 5.0, y + 1.5));
        sheet.thin(QLineF(x - 7.0, topY - ductHalf - 3.0, x + 7.0, topY - ductHalf - 3.0));
    }

    // The duct: lower run, first bend, riser, second bend, upper run.
    drawStraight(sheet, start, QPointF(firstBendCentre.x(), start.y()));
    drawMitredBend(sheet, firstBendCentre, radius, 270.0, 90.0, 4);
    drawStraight(sheet, QPointF(riserX, firstBendCentre.y()),
                 QPointF(riserX, secondBendCentre.y()));
    drawMitredBend(sheet, secondBendCentre, radius, 180.0, -90.0, 4);
    drawStraight(sheet, QPointF(secondBendCentre.x(), topY), end);

    for (const QPointF &at :
         {QPointF(view.left() + 36.0, start.y()), QPointF(firstBendCentre.x(), start.y())})
        drawFlange(sheet, at, true);
    drawFlange(sheet, QPointF(riserX, firstBendCentre.y()), false);
    drawFlange(sheet, QPointF(riserX, secondBendCentre.y()), false);
    drawFlange(sheet, QPointF(secondBendCentre.x(), topY), true);
    drawFlange(sheet, end, true);
    const QPointF riserJoint(riserX, (firstBendCentre.y() + secondBendCentre.y()) / 2.0 + 10.0);
    drawExpansionJoint(sheet, riserJoint, false);
    const QPointF upperJoint(secondBendCentre.x() + 58.0, topY);
    drawExpansionJoint(sheet, upperJoint, true);

    sheet.centreLine(QPointF(view.left() + 8.0, start.y()),
                     QPointF(firstBendCentre.x(), start.y()));
    sheet.centreLine(QPointF(riserX, firstBendCentre.y()), QPointF(riserX, secondBendCentre.y()));
    sheet.centreLine(QPointF(secondBendCentre.x(), topY), QPointF(end.x() + 2.0, topY));
    drawFlowArrow(sheet, QPointF(view.left() + 62.0, start.y()),
                  QPointF(view.left() + 84.0, start.y()));
    drawFlowArrow(sheet, QPointF(end.x() - 30.0, topY), QPointF(end.x() - 10.0, topY));
    sheet.note(QPointF(view.left() + 2.0, start.y() - ductHalf - 6.0), QStringLiteral("FROM FAN"),
               6.5);
    sheet.note(QPointF(end.x() - 36.0, topY + ductHalf + 26.0), QStringLiteral("TO FILTER"), 6.5);

    // Dimensions.
    sheet.dimension(QPointF(view.left() + 14.0, floorY + 6.0), QPointF(riserX, floorY + 6.0), -12.0,
                    QStringLiteral("4 800"));
    const double levelX = view.left() + 4.0;
    sheet.thin(QLineF(levelX - 4.0, topY, riserX - ductHalf - 4.0, topY));
    sheet.dimension(QPointF(levelX, topY), QPointF(levelX, start.y()), 0.0,
                    QStringLiteral("6 400"));
    sheet.thin(QLineF(firstBendCentre, polar(firstBendCentre, radius, 315.0)));
    sheet.note(firstBendCentre + QPointF(-26.0, 14.0), QStringLiteral("R 1800"), 6.5);
    sheet.dimension(QPointF(riserX - ductHalf, secondBendCentre.y() + 26.0),
                    QPointF(riserX + ductHalf, secondBendCentre.y() + 26.0), 0.0,
                    QStringLiteral("Ø1200"));
    sheet.detailCallout(upperJoint, 26.0, QStringLiteral("C"));

    sheet.balloon(QPointF(view.left() + 20.0, start.y() + 6.0),
                  QPointF(view.left() + 16.0, start.y() + 34.0), 1);
    sheet.balloon(polar(firstBendCentre, radius + ductHalf - 2.0, 300.0),
                  polar(firstBendCentre, radius + 40.0, 300.0), 2);
    sheet.balloon(riserJoint + QPointF(-ductHalf - 9.0, 4.0), riserJoint + QPointF(-46.0, 20.0), 3);
    sheet.balloon(QPointF(secondBendCentre.x(), topY + ductHalf + 2.0),
                  QPointF(secondBendCentre.x() - 4.0, topY + 40.0), 4);
    sheet.balloon(QPointF(view.left() + 50.0, floorY - 3.0),
                  QPointF(view.left() + 80.0, floorY + 24.0), 5);
    sheet.balloon(QPointF(secondBendCentre.x() + 97.0, roofY + 22.0),
                  QPointF(secondBendCentre.x() + 118.0, roofY + 40.0), 6);
}

// Detail C: the expansion joint, upper half in section, lower half in view.
void drawJointDetail(DraftingSheet &sheet, QPointF axis)
{
    const double half = 34.0;
    const double flangeX = 40.0;
    const double waveWidth = 14.0;
    const int waves = 5;
    const double bellowsLeft = axis.x() - waves * waveWidth / 2.0;

    // Duct stubs on both sides with break lines.
    for (double side : {-1.0, 1.0}) {
        const double inner = axis.x() + side * flangeX;
        const double outer = axis.x() + side * (flangeX + 30.0);
        sheet.solid(rectanglePath(std::min(inner, outer), axis.y() - half - 2.5,
                                  std::abs(outer - inner), 2.5));
        sheet.outline(QLineF(std::min(inner, outer), axis.y() + half, std::max(inner, outer),
                             axis.y() + half));
        QPainterPath breakLine;
        breakLine.moveTo(outer, axis.y() - half - 6.0);
        breakLine.cubicTo(QPointF(outer + 4.0, axis.y() - 10.0),
                          QPointF(outer - 4.0, axis.y() + 10.0),
                          QPointF(outer, axis.y() + half + 4.0));
        sheet.thin(breakLine);
        // Flanges, cut above the axis and in view below.
        const QPainterPath flangeCut =
            rectanglePath(inner - 3.0, axis.y() - half - 14.0, 6.0, 14.0);
        sheet.hatch(flangeCut, 2.0, side > 0 ? 45.0 : -45.0);
        sheet.outline(flangeCut);
        sheet.filledOutline(rectanglePath(inner - 3.0, axis.y() + half, 6.0, 14.0),
                            DraftingSheet::partFill());
        // Lug and tie rod.
        sheet.filledOutline(rectanglePath(inner - 3.0, axis.y() - half - 26.0, 6.0, 12.0),
                            DraftingSheet::memberFill());
    }
    sheet.thin(QLineF(axis.x() - flangeX - 8.0, axis.y() - half - 20.0, axis.x() + flangeX + 8.0,
                      axis.y() - half - 20.0));
    for (double side : {-1.0, 1.0})
        sheet.filledOutline(rectanglePath(axis.x() + side * (flangeX + 5.0) - 2.5,
                                          axis.y() - half - 23.0, 5.0, 6.0),
                            QColor(255, 255, 255));

    // Bellows: the convolutions in section above, their crests in view below.
    QPainterPath bellows;
    bellows.moveTo(axis.x() - flangeX + 3.0, axis.y() - half - 1.0);
    bellows.lineTo(bellowsLeft, axis.y() - half - 1.0);
    for (int wave = 0; wave < waves; ++wave) {
        const double x0 = bellowsLeft + wave * waveWidth;
        bellows.cubicTo(QPointF(x0, axis.y() - half - 14.0),
                        QPointF(x0 + waveWidth, axis.y() - half - 14.0),
                        QPointF(x0 + waveWidth, axis.y() - half - 1.0));
    }
    bellows.lineTo(axis.x() + flangeX - 3.0, axis.y() - half - 1.0);
    QPainterPathStroker stroker;
    stroker.setWidth(2.2);
    sheet.solid(stroker.createStroke(bellows));
    for (int wave = 0; wave < waves; ++wave) {
        const double crest = bellowsLeft + wave * waveWidth + waveWidth / 2.0;
        sheet.outline(QLineF(crest, axis.y() + half, crest, axis.y() + half + 10.0));
        sheet.thin(QLineF(crest + waveWidth / 2.0, axis.y() + half, crest + waveWidth / 2.0,
                          axis.y() + half + 3.0));
    }
    QPainterPath lowerEnvelope;
    lowerEnvelope.moveTo(bellowsLeft, axis.y() + half);
    lowerEnvelope.lineTo(bellowsLeft + 2.0, axis.y() + half + 11.0);
    lowerEnvelope.lineTo(bellowsLeft + waves * waveWidth - 2.0, axis.y() + half + 11.0);
    lowerEnvelope.lineTo(bellowsLeft + waves * waveWidth, axis.y() + half);
    sheet.outline(lowerEnvelope);

    // Inner liner sleeve fixed on the upstream flange, free downstream.
    sheet.outline(QLineF(axis.x() - flangeX, axis.y() - half + 5.0, axis.x() + flangeX - 10.0,
                         axis.y() - half + 5.0));
    sheet.thin(
        QLineF(axis.x() - flangeX, axis.y() - half + 5.0, axis.x() - flangeX, axis.y() - half));

    sheet.centreLine(QPointF(axis.x() - flangeX - 34.0, axis.y()),
                     QPointF(axis.x() + flangeX + 34.0, axis.y()));
    drawFlowArrow(sheet, QPointF(axis.x() - 20.0, axis.y() - 10.0),
                  QPointF(axis.x() + 16.0, axis.y() - 10.0));
    sheet.note(QPointF(axis.x() - 12.0, axis.y() + 2.0), QStringLiteral("FLOW"), 6.5);
    sheet.dimension(QPointF(axis.x() - flangeX - 3.0, axis.y() - half - 26.0),
                    QPointF(axis.x() + flangeX + 3.0, axis.y() - half - 26.0), 8.0,
                    QStringLiteral("450"));
    sheet.dimension(QPointF(axis.x() - flangeX - 22.0, axis.y() - half),
                    QPointF(axis.x() - flangeX - 22.0, axis.y() + half), -8.0,
                    QStringLiteral("Ø1200"));
    sheet.note(QPointF(axis.x() - 16.0, axis.y() + half + 24.0), QStringLiteral("1.4571, 5 CONV."),
               6.0);
}

} // namespace

QImage drawDuctBendSheet(QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    {
        DraftingSheet sheet(image);
        const QRectF area = sheet.drawingArea();
        const QRectF titleBlock =
            sheet.drawTitleBlock({QStringLiteral("DUCTING  Ø1200 FAN TO FILTER"),
                                  QStringLiteral("BENDS AND EXPANSION JOINTS"),
                                  QStringLiteral("KV-106"), QStringLiteral("1:50")},
                                 192.0);
        const std::vector<PartsListRow> parts{
            {"1", "DUCT Ø1200, t=5", "18 m", "S235"},
            {"2", "MITRED BEND 90°, 5 PCS", "2", "S235"},
            {"3", "EXPANSION JOINT DN1200", "2", "1.4571"},
            {"4", "FLANGE PAIR + GASKET", "8", "S235"},
            {"5", "SLIDING SADDLE", "1", "S235 / PTFE"},
            {"6", "SPRING HANGER", "2", "-"},
        };
        sheet.drawPartsList(parts, QPointF(area.right(), titleBlock.top()), 192.0);

        sheet.viewTitle(QPointF(area.left() + 60.0, area.top() + 2.0),
                        QStringLiteral("DUCTING DETAIL"), QStringLiteral("SCALE 1:50"));
        drawDuctRun(sheet,
                    QRectF(area.left() + 14.0, area.top() + 24.0, 262.0, area.height() - 36.0));
        sheet.viewTitle(QPointF(area.left() + 386.0, area.top() + 2.0), QStringLiteral("DETAIL C"),
                        QStringLiteral("EXPANSION JOINT  1:10"));
        drawJointDetail(sheet, QPointF(area.left() + 386.0, area.top() + 110.0));
    }
    return image;
}

} // namespace portfolio_art
