#include "forms/Form.h"

#include "forms/Application.h"
#include "forms/Bevel.h"
#include "forms/Fonts.h"
#include "forms/Label.h"
#include "forms/PictureBox.h"

#include <QCloseEvent>
#include <QEventLoop>

#include <algorithm>
#include <vector>

namespace forms {

namespace {

constexpr Qt::WindowFlags closeBoxOnly = Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                         Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;

} // namespace

Form::Form(QWidget *parent) : QWidget(parent, Qt::Window | closeBoxOnly)
{
    QPalette face = palette();
    face.setColor(QPalette::Window, face.color(QPalette::Button));
    setPalette(face);
    setAutoFillBackground(true);
}

Form::~Form()
{
    if (m_pictureDecoding.valid())
        m_pictureDecoding.wait();
}

void Form::setBorderStyle(BorderStyle style)
{
    m_borderStyle = style;
    if (style == BorderStyle::Dialog) {
        setWindowFlags(Qt::Dialog | closeBoxOnly);
        setFixedSize(size());
    } else {
        setWindowFlags(Qt::Window | closeBoxOnly);
        setMinimumSize(0, 0);
        setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    }
}

int Form::fontPixelSize() const
{
    return font().pixelSize();
}

void Form::setFontPixelSize(int pixels)
{
    forms::setFontPixelSize(*this, pixels);
}

bool Form::isDrawnControl(const QWidget *control)
{
    return qobject_cast<const PictureBox *>(control) != nullptr ||
           qobject_cast<const Label *>(control) != nullptr ||
           qobject_cast<const Bevel *>(control) != nullptr;
}

QList<QWidget *> Form::drawingList() const
{
    QList<QWidget *> list;
    for (QObject *child : children()) {
        if (child->isWidgetType() && isDrawnControl(static_cast<QWidget *>(child)))
            list.append(static_cast<QWidget *>(child));
    }
    return list;
}

void Form::bringToFront(QWidget *control)
{
    Q_ASSERT(control != nullptr && control->parentWidget() == this && isDrawnControl(control));
    const QList<QWidget *> list = drawingList();
    if (!list.isEmpty() && list.last() == control)
        return;
    // QWidget::raise moves the widget to the end of its parent's children, the stacking order.
    control->raise();
    raiseInputControls();
}

void Form::raiseInputControls()
{
    const QObjectList inCreationOrder = children(); // raise() reorders children()
    for (QObject *child : inCreationOrder) {
        if (!child->isWidgetType())
            continue;
        auto *widget = static_cast<QWidget *>(child);
        if (!widget->isWindow() && !isDrawnControl(widget))
            widget->raise();
    }
}

void Form::showModal()
{
    const QPointer<QWidget> previouslyActive = QApplication::activeWindow();
    setWindowModality(Qt::ApplicationModal);
    show();
    activateWindow();
    QEventLoop loop;
    m_modalLoop = &loop;
    loop.exec(QEventLoop::DialogExec);
    m_modalLoop = nullptr;
    setWindowModality(Qt::NonModal);
    if (m_wasActiveWhenHidden && previouslyActive && previouslyActive->isVisible())
        previouslyActive->activateWindow();
}

bool Form::event(QEvent *event)
{
    // Qt asks every new window to polish itself (and so all of its controls) at the next turn of
    // the event loop. A hidden window is polished when it is first shown or rendered instead, so
    // that the expensive part of polishing, the labels sizing themselves to their captions (see
    // Label), waits until then.
    if (event->type() == QEvent::PolishRequest && isHidden())
        return true;
    // Before the first showing: a drawn control created after an input control must still lie
    // beneath it.
    if (event->type() == QEvent::Polish)
        raiseInputControls();
    return QWidget::event(event);
}

void Form::closeEvent(QCloseEvent *event)
{
    QWidget::closeEvent(event);
    const Application *application = Application::instance();
    if (event->isAccepted() && application != nullptr && application->mainForm() == this)
        QCoreApplication::quit();
}

void Form::setVisible(bool visible)
{
    if (!visible && isVisible())
        m_wasActiveWhenHidden = isActiveWindow(); // before hiding deactivates it
    if (visible && isHidden() && isWindow())
        startDecodingShownPictures();
    QWidget::setVisible(visible);
}

void Form::startDecodingShownPictures()
{
    struct Job
    {
        PictureRequest request;
        std::promise<QImage> picture;
    };
    std::vector<Job> jobs;
    const QList<QWidget *> drawn = drawingList();
    for (QWidget *control : drawn) {
        if (auto *box = qobject_cast<PictureBox *>(control))
            box->ensurePolished(); // reads its header: whether it covers what lies beneath
    }
    for (qsizetype i = 0; i < drawn.size(); ++i) {
        auto *box = qobject_cast<PictureBox *>(drawn[i]);
        if (box == nullptr || box->isHidden())
            continue;
        const bool covered = std::any_of(drawn.begin() + i + 1, drawn.end(), [box](QWidget *above) {
            return !above->isHidden() && above->testAttribute(Qt::WA_OpaquePaintEvent) &&
                   above->geometry().contains(box->geometry());
        });
        if (covered)
            continue;
        if (const std::optional<PictureRequest> request = box->pendingRequest()) {
            Job job{*request, {}};
            box->expectDecoding(job.request, job.picture.get_future());
            jobs.push_back(std::move(job));
        }
    }
    if (jobs.empty())
        return;
    if (m_pictureDecoding.valid())
        m_pictureDecoding.wait();
    m_pictureDecoding = std::async(std::launch::async, [jobs = std::move(jobs)]() mutable {
        for (Job &job : jobs) {
            try {
                job.picture.set_value(Pictures::decodeImage(job.request));
            } catch (...) {
                job.picture.set_exception(std::current_exception());
            }
        }
    });
}

void Form::hideEvent(QHideEvent *event)
{
    QWidget::hideEvent(event);
    if (m_modalLoop != nullptr)
        m_modalLoop->exit();
}

} // namespace forms
