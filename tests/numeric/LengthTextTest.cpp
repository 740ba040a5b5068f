// The length text: its grammar, its messages, and the correctly rounded 80-bit value, including
// the ends of the range where rounding decides between a value, zero and overflow.

#include "GlibcReference.h"
#include "Numeric.h"

#include <QtTest>

#include <cfloat>
#include <limits>

Q_DECLARE_METATYPE(long double)

using numeric::parseLength;

namespace {

const QByteArray point = ".";
const QByteArray comma = ",";

// "+4000:DA3D70A3D70A3D71": sign, biased exponent and significand, for exact comparisons that
// tell -0.0 from +0.0 and print readably when they fail.
QByteArray fieldsText(long double value)
{
    const numeric::ExtendedFields fields = numeric::extendedFields(value);
    return QByteArray(fields.negative ? "-" : "+") +
           QByteArray::number(fields.biasedExponent, 16).rightJustified(4, '0').toUpper() + ":" +
           QByteArray::number(static_cast<qulonglong>(fields.significand), 16)
               .rightJustified(16, '0')
               .toUpper();
}

std::string_view view(const QByteArray &bytes)
{
    return {bytes.constData(), std::size_t(bytes.size())};
}

// The message of the NumericError thrown by parseLength, or "no error".
QByteArray refusal(const QByteArray &text, const QByteArray &separator)
{
    try {
        parseLength(view(text), view(separator));
    } catch (const numeric::NumericError &error) {
        return QByteArray::fromStdString(error.message());
    }
    return "no error";
}

QByteArray refusalMessage(const QByteArray &text)
{
    return "'" + text + "' is not a valid floating point value";
}

constexpr long double smallestSubnormal = 0x1p-16445L;
constexpr long double smallestNormal = 0x1p-16382L;
constexpr long double largest = std::numeric_limits<long double>::max();

// Exact decimal texts of points where the rounding changes its outcome, built from glibc's exact
// printing of the neighbouring 80-bit values.
std::string exactSubnormal(long double value)
{
    return glibc_reference::exactFixed(value, 16445);
}

// Halfway between the largest value and 2^16384: 2^16384 - 2^16319, an integer.
std::string overflowThreshold()
{
    return glibc_reference::sum(glibc_reference::exactFixed(largest, 0),
                                glibc_reference::exactFixed(0x1p16319L, 0));
}

QByteArray bytes(const std::string &text)
{
    return QByteArray::fromStdString(text);
}

} // namespace

class LengthTextTest : public QObject
{
    Q_OBJECT

private slots:
    void threePointFourOneIsHeldExactly();
    void validTexts_data();
    void validTexts();
    void refusedTexts_data();
    void refusedTexts();
    void roundingAtTheEnds_data();
    void roundingAtTheEnds();
    void longTextsAreCorrectAndBounded_data();
    void longTextsAreCorrectAndBounded();
    void separatorMustBeOneCharacter_data();
    void separatorMustBeOneCharacter();
    void messageKeepsEveryByte();
};

void LengthTextTest::threePointFourOneIsHeldExactly()
{
    const numeric::ExtendedFields literal = numeric::extendedFields(3.41L);
    QCOMPARE(literal.negative, false);
    QCOMPARE(literal.biasedExponent, std::uint16_t{0x4000});
    QCOMPARE(literal.significand, std::uint64_t{0xDA3D70A3D70A3D71});
    QCOMPARE(fieldsText(parseLength("3.41", ".")), QByteArray("+4000:DA3D70A3D70A3D71"));
    QCOMPARE(numeric::extendedFromFields(literal), 3.41L);
}

