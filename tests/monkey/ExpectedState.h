#pragma once

#include "Catalogue.h"

#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>

// What the two windows must hold after each action of the monkey test, worked out from the
// actions with the program's rules, the catalogue and the numeric core; never read back from the
// windows. Where Qt decides what a user action does (which radio button an arrow key checks, what
// inline completion makes of a key in the drop-down), the driver reads Qt's decision and hands it
// to this model, which applies the program's rules to it.
class ExpectedState
{
public:
    enum class Box
    {
        Length,  // Edit1
        Quantity // Edit2
    };

    // An edit box holds at most this many characters (QLineEdit's default maximum length).
    static constexpr qsizetype editBoxMaximum = 32767;

    // The designations of `family` in catalogue order: the drop-down's items.
    static const QStringList &designations(ShapeFamily family);

    // --- The calculator window

    ShapeFamily family() const { return m_family; }
    // The size last selected in the drop-down (a row of the checked family's table).
    int selectedRow() const { return m_selectedRow; }
    long double massPerMetre() const;
    const QString &text(Box box) const { return m_texts[index(box)]; }
    // The value of the last length text that converted; +0.0 at start.
    long double lengthMm() const { return m_lengthMm; }
    // The value of the last quantity text that converted; 1 at start.
    std::int32_t quantity() const { return m_quantity; }
    // "******" until the first calculation, then the caption of the last one that did not
    // overflow.
    const QString &resultCaption() const { return m_resultCaption; }
    // Every error report's text expected so far, in order.
    const QStringList &reports() const { return m_reports; }

    // The radio button of `family` became checked: a family load (first size) when the family
    // changes.
    void checkFamily(ShapeFamily family);
    // The user changed the drop-down, which now shows `shownText`: when that names a size of the
    // checked family, that size is selected.
    void dropDownChanged(const QString &shownText);
    // The box's text was replaced by `text`; the box keeps no more than editBoxMaximum
    // characters.
    void replaceText(Box box, const QString &text);
    // The focus left the box: its text is converted and stored, or refused with an error report
    // (the stored value stays). Returns false when refused.
    bool commit(Box box);
    // "Calc." was pressed: the weight of the stored values, or an overflow report that keeps the
    // caption.
    void calculate();

    // --- The portfolio window

    // The gallery index: 0 before the first showing, then 1 to 10.
    int galleryIndex() const { return m_galleryIndex; }
    void next();
    void previous();
    // The picture of entry k (1 to 10) was clicked.
    void clickEntry(int k);

private:
    static std::size_t index(Box box) { return box == Box::Length ? 0 : 1; }

    ShapeFamily m_family = ShapeFamily::Square;
    int m_selectedRow = 0;
    std::array<QString, 2> m_texts{QStringLiteral("0"), QStringLiteral("1")};
    long double m_lengthMm = +0.0L;
    std::int32_t m_quantity = 1;
    QString m_resultCaption = QStringLiteral("******");
    QStringList m_reports;
    int m_galleryIndex = 0;
};
