#include "exact/exact_text.h"

namespace {

constexpr qsizetype longestForm = 24;

QString digits(const mpz_class& value)
{
    return QString::fromStdString(value.get_str());
}

std::optional<QString> fitting(const QString& text)
{
    if (text.size() > longestForm)
        return std::nullopt;
    return text;
}

QString overDenominator(const QString& numerator, const mpz_class& denominator)
{
    return denominator == 1 ? numerator : numerator + u'/' + digits(denominator);
}

// b√d with b > 0, the 1 left out.
QString rootTerm(const mpz_class& b, const mpz_class& d)
{
    return (b == 1 ? QString() : digits(b)) + u'√' + digits(d);
}

// The numerator a + b√d of a surd over its common denominator.
QString surdNumerator(const mpz_class& a, const mpz_class& b, const mpz_class& d)
{
    const QString root = rootTerm(abs(b), d);
    if (a == 0)
        return b < 0 ? u'-' + root : root;
    return digits(a) + (b < 0 ? QStringLiteral(" - ") : QStringLiteral(" + ")) + root;
}

// n·π with the 1 left out.
QString piTerm(const mpz_class& n)
{
    if (n == 1)
        return QStringLiteral("π");
    if (n == -1)
        return QStringLiteral("-π");
    return digits(n) + u'π';
}

} // namespace

std::optional<QString> exactText(const mpq_class& value)
{
    return fitting(overDenominator(digits(value.get_num()), value.get_den()));
}

std::optional<QString> exactText(const Surd& value)
{
    if (value.isRational())
        return exactText(value.rational());
    const mpz_class& p = value.rational().get_den();
    const mpz_class& q = value.coefficient().get_den();
    mpz_class c;
    mpz_lcm(c.get_mpz_t(), p.get_mpz_t(), q.get_mpz_t());
    const mpz_class a = value.rational().get_num() * (c / p);
    const mpz_class b = value.coefficient().get_num() * (c / q);
    const QString numerator = surdNumerator(a, b, value.radicand());
    if (c == 1)
        return fitting(numerator);
    return fitting(a == 0 ? numerator + u'/' + digits(c)
                          : u'(' + numerator + QStringLiteral(")/") + digits(c));
}

std::optional<QString> exactText(const PiMultiple& value)
{
    const mpz_class& n = value.coefficient().get_num();
    const mpz_class& d = value.coefficient().get_den();
    if (n == 0)
        return QStringLiteral("0");
    if (!value.dividesByPi())
        return fitting(overDenominator(piTerm(n), d));
    if (d == 1)
        return fitting(digits(n) + QStringLiteral("/π"));
    return fitting(digits(n) + QStringLiteral("/(") + digits(d) + QStringLiteral("π)"));
}

std::optional<QString> exactText(const ExactValue& value)
{
    return std::visit([](const auto& form) { return exactText(form); }, value);
}
