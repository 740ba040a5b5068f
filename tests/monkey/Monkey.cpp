#include "Monkey.h"

#include "TForm1.h"
#include "TForm3.h"
#include "WindowControls.h"
#include "forms/Application.h"
#include "forms/ComboBox.h"
#include "forms/EditBox.h"
#include "forms/Label.h"
#include "forms/PictureBox.h"
#include "forms/PictureButton.h"
#include "forms/RadioButton.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QClipboard>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QTest>

#include <array>
#include <utility>

namespace {

constexpr std::size_t remembered = 40; // actions listed in a failure report

using window_test::control;
using window_test::sameValue;
using window_test::sizes;

forms::EditBox *editBox(ExpectedState::Box box)
{
    return control<forms::EditBox>(box == ExpectedState::Box::Length ? "Edit1" : "Edit2");
}

struct FamilyControls
{
    ShapeFamily family;
    const char *radioButton;
    const char *shapePicture;
    const char *drawing;
};
constexpr std::array<FamilyControls, 3> familyControls{{
    {ShapeFamily::Square, "RadioButton1", "Image1", "Image6"},
    {ShapeFamily::Rectangular, "RadioButton2", "Image2", "Image5"},
    {ShapeFamily::Round, "RadioButton3", "Image3", "Image7"},
}};

const FamilyControls &controlsOf(ShapeFamily family)
{
    return familyControls[static_cast<std::size_t>(family)];
}

// The portfolio entry k (1 to 10): its thumbnail, title label and subtitle label.
struct EntryControls
{
    const char *thumbnail;
    const char *title;
    const char *subtitle;
};
constexpr std::array<EntryControls, TForm3::entryCount> entryControls{{
    {"Image1", "TntLabel16", "TntLabel17"},
    {"Image3", "TntLabel13", "TntLabel12"},
    {"Image4", "TntLabel14", "TntLabel18"},
    {"Image5", "TntLabel19", "TntLabel20"},
    {"Image6", "TntLabel21", "TntLabel22"},
    {"Image7", "TntLabel23", "TntLabel24"},
    {"Image8", "TntLabel25", "TntLabel26"},
    {"Image9", "TntLabel27", "TntLabel28"},
    {"Image10", "TntLabel29", "TntLabel30"},
    {"Image11", "TntLabel31", "TntLabel32"},
}};

forms::PictureBox *thumbnailOf(int k)
{
    return control<forms::PictureBox>(Form3,
                                      entryControls[static_cast<std::size_t>(k - 1)].thumbnail);
}

void clickOn(QWidget *widget, QPoint position = {})
{
    QTest::mouseClick(widget, Qt::LeftButton, {},
                      position.isNull() ? widget->rect().center() : position);
}

// Printable ASCII only: QTest types a text character by character as Latin-1 keys.
bool typable(const QString &text)
{
    for (const QChar character : text) {
        if (character.unicode() < 0x20 || character.unicode() > 0x7E)
            return false;
    }
    return true;
}

// The text for the action list: quoted, control and non-ASCII characters as \uXXXX, long texts
// cut with their length.
QString describe(const QString &text)
{
    constexpr qsizetype shownCharacters = 24;
    QString shown = QStringLiteral("\"");
    for (const QChar character : text.left(shownCharacters)) {
        if (character.unicode() < 0x20 || character.unicode() > 0x7E)
            shown += QStringLiteral("\\u%1").arg(character.unicode(), 4, 16, QLatin1Char('0'));
        else
            shown += character;
    }
    shown += QLatin1Char('"');
    if (text.size() > shownCharacters)
        shown += QStringLiteral("... (%1 characters)").arg(text.size());
    return shown;
}

// The drop-down takes the focus itself or in its text field.
bool onDropDown(const QWidget *widget)
{
    return widget != nullptr && (widget == sizes() || widget == sizes()->lineEdit());
}

QString nameOf(const QWidget *widget)
{
    if (widget == nullptr)
        return QStringLiteral("nothing");
    if (widget == sizes()->lineEdit())
        return QStringLiteral("ComboBox1");
    return widget->objectName();
}

// Long texts pasted now and then: as long as an edit box holds, valid and invalid.
QList<QString> longTexts()
{
    constexpr qsizetype longest = ExpectedState::editBoxMaximum;
    return {
        QString(longest, u'9'),
        QString(longest - 4, u' ') + QStringLiteral("6000"),
        QString(longest - 1, u'0') + QStringLiteral("1"),
        QStringLiteral("<b>x</b>").repeated(4096).left(longest),
    };
}

} // namespace