void LengthTextTest::validTexts_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QByteArray>("separator");
    QTest::addColumn<long double>("expected");

    // The conversion table.
    QTest::newRow("spaces around") << QByteArray(" 6000 ") << point << 6000.0L;
    QTest::newRow("plus sign") << QByteArray("+6000") << point << 6000.0L;
    QTest::newRow("exponent") << QByteArray("6e3") << point << 6000.0L;
    QTest::newRow("exponent with sign") << QByteArray("6E+3") << point << 6000.0L;
    QTest::newRow("separator first") << QByteArray(".5") << point << 0.5L;
    QTest::newRow("separator last") << QByteArray("5.") << point << 5.0L;
    QTest::newRow("separator alone") << QByteArray(".") << point << 0.0L;
    QTest::newRow("exponent without digits") << QByteArray("5e") << point << 5.0L;

    // More of the grammar.
    QTest::newRow("exponent sign without digits") << QByteArray("5e-") << point << 5.0L;
    QTest::newRow("many spaces") << QByteArray("    7    ") << point << 7.0L;
    QTest::newRow("leading zeros") << QByteArray("000012.500") << point << 12.5L;
    QTest::newRow("separator then exponent") << QByteArray("+.e7") << point << 0.0L;
    QTest::newRow("negative exponent") << QByteArray("25e-1") << point << 2.5L;
    QTest::newRow("minus zero") << QByteArray("-0") << point << -0.0L;
    QTest::newRow("minus separator") << QByteArray("-.") << point << -0.0L;
    QTest::newRow("minus zero exponent") << QByteArray("-0e99") << point << -0.0L;
    QTest::newRow("negative") << QByteArray("-6000.25") << point << -6000.25L;
    QTest::newRow("3.41") << QByteArray("3.41") << point << 3.41L;
    QTest::newRow("0.1") << QByteArray("0.1") << point << 0.1L;
    QTest::newRow("twenty digits")
        << QByteArray("12345678901234567890") << point << 12345678901234567890.0L;
    QTest::newRow("nineteen nines")
        << QByteArray("9999999999999999999") << point << 9999999999999999999.0L;
    QTest::newRow("trailing zeros beyond 19 digits")
        << QByteArray("100000000000000000000000") << point << 1e23L;
    QTest::newRow("10^27 exact") << QByteArray("1e27") << point << 1e27L;
    QTest::newRow("10^28 rounded") << QByteArray("1e28") << point << 1e28L;
    QTest::newRow("10^-28") << QByteArray("1e-28") << point << 1e-28L;

    // The exponent is read while it stays below 500, so zeros never stop it.
    QTest::newRow("exponent with many zeros") << QByteArray("1E0000000005") << point << 1e5L;
    QTest::newRow("negative exponent with many zeros")
        << QByteArray("1E-0000000005") << point << 1e-5L;
    QTest::newRow("small digits, large exponent") << QByteArray("0.0001e4935") << point << 1e4931L;
    QTest::newRow("1E4931") << QByteArray("1E4931") << point << 1e4931L;
    QTest::newRow("1E500 is inside the 80-bit range") << QByteArray("1E500") << point << 1e500L;
    QTest::newRow("1E-500") << QByteArray("1E-500") << point << 1e-500L;
    QTest::newRow("large exponent, long fraction")
        << QByteArray("0.00000000000000000000000001E4958") << point << 1e4932L;
    QTest::newRow("1E-4999 underflows to zero") << QByteArray("1E-4999") << point << 0.0L;
    QTest::newRow("-1E-4999 underflows to minus zero") << QByteArray("-1E-4999") << point << -0.0L;

    // Other separators: only the given one counts, the weight text is unaffected.
    QTest::newRow("comma separator") << QByteArray("6000,5") << comma << 6000.5L;
    QTest::newRow("comma separator with exponent") << QByteArray(" -1,5e2 ") << comma << -150.0L;
    QTest::newRow("arabic decimal separator") << QByteArray("6\xD9\xAB"
                                                            "25")
                                              << QByteArray("\xD9\xAB") << 6.25L;
    QTest::newRow("three-byte separator") << QByteArray("\xE2\x8E\x96"
                                                        "75")
                                          << QByteArray("\xE2\x8E\x96") << 0.75L;
}

void LengthTextTest::validTexts()
{
    QFETCH(QByteArray, text);
    QFETCH(QByteArray, separator);
    QFETCH(long double, expected);
    QCOMPARE(fieldsText(parseLength(view(text), view(separator))), fieldsText(expected));
}

