#include "ChildProcess.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

extern char **environ;

namespace {

std::vector<char *> pointersTo(std::vector<std::string> &strings)
{
    std::vector<char *> pointers;
    pointers.reserve(strings.size() + 1);
    for (std::string &text : strings)
        pointers.push_back(text.data());
    pointers.push_back(nullptr);
    return pointers;
}

void closeIfOpen(int &descriptor)
{
    if (descriptor >= 0)
        close(descriptor);
    descriptor = -1;
}

} // namespace

ChildProcess::~ChildProcess()
{
    stop();
    closeDescriptors();
}

std::vector<std::string> ChildProcess::environmentWith(const std::vector<std::string> &overrides)
{
    std::vector<std::string> environment;
    for (char **entry = environ; *entry != nullptr; ++entry) {
        const std::string text(*entry);
        const std::string name = text.substr(0, text.find('='));
        bool overridden = false;
        for (const std::string &override : overrides)
            overridden = overridden || override.substr(0, override.find('=')) == name;
        if (!overridden)
            environment.push_back(text);
    }
    environment.insert(environment.end(), overrides.begin(), overrides.end());
    return environment;
}

bool ChildProcess::start(const Options &options, std::string &error)
{
    int outputPipe[2] = {-1, -1};
    int inheritedPipe[2] = {-1, -1};
    if ((options.captureStandardOutput && pipe2(outputPipe, O_CLOEXEC) != 0) ||
        (options.inheritedWriteDescriptor >= 0 && pipe2(inheritedPipe, O_CLOEXEC) != 0)) {
        error = std::string("pipe: ") + std::strerror(errno);
        return false;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    if (options.captureStandardOutput)
        posix_spawn_file_actions_adddup2(&actions, outputPipe[1], STDOUT_FILENO);
    if (options.inheritedWriteDescriptor >= 0)
        posix_spawn_file_actions_adddup2(&actions, inheritedPipe[1],
                                         options.inheritedWriteDescriptor);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, options.standardErrorFile.c_str(),
                                     O_WRONLY | O_CREAT | O_TRUNC, 0644);

    std::vector<std::string> arguments = options.arguments;
    std::vector<std::string> environment = options.environment;
    const std::vector<char *> argumentPointers = pointersTo(arguments);
    const std::vector<char *> environmentPointers = pointersTo(environment);
    const int status = posix_spawn(&m_pid, argumentPointers[0], &actions, nullptr,
                                   argumentPointers.data(), environmentPointers.data());
    posix_spawn_file_actions_destroy(&actions);
    closeIfOpen(outputPipe[1]);
    closeIfOpen(inheritedPipe[1]);
    m_outputRead = outputPipe[0];
    m_inheritedPipeRead = inheritedPipe[0];
    if (status != 0) {
        m_pid = -1;
        closeDescriptors();
        error = "cannot start " + arguments[0] + ": " + std::strerror(status);
        return false;
    }
    return true;
}

int ChildProcess::finish(std::string &standardOutput)
{
    standardOutput.clear();
    char buffer[4096];
    while (m_outputRead >= 0) {
        const ssize_t count = read(m_outputRead, buffer, sizeof buffer);
        if (count < 0 && errno == EINTR)
            continue;
        if (count <= 0)
            break;
        standardOutput.append(buffer, static_cast<std::size_t>(count));
    }
    closeDescriptors();
    int status = 0;
    if (m_pid > 0) {
        while (waitpid(m_pid, &status, 0) < 0 && errno == EINTR) {
        }
    }
    m_pid = -1;
    return status;
}

void ChildProcess::stop()
{
    if (m_pid <= 0)
        return;
    kill(m_pid, SIGTERM);
    int status = 0;
    while (waitpid(m_pid, &status, 0) < 0 && errno == EINTR) {
    }
    m_pid = -1;
}

void ChildProcess::closeDescriptors()
{
    closeIfOpen(m_outputRead);
    closeIfOpen(m_inheritedPipeRead);
}
