#pragma once

#include <QLineEdit>

namespace forms {

// An edit box: a single-line text box with two events.
//   exited()   the focus moves from this box to another control of the same window: Tab,
//              Shift+Tab, a click or wheel turn on a control that takes the focus, or a focus move
//              made by the program. Never when the window merely loses the activation, a popup
//              opens or a message box appears. For the moves the user starts, Application runs it
//              before the focus moves; when its handler fails, a mouse press is swallowed.
//   changed()  the text has changed, by the program or the user; emitted synchronously inside
//              the setter, and only when the new text differs from the old one (also while the
//              box is hidden or read-only).
class EditBox : public QLineEdit
{
    Q_OBJECT

public:
    explicit EditBox(QWidget *parent = nullptr);

signals:
    // Emitted by Application (see above).
    void exited();
    void changed();
};

} // namespace forms
