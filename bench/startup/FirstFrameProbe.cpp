#include "FirstFrameProbe.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>

#include <cstdio>
#include <ctime>

FirstFrameProbe::FirstFrameProbe(std::int64_t launchedAtNs, QObject *parent)
    : QObject(parent), m_launchedAtNs(launchedAtNs)
{
}

std::int64_t FirstFrameProbe::monotonicNanoseconds()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<std::int64_t>(now.tv_sec) * 1'000'000'000 + now.tv_nsec;
}

std::int64_t FirstFrameProbe::processCpuNanoseconds()
{
    timespec used{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &used);
    return static_cast<std::int64_t>(used.tv_sec) * 1'000'000'000 + used.tv_nsec;
}

bool FirstFrameProbe::eventFilter(QObject *watched, QEvent *event)
{
    if (!m_firstPaintSeen && event->type() == QEvent::Paint && watched->isWidgetType() &&
        static_cast<QWidget *>(watched)->isWindow()) {
        m_firstPaintSeen = true;
        // Runs after the paint pass and its flush have returned to the event loop.
        QMetaObject::invokeMethod(this, &FirstFrameProbe::finishFirstFrame, Qt::QueuedConnection);
    }
    return QObject::eventFilter(watched, event);
}

void FirstFrameProbe::finishFirstFrame()
{
    const std::int64_t elapsedNs = monotonicNanoseconds() - m_launchedAtNs;
    const std::int64_t cpuNs = processCpuNanoseconds();
    std::printf("%.3f %.3f\n", static_cast<double>(elapsedNs) / 1e6,
                static_cast<double>(cpuNs) / 1e6);
    std::fflush(stdout);
    QCoreApplication::quit();
}