Monkey::Monkey(std::uint64_t seed, int actionCount)
    : m_seed(seed), m_actionCount(actionCount), m_random(seed)
{
    m_sessionStarter.setSingleShot(true);
    m_sessionStarter.setInterval(0);
    QObject::connect(&m_sessionStarter, &QTimer::timeout, &m_reports,
                     [this] { runPortfolioSession(); });
}

bool Monkey::run()
{
    activateCalculator();
    if (!checkInvariants())
        return false;
    // Weights of the calculator window's actions, out of 100.
    const std::array<std::pair<int, void (Monkey::*)()>, 12> actions{{
        {8, &Monkey::clickShapePicture},
        {6, &Monkey::clickRadioButton},
        {3, &Monkey::pressArrowOnRadioButton},
        {4, &Monkey::pressSpaceOnFocusedButton},
        {8, &Monkey::stepThroughSizes},
        {1, &Monkey::pickSizeFromList},
        {6, &Monkey::typeIntoDropDown},
        {29, &Monkey::enterEditText},
        {15, &Monkey::pressTab},
        {12, &Monkey::clickCalc},
        {3, &Monkey::clickKorvel},
        {5, &Monkey::clickWhereNothingHappens},
    }};
    while (m_actionsRun < m_actionCount && m_failure.isEmpty()) {
        activateCalculator();
        int draw = m_random.below(100);
        for (const auto &[weight, action] : actions) {
            if (draw < weight) {
                (this->*action)();
                break;
            }
            draw -= weight;
        }
        if (!checkInvariants())
            return false;
    }
    return m_failure.isEmpty();
}

QString Monkey::summary() const
{
    QStringList counts;
    for (auto kind = m_kindCounts.cbegin(); kind != m_kindCounts.cend(); ++kind)
        counts << QStringLiteral("%1 %2").arg(kind.value()).arg(kind.key());
    return QStringLiteral("%1 actions (seed %2): %3; %4 error reports answered")
        .arg(m_actionsRun)
        .arg(m_seed)
        .arg(counts.join(QStringLiteral(", ")))
        .arg(m_reports.reports().size());
}

void Monkey::begin(const QString &kind, const QString &action)
{
    ++m_actionsRun;
    ++m_kindCounts[kind];
    m_lastActions.push_back(QStringLiteral("#%1 %2").arg(m_actionsRun).arg(action));
    if (m_lastActions.size() > remembered)
        m_lastActions.pop_front();
}

bool Monkey::expect(bool condition, const QString &broken)
{
    if (condition || !m_failure.isEmpty())
        return condition;
    QStringList lines;
    lines << QStringLiteral("An invariant broke at action %1 of %2, seed %3.")
                 .arg(m_actionsRun)
                 .arg(m_actionCount)
                 .arg(m_seed);
    lines << QStringLiteral("Broken: ") + broken;
    lines << QStringLiteral("Repeat with TUBE_WEIGHT_MONKEY_SEED=%1 TUBE_WEIGHT_MONKEY_ACTIONS=%2.")
                 .arg(m_seed)
                 .arg(m_actionsRun);
    lines << QStringLiteral("The last %1 actions:").arg(m_lastActions.size());
    for (const QString &action : m_lastActions)
        lines << QStringLiteral("  ") + action;
    m_failure = lines.join(QLatin1Char('\n'));
    return false;
}

