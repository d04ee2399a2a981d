#pragma once

#include <gmpxx.h>

#include <optional>

// p + q·√d with rationals p, q and a square-free integer d ≥ 2; q = 0 is a rational, kept
// with d = 1 so that equal values compare equal.
class Surd {
public:
    Surd() = default;
    Surd(const mpq_class& rational); // NOLINT: every rational is a surd

    // p + q·√n for any whole n ≥ 0, its square factors taken out (√8 = 2√2). Empty for a
    // negative n, or one too large to split for certain.
    static std::optional<Surd> of(const mpq_class& p, const mpq_class& q, const mpz_class& n);
    // √(a/b) = √(ab)/b simplified; empty for a negative rational or one too large to split.
    static std::optional<Surd> squareRoot(const mpq_class& value);

    const mpq_class& rational() const { return m_p; }
    const mpq_class& coefficient() const { return m_q; }
    const mpz_class& radicand() const { return m_d; }
    bool isRational() const { return m_q == 0; }
    double toDouble() const;

    Surd negated() const { return Surd(-m_p, -m_q, m_d); }
    Surd conjugate() const { return Surd(m_p, -m_q, m_d); }
    Surd scaled(const mpq_class& factor) const;

    friend bool operator==(const Surd&, const Surd&) = default;

private:
    // d is already square-free here.
    Surd(const mpq_class& p, const mpq_class& q, const mpz_class& d);

    friend std::optional<Surd> add(const Surd& a, const Surd& b);
    friend std::optional<Surd> multiply(const Surd& a, const Surd& b);

    mpq_class m_p;
    mpq_class m_q;
    mpz_class m_d = 1;
};

// The operations that stay in the form: either side rational, or both over the same d.
// Empty when the radicands differ, or on a division by zero.
std::optional<Surd> add(const Surd& a, const Surd& b);
std::optional<Surd> subtract(const Surd& a, const Surd& b);
std::optional<Surd> multiply(const Surd& a, const Surd& b);
std::optional<Surd> divide(const Surd& a, const Surd& b);
