#pragma once

#include "ExpectedState.h"
#include "MonkeyRandom.h"
#include "ReportWatcher.h"

#include <QElapsedTimer>
#include <QMap>
#include <QString>
#include <QStringList>
#include <QTimer>

#include <cstdint>
#include <deque>
#include <optional>

class QWidget;

// Drives the program's two windows (created by startUp, shown offscreen) with a seeded sequence
// of random user actions: shape pictures and radio buttons, the drop-down by keys, by its list and
// by typing, valid and invalid texts typed or pasted into the edit boxes, Tab and Shift+Tab,
// "Calc.", and "KORVEL", whose modal portfolio window gets its own actions (thumbnails, next,
// previous, Space on a focused button) from inside its modal loop before it is closed again.
// After every action it checks the invariants against ExpectedState. Error reports are answered
// by a ReportWatcher (a ModalAnswerer would also close the modal portfolio window) and compared
// with the reports the model expects.
class Monkey
{
public:
    Monkey(std::uint64_t seed, int actionCount);

    // Runs the actions until all have run or an invariant breaks. Returns true when none broke.
    bool run();
    // When run() returned false: the seed, the failing action, what broke and the last actions.
    QString failureReport() const { return m_failure; }
    // How many actions of each kind ran, and how many error reports were answered.
    QString summary() const;

private:
    // Calculator window actions.
    void clickShapePicture();
    void clickRadioButton();
    void pressArrowOnRadioButton();
    void pressSpaceOnFocusedButton();
    void stepThroughSizes();
    void pickSizeFromList();
    void typeIntoDropDown();
    void enterEditText();
    void pressTab();
    void clickCalc();
    void clickKorvel();
    void clickWhereNothingHappens();
    // Portfolio window actions, run inside its modal showing.
    void runPortfolioSession();
    void clickNext();
    void clickPrevious();
    void clickThumbnail();
    void pressSpaceInPortfolio();

    // A mouse press on `target`, a control of the calculator window that takes the focus: the
    // focused edit box, if any and if it is not `target`, is committed first. Returns false when
    // that commit was refused (the press is then swallowed, though the focus still moves).
    bool pressMovesFocusTo(QWidget *target);
    // Makes sure the drop-down has the focus (clicking into its text field if need be).
    void focusDropDown();
    // The edit box that has the focus, if any.
    std::optional<ExpectedState::Box> focusedBox() const;
    // The calculator window is the active one (after a report or the portfolio window, Qt's
    // offscreen platform does not always give the activation back by itself).
    void activateCalculator();
    // The calculator window's focused control once the window is active again.
    QWidget *focusAfterAction();
    void openPortfolioAfterThisClick();
    // Checks the portfolio session ran for a press expected to open it, else that it did not.
    void expectPortfolioSession(bool expected);

    QString lengthText();
    QString quantityText();
    QString dropDownText();

    // Records `action` as the next action and counts it under `kind`.
    void begin(const QString &kind, const QString &action);
    bool checkInvariants();
    bool expect(bool condition, const QString &broken);

    std::uint64_t m_seed;
    int m_actionCount;
    int m_actionsRun = 0;
    MonkeyRandom m_random;
    ExpectedState m_expected;
    ReportWatcher m_reports;
    qsizetype m_reportsChecked = 0;
    QTimer m_sessionStarter;
    QElapsedTimer m_sinceArrowClick; // since the last click on the drop-down's arrow
    bool m_sessionRan = false;
    std::deque<QString> m_lastActions;
    QMap<QString, int> m_kindCounts;
    QString m_failure;
};
