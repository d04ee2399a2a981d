#include "input/notation.h"

#include "input/number_text.h"

#include <QHash>
#include <QLocale>

#include <charconv>
#include <cmath>

namespace {

constexpr QChar minusSign = u'\u2212';

// The raised forms of the characters an exponent or a root index is written with.
QChar raised(QChar c)
{
    static const QHash<QChar, QChar> forms{
        {u'0', u'\u2070'}, {u'1', u'\u00B9'}, {u'2', u'\u00B2'},      {u'3', u'\u00B3'},
        {u'4', u'\u2074'}, {u'5', u'\u2075'}, {u'6', u'\u2076'},      {u'7', u'\u2077'},
        {u'8', u'\u2078'}, {u'9', u'\u2079'}, {u'\u2212', u'\u207B'}, {u'+', u'\u207A'},
        {u'(', u'\u207D'}, {u')', u'\u207E'}, {u'N', u'\u1D3A'},      {u'n', u'\u207F'},
        {u'r', u'\u02B3'}, {u'i', u'\u2071'}};
    return forms.value(c, QChar());
}

// The exponent raised, blanks left out; empty when one of its characters has no raised form.
QString superscript(const QString& text)
{
    QString result;
    for (const QChar c : text) {
        if (c == u' ')
            continue;
        const QChar up = raised(c);
        if (up.isNull())
            return {};
        result += up;
    }
    return result;
}

// One symbol, one unsigned number or one absolute value: a root or a power takes it without
// brackets.
bool isAtom(const QString& text)
{
    if (text.size() > 2 && text.front() == u'|' && text.back() == u'|' && text.count(u'|') == 2)
        return true;
    for (const QChar c : text)
        if (!c.isLetterOrNumber() && c != QLocale().decimalPoint().front() && c != u'\'' &&
            c != u'\u03C0')
            return false;
    return !text.isEmpty();
}

class TextbookStyle final : public NotationStyle {
public:
    QString number(const QString& digits) const override
    {
        return digits.startsWith(u'-') ? minusSign + digits.mid(1) : digits;
    }
    QString power(const QString& base, const QString& exponent) const override
    {
        const QString up = superscript(exponent);
        if (!up.isEmpty())
            return base + up;
        return base + u'^' + (isAtom(exponent) ? exponent : u'(' + exponent + u')');
    }
    QString root(const QString& argument, const QString& index) const override
    {
        const QString radicand = isAtom(argument) ? argument : u'(' + argument + u')';
        if (index.isEmpty())
            return u'\u221A' + radicand;
        const QString up = superscript(index);
        if (!up.isEmpty())
            return up + u'\u221A' + radicand;
        return power(u'(' + argument + u')', QStringLiteral("1/") + index);
    }
    QString function(const QString& name, const QString& argument) const override
    {
        return name + u'(' + argument + u')';
    }
    QString symbol(const QString& name) const override;
};

QString TextbookStyle::symbol(const QString& name) const
{
    static const QHash<QString, QString> symbols{
        {QStringLiteral("times"), QStringLiteral(" \u00D7 ")},
        {QStringLiteral("divided"), QStringLiteral(" \u00F7 ")},
        {QStringLiteral("fraction"), QStringLiteral("/")},
        {QStringLiteral("plus"), QStringLiteral(" + ")},
        {QStringLiteral("minus"), QStringLiteral(" \u2212 ")},
        {QStringLiteral("negative"), QStringLiteral("\u2212")},
        {QStringLiteral("less"), QStringLiteral(" < ")},
        {QStringLiteral("degrees"), QStringLiteral("\u00B0")},
        {QStringLiteral("pi"), QStringLiteral("\u03C0")},
        {QStringLiteral("cos"), QStringLiteral("cos")},
        {QStringLiteral("sin"), QStringLiteral("sin")},
        {QStringLiteral("arccos"), QStringLiteral("cos\u207B\u00B9")},
        {QStringLiteral("arcsin"), QStringLiteral("sin\u207B\u00B9")}};
    return symbols.value(name);
}

const NotationStyle* active = nullptr;

const NotationStyle& style()
{
    return active ? *active : textbookStyle();
}

QString sym(const char* name)
{
    return style().symbol(QLatin1String(name));
}

} // namespace

const NotationStyle& textbookStyle()
{
    static const TextbookStyle style;
    return style;
}

ScopedNotation::ScopedNotation(const NotationStyle& style)
    : m_previous(active)
{
    active = &style;
}

ScopedNotation::~ScopedNotation()
{
    active = m_previous;
}

QString workingNumber(double value)
{
    if (!std::isfinite(value))
        return {};
    // Cut to 12 significant digits first, then written as every number is, so a value shows
    // in the same form in the working as in a field, only shorter.
    char buffer[40];
    const auto end =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 12).ptr;
    double cut = value;
    std::from_chars(buffer, end, cut);
    return style().number(numberText(cut));
}

QString power(const QString& base, const QString& exponent)
{
    return style().power(base, exponent);
}

QString squared(const QString& base)
{
    return power(base, QStringLiteral("2"));
}

QString root(const QString& argument)
{
    return style().root(argument, {});
}

QString nthRoot(const QString& argument, const QString& index)
{
    return style().root(argument, index);
}

QString times(const QString& a, const QString& b)
{
    return a + sym("times") + b;
}

QString dividedBy(const QString& a, const QString& b)
{
    return a + sym("divided") + b;
}

QString fraction(const QString& numerator, const QString& denominator)
{
    return numerator + sym("fraction") + denominator;
}

QString plus(const QString& a, const QString& b)
{
    return a + sym("plus") + b;
}

QString minus(const QString& a, const QString& b)
{
    return a + sym("minus") + b;
}

QString negative(const QString& a)
{
    return sym("negative") + a;
}

QString bracketed(const QString& a)
{
    return u'(' + a + u')';
}

QString absolute(const QString& a)
{
    return u'|' + a + u'|';
}

QString lessThan(const QString& a, const QString& b)
{
    return a + sym("less") + b;
}

QString degrees(const QString& angle)
{
    return angle + sym("degrees");
}

QString cosine(const QString& angle)
{
    return style().function(sym("cos"), angle);
}

QString sine(const QString& angle)
{
    return style().function(sym("sin"), angle);
}

QString inverseCosine(const QString& value)
{
    return style().function(sym("arccos"), value);
}

QString inverseSine(const QString& value)
{
    return style().function(sym("arcsin"), value);
}

QString piSymbol()
{
    return sym("pi");
}
