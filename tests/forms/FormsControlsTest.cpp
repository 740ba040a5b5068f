// The drawn controls and the picture button: picture box, label, bevel, picture button.

#include "FormsTestMain.h"
#include "forms/Bevel.h"
#include "forms/Form.h"
#include "forms/Label.h"
#include "forms/PictureBox.h"
#include "forms/PictureButton.h"

#include <QLineEdit>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QColor backdrop(255, 0, 255); // magenta: what shows through where a control draws nothing
const QColor navy(0, 0, 128);
const QColor white(255, 255, 255);

// A plain parent filled with the backdrop colour.
class Backdrop : public QWidget
{
public:
    Backdrop()
    {
        QPalette fill = palette();
        fill.setColor(QPalette::Window, backdrop);
        setPalette(fill);
        setAutoFillBackground(true);
        resize(200, 120);
    }
    QImage rendered() { return grab().toImage(); }
};

bool near(QColor actual, QColor expected, int tolerance = 40)
{
    return qAbs(actual.red() - expected.red()) <= tolerance &&
           qAbs(actual.green() - expected.green()) <= tolerance &&
           qAbs(actual.blue() - expected.blue()) <= tolerance;
}

// An 8 x 6 picture: navy ground (the bottom-left pixel) with a white 4 x 4 figure at (2, 1).
QImage groundedPicture()
{
    QImage picture(8, 6, QImage::Format_RGB888);
    picture.fill(navy);
    for (int y = 1; y < 5; ++y)
        for (int x = 2; x < 6; ++x)
            picture.setPixelColor(x, y, white);
    return picture;
}

// The bounding box of the pixels of `image` close to `colour`.
QRect boundsOf(const QImage &image, QColor colour)
{
    QRect bounds;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (near(image.pixelColor(x, y), colour, 30))
                bounds |= QRect(x, y, 1, 1);
    return bounds;
}

} // namespace

class FormsControlsTest : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_files;

    QString writePicture(const QImage &picture, const QString &name)
    {
        const QString path = m_files.filePath(name);
        if (!picture.save(path))
            qFatal("cannot write %s", qPrintable(path));
        return path;
    }

