// Real mouse clicks and keys through the X server, on the program's own start-up: the "KORVEL"
// button opens the portfolio window modally, the calculator window ignores real input while it
// is open, and once it is closed the calculator calculates on the next click. The portfolio
// window keeps its gallery state for the next opening.
//
// Runs under Xvfb without a window manager (see CMakeLists.txt), so there is no close box to
// click: the portfolio window is closed with QWidget::close(), the call that Qt makes when the
// window manager's close request (WM_DELETE_WINDOW) arrives. While the window is open, the
// test's own code runs inside its modal event loop, from a timer started before the click.

#include "StartUpTestMain.h"
#include "TForm1.h"
#include "TForm3.h"
#include "WindowControls.h"
#include "XdotoolInput.h"
#include "forms/Application.h"
#include "forms/EditBox.h"
#include "forms/Label.h"
#include "forms/PictureBox.h"
#include "forms/PictureButton.h"

#include <QTest>
#include <QTimer>

#include <functional>

namespace {

using real_input::clickOn;
using real_input::xdotool;
using window_test::calc;
using window_test::control;
using window_test::result;

forms::PictureButton *korvel()
{
    return control<forms::PictureButton>(Form1, "BitBtn2");
}
forms::EditBox *lengthBox()
{
    return control<forms::EditBox>(Form1, "Edit1");
}
QString galleryIndex()
{
    return control<forms::EditBox>(Form3, "Edit1")->text();
}

// Where the portfolio window is moved while it is open, so that it does not cover the
// calculator window's controls (at its designed place it covers "Calc.").
constexpr QPoint asideFromTheCalculator{640, 40};

} // namespace

class PortfolioRealInputTest : public QObject
{
    Q_OBJECT

private:
    // Clicks "KORVEL" for real and runs `whileOpen` inside the portfolio window's modal showing;
    // then closes the window (also when `whileOpen` failed) and returns once the modal showing
    // has ended.
    void openPortfolioWhile(const std::function<void()> &whileOpen)
    {
        bool ran = false;
        QTimer watch;
        connect(&watch, &QTimer::timeout, this, [&] {
            if (ran || !Form3->isVisible())
                return;
            ran = true;
            watch.stop();
            QTest::qWait(200); // let the window be mapped and activated
            whileOpen();
            Form3->close();
        });
        watch.start(20);
        // The modal showing runs inside this call, until the window is closed.
        clickOn(korvel());
        QTRY_VERIFY_WITH_TIMEOUT(ran, 10000);
        QTRY_VERIFY(Form3->isHidden());
        QCOMPARE(QApplication::activeModalWidget(), nullptr);
    }

private slots:
    void initTestCase()
    {
        if (const QString why = real_input::whyRealInputCannotRun(); !why.isEmpty())
            QSKIP(qPrintable(why));
        QVERIFY(Form1 != nullptr);
        QVERIFY(Form3 != nullptr);
        QVERIFY(QTest::qWaitForWindowExposed(Form1));
        // Created at start-up, hidden.
        QVERIFY(Form3->isHidden());
    }

    void korvelOpensThePortfolioWindowModally()
    {
        // A length to calculate with, committed by Tab.
        clickOn(lengthBox());
        xdotool({"key", "--clearmodifiers", "ctrl+a"});
        xdotool({"type", "--delay", "30", "6000"});
        xdotool({"key", "Tab"});
        const QString resultBefore = result()->caption();
        QCOMPARE(resultBefore, QStringLiteral("******"));

        openPortfolioWhile([&] {
            QCOMPARE(QApplication::activeModalWidget(), Form3);
            QCOMPARE(Form3->pos(), TForm3::designedPosition);
            QCOMPARE(galleryIndex(), QStringLiteral("0"));
            Form3->move(asideFromTheCalculator);
            QTRY_COMPARE(Form3->pos(), asideFromTheCalculator);

            // A real click on "Calc." does nothing; neither do a click on the length box and
            // typing.
            clickOn(calc());
            QTest::qWait(300);
            QCOMPARE(result()->caption(), resultBefore);
            QVERIFY(!calc()->isDown());
            clickOn(lengthBox());
            xdotool({"type", "--delay", "30", "9"});
            QTest::qWait(300);
            QCOMPARE(lengthBox()->text(), QStringLiteral("6000"));
            QCOMPARE(result()->caption(), resultBefore);

            // The portfolio window itself takes real clicks: entry 3's thumbnail.
            clickOn(control<forms::PictureBox>(Form3, "Image4"));
            QTRY_COMPARE(galleryIndex(), QStringLiteral("3"));
            Form3->move(TForm3::designedPosition);
        });

        // Back on the calculator window, unchanged, which calculates on the next real click.
        QTRY_COMPARE(QApplication::activeWindow(), Form1);
        QCOMPARE(result()->caption(), resultBefore);
        QCOMPARE(lengthBox()->text(), QStringLiteral("6000"));
        clickOn(calc());
        QTRY_COMPARE(result()->caption(), QStringLiteral("20.5 kg"));
        QVERIFY(!calc()->isDown());
    }

    // Pressing "KORVEL" again shows the same window as it was left.
    void reopeningShowsTheEntryLeft()
    {
        QString indexSeen;
        QWidget *topSeen = nullptr;
        openPortfolioWhile([&] {
            indexSeen = galleryIndex();
            topSeen = Form3->drawingList().constLast();
            // A real press of the next button moves on to entry 4.
            Form3->move(asideFromTheCalculator);
            QTRY_COMPARE(Form3->pos(), asideFromTheCalculator);
            clickOn(control<forms::PictureButton>(Form3, "BitBtn1"));
            QTRY_COMPARE(galleryIndex(), QStringLiteral("4"));
            Form3->move(TForm3::designedPosition);
        });
        QCOMPARE(indexSeen, QStringLiteral("3"));
        QCOMPARE(topSeen, control<QWidget>(Form3, "Image4"));
        QCOMPARE(galleryIndex(), QStringLiteral("4"));
        QCOMPARE(Form3->drawingList().constLast(), control<QWidget>(Form3, "Image5"));
    }
};

int main(int argc, char *argv[])
{
    return window_test::runWithStartUp<PortfolioRealInputTest>(
        argc, argv, real_input::fallBackToOffscreenWithoutDisplay);
}

#include "PortfolioRealInputTest.moc"
