// The application object and the window base: error report, application title, window
// creation and destruction, the drawing list, modal showing, font substitution.

#include "FormsTestMain.h"
#include "ModalAnswerer.h"
#include "forms/Application.h"
#include "forms/Bevel.h"
#include "forms/EditBox.h"
#include "forms/ErrorBox.h"
#include "forms/Fonts.h"
#include "forms/Form.h"
#include "forms/Label.h"
#include "forms/PictureBox.h"
#include "forms/PictureButton.h"

#include <QElapsedTimer>
#include <QFontInfo>
#include <QLineEdit>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include <stdexcept>

namespace {

// Records the order in which windows are constructed and destroyed, and whether the window's
// reference was already set when its constructor ran.
class RecordedForm : public forms::Form
{
public:
    RecordedForm(RecordedForm *const &reference, QString name, QStringList &log)
        : m_name(std::move(name)), m_log(log)
    {
        m_log << m_name + (reference == this ? " constructed, reference set"
                                             : " constructed, reference NOT set");
    }
    ~RecordedForm() override { m_log << m_name + " destroyed"; }

private:
    QString m_name;
    QStringList &m_log;
};

} // namespace

class FormsApplicationTest : public QObject
{
    Q_OBJECT

private slots:
    void reportTextAppendsAPointByCode_data()
    {
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("shown");
        QTest::newRow("letter") << "Floating point overflow"
                                << "Floating point overflow.";
        QTest::newRow("ends in a point") << "Done."
                                         << "Done.";
        QTest::newRow("apostrophe (0x27) is lower") << "'abc'"
                                                    << "'abc'";
        QTest::newRow("space (0x20) is lower") << "abc "
                                               << "abc ";
        QTest::newRow("hyphen (0x2D) is lower") << "a-"
                                                << "a-";
        QTest::newRow("slash (0x2F) is greater") << "a/"
                                                 << "a/.";
        QTest::newRow("digit") << "'12' is not a valid integer value"
                               << "'12' is not a valid integer value.";
        QTest::newRow("non-ASCII last character")
            << QString::fromUtf8("مقدار") << QString::fromUtf8("مقدار.");
        QTest::newRow("empty message: nothing appended") << ""
                                                         << "";
    }
    void reportTextAppendsAPointByCode()
    {
        QFETCH(QString, message);
        QFETCH(QString, shown);
        QCOMPARE(forms::ErrorBox::reportText(message), shown);
    }

