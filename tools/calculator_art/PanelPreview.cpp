#include "PanelPreview.h"

#include <QFont>
#include <QImageReader>
#include <QPainter>

#include <stdexcept>

namespace {

QImage load(const QDir &folder, const QString &name)
{
    QImageReader reader(folder.filePath(name));
    const QImage image = reader.read();
    if (image.isNull())
        throw std::runtime_error(
            QStringLiteral("cannot read %1: %2").arg(name, reader.errorString()).toStdString());
    return image;
}

// The picture with every pixel of its bottom-left pixel's colour made transparent.
QImage keyed(const QImage &picture)
{
    QImage result = picture.convertToFormat(QImage::Format_ARGB32);
    const QRgb key = result.pixel(0, result.height() - 1) & 0xFFFFFFu;
    for (int y = 0; y < result.height(); ++y) {
        auto *row = reinterpret_cast<QRgb *>(result.scanLine(y));
        for (int x = 0; x < result.width(); ++x)
            if ((row[x] & 0xFFFFFFu) == key)
                row[x] = 0;
    }
    return result;
}

QFont font(const QString &family, int pixelSize, bool bold)
{
    QFont result(family);
    result.setPixelSize(pixelSize);
    result.setBold(bold);
    return result;
}

// A label: text drawn from its top-left corner, as a caption that sizes itself to its text.
void label(QPainter &painter, QPoint topLeft, const QString &text, const QFont &textFont,
           const QColor &colour)
{
    painter.setFont(textFont);
    painter.setPen(colour);
    painter.drawText(QRect(topLeft, QSize(300, 40)), Qt::AlignLeft | Qt::AlignTop, text);
}

void sunkenBox(QPainter &painter, const QRect &box, const QString &text)
{
    painter.fillRect(box, Qt::white);
    painter.setPen(QColor(130, 135, 144));
    painter.drawRect(box.adjusted(0, 0, -1, -1));
    label(painter, box.topLeft() + QPoint(4, 3), text, font("DejaVu Sans", 11, false), Qt::black);
}

void button(QPainter &painter, const QRect &box)
{
    painter.fillRect(box, QColor(240, 240, 240));
    painter.setPen(QColor(160, 160, 160));
    painter.drawRect(box.adjusted(0, 0, -1, -1));
}

void radio(QPainter &painter, QPoint topLeft, bool checked)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QColor(90, 90, 90));
    painter.setBrush(Qt::white);
    painter.drawEllipse(QRectF(topLeft, QSizeF(13, 13)).translated(2.5, 2.5));
    if (checked) {
        painter.setBrush(Qt::black);
        painter.setPen(Qt::NoPen);
        painter.drawEllipse(QRectF(topLeft, QSizeF(5, 5)).translated(6.5, 6.5));
    }
    painter.restore();
}

} // namespace

QImage PanelPreview::compose(const QDir &calculatorArt, SectionFamily family)
{
    const QImage background = load(calculatorArt, QStringLiteral("background.jpg"));
    const QString drawingName = family == SectionFamily::Square        ? "drawing-square.jpg"
                                : family == SectionFamily::Rectangular ? "drawing-rectangular.jpg"
                                                                       : "drawing-round.jpg";
    QImage window(387, 501, QImage::Format_RGB32);
    window.fill(QColor(240, 240, 240));
    QPainter painter(&window);

    // Panel: lowered frame, background, the drawing in front and "L" over it.
    painter.setPen(QColor(160, 160, 160));
    painter.drawLine(8, 72, 376, 72);
    painter.drawLine(8, 72, 8, 496);
    painter.setPen(Qt::white);
    painter.drawLine(8, 496, 376, 496);
    painter.drawLine(376, 72, 376, 496);
    painter.drawImage(QPoint(8, 72), background, QRect(0, 0, 369, 424));
    painter.drawImage(QPoint(18, 280), load(calculatorArt, drawingName));

    painter.drawImage(QPoint(48, 84), keyed(load(calculatorArt, "shape-square.bmp")));
    painter.drawImage(QPoint(168, 84), keyed(load(calculatorArt, "shape-rectangular.bmp")));
    painter.drawImage(QPoint(296, 84), keyed(load(calculatorArt, "shape-round.bmp")));
    radio(painter, QPoint(29, 104), family == SectionFamily::Square);
    radio(painter, QPoint(141, 104), family == SectionFamily::Rectangular);
    radio(painter, QPoint(277, 104), family == SectionFamily::Round);

    const QFont rowFont = font("Times New Roman", 16, true);
    const QFont smallSerif = font("Times New Roman", 15, true);
    label(painter, {40, 152}, "Profile :", rowFont, Qt::white);
    label(painter, {40, 200}, "Length :", rowFont, Qt::white);
    label(painter, {40, 248}, "Qty :", rowFont, Qt::white);
    label(painter, {192, 200}, "( mm )", smallSerif, Qt::white);
    label(painter, {285, 237}, "259.2 kg", smallSerif, Qt::white);
    label(painter, {147, 306}, "L", font("Times New Roman", 19, true), Qt::white);

    sunkenBox(painter, QRect(112, 152, 121, 21), "REC 100x50  t=5");
    sunkenBox(painter, QRect(112, 200, 65, 21), "6000");
    sunkenBox(painter, QRect(112, 248, 65, 21), "4");
    button(painter, QRect(264, 166, 89, 43));
    painter.drawImage(QPoint(274, 170), keyed(load(calculatorArt, "glyph-calc.bmp")));
    painter.setFont(smallSerif);
    painter.setPen(QColor(0, 0, 128));
    painter.drawText(QRect(310, 166, 43, 43), Qt::AlignVCenter | Qt::AlignLeft, "Calc.");

    // Top band on the window face.
    painter.drawImage(QPoint(8, 8), keyed(load(calculatorArt, "logo.bmp")));
    painter.drawImage(QPoint(64, 8), keyed(load(calculatorArt, "company-name.bmp")));
    label(painter, {68, 45}, "www.korvel.example", smallSerif, Qt::black);
    label(painter, {205, 49}, "+00 000 555 0100", font("DejaVu Sans", 11, false), Qt::black);
    button(painter, QRect(312, 8, 65, 57));
    painter.setFont(font("DejaVu Sans", 11, true));
    painter.setPen(QColor(128, 0, 0));
    painter.drawText(QRect(312, 10, 65, 16), Qt::AlignCenter, "KORVEL");
    painter.drawImage(QPoint(328, 28), keyed(load(calculatorArt, "glyph-web.bmp")));
    return window;
}
