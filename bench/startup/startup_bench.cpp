// Start-up benchmark: how long the program takes from its launch to its first frame, and how much
// memory it holds at its peak, against a bare baseline (the same application class and one empty
// 387 x 501 widget), on the offscreen platform and on xcb under a private Xvfb.
//
// Every launch is a child process: this binary re-executed in its hidden child mode
// (--launch-child=...), under /usr/bin/time -f %M for the peak resident set. The kinds of launch
// alternate, round after round, after one discarded warm-up round; the report gives each kind's
// median (with its quartiles) and the program's ratios to the baseline. The goal is a ratio of at
// most 1.25 for both time and memory on both platforms. The CPU time each launch used until its
// first frame is reported beside the wall-clock time: on a machine shared with other work it
// shows the program's own cost when the wall-clock figures scatter.
//
//   startup_bench [--launches=N] [--platforms=offscreen,xcb] [--compare=LABEL=PATH]...
//
//   --launches    launches of each kind per platform (default 21)
//   --platforms   comma-separated QT_QPA_PLATFORM values to measure
//   --compare     also launch the program of another build of this benchmark (PATH, e.g. one
//                 built from an earlier revision), in the same rounds, reported as LABEL
//
// Exit status: 0 when every launch worked (whether or not the goal is met), 1 otherwise.

#include "ChildProcess.h"
#include "FirstFrameProbe.h"
#include "LaunchChild.h"
#include "XvfbServer.h"

#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr double goalRatio = 1.25;
constexpr std::string_view childOption = "--launch-child=";
constexpr std::string_view launchedAtOption = "--launched-at-ns=";

struct Subject
{
    std::string label;
    std::string binary;
    LaunchKind kind;
};

struct Sample
{
    double milliseconds;    // launch to first frame, wall clock
    double cpuMilliseconds; // CPU time of the launched program until its first frame
    double peakKilobytes;
};

struct Options
{
    int launches = 21;
    std::vector<std::string> platforms{"offscreen", "xcb"};
    std::vector<Subject> compared;
};

std::string kindName(LaunchKind kind)
{
    return kind == LaunchKind::Program ? "program" : "bare";
}

std::optional<std::string> valueOf(std::string_view argument, std::string_view option)
{
    if (argument.substr(0, option.size()) != option)
        return std::nullopt;
    return std::string(argument.substr(option.size()));
}

std::vector<std::string> split(const std::string &text, char separator)
{
    std::vector<std::string> parts;
    std::stringstream stream(text);
    for (std::string part; std::getline(stream, part, separator);)
        if (!part.empty())
            parts.push_back(part);
    return parts;
}

bool parseOptions(int argc, char **argv, Options &options)
{
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (const auto launches = valueOf(argument, "--launches=")) {
            options.launches = std::atoi(launches->c_str());
            if (options.launches < 1)
                return false;
        } else if (const auto platforms = valueOf(argument, "--platforms=")) {
            options.platforms = split(*platforms, ',');
        } else if (const auto compared = valueOf(argument, "--compare=")) {
            const std::size_t equals = compared->find('=');
            if (equals == std::string::npos)
                return false;
            options.compared.push_back({"program [" + compared->substr(0, equals) + "]",
                                        compared->substr(equals + 1), LaunchKind::Program});
        } else {
            return false;
        }
    }
    return !options.platforms.empty();
}

std::string lastLine(const std::string &text)
{
    const std::vector<std::string> lines = split(text, '\n');
    return lines.empty() ? std::string() : lines.back();
}

std::string fileText(const std::filesystem::path &path)
{
    std::ifstream file(path);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}

