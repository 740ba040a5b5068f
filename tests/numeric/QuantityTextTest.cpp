// The quantity text: decimal and hexadecimal 32-bit integers, their limits and their message.

#include "Numeric.h"

#include <QtTest>

using numeric::parseQuantity;

namespace {

std::string_view view(const QByteArray &bytes)
{
    return {bytes.constData(), static_cast<std::size_t>(bytes.size())};
}

} // namespace

class QuantityTextTest : public QObject
{
    Q_OBJECT

private slots:
    void validTexts_data();
    void validTexts();
    void refusedTexts_data();
    void refusedTexts();
};

void QuantityTextTest::validTexts_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<qint32>("expected");

    // The conversion table.
    QTest::newRow("leading spaces") << QByteArray("  12") << 12;
    QTest::newRow("plus sign") << QByteArray("+3") << 3;
    QTest::newRow("smallest") << QByteArray("-2147483648") << std::numeric_limits<qint32>::min();
    QTest::newRow("dollar hex") << QByteArray("$A") << 10;
    QTest::newRow("0x hex, lower case") << QByteArray("0x0a") << 10;
    QTest::newRow("x hex") << QByteArray("x10") << 16;
    QTest::newRow("all ones is -1") << QByteArray("$FFFFFFFF") << -1;

    QTest::newRow("one") << QByteArray("1") << 1;
    QTest::newRow("zero") << QByteArray("0") << 0;
    QTest::newRow("minus zero") << QByteArray("-0") << 0;
    QTest::newRow("negative") << QByteArray("-1") << -1;
    QTest::newRow("largest") << QByteArray("2147483647") << std::numeric_limits<qint32>::max();
    QTest::newRow("leading zeros")
        << QByteArray("-00000000000002147483648") << std::numeric_limits<qint32>::min();
    QTest::newRow("X hex") << QByteArray("XfF") << 255;
    QTest::newRow("0X hex") << QByteArray("0X7FFFFFFF") << std::numeric_limits<qint32>::max();
    QTest::newRow("hex top bit wraps")
        << QByteArray("$80000000") << std::numeric_limits<qint32>::min();
    QTest::newRow("eight significant hex digits") << QByteArray("$12345678") << 0x12345678;
    QTest::newRow("hex leading zeros do not count") << QByteArray("$000000000A") << 10;
    QTest::newRow("hex leading zeros before eight digits") << QByteArray("0x00FFFFFFFE") << -2;
    QTest::newRow("hex zero") << QByteArray("$0") << 0;
    QTest::newRow("spaces before hex") << QByteArray("   $1f") << 31;
}

void QuantityTextTest::validTexts()
{
    QFETCH(QByteArray, text);
    QFETCH(qint32, expected);
    QCOMPARE(parseQuantity(view(text)), expected);
}

void QuantityTextTest::refusedTexts_data()
{
    QTest::addColumn<QByteArray>("text");

    // The conversion table.
    QTest::newRow("trailing space") << QByteArray("12 ");
    QTest::newRow("fraction") << QByteArray("2.5");
    QTest::newRow("one above the largest") << QByteArray("2147483648");
    QTest::newRow("sign before hex") << QByteArray("-$A");
    QTest::newRow("empty") << QByteArray();

    QTest::newRow("one below the smallest") << QByteArray("-2147483649");
    QTest::newRow("far too many digits") << QByteArray("99999999999999999999999999999");
    QTest::newRow("plus before hex") << QByteArray("+0x5");
    QTest::newRow("only spaces") << QByteArray("   ");
    QTest::newRow("sign alone") << QByteArray("-");
    QTest::newRow("two signs") << QByteArray("--1");
    QTest::newRow("space after sign") << QByteArray("- 1");
    QTest::newRow("dollar alone") << QByteArray("$");
    QTest::newRow("0x alone") << QByteArray("0x");
    QTest::newRow("nine significant hex digits") << QByteArray("$100000000");
    QTest::newRow("non-hex digit") << QByteArray("$G");
    QTest::newRow("hex with trailing space") << QByteArray("$A ");
    QTest::newRow("hex prefix after zeros") << QByteArray("00x5");
    QTest::newRow("h suffix") << QByteArray("0Ah");
    QTest::newRow("exponent") << QByteArray("1e3");
    QTest::newRow("tab") << QByteArray("\t1");
    QTest::newRow("NUL after digits") << QByteArray("1\0", 2);
    QTest::newRow("arabic-indic digit") << QByteArray("\xD9\xA1");
    QTest::newRow("fullwidth digit") << QByteArray("\xEF\xBC\x91");
}

void QuantityTextTest::refusedTexts()
{
    QFETCH(QByteArray, text);
    try {
        parseQuantity(view(text));
        QFAIL("the text was accepted");
    } catch (const numeric::NumericError &error) {
        QCOMPARE(QByteArray::fromStdString(error.message()),
                 "'" + text + "' is not a valid integer value");
    }
}

QTEST_GUILESS_MAIN(QuantityTextTest)
#include "QuantityTextTest.moc"
