// The calculator window, driven through its controls as a user would (offscreen): the state at
// start, the shape selection with its drawing list, the tab order, the catalogue in the
// drop-down, the commit of the two edit boxes with its error reports, and the calculation.

#include "FormsTestMain.h"
#include "ModalAnswerer.h"
#include "TForm1.h"
#include "WindowControls.h"
#include "forms/Application.h"
#include "forms/ComboBox.h"
#include "forms/EditBox.h"
#include "forms/Label.h"
#include "forms/PictureBox.h"
#include "forms/PictureButton.h"
#include "forms/RadioButton.h"

#include <QAbstractItemView>
#include <QFile>
#include <QFontInfo>
#include <QSignalSpy>
#include <QTest>

#include <cmath>

namespace {

using window_test::calc;
using window_test::control;
using window_test::edit;
using window_test::result;
using window_test::sameValue;
using window_test::sizes;

forms::RadioButton *radio(const char *name)
{
    return control<forms::RadioButton>(name);
}
forms::PictureBox *picture(const char *name)
{
    return control<forms::PictureBox>(name);
}

void clickOn(QWidget *widget)
{
    QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center());
}

// Clicks into the edit box (which commits the box that had the focus) and types `text` over
// its contents.
void typeInto(forms::EditBox *box, const QString &text)
{
    clickOn(box);
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(box, Qt::Key_Delete);
    QTest::keyClicks(box, text);
}

// Opens the drop-down's list and clicks the row with `designation`, as a user picks a size.
void pickSize(const QString &designation)
{
    forms::ComboBox *combo = sizes();
    const int row = combo->findText(designation);
    QVERIFY2(row >= 0, qPrintable(designation));
    combo->showPopup();
    QAbstractItemView *list = combo->view();
    QVERIFY(QTest::qWaitForWindowExposed(list->window()));
    const QModelIndex index = list->model()->index(row, 0);
    list->scrollTo(index);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(index).center());
    QTRY_VERIFY(!list->isVisible());
    QCOMPARE(combo->currentText(), designation);
}

QWidget *drawingOf(const QString &family)
{
    return picture(family == "square" ? "Image6" : family == "rectangular" ? "Image5" : "Image7");
}

QString checkedFamily()
{
    const bool square = radio("RadioButton1")->isChecked();
    const bool rectangular = radio("RadioButton2")->isChecked();
    const bool round = radio("RadioButton3")->isChecked();
    if (square + rectangular + round != 1)
        return QStringLiteral("not exactly one");
    return square ? "square" : rectangular ? "rectangular" : "round";
}

// The drawing of the checked family is last but one in the drawing list, "L" is last, and every
// input control lies above every drawn control.
bool stackingHolds()
{
    const QList<QWidget *> drawn = Form1->drawingList();
    if (drawn.size() != 18 || drawn.last() != control<forms::Label>("Label8") ||
        drawn[drawn.size() - 2] != drawingOf(checkedFamily()))
        return false;
    const QObjectList stack = Form1->children();
    qsizetype highestDrawn = 0;
    for (QWidget *widget : drawn)
        highestDrawn = qMax(highestDrawn, stack.indexOf(widget));
    for (const char *input : {"ComboBox1", "BitBtn1", "Edit1", "Edit2", "RadioButton1",
                              "RadioButton2", "RadioButton3", "BitBtn2"})
        if (stack.indexOf(control<QWidget>(input)) < highestDrawn)
            return false;
    return true;
}

} // namespace

class CalculatorWindowTest : public QObject
{
    Q_OBJECT

private:
    QLocale m_startLocale;

