#pragma once

#include <QRegularExpression>
#include <QString>

// No text the program shows may hold inf, nan or a negative zero ("-0" or "−0"); "-0.5",
// "1E-05", a typed "2e-0" and words such as "Infinite" are fine.
inline bool isCleanText(const QString& shown)
{
    // The working writes a minus sign where a field writes a hyphen: both are checked alike.
    QString text = shown;
    text.replace(QChar(0x2212), u'-');
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
// on a blank, an operator or bracket is followed by another ("2 × + 3", "√()", "= ="), or a
// degree sign stands on no number ("cos(°)").
inline bool missesANumber(const QString& line)
{
    static const QRegularExpression gap(QStringLiteral(
        "[-\\x{2212}+*/\\x{00D7}\\x{00F7}^=(,\\x{221A}] ?[+*/\\x{00D7}\\x{00F7}^=,)]|"
        "(?<!\\d)\\x{00B0}"));
    return line.isEmpty() || line.endsWith(u' ') || line.contains(gap);
}
