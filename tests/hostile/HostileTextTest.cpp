// Hostile texts set and pasted into the calculator window's edit boxes and drop-down, on the
// program's own start-up (offscreen). Every one is refused with its exact message, the text shown
// literally (never read as markup or as a format), in a box that fits on the screen and appears
// within a second; the stored values stay; nothing hangs. Long valid texts still convert.

#include "HostileTexts.h"
#include "ReportWatcher.h"
#include "StartUpTestMain.h"
#include "TForm1.h"
#include "WindowControls.h"
#include "forms/Application.h"
#include "forms/ComboBox.h"
#include "forms/EditBox.h"
#include "forms/Label.h"
#include "forms/PictureButton.h"

#include <QClipboard>
#include <QElapsedTimer>
#include <QLocale>
#include <QSignalSpy>
#include <QTest>

namespace {

using window_test::control;
using window_test::edit;
using window_test::result;
using window_test::sameValue;
using window_test::sizes;

// How a text gets into a box: set by the program, or pasted by the user from the clipboard.
enum class Entry
{
    SetText,
    Paste
};

const char *entryName(Entry entry)
{
    return entry == Entry::SetText ? "set" : "pasted";
}

// Replaces the whole text of the focused `field` (an edit box or the drop-down's edit field)
// with `text`, the way `entry` says.
void enterText(QWidget *field, QLineEdit *line, const QString &text, Entry entry)
{
    field->setFocus();
    if (entry == Entry::SetText) {
        line->setText(text);
        return;
    }
    QGuiApplication::clipboard()->setText(text);
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
}

// Commits `text` in the edit box `name` (it must convert) by Tab.
void commit(const char *name, const QString &text)
{
    forms::EditBox *box = edit(QString::fromLatin1(name));
    box->setFocus();
    box->setText(text);
    QTest::keyClick(box, Qt::Key_Tab);
}

} // namespace

class HostileTextTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(Form1 != nullptr);
        QVERIFY(QTest::qWaitForWindowExposed(Form1));
        QCOMPARE(edit("Edit1")->maxLength(), 32767);
        QCOMPARE(edit("Edit2")->maxLength(), 32767);
        QCOMPARE(sizes()->lineEdit()->maxLength(), 32767);
    }

    void init()
    {
        Form1->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(Form1));
    }

    void refusedWithTheExactMessage_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("entry");
        for (const char *box : {"Edit1", "Edit2"}) {
            for (const Entry entry : {Entry::SetText, Entry::Paste}) {
                for (const HostileText &hostile : hostileTexts()) {
                    const QByteArray row = QByteArray(box) + ' ' + entryName(entry) + ": " +
                                           QByteArray(hostile.name);
                    QTest::newRow(row.constData())
                        << box << hostile.text << static_cast<int>(entry);
                }
            }
        }
    }
    void refusedWithTheExactMessage()
    {
        QFETCH(QString, box);
        QFETCH(QString, text);
        QFETCH(int, entry);
        commit("Edit1", QStringLiteral("1000"));
        commit("Edit2", QStringLiteral("3"));
        control<forms::PictureButton>("BitBtn1")->click();
        QCOMPARE(result()->caption(), QStringLiteral("10.2 kg"));
        const CalculationState before = Form1->calculation();

        forms::EditBox *input = edit(box);
        enterText(input, input, text, static_cast<Entry>(entry));
        const QString shown = text.left(32767); // the box holds no more
        QCOMPARE(input->text(), shown);

        ReportWatcher watcher;
        watcher.start();
        QTest::keyClick(input, Qt::Key_Tab); // the focus leaves the box: its text is committed

        QCOMPARE(watcher.reports().size(), 1);
        const ReportWatcher::Report &report = watcher.reports().front();
        const QString expected = QLatin1Char('\'') + withUnpairedSurrogatesAsQuestionMarks(shown) +
                                 (box == QLatin1String("Edit1")
                                      ? QStringLiteral("' is not a valid floating point value.")
                                      : QStringLiteral("' is not a valid integer value."));
        QVERIFY2(report.text == expected,
                 qPrintable(QStringLiteral("%1 characters shown, %2 expected; first 80: %3")
                                .arg(report.text.size())
                                .arg(expected.size())
                                .arg(report.text.left(80))));
        QVERIFY(report.shownText == report.text);
        QVERIFY(report.labelIsPlainText);
        QCOMPARE(report.title, forms::Application::title());
        QCOMPARE(report.icon, QMessageBox::Critical);
        QVERIFY2(report.appearedAfterMs >= 0 && report.appearedAfterMs < 1000,
                 qPrintable(QStringLiteral("appeared after %1 ms").arg(report.appearedAfterMs)));
        QVERIFY2(report.availableGeometry.contains(report.outerGeometry),
                 qPrintable(QStringLiteral("box %1,%2 %3x%4")
                                .arg(report.outerGeometry.x())
                                .arg(report.outerGeometry.y())
                                .arg(report.outerGeometry.width())
                                .arg(report.outerGeometry.height())));
        if (shown.size() > 1000) { // far wider than the screen on one line: it must wrap
            QVERIFY2(report.inkLines >= 10, qPrintable(QString::number(report.inkLines)));
            qInfo("%s characters: the report appeared after %lld ms",
                  qPrintable(QString::number(shown.size())), report.appearedAfterMs);
        }
        QVERIFY(report.okButtonVisibleAndFocused);

        const CalculationState &after = Form1->calculation();
        QVERIFY(sameValue(after.lengthMm, before.lengthMm));
        QCOMPARE(after.quantity, before.quantity);
        QVERIFY(sameValue(after.massPerMetre, before.massPerMetre));
        QCOMPARE(result()->caption(), QStringLiteral("10.2 kg"));
        QCOMPARE(input->text(), shown); // the refused text stays in the box
    }

    void longValidTextsConvert_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("text");
        QTest::addColumn<long double>("length");
        QTest::addColumn<int>("quantity");
        QTest::newRow("length: 32,763 spaces, then 6000")
            << "Edit1" << QString(32763, u' ') + QStringLiteral("6000") << 6000.0L << 3;
        QTest::newRow("length: 32,766 leading zeros, then 1")
            << "Edit1" << QString(32766, u'0') + QStringLiteral("1") << 1.0L << 3;
        QTest::newRow("length: 0.000...1, 32,767 characters (underflows to zero)")
            << "Edit1" << QStringLiteral("0.") + QString(32764, u'0') + QStringLiteral("1") << 0.0L
            << 3;
        QTest::newRow("length: 1. and 32,765 zeros")
            << "Edit1" << QStringLiteral("1.") + QString(32765, u'0') << 1.0L << 3;
        QTest::newRow("quantity: 32,765 spaces, then 12")
            << "Edit2" << QString(32765, u' ') + QStringLiteral("12") << 1000.0L << 12;
        QTest::newRow("quantity: 32,765 leading zeros, then 12")
            << "Edit2" << QString(32765, u'0') + QStringLiteral("12") << 1000.0L << 12;
        QTest::newRow("quantity: $, 32,765 hexadecimal zeros, A")
            << "Edit2" << QStringLiteral("$") + QString(32765, u'0') + QStringLiteral("A")
            << 1000.0L << 10;
    }
    void longValidTextsConvert()
    {
        QFETCH(QString, box);
        QFETCH(QString, text);
        QFETCH(long double, length);
        QFETCH(int, quantity);
        QCOMPARE(text.size(), 32767);
        commit("Edit1", QStringLiteral("1000"));
        commit("Edit2", QStringLiteral("3"));
        ReportWatcher watcher;
        forms::EditBox *input = edit(box);
        enterText(input, input, text, Entry::Paste);
        QCOMPARE(input->text(), text);
        QElapsedTimer clock;
        clock.start();
        QTest::keyClick(input, Qt::Key_Tab);
        QVERIFY2(clock.elapsed() < 1000, qPrintable(QString::number(clock.elapsed())));
        QCOMPARE(watcher.reports().size(), 0);
        QVERIFY(sameValue(Form1->calculation().lengthMm, length));
        QCOMPARE(Form1->calculation().quantity, quantity);
    }

    void dropDownTextNamesNoSize_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("entry");
        for (const Entry entry : {Entry::SetText, Entry::Paste}) {
            for (const HostileText &hostile : hostileTexts())
                QTest::addRow("%s: %s", entryName(entry), hostile.name)
                    << hostile.text << static_cast<int>(entry);
        }
    }
    void dropDownTextNamesNoSize()
    {
        QFETCH(QString, text);
        QFETCH(int, entry);
        const long double massBefore = Form1->calculation().massPerMetre;
        QSignalSpy userChanges(sizes(), &forms::ComboBox::changed);
        ReportWatcher watcher;

        enterText(sizes(), sizes()->lineEdit(), text, static_cast<Entry>(entry));
        QCOMPARE(sizes()->currentText(), text.left(32767));
        QCOMPARE(sizes()->itemIndex(), -1);
        // A paste is the user's edit (the drop-down's change handler runs and finds no size);
        // setting the text is the program's and raises nothing.
        QCOMPARE(userChanges.count(), static_cast<Entry>(entry) == Entry::Paste ? 1 : 0);
        QVERIFY(sameValue(Form1->calculation().massPerMetre, massBefore));
        QCOMPARE(watcher.reports().size(), 0);

        // The drop-down still works: an arrow key selects a size, which sets its mass. (The
        // square family is selected, as at start.)
        const bool roomBelow = sizes()->currentIndex() + 1 < sizes()->count();
        QTest::keyClick(sizes(), roomBelow ? Qt::Key_Down : Qt::Key_Up);
        const int row = sizes()->itemIndex();
        QVERIFY(row >= 0);
        QVERIFY(sameValue(
            Form1->calculation().massPerMetre,
            catalogueRows(ShapeFamily::Square)[static_cast<std::size_t>(row)].massPerMetre));
    }
};

int main(int argc, char *argv[])
{
    return window_test::runWithStartUp<HostileTextTest>(argc, argv, [] {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); // separator "."
    });
}

#include "HostileTextTest.moc"