bool Monkey::checkInvariants()
{
    // Exactly one family checked, the model's.
    int checked = 0;
    for (const FamilyControls &controls : familyControls) {
        if (control<forms::RadioButton>(controls.radioButton)->isChecked()) {
            ++checked;
            if (!expect(controls.family == m_expected.family(),
                        QStringLiteral("%1 is checked, another family was expected")
                            .arg(controls.radioButton)))
                return false;
        }
    }
    if (!expect(checked == 1, QStringLiteral("%1 radio buttons checked").arg(checked)))
        return false;

    // The family's drawing last but one in the drawing list, "L" last.
    const QList<QWidget *> drawn = Form1->drawingList();
    if (!expect(
            drawn.size() >= 2 && drawn.last()->objectName() == QLatin1String("Label8") &&
                drawn.at(drawn.size() - 2)->objectName() ==
                    QLatin1String(controlsOf(m_expected.family()).drawing),
            QStringLiteral("drawing list ends with %1, %2")
                .arg(nameOf(drawn.value(drawn.size() - 2)), nameOf(drawn.value(drawn.size() - 1)))))
        return false;

    // The drop-down holds the family's designations.
    const QStringList &designations = ExpectedState::designations(m_expected.family());
    bool sameItems = sizes()->count() == designations.size();
    for (int i = 0; sameItems && i < sizes()->count(); ++i)
        sameItems = sizes()->itemText(i) == designations.at(i);
    if (!expect(sameItems, QStringLiteral("the drop-down holds %1 items, not the family's %2")
                               .arg(sizes()->count())
                               .arg(designations.size())))
        return false;

    // The stored values and what the calculator window shows.
    const CalculationState &state = Form1->calculation();
    if (!expect(sameValue(state.massPerMetre, m_expected.massPerMetre()),
                QStringLiteral("mass per metre %1, expected %2 (row %3)")
                    .arg(static_cast<double>(state.massPerMetre))
                    .arg(static_cast<double>(m_expected.massPerMetre()))
                    .arg(m_expected.selectedRow())) ||
        !expect(sameValue(state.lengthMm, m_expected.lengthMm()),
                QStringLiteral("stored length %1, expected %2")
                    .arg(static_cast<double>(state.lengthMm))
                    .arg(static_cast<double>(m_expected.lengthMm()))) ||
        !expect(state.quantity == m_expected.quantity(),
                QStringLiteral("stored quantity %1, expected %2")
                    .arg(state.quantity)
                    .arg(m_expected.quantity())))
        return false;
    for (const ExpectedState::Box box :
         {ExpectedState::Box::Length, ExpectedState::Box::Quantity}) {
        if (!expect(editBox(box)->text() == m_expected.text(box),
                    QStringLiteral("%1 shows %2, expected %3")
                        .arg(editBox(box)->objectName(), describe(editBox(box)->text()),
                             describe(m_expected.text(box)))))
            return false;
    }
    const QString caption = control<forms::Label>("Label7")->caption();
    if (!expect(caption == m_expected.resultCaption(),
                QStringLiteral("Label7 shows %1, expected %2")
                    .arg(describe(caption), describe(m_expected.resultCaption()))))
        return false;

    // Every expected error report, and no other, in order.
    const QList<ReportWatcher::Report> &seen = m_reports.reports();
    const QStringList &expectedReports = m_expected.reports();
    if (!expect(seen.size() == expectedReports.size(),
                QStringLiteral("%1 error reports, expected %2")
                    .arg(seen.size())
                    .arg(expectedReports.size())))
        return false;
    for (; m_reportsChecked < seen.size(); ++m_reportsChecked) {
        const ReportWatcher::Report &report = seen.at(m_reportsChecked);
        const QString &expected = expectedReports.at(m_reportsChecked);
        if (!expect(report.text == expected && report.shownText == expected &&
                        report.title == forms::Application::title() &&
                        report.icon == QMessageBox::Critical,
                    QStringLiteral("the error report reads %1, expected %2")
                        .arg(describe(report.text), describe(expected))))
            return false;
    }

    // The gallery index and the entry on top.
    const QString index = control<forms::EditBox>(Form3, "Edit1")->text();
    if (!expect(index == QString::number(m_expected.galleryIndex()),
                QStringLiteral("gallery index %1, expected %2")
                    .arg(describe(index))
                    .arg(m_expected.galleryIndex())))
        return false;
    const QList<QWidget *> portfolioDrawn = Form3->drawingList();
    if (m_expected.galleryIndex() == 0) {
        for (int k = 1; k <= TForm3::entryCount; ++k) {
            if (!expect(thumbnailOf(k)->geometry() != TForm3::viewingArea,
                        QStringLiteral("entry %1 is enlarged before any showing").arg(k)))
                return false;
        }
    } else {
        const int k = m_expected.galleryIndex();
        const EntryControls &entry = entryControls[static_cast<std::size_t>(k - 1)];
        const bool onTop = portfolioDrawn.constLast() == thumbnailOf(k) &&
                           thumbnailOf(k)->geometry() == TForm3::viewingArea;
        const bool titled = control<forms::Label>(Form3, "TntLabel1")->caption() ==
                                control<forms::Label>(Form3, entry.title)->caption() &&
                            control<forms::Label>(Form3, "TntLabel3")->caption() ==
                                control<forms::Label>(Form3, entry.subtitle)->caption();
        if (!expect(onTop && titled, QStringLiteral("entry %1 is not shown on top with its titles "
                                                    "(%2 is last in the drawing list)")
                                         .arg(k)
                                         .arg(nameOf(portfolioDrawn.constLast()))))
            return false;
    }
    return expect(Form1->isVisible(), QStringLiteral("the calculator window is hidden"));
}

