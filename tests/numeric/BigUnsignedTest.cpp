// Tests of the arbitrary-precision integer behind the exact conversions. Expected values come from
// an independent big-integer implementation (written out here as decimal strings) or from
// identities that tie the operations together (q x d + r = n with r < d, 5^k x 2^k = 10^k).

#include "BigUnsigned.h"

#include <QtTest>

#include <random>

using numeric::BigUnsigned;

namespace {

BigUnsigned fromText(const QByteArray &decimal)
{
    return BigUnsigned::fromDecimalDigits(decimal.toStdString());
}

QByteArray toText(const BigUnsigned &value)
{
    return QByteArray::fromStdString(value.toDecimalString());
}

// A value of `limbCount` 32-bit limbs that favours the limb patterns where long division needs
// its corrections (all ones, the top bit alone, zeros).
BigUnsigned awkwardValue(std::mt19937_64 &random, int limbCount)
{
    constexpr std::uint32_t patterns[] = {0, 1, 0x7FFFFFFF, 0x80000000, 0xFFFFFFFE, 0xFFFFFFFF};
    BigUnsigned value;
    for (int i = 0; i < limbCount; ++i) {
        auto limb = static_cast<std::uint32_t>(random());
        if (random() % 10 < 7)
            limb = patterns[random() % std::size(patterns)];
        value <<= 32;
        value.multiplyAdd(1, limb);
    }
    return value;
}

} // namespace

class BigUnsignedTest : public QObject
{
    Q_OBJECT

private slots:
    void decimalRoundTrip_data();
    void decimalRoundTrip();
    void powersOfFive_data();
    void powersOfFive();
    void sumAndProduct();
    void division_data();
    void division();
    void divisionIdentityOnAwkwardValues();
    void divisionByZeroThrows();
    void bitAccess();
    void shifts();
};

void BigUnsignedTest::decimalRoundTrip_data()
{
    QTest::addColumn<QByteArray>("digits");
    QTest::addColumn<QByteArray>("canonical");
    QTest::newRow("empty is zero") << QByteArray("") << QByteArray("0");
    QTest::newRow("zeros") << QByteArray("0000") << QByteArray("0");
    QTest::newRow("leading zeros") << QByteArray("000123") << QByteArray("123");
    QTest::newRow("one limb full") << QByteArray("4294967295") << QByteArray("4294967295");
    QTest::newRow("two limbs") << QByteArray("4294967296") << QByteArray("4294967296");
    QTest::newRow("zero chunks inside")
        << QByteArray("1000000000000000000000000001") << QByteArray("1000000000000000000000000001");
}

void BigUnsignedTest::decimalRoundTrip()
{
    QFETCH(QByteArray, digits);
    QFETCH(QByteArray, canonical);
    QCOMPARE(toText(fromText(digits)), canonical);
}

void BigUnsignedTest::powersOfFive_data()
{
    QTest::addColumn<uint>("exponent");
    QTest::addColumn<QByteArray>("expected");
    QTest::newRow("5^0") << 0U << QByteArray("1");
    QTest::newRow("5^27, largest in 64 bits") << 27U << QByteArray("7450580596923828125");
    QTest::newRow("5^28") << 28U << QByteArray("37252902984619140625");
    QTest::newRow("5^100") << 100U
                           << QByteArray("78886090522101180541172856528278622967320643510902300477"
                                         "02789306640625");
}

void BigUnsignedTest::powersOfFive()
{
    QFETCH(uint, exponent);
    QFETCH(QByteArray, expected);
    QCOMPARE(toText(BigUnsigned::powerOfFive(exponent)), expected);
}

void BigUnsignedTest::sumAndProduct()
{
    const BigUnsigned allOnes200 =
        fromText("1606938044258990275541962092341162602522202993782792835301375"); // 2^200 - 1
    QCOMPARE(allOnes200.bitLength(), std::size_t{200});
    QCOMPARE(allOnes200 + BigUnsigned(1), BigUnsigned(1) << 200);
    QCOMPARE(BigUnsigned(1) + allOnes200, BigUnsigned(1) << 200);

    const BigUnsigned other = (BigUnsigned(1) << 64) + BigUnsigned(12345);
    QCOMPARE(toText(allOnes200 * other),
             QByteArray("2964277484475296586608432853945905597595914602605631253069708130785923927"
                        "3746375"));
    QVERIFY((allOnes200 * BigUnsigned()).isZero());

    // 5^k x 2^k = 10^k at the size of the smallest subnormal's scale.
    constexpr std::uint32_t k = 4951;
    QCOMPARE(BigUnsigned::powerOfFive(k) << k,
             BigUnsigned::fromDecimalDigits(std::string("1") + std::string(k, '0')));
}

