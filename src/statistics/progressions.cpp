#include "statistics/progressions.h"

#include "input/notation.h"
#include "input/number_text.h"

#include <QCoreApplication>

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
    return dividedBy(term(numerator), term(denominator));
}

QString text(const char* ascii)
{
    return QLatin1String(ascii);
}

// "N × (2 × A1 + (N − 1) × D) ÷ 2" and its values: the sum from the first element, or from the
// last when the difference is taken away.
QString sumFromOneEnd(const QString& n, const QString& end, bool fromLast, const QString& nLess,
                      const QString& d)
{
    const QString twice = times(text("2"), end);
    const QString steps = times(nLess, d);
    return dividedBy(times(n, bracketed(fromLast ? minus(twice, steps) : plus(twice, steps))),
                     text("2"));
}

QString nLessOne()
{
    return bracketed(minus(text("N"), text("1")));
}

} // namespace

Outcome<double> arithmeticSum(const ProgressionTerms& x)
{
    Checked c;
    double t = c(x.n - 1);
    t = c(x.d * t);
    t = c(c(x.a1 + x.a1) + t);
    return c.result(c(x.n * t) / 2,
                    text("Sn = ") +
                        sumFromOneEnd(text("N"), text("A1"), false, nLessOne(), text("D")),
                    sumFromOneEnd(term(x.n), term(x.a1), false, term(x.n - 1), term(x.d)));
}

Outcome<double> arithmeticSumOfEnds(const ProgressionTerms& x)
{
    Checked c;
    const double t = c(x.a1 + x.an);
    const auto sum = [](const QString& n, const QString& first, const QString& last) {
        return dividedBy(times(n, bracketed(plus(first, last))), text("2"));
    };
    return c.result(c(x.n * t) / 2, text("Sn = ") + sum(text("N"), text("A1"), text("An")),
                    sum(term(x.n), term(x.a1), term(x.an)));
}

Outcome<double> arithmeticSumFromLast(const ProgressionTerms& x)
{
    Checked c;
    const double u = c(x.an + x.an);
    double t = c(x.n - 1);
    t = c(u - c(x.d * t));
    return c.result(c(x.n * t) / 2,
                    text("Sn = ") +
                        sumFromOneEnd(text("N"), text("An"), true, nLessOne(), text("D")),
                    sumFromOneEnd(term(x.n), term(x.an), true, term(x.n - 1), term(x.d)));
}

Outcome<double> arithmeticLast(const ProgressionTerms& x)
{
    Checked c;
    double t = c(x.n - 1);
    t = c(x.d * t);
    return c.result(x.a1 + t, text("An = ") + plus(text("A1"), times(nLessOne(), text("D"))),
                    plus(term(x.a1), times(term(x.n - 1), term(x.d))));
}

Outcome<double> arithmeticDifference(const ProgressionTerms& x)
{
    if (x.n == 1)
        return Message::Unreasonable;
    Checked c;
    const double t = c(x.an - x.a1);
    return c.result(t / (x.n - 1),
                    text("D = ") + dividedBy(bracketed(minus(text("An"), text("A1"))), nLessOne()),
                    dividedBy(bracketed(minus(term(x.an), term(x.a1))), term(x.n - 1)));
}

Outcome<double> arithmeticCount(const ProgressionTerms& x)
{
    if (x.d == 0)
        return Message::Unreasonable;
    Checked c;
    double t = c(x.an - x.a1);
    t = c(t + x.d);
    const auto count = [](const QString& an, const QString& a1, const QString& d) {
        return dividedBy(bracketed(plus(minus(an, a1), d)), d);
    };
    Outcome<double> outcome =
        c.result(t / x.d, text("N = ") + count(text("An"), text("A1"), text("D")),
                 count(term(x.an), term(x.a1), term(x.d)));
    // A count that is not whole is still the answer, but An is then no term at all.
    if (auto* solved = std::get_if<Solved<double>>(&outcome);
        solved && solved->values != std::floor(solved->values))
        solved->working << QCoreApplication::translate(
                               "Working", "N is not a whole number, so An is not a term of this "
                                          "progression: N = %1")
                               .arg(numberText(solved->values));
    return outcome;
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
    const auto sum = [](const QString& qn, const QString& a1, const QString& q) {
        return dividedBy(times(bracketed(minus(qn, text("1"))), a1),
                         bracketed(minus(q, text("1"))));
    };
    const QString qn = ::power(text("Q"), text("N"));
    return c.result(t / (x.q - 1), text("Sn = ") + sum(qn, text("A1"), text("Q")),
                    sum(term(*power), term(x.a1), term(x.q)),
                    {step(qn, ::power(term(x.q), term(x.n)), workingNumber(*power))});
}

Outcome<double> geometricSumToLast(const ProgressionTerms& x)
{
    if (isZeroOrOne(x.q))
        return Message::QZeroOrOne;
    Checked c;
    const double t = c(c(x.an * x.q) - x.a1);
    const auto sum = [](const QString& an, const QString& q, const QString& a1) {
        return dividedBy(bracketed(minus(times(an, q), a1)), bracketed(minus(q, text("1"))));
    };
    return c.result(t / (x.q - 1), text("Sn = ") + sum(text("An"), text("Q"), text("A1")),
                    sum(term(x.an), term(x.q), term(x.a1)));
}

Outcome<double> geometricInfiniteSum(const ProgressionTerms& x)
{
    if (x.q >= 1 || x.q == 0 || x.q <= -1)
        return Message::InfiniteQ;
    const auto sum = [](const QString& a1, const QString& q) {
        return dividedBy(a1, bracketed(minus(text("1"), q)));
    };
    return Checked().result(x.a1 / (1 - x.q), text("S = ") + sum(text("A1"), text("Q")),
                            sum(term(x.a1), term(x.q)));
}

Outcome<double> geometricLast(const ProgressionTerms& x)
{
    if (isZeroOrOne(x.q))
        return Message::QZeroOrOne;
    const std::optional<double> power = realPower(x.q, x.n - 1);
    if (!power)
        return Message::Unreasonable;
    Checked c;
    const QString qn = ::power(text("Q"), minus(text("N"), text("1")));
    return c.result(c(*power) * x.a1, text("An = ") + times(qn, text("A1")),
                    times(term(*power), term(x.a1)),
                    {step(qn, ::power(term(x.q), term(x.n - 1)), workingNumber(*power))});
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
    const QString quotient = dividedBy(text("An"), text("A1"));
    const Working before{step(quotient, quotientText(x.an, x.a1), workingNumber(ratio))};
    const QString index = minus(text("N"), text("1"));
    // A negative ratio has a real odd root: 1, -2, 4, -8 has the ratio -2.
    if (ratio < 0 && !isWhole(exponent) && isWhole(root) && std::fmod(root, 2) == 1)
        return Checked().result(-std::pow(-ratio, exponent),
                                text("Q = ") + negative(nthRoot(absolute(quotient), index)),
                                negative(nthRoot(workingNumber(-ratio), term(root))), before);
    const std::optional<double> power = realPower(ratio, exponent);
    if (!power)
        return Message::Unreasonable;
    return Checked().result(*power, text("Q = ") + nthRoot(quotient, index),
                            nthRoot(workingNumber(ratio), term(root)), before);
}