// One launch of `subject` under /usr/bin/time. The launch time is read just before the spawn.
std::optional<Sample> launchOnce(const Subject &subject,
                                 const std::vector<std::string> &environment,
                                 const std::filesystem::path &workDirectory, std::string &error)
{
    const std::filesystem::path peakFile = workDirectory / "peak-rss";
    const std::filesystem::path errorFile = workDirectory / "child-stderr";
    ChildProcess::Options options;
    options.environment = environment;
    options.standardErrorFile = errorFile.string();
    const std::int64_t launchedAt = FirstFrameProbe::monotonicNanoseconds();
    options.arguments = {"/usr/bin/time",
                         "-f",
                         "%M",
                         "-o",
                         peakFile.string(),
                         subject.binary,
                         std::string(childOption) + kindName(subject.kind),
                         std::string(launchedAtOption) + std::to_string(launchedAt)};
    ChildProcess child;
    if (!child.start(options, error))
        return std::nullopt;
    std::string output;
    const int status = child.finish(output);
    const std::string timeLine = lastLine(output);
    const std::string peakLine = lastLine(fileText(peakFile));
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0 || timeLine.empty() || peakLine.empty()) {
        error = subject.label + " launch failed (status " + std::to_string(status) +
                "); its standard error:\n" + fileText(errorFile);
        return std::nullopt;
    }
    char *cpuText = nullptr;
    const double milliseconds = std::strtod(timeLine.c_str(), &cpuText);
    return Sample{milliseconds, std::strtod(cpuText, nullptr),
                  std::strtod(peakLine.c_str(), nullptr)};
}

// The q-quantile (0 to 1) of `values`, interpolating between neighbours.
double quantile(std::vector<double> values, double q)
{
    std::sort(values.begin(), values.end());
    const double position = q * static_cast<double>(values.size() - 1);
    const auto below = static_cast<std::size_t>(position);
    const std::size_t above = std::min(below + 1, values.size() - 1);
    const double fraction = position - static_cast<double>(below);
    return values[below] + (values[above] - values[below]) * fraction;
}

struct Summary
{
    double medianMs, lowerMs, upperMs;
    double medianCpuMs;
    double medianMb, lowerMb, upperMb;
};

Summary summarise(const std::vector<Sample> &samples)
{
    std::vector<double> times;
    std::vector<double> cpuTimes;
    std::vector<double> megabytes;
    for (const Sample &sample : samples) {
        times.push_back(sample.milliseconds);
        cpuTimes.push_back(sample.cpuMilliseconds);
        megabytes.push_back(sample.peakKilobytes / 1024.0);
    }
    return {quantile(times, 0.5),     quantile(times, 0.25),    quantile(times, 0.75),
            quantile(cpuTimes, 0.5),  quantile(megabytes, 0.5), quantile(megabytes, 0.25),
            quantile(megabytes, 0.75)};
}

// Measures every subject on `platform`, alternating; prints one row per subject. Returns false
// when a launch failed; sets `goalMet` for this build's program.
bool measurePlatform(const std::string &platform, const std::vector<Subject> &subjects,
                     int launches, const std::filesystem::path &workDirectory, bool &goalMet)
{
    std::string error;
    XvfbServer server;
    std::vector<std::string> overrides{"QT_QPA_PLATFORM=" + platform,
                                       // No session bus: nothing autolaunches a bus daemon.
                                       "DBUS_SESSION_BUS_ADDRESS=disabled:"};
    if (platform == "xcb") {
        if (!server.start(error)) {
            std::fprintf(stderr, "%s\n", error.c_str());
            return false;
        }
        overrides.push_back("DISPLAY=" + server.display());
    }
    const std::vector<std::string> environment = ChildProcess::environmentWith(overrides);

    std::vector<std::vector<Sample>> samples(subjects.size());
    for (int round = -1; round < launches; ++round) { // round -1 warms the caches, discarded
        for (std::size_t at = 0; at < subjects.size(); ++at) {
            const std::optional<Sample> sample =
                launchOnce(subjects[at], environment, workDirectory, error);
            if (!sample) {
                std::fprintf(stderr, "%s: %s\n", platform.c_str(), error.c_str());
                return false;
            }
            if (round >= 0)
                samples[at].push_back(*sample);
        }
    }

    const Summary bare = summarise(samples.front());
    for (std::size_t at = 0; at < subjects.size(); ++at) {
        const Summary row = summarise(samples[at]);
        std::printf("%-10s %-20s %7.1f (%5.1f-%5.1f) %7.1f %7.1f (%4.1f-%4.1f)", platform.c_str(),
                    subjects[at].label.c_str(), row.medianMs, row.lowerMs, row.upperMs,
                    row.medianCpuMs, row.medianMb, row.lowerMb, row.upperMb);
        if (at == 0) {
            std::printf("\n");
            continue;
        }
        const double timeRatio = row.medianMs / bare.medianMs;
        const double cpuRatio = row.medianCpuMs / bare.medianCpuMs;
        const double memoryRatio = row.medianMb / bare.medianMb;
        std::printf("  %5.2f x %5.2f x %5.2f x\n", timeRatio, cpuRatio, memoryRatio);
        if (at == 1)
            goalMet = timeRatio <= goalRatio && memoryRatio <= goalRatio;
    }
    std::fflush(stdout);
    return true;
}

