#pragma once

#include <cstdint>

// The child side of the start-up benchmark: what one launch runs in its own process.

// Which start-up one launch measures.
enum class LaunchKind
{
    // The program's own start-up: the application object, startUp() (both windows created as the
    // program creates them, the calculator window shown), the event loop until the first frame,
    // then shutDown().
    Program,
    // The baseline: the same application class and one empty 387 x 501 QWidget shown.
    BareWindow,
};

// Runs one launch of `kind` in this process and returns its exit status: 0 after printing the
// time to the first frame (see FirstFrameProbe), 2 when no frame came within ten seconds.
// launchedAtNs: the parent's CLOCK_MONOTONIC reading just before it started this process.
int runLaunchChild(LaunchKind kind, std::int64_t launchedAtNs, int &argc, char **argv);