private slots:
    void pictureBoxTransparency_data()
    {
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<bool>("transparent");
        QTest::addColumn<bool>("groundShowsBackdrop");
        QTest::newRow("bitmap, transparent: ground undrawn") << "ground.bmp" << true << true;
        QTest::newRow("bitmap, opaque: ground drawn") << "ground.bmp" << false << false;
        QTest::newRow("jpeg, transparent: drawn whole") << "ground.jpg" << true << false;
    }
    void pictureBoxTransparency()
    {
        QFETCH(QString, fileName);
        QFETCH(bool, transparent);
        QFETCH(bool, groundShowsBackdrop);
        Backdrop parent;
        forms::PictureBox box(&parent);
        box.move(10, 10);
        box.setAutoSize(true);
        box.setTransparent(transparent);
        box.setPictureFile(writePicture(groundedPicture(), fileName));
        const QImage shown = parent.rendered();
        for (const QPoint groundPixel : {QPoint(0, 5), QPoint(7, 0), QPoint(1, 2)}) {
            const QColor colour = shown.pixelColor(QPoint(10, 10) + groundPixel);
            QVERIFY2(near(colour, groundShowsBackdrop ? backdrop : navy),
                     qPrintable(colour.name()));
        }
        QVERIFY(near(shown.pixelColor(13, 12), white));
    }

    void pictureBoxStretchedOrNatural()
    {
        QImage picture(2, 2, QImage::Format_RGB888);
        const QColor topLeft(255, 0, 0), topRight(0, 0, 255), bottomLeft(0, 160, 0),
            bottomRight(255, 255, 0);
        picture.setPixelColor(0, 0, topLeft);
        picture.setPixelColor(1, 0, topRight);
        picture.setPixelColor(0, 1, bottomLeft);
        picture.setPixelColor(1, 1, bottomRight);
        Backdrop parent;
        forms::PictureBox box(&parent);
        box.setGeometry(0, 0, 40, 40);
        box.setPicture(picture, true);

        box.setStretch(true);
        QImage shown = parent.rendered();
        QVERIFY(near(shown.pixelColor(2, 2), topLeft));
        QVERIFY(near(shown.pixelColor(37, 2), topRight));
        QVERIFY(near(shown.pixelColor(2, 37), bottomLeft));
        QVERIFY(near(shown.pixelColor(37, 37), bottomRight));
        QVERIFY(!near(shown.pixelColor(20, 2), topLeft, 10)); // smooth scaling blends

        box.setStretch(false); // natural size from the top-left corner
        shown = parent.rendered();
        QCOMPARE(shown.pixelColor(0, 0), topLeft);
        QCOMPARE(shown.pixelColor(1, 1), bottomRight);
        QCOMPARE(shown.pixelColor(5, 5), backdrop);

        box.resize(1, 1); // clipped to the box
        shown = parent.rendered();
        QCOMPARE(shown.pixelColor(0, 0), topLeft);
        QCOMPARE(shown.pixelColor(1, 0), backdrop);
    }

    void pictureBoxSizesItselfKeepingItsCorner()
    {
        Backdrop parent;
        forms::PictureBox box(&parent);
        box.setGeometry(30, 20, 100, 100);
        box.setPictureFile(writePicture(groundedPicture(), "size.bmp"));
        QCOMPARE(box.geometry(), QRect(30, 20, 100, 100)); // autoSize off
        box.setAutoSize(true);
        QCOMPARE(box.geometry(), QRect(30, 20, 8, 6));
    }

    void pictureBoxUnreadableFileThrows()
    {
        forms::PictureBox box;
        QVERIFY_THROWS_EXCEPTION(std::runtime_error,
                                 box.setPictureFile(m_files.filePath("missing.bmp")));
    }

    void pictureBoxReportsLeftClicksOnIt()
    {
        Backdrop parent;
        forms::PictureBox box(&parent);
        box.setGeometry(0, 0, 50, 50);
        QSignalSpy clicks(&box, &forms::PictureBox::clicked);
        QTest::mouseClick(&box, Qt::LeftButton, {}, QPoint(10, 10));
        QCOMPARE(clicks.count(), 1);
        QTest::mouseClick(&box, Qt::RightButton, {}, QPoint(10, 10));
        QCOMPARE(clicks.count(), 1);
        QTest::mousePress(&box, Qt::LeftButton, {}, QPoint(10, 10));
        QTest::mouseRelease(&box, Qt::LeftButton, {}, QPoint(80, 10)); // released outside
        QCOMPARE(clicks.count(), 1);
        QCOMPARE(box.focusPolicy(), Qt::NoFocus);
    }

    void labelSizesItselfKeepingItsLeftEdge_data()
    {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<bool>("rightToLeft");
        QTest::newRow("one letter") << "L" << false;
        QTest::newRow("trailing space counts") << "Profile : " << false;
        QTest::newRow("empty") << "" << false;
        QTest::newRow("Persian, left to right order")
            << QString::fromUtf8("طراحي سه بعدی") << false;
        QTest::newRow("Persian, right to left order")
            << QString::fromUtf8("طراحي مارپيچها") << true;
        QTest::newRow("Latin, right to left order") << "( Screw Conveyor )" << true;
    }
    void labelSizesItselfKeepingItsLeftEdge()
    {
        QFETCH(QString, caption);
        QFETCH(bool, rightToLeft);
        Backdrop parent;
        forms::Label label(&parent);
        label.setRightToLeft(rightToLeft);
        label.setGeometry(40, 30, 150, 40);
        label.setCaption(QStringLiteral("a much longer caption than any row"));
        label.setCaption(caption);
        const QFontMetrics metrics(label.font());
        QCOMPARE(label.geometry(),
                 QRect(40, 30, metrics.horizontalAdvance(caption), metrics.height()));
        QCOMPARE(label.caption(), caption);
        QVERIFY(label.alignment().testFlag(Qt::AlignAbsolute));
        QVERIFY(label.alignment().testFlag(Qt::AlignLeft));

        label.setFontPixelSize(30);
        const QFontMetrics larger(label.font());
        QCOMPARE(label.geometry(),
                 QRect(40, 30, larger.horizontalAdvance(caption), larger.height()));
    }

    void labelTransparentOrFilledWithFaceColour()
    {
        forms::Form form;
        form.resize(100, 60);
        forms::PictureBox beneath(&form);
        QImage red(100, 60, QImage::Format_RGB888);
        red.fill(Qt::red);
        beneath.setPicture(red, true);
        beneath.setGeometry(0, 0, 100, 60);
        forms::Label label(&form);
        label.move(10, 10);
        label.setCaption(QStringLiteral("    ")); // nothing but background
        QVERIFY(!label.transparent());
        QCOMPARE(form.grab().toImage().pixelColor(12, 12), form.palette().color(QPalette::Button));
        label.setTransparent(true);
        QCOMPARE(form.grab().toImage().pixelColor(12, 12), QColor(Qt::red));
    }

    void bevelLines_data()
    {
        QTest::addColumn<forms::Bevel::Shape>("shape");
        QTest::addColumn<forms::Bevel::Style>("bevelStyle");
        QTest::addColumn<QPoint>("shadowPixel");
        QTest::addColumn<QPoint>("highlightPixel");
        QTest::newRow("lowered box")
            << forms::Bevel::Box << forms::Bevel::Lowered << QPoint(5, 0) << QPoint(19, 5);
        QTest::newRow("raised box")
            << forms::Bevel::Box << forms::Bevel::Raised << QPoint(0, 9) << QPoint(0, 5);
        QTest::newRow("raised top line")
            << forms::Bevel::TopLine << forms::Bevel::Raised << QPoint(5, 1) << QPoint(5, 0);
    }
    void bevelLines()
    {
        QFETCH(forms::Bevel::Shape, shape);
        QFETCH(forms::Bevel::Style, bevelStyle);
        QFETCH(QPoint, shadowPixel);
        QFETCH(QPoint, highlightPixel);
        Backdrop parent;
        forms::Bevel bevel(&parent);
        bevel.setGeometry(0, 0, 20, 10);
        bevel.setShape(shape);
        bevel.setBevelStyle(bevelStyle);
        const QImage shown = parent.rendered();
        QCOMPARE(shown.pixel(shadowPixel), bevel.palette().color(QPalette::Dark).rgb());
        QCOMPARE(shown.pixel(highlightPixel), bevel.palette().color(QPalette::Light).rgb());
        QCOMPARE(shown.pixel(10, 5), backdrop.rgb()); // nothing inside
        QVERIFY(bevel.testAttribute(Qt::WA_TransparentForMouseEvents));
    }

    void pictureButtonGlyphGroundUndrawn()
    {
        forms::PictureButton button;
        button.setGlyphFile(writePicture(groundedPicture(), "glyph.bmp"));
        const QImage glyph = button.glyph().toImage();
        QCOMPARE(glyph.size(), QSize(8, 6));
        QCOMPARE(qAlpha(glyph.pixel(0, 5)), 0);
        QCOMPARE(qAlpha(glyph.pixel(7, 0)), 0);
        QCOMPARE(glyph.pixelColor(3, 2), white);
    }

    void pictureButtonGlyphPlacement_data()
    {
        QTest::addColumn<forms::PictureButton::GlyphLayout>("layout");
        QTest::addColumn<QPoint>("direction"); // where the glyph lies from the button's centre
        QTest::newRow("left of caption") << forms::PictureButton::GlyphLeft << QPoint(-1, 0);
        QTest::newRow("right of caption") << forms::PictureButton::GlyphRight << QPoint(1, 0);
        QTest::newRow("above caption") << forms::PictureButton::GlyphTop << QPoint(0, -1);
        QTest::newRow("below caption") << forms::PictureButton::GlyphBottom << QPoint(0, 1);
    }
    void pictureButtonGlyphPlacement()
    {
        QFETCH(forms::PictureButton::GlyphLayout, layout);
        QFETCH(QPoint, direction);
        QImage glyphPicture(10, 10, QImage::Format_RGB888);
        glyphPicture.fill(white);
        for (int y = 1; y < 9; ++y)
            for (int x = 1; x < 9; ++x)
                glyphPicture.setPixelColor(x, y, QColor(0, 0, 255));
        forms::PictureButton button;
        button.setGeometry(0, 0, 120, 80);
        button.setText(QStringLiteral("Caption"));
        button.setGlyphFile(writePicture(glyphPicture, "blue.bmp"));
        button.setGlyphLayout(layout);

        button.setGlyphSpacing(4);
        const QRect near4 = boundsOf(button.grab().toImage(), QColor(0, 0, 255));
        button.setGlyphSpacing(24);
        const QRect near24 = boundsOf(button.grab().toImage(), QColor(0, 0, 255));
        QCOMPARE(near4.size(), QSize(8, 8));
        const QPoint offset = near4.center() - QPoint(60, 40);
        QCOMPARE(QPoint(qBound(-1, offset.x() / 8, 1), qBound(-1, offset.y() / 8, 1)), direction);
        // Glyph and caption are centred together: 20 more pixels between them move the glyph
        // 10 pixels further out.
        QCOMPARE(near24.topLeft() - near4.topLeft(), direction * 10);
    }

    void pictureButtonIsNeverDefault()
    {
        forms::PictureButton button;
        button.setText(QStringLiteral("Calc."));
        QVERIFY(!button.autoDefault());
        QVERIFY(!button.isDefault());
        QSignalSpy clicks(&button, &QAbstractButton::clicked);
        QTest::keyClick(&button, Qt::Key_Return);
        QTest::keyClick(&button, Qt::Key_Enter);
        QTest::keyClick(&button, Qt::Key_Escape);
        QCOMPARE(clicks.count(), 0);
        QTest::keyClick(&button, Qt::Key_Space);
        QCOMPARE(clicks.count(), 1);
    }

    void pictureButtonPressGoesOnOnlyWithTheFocus_data()
    {
        QTest::addColumn<bool>("focusTakenAway");
        QTest::newRow("keeps the focus: click") << false;
        QTest::newRow("focus taken away at once: no press") << true;
    }
    void pictureButtonPressGoesOnOnlyWithTheFocus()
    {
        QFETCH(bool, focusTakenAway);
        QWidget window;
        QLineEdit other(&window);
        forms::PictureButton button(&window);
        button.setGeometry(0, 40, 80, 30);
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        other.setFocus();
        if (focusTakenAway) {
            connect(qApp, &QApplication::focusChanged, &button, [&](QWidget *, QWidget *now) {
                if (now == &button)
                    other.setFocus();
            });
        }
        QSignalSpy clicks(&button, &QAbstractButton::clicked);
        QTest::mousePress(&button, Qt::LeftButton, {}, QPoint(10, 10));
        QCOMPARE(button.isDown(), !focusTakenAway);
        QTest::mouseRelease(&button, Qt::LeftButton, {}, QPoint(10, 10));
        QCOMPARE(clicks.count(), focusTakenAway ? 0 : 1);
        QCOMPARE(QApplication::focusWidget(),
                 focusTakenAway ? static_cast<QWidget *>(&other) : static_cast<QWidget *>(&button));
    }
};

FORMS_TEST_MAIN(FormsControlsTest)
#include "FormsControlsTest.moc"
