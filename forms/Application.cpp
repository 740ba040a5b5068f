#include "forms/Application.h"

#include "forms/EditBox.h"
#include "forms/ErrorBox.h"
#include "forms/Fonts.h"

#include <QFileInfo>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWheelEvent>

namespace forms {

namespace {

// The end of `widget`'s chain of focus proxies: the widget that really takes the focus.
QWidget *focusReceiver(QWidget *widget)
{
    while (QWidget *proxy = widget->focusProxy())
        widget = proxy;
    return widget;
}

bool acceptsFocus(QWidget *widget, Qt::FocusPolicy policy)
{
    const QWidget *receiver = focusReceiver(widget);
    return (widget->focusPolicy() & policy) == policy &&
           (receiver->focusPolicy() & policy) == policy;
}

// The control that Qt will give the focus to for a mouse press or wheel turn that arrives at
// `widget` at `localPos`, or nullptr when the focus stays where it is. Walks up from the receiver
// to the first enabled widget under the pointer that accepts this kind of focus, exactly as
// QApplication does before it delivers the event.
QWidget *focusTargetOfPointerEvent(QWidget *widget, QPoint localPos, Qt::FocusPolicy policy)
{
    for (QWidget *candidate = widget; candidate != nullptr; candidate = candidate->parentWidget()) {
        if (candidate->isEnabled() && candidate->rect().contains(localPos) &&
            acceptsFocus(candidate, policy))
            return focusReceiver(candidate);
        if (candidate->isWindow() || focusReceiver(candidate)->hasFocus())
            return nullptr;
        localPos += candidate->pos();
    }
    return nullptr;
}

bool isFocusMovingKey(const QKeyEvent *key)
{
    const bool tab = key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab;
    return tab && !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
}

// Restores a member to its previous value when the scope ends, also on an exception.
template <typename Value> class ScopedValue
{
public:
    ScopedValue(Value &target, Value value) : m_target(target), m_saved(std::move(target))
    {
        m_target = std::move(value);
    }
    ~ScopedValue() { m_target = std::move(m_saved); }
    ScopedValue(const ScopedValue &) = delete;
    ScopedValue &operator=(const ScopedValue &) = delete;

private:
    Value &m_target;
    Value m_saved;
};

} // namespace

Application::Application(int &argc, char **argv)
    : QApplication(argc, argv), m_desktopFont(QApplication::font())
{
    installFontSubstitutions();
    // Every control of the windows names its font, but Qt lays out a new line edit's empty text in
    // the default font before it takes its own: with the desktop's font as default, that layout
    // alone would load a font that no window shows.
    QApplication::setFont(defaultFormFont());
    connect(this, &QApplication::focusChanged, this, &Application::runExitOnFocusChange);
}

Application::~Application()
{
    destroyForms();
}

Application *Application::instance()
{
    return qobject_cast<Application *>(QCoreApplication::instance());
}

QFont Application::desktopFont()
{
    if (const Application *application = instance())
        return application->m_desktopFont;
    return QApplication::font();
}

QString Application::title()
{
    return titleFromExecutablePath(QCoreApplication::applicationFilePath());
}

QString Application::titleFromExecutablePath(const QString &executablePath)
{
    QString name = QFileInfo(executablePath).fileName();
    const qsizetype dot = name.indexOf(u'.');
    if (dot >= 0)
        name.truncate(dot);
    if (name.isEmpty())
        return name;
    // The first character may be a surrogate pair; it keeps its case.
    const qsizetype firstLength = name.front().isHighSurrogate() && name.size() > 1 ? 2 : 1;
    return name.left(firstLength) + name.mid(firstLength).toLower();
}

void Application::reportError(const QString &message)
{
    if (Application *application = instance())
        ++application->m_errorReportCount;
    const QPointer<QWidget> previouslyActive = QApplication::activeWindow();
    {
        ErrorBox box(title(), message, previouslyActive);
        box.exec();
    }
    // Without a window manager nobody gives the activation back to the window that was active.
    if (previouslyActive && previouslyActive->isVisible() &&
        QApplication::activeWindow() != previouslyActive)
        previouslyActive->activateWindow();
}

QString Application::errorMessage(const std::exception &error)
{
    if (const Application *application = instance()) {
        const auto &readers = application->m_errorMessageReaders;
        for (auto reader = readers.rbegin(); reader != readers.rend(); ++reader) {
            try {
                if (std::optional<QString> message = reader->read(error))
                    return *std::move(message);
            } catch (...) {
                break; // a reader that fails leaves the message to what()
            }
        }
    }
    return QString::fromUtf8(error.what());
}

void Application::addErrorMessageReader(ErrorMessageReader reader)
{
    std::erase_if(m_errorMessageReaders, [&reader](const ErrorMessageReader &registered) {
        return *registered.errorType == *reader.errorType;
    });
    m_errorMessageReaders.push_back(std::move(reader));
}

QWidget *Application::mainForm() const
{
    return m_forms.empty() ? nullptr : m_forms.front().form.data();
}

void Application::destroyForms()
{
    while (!m_forms.empty()) {
        OwnedForm owned = std::move(m_forms.back());
        m_forms.pop_back();
        // Hidden first, while the window is whole: hiding moves the focus out of its controls,
        // which can still run its handlers (a drop-down commits its edited text). Inside the
        // destructor they would run on a window already half destroyed.
        if (owned.form)
            owned.form->hide();
        delete owned.form.data();
        owned.resetReference();
    }
}

bool Application::notify(QObject *receiver, QEvent *event)
{
    try {
        const InputCommit commit = commitBeforeInput(receiver, event);
        if (commit.swallowInput)
            return true;
        if (commit.committedEdit == nullptr)
            return QApplication::notify(receiver, event);
        const ScopedValue<QPointer<EditBox>> alreadyRun(m_exitAlreadyRun, commit.committedEdit);
        return QApplication::notify(receiver, event);
    } catch (const std::exception &error) {
        // Last-resort net: a handler that was not bound through dispatch() let an exception
        // escape, and it has already unwound through Qt's frames. Report it all the same.
        reportError(errorMessage(error));
    } catch (...) {
        reportError(QStringLiteral("Unknown error"));
    }
    return true;
}

Application::InputCommit Application::commitBeforeInput(QObject *receiver, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonDblClick &&
        type != QEvent::Wheel && type != QEvent::KeyPress)
        return {};
    if (!receiver->isWidgetType())
        return {};
    auto *edit = qobject_cast<EditBox *>(QApplication::focusWidget());
    if (edit == nullptr || edit == m_exitAlreadyRun)
        return {};
    auto *widget = static_cast<QWidget *>(receiver);

