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
QString decimalDigits(QStringView piece)
{
    if (const auto digits = wholeNumber(real(piece)))
        return integerText(*digits);
    if (!allDigits(piece))
        throw Refused{Message::TooBig};
    const auto first = std::find_if(piece.begin(), piece.end(), [](QChar c) { return c != u'0'; });
    return piece.sliced(first - piece.begin()).toString();
}

} // namespace

FractionTextOutcome fractionToImproper(QStringView whole, QStringView numerator,
                                       QStringView denominator, Working* working)
{
    Steps steps(working);
    if (!isNumber(denominator) || !isNumber(numerator) || !isNumber(whole))
        return Message::NotNumeric;
    const double d = real(denominator);
    if (d == 0)
        return Message::DenominatorZero;
    try {
        // The whole part is rounded, the numerator is not, and the sign of the whole part
        // stays with the whole part: -1 and 2/3 give -1/3.
        const std::int32_t s = steps.whole(whole);
        const FractionText improper{{}, shown(s * d + real(numerator)), denominator.toString()};
        steps << step(QStringLiteral("Whole * Denominator + Numerator"),
                      term(s) + QStringLiteral(" * ") + term(d) + QStringLiteral(" + ") +
                          term(real(numerator)),
                      improper.numerator);
        steps << QStringLiteral("Result: ") + shownFraction(improper);
        return improper;
    } catch (const Refused& refused) {
        return steps.refused(refused);
    }
}

FractionTextOutcome improperToFraction(QStringView numerator, QStringView denominator,
                                       Working* working)
{
    Steps steps(working);
    if (!isNumber(denominator) || !isNumber(numerator))
        return Message::NotNumeric;
    if (real(denominator) == 0)
        return Message::DenominatorZero;
    try {
        const std::int32_t n = steps.whole(numerator);
        const std::int32_t d = steps.whole(denominator);
        const Fraction r = need(mixed(n, d));
        FractionText result{integerText(r.s), integerText(r.m), denominator.toString()};
        if (r.m == 0)
            result = {integerText(r.s), {}, {}};
        steps << step(QStringLiteral("Numerator / Denominator"),
                      term(n) + QStringLiteral(" / ") + term(d),
                      integerText(r.s) + QStringLiteral(" remainder ") + integerText(r.m));
        steps << QStringLiteral("Result: ") + shownFraction(result);
        return result;
    } catch (const Refused& refused) {
        return steps.refused(refused);
    }
}

DecimalOutcome fractionToDecimal(QStringView whole, QStringView numerator, QStringView denominator,
                                 Working* working)
{
    Steps steps(working);
    if (!isNumber(denominator) || !isNumber(numerator))
        return Message::NotNumeric;
    const double d = real(denominator);
    if (d == 0)
        return Message::DenominatorZero;
    if (!whole.isEmpty() && !isNumber(whole))
        return WholeReset{};
    const QString shownWhole = whole.isEmpty() ? QStringLiteral("0") : whole.toString();
    try {
        // The numerator is rounded to a whole number before it is divided.
        const std::int32_t m = steps.whole(numerator);
        const std::int32_t s = steps.whole(shownWhole);
        const DecimalResult result{shownWhole, shown(m / d + s)};
        steps << step(QStringLiteral("Numerator / Denominator + Whole"),
                      term(m) + QStringLiteral(" / ") + term(d) + QStringLiteral(" + ") + term(s),
                      result.decimal);
        return result;
    } catch (const Refused& refused) {
        return steps.refused(refused);
    }
}

FractionTextOutcome decimalToFraction(QStringView decimal, Working* working)
{
    Steps steps(working);
    if (!isNumber(decimal))
        return Message::NotNumeric;
    // The blanks the number test allows around a number are no digits of it; the point is
    // the pupil's own decimal separator, the one the number test accepted.
    QList<QStringView> pieces = decimal.trimmed().split(QLocale().decimalPoint());
    if (pieces.size() != 2 || !isNumber(pieces[0]) || !isNumber(pieces[1]))
        return Message::DecimalForm;
    try {
        const QString numerator = decimalDigits(pieces[1]);
        // The whole part is shown as typed, sign and leading zeros included: -0.5 gives -0 5/10,
        // the minus standing where the pupil wrote it.
        const QString denominator = shown(std::pow(10.0, pieces[1].size()));
        FractionText result{pieces[0].toString(), numerator, denominator};
        if (real(numerator) == 0)
            result = {pieces[0].toString(), {}, {}};
        const QString count = numberText(static_cast<double>(pieces[1].size()));
        steps << QStringLiteral("Whole part = ") + pieces[0].toString() +
                     QStringLiteral(", digits after the point = ") + pieces[1].toString();
        // A piece such as 5e2 is read as a whole number, not digit by digit.
        if (!allDigits(pieces[1]))
            steps << step(QStringLiteral("Numerator"), pieces[1].toString(), numerator);
        steps << step(QStringLiteral("Denominator = 10^(number of digits)"),
                      QStringLiteral("10^") + count, denominator);
        steps << QStringLiteral("Result: ") + shownFraction(result);
        return result;
    } catch (const Refused& refused) {
        return steps.refused(refused);
    }
}
