// parseLength against glibc's strtold (in the C locale) on 100,000 generated length texts: short
// and long digit strings, every placement of the separator, exponents across the whole range and
// at both ends of it, and texts at, just below and just above the halfway points between
// neighbouring 80-bit values, where a rounding fault shows first.

#include "GlibcReference.h"
#include "Numeric.h"

#include <QtTest>

#include <cmath>
#include <map>
#include <random>
#include <vector>

namespace {

QByteArray fieldsText(long double value)
{
    const numeric::ExtendedFields fields = numeric::extendedFields(value);
    return QByteArray(fields.negative ? "-" : "+") + QByteArray::number(fields.biasedExponent, 16) +
           ":" + QByteArray::number(static_cast<qulonglong>(fields.significand), 16);
}

// Generates length texts in a form strtold also reads: "." as the separator, at least one
// digit before the exponent, and digits after every "e". The value is what matters here; the
// decoration (spaces, other separators) is added afterwards.
class LengthTextGenerator
{
public:
    explicit LengthTextGenerator(std::uint64_t seed) : m_random(seed) {}

    // Digits, a point anywhere, and an exponent that is small, anywhere, or at either end.
    std::string randomDecimal()
    {
        const std::size_t integerDigits = chance(20) ? 0 : upTo(chance(80) ? 6 : 40);
        const std::size_t fractionDigits =
            integerDigits == 0 ? 1 + upTo(40) : (chance(50) ? 0 : upTo(chance(80) ? 6 : 40));
        std::string text = sign() + digits(integerDigits);
        if (fractionDigits > 0 || chance(10))
            text += ".";
        text += digits(fractionDigits);
        if (chance(40))
            return text;
        // Place the leading digit near the ends of the range now and then.
        std::int64_t exponent = 0;
        switch (upTo(4)) {
        case 0:
            exponent = static_cast<std::int64_t>(upTo(60)) - 30;
            break;
        case 1:
            exponent = static_cast<std::int64_t>(upTo(9998)) - 4999;
            break;
        case 2:
            exponent = 4930 + static_cast<std::int64_t>(upTo(5)) -
                       static_cast<std::int64_t>(integerDigits);
            break;
        default:
            exponent = -4955 + static_cast<std::int64_t>(upTo(25)) -
                       static_cast<std::int64_t>(integerDigits);
            break;
        }
        return text + exponentText(std::clamp<std::int64_t>(exponent, -4999, 4999));
    }

    // A random 80-bit value printed with 16 to 22 significant digits, the point moved.
    std::string printedValue()
    {
        const long double value = randomValue(0, 0x7FFE);
        const std::string printed =
            glibc_reference::print("%.*Le", 15 + static_cast<int>(upTo(7)), value);
        const std::size_t e = printed.find('e');
        std::string mantissa = printed.substr(0, e);
        const bool negative = mantissa[0] == '-';
        mantissa.erase(0, negative ? 1 : 0);
        mantissa.erase(1, 1); // the point after the first digit
        const int exponent = std::stoi(printed.substr(e + 1));
        const std::size_t point = upTo(mantissa.size() + 1);
        std::string text = std::string(negative ? "-" : "") + mantissa.substr(0, point) + "." +
                           mantissa.substr(point);
        return text + exponentText(exponent - (static_cast<int>(point) - 1));
    }

    // A text at, just below or just above the halfway point between an 80-bit value and the
    // next one up. `lowBiasedExponent`..`highBiasedExponent` choose the binade (0 for
    // subnormals). The halfway points come in runs of neighbours, derived by exact decimal
    // addition from one printed value, since printing a value exactly can take milliseconds.
    std::string nearHalfway(int lowBiasedExponent, int highBiasedExponent)
    {
        std::vector<std::string> &run = m_halfwayRuns[{lowBiasedExponent, highBiasedExponent}];
        if (run.empty())
            run = halfwayRun(lowBiasedExponent, highBiasedExponent, 10);
        std::string halfway = run.back();
        run.pop_back();
        const std::string sign = chance(20) ? "-" : "";
        switch (upTo(5)) {
        case 0: // exactly halfway: ties to even
            break;
        case 1: // a hair above
            halfway += std::string(halfway.find('.') == std::string::npos ? "." : "") +
                       std::string(upTo(30), '0') + "1";
            break;
        case 2: // a hair below
            halfway = glibc_reference::lastDigitLowered(halfway);
            break;
        case 3: { // cut short: below by more than a hair, still close
            const std::size_t significantStart = halfway.find_first_not_of("0.");
            halfway.resize(std::min(halfway.size(), significantStart + 20 + upTo(30)));
            break;
        }
        default: // as all digits and an exponent
            return sign + asDigitsWithExponent(halfway);
        }
        return sign + halfway;
    }

private:
    bool chance(unsigned percent) { return m_random() % 100 < percent; }
    std::size_t upTo(std::size_t bound) { return static_cast<std::size_t>(m_random() % bound); }

    std::string sign()
    {
        const std::size_t pick = upTo(10);
        return pick == 0 ? "-" : pick == 1 ? "+" : "";
    }

    std::string digits(std::size_t count)
    {
        std::string text;
        const bool zeroHeavy = chance(20);
        for (std::size_t i = 0; i < count; ++i)
            text.push_back(zeroHeavy && chance(70) ? '0' : static_cast<char>('0' + upTo(10)));
        return text;
    }

