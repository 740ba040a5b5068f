#pragma once

#include "ChildProcess.h"

#include <string>

// A virtual X server (Xvfb) on a free display number, for the launches on the xcb platform. It
// runs without a window manager, from start() until the object is destroyed.
class XvfbServer
{
public:
    // Starts Xvfb with a 1280 x 1024 x 24 screen and waits (up to ten seconds) until it names its
    // display. Returns false and sets `error` when it cannot be started.
    bool start(std::string &error);
    // ":N", the value for DISPLAY; empty before start() succeeded.
    const std::string &display() const { return m_display; }

private:
    ChildProcess m_server;
    std::string m_display;
};
