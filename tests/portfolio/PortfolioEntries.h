#pragma once

// What the tests expect of the portfolio window's ten entries, written independently of the
// window's own tables: names, grid places and the captions as UTF-16 code units.

#include "TForm3.h"
#include "forms/Label.h"
#include "forms/PictureBox.h"

#include <QPoint>
#include <QString>
#include <QTest>

#include <array>

struct ExpectedEntry
{
    const char *thumbnail;
    QPoint gridPlace;
    const char *titleLabel;
    const char *subtitleLabel;
    const char16_t *title;
    const char16_t *subtitle;
};

// Entry k is portfolioEntries[k - 1].
inline constexpr std::array<ExpectedEntry, 10> portfolioEntries{{
    {"Image1",
     {8, 8},
     "TntLabel16",
     "TntLabel17",
     u"\u0637\u0631\u0627\u062D\u064A \u0646\u0648\u0627\u0631 \u0646\u0642\u0627\u0644\u0647",
     u"( Belt conveyor )"},
    {"Image3",
     {8, 64},
     "TntLabel13",
     "TntLabel12",
     u"\u0637\u0631\u0627\u062D\u064A \u0645\u0627\u0631\u067E\u064A\u0686\u0647\u0627",
     u"( Screw Conveyor )"},
    {"Image4",
     {8, 120},
     "TntLabel14",
     "TntLabel18",
     u"\u0637\u0631\u0627\u062D\u064A \u0628\u0627\u06A9\u062A "
     u"\u0627\u0644\u0648\u0627\u062A\u0648\u0631 ",
     u"( Bucket elevator )"},
    {"Image5",
     {8, 176},
     "TntLabel19",
     "TntLabel20",
     u"\u0637\u0631\u0627\u062D\u064A \u0646\u0642\u0627\u0644\u0647 "
     u"\u0632\u0646\u062C\u064A\u0631\u064A ",
     u"( Drag Chain )"},
    {"Image6",
     {8, 232},
     "TntLabel21",
     "TntLabel22",
     u"\u0637\u0631\u0627\u062D\u064A \u0645\u062E\u0627\u0632\u0646 \u0645\u0648\u0627\u062F ",
     u"( Bin silo )"},
    {"Image7",
     {200, 8},
     "TntLabel23",
     "TntLabel24",
     u"\u0637\u0631\u0627\u062D\u064A \u062F\u0627\u06A9\u062A\u064A\u0646\u06AF",
     u"( Ducting )"},
    {"Image8",
     {200, 64},
     "TntLabel25",
     "TntLabel26",
     u"\u0637\u0631\u0627\u062D\u064A \u0633\u0627\u0632\u0647",
     u"( Steel Structure )"},
    {"Image9",
     {200, 120},
     "TntLabel27",
     "TntLabel28",
     u"\u062A\u062F\u0631\u064A\u0633  \u0631\u0648\u0627\u0646\u06A9\u0627\u0631\u064A ",
     u"( Lubrication )"},
    {"Image10",
     {200, 176},
     "TntLabel29",
     "TntLabel30",
     u"\u0628\u0627\u0632\u0631\u0633\u064A \u062C\u0648\u0634",
     u"VT_RTi_UT_MT"},
    {"Image11",
     {200, 232},
     "TntLabel31",
     "TntLabel32",
     u"\u0637\u0631\u0627\u062D\u064A \u0633\u0647 \u0628\u0639\u062F\u06CC",
     u"( 3D Drawing )"},
}};

inline const ExpectedEntry &expectedEntry(int k)
{
    return portfolioEntries.at(static_cast<std::size_t>(k - 1));
}

// The named child control of `window`, or a fatal failure when there is none.
template <typename Control> Control *controlOf(const TForm3 &window, const char *name)
{
    auto *control =
        window.findChild<Control *>(QString::fromLatin1(name), Qt::FindDirectChildrenOnly);
    if (control == nullptr)
        qFatal("the portfolio window has no control %s of the expected kind", name);
    return control;
}

inline forms::PictureBox *thumbnailOf(const TForm3 &window, int k)
{
    return controlOf<forms::PictureBox>(window, expectedEntry(k).thumbnail);
}

inline forms::Label *currentTitle(const TForm3 &window)
{
    return controlOf<forms::Label>(window, "TntLabel1");
}

inline forms::Label *currentSubtitle(const TForm3 &window)
{
    return controlOf<forms::Label>(window, "TntLabel3");
}