    // One family load replaces the drop-down's items in one insertion.
    QSignalSpy *m_loads = nullptr;

private slots:
    void init()
    {
        m_startLocale = QLocale();
        forms::Application::instance()->createForm(Form1);
        Form1->show();
        Form1->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(Form1));
        m_loads = new QSignalSpy(sizes()->model(), &QAbstractItemModel::rowsInserted);
    }

    void cleanup()
    {
        delete m_loads;
        m_loads = nullptr;
        forms::Application::instance()->destroyForms();
        QVERIFY(Form1 == nullptr);
        QLocale::setDefault(m_startLocale);
    }

    // The window's bitmaps, JPEGs and the program icon are read by their known formats: Qt
    // loads no image plugin beyond the JPEG one (detecting a format loads every plugin to ask).
    void picturesLoadNoImagePluginTheyDoNotNeed()
    {
        Form1->grab(); // every picture the window shows is decoded
        QFile maps(QStringLiteral("/proc/self/maps"));
        if (!maps.open(QIODevice::ReadOnly))
            QSKIP("this system does not list a process's mappings");
        const QByteArray mapped = maps.readAll();
        QVERIFY(mapped.contains("imageformats/libqjpeg"));
        for (const char *unneeded : {"libqgif", "libqico", "libqsvg", "libqwebp", "libqtiff"})
            QVERIFY2(!mapped.contains(unneeded), unneeded);
    }

    void stateAtStart()
    {
        QCOMPARE(checkedFamily(), QStringLiteral("square"));
        QCOMPARE(sizes()->count(), 58);
        QCOMPARE(sizes()->currentText(), QStringLiteral("SQ 40  t=3"));
        QCOMPARE(sizes()->itemIndex(), 0);
        const CalculationState &state = Form1->calculation();
        QVERIFY(sameValue(state.massPerMetre, 3.41L));
        QVERIFY(sameValue(state.lengthMm, +0.0L));
        QCOMPARE(state.quantity, 1);
        QVERIFY(sameValue(state.resultWeightKg, 0.0L));
        QCOMPARE(state.resultText, std::string());
        QCOMPARE(edit("Edit1")->text(), QStringLiteral("0"));
        QCOMPARE(edit("Edit2")->text(), QStringLiteral("1"));
        QCOMPARE(result()->caption(), QStringLiteral("******"));
        QCOMPARE(QApplication::focusWidget(), radio("RadioButton1"));
        QVERIFY(stackingHolds());
        // FormCreate moved the square drawing, then "L", to the end of the creation order.
        QStringList drawn;
        for (const QWidget *widget : Form1->drawingList())
            drawn << widget->objectName();
        QCOMPARE(drawn,
                 QStringList({"Image9", "Image7", "Bevel1", "Image5", "Label1", "Image1", "Image2",
                              "Image3", "Label6", "Label7", "Label10", "Label2", "Label3", "Label4",
                              "Image10", "Image11", "Image6", "Label8"}));
    }

    void windowAndLayout()
    {
        QCOMPARE(Form1->windowTitle(), QStringLiteral("Structural  Tube Weight"));
        QCOMPARE(Form1->size(), QSize(387, 501));
        QCOMPARE(Form1->minimumSize(), Form1->maximumSize());
        QCOMPARE(Form1->pos(), QPoint(192, 114));
        QVERIFY(!Form1->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
        QVERIFY(!Form1->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
        const struct
        {
            const char *name;
            QRect geometry;
        } fixed[] = {
            {"Image9", {8, 72, 369, 424}},        {"Image7", {18, 280, 350, 211}},
            {"Bevel1", {8, 72, 369, 425}},        {"Image5", {18, 280, 350, 211}},
            {"Image6", {18, 280, 350, 211}},      {"Image1", {48, 84, 57, 58}},
            {"Image2", {168, 84, 82, 58}},        {"Image3", {296, 84, 58, 58}},
            {"Image10", {8, 8, 48, 48}},          {"Image11", {64, 8, 241, 33}},
            {"ComboBox1", {112, 152, 121, 21}},   {"BitBtn1", {264, 166, 89, 43}},
            {"Edit1", {112, 200, 65, 21}},        {"Edit2", {112, 248, 65, 21}},
            {"RadioButton1", {29, 104, 17, 17}},  {"RadioButton3", {277, 104, 17, 17}},
            {"RadioButton2", {141, 104, 17, 17}}, {"BitBtn2", {312, 8, 65, 57}},
        };
        for (const auto &[name, geometry] : fixed)
            QVERIFY2(control<QWidget>(name)->geometry() == geometry, name);
        const struct
        {
            const char *name;
            QPoint topLeft;
            const char *family;
            int pixels;
        } labels[] = {
            {"Label1", {68, 45}, "Liberation Serif", 15},
            {"Label6", {192, 200}, "Liberation Serif", 15},
            {"Label7", {285, 237}, "Liberation Serif", 15},
            {"Label8", {147, 306}, "Liberation Serif", 19},
            {"Label10", {205, 49}, "Liberation Sans", 11},
            {"Label2", {40, 152}, "Liberation Serif", 16},
            {"Label3", {40, 200}, "Liberation Serif", 16},
            {"Label4", {40, 248}, "Liberation Serif", 16},
        };
        for (const auto &[name, topLeft, family, pixels] : labels) {
            const auto *label = control<forms::Label>(name);
            QVERIFY2(label->pos() == topLeft, name);
            QVERIFY2(QFontInfo(label->font()).family() == QLatin1String(family), name);
            QVERIFY2(label->font().pixelSize() == pixels, name);
        }
        QCOMPARE(QFontInfo(sizes()->font()).family(), QStringLiteral("Liberation Sans"));
        QCOMPARE(sizes()->font().pixelSize(), 11);
        QCOMPARE(sizes()->maxVisibleItems(), 8);
        QCOMPARE(calc()->text(), QStringLiteral("Calc."));
        QCOMPARE(control<forms::PictureButton>("BitBtn2")->text(), QStringLiteral("KORVEL"));
        QCOMPARE(radio("RadioButton2")->accessibleName(),
                 QStringLiteral("Rectangular hollow section"));
        QCOMPARE(picture("Image3")->accessibleName(), QStringLiteral("Round hollow section"));
        QCOMPARE(edit("Edit1")->accessibleName(), QStringLiteral("Length in millimetres"));
        QCOMPARE(result()->accessibleName(), QStringLiteral("Total weight"));
    }

    void shapeSelection_data()
    {
        QTest::addColumn<QStringList>("clicks");
        QTest::addColumn<QString>("family");
        QTest::addColumn<int>("loads");
        QTest::addColumn<int>("items");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<long double>("massPerMetre");
        QTest::newRow("round picture")
            << QStringList{"Image3"} << "round" << 1 << 72 << "D 33.7  t=2.6" << 1.99L;
        QTest::newRow("round radio button")
            << QStringList{"RadioButton3"} << "round" << 1 << 72 << "D 33.7  t=2.6" << 1.99L;
        QTest::newRow("rectangular picture")
            << QStringList{"Image2"} << "rectangular" << 1 << 56 << "REC 50x30  t=3" << 3.41L;
        QTest::newRow("square picture again: no load")
            << QStringList{"Image1"} << "square" << 0 << 58 << "SQ 40  t=3" << 3.41L;
        QTest::newRow("square radio again: no load")
            << QStringList{"RadioButton1"} << "square" << 0 << 58 << "SQ 40  t=3" << 3.41L;
        QTest::newRow("rectangular, round, square")
            << QStringList{"Image2", "RadioButton3", "Image1"} << "square" << 3 << 58
            << "SQ 40  t=3" << 3.41L;
        QTest::newRow("round twice by picture and radio")
            << QStringList{"Image3", "Image3", "RadioButton3"} << "round" << 1 << 72
            << "D 33.7  t=2.6" << 1.99L;
    }
    void shapeSelection()
    {
        QFETCH(QStringList, clicks);
        QFETCH(QString, family);
        QFETCH(int, loads);
        QFETCH(int, items);
        QFETCH(QString, shown);
        QFETCH(long double, massPerMetre);
        for (const QString &name : clicks) {
            clickOn(control<QWidget>(qPrintable(name)));
            QVERIFY2(stackingHolds(), qPrintable(name));
        }
        QCOMPARE(checkedFamily(), family);
        QCOMPARE(m_loads->count(), loads);
        QCOMPARE(sizes()->count(), items);
        QCOMPARE(sizes()->currentText(), shown);
        QVERIFY(sameValue(Form1->calculation().massPerMetre, massPerMetre));
    }

    void reselectingTheFamilyKeepsTheChosenSize_data()
    {
        QTest::addColumn<QString>("click");
        QTest::newRow("its shape picture") << "Image1";
        QTest::newRow("its radio button") << "RadioButton1";
    }
    void reselectingTheFamilyKeepsTheChosenSize()
    {
        QFETCH(QString, click);
        pickSize(QStringLiteral("SQ 200  t=8"));
        QVERIFY(sameValue(Form1->calculation().massPerMetre, 47.7L));
        clickOn(control<QWidget>(qPrintable(click)));
        QCOMPARE(m_loads->count(), 0);
        QCOMPARE(sizes()->currentText(), QStringLiteral("SQ 200  t=8"));
        QCOMPARE(sizes()->itemIndex(), 39);
        QVERIFY(sameValue(Form1->calculation().massPerMetre, 47.7L));
        QVERIFY(stackingHolds());
    }

    void lastSizeOfEachFamily_data()
    {
        QTest::addColumn<QString>("familyPicture");
        QTest::addColumn<QString>("designation");
        QTest::addColumn<long double>("massPerMetre");
        QTest::newRow("square") << "Image1"
                                << "SQ 300  t=16" << 141.0L;
        QTest::newRow("rectangular") << "Image2"
                                     << "REC 300x200  t=12.5" << 91.9L;
        QTest::newRow("round") << "Image3"
                               << "D 355.6  t=20" << 166.0L;
    }
    void lastSizeOfEachFamily()
    {
        QFETCH(QString, familyPicture);
        QFETCH(QString, designation);
        QFETCH(long double, massPerMetre);
        clickOn(control<QWidget>(qPrintable(familyPicture)));
        pickSize(designation);
        QVERIFY(sameValue(Form1->calculation().massPerMetre, massPerMetre));
        // Returning to the family starts again at its first row.
        clickOn(picture(familyPicture == "Image1" ? "Image2" : "Image1"));
        clickOn(control<QWidget>(qPrintable(familyPicture)));
        QCOMPARE(sizes()->itemIndex(), 0);
    }

    void tabOrder_data()
    {
        QTest::addColumn<QString>("familyPicture");
        QTest::addColumn<QString>("radioStop");
        QTest::newRow("at start: square") << ""
                                          << "RadioButton1";
        QTest::newRow("after choosing round") << "Image3"
                                              << "RadioButton3";
        QTest::newRow("after choosing rectangular") << "Image2"
                                                    << "RadioButton2";
    }
    void tabOrder()
    {
        QFETCH(QString, familyPicture);
        QFETCH(QString, radioStop);
        if (!familyPicture.isEmpty())
            clickOn(picture(qPrintable(familyPicture)));
        control<QWidget>("BitBtn2")->setFocus();
        QStringList visited;
        for (int step = 0; step < 8; ++step) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            visited << QApplication::focusWidget()->objectName();
        }
        QCOMPARE(visited, QStringList({radioStop, "ComboBox1", "Edit1", "Edit2", "BitBtn1",
                                       "BitBtn2", radioStop, "ComboBox1"}));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
        QCOMPARE(QApplication::focusWidget()->objectName(), radioStop);
    }

    void roadOfOneCalculation()
    {
        clickOn(picture("Image2"));
        QCOMPARE(sizes()->count(), 56);
        pickSize(QStringLiteral("REC 100x50  t=5"));
        QVERIFY(sameValue(Form1->calculation().massPerMetre, 10.8L));
        typeInto(edit("Edit1"), QStringLiteral("6000"));
        QTest::keyClick(edit("Edit1"), Qt::Key_Tab);
        QVERIFY(sameValue(Form1->calculation().lengthMm, 6000.0L));
        QCOMPARE(QApplication::focusWidget(), edit("Edit2"));
        QTest::keyClicks(edit("Edit2"), QStringLiteral("4")); // Tab selected the whole "1"
        QCOMPARE(edit("Edit2")->text(), QStringLiteral("4"));
        clickOn(calc()); // the button takes the focus first: Edit2 is committed, then Calc.
        QCOMPARE(Form1->calculation().quantity, 4);
        QCOMPARE(result()->caption(), QStringLiteral("259.2 kg"));
        QCOMPARE(Form1->calculation().resultText, std::string("259.2"));
        QCOMPARE(QApplication::focusWidget(), calc());
    }

    void resultLabelGrowsToTheRight()
    {
        const QRect before = result()->geometry();
        typeInto(edit("Edit1"), QStringLiteral("6000"));
        clickOn(calc());
        QCOMPARE(result()->caption(), QStringLiteral("20.5 kg"));
        QCOMPARE(result()->pos(), before.topLeft());
        QVERIFY(result()->width() > before.width());
    }

    void refusedTextKeepsTheStoredValue_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("goodText");
        QTest::addColumn<QString>("badText");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("laterResult"); // with the last good values, 3.41 kg/m
        QTest::newRow("length: letters") << "Edit1"
                                         << "1000"
                                         << "abc"
                                         << "'abc' is not a valid floating point value."
                                         << " 3.4 kg";
        QTest::newRow("length: empty") << "Edit1"
                                       << "1000"
                                       << ""
                                       << "'' is not a valid floating point value."
                                       << " 3.4 kg";
        QTest::newRow("length: thousands separator")
            << "Edit1"
            << "1000"
            << "6,000"
            << "'6,000' is not a valid floating point value."
            << " 3.4 kg";
        QTest::newRow("length: out of range") << "Edit1"
                                              << "1000"
                                              << "1E4999"
                                              << "'1E4999' is not a valid floating point value."
                                              << " 3.4 kg";
        QTest::newRow("quantity: decimal") << "Edit2"
                                           << "3"
                                           << "2.5"
                                           << "'2.5' is not a valid integer value."
                                           << " 0.0 kg";
        QTest::newRow("quantity: trailing space") << "Edit2"
                                                  << "3"
                                                  << "12 "
                                                  << "'12 ' is not a valid integer value."
                                                  << " 0.0 kg";
    }
    void refusedTextKeepsTheStoredValue()
    {
        QFETCH(QString, box);
        QFETCH(QString, goodText);
        QFETCH(QString, badText);
        QFETCH(QString, message);
        QFETCH(QString, laterResult);
        forms::EditBox *input = edit(qPrintable(box));
        typeInto(input, goodText);
        QTest::keyClick(input, Qt::Key_Tab);
        const CalculationState stored = Form1->calculation();

        ModalAnswerer answerer;
        typeInto(input, badText);
        clickOn(calc());
        QCOMPARE(answerer.seen().size(), 1);
        QCOMPARE(answerer.seen().front().text, message);
        QCOMPARE(answerer.seen().front().title, forms::Application::title());
        QCOMPARE(answerer.seen().front().icon, QMessageBox::Critical);
        QVERIFY(sameValue(Form1->calculation().lengthMm, stored.lengthMm));
        QCOMPARE(Form1->calculation().quantity, stored.quantity);
        QCOMPARE(input->text(), badText);
        QCOMPARE(result()->caption(), QStringLiteral("******")); // the press did not go on
        QVERIFY(!calc()->isDown());
        Form1->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(Form1));
        QCOMPARE(QApplication::focusWidget(), calc()); // the focus went where it was sent

        // Tabbing out of the unchanged invalid box shows the message again.
        input->setFocus();
        QTest::keyClick(input, Qt::Key_Tab);
        QCOMPARE(answerer.seen().size(), 2);
        QCOMPARE(answerer.seen().back().text, message);

        // A calculation meanwhile uses the last committed values.
        calc()->click();
        QCOMPARE(result()->caption(), laterResult);
        QCOMPARE(answerer.seen().size(), 2);
    }

    void overflowKeepsTheResult()
    {
        pickSize(QStringLiteral("SQ 140  t=10"));
        typeInto(edit("Edit1"), QStringLiteral("1000"));
        clickOn(calc());
        QCOMPARE(result()->caption(), QStringLiteral("40.0 kg"));
        ModalAnswerer answerer;
        typeInto(edit("Edit1"), QStringLiteral("1E4931"));
        clickOn(calc());
        QCOMPARE(answerer.seen().size(), 1);
        QCOMPARE(answerer.seen().front().text, QStringLiteral("Floating point overflow."));
        QVERIFY(sameValue(Form1->calculation().lengthMm, 1E4931L));
        QCOMPARE(result()->caption(), QStringLiteral("40.0 kg"));
        QCOMPARE(Form1->calculation().resultText, std::string("40.0"));
    }

    void typedTextThatNamesNoSizeKeepsTheMassPerMetre()
    {
        pickSize(QStringLiteral("SQ 50  t=3"));
        QVERIFY(sameValue(Form1->calculation().massPerMetre, 4.35L));
        clickOn(sizes());
        QTest::keyClick(sizes(), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(sizes(), QStringLiteral("no such size"));
        QCOMPARE(sizes()->itemIndex(), -1);
        QVERIFY(sameValue(Form1->calculation().massPerMetre, 4.35L));
        typeInto(edit("Edit1"), QStringLiteral("1000"));
        clickOn(calc());
        QCOMPARE(result()->caption(), QStringLiteral(" 4.4 kg"));
    }

    void typedDesignationSelectsItsSize()
    {
        clickOn(sizes());
        QTest::keyClick(sizes(), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(sizes(), QStringLiteral("SQ 140  t=1")); // completes to "SQ 140  t=10"
        QCOMPARE(sizes()->currentText(), QStringLiteral("SQ 140  t=10"));
        QVERIFY(sameValue(Form1->calculation().massPerMetre, 40.0L));
    }

    void decimalSeparatorFollowsTheLocale()
    {
        QCOMPARE(Form1->decimalSeparator(), std::string("."));
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        QCOMPARE(Form1->decimalSeparator(), std::string(".")); // read again only on the event
        QEvent localeChange(QEvent::LocaleChange);
        QCoreApplication::sendEvent(Form1, &localeChange);
        QCOMPARE(Form1->decimalSeparator(), std::string(","));

        typeInto(edit("Edit1"), QStringLiteral("6000,5"));
        QTest::keyClick(edit("Edit1"), Qt::Key_Tab);
        QVERIFY(sameValue(Form1->calculation().lengthMm, 6000.5L));
        clickOn(calc());
        QCOMPARE(result()->caption(), QStringLiteral("20.5 kg")); // always written with "."

        ModalAnswerer answerer;
        typeInto(edit("Edit1"), QStringLiteral("6000.5"));
        QTest::keyClick(edit("Edit1"), Qt::Key_Tab);
        QCOMPARE(answerer.seen().size(), 1);
        QCOMPARE(answerer.seen().front().text,
                 QStringLiteral("'6000.5' is not a valid floating point value."));
        QVERIFY(sameValue(Form1->calculation().lengthMm, 6000.5L));
    }
};

FORMS_TEST_MAIN(CalculatorWindowTest)
#include "CalculatorWindowTest.moc"
