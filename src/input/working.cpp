#include "input/working.h"

#include "exact/exact_reading.h"
#include "input/notation.h"
#include "input/number_text.h"

#include <charconv>

QString term(double value)
{
    const QString text = workingNumber(value);
    return value < 0 ? bracketed(text) : text;
}

namespace {

thread_local WorkingStyle currentStyle = WorkingStyle::Decimal;

// A rational whose decimal of so many digits is the very same value, 2.5 or 0.125: the
// working keeps the decimal the pupil typed rather than 5/2.
bool decimalIsExact(const Real& value, int digits)
{
    const Exact& exact = *value.exact();
    if (exact.piPower() != 0 || !exact.surd().isRational())
        return false;
    char text[40];
    const auto end =
        std::to_chars(text, text + sizeof text, value.value(), std::chars_format::general, digits)
            .ptr;
    return decimalRational({text, end}) == exact.surd().rational();
}

// The exact form as the working writes numbers: its own minus sign.
std::optional<QString> exactInWorking(const Real& value)
{
    if (currentStyle != WorkingStyle::Exact || !value.exact() || decimalIsExact(value, 12))
        return std::nullopt;
    std::optional<QString> text = exactText(value);
    if (text)
        text->replace(u'-', QChar(0x2212));
    return text;
}

} // namespace

WorkingStyleScope::WorkingStyleScope(WorkingStyle style)
    : m_previous(currentStyle)
{
    currentStyle = style;
}

WorkingStyleScope::~WorkingStyleScope()
{
    currentStyle = m_previous;
}

WorkingStyle workingStyle()
{
    return currentStyle;
}

QString term(const Real& value)
{
    const std::optional<QString> exact = exactInWorking(value);
    if (!exact)
        return term(value.value());
    // "2 × (3 + √13)/2" would read wrong, and so would "4 × −√3".
    const bool compound =
        exact->contains(u' ') || exact->contains(u'/') || exact->startsWith(QChar(0x2212));
    return compound ? bracketed(*exact) : *exact;
}

QString workingNumber(const Real& value)
{
    return exactInWorking(value).value_or(workingNumber(value.value()));
}

QString resultNumber(const Real& value)
{
    const QString decimal = numberText(value.value());
    if (currentStyle != WorkingStyle::Exact || !value.exact())
        return decimal;
    std::optional<QString> exact = exactText(value);
    if (!exact || *exact == decimal)
        return decimal;
    exact->replace(u'-', QChar(0x2212));
    // 15/2 = 7.5 is the same number twice; (3 + √13)/2 ≈ 3.30277563773199 is not.
    return *exact + (decimalIsExact(value, 15) ? QStringLiteral(" = ") : QStringLiteral(" ≈ ")) +
           decimal;
}

QString step(const QString& formula, const QString& values, const QString& result)
{
    if (values.isEmpty() || values == formula || values == result)
        return formula + QStringLiteral(" = ") + result;
    return formula + QStringLiteral(" = ") + values + QStringLiteral(" = ") + result;
}