void LengthTextTest::refusedTexts_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QByteArray>("separator");

    // The conversion table.
    QTest::newRow("empty") << QByteArray() << point;
    QTest::newRow("inner space") << QByteArray("6 000") << point;
    QTest::newRow("thousands separator") << QByteArray("6,000") << point;
    QTest::newRow("1E5000: digit after the exponent reached 500") << QByteArray("1E5000") << point;
    QTest::newRow("1E4999 out of range") << QByteArray("1E4999") << point;
    QTest::newRow("letters") << QByteArray("abc") << point;

    QTest::newRow("point with comma separator") << QByteArray("6000.5") << comma;
    QTest::newRow("comma with arabic separator") << QByteArray("6000,5") << QByteArray("\xD9\xAB");
    QTest::newRow("only spaces") << QByteArray("   ") << point;
    QTest::newRow("sign alone") << QByteArray("-") << point;
    QTest::newRow("two signs") << QByteArray("+-5") << point;
    QTest::newRow("exponent alone") << QByteArray("e5") << point;
    QTest::newRow("sign and exponent") << QByteArray("-E5") << point;
    QTest::newRow("two separators") << QByteArray("1.2.3") << point;
    QTest::newRow("two exponents") << QByteArray("1e2e3") << point;
    QTest::newRow("1E-5000") << QByteArray("1E-5000") << point;
    QTest::newRow("1E4933 out of range") << QByteArray("1E4933") << point;
    QTest::newRow("tiny digits, large exponent") << QByteArray("0.0001e4999") << point;
    QTest::newRow("largest rounded up") << QByteArray("1.18973149535723176509e4932") << point;
    QTest::newRow("tab") << QByteArray("\t5") << point;
    QTest::newRow("no-break space") << QByteArray("\xC2\xA0"
                                                  "5")
                                    << point;
    QTest::newRow("trailing letter") << QByteArray("5 x") << point;
    QTest::newRow("NUL inside") << QByteArray("5\0"
                                              "0",
                                              3)
                                << point;
    QTest::newRow("NUL after") << QByteArray("5\0", 2) << point;
    QTest::newRow("arabic-indic digits") << QByteArray("\xD9\xA6\xD9\xA0") << point;
    QTest::newRow("fullwidth digit") << QByteArray("\xEF\xBC\x96") << point;
    QTest::newRow("infinity") << QByteArray("inf") << point;
    QTest::newRow("nan") << QByteArray("nan") << point;
    QTest::newRow("hexadecimal float") << QByteArray("0x1p3") << point;
    QTest::newRow("first byte of a two-byte separator") << QByteArray("6\xD9"
                                                                      "25")
                                                        << QByteArray("\xD9\xAB");
}

void LengthTextTest::refusedTexts()
{
    QFETCH(QByteArray, text);
    QFETCH(QByteArray, separator);
    QCOMPARE(refusal(text, separator), refusalMessage(text));
}

void LengthTextTest::roundingAtTheEnds_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<bool>("refused");
    QTest::addColumn<long double>("expected");

    const std::string halfUnit = glibc_reference::half(exactSubnormal(smallestSubnormal));
    QTest::newRow("smallest subnormal")
        << QByteArray("3.6451995318824746025e-4951") << false << smallestSubnormal;
    QTest::newRow("half the smallest subnormal: tie to even zero")
        << bytes(halfUnit) << false << 0.0L;
    QTest::newRow("minus half the smallest subnormal")
        << bytes(std::string("-") + halfUnit) << false << -0.0L;
    QTest::newRow("a hair above half the smallest subnormal")
        << bytes(halfUnit + "000000000000000000000001") << false << smallestSubnormal;
    QTest::newRow("a hair below half the smallest subnormal")
        << bytes(glibc_reference::lastDigitLowered(halfUnit)) << false << 0.0L;
    QTest::newRow("one and a half smallest subnormals: tie to even two")
        << bytes(glibc_reference::midpoint(exactSubnormal(smallestSubnormal),
                                           exactSubnormal(2 * smallestSubnormal)))
        << false << 2 * smallestSubnormal;
    QTest::newRow("two and a half smallest subnormals: tie to even two")
        << bytes(glibc_reference::midpoint(exactSubnormal(2 * smallestSubnormal),
                                           exactSubnormal(3 * smallestSubnormal)))
        << false << 2 * smallestSubnormal;
    QTest::newRow("largest subnormal, all digits")
        << bytes(exactSubnormal(smallestNormal - smallestSubnormal)) << false
        << smallestNormal - smallestSubnormal;
    QTest::newRow("between largest subnormal and smallest normal: tie to even normal")
        << bytes(glibc_reference::midpoint(exactSubnormal(smallestNormal - smallestSubnormal),
                                           exactSubnormal(smallestNormal)))
        << false << smallestNormal;
    QTest::newRow("smallest normal")
        << QByteArray("3.36210314311209350626e-4932") << false << smallestNormal;

    const std::string threshold = overflowThreshold();
    QTest::newRow("largest value") << QByteArray("1.18973149535723176502e4932") << false << largest;
    QTest::newRow("largest value, all digits")
        << bytes(glibc_reference::exactFixed(largest, 0)) << false << largest;
    QTest::newRow("just below the overflow threshold")
        << bytes(glibc_reference::lastDigitLowered(threshold)) << false << largest;
    QTest::newRow("overflow threshold: tie to even overflows") << bytes(threshold) << true << 0.0L;
    QTest::newRow("a hair above the overflow threshold")
        << bytes(threshold + ".000001") << true << 0.0L;
    QTest::newRow("minus overflow threshold")
        << bytes(std::string("-") + threshold) << true << 0.0L;
}

