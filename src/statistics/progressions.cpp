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
    ProgressionOutcome result(double value)
    {
        (*this)(value);
        if (!m_inRange)
            return Message::TooBig;
        return value;
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

} // namespace

ProgressionOutcome arithmeticSum(const ProgressionTerms& x)
{
    Checked c;
    double t = c(x.n - 1);
    t = c(x.d * t);
    t = c(c(x.a1 + x.a1) + t);
    return c.result(c(x.n * t) / 2);
}

ProgressionOutcome arithmeticSumOfEnds(const ProgressionTerms& x)
{
    Checked c;
    const double t = c(x.a1 + x.an);
    return c.result(c(x.n * t) / 2);
}

ProgressionOutcome arithmeticSumFromLast(const ProgressionTerms& x)
{
    Checked c;
    const double u = c(x.an + x.an);
    double t = c(x.n - 1);
    t = c(u - c(x.d * t));
    return c.result(c(x.n * t) / 2);
}

ProgressionOutcome arithmeticLast(const ProgressionTerms& x)
{
    Checked c;
    double t = c(x.n - 1);
    t = c(x.d * t);
    return c.result(x.a1 + t);
}

ProgressionOutcome arithmeticDifference(const ProgressionTerms& x)
{
    if (x.n == 1)
        return Message::Unreasonable;
    Checked c;
    const double t = c(x.an - x.a1);
    return c.result(t / (x.n - 1));
}

ProgressionOutcome arithmeticCount(const ProgressionTerms& x)
{
    if (x.d == 0)
        return Message::Unreasonable;
    Checked c;
    double t = c(x.an - x.a1);
    t = c(t + x.d);
    return c.result(t / x.d);
}

ProgressionOutcome geometricSum(const ProgressionTerms& x)
{
    if (isZeroOrOne(x.q))
        return Message::QZeroOrOne;
    const std::optional<double> power = realPower(x.q, x.n);
    if (!power)
        return Message::Unreasonable;
    Checked c;
    double t = c(c(*power) - 1);
    t = c(t * x.a1);
    return c.result(t / (x.q - 1));
}

ProgressionOutcome geometricSumToLast(const ProgressionTerms& x)
{
    if (isZeroOrOne(x.q))
        return Message::QZeroOrOne;
    Checked c;
    const double t = c(c(x.an * x.q) - x.a1);
    return c.result(t / (x.q - 1));
}

ProgressionOutcome geometricInfiniteSum(const ProgressionTerms& x)
{
    if (x.q >= 1 || x.q == 0 || x.q <= -1)
        return Message::InfiniteQ;
    return Checked().result(x.a1 / (1 - x.q));
}

ProgressionOutcome geometricLast(const ProgressionTerms& x)
{
    if (isZeroOrOne(x.q))
        return Message::QZeroOrOne;
    const std::optional<double> power = realPower(x.q, x.n - 1);
    if (!power)
        return Message::Unreasonable;
    Checked c;
    return c.result(c(*power) * x.a1);
}

ProgressionOutcome geometricRatio(const ProgressionTerms& x)
{
    if (x.a1 == 0 || x.n <= 1)
        return Message::A1ZeroOrNSmall;
    const double ratio = x.an / x.a1;
    if (!std::isfinite(ratio))
        return Message::TooBig;
    const double root = x.n - 1;
    const double exponent = 1 / root;
    // A negative ratio has a real odd root: 1, -2, 4, -8 has the ratio -2.
    if (ratio < 0 && !isWhole(exponent) && isWhole(root) && std::fmod(root, 2) == 1)
        return Checked().result(-std::pow(-ratio, exponent));
    const std::optional<double> power = realPower(ratio, exponent);
    if (!power)
        return Message::Unreasonable;
    return Checked().result(*power);
}

namespace {

// The working of a task that gave an answer: the given lines, the last ending with the answer.
// A refused task has no working.
Working worked(const ProgressionOutcome& outcome, const QString& formula, const QString& values,
               Working before = {})
{
    if (std::holds_alternative<Message>(outcome))
        return {};
    before << step(formula, values, numberText(std::get<double>(outcome)));
    return before;
}

QString quotientText(double numerator, double denominator)
{
    return term(numerator) + QStringLiteral(" / ") + term(denominator);
}

} // namespace

Working arithmeticSumWorking(const ProgressionTerms& x)
{
    return worked(arithmeticSum(x), QStringLiteral("Sn = N * (2*A1 + (N - 1)*D) / 2"),
                  term(x.n) + QStringLiteral(" * (2*") + term(x.a1) + QStringLiteral(" + ") +
                      term(x.n - 1) + u'*' + term(x.d) + QStringLiteral(") / 2"));
}

