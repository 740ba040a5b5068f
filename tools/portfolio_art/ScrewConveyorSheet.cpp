#include "ScrewConveyorSheet.h"

#include "DraftingShapes.h"
#include "DraftingSheet.h"

#include <cmath>

namespace portfolio_art {

namespace {

// A person 1.75 m tall standing with the feet at `feet`, `height` pixels tall, as drawing offices
// draw a figure for scale.
void drawScaleFigure(DraftingSheet &sheet, QPointF feet, double height)
{
    const double unit = height / 8.0; // eight heads tall
    const double x = feet.x();
    const double top = feet.y() - height;
    QPainterPath body;
    body.addEllipse(QPointF(x, top + unit * 0.5), unit * 0.42, unit * 0.5);
    QPainterPath figure;
    figure.moveTo(x - unit * 0.25, top + unit * 1.0); // neck
    figure.lineTo(x - unit * 1.0, top + unit * 1.35); // shoulder
    figure.lineTo(x - unit * 1.15, top + unit * 3.9); // arm down to the hand
    figure.lineTo(x - unit * 0.85, top + unit * 3.9);
    figure.lineTo(x - unit * 0.72, top + unit * 2.0);
    figure.lineTo(x - unit * 0.68, top + unit * 4.1); // hip
    figure.lineTo(x - unit * 0.62, top + unit * 7.9); // leg
    figure.lineTo(x - unit * 0.95, top + unit * 8.0); // foot
    figure.lineTo(x - unit * 0.08, top + unit * 8.0);
    figure.lineTo(x - unit * 0.08, top + unit * 4.6); // crotch
    figure.lineTo(x + unit * 0.08, top + unit * 4.6);
    figure.lineTo(x + unit * 0.08, top + unit * 8.0);
    figure.lineTo(x + unit * 0.95, top + unit * 8.0);
    figure.lineTo(x + unit * 0.62, top + unit * 7.9);
    figure.lineTo(x + unit * 0.68, top + unit * 4.1);
    figure.lineTo(x + unit * 0.72, top + unit * 2.0);
    figure.lineTo(x + unit * 0.85, top + unit * 3.9);
    figure.lineTo(x + unit * 1.15, top + unit * 3.9);
    figure.lineTo(x + unit * 1.0, top + unit * 1.35);
    figure.lineTo(x + unit * 0.25, top + unit * 1.0);
    figure.closeSubpath();
    sheet.painter().fillPath(figure, QColor(214, 220, 236));
    sheet.painter().fillPath(body, QColor(214, 220, 236));
    sheet.thin(figure);
    sheet.thin(body);
    sheet.note(QPointF(x - 10.0, feet.y() - height - 4.0), QStringLiteral("1.75 m"), 6.0);
}

// Flights of the screw seen from the side between `left` and `right`: front edges in full,
// back edges hidden (a helix seen from the side is a cosine curve), on a shaft along `axisY`.
void drawFlights(DraftingSheet &sheet, double left, double right, double axisY, double radius,
                 double pitch)
{
    for (double x = left; x + pitch / 2.0 <= right; x += pitch) {
        QPainterPath front;
        front.moveTo(x, axisY - radius);
        front.cubicTo(QPointF(x + pitch * 0.182, axisY - radius),
                      QPointF(x + pitch * 0.318, axisY + radius),
                      QPointF(x + pitch / 2.0, axisY + radius));
        sheet.outline(front);
        if (x + pitch <= right) {
            QPainterPath back;
            back.moveTo(x + pitch / 2.0, axisY + radius);
            back.cubicTo(QPointF(x + pitch * 0.682, axisY + radius),
                         QPointF(x + pitch * 0.818, axisY - radius),
                         QPointF(x + pitch, axisY - radius));
            sheet.hidden(back);
        }
    }
}

void drawElevation(DraftingSheet &sheet, const QRectF &area)
{
    const double groundY = area.bottom();
    const double left = area.left() + 50.0;
    const double right = left + 370.0;
    const double axisY = groundY - 82.0;
    const double radius = 17.0;
    const double troughTop = axisY - 22.0;
    const double troughBottom = axisY + 20.0;
    const double pitch = 30.0;

    // Supports under the trough.
    for (double x : {left + 30.0, left + 185.0, left + 340.0}) {
        const QPainterPath saddle = polygonPath(
            {QPointF(x - 16.0, troughBottom), QPointF(x + 16.0, troughBottom),
             QPointF(x + 5.0, troughBottom + 8.0), QPointF(x - 5.0, troughBottom + 8.0)});
        sheet.filledOutline(saddle, DraftingSheet::memberFill());
        sheet.filledOutline(
            rectanglePath(x - 3.0, troughBottom + 8.0, 6.0, groundY - troughBottom - 8.0),
            DraftingSheet::memberFill());
        sheet.thin(rectanglePath(x - 8.0, groundY - 2.5, 16.0, 2.5));
    }

    // Inlet spout at the feed end and outlet with a slide gate at the discharge end.
    const QPainterPath inlet = rectanglePath(left + 22.0, troughTop - 28.0, 36.0, 28.0);
    sheet.filledOutline(inlet, QColor(255, 255, 255));
    sheet.outline(QLineF(left + 17.0, troughTop - 28.0, left + 63.0, troughTop - 28.0));
    sheet.note(QPointF(left + 24.0, troughTop - 33.0), QStringLiteral("INLET"), 6.5);
    const QPainterPath outlet = rectanglePath(right - 56.0, troughBottom, 36.0, 24.0);
    sheet.filledOutline(outlet, QColor(255, 255, 255));
    sheet.filledOutline(rectanglePath(right - 60.0, troughBottom + 24.0, 44.0, 5.0),
                        DraftingSheet::partFill());
    sheet.thin(QLineF(right - 16.0, troughBottom + 26.5, right - 2.0, troughBottom + 26.5));
    sheet.thin(circlePath(QPointF(right + 1.0, troughBottom + 26.5), 3.0));
    sheet.note(QPointF(right - 58.0, troughBottom + 38.0), QStringLiteral("OUTLET"), 6.5);

    // The trough with its cover, end plates and flange line.
    const QPainterPath trough =
        rectanglePath(left, troughTop, right - left, troughBottom - troughTop);
    sheet.filledOutline(trough, QColor(255, 255, 255));
    sheet.thin(QLineF(left, troughTop + 4.0, right, troughTop + 4.0));
    sheet.thin(QLineF(left, troughTop + 8.0, right, troughTop + 8.0));
    for (double x : {left - 4.0, right}) {
        sheet.filledOutline(rectanglePath(x, troughTop - 4.0, 4.0, troughBottom - troughTop + 8.0),
                            DraftingSheet::memberFill());
    }
    // Bolted joints of the trough sections.
    for (double x : {left + 123.0, left + 247.0})
        sheet.thin(QLineF(x, troughTop, x, troughBottom));

    // Broken-out section showing the screw inside.
    const double cutLeft = left + 70.0;
    const double cutRight = right - 70.0;
    QPainterPath window;
    window.moveTo(cutLeft, troughTop + 9.0);
    for (double y = troughTop + 9.0; y <= troughBottom - 3.0; y += 6.0)
        window.lineTo(cutLeft + ((static_cast<int>(y) / 6) % 2 == 0 ? -3.0 : 3.0), y);
    window.lineTo(cutLeft, troughBottom - 2.0);
    window.lineTo(cutRight, troughBottom - 2.0);
    for (double y = troughBottom - 3.0; y >= troughTop + 9.0; y -= 6.0)
        window.lineTo(cutRight + ((static_cast<int>(y) / 6) % 2 == 0 ? 3.0 : -3.0), y);
    window.lineTo(cutRight, troughTop + 9.0);
    window.closeSubpath();
    sheet.painter().fillPath(window, QColor(246, 243, 232));
    sheet.thin(window);
    sheet.painter().save();
    sheet.painter().setClipPath(window);
    const QPainterPath shaft =
        rectanglePath(cutLeft - 10.0, axisY - 5.0, cutRight - cutLeft + 20.0, 10.0);
    sheet.filledOutline(shaft, DraftingSheet::partFill());
    drawFlights(sheet, cutLeft - 20.0, cutRight + 20.0, axisY, radius, pitch);
    // Hanger bearing in the middle of the run.
    const double hangerX = (cutLeft + cutRight) / 2.0 + 6.0;
    sheet.filledOutline(rectanglePath(hangerX - 7.0, axisY - 8.0, 14.0, 16.0),
                        DraftingSheet::memberFill());
    sheet.filledOutline(
        rectanglePath(hangerX - 2.5, troughTop + 8.0, 5.0, axisY - troughTop - 16.0),
        DraftingSheet::memberFill());
    sheet.painter().restore();
    sheet.detailCallout(QPointF(hangerX, axisY - 4.0), 18.0, QStringLiteral("C"));
    sheet.hidden(QLineF(left + 4.0, axisY - radius, cutLeft - 4.0, axisY - radius));
    sheet.hidden(QLineF(left + 4.0, axisY + radius, cutLeft - 4.0, axisY + radius));
    sheet.hidden(QLineF(cutRight + 4.0, axisY - radius, right - 4.0, axisY - radius));
    sheet.hidden(QLineF(cutRight + 4.0, axisY + radius, right - 4.0, axisY + radius));
    sheet.centreLine(QPointF(left - 14.0, axisY), QPointF(right + 58.0, axisY));

    // End bearing at the tail and the geared motor at the drive end on its bracket.
    sheet.filledOutline(rectanglePath(left - 14.0, axisY - 9.0, 10.0, 18.0),
                        DraftingSheet::partFill());
    const QPainterPath bracket =
        polygonPath({QPointF(right + 4.0, axisY + 12.0), QPointF(right + 34.0, axisY + 12.0),
                     QPointF(right + 4.0, troughBottom + 10.0)});
    sheet.filledOutline(bracket, DraftingSheet::memberFill());
    QPainterPath gearbox;
    gearbox.addRoundedRect(QRectF(right + 6.0, axisY - 16.0, 28.0, 28.0), 3.0, 3.0);
    sheet.filledOutline(gearbox, QColor(255, 255, 255));
    sheet.thin(QLineF(right + 6.0, axisY - 4.0, right + 34.0, axisY - 4.0));
    const QPainterPath motor = rectanglePath(right + 34.0, axisY - 12.0, 36.0, 20.0);
    sheet.filledOutline(motor, QColor(255, 255, 255));
    for (double fin = right + 38.0; fin < right + 68.0; fin += 3.0)
        sheet.thin(QLineF(fin, axisY - 11.0, fin, axisY + 7.0));
    QPainterPath cowl;
    cowl.addRoundedRect(QRectF(right + 68.0, axisY - 11.0, 10.0, 18.0), 4.0, 4.0);
    sheet.filledOutline(cowl, QColor(255, 255, 255));
    sheet.filledOutline(rectanglePath(right + 44.0, axisY - 18.0, 12.0, 6.0),
                        QColor(255, 255, 255));

    // Ground and the figure for scale.
    sheet.outline(QLineF(area.left(), groundY, area.right(), groundY));
    sheet.painter().setPen(QPen(DraftingSheet::ink(), 0.7));
    for (double x = area.left() + 2.0; x < area.right(); x += 6.0)
        sheet.painter().drawLine(QLineF(x, groundY + 4.0, x + 4.0, groundY));
    drawScaleFigure(sheet, QPointF(area.left() + 22.0, groundY), 92.0);

    // Dimensions.
    sheet.dimension(QPointF(left - 4.0, groundY), QPointF(right + 4.0, groundY), -12.0,
                    QStringLiteral("6 600"));
    sheet.thin(QLineF(left - 4.0, troughBottom + 4.0, left - 4.0, groundY + 15.0));
    sheet.thin(QLineF(right + 4.0, troughBottom + 4.0, right + 4.0, groundY + 15.0));
    const double heightX = area.right() - 14.0;
    sheet.thin(QLineF(right + 80.0, axisY, heightX + 4.0, axisY));
    sheet.dimension(QPointF(heightX, axisY), QPointF(heightX, groundY), 0.0,
                    QStringLiteral("1 450"));
    const double pitchStart = cutLeft - 20.0 + pitch * 3.0;
    sheet.dimension(QPointF(pitchStart, axisY - radius),
                    QPointF(pitchStart + pitch, axisY - radius), 22.0, QStringLiteral("P 400"));

    sheet.sectionCut(QPointF(left + 276.0, troughTop - 16.0),
                     QPointF(left + 276.0, troughBottom + 12.0), QPointF(-1.0, 0.0),
                     QStringLiteral("A"));

    sheet.balloon(QPointF(left + 100.0, troughBottom - 1.0),
                  QPointF(left + 100.0, troughBottom + 24.0), 1);
    sheet.balloon(QPointF(cutLeft + 82.0, axisY + 10.0),
                  QPointF(cutLeft + 76.0, troughBottom + 24.0), 2);
    sheet.balloon(QPointF((cutLeft + cutRight) / 2.0 + 6.0, axisY - 12.0),
                  QPointF((cutLeft + cutRight) / 2.0 + 30.0, troughTop - 18.0), 4);
    sheet.balloon(QPointF(right + 60.0, axisY - 6.0), QPointF(right + 72.0, axisY - 32.0), 6);
    sheet.balloon(QPointF(left + 40.0, troughTop - 20.0), QPointF(left + 84.0, troughTop - 34.0),
                  7);
    sheet.balloon(QPointF(right - 38.0, troughBottom + 12.0),
                  QPointF(right - 84.0, troughBottom + 28.0), 8);
    sheet.balloon(QPointF(left + 185.0, groundY - 30.0), QPointF(left + 206.0, groundY - 40.0), 9);

    sheet.viewTitle(QPointF(area.left() + 200.0, area.top()), QStringLiteral("ELEVATION"),
                    QStringLiteral("SCALE 1:40"));
}

// Section A-A: U-trough with cover, the screw seen end on, and the support saddle.
void drawTroughSection(DraftingSheet &sheet, QPointF axis)
{
    const double radius = 30.0;
    const double troughRadius = 33.0;
    const double wallTop = axis.y() - 36.0;
    const double plate = 2.6;

    QPainterPath troughPlate;
    troughPlate.moveTo(axis.x() - troughRadius - 10.0, wallTop);
    troughPlate.lineTo(axis.x() - troughRadius, wallTop);
    troughPlate.lineTo(axis.x() - troughRadius, axis.y());
    troughPlate.arcTo(QRectF(axis.x() - troughRadius, axis.y() - troughRadius, 2 * troughRadius,
                             2 * troughRadius),
                      180.0, 180.0);
    troughPlate.lineTo(axis.x() + troughRadius, wallTop);
    troughPlate.lineTo(axis.x() + troughRadius + 10.0, wallTop);
    QPainterPathStroker stroker;
    stroker.setWidth(plate);
    stroker.setJoinStyle(Qt::MiterJoin);
    sheet.solid(stroker.createStroke(troughPlate));
    sheet.solid(rectanglePath(axis.x() - troughRadius - 11.0, wallTop - 5.0,
                              2 * troughRadius + 22.0, plate));

    // The flight edge, the flight face lines and the shaft, cut and hatched.
    sheet.painter().setBrush(QColor(255, 255, 255));
    sheet.outline(circlePath(axis, radius));
    for (double r : {radius * 0.75, radius * 0.5})
        sheet.thin(circlePath(axis, r));
    QPainterPath shaft = circlePath(axis, 8.0);
    shaft -= circlePath(axis, 4.5);
    sheet.hatch(shaft, 2.2);
    sheet.outline(circlePath(axis, 8.0));
    sheet.thin(circlePath(axis, 4.5));
    sheet.centreMark(axis, radius + 6.0);

    // Saddle and base plate.
    const double saddleTop = axis.y() + troughRadius + 1.5;
    const QPainterPath saddle = polygonPath(
        {QPointF(axis.x() - 36.0, saddleTop - 12.0), QPointF(axis.x() + 36.0, saddleTop - 12.0),
         QPointF(axis.x() + 40.0, saddleTop + 14.0), QPointF(axis.x() - 40.0, saddleTop + 14.0)});
    QPainterPath saddleCut = saddle - circlePath(axis, troughRadius + 1.5);
    sheet.filledOutline(saddleCut, DraftingSheet::memberFill());
    sheet.filledOutline(rectanglePath(axis.x() - 48.0, saddleTop + 14.0, 96.0, 4.0),
                        DraftingSheet::partFill());

    const QPointF flightEdge = axis + QPointF(-radius * 0.7071, radius * 0.7071);
    sheet.painter().setPen(QPen(DraftingSheet::dimensionInk(), 0.75));
    sheet.painter().drawLine(QLineF(flightEdge, flightEdge + QPointF(-22.0, 22.0)));
    sheet.painter().drawLine(
        QLineF(flightEdge + QPointF(-22.0, 22.0), flightEdge + QPointF(-40.0, 22.0)));
    sheet.note(flightEdge + QPointF(-40.0, 20.0), QStringLiteral("Ø400"), 7.0);
    sheet.dimension(QPointF(axis.x() - troughRadius - 11.0, wallTop - 5.0),
                    QPointF(axis.x() + troughRadius + 11.0, wallTop - 5.0), 8.0,
                    QStringLiteral("560"));
    sheet.dimension(QPointF(axis.x() + troughRadius + 16.0, wallTop - 5.0),
                    QPointF(axis.x() + troughRadius + 16.0, axis.y() + troughRadius + 1.0), 0.0,
                    QStringLiteral("470"));
}

// Detail C: a hanger bearing, cut through the bearing housing.
void drawHangerDetail(DraftingSheet &sheet, QPointF axis)
{
    // Cover plate and the trough flange it sits on.
    sheet.solid(rectanglePath(axis.x() - 52.0, axis.y() - 46.0, 104.0, 3.0));
    // Hanger bars from the flange to the housing, cut.
    for (double side : {-1.0, 1.0}) {
        const QPainterPath bar =
            rectanglePath(axis.x() + side * 17.0 - 3.0, axis.y() - 43.0, 6.0, 30.0);
        sheet.hatch(bar, 2.2);
        sheet.outline(bar);
    }
    // Housing with the bush, shaft and bolts.
    QPainterPath housing;
    housing.addRoundedRect(QRectF(axis.x() - 26.0, axis.y() - 16.0, 52.0, 32.0), 4.0, 4.0);
    QPainterPath housingCut = housing - circlePath(axis, 14.0);
    sheet.hatch(housingCut, 2.6);
    sheet.outline(housing);
    QPainterPath bush = circlePath(axis, 14.0) - circlePath(axis, 10.5);
    sheet.hatch(bush, 1.6, -45.0);
    sheet.outline(circlePath(axis, 14.0));
    sheet.filledOutline(circlePath(axis, 10.5), DraftingSheet::partFill());
    sheet.centreMark(axis, 34.0);
    for (double side : {-1.0, 1.0}) {
        const QPointF bolt(axis.x() + side * 20.0, axis.y() - 10.0);
        sheet.filledOutline(circlePath(bolt, 2.6), QColor(255, 255, 255));
        sheet.thin(QLineF(bolt - QPointF(2.0, 0.0), bolt + QPointF(2.0, 0.0)));
    }
    sheet.filledOutline(rectanglePath(axis.x() - 2.0, axis.y() - 22.0, 4.0, 6.0),
                        DraftingSheet::partFill());

    sheet.dimension(QPointF(axis.x() - 26.0, axis.y() + 16.0),
                    QPointF(axis.x() + 26.0, axis.y() + 16.0), -12.0, QStringLiteral("160"));
    sheet.note(QPointF(axis.x() + 16.0, axis.y() + 6.0), QStringLiteral("Ø60"), 6.5);
    sheet.note(QPointF(axis.x() + 30.0, axis.y() - 22.0), QStringLiteral("BRONZE BUSH"), 6.0);
}

} // namespace

QImage drawScrewConveyorSheet(QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    {
        DraftingSheet sheet(image);
        const QRectF area = sheet.drawingArea();
        const QRectF titleBlock = sheet.drawTitleBlock(
            {QStringLiteral("SCREW CONVEYOR  SC 400 x 6.6 m"), QStringLiteral("ASSEMBLY"),
             QStringLiteral("KV-102"), QStringLiteral("1:40")},
            200.0);
        const std::vector<PartsListRow> parts{
            {"1", "U-TROUGH 400, t=5", "2", "S235"}, {"2", "SCREW Ø400 P400", "2", "S235 / HARDOX"},
            {"3", "COUPLING SHAFT Ø60", "1", "C45"}, {"4", "HANGER BEARING", "1", "GG25 / BRONZE"},
            {"5", "END BEARING + SEAL", "2", "-"},   {"6", "GEARED MOTOR 5.5 kW", "1", "-"},
            {"7", "INLET SPOUT", "1", "S235"},       {"8", "OUTLET + SLIDE GATE", "1", "S235"},
            {"9", "SUPPORT", "3", "UPN 100"},
        };
        const QRectF partsList =
            sheet.drawPartsList(parts, QPointF(area.right(), titleBlock.top()), 200.0);

        drawElevation(sheet,
                      QRectF(area.left() + 6.0, area.top() + 4.0, area.width() - 12.0, 178.0));
        sheet.viewTitle(QPointF(area.left() + 82.0, area.top() + 206.0),
                        QStringLiteral("SECTION A-A"), QStringLiteral("SCALE 1:10"));
        drawTroughSection(sheet, QPointF(area.left() + 82.0, area.top() + 292.0));
        sheet.viewTitle(QPointF(area.left() + 222.0, area.top() + 206.0),
                        QStringLiteral("DETAIL C"), QStringLiteral("HANGER BEARING  1:5"));
        drawHangerDetail(sheet, QPointF(area.left() + 222.0, area.top() + 290.0));

        double line = area.top() + 194.0;
        sheet.note(QPointF(partsList.left(), line), QStringLiteral("NOTES:"), 7.5);
        const char *const notes[] = {
            "1. CAPACITY 40 m³/h AT 60 rpm, FILLING 30 %.",
            "2. TROUGH JOINTS SEALED WITH GASKET TAPE.",
        };
        for (const char *text : notes) {
            line += 9.5;
            sheet.note(QPointF(partsList.left() + 4.0, line), QString::fromUtf8(text), 6.5);
        }
    }
    return image;
}

} // namespace portfolio_art
