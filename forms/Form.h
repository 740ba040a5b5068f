#pragma once

#include <QList>
#include <QWidget>

#include <future>

class QEventLoop;

namespace forms {

// A window. Derive each window class from it; its controls come from a .ui file whose top-level
// widget is of this class (so setupUi receives the window itself).
//
// - Face colour: the client area is filled with the button-face colour; opaque labels use it too.
// - Border: Dialog is a fixed-size frame with a caption bar that has a close box only; Sizeable
//   lets the user resize the window, also with a close box only.
// - Drawing list: the non-windowed controls (PictureBox, Label, Bevel) are drawn in their stacking
//   order, first to last, all of them beneath every input control (windowed controls). The list
//   starts in creation order; bringToFront moves one control to its end.
// - Modal showing: showModal() shows the window modally and returns when it is closed, which
//   only hides it.
// - Polishing: a hidden window is polished (its controls with it) when it is first shown or
//   rendered, or when ensurePolished() is called, not at the next turn of the event loop as Qt
//   would; its labels size themselves only then (see Label).
// - Pictures: when the window is about to be shown, the pictures it will draw (those of its
//   picture boxes that no opaque picture wholly covers) are decoded on a worker thread while Qt
//   polishes the window and lays out its captions; each box takes its picture when it paints.
// - Closing the application's main window (the first window Application::createForm made) ends
//   the event loop.
class Form : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(BorderStyle borderStyle READ borderStyle WRITE setBorderStyle)
    Q_PROPERTY(int fontPixelSize READ fontPixelSize WRITE setFontPixelSize)

public:
    enum class BorderStyle
    {
        Sizeable,
        Dialog
    };
    Q_ENUM(BorderStyle)

    explicit Form(QWidget *parent = nullptr);
    ~Form() override;

    BorderStyle borderStyle() const { return m_borderStyle; }
    // Dialog fixes the window's current size: set the client size first (a .ui file sets its
    // geometry before its other properties).
    void setBorderStyle(BorderStyle style);

    // The window font's character height in pixels (11 px is 8 pt at 96 dpi).
    int fontPixelSize() const;
    void setFontPixelSize(int pixels);

    // True for the non-windowed kinds of control: PictureBox, Label and Bevel.
    static bool isDrawnControl(const QWidget *control);
    // The window's non-windowed controls in stacking order, bottom first.
    QList<QWidget *> drawingList() const;
    // Moves `control`, a non-windowed child of this window, to the end of the drawing list, so
    // it covers the others where they overlap, and keeps every input control above it. Nothing
    // changes when it already is last.
    void bringToFront(QWidget *control);

    // Shows the window application-modal and returns when it is closed (closing only hides it).
    // The window that was active before gets the activation back if this window was still the
    // active one when it closed.
    void showModal();

    void setVisible(bool visible) override;

protected:
    bool event(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    void raiseInputControls();
    // Starts decoding, on one worker thread, what the picture boxes that the window's next
    // painting draws will need (see PictureBox::pendingRequest).
    void startDecodingShownPictures();

    BorderStyle m_borderStyle = BorderStyle::Sizeable;
    QEventLoop *m_modalLoop = nullptr;
    bool m_wasActiveWhenHidden = false;
    std::future<void> m_pictureDecoding; // the worker thread, waited for before it is replaced
};

} // namespace forms
