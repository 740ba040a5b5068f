#include "DraftingSheet.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPen>

#include <cmath>

namespace portfolio_art {

namespace {

constexpr double outlineWeight = 2.0;
constexpr double thinWeight = 1.0;
constexpr double hatchWeight = 0.75;
constexpr double dimensionWeight = 0.75;
constexpr double arrowLength = 6.0;
constexpr double arrowHalfWidth = 1.8;
constexpr double borderInset = 9.0;
constexpr double trimInset = 3.0;

QPointF unit(QPointF vector)
{
    const double length = std::hypot(vector.x(), vector.y());
    return length > 0.0 ? vector / length : QPointF(1.0, 0.0);
}

QPen roundPen(const QColor &colour, double weight)
{
    QPen pen(colour, weight);
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    return pen;
}

} // namespace

QColor DraftingSheet::ink()
{
    return {18, 20, 32};
}

QColor DraftingSheet::dimensionInk()
{
    return {16, 40, 150};
}

QColor DraftingSheet::memberFill()
{
    return {196, 204, 224};
}

QColor DraftingSheet::partFill()
{
    return {236, 239, 246};
}

DraftingSheet::DraftingSheet(QImage &image) : painter_(&image)
{
    painter_.setRenderHint(QPainter::Antialiasing);
    painter_.setRenderHint(QPainter::TextAntialiasing);
    painter_.fillRect(image.rect(), QColor(251, 251, 248));
    drawBorder(image.size());
}

QFont DraftingSheet::textFont(double pixelSize, bool bold) const
{
    QFont font(QStringLiteral("Liberation Sans Narrow"));
    font.setPixelSize(static_cast<int>(std::lround(pixelSize)));
    font.setBold(bold);
    return font;
}

void DraftingSheet::drawBorder(QSizeF paperSize)
{
    const QRectF trim(trimInset, trimInset, paperSize.width() - 2 * trimInset,
                      paperSize.height() - 2 * trimInset);
    const QRectF border(borderInset, borderInset, paperSize.width() - 2 * borderInset,
                        paperSize.height() - 2 * borderInset);
    painter_.setBrush(Qt::NoBrush);
    painter_.setPen(roundPen(ink(), 0.8));
    painter_.drawRect(trim);
    painter_.setPen(QPen(ink(), 2.4, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter_.drawRect(border);

    // Zone marks between the trim line and the border: numbers along, letters down.
    painter_.setFont(textFont(5.5));
    painter_.setPen(roundPen(ink(), 0.7));
    const int columns = 8;
    const int rows = 6;
    for (int column = 0; column < columns; ++column) {
        const double left = border.left() + border.width() * column / columns;
        const double right = border.left() + border.width() * (column + 1) / columns;
        if (column > 0) {
            painter_.drawLine(QLineF(left, trim.top(), left, border.top()));
            painter_.drawLine(QLineF(left, border.bottom(), left, trim.bottom()));
        }
        const QString label = QString::number(column + 1);
        painter_.drawText(QRectF(left, trim.top(), right - left, border.top() - trim.top()),
                          Qt::AlignCenter, label);
        painter_.drawText(
            QRectF(left, border.bottom(), right - left, trim.bottom() - border.bottom()),
            Qt::AlignCenter, label);
    }
    for (int row = 0; row < rows; ++row) {
        const double top = border.top() + border.height() * row / rows;
        const double bottom = border.top() + border.height() * (row + 1) / rows;
        if (row > 0) {
            painter_.drawLine(QLineF(trim.left(), top, border.left(), top));
            painter_.drawLine(QLineF(border.right(), top, trim.right(), top));
        }
        const QString label(QChar(u'A' + row));
        painter_.drawText(QRectF(trim.left(), top, border.left() - trim.left(), bottom - top),
                          Qt::AlignCenter, label);
        painter_.drawText(QRectF(border.right(), top, trim.right() - border.right(), bottom - top),
                          Qt::AlignCenter, label);
    }
    drawingArea_ = border.adjusted(1.2, 1.2, -1.2, -1.2);
}

QRectF DraftingSheet::drawTitleBlock(const TitleBlockText &text, double width)
{
    const double rowHeight = 10.0;
    const double height = rowHeight * 6.0;
    const QRectF box(drawingArea_.right() - width, drawingArea_.bottom() - height, width, height);
    painter_.setBrush(QColor(255, 255, 255));
    painter_.setPen(QPen(ink(), 1.6, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter_.drawRect(box);

    // Maker row: a dark band with the brand, the mark of a drawing office.
    const QRectF makerRow(box.left(), box.top(), box.width(), rowHeight * 1.5);
    painter_.fillRect(makerRow.adjusted(0.8, 0.8, -0.8, 0), QColor(22, 36, 92));
    painter_.setPen(QColor(255, 255, 255));
    painter_.setFont(textFont(9.0, true));
    painter_.drawText(makerRow.adjusted(6, 0, -4, 0), Qt::AlignLeft | Qt::AlignVCenter,
                      QStringLiteral("KORVEL ENGINEERING"));
    painter_.setFont(textFont(5.5));
    painter_.drawText(makerRow.adjusted(6, 0, -5, 0), Qt::AlignRight | Qt::AlignVCenter,
                      QStringLiteral("MECHANICAL DESIGN DEPT."));

    const QRectF titleRow(box.left(), makerRow.bottom(), box.width(), rowHeight * 1.9);
    painter_.setPen(ink());
    painter_.setFont(textFont(8.5, true));
    painter_.drawText(titleRow.adjusted(5, 1, -4, -titleRow.height() / 2 + 1),
                      Qt::AlignLeft | Qt::AlignVCenter, text.title);
    painter_.setFont(textFont(6.5));
    painter_.drawText(titleRow.adjusted(5, titleRow.height() / 2, -4, -1),
                      Qt::AlignLeft | Qt::AlignVCenter, text.subtitle);

    // The grid of small fields.
    const double gridTop = titleRow.bottom();
    painter_.setPen(roundPen(ink(), 0.8));
    painter_.drawLine(QLineF(box.left(), makerRow.bottom(), box.right(), makerRow.bottom()));
    painter_.drawLine(QLineF(box.left(), gridTop, box.right(), gridTop));
    const double fieldRow = (box.bottom() - gridTop) / 2.0;
    painter_.drawLine(QLineF(box.left(), gridTop + fieldRow, box.right(), gridTop + fieldRow));
    const double columnWidth = box.width() / 4.0;
    for (int column = 1; column < 4; ++column)
        painter_.drawLine(QLineF(box.left() + column * columnWidth, gridTop,
                                 box.left() + column * columnWidth, box.bottom()));

    const QString captions[2][4] = {{QStringLiteral("DRAWN"), QStringLiteral("CHECKED"),
                                     QStringLiteral("SCALE"), QStringLiteral("SHEET")},
                                    {QStringLiteral("APPROVED"), QStringLiteral("DATE"),
                                     QStringLiteral("DWG NO."), QStringLiteral("REV")}};
    const QString values[2][4] = {
        {QStringLiteral("A.N."), QStringLiteral("R.S."), text.scale, QStringLiteral("1 / 1")},
        {QStringLiteral("M.K."), QStringLiteral("2004-05"), text.drawingNumber,
         QStringLiteral("B")}};
    for (int row = 0; row < 2; ++row) {
        for (int column = 0; column < 4; ++column) {
            const QRectF field(box.left() + column * columnWidth, gridTop + row * fieldRow,
                               columnWidth, fieldRow);
            painter_.setFont(textFont(4.5));
            painter_.drawText(field.adjusted(2, 0.5, 0, 0), Qt::AlignLeft | Qt::AlignTop,
                              captions[row][column]);
            const bool isNumber = row == 1 && column == 2;
            painter_.setFont(textFont(isNumber ? 7.5 : 6.5, isNumber));
            painter_.drawText(field.adjusted(2, 3, -2, 0), Qt::AlignHCenter | Qt::AlignVCenter,
                              values[row][column]);
        }
    }
    return box;
}

QRectF DraftingSheet::drawPartsList(const std::vector<PartsListRow> &rows, QPointF bottomRight,
                                    double width)
{
    const double rowHeight = 9.0;
    const double height = rowHeight * static_cast<double>(rows.size() + 1);
    const QRectF box(bottomRight.x() - width, bottomRight.y() - height, width, height);
    painter_.setBrush(QColor(255, 255, 255));
    painter_.setPen(QPen(ink(), 1.4, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter_.drawRect(box);

    // Column edges as shares of the width: item, description, quantity, material.
    const double edges[] = {0.0, 0.11, 0.62, 0.73, 1.0};
    const auto columnBox = [&](int column, double top) {
        return QRectF(box.left() + edges[column] * width + 2.0, top,
                      (edges[column + 1] - edges[column]) * width - 4.0, rowHeight);
    };

    // Header at the bottom, shaded, as on a list standing on the title block.
    const double headerTop = box.bottom() - rowHeight;
    painter_.fillRect(QRectF(box.left() + 0.7, headerTop, box.width() - 1.4, rowHeight - 0.7),
                      QColor(214, 220, 236));
    painter_.setPen(roundPen(ink(), 0.7));
    for (std::size_t row = 0; row <= rows.size(); ++row) {
        const double y = box.bottom() - rowHeight * static_cast<double>(row + 1);
        if (row < rows.size())
            painter_.drawLine(QLineF(box.left(), y, box.right(), y));
    }
    for (int column = 1; column < 4; ++column) {
        const double x = box.left() + edges[column] * width;
        painter_.drawLine(QLineF(x, box.top(), x, box.bottom()));
    }

    const QString headers[] = {QStringLiteral("ITEM"), QStringLiteral("DESCRIPTION"),
                               QStringLiteral("QTY"), QStringLiteral("MATERIAL")};
    painter_.setPen(ink());
    painter_.setFont(textFont(6.0, true));
    for (int column = 0; column < 4; ++column)
        painter_.drawText(columnBox(column, headerTop),
                          (column == 1 || column == 3 ? Qt::AlignLeft : Qt::AlignHCenter) |
                              Qt::AlignVCenter,
                          headers[column]);
    painter_.setFont(textFont(6.0));
    for (std::size_t row = 0; row < rows.size(); ++row) {
        // Item 1 sits just above the header, the last item at the top.
        const double top = headerTop - rowHeight * static_cast<double>(row + 1);
        const PartsListRow &part = rows[row];
        const QString cells[] = {part.item, part.description, part.quantity, part.material};
        for (int column = 0; column < 4; ++column)
            painter_.drawText(columnBox(column, top),
                              (column == 1 || column == 3 ? Qt::AlignLeft : Qt::AlignHCenter) |
                                  Qt::AlignVCenter,
                              cells[column]);
    }
    return box;
}

void DraftingSheet::outline(const QPainterPath &path)
{
    painter_.setBrush(Qt::NoBrush);
    painter_.setPen(roundPen(ink(), outlineWeight));
    painter_.drawPath(path);
}

void DraftingSheet::outline(const QLineF &line)
{
    painter_.setPen(roundPen(ink(), outlineWeight));
    painter_.drawLine(line);
}

void DraftingSheet::thin(const QPainterPath &path)
{
    painter_.setBrush(Qt::NoBrush);
    painter_.setPen(roundPen(ink(), thinWeight));
    painter_.drawPath(path);
}

void DraftingSheet::thin(const QLineF &line)
{
    painter_.setPen(roundPen(ink(), thinWeight));
    painter_.drawLine(line);
}

void DraftingSheet::hidden(const QLineF &line)
{
    QPainterPath path;
    path.moveTo(line.p1());
    path.lineTo(line.p2());
    hidden(path);
}

void DraftingSheet::hidden(const QPainterPath &path)
{
    QPen pen(ink(), thinWeight, Qt::CustomDashLine, Qt::FlatCap);
    pen.setDashPattern({4.0, 2.5});
    painter_.setBrush(Qt::NoBrush);
    painter_.setPen(pen);
    painter_.drawPath(path);
}

void DraftingSheet::centreLine(QPointF from, QPointF to)
{
    const QPointF direction = unit(to - from);
    const double overshoot = 5.0;
    QPen pen(dimensionInk(), 0.7, Qt::CustomDashLine, Qt::FlatCap);
    pen.setDashPattern({14.0, 3.0, 2.0, 3.0});
    painter_.setPen(pen);
    painter_.drawLine(QLineF(from - direction * overshoot, to + direction * overshoot));
}

void DraftingSheet::centreMark(QPointF centre, double radius)
{
    centreLine(centre - QPointF(radius, 0), centre + QPointF(radius, 0));
    centreLine(centre - QPointF(0, radius), centre + QPointF(0, radius));
}

void DraftingSheet::hatch(const QPainterPath &region, double spacing, double angleDegrees)
{
    painter_.save();
    painter_.setClipPath(region, Qt::IntersectClip);
    painter_.fillPath(region, QColor(212, 218, 234));
    painter_.setPen(QPen(ink(), hatchWeight));
    const QRectF bounds = region.boundingRect();
    const double radians = angleDegrees * M_PI / 180.0;
    const QPointF along(std::cos(radians), -std::sin(radians));
    const QPointF across(-along.y(), along.x());
    const QPointF middle = bounds.center();
    const double reach = std::hypot(bounds.width(), bounds.height()) / 2.0 + spacing;
    for (double offset = -reach; offset <= reach; offset += spacing) {
        const QPointF base = middle + across * offset;
        painter_.drawLine(QLineF(base - along * reach, base + along * reach));
    }
    painter_.restore();
}

void DraftingSheet::filledOutline(const QPainterPath &path, const QColor &fill)
{
    painter_.fillPath(path, fill);
    outline(path);
}

void DraftingSheet::solid(const QPainterPath &region)
{
    painter_.fillPath(region, ink());
}

void DraftingSheet::arrowhead(QPointF tip, QPointF towards)
{
    const QPointF back = unit(towards - tip);
    const QPointF side(-back.y(), back.x());
    QPolygonF head;
    head << tip << tip + back * arrowLength + side * arrowHalfWidth
         << tip + back * arrowLength - side * arrowHalfWidth;
    painter_.setPen(Qt::NoPen);
    painter_.setBrush(dimensionInk());
    painter_.drawPolygon(head);
}

void DraftingSheet::dimension(QPointF from, QPointF to, double offset, const QString &text)
{
    const QPointF along = unit(to - from);
    const QPointF normal(along.y(), -along.x());
    const QPointF lineFrom = from + normal * offset;
    const QPointF lineTo = to + normal * offset;
    const double side = offset >= 0.0 ? 1.0 : -1.0;
    const double gap = 2.0;
    const double overshoot = 3.0;

    painter_.setPen(roundPen(dimensionInk(), dimensionWeight));
    if (std::abs(offset) > gap) {
        painter_.drawLine(QLineF(from + normal * gap * side, lineFrom + normal * overshoot * side));
        painter_.drawLine(QLineF(to + normal * gap * side, lineTo + normal * overshoot * side));
    }
    painter_.drawLine(QLineF(lineFrom, lineTo));
    arrowhead(lineFrom, lineTo);
    arrowhead(lineTo, lineFrom);

    // Text centred above the dimension line, turned to read from below or from the right.
    double angle = std::atan2(along.y(), along.x()) * 180.0 / M_PI;
    if (angle >= 90.0 || angle < -90.0)
        angle += 180.0;
    painter_.save();
    painter_.translate((lineFrom + lineTo) / 2.0);
    painter_.rotate(angle);
    painter_.setFont(textFont(7.0));
    painter_.setPen(dimensionInk());
    painter_.drawText(QRectF(-60, -10.5, 120, 9), Qt::AlignHCenter | Qt::AlignBottom, text);
    painter_.restore();
}

void DraftingSheet::balloon(QPointF target, QPointF centre, int number)
{
    const double radius = 5.5;
    const QPointF towards = unit(target - centre);
    painter_.setPen(roundPen(ink(), 0.7));
    painter_.drawLine(QLineF(centre + towards * radius, target));
    painter_.setBrush(ink());
    painter_.drawEllipse(target, 1.2, 1.2);
    painter_.setBrush(QColor(255, 255, 255));
    painter_.setPen(roundPen(ink(), 0.9));
    painter_.drawEllipse(centre, radius, radius);
    painter_.setFont(textFont(7.0, true));
    painter_.drawText(QRectF(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius),
                      Qt::AlignCenter, QString::number(number));
}

void DraftingSheet::sectionCut(QPointF from, QPointF to, QPointF lookDirection,
                               const QString &letter)
{
    const QPointF along = unit(to - from);
    const QPointF look = unit(lookDirection);
    QPen chain(ink(), 0.7, Qt::CustomDashLine, Qt::FlatCap);
    chain.setDashPattern({12.0, 3.0, 2.0, 3.0});
    painter_.setPen(chain);
    painter_.drawLine(QLineF(from, to));
    for (const QPointF &end : {from, to}) {
        const QPointF inward = end == from ? along : -along;
        painter_.setPen(QPen(ink(), 2.6, Qt::SolidLine, Qt::FlatCap));
        painter_.drawLine(QLineF(end - inward * 2.0, end + inward * 8.0));
        const QPointF arrowBase = end - inward * 2.0;
        painter_.setPen(roundPen(ink(), 0.9));
        painter_.drawLine(QLineF(arrowBase, arrowBase + look * 11.0));
        const QPointF tip = arrowBase + look * 13.0;
        const QPointF side(-look.y(), look.x());
        QPolygonF head;
        head << tip << tip - look * 6.0 + side * 2.2 << tip - look * 6.0 - side * 2.2;
        painter_.setPen(Qt::NoPen);
        painter_.setBrush(ink());
        painter_.drawPolygon(head);
        painter_.setPen(ink());
        painter_.setFont(textFont(9.0, true));
        const QPointF labelCentre = arrowBase + look * 8.0 - inward * 8.0;
        painter_.drawText(QRectF(labelCentre.x() - 6, labelCentre.y() - 6, 12, 12), Qt::AlignCenter,
                          letter);
    }
}

void DraftingSheet::detailCallout(QPointF centre, double radius, const QString &letter)
{
    QPen pen(ink(), 0.9, Qt::CustomDashLine, Qt::FlatCap);
    pen.setDashPattern({6.0, 2.0});
    painter_.setPen(pen);
    painter_.setBrush(Qt::NoBrush);
    painter_.drawEllipse(centre, radius, radius);
    const QPointF rim = centre + QPointF(radius * 0.7071, radius * 0.7071);
    const QPointF label = rim + QPointF(7.0, 9.0);
    painter_.setPen(roundPen(ink(), 0.8));
    painter_.drawLine(QLineF(rim, label + QPointF(-2.0, -6.0)));
    painter_.setPen(ink());
    painter_.setFont(textFont(9.0, true));
    painter_.drawText(QRectF(label.x() - 3.0, label.y() - 9.0, 14.0, 12.0), Qt::AlignCenter,
                      letter);
}

void DraftingSheet::viewTitle(QPointF centreTop, const QString &title, const QString &scale)
{
    painter_.setPen(ink());
    const QFont titleFont = textFont(8.5, true);
    painter_.setFont(titleFont);
    const double width = QFontMetricsF(titleFont).horizontalAdvance(title);
    const QRectF titleBox(centreTop.x() - width / 2.0 - 2, centreTop.y(), width + 4, 10);
    painter_.drawText(titleBox, Qt::AlignCenter, title);
    painter_.setPen(roundPen(ink(), 1.1));
    painter_.drawLine(QLineF(titleBox.left() + 2, titleBox.bottom() + 0.5, titleBox.right() - 2,
                             titleBox.bottom() + 0.5));
    if (!scale.isEmpty()) {
        painter_.setPen(ink());
        painter_.setFont(textFont(6.5));
        painter_.drawText(QRectF(centreTop.x() - 40, titleBox.bottom() + 1.5, 80, 8),
                          Qt::AlignCenter, scale);
    }
}

void DraftingSheet::note(QPointF at, const QString &text, double pixelSize)
{
    painter_.setPen(ink());
    painter_.setFont(textFont(pixelSize));
    painter_.drawText(at, text);
}

} // namespace portfolio_art
