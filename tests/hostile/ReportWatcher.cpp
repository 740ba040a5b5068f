#include "ReportWatcher.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialogButtonBox>
#include <QImage>
#include <QLabel>
#include <QScreen>
#include <QTest>
#include <QTextEdit>

namespace {

constexpr int unpaintedBoxPatienceMs = 5000;
constexpr int activationPatienceMs = 2000;

// Counts the bands of rows with dark (text) pixels in a strip at the left edge of the box's text
// area, right of the icon and above the buttons: one band per line of text.
int inkLinesOf(QMessageBox &box)
{
    constexpr int stripWidth = 80;
    constexpr int darkest = 128;
    const QImage image = box.grab().toImage();
    const auto *icon = box.findChild<QLabel *>(QStringLiteral("qt_msgboxex_icon_label"));
    const auto *buttons = box.findChild<QDialogButtonBox *>();
    const int left = icon != nullptr ? icon->geometry().right() + 1 : 0;
    const int right = qMin(image.width(), left + stripWidth);
    const int bottom = buttons != nullptr ? buttons->geometry().top() : image.height();
    int lines = 0;
    bool inLine = false;
    for (int y = 0; y < bottom; ++y) {
        bool ink = false;
        for (int x = left; x < right && !ink; ++x)
            ink = qGray(image.pixel(x, y)) < darkest;
        if (ink && !inLine)
            ++lines;
        inLine = ink;
    }
    return lines;
}

} // namespace

ReportWatcher::ReportWatcher(QObject *parent) : QObject(parent)
{
    m_clock.start();
    QCoreApplication::instance()->installEventFilter(this);
    connect(&m_safety, &QTimer::timeout, this, &ReportWatcher::answerUnpaintedBox);
    m_safety.start(50);
}

ReportWatcher::~ReportWatcher()
{
    QCoreApplication::instance()->removeEventFilter(this);
}

void ReportWatcher::start()
{
    m_clock.start();
}

bool ReportWatcher::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::Paint || !watched->isWidgetType())
        return false;
    auto *box = qobject_cast<QMessageBox *>(static_cast<QWidget *>(watched)->window());
    if (box == nullptr || box == m_seenBox)
        return false;
    m_seenBox = box;
    const qint64 appearedAfterMs = m_clock.elapsed();
    // Once this paint is done, inside the box's own event loop.
    QTimer::singleShot(0, box,
                       [this, box, appearedAfterMs] { inspectAndAnswer(box, appearedAfterMs); });
    return false;
}

void ReportWatcher::answerUnpaintedBox()
{
    auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
    if (box == nullptr || !box->isVisible() || box == m_seenBox) {
        m_seenFor.invalidate();
        return;
    }
    if (!m_seenFor.isValid())
        m_seenFor.start();
    if (m_seenFor.elapsed() < unpaintedBoxPatienceMs)
        return;
    m_seenFor.invalidate();
    m_seenBox = box;
    inspectAndAnswer(box, -1);
}

void ReportWatcher::inspectAndAnswer(QMessageBox *box, qint64 appearedAfterMs)
{
    Report report;
    report.title = box->windowTitle();
    report.text = box->text();
    report.icon = box->icon();
    report.appearedAfterMs = appearedAfterMs;
    report.outerGeometry = box->frameGeometry();
    if (const QScreen *screen = box->screen())
        report.availableGeometry = screen->availableGeometry();
    const auto *label = box->findChild<QLabel *>(QStringLiteral("qt_msgbox_label"));
    const auto *view = box->findChild<QTextEdit *>();
    if (view != nullptr && view->isVisible()) {
        report.inScrollingView = true;
        report.shownText = view->toPlainText();
    } else if (label != nullptr) {
        report.shownText = label->text();
        report.labelIsPlainText = label->textFormat() == Qt::PlainText;
    }
    report.inkLines = inkLinesOf(*box);
    QAbstractButton *ok = box->button(QMessageBox::Ok);
    // Once the box is active, as a window manager keeps a new modal dialog, OK has the focus.
    // (On X11 without a window manager, the activation that the last report gave back to its
    // window can arrive after this box's: activate it again until it stays.)
    const auto okHasTheFocus = [box, ok] {
        if (!box->isActiveWindow())
            box->activateWindow();
        return QApplication::focusWidget() == ok;
    };
    const bool okFocused = ok != nullptr && QTest::qWaitFor(okHasTheFocus, activationPatienceMs);
    report.okButtonVisibleAndFocused =
        okFocused && ok->isVisible() && box->rect().contains(ok->geometry());
    m_reports.append(report);
    if (ok != nullptr)
        ok->click();
    else
        box->reject();
}
