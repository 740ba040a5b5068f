#pragma once

#include <QObject>

#include <cstdint>

// Watches a launch of the program (or of the bare baseline) for its first frame and then ends
// the event loop, printing the time since the launch began.
//
// "First frame" here: the first paint event that reaches a top-level widget has been handled,
// together with the rest of that paint pass (every child the pass draws) and the backing store's
// flush to the platform window that ends it. The probe notices the paint event and queues a call
// behind it; the call runs once the update that painted and flushed the window has returned to
// the event loop. On offscreen the frame is then composed in the platform's memory image; on xcb
// the image has been sent to the X server and the connection flushed.
//
// The time is measured on CLOCK_MONOTONIC from `launchedAtNs`, a reading the parent took just
// before it started the child (so it includes the exec of /usr/bin/time and of this program,
// which is the same for every kind of launch). It is printed on standard output in milliseconds
// with three decimals, followed by the CPU time this process has used until then
// (CLOCK_PROCESS_CPUTIME_ID, which other load on the machine hardly changes), one line.
class FirstFrameProbe : public QObject
{
    Q_OBJECT

public:
    // launchedAtNs: CLOCK_MONOTONIC nanoseconds of the launch. Install the probe as an event
    // filter on the application object.
    explicit FirstFrameProbe(std::int64_t launchedAtNs, QObject *parent = nullptr);

    // Nanoseconds on CLOCK_MONOTONIC now.
    static std::int64_t monotonicNanoseconds();
    // Nanoseconds of CPU time this process has used so far.
    static std::int64_t processCpuNanoseconds();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void finishFirstFrame();

    std::int64_t m_launchedAtNs;
    bool m_firstPaintSeen = false;
};
