#pragma once

#include "exact/exact_number.h"

#include <QLocale>
#include <QString>
#include <gmpxx.h>

#include <compare>
#include <optional>

// A task's number: the double every answer has always shown, and beside it the exact value
// where one is known. Each operation computes the double exactly as the plain double
// expression does, so a task written on Reals shows the same decimals as on doubles.
class Real {
public:
    Real(int n) // NOLINT: a whole number in a formula ("2 * a") is exact
        : m_value(n)
        , m_exact(Exact::rational(n))
    {
    }
    // A double would be cut to an int here; it must say how exact it is, through a factory.
    template <class T> Real(T) = delete;

    static Real inexact(double value) { return Real(value, std::nullopt); }
    static Real withExact(double value, std::optional<Exact> exact);
    // The result of any other step: the double as the task computed it, its exact value.
    static Real derived(double computed, std::optional<Exact> exact);
    // π as every answer uses it, 3.14159265358979, exact π beside it.
    static Real pi();
    // A field read both ways: as the double the task always had and as its exact rational.
    static Real typed(double value, const std::optional<mpq_class>& exact);

    // No conversion to double: a task cannot drop the exact part without saying so.
    double value() const { return m_value; }
    const std::optional<Exact>& exact() const { return m_exact; }

    Real& operator+=(const Real& other);
    Real& operator-=(const Real& other);
    Real& operator*=(const Real& other);
    Real& operator/=(const Real& other);

    friend Real operator+(const Real& a, const Real& b);
    friend Real operator-(const Real& a, const Real& b);
    friend Real operator*(const Real& a, const Real& b);
    friend Real operator/(const Real& a, const Real& b);
    friend Real operator-(const Real& a);

    friend bool operator==(const Real& a, const Real& b) { return a.m_value == b.m_value; }
    friend std::partial_ordering operator<=>(const Real& a, const Real& b)
    {
        return a.m_value <=> b.m_value;
    }

private:
    Real(double value, std::optional<Exact> exact);

    double m_value = 0;
    std::optional<Exact> m_exact;
};

// std::sqrt on the double; the exact root where it stays in the form.
Real sqrt(const Real& x);
Real abs(const Real& x);
// x^n: the double is the caller's own (std::pow or a product), the exact part x·x·…·x.
Real power(const Real& x, int n, double computed);
bool isfinite(const Real& x);
bool isnormal(const Real& x);

// cos and sin of an angle in degrees: the double is the caller's own; exact where the angle is
// an exact whole multiple of 30° or 45°.
Real cosOfDegrees(const Real& degrees, double computed);
Real sinOfDegrees(const Real& degrees, double computed);
// The angle in degrees from a cosine or sine: the double is the caller's own; exact where the
// value is the exact cosine or sine of such an angle (cos⁻¹(1/2) = 60).
Real arccosDegrees(const Real& cosine, double computedDegrees);
Real arcsinDegrees(const Real& sine, double computedDegrees);

// The exact texts of a Real. Empty without an exact part, and also where the exact value and
// the double differ by more than 1e-9 relative: the two paths of the task then computed two
// different things, and the decimal is the one that has always been right.
std::optional<QString> exactText(const Real& x);
std::optional<QString> roundedText(const Real& x, int places, const QLocale& locale);
