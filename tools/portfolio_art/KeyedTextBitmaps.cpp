#include "KeyedTextBitmaps.h"

#include "BackgroundPicture.h"
#include "KeyedComposite.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QStringList>

namespace portfolio_art {

namespace {

// Where the pictures sit on the window (client coordinates), so their edges can be blended towards
// exactly the background pixels that will show around their letters.
constexpr QPoint bannerPlace(61, 342);
constexpr QPoint industriesPlace(472, 88);
constexpr QSize backgroundSize(684, 459);
constexpr int bannerVisibleRows = 46;

QImage backgroundBehind(QPoint place, QSize size)
{
    return drawBackgroundPicture(backgroundSize).copy(QRect(place, size));
}

QImage transparentCanvas(QSize size)
{
    QImage canvas(size, QImage::Format_ARGB32_Premultiplied);
    canvas.fill(Qt::transparent);
    return canvas;
}

QFont persianFont(const QString &family, bool bold, int pixelSize)
{
    QFont font(family);
    font.setBold(bold);
    font.setPixelSize(pixelSize);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

} // namespace

QImage drawContactBanner(QSize size)
{
    QImage canvas = transparentCanvas(size);
    QPainter painter(&canvas);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setPen(QColor(255, 255, 255));

    const QString nameAndAddress =
        QStringLiteral("شرکت مهندسی نمونه   —   تهران، خیابان نمونه، کوچه نمونه، پلاک ۰");
    const QString numbersAndWeb =
        QStringLiteral("Tel: +00 000 555 0100      Fax: +00 000 555 0101      www.korvel.example");

    painter.setFont(persianFont(QStringLiteral("Nazli"), true, 17));
    painter.drawText(QRectF(0, 0, size.width(), 25), Qt::AlignHCenter | Qt::AlignVCenter,
                     nameAndAddress);

    QFont latin(QStringLiteral("Liberation Sans"));
    latin.setBold(true);
    latin.setPixelSize(12);
    painter.setFont(latin);
    painter.drawText(QRectF(0, 26, size.width(), bannerVisibleRows - 28),
                     Qt::AlignHCenter | Qt::AlignVCenter, numbersAndWeb);
    painter.end();

    return flattenOntoKey(canvas, backgroundBehind(bannerPlace, size), navyKey);
}

QImage drawIndustriesList(QSize size)
{
    const QStringList industries{
        QStringLiteral("کارخانجات سیمان"),   QStringLiteral("کارخانجات آرد"),
        QStringLiteral("آسفالت سازی"),       QStringLiteral("معادن"),
        QStringLiteral("کارخانجات ذوب آهن"), QStringLiteral("ایستگاه های بارگیری و ..."),
    };
    const double bulletSpace = 9.0;
    const double margin = 2.0;
    const double textWidth = size.width() - bulletSpace - 2 * margin;

    // The largest size at which the longest line still fits.
    QFont font = persianFont(QStringLiteral("Nazli"), true, 16);
    for (int pixelSize = 16; pixelSize > 9; --pixelSize) {
        font.setPixelSize(pixelSize);
        const QFontMetricsF metrics(font);
        double widest = 0.0;
        for (const QString &line : industries)
            widest = std::max(widest, metrics.horizontalAdvance(line));
        if (widest <= textWidth)
            break;
    }

    QImage canvas = transparentCanvas(size);
    QPainter painter(&canvas);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setFont(font);
    const QColor yellow(255, 226, 40);
    const double rowHeight = size.height() / static_cast<double>(industries.size());
    for (int row = 0; row < industries.size(); ++row) {
        const double top = row * rowHeight;
        const QRectF textBox(margin, top, textWidth, rowHeight);
        painter.setPen(yellow);
        painter.drawText(textBox, Qt::AlignRight | Qt::AlignVCenter | Qt::AlignAbsolute,
                         industries[row]);
        // A small diamond bullet at the right, where a Persian list starts.
        const QPointF bulletCentre(size.width() - margin - bulletSpace / 2.0,
                                   top + rowHeight / 2.0 + 1.0);
        QPolygonF diamond;
        diamond << bulletCentre + QPointF(0, -3) << bulletCentre + QPointF(3, 0)
                << bulletCentre + QPointF(0, 3) << bulletCentre + QPointF(-3, 0);
        painter.setPen(Qt::NoPen);
        painter.setBrush(yellow);
        painter.drawPolygon(diamond);
    }
    painter.end();

    return flattenOntoKey(canvas, backgroundBehind(industriesPlace, size), navyKey);
}

} // namespace portfolio_art
