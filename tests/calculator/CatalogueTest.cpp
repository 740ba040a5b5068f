// The catalogue: sizes and order of the three tables, their first and last rows, the two rows
// whose values were mended, the designation pattern, and a physical check of every row against
// the mass of steel in the section it names.

#include "Catalogue.h"

#include <QRegularExpression>
#include <QtTest>

#include <cmath>
#include <numbers>

Q_DECLARE_METATYPE(ShapeFamily)
Q_DECLARE_METATYPE(long double)

namespace {

constexpr ShapeFamily allFamilies[] = {ShapeFamily::Square, ShapeFamily::Rectangular,
                                       ShapeFamily::Round};

QString familyName(ShapeFamily family)
{
    switch (family) {
    case ShapeFamily::Square:
        return "square";
    case ShapeFamily::Rectangular:
        return "rectangular";
    case ShapeFamily::Round:
        return "round";
    }
    return "unknown";
}

QByteArray text(std::string_view designation)
{
    return {designation.data(), static_cast<qsizetype>(designation.size())};
}

// Mass per metre of steel (7850 kg/m3) in the section a designation names, in kg/m.
// Square and rectangular sections have outer corners of radius 1.5 t and inner corners of
// radius t; round sections are rings.
double sectionMassPerMetre(const QRegularExpressionMatch &match)
{
    constexpr double steelKgPerMm2PerMetre = 7850.0 * 1e-6;
    const QString family = match.captured("family");
    const double wall = match.captured("wall").toDouble();
    if (family == "D") {
        const double diameter = match.captured("first").toDouble();
        return std::numbers::pi * wall * (diameter - wall) * steelKgPerMm2PerMetre;
    }
    const double width = match.captured("first").toDouble();
    const double depth = family == "SQ" ? width : match.captured("second").toDouble();
    const double outerRadius = 1.5 * wall;
    const double innerRadius = wall;
    const double outer = width * depth - (4 - std::numbers::pi) * outerRadius * outerRadius;
    const double inner = (width - 2 * wall) * (depth - 2 * wall) -
                         (4 - std::numbers::pi) * innerRadius * innerRadius;
    return (outer - inner) * steelKgPerMm2PerMetre;
}

// "SQ 40  t=3", "REC 100x50  t=6.3", "D 33.7  t=2.6": plain decimals, a point only before a
// fraction, no trailing zero.
const QRegularExpression &designationPattern()
{
    static const QRegularExpression pattern(
        R"(^(?<family>SQ|REC|D) (?<first>[1-9][0-9]*(\.[0-9]*[1-9])?))"
        R"((x(?<second>[1-9][0-9]*(\.[0-9]*[1-9])?))?  t=(?<wall>[1-9][0-9]*(\.[0-9]*[1-9])?)$)");
    return pattern;
}

} // namespace

class CatalogueTest : public QObject
{
    Q_OBJECT

private slots:
    void tableEnds_data();
    void tableEnds();
    void mendedRows_data();
    void mendedRows();
    void designationsFollowThePattern();
    void everyRowMatchesItsSection();
    void massesAreTheNearestExtendedValues();
};

void CatalogueTest::tableEnds_data()
{
    QTest::addColumn<ShapeFamily>("family");
    QTest::addColumn<int>("rowCount");
    QTest::addColumn<QByteArray>("firstDesignation");
    QTest::addColumn<long double>("firstMass");
    QTest::addColumn<QByteArray>("lastDesignation");
    QTest::addColumn<long double>("lastMass");
    QTest::newRow("square") << ShapeFamily::Square << 58 << QByteArray("SQ 40  t=3") << 3.41L
                            << QByteArray("SQ 300  t=16") << 141.0L;
    QTest::newRow("rectangular") << ShapeFamily::Rectangular << 56 << QByteArray("REC 50x30  t=3")
                                 << 3.41L << QByteArray("REC 300x200  t=12.5") << 91.9L;
    QTest::newRow("round") << ShapeFamily::Round << 72 << QByteArray("D 33.7  t=2.6") << 1.99L
                           << QByteArray("D 355.6  t=20") << 166.0L;
}

void CatalogueTest::tableEnds()
{
    QFETCH(ShapeFamily, family);
    QFETCH(int, rowCount);
    QFETCH(QByteArray, firstDesignation);
    QFETCH(long double, firstMass);
    QFETCH(QByteArray, lastDesignation);
    QFETCH(long double, lastMass);
    const std::span<const CatalogueRow> rows = catalogueRows(family);
    QCOMPARE(rows.size(), static_cast<std::size_t>(rowCount));
    QCOMPARE(text(rows.front().designation), firstDesignation);
    QVERIFY(rows.front().massPerMetre == firstMass);
    QCOMPARE(text(rows.back().designation), lastDesignation);
    QVERIFY(rows.back().massPerMetre == lastMass);
}

