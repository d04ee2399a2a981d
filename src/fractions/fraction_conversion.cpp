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
                                       QStringView denominator)
{
    if (!isNumber(denominator) || !isNumber(numerator) || !isNumber(whole))
        return Message::NotNumeric;
    const double d = real(denominator);
    if (d == 0)
        return Message::DenominatorZero;
    try {
        // The whole part is rounded, the numerator is not, and the sign of the whole part
        // stays with the whole part: -1 and 2/3 give -1/3.
        const double m = wholeOf(real(whole)) * d + real(numerator);
        return FractionText{{}, shown(m), denominator.toString()};
    } catch (const Refused& refused) {
        return refused.message;
    }
}

FractionTextOutcome improperToFraction(QStringView numerator, QStringView denominator)
{
    if (!isNumber(denominator) || !isNumber(numerator))
        return Message::NotNumeric;
    if (real(denominator) == 0)
        return Message::DenominatorZero;
    try {
        const std::int32_t n = whole(numerator);
        const Fraction r = need(mixed(n, whole(denominator)));
        if (r.m == 0)
            return FractionText{integerText(r.s), {}, {}};
        return FractionText{integerText(r.s), integerText(r.m), denominator.toString()};
    } catch (const Refused& refused) {
        return refused.message;
    }
}

DecimalOutcome fractionToDecimal(QStringView whole, QStringView numerator, QStringView denominator)
{
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
        const double m = wholeOf(real(numerator));
        return DecimalResult{shownWhole, shown(m / d + wholeOf(real(shownWhole)))};
    } catch (const Refused& refused) {
        return refused.message;
    }
}

FractionTextOutcome decimalToFraction(QStringView decimal)
{
    if (!isNumber(decimal))
        return Message::NotNumeric;
    // The blanks the number test allows around a number are no digits of it; the point is
    // the pupil's own decimal separator, the one the number test accepted.
    const QList<QStringView> pieces = decimal.trimmed().split(QLocale().decimalPoint());
    if (pieces.size() != 2 || !isNumber(pieces[0]) || !isNumber(pieces[1]))
        return Message::DecimalForm;
    try {
        const QString numerator = decimalDigits(pieces[1]);
        const QString denominator = shown(std::pow(10.0, pieces[1].size()));
        if (real(numerator) == 0)
            return FractionText{pieces[0].toString(), {}, {}};
        return FractionText{pieces[0].toString(), numerator, denominator};
    } catch (const Refused& refused) {
        return refused.message;
    }
}
