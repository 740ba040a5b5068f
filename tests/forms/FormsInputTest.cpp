// The input controls: the radio button rule, the editable drop-down, and the edit box's exit
// and change events with the commit timing that Application gives them.

#include "FormsTestMain.h"
#include "ModalAnswerer.h"
#include "forms/ComboBox.h"
#include "forms/EditBox.h"
#include "forms/Form.h"
#include "forms/HandlerBinding.h"
#include "forms/Label.h"
#include "forms/PictureButton.h"
#include "forms/RadioButton.h"

#include <QAbstractItemView>
#include <QHash>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>

#include <stdexcept>

namespace {

// A window with two edit boxes, a picture button, a label and a drop-down. The first edit box's
// exit handler is bound like a window's handler and can be made to refuse.
class ExitProbe : public forms::Form
{
public:
    ExitProbe()
    {
        resize(300, 200);
        edit1->setGeometry(10, 10, 80, 22);
        edit2->setGeometry(10, 40, 80, 22);
        button->setGeometry(10, 70, 80, 30);
        button->setText(QStringLiteral("Calc."));
        label->move(10, 110);
        label->setCaption(QStringLiteral("A label"));
        combo->setGeometry(10, 140, 120, 22);
        combo->setItems({QStringLiteral("one"), QStringLiteral("two")});
        forms::bindHandler(edit1, &forms::EditBox::exited, this, &ExitProbe::Edit1Exit);
        forms::bindHandler(button, &QAbstractButton::clicked, this, &ExitProbe::ButtonClick);
    }

    void Edit1Exit(QObject *)
    {
        ++exits;
        if (refuse)
            throw std::runtime_error("'" + edit1->text().toStdString() + "' is refused");
    }
    void ButtonClick(QObject *) { ++clicks; }

    forms::EditBox *edit1 = new forms::EditBox(this);
    forms::EditBox *edit2 = new forms::EditBox(this);
    forms::PictureButton *button = new forms::PictureButton(this);
    forms::Label *label = new forms::Label(this);
    forms::ComboBox *combo = new forms::ComboBox(this);
    int exits = 0;
    int clicks = 0;
    bool refuse = false;
};

void activate(QWidget &window)
{
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
}

void clickCentre(QWidget *widget)
{
    QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center());
}

} // namespace

class FormsInputTest : public QObject
{
    Q_OBJECT

private slots:
    void radioRuleOrderOfEvents()
    {
        QWidget parent;
        forms::RadioButton buttons[3] = {forms::RadioButton(&parent), forms::RadioButton(&parent),
                                         forms::RadioButton(&parent)};
        // What each button's handler sees: the checked states and tab stops of the group.
        const auto groupState = [&] {
            QString checked, tabStops;
            for (const auto &button : buttons) {
                checked += button.isChecked() ? u'1' : u'0';
                tabStops += button.focusPolicy() & Qt::TabFocus ? u'1' : u'0';
            }
            return QStringLiteral(" checked %1 tab stops %2").arg(checked, tabStops);
        };
        QStringList events;
        for (int k = 0; k < 3; ++k) {
            buttons[k].setGeometry(10 + 30 * k, 10, 20, 20);
            const QString name = QStringLiteral("r%1").arg(k + 1);
            connect(&buttons[k], &QAbstractButton::toggled, &parent, [&events, name](bool on) {
                if (!on)
                    events << name + " off";
            });
            connect(&buttons[k], &forms::RadioButton::becameChecked, &parent,
                    [&, name] { events << name + " became checked," + groupState(); });
        }
        buttons[0].setChecked(true);
        QCOMPARE(events, QStringList({"r1 became checked, checked 100 tab stops 100"}));
        events.clear();
        buttons[1].setChecked(true);
        QCOMPARE(events, QStringList({"r1 off", "r2 became checked, checked 010 tab stops 010"}));
        events.clear();
        buttons[1].setChecked(true);
        buttons[1].setChecked(false); // ignored in an exclusive group
        clickCentre(&buttons[1]);
        QCOMPARE(events, QStringList());
        QVERIFY(buttons[1].isChecked());
        clickCentre(&buttons[2]); // the user checks it
        QCOMPARE(events, QStringList({"r2 off", "r3 became checked, checked 001 tab stops 001"}));
    }

