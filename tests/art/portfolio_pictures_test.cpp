// The portfolio window's embedded pictures.
//
// Every picture must decode with its own format at its exact pixel size. The bitmaps must be
// uncompressed 24-bit files whose bottom-left pixel is the transparent key (navy or white), with no
// near-key fringe round their figures; the JPEGs must be baseline colour files (the decoders the
// window relies on need no progressive support). A few content checks catch swapped or misdrawn
// files: the banner's text stays in the rows the window shows, the up and down glyphs point the
// right way, the backdrop stays dark under the white labels, and every entry picture still has
// contrast when shrunk to its thumbnail.

#include <QColor>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QTest>

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

const QColor navyKey(0, 0, 128);
const QColor whiteKey(255, 255, 255);

QByteArray resourceBytes(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

unsigned littleEndian(const QByteArray &bytes, int offset, int size)
{
    unsigned value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = (value << 8) | static_cast<unsigned char>(bytes[offset + i]);
    return value;
}

int colourDistance(QRgb a, QRgb b)
{
    return std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) +
           std::abs(qBlue(a) - qBlue(b));
}

double luminance(QRgb colour)
{
    return 0.299 * qRed(colour) + 0.587 * qGreen(colour) + 0.114 * qBlue(colour);
}

bool isKey(const QImage &image, int x, int y, const QColor &key)
{
    return (image.pixel(x, y) & 0xFFFFFFu) == (key.rgb() & 0xFFFFFFu);
}

// The frame markers of a JPEG, read from its bytes up to the first scan.
struct JpegFrame
{
    QList<int> frameMarkers; // SOFn markers seen (0xC0 baseline, 0xC2 progressive, ...)
    int precision = 0;
    int components = 0;
    bool reachedScan = false;
};

JpegFrame readJpegFrame(const QByteArray &bytes)
{
    JpegFrame frame;
    if (bytes.size() < 4 || static_cast<unsigned char>(bytes[0]) != 0xFF ||
        static_cast<unsigned char>(bytes[1]) != 0xD8)
        return frame;
    int offset = 2;
    while (offset + 4 <= bytes.size()) {
        if (static_cast<unsigned char>(bytes[offset]) != 0xFF)
            return frame;
        const int marker = static_cast<unsigned char>(bytes[offset + 1]);
        if (marker == 0xFF) { // fill byte
            ++offset;
            continue;
        }
        if (marker == 0xDA) {
            frame.reachedScan = true;
            return frame;
        }
        const int length = (static_cast<unsigned char>(bytes[offset + 2]) << 8) |
                           static_cast<unsigned char>(bytes[offset + 3]);
        const bool isFrame =
            marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
        if (isFrame && offset + 9 < bytes.size()) {
            frame.frameMarkers.append(marker);
            frame.precision = static_cast<unsigned char>(bytes[offset + 4]);
            frame.components = static_cast<unsigned char>(bytes[offset + 9]);
        }
        offset += 2 + length;
    }
    return frame;
}

void addEveryPicture()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QByteArray>("format");
    QTest::addColumn<QSize>("size");
    QTest::newRow("background") << ":/portfolio/background.jpg" << QByteArray("jpeg")
                                << QSize(684, 459);
    QTest::newRow("entry 1 belt conveyor")
        << ":/portfolio/entry-01.jpg" << QByteArray("jpeg") << QSize(609, 429);
    QTest::newRow("entry 2 screw conveyor")
        << ":/portfolio/entry-02.jpg" << QByteArray("jpeg") << QSize(555, 392);
    QTest::newRow("entry 3 bucket elevator")
        << ":/portfolio/entry-03.jpg" << QByteArray("jpeg") << QSize(552, 389);
    QTest::newRow("entry 4 drag chain")
        << ":/portfolio/entry-04.jpg" << QByteArray("jpeg") << QSize(551, 387);
    QTest::newRow("entry 5 storage bin")
        << ":/portfolio/entry-05.jpg" << QByteArray("jpeg") << QSize(619, 438);
    QTest::newRow("entry 6 ducting")
        << ":/portfolio/entry-06.jpg" << QByteArray("jpeg") << QSize(493, 346);
    QTest::newRow("entry 7 steel structure")
        << ":/portfolio/entry-07.jpg" << QByteArray("jpeg") << QSize(486, 363);
    QTest::newRow("entry 8 training class")
        << ":/portfolio/entry-08.jpg" << QByteArray("jpeg") << QSize(461, 346);
    QTest::newRow("entry 9 plant piping")
        << ":/portfolio/entry-09.jpg" << QByteArray("jpeg") << QSize(471, 353);
    QTest::newRow("entry 10 3D rendering")
        << ":/portfolio/entry-10.jpg" << QByteArray("jpeg") << QSize(971, 665);
    QTest::newRow("contact banner")
        << ":/portfolio/banner.bmp" << QByteArray("bmp") << QSize(509, 50);
    QTest::newRow("industries list")
        << ":/portfolio/industries.bmp" << QByteArray("bmp") << QSize(112, 182);
    QTest::newRow("up arrow glyph")
        << ":/portfolio/arrow-up.bmp" << QByteArray("bmp") << QSize(38, 39);
    QTest::newRow("down arrow glyph")
        << ":/portfolio/arrow-down.bmp" << QByteArray("bmp") << QSize(38, 39);
}

