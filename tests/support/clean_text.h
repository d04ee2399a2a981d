#pragma once

#include <QString>

// No text the program shows may hold inf, nan or a negative zero; "-0.5", "1E-05" and a typed
// "2e-0" are fine.
inline bool isCleanText(const QString& text)
{
    if (text.contains(QLatin1String("inf"), Qt::CaseInsensitive) ||
        text.contains(QLatin1String("nan"), Qt::CaseInsensitive))
        return false;
    for (qsizetype at = text.indexOf(QLatin1String("-0")); at >= 0;
         at = text.indexOf(QLatin1String("-0"), at + 1)) {
        if (at > 0 && (text[at - 1] == u'e' || text[at - 1] == u'E'))
            continue; // an exponent's sign, as in 1e-0: the number is no negative zero
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
