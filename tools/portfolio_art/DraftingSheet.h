#pragma once

#include <QImage>
#include <QLineF>
#include <QPainter>
#include <QPainterPath>
#include <QPointF>
#include <QRectF>
#include <QString>

#include <vector>

namespace portfolio_art {

// One row of a drawing's parts list.
struct PartsListRow
{
    QString item;
    QString description;
    QString quantity;
    QString material;
};

// The texts of a drawing's title block.
struct TitleBlockText
{
    QString title;         // e.g. "BELT CONVEYOR B650"
    QString subtitle;      // e.g. "GENERAL ARRANGEMENT"
    QString drawingNumber; // e.g. "KV-101"
    QString scale;         // e.g. "1:50"
};

// A drafting toolkit over a QPainter: paper and border, title block, parts list, and the
// conventional marks of an engineering drawing (outlines, hidden and centre lines, dimensions with
// arrowheads, hatching, item balloons, section cuts and view titles).
//
// All coordinates are pixels of the sheet image. Line weights are chosen so the sheet still reads
// when shown at about 70 % and as a small thumbnail.
class DraftingSheet
{
public:
    // Fills `image` with paper and draws the border with its zone marks. The image must outlive
    // the sheet; painting ends when the sheet is destroyed.
    explicit DraftingSheet(QImage &image);

    QPainter &painter() { return painter_; }
    // The area inside the border, where views, parts list and title block go.
    QRectF drawingArea() const { return drawingArea_; }

    // Title block in the bottom-right corner of the drawing area; returns the box it occupies.
    QRectF drawTitleBlock(const TitleBlockText &text, double width);
    // Parts list whose bottom-right corner is `bottomRight` (rows grow upwards from the header at
    // the bottom, as drawn above a title block); returns the box it occupies.
    QRectF drawPartsList(const std::vector<PartsListRow> &rows, QPointF bottomRight, double width);

    // Visible edges: thick, dark ink.
    void outline(const QPainterPath &path);
    void outline(const QLineF &line);
    // Secondary edges (thin ink), e.g. belt lines, bolts, far edges.
    void thin(const QPainterPath &path);
    void thin(const QLineF &line);
    // Hidden edges, dashed.
    void hidden(const QLineF &line);
    void hidden(const QPainterPath &path);
    // A chain line (long dash, dot) through the centre of a part, overshooting both ends a little.
    void centreLine(QPointF from, QPointF to);
    // Crossed centre lines through a circle of the given radius.
    void centreMark(QPointF centre, double radius);
    // Fills `region` with a light tone and 45-degree (or `angleDegrees`) section hatching.
    void hatch(const QPainterPath &region, double spacing = 3.5, double angleDegrees = 45.0);
    // Fills `path` with `fill` and draws its outline over it.
    void filledOutline(const QPainterPath &path, const QColor &fill);
    // Fills `region` solid in ink (thin steel sections, belts at small scale).
    void solid(const QPainterPath &region);

    // Aligned dimension between two points. `offset` moves the dimension line to the left of the
    // direction from `from` to `to` (negative: to the right); extension lines run from the points.
    void dimension(QPointF from, QPointF to, double offset, const QString &text);
    // Item balloon: a circle with `number` at `centre` and a leader ending in a dot at `target`.
    void balloon(QPointF target, QPointF centre, int number);
    // Cutting-plane marks at both ends of a section cut, arrows looking along `lookDirection`.
    void sectionCut(QPointF from, QPointF to, QPointF lookDirection, const QString &letter);
    // Detail callout: a thin circle round the detailed part with its letter beside it.
    void detailCallout(QPointF centre, double radius, const QString &letter);
    // Underlined view title ("SECTION A-A") with its scale beneath, centred on `centreTop`.
    void viewTitle(QPointF centreTop, const QString &title, const QString &scale = QString());
    // Small note text with its left end at `at` (baseline).
    void note(QPointF at, const QString &text, double pixelSize = 6.5);

    // Ink colours, for drawing that goes beyond these helpers.
    static QColor ink();
    static QColor dimensionInk();
    // Tone for steel members seen in elevation (legs, stringers), so the views keep their mass
    // when the sheet is shown small.
    static QColor memberFill();
    // Lighter tone for machine parts (pulleys, housings) drawn over other lines.
    static QColor partFill();

private:
    void drawBorder(QSizeF paperSize);
    void arrowhead(QPointF tip, QPointF towards);
    QFont textFont(double pixelSize, bool bold = false) const;

    QPainter painter_;
    QRectF drawingArea_;
};

} // namespace portfolio_art
