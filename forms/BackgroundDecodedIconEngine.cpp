#include "forms/BackgroundDecodedIconEngine.h"

#include "forms/Pictures.h"

#include <QPainter>
#include <QPixmap>

#include <exception>

namespace forms {

QIcon BackgroundDecodedIconEngine::icon(const QStringList &files)
{
    std::shared_future<QList<QImage>> pictures =
        std::async(std::launch::async, [files] {
            QList<QImage> decoded;
            for (const QString &file : files) {
                try {
                    // In the format a pixmap keeps, so that the pixmap shares these pixels.
                    decoded.append(loadPicture(file).image.convertToFormat(
                        QImage::Format_ARGB32_Premultiplied));
                } catch (const std::exception &) { // unreadable: left out
                }
            }
            return decoded;
        }).share();
    return QIcon(new BackgroundDecodedIconEngine(std::move(pictures)));
}

BackgroundDecodedIconEngine::BackgroundDecodedIconEngine(std::shared_future<QList<QImage>> pictures)
    : m_pictures(std::move(pictures))
{
}

const QIcon &BackgroundDecodedIconEngine::decoded()
{
    if (!m_decoded) {
        QIcon icon;
        for (const QImage &picture : m_pictures.get())
            icon.addPixmap(QPixmap::fromImage(picture));
        m_decoded = icon;
    }
    return *m_decoded;
}

// The icon made with addPixmap does the work. Its own pixmap(size, ratio, ...) is called with the
// ratio 1 or with the ratio this engine was asked for, so that no device pixel ratio is applied
// twice: the QIcon that holds this engine has applied it already.

void BackgroundDecodedIconEngine::paint(QPainter *painter, const QRect &rect, QIcon::Mode mode,
                                        QIcon::State state)
{
    const qreal ratio = painter->device()->devicePixelRatio();
    painter->drawPixmap(rect, scaledPixmap(rect.size() * ratio, mode, state, ratio));
}

QSize BackgroundDecodedIconEngine::actualSize(const QSize &size, QIcon::Mode mode,
                                              QIcon::State state)
{
    return pixmap(size, mode, state).size();
}

QPixmap BackgroundDecodedIconEngine::pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state)
{
    return decoded().pixmap(size, 1.0, mode, state);
}

QPixmap BackgroundDecodedIconEngine::scaledPixmap(const QSize &size, QIcon::Mode mode,
                                                  QIcon::State state, qreal scale)
{
    if (scale <= 1.0)
        return pixmap(size, mode, state);
    QPixmap scaled = decoded().pixmap(size / scale, scale, mode, state);
    scaled.setDevicePixelRatio(1.0);
    return scaled;
}

QList<QSize> BackgroundDecodedIconEngine::availableSizes(QIcon::Mode mode, QIcon::State state)
{
    return decoded().availableSizes(mode, state);
}

QString BackgroundDecodedIconEngine::key() const
{
    return QStringLiteral("forms::BackgroundDecodedIconEngine");
}

QIconEngine *BackgroundDecodedIconEngine::clone() const
{
    auto *copy = new BackgroundDecodedIconEngine(m_pictures);
    copy->m_decoded = m_decoded;
    return copy;
}

bool BackgroundDecodedIconEngine::isNull()
{
    return decoded().isNull();
}

} // namespace forms