void BigUnsignedTest::division_data()
{
    QTest::addColumn<QByteArray>("numerator");
    QTest::addColumn<QByteArray>("denominator");
    QTest::addColumn<QByteArray>("quotient");
    QTest::addColumn<QByteArray>("remainder");
    QTest::newRow("numerator smaller")
        << QByteArray("5") << QByteArray("7") << QByteArray("0") << QByteArray("5");
    QTest::newRow("one-limb divisor")
        << QByteArray("100000000000000000000000000000") << QByteArray("4294967295")
        << QByteArray("23283064370807973754") << QByteArray("1351624570");
    QTest::newRow("multi-limb divisor")
        << QByteArray("10000000000000000000000000000000000000007")
        << QByteArray("1180591620717411303427") << QByteArray("8470329472543003390")
        << QByteArray("781198729670820382477");
    QTest::newRow("quotient estimate corrected")
        << QByteArray("39614081257132168796771975168") << QByteArray("18446744073709551615")
        << QByteArray("2147483648") << QByteArray("2147483648");
    // Rows where a quotient limb estimate passes the two-limb check yet is one too large, so
    // the divisor must be added back.
    QTest::newRow("add back, quotient all ones")
        << QByteArray("1461501637160761734743215601003042460013757988862")
        << QByteArray("340282366881324382215465810676145979390") << QByteArray("4294967295")
        << QByteArray("340282366841710300958333641887963938812");
    QTest::newRow("add back, 2^32 - 3")
        << QByteArray("730750818325169092260132115390584495909590007808")
        << QByteArray("170141183460469231768580791859201432144") << QByteArray("4294967293")
        << QByteArray("170141183381241069327273683752351141616");
    QTest::newRow("add back, 2^31")
        << QByteArray("170141183460469231694793815568465002497")
        << QByteArray("79228162477370849450419814399") << QByteArray("2147483648")
        << QByteArray("79228162468147477411417554945");
}

void BigUnsignedTest::division()
{
    QFETCH(QByteArray, numerator);
    QFETCH(QByteArray, denominator);
    QFETCH(QByteArray, quotient);
    QFETCH(QByteArray, remainder);
    const BigUnsigned::DivisionResult result =
        BigUnsigned::divide(fromText(numerator), fromText(denominator));
    QCOMPARE(toText(result.quotient), quotient);
    QCOMPARE(toText(result.remainder), remainder);
}

void BigUnsignedTest::divisionIdentityOnAwkwardValues()
{
    std::mt19937_64 random(20240611);
    for (int round = 0; round < 5000; ++round) {
        const int numeratorLimbs = 1 + static_cast<int>(random() % 12);
        const int denominatorLimbs = 1 + static_cast<int>(random() % numeratorLimbs);
        const BigUnsigned numerator = awkwardValue(random, numeratorLimbs);
        const BigUnsigned denominator = awkwardValue(random, denominatorLimbs);
        if (denominator.isZero())
            continue;
        const BigUnsigned::DivisionResult result = BigUnsigned::divide(numerator, denominator);
        const QByteArray context = toText(numerator) + " / " + toText(denominator);
        QVERIFY2(result.remainder < denominator, context.constData());
        QVERIFY2(result.quotient * denominator + result.remainder == numerator,
                 context.constData());
    }
}

void BigUnsignedTest::divisionByZeroThrows()
{
    QVERIFY_THROWS_EXCEPTION(std::domain_error, BigUnsigned::divide(BigUnsigned(1), BigUnsigned()));
    BigUnsigned value(7);
    QVERIFY_THROWS_EXCEPTION(std::domain_error, value.divideBySmall(0));
}

void BigUnsignedTest::bitAccess()
{
    const BigUnsigned value = fromText("1267650600228229401634142158853"); // 2^100 + 2^37 + 5
    QCOMPARE(value.bitLength(), std::size_t{101});
    QVERIFY(value.testBit(100));
    QVERIFY(value.testBit(37));
    QVERIFY(value.testBit(2));
    QVERIFY(!value.testBit(1));
    QVERIFY(!value.testBit(5000));
    QVERIFY(value.hasSetBitBelow(1));
    QVERIFY(!value.hasSetBitBelow(0));
    QVERIFY(!(value >> 3).hasSetBitBelow(34));
    QVERIFY((value >> 3).hasSetBitBelow(35));
    QVERIFY((value >> 3).hasSetBitBelow(5000));
    QCOMPARE(value.bitsFrom(37), (std::uint64_t{1} << 63) + 1);
    QCOMPARE(value.bitsFrom(36), std::uint64_t{2}); // bit 100 falls beyond the 64 returned
    QCOMPARE(value.bitsFrom(101), std::uint64_t{0});
    QVERIFY(!value.fitsInUint64());
    QCOMPARE(BigUnsigned().bitLength(), std::size_t{0});
    QCOMPARE(BigUnsigned(~std::uint64_t{0}).lowUint64(), ~std::uint64_t{0});
}

void BigUnsignedTest::shifts()
{
    const BigUnsigned value = fromText("123456789012345678901234567890"); // 97 bits
    for (const std::size_t bits : {1U, 31U, 32U, 33U, 64U, 95U, 1000U}) {
        QCOMPARE((value << bits) >> bits, value);
        QCOMPARE((value << bits).bitLength(), value.bitLength() + bits);
    }
    QCOMPARE(value >> 96, BigUnsigned(1));
    QVERIFY((value >> 97).isZero());
    QVERIFY((BigUnsigned() << 40).isZero());
}

QTEST_GUILESS_MAIN(BigUnsignedTest)
#include "BigUnsignedTest.moc"
