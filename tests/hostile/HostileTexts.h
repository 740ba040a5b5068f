#pragma once

// Texts a user can paste where a number is expected: control characters, bidirectional marks,
// digits of other scripts, format directives of several libraries, markup, unpaired surrogates,
// and texts as long as an edit box holds (QLineEdit's maximum length, 32,767) or longer.

#include <QList>
#include <QString>

struct HostileText
{
    const char *name;
    QString text;
};

inline QList<HostileText> hostileTexts()
{
    constexpr qsizetype editBoxMaximum = 32767;
    const QChar nul(u'\0');
    return {
        {"newline", QStringLiteral("12\n34")},
        {"CR LF", QStringLiteral("12\r\n34")},
        {"tab", QStringLiteral("12\t34")},
        {"NUL inside", QStringLiteral("12") + nul + QStringLiteral("34")},
        {"NUL alone", QString(nul)},
        {"right-to-left mark", QStringLiteral("\u200F12")},
        {"right-to-left override", QStringLiteral("\u202E1234")},
        {"Arabic-Indic digits", QStringLiteral("\u0661\u0662\u0663")},
        {"Persian digits", QStringLiteral("\u06F1\u06F2\u06F3")},
        {"full-width digits", QStringLiteral("\uFF11\uFF12\uFF13")},
        {"printf directives", QStringLiteral("%s%n%x")},
        {"other format directives", QStringLiteral("%1 {0} %% %d %p %*s %.99999f %L1 {} ${x}")},
        {"HTML", QStringLiteral("<b>x</b>")},
        {"HTML link, entity, image",
         QStringLiteral("<a href=\"x\">&amp;</a><br><img src=\"x\"><qt>y</qt>")},
        {"unpaired high surrogate", QStringLiteral("1") + QChar(0xD800)},
        {"unpaired low surrogate", QChar(0xDC00) + QStringLiteral("1")},
        {"surrogates in reverse order", QString(QChar(0xDC00)) + QChar(0xD800)},
        {"32,767 nines", QString(editBoxMaximum, u'9')},
        {"32,767 letters", QString(editBoxMaximum, u'x')},
        {"32,767 characters of markup",
         QStringLiteral("<b>x</b>").repeated(4096).left(editBoxMaximum)},
        {"32,767 characters of short lines",
         QStringLiteral("12\n").repeated(10923).left(editBoxMaximum)},
        {"40,000 nines (more than a box holds)", QString(40000, u'9')},
    };
}

// `text` with every unpaired surrogate replaced by "?": what the boxes' texts become on their
// way to the numeric core, which reads UTF-8, where a lone surrogate has no encoding.
inline QString withUnpairedSurrogatesAsQuestionMarks(const QString &text)
{
    QString result = text;
    for (qsizetype i = 0; i < result.size(); ++i) {
        const QChar unit = result.at(i);
        if (unit.isHighSurrogate() && i + 1 < result.size() && result.at(i + 1).isLowSurrogate())
            ++i;
        else if (unit.isSurrogate())
            result[i] = u'?';
    }
    return result;
}
