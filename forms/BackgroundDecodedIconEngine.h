#pragma once

#include <QIcon>
#include <QIconEngine>
#include <QImage>
#include <QList>
#include <QString>

#include <future>
#include <optional>

namespace forms {

// An icon made of picture files, one per size, that are decoded on a worker thread from the moment
// the icon is made. A program sets its window icon before it builds its windows, but the window
// system asks for the icon's pixels only when the first window is created; meanwhile the files
// decode beside the rest of the start-up. The icon then behaves exactly like one built with
// QIcon::addPixmap from the same pictures: whatever asks for it first waits for the decoding.
class BackgroundDecodedIconEngine : public QIconEngine
{
public:
    // Starts decoding `files` (paths or ":/..." resources, read as loadPicture does). A file that
    // cannot be read is left out of the icon.
    static QIcon icon(const QStringList &files);

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override;
    QSize actualSize(const QSize &size, QIcon::Mode mode, QIcon::State state) override;
    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override;
    QPixmap scaledPixmap(const QSize &size, QIcon::Mode mode, QIcon::State state,
                         qreal scale) override;
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override;
    QString key() const override;
    QIconEngine *clone() const override;
    bool isNull() override;

private:
    explicit BackgroundDecodedIconEngine(std::shared_future<QList<QImage>> pictures);
    // The icon made from the decoded pictures, waiting for them the first time.
    const QIcon &decoded();

    std::shared_future<QList<QImage>> m_pictures;
    std::optional<QIcon> m_decoded;
};

} // namespace forms