std::optional<ExpectedState::Box> Monkey::focusedBox() const
{
    const QWidget *focus = QApplication::focusWidget();
    if (focus == editBox(ExpectedState::Box::Length))
        return ExpectedState::Box::Length;
    if (focus == editBox(ExpectedState::Box::Quantity))
        return ExpectedState::Box::Quantity;
    return std::nullopt;
}

void Monkey::activateCalculator()
{
    if (QApplication::activeWindow() == Form1)
        return;
    Form1->activateWindow();
    expect(QTest::qWaitForWindowActive(Form1), QStringLiteral("the calculator window is not "
                                                              "active"));
}

QWidget *Monkey::focusAfterAction()
{
    activateCalculator();
    return QApplication::focusWidget();
}

bool Monkey::pressMovesFocusTo(QWidget *target)
{
    const std::optional<ExpectedState::Box> box = focusedBox();
    if (!box || QApplication::focusWidget() == target)
        return true;
    return m_expected.commit(*box);
}

void Monkey::focusDropDown()
{
    QWidget *field = sizes()->lineEdit();
    if (onDropDown(QApplication::focusWidget()))
        return;
    pressMovesFocusTo(field);
    clickOn(field);
    expect(onDropDown(focusAfterAction()),
           QStringLiteral("a click on the drop-down left the focus on %1")
               .arg(nameOf(focusAfterAction())));
}

QString Monkey::lengthText()
{
    switch (m_random.below(10)) {
    case 0:
        return QString::number(m_random.between(0, 9999)) + QLatin1Char('.') +
               QString::number(m_random.between(0, 99));
    case 1:
        return QLatin1Char('-') + QString::number(m_random.between(0, 20000));
    case 2:
        return m_random.pick<QString>({"6e3", "6E+3", "1E40", "1E4931", "1E-4999", "-0", ".5", "5.",
                                       ".", "5e", "  6000  ", "+6000", "1.5e2", "0.0001", "29325",
                                       "6.25", "18.75"});
    case 3:
        return QStringLiteral("%1e%2").arg(m_random.between(1, 9)).arg(m_random.between(-40, 40));
    case 4:
    case 5:
    case 6:
        return QString::number(m_random.between(0, 20000));
    default:
        return m_random.pick<QString>({"abc",
                                       "",
                                       "6,000",
                                       "6 000",
                                       "1E5000",
                                       "1E4999",
                                       "e5",
                                       "--1",
                                       "1..2",
                                       "0x10",
                                       "six",
                                       "1,5",
                                       "%s%n",
                                       "<b>1</b>",
                                       QStringLiteral("\u0661\u0662"),
                                       QStringLiteral("\u06F6\u06F0\u06F0\u06F0"),
                                       QStringLiteral("\uFF16\uFF10\uFF10\uFF10"),
                                       QStringLiteral("60\n00"),
                                       QStringLiteral("\u202E6000"),
                                       QStringLiteral("60") + QChar(u'\0') + QStringLiteral("0")});
    }
}