void LengthTextTest::roundingAtTheEnds()
{
    QFETCH(QByteArray, text);
    QFETCH(bool, refused);
    QFETCH(long double, expected);
    if (refused) {
        QCOMPARE(refusal(text, point), refusalMessage(text));
        QVERIFY(std::isinf(glibc_reference::parse(text.toStdString())));
        return;
    }
    QCOMPARE(fieldsText(parseLength(view(text), ".")), fieldsText(expected));
    // glibc's reading agrees, so the row's text really is the case it is named after.
    QCOMPARE(fieldsText(glibc_reference::parse(text.toStdString())), fieldsText(expected));
}

void LengthTextTest::longTextsAreCorrectAndBounded_data()
{
    // Texts up to the longest a length box holds (32,767 characters), with the exponents that
    // stretch the exact arithmetic furthest.
    QTest::addColumn<QByteArray>("text");

    std::string digits;
    for (int i = 0; digits.size() < 32760; ++i)
        digits += std::to_string(i * 7919 % 100000);
    const auto digitRun = [&digits](std::size_t count) { return digits.substr(0, count); };

    QTest::newRow("32760 integer digits, E-4999: overflow") << bytes(digitRun(32760) + "E-4999");
    QTest::newRow("32760 fraction digits, E-4999: zero")
        << bytes(std::string(".") + digitRun(32760) + "E-4999");
    QTest::newRow("fraction digits reaching the subnormals")
        << bytes(std::string("0.") + std::string(4930, '0') + digitRun(27000) + "E-12");
    QTest::newRow("32,766 fraction digits, E4931")
        << bytes(std::string(".") + digitRun(32760) + "E4931");
    QTest::newRow("32,766 digits around one") << bytes(std::string("1.") + digitRun(32760) + "e0");
    QTest::newRow("32,000 digits, E-4999, normal range")
        << bytes(digitRun(8000) + "." + digitRun(24000) + "E-4999");
    const std::string halfUnit = glibc_reference::half(exactSubnormal(smallestSubnormal));
    QTest::newRow("half the smallest subnormal padded with zeros")
        << bytes(halfUnit + std::string(32766 - halfUnit.size(), '0'));
    QTest::newRow("half the smallest subnormal, a 1 at the 32,767th character")
        << bytes(halfUnit + std::string(32766 - halfUnit.size(), '0') + "1");
    const std::string threshold = overflowThreshold();
    QTest::newRow("overflow threshold padded with zeros, then a 1")
        << bytes(threshold + "." + std::string(32766 - threshold.size() - 2, '0') + "1");
    QTest::newRow("just below the overflow threshold, long fraction")
        << bytes(glibc_reference::lastDigitLowered(threshold) + "." +
                 std::string(32766 - threshold.size() - 2, '9'));
}

void LengthTextTest::longTextsAreCorrectAndBounded()
{
    QFETCH(QByteArray, text);
    QElapsedTimer timer;
    timer.start();
    long double value = 0.0L;
    bool refused = false;
    try {
        value = parseLength(view(text), ".");
    } catch (const numeric::NumericError &) {
        refused = true;
    }
    const qint64 elapsedMs = timer.elapsed();
    QVERIFY2(elapsedMs < 250, QByteArray::number(elapsedMs) + " ms");

    const long double reference = glibc_reference::parse(text.toStdString());
    QCOMPARE(refused, std::isinf(reference));
    if (!refused)
        QCOMPARE(fieldsText(value), fieldsText(reference));
}

void LengthTextTest::separatorMustBeOneCharacter_data()
{
    QTest::addColumn<QByteArray>("separator");
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("two characters") << QByteArray(".,");
    QTest::newRow("cut-off two-byte character") << QByteArray("\xD9");
    QTest::newRow("continuation byte") << QByteArray("\xAB");
    QTest::newRow("two-byte character and more") << QByteArray("\xD9\xAB.");
}

void LengthTextTest::separatorMustBeOneCharacter()
{
    QFETCH(QByteArray, separator);
    QVERIFY_THROWS_EXCEPTION(std::invalid_argument, parseLength("5", view(separator)));
}

void LengthTextTest::messageKeepsEveryByte()
{
    const QByteArray text("1\0"
                          "2",
                          3);
    try {
        parseLength(view(text), ".");
        QFAIL("a NUL must be refused");
    } catch (const numeric::NumericError &error) {
        QCOMPARE(QByteArray::fromStdString(error.message()), refusalMessage(text));
        QCOMPARE(QByteArray(error.what()), QByteArray("'1")); // a C string ends at the NUL
    }
    try {
        parseLength("x", ".");
        QFAIL("a letter must be refused");
    } catch (const std::runtime_error &error) {
        QCOMPARE(QByteArray(error.what()), QByteArray("'x' is not a valid floating point value"));
    }
}

QTEST_GUILESS_MAIN(LengthTextTest)
#include "LengthTextTest.moc"
