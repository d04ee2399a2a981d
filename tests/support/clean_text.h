#pragma once

#include <QRegularExpression>
#include <QString>

// No text the program shows may hold inf, nan or a negative zero; "-0.5", "1E-05", a typed
// "2e-0" and words such as "Infinite" are fine.
inline bool isCleanText(const QString& text)
{
    static const QRegularExpression notFinite(
        QStringLiteral("(?<![a-z])(inf(inity)?|nan)(?![a-z])"),
        QRegularExpression::CaseInsensitiveOption);
    if (text.contains(notFinite))
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

// A line of working where a number came out empty, as one that is not finite does: it ends
// on a blank, or an operator or bracket is followed by another ("2* + 3", "Root()", "= =").
inline bool missesANumber(const QString& line)
{
    static const QRegularExpression gap(QStringLiteral("[-+*/^=(,] ?[+*/^=,)]"));
    return line.isEmpty() || line.endsWith(u' ') || line.contains(gap);
}