    void radioTabStopsOnlyOnTheCheckedButton_data()
    {
        QTest::addColumn<int>("checked"); // -1: none
        QTest::addColumn<int>("tabStop");
        QTest::newRow("none checked: the first") << -1 << 0;
        QTest::newRow("first checked") << 0 << 0;
        QTest::newRow("second checked") << 1 << 1;
        QTest::newRow("third checked") << 2 << 2;
    }
    void radioTabStopsOnlyOnTheCheckedButton()
    {
        QFETCH(int, checked);
        QFETCH(int, tabStop);
        QWidget window;
        QLineEdit before(&window);
        forms::RadioButton buttons[3] = {forms::RadioButton(&window), forms::RadioButton(&window),
                                         forms::RadioButton(&window)};
        QLineEdit after(&window);
        activate(window);
        buttons[0].setFocus(); // Qt's own rule moves the tab stop to the focused button
        if (checked >= 0)
            buttons[checked].setChecked(true);
        before.setFocus();
        QTest::keyClick(&before, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), &buttons[tabStop]);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), &after);
        QTest::keyClick(&after, Qt::Key_Backtab);
        QCOMPARE(QApplication::focusWidget(), &buttons[tabStop]);
    }

    void comboItemIndexFollowsTypedText_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("itemIndex");
        QTest::newRow("an item's whole text") << "SQ 50  t=4"
                                              << "SQ 50  t=4" << 2;
        QTest::newRow("prefix completed inline") << "REC"
                                                 << "REC 50x30  t=3" << 3;
        QTest::newRow("prefix of several: the first") << "SQ 5"
                                                      << "SQ 50  t=3" << 1;
        QTest::newRow("other case: not completed") << "rec"
                                                   << "rec" << -1;
        QTest::newRow("no such item") << "XYZ"
                                      << "XYZ" << -1;
    }
    void comboItemIndexFollowsTypedText()
    {
        QFETCH(QString, typed);
        QFETCH(QString, text);
        QFETCH(int, itemIndex);
        QWidget window;
        forms::ComboBox combo(&window);
        combo.setItems({"SQ 40  t=3", "SQ 50  t=3", "SQ 50  t=4", "REC 50x30  t=3"});
        combo.setItemIndex(0);
        activate(window);
        combo.setFocus();
        combo.setEditText(QString());
        QList<QPair<QString, int>> seenByHandler;
        connect(&combo, &forms::ComboBox::changed, &window, [&] {
            seenByHandler.append({combo.currentText(), combo.itemIndex()});
        });
        QTest::keyClicks(&combo, typed);
        QCOMPARE(combo.currentText(), text);
        QCOMPARE(combo.itemIndex(), itemIndex);
        // One change per keystroke, each seen after inline completion has done its work.
        QCOMPARE(seenByHandler.size(), typed.size());
        QCOMPARE(seenByHandler.last(), qMakePair(text, itemIndex));
    }

    void comboChangesOnlyForTheUser()
    {
        QWidget window;
        forms::ComboBox combo(&window);
        activate(window);
        combo.setFocus();
        QSignalSpy changes(&combo, &forms::ComboBox::changed);
        combo.setItems({"one", "two", "three", "four"});
        combo.setItemIndex(2);
        combo.setEditText(QStringLiteral("typed by the program"));
        combo.setItemIndex(1);
        QCOMPARE(changes.count(), 0);
        QCOMPARE(combo.itemIndex(), 1);

        QTest::keyClick(&combo, Qt::Key_Down); // the user selects with a key
        QCOMPARE(changes.count(), 1);
        QCOMPARE(combo.itemIndex(), 2);

        combo.showPopup(); // the user selects with the mouse
        QAbstractItemView *list = combo.view();
        QVERIFY(QTest::qWaitForWindowExposed(list->window()));
        const QRect fourth = list->visualRect(list->model()->index(3, 0));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, fourth.center());
        QTRY_COMPARE(changes.count(), 2);
        QCOMPARE(combo.itemIndex(), 3);
        QCOMPARE(combo.currentText(), QStringLiteral("four"));
    }

    void comboEnterAddsNoItem()
    {
        QWidget window;
        forms::ComboBox combo(&window);
        combo.setItems({"one", "two"});
        activate(window);
        combo.setFocus();
        combo.setEditText(QString());
        QTest::keyClicks(&combo, QStringLiteral("new size"));
        QTest::keyClick(&combo, Qt::Key_Return);
        QCOMPARE(combo.count(), 2);
        QCOMPARE(combo.itemIndex(), -1);
        QCOMPARE(combo.currentText(), QStringLiteral("new size"));
    }

    void editExitRunsWhenFocusGoesToAnotherControl_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<int>("exits");
        QTest::newRow("Tab") << "tab" << 1;
        QTest::newRow("Shift+Tab") << "shift tab" << 1;
        QTest::newRow("Backtab key") << "backtab" << 1;
        QTest::newRow("click on the other edit box") << "click edit2" << 1;
        QTest::newRow("click on a picture button") << "click button" << 1;
        QTest::newRow("click on the drop-down") << "click combo" << 1;
        QTest::newRow("program moves the focus") << "setFocus" << 1;
        QTest::newRow("click on a label: no focus move") << "click label" << 0;
        QTest::newRow("click on the edit box itself") << "click edit1" << 0;
        QTest::newRow("window deactivated and back") << "deactivate" << 0;
        QTest::newRow("a popup opens and closes") << "popup" << 0;
        QTest::newRow("a message box opens and closes") << "message box" << 0;
    }
    void editExitRunsWhenFocusGoesToAnotherControl()
    {
        QFETCH(QString, action);
        QFETCH(int, exits);
        ExitProbe window;
        activate(window);
        window.edit1->setFocus();
        if (action == "tab") {
            QTest::keyClick(window.edit1, Qt::Key_Tab);
        } else if (action == "shift tab") {
            QTest::keyClick(window.edit1, Qt::Key_Tab, Qt::ShiftModifier);
        } else if (action == "backtab") {
            QTest::keyClick(window.edit1, Qt::Key_Backtab, Qt::ShiftModifier);
        } else if (action == "click edit2") {
            clickCentre(window.edit2);
        } else if (action == "click button") {
            clickCentre(window.button);
            QCOMPARE(window.clicks, 1);
        } else if (action == "click combo") {
            clickCentre(window.combo);
            window.combo->hidePopup();
        } else if (action == "setFocus") {
            window.edit2->setFocus();
        } else if (action == "click label") {
            clickCentre(window.label);
        } else if (action == "click edit1") {
            clickCentre(window.edit1);
        } else if (action == "deactivate") {
            QWidget other;
            activate(other);
            activate(window);
        } else if (action == "popup") {
            QMenu menu;
            menu.addAction(QStringLiteral("Item"));
            menu.popup(window.mapToGlobal(QPoint(20, 20)));
            QVERIFY(QTest::qWaitForWindowExposed(&menu));
            QTRY_COMPARE(QApplication::activePopupWidget(), &menu);
            menu.close();
            QTRY_COMPARE(QApplication::focusWidget(), window.edit1);
        } else if (action == "message box") {
            ModalAnswerer answerer;
            QMessageBox::information(&window, QStringLiteral("Note"), QStringLiteral("Text"));
            QCOMPARE(answerer.seen().size(), 1);
            activate(window);
        } else {
            QFAIL("unknown action");
        }
        QCOMPARE(window.exits, exits);
        if (exits == 0)
            QCOMPARE(QApplication::focusWidget(), window.edit1);
        else
            QVERIFY(QApplication::focusWidget() != window.edit1);
    }

    void refusedExitSwallowsThePressButTheFocusMovesOn_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("focusAfter");
        QTest::newRow("Tab") << "tab" << "edit2";
        QTest::newRow("Shift+Tab") << "shift tab" << "combo";
        QTest::newRow("click on a picture button") << "click button" << "button";
        QTest::newRow("click on the other edit box") << "click edit2" << "edit2";
        QTest::newRow("click on the drop-down") << "click combo" << "combo";
    }
    void refusedExitSwallowsThePressButTheFocusMovesOn()
    {
        QFETCH(QString, action);
        QFETCH(QString, focusAfter);
        ExitProbe window;
        window.refuse = true;
        activate(window);
        window.edit1->setFocus();
        window.edit1->setText(QStringLiteral("abc"));
        ModalAnswerer answerer;
        if (action == "tab")
            QTest::keyClick(window.edit1, Qt::Key_Tab);
        else if (action == "shift tab")
            QTest::keyClick(window.edit1, Qt::Key_Tab, Qt::ShiftModifier);
        else if (action == "click button")
            clickCentre(window.button);
        else if (action == "click edit2")
            clickCentre(window.edit2);
        else
            clickCentre(window.combo);

        QCOMPARE(window.exits, 1);
        QCOMPARE(answerer.seen().size(), 1);
        QCOMPARE(answerer.seen().front().text, QStringLiteral("'abc' is refused."));
        QCOMPARE(window.clicks, 0);
        QVERIFY(!window.button->isDown());
        QVERIFY(!window.combo->view()->isVisible());
        activate(window);
        const QHash<QString, QWidget *> controls{
            {"edit2", window.edit2}, {"button", window.button}, {"combo", window.combo}};
        QCOMPARE(QApplication::focusWidget(), controls.value(focusAfter));
        QCOMPARE(window.exits, 1); // the move that followed the report ran no second exit

        // The refused text stays; a click on the button now goes through without a commit.
        QCOMPARE(window.edit1->text(), QStringLiteral("abc"));
        clickCentre(window.button);
        QCOMPARE(window.clicks, 1);
        QCOMPARE(window.exits, 1);
        QCOMPARE(answerer.seen().size(), 1);
    }

    void editChangeRunsInsideTheSetterOnlyForNewText_data()
    {
        QTest::addColumn<bool>("hiddenReadOnly");
        QTest::newRow("visible") << false;
        QTest::newRow("hidden and read-only") << true;
    }
    void editChangeRunsInsideTheSetterOnlyForNewText()
    {
        QFETCH(bool, hiddenReadOnly);
        QWidget window;
        forms::EditBox edit(&window);
        edit.setText(QStringLiteral("0"));
        if (hiddenReadOnly) {
            edit.setReadOnly(true);
            edit.hide();
        }
        window.show();
        QStringList seen;
        bool insideSetter = false;
        connect(&edit, &forms::EditBox::changed, &window, [&] {
            QVERIFY(insideSetter);
            seen << edit.text();
        });
        const auto setText = [&](const QString &text) {
            insideSetter = true;
            edit.setText(text);
            insideSetter = false;
        };
        setText(QStringLiteral("1"));
        setText(QStringLiteral("1"));
        setText(QStringLiteral("11"));
        setText(QStringLiteral("1"));
        QCOMPARE(seen, QStringList({"1", "11", "1"}));
    }
};

FORMS_TEST_MAIN(FormsInputTest)
#include "FormsInputTest.moc"
