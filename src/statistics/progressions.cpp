#include "statistics/progressions.h"

#include "input/number_text.h"

#include <cmath>
#include <optional>

namespace {

// Follows a computation step by step: one step beyond the Real range spoils the result,
// even where a later step would bring it back (a huge divisor, a negative power).
class Checked {
public:
    double operator()(double value)
    {
        m_inRange = m_inRange && std::isfinite(value);
        return value;
    }
    // The answer with its working: the steps before, then the formula with the values put in
    // and the answer shown.
    Outcome<double> result(double value, const QString& formula, const QString& values,
                           Working before = {})
    {
        (*this)(value);
        if (!m_inRange)
            return Message::TooBig;
        before << step(formula, values, numberText(value));
        return Solved<double>{value, before};
    }

private:
    bool m_inRange = true;
};

bool isWhole(double value)
{
    return value == std::trunc(value);
}

// x ^ y where it is a real number: any y for x > 0, y > 0 for x = 0, whole y for x < 0.
std::optional<double> realPower(double x, double y)
{
    if (x > 0 || (x < 0 && isWhole(y)))
        return std::pow(x, y);
    if (x == 0 && y > 0)
        return 0.0;
    return std::nullopt;
}

bool isZeroOrOne(double q)
{
    return q == 0 || q == 1;
}

QString quotientText(double numerator, double denominator)
{
    return term(numerator) + QStringLiteral(" / ") + term(denominator);
}

} // namespace

Outcome<double> arithmeticSum(const ProgressionTerms& x)
{
    Checked c;
    double t = c(x.n - 1);
    t = c(x.d * t);
    t = c(c(x.a1 + x.a1) + t);
    return c.result(c(x.n * t) / 2, QStringLiteral("Sn = N * (2*A1 + (N - 1)*D) / 2"),
                    term(x.n) + QStringLiteral(" * (2*") + term(x.a1) + QStringLiteral(" + ") +
                        term(x.n - 1) + u'*' + term(x.d) + QStringLiteral(") / 2"));
}

Outcome<double> arithmeticSumOfEnds(const ProgressionTerms& x)
{
    Checked c;
    const double t = c(x.a1 + x.an);
    return c.result(c(x.n * t) / 2, QStringLiteral("Sn = N * (A1 + An) / 2"),
                    term(x.n) + QStringLiteral(" * (") + term(x.a1) + QStringLiteral(" + ") +
                        term(x.an) + QStringLiteral(") / 2"));
}

Outcome<double> arithmeticSumFromLast(const ProgressionTerms& x)
{
    Checked c;
    const double u = c(x.an + x.an);
    double t = c(x.n - 1);
    t = c(u - c(x.d * t));
    return c.result(c(x.n * t) / 2, QStringLiteral("Sn = N * (2*An - (N - 1)*D) / 2"),
                    term(x.n) + QStringLiteral(" * (2*") + term(x.an) + QStringLiteral(" - ") +
                        term(x.n - 1) + u'*' + term(x.d) + QStringLiteral(") / 2"));
}

Outcome<double> arithmeticLast(const ProgressionTerms& x)
{
    Checked c;
    double t = c(x.n - 1);
    t = c(x.d * t);
    return c.result(x.a1 + t, QStringLiteral("An = A1 + (N - 1)*D"),
                    term(x.a1) + QStringLiteral(" + ") + term(x.n - 1) + u'*' + term(x.d));
}

Outcome<double> arithmeticDifference(const ProgressionTerms& x)
{
    if (x.n == 1)
        return Message::Unreasonable;
    Checked c;
    const double t = c(x.an - x.a1);
    return c.result(t / (x.n - 1), QStringLiteral("D = (An - A1) / (N - 1)"),
                    u'(' + term(x.an) + QStringLiteral(" - ") + term(x.a1) +
                        QStringLiteral(") / ") + term(x.n - 1));
}

