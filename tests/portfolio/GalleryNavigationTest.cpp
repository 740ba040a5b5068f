// The gallery navigation of the portfolio window, driven through its controls: thumbnail clicks,
// the next and previous buttons, and the runs of Edit1Change that the index text triggers.

#include "FormsTestMain.h"
#include "PortfolioEntries.h"
#include "TForm3.h"
#include "forms/EditBox.h"
#include "forms/PictureButton.h"

#include <QList>
#include <QSet>
#include <QTest>

#include <memory>

namespace {

enum class Action
{
    Next,
    Previous,
    ClickThumbnail
};

// What the window showed when Edit1Change had just run for one index text.
struct ChangeRun
{
    QString index;
    QString currentTitle;
    QString topOfDrawingList;

    bool operator==(const ChangeRun &) const = default;
};

QString titleOf(int k)
{
    return QString::fromUtf16(expectedEntry(k).title);
}

char *toString(const ChangeRun &run)
{
    return qstrdup(qPrintable(QStringLiteral("{index \"%1\", top %2, title %3}")
                                  .arg(run.index, run.topOfDrawingList, run.currentTitle)));
}

} // namespace

Q_DECLARE_METATYPE(Action)

class GalleryNavigationTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TForm3> m_window;
    QList<ChangeRun> m_changeRuns;

    forms::EditBox *index() const { return controlOf<forms::EditBox>(*m_window, "Edit1"); }
    QWidget *topOfDrawingList() const { return m_window->drawingList().constLast(); }

    void clickThumbnail(int k) { QTest::mouseClick(thumbnailOf(*m_window, k), Qt::LeftButton); }
    void pressNext()
    {
        QTest::mouseClick(controlOf<forms::PictureButton>(*m_window, "BitBtn1"), Qt::LeftButton);
    }
    void pressPrevious()
    {
        QTest::mouseClick(controlOf<forms::PictureButton>(*m_window, "BitBtn2"), Qt::LeftButton);
    }

    void perform(Action action, int clickedEntry)
    {
        switch (action) {
        case Action::Next:
            pressNext();
            break;
        case Action::Previous:
            pressPrevious();
            break;
        case Action::ClickThumbnail:
            clickThumbnail(clickedEntry);
            break;
        }
    }

    // A window in the state of gallery index `start`: fresh for 0, else after clicking entry
    // `start`'s thumbnail. Edit1Change runs are recorded from then on.
    void openAt(int start)
    {
        if (start > 0)
            clickThumbnail(start);
        QCOMPARE(index()->text(), QString::number(start));
        m_changeRuns.clear();
    }

    // The entries whose thumbnails have the viewing area's bounds.
    QSet<int> enlargedEntries() const
    {
        QSet<int> enlarged;
        for (int k = 1; k <= TForm3::entryCount; ++k) {
            if (thumbnailOf(*m_window, k)->geometry() == TForm3::viewingArea)
                enlarged.insert(k);
        }
        return enlarged;
    }

    // Entry k is current: its index, its enlarged, visible thumbnail on top of the drawing list
    // and its titles in the current title and subtitle. Every other thumbnail is either in its
    // grid place at 49 x 41 or enlarged.
    void verifyCurrentEntry(int k)
    {
        QCOMPARE(index()->text(), QString::number(k));
        forms::PictureBox *thumbnail = thumbnailOf(*m_window, k);
        QCOMPARE(topOfDrawingList(), thumbnail);
        QCOMPARE(thumbnail->geometry(), TForm3::viewingArea);
        QVERIFY(thumbnail->isVisible());
        QCOMPARE(currentTitle(*m_window)->caption(), titleOf(k));
        QCOMPARE(currentSubtitle(*m_window)->caption(),
                 QString::fromUtf16(expectedEntry(k).subtitle));
        for (int other = 1; other <= TForm3::entryCount; ++other) {
            const QRect bounds = thumbnailOf(*m_window, other)->geometry();
            QVERIFY2(bounds == TForm3::viewingArea ||
                         bounds == QRect(expectedEntry(other).gridPlace, QSize(49, 41)),
                     qPrintable(QStringLiteral("entry %1's thumbnail is neither in its place nor "
                                               "enlarged")
                                    .arg(other)));
        }
        // Input controls stay above every drawn control.
        const QObjectList stack = m_window->children();
        QVERIFY(stack.indexOf(thumbnail) < stack.indexOf(index()));
    }