void addKeyedBitmaps()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QColor>("key");
    QTest::newRow("contact banner") << ":/portfolio/banner.bmp" << navyKey;
    QTest::newRow("industries list") << ":/portfolio/industries.bmp" << navyKey;
    QTest::newRow("up arrow glyph") << ":/portfolio/arrow-up.bmp" << whiteKey;
    QTest::newRow("down arrow glyph") << ":/portfolio/arrow-down.bmp" << whiteKey;
}

void addEntryPictures()
{
    QTest::addColumn<QString>("path");
    for (int entry = 1; entry <= 10; ++entry) {
        const QString name = QStringLiteral("entry-%1.jpg").arg(entry, 2, 10, QLatin1Char('0'));
        QTest::newRow(qPrintable(name)) << QStringLiteral(":/portfolio/") + name;
    }
}

} // namespace

class PortfolioPicturesTest : public QObject
{
    Q_OBJECT

private slots:
    void decodesWithItsFormatAtItsSize_data() { addEveryPicture(); }
    void decodesWithItsFormatAtItsSize()
    {
        QFETCH(QString, path);
        QFETCH(QByteArray, format);
        QFETCH(QSize, size);
        QVERIFY2(QFile::exists(path), qPrintable(path + " is not embedded"));
        QImageReader reader(path);
        QCOMPARE(reader.format(), format);
        QCOMPARE(reader.size(), size);
        const QImage image = reader.read();
        QVERIFY2(!image.isNull(), qPrintable(reader.errorString()));
        QCOMPARE(image.size(), size);
    }

    void bitmapIsUncompressedTrueColourOnItsKey_data() { addKeyedBitmaps(); }
    void bitmapIsUncompressedTrueColourOnItsKey()
    {
        QFETCH(QString, path);
        QFETCH(QColor, key);
        const QByteArray bytes = resourceBytes(path);
        QVERIFY(bytes.size() > 54);
        QVERIFY(bytes.startsWith("BM"));
        QCOMPARE(littleEndian(bytes, 14, 4), 40u); // BITMAPINFOHEADER
        QCOMPARE(littleEndian(bytes, 28, 2), 24u); // bits per pixel
        QCOMPARE(littleEndian(bytes, 30, 4), 0u);  // BI_RGB: no compression
        const int height = static_cast<int>(littleEndian(bytes, 22, 4));
        QVERIFY2(height > 0, "rows must be stored bottom-up");
        // The first stored pixel is the bottom-left one, as blue, green, red.
        const int pixels = static_cast<int>(littleEndian(bytes, 10, 4));
        QCOMPARE(static_cast<unsigned char>(bytes[pixels]), static_cast<unsigned char>(key.blue()));
        QCOMPARE(static_cast<unsigned char>(bytes[pixels + 1]),
                 static_cast<unsigned char>(key.green()));
        QCOMPARE(static_cast<unsigned char>(bytes[pixels + 2]),
                 static_cast<unsigned char>(key.red()));

        const QImage image(path);
        QVERIFY(isKey(image, 0, image.height() - 1, key));
    }

