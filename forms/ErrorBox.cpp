#include "forms/ErrorBox.h"

#include <QLabel>
#include <QScreen>
#include <QWindow>

namespace forms {

ErrorBox::ErrorBox(const QString &title, const QString &message, QWidget *parent)
    : QMessageBox(QMessageBox::Critical, title, reportText(message), QMessageBox::Ok, parent)
{
    setTextFormat(Qt::PlainText);
}

QString ErrorBox::reportText(const QString &message)
{
    if (!message.isEmpty() && message.back() > QChar(u'.'))
        return message + u'.';
    return message;
}

void ErrorBox::showEvent(QShowEvent *event)
{
    // QMessageBox fixes its size here, wrapping the text to at most the screen's width.
    QMessageBox::showEvent(event);
    keepWithinScreen();
}

void ErrorBox::keepWithinScreen()
{
    const QScreen *shownOn = screen();
    if (shownOn == nullptr)
        return;
    const QRect available = shownOn->availableGeometry();
    const QMargins frame = windowHandle() != nullptr ? windowHandle()->frameMargins() : QMargins();
    const int maximumWidth = available.width() - frame.left() - frame.right();
    const int maximumHeight = available.height() - frame.top() - frame.bottom();
    if (width() > maximumWidth || height() > maximumHeight) {
        // The message label gives up the height that does not fit; the buttons keep theirs.
        if (auto *label = findChild<QLabel *>(QStringLiteral("qt_msgbox_label")))
            label->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
        setFixedSize(qMin(width(), maximumWidth), qMin(height(), maximumHeight));
    }
    const QRect outer = frameGeometry();
    const int left = qBound(available.left(), outer.left(), available.right() + 1 - outer.width());
    const int top = qBound(available.top(), outer.top(), available.bottom() + 1 - outer.height());
    if (left != outer.left() || top != outer.top())
        move(left, top);
}

} // namespace forms