QString Monkey::quantityText()
{
    switch (m_random.below(10)) {
    case 0:
        return m_random.pick<QString>({"+3", "$A", "0x0a", "x10", "$FFFFFFFF", "  12", "2147483647",
                                       "-2147483648", "0", "-0", "$7FFFFFFF"});
    case 1:
        return QString::number(m_random.between(-1000, -1));
    case 2:
    case 3:
    case 4:
    case 5:
    case 6:
        return QString::number(m_random.between(0, 100));
    default:
        return m_random.pick<QString>({"12 ", "2.5", "2147483648", "-$A", "", "abc", "1e3", "$",
                                       "0x", "%x", "{0}", QStringLiteral("\u0663"),
                                       QStringLiteral("1\t2"), QStringLiteral("\u200F5")});
    }
}

QString Monkey::dropDownText()
{
    const QStringList &own = ExpectedState::designations(m_expected.family());
    switch (m_random.below(20)) {
    case 0:
    case 1:
    case 2:
    case 3:
    case 4:
    case 5:
    case 6:
    case 7:
    case 8:
    case 9: {
        const QString &designation = m_random.pick(own);
        return designation.left(m_random.between(1, static_cast<int>(designation.size())));
    }
    case 10:
    case 11:
    case 12:
    case 13:
        return m_random.pick(ExpectedState::designations(
            static_cast<ShapeFamily>(m_random.below(static_cast<int>(familyControls.size())))));
    case 14:
    case 15:
    case 16:
        return m_random.pick<QString>(
            {"zz", "SQ 999  t=9", "sq 40  t=3", "REC", "D ", "  ", "x", "SQ 40 t=3"});
    default:
        return QString::number(m_random.between(0, 400));
    }
}

void Monkey::clickShapePicture()
{
    const FamilyControls &controls = familyControls[static_cast<std::size_t>(m_random.below(3))];
    begin(QStringLiteral("shape picture clicks"),
          QStringLiteral("click shape picture %1").arg(controls.shapePicture));
    const QWidget *focusBefore = QApplication::focusWidget();
    clickOn(control<QWidget>(controls.shapePicture));
    m_expected.checkFamily(controls.family); // a picture takes no focus: nothing is committed
    expect(focusAfterAction() == focusBefore,
           QStringLiteral("a click on a picture moved the focus"));
}

void Monkey::clickRadioButton()
{
    const FamilyControls &controls = familyControls[static_cast<std::size_t>(m_random.below(3))];
    begin(QStringLiteral("radio button clicks"),
          QStringLiteral("click %1 (focus on %2)")
              .arg(controls.radioButton, nameOf(QApplication::focusWidget())));
    auto *radio = control<forms::RadioButton>(controls.radioButton);
    if (pressMovesFocusTo(radio))
        m_expected.checkFamily(controls.family);
    clickOn(radio);
    expect(focusAfterAction() == radio, QStringLiteral("a click on %1 left the focus on %2")
                                            .arg(controls.radioButton, nameOf(focusAfterAction())));
}

void Monkey::pressArrowOnRadioButton()
{
    QWidget *focus = QApplication::focusWidget();
    if (qobject_cast<forms::RadioButton *>(focus) == nullptr) {
        clickRadioButton();
        return;
    }
    const Qt::Key key =
        m_random.pick<Qt::Key>({Qt::Key_Left, Qt::Key_Right, Qt::Key_Up, Qt::Key_Down});
    begin(QStringLiteral("arrow keys on radio buttons"),
          QStringLiteral("press arrow key %1 on %2")
              .arg(QString::number(key, 16), focus->objectName()));
    QTest::keyClick(focus, key);
    // Qt moves the check (or only the focus, from an unchecked button): follow it.
    for (const FamilyControls &controls : familyControls) {
        if (control<forms::RadioButton>(controls.radioButton)->isChecked()) {
            m_expected.checkFamily(controls.family);
            break;
        }
    }
}

