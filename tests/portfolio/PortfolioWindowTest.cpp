// The portfolio window as built from its description: the first opening's state, the controls'
// places, fonts, texts and pictures, the Persian captions code unit for code unit, keeping the
// state across openings, and resizing.

#include "BrightBounds.h"
#include "FormsTestMain.h"
#include "PortfolioEntries.h"
#include "TForm3.h"
#include "forms/Bevel.h"
#include "forms/EditBox.h"
#include "forms/PictureButton.h"

#include <QPainter>
#include <QTimer>

#include <functional>
#include <memory>

namespace {

// The family a control's font names when its form asks for `requested`: the stand-in registered
// with Qt when this system lacks `requested` (as Qt's substitution table spells it, in lower case),
// otherwise `requested`.
QString familyShownFor(const QString &requested)
{
    return QFont::substitute(requested);
}

// The 42 controls in creation order, which is also the initial stacking order.
const QStringList designedCreationOrder{
    "Image2",     "TntLabel1",  "TntLabel3",  "Image1",     "TntLabel12", "TntLabel13",
    "Bevel1",     "Image3",     "TntLabel16", "TntLabel17", "Image4",     "Image5",
    "Image6",     "Image7",     "Image8",     "Image9",     "Image10",    "Image11",
    "TntLabel14", "TntLabel18", "TntLabel19", "TntLabel20", "TntLabel21", "TntLabel22",
    "TntLabel23", "TntLabel24", "TntLabel25", "TntLabel26", "TntLabel27", "TntLabel28",
    "TntLabel29", "TntLabel30", "TntLabel31", "TntLabel32", "Image12",    "Image13",
    "Label1",     "Label2",     "Label3",     "BitBtn1",    "BitBtn2",    "Edit1"};

QStringList namesOf(const QList<QWidget *> &controls)
{
    QStringList names;
    for (const QWidget *control : controls)
        names.append(control->objectName());
    return names;
}

// "0637 0631 ...": the UTF-16 code units of `text`, for comparisons that show them.
QString codeUnits(const QString &text)
{
    QStringList units;
    for (const QChar unit : text)
        units.append(QStringLiteral("%1").arg(unit.unicode(), 4, 16, QLatin1Char('0')).toUpper());
    return units.join(' ');
}

// The ink of `label`'s caption drawn by the label, and drawn freely with the same font, both in
// white on black. They match when the label cuts nothing off.
QSize inkInLabel(forms::Label &label)
{
    QImage shown(label.size(), QImage::Format_RGB32);
    shown.fill(Qt::black);
    label.render(&shown, QPoint(), QRegion(), QWidget::RenderFlags());
    return brightBounds(shown).size();
}

QSize inkUnclipped(const forms::Label &label)
{
    const QFontMetrics metrics(label.font());
    QImage free(label.width() + 4 * metrics.height(), 4 * metrics.height(), QImage::Format_RGB32);
    free.fill(Qt::black);
    QPainter painter(&free);
    painter.setFont(label.font());
    painter.setPen(Qt::white);
    painter.drawText(QPoint(2 * metrics.height(), 2 * metrics.height()), label.caption());
    painter.end();
    return brightBounds(free).size();
}

// True when `label` draws all of its caption's ink, within a pixel of antialiasing.
bool showsWholeCaption(forms::Label &label)
{
    const QSize drawn = inkInLabel(label);
    const QSize free = inkUnclipped(label);
    if (qAbs(drawn.height() - free.height()) <= 1 && qAbs(drawn.width() - free.width()) <= 1)
        return true;
    qWarning("%s: ink %d x %d in the label, %d x %d unclipped", qPrintable(label.objectName()),
             drawn.width(), drawn.height(), free.width(), free.height());
    return false;
}

QRect gridPlaceOf(int k)
{
    return {expectedEntry(k).gridPlace, QSize(49, 41)};
}

// Runs `whileOpen` once the window is shown modally, then closes it with its close command,
// and returns when the modal showing has ended. Fails (and closes) after five seconds.
void showModalWhile(TForm3 &window, const std::function<void()> &whileOpen)
{
    bool ranWhileOpen = false;
    QTimer::singleShot(0, &window, [&] {
        ranWhileOpen = window.isVisible();
        whileOpen();
        QTimer::singleShot(0, &window, [&window] { window.close(); });
    });
    QTimer safety;
    safety.setSingleShot(true);
    QObject::connect(&safety, &QTimer::timeout, &window, [&window] { window.hide(); });
    safety.start(5000);
    window.showModal();
    QVERIFY2(safety.isActive(), "the modal showing did not end when the window was closed");
    QVERIFY(ranWhileOpen);
    QVERIFY(window.isHidden());
}

} // namespace

class PortfolioWindowTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TForm3> m_window;

    template <typename Control> Control *control(const char *name) const
    {
        return controlOf<Control>(*m_window, name);
    }

private slots:
    void init()
    {
        m_window = std::make_unique<TForm3>();
        // What the first showing does first: a hidden window's labels size themselves to their
        // captions only when it is polished (see forms::Label).
        m_window->ensurePolished();
    }
    void cleanup() { m_window.reset(); }

    void window()
    {
        QCOMPARE(m_window->windowTitle(), QStringLiteral("Resume"));
        QCOMPARE(m_window->size(), QSize(590, 391));
        QCOMPARE(m_window->pos(), QPoint(360, 251));
        QCOMPARE(m_window->borderStyle(), forms::Form::BorderStyle::Sizeable);
        QVERIFY(m_window->minimumSize() != m_window->maximumSize());
        const Qt::WindowFlags flags = m_window->windowFlags();
        QVERIFY(flags.testFlag(Qt::WindowSystemMenuHint));
        QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
        QVERIFY(!flags.testFlag(Qt::WindowMinimizeButtonHint));
        QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
        QCOMPARE(m_window->palette().color(QPalette::Window),
                 m_window->palette().color(QPalette::Button));
        QCOMPARE(m_window->font().family().toLower(), familyShownFor("MS Sans Serif").toLower());
        QCOMPARE(m_window->font().pixelSize(), 11);
        // Created hidden.
        QVERIFY(m_window->isHidden());
    }

    void creationOrder()
    {
        QList<QWidget *> children;
        for (QObject *child : m_window->children()) {
            if (child->isWidgetType())
                children.append(static_cast<QWidget *>(child));
        }
        QCOMPARE(namesOf(children), designedCreationOrder);
        QStringList drawn = designedCreationOrder;
        drawn.removeAll("BitBtn1");
        drawn.removeAll("BitBtn2");
        drawn.removeAll("Edit1");
        QCOMPARE(namesOf(m_window->drawingList()), drawn);
    }

    void firstOpening()
    {
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));

        for (int k = 1; k <= TForm3::entryCount; ++k) {
            const forms::PictureBox *thumbnail = thumbnailOf(*m_window, k);
            QCOMPARE(thumbnail->geometry(), gridPlaceOf(k));
            QVERIFY(thumbnail->isVisible());
            QVERIFY(thumbnail->stretch());
            QCOMPARE(thumbnail->pictureFile(),
                     QStringLiteral(":/portfolio/entry-%1.jpg").arg(k, 2, 10, QLatin1Char('0')));
            QVERIFY(!thumbnail->picture().isNull());
            QCOMPARE(
                thumbnail->accessibleName(),
                QString::fromUtf16(expectedEntry(k).subtitle).remove('(').remove(')').trimmed());
            QVERIFY(control<forms::Label>(expectedEntry(k).titleLabel)->isVisible());
            QVERIFY(control<forms::Label>(expectedEntry(k).subtitleLabel)->isVisible());
        }
        const auto *index = control<forms::EditBox>("Edit1");
        QCOMPARE(index->text(), QStringLiteral("0"));
        QVERIFY(!index->isVisible());
        QVERIFY(index->isReadOnly());
        QCOMPARE(index->geometry(), QRect(16, 336, 33, 21));
        QCOMPARE(currentTitle(*m_window)->caption(), QString::fromUtf16(expectedEntry(1).title));
        QCOMPARE(currentSubtitle(*m_window)->caption(),
                 QString::fromUtf16(expectedEntry(1).subtitle));
        // Nothing enlarged: the labels of the last column lie on top, as created.
        QCOMPARE(m_window->drawingList().constLast()->objectName(), QStringLiteral("Label3"));
    }

    // Every Unicode caption, compared as UTF-16 code units: Arabic yeh U+064A (Farsi yeh U+06CC
    // only at the end of entry 10's title), keheh U+06A9, trailing and double spaces kept.
    void persianCaptions_data()
    {
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("expected");
        for (int k = 1; k <= TForm3::entryCount; ++k) {
            const ExpectedEntry &entry = expectedEntry(k);
            QTest::addRow("entry %d title %s", k, entry.titleLabel)
                << entry.titleLabel << QString::fromUtf16(entry.title);
            QTest::addRow("entry %d subtitle %s", k, entry.subtitleLabel)
                << entry.subtitleLabel << QString::fromUtf16(entry.subtitle);
        }
        QTest::newRow("current title") << "TntLabel1" << QString::fromUtf16(expectedEntry(1).title);
        QTest::newRow("current subtitle")
            << "TntLabel3" << QString::fromUtf16(expectedEntry(1).subtitle);
    }

    void persianCaptions()
    {
        QFETCH(QString, label);
        QFETCH(QString, expected);
        const QString caption = control<forms::Label>(qPrintable(label))->caption();
        QCOMPARE(codeUnits(caption), codeUnits(expected));
        QCOMPARE(caption, expected);
    }

    void copiedCaptionsKeepTheirCodeUnits()
    {
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
        QTest::mouseClick(thumbnailOf(*m_window, 8), Qt::LeftButton);
        QCOMPARE(currentTitle(*m_window)->caption(),
                 QString::fromUtf16(u"\u062A\u062F\u0631\u064A\u0633  "
                                    u"\u0631\u0648\u0627\u0646\u06A9\u0627\u0631\u064A "));
        QTest::mouseClick(thumbnailOf(*m_window, 9), Qt::LeftButton);
        QCOMPARE(currentSubtitle(*m_window)->caption(), QStringLiteral("VT_RTi_UT_MT"));
        QTest::mouseClick(thumbnailOf(*m_window, 10), Qt::LeftButton);
        QCOMPARE(codeUnits(currentTitle(*m_window)->caption().right(1)), QStringLiteral("06CC"));
        // Resized to the copied captions, the current labels still show them whole.
        QVERIFY(showsWholeCaption(*currentTitle(*m_window)));
        QVERIFY(showsWholeCaption(*currentSubtitle(*m_window)));
    }

    void labels_data()
    {
        QTest::addColumn<QString>("label");
        QTest::addColumn<QPoint>("place");
        QTest::addColumn<QString>("family");
        QTest::addColumn<int>("pixels");
        QTest::addColumn<bool>("bold");
        QTest::addColumn<bool>("rightToLeft");

        QTest::newRow("TntLabel1")
            << "TntLabel1" << QPoint(460, 12) << "Titr" << 16 << true << false;
        QTest::newRow("TntLabel3")
            << "TntLabel3" << QPoint(463, 48) << "Tahoma" << 11 << true << false;
        const QPoint titlePlaces[] = {{64, 8},  {62, 64},  {72, 120},  {80, 176},  {80, 232},
                                      {264, 8}, {264, 64}, {272, 120}, {272, 184}, {272, 232}};
        const QPoint subtitlePlaces[] = {{64, 31},  {62, 89},  {72, 144},  {80, 198},  {80, 256},
                                         {264, 32}, {264, 88}, {272, 140}, {272, 204}, {272, 256}};
        for (int k = 1; k <= TForm3::entryCount; ++k) {
            const ExpectedEntry &entry = expectedEntry(k);
            const auto at = static_cast<std::size_t>(k - 1);
            QTest::newRow(entry.titleLabel)
                << entry.titleLabel << titlePlaces[at] << "Titr" << 11 << true << (k == 2);
            QTest::newRow(entry.subtitleLabel)
                << entry.subtitleLabel << subtitlePlaces[at] << "Tahoma" << 11 << true << (k == 2);
        }
        QTest::newRow("Label1") << "Label1" << QPoint(68, 324) << "MS Sans Serif" << 11 << false
                                << false;
        QTest::newRow("Label2") << "Label2" << QPoint(442, 301) << "MS Sans Serif" << 11 << false
                                << false;
        QTest::newRow("Label3") << "Label3" << QPoint(510, 323) << "MS Sans Serif" << 11 << false
                                << false;
    }

    void labels()
    {
        QFETCH(QString, label);
        QFETCH(QPoint, place);
        QFETCH(QString, family);
        QFETCH(int, pixels);
        QFETCH(bool, bold);
        QFETCH(bool, rightToLeft);

        auto *shown = control<forms::Label>(qPrintable(label));
        QCOMPARE(shown->pos(), place);
        QCOMPARE(shown->font().family().toLower(), familyShownFor(family).toLower());
        QCOMPARE(shown->font().pixelSize(), pixels);
        QCOMPARE(shown->font().bold(), bold);
        QCOMPARE(shown->rightToLeft(), rightToLeft);
        QVERIFY(shown->transparent());
        QCOMPARE(shown->fontColor(), QColor(Qt::white));
        QVERIFY(!shown->caption().isEmpty());
        // Nothing of the caption is cut off: descenders (reh, waw, yeh) included.
        QVERIFY2(showsWholeCaption(*shown), qPrintable(label));
    }

    // The texts left to this window: a Latin address line, a Persian credit line, a Latin role.
    void contactLabels()
    {
        const QString address = control<forms::Label>("Label1")->caption();
        const QString credit = control<forms::Label>("Label2")->caption();
        const QString role = control<forms::Label>("Label3")->caption();
        for (const QChar character : address + role)
            QVERIFY(character.unicode() < 0x80);
        QVERIFY(address.contains(QStringLiteral("Tel:")));
        QVERIFY(role.startsWith('(') && role.endsWith(')'));
        QVERIFY(credit.contains(QChar(0x0637)));
        QVERIFY(qAbs(control<forms::Label>("Label2")->width() - 138) <= 20);
    }

    // The layout that the gallery relies on, with the fonts this system substitutes: no label
    // overlaps a thumbnail, the viewing area covers the grid and none of the fixed controls,
    // and nothing sticks out of the client area.
    void layoutFacts()
    {
        QList<QWidget *> grid;
        for (int k = 1; k <= TForm3::entryCount; ++k) {
            const ExpectedEntry &entry = expectedEntry(k);
            grid << thumbnailOf(*m_window, k) << control<forms::Label>(entry.titleLabel)
                 << control<forms::Label>(entry.subtitleLabel);
        }
        for (const QWidget *item : grid) {
            QVERIFY2(TForm3::viewingArea.contains(item->geometry()),
                     qPrintable(item->objectName()));
            if (qobject_cast<const forms::Label *>(item) == nullptr)
                continue;
            for (int k = 1; k <= TForm3::entryCount; ++k)
                QVERIFY2(!item->geometry().intersects(thumbnailOf(*m_window, k)->geometry()),
                         qPrintable(item->objectName() + " overlaps " +
                                    thumbnailOf(*m_window, k)->objectName()));
        }
        for (const char *name : {"TntLabel1", "TntLabel3", "Bevel1", "Image13", "BitBtn1",
                                 "BitBtn2", "Label1", "Label2", "Label3", "Image12"}) {
            const QRect bounds = control<QWidget>(name)->geometry();
            QVERIFY2(!bounds.intersects(TForm3::viewingArea), name);
            QVERIFY2(m_window->rect().contains(bounds), name);
        }
    }

    void fixedControls()
    {
        const auto *background = control<forms::PictureBox>("Image2");
        QCOMPARE(background->geometry(), QRect(0, 0, 590, 391));
        QCOMPARE(background->pictureFile(), QStringLiteral(":/portfolio/background.jpg"));
        QVERIFY(!background->stretch());

        const auto *banner = control<forms::PictureBox>("Image12");
        QCOMPARE(banner->geometry(), QRect(61, 342, 509, 46));
        QCOMPARE(banner->picture().size(), QSize(509, 50)); // its bottom 4 rows are cut
        QVERIFY(!banner->stretch());
        QVERIFY(banner->transparent());

        const auto *industries = control<forms::PictureBox>("Image13");
        QCOMPARE(industries->geometry(), QRect(472, 88, 112, 182));
        QCOMPARE(industries->picture().size(), QSize(112, 182));
        QVERIFY(!industries->stretch());
        QVERIFY(industries->transparent());

        const auto *bevel = control<forms::Bevel>("Bevel1");
        QCOMPARE(bevel->geometry(), QRect(454, 78, 114, 7));
        QCOMPARE(bevel->shape(), forms::Bevel::TopLine);
        QCOMPARE(bevel->bevelStyle(), forms::Bevel::Raised);
    }

    void buttons_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QRect>("bounds");
        QTest::addColumn<QString>("glyph");
        QTest::addColumn<QString>("accessibleName");
        QTest::newRow("next") << "BitBtn1" << QRect(442, 99, 41, 49) << ":/portfolio/arrow-up.bmp"
                              << "Next entry";
        QTest::newRow("previous") << "BitBtn2" << QRect(442, 158, 41, 49)
                                  << ":/portfolio/arrow-down.bmp"
                                  << "Previous entry";
    }

    void buttons()
    {
        QFETCH(QString, button);
        QFETCH(QRect, bounds);
        QFETCH(QString, glyph);
        QFETCH(QString, accessibleName);
        const auto *shown = control<forms::PictureButton>(qPrintable(button));
        QCOMPARE(shown->geometry(), bounds);
        QCOMPARE(shown->text(), QStringLiteral(" "));
        QCOMPARE(shown->glyphFile(), glyph);
        QCOMPARE(shown->glyph().size(), QSize(38, 39));
        QCOMPARE(shown->glyphSpacing(), 0);
        QCOMPARE(shown->accessibleName(), accessibleName);
        QVERIFY(!shown->isDefault() && !shown->autoDefault());
    }

    // Closing only hides the window; the next opening shows it as it was left.
    void closeAndReopenKeepsTheEntry()
    {
        showModalWhile(*m_window,
                       [this] { QTest::mouseClick(thumbnailOf(*m_window, 6), Qt::LeftButton); });
        QList<QWidget *> stackSeen;
        QString indexSeen;
        QString titleSeen;
        QString subtitleSeen;
        QRect boundsSeen;
        showModalWhile(*m_window, [&] {
            stackSeen = m_window->drawingList();
            indexSeen = control<forms::EditBox>("Edit1")->text();
            titleSeen = currentTitle(*m_window)->caption();
            subtitleSeen = currentSubtitle(*m_window)->caption();
            boundsSeen = thumbnailOf(*m_window, 6)->geometry();
        });
        QCOMPARE(indexSeen, QStringLiteral("6"));
        QCOMPARE(stackSeen.constLast(), thumbnailOf(*m_window, 6));
        QCOMPARE(boundsSeen, TForm3::viewingArea);
        QCOMPARE(titleSeen, QString::fromUtf16(expectedEntry(6).title));
        QCOMPARE(subtitleSeen, QString::fromUtf16(expectedEntry(6).subtitle));
    }

    // The background box follows the client area; its picture stays unscaled at the top-left
    // corner, beyond it the window colour shows, and every other control stays where it was.
    void resizing_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::newRow("larger than the picture") << QSize(800, 560);
        QTest::newRow("smaller than the design") << QSize(420, 300);
    }

    void resizing()
    {
        QFETCH(QSize, size);
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
        QMap<QString, QRect> before;
        for (QWidget *child : m_window->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
            before.insert(child->objectName(), child->geometry());

        m_window->resize(size);

        const auto *background = control<forms::PictureBox>("Image2");
        QTRY_COMPARE(background->geometry(), QRect(QPoint(0, 0), size));
        for (QWidget *child : m_window->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
            if (child != background)
                QCOMPARE(child->geometry(), before.value(child->objectName()));
        }

        const QImage shown = m_window->grab().toImage();
        const QImage picture = background->picture();
        QCOMPARE(picture.size(), QSize(684, 459));
        // Points covered by the background alone.
        for (const QPoint point : {QPoint(2, 330), QPoint(590, 30), QPoint(650, 430)}) {
            if (point.x() < size.width() && point.y() < size.height())
                QCOMPARE(shown.pixelColor(point).rgb(), picture.pixelColor(point).rgb());
        }
        if (size.width() > picture.width() && size.height() > picture.height()) {
            const QColor face = m_window->palette().color(QPalette::Button);
            QCOMPARE(shown.pixelColor(picture.width() + 5, 10), face);
            QCOMPARE(shown.pixelColor(10, picture.height() + 5), face);
            QCOMPARE(shown.pixelColor(size.width() - 1, size.height() - 1), face);
        }
    }
};

FORMS_TEST_MAIN(PortfolioWindowTest)
#include "PortfolioWindowTest.moc"