    void titleFromExecutablePath_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("title");
        QTest::newRow("the program") << "/usr/bin/tube-weight"
                                     << "tube-weight";
        QTest::newRow("upper case, extension") << "C:/Tools/TUBE-WEIGHT.EXE"
                                               << "Tube-weight";
        QTest::newRow("cut at the first dot") << "/opt/my.app.v2"
                                              << "my";
        QTest::newRow("first character keeps its case") << "/x/aBC"
                                                        << "abc";
        QTest::newRow("non-ASCII") << QString::fromUtf8("/x/ÄBÇ.exe") << QString::fromUtf8("Äbç");
        QTest::newRow("dot first: empty") << "/x/.hidden"
                                          << "";
    }
    void titleFromExecutablePath()
    {
        QFETCH(QString, path);
        QFETCH(QString, title);
        QCOMPARE(forms::Application::titleFromExecutablePath(path), title);
    }

    void handlerErrorIsReportedAndTheProgramGoesOn()
    {
        ModalAnswerer answerer;
        int stepsReached = 0;
        const int reportsBefore = forms::Application::instance()->errorReportCount();
        const bool succeeded = forms::Application::dispatch([&] {
            ++stepsReached;
            throw std::runtime_error("'abc' is not a valid floating point value");
        });
        QVERIFY(!succeeded);
        QCOMPARE(stepsReached, 1);
        QCOMPARE(forms::Application::instance()->errorReportCount(), reportsBefore + 1);
        QCOMPARE(answerer.seen().size(), 1);
        const ModalAnswerer::SeenBox &box = answerer.seen().front();
        QCOMPARE(box.title, forms::Application::title());
        QCOMPARE(box.title, QStringLiteral("forms_application_test"));
        QCOMPARE(box.text, QStringLiteral("'abc' is not a valid floating point value."));
        QCOMPARE(box.icon, QMessageBox::Critical);
        QCOMPARE(box.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));

        QVERIFY(forms::Application::dispatch([&] { ++stepsReached; }));
        QCOMPARE(answerer.seen().size(), 1);
        QCOMPARE(stepsReached, 2);
    }

    void veryLongReportStaysWithinTheScreen_data()
    {
        QTest::addColumn<QString>("message");
        QTest::newRow("32,767 characters, no space") << QString(32767, u'9');
        QTest::newRow("32,767 characters, words") << QString("word ").repeated(6554).left(32767);
    }
    void veryLongReportStaysWithinTheScreen()
    {
        QFETCH(QString, message);
        ModalAnswerer answerer;
        QElapsedTimer clock;
        clock.start();
        forms::Application::reportError(message);
        QVERIFY2(clock.elapsed() < 5000, qPrintable(QString::number(clock.elapsed())));
        QCOMPARE(answerer.seen().size(), 1);
        QCOMPARE(answerer.seen().front().text, message + u'.');
        const QSize screen = QGuiApplication::primaryScreen()->availableGeometry().size();
        const QSize box = answerer.seen().front().outerSize;
        QVERIFY2(box.width() <= screen.width() && box.height() <= screen.height(),
                 qPrintable(QStringLiteral("%1x%2").arg(box.width()).arg(box.height())));
    }

    void longReportKeepsItsButtonVisible()
    {
        bool buttonInside = false;
        QTimer::singleShot(50, this, [&] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            QVERIFY(box != nullptr);
            QAbstractButton *ok = box->button(QMessageBox::Ok);
            buttonInside = ok->isVisible() && box->rect().contains(ok->geometry());
            ok->click();
        });
        forms::Application::reportError(QString(32767, u'x'));
        QVERIFY(buttonInside);
    }

    void createFormSetsTheReferenceFirstAndDestroysInReverse()
    {
        QStringList log;
        RecordedForm *first = nullptr;
        RecordedForm *second = nullptr;
        forms::Application &application = *forms::Application::instance();
        application.createForm(first, first, QStringLiteral("calculator"), log);
        application.createForm(second, second, QStringLiteral("portfolio"), log);
        QCOMPARE(application.mainForm(), first);
        application.destroyForms();
        QCOMPARE(log, QStringList({"calculator constructed, reference set",
                                   "portfolio constructed, reference set", "portfolio destroyed",
                                   "calculator destroyed"}));
        QCOMPARE(first, nullptr);
        QCOMPARE(second, nullptr);
        QCOMPARE(application.mainForm(), nullptr);
    }

    void drawingListAndBringToFront()
    {
        forms::Form form;
        form.resize(200, 200);
        auto *picture = new forms::PictureBox(&form);
        auto *label = new forms::Label(&form);
        auto *edit = new forms::EditBox(&form);
        auto *bevel = new forms::Bevel(&form);
        auto *button = new forms::PictureButton(&form);
        auto *latePicture = new forms::PictureBox(&form); // created after input controls
        const auto inputsAboveDrawing = [&] {
            const QObjectList stack = form.children();
            for (const QWidget *input :
                 {static_cast<QWidget *>(edit), static_cast<QWidget *>(button)})
                for (const QWidget *drawn : form.drawingList())
                    if (stack.indexOf(input) < stack.indexOf(drawn))
                        return false;
            return true;
        };
        using List = QList<QWidget *>;
        QCOMPARE(form.drawingList(), List({picture, label, bevel, latePicture}));
        form.show(); // polished: input controls go above every drawn control
        QVERIFY(inputsAboveDrawing());
        QCOMPARE(form.drawingList(), List({picture, label, bevel, latePicture}));

        form.bringToFront(picture);
        QCOMPARE(form.drawingList(), List({label, bevel, latePicture, picture}));
        QVERIFY(inputsAboveDrawing());
        form.bringToFront(label);
        QCOMPARE(form.drawingList(), List({bevel, latePicture, picture, label}));
        form.bringToFront(label); // already last: nothing changes
        QCOMPARE(form.drawingList(), List({bevel, latePicture, picture, label}));
        QVERIFY(inputsAboveDrawing());
    }

    void dialogBorderIsFixedWithCloseBoxOnly()
    {
        forms::Form form;
        form.resize(387, 501);
        form.setBorderStyle(forms::Form::BorderStyle::Dialog);
        QCOMPARE(form.minimumSize(), QSize(387, 501));
        QCOMPARE(form.maximumSize(), QSize(387, 501));
        const Qt::WindowFlags flags = form.windowFlags();
        QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
        QVERIFY(!flags.testFlag(Qt::WindowMinimizeButtonHint));
        QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
        QCOMPARE(form.palette().color(QPalette::Window), form.palette().color(QPalette::Button));
    }

    void showModalReturnsWhenClosedAndKeepsTheWindow()
    {
        forms::Form owner;
        owner.show();
        owner.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&owner));
        forms::Form dialog;
        dialog.resize(100, 80);
        bool wasModal = false;
        QTimer::singleShot(50, &dialog, [&] {
            wasModal = QApplication::activeModalWidget() == &dialog;
            dialog.close();
        });
        dialog.showModal();
        QVERIFY(wasModal);
        QVERIFY(!dialog.isVisible());
        QTRY_COMPARE(QApplication::activeWindow(), &owner);
    }

    void missingFamiliesAreSubstituted()
    {
        QFont requested(QStringLiteral("MS Sans Serif"));
        requested.setPixelSize(11);
        QCOMPARE(QFontInfo(requested).family(), QStringLiteral("Liberation Sans"));
        QFont serif(QStringLiteral("Times New Roman"));
        QCOMPARE(QFontInfo(serif).family(), QStringLiteral("Liberation Serif"));
    }

    void formFontsNameTheStandIn_data()
    {
        QTest::addColumn<QString>("requested");
        QTest::addColumn<bool>("bold");
        QTest::addColumn<int>("pixels");
        QTest::addColumn<QString>("named");
        QTest::newRow("MS Sans Serif") << "MS Sans Serif" << false << 11 << "Liberation Sans";
        QTest::newRow("Times New Roman bold")
            << "Times New Roman" << true << 19 << "Liberation Serif";
        QTest::newRow("installed family") << "Liberation Mono" << false << 12 << "Liberation Mono";
        QTest::newRow("missing, no stand-in") << "Tahoma" << false << 11 << "Tahoma";
    }
    void formFontsNameTheStandIn()
    {
        QFETCH(QString, requested);
        QFETCH(bool, bold);
        QFETCH(int, pixels);
        QFETCH(QString, named);
        QWidget control;
        QFont font(requested);
        font.setBold(bold);
        control.setFont(font);
        forms::setFontPixelSize(control, pixels);
        QCOMPARE(control.font().family(), named);
        QCOMPARE(control.font().pixelSize(), pixels);
        QCOMPARE(control.font().bold(), bold);
        if (named != requested) // loads without looking for a fallback: the named family itself
            QCOMPARE(QFontInfo(control.font()).family(), named);
    }

    void defaultFontIsTheFormFontButTheErrorReportKeepsTheDesktops()
    {
        QCOMPARE(QApplication::font().family(), QStringLiteral("Liberation Sans"));
        QCOMPARE(QApplication::font().pixelSize(), 11);
        QVERIFY(forms::Application::desktopFont() != QApplication::font());
        forms::ErrorBox box(QStringLiteral("Title"), QStringLiteral("Message"));
        QCOMPARE(box.font(), forms::Application::desktopFont());
        // A line edit made without a font of its own draws in the form font.
        QLineEdit edit;
        QCOMPARE(QFontInfo(edit.font()).family(), QStringLiteral("Liberation Sans"));
    }
};

FORMS_TEST_MAIN(FormsApplicationTest)
#include "FormsApplicationTest.moc"
