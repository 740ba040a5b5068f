#include "forms/PictureBox.h"

#include "forms/Pictures.h"

#include <QMouseEvent>
#include <QPainter>

namespace forms {

PictureBox::PictureBox(QWidget *parent) : QWidget(parent)
{
    setFocusPolicy(Qt::NoFocus);
}

void PictureBox::setPictureFile(const QString &path)
{
    const LoadedPicture loaded = loadPicture(path);
    m_pictureFile = path;
    setPicture(loaded.image, loaded.isBitmap);
}

void PictureBox::setPicture(const QImage &picture, bool isBitmap)
{
    m_picture = picture;
    m_isBitmap = isBitmap;
    updateShownPicture();
}

void PictureBox::setStretch(bool on)
{
    m_stretch = on;
    update();
}

void PictureBox::setAutoSize(bool on)
{
    m_autoSize = on;
    if (on && !m_picture.isNull())
        resize(m_picture.size());
}

void PictureBox::setTransparent(bool on)
{
    m_transparent = on;
    updateShownPicture();
}

void PictureBox::updateShownPicture()
{
    m_shown =
        QPixmap::fromImage(m_transparent && m_isBitmap ? withGroundRemoved(m_picture) : m_picture);
    if (m_autoSize && !m_picture.isNull())
        resize(m_picture.size());
    update();
}

void PictureBox::paintEvent(QPaintEvent *)
{
    if (m_shown.isNull())
        return;
    QPainter painter(this);
    if (m_stretch) {
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawPixmap(rect(), m_shown);
    } else {
        painter.drawPixmap(0, 0, m_shown);
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
