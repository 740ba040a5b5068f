#include "BrandPainter.h"

#include "KeyedBitmap.h"

#include <QFont>
#include <QFontDatabase>
#include <QPainter>
#include <QPainterPath>

#include <stdexcept>

namespace {

QImage transparentCanvas(int width, int height)
{
    QImage canvas(width, height, QImage::Format_ARGB32_Premultiplied);
    canvas.fill(Qt::transparent);
    return canvas;
}

// Smallest rectangle holding every pixel that is not fully transparent.
QRect inkBounds(const QImage &image)
{
    QRect bounds;
    for (int y = 0; y < image.height(); ++y) {
        const auto *row = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(row[x]) != 0)
                bounds |= QRect(x, y, 1, 1);
    }
    return bounds;
}

// The first installed family with Arabic script among the preferred lettering faces.
QString persianFamily()
{
    const QStringList installed = QFontDatabase::families(QFontDatabase::Arabic);
    for (const QString &wanted :
         {QStringLiteral("Titr"), QStringLiteral("Nazli"), QStringLiteral("DejaVu Sans")})
        if (installed.contains(wanted))
            return wanted;
    throw std::runtime_error("no font with Arabic script (install fonts-farsiweb)");
}

} // namespace

QString BrandPainter::companyName()
{
    return QStringLiteral("شرکت مهندسی نمونه");
}

QImage BrandPainter::logo()
{
    const QColor blue(18, 44, 124);
    QImage figure = transparentCanvas(48, 48);
    {
        QPainter painter(&figure);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        painter.setBrush(blue);
        QPainterPath frame;
        frame.setFillRule(Qt::OddEvenFill);
        frame.addRoundedRect(QRectF(2, 2, 44, 44), 8, 8);
        frame.addRoundedRect(QRectF(6.5, 6.5, 35, 35), 3.5, 3.5);
        painter.drawPath(frame);

        // The monogram: a stem and two arms cut square at the letter's top and bottom lines.
        painter.drawRect(QRectF(13, 12, 6, 24));
        painter.save();
        painter.setClipRect(QRectF(13, 12, 23, 24));
        painter.setPen(QPen(blue, 6.2, Qt::SolidLine, Qt::FlatCap));
        painter.drawLine(QPointF(17.5, 27.5), QPointF(34, 8));
        painter.drawLine(QPointF(22.5, 21.5), QPointF(36, 40));
        painter.restore();
    }
    return KeyedBitmap::flatten(figure, windowFace, logoGround, 0.3);
}

QImage BrandPainter::companyNamePicture()
{
    constexpr int width = 239;
    constexpr int height = 30;
    QFont font(persianFamily());
    font.setBold(true);
    font.setStyleStrategy(QFont::PreferAntialias);

    // Largest lettering that leaves a margin of 4 pixels at the sides and 2 at top and bottom.
    QImage lettering;
    QRect ink;
    for (int pixelSize = 40; pixelSize >= 8; --pixelSize) {
        font.setPixelSize(pixelSize);
        lettering = transparentCanvas(3 * width, 3 * height);
        QPainter painter(&lettering);
        painter.setRenderHint(QPainter::TextAntialiasing);
        painter.setFont(font);
        painter.setPen(Qt::black);
        painter.setLayoutDirection(Qt::RightToLeft);
        painter.drawText(lettering.rect(), Qt::AlignCenter, companyName());
        painter.end();
        ink = inkBounds(lettering);
        if (ink.width() <= width - 8 && ink.height() <= height - 4)
            break;
    }
    QImage figure = transparentCanvas(width, height);
    {
        QPainter painter(&figure);
        const QPoint topLeft((width - ink.width()) / 2, (height - ink.height()) / 2);
        painter.drawImage(topLeft, lettering, ink);
    }
    return KeyedBitmap::flatten(figure, windowFace, companyNameGround, 0.25);
}
