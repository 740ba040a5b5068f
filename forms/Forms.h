#pragma once

// The forms layer: our stand-in for a classic form library, built on Qt Widgets. Start reading
// here. It is general: any window of the program is built from these pieces.
//
// A window is a class derived from forms::Form whose controls are declared in a Qt Designer .ui
// file, created in the order of the XML (the creation order), with the custom widgets below named
// in <customwidgets>. Its handlers are member functions `void Name(QObject *Sender)` (Sender is
// ignored), bound once with forms::bindHandler (HandlerBinding.h) in one place of the window.
//
//   Application    QApplication with the error report, the application title, the commit of an
//                  edit box before a click or Tab moves the focus away, and createForm, which sets
//                  a window's process-wide reference before the window's construction begins.
//   Form           a window: face colour, dialog or sizable border, the drawing list with
//                  bringToFront, and modal showing.
//   PictureBox     a picture, stretched or at natural size from the top-left corner, optionally
//                  sizing itself to the picture, optionally with its bitmap ground left undrawn;
//                  reports clicks.                                          (non-windowed)
//   Label          a caption that sizes itself to its text on one line, keeping its left edge;
//                  transparent or opaque, Unicode, optional right-to-left reading order.
//                                                                           (non-windowed)
//   Bevel          a lowered or raised box frame or top line.               (non-windowed)
//   RadioButton    becameChecked() runs on the change from unchecked to checked.
//   ComboBox       editable drop-down: itemIndex() follows the edit text; changed() only for
//                  what the user does, never for what the program does.
//   EditBox        exited() when the focus moves to another control of the same window;
//                  changed() synchronously whenever the text really changes.
//   PictureButton  caption plus a keyed glyph; takes the focus at mouse press and clicks only if
//                  it then holds the focus; never a default button.
//   BackgroundDecodedIconEngine  an icon whose picture files decode on a worker thread.
//
// Rules the windows rely on:
//   - Drawing list: picture boxes, labels and bevels stack in creation order beneath every input
//     control; Form::bringToFront moves one to the end and keeps the input controls above it.
//   - Errors: a handler reports a failure by throwing an exception derived from std::exception
//     whose what() is the UTF-8 message (or whose whole message a reader registered with
//     Application::setErrorMessageReader gives). The binding catches it before it can reach Qt's
//     frames and shows the error report (ErrorBox): application title, stop icon, OK, the message
//     with "." appended by the rule of ErrorBox::reportText. The program then goes on.
//   - Commit timing: an edit box's exit handler runs before a mouse press, wheel turn or
//     Tab/Shift+Tab takes the focus away; if it fails, a mouse press is swallowed (no click
//     follows) while the focus still moves on, and the exit is not run twice (see Application).
//   - Fonts are requested by family and pixel size (fontPixelSize properties); a family this
//     system lacks is replaced by a metric-compatible stand-in (see Fonts.h).
//   - Pictures cost nothing until shown: a hidden window's pictures are not read; a window being
//     shown decodes the pictures it will draw on a worker thread, each at the size it is drawn
//     at, and never those an opaque picture wholly covers (see Form, PictureBox, Pictures). The
//     program icon decodes on a worker thread too (BackgroundDecodedIconEngine).

#include "forms/Application.h"
#include "forms/BackgroundDecodedIconEngine.h"
#include "forms/Bevel.h"
#include "forms/ComboBox.h"
#include "forms/EditBox.h"
#include "forms/ErrorBox.h"
#include "forms/Fonts.h"
#include "forms/Form.h"
#include "forms/HandlerBinding.h"
#include "forms/Label.h"
#include "forms/PictureBox.h"
#include "forms/PictureButton.h"
#include "forms/Pictures.h"
#include "forms/RadioButton.h"
