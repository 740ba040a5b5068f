// Both windows on a high-density screen (device pixel ratio 2, offscreen), on the program's own
// start-up: the layout keeps its logical pixels at twice the size, text is drawn at the screen's
// resolution rather than enlarged, captions still fit their labels, and the keyed grounds of
// pictures and glyphs stay undrawn.
//
// Pictures have fixed pixel sizes, so at ratio 2 they are enlarged and may look soft; the checks
// of keyed pictures hold whether they are enlarged smoothly or not.
//
// Set TUBE_WEIGHT_SCREENSHOTS to a folder to keep the grabs of both windows as PNG files there.

#include "StartUpTestMain.h"
#include "TForm1.h"
#include "TForm3.h"
#include "WindowControls.h"
#include "forms/Application.h"
#include "forms/Label.h"
#include "forms/PictureBox.h"
#include "forms/PictureButton.h"
#include "forms/Pictures.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

#include <functional>

namespace {

constexpr int ratio = 2;

using window_test::window;

template <typename Control = QWidget>
Control *control(const QString &windowName, const QString &controlName)
{
    auto *found = window(windowName)->findChild<Control *>(controlName, Qt::FindDirectChildrenOnly);
    if (found == nullptr)
        qFatal("no control %s in %s", qPrintable(controlName), qPrintable(windowName));
    return found;
}

// The window's client rectangle and each control's rectangle as a window description (.ui)
// designs them, in logical pixels.
struct Design
{
    QRect client;
    QList<std::pair<QString, QRect>> controls;
};

QRect readRect(QXmlStreamReader &xml)
{
    QRect rect;
    while (xml.readNextStartElement()) {
        const QStringView field = xml.name();
        const int value = xml.readElementText().toInt();
        if (field == u"x")
            rect.moveLeft(value);
        else if (field == u"y")
            rect.moveTop(value);
        else if (field == u"width")
            rect.setWidth(value);
        else if (field == u"height")
            rect.setHeight(value);
    }
    return rect;
}

Design readDesign(const QString &uiPath)
{
    QFile file(uiPath);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot read %s", qPrintable(uiPath));
    QXmlStreamReader xml(&file);
    Design design;
    QStringList widgets; // the <widget> elements open around the current element
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isEndElement() && xml.name() == u"widget") {
            widgets.removeLast();
        } else if (xml.isStartElement() && xml.name() == u"widget") {
            widgets.append(xml.attributes().value(QLatin1String("name")).toString());
        } else if (xml.isStartElement() && xml.name() == u"property" &&
                   xml.attributes().value(QLatin1String("name")) == u"geometry") {
            xml.readNextStartElement(); // <rect>
            const QRect rect = readRect(xml);
            if (widgets.size() == 1)
                design.client = rect;
            else if (widgets.size() == 2)
                design.controls.append({widgets.last(), rect});
        }
    }
    if (xml.hasError())
        qFatal("%s: %s", qPrintable(uiPath), qPrintable(xml.errorString()));
    return design;
}

// How much ink each device pixel of `control` holds from its caption, 0 to 255, drawn at
// `pixelRatio`: the difference between the control drawn with white and with black text.
// Everything but the caption is drawn the same both times and cancels out.
QImage captionInk(QWidget &control, const std::function<void(const QColor &)> &setTextColour,
                  const QColor &restoredColour, qreal pixelRatio)
{
    const auto drawn = [&](const QColor &colour) {
        setTextColour(colour);
        QImage image(control.size() * pixelRatio, QImage::Format_RGB32);
        image.setDevicePixelRatio(pixelRatio);
        image.fill(Qt::gray);
        control.render(&image);
        return image;
    };
    const QImage white = drawn(Qt::white);
    const QImage black = drawn(Qt::black);
    setTextColour(restoredColour);
    QImage ink(white.size(), QImage::Format_Grayscale8);
    for (int y = 0; y < ink.height(); ++y) {
        for (int x = 0; x < ink.width(); ++x) {
            const int difference = qGray(white.pixel(x, y)) - qGray(black.pixel(x, y));
            ink.scanLine(y)[x] = static_cast<uchar>(qBound(0, difference, 255));
        }
    }
    return ink;
}

