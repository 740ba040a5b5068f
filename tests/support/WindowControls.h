#pragma once

// The calculator window (Form1) and the portfolio window (Form3) and their controls, looked up by
// the names the window descriptions give them. A name that is not there is a fault of the test
// itself: it stops the test program with qFatal.

#include "TForm1.h"
#include "TForm3.h"

#include <QString>
#include <QWidget>

namespace forms {
class ComboBox;
class EditBox;
class Form;
class Label;
class PictureButton;
} // namespace forms

namespace window_test {

// The child of `window` (any depth) named `name` with the type `Control`.
template <typename Control> Control *control(QWidget *window, const QString &name)
{
    auto *found = window->findChild<Control *>(name);
    if (found == nullptr)
        qFatal("no control %s", qPrintable(name));
    return found;
}

// The control of the calculator window named `name` with the type `Control`.
template <typename Control> Control *control(const QString &name)
{
    return control<Control>(Form1, name);
}

// The calculator window's edit box named `name` ("Edit1" length, "Edit2" quantity).
forms::EditBox *edit(const QString &name);
// The calculator window's drop-down of sizes, "ComboBox1".
forms::ComboBox *sizes();
// The calculator window's "Calc." button, "BitBtn1".
forms::PictureButton *calc();
// The calculator window's result label, "Label7".
forms::Label *result();

// The window with the class name `name`, "TForm1" or "TForm3".
forms::Form *window(const QString &name);

// For tests that read both windows: waits until the calculator window is exposed, then shows the
// portfolio window too (what the "KORVEL" button does, without the modal event loop). Fails the
// running test when a window is missing or is not exposed; the caller closes Form3 afterwards.
void showBothWindows();

// Exact 80-bit equality of two extended values, the sign of zero included.
bool sameValue(long double actual, long double expected);

} // namespace window_test
