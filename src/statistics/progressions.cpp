#include "statistics/progressions.h"

#include "input/notation.h"
#include "input/number_text.h"
#include "input/working.h"

#include <QCoreApplication>

#include <gmpxx.h>

#include <cmath>
#include <optional>

namespace {

// Follows a computation step by step: one step beyond the Real range spoils the result,
// even where a later step would bring it back (a huge divisor, a negative power).
class Checked {
public:
    Real operator()(const Real& value)
    {
        m_inRange = m_inRange && isfinite(value);
        return value;
    }
    // The answer with its working: the steps before, then the formula with the values put in
    // and the answer shown.
    Outcome<Real> result(const Real& value, const QString& formula, const QString& values,
                         Working before = {})
    {
        (*this)(value);
        if (!m_inRange)
            return Message::TooBig;
        before << step(formula, values, resultNumber(value));
        return Solved<Real>{value, before};
    }

private:
    bool m_inRange = true;
};

bool isWhole(const Real& value)
{
    return value.value() == std::trunc(value.value());
}

std::optional<mpq_class> rationalOf(const Real& x)
{
    const std::optional<Exact>& exact = x.exact();
    if (!exact || exact->piPower() != 0 || !exact->surd().isRational())
        return std::nullopt;
    return exact->surd().rational();
}

// The k-th root of a rational where it is rational itself: 27/8 gives 3/2, -8 (k odd) -2.
std::optional<mpq_class> rationalRoot(const mpq_class& value, unsigned long k)
{
    if (value < 0 && k % 2 == 0)
        return std::nullopt;
    const mpz_class top = abs(value.get_num());
    mpz_class topRoot;
    mpz_class bottomRoot;
    if (mpz_root(topRoot.get_mpz_t(), top.get_mpz_t(), k) == 0 ||
        mpz_root(bottomRoot.get_mpz_t(), value.get_den().get_mpz_t(), k) == 0)
        return std::nullopt;
    const mpq_class root(topRoot, bottomRoot);
    return value < 0 ? mpq_class(-root) : root;
}

// The k-th root where it is rational or a square root: the 6th root of 8 is √2.
std::optional<Exact> exactRoot(const mpq_class& value, unsigned long k)
{
    if (const std::optional<mpq_class> root = rationalRoot(value, k))
        return Exact::rational(*root);
    if (k % 2 != 0)
        return std::nullopt;
    const std::optional<mpq_class> half = rationalRoot(value, k / 2);
    return half ? squareRoot(Exact::rational(*half)) : std::nullopt;
}

// x ^ (a/b) for an exact rational exponent: the b-th root of x, then its a-th power.
std::optional<Exact> exactPower(const Real& x, const Real& y)
{
    const std::optional<mpq_class> exponent = rationalOf(y);
    if (!x.exact() || !exponent || !exponent->get_num().fits_sint_p() ||
        !exponent->get_den().fits_ulong_p())
        return std::nullopt;
    const int wholePart = static_cast<int>(exponent->get_num().get_si());
    if (exponent->get_den() == 1)
        return power(*x.exact(), wholePart);
    const std::optional<mpq_class> base = rationalOf(x);
    const std::optional<Exact> root =
        base ? exactRoot(*base, exponent->get_den().get_ui()) : std::nullopt;
    return root ? power(*root, wholePart) : std::nullopt;
}

Real powerOf(const Real& x, const Real& y)
{
    return Real::derived(std::pow(x.value(), y.value()), exactPower(x, y));
}

// x ^ y where it is a real number: any y for x > 0, y > 0 for x = 0, whole y for x < 0.
std::optional<Real> realPower(const Real& x, const Real& y)
{
    if (x > 0 || (x < 0 && isWhole(y)))
        return powerOf(x, y);
    if (x == 0 && y > 0)
        return Real(0);
    return std::nullopt;
}

bool isZeroOrOne(const Real& q)
{
    return q == 0 || q == 1;
}

QString quotientText(const Real& numerator, const Real& denominator)
{
    return dividedBy(term(numerator), term(denominator));
}

// A power's exponent: an exact fraction is bracketed once, by the power itself, "2^(1/3)".
QString exponentTerm(const Real& exponent)
{
    const QString fraction = workingNumber(exponent);
    return fraction.contains(u'/') ? fraction : term(exponent);
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

Outcome<Real> arithmeticSum(const ProgressionTerms& x)
{
    Checked c;
    Real t = c(x.n - 1);
    t = c(x.d * t);
    t = c(c(x.a1 + x.a1) + t);
    return c.result(c(x.n * t) / 2,
                    text("Sn = ") +
                        sumFromOneEnd(text("N"), text("A1"), false, nLessOne(), text("D")),
                    sumFromOneEnd(term(x.n), term(x.a1), false, term(x.n - 1), term(x.d)));
}

Outcome<Real> arithmeticSumOfEnds(const ProgressionTerms& x)
{
    Checked c;
    const Real t = c(x.a1 + x.an);
    const auto sum = [](const QString& n, const QString& first, const QString& last) {
        return dividedBy(times(n, bracketed(plus(first, last))), text("2"));
    };
    return c.result(c(x.n * t) / 2, text("Sn = ") + sum(text("N"), text("A1"), text("An")),
                    sum(term(x.n), term(x.a1), term(x.an)));
}

Outcome<Real> arithmeticSumFromLast(const ProgressionTerms& x)
{
    Checked c;
    const Real u = c(x.an + x.an);
    Real t = c(x.n - 1);
    t = c(u - c(x.d * t));
    return c.result(c(x.n * t) / 2,
                    text("Sn = ") +
                        sumFromOneEnd(text("N"), text("An"), true, nLessOne(), text("D")),
                    sumFromOneEnd(term(x.n), term(x.an), true, term(x.n - 1), term(x.d)));
}

Outcome<Real> arithmeticLast(const ProgressionTerms& x)
{
    Checked c;
    Real t = c(x.n - 1);
    t = c(x.d * t);
    return c.result(x.a1 + t, text("An = ") + plus(text("A1"), times(nLessOne(), text("D"))),
                    plus(term(x.a1), times(term(x.n - 1), term(x.d))));
}

Outcome<Real> arithmeticDifference(const ProgressionTerms& x)
{
    if (x.n == 1)
        return Message::Unreasonable;
    Checked c;
    const Real t = c(x.an - x.a1);
    return c.result(t / (x.n - 1),
                    text("D = ") + dividedBy(bracketed(minus(text("An"), text("A1"))), nLessOne()),
                    dividedBy(bracketed(minus(term(x.an), term(x.a1))), term(x.n - 1)));
}

Outcome<Real> arithmeticCount(const ProgressionTerms& x)
{
    if (x.d == 0)
        return Message::Unreasonable;
    Checked c;
    Real t = c(x.an - x.a1);
    t = c(t + x.d);
    const auto count = [](const QString& an, const QString& a1, const QString& d) {
        return dividedBy(bracketed(plus(minus(an, a1), d)), d);
    };
    Outcome<Real> outcome =
        c.result(t / x.d, text("N = ") + count(text("An"), text("A1"), text("D")),
                 count(term(x.an), term(x.a1), term(x.d)));
    // A count that is not whole is still the answer, but An is then no term at all.
    if (auto* solved = std::get_if<Solved<Real>>(&outcome); solved && !isWhole(solved->values))
        solved->working << QCoreApplication::translate(
                               "Working", "N is not a whole number, so An is not a term of this "
                                          "progression: N = %1")
                               .arg(resultNumber(solved->values));
    return outcome;
}

Outcome<Real> geometricSum(const ProgressionTerms& x)
{
    if (isZeroOrOne(x.q))
        return Message::QZeroOrOne;
    const std::optional<Real> power = realPower(x.q, x.n);
    if (!power)
        return Message::Unreasonable;
    Checked c;
    Real t = c(c(*power) - 1);
    t = c(t * x.a1);
    const auto sum = [](const QString& qn, const QString& a1, const QString& q) {
        return dividedBy(times(bracketed(minus(qn, text("1"))), a1),
                         bracketed(minus(q, text("1"))));
    };
    const QString qn = ::power(text("Q"), text("N"));
    return c.result(t / (x.q - 1), text("Sn = ") + sum(qn, text("A1"), text("Q")),
                    sum(term(*power), term(x.a1), term(x.q)),
                    {step(qn, ::power(term(x.q), exponentTerm(x.n)), workingNumber(*power))});
}

Outcome<Real> geometricSumToLast(const ProgressionTerms& x)
{
    if (isZeroOrOne(x.q))
        return Message::QZeroOrOne;
    Checked c;
    const Real t = c(c(x.an * x.q) - x.a1);
    const auto sum = [](const QString& an, const QString& q, const QString& a1) {
        return dividedBy(bracketed(minus(times(an, q), a1)), bracketed(minus(q, text("1"))));
    };
    return c.result(t / (x.q - 1), text("Sn = ") + sum(text("An"), text("Q"), text("A1")),
                    sum(term(x.an), term(x.q), term(x.a1)));
}

Outcome<Real> geometricInfiniteSum(const ProgressionTerms& x)
{
    if (x.q >= 1 || x.q == 0 || x.q <= -1)
        return Message::InfiniteQ;
    const auto sum = [](const QString& a1, const QString& q) {
        return dividedBy(a1, bracketed(minus(text("1"), q)));
    };
    return Checked().result(x.a1 / (1 - x.q), text("S = ") + sum(text("A1"), text("Q")),
                            sum(term(x.a1), term(x.q)));
}

Outcome<Real> geometricLast(const ProgressionTerms& x)
{
    if (isZeroOrOne(x.q))
        return Message::QZeroOrOne;
    const std::optional<Real> power = realPower(x.q, x.n - 1);
    if (!power)
        return Message::Unreasonable;
    Checked c;
    const QString qn = ::power(text("Q"), minus(text("N"), text("1")));
    return c.result(c(*power) * x.a1, text("An = ") + times(qn, text("A1")),
                    times(term(*power), term(x.a1)),
                    {step(qn, ::power(term(x.q), exponentTerm(x.n - 1)), workingNumber(*power))});
}

Outcome<Real> geometricRatio(const ProgressionTerms& x)
{
    if (x.a1 == 0 || x.n <= 1)
        return Message::A1ZeroOrNSmall;
    const Real ratio = x.an / x.a1;
    if (!isfinite(ratio))
        return Message::TooBig;
    const Real root = x.n - 1;
    const Real exponent = 1 / root;
    const QString quotient = dividedBy(text("An"), text("A1"));
    const Working before{step(quotient, quotientText(x.an, x.a1), workingNumber(ratio))};
    const QString index = minus(text("N"), text("1"));
    // A negative ratio has a real odd root: 1, -2, 4, -8 has the ratio -2.
    if (ratio < 0 && !isWhole(exponent) && isWhole(root) && std::fmod(root.value(), 2) == 1)
        return Checked().result(-powerOf(-ratio, exponent),
                                text("Q = ") + negative(nthRoot(absolute(quotient), index)),
                                negative(nthRoot(workingNumber(-ratio), term(root))), before);
    const std::optional<Real> power = realPower(ratio, exponent);
    if (!power)
        return Message::Unreasonable;
    return Checked().result(*power, text("Q = ") + nthRoot(quotient, index),
                            nthRoot(workingNumber(ratio), term(root)), before);
}
