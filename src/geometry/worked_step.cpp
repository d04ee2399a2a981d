#include "geometry/worked_step.h"

#include "geometry/pi.h"
#include "input/number_text.h"

namespace {

bool isLetter(QChar c)
{
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}

QString withNumbers(QStringView expression, std::initializer_list<NamedValue> values)
{
    QString text;
    qsizetype i = 0;
    while (i < expression.size()) {
        qsizetype end = i;
        while (end < expression.size() && isLetter(expression[end]))
            ++end;
        if (end == i) {
            text += expression[i++];
            continue;
        }
        const QStringView name = expression.sliced(i, end - i);
        QString written = name.toString();
        if (name == u"Pi")
            written = numberText(pi15);
        for (const auto& [known, value] : values)
            if (name == known)
                written = term(value);
        text += written;
        i = end;
    }
    return text;
}

} // namespace

QString workedStep(QStringView formula, std::initializer_list<NamedValue> values, double result)
{
    const qsizetype equals = formula.indexOf(u" = ");
    const QStringView expression = equals < 0 ? formula : formula.sliced(equals + 3);
    const QString numbers = withNumbers(expression, values);
    return step(formula.toString(), numbers == expression ? QString() : numbers,
                numberText(result));
}
