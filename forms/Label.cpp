#include "forms/Label.h"

#include "forms/Fonts.h"
#include "forms/Form.h"

#include <QAccessibleWidget>
#include <QEvent>
#include <QGlyphRun>
#include <QRawFont>
#include <QTextLayout>

#include <cmath>

namespace forms {

namespace {

// What a screen reader reads of a Label (see Label.h).
class LabelAccessibility : public QAccessibleWidget
{
public:
    explicit LabelAccessibility(Label *label) : QAccessibleWidget(label, QAccessible::StaticText)
    {
    }

    QString text(QAccessible::Text kind) const override
    {
        const auto *label = static_cast<const Label *>(widget());
        if (kind == QAccessible::Value)
            return label->caption();
        if (kind == QAccessible::Name && label->accessibleName().isEmpty())
            return label->caption();
        return QAccessibleWidget::text(kind);
    }
};

QAccessibleInterface *labelAccessibility(const QString &, QObject *object)
{
    if (auto *label = qobject_cast<Label *>(object))
        return new LabelAccessibility(label);
    return nullptr;
}

} // namespace

Label::Label(QWidget *parent) : QLabel(parent)
{
    static const bool accessibilityInstalled =
        (QAccessible::installFactory(labelAccessibility), true);
    Q_UNUSED(accessibilityInstalled);
    setTextFormat(Qt::PlainText);
    setWordWrap(false);
    setMargin(0);
    setIndent(0);
    setAlignment(Qt::AlignLeft | Qt::AlignAbsolute | Qt::AlignTop);
    setBackgroundRole(QPalette::Window);
    setAutoFillBackground(true);
    setFocusPolicy(Qt::NoFocus);
}

void Label::setCaption(const QString &caption)
{
    QLabel::setText(caption);
    sizeToCaption();
}

void Label::setTransparent(bool on)
{
    setAutoFillBackground(!on);
    update();
}

void Label::setRightToLeft(bool on)
{
    setLayoutDirection(on ? Qt::RightToLeft : Qt::LeftToRight);
}

void Label::setFontPixelSize(int pixels)
{
    forms::setFontPixelSize(*this, pixels);
}

QColor Label::fontColor() const
{
    return palette().color(QPalette::WindowText);
}

void Label::setFontColor(const QColor &color)
{
    QPalette textColour = palette();
    textColour.setColor(QPalette::WindowText, color);
    setPalette(textColour);
}

bool Label::event(QEvent *event)
{
    // Qt asks every new control to polish itself at the next turn of the event loop; a label
    // whose sizing waits for its window's first showing waits with its polishing too.
    if (event->type() == QEvent::PolishRequest && m_sizePending && sizingWaitsForPolish())
        return true;
    const bool handled = QLabel::event(event);
    if (event->type() == QEvent::Polish && m_sizePending)
        sizeToCaption();
    return handled;
}

void Label::changeEvent(QEvent *event)
{
    QLabel::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        sizeToCaption();
}

bool Label::sizingWaitsForPolish() const
{
    const QWidget *ownWindow = window();
    return !testAttribute(Qt::WA_WState_Polished) && ownWindow != this && ownWindow->isHidden() &&
           qobject_cast<const Form *>(ownWindow) != nullptr;
}

void Label::sizeToCaption()
{
    if (sizingWaitsForPolish()) {
        m_sizePending = true;
        return;
    }
    m_sizePending = false;
    const QFontMetrics metrics = fontMetrics();
    resize(metrics.horizontalAdvance(text()), qMax(metrics.height(), captionHeight(metrics)));
}

int Label::captionHeight(const QFontMetrics &metrics) const
{
    if (text().isEmpty())
        return metrics.height();
    // One line laid out as QLabel draws it from the top: its baseline lies at the line's ascent
    // (rounded to a pixel, as the painter places it).
    QTextLayout layout(text(), font());
    QTextOption option(Qt::AlignLeft | Qt::AlignAbsolute);
    option.setTextDirection(layoutDirection());
    option.setWrapMode(QTextOption::NoWrap);
    layout.setTextOption(option);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    layout.endLayout();
    if (!line.isValid())
        return metrics.height();
    const int baseline = qRound(line.ascent());
    // The glyphs' own extents, not the font's line metrics: the ink below the baseline.
    qreal inkBelowBaseline = 0;
    for (const QGlyphRun &run : layout.glyphRuns()) {
        const QRawFont rawFont = run.rawFont();
        const QList<quint32> glyphs = run.glyphIndexes();
        const QList<QPointF> positions = run.positions();
        for (qsizetype i = 0; i < glyphs.size() && i < positions.size(); ++i) {
            const qreal below =
                positions[i].y() - line.ascent() + rawFont.boundingRect(glyphs[i]).bottom();
            inkBelowBaseline = qMax(inkBelowBaseline, below);
        }
    }
    // A sixty-fourth of a pixel is the glyph outlines' own rounding, not ink.
    constexpr qreal outlineUnit = 1.0 / 64;
    return baseline + static_cast<int>(std::ceil(inkBelowBaseline - outlineUnit));
}

} // namespace forms
