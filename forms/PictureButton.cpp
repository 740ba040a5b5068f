#include "forms/PictureButton.h"

#include "forms/Application.h"
#include "forms/Fonts.h"
#include "forms/Pictures.h"

#include <QMouseEvent>
#include <QStyleOptionButton>
#include <QStyleOptionFocusRect>
#include <QStylePainter>

#include <stdexcept>

namespace forms {

PictureButton::PictureButton(QWidget *parent) : QPushButton(parent)
{
    setAutoDefault(false);
    setDefault(false);
    setFocusPolicy(Qt::StrongFocus);
}

namespace {

int errorReportCount()
{
    const Application *application = Application::instance();
    return application != nullptr ? application->errorReportCount() : 0;
}

} // namespace

void PictureButton::setGlyphFile(const QString &path)
{
    Pictures::requireFile(path);
    m_glyphFile = path;
    m_glyph = QPixmap();
    update();
}

QPixmap PictureButton::glyph() const
{
    if (m_glyph.isNull() && !m_glyphFile.isEmpty()) {
        try {
            m_glyph = Pictures::decoded(m_glyphFile, Pictures::readHeader(m_glyphFile).size, true);
        } catch (const std::runtime_error &) { // not a picture after all: no glyph
        }
    }
    return m_glyph;
}

void PictureButton::setGlyphLayout(GlyphLayout layout)
{
    m_layout = layout;
    update();
}

void PictureButton::setGlyphSpacing(int pixels)
{
    m_spacing = pixels;
    update();
}

void PictureButton::setFontPixelSize(int pixels)
{
    forms::setFontPixelSize(*this, pixels);
}

QColor PictureButton::fontColor() const
{
    return palette().color(QPalette::ButtonText);
}

void PictureButton::setFontColor(const QColor &color)
{
    QPalette textColour = palette();
    textColour.setColor(QPalette::ButtonText, color);
    setPalette(textColour);
}

void PictureButton::mousePressEvent(QMouseEvent *event)
{
    // Qt has already given this button the focus for the press. If a handler run by that focus
    // move took it elsewhere (or a message box holds it), the press does not go on.
    if (event->button() == Qt::LeftButton) {
        m_reportsAtPress = errorReportCount();
        if (!hasFocus() && !holdsFocusOfInactiveWindow()) {
            event->accept();
            return;
        }
    }
    QPushButton::mousePressEvent(event);
}

bool PictureButton::holdsFocusOfInactiveWindow()
{
    // Qt gives the focus to the window's focus widget only once the window is active; until
    // then hasFocus() is false even for the button that the press has just made that widget.
    QWidget *const ownWindow = window();
    if (ownWindow->isActiveWindow() || ownWindow->focusWidget() != this)
        return false;
    ownWindow->activateWindow();
    // Where the platform activates at once, the activation may have run a commit that failed.
    return errorReportCount() == m_reportsAtPress;
}

void PictureButton::mouseReleaseEvent(QMouseEvent *event)
{
    // An error report while the button was down (its event loop may also have taken this
    // release): no click.
    if (event->button() == Qt::LeftButton && isDown() && errorReportCount() != m_reportsAtPress) {
        setDown(false);
        event->accept();
        return;
    }
    QPushButton::mouseReleaseEvent(event);
}

void PictureButton::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text.clear();
    option.icon = QIcon();
    painter.drawControl(QStyle::CE_PushButtonBevel, option);

    const QPixmap shownGlyph = glyph();
    const QSize glyphSize =
        shownGlyph.isNull() ? QSize(0, 0) : shownGlyph.deviceIndependentSize().toSize();
    const QString caption = text();
    const QSize captionSize = fontMetrics().size(Qt::TextSingleLine, caption);
    const bool besideCaption = m_layout == GlyphLeft || m_layout == GlyphRight;
    const int gap = glyphSize.isEmpty() || caption.isEmpty() ? 0 : m_spacing;
    const QSize block = besideCaption ? QSize(glyphSize.width() + gap + captionSize.width(),
                                              qMax(glyphSize.height(), captionSize.height()))
                                      : QSize(qMax(glyphSize.width(), captionSize.width()),
                                              glyphSize.height() + gap + captionSize.height());
    QPoint origin((width() - block.width()) / 2, (height() - block.height()) / 2);
    if (isDown())
        origin += QPoint(style()->pixelMetric(QStyle::PM_ButtonShiftHorizontal, &option, this),
                         style()->pixelMetric(QStyle::PM_ButtonShiftVertical, &option, this));

    QRect glyphRect(QPoint(), glyphSize);
    QRect captionRect(QPoint(), captionSize);
    switch (m_layout) {
    case GlyphLeft:
        glyphRect.moveTo(origin.x(), origin.y() + (block.height() - glyphSize.height()) / 2);
        captionRect.moveTo(origin.x() + glyphSize.width() + gap,
                           origin.y() + (block.height() - captionSize.height()) / 2);
        break;
    case GlyphRight:
        captionRect.moveTo(origin.x(), origin.y() + (block.height() - captionSize.height()) / 2);
        glyphRect.moveTo(origin.x() + captionSize.width() + gap,
                         origin.y() + (block.height() - glyphSize.height()) / 2);
        break;
    case GlyphTop:
        glyphRect.moveTo(origin.x() + (block.width() - glyphSize.width()) / 2, origin.y());
        captionRect.moveTo(origin.x() + (block.width() - captionSize.width()) / 2,
                           origin.y() + glyphSize.height() + gap);
        break;
    case GlyphBottom:
        captionRect.moveTo(origin.x() + (block.width() - captionSize.width()) / 2, origin.y());
        glyphRect.moveTo(origin.x() + (block.width() - glyphSize.width()) / 2,
                         origin.y() + captionSize.height() + gap);
        break;
    }
    if (!shownGlyph.isNull())
        painter.drawPixmap(glyphRect.topLeft(), shownGlyph);
    painter.drawItemText(captionRect, Qt::AlignCenter | Qt::TextSingleLine, palette(), isEnabled(),
                         caption, QPalette::ButtonText);

    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = rect().adjusted(4, 4, -4, -4);
        focus.backgroundColor = palette().color(QPalette::Button);
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
    }
}

} // namespace forms
