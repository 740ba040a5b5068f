#pragma once

namespace forms {
class Application;
}

// Start-up, after the application object exists: tells the error report how to read the numeric
// core's errors (their whole message, NUL characters included), sets the program icon, creates
// the windows (each window's process-wide reference is set before its construction begins; the
// calculator window TForm1 first, so it is the main window) and shows the calculator window at
// its designed position. An error in a window's creation handler is reported and start-up goes on;
// a window that cannot be built (a picture that cannot be read) throws, and start-up stops.
void startUp(forms::Application &application);

// Shutdown, after the event loop has ended: destroys the windows, the last created first.
void shutDown(forms::Application &application);
