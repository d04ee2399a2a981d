#include "geometry/worked_step.h"

#include "geometry/pi.h"
#include "input/notation.h"
#include "input/number_text.h"

Symbols::Symbols(std::initializer_list<NamedValue> values, bool withValues)
    : m_values(values)
    , m_withValues(withValues)
{
}

QString Symbols::operator()(QStringView name) const
{
    if (m_withValues)
        for (const auto& [known, value] : m_values)
            if (name == known)
                return term(value);
    return name.toString();
}

QString Symbols::pi() const
{
    // With exact values π stays π: 5 × π × 5 = 25π.
    if (!m_withValues || workingStyle() == WorkingStyle::Exact)
        return piSymbol();
    return workingNumber(pi15);
}

namespace {

QString written(QStringView name, Expression expression, std::initializer_list<NamedValue> values,
                const QString& result)
{
    return step(name.toString() + QStringLiteral(" = ") + expression(Symbols(values, false)),
                expression(Symbols(values, true)), result);
}

} // namespace

QString workedStep(QStringView name, Expression expression,
                   std::initializer_list<NamedValue> values, const Real& result)
{
    return written(name, expression, values, resultNumber(result));
}

QString workedPart(QStringView name, Expression expression,
                   std::initializer_list<NamedValue> values, const Real& result)
{
    return written(name, expression, values, workingNumber(result));
}
