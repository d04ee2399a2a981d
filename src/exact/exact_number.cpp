#include "exact/exact_number.h"

#include "exact/rounded_text.h"

#include <cmath>
#include <cstdlib>
#include <numbers>

namespace {

// Beyond this many bits in any numerator or denominator a result is dropped: the largest
// allowed product then still takes microseconds, and a chain of them cannot run away.
constexpr std::size_t capBits = 2048;
// Splitting a radicand takes trial division and a primality test: about 0.1 ms at this size,
// 5 ms at 1024 bits. A longer radicand would never fit an answer field anyway.
constexpr std::size_t rootBits = 128;
constexpr int mostPiPower = 64;

std::size_t bits(const mpz_class& n)
{
    return mpz_sizeinbase(n.get_mpz_t(), 2);
}

bool fits(const mpq_class& q)
{
    return bits(q.get_num()) <= capBits && bits(q.get_den()) <= capBits;
}

bool withinCap(const Surd& s)
{
    return fits(s.rational()) && fits(s.coefficient()) && bits(s.radicand()) <= rootBits;
}

std::optional<Exact> capped(const std::optional<Surd>& surd, int piPower)
{
    if (!surd || !withinCap(*surd) || std::abs(piPower) > mostPiPower)
        return std::nullopt;
    return Exact(*surd, piPower);
}

// √value where it splits quickly: a ratio of squares, or a radicand within rootBits.
std::optional<Surd> boundedRoot(const mpq_class& value)
{
    const mpz_class& n = value.get_num();
    const mpz_class& d = value.get_den();
    if (n >= 0 && mpz_perfect_square_p(n.get_mpz_t()) && mpz_perfect_square_p(d.get_mpz_t()))
        return Surd(mpq_class(sqrt(n), sqrt(d)));
    if (bits(n) + bits(d) > rootBits)
        return std::nullopt;
    return Surd::squareRoot(value);
}

// √d1·√d2 = g·√m with g = gcd(d1, d2) and m = (d1/g)(d2/g), itself square-free as d1 and d2
// are: no new square to find, and m too long for the cap is refused before any splitting.
struct RootProduct {
    mpz_class outside;
    mpz_class inside;
};

RootProduct rootProduct(const mpz_class& d1, const mpz_class& d2)
{
    mpz_class g;
    mpz_gcd(g.get_mpz_t(), d1.get_mpz_t(), d2.get_mpz_t());
    return {g, (d1 / g) * (d2 / g)};
}

std::optional<Surd> rootTimes(const mpq_class& factor, const RootProduct& root)
{
    if (bits(root.inside) > rootBits)
        return std::nullopt;
    return Surd::of(0, factor * root.outside, root.inside);
}

bool isPureRoot(const Surd& s)
{
    return s.rational() == 0 && !s.isRational();
}

// √a·√b = √(ab) even for different radicands; the rest as Surd multiplies.
std::optional<Surd> surdProduct(const Surd& a, const Surd& b)
{
    if (isPureRoot(a) && isPureRoot(b))
        return rootTimes(a.coefficient() * b.coefficient(),
                         rootProduct(a.radicand(), b.radicand()));
    return multiply(a, b);
}

// q1√d1 / (q2√d2) = q1/(q2·d2) · √(d1·d2).
std::optional<Surd> surdQuotient(const Surd& a, const Surd& b)
{
    if (isPureRoot(a) && isPureRoot(b))
        return rootTimes(a.coefficient() / (b.coefficient() * b.radicand()),
                         rootProduct(a.radicand(), b.radicand()));
    return divide(a, b);
}

// √(p + q√d) = √x ± √y with x + y = p and 4xy = q²d, when p² − q²d is a rational square
// (√(3 + 2√2) = 1 + √2); the sum must itself stay over one radicand.
std::optional<Surd> denestedRoot(const Surd& s)
{
    const mpq_class& p = s.rational();
    const mpq_class& q = s.coefficient();
    const mpq_class difference = p * p - q * q * s.radicand();
    if (p <= 0 || difference < 0)
        return std::nullopt;
    const std::optional<Surd> root = boundedRoot(difference);
    if (!root || !root->isRational())
        return std::nullopt;
    const std::optional<Surd> x = boundedRoot((p + root->rational()) / 2);
    const std::optional<Surd> y = boundedRoot((p - root->rational()) / 2);
    if (!x || !y)
        return std::nullopt;
    return q > 0 ? add(*x, *y) : subtract(*x, *y);
}

std::optional<Surd> surdRoot(const Surd& s)
{
    return s.isRational() ? boundedRoot(s.rational()) : denestedRoot(s);
}

// p + q√d where the two terms nearly cancel, as (p² − q²d)/(p − q√d), which does not.
double surdDouble(const Surd& s)
{
    const mpq_class& p = s.rational();
    const mpq_class& q = s.coefficient();
    if (sgn(p) * sgn(q) >= 0)
        return s.toDouble();
    const double norm = mpq_class(p * p - q * q * s.radicand()).get_d();
    const double apart = p.get_d() - q.get_d() * std::sqrt(s.radicand().get_d());
    return std::isfinite(norm) ? norm / apart : s.toDouble();
}

std::optional<Exact> wholePower(Exact base, unsigned long long n)
{
    Exact result = Exact::rational(1);
    while (n > 0) {
        if (n % 2 == 1) {
            const std::optional<Exact> product = multiply(result, base);
            if (!product)
                return std::nullopt;
            result = *product;
        }
        n /= 2;
        if (n == 0)
            break;
        const std::optional<Exact> square = multiply(base, base);
        if (!square)
            return std::nullopt;
        base = *square;
    }
    return result;
}

} // namespace

