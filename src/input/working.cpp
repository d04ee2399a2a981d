#include "input/working.h"

#include "input/notation.h"

QString term(double value)
{
    const QString text = workingNumber(value);
    return value < 0 ? bracketed(text) : text;
}

QString term(const Real& value)
{
    return term(value.value());
}

QString step(const QString& formula, const QString& values, const QString& result)
{
    if (values.isEmpty() || values == formula || values == result)
        return formula + QStringLiteral(" = ") + result;
    return formula + QStringLiteral(" = ") + values + QStringLiteral(" = ") + result;
}
