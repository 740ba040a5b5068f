#include "forms/Fonts.h"

#include <QFont>
#include <QFontDatabase>
#include <QWidget>

namespace forms {

void setFontPixelSize(QWidget &widget, int pixels)
{
    QFont font = widget.font();
    font.setPixelSize(pixels);
    widget.setFont(font);
}

void installFontSubstitutions()
{
    struct Substitution
    {
        const char *requested;
        const char *substitute;
    };
    static constexpr Substitution substitutions[] = {{"MS Sans Serif", "Liberation Sans"}};
    const QStringList installed = QFontDatabase::families();
    for (const Substitution &substitution : substitutions) {
        const QString requested = QString::fromLatin1(substitution.requested);
        if (!installed.contains(requested, Qt::CaseInsensitive))
            QFont::insertSubstitution(requested, QString::fromLatin1(substitution.substitute));
    }
}

} // namespace forms
