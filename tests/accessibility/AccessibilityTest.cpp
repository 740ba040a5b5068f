// What a screen reader learns about both windows, read through the same accessibility interfaces
// that a screen reader bridge reads, on the program's own start-up (offscreen): every control
// that takes the focus has a name, the controls without a caption have the names and
// descriptions that say what they do, and none of that shows on screen.
//
// The offscreen platform has no accessibility bridge, and QAccessible::setActive(true) leaves
// QAccessible::isActive() false there. QAccessible::queryAccessibleInterface answers all the
// same; only the change notifications to a bridge are not sent, and no test here needs them.

#include "StartUpTestMain.h"
#include "TForm1.h"
#include "TForm3.h"
#include "WindowControls.h"
#include "forms/Application.h"
#include "forms/ComboBox.h"
#include "forms/Label.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QLineEdit>
#include <QTest>

#include <functional>

namespace {

using window_test::window;

QWidget *control(const QString &windowName, const QString &controlName)
{
    auto *found = window(windowName)->findChild<QWidget *>(controlName, Qt::FindDirectChildrenOnly);
    if (found == nullptr)
        qFatal("no control %s in %s", qPrintable(controlName), qPrintable(windowName));
    return found;
}

// "TForm1/ComboBox1/QLineEdit": where an interface lies in the tree, by object names (class
// names for unnamed objects).
QString pathStep(const QAccessibleInterface &node)
{
    const QObject *object = node.object();
    if (object == nullptr)
        return QStringLiteral("item");
    return object->objectName().isEmpty() ? QString::fromLatin1(object->metaObject()->className())
                                          : object->objectName();
}

// Calls `visit` for `node` and every interface beneath it, depth first, with its path and
// whether it is shown (neither it nor any interface above it is invisible).
void walk(QAccessibleInterface *node, const QString &parentPath, bool parentShown,
          const std::function<void(QAccessibleInterface &, const QString &, bool)> &visit)
{
    if (node == nullptr)
        return;
    const QString path =
        parentPath.isEmpty() ? pathStep(*node) : parentPath + QLatin1Char('/') + pathStep(*node);
    const bool shown = parentShown && !node->state().invisible;
    visit(*node, path, shown);
    for (int i = 0; i < node->childCount(); ++i)
        walk(node->child(i), path, shown, visit);
}

} // namespace

class AccessibilityTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { window_test::showBothWindows(); }

    void cleanupTestCase() { Form3->close(); }

    void focusableControlsAreNamed_data()
    {
        QTest::addColumn<QString>("windowName");
        QTest::addColumn<int>("focusStops");
        // Radio buttons, drop-down, two edit boxes, "Calc." and "KORVEL".
        QTest::newRow("calculator window") << "TForm1" << 8;
        // The two arrow buttons; the gallery index is hidden.
        QTest::newRow("portfolio window") << "TForm3" << 2;
    }

    // Every shown interface that takes the focus, walked from the window down, has a name.
    void focusableControlsAreNamed()
    {
        QFETCH(QString, windowName);
        QFETCH(int, focusStops);
        forms::Form *form = window(windowName);
        QAccessibleInterface *root = QAccessible::queryAccessibleInterface(form);
        QVERIFY(root != nullptr);
        QCOMPARE(root->text(QAccessible::Name), form->windowTitle());

        QStringList unnamed;
        int shownFocusableControls = 0;
        walk(root, QString(), true,
             [&](QAccessibleInterface &node, const QString &path, bool shown) {
                 if (!shown || !node.state().focusable)
                     return;
                 if (node.object() != nullptr && node.object()->parent() == form)
                     ++shownFocusableControls;
                 if (node.text(QAccessible::Name).trimmed().isEmpty())
                     unnamed.append(path);
             });
        QCOMPARE(shownFocusableControls, focusStops);
        QVERIFY2(unnamed.isEmpty(), qPrintable(QStringLiteral("unnamed: ") + unnamed.join(", ")));
    }

    // Each control without a caption, plus the pictures that carry text: the name a screen reader
    // reads, a description, and that neither changed what the window shows (the control's own
    // caption, its place, no tool tip or status text).
    void namedControls_data()
    {
        QTest::addColumn<QString>("windowName");
        QTest::addColumn<QString>("controlName");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("labelledBy"); // the caption label that names it, if any
        QTest::addColumn<QRect>("place");        // labels: only the top-left corner counts
        QTest::addColumn<QString>("caption");    // buttons, labels and edit boxes

        const auto row = [](const char *rowName, const char *windowName, const char *controlName,
                            const QString &name, const char *labelledBy, const QRect &place,
                            const QString &caption) {
            QTest::newRow(rowName)
                << windowName << controlName << name << labelledBy << place << caption;
        };
        row("square radio button", "TForm1", "RadioButton1", "Square hollow section", "",
            {29, 104, 17, 17}, "");
        row("rectangular radio button", "TForm1", "RadioButton2", "Rectangular hollow section", "",
            {141, 104, 17, 17}, "");
        row("round radio button", "TForm1", "RadioButton3", "Round hollow section", "",
            {277, 104, 17, 17}, "");
        row("square shape picture", "TForm1", "Image1", "Square hollow section", "",
            {48, 84, 57, 58}, "");
        row("rectangular shape picture", "TForm1", "Image2", "Rectangular hollow section", "",
            {168, 84, 82, 58}, "");
        row("round shape picture", "TForm1", "Image3", "Round hollow section", "",
            {296, 84, 58, 58}, "");
        row("profile drop-down", "TForm1", "ComboBox1", "Profile", "Label2", {112, 152, 121, 21},
            "");
        row("length box", "TForm1", "Edit1", "Length in millimetres", "Label3", {112, 200, 65, 21},
            "0");
        row("quantity box", "TForm1", "Edit2", "Quantity in pieces", "Label4", {112, 248, 65, 21},
            "1");
        row("result label", "TForm1", "Label7", "Total weight", "", {285, 237, 48, 17}, "******");
        row("KORVEL button", "TForm1", "BitBtn2", "Portfolio", "", {312, 8, 65, 57}, "KORVEL");
        row("Calc. button", "TForm1", "BitBtn1", "Calc.", "", {264, 166, 89, 43}, "Calc.");
        row("logo", "TForm1", "Image10", "Company logo", "", {8, 8, 48, 48}, "");
        row("company name picture", "TForm1", "Image11", "Company name", "", {64, 8, 241, 33}, "");
        row("next entry button", "TForm3", "BitBtn1", "Next entry", "", {442, 99, 41, 49}, " ");
        row("previous entry button", "TForm3", "BitBtn2", "Previous entry", "", {442, 158, 41, 49},
            " ");
        row("contact banner", "TForm3", "Image12", "Contact details", "", {61, 342, 509, 46}, "");
        row("industries picture", "TForm3", "Image13", "Industries served", "", {472, 88, 112, 182},
            "");

        // Each thumbnail is named after its entry's English subtitle, without the parentheses.
        struct Thumbnail
        {
            const char *picture;
            const char *subtitle;
            QRect place;
        };
        const Thumbnail thumbnails[] = {
            {"Image1", "TntLabel17", {8, 8, 49, 41}},
            {"Image3", "TntLabel12", {8, 64, 49, 41}},
            {"Image4", "TntLabel18", {8, 120, 49, 41}},
            {"Image5", "TntLabel20", {8, 176, 49, 41}},
            {"Image6", "TntLabel22", {8, 232, 49, 41}},
            {"Image7", "TntLabel24", {200, 8, 49, 41}},
            {"Image8", "TntLabel26", {200, 64, 49, 41}},
            {"Image9", "TntLabel28", {200, 120, 49, 41}},
            {"Image10", "TntLabel30", {200, 176, 49, 41}},
            {"Image11", "TntLabel32", {200, 232, 49, 41}},
        };
        int entry = 0;
        for (const Thumbnail &thumbnail : thumbnails) {
            const auto *subtitle =
                qobject_cast<forms::Label *>(control("TForm3", thumbnail.subtitle));
            QVERIFY(subtitle != nullptr);
            QString name = subtitle->caption();
            name.remove(QLatin1Char('(')).remove(QLatin1Char(')'));
            const QByteArray rowName = QStringLiteral("thumbnail %1 (%2)")
                                           .arg(++entry)
                                           .arg(QLatin1String(thumbnail.picture))
                                           .toLatin1();
            row(rowName.constData(), "TForm3", thumbnail.picture, name.trimmed(), "",
                thumbnail.place, "");
        }
    }

    void namedControls()
    {
        QFETCH(QString, windowName);
        QFETCH(QString, controlName);
        QFETCH(QString, name);
        QFETCH(QString, labelledBy);
        QFETCH(QRect, place);
        QFETCH(QString, caption);
        QWidget *named = control(windowName, controlName);
        QAccessibleInterface *node = QAccessible::queryAccessibleInterface(named);
        QVERIFY(node != nullptr);
        QVERIFY(!node->state().invisible);

        // On Linux Qt names an editable drop-down after its text; a screen reader takes its name
        // from the caption label that it is labelled by (below), other platforms from its
        // accessible name.
        if (node->role() == QAccessible::ComboBox)
            QCOMPARE(named->accessibleName(), name);
        else
            QCOMPARE(node->text(QAccessible::Name), name);
        QStringList labels;
        for (const auto &[label, relation] : node->relations(QAccessible::Label))
            labels.append(label->object() != nullptr ? label->object()->objectName() : QString());
        QCOMPARE(labels, labelledBy.isEmpty() ? QStringList() : QStringList{labelledBy});

        const QString description = node->text(QAccessible::Description);
        QVERIFY2(!description.trimmed().isEmpty(), "no description");
        QCOMPARE(description, named->accessibleDescription());

        // Nothing of it on screen, not even on hovering.
        QVERIFY(named->toolTip().isEmpty());
        QVERIFY(named->statusTip().isEmpty());
        QVERIFY(named->whatsThis().isEmpty());
        if (qobject_cast<forms::Label *>(named) != nullptr)
            QCOMPARE(named->pos(), place.topLeft());
        else
            QCOMPARE(named->geometry(), place);
        if (const auto *button = qobject_cast<QAbstractButton *>(named))
            QCOMPARE(button->text(), caption);
        else if (const auto *label = qobject_cast<forms::Label *>(named))
            QCOMPARE(label->caption(), caption);
        else if (const auto *edit = qobject_cast<QLineEdit *>(named))
            QCOMPARE(edit->text(), caption);
    }

    // Tabbing to the drop-down: the accessibility tree reports the drop-down's text field as the
    // focused object, and a screen reader announces that object's name.
    void dropDownFocusIsAnnouncedWithItsName()
    {
        auto *sizes = qobject_cast<forms::ComboBox *>(control("TForm1", "ComboBox1"));
        QVERIFY(sizes != nullptr);
        Form1->activateWindow();
        sizes->setFocus(Qt::TabFocusReason);
        QTRY_COMPARE(QApplication::focusWidget(), sizes);

        QAccessibleInterface *focused = QAccessible::queryAccessibleInterface(Form1)->focusChild();
        QVERIFY(focused != nullptr);
        QVERIFY(focused->state().focused);
        if (focused->object() == sizes)
            return; // named through its caption label, see namedControls
        QCOMPARE(focused->text(QAccessible::Name), sizes->accessibleName());
        QCOMPARE(focused->text(QAccessible::Description), sizes->accessibleDescription());
    }

    // Last: calculates, which replaces the result label's caption.
    void resultLabelLetsTheWeightBeRead()
    {
        auto *result = qobject_cast<forms::Label *>(control("TForm1", "Label7"));
        QVERIFY(result != nullptr);
        Form1->BitBtn1Click(nullptr);
        const QString weight = result->caption().trimmed();
        QVERIFY(weight.endsWith(QLatin1String(" kg")));

        QAccessibleInterface *node = QAccessible::queryAccessibleInterface(result);
        QVERIFY(node != nullptr);
        QCOMPARE(node->text(QAccessible::Name), QStringLiteral("Total weight"));
        const QString everythingRead =
            QStringList{node->text(QAccessible::Name), node->text(QAccessible::Value),
                        node->text(QAccessible::Description)}
                .join(QLatin1Char('\n'));
        QVERIFY2(everythingRead.contains(weight), qPrintable(everythingRead));
    }
};

int main(int argc, char *argv[])
{
    return window_test::runWithStartUp<AccessibilityTest>(argc, argv);
}

#include "AccessibilityTest.moc"
