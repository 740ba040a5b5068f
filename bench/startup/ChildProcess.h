#pragma once

#include <sys/types.h>

#include <string>
#include <vector>

// A child process started with posix_spawn: standard output read through a pipe (optional),
// standard error sent to a file, the environment given whole. Used for the launches under
// /usr/bin/time and for the X server.
class ChildProcess
{
public:
    struct Options
    {
        std::vector<std::string> arguments;   // arguments[0] is the program's path
        std::vector<std::string> environment; // "NAME=value" entries, the whole environment
        std::string standardErrorFile = "/dev/null";
        bool captureStandardOutput = true;
        // A pipe write end the child keeps open as this descriptor number (Xvfb -displayfd), or -1.
        int inheritedWriteDescriptor = -1;
    };

    ChildProcess() = default;
    ChildProcess(const ChildProcess &) = delete;
    ChildProcess &operator=(const ChildProcess &) = delete;
    // Stops a child that is still running (SIGTERM) and waits for it.
    ~ChildProcess();

    // Starts the child. Returns false and sets `error` when it cannot be started.
    bool start(const Options &options, std::string &error);
    // Reads the child's standard output up to its end (when captured), waits for the child and
    // returns its wait status.
    int finish(std::string &standardOutput);
    // The read end of the pipe whose write end the child inherited (see inheritedWriteDescriptor).
    int inheritedPipeReadEnd() const { return m_inheritedPipeRead; }
    // Sends SIGTERM and waits for the child.
    void stop();

    // This process's environment with every NAME in `overrides` ("NAME=value") replaced.
    static std::vector<std::string> environmentWith(const std::vector<std::string> &overrides);

private:
    void closeDescriptors();

    pid_t m_pid = -1;
    int m_outputRead = -1;
    int m_inheritedPipeRead = -1;
};