void Monkey::pressSpaceOnFocusedButton()
{
    QWidget *focus = QApplication::focusWidget();
    auto *radio = qobject_cast<forms::RadioButton *>(focus);
    const bool onCalc = focus == control<QWidget>("BitBtn1");
    const bool onKorvel = focus == control<QWidget>("BitBtn2");
    if (radio == nullptr && !onCalc && !onKorvel) {
        pressTab();
        return;
    }
    begin(QStringLiteral("Space on a focused button"),
          QStringLiteral("press Space on %1").arg(focus->objectName()));
    if (onKorvel)
        openPortfolioAfterThisClick();
    QTest::keyClick(focus, Qt::Key_Space);
    if (onCalc)
        m_expected.calculate();
    if (onKorvel)
        expectPortfolioSession(true);
    for (const FamilyControls &controls : familyControls) {
        if (radio != nullptr && radio->objectName() == QLatin1String(controls.radioButton))
            m_expected.checkFamily(controls.family);
    }
}

void Monkey::stepThroughSizes()
{
    const int presses = m_random.between(1, 4);
    begin(QStringLiteral("drop-down key steps"),
          QStringLiteral("%1 arrow or page keys on the drop-down (focus on %2)")
              .arg(presses)
              .arg(nameOf(QApplication::focusWidget())));
    focusDropDown();
    for (int press = 0; press < presses; ++press) {
        const Qt::Key key = m_random.pick<Qt::Key>(
            {Qt::Key_Down, Qt::Key_Down, Qt::Key_Up, Qt::Key_PageDown, Qt::Key_PageUp});
        QTest::keyClick(sizes(), key);
        m_expected.dropDownChanged(sizes()->currentText());
    }
}

void Monkey::pickSizeFromList()
{
    forms::ComboBox *combo = sizes();
    QAbstractItemView *list = combo->view();
    // Opened by a click on the arrow, the list ignores mouse releases for a double-click
    // interval (so the opening click cannot pick): then the size is picked with the keys. Opened
    // with F4, the size is picked with the mouse.
    const bool byMouse = m_random.chance(50);
    const int steps = m_random.between(0, 6);
    const bool down = m_random.chance(60);
    begin(QStringLiteral("drop-down list picks"),
          byMouse ? QStringLiteral("click the drop-down's arrow, %1 x %2 and Enter (focus on %3)")
                        .arg(down ? QStringLiteral("Down") : QStringLiteral("Up"))
                        .arg(steps)
                        .arg(nameOf(QApplication::focusWidget()))
                  : QStringLiteral("F4 on the drop-down, click a size in its list (focus on %1)")
                        .arg(nameOf(QApplication::focusWidget())));
    if (byMouse) {
        const bool opens = pressMovesFocusTo(combo->lineEdit());
        QStyleOptionComboBox option;
        option.initFrom(combo);
        option.editable = true;
        const QRect arrow = combo->style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                           QStyle::SC_ComboBoxArrow, combo);
        clickOn(combo, arrow.center());
        m_sinceArrowClick.start();
        if (!opens) { // the refused commit swallowed the press
            expect(!list->isVisible(),
                   QStringLiteral("the list opened though the commit was refused"));
            list->window()->hide();
            return;
        }
    } else {
        // The list's refusal of releases after an arrow click lasts until its timer event is
        // delivered: for a user, time passes between actions; here the event loop must run.
        const qint64 blockedFor = QApplication::doubleClickInterval() + 50;
        if (m_sinceArrowClick.isValid() && m_sinceArrowClick.elapsed() < blockedFor)
            QTest::qWait(static_cast<int>(blockedFor - m_sinceArrowClick.elapsed()));
        QCoreApplication::processEvents();
        m_sinceArrowClick.invalidate();
        focusDropDown();
        QTest::keyClick(combo, Qt::Key_F4);
    }
    if (!expect(list->isVisible() && QTest::qWaitForWindowExposed(list->window()),
                QStringLiteral("the drop-down's list did not open")))
        return;
    if (byMouse) {
        for (int step = 0; step < steps; ++step)
            QTest::keyClick(list, down ? Qt::Key_Down : Qt::Key_Up);
        QTest::keyClick(list, Qt::Key_Return);
    } else {
        const QModelIndex index = list->model()->index(m_random.below(combo->count()), 0);
        list->scrollTo(index);
        clickOn(list->viewport(), list->visualRect(index).center());
    }
    expect(QTest::qWaitFor([list] { return !list->isVisible(); }),
           QStringLiteral("the drop-down's list stayed open after a pick"));
    m_expected.dropDownChanged(combo->currentText());
}