std::string thisExecutable()
{
    return std::filesystem::read_symlink("/proc/self/exe").string();
}

int runBenchmark(const Options &options)
{
    std::vector<Subject> subjects{{"bare window", thisExecutable(), LaunchKind::BareWindow},
                                  {"program", thisExecutable(), LaunchKind::Program}};
    subjects.insert(subjects.end(), options.compared.begin(), options.compared.end());

    char pattern[] = "/tmp/startup_bench.XXXXXX";
    if (mkdtemp(pattern) == nullptr) {
        std::perror("mkdtemp");
        return 1;
    }
    const std::filesystem::path workDirectory(pattern);

    std::printf("Launch to first frame (wall clock, with quartiles) and the launched program's CPU "
                "time until then:\nmedians of %d launches of each kind, alternating. Peak resident "
                "memory from /usr/bin/time.\nRatios are to the bare window on the same "
                "platform.\n\n",
                options.launches);
    std::printf("%-10s %-20s %7s %13s %7s %7s %11s  %7s %7s %7s\n", "platform", "launch", "time ms",
                "(p25-p75)", "cpu ms", "peak MB", "(p25-p75)", "time", "cpu", "memory");
    bool allRan = true;
    std::string verdict;
    for (const std::string &platform : options.platforms) {
        bool goalMet = false;
        const bool ran =
            measurePlatform(platform, subjects, options.launches, workDirectory, goalMet);
        allRan = allRan && ran;
        verdict += "  " + platform + ": " + (!ran ? "not measured" : goalMet ? "met" : "NOT met");
    }
    std::filesystem::remove_all(workDirectory);
    std::printf("\nGoal: program at most %.2f x the bare window in time and in peak memory.\n%s\n",
                goalRatio, verdict.c_str());
    return allRan ? 0 : 1;
}

} // namespace

int main(int argc, char **argv)
{
    std::optional<std::string> child;
    std::optional<std::string> launchedAt;
    for (int i = 1; i < argc; ++i) {
        if (!child)
            child = valueOf(argv[i], childOption);
        if (!launchedAt)
            launchedAt = valueOf(argv[i], launchedAtOption);
    }
    if (child && launchedAt) {
        const LaunchKind kind = *child == "bare" ? LaunchKind::BareWindow : LaunchKind::Program;
        return runLaunchChild(kind, std::strtoll(launchedAt->c_str(), nullptr, 10), argc, argv);
    }

    Options options;
    if (!parseOptions(argc, argv, options)) {
        std::fprintf(stderr,
                     "usage: %s [--launches=N] [--platforms=offscreen,xcb] "
                     "[--compare=LABEL=PATH]...\n",
                     argv[0]);
        return 1;
    }
    return runBenchmark(options);
}
