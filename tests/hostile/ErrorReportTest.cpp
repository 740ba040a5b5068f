// The error report with hostile messages, on the forms layer alone (offscreen): a message with
// NUL characters is read whole through a registered reader; a message of any length fits on the
// screen, wraps (also inside a word wider than the box), is shown literally and appears within a
// second.

#include "FormsTestMain.h"
#include "ReportWatcher.h"
#include "forms/Application.h"
#include "forms/ErrorBox.h"

#include <QApplication>
#include <QScreen>
#include <QTest>

#include <new>
#include <stdexcept>
#include <string>

using namespace std::string_literals;

namespace {

// An error that keeps its whole message beside what(), which ends at the first NUL.
class WholeMessageError : public std::runtime_error
{
public:
    explicit WholeMessageError(const std::string &message)
        : std::runtime_error(message), m_message(message)
    {
    }
    const std::string &message() const { return m_message; }

private:
    std::string m_message;
};

class DerivedWholeMessageError : public WholeMessageError
{
public:
    using WholeMessageError::WholeMessageError;
};

class OtherError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

QString readWhole(const WholeMessageError &error)
{
    return QString::fromStdString(error.message());
}

QString withNul(const char *before, const char *after)
{
    return QString::fromLatin1(before) + QChar(u'\0') + QString::fromLatin1(after);
}

// Words that a message label wraps taller than the screen (it wraps a long text at most 500 px
// wide), though at the widest a message box grows (the screen's width on a small screen, 800 px
// or more on a large one) they take some 5/6 of the screen's height.
QString wordsTooHighForTheLabel()
{
    constexpr int widestLabelWrapping = 500;
    const int screenHeight = QGuiApplication::primaryScreen()->availableGeometry().height();
    const QFontMetrics metrics(forms::Application::desktopFont()); // the error report's font
    QString words;
    while (metrics
               .boundingRect(QRect(0, 0, widestLabelWrapping, QWIDGETSIZE_MAX), Qt::TextWordWrap,
                             words)
               .height() < screenHeight * 6 / 5)
        words += QStringLiteral("word ").repeated(20);
    return words;
}

} // namespace

class ErrorReportTest : public QObject
{
    Q_OBJECT

private slots:
    // Readers stay registered for the rest of the run, so the steps build on one another.
    void errorMessageFollowsTheRegisteredReaders()
    {
        forms::Application &application = *forms::Application::instance();
        const WholeMessageError whole("'a\0b' is wrong"s);
        const DerivedWholeMessageError derived("d\0e"s);
        const OtherError other("o\0p"s);

        // Without a reader: what(), which ends at the NUL.
        QCOMPARE(forms::Application::errorMessage(whole), QStringLiteral("'a"));

        application.setErrorMessageReader<WholeMessageError>(readWhole);
        QCOMPARE(forms::Application::errorMessage(whole), withNul("'a", "b' is wrong"));
        QCOMPARE(forms::Application::errorMessage(derived), withNul("d", "e"));
        QCOMPARE(forms::Application::errorMessage(other), QStringLiteral("o"));

        // The last registered reader that matches is used ...
        application.setErrorMessageReader<DerivedWholeMessageError>(
            [](const DerivedWholeMessageError &) { return QStringLiteral("derived"); });
        QCOMPARE(forms::Application::errorMessage(derived), QStringLiteral("derived"));
        QCOMPARE(forms::Application::errorMessage(whole), withNul("'a", "b' is wrong"));

        // ... and registering a type again replaces its reader and makes it the last.
        application.setErrorMessageReader<WholeMessageError>(
            [](const WholeMessageError &error) { return "again: " + readWhole(error); });
        QCOMPARE(forms::Application::errorMessage(whole), "again: " + withNul("'a", "b' is wrong"));
        QCOMPARE(forms::Application::errorMessage(derived), "again: " + withNul("d", "e"));

        // A reader that fails leaves the message to what().
        application.setErrorMessageReader<OtherError>(
            [](const OtherError &) -> QString { throw std::bad_alloc(); });
        QCOMPARE(forms::Application::errorMessage(other), QStringLiteral("o"));
    }

    void dispatchReportsTheWholeMessage()
    {
        forms::Application::instance()->setErrorMessageReader<WholeMessageError>(readWhole);
        ReportWatcher watcher;
        const bool succeeded = forms::Application::dispatch(
            [] { throw WholeMessageError("'1\0002' is not a valid integer value"s); });
        QVERIFY(!succeeded);
        QCOMPARE(watcher.reports().size(), 1);
        QCOMPARE(watcher.reports().front().text, withNul("'1", "2' is not a valid integer value."));
        QCOMPARE(watcher.reports().front().shownText, watcher.reports().front().text);
    }

    void reportFitsWrapsAndAppearsAtOnce_data()
    {
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("leastLines");
        QTest::addColumn<bool>("inScrollingView");
        QTest::addColumn<bool>("asHighAsTheScreen");
        QTest::newRow("a sentence")
            << "'abc' is not a valid floating point value" << 1 << false << false;
        QTest::newRow("markup and format directives, short")
            << "'<b>x</b> &amp; %1 %s {0}' is not a valid integer value" << 1 << false << false;
        QTest::newRow("2,000 characters of words")
            << QStringLiteral("word ").repeated(400) << 10 << false << false;
        QTest::newRow("words too high as the label wraps them, not at the box's full width")
            << wordsTooHighForTheLabel() << 10 << true << false;
        QTest::newRow("one word of 150 characters, wider than the box")
            << QString(150, u'y') << 2 << true << false;
        QTest::newRow("32,767 digits, no space") << QString(32767, u'9') << 10 << true << true;
        QTest::newRow("32,767 characters of words")
            << QStringLiteral("word ").repeated(6554).left(32767) << 10 << true << true;
        QTest::newRow("32,767 characters of markup")
            << QStringLiteral("<b>x</b>").repeated(4096).left(32767) << 10 << true << true;
        QTest::newRow("8,000 short lines")
            << QStringLiteral("line\n").repeated(8000) << 10 << true << true;
    }
    void reportFitsWrapsAndAppearsAtOnce()
    {
        QFETCH(QString, message);
        QFETCH(int, leastLines);
        QFETCH(bool, inScrollingView);
        QFETCH(bool, asHighAsTheScreen);
        ReportWatcher watcher;
        watcher.start();
        forms::Application::reportError(message);
        QCOMPARE(watcher.reports().size(), 1);
        const ReportWatcher::Report &report = watcher.reports().front();
        QCOMPARE(report.text, forms::ErrorBox::reportText(message));
        QCOMPARE(report.shownText, report.text);
        QVERIFY(report.labelIsPlainText);
        QCOMPARE(report.inScrollingView, inScrollingView);
        QVERIFY2(report.appearedAfterMs >= 0 && report.appearedAfterMs < 1000,
                 qPrintable(QStringLiteral("appeared after %1 ms").arg(report.appearedAfterMs)));
        QVERIFY(report.availableGeometry.contains(report.outerGeometry));
        QVERIFY2(report.inkLines >= leastLines, qPrintable(QString::number(report.inkLines)));
        // A box that scrolls takes the screen's whole height; one whose text fits is no taller
        // than its text.
        QCOMPARE(report.outerGeometry.height() == report.availableGeometry.height(),
                 asHighAsTheScreen);
        QVERIFY(report.okButtonVisibleAndFocused);
    }
};

FORMS_TEST_MAIN(ErrorReportTest)
#include "ErrorReportTest.moc"
