#pragma once

#include <QApplication>
#include <QPointer>

#include <exception>
#include <functional>
#include <new>
#include <utility>
#include <vector>

namespace forms {

class EditBox;

// The application object: a QApplication that adds what the windows rely on.
//
//   - The error report. dispatch() runs a handler and turns an escaping exception into the error
//     report, so that no exception ever unwinds through Qt's own frames (Qt Widgets is built
//     without exception support). notify() keeps a last-resort net around every event.
//   - The application title: the executable's file name cut at its first dot, every character
//     after the first in lower case. It heads the error reports. It is not set as Qt's
//     applicationDisplayName, which would be appended to every window caption.
//   - Commit timing of edit boxes. An EditBox's exited() runs when the focus moves from it to
//     another control of the same window. For the moves that the user starts - a mouse press or
//     wheel turn on a control that takes the focus, Tab or Shift+Tab - it runs BEFORE Qt moves the
//     focus, inside notify(). If the exit handler fails (an error was reported), a mouse press or
//     wheel turn is swallowed, since the report's event loop has taken its release, but the focus
//     still moves to the control the user aimed at; a Tab or Shift+Tab moves the focus as usual.
//     Either way the exit does not run again for that move. Running it later, from the focus
//     change, would open the error report while a real mouse button is down on the new control:
//     the report's event loop swallows the release, the button stays drawn pressed and its click
//     is lost.
//     Other focus moves (setFocus in code, hiding the focused control) run exited() from
//     QApplication::focusChanged. Moves to another window, a popup or a message box, and the loss
//     of activation, run nothing.
//   - Windows: createForm() allocates a window, sets its process-wide reference, then constructs
//     it; destroyForms() destroys the windows in the reverse order of their creation. The first
//     window created is the main window: closing it ends the event loop.
//   - Font substitutions for families this system lacks (installFontSubstitutions).
class Application : public QApplication
{
    Q_OBJECT

public:
    Application(int &argc, char **argv);
    ~Application() override;

    // The running application object, or nullptr when it is a plain QApplication.
    static Application *instance();

    // The title of this process's executable (see titleFromExecutablePath).
    static QString title();
    // The executable's file name without its folder, cut at its first ".", every character after
    // the first in lower case: "/opt/bin/TUBE-WEIGHT.EXE" gives "Tube-weight".
    static QString titleFromExecutablePath(const QString &executablePath);

    // Runs `handler` (callable with no arguments). An exception derived from std::exception that
    // escapes it is shown as the error report with its what() (UTF-8); any other exception as
    // "Unknown error". Returns true when nothing escaped. Never throws.
    template <typename Handler> static bool dispatch(Handler &&handler) noexcept;

    // Shows the error report for `message` and waits until the user confirms it (see ErrorBox).
    // The window that was active before gets the activation back afterwards.
    static void reportError(const QString &message);
    // How many error reports this application object has shown so far.
    int errorReportCount() const { return m_errorReportCount; }

    // Creates a window of class FormClass: allocates its storage, sets `reference` to it, and only
    // then runs the constructor with `arguments`, so that handlers triggered while the window is
    // being constructed (its creation handler) reach it through `reference`. The storage comes
    // from the global ::operator new with sizeof(FormClass), which is exactly what `delete` on
    // the window gives back. The application owns the window; destroyForms() deletes it and
    // resets `reference` to nullptr. If the constructor throws, the storage is freed, the
    // reference reset and the exception passed on.
    template <typename FormClass, typename... Arguments>
    FormClass *createForm(FormClass *&reference, Arguments &&...arguments);
    // The first window that createForm made, or nullptr.
    QWidget *mainForm() const;
    // Destroys the windows made by createForm, the last created first. Safe to call twice.
    void destroyForms();

    bool notify(QObject *receiver, QEvent *event) override;

private:
    struct OwnedForm
    {
        QPointer<QWidget> form;
        std::function<void()> resetReference;
    };
    // What notify() decided about an input event before Qt handles it.
    struct InputCommit
    {
        EditBox *committedEdit = nullptr; // the edit box whose exit handler ran, if any
        bool swallowInput = false;        // the exit handler failed on a pointer event: drop it
    };

    InputCommit commitBeforeInput(QObject *receiver, QEvent *event);
    bool runExitHandler(EditBox *edit);
    void runExitOnFocusChange(QWidget *old, QWidget *now);

    std::vector<OwnedForm> m_forms;
    int m_errorReportCount = 0;
    // The edit box whose exit handler already ran for the focus move now under way.
    QPointer<EditBox> m_exitAlreadyRun;
};

template <typename Handler> bool Application::dispatch(Handler &&handler) noexcept
{
    try {
        std::forward<Handler>(handler)();
        return true;
    } catch (const std::exception &error) {
        reportError(QString::fromUtf8(error.what()));
    } catch (...) {
        reportError(QStringLiteral("Unknown error"));
    }
    return false;
}

template <typename FormClass, typename... Arguments>
FormClass *Application::createForm(FormClass *&reference, Arguments &&...arguments)
{
    void *storage = ::operator new(sizeof(FormClass));
    reference = static_cast<FormClass *>(storage);
    FormClass *form = nullptr;
    try {
        form = new (storage) FormClass(std::forward<Arguments>(arguments)...);
    } catch (...) {
        reference = nullptr;
        ::operator delete(storage);
        throw;
    }
    m_forms.push_back({form, [&reference] { reference = nullptr; }});
    return form;
}

} // namespace forms
