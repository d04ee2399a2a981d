#include "exact/surd.h"

#include <cmath>

namespace {

// Trial division runs this far; a cofactor with no prime below it and under its cube has at
// most two prime factors, so only a perfect square can hide a square in it.
constexpr unsigned long trialLimit = 10000;

struct SquareSplit {
    mpz_class outside = 1; // n = outside² · inside
    mpz_class inside = 1;  // square-free
};

// Takes every factor p² out of n, p below trialLimit.
void takeSmallSquares(mpz_class& n, SquareSplit& split)
{
    for (unsigned long p = 2; p < trialLimit && p * p <= n; p += p == 2 ? 1 : 2) {
        unsigned count = 0;
        while (mpz_divisible_ui_p(n.get_mpz_t(), p)) {
            n /= p;
            ++count;
        }
        for (unsigned i = 0; i + 1 < count; i += 2)
            split.outside *= p;
        if (count % 2 == 1)
            split.inside *= p;
    }
}

// n = k²·m with m square-free, n > 0; empty where the cofactor cannot be told square-free.
std::optional<SquareSplit> splitSquare(mpz_class n)
{
    SquareSplit split;
    takeSmallSquares(n, split);
    if (mpz_perfect_square_p(n.get_mpz_t())) {
        split.outside *= sqrt(n);
        return split;
    }
    const mpz_class cube = mpz_class(trialLimit) * trialLimit * trialLimit;
    if (n >= cube && mpz_probab_prime_p(n.get_mpz_t(), 30) == 0)
        return std::nullopt;
    split.inside *= n;
    return split;
}

bool sameRoot(const Surd& a, const Surd& b)
{
    return a.isRational() || b.isRational() || a.radicand() == b.radicand();
}

mpz_class commonRoot(const Surd& a, const Surd& b)
{
    return a.isRational() ? b.radicand() : a.radicand();
}

} // namespace

Surd::Surd(const mpq_class& rational)
    : m_p(rational)
{
}

Surd::Surd(const mpq_class& p, const mpq_class& q, const mpz_class& d)
    : m_p(p)
    , m_q(q)
    , m_d(q == 0 ? mpz_class(1) : d)
{
}

std::optional<Surd> Surd::of(const mpq_class& p, const mpq_class& q, const mpz_class& n)
{
    if (n < 0)
        return std::nullopt;
    if (n == 0 || q == 0)
        return Surd(p);
    const std::optional<SquareSplit> split = splitSquare(n);
    if (!split)
        return std::nullopt;
    if (split->inside == 1)
        return Surd(p + q * split->outside);
    return Surd(p, q * split->outside, split->inside);
}

std::optional<Surd> Surd::squareRoot(const mpq_class& value)
{
    if (value < 0)
        return std::nullopt;
    const mpz_class& b = value.get_den();
    return of(0, mpq_class(1, b), value.get_num() * b);
}

double Surd::toDouble() const
{
    return m_p.get_d() + m_q.get_d() * std::sqrt(m_d.get_d());
}

Surd Surd::scaled(const mpq_class& factor) const
{
    return Surd(m_p * factor, m_q * factor, m_d);
}

std::optional<Surd> add(const Surd& a, const Surd& b)
{
    if (!sameRoot(a, b))
        return std::nullopt;
    return Surd(a.rational() + b.rational(), a.coefficient() + b.coefficient(), commonRoot(a, b));
}

std::optional<Surd> subtract(const Surd& a, const Surd& b)
{
    return add(a, b.negated());
}

std::optional<Surd> multiply(const Surd& a, const Surd& b)
{
    if (!sameRoot(a, b))
        return std::nullopt;
    if (a.isRational() || b.isRational())
        return a.isRational() ? b.scaled(a.rational()) : a.scaled(b.rational());
    const mpz_class& d = a.radicand();
    const mpq_class p = a.rational() * b.rational() + a.coefficient() * b.coefficient() * d;
    const mpq_class q = a.rational() * b.coefficient() + b.rational() * a.coefficient();
    return Surd(p, q, d);
}

std::optional<Surd> divide(const Surd& a, const Surd& b)
{
    if (b.isRational())
        return b.rational() == 0 ? std::nullopt : std::optional<Surd>(a.scaled(1 / b.rational()));
    // Times the conjugate over p² − q²d, which is never zero for a square-free d ≥ 2.
    const mpq_class norm =
        b.rational() * b.rational() - b.coefficient() * b.coefficient() * b.radicand();
    const std::optional<Surd> product = multiply(a, b.conjugate());
    if (!product)
        return std::nullopt;
    return product->scaled(1 / norm);
}
