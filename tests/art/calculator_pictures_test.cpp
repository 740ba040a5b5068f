// The calculator window's pictures and the program icon, as the program loads them: each one is
// embedded under its resource path, decodes with its format and exact size, and carries the
// ground the window relies on (the bottom-left colour of a keyed bitmap is left undrawn; the
// icon has a clear ground). The Windows icon file holds the same images as the resources.
#include <QColor>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QTest>
#include <QtEndian>

namespace {

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

quint16 littleEndian16(const QByteArray &bytes, qsizetype offset)
{
    return qFromLittleEndian<quint16>(bytes.constData() + offset);
}

quint32 littleEndian32(const QByteArray &bytes, qsizetype offset)
{
    return qFromLittleEndian<quint32>(bytes.constData() + offset);
}

// The frame (SOFn) markers of a JPEG file, read segment by segment up to the first scan.
// An empty list means the segment structure is broken.
QList<quint8> jpegFrameMarkers(const QByteArray &bytes)
{
    QList<quint8> frames;
    if (!bytes.startsWith("\xFF\xD8"))
        return {};
    qsizetype at = 2;
    while (at + 4 <= bytes.size()) {
        if (static_cast<quint8>(bytes[at]) != 0xFF)
            return {};
        const auto marker = static_cast<quint8>(bytes[at + 1]);
        if (marker == 0xFF) { // fill byte
            ++at;
            continue;
        }
        if (marker == 0xDA || marker == 0xD9) // start of scan, end of image
            break;
        const bool isFrame =
            marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
        if (isFrame)
            frames.append(marker);
        at += 2 + qFromBigEndian<quint16>(bytes.constData() + at + 2);
    }
    return frames;
}

const QByteArray pngSignature("\x89PNG\r\n\x1A\n", 8);

} // namespace

class CalculatorPicturesTest : public QObject
{
    Q_OBJECT

private slots:
    void embeddedPictureDecodes_data();
    void embeddedPictureDecodes();
    void iconFileHoldsTheIconImages_data();
    void iconFileHoldsTheIconImages();
};

void CalculatorPicturesTest::embeddedPictureDecodes_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QByteArray>("format");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QColor>("ground"); // keyed bitmaps only; invalid for the others

    const QColor none;
    const QColor white(255, 255, 255);
    QTest::newRow("background") << ":/calculator/background.jpg" << QByteArray("jpeg")
                                << QSize(469, 523) << none;
    QTest::newRow("round drawing")
        << ":/calculator/drawing-round.jpg" << QByteArray("jpeg") << QSize(350, 211) << none;
    QTest::newRow("rectangular drawing")
        << ":/calculator/drawing-rectangular.jpg" << QByteArray("jpeg") << QSize(350, 211) << none;
    QTest::newRow("square drawing")
        << ":/calculator/drawing-square.jpg" << QByteArray("jpeg") << QSize(350, 211) << none;
    QTest::newRow("square shape on dark navy")
        << ":/calculator/shape-square.bmp" << QByteArray("bmp") << QSize(57, 58)
        << QColor(0, 0, 96);
    QTest::newRow("rectangular shape on brown")
        << ":/calculator/shape-rectangular.bmp" << QByteArray("bmp") << QSize(82, 58)
        << QColor(128, 64, 0);
    QTest::newRow("round shape on red") << ":/calculator/shape-round.bmp" << QByteArray("bmp")
                                        << QSize(58, 58) << QColor(255, 0, 0);
    QTest::newRow("logo on white")
        << ":/calculator/logo.bmp" << QByteArray("bmp") << QSize(48, 48) << white;
    QTest::newRow("company name on cyan") << ":/calculator/company-name.bmp" << QByteArray("bmp")
                                          << QSize(239, 30) << QColor(0, 255, 255);
    QTest::newRow("calculator glyph on white")
        << ":/calculator/glyph-calc.bmp" << QByteArray("bmp") << QSize(34, 34) << white;
    QTest::newRow("web glyph on white")
        << ":/calculator/glyph-web.bmp" << QByteArray("bmp") << QSize(32, 32) << white;
    for (int side : {32, 48, 64, 96, 128})
        QTest::addRow("icon %d", side) << QStringLiteral(":/icon/icon-%1.png").arg(side)
                                       << QByteArray("png") << QSize(side, side) << none;
}