Outcome<double> arithmeticCount(const ProgressionTerms& x)
{
    if (x.d == 0)
        return Message::Unreasonable;
    Checked c;
    double t = c(x.an - x.a1);
    t = c(t + x.d);
    return c.result(t / x.d, QStringLiteral("N = (An - A1 + D) / D"),
                    u'(' + term(x.an) + QStringLiteral(" - ") + term(x.a1) + QStringLiteral(" + ") +
                        term(x.d) + QStringLiteral(") / ") + term(x.d));
}

Outcome<double> geometricSum(const ProgressionTerms& x)
{
    if (isZeroOrOne(x.q))
        return Message::QZeroOrOne;
    const std::optional<double> power = realPower(x.q, x.n);
    if (!power)
        return Message::Unreasonable;
    Checked c;
    double t = c(c(*power) - 1);
    t = c(t * x.a1);
    const QString powerText = numberText(*power);
    return c.result(t / (x.q - 1), QStringLiteral("Sn = (Q^N - 1) * A1 / (Q - 1)"),
                    u'(' + powerText + QStringLiteral(" - 1) * ") + term(x.a1) +
                        QStringLiteral(" / (") + term(x.q) + QStringLiteral(" - 1)"),
                    {step(QStringLiteral("Q^N"), term(x.q) + u'^' + term(x.n), powerText)});
}

Outcome<double> geometricSumToLast(const ProgressionTerms& x)
{
    if (isZeroOrOne(x.q))
        return Message::QZeroOrOne;
    Checked c;
    const double t = c(c(x.an * x.q) - x.a1);
    return c.result(t / (x.q - 1), QStringLiteral("Sn = (An*Q - A1) / (Q - 1)"),
                    u'(' + term(x.an) + u'*' + term(x.q) + QStringLiteral(" - ") + term(x.a1) +
                        QStringLiteral(") / (") + term(x.q) + QStringLiteral(" - 1)"));
}

Outcome<double> geometricInfiniteSum(const ProgressionTerms& x)
{
    if (x.q >= 1 || x.q == 0 || x.q <= -1)
        return Message::InfiniteQ;
    return Checked().result(x.a1 / (1 - x.q), QStringLiteral("S = A1 / (1 - Q)"),
                            term(x.a1) + QStringLiteral(" / (1 - ") + term(x.q) + u')');
}

Outcome<double> geometricLast(const ProgressionTerms& x)
{
    if (isZeroOrOne(x.q))
        return Message::QZeroOrOne;
    const std::optional<double> power = realPower(x.q, x.n - 1);
    if (!power)
        return Message::Unreasonable;
    Checked c;
    const QString powerText = numberText(*power);
    return c.result(
        c(*power) * x.a1, QStringLiteral("An = Q^(N - 1) * A1"),
        powerText + QStringLiteral(" * ") + term(x.a1),
        {step(QStringLiteral("Q^(N - 1)"), term(x.q) + u'^' + term(x.n - 1), powerText)});
}

Outcome<double> geometricRatio(const ProgressionTerms& x)
{
    if (x.a1 == 0 || x.n <= 1)
        return Message::A1ZeroOrNSmall;
    const double ratio = x.an / x.a1;
    if (!std::isfinite(ratio))
        return Message::TooBig;
    const double root = x.n - 1;
    const double exponent = 1 / root;
    const Working before{
        step(QStringLiteral("An / A1"), quotientText(x.an, x.a1), numberText(ratio))};
    const QString rootText = QStringLiteral("^(1/") + term(root) + u')';
    // A negative ratio has a real odd root: 1, -2, 4, -8 has the ratio -2.
    if (ratio < 0 && !isWhole(exponent) && isWhole(root) && std::fmod(root, 2) == 1)
        return Checked().result(
            -std::pow(-ratio, exponent), QStringLiteral("Q = -(|An / A1|^(1 / (N - 1)))"),
            QStringLiteral("-(") + numberText(-ratio) + rootText + u')', before);
    const std::optional<double> power = realPower(ratio, exponent);
    if (!power)
        return Message::Unreasonable;
    return Checked().result(*power, QStringLiteral("Q = (An / A1)^(1 / (N - 1))"),
                            term(ratio) + rootText, before);
}
