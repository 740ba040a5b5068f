#include "forms/PictureBox.h"

#include <QMouseEvent>
#include <QPainter>

#include <cmath>
#include <stdexcept>

namespace forms {

PictureBox::PictureBox(QWidget *parent) : QWidget(parent)
{
    setFocusPolicy(Qt::NoFocus);
}

void PictureBox::setPictureFile(const QString &path)
{
    Pictures::requireFile(path);
    m_pictureFile = path;
    m_picture = QImage();
    m_header = {};
    m_headerPending = true;
    pictureChanged(); // with autoSize on, reads the header to take the picture's size
}

const PictureHeader &PictureBox::header() const
{
    if (m_headerPending) {
        m_headerPending = false;
        try {
            m_header = Pictures::readHeader(m_pictureFile);
        } catch (const std::runtime_error &) { // not a picture after all: the box shows nothing
            m_header = {};
        }
    }
    return m_header;
}

void PictureBox::setPicture(const QImage &picture, bool isBitmap)
{
    m_pictureFile.clear();
    m_picture = picture;
    m_headerPending = false;
    m_header = {picture.size(), isBitmap, picture.hasAlphaChannel()};
    if (picture.isNull())
        m_header.size = QSize();
    pictureChanged();
}

QImage PictureBox::picture() const
{
    if (m_pictureFile.isEmpty())
        return m_picture;
    return Pictures::decoded(m_pictureFile, header().size, false).toImage();
}

void PictureBox::setStretch(bool on)
{
    m_stretch = on;
    pictureChanged();
}

void PictureBox::setAutoSize(bool on)
{
    m_autoSize = on;
    if (on && header().size.isValid())
        resize(header().size);
    updateOpaqueHint();
}

void PictureBox::setTransparent(bool on)
{
    m_transparent = on;
    pictureChanged();
}

void PictureBox::setAlignClient(bool on)
{
    m_alignClient = on;
    if (on)
        followParent();
}

void PictureBox::followParent()
{
    QWidget *parent = parentWidget();
    if (parent == nullptr)
        return;
    parent->removeEventFilter(this); // installed once
    parent->installEventFilter(this);
    setGeometry(parent->rect());
}

bool PictureBox::event(QEvent *event)
{
    if (event->type() == QEvent::Polish) {
        header();
        updateOpaqueHint();
    }
    if (event->type() == QEvent::ParentAboutToChange && parentWidget() != nullptr)
        parentWidget()->removeEventFilter(this);
    if (event->type() == QEvent::ParentChange && m_alignClient)
        followParent();
    return QWidget::event(event);
}

bool PictureBox::eventFilter(QObject *watched, QEvent *event)
{
    if (m_alignClient && watched == parentWidget() && event->type() == QEvent::Resize)
        setGeometry(parentWidget()->rect());
    return QWidget::eventFilter(watched, event);
}

void PictureBox::pictureChanged()
{
    m_drawn = QPixmap();
    if (m_autoSize && header().size.isValid())
        resize(header().size);
    updateOpaqueHint();
    update();
}

void PictureBox::updateOpaqueHint()
{
    if (m_headerPending)
        return; // set when the header is read (see event)
    const QSize natural = m_header.size;
    const bool covers = natural.isValid() &&
                        (m_stretch || (natural.width() >= width() && natural.height() >= height()));
    setAttribute(Qt::WA_OpaquePaintEvent, covers && !groundRemoved() && !m_header.hasAlpha);
}

void PictureBox::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    updateOpaqueHint();
}

PictureRequest PictureBox::wholeRequest() const
{
    PictureRequest request{m_pictureFile, header().size, header().size, groundRemoved()};
    if (m_stretch && !groundRemoved()) {
        const qreal ratio = devicePixelRatioF();
        const QSize device(static_cast<int>(std::ceil(width() * ratio)),
                           static_cast<int>(std::ceil(height() * ratio)));
        request.size = request.part = Pictures::decodeSizeFor(header().size, device);
    }
    return request;
}

QSize PictureBox::shownPart(const PictureRequest &whole) const
{
    if (m_stretch || whole.groundRemoved)
        return whole.size;
    const QSize shown = whole.size.boundedTo(size());
    return shown.isEmpty() ? whole.size : shown;
}

bool PictureBox::drawnAtSizeOf(const PictureRequest &whole) const
{
    return !m_drawn.isNull() && m_drawnRequest.path == whole.path &&
           m_drawnRequest.size == whole.size && m_drawnRequest.groundRemoved == whole.groundRemoved;
}

bool PictureBox::drawnHoldsShownPart() const
{
    const PictureRequest whole = wholeRequest();
    return drawnAtSizeOf(whole) &&
           m_drawnRequest.part.expandedTo(shownPart(whole)) == m_drawnRequest.part;
}

PictureRequest PictureBox::drawingRequest() const
{
    PictureRequest request = wholeRequest();
    if (!drawnAtSizeOf(request))
        request.part = shownPart(request);
    return request;
}

std::optional<PictureRequest> PictureBox::pendingRequest() const
{
    if (m_pictureFile.isEmpty() || !header().size.isValid())
        return std::nullopt;
    if (drawnHoldsShownPart())
        return std::nullopt;
    const PictureRequest request = drawingRequest();
    if (!Pictures::cached(request).isNull())
        return std::nullopt;
    return request;
}

void PictureBox::expectDecoding(const PictureRequest &request, std::future<QImage> decoding)
{
    m_expectedRequest = request;
    m_expectedDecoding = std::move(decoding);
}

QImage PictureBox::takeExpectedDecoding(const PictureRequest &request)
{
    if (!m_expectedDecoding.valid())
        return {};
    QImage image;
    try {
        image = m_expectedDecoding.get();
    } catch (...) { // the worker failed (out of memory): decode here instead
        return {};
    }
    return m_expectedRequest == request ? image : QImage();
}

QPixmap PictureBox::pixmapToDraw()
{
    if (m_pictureFile.isEmpty()) {
        if (m_drawn.isNull() && !m_picture.isNull())
            m_drawn =
                QPixmap::fromImage(groundRemoved() ? withGroundRemoved(m_picture) : m_picture);
        return m_drawn;
    }
    if (drawnHoldsShownPart())
        return m_drawn;
    const PictureRequest request = drawingRequest();
    m_drawn = Pictures::cached(request);
    if (m_drawn.isNull()) {
        QImage decodedElsewhere = takeExpectedDecoding(request);
        m_drawn = decodedElsewhere.isNull() ? Pictures::decoded(request)
                                            : Pictures::share(request, std::move(decodedElsewhere));
    }
    m_drawnRequest = request;
    return m_drawn;
}

void PictureBox::paintEvent(QPaintEvent *)
{
    const QPixmap shown = pixmapToDraw();
    QPainter painter(this);
    if (shown.isNull()) {
        // Promised to cover the box: a picture that failed to decode leaves the face colour.
        if (testAttribute(Qt::WA_OpaquePaintEvent))
            painter.fillRect(rect(), palette().color(QPalette::Window));
        return;
    }
    if (m_stretch) {
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawPixmap(rect(), shown);
    } else {
        painter.drawPixmap(0, 0, shown);
    }
}

void PictureBox::mousePressEvent(QMouseEvent *event)
{
    m_pressed = event->button() == Qt::LeftButton;
    event->accept();
}

void PictureBox::mouseReleaseEvent(QMouseEvent *event)
{
    const bool click = m_pressed && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    m_pressed = false;
    event->accept();
    if (click)
        emit clicked();
}

} // namespace forms
