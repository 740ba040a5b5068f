#include "DragChainSheet.h"

#include "DraftingShapes.h"
#include "DraftingSheet.h"

#include <cmath>

namespace portfolio_art {

namespace {

// A chain sprocket seen end on: a toothed rim, a hub and the centre mark.
void drawSprocket(DraftingSheet &sheet, QPointF centre, double radius, int teeth)
{
    QPainterPath rim;
    for (int tooth = 0; tooth <= teeth * 2; ++tooth) {
        const double angle = M_PI * tooth / teeth;
        const double r = tooth % 2 == 0 ? radius + 2.5 : radius - 1.0;
        const QPointF point = centre + QPointF(std::cos(angle) * r, std::sin(angle) * r);
        if (tooth == 0)
            rim.moveTo(point);
        else
            rim.lineTo(point);
    }
    rim.closeSubpath();
    sheet.filledOutline(rim, DraftingSheet::partFill());
    sheet.thin(circlePath(centre, radius * 0.55));
    sheet.filledOutline(circlePath(centre, 3.5), QColor(255, 255, 255));
    sheet.centreMark(centre, radius + 5.0);
}

// Chain strand with flights every `pitch` along a straight run; flights stand up from the chain
// on the carrying run and hang on the return run.
void drawChainRun(DraftingSheet &sheet, QPointF from, QPointF to, double pitch, double flightHeight)
{
    sheet.painter().setPen(QPen(DraftingSheet::ink(), 2.2, Qt::SolidLine, Qt::RoundCap));
    sheet.painter().drawLine(QLineF(from, to));
    const double length = QLineF(from, to).length();
    const QPointF along = (to - from) / length;
    for (double s = pitch / 2.0; s < length; s += pitch) {
        const QPointF base = from + along * s;
        sheet.filledOutline(
            rectanglePath(base.x() - 1.5, base.y() - flightHeight, 3.0, flightHeight),
            DraftingSheet::memberFill());
    }
}

void drawElevation(DraftingSheet &sheet, double left, double right, double top, double groundY)
{
    const double casingTop = top + 10.0;
    const double casingBottom = top + 44.0;
    const double sprocketRadius = 11.0;
    const double carryY = casingBottom - 5.0;
    const double returnY = casingTop + 9.0;
    const double midY = (carryY + returnY) / 2.0;

    // Legs.
    for (double x : {left + 40.0, left + 180.0, left + 320.0, right - 14.0}) {
        sheet.filledOutline(rectanglePath(x - 2.5, casingBottom, 5.0, groundY - casingBottom),
                            DraftingSheet::memberFill());
        sheet.thin(rectanglePath(x - 6.0, groundY - 2.5, 12.0, 2.5));
    }
    // Outlet under the head.
    const QPainterPath outlet = polygonPath(
        {QPointF(right - 50.0, casingBottom), QPointF(right - 24.0, casingBottom),
         QPointF(right - 28.0, casingBottom + 24.0), QPointF(right - 46.0, casingBottom + 24.0)});
    sheet.filledOutline(outlet, QColor(255, 255, 255));
    sheet.outline(QLineF(right - 50.0, casingBottom + 24.0, right - 24.0, casingBottom + 24.0));
    // Inlets on the cover.
    for (double x : {left + 50.0, left + 110.0}) {
        sheet.filledOutline(rectanglePath(x, casingTop - 18.0, 26.0, 18.0), QColor(255, 255, 255));
        sheet.outline(QLineF(x - 4.0, casingTop - 18.0, x + 30.0, casingTop - 18.0));
    }

    // Casing with bolted cover joints, partly broken out to show the chain.
    const QPainterPath casing =
        rectanglePath(left, casingTop, right - left, casingBottom - casingTop);
    sheet.filledOutline(casing, QColor(255, 255, 255));
    sheet.thin(QLineF(left, casingTop + 3.5, right, casingTop + 3.5));
    for (double x = left + 70.0; x < right - 10.0; x += 70.0)
        sheet.outline(QLineF(x, casingTop - 1.5, x, casingBottom + 1.5));

    const double cutLeft = left + 150.0;
    const double cutRight = right - 90.0;
    QPainterPath window =
        rectanglePath(cutLeft, casingTop + 4.0, cutRight - cutLeft, casingBottom - casingTop - 6.0);
    sheet.painter().fillPath(window, QColor(247, 244, 234));
    sheet.thin(window);
    sheet.painter().save();
    sheet.painter().setClipPath(window);
    // The material dragged along the floor.
    QPainterPath bed;
    bed.moveTo(cutLeft, casingBottom - 2.0);
    for (double x = cutLeft; x <= cutRight; x += 10.0)
        bed.lineTo(x, midY + 1.0 + 1.2 * std::sin(x * 0.5));
    bed.lineTo(cutRight, casingBottom - 2.0);
    bed.closeSubpath();
    sheet.painter().fillPath(bed, QColor(226, 218, 200));
    sheet.thin(bed);
    drawChainRun(sheet, QPointF(cutLeft - 20.0, carryY), QPointF(cutRight + 20.0, carryY), 22.0,
                 12.0);
    sheet.painter().setPen(QPen(DraftingSheet::ink(), 2.2, Qt::SolidLine, Qt::RoundCap));
    sheet.painter().drawLine(QLineF(cutLeft - 20.0, returnY, cutRight + 20.0, returnY));
    for (double x = cutLeft - 9.0; x < cutRight + 20.0; x += 22.0)
        sheet.filledOutline(rectanglePath(x - 1.5, returnY, 3.0, 12.0),
                            DraftingSheet::memberFill());
    sheet.thin(QLineF(cutLeft, returnY + 2.5, cutRight, returnY + 2.5));
    sheet.painter().restore();
    sheet.detailCallout(QPointF(cutRight - 40.0, carryY - 5.0), 14.0, QStringLiteral("C"));
    sheet.hidden(QLineF(left + 12.0, carryY, cutLeft, carryY));
    sheet.hidden(QLineF(cutRight, carryY, right - 12.0, carryY));
    sheet.hidden(QLineF(left + 12.0, returnY, cutLeft, returnY));
    sheet.hidden(QLineF(cutRight, returnY, right - 12.0, returnY));

    // Tail with screw take-up, head with the drive.
    const QPointF tailCentre(left + 12.0, midY);
    const QPointF headCentre(right - 12.0, midY);
    drawSprocket(sheet, tailCentre, sprocketRadius, 8);
    drawSprocket(sheet, headCentre, sprocketRadius, 10);
    sheet.thin(QLineF(left - 18.0, midY - 2.0, left, midY - 2.0));
    sheet.thin(QLineF(left - 18.0, midY + 2.0, left, midY + 2.0));
    sheet.filledOutline(rectanglePath(left - 12.0, midY - 6.0, 4.0, 12.0),
                        DraftingSheet::partFill());
    QPainterPath gearbox;
    gearbox.addRoundedRect(QRectF(right - 22.0, midY - 26.0, 20.0, 20.0), 3.0, 3.0);
    sheet.filledOutline(gearbox, QColor(255, 255, 255));
    sheet.filledOutline(rectanglePath(right - 20.0, midY - 48.0, 16.0, 22.0),
                        QColor(255, 255, 255));
    for (double y = midY - 45.0; y < midY - 28.0; y += 3.0)
        sheet.thin(QLineF(right - 19.0, y, right - 5.0, y));
    sheet.centreLine(QPointF(left - 4.0, midY), QPointF(right + 4.0, midY));

    sheet.outline(QLineF(left - 26.0, groundY, right + 14.0, groundY));
    sheet.painter().setPen(QPen(DraftingSheet::ink(), 0.7));
    for (double x = left - 24.0; x < right + 12.0; x += 6.0)
        sheet.painter().drawLine(QLineF(x, groundY + 4.0, x + 4.0, groundY));

    sheet.dimension(QPointF(tailCentre.x(), groundY), QPointF(headCentre.x(), groundY), -11.0,
                    QStringLiteral("18 400"));
    sheet.thin(QLineF(tailCentre.x(), midY + 12.0, tailCentre.x(), groundY + 14.0));
    sheet.thin(QLineF(headCentre.x(), midY + 12.0, headCentre.x(), groundY + 14.0));
    sheet.sectionCut(QPointF(left + 250.0, casingTop - 14.0),
                     QPointF(left + 250.0, casingBottom + 12.0), QPointF(1.0, 0.0),
                     QStringLiteral("B"));

    sheet.balloon(QPointF(left + 90.0, casingBottom), QPointF(left + 90.0, casingBottom + 22.0), 1);
    sheet.balloon(QPointF(cutLeft + 52.0, carryY), QPointF(cutLeft + 40.0, casingBottom + 22.0), 2);
    sheet.balloon(headCentre + QPointF(-4.0, 6.0), QPointF(right - 64.0, groundY - 10.0), 3);
    sheet.balloon(tailCentre + QPointF(4.0, 6.0), QPointF(left + 22.0, groundY - 10.0), 4);
    sheet.balloon(QPointF(right - 12.0, midY - 38.0), QPointF(right - 44.0, top - 14.0), 5);
    sheet.balloon(QPointF(left + 63.0, casingTop - 12.0), QPointF(left + 30.0, top - 14.0), 6);
}

void drawPlan(DraftingSheet &sheet, double left, double right, double centreY)
{
    const double halfWidth = 14.0;
    const QPainterPath casing =
        rectanglePath(left, centreY - halfWidth, right - left, 2 * halfWidth);
    sheet.filledOutline(casing, QColor(255, 255, 255));
    sheet.thin(QLineF(left, centreY - halfWidth + 3.5, right, centreY - halfWidth + 3.5));
    sheet.thin(QLineF(left, centreY + halfWidth - 3.5, right, centreY + halfWidth - 3.5));
    for (double x = left + 70.0; x < right - 10.0; x += 70.0)
        sheet.outline(QLineF(x, centreY - halfWidth - 1.5, x, centreY + halfWidth + 1.5));
    for (double x = left + 8.0; x < right; x += 10.0) {
        sheet.painter().setBrush(DraftingSheet::ink());
        sheet.painter().setPen(Qt::NoPen);
        sheet.painter().drawEllipse(QPointF(x, centreY - halfWidth + 1.7), 0.8, 0.8);
        sheet.painter().drawEllipse(QPointF(x, centreY + halfWidth - 1.7), 0.8, 0.8);
    }
    for (double x : {left + 50.0, left + 110.0}) {
        sheet.filledOutline(rectanglePath(x, centreY - 13.0, 26.0, 26.0), QColor(255, 255, 255));
        sheet.thin(QLineF(x, centreY - 13.0, x + 26.0, centreY + 13.0));
        sheet.thin(QLineF(x + 26.0, centreY - 13.0, x, centreY + 13.0));
    }
    // Drive across the head: shaft, gearbox and motor standing out sideways.
    sheet.filledOutline(rectanglePath(right - 16.0, centreY + halfWidth, 8.0, 10.0),
                        DraftingSheet::partFill());
    QPainterPath gearbox;
    gearbox.addRoundedRect(QRectF(right - 24.0, centreY + halfWidth + 10.0, 24.0, 18.0), 3.0, 3.0);
    sheet.filledOutline(gearbox, QColor(255, 255, 255));
    sheet.filledOutline(rectanglePath(right - 54.0, centreY + halfWidth + 12.0, 30.0, 14.0),
                        QColor(255, 255, 255));
    for (double x = right - 51.0; x < right - 26.0; x += 3.0)
        sheet.thin(QLineF(x, centreY + halfWidth + 13.0, x, centreY + halfWidth + 25.0));
    sheet.centreLine(QPointF(left - 4.0, centreY), QPointF(right + 4.0, centreY));
    sheet.centreLine(QPointF(right - 12.0, centreY - halfWidth - 4.0),
                     QPointF(right - 12.0, centreY + halfWidth + 30.0));

    sheet.dimension(QPointF(left - 8.0, centreY - halfWidth),
                    QPointF(left - 8.0, centreY + halfWidth), -10.0, QStringLiteral("600"));
}

// Section B-B: the casing cut across, chain and flight on the floor, return strand on its rails.
void drawCasingSection(DraftingSheet &sheet, QPointF centre)
{
    const double halfWidth = 40.0;
    const double height = 88.0;
    const double top = centre.y() - height / 2.0;
    const double bottom = centre.y() + height / 2.0;
    const double plate = 3.0;

    // Side plates and floor, cut: solid; flanged cover on top.
    QPainterPath shell;
    shell.addRect(QRectF(centre.x() - halfWidth - plate, top, plate, height));
    shell.addRect(QRectF(centre.x() + halfWidth, top, plate, height));
    shell.addRect(QRectF(centre.x() - halfWidth - plate, bottom, 2 * halfWidth + 2 * plate, plate));
    shell.addRect(QRectF(centre.x() - halfWidth - 9.0, top - plate, 2 * halfWidth + 18.0, plate));
    for (double side : {-1.0, 1.0})
        shell.addRect(
            QRectF(centre.x() + side * (halfWidth + 1.5) - 4.5 + side * 4.5, top, 9.0, plate));
    sheet.solid(shell.simplified());
    // Wear liner on the floor, hatched.
    const QPainterPath liner =
        rectanglePath(centre.x() - halfWidth, bottom - 6.0, 2 * halfWidth, 6.0);
    sheet.hatch(liner, 2.2, -45.0);
    sheet.outline(liner);

    // Material bed, the chain and the U-shaped flight.
    const double chainY = bottom - 14.0;
    QPainterPath bed = rectanglePath(centre.x() - halfWidth, chainY - 22.0, 2 * halfWidth,
                                     bottom - 6.0 - chainY + 22.0);
    sheet.painter().fillPath(bed, QColor(232, 226, 214));
    sheet.painter().save();
    sheet.painter().setClipPath(bed);
    sheet.painter().setPen(Qt::NoPen);
    sheet.painter().setBrush(QColor(90, 90, 100));
    for (int dot = 0; dot < 150; ++dot)
        sheet.painter().drawEllipse(
            QPointF(centre.x() - halfWidth + std::fmod(dot * 29.3, 2 * halfWidth),
                    chainY - 22.0 + std::fmod(dot * 11.7, 30.0)),
            0.6, 0.6);
    sheet.painter().restore();
    sheet.thin(
        QLineF(centre.x() - halfWidth, chainY - 22.0, centre.x() + halfWidth, chainY - 22.0));
    QPainterPath flight;
    flight.moveTo(centre.x() - halfWidth + 4.0, chainY - 20.0);
    flight.lineTo(centre.x() - halfWidth + 4.0, chainY + 4.0);
    flight.lineTo(centre.x() + halfWidth - 4.0, chainY + 4.0);
    flight.lineTo(centre.x() + halfWidth - 4.0, chainY - 20.0);
    QPainterPathStroker stroker;
    stroker.setWidth(4.0);
    stroker.setJoinStyle(Qt::MiterJoin);
    sheet.filledOutline(stroker.createStroke(flight), DraftingSheet::memberFill());
    sheet.filledOutline(rectanglePath(centre.x() - 9.0, chainY - 6.0, 18.0, 12.0),
                        QColor(255, 255, 255));
    sheet.thin(circlePath(QPointF(centre.x(), chainY), 3.0));

    // Return strand sliding on two angle rails.
    const double railY = top + 26.0;
    for (double side : {-1.0, 1.0}) {
        QPainterPath rail;
        rail.moveTo(centre.x() + side * halfWidth, railY);
        rail.lineTo(centre.x() + side * (halfWidth - 14.0), railY);
        rail.lineTo(centre.x() + side * (halfWidth - 14.0), railY + 3.0);
        rail.lineTo(centre.x() + side * (halfWidth - 3.0), railY + 3.0);
        rail.lineTo(centre.x() + side * (halfWidth - 3.0), railY + 12.0);
        rail.lineTo(centre.x() + side * halfWidth, railY + 12.0);
        rail.closeSubpath();
        sheet.solid(rail);
    }
    QPainterPath returnFlight;
    returnFlight.moveTo(centre.x() - halfWidth + 12.0, railY + 22.0);
    returnFlight.lineTo(centre.x() - halfWidth + 12.0, railY - 2.0);
    returnFlight.lineTo(centre.x() + halfWidth - 12.0, railY - 2.0);
    returnFlight.lineTo(centre.x() + halfWidth - 12.0, railY + 22.0);
    sheet.hidden(returnFlight);
    sheet.filledOutline(rectanglePath(centre.x() - 9.0, railY - 8.0, 18.0, 12.0),
                        QColor(255, 255, 255));

    sheet.centreLine(QPointF(centre.x(), top - 4.0), QPointF(centre.x(), bottom + 4.0));
    sheet.dimension(QPointF(centre.x() - halfWidth, bottom + plate),
                    QPointF(centre.x() + halfWidth, bottom + plate), -10.0, QStringLiteral("600"));
    sheet.dimension(QPointF(centre.x() + halfWidth + plate, top - plate),
                    QPointF(centre.x() + halfWidth + plate, bottom + plate), 14.0,
                    QStringLiteral("720"));
    sheet.balloon(QPointF(centre.x() + 20.0, bottom - 3.0),
                  QPointF(centre.x() + 58.0, bottom + 2.0), 7);
    sheet.balloon(QPointF(centre.x() - halfWidth + 5.0, chainY - 8.0),
                  QPointF(centre.x() - halfWidth - 20.0, chainY - 20.0), 2);
}

// Detail C: a run of forged chain with one flight attachment, seen from the side and above.
void drawChainDetail(DraftingSheet &sheet, QPointF origin)
{
    const double pitch = 24.0;
    for (int link = 0; link < 5; ++link) {
        const double x = origin.x() + link * pitch;
        QPainterPath outer;
        if (link % 2 == 0) {
            outer.addRoundedRect(QRectF(x - 2.0, origin.y() - 7.0, pitch + 4.0, 14.0), 7.0, 7.0);
            QPainterPath inner;
            inner.addRoundedRect(QRectF(x + 3.0, origin.y() - 3.0, pitch - 6.0, 6.0), 3.0, 3.0);
            sheet.filledOutline(outer - inner, DraftingSheet::memberFill());
            sheet.thin(inner);
        } else {
            outer.addRoundedRect(QRectF(x - 2.0, origin.y() - 2.5, pitch + 4.0, 5.0), 2.5, 2.5);
            sheet.filledOutline(outer, DraftingSheet::partFill());
        }
    }
    // The flight welded on the third link, standing up.
    const double flightX = origin.x() + 2 * pitch + pitch / 2.0;
    const QPainterPath flight = rectanglePath(flightX - 3.0, origin.y() - 40.0, 6.0, 33.0);
    sheet.hatch(flight, 2.2);
    sheet.outline(flight);
    sheet.solid(polygonPath({QPointF(flightX - 3.0, origin.y() - 9.0),
                             QPointF(flightX - 7.0, origin.y() - 7.0),
                             QPointF(flightX - 3.0, origin.y() - 13.0)}));
    sheet.solid(polygonPath({QPointF(flightX + 3.0, origin.y() - 9.0),
                             QPointF(flightX + 7.0, origin.y() - 7.0),
                             QPointF(flightX + 3.0, origin.y() - 13.0)}));
    sheet.centreLine(QPointF(origin.x() - 6.0, origin.y()),
                     QPointF(origin.x() + 5 * pitch + 6.0, origin.y()));
    sheet.dimension(QPointF(origin.x() + pitch, origin.y() + 7.0),
                    QPointF(origin.x() + 2 * pitch, origin.y() + 7.0), -10.0,
                    QStringLiteral("t 100"));
    sheet.note(QPointF(origin.x() - 4.0, origin.y() + 36.0),
               QStringLiteral("ROUND LINK CHAIN 26x100,"), 6.5);
    sheet.note(QPointF(origin.x() - 4.0, origin.y() + 44.0), QStringLiteral("CASE HARDENED"), 6.5);
}

} // namespace

QImage drawDragChainSheet(QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    {
        DraftingSheet sheet(image);
        const QRectF area = sheet.drawingArea();
        const QRectF titleBlock = sheet.drawTitleBlock(
            {QStringLiteral("DRAG CHAIN CONVEYOR  DC 600"), QStringLiteral("GENERAL ARRANGEMENT"),
             QStringLiteral("KV-104"), QStringLiteral("1:75")},
            204.0);
        const std::vector<PartsListRow> parts{
            {"1", "CASING SECTION 3 m", "6", "S235, t=5"},
            {"2", "CHAIN WITH FLIGHTS", "38 m", "20MnCr5"},
            {"3", "HEAD SPROCKET Z10", "2", "42CrMo4"},
            {"4", "TAIL SPROCKET Z8 + TAKE-UP", "2", "42CrMo4"},
            {"5", "DRIVE 11 kW", "1", "-"},
            {"6", "INLET 400x400", "2", "S235"},
            {"7", "FLOOR LINER", "6", "HARDOX 400"},
        };
        sheet.drawPartsList(parts, QPointF(area.right(), titleBlock.top()), 204.0);

        const double left = area.left() + 44.0;
        const double right = area.right() - 36.0;
        sheet.viewTitle(QPointF(area.left() + 80.0, area.top() + 2.0), QStringLiteral("ELEVATION"),
                        QStringLiteral("SCALE 1:75"));
        drawElevation(sheet, left, right, area.top() + 40.0, area.top() + 132.0);
        sheet.viewTitle(QPointF(area.left() + 80.0, area.top() + 158.0), QStringLiteral("PLAN"),
                        QStringLiteral("SCALE 1:75"));
        drawPlan(sheet, left, right, area.top() + 186.0);
        sheet.viewTitle(QPointF(area.left() + 82.0, area.top() + 224.0),
                        QStringLiteral("SECTION B-B"), QStringLiteral("SCALE 1:10"));
        drawCasingSection(sheet, QPointF(area.left() + 82.0, area.top() + 300.0));
        sheet.viewTitle(QPointF(area.left() + 240.0, area.top() + 224.0),
                        QStringLiteral("DETAIL C"), QStringLiteral("CHAIN AND FLIGHT  1:5"));
        drawChainDetail(sheet, QPointF(area.left() + 186.0, area.top() + 318.0));
    }
    return image;
}

} // namespace portfolio_art