    // A figure pixel touching the ground must be clearly unlike the key: a near-key pixel there
    // would stay on screen as a fringe round the figure once the key is removed.
    void keyedFigureHasNoNearKeyFringe_data() { addKeyedBitmaps(); }
    void keyedFigureHasNoNearKeyFringe()
    {
        QFETCH(QString, path);
        QFETCH(QColor, key);
        const QImage image = QImage(path).convertToFormat(QImage::Format_RGB32);
        QVERIFY(!image.isNull());
        int figurePixels = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                if (isKey(image, x, y, key))
                    continue;
                ++figurePixels;
                const bool touchesGround = (x > 0 && isKey(image, x - 1, y, key)) ||
                                           (x + 1 < image.width() && isKey(image, x + 1, y, key)) ||
                                           (y > 0 && isKey(image, x, y - 1, key)) ||
                                           (y + 1 < image.height() && isKey(image, x, y + 1, key));
                if (touchesGround && colourDistance(image.pixel(x, y), key.rgb()) < 24)
                    QFAIL(
                        qPrintable(QStringLiteral("near-key fringe pixel at %1,%2").arg(x).arg(y)));
            }
        }
        QVERIFY2(figurePixels > 100, "the bitmap shows no figure");
        QVERIFY2(figurePixels < image.width() * image.height() * 9 / 10,
                 "the bitmap has almost no ground");
    }

    void jpegIsBaselineColour_data()
    {
        QTest::addColumn<QString>("path");
        QTest::newRow("background") << ":/portfolio/background.jpg";
        for (int entry = 1; entry <= 10; ++entry) {
            const QString name = QStringLiteral("entry-%1.jpg").arg(entry, 2, 10, QLatin1Char('0'));
            QTest::newRow(qPrintable(name)) << QStringLiteral(":/portfolio/") + name;
        }
    }
    void jpegIsBaselineColour()
    {
        QFETCH(QString, path);
        const JpegFrame frame = readJpegFrame(resourceBytes(path));
        QVERIFY2(frame.reachedScan, "no scan found: not a well-formed JPEG");
        QCOMPARE(frame.frameMarkers, QList<int>{0xC0}); // one baseline frame, no SOF2
        QCOMPARE(frame.precision, 8);
        QCOMPARE(frame.components, 3);
    }

    // The window shows only the banner's top 46 rows: nothing may be drawn below them, and both
    // text lines must be in them.
    void bannerTextStaysInVisibleRows()
    {
        const QImage banner(QStringLiteral(":/portfolio/banner.bmp"));
        QVERIFY(!banner.isNull());
        for (int y = 46; y < banner.height(); ++y)
            for (int x = 0; x < banner.width(); ++x)
                QVERIFY2(isKey(banner, x, y, navyKey),
                         qPrintable(QStringLiteral("ink at %1,%2").arg(x).arg(y)));
        const auto whiteRows = [&](int top, int bottom) {
            int rows = 0;
            for (int y = top; y < bottom; ++y) {
                for (int x = 0; x < banner.width(); ++x) {
                    if (luminance(banner.pixel(x, y)) > 200.0) {
                        ++rows;
                        break;
                    }
                }
            }
            return rows;
        };
        QVERIFY2(whiteRows(0, 24) >= 8, "the first line (name and address) is missing");
        QVERIFY2(whiteRows(24, 46) >= 6, "the second line (numbers and web address) is missing");
    }

    void industriesAreYellowText()
    {
        const QImage list(QStringLiteral(":/portfolio/industries.bmp"));
        QVERIFY(!list.isNull());
        // Six lines: each sixth of the height holds yellow ink.
        for (int line = 0; line < 6; ++line) {
            int yellow = 0;
            for (int y = line * list.height() / 6; y < (line + 1) * list.height() / 6; ++y)
                for (int x = 0; x < list.width(); ++x) {
                    const QRgb pixel = list.pixel(x, y);
                    if (qRed(pixel) > 200 && qGreen(pixel) > 170 && qBlue(pixel) < 120)
                        ++yellow;
                }
            QVERIFY2(yellow > 20,
                     qPrintable(QStringLiteral("line %1 has no yellow text").arg(line + 1)));
        }
    }

    // The glyphs are told apart only by their arrows. Just above the widest light row (the base
    // of the arrow head) an up arrow is still wide (the head) and just below it narrow (the
    // shaft); a down arrow is the other way round. Both glyphs keep white corners and a green face.
    void arrowGlyphsPointTheirWay_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("pointsUp");
        QTest::newRow("up arrow glyph") << ":/portfolio/arrow-up.bmp" << true;
        QTest::newRow("down arrow glyph") << ":/portfolio/arrow-down.bmp" << false;
    }
    void arrowGlyphsPointTheirWay()
    {
        QFETCH(QString, path);
        QFETCH(bool, pointsUp);
        const QImage glyph(path);
        QVERIFY(!glyph.isNull());
        QVERIFY(isKey(glyph, 0, 0, whiteKey));
        QVERIFY(isKey(glyph, glyph.width() - 1, 0, whiteKey));
        QVERIFY(isKey(glyph, glyph.width() - 1, glyph.height() - 1, whiteKey));
        const QRgb face = glyph.pixel(glyph.width() / 2, glyph.height() - 8);
        QVERIFY2(qGreen(face) > qRed(face) + 40 && qGreen(face) > qBlue(face) + 40,
                 "the face is not green");

        QList<int> lightWidth(glyph.height(), 0);
        for (int y = 4; y < glyph.height() - 4; ++y)
            for (int x = 4; x < glyph.width() - 4; ++x)
                if (!isKey(glyph, x, y, whiteKey) && luminance(glyph.pixel(x, y)) > 235.0)
                    ++lightWidth[y];
        const auto widest =
            std::max_element(lightWidth.begin(), lightWidth.end()) - lightWidth.begin();
        QVERIFY2(lightWidth[widest] >= 12, "no arrow head found");
        const int above = lightWidth[widest - 3];
        const int below = lightWidth[widest + 3];
        if (pointsUp)
            QVERIFY2(above > below + 3,
                     qPrintable(QStringLiteral("above %1, below %2").arg(above).arg(below)));
        else
            QVERIFY2(below > above + 3,
                     qPrintable(QStringLiteral("above %1, below %2").arg(above).arg(below)));
    }

    // White labels sit on the backdrop: the part that shows must stay dark everywhere.
    void backgroundStaysDarkWhereItShows()
    {
        const QImage background(QStringLiteral(":/portfolio/background.jpg"));
        QVERIFY(!background.isNull());
        double sum = 0.0;
        double brightest = 0.0;
        for (int y = 0; y < 391; ++y)
            for (int x = 0; x < 590; ++x) {
                const double value = luminance(background.pixel(x, y));
                sum += value;
                brightest = std::max(brightest, value);
            }
        QVERIFY2(sum / (590.0 * 391.0) < 80.0, "the backdrop is too light for white text");
        QVERIFY2(brightest < 140.0, "a part of the backdrop is too light for white text");
    }

    // Each entry is also shown as a 49 x 41 thumbnail; a picture that shrinks to a flat grey or
    // white patch is unreadable there.
    void entryKeepsContrastAsThumbnail_data() { addEntryPictures(); }
    void entryKeepsContrastAsThumbnail()
    {
        QFETCH(QString, path);
        const QImage thumbnail =
            QImage(path).scaled(49, 41, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        QVERIFY(!thumbnail.isNull());
        double sum = 0.0;
        double squares = 0.0;
        double darkest = 255.0;
        double lightest = 0.0;
        for (int y = 0; y < thumbnail.height(); ++y)
            for (int x = 0; x < thumbnail.width(); ++x) {
                const double value = luminance(thumbnail.pixel(x, y));
                sum += value;
                squares += value * value;
                darkest = std::min(darkest, value);
                lightest = std::max(lightest, value);
            }
        const double count = 49.0 * 41.0;
        const double spread =
            std::sqrt(std::max(0.0, squares / count - (sum / count) * (sum / count)));
        QVERIFY2(lightest - darkest > 120.0,
                 qPrintable(QStringLiteral("range %1").arg(lightest - darkest)));
        QVERIFY2(spread > 20.0, qPrintable(QStringLiteral("spread %1").arg(spread)));
    }
};

QTEST_MAIN(PortfolioPicturesTest)
#include "portfolio_pictures_test.moc"
