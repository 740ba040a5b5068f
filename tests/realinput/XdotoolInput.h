#pragma once

// Real input through the X server for the real-input tests: xdotool moves the mouse, clicks and
// types while this process's event loop runs.

#include <QPoint>
#include <QString>
#include <QStringList>

class QObject;
class QWidget;

namespace real_input {

// Without an X server the xcb platform cannot start: switches QT_QPA_PLATFORM to offscreen, so
// that the tests skip instead. Call before the application object exists.
void fallBackToOffscreenWithoutDisplay();

// Why real input cannot run here ("needs an X server ...", "needs xdotool"), or an empty text when
// it can. The tests skip with this reason.
QString whyRealInputCannotRun();

// The xdotool arguments for a left click at `global` (screen coordinates).
QStringList clickArguments(const QPoint &global);

// Starts xdotool with `arguments` without blocking the event loop; the process belongs to `owner`
// and deletes itself when it has finished.
void startXdotool(QObject *owner, const QStringList &arguments);

// Runs xdotool and waits for it (up to 20 s) while the event loop runs, then lets the X events
// arrive. A failure to finish or a non-zero exit fails the running test.
void xdotool(const QStringList &arguments);

// A real left click on the centre of `widget`.
void clickOn(QWidget *widget);

} // namespace real_input
