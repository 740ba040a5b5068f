#include "LaunchChild.h"

#include "FirstFrameProbe.h"
#include "Startup.h"
#include "forms/Application.h"

#include <QTimer>
#include <QWidget>

#include <cstdio>

namespace {

constexpr int firstFrameTimeoutMs = 10'000;

// Ends the launch with status 2 if no frame has come in time, so a broken start-up cannot hang
// the benchmark.
void armTimeout(QObject &context)
{
    QTimer::singleShot(firstFrameTimeoutMs, &context, [] {
        std::fputs("no first frame within ten seconds\n", stderr);
        QCoreApplication::exit(2);
    });
}

} // namespace

int runLaunchChild(LaunchKind kind, std::int64_t launchedAtNs, int &argc, char **argv)
{
    forms::Application application(argc, argv);
    FirstFrameProbe probe(launchedAtNs);
    application.installEventFilter(&probe);
    armTimeout(probe);

    if (kind == LaunchKind::BareWindow) {
        QWidget window;
        window.resize(387, 501);
        window.show();
        return forms::Application::exec();
    }
    startUp(application);
    const int status = forms::Application::exec();
    shutDown(application);
    return status;
}