void CalculatorPicturesTest::embeddedPictureDecodes()
{
    QFETCH(QString, path);
    QFETCH(QByteArray, format);
    QFETCH(QSize, size);
    QFETCH(QColor, ground);

    QImageReader reader(path);
    QCOMPARE(reader.format(), format);
    const QImage image = reader.read();
    QVERIFY2(!image.isNull(), qPrintable(reader.errorString()));
    QCOMPARE(image.size(), size);
    const QByteArray bytes = fileBytes(path);

    if (format == "jpeg") {
        // Baseline sequential (SOF0), not progressive (SOF2), and in colour.
        QCOMPARE(jpegFrameMarkers(bytes), QList<quint8>{0xC0});
        QVERIFY(!image.allGray());
    } else if (format == "bmp") {
        // Uncompressed 24 bits per pixel, as the picture boxes and buttons expect.
        QVERIFY(bytes.startsWith("BM"));
        QCOMPARE(littleEndian16(bytes, 28), quint16(24));
        QCOMPARE(littleEndian32(bytes, 30), quint32(0));
        const QColor bottomLeft = image.pixelColor(0, image.height() - 1);
        QCOMPARE(bottomLeft, ground);
        // Something besides the ground is drawn.
        bool hasFigure = false;
        for (int y = 0; y < image.height() && !hasFigure; ++y)
            for (int x = 0; x < image.width() && !hasFigure; ++x)
                hasFigure = image.pixelColor(x, y) != ground;
        QVERIFY(hasFigure);
    } else {
        // 8-bit RGBA (colour type 6) with a clear ground at the corners and a drawn middle.
        QVERIFY(bytes.startsWith(pngSignature));
        QCOMPARE(int(bytes[24]), 8);
        QCOMPARE(int(bytes[25]), 6);
        QVERIFY(image.hasAlphaChannel());
        const int last = size.width() - 1;
        for (const QPoint corner :
             {QPoint(0, 0), QPoint(last, 0), QPoint(0, last), QPoint(last, last)})
            QCOMPARE(qAlpha(image.pixel(corner)), 0);
        QCOMPARE(qAlpha(image.pixel(size.width() / 2, size.height() / 2)), 255);
    }
}

void CalculatorPicturesTest::iconFileHoldsTheIconImages_data()
{
    QTest::addColumn<int>("entry");
    QTest::addColumn<int>("side");
    int entry = 0;
    for (int side : {32, 48, 64, 96, 128}) {
        QTest::addRow("entry %d: %d px", entry, side) << entry << side;
        ++entry;
    }
}

void CalculatorPicturesTest::iconFileHoldsTheIconImages()
{
    QFETCH(int, entry);
    QFETCH(int, side);

    const QByteArray ico = fileBytes(QStringLiteral(TUBE_WEIGHT_ICON_FILE));
    QVERIFY2(ico.size() >= 6, TUBE_WEIGHT_ICON_FILE);
    QCOMPARE(littleEndian16(ico, 0), quint16(0)); // reserved
    QCOMPARE(littleEndian16(ico, 2), quint16(1)); // icon, not cursor
    QCOMPARE(littleEndian16(ico, 4), quint16(5)); // five images

    const qsizetype at = 6 + 16 * entry;
    QVERIFY(at + 16 <= ico.size());
    QCOMPARE(int(static_cast<quint8>(ico[at])), side);     // width
    QCOMPARE(int(static_cast<quint8>(ico[at + 1])), side); // height
    QCOMPARE(littleEndian16(ico, at + 4), quint16(1));     // planes
    QCOMPARE(littleEndian16(ico, at + 6), quint16(32));    // bits per pixel
    const quint32 length = littleEndian32(ico, at + 8);
    const quint32 offset = littleEndian32(ico, at + 12);
    QVERIFY(qsizetype(offset) + qsizetype(length) <= ico.size());

    // The image is the embedded PNG of the same size, byte for byte.
    const QByteArray payload = ico.mid(offset, length);
    QVERIFY(payload.startsWith(pngSignature));
    QCOMPARE(payload, fileBytes(QStringLiteral(":/icon/icon-%1.png").arg(side)));
}

QTEST_MAIN(CalculatorPicturesTest)
#include "calculator_pictures_test.moc"
