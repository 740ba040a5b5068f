#pragma once

// QTEST_MAIN for tests of windows built on the forms layer: the application object is a
// forms::Application, as in the program.

#include "forms/Application.h"

#include <QTest>

#define FORMS_TEST_MAIN(TestClass)                                                                 \
    int main(int argc, char *argv[])                                                               \
    {                                                                                              \
        forms::Application application(argc, argv);                                                \
        TestClass test;                                                                            \
        return QTest::qExec(&test, argc, argv);                                                    \
    }
