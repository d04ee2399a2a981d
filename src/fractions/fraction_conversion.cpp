#include "fractions/fraction_conversion.h"

#include "fractions/fraction_reading.h"

#include <QLocale>

#include <algorithm>
#include <cmath>

using namespace fractions_reading;

namespace {

bool allDigits(QStringView text)
{
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

// The digits after the point as a whole number. Too many digits for 32 bits are still the
// right numerator, so they are shown as they stand, only the leading zeros dropped.
Checked<QString> decimalDigits(QStringView piece)
{
    if (const auto digits = wholeNumber(real(piece)))
        return integerText(*digits);
    if (!allDigits(piece))
        return Message::TooBig;
    const auto first = std::find_if(piece.begin(), piece.end(), [](QChar c) { return c != u'0'; });
    return piece.sliced(first - piece.begin()).toString();
}

} // namespace

Outcome<FractionText> fractionToImproper(QStringView whole, QStringView numerator,
                                         QStringView denominator)
{
    if (const auto refusal =
            textRefusal({denominator, numerator, whole}, {denominator}, Message::DenominatorZero))
        return *refusal;
    const double d = real(denominator);
    // The whole part is rounded, the numerator is not, and the sign of the whole part stays
    // with the whole part: -1 and 2/3 give -1/3.
    Working lines;
    const auto s = wholeNoted(real(whole), lines);
    if (!s)
        return s.refusal();
    const auto n = shown(*s * d + real(numerator));
    if (!n)
        return n.refusal();
    const FractionText improper{{}, *n, denominator.toString()};
    lines << step(plus(times(QStringLiteral("Whole"), QStringLiteral("Denominator")),
                       QStringLiteral("Numerator")),
                  plus(times(term(*s), term(d)), term(real(numerator))), *n);
    lines << QStringLiteral("Result: ") + shownFraction(improper);
    return Solved<FractionText>{improper, lines};
}

Outcome<FractionText> improperToFraction(QStringView numerator, QStringView denominator)
{
    if (const auto refusal =
            textRefusal({numerator, denominator}, {denominator}, Message::DenominatorZero))
        return *refusal;
    Working lines;
    const auto read = wholesNoted({real(numerator), real(denominator)}, lines);
    if (!read)
        return read.refusal();
    const auto [n, d] = *read;
    const auto r = mixed(n, d);
    if (!r)
        return r.refusal();
    FractionText result{integerText(r->s), integerText(r->m), denominator.toString()};
    if (r->m == 0)
        result = {integerText(r->s), {}, {}};
    lines << step(dividedBy(QStringLiteral("Numerator"), QStringLiteral("Denominator")),
                  dividedBy(term(n), term(d)),
                  workingNumber(r->s) + QStringLiteral(" remainder ") + workingNumber(r->m));
    lines << QStringLiteral("Result: ") + shownFraction(result);
    return Solved<FractionText>{result, lines};
}

Outcome<DecimalResult, std::variant<Message, WholeReset>>
fractionToDecimal(QStringView whole, QStringView numerator, QStringView denominator)
{
    if (const auto refusal =
            textRefusal({denominator, numerator}, {denominator}, Message::DenominatorZero))
        return *refusal;
    const double d = real(denominator);
    if (!whole.isEmpty() && !isNumber(whole))
        return WholeReset{};
    const QString shownWhole = whole.isEmpty() ? QStringLiteral("0") : whole.toString();
    // The numerator is rounded to a whole number before it is divided.
    Working lines;
    const auto read = wholesNoted({real(numerator), real(shownWhole)}, lines);
    if (!read)
        return read.refusal();
    const auto [m, s] = *read;
    const auto decimal = shown(m / d + s);
    if (!decimal)
        return decimal.refusal();
    lines << step(plus(dividedBy(QStringLiteral("Numerator"), QStringLiteral("Denominator")),
                       QStringLiteral("Whole")),
                  plus(dividedBy(term(m), term(d)), term(s)), *decimal);
    return Solved<DecimalResult>{{shownWhole, *decimal}, lines};
}

Outcome<FractionText> decimalToFraction(QStringView decimal)
{
    if (!isNumber(decimal))
        return Message::NotNumeric;
    // The blanks the number test allows around a number are no digits of it; the point is
    // the pupil's own decimal separator, the one the number test accepted.
    QList<QStringView> pieces = decimal.trimmed().split(QLocale().decimalPoint());
    if (pieces.size() != 2 || !isNumber(pieces[0]) || !isNumber(pieces[1]))
        return Message::DecimalForm;
    const auto numerator = decimalDigits(pieces[1]);
    if (!numerator)
        return numerator.refusal();
    const auto denominator = shown(std::pow(10.0, pieces[1].size()));
    if (!denominator)
        return denominator.refusal();
    // The whole part is shown as typed, sign and leading zeros included: -0.5 gives -0 5/10,
    // the minus standing where the pupil wrote it.
    FractionText result{pieces[0].toString(), *numerator, *denominator};
    if (real(*numerator) == 0)
        result = {pieces[0].toString(), {}, {}};
    Working lines{QStringLiteral("Whole part = ") + pieces[0].toString() +
                  QStringLiteral(", digits after the point = ") + pieces[1].toString() +
                  QStringLiteral(" (n = ") + workingNumber(double(pieces[1].size())) + u')'};
    // A piece such as 5e2 is read as a whole number, not digit by digit.
    if (!allDigits(pieces[1]))
        lines << step(QStringLiteral("Numerator"), pieces[1].toString(), *numerator);
    lines << step(
        QStringLiteral("Denominator = ") + power(QStringLiteral("10"), QStringLiteral("n")),
        power(QStringLiteral("10"), workingNumber(double(pieces[1].size()))), *denominator);
    lines << QStringLiteral("Result: ") + shownFraction(result);
    return Solved<FractionText>{result, lines};
}
