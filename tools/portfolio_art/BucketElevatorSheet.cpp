#include "BucketElevatorSheet.h"

#include "DraftingShapes.h"
#include "DraftingSheet.h"

#include <QTransform>

#include <cmath>

namespace portfolio_art {

namespace {

// One bucket in profile: a scoop hanging on the belt at `mount`, opening away from the belt in
// the direction `outward` (+1 right, -1 left), mouth up when `mouthUp`.
QPainterPath bucketProfile(QPointF mount, double outward, bool mouthUp)
{
    const double depth = 11.0;
    const double height = 9.0;
    const double lip = mouthUp ? -1.0 : 1.0;
    QPainterPath bucket;
    bucket.moveTo(mount + QPointF(0.0, -lip * height / 2.0));
    bucket.lineTo(mount + QPointF(outward * depth, -lip * height / 2.0 - lip * 2.0));
    bucket.quadTo(mount + QPointF(outward * depth, lip * height / 2.0),
                  mount + QPointF(0.0, lip * height / 2.0));
    bucket.closeSubpath();
    return bucket;
}

// A bucket placed on the pulley rim at `angleDegrees` (0 = right, counter-clockwise, y up),
// standing out from the belt with its mouth facing the way the belt runs (clockwise).
QPainterPath bucketOnPulley(QPointF centre, double radius, double angleDegrees)
{
    QTransform place;
    place.translate(centre.x(), centre.y());
    place.rotate(-angleDegrees);
    return place.map(bucketProfile(QPointF(radius, 0.0), 1.0, false));
}

void drawHandrail(DraftingSheet &sheet, double left, double right, double floorY)
{
    sheet.outline(QLineF(left, floorY, right, floorY));
    sheet.thin(QLineF(left, floorY - 20.0, right, floorY - 20.0));
    sheet.thin(QLineF(left, floorY - 10.0, right, floorY - 10.0));
    for (double x = left; x <= right + 0.1; x += (right - left) / 3.0)
        sheet.thin(QLineF(x, floorY, x, floorY - 20.0));
}

void drawFrontElevation(DraftingSheet &sheet, double centreX, double top, double groundY)
{
    const double headBottom = top + 70.0;
    const double bootTop = groundY - 56.0;
    const double headRadius = 24.0;
    const QPointF headCentre(centreX, top + 36.0);
    const QPointF bootCentre(centreX, groundY - 36.0);
    const double bootRadius = 16.0;
    const double upLeg = centreX - headRadius;   // belt line of the rising strand
    const double downLeg = centreX + headRadius; // belt line of the returning strand

    // Ladder beside the casing up to the head platform.
    const double ladderLeft = centreX + 48.0;
    sheet.thin(QLineF(ladderLeft, headBottom, ladderLeft, groundY));
    sheet.thin(QLineF(ladderLeft + 9.0, headBottom - 20.0, ladderLeft + 9.0, groundY));
    for (double y = groundY - 6.0; y > headBottom; y -= 6.0)
        sheet.thin(QLineF(ladderLeft, y, ladderLeft + 9.0, y));
    drawHandrail(sheet, centreX - 62.0, centreX + 62.0, headBottom);

    // Casing legs with their flanges, partly cut away to show belt and buckets.
    for (double legCentre : {upLeg, downLeg}) {
        const QPainterPath leg =
            rectanglePath(legCentre - 13.0, headBottom, 26.0, bootTop - headBottom);
        sheet.filledOutline(leg, QColor(255, 255, 255));
        for (double y = headBottom + 40.0; y < bootTop - 5.0; y += 40.0)
            sheet.outline(QLineF(legCentre - 15.0, y, legCentre + 15.0, y));
    }
    // Access door on the returning leg.
    sheet.filledOutline(rectanglePath(downLeg - 8.0, bootTop - 34.0, 16.0, 22.0),
                        DraftingSheet::partFill());

    // Head: box with a rounded hood and the discharge spout.
    QPainterPath head;
    head.moveTo(centreX - 40.0, headBottom);
    head.lineTo(centreX - 40.0, headCentre.y());
    head.arcTo(QRectF(centreX - 40.0, top, 80.0, 72.0), 180.0, -180.0);
    head.lineTo(centreX + 40.0, headBottom);
    head.closeSubpath();
    sheet.filledOutline(head, QColor(255, 255, 255));
    const QPainterPath spout = polygonPath(
        {QPointF(centreX + 40.0, headCentre.y() + 4.0), QPointF(centreX + 40.0, headBottom - 2.0),
         QPointF(centreX + 66.0, headBottom + 24.0), QPointF(centreX + 78.0, headBottom + 12.0)});
    sheet.filledOutline(spout, DraftingSheet::partFill());
    sheet.outline(QLineF(centreX + 63.0, headBottom + 27.0, centreX + 81.0, headBottom + 9.0));

    // Boot with the inlet chute on the rising side.
    const QPainterPath boot = rectanglePath(centreX - 40.0, bootTop, 80.0, groundY - bootTop - 4.0);
    sheet.filledOutline(boot, QColor(255, 255, 255));
    sheet.filledOutline(rectanglePath(centreX - 46.0, groundY - 4.0, 92.0, 4.0),
                        DraftingSheet::memberFill());
    const QPainterPath inlet = polygonPath(
        {QPointF(centreX - 40.0, bootTop + 4.0), QPointF(centreX - 40.0, bootTop + 24.0),
         QPointF(centreX - 70.0, bootTop - 10.0), QPointF(centreX - 70.0, bootTop - 30.0)});
    sheet.filledOutline(inlet, DraftingSheet::partFill());
    sheet.outline(QLineF(centreX - 74.0, bootTop - 30.0, centreX - 74.0, bootTop - 8.0));
    sheet.note(QPointF(centreX - 86.0, bootTop - 36.0), QStringLiteral("INLET"), 6.5);

    // Belt round both pulleys, with buckets in the cut-away window.
    sheet.painter().setBrush(DraftingSheet::partFill());
    sheet.outline(circlePath(headCentre, headRadius - 2.0));
    sheet.outline(circlePath(bootCentre, bootRadius - 2.0));
    sheet.painter().setPen(QPen(DraftingSheet::ink(), 2.4));
    sheet.painter().setBrush(Qt::NoBrush);
    sheet.painter().drawEllipse(headCentre, headRadius, headRadius);
    sheet.painter().drawEllipse(bootCentre, bootRadius, bootRadius);
    sheet.painter().drawLine(QLineF(upLeg, headCentre.y(), centreX - bootRadius, bootCentre.y()));
    sheet.painter().drawLine(QLineF(downLeg, headCentre.y(), centreX + bootRadius, bootCentre.y()));
    const double bucketPitch = 14.0;
    for (double y = headCentre.y() + 10.0; y < bootCentre.y() - 10.0; y += bucketPitch) {
        const double upX = upLeg + (y - headCentre.y()) / (bootCentre.y() - headCentre.y()) *
                                       (headRadius - bootRadius);
        sheet.filledOutline(bucketProfile(QPointF(upX, y), -1.0, true), QColor(255, 255, 255));
        sheet.filledOutline(
            bucketProfile(QPointF(2 * centreX - upX, y + bucketPitch / 2.0), 1.0, false),
            QColor(255, 255, 255));
    }
    for (double angle = 20.0; angle < 170.0; angle += 34.0)
        sheet.filledOutline(bucketOnPulley(headCentre, headRadius, angle), QColor(255, 255, 255));
    for (double angle = 200.0; angle < 350.0; angle += 40.0)
        sheet.filledOutline(bucketOnPulley(bootCentre, bootRadius, angle), QColor(255, 255, 255));
    sheet.detailCallout(QPointF(upLeg - 4.0, headBottom + 150.0), 16.0, QStringLiteral("E"));
    sheet.centreMark(headCentre, headRadius + 6.0);
    sheet.centreMark(bootCentre, bootRadius + 6.0);
    sheet.centreLine(QPointF(centreX, headCentre.y()), QPointF(centreX, bootCentre.y()));

    sheet.outline(QLineF(centreX - 90.0, groundY, centreX + 90.0, groundY));
    sheet.painter().setPen(QPen(DraftingSheet::ink(), 0.7));
    for (double x = centreX - 88.0; x < centreX + 88.0; x += 6.0)
        sheet.painter().drawLine(QLineF(x, groundY + 4.0, x + 4.0, groundY));

    sheet.dimension(QPointF(upLeg, headBottom + 16.0), QPointF(downLeg, headBottom + 16.0), 0.0,
                    QStringLiteral("700"));
    sheet.balloon(headCentre + QPointF(-6.0, -18.0), QPointF(centreX - 58.0, top + 4.0), 1);
    sheet.balloon(headCentre + QPointF(8.0, 8.0), QPointF(centreX + 58.0, top + 2.0), 2);
    sheet.balloon(QPointF(centreX - 30.0, bootTop + 30.0), QPointF(centreX - 66.0, bootTop + 28.0),
                  3);
    sheet.balloon(bootCentre + QPointF(6.0, 6.0), QPointF(centreX + 60.0, groundY - 16.0), 4);
    sheet.balloon(QPointF(downLeg + 13.0, headBottom + 70.0),
                  QPointF(centreX + 44.0, headBottom + 56.0), 5);
    sheet.balloon(QPointF(upLeg - 13.0 + 3.0, headBottom + 110.0),
                  QPointF(centreX - 62.0, headBottom + 100.0), 7);
}

void drawSideElevation(DraftingSheet &sheet, double centreX, double top, double groundY)
{
    const double headBottom = top + 70.0;
    const double bootTop = groundY - 56.0;
    const double headCentreY = top + 36.0;

    drawHandrail(sheet, centreX - 46.0, centreX + 70.0, headBottom);
    // Trunk seen from the side: one casing, flanged every section.
    const QPainterPath trunk =
        rectanglePath(centreX - 16.0, headBottom, 32.0, bootTop - headBottom);
    sheet.filledOutline(trunk, QColor(255, 255, 255));
    for (double y = headBottom + 40.0; y < bootTop - 5.0; y += 40.0)
        sheet.outline(QLineF(centreX - 18.0, y, centreX + 18.0, y));
    sheet.hidden(QLineF(centreX - 8.0, headBottom, centreX - 8.0, bootTop));
    sheet.hidden(QLineF(centreX + 8.0, headBottom, centreX + 8.0, bootTop));

    // Head with its hood and the drive beside it on the platform.
    QPainterPath head;
    head.moveTo(centreX - 22.0, headBottom);
    head.lineTo(centreX - 22.0, top + 14.0);
    head.quadTo(QPointF(centreX, top - 2.0), QPointF(centreX + 22.0, top + 14.0));
    head.lineTo(centreX + 22.0, headBottom);
    head.closeSubpath();
    sheet.filledOutline(head, QColor(255, 255, 255));
    sheet.painter().setBrush(DraftingSheet::partFill());
    sheet.outline(circlePath(QPointF(centreX, headCentreY), 5.0));
    const QPainterPath bearing = rectanglePath(centreX + 22.0, headCentreY - 7.0, 8.0, 14.0);
    sheet.filledOutline(bearing, DraftingSheet::partFill());
    QPainterPath gearbox;
    gearbox.addRoundedRect(QRectF(centreX + 30.0, headCentreY - 14.0, 24.0, 40.0), 3.0, 3.0);
    sheet.filledOutline(gearbox, QColor(255, 255, 255));
    const QPainterPath motor =
        rectanglePath(centreX + 36.0, headCentreY + 26.0, 14.0, headBottom - headCentreY - 26.0);
    sheet.filledOutline(motor, QColor(255, 255, 255));
    for (double y = headCentreY + 29.0; y < headBottom - 2.0; y += 3.0)
        sheet.thin(QLineF(centreX + 37.0, y, centreX + 49.0, y));
    sheet.centreLine(QPointF(centreX - 28.0, headCentreY), QPointF(centreX + 58.0, headCentreY));

    // Boot with take-up screws and the inlet seen from the side.
    const QPainterPath boot = rectanglePath(centreX - 24.0, bootTop, 48.0, groundY - bootTop - 4.0);
    sheet.filledOutline(boot, QColor(255, 255, 255));
    sheet.filledOutline(rectanglePath(centreX - 30.0, groundY - 4.0, 60.0, 4.0),
                        DraftingSheet::memberFill());
    for (double side : {-1.0, 1.0}) {
        sheet.thin(
            QLineF(centreX + side * 24.0, bootTop + 8.0, centreX + side * 24.0, bootTop - 12.0));
        sheet.thin(
            QLineF(centreX + side * 26.0, bootTop + 8.0, centreX + side * 26.0, bootTop - 12.0));
        sheet.filledOutline(rectanglePath(centreX + side * 25.0 - 3.0, bootTop - 14.0, 6.0, 3.0),
                            DraftingSheet::partFill());
    }
    sheet.painter().setBrush(DraftingSheet::partFill());
    sheet.outline(circlePath(QPointF(centreX, groundY - 30.0), 5.0));
    sheet.centreLine(QPointF(centreX - 30.0, groundY - 30.0),
                     QPointF(centreX + 30.0, groundY - 30.0));
    sheet.centreLine(QPointF(centreX, top - 6.0), QPointF(centreX, groundY));

    sheet.outline(QLineF(centreX - 60.0, groundY, centreX + 80.0, groundY));
    sheet.painter().setPen(QPen(DraftingSheet::ink(), 0.7));
    for (double x = centreX - 58.0; x < centreX + 78.0; x += 6.0)
        sheet.painter().drawLine(QLineF(x, groundY + 4.0, x + 4.0, groundY));

    const double dimensionX = centreX + 92.0;
    sheet.thin(QLineF(centreX + 58.0, headCentreY, dimensionX + 4.0, headCentreY));
    sheet.dimension(QPointF(dimensionX, headCentreY), QPointF(dimensionX, groundY), 0.0,
                    QStringLiteral("28 500"));
    sheet.dimension(QPointF(centreX - 16.0, headBottom + 60.0),
                    QPointF(centreX + 16.0, headBottom + 60.0), 0.0, QStringLiteral("450"));
    sheet.balloon(QPointF(centreX + 42.0, headCentreY), QPointF(centreX + 70.0, top - 2.0), 8);
    sheet.balloon(QPointF(centreX - 8.0, headBottom + 150.0),
                  QPointF(centreX - 40.0, headBottom + 140.0), 6);
}

// Detail E: how a bucket is bolted to the belt, cut through bucket and belt.
void drawBucketDetail(DraftingSheet &sheet, QPointF origin)
{
    // Belt, cut: a hatched vertical strip.
    const QPainterPath belt = rectanglePath(origin.x(), origin.y() - 54.0, 8.0, 108.0);
    sheet.hatch(belt, 2.2, -45.0);
    sheet.outline(belt);
    for (double y : {origin.y() - 54.0, origin.y() + 54.0}) {
        QPainterPath breakLine;
        breakLine.moveTo(origin.x() - 3.0, y);
        breakLine.cubicTo(QPointF(origin.x() + 2.0, y - 4.0), QPointF(origin.x() + 6.0, y + 4.0),
                          QPointF(origin.x() + 11.0, y));
        sheet.thin(breakLine);
    }

    // Two buckets in section: thin wall drawn solid, with the back plate on the belt.
    for (double y : {origin.y() - 28.0, origin.y() + 34.0}) {
        QPainterPath wall;
        wall.moveTo(origin.x() + 9.5, y - 14.0);
        wall.lineTo(origin.x() + 9.5, y + 16.0);
        wall.quadTo(QPointF(origin.x() + 56.0, y + 18.0), QPointF(origin.x() + 62.0, y - 18.0));
        QPainterPathStroker stroker;
        stroker.setWidth(2.6);
        stroker.setJoinStyle(Qt::RoundJoin);
        stroker.setCapStyle(Qt::RoundCap);
        sheet.solid(stroker.createStroke(wall));
        // Bolts through belt and back plate, with nuts on the belt side.
        for (double boltY : {y - 8.0, y + 6.0}) {
            sheet.filledOutline(rectanglePath(origin.x() - 5.0, boltY - 3.0, 5.0, 6.0),
                                DraftingSheet::partFill());
            sheet.filledOutline(rectanglePath(origin.x() - 1.0, boltY - 1.4, 16.0, 2.8),
                                QColor(255, 255, 255));
            sheet.centreLine(QPointF(origin.x() - 6.0, boltY), QPointF(origin.x() + 16.0, boltY));
        }
        // The charge lying in the bucket.
        QPainterPath charge;
        charge.moveTo(origin.x() + 12.0, y - 4.0);
        charge.quadTo(QPointF(origin.x() + 34.0, y - 10.0), QPointF(origin.x() + 58.0, y - 12.0));
        charge.quadTo(QPointF(origin.x() + 50.0, y + 14.0), QPointF(origin.x() + 12.0, y + 14.0));
        charge.closeSubpath();
        sheet.painter().fillPath(charge, QColor(232, 226, 214));
        sheet.thin(charge);
    }

    sheet.dimension(QPointF(origin.x() + 62.0, origin.y() - 46.0),
                    QPointF(origin.x() + 62.0, origin.y() + 16.0), 14.0, QStringLiteral("P 300"));
    sheet.dimension(QPointF(origin.x() + 9.5, origin.y() + 56.0),
                    QPointF(origin.x() + 62.0, origin.y() + 56.0), -8.0, QStringLiteral("160"));
    sheet.note(QPointF(origin.x() - 36.0, origin.y() - 60.0), QStringLiteral("BELT 300 EP500/4"),
               6.5);
    sheet.note(QPointF(origin.x() + 26.0, origin.y() + 76.0), QStringLiteral("M10 ELEVATOR BOLTS"),
               6.5);
}

} // namespace

QImage drawBucketElevatorSheet(QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    {
        DraftingSheet sheet(image);
        const QRectF area = sheet.drawingArea();
        const QRectF titleBlock =
            sheet.drawTitleBlock({QStringLiteral("BUCKET ELEVATOR  BE 300 x 28.5 m"),
                                  QStringLiteral("GENERAL ARRANGEMENT"), QStringLiteral("KV-103"),
                                  QStringLiteral("1:150")},
                                 204.0);
        const std::vector<PartsListRow> parts{
            {"1", "HEAD SECTION WITH HOOD", "1", "S235"},
            {"2", "HEAD PULLEY Ø630 LAGGED", "1", "S235 / RUBBER"},
            {"3", "BOOT SECTION", "1", "S235"},
            {"4", "BOOT PULLEY Ø500", "1", "S235"},
            {"5", "CASING SECTION 2 m", "12", "S235, t=3"},
            {"6", "BELT 300 EP500/4", "59 m", "RUBBER"},
            {"7", "BUCKET 250 x 160", "196", "HDPE"},
            {"8", "DRIVE 15 kW + BACKSTOP", "1", "-"},
        };
        sheet.drawPartsList(parts, QPointF(area.right(), titleBlock.top()), 204.0);

        const double top = area.top() + 40.0;
        const double groundY = area.bottom() - 12.0;
        sheet.viewTitle(QPointF(area.left() + 104.0, area.top() + 2.0),
                        QStringLiteral("FRONT ELEVATION"), QStringLiteral("SCALE 1:150"));
        drawFrontElevation(sheet, area.left() + 104.0, top, groundY);
        sheet.viewTitle(QPointF(area.left() + 264.0, area.top() + 2.0),
                        QStringLiteral("SIDE ELEVATION"), QStringLiteral("SCALE 1:150"));
        drawSideElevation(sheet, area.left() + 254.0, top, groundY);
        sheet.viewTitle(QPointF(area.left() + 450.0, area.top() + 30.0), QStringLiteral("DETAIL E"),
                        QStringLiteral("BUCKET FIXING  1:5"));
        drawBucketDetail(sheet, QPointF(area.left() + 430.0, area.top() + 134.0));
    }
    return image;
}

} // namespace portfolio_art
