#include "input/working.h"

#include "input/notation.h"
#include "input/number_text.h"

QString term(double value)
{
    const QString text = workingNumber(value);
    return value < 0 ? bracketed(text) : text;
}

namespace {

thread_local WorkingStyle currentStyle = WorkingStyle::Decimal;

// The exact form as the working writes numbers: its own minus sign.
std::optional<QString> exactInWorking(const Real& value)
{
    if (currentStyle != WorkingStyle::Exact)
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
    const std::optional<QString> exact = exactInWorking(value);
    if (!exact || exactText(value) == decimal)
        return decimal;
    return *exact + QStringLiteral(" ≈ ") + decimal;
}

QString step(const QString& formula, const QString& values, const QString& result)
{
    if (values.isEmpty() || values == formula || values == result)
        return formula + QStringLiteral(" = ") + result;
    return formula + QStringLiteral(" = ") + values + QStringLiteral(" = ") + result;
}