    if (type == QEvent::KeyPress) {
        if (widget != edit || !isFocusMovingKey(static_cast<QKeyEvent *>(event)))
            return {};
        // Refused or not, the key then moves the focus on as usual; the exit has run.
        runExitHandler(edit);
        return {edit, false};
    }
    if (!event->spontaneous())
        return {}; // Qt gives the focus only for spontaneous pointer events
    const bool wheel = type == QEvent::Wheel;
    const QPoint position = wheel ? static_cast<QWheelEvent *>(event)->position().toPoint()
                                  : static_cast<QMouseEvent *>(event)->position().toPoint();
    const QPointer<QWidget> target =
        focusTargetOfPointerEvent(widget, position, wheel ? Qt::WheelFocus : Qt::ClickFocus);
    if (target == nullptr || target == edit || target->window() != edit->window())
        return {};
    if (runExitHandler(edit))
        return {edit, false};
    // Refused: the error report has run its own event loop while the mouse button was down, so
    // this press must not go on (its release is gone). The focus still goes where the user sent
    // it, without running the exit a second time: a click on a button then leaves the button
    // focused and up, and the next click on it goes through.
    if (target) {
        const ScopedValue<QPointer<EditBox>> alreadyRun(m_exitAlreadyRun, edit);
        target->setFocus(Qt::MouseFocusReason);
    }
    return {edit, true};
}

bool Application::runExitHandler(EditBox *edit)
{
    const int reportsBefore = m_errorReportCount;
    emit edit->exited();
    return m_errorReportCount == reportsBefore;
}

void Application::runExitOnFocusChange(QWidget *old, QWidget *now)
{
    auto *edit = qobject_cast<EditBox *>(old);
    if (edit == nullptr || now == nullptr || now == edit || now->window() != edit->window() ||
        edit == m_exitAlreadyRun)
        return;
    emit edit->exited();
}

} // namespace forms