    std::string exponentText(std::int64_t exponent)
    {
        std::string text = chance(50) ? "e" : "E";
        if (exponent < 0)
            text += "-";
        else if (chance(30))
            text += "+";
        if (chance(10))
            text += std::string(upTo(4), '0');
        return text + std::to_string(exponent < 0 ? -exponent : exponent);
    }

    long double randomValue(int lowBiasedExponent, int highBiasedExponent)
    {
        numeric::ExtendedFields fields;
        fields.negative = chance(20);
        fields.biasedExponent = static_cast<std::uint16_t>(
            lowBiasedExponent + static_cast<int>(upTo(static_cast<std::size_t>(
                                    highBiasedExponent - lowBiasedExponent + 1))));
        fields.significand = m_random();
        if (fields.biasedExponent == 0)
            fields.significand >>= 1 + upTo(63);
        else
            fields.significand |= std::uint64_t{1} << 63;
        if (chance(25)) // short significands: halfway points with few digits
            fields.significand &= ~std::uint64_t{0} << upTo(60);
        return numeric::extendedFromFields(fields);
    }

    // `count` consecutive halfway points, upwards from a random value in the given binades.
    std::vector<std::string> halfwayRun(int lowBiasedExponent, int highBiasedExponent, int count)
    {
        const long double start = std::fabs(randomValue(lowBiasedExponent, highBiasedExponent));
        const numeric::ExtendedFields fields = numeric::extendedFields(start);
        const int unitExponent = std::max<int>(fields.biasedExponent, 1) - 16383 - 63;
        const int fractionDigits = std::max(0, -unitExponent);
        const std::string unit =
            glibc_reference::exactFixed(std::ldexp(1.0L, unitExponent), fractionDigits);
        const std::string halfUnit = glibc_reference::half(unit);
        std::string value = glibc_reference::exactFixed(start, fractionDigits);
        std::vector<std::string> run;
        for (int i = 0; i < count; ++i) {
            run.push_back(glibc_reference::trimmed(glibc_reference::sum(value, halfUnit)));
            value = glibc_reference::sum(value, unit);
        }
        return run;
    }

    // "123.4500" as "1234500e-4".
    static std::string asDigitsWithExponent(const std::string &fixed)
    {
        const std::size_t point = fixed.find('.');
        if (point == std::string::npos || fixed.size() - point - 1 > 4999)
            return fixed;
        return fixed.substr(0, point) + fixed.substr(point + 1) + "e-" +
               std::to_string(fixed.size() - point - 1);
    }

    std::mt19937_64 m_random;
    // Unused halfway points of the current run, per range of binades.
    std::map<std::pair<int, int>, std::vector<std::string>> m_halfwayRuns;
};

} // namespace

class LengthTextDifferentialTest : public QObject
{
    Q_OBJECT

private slots:
    void agreesWithGlibc();
};

void LengthTextDifferentialTest::agreesWithGlibc()
{
    LengthTextGenerator generator(0x5EED'1E57);
    std::mt19937_64 decoration(77);
    const char *const separators[] = {".", ",", "\xD9\xAB"};
    constexpr int textCount = 100000;
    int refusedCount = 0;
    int zeroCount = 0;
    for (int index = 0; index < textCount; ++index) {
        std::string canonical;
        const int kind = index % 400;
        if (kind < 220)
            canonical = generator.randomDecimal();
        else if (kind < 320)
            canonical = generator.printedValue();
        else if (kind < 394)
            canonical = generator.nearHalfway(16383 - 100, 16383 + 100);
        else if (kind < 396)
            canonical = generator.nearHalfway(0, 2); // subnormals and the smallest normals
        else
            canonical = generator.nearHalfway(0x7FFE - 1, 0x7FFE); // up to the largest value

        bool consumedAll = false;
        const long double reference = glibc_reference::parse(canonical, &consumedAll);
        QVERIFY2(consumedAll, canonical.c_str()); // the generator stays inside both grammars

        const char *separator = separators[decoration() % 3];
        std::string text =
            std::string(decoration() % 3, ' ') + canonical + std::string(decoration() % 3, ' ');
        if (const std::size_t point = text.find('.'); point != std::string::npos)
            text.replace(point, 1, separator);

        const QByteArray context = QByteArray::fromStdString(text.substr(0, 200));
        try {
            const long double value = numeric::parseLength(text, separator);
            QVERIFY2(!std::isinf(reference), context.constData());
            if (fieldsText(value) != fieldsText(reference))
                QFAIL(context + " gives " + fieldsText(value) + ", glibc " + fieldsText(reference));
            zeroCount += value == 0.0L ? 1 : 0;
        } catch (const numeric::NumericError &error) {
            QVERIFY2(std::isinf(reference), context.constData());
            QCOMPARE(error.message(),
                     std::string("'") + text + "' is not a valid floating point value");
            ++refusedCount;
        }
    }
    // The mix reaches both ends of the range.
    QVERIFY(refusedCount > 500);
    QVERIFY(zeroCount > 500);
}

QTEST_GUILESS_MAIN(LengthTextDifferentialTest)
#include "LengthTextDifferentialTest.moc"
