// A seeded monkey on the program's own start-up (offscreen): thousands of random user actions on
// the calculator window and, inside its modal showing, on the portfolio window, with the
// invariants checked after every one (see Monkey). The seed and the number of actions come from
// TUBE_WEIGHT_MONKEY_SEED and TUBE_WEIGHT_MONKEY_ACTIONS when set; a failure prints the seed,
// the failing action and the actions before it.

#include "Monkey.h"
#include "StartUpTestMain.h"
#include "TForm1.h"
#include "forms/Application.h"

#include <QElapsedTimer>
#include <QLocale>
#include <QTest>

#include <cstdint>
#include <cstdio>

namespace {

constexpr std::uint64_t defaultSeed = 20261211;
constexpr int defaultActions = 20000;

} // namespace

class MonkeyTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(Form1 != nullptr);
        QVERIFY(QTest::qWaitForWindowExposed(Form1));
        Form1->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(Form1));
    }

    void randomUserActionsKeepTheInvariants()
    {
        bool seedGiven = false;
        const std::uint64_t given =
            qEnvironmentVariable("TUBE_WEIGHT_MONKEY_SEED").toULongLong(&seedGiven);
        const std::uint64_t seed = seedGiven ? given : defaultSeed;
        bool countGiven = false;
        const int givenCount =
            qEnvironmentVariableIntValue("TUBE_WEIGHT_MONKEY_ACTIONS", &countGiven);
        const int actions = countGiven && givenCount > 0 ? givenCount : defaultActions;
        qInfo("seed %llu, %d actions", static_cast<unsigned long long>(seed), actions);

        Monkey monkey(seed, actions);
        QElapsedTimer clock;
        clock.start();
        const bool kept = monkey.run();
        qInfo("%s, in %lld ms", qPrintable(monkey.summary()), clock.elapsed());
        if (!kept) // in full: QTest cuts long messages
            std::fprintf(stderr, "%s\n", qPrintable(monkey.failureReport()));
        QVERIFY2(kept, qPrintable(monkey.failureReport().section(QLatin1Char('\n'), 0, 2)));
    }
};

int main(int argc, char *argv[])
{
    return window_test::runWithStartUp<MonkeyTest>(argc, argv, [] {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); // separator "."
    });
}

#include "MonkeyTest.moc"