void Monkey::typeIntoDropDown()
{
    const QString text = dropDownText();
    const bool enter = m_random.chance(25);
    begin(QStringLiteral("drop-down typing"),
          QStringLiteral("type %1%2 into the drop-down (focus on %3)")
              .arg(describe(text), enter ? QStringLiteral(" and Enter") : QString(),
                   nameOf(QApplication::focusWidget())));
    focusDropDown();
    forms::ComboBox *combo = sizes();
    QTest::keyClick(combo, Qt::Key_A, Qt::ControlModifier);
    for (const QChar character : text) {
        QTest::keyClick(combo, character.toLatin1());
        m_expected.dropDownChanged(combo->currentText());
    }
    if (enter) {
        QTest::keyClick(combo, Qt::Key_Return);
        m_expected.dropDownChanged(combo->currentText());
    }
}

void Monkey::enterEditText()
{
    const auto box =
        m_random.chance(55) ? ExpectedState::Box::Length : ExpectedState::Box::Quantity;
    const bool longText = m_random.below(1000) < 3;
    const QString text = longText                            ? m_random.pick(longTexts())
                         : box == ExpectedState::Box::Length ? lengthText()
                                                             : quantityText();
    const bool paste = longText || !typable(text) || m_random.chance(20);
    forms::EditBox *edit = editBox(box);
    begin(QStringLiteral("edit box entries"),
          QStringLiteral("%1 %2 into %3 (focus on %4)")
              .arg(paste ? QStringLiteral("paste") : QStringLiteral("type"), describe(text),
                   edit->objectName(), nameOf(QApplication::focusWidget())));
    pressMovesFocusTo(edit);
    clickOn(edit);
    if (!expect(focusAfterAction() == edit,
                QStringLiteral("a click on %1 left the focus on %2")
                    .arg(edit->objectName(), nameOf(focusAfterAction()))))
        return;
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    if (paste) {
        QGuiApplication::clipboard()->setText(text);
        QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
    } else if (text.isEmpty()) {
        QTest::keyClick(edit, Qt::Key_Delete);
    } else {
        QTest::keyClicks(edit, text);
    }
    m_expected.replaceText(box, text);
}

void Monkey::pressTab()
{
    QWidget *focus = QApplication::focusWidget();
    const bool backward = m_random.chance(35);
    begin(QStringLiteral("Tab and Shift+Tab"),
          QStringLiteral("%1 from %2")
              .arg(backward ? QStringLiteral("Shift+Tab") : QStringLiteral("Tab"), nameOf(focus)));
    if (!expect(focus != nullptr, QStringLiteral("no control has the focus")))
        return;
    if (const std::optional<ExpectedState::Box> box = focusedBox())
        m_expected.commit(*box); // refused or not, the focus moves on
    if (backward)
        QTest::keyClick(focus, Qt::Key_Backtab, Qt::ShiftModifier);
    else
        QTest::keyClick(focus, Qt::Key_Tab);
    expect(focusAfterAction() != focus,
           QStringLiteral("the focus stayed on %1").arg(nameOf(focus)));
}

void Monkey::clickCalc()
{
    QWidget *calc = control<QWidget>("BitBtn1");
    begin(QStringLiteral("Calc. clicks"),
          QStringLiteral("click Calc. (focus on %1)").arg(nameOf(QApplication::focusWidget())));
    // A refused commit swallows the press: no calculation follows.
    const bool calculates = pressMovesFocusTo(calc);
    clickOn(calc);
    if (calculates)
        m_expected.calculate();
    expect(focusAfterAction() == calc,
           QStringLiteral("a click on Calc. left the focus on %1").arg(nameOf(focusAfterAction())));
}

void Monkey::clickKorvel()
{
    QWidget *korvel = control<QWidget>("BitBtn2");
    begin(QStringLiteral("KORVEL clicks"),
          QStringLiteral("click KORVEL (focus on %1)").arg(nameOf(QApplication::focusWidget())));
    const bool opens = pressMovesFocusTo(korvel);
    if (opens)
        openPortfolioAfterThisClick();
    clickOn(korvel); // returns once the portfolio window is closed again
    expectPortfolioSession(opens);
}

