#pragma once

#include <QString>

// No text the program shows may hold inf, nan or a negative zero; "-0.5" and "1E-05" are fine.
inline bool isCleanText(const QString& text)
{
    if (text.contains(QLatin1String("inf"), Qt::CaseInsensitive) ||
        text.contains(QLatin1String("nan"), Qt::CaseInsensitive))
        return false;
    for (qsizetype at = text.indexOf(QLatin1String("-0")); at >= 0;
         at = text.indexOf(QLatin1String("-0"), at + 1)) {
        const qsizetype next = at + 2;
        if (next >= text.size())
            return false;
        const QChar c = text[next];
        const bool moreDigits = c.isDigit() || ((c == u'.' || c == u',') &&
                                                next + 1 < text.size() && text[next + 1].isDigit());
        if (!moreDigits)
            return false;
    }
    return true;
}