private slots:
    void init()
    {
        m_window = std::make_unique<TForm3>();
        m_changeRuns.clear();
        // Connected after the window's own binding, so it sees what Edit1Change has just done.
        connect(index(), &forms::EditBox::changed, this, [this] {
            m_changeRuns.append({index()->text(), currentTitle(*m_window)->caption(),
                                 topOfDrawingList()->objectName()});
        });
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    }

    void cleanup() { m_window.reset(); }

    void navigation_data()
    {
        QTest::addColumn<int>("start");
        QTest::addColumn<Action>("action");
        QTest::addColumn<int>("clicked");
        QTest::addColumn<int>("expected");

        for (int start = 0; start <= TForm3::entryCount; ++start) {
            const int next = start == TForm3::entryCount ? 1 : start + 1;
            const int previous = start <= 1 ? TForm3::entryCount : start - 1;
            QTest::addRow("next from %d", start) << start << Action::Next << 0 << next;
            QTest::addRow("previous from %d", start) << start << Action::Previous << 0 << previous;
        }
        for (int k = 1; k <= TForm3::entryCount; ++k)
            QTest::addRow("click entry %d from 0", k) << 0 << Action::ClickThumbnail << k << k;
        QTest::addRow("click entry 9 from 4") << 4 << Action::ClickThumbnail << 9 << 9;
        QTest::addRow("click entry 2 from 10") << 10 << Action::ClickThumbnail << 2 << 2;
        QTest::addRow("click current entry 4") << 4 << Action::ClickThumbnail << 4 << 4;
        QTest::addRow("click current entry 10") << 10 << Action::ClickThumbnail << 10 << 10;
    }

    void navigation()
    {
        QFETCH(int, start);
        QFETCH(Action, action);
        QFETCH(int, clicked);
        QFETCH(int, expected);

        openAt(start);
        perform(action, clicked);

        verifyCurrentEntry(expected);
        // The entry shown before stays enlarged beneath; nothing else is enlarged.
        QSet<int> enlarged{expected};
        if (start > 0)
            enlarged.insert(start);
        QCOMPARE(enlargedEntries(), enlarged);
    }

    // Edit1Change runs inside the setter, once per real change of the index, and sees the
    // transient values of the ring's ends.
    void changeRuns_data()
    {
        QTest::addColumn<int>("start");
        QTest::addColumn<Action>("action");
        QTest::addColumn<int>("clicked");
        QTest::addColumn<QList<ChangeRun>>("expectedRuns");

        // "0", "11" and "-1" show nothing: the title and the top stay those of before.
        QTest::newRow("next from 10 passes 11")
            << 10 << Action::Next << 0
            << QList<ChangeRun>{{"11", titleOf(10), "Image11"}, {"1", titleOf(1), "Image1"}};
        QTest::newRow("previous from 1 passes 0")
            << 1 << Action::Previous << 0
            << QList<ChangeRun>{{"0", titleOf(1), "Image1"}, {"10", titleOf(10), "Image11"}};
        QTest::newRow("previous from 0 passes -1")
            << 0 << Action::Previous << 0
            << QList<ChangeRun>{{"-1", titleOf(1), "Label3"}, {"10", titleOf(10), "Image11"}};
        QTest::newRow("next from 0")
            << 0 << Action::Next << 0 << QList<ChangeRun>{{"1", titleOf(1), "Image1"}};
        QTest::newRow("previous from 6")
            << 6 << Action::Previous << 0 << QList<ChangeRun>{{"5", titleOf(5), "Image6"}};
        QTest::newRow("click a new entry")
            << 2 << Action::ClickThumbnail << 7 << QList<ChangeRun>{{"7", titleOf(7), "Image8"}};
        QTest::newRow("click the current entry")
            << 7 << Action::ClickThumbnail << 7 << QList<ChangeRun>{};
    }

    void changeRuns()
    {
        QFETCH(int, start);
        QFETCH(Action, action);
        QFETCH(int, clicked);
        QFETCH(QList<ChangeRun>, expectedRuns);

        openAt(start);
        const QList<QWidget *> stackBefore = m_window->drawingList();
        perform(action, clicked);

        QCOMPARE(m_changeRuns, expectedRuns);
        if (expectedRuns.isEmpty())
            QCOMPARE(m_window->drawingList(), stackBefore);
    }

    // Ten presses go once round the ring and come back to the entry they started from.
    void tenPressesReturn_data()
    {
        QTest::addColumn<int>("start");
        QTest::addColumn<Action>("action");

        QTest::newRow("next from 1") << 1 << Action::Next;
        QTest::newRow("next from 7") << 7 << Action::Next;
        QTest::newRow("previous from 1") << 1 << Action::Previous;
        QTest::newRow("previous from 10") << 10 << Action::Previous;
    }

    void tenPressesReturn()
    {
        QFETCH(int, start);
        QFETCH(Action, action);

        openAt(start);
        for (int press = 0; press < TForm3::entryCount; ++press)
            perform(action, 0);

        verifyCurrentEntry(start);
        QCOMPARE(enlargedEntries().size(), TForm3::entryCount);
        QCOMPARE(m_changeRuns.size(), TForm3::entryCount + 1); // one pass through "11" or "0"
    }

    // Enlarged pictures are never shrunk: the one shown last lies on top of the others.
    void enlargedPicturesStayBeneath()
    {
        clickThumbnail(3);
        pressNext();
        pressNext();
        pressPrevious();

        verifyCurrentEntry(4);
        QCOMPARE(enlargedEntries(), (QSet<int>{3, 4, 5}));
        const QList<QWidget *> stack = m_window->drawingList();
        const QList<QWidget *> topThree = stack.mid(stack.size() - 3);
        QCOMPARE(topThree, (QList<QWidget *>{thumbnailOf(*m_window, 3), thumbnailOf(*m_window, 5),
                                             thumbnailOf(*m_window, 4)}));
    }

    // ShowEntry knows only entries 1 to 10; for any other number it changes nothing.
    void showEntryRange_data()
    {
        QTest::addColumn<int>("k");
        QTest::newRow("zero") << 0;
        QTest::newRow("eleven") << 11;
        QTest::newRow("minus one") << -1;
    }

    void showEntryRange()
    {
        QFETCH(int, k);
        const QList<QWidget *> stackBefore = m_window->drawingList();
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, m_window->ShowEntry(k));
        QCOMPARE(m_window->drawingList(), stackBefore);
        QCOMPARE(currentTitle(*m_window)->caption(), titleOf(1));
    }
};

FORMS_TEST_MAIN(GalleryNavigationTest)
#include "GalleryNavigationTest.moc"
