#include "ExpectedState.h"

#include "Numeric.h"

namespace {

constexpr int entryCount = 10;

QStringList designationsOf(ShapeFamily family)
{
    QStringList designations;
    for (const CatalogueRow &row : catalogueRows(family))
        designations.append(QString::fromUtf8(row.designation.data(),
                                              static_cast<qsizetype>(row.designation.size())));
    return designations;
}

} // namespace

const QStringList &ExpectedState::designations(ShapeFamily family)
{
    static const std::array<QStringList, 3> byFamily{designationsOf(ShapeFamily::Square),
                                                     designationsOf(ShapeFamily::Rectangular),
                                                     designationsOf(ShapeFamily::Round)};
    return byFamily[static_cast<std::size_t>(family)];
}

long double ExpectedState::massPerMetre() const
{
    return catalogueRows(m_family)[static_cast<std::size_t>(m_selectedRow)].massPerMetre;
}

void ExpectedState::checkFamily(ShapeFamily family)
{
    if (family == m_family)
        return;
    m_family = family;
    m_selectedRow = 0;
}

void ExpectedState::dropDownChanged(const QString &shownText)
{
    const qsizetype row = designations(m_family).indexOf(shownText);
    if (row >= 0)
        m_selectedRow = static_cast<int>(row);
}

void ExpectedState::replaceText(Box box, const QString &text)
{
    m_texts[index(box)] = text.left(editBoxMaximum);
}

bool ExpectedState::commit(Box box)
{
    const QString &typed = text(box);
    try {
        if (box == Box::Length)
            m_lengthMm = numeric::parseLength(typed.toStdString(), ".");
        else
            m_quantity = numeric::parseQuantity(typed.toStdString());
        return true;
    } catch (const numeric::NumericError &) {
        m_reports.append(QLatin1Char('\'') + typed +
                         (box == Box::Length
                              ? QStringLiteral("' is not a valid floating point value.")
                              : QStringLiteral("' is not a valid integer value.")));
        return false;
    }
}

void ExpectedState::calculate()
{
    try {
        const long double weight = numeric::computeWeight(massPerMetre(), m_lengthMm, m_quantity);
        m_resultCaption =
            QString::fromStdString(numeric::weightCaption(numeric::formatWeight(weight)));
    } catch (const numeric::NumericError &) {
        m_reports.append(QStringLiteral("Floating point overflow."));
    }
}

void ExpectedState::next()
{
    m_galleryIndex = m_galleryIndex + 1 > entryCount ? 1 : m_galleryIndex + 1;
}

void ExpectedState::previous()
{
    m_galleryIndex = m_galleryIndex - 1 < 1 ? entryCount : m_galleryIndex - 1;
}

void ExpectedState::clickEntry(int k)
{
    m_galleryIndex = k;
}
