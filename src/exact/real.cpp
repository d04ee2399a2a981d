#include "exact/real.h"

#include "exact/exact_angle.h"
#include "geometry/pi.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace {

constexpr double agreement = 1e-9;

using Operation = std::optional<Exact> (*)(const Exact&, const Exact&);

std::optional<Exact> both(const Real& a, const Real& b, Operation operation)
{
    if (!a.exact() || !b.exact())
        return std::nullopt;
    return operation(*a.exact(), *b.exact());
}

// An exact whole number of degrees that fits an int, the only angles with known forms.
std::optional<ExactAngle> wholeDegrees(const Real& degrees)
{
    const std::optional<Exact>& exact = degrees.exact();
    if (!exact || exact->piPower() != 0 || !exact->surd().isRational())
        return std::nullopt;
    const mpq_class& value = exact->surd().rational();
    if (value.get_den() != 1 || !value.get_num().fits_sint_p())
        return std::nullopt;
    return ExactAngle{static_cast<int>(value.get_num().get_si())};
}

// The value as a surd, which is what the known cosines and sines are.
std::optional<Surd> plainSurd(const Real& x)
{
    if (!x.exact() || x.exact()->piPower() != 0)
        return std::nullopt;
    return x.exact()->surd();
}

std::optional<Exact> fromSurd(const std::optional<Surd>& surd)
{
    return surd ? std::optional<Exact>(Exact(*surd)) : std::nullopt;
}

std::optional<Exact> fromAngle(const std::optional<ExactAngle>& angle)
{
    return angle ? std::optional<Exact>(Exact::rational(angle->degrees)) : std::nullopt;
}

bool agrees(double value, double exact)
{
    if (!std::isfinite(value) || !std::isfinite(exact))
        return false;
    return std::abs(value - exact) <= agreement * std::max(std::abs(value), std::abs(exact));
}

// The exact part where it agrees with the double, the guard against two diverging paths.
std::optional<Exact> trusted(const Real& x)
{
    if (!x.exact() || !agrees(x.value(), x.exact()->toDouble()))
        return std::nullopt;
    return x.exact();
}

} // namespace

Real::Real(double value, std::optional<Exact> exact)
    : m_value(value)
    , m_exact(std::move(exact))
{
}

Real Real::withExact(double value, std::optional<Exact> exact)
{
    return Real(value, std::move(exact));
}

Real Real::derived(double computed, std::optional<Exact> exact)
{
    return Real(computed, std::move(exact));
}

Real Real::pi()
{
    return Real(pi15, Exact::pi());
}

Real Real::typed(double value, const std::optional<mpq_class>& exact)
{
    return Real(value, exact ? std::optional<Exact>(Exact::rational(*exact)) : std::nullopt);
}

Real& Real::operator+=(const Real& other)
{
    return *this = *this + other;
}

Real& Real::operator-=(const Real& other)
{
    return *this = *this - other;
}

Real& Real::operator*=(const Real& other)
{
    return *this = *this * other;
}

Real& Real::operator/=(const Real& other)
{
    return *this = *this / other;
}

Real operator+(const Real& a, const Real& b)
{
    return Real(a.m_value + b.m_value, both(a, b, add));
}

Real operator-(const Real& a, const Real& b)
{
    return Real(a.m_value - b.m_value, both(a, b, subtract));
}

Real operator*(const Real& a, const Real& b)
{
    return Real(a.m_value * b.m_value, both(a, b, multiply));
}

Real operator/(const Real& a, const Real& b)
{
    return Real(a.m_value / b.m_value, both(a, b, divide));
}

Real operator-(const Real& a)
{
    return Real(-a.m_value, a.m_exact ? std::optional<Exact>(negate(*a.m_exact)) : std::nullopt);
}

Real sqrt(const Real& x)
{
    return Real::derived(std::sqrt(x.value()), x.exact() ? squareRoot(*x.exact()) : std::nullopt);
}

Real abs(const Real& x)
{
    const std::optional<Exact>& exact = x.exact();
    return Real::derived(std::abs(x.value()), exact && exact->sign() < 0 ? negate(*exact) : exact);
}

Real power(const Real& x, int n, double computed)
{
    return Real::derived(computed, x.exact() ? power(*x.exact(), n) : std::nullopt);
}

bool isfinite(const Real& x)
{
    return std::isfinite(x.value());
}

bool isnormal(const Real& x)
{
    return std::isnormal(x.value());
}

Real cosOfDegrees(const Real& degrees, double computed)
{
    const std::optional<ExactAngle> angle = wholeDegrees(degrees);
    return Real::derived(computed, fromSurd(angle ? exactCos(*angle) : std::nullopt));
}

Real sinOfDegrees(const Real& degrees, double computed)
{
    const std::optional<ExactAngle> angle = wholeDegrees(degrees);
    return Real::derived(computed, fromSurd(angle ? exactSin(*angle) : std::nullopt));
}

Real arccosDegrees(const Real& cosine, double computedDegrees)
{
    const std::optional<Surd> value = plainSurd(cosine);
    return Real::derived(computedDegrees, fromAngle(value ? exactArcCos(*value) : std::nullopt));
}

Real arcsinDegrees(const Real& sine, double computedDegrees)
{
    const std::optional<Surd> value = plainSurd(sine);
    return Real::derived(computedDegrees, fromAngle(value ? exactArcSin(*value) : std::nullopt));
}

std::optional<QString> exactText(const Real& x)
{
    const std::optional<Exact> exact = trusted(x);
    return exact ? exactText(*exact) : std::nullopt;
}

std::optional<QString> roundedText(const Real& x, int places, const QLocale& locale)
{
    const std::optional<Exact> exact = trusted(x);
    return exact ? roundedText(*exact, places, locale) : std::nullopt;
}
