#include "BeltConveyorSheet.h"

#include "DraftingShapes.h"
#include "DraftingSheet.h"

#include <QTransform>

#include <cmath>

namespace portfolio_art {

namespace {

// The conveyor's own frame: u runs along the belt from the tail pulley centre, v points up.
struct ConveyorFrame
{
    QPointF tail;
    double angleDegrees;

    QTransform toSheet() const
    {
        QTransform transform;
        transform.translate(tail.x(), tail.y());
        transform.rotate(-angleDegrees);
        transform.scale(1.0, -1.0);
        return transform;
    }
    QPointF at(double u, double v) const { return toSheet().map(QPointF(u, v)); }
};

// The long elevation: inclined conveyor with trestles, drive, chutes and dimensions.
void drawElevation(DraftingSheet &sheet, const QRectF &area)
{
    const double groundY = area.bottom();
    const ConveyorFrame frame{QPointF(area.left() + 30.0, groundY - 54.0), 9.5};
    const double length = 486.0;
    const QTransform toSheet = frame.toSheet();
    const double headRadius = 12.0;
    const double tailRadius = 9.0;
    const QPointF headCentre(length, -9.0);
    const QPointF tailCentre(0.0, -12.0);
    const QPointF headPoint = toSheet.map(headCentre);
    const QPointF tailPoint = toSheet.map(tailCentre);

    // Trestles under the stringer, the tail stand and the head frame, all down to the ground.
    const auto leg = [&](double x, double topY) {
        const QPainterPath member = rectanglePath(x - 2.5, topY, 5.0, groundY - topY);
        sheet.filledOutline(member, DraftingSheet::memberFill());
        sheet.thin(rectanglePath(x - 6.0, groundY - 2.5, 12.0, 2.5));
    };
    for (double u : {96.0, 226.0, 356.0}) {
        const QPointF top = frame.at(u, -17.0);
        leg(top.x(), top.y());
        sheet.thin(QLineF(top + QPointF(-2.5, 14.0), frame.at(u - 20.0, -17.0)));
        sheet.thin(QLineF(top + QPointF(2.5, 14.0), frame.at(u + 20.0, -17.0)));
    }
    leg(frame.at(10.0, -17.0).x(), frame.at(10.0, -17.0).y());
    const double headFrameLeft = headPoint.x() - 26.0;
    const double headFrameRight = headPoint.x() - 2.0;
    const double headFrameTop = frame.at(length - 26.0, -17.0).y();
    leg(headFrameLeft, headFrameTop);
    leg(headFrameRight, headPoint.y() + 26.0);
    sheet.thin(
        QLineF(headFrameLeft + 2.5, headFrameTop + 8.0, headFrameRight - 2.5, groundY - 6.0));
    sheet.thin(
        QLineF(headFrameRight - 2.5, headPoint.y() + 30.0, headFrameLeft + 2.5, groundY - 6.0));

    // Stringers: a pair of channels seen from the side, as one deep member with a flange line.
    const QPainterPath stringer = toSheet.map(rectanglePath(-8.0, -17.0, length + 4.0, 8.0));
    sheet.filledOutline(stringer, DraftingSheet::memberFill());
    sheet.thin(toSheet.map(QLineF(-8.0, -15.0, length - 4.0, -15.0)));

    // Carrying idlers on brackets, each with its troughing wing roll behind.
    const double idlerPitch = 26.0;
    for (double u = 24.0; u < length - 16.0; u += idlerPitch) {
        sheet.thin(toSheet.map(QLineF(u, -9.0, u, -4.0)));
        sheet.thin(toSheet.map(rectanglePath(u - 4.0, -4.5, 8.0, 2.0)));
        sheet.thin(toSheet.map(circlePath({u, 2.5}, 3.0)));
        sheet.painter().setBrush(DraftingSheet::partFill());
        sheet.outline(toSheet.map(circlePath({u, -1.0}, 3.0)));
    }
    // Return idlers hung under the stringer.
    for (double u = 50.0; u < length - 20.0; u += idlerPitch * 3) {
        sheet.thin(toSheet.map(QLineF(u - 3.0, -17.0, u - 3.0, -25.0)));
        sheet.thin(toSheet.map(QLineF(u + 3.0, -17.0, u + 3.0, -25.0)));
        sheet.painter().setBrush(DraftingSheet::partFill());
        sheet.outline(toSheet.map(circlePath({u, -25.0}, 3.0)));
    }

    // The belt: carrying strand on the idlers, return strand on the return rolls, wrapped round
    // both pulleys.
    QPainterPath belt;
    belt.moveTo(0.0, tailCentre.y() + tailRadius + 1.0);
    belt.lineTo(length, headCentre.y() + headRadius + 1.0);
    belt.arcTo(QRectF(length - headRadius - 1.0, headCentre.y() - headRadius - 1.0,
                      2 * headRadius + 2.0, 2 * headRadius + 2.0),
               90.0, -180.0);
    belt.lineTo(0.0, tailCentre.y() - tailRadius - 1.0);
    belt.arcTo(QRectF(-tailRadius - 1.0, tailCentre.y() - tailRadius - 1.0, 2 * tailRadius + 2.0,
                      2 * tailRadius + 2.0),
               270.0, -180.0);
    sheet.painter().setPen(QPen(DraftingSheet::ink(), 2.8, Qt::SolidLine, Qt::RoundCap));
    sheet.painter().setBrush(Qt::NoBrush);
    sheet.painter().drawPath(toSheet.map(belt));
    // The load riding on the carrying strand, from the feed chute to the head.
    QPainterPath load;
    load.moveTo(44.0, 3.0);
    for (double u = 48.0; u <= length - 20.0; u += 8.0)
        load.lineTo(u, 5.8 + 0.8 * std::sin(u * 0.7));
    load.lineTo(length - 14.0, 3.0);
    sheet.thin(toSheet.map(load));

    // Pulleys, lagged head pulley, and the snub pulley behind it.
    sheet.painter().setBrush(DraftingSheet::partFill());
    sheet.outline(toSheet.map(circlePath(headCentre, headRadius)));
    sheet.thin(toSheet.map(circlePath(headCentre, headRadius - 2.5)));
    sheet.painter().setBrush(DraftingSheet::partFill());
    sheet.outline(toSheet.map(circlePath(tailCentre, tailRadius)));
    sheet.outline(toSheet.map(circlePath(tailCentre, 2.5)));
    sheet.centreMark(tailPoint, tailRadius + 3.0);
    const QPointF snubCentre(length - 28.0, -24.0);
    sheet.painter().setBrush(DraftingSheet::partFill());
    sheet.outline(toSheet.map(circlePath(snubCentre, 5.0)));
    // Screw take-up behind the tail pulley.
    sheet.thin(toSheet.map(QLineF(-24.0, -12.0, -9.0, -12.0)));
    sheet.thin(toSheet.map(rectanglePath(-20.0, -15.0, 4.0, 6.0)));

    // Shaft-mounted gearbox on the head shaft, its motor alongside and the torque arm.
    const QPainterPath motor = rectanglePath(headPoint.x() - 58.0, headPoint.y() + 8.0, 38.0, 15.0);
    sheet.filledOutline(motor, QColor(255, 255, 255));
    for (double fin = headPoint.x() - 52.0; fin < headPoint.x() - 26.0; fin += 3.0)
        sheet.thin(QLineF(fin, headPoint.y() + 9.5, fin, headPoint.y() + 21.5));
    QPainterPath cowl;
    cowl.addRoundedRect(QRectF(headPoint.x() - 66.0, headPoint.y() + 9.0, 10.0, 13.0), 4.0, 4.0);
    sheet.filledOutline(cowl, QColor(255, 255, 255));
    QPainterPath gearbox;
    gearbox.addRoundedRect(QRectF(headPoint.x() - 20.0, headPoint.y() - 11.0, 24.0, 36.0), 3.0,
                           3.0);
    sheet.filledOutline(gearbox, QColor(255, 255, 255));
    sheet.thin(QLineF(headPoint.x() - 20.0, headPoint.y() + 12.0, headPoint.x() + 4.0,
                      headPoint.y() + 12.0));
    sheet.painter().setBrush(DraftingSheet::partFill());
    sheet.outline(circlePath(headPoint, 4.0));
    sheet.outline(QLineF(headPoint.x() - 8.0, headPoint.y() + 25.0, headPoint.x() - 8.0,
                         headPoint.y() + 20.0));
    sheet.centreMark(headPoint, headRadius + 4.0);
    sheet.detailCallout(headPoint, headRadius + 12.0, QStringLiteral("B"));

    // Discharge hood round the head pulley and the chute down to the next conveyor.
    const QPointF hoodBack = frame.at(length - 40.0, 5.0);
    const double hoodTop = headPoint.y() - 26.0;
    const double hoodFront = headPoint.x() + 26.0;
    const double chuteBottom = groundY - 30.0;
    QPainterPath hood;
    hood.moveTo(hoodBack);
    hood.lineTo(hoodBack.x() + 8.0, hoodTop);
    hood.lineTo(hoodFront, hoodTop);
    hood.lineTo(hoodFront, chuteBottom);
    hood.lineTo(headPoint.x() + 6.0, chuteBottom);
    hood.lineTo(headPoint.x() + 6.0, headPoint.y() + 20.0);
    sheet.outline(hood);
    sheet.outline(QLineF(headPoint.x() + 3.0, chuteBottom, hoodFront + 3.0, chuteBottom));
    sheet.thin(QLineF(hoodBack.x() + 8.0, hoodTop + 4.0, hoodFront, hoodTop + 4.0));
    // The receiving conveyor, shown hidden.
    sheet.hidden(circlePath(QPointF(headPoint.x() + 20.0, chuteBottom + 14.0), 7.0));
    sheet.hidden(
        QLineF(headPoint.x() - 30.0, chuteBottom + 7.0, headPoint.x() + 20.0, chuteBottom + 7.0));

    // Feed chute over the tail: skirt boards on the belt and a hopper above them.
    const QPainterPath skirts = toSheet.map(rectanglePath(14.0, 3.0, 70.0, 9.0));
    sheet.filledOutline(skirts, DraftingSheet::partFill());
    const QPointF openingLeft = frame.at(26.0, 12.0);
    const QPointF openingRight = frame.at(60.0, 12.0);
    const double rimY = openingRight.y() - 40.0;
    const QPainterPath hopper =
        polygonPath({openingLeft, openingRight, QPointF(openingRight.x() + 10.0, rimY),
                     QPointF(openingLeft.x() - 14.0, rimY)});
    sheet.filledOutline(hopper, QColor(255, 255, 255));
    sheet.outline(QLineF(openingLeft.x() - 18.0, rimY, openingRight.x() + 14.0, rimY));
    sheet.thin(QLineF(openingLeft.x() - 10.0, rimY + 7.0, openingRight.x() + 8.0, rimY + 7.0));

    // Ground line with its hatch marks.
    sheet.outline(QLineF(area.left(), groundY, area.right(), groundY));
    sheet.painter().setPen(QPen(DraftingSheet::ink(), 0.7));
    for (double x = area.left() + 2.0; x < area.right(); x += 6.0)
        sheet.painter().drawLine(QLineF(x, groundY + 4.0, x + 4.0, groundY));

    // Dimensions: overall centres, lift at the head, idler pitch, and the incline.
    sheet.dimension(QPointF(tailPoint.x(), groundY), QPointF(headPoint.x(), groundY), -13.0,
                    QStringLiteral("24 600"));
    sheet.thin(QLineF(headPoint.x(), groundY + 2.0, headPoint.x(), groundY + 15.0));
    sheet.thin(QLineF(tailPoint.x(), groundY + 2.0, tailPoint.x(), groundY + 15.0));
    const double liftX = area.right() - 12.0;
    sheet.dimension(QPointF(liftX, headPoint.y()), QPointF(liftX, groundY), 0.0,
                    QStringLiteral("6 850"));
    sheet.thin(QLineF(hoodFront + 4.0, headPoint.y(), liftX + 4.0, headPoint.y()));
    const double pitchStart = 24.0 + idlerPitch * 6;
    sheet.dimension(frame.at(pitchStart, 6.0), frame.at(pitchStart + idlerPitch, 6.0), 16.0,
                    QStringLiteral("1200"));
    // The incline, measured under the stringer between two trestles.
    const QPointF anglePoint = frame.at(120.0, -17.0);
    sheet.thin(QLineF(anglePoint, anglePoint + QPointF(74.0, 0.0)));
    const QRectF arcBox(anglePoint.x() - 64, anglePoint.y() - 64, 128, 128);
    QPainterPath angleArc;
    angleArc.arcMoveTo(arcBox, 0.0);
    angleArc.arcTo(arcBox, 0.0, frame.angleDegrees);
    sheet.painter().setPen(QPen(DraftingSheet::dimensionInk(), 0.9));
    sheet.painter().setBrush(Qt::NoBrush);
    sheet.painter().drawPath(angleArc);
    sheet.note(anglePoint + QPointF(50.0, 9.0), QStringLiteral("9.5°"), 7.0);

    // Section cut through the carrying run.
    sheet.sectionCut(frame.at(288.0, 28.0), frame.at(288.0, -40.0),
                     frame.at(1.0, 0.0) - frame.at(0.0, 0.0), QStringLiteral("A"));

    // Balloons naming the parts.
    sheet.balloon(headPoint + QPointF(6.0, -9.0), QPointF(headPoint.x() - 6.0, hoodTop - 16.0), 1);
    sheet.balloon(tailPoint + QPointF(-5.0, 6.0), tailPoint + QPointF(-14.0, 28.0), 2);
    sheet.balloon(frame.at(24.0 + idlerPitch * 4, 2.0), frame.at(24.0 + idlerPitch * 4, 40.0), 3);
    sheet.balloon(frame.at(50.0 + idlerPitch * 9, -27.0),
                  frame.at(50.0 + idlerPitch * 9 + 14.0, -54.0), 4);
    sheet.balloon(frame.at(24.0 + idlerPitch * 12.5, 2.2), frame.at(24.0 + idlerPitch * 12.5, 36.0),
                  5);
    sheet.balloon(QPointF(headPoint.x() - 40.0, headPoint.y() + 20.0),
                  QPointF(headPoint.x() - 70.0, headPoint.y() + 44.0), 6);
    sheet.balloon(frame.at(226.0, -48.0), frame.at(206.0, -62.0), 7);
    sheet.balloon(QPointF(openingLeft.x() - 4.0, rimY + 16.0),
                  QPointF(openingLeft.x() - 26.0, rimY + 8.0), 8);

    sheet.viewTitle(QPointF(area.left() + 150.0, area.top()), QStringLiteral("ELEVATION"),
                    QStringLiteral("SCALE 1:100"));
}

// Section A-A: troughed carrying idler, return roll, stringers and trestle.
void drawTroughSection(DraftingSheet &sheet, QPointF centre)
{
    const double rollLength = 30.0;
    const double rollRadius = 6.0;
    const double troughRadians = 35.0 * M_PI / 180.0;
    const double rollTop = centre.y() - 20.0;

    // Centre roll, then wing rolls turned up at 35 degrees.
    const auto roll = [&](QPointF innerEnd, double angle) {
        QTransform place;
        place.translate(innerEnd.x(), innerEnd.y());
        place.rotate(angle);
        const QPainterPath body = place.map(rectanglePath(0.0, 0.0, rollLength, 2 * rollRadius));
        sheet.painter().fillPath(body, QColor(255, 255, 255));
        sheet.outline(body);
        sheet.centreLine(place.map(QPointF(0.0, rollRadius)),
                         place.map(QPointF(rollLength, rollRadius)));
        sheet.thin(place.map(QLineF(-3.0, rollRadius, 0.0, rollRadius)));
        sheet.thin(place.map(QLineF(rollLength, rollRadius, rollLength + 3.0, rollRadius)));
    };
    const QPointF centreRollLeft(centre.x() - rollLength / 2.0, rollTop);
    roll(centreRollLeft, 0.0);
    const QPointF rightWing(centre.x() + rollLength / 2.0 + 3.0, rollTop);
    roll(rightWing, -35.0);
    const QPointF leftWingOuter(centre.x() - rollLength / 2.0 - 3.0 -
                                    rollLength * std::cos(troughRadians),
                                rollTop - rollLength * std::sin(troughRadians));
    roll(leftWingOuter, 35.0);

    // Troughed belt and the load heaped on it.
    const double wingRise = (rollLength + 4.0) * std::sin(troughRadians);
    const double wingRun = (rollLength + 4.0) * std::cos(troughRadians);
    const double beltY = rollTop - 2.0;
    QPainterPath belt;
    belt.moveTo(centre.x() - rollLength / 2.0 - 1.5 - wingRun, beltY - wingRise);
    belt.lineTo(centre.x() - rollLength / 2.0 - 1.5, beltY);
    belt.lineTo(centre.x() + rollLength / 2.0 + 1.5, beltY);
    belt.lineTo(centre.x() + rollLength / 2.0 + 1.5 + wingRun, beltY - wingRise);
    sheet.painter().setPen(
        QPen(DraftingSheet::ink(), 3.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    sheet.painter().setBrush(Qt::NoBrush);
    sheet.painter().drawPath(belt);
    QPainterPath heap;
    heap.moveTo(centre.x() - rollLength / 2.0 - wingRun * 0.72, beltY - wingRise * 0.72 - 1.5);
    heap.quadTo(
        QPointF(centre.x(), beltY - wingRise * 1.45),
        QPointF(centre.x() + rollLength / 2.0 + wingRun * 0.72, beltY - wingRise * 0.72 - 1.5));
    heap.lineTo(centre.x() + rollLength / 2.0, beltY - 1.5);
    heap.lineTo(centre.x() - rollLength / 2.0, beltY - 1.5);
    heap.closeSubpath();
    sheet.painter().save();
    sheet.painter().setClipPath(heap);
    sheet.painter().setPen(Qt::NoPen);
    sheet.painter().fillPath(heap, QColor(232, 226, 214));
    sheet.painter().setBrush(QColor(90, 90, 100));
    for (int dot = 0; dot < 160; ++dot) {
        const double x = centre.x() - 46.0 + std::fmod(dot * 37.31, 92.0);
        const double y = beltY - 1.0 - std::fmod(dot * 13.73, 26.0);
        sheet.painter().drawEllipse(QPointF(x, y), 0.6, 0.6);
    }
    sheet.painter().restore();
    sheet.thin(heap);

    // Idler frame: a base angle on the stringers with two wing brackets.
    const double baseY = rollTop + 2 * rollRadius + 6.0;
    const double halfFrame = 62.0;
    const QPainterPath base = rectanglePath(centre.x() - halfFrame, baseY, 2 * halfFrame, 4.0);
    sheet.hatch(base, 2.5);
    sheet.outline(base);
    for (double side : {-1.0, 1.0}) {
        const QPointF foot(centre.x() + side * (rollLength / 2.0 + 2.0), baseY);
        sheet.outline(QLineF(foot, foot + QPointF(0.0, -2 * rollRadius - 6.0)));
        const QPointF outer(centre.x() + side * (rollLength / 2.0 + wingRun + 6.0), baseY);
        sheet.outline(QLineF(outer, outer + QPointF(-side * 4.0, -wingRise - 8.0)));
        sheet.thin(QLineF(foot, outer + QPointF(-side * 4.0, -wingRise - 8.0)));
    }

    // Stringer channels, cut and hatched: a C facing inwards on each side.
    for (double side : {-1.0, 1.0}) {
        const double webX = centre.x() + side * (halfFrame - 2.0);
        const double flange = 9.0;
        const double depth = 24.0;
        QPainterPath channel;
        const double top = baseY + 4.0;
        channel.moveTo(webX, top);
        channel.lineTo(webX - side * flange, top);
        channel.lineTo(webX - side * flange, top + 3.0);
        channel.lineTo(webX - side * 3.0, top + 3.0);
        channel.lineTo(webX - side * 3.0, top + depth - 3.0);
        channel.lineTo(webX - side * flange, top + depth - 3.0);
        channel.lineTo(webX - side * flange, top + depth);
        channel.lineTo(webX, top + depth);
        channel.closeSubpath();
        sheet.solid(channel);
    }

    // Return roll under the stringers with the flat return belt.
    const double returnY = baseY + 38.0;
    const QPainterPath returnRoll =
        rectanglePath(centre.x() - halfFrame + 8.0, returnY, 2 * halfFrame - 16.0, 10.0);
    sheet.painter().fillPath(returnRoll, QColor(255, 255, 255));
    sheet.outline(returnRoll);
    sheet.centreLine(QPointF(centre.x() - halfFrame + 8.0, returnY + 5.0),
                     QPointF(centre.x() + halfFrame - 8.0, returnY + 5.0));
    sheet.painter().setPen(QPen(DraftingSheet::ink(), 3.0, Qt::SolidLine, Qt::RoundCap));
    sheet.painter().drawLine(QLineF(centre.x() - halfFrame + 16.0, returnY - 1.6,
                                    centre.x() + halfFrame - 16.0, returnY - 1.6));
    for (double side : {-1.0, 1.0}) {
        const double x = centre.x() + side * (halfFrame - 4.0);
        sheet.outline(QLineF(x, baseY + 28.0, x, returnY + 8.0));
        sheet.thin(rectanglePath(x - 2.0, returnY + 2.0, 4.0, 6.0));
    }

    // Trestle legs with cross bracing down to the base.
    const double groundY = returnY + 40.0;
    for (double side : {-1.0, 1.0}) {
        const double x = centre.x() + side * (halfFrame - 2.0);
        const QPainterPath leg = rectanglePath(x - 2.5, baseY + 28.0, 5.0, groundY - baseY - 28.0);
        sheet.painter().fillPath(leg, QColor(226, 230, 240));
        sheet.outline(leg);
        sheet.thin(rectanglePath(x - 7.0, groundY - 2.0, 14.0, 2.0));
    }
    sheet.thin(QLineF(centre.x() - halfFrame + 1.0, returnY + 14.0, centre.x() + halfFrame - 3.0,
                      groundY - 4.0));
    sheet.thin(QLineF(centre.x() + halfFrame - 1.0, returnY + 14.0, centre.x() - halfFrame + 3.0,
                      groundY - 4.0));
    sheet.outline(
        QLineF(centre.x() - halfFrame - 16.0, groundY, centre.x() + halfFrame + 16.0, groundY));
    sheet.centreLine(QPointF(centre.x(), rollTop - 40.0), QPointF(centre.x(), groundY));

    // Dimensions.
    const double beltLeft = centre.x() - rollLength / 2.0 - 1.5 - wingRun;
    const double beltRight = centre.x() + rollLength / 2.0 + 1.5 + wingRun;
    sheet.dimension(QPointF(beltLeft, beltY - wingRise), QPointF(beltRight, beltY - wingRise), 16.0,
                    QStringLiteral("B 650"));
    sheet.dimension(QPointF(centre.x() - halfFrame, groundY),
                    QPointF(centre.x() + halfFrame, groundY), -10.0, QStringLiteral("1 050"));
    sheet.note(QPointF(centre.x() + rollLength / 2.0 + 16.0, rollTop - 3.0), QStringLiteral("35°"),
               7.0);

    sheet.balloon(QPointF(centre.x() + 10.0, rollTop + 8.0),
                  QPointF(centre.x() + 26.0, rollTop + 30.0), 3);
    sheet.balloon(QPointF(centre.x() - 20.0, returnY + 5.0),
                  QPointF(centre.x() - 34.0, returnY + 22.0), 4);
}

// Detail B: the head pulley in plan, upper half in section, with shaft, bearings and coupling.
void drawPulleyDetail(DraftingSheet &sheet, QPointF centre)
{
    const double faceHalf = 44.0;
    const double drumRadius = 24.0;
    const double shell = 3.5;
    const double shaftRadius = 5.5;
    const double bearingX = 64.0;

    sheet.centreLine(QPointF(centre.x() - 82.0, centre.y()),
                     QPointF(centre.x() + 96.0, centre.y()));

    // Lower half in view.
    const QPainterPath lowerDrum =
        rectanglePath(centre.x() - faceHalf, centre.y(), 2 * faceHalf, drumRadius);
    sheet.outline(lowerDrum);
    // Shading lines of the drum, closer together towards its edge.
    for (double angle = 20.0; angle < 90.0; angle += 16.0) {
        const double y = centre.y() + drumRadius * std::sin(angle * M_PI / 180.0);
        sheet.thin(QLineF(centre.x() - faceHalf + 1.0, y, centre.x() + faceHalf - 1.0, y));
    }

    // Upper half in section: shell with lagging, end discs, hubs.
    QPainterPath shellSection =
        rectanglePath(centre.x() - faceHalf, centre.y() - drumRadius, 2 * faceHalf, shell);
    QPainterPath lagging = rectanglePath(centre.x() - faceHalf + 2.0, centre.y() - drumRadius - 2.5,
                                         2 * faceHalf - 4.0, 2.5);
    sheet.solid(lagging);
    sheet.hatch(shellSection, 2.5);
    sheet.outline(shellSection);
    for (double side : {-1.0, 1.0}) {
        const double discX = centre.x() + side * (faceHalf - 3.0);
        const QPainterPath disc = rectanglePath(discX - 2.5, centre.y() - drumRadius + shell, 5.0,
                                                drumRadius - shell - shaftRadius - 4.0);
        sheet.hatch(disc, 2.5);
        sheet.outline(disc);
        const QPainterPath hub =
            rectanglePath(discX - 6.0, centre.y() - shaftRadius - 4.0, 12.0, 4.0);
        sheet.hatch(hub, 2.0, -45.0);
        sheet.outline(hub);
    }

    // Shaft through both bearings to the coupling.
    const QPainterPath shaft = rectanglePath(centre.x() - bearingX - 10.0, centre.y() - shaftRadius,
                                             2 * bearingX + 34.0, 2 * shaftRadius);
    sheet.painter().fillPath(shaft, QColor(255, 255, 255));
    sheet.outline(shaft);
    sheet.centreLine(QPointF(centre.x() - 82.0, centre.y()),
                     QPointF(centre.x() + 96.0, centre.y()));
    sheet.thin(QLineF(centre.x() - 10.0, centre.y() - shaftRadius + 2.0, centre.x() + 10.0,
                      centre.y() - shaftRadius + 2.0));

    // Plummer blocks on their soles.
    for (double side : {-1.0, 1.0}) {
        const double x = centre.x() + side * bearingX;
        QPainterPath block;
        block.addRoundedRect(QRectF(x - 9.0, centre.y() - 12.0, 18.0, 24.0), 3.0, 3.0);
        sheet.painter().fillPath(block, QColor(255, 255, 255));
        sheet.outline(block);
        sheet.thin(rectanglePath(x - 14.0, centre.y() + 12.0, 28.0, 4.0));
        sheet.thin(QLineF(x - 9.0, centre.y(), x + 9.0, centre.y()));
        sheet.centreLine(QPointF(x, centre.y() - 16.0), QPointF(x, centre.y() + 18.0));
    }

    // Coupling half at the drive end.
    const QPainterPath coupling =
        rectanglePath(centre.x() + bearingX + 16.0, centre.y() - 11.0, 10.0, 22.0);
    sheet.hatch(coupling, 2.5);
    sheet.outline(coupling);

    sheet.dimension(QPointF(centre.x() - faceHalf, centre.y() - drumRadius - 3.0),
                    QPointF(centre.x() + faceHalf, centre.y() - drumRadius - 3.0), 10.0,
                    QStringLiteral("750"));
    sheet.dimension(QPointF(centre.x() - bearingX, centre.y() + 16.0),
                    QPointF(centre.x() + bearingX, centre.y() + 16.0), -22.0,
                    QStringLiteral("1 150"));
    sheet.thin(QLineF(centre.x() - faceHalf - 2.0, centre.y() - drumRadius,
                      centre.x() - bearingX - 26.0, centre.y() - drumRadius));
    sheet.thin(QLineF(centre.x() - faceHalf - 2.0, centre.y() + drumRadius,
                      centre.x() - bearingX - 26.0, centre.y() + drumRadius));
    sheet.dimension(QPointF(centre.x() - bearingX - 22.0, centre.y() + drumRadius),
                    QPointF(centre.x() - bearingX - 22.0, centre.y() - drumRadius), 0.0,
                    QStringLiteral("Ø500"));
    sheet.note(QPointF(centre.x() + bearingX + 8.0, centre.y() - 18.0), QStringLiteral("Ø90 k6"),
               6.5);
}

} // namespace

QImage drawBeltConveyorSheet(QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    {
        DraftingSheet sheet(image);
        const QRectF area = sheet.drawingArea();

        const QRectF titleBlock = sheet.drawTitleBlock(
            {QStringLiteral("BELT CONVEYOR  B650 x 24.6 m"), QStringLiteral("GENERAL ARRANGEMENT"),
             QStringLiteral("KV-101"), QStringLiteral("1:100")},
            212.0);
        const std::vector<PartsListRow> parts{
            {"1", "HEAD PULLEY Ø500, LAGGED", "1", "S235 / RUBBER"},
            {"2", "TAIL PULLEY Ø400", "1", "S235"},
            {"3", "TROUGHED IDLER 35°", "19", "STEEL TUBE"},
            {"4", "RETURN IDLER", "7", "STEEL TUBE"},
            {"5", "BELT EP400/3  B650", "52 m", "RUBBER"},
            {"6", "DRIVE UNIT 7.5 kW", "1", "-"},
            {"7", "TRESTLE", "4", "UPN 120"},
            {"8", "FEED CHUTE WITH SKIRTS", "1", "S235 + LINER"},
        };
        const QRectF partsList =
            sheet.drawPartsList(parts, QPointF(area.right(), titleBlock.top()), 212.0);

        drawElevation(sheet,
                      QRectF(area.left() + 6.0, area.top() + 4.0, area.width() - 12.0, 168.0));
        sheet.viewTitle(QPointF(area.left() + 88.0, area.top() + 196.0),
                        QStringLiteral("SECTION A-A"), QStringLiteral("SCALE 1:20"));
        drawTroughSection(sheet, QPointF(area.left() + 88.0, area.top() + 290.0));
        sheet.viewTitle(QPointF(area.left() + 274.0, area.top() + 196.0),
                        QStringLiteral("DETAIL B - HEAD PULLEY"), QStringLiteral("SCALE 1:10"));
        drawPulleyDetail(sheet, QPointF(area.left() + 266.0, area.top() + 282.0));

        // General notes above the parts list.
        const double notesLeft = partsList.left();
        double line = area.top() + 200.0;
        sheet.note(QPointF(notesLeft, line), QStringLiteral("NOTES:"), 7.5);
        const char *const notes[] = {
            "1. ALL DIMENSIONS IN MILLIMETRES UNLESS STATED.",
            "2. CAPACITY 250 t/h, BELT SPEED 2.0 m/s.",
            "3. IDLER PITCH 1200 CARRYING, 3600 RETURN.",
            "4. STEELWORK PRIMED AND PAINTED RAL 6011.",
            "5. FOR DETAILS OF DRIVE SEE DWG KV-105.",
        };
        for (const char *text : notes) {
            line += 9.5;
            sheet.note(QPointF(notesLeft + 4.0, line), QString::fromLatin1(text), 6.5);
        }
    }
    return image;
}

} // namespace portfolio_art