Exact::Exact(const Surd& surd, int piPower)
    : m_surd(surd)
    , m_piPower(surd == Surd() ? 0 : piPower)
{
}

int Exact::sign() const
{
    const int p = sgn(m_surd.rational());
    const int q = sgn(m_surd.coefficient());
    if (p * q >= 0)
        return p != 0 ? p : q;
    // Opposite signs: the larger square wins; they never tie, as √d is irrational.
    const mpq_class& rational = m_surd.rational();
    const mpq_class& coefficient = m_surd.coefficient();
    return rational * rational > coefficient * coefficient * m_surd.radicand() ? p : q;
}

double Exact::toDouble() const
{
    const double surd = surdDouble(m_surd);
    return m_piPower == 0 ? surd : surd * std::pow(std::numbers::pi, m_piPower);
}

std::optional<ExactValue> Exact::form() const
{
    if (m_piPower == 0)
        return ExactValue(m_surd);
    if (std::abs(m_piPower) != 1 || !m_surd.isRational())
        return std::nullopt;
    const mpq_class& q = m_surd.rational();
    return ExactValue(m_piPower == 1 ? PiMultiple::times(q) : PiMultiple::over(q));
}

std::optional<Exact> add(const Exact& a, const Exact& b)
{
    if (a.isZero() || b.isZero())
        return a.isZero() ? b : a;
    if (a.piPower() != b.piPower())
        return std::nullopt;
    return capped(add(a.surd(), b.surd()), a.piPower());
}

std::optional<Exact> subtract(const Exact& a, const Exact& b)
{
    return add(a, negate(b));
}

std::optional<Exact> multiply(const Exact& a, const Exact& b)
{
    return capped(surdProduct(a.surd(), b.surd()), a.piPower() + b.piPower());
}

std::optional<Exact> divide(const Exact& a, const Exact& b)
{
    return capped(surdQuotient(a.surd(), b.surd()), a.piPower() - b.piPower());
}

Exact negate(const Exact& a)
{
    return Exact(a.surd().negated(), a.piPower());
}

std::optional<Exact> squareRoot(const Exact& a)
{
    if (a.piPower() % 2 != 0)
        return std::nullopt;
    return capped(surdRoot(a.surd()), a.piPower() / 2);
}

std::optional<Exact> power(const Exact& a, int n)
{
    const long long wide = n;
    const std::optional<Exact> whole =
        wholePower(a, static_cast<unsigned long long>(std::llabs(wide)));
    if (!whole || n >= 0)
        return whole;
    return divide(Exact::rational(1), *whole);
}

std::optional<QString> exactText(const Exact& value)
{
    const std::optional<ExactValue> form = value.form();
    if (!form)
        return std::nullopt;
    return exactText(*form);
}

std::optional<QString> roundedText(const Exact& value, int places, const QLocale& locale)
{
    const std::optional<ExactValue> form = value.form();
    if (!form)
        return std::nullopt;
    const QString text = roundedText(*form, places, locale);
    if (text.isEmpty())
        return std::nullopt;
    return text;
}