void Monkey::clickWhereNothingHappens()
{
    const char *name = m_random.pick<const char *>(
        {"Label7", "Label3", "Label6", "Label8", "Image9", "Image10", "Image11", "Label1"});
    begin(QStringLiteral("clicks on labels and pictures"), QStringLiteral("click %1").arg(name));
    const QWidget *focusBefore = QApplication::focusWidget();
    clickOn(control<QWidget>(name));
    expect(focusAfterAction() == focusBefore,
           QStringLiteral("a click on %1 moved the focus").arg(name));
}

void Monkey::openPortfolioAfterThisClick()
{
    m_sessionRan = false;
    m_sessionStarter.start();
}

void Monkey::expectPortfolioSession(bool expected)
{
    m_sessionStarter.stop();
    expect(m_sessionRan == expected,
           expected ? QStringLiteral("the portfolio window did not open")
                    : QStringLiteral("the portfolio window opened though the commit was refused"));
    expect(!Form3->isVisible(), QStringLiteral("the portfolio window is still open"));
    m_sessionRan = false;
}

void Monkey::runPortfolioSession()
{
    m_sessionRan = true;
    if (expect(Form3->isVisible() && QApplication::activeModalWidget() == Form3,
               QStringLiteral("the portfolio window is not shown modally")) &&
        expect(QTest::qWaitForWindowActive(Form3),
               QStringLiteral("the portfolio window is not active")) &&
        checkInvariants()) {
        const int actions = m_random.between(1, 30);
        for (int action = 0; action < actions && m_actionsRun < m_actionCount; ++action) {
            switch (m_random.below(10)) {
            case 0:
            case 1:
            case 2:
                clickNext();
                break;
            case 3:
            case 4:
            case 5:
                clickPrevious();
                break;
            case 6:
            case 7:
            case 8:
                clickThumbnail();
                break;
            default:
                pressSpaceInPortfolio();
                break;
            }
            if (!checkInvariants())
                break;
        }
    }
    begin(QStringLiteral("portfolio closings"), QStringLiteral("close the portfolio window"));
    Form3->close();
}

void Monkey::clickNext()
{
    begin(QStringLiteral("portfolio next"), QStringLiteral("click next"));
    clickOn(control<QWidget>(Form3, "BitBtn1"));
    m_expected.next();
}

void Monkey::clickPrevious()
{
    begin(QStringLiteral("portfolio previous"), QStringLiteral("click previous"));
    clickOn(control<QWidget>(Form3, "BitBtn2"));
    m_expected.previous();
}

void Monkey::clickThumbnail()
{
    const int k = m_random.between(1, TForm3::entryCount);
    begin(QStringLiteral("portfolio thumbnail clicks"),
          QStringLiteral("click where entry %1's picture is").arg(k));
    // The user clicks what is visible there: the thumbnail before the first showing, afterwards
    // the picture enlarged on top, which covers the whole grid.
    const QPoint aim = thumbnailOf(k)->geometry().center();
    const int clicked = m_expected.galleryIndex() == 0 ? k : m_expected.galleryIndex();
    QWidget *hit = Form3->childAt(aim);
    if (!expect(hit == thumbnailOf(clicked), QStringLiteral("%1 lies where entry %2's picture "
                                                            "should be clicked")
                                                 .arg(nameOf(hit))
                                                 .arg(clicked)))
        return;
    clickOn(hit, hit->mapFrom(Form3, aim));
    m_expected.clickEntry(clicked);
}

void Monkey::pressSpaceInPortfolio()
{
    QWidget *focus = QApplication::focusWidget();
    const bool onNext = focus == control<QWidget>(Form3, "BitBtn1");
    const bool onPrevious = focus == control<QWidget>(Form3, "BitBtn2");
    if (!onNext && !onPrevious) {
        begin(QStringLiteral("portfolio Tab"), QStringLiteral("Tab from %1").arg(nameOf(focus)));
        if (focus != nullptr)
            QTest::keyClick(focus, Qt::Key_Tab);
        return;
    }
    begin(QStringLiteral("portfolio Space"),
          QStringLiteral("press Space on %1").arg(onNext ? "next" : "previous"));
    QTest::keyClick(focus, Qt::Key_Space);
    if (onNext)
        m_expected.next();
    else
        m_expected.previous();
}
