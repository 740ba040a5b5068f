#include "StorageBinSheet.h"

#include "DraftingShapes.h"
#include "DraftingSheet.h"

#include <cmath>

namespace portfolio_art {

namespace {

// Geometry of the bin elevation, in sheet pixels.
struct BinElevation
{
    double left;  // outer face of the left wall
    double right; // outer face of the right wall
    double roofY; // eaves
    double shellBottom;
    double outletY;    // bottom of the hopper
    double outletHalf; // half width of the outlet
    double groundY;
};

void drawGround(DraftingSheet &sheet, double left, double right, double groundY)
{
    sheet.outline(QLineF(left, groundY, right, groundY));
    sheet.painter().setPen(QPen(DraftingSheet::ink(), 0.7));
    for (double x = left + 2.0; x < right; x += 6.0)
        sheet.painter().drawLine(QLineF(x, groundY + 4.0, x + 4.0, groundY));
}

void drawElevation(DraftingSheet &sheet, const BinElevation &bin)
{
    const double centreX = (bin.left + bin.right) / 2.0;
    const double ringBeamY = bin.shellBottom - 6.0;

    // Columns, the intermediate beam and two tiers of cross bracing.
    const double columnWidth = 8.0;
    for (double x : {bin.left + 4.0, bin.right - 4.0}) {
        sheet.filledOutline(
            rectanglePath(x - columnWidth / 2.0, ringBeamY, columnWidth, bin.groundY - ringBeamY),
            DraftingSheet::memberFill());
        sheet.thin(QLineF(x, ringBeamY, x, bin.groundY));
        sheet.filledOutline(rectanglePath(x - 10.0, bin.groundY - 3.0, 20.0, 3.0),
                            DraftingSheet::partFill());
    }
    const double tierY = (bin.outletY + bin.groundY) / 2.0 + 14.0;
    sheet.filledOutline(
        rectanglePath(bin.left + 8.0, tierY - 3.0, bin.right - bin.left - 16.0, 6.0),
        DraftingSheet::memberFill());
    const auto brace = [&](QPointF a, QPointF b) {
        sheet.painter().setPen(QPen(DraftingSheet::ink(), 2.2, Qt::SolidLine, Qt::RoundCap));
        sheet.painter().drawLine(QLineF(a, b));
    };
    brace(QPointF(bin.left + 8.0, tierY + 3.0), QPointF(bin.right - 8.0, bin.groundY - 4.0));
    brace(QPointF(bin.right - 8.0, tierY + 3.0), QPointF(bin.left + 8.0, bin.groundY - 4.0));
    brace(QPointF(bin.left + 8.0, ringBeamY + 40.0),
          QPointF(centreX - bin.outletHalf - 6.0, tierY - 3.0));
    brace(QPointF(bin.right - 8.0, ringBeamY + 40.0),
          QPointF(centreX + bin.outletHalf + 6.0, tierY - 3.0));

    // Hopper with its outlet, slide gate and the discharge feeder below.
    const QPainterPath hopper =
        polygonPath({QPointF(bin.left, bin.shellBottom), QPointF(bin.right, bin.shellBottom),
                     QPointF(centreX + bin.outletHalf, bin.outletY),
                     QPointF(centreX - bin.outletHalf, bin.outletY)});
    sheet.filledOutline(hopper, QColor(255, 255, 255));
    for (double share : {0.33, 0.66}) {
        const double y = bin.shellBottom + (bin.outletY - bin.shellBottom) * share;
        const double half = (bin.right - bin.left) / 2.0 * (1.0 - share) + bin.outletHalf * share;
        sheet.thin(QLineF(centreX - half, y, centreX + half, y));
    }
    sheet.thin(QLineF(bin.left, bin.shellBottom, centreX - bin.outletHalf, bin.outletY));
    sheet.filledOutline(
        rectanglePath(centreX - bin.outletHalf - 4.0, bin.outletY, 2 * bin.outletHalf + 8.0, 8.0),
        DraftingSheet::partFill());
    sheet.filledOutline(rectanglePath(centreX + bin.outletHalf + 4.0, bin.outletY + 2.0, 26.0, 4.0),
                        QColor(255, 255, 255));
    sheet.thin(circlePath(QPointF(centreX + bin.outletHalf + 33.0, bin.outletY + 4.0), 3.5));
    sheet.filledOutline(
        rectanglePath(centreX - bin.outletHalf, bin.outletY + 8.0, 2 * bin.outletHalf, 18.0),
        QColor(255, 255, 255));

    // The shell: wall with horizontal stiffeners, ring beam, pitched roof with handrail and vent.
    const QPainterPath shell =
        rectanglePath(bin.left, bin.roofY, bin.right - bin.left, bin.shellBottom - bin.roofY);
    sheet.filledOutline(shell, QColor(255, 255, 255));
    for (double y = bin.roofY + 18.0; y < bin.shellBottom - 6.0; y += 18.0)
        sheet.outline(QLineF(bin.left - 2.0, y, bin.right + 2.0, y));
    sheet.filledOutline(rectanglePath(bin.left - 4.0, ringBeamY, bin.right - bin.left + 8.0, 6.0),
                        DraftingSheet::memberFill());
    const double ridgeY = bin.roofY - 12.0;
    const QPainterPath roof =
        polygonPath({QPointF(bin.left - 3.0, bin.roofY), QPointF(centreX, ridgeY),
                     QPointF(bin.right + 3.0, bin.roofY)});
    sheet.filledOutline(roof, DraftingSheet::partFill());
    sheet.thin(QLineF(bin.left - 3.0, bin.roofY - 20.0, bin.right + 3.0, bin.roofY - 20.0));
    for (double x = bin.left - 3.0; x <= bin.right + 3.1; x += (bin.right - bin.left + 6.0) / 4.0) {
        const double floorY =
            bin.roofY - (1.0 - std::abs(x - centreX) / ((bin.right - bin.left) / 2.0 + 3.0)) * 12.0;
        sheet.thin(QLineF(x, floorY, x, bin.roofY - 20.0));
    }
    sheet.filledOutline(rectanglePath(centreX + 28.0, ridgeY - 2.0, 16.0, 10.0),
                        QColor(255, 255, 255));
    sheet.filledOutline(rectanglePath(centreX + 24.0, ridgeY - 12.0, 24.0, 10.0),
                        QColor(255, 255, 255));
    sheet.note(QPointF(centreX + 50.0, ridgeY - 6.0), QStringLiteral("DUST FILTER"), 6.0);

    // Material level and the inlet on the roof.
    sheet.hidden(QLineF(bin.left + 4.0, bin.roofY + 26.0, bin.right - 4.0, bin.roofY + 26.0));
    sheet.solid(polygonPath({QPointF(bin.right - 30.0, bin.roofY + 26.0),
                             QPointF(bin.right - 36.0, bin.roofY + 19.0),
                             QPointF(bin.right - 24.0, bin.roofY + 19.0)}));
    sheet.note(QPointF(bin.right - 72.0, bin.roofY + 16.0), QStringLiteral("MAX. LEVEL"), 6.0);
    sheet.filledOutline(rectanglePath(centreX - 34.0, ridgeY - 6.0, 18.0, 14.0),
                        QColor(255, 255, 255));
    sheet.outline(QLineF(centreX - 38.0, ridgeY - 6.0, centreX - 12.0, ridgeY - 6.0));

    // Caged ladder from the ground to the roof on the left.
    const double ladderX = bin.left - 16.0;
    sheet.thin(QLineF(ladderX, bin.roofY - 20.0, ladderX, bin.groundY));
    sheet.thin(QLineF(ladderX + 8.0, bin.roofY, ladderX + 8.0, bin.groundY));
    for (double y = bin.groundY - 6.0; y > bin.roofY; y -= 6.0)
        sheet.thin(QLineF(ladderX, y, ladderX + 8.0, y));
    for (double y = bin.roofY - 10.0; y < bin.groundY - 60.0; y += 16.0) {
        QPainterPath hoop;
        hoop.moveTo(ladderX + 4.0, y);
        hoop.quadTo(QPointF(ladderX - 14.0, y), QPointF(ladderX - 12.0, y + 4.0));
        sheet.thin(hoop);
    }
    sheet.thin(QLineF(ladderX - 12.0, bin.roofY - 6.0, ladderX - 12.0, bin.groundY - 56.0));

    drawGround(sheet, bin.left - 40.0, bin.right + 40.0, bin.groundY);
    sheet.centreLine(QPointF(centreX, ridgeY - 16.0), QPointF(centreX, bin.groundY));

    // Dimensions.
    sheet.dimension(QPointF(bin.left + 4.0, bin.groundY), QPointF(bin.right - 4.0, bin.groundY),
                    -12.0, QStringLiteral("5 800"));
    const double dimensionX = bin.right + 30.0;
    sheet.thin(QLineF(bin.right + 4.0, ridgeY, dimensionX + 4.0, ridgeY));
    sheet.thin(QLineF(bin.right + 4.0, bin.shellBottom, dimensionX + 4.0, bin.shellBottom));
    sheet.thin(QLineF(centreX + bin.outletHalf + 4.0, bin.outletY, dimensionX + 4.0, bin.outletY));
    sheet.dimension(QPointF(dimensionX, ridgeY), QPointF(dimensionX, bin.shellBottom), 0.0,
                    QStringLiteral("7 400"));
    sheet.dimension(QPointF(dimensionX, bin.shellBottom), QPointF(dimensionX, bin.outletY), 0.0,
                    QStringLiteral("4 200"));
    sheet.dimension(QPointF(dimensionX, bin.outletY), QPointF(dimensionX, bin.groundY), 0.0,
                    QStringLiteral("3 600"));
    sheet.dimension(QPointF(dimensionX + 18.0, ridgeY), QPointF(dimensionX + 18.0, bin.groundY),
                    0.0, QStringLiteral("15 200"));
    sheet.thin(QLineF(dimensionX, ridgeY, dimensionX + 22.0, ridgeY));
    sheet.thin(QLineF(dimensionX, bin.groundY, dimensionX + 22.0, bin.groundY));

    sheet.sectionCut(QPointF(bin.left - 10.0, bin.roofY + 62.0),
                     QPointF(bin.left + 30.0, bin.roofY + 62.0), QPointF(0.0, 1.0),
                     QStringLiteral("A"));
    sheet.sectionCut(QPointF(bin.right - 30.0, tierY + 30.0),
                     QPointF(bin.right + 10.0, tierY + 30.0), QPointF(0.0, 1.0),
                     QStringLiteral("B"));

    sheet.balloon(QPointF(centreX - 20.0, bin.roofY + 50.0),
                  QPointF(centreX - 44.0, bin.roofY + 68.0), 1);
    sheet.balloon(QPointF(centreX - 10.0, bin.shellBottom + 30.0),
                  QPointF(centreX - 40.0, bin.shellBottom + 14.0), 2);
    sheet.balloon(QPointF(bin.left + 4.0, tierY + 40.0), QPointF(bin.left + 30.0, tierY + 60.0), 3);
    sheet.balloon(QPointF(centreX + 20.0, tierY + 24.0), QPointF(centreX + 34.0, tierY + 44.0), 4);
    sheet.balloon(QPointF(bin.right - 6.0, bin.roofY - 10.0),
                  QPointF(bin.right + 14.0, ridgeY - 22.0), 5);
    sheet.balloon(QPointF(ladderX + 4.0, bin.groundY - 90.0),
                  QPointF(ladderX - 18.0, bin.groundY - 110.0), 6);
    sheet.balloon(QPointF(centreX, bin.outletY + 16.0), QPointF(centreX - 34.0, bin.outletY + 30.0),
                  7);
}

// Roof bracing plan: perimeter beams, rafters to a centre ring, cross bracing, vent and manhole.
void drawRoofPlan(DraftingSheet &sheet, QPointF centre, double half)
{
    const QRectF outer(centre.x() - half, centre.y() - half, 2 * half, 2 * half);
    sheet.filledOutline(rectanglePath(outer.left(), outer.top(), outer.width(), outer.height()),
                        QColor(255, 255, 255));
    sheet.thin(rectanglePath(outer.left() + 4.0, outer.top() + 4.0, outer.width() - 8.0,
                             outer.height() - 8.0));
    const auto member = [&](QPointF a, QPointF b, double weight) {
        sheet.painter().setPen(QPen(DraftingSheet::ink(), weight, Qt::SolidLine, Qt::RoundCap));
        sheet.painter().drawLine(QLineF(a, b));
    };
    // Rafters from the corners and mid sides to the crown.
    for (const QPointF &corner :
         {outer.topLeft(), outer.topRight(), outer.bottomLeft(), outer.bottomRight()})
        member(corner, centre, 2.4);
    for (const QPointF &side :
         {QPointF(centre.x(), outer.top()), QPointF(centre.x(), outer.bottom()),
          QPointF(outer.left(), centre.y()), QPointF(outer.right(), centre.y())})
        member(side, centre, 2.4);
    // Cross bracing in the four bays along the sides, drawn thin.
    const double mid = half / 2.0;
    for (double sx : {-1.0, 1.0})
        for (double sy : {-1.0, 1.0}) {
            const QPointF a = centre + QPointF(sx * half, sy * mid);
            const QPointF b = centre + QPointF(sx * mid, sy * half);
            member(a, b, 1.0);
        }
    sheet.filledOutline(circlePath(centre, 8.0), DraftingSheet::partFill());
    sheet.filledOutline(
        rectanglePath(centre.x() + half * 0.45, centre.y() - half * 0.82, 16.0, 16.0),
        QColor(255, 255, 255));
    sheet.thin(QLineF(centre.x() + half * 0.45, centre.y() - half * 0.82,
                      centre.x() + half * 0.45 + 16.0, centre.y() - half * 0.82 + 16.0));
    sheet.filledOutline(
        rectanglePath(centre.x() - half * 0.82, centre.y() + half * 0.40, 18.0, 14.0),
        QColor(255, 255, 255));
    sheet.note(QPointF(centre.x() - half * 0.82, centre.y() + half * 0.40 + 22.0),
               QStringLiteral("MANHOLE"), 6.0);
    sheet.centreLine(QPointF(outer.left() - 4.0, centre.y()),
                     QPointF(outer.right() + 4.0, centre.y()));
    sheet.centreLine(QPointF(centre.x(), outer.top() - 4.0),
                     QPointF(centre.x(), outer.bottom() + 4.0));
    sheet.dimension(outer.bottomLeft(), outer.bottomRight(), -12.0, QStringLiteral("6 000"));
    sheet.dimension(outer.topRight(), outer.bottomRight(), -12.0, QStringLiteral("6 000"));
    sheet.note(QPointF(centre.x() + 10.0, centre.y() - 10.0), QStringLiteral("IPE 200"), 6.0);
}

// Section A-A: wall plate with a stiffener angle, cut.
void drawWallSection(DraftingSheet &sheet, QPointF origin)
{
    const QPainterPath wall = rectanglePath(origin.x(), origin.y() - 40.0, 5.0, 80.0);
    sheet.hatch(wall, 2.0);
    sheet.outline(wall);
    for (double y : {origin.y() - 20.0, origin.y() + 20.0}) {
        QPainterPath angle;
        angle.moveTo(origin.x() - 26.0, y - 2.5);
        angle.lineTo(origin.x(), y - 2.5);
        angle.lineTo(origin.x(), y + 2.5);
        angle.lineTo(origin.x() - 21.0, y + 2.5);
        angle.lineTo(origin.x() - 21.0, y + 16.0);
        angle.lineTo(origin.x() - 26.0, y + 16.0);
        angle.closeSubpath();
        sheet.hatch(angle, 2.0, -45.0);
        sheet.outline(angle);
        sheet.solid(polygonPath({QPointF(origin.x(), y - 2.5), QPointF(origin.x() - 4.0, y - 2.5),
                                 QPointF(origin.x(), y - 6.5)}));
    }
    sheet.dimension(QPointF(origin.x() + 5.0, origin.y() - 20.0),
                    QPointF(origin.x() + 5.0, origin.y() + 20.0), -12.0, QStringLiteral("1 000"));
    sheet.note(QPointF(origin.x() - 44.0, origin.y() + 46.0), QStringLiteral("PL 8, L 100x100x10"),
               6.0);
    sheet.note(QPointF(origin.x() + 8.0, origin.y() - 30.0), QStringLiteral("INSIDE"), 6.0);
}

// Section B-B: a column (wide-flange section) on its base plate with anchor bolts.
void drawColumnSection(DraftingSheet &sheet, QPointF centre)
{
    const QPainterPath basePlate = rectanglePath(centre.x() - 34.0, centre.y() - 34.0, 68.0, 68.0);
    sheet.filledOutline(basePlate, QColor(255, 255, 255));
    QPainterPath column;
    column.addRect(QRectF(centre.x() - 22.0, centre.y() - 22.0, 44.0, 6.0));
    column.addRect(QRectF(centre.x() - 22.0, centre.y() + 16.0, 44.0, 6.0));
    column.addRect(QRectF(centre.x() - 2.5, centre.y() - 16.0, 5.0, 32.0));
    column = column.simplified();
    sheet.hatch(column, 2.0);
    sheet.outline(column);
    for (double sx : {-1.0, 1.0})
        for (double sy : {-1.0, 1.0}) {
            const QPointF bolt = centre + QPointF(sx * 27.0, sy * 27.0);
            sheet.filledOutline(circlePath(bolt, 3.2), DraftingSheet::partFill());
            sheet.centreMark(bolt, 4.0);
        }
    sheet.centreMark(centre, 40.0);
    sheet.dimension(QPointF(centre.x() - 34.0, centre.y() + 34.0),
                    QPointF(centre.x() + 34.0, centre.y() + 34.0), -10.0, QStringLiteral("500"));
    sheet.note(QPointF(centre.x() + 40.0, centre.y() - 26.0), QStringLiteral("HEB 300"), 6.5);
    sheet.note(QPointF(centre.x() + 40.0, centre.y() - 17.0), QStringLiteral("4 x M30"), 6.5);
}

} // namespace

QImage drawStorageBinSheet(QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    {
        DraftingSheet sheet(image);
        const QRectF area = sheet.drawingArea();
        const QRectF titleBlock = sheet.drawTitleBlock(
            {QStringLiteral("STORAGE BIN 250 m³ ON SUPPORT"), QStringLiteral("GENERAL ARRANGEMENT"),
             QStringLiteral("KV-105"), QStringLiteral("1:100")},
            214.0);
        const std::vector<PartsListRow> parts{
            {"1", "BIN SHELL, STIFFENED", "1", "S235, PL 8"},
            {"2", "HOPPER 60°", "1", "S235, PL 10"},
            {"3", "COLUMN", "4", "HEB 300"},
            {"4", "BRACING", "16", "L 100x10"},
            {"5", "ROOF WITH HANDRAIL", "1", "S235"},
            {"6", "CAGED LADDER", "1", "S235 GALV."},
            {"7", "SLIDE GATE 500x500", "1", "-"},
            {"8", "DUST FILTER", "1", "-"},
        };
        sheet.drawPartsList(parts, QPointF(area.right(), titleBlock.top()), 214.0);

        const BinElevation bin{area.left() + 80.0,  area.left() + 236.0, area.top() + 60.0,
                               area.top() + 176.0,  area.top() + 250.0,  14.0,
                               area.bottom() - 20.0};
        sheet.viewTitle(QPointF(area.left() + 158.0, area.top() + 2.0), QStringLiteral("ELEVATION"),
                        QStringLiteral("SCALE 1:100"));
        drawElevation(sheet, bin);
        sheet.viewTitle(QPointF(area.left() + 420.0, area.top() + 2.0),
                        QStringLiteral("ROOF BRACING PLAN"), QStringLiteral("SCALE 1:100"));
        drawRoofPlan(sheet, QPointF(area.left() + 420.0, area.top() + 92.0), 56.0);
        sheet.viewTitle(QPointF(area.left() + 356.0, area.top() + 176.0),
                        QStringLiteral("SECTION A-A"), QStringLiteral("SCALE 1:10"));
        drawWallSection(sheet, QPointF(area.left() + 366.0, area.top() + 232.0));
        sheet.viewTitle(QPointF(area.left() + 490.0, area.top() + 176.0),
                        QStringLiteral("SECTION B-B"), QStringLiteral("SCALE 1:10"));
        drawColumnSection(sheet, QPointF(area.left() + 472.0, area.top() + 232.0));

        double line = area.top() + 300.0;
        const double notesLeft = area.left() + 290.0;
        sheet.note(QPointF(notesLeft, line), QStringLiteral("NOTES:"), 7.5);
        const char *const notes[] = {
            "1. BULK DENSITY 1.4 t/m³.",      "2. ANCHOR BOLTS CAST IN,",
            "    GROUT 30 UNDER BASE.",       "3. BOLTS GRADE 8.8, GALV.",
            "4. PAINT: 2 x EPOXY, RAL 7035.",
        };
        for (const char *text : notes) {
            line += 9.5;
            sheet.note(QPointF(notesLeft + 4.0, line), QString::fromUtf8(text), 6.5);
        }
    }
    return image;
}

} // namespace portfolio_art
