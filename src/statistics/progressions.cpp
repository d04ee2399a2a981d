#include "statistics/progressions.h"

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