Working arithmeticSumOfEndsWorking(const ProgressionTerms& x)
{
    return worked(arithmeticSumOfEnds(x), QStringLiteral("Sn = N * (A1 + An) / 2"),
                  term(x.n) + QStringLiteral(" * (") + term(x.a1) + QStringLiteral(" + ") +
                      term(x.an) + QStringLiteral(") / 2"));
}

Working arithmeticSumFromLastWorking(const ProgressionTerms& x)
{
    return worked(arithmeticSumFromLast(x), QStringLiteral("Sn = N * (2*An - (N - 1)*D) / 2"),
                  term(x.n) + QStringLiteral(" * (2*") + term(x.an) + QStringLiteral(" - ") +
                      term(x.n - 1) + u'*' + term(x.d) + QStringLiteral(") / 2"));
}

Working arithmeticLastWorking(const ProgressionTerms& x)
{
    return worked(arithmeticLast(x), QStringLiteral("An = A1 + (N - 1)*D"),
                  term(x.a1) + QStringLiteral(" + ") + term(x.n - 1) + u'*' + term(x.d));
}

Working arithmeticDifferenceWorking(const ProgressionTerms& x)
{
    return worked(arithmeticDifference(x), QStringLiteral("D = (An - A1) / (N - 1)"),
                  u'(' + term(x.an) + QStringLiteral(" - ") + term(x.a1) + QStringLiteral(") / ") +
                      term(x.n - 1));
}

Working arithmeticCountWorking(const ProgressionTerms& x)
{
    return worked(arithmeticCount(x), QStringLiteral("N = (An - A1 + D) / D"),
                  u'(' + term(x.an) + QStringLiteral(" - ") + term(x.a1) + QStringLiteral(" + ") +
                      term(x.d) + QStringLiteral(") / ") + term(x.d));
}

Working geometricSumWorking(const ProgressionTerms& x)
{
    const ProgressionOutcome outcome = geometricSum(x);
    if (std::holds_alternative<Message>(outcome))
        return {};
    const QString power = numberText(std::pow(x.q, x.n));
    return worked(outcome, QStringLiteral("Sn = (Q^N - 1) * A1 / (Q - 1)"),
                  u'(' + power + QStringLiteral(" - 1) * ") + term(x.a1) + QStringLiteral(" / (") +
                      term(x.q) + QStringLiteral(" - 1)"),
                  {step(QStringLiteral("Q^N"), term(x.q) + u'^' + term(x.n), power)});
}

Working geometricSumToLastWorking(const ProgressionTerms& x)
{
    return worked(geometricSumToLast(x), QStringLiteral("Sn = (An*Q - A1) / (Q - 1)"),
                  u'(' + term(x.an) + u'*' + term(x.q) + QStringLiteral(" - ") + term(x.a1) +
                      QStringLiteral(") / (") + term(x.q) + QStringLiteral(" - 1)"));
}

Working geometricInfiniteSumWorking(const ProgressionTerms& x)
{
    return worked(geometricInfiniteSum(x), QStringLiteral("S = A1 / (1 - Q)"),
                  term(x.a1) + QStringLiteral(" / (1 - ") + term(x.q) + u')');
}

Working geometricLastWorking(const ProgressionTerms& x)
{
    const ProgressionOutcome outcome = geometricLast(x);
    if (std::holds_alternative<Message>(outcome))
        return {};
    const QString power = numberText(std::pow(x.q, x.n - 1));
    return worked(outcome, QStringLiteral("An = Q^(N - 1) * A1"),
                  power + QStringLiteral(" * ") + term(x.a1),
                  {step(QStringLiteral("Q^(N - 1)"), term(x.q) + u'^' + term(x.n - 1), power)});
}

Working geometricRatioWorking(const ProgressionTerms& x)
{
    const ProgressionOutcome outcome = geometricRatio(x);
    if (std::holds_alternative<Message>(outcome))
        return {};
    const double ratio = x.an / x.a1;
    const QString root = QStringLiteral("^(1/") + term(x.n - 1) + u')';
    const Working before{
        step(QStringLiteral("An / A1"), quotientText(x.an, x.a1), numberText(ratio))};
    // The real odd root of a negative ratio, written as such.
    if (ratio < 0 && !isWhole(1 / (x.n - 1)))
        return worked(outcome, QStringLiteral("Q = -(|An / A1|^(1 / (N - 1)))"),
                      QStringLiteral("-(") + numberText(-ratio) + root + u')', before);
    return worked(outcome, QStringLiteral("Q = (An / A1)^(1 / (N - 1))"), term(ratio) + root,
                  before);
}
