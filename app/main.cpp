// The main program: start-up, the event loop until the calculator window is closed, shutdown.

#include "Startup.h"
#include "forms/Application.h"

int main(int argc, char *argv[])
{
    forms::Application application(argc, argv);
    startUp(application);
    forms::Application::exec();
    shutDown(application);
    return 0;
}
