// Real mouse clicks and keys through the X server, on the program's own start-up: the commit of
// an edit box when a click on "Calc." moves the focus away from it.
//
// Runs under Xvfb (see CMakeLists.txt). xdotool runs asynchronously while this process's event
// loop runs, so a message box opened in the middle of a real click is answered by another real
// click, and the window's state is inspected afterwards.

#include "StartUpTestMain.h"
#include "TForm1.h"
#include "WindowControls.h"
#include "XdotoolInput.h"
#include "forms/Application.h"
#include "forms/EditBox.h"
#include "forms/Label.h"
#include "forms/PictureButton.h"

#include <QAbstractButton>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

namespace {

using real_input::clickArguments;
using real_input::clickOn;
using real_input::startXdotool;
using real_input::xdotool;
using window_test::calc;
using window_test::edit;
using window_test::result;
using window_test::sameValue;

// Answers message boxes with a real mouse click on their OK button and records them, with the
// state of the "Calc." button while the box was open.
class RealBoxAnswerer : public QObject
{
public:
    struct SeenBox
    {
        QString title;
        QString text;
        QMessageBox::Icon icon;
    };

    RealBoxAnswerer()
    {
        connect(&m_timer, &QTimer::timeout, this, [this] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (box == nullptr || !box->isVisible() || box == m_answering)
                return;
            QAbstractButton *ok = box->button(QMessageBox::Ok);
            if (ok == nullptr || !ok->isVisible())
                return;
            m_answering = box;
            seen.append({box->windowTitle(), box->text(), box->icon()});
            startXdotool(this, clickArguments(ok->mapToGlobal(ok->rect().center())));
        });
        m_timer.start(50);
    }

    QList<SeenBox> seen;

private:
    QTimer m_timer;
    QPointer<QMessageBox> m_answering;
};

} // namespace

class RealInputTest : public QObject
{
    Q_OBJECT

private:
    // A real click into the box, then select all and type.
    void typeInto(forms::EditBox *box, const QString &text)
    {
        clickOn(box);
        xdotool({"key", "--clearmodifiers", "ctrl+a"});
        xdotool({"key", "BackSpace"});
        if (!text.isEmpty())
            xdotool({"type", "--delay", "30", text});
        QTRY_COMPARE(box->text(), text);
    }

private slots:
    void initTestCase()
    {
        if (const QString why = real_input::whyRealInputCannotRun(); !why.isEmpty())
            QSKIP(qPrintable(why));
        QVERIFY(Form1 != nullptr);
        QVERIFY(QTest::qWaitForWindowExposed(Form1));
        QCOMPARE(Form1->pos(), TForm1::designedPosition);
        const QList<QSize> iconSizes = QApplication::windowIcon().availableSizes();
        for (const int pixels : {32, 48, 64, 96, 128})
            QVERIFY(iconSizes.contains(QSize(pixels, pixels)));
    }

    void invalidLengthThenClickOnCalc()
    {
        typeInto(edit("Edit1"), QStringLiteral("1000"));
        xdotool({"key", "Tab"});
        QTRY_VERIFY(sameValue(Form1->calculation().lengthMm, 1000.0L));
        const QString before = result()->caption();

        RealBoxAnswerer answerer;
        typeInto(edit("Edit1"), QStringLiteral("abc"));
        clickOn(calc());
        QTRY_COMPARE_WITH_TIMEOUT(answerer.seen.size(), 1, 10000);
        QTRY_VERIFY_WITH_TIMEOUT(QApplication::activeModalWidget() == nullptr, 10000);
        QTest::qWait(500); // no second box follows
        QCOMPARE(answerer.seen.size(), 1);
        QCOMPARE(answerer.seen.front().text,
                 QStringLiteral("'abc' is not a valid floating point value."));
        QCOMPARE(answerer.seen.front().title, forms::Application::title());
        QCOMPARE(answerer.seen.front().icon, QMessageBox::Critical);
        QVERIFY(!calc()->isDown());
        QVERIFY(sameValue(Form1->calculation().lengthMm, 1000.0L));
        QCOMPARE(edit("Edit1")->text(), QStringLiteral("abc"));
        QCOMPARE(result()->caption(), before);
        QTRY_COMPARE(QApplication::focusWidget(), calc());

        // The next click on "Calc." calculates with the length stored before; "abc" stays shown.
        clickOn(calc());
        QTRY_COMPARE(result()->caption(), QStringLiteral(" 3.4 kg"));
        QVERIFY(!calc()->isDown());
        QCOMPARE(edit("Edit1")->text(), QStringLiteral("abc"));
        QCOMPARE(answerer.seen.size(), 1);

        // Mended, the next click on "Calc." commits and calculates.
        typeInto(edit("Edit1"), QStringLiteral("2000"));
        clickOn(calc());
        QTRY_COMPARE(result()->caption(), QStringLiteral(" 6.8 kg"));
        QVERIFY(!calc()->isDown());
        QCOMPARE(answerer.seen.size(), 1);
    }

    void validLengthThenClickCalculatesWithIt()
    {
        RealBoxAnswerer answerer;
        typeInto(edit("Edit1"), QStringLiteral("6000"));
        clickOn(calc());
        QTRY_COMPARE(result()->caption(), QStringLiteral("20.5 kg"));
        QVERIFY(sameValue(Form1->calculation().lengthMm, 6000.0L));
        QVERIFY(!calc()->isDown());
        QCOMPARE(QApplication::focusWidget(), calc());
        QCOMPARE(answerer.seen.size(), 0);
    }

    void invalidQuantityThenTabMovesOn_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("focusAfter");
        QTest::newRow("Tab") << "Tab"
                             << "BitBtn1";
        QTest::newRow("Shift+Tab") << "shift+Tab"
                                   << "Edit1";
    }
    void invalidQuantityThenTabMovesOn()
    {
        QFETCH(QString, key);
        QFETCH(QString, focusAfter);
        RealBoxAnswerer answerer;
        typeInto(edit("Edit2"), QStringLiteral("2.5"));
        xdotool({"key", key});
        QTRY_COMPARE_WITH_TIMEOUT(answerer.seen.size(), 1, 10000);
        QTRY_VERIFY_WITH_TIMEOUT(QApplication::activeModalWidget() == nullptr, 10000);
        QTest::qWait(500);
        QCOMPARE(answerer.seen.size(), 1);
        QCOMPARE(answerer.seen.front().text, QStringLiteral("'2.5' is not a valid integer value."));
        QCOMPARE(Form1->calculation().quantity, 1);
        QCOMPARE(edit("Edit2")->text(), QStringLiteral("2.5"));
        QTRY_COMPARE(QApplication::focusWidget()->objectName(), focusAfter);
        typeInto(edit("Edit2"), QStringLiteral("1"));
    }

    // Last: closing the main window ends the event loop at once, with no question; the windows
    // stay until shutDown destroys them.
    void closingTheCalculatorWindowEndsTheEventLoop()
    {
        QTimer::singleShot(0, Form1, [] { Form1->close(); });
        QCOMPARE(QApplication::exec(), 0);
        QVERIFY(Form1 != nullptr);
        QVERIFY(!Form1->isVisible());
    }
};

int main(int argc, char *argv[])
{
    return window_test::runWithStartUp<RealInputTest>(
        argc, argv, real_input::fallBackToOffscreenWithoutDisplay);
}

#include "RealInputTest.moc"