QImage captionInk(QWidget &control, qreal pixelRatio)
{
    if (auto *label = qobject_cast<forms::Label *>(&control)) {
        return captionInk(
            control, [label](const QColor &colour) { label->setFontColor(colour); },
            label->fontColor(), pixelRatio);
    }
    auto *button = qobject_cast<forms::PictureButton *>(&control);
    if (button == nullptr)
        qFatal("%s has no caption", qPrintable(control.objectName()));
    return captionInk(
        control, [button](const QColor &colour) { button->setFontColor(colour); },
        button->fontColor(), pixelRatio);
}

QRect inkBounds(const QImage &ink)
{
    QRect bounds;
    for (int y = 0; y < ink.height(); ++y)
        for (int x = 0; x < ink.width(); ++x)
            if (ink.constScanLine(y)[x] != 0)
                bounds |= QRect(x, y, 1, 1);
    return bounds;
}

qint64 inkTotal(const QImage &ink)
{
    qint64 total = 0;
    for (int y = 0; y < ink.height(); ++y)
        for (int x = 0; x < ink.width(); ++x)
            total += ink.constScanLine(y)[x];
    return total;
}

// Of the ratio-by-ratio blocks of device pixels that hold ink, the share whose pixels are not
// all alike. A caption drawn at one pixel per logical pixel and enlarged has none.
double shareOfDetailedBlocks(const QImage &ink)
{
    int inked = 0;
    int detailed = 0;
    for (int y = 0; y + ratio <= ink.height(); y += ratio) {
        for (int x = 0; x + ratio <= ink.width(); x += ratio) {
            int lowest = 255;
            int highest = 0;
            for (int dy = 0; dy < ratio; ++dy) {
                for (int dx = 0; dx < ratio; ++dx) {
                    const int value = ink.constScanLine(y + dy)[x + dx];
                    lowest = qMin(lowest, value);
                    highest = qMax(highest, value);
                }
            }
            if (highest == 0)
                continue;
            ++inked;
            if (highest != lowest)
                ++detailed;
        }
    }
    return inked == 0 ? 0.0 : static_cast<double>(detailed) / inked;
}

// How many device pixels of its caption's ink `label` cuts off at its right and bottom edges,
// drawn at `pixelRatio`: the size of its ink compared with that of the same label given room to
// spare to the right and below.
QSize inkLostToTheEdges(forms::Label &label, qreal pixelRatio)
{
    const QSize fitted = label.size();
    const QSize ink = inkBounds(captionInk(label, pixelRatio)).size();
    label.resize(fitted + QSize(40, 40));
    const QSize roomyInk = inkBounds(captionInk(label, pixelRatio)).size();
    label.resize(fitted);
    return roomyInk - ink;
}

bool sameColour(QRgb a, QRgb b)
{
    return qRed(a) == qRed(b) && qGreen(a) == qGreen(b) && qBlue(a) == qBlue(b);
}

} // namespace

class HighDensityTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        window_test::showBothWindows();
        if (QTest::currentTestFailed())
            return;
        QCOMPARE(Form1->devicePixelRatio(), qreal(ratio));
        QCOMPARE(Form3->devicePixelRatio(), qreal(ratio));
    }

    void cleanupTestCase() { Form3->close(); }

    void layoutKeepsItsLogicalPixels_data()
    {
        QTest::addColumn<QString>("windowName");
        QTest::addColumn<QString>("uiPath");
        QTest::addColumn<QSize>("clientSize");
        QTest::addColumn<QPoint>("designedPosition");
        QTest::newRow("calculator window")
            << "TForm1" << TUBE_WEIGHT_CALCULATOR_UI << QSize(387, 501) << TForm1::designedPosition;
        QTest::newRow("portfolio window")
            << "TForm3" << TUBE_WEIGHT_PORTFOLIO_UI << QSize(590, 391) << TForm3::designedPosition;
    }

    // Every control keeps its designed place in logical pixels (labels size themselves to their
    // captions, so only their top-left corner is designed); the grab has twice the pixels.
    void layoutKeepsItsLogicalPixels()
    {
        QFETCH(QString, windowName);
        QFETCH(QString, uiPath);
        QFETCH(QSize, clientSize);
        QFETCH(QPoint, designedPosition);
        forms::Form *form = window(windowName);
        const Design design = readDesign(uiPath);

        QCOMPARE(design.client.size(), clientSize);
        QCOMPARE(form->size(), clientSize);
        QCOMPARE(form->pos(), designedPosition);
        QCOMPARE(design.controls.size(),
                 form->findChildren<QWidget *>(Qt::FindDirectChildrenOnly).size());
        for (const auto &[name, designed] : design.controls) {
            const QWidget *placed = control(windowName, name);
            if (qobject_cast<const forms::Label *>(placed) != nullptr)
                QVERIFY2(placed->pos() == designed.topLeft(), qPrintable(name));
            else
                QVERIFY2(placed->geometry() == designed, qPrintable(name));
        }

        const QPixmap shot = form->grab();
        QCOMPARE(shot.devicePixelRatio(), qreal(ratio));
        QCOMPARE(shot.size(), clientSize * ratio);
        if (const QString folder = qEnvironmentVariable("TUBE_WEIGHT_SCREENSHOTS");
            !folder.isEmpty()) {
            QVERIFY(shot.save(QDir(folder).filePath(windowName + QStringLiteral("@2x.png"))));
        }
    }

    void textIsDrawnAtTheScreenResolution_data()
    {
        QTest::addColumn<QString>("windowName");
        QTest::addColumn<QString>("controlName");
        const char *const rows[][3] = {
            {"L over the drawing", "TForm1", "Label8"},
            {"Profile caption label", "TForm1", "Label2"},
            {"Calc. button caption", "TForm1", "BitBtn1"},
            {"KORVEL button caption", "TForm1", "BitBtn2"},
            {"Persian current title", "TForm3", "TntLabel1"},
            {"English current subtitle", "TForm3", "TntLabel3"},
            {"Persian credit line", "TForm3", "Label2"},
            {"address line", "TForm3", "Label1"},
        };
        for (const auto &[rowName, windowName, controlName] : rows)
            QTest::newRow(rowName) << windowName << controlName;
    }

    // The caption drawn at ratio 2 has detail finer than a logical pixel (an enlarged caption
    // has none) and is as large as at ratio 1: four times the ink, give or take the edges.
    void textIsDrawnAtTheScreenResolution()
    {
        QFETCH(QString, windowName);
        QFETCH(QString, controlName);
        QWidget *captioned = control(windowName, controlName);
        const QImage fine = captionInk(*captioned, ratio);
        const QImage coarse = captionInk(*captioned, 1);
        QVERIFY(inkTotal(coarse) > 0);
        QVERIFY2(shareOfDetailedBlocks(fine) > 0.3, "the caption is enlarged, not drawn finely");
        const double inkGrowth = double(inkTotal(fine)) / double(inkTotal(coarse));
        QVERIFY2(inkGrowth > 3.0 && inkGrowth < 5.0, qPrintable(QString::number(inkGrowth)));
    }

    void captionsFitTheirLabels_data()
    {
        QTest::addColumn<QString>("windowName");
        QTest::newRow("calculator window") << "TForm1";
        QTest::newRow("portfolio window") << "TForm3";
    }

    // Labels size themselves with logical font metrics; at ratio 2 the glyphs come from a font
    // twice the size. No caption loses more of its ink at ratio 2 than at ratio 1 (one device
    // pixel of rounding allowed), nor more than a logical pixel.
    void captionsFitTheirLabels()
    {
        QFETCH(QString, windowName);
        QStringList cutMoreThanAtRatio1;
        QStringList cutByMoreThanALogicalPixel;
        QStringList cut;
        for (forms::Label *label :
             window(windowName)->findChildren<forms::Label *>(Qt::FindDirectChildrenOnly)) {
            const QSize lost = inkLostToTheEdges(*label, ratio);
            const QSize lostAtRatio1 = inkLostToTheEdges(*label, 1);
            const QString report = QStringLiteral("%1 \"%2\" %3x%4 device pixels")
                                       .arg(label->objectName(), label->caption())
                                       .arg(lost.width())
                                       .arg(lost.height());
            if (lost.width() > ratio * lostAtRatio1.width() + 1 ||
                lost.height() > ratio * lostAtRatio1.height() + 1)
                cutMoreThanAtRatio1.append(report);
            if (lost.width() > ratio || lost.height() > ratio)
                cutByMoreThanALogicalPixel.append(report);
            if (!lost.isNull())
                cut.append(report);
        }
        QVERIFY2(cutMoreThanAtRatio1.isEmpty(), qPrintable(cutMoreThanAtRatio1.join(", ")));
        QVERIFY2(cutByMoreThanALogicalPixel.isEmpty(),
                 qPrintable(cutByMoreThanALogicalPixel.join(", ")));
        // Less than that shows as a faint edge at most; listed for whoever looks.
        if (!cut.isEmpty())
            qInfo("cut at ratio %d: %s", ratio, qPrintable(cut.join(", ")));
    }

    void keyedPicturesShowWhatLiesBeneath_data()
    {
        QTest::addColumn<QString>("windowName");
        QTest::addColumn<QString>("pictureName");
        const char *const rows[][3] = {
            {"square shape, navy key", "TForm1", "Image1"},
            {"rectangular shape, brown key", "TForm1", "Image2"},
            {"round shape, red key", "TForm1", "Image3"},
            {"logo, white key", "TForm1", "Image10"},
            {"company name, cyan key", "TForm1", "Image11"},
            {"contact banner, navy key", "TForm3", "Image12"},
            {"industries, navy key", "TForm3", "Image13"},
        };
        for (const auto &[rowName, windowName, controlName] : rows)
            QTest::newRow(rowName) << windowName << controlName;
    }

    // The window grabbed with the picture hidden and shown: wherever the picture has its ground
    // colour all around, the device pixels are exactly those beneath; the ground colour itself
    // appears nowhere the picture changed; and the rest of the picture is drawn.
    void keyedPicturesShowWhatLiesBeneath()
    {
        QFETCH(QString, windowName);
        QFETCH(QString, pictureName);
        auto *picture = control<forms::PictureBox>(windowName, pictureName);
        QVERIFY(picture->transparent());
        const QImage bitmap = picture->picture().convertToFormat(QImage::Format_RGB32);
        const QRgb ground = bitmap.pixel(0, bitmap.height() - 1);
        const auto isGround = [&](int x, int y) {
            return x < 0 || y < 0 || x >= bitmap.width() || y >= bitmap.height() ||
                   sameColour(bitmap.pixel(x, y), ground);
        };

        QWidget *form = picture->window();
        picture->hide();
        const QImage beneath = form->grab().toImage();
        picture->show();
        const QImage shown = form->grab().toImage();
        QCOMPARE(shown.size(), form->size() * ratio);

        const QRect visible = QRect(QPoint(), bitmap.size()) & QRect(QPoint(), picture->size());
        int groundPixelsInside = 0;
        int inkPixels = 0;
        int groundNotSeeThrough = 0;
        int groundColourShown = 0;
        int changedDevicePixels = 0;
        for (int y = visible.top(); y <= visible.bottom(); ++y) {
            for (int x = visible.left(); x <= visible.right(); ++x) {
                bool groundAllAround = true;
                for (int dy = -1; dy <= 1; ++dy)
                    for (int dx = -1; dx <= 1; ++dx)
                        groundAllAround = groundAllAround && isGround(x + dx, y + dy);
                groundPixelsInside += groundAllAround ? 1 : 0;
                inkPixels += isGround(x, y) ? 0 : 1;
                const QPoint topLeft = (picture->pos() + QPoint(x, y)) * ratio;
                for (int dy = 0; dy < ratio; ++dy) {
                    for (int dx = 0; dx < ratio; ++dx) {
                        const QPoint device = topLeft + QPoint(dx, dy);
                        const QRgb now = shown.pixel(device);
                        const QRgb before = beneath.pixel(device);
                        if (sameColour(now, before))
                            continue;
                        ++changedDevicePixels;
                        groundNotSeeThrough += groundAllAround ? 1 : 0;
                        groundColourShown += sameColour(now, ground) ? 1 : 0;
                    }
                }
            }
        }
        QVERIFY(groundPixelsInside > 0);
        QCOMPARE(groundNotSeeThrough, 0);
        QCOMPARE(groundColourShown, 0);
        QVERIFY2(changedDevicePixels >= 3 * inkPixels,
                 qPrintable(QStringLiteral("%1 device pixels changed for %2 picture pixels")
                                .arg(changedDevicePixels)
                                .arg(inkPixels)));
    }

    void keyedGlyphsShowTheButtonFace_data()
    {
        QTest::addColumn<QString>("windowName");
        QTest::addColumn<QString>("buttonName");
        const char *const rows[][3] = {
            {"Calc.", "TForm1", "BitBtn1"},
            {"KORVEL", "TForm1", "BitBtn2"},
            {"next entry", "TForm3", "BitBtn1"},
            {"previous entry", "TForm3", "BitBtn2"},
        };
        for (const auto &[rowName, windowName, controlName] : rows)
            QTest::newRow(rowName) << windowName << controlName;
    }

    // The button grabbed with its glyph and with a glyph of the same size that is all ground:
    // no device pixel that the glyph changed has the ground colour (the white corners), and the
    // rest of the glyph is drawn.
    void keyedGlyphsShowTheButtonFace()
    {
        QFETCH(QString, windowName);
        QFETCH(QString, buttonName);
        auto *button = control<forms::PictureButton>(windowName, buttonName);
        const QString glyphFile = button->glyphFile();
        const QImage glyph =
            forms::loadPicture(glyphFile).image.convertToFormat(QImage::Format_RGB32);
        const QRgb ground = glyph.pixel(0, glyph.height() - 1);
        int inkPixels = 0;
        for (int y = 0; y < glyph.height(); ++y)
            for (int x = 0; x < glyph.width(); ++x)
                inkPixels += sameColour(glyph.pixel(x, y), ground) ? 0 : 1;

        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        const QString bareFile = folder.filePath(QStringLiteral("bare.bmp"));
        QImage bareGlyph(glyph.size(), QImage::Format_RGB32);
        bareGlyph.fill(ground);
        QVERIFY(bareGlyph.save(bareFile, "BMP"));
        button->setGlyphFile(bareFile);
        const QImage bare = button->grab().toImage();
        button->setGlyphFile(glyphFile);
        const QImage shown = button->grab().toImage();
        QCOMPARE(shown.size(), button->size() * ratio);

        int changedDevicePixels = 0;
        int groundColourShown = 0;
        for (int y = 0; y < shown.height(); ++y) {
            for (int x = 0; x < shown.width(); ++x) {
                const QRgb now = shown.pixel(x, y);
                if (sameColour(now, bare.pixel(x, y)))
                    continue;
                ++changedDevicePixels;
                groundColourShown += sameColour(now, ground) ? 1 : 0;
            }
        }
        QCOMPARE(groundColourShown, 0);
        QVERIFY2(changedDevicePixels >= 3 * inkPixels,
                 qPrintable(QStringLiteral("%1 device pixels changed for %2 glyph pixels")
                                .arg(changedDevicePixels)
                                .arg(inkPixels)));
    }
};

int main(int argc, char *argv[])
{
    return window_test::runWithStartUp<HighDensityTest>(argc, argv, [] {
        // A high-density screen: every logical pixel is 2 x 2 device pixels.
        qputenv("QT_SCALE_FACTOR", QByteArray::number(ratio));
    });
}

#include "HighDensityTest.moc"
