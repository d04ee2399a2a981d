#include "input/working.h"

#include "input/number_text.h"

QString term(double value)
{
    const QString text = numberText(value);
    return text.startsWith(u'-') ? u'(' + text + u')' : text;
}

QString step(const QString& formula, const QString& values, const QString& result)
{
    if (values.isEmpty() || values == formula || values == result)
        return formula + QStringLiteral(" = ") + result;
    return formula + QStringLiteral(" = ") + values + QStringLiteral(" = ") + result;
}
