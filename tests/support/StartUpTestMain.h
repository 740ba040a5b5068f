#pragma once

// The main() of a test of the program's own start-up: the application object is a
// forms::Application, startUp() creates and shows the windows before the test class runs, and
// shutDown() destroys them afterwards, as in the program.

#include "Startup.h"
#include "forms/Application.h"

#include <QTest>

#include <functional>

namespace window_test {

// Runs the test class `TestClass` between startUp() and shutDown() and returns the number of
// failures (QTest::qExec's result). `beforeApplication`, when given, runs before the application
// object exists: the place for environment variables and defaults that Qt reads at its start.
template <typename TestClass>
int runWithStartUp(int argc, char *argv[], const std::function<void()> &beforeApplication = {})
{
    if (beforeApplication)
        beforeApplication();
    forms::Application application(argc, argv);
    startUp(application);
    TestClass test;
    const int failures = QTest::qExec(&test, argc, argv);
    shutDown(application);
    return failures;
}

} // namespace window_test
