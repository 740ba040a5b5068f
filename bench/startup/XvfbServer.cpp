#include "XvfbServer.h"

#include <poll.h>
#include <unistd.h>

namespace {

constexpr int displayDescriptor = 3;
constexpr int readyTimeoutMs = 10'000;

} // namespace

bool XvfbServer::start(std::string &error)
{
    ChildProcess::Options options;
    options.arguments = {"/usr/bin/Xvfb", "-displayfd", std::to_string(displayDescriptor),
                         "-screen",       "0",          "1280x1024x24",
                         "-nolisten",     "tcp",        "-noreset"};
    options.environment = ChildProcess::environmentWith({});
    options.captureStandardOutput = false;
    options.inheritedWriteDescriptor = displayDescriptor;
    if (!m_server.start(options, error))
        return false;

    // Xvfb writes its display number and a newline to the descriptor once it accepts clients.
    std::string number;
    pollfd ready{m_server.inheritedPipeReadEnd(), POLLIN, 0};
    while (number.empty() || number.back() != '\n') {
        if (poll(&ready, 1, readyTimeoutMs) <= 0) {
            error = "Xvfb did not name its display within ten seconds";
            return false;
        }
        char character = 0;
        if (read(ready.fd, &character, 1) != 1) {
            error = "Xvfb ended before it named its display (is /usr/bin/Xvfb installed?)";
            return false;
        }
        number.push_back(character);
    }
    number.pop_back();
    m_display = ":" + number;
    return true;
}
