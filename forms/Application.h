#pragma once

#include <QApplication>
#include <QFont>
#include <QPointer>

#include <exception>
#include <functional>
#include <new>
#include <optional>
#include <type_traits>
#include <typeinfo>
#include <utility>
#include <vector>

namespace forms {

class EditBox;

// The application object: a QApplication that adds what the windows rely on.
//
//   - The error report. dispatch() runs a handler and turns an escaping exception into the error
//     report, so that no exception ever unwinds through Qt's own frames (Qt Widgets is built
//     without exception support). notify() keeps a last-resort net around every event.
//     An error's message is its what(), read as UTF-8. what() ends at the first NUL character, so
//     an error type that carries a longer message (a refused text may contain NULs) is read with
//     the reader registered for it by setErrorMessageReader; the forms layer itself knows no
//     error types beyond std::exception.
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
//   - Fonts: substitutes for the families this system lacks (see Fonts.h), and the classic forms'
//     default font (defaultFormFont) as the default font of every widget that names none. The
//     desktop's own default font is kept for the error report (desktopFont).
class Application : public QApplication
{
    Q_OBJECT

public:
    Application(int &argc, char **argv);
    ~Application() override;

    // The running application object, or nullptr when it is a plain QApplication.
    static Application *instance();

    // The font that was the default before this application object made the classic forms'
    // default font its own: the desktop's. With a plain QApplication, its default font.
    static QFont desktopFont();

    // The title of this process's executable (see titleFromExecutablePath).
    static QString title();
    // The executable's file name without its folder, cut at its first ".", every character after
    // the first in lower case: "/opt/bin/TUBE-WEIGHT.EXE" gives "Tube-weight".
    static QString titleFromExecutablePath(const QString &executablePath);

    // Runs `handler` (callable with no arguments). An exception derived from std::exception that
    // escapes it is shown as the error report with its errorMessage(); any other exception as
    // "Unknown error". Returns true when nothing escaped. Never throws.
    template <typename Handler> static bool dispatch(Handler &&handler) noexcept;

    // From now on, the message of an error of type Error (or derived from it) is read with
    // `reader` instead of what(). Registering a reader for the same Error again replaces it.
    // When readers for several matching types are registered, the last registered one is used.
    template <typename Error>
    void setErrorMessageReader(std::function<QString(const Error &)> reader);
    // The message of `error` as the error report shows it (before reportText adds its "."): the
    // text of the reader registered for its type (see setErrorMessageReader) when the running
    // application object has one and it does not throw, otherwise its what() read as UTF-8.
    static QString errorMessage(const std::exception &error);

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
    // Reads the message of an error of one type; nothing for an error of another type.
    struct ErrorMessageReader
    {
        const std::type_info *errorType;
        std::function<std::optional<QString>(const std::exception &)> read;
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

    void addErrorMessageReader(ErrorMessageReader reader);

    std::vector<OwnedForm> m_forms;
    std::vector<ErrorMessageReader> m_errorMessageReaders; // in order of registration
    int m_errorReportCount = 0;
    QFont m_desktopFont;
    // The edit box whose exit handler already ran for the focus move now under way.
    QPointer<EditBox> m_exitAlreadyRun;
};

template <typename Handler> bool Application::dispatch(Handler &&handler) noexcept
{
    try {
        std::forward<Handler>(handler)();
        return true;
    } catch (const std::exception &error) {
        reportError(errorMessage(error));
    } catch (...) {
        reportError(QStringLiteral("Unknown error"));
    }
    return false;
}

template <typename Error>
void Application::setErrorMessageReader(std::function<QString(const Error &)> reader)
{
    static_assert(std::is_base_of_v<std::exception, Error>,
                  "the error report catches only exceptions derived from std::exception");
    addErrorMessageReader(
        {&typeid(Error),
         [reader = std::move(reader)](const std::exception &error) -> std::optional<QString> {
             if (const auto *matching = dynamic_cast<const Error *>(&error))
                 return reader(*matching);
             return std::nullopt;
         }});
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