void CatalogueTest::mendedRows_data()
{
    QTest::addColumn<ShapeFamily>("family");
    QTest::addColumn<int>("index");
    QTest::addColumn<QByteArray>("designation");
    QTest::addColumn<long double>("mass");
    QTest::addColumn<QByteArray>("previousDesignation");
    QTest::newRow("REC 160x100  t=5")
        << ShapeFamily::Rectangular << 28 << QByteArray("REC 160x100  t=5") << 19.4L
        << QByteArray("REC 150x100  t=10");
    QTest::newRow("D 355.6  t=16") << ShapeFamily::Round << 70 << QByteArray("D 355.6  t=16")
                                   << 134.0L << QByteArray("D 355.6  t=12.5");
}

void CatalogueTest::mendedRows()
{
    QFETCH(ShapeFamily, family);
    QFETCH(int, index);
    QFETCH(QByteArray, designation);
    QFETCH(long double, mass);
    QFETCH(QByteArray, previousDesignation);
    const std::span<const CatalogueRow> rows = catalogueRows(family);
    const auto position = static_cast<std::size_t>(index);
    QCOMPARE(text(rows[position].designation), designation);
    QVERIFY(rows[position].massPerMetre == mass);
    QCOMPARE(text(rows[position - 1].designation), previousDesignation);
}

void CatalogueTest::designationsFollowThePattern()
{
    const char *const prefixes[] = {"SQ", "REC", "D"};
    for (const ShapeFamily family : allFamilies) {
        QSet<QByteArray> seen;
        for (const CatalogueRow &row : catalogueRows(family)) {
            const QByteArray designation = text(row.designation);
            for (const char c : designation)
                QVERIFY2(static_cast<unsigned char>(c) >= 0x20 &&
                             static_cast<unsigned char>(c) < 0x7F,
                         designation.constData());
            const QRegularExpressionMatch match =
                designationPattern().match(QString::fromLatin1(designation));
            QVERIFY2(match.hasMatch(), designation.constData());
            QCOMPARE(match.captured("family"),
                     QString::fromLatin1(prefixes[static_cast<int>(family)]));
            // Only rectangular sizes have two dimensions, the larger first.
            QCOMPARE(match.hasCaptured("second"), family == ShapeFamily::Rectangular);
            if (family == ShapeFamily::Rectangular)
                QVERIFY2(match.captured("first").toDouble() > match.captured("second").toDouble(),
                         designation.constData());
            QVERIFY2(!seen.contains(designation), designation.constData());
            seen.insert(designation);
        }
    }
}

void CatalogueTest::everyRowMatchesItsSection()
{
    // A typing slip in a value or a designation moves a row far beyond the 1.5 % that rounding
    // of the printed values and of the corner radii leaves.
    for (const ShapeFamily family : allFamilies) {
        const std::span<const CatalogueRow> rows = catalogueRows(family);
        for (std::size_t index = 0; index < rows.size(); ++index) {
            const QRegularExpressionMatch match =
                designationPattern().match(QString::fromLatin1(text(rows[index].designation)));
            QVERIFY(match.hasMatch());
            const double expected = sectionMassPerMetre(match);
            const auto stored = static_cast<double>(rows[index].massPerMetre);
            const double deviation = std::abs(stored - expected) / expected;
            QVERIFY2(deviation <= 0.015,
                     qPrintable(QString("%1 row %2 \"%3\": %4 kg/m, section %5")
                                    .arg(familyName(family))
                                    .arg(index)
                                    .arg(QString::fromLatin1(text(rows[index].designation)))
                                    .arg(stored)
                                    .arg(expected, 0, 'f', 2)));
        }
    }
}

void CatalogueTest::massesAreTheNearestExtendedValues()
{
    // 3.41 as the nearest 80-bit value: biased exponent 0x4000, significand 0xDA3D70A3D70A3D71.
    const long double mass = catalogueRows(ShapeFamily::Square)[0].massPerMetre;
    unsigned char bytes[sizeof(long double)];
    std::memcpy(bytes, &mass, sizeof bytes);
    std::uint64_t significand = 0;
    std::memcpy(&significand, bytes, sizeof significand);
    QCOMPARE(significand, std::uint64_t{0xDA3D70A3D70A3D71});
    QCOMPARE(bytes[8] | (bytes[9] << 8), 0x4000);
    // A double widened to 80 bits would differ.
    QVERIFY(mass != static_cast<long double>(3.41));
}

QTEST_GUILESS_MAIN(CatalogueTest)
#include "CatalogueTest.moc"
