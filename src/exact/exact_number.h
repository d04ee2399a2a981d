#pragma once

#include "exact/exact_text.h"
#include "exact/surd.h"

#include <QLocale>
#include <QString>

#include <optional>

// (p + q√d)·π^k with a small whole k: every value a task can reach from typed rationals, π and
// the known angles by the four operations and square roots, while it stays in this form.
class Exact {
public:
    Exact() = default;
    // A zero has k = 0, so that equal values compare equal and zero adds to anything.
    explicit Exact(const Surd& surd, int piPower = 0);

    static Exact rational(const mpq_class& value) { return Exact(Surd(value)); }
    static Exact pi() { return Exact(Surd(1), 1); }

    const Surd& surd() const { return m_surd; }
    int piPower() const { return m_piPower; }
    bool isZero() const { return m_surd == Surd(); }
    // -1, 0 or 1, settled exactly however close p and q√d come.
    int sign() const;
    double toDouble() const;
    // The form the answer texts know: k = 0 a surd, k = ±1 a rational times or over π.
    std::optional<ExactValue> form() const;

    friend bool operator==(const Exact&, const Exact&) = default;

private:
    Surd m_surd;
    int m_piPower = 0;
};

// Each result is empty where it leaves the form: different radicands or powers of π in a sum,
// a division by zero, a root of an irrational or of an odd power of π, or a result whose
// numbers outgrow the size cap or whose radicand is too long to split quickly (a press stays
// under a millisecond, memory stays bounded).
std::optional<Exact> add(const Exact& a, const Exact& b);
std::optional<Exact> subtract(const Exact& a, const Exact& b);
std::optional<Exact> multiply(const Exact& a, const Exact& b);
std::optional<Exact> divide(const Exact& a, const Exact& b);
Exact negate(const Exact& a);
std::optional<Exact> squareRoot(const Exact& a);
// a^n by repeated squaring; a negative n is 1/a^-n.
std::optional<Exact> power(const Exact& a, int n);

// The answer texts of exact_text.h and rounded_text.h; empty where k is not 0 or ±1 with a
// rational coefficient, or where the text would not fit.
std::optional<QString> exactText(const Exact& value);
std::optional<QString> roundedText(const Exact& value, int places, const QLocale& locale);
