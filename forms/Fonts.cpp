#include "forms/Fonts.h"

#include <QFontDatabase>
#include <QWidget>

namespace forms {

namespace {

struct StandIn
{
    QLatin1StringView requested;
    QLatin1StringView standIn;
};

constexpr StandIn standIns[] = {
    {QLatin1StringView("MS Sans Serif"), QLatin1StringView("Liberation Sans")},
    {QLatin1StringView("Times New Roman"), QLatin1StringView("Liberation Serif")},
};

// `font` with its family named by the stand-in registered for it, if one is.
QFont withStandInFamily(QFont font)
{
    const QString requested = font.family();
    for (const StandIn &pair : standIns) {
        if (requested.compare(pair.requested, Qt::CaseInsensitive) == 0 &&
            QFont::substitute(requested).compare(pair.standIn, Qt::CaseInsensitive) == 0) {
            font.setFamilies({pair.standIn});
            break;
        }
    }
    return font;
}

} // namespace

void installFontSubstitutions()
{
    const QStringList installed = QFontDatabase::families();
    for (const StandIn &pair : standIns) {
        if (!installed.contains(pair.requested, Qt::CaseInsensitive) &&
            installed.contains(pair.standIn, Qt::CaseInsensitive))
            QFont::insertSubstitution(pair.requested, pair.standIn);
    }
}

void setFontPixelSize(QWidget &widget, int pixels)
{
    QFont font = widget.font();
    font.setPixelSize(pixels);
    widget.setFont(withStandInFamily(font));
}

QFont defaultFormFont()
{
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPixelSize(11);
    return withStandInFamily(font);
}

} // namespace forms
