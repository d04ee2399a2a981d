#include "exact/exact_angle.h"

#include <array>

namespace {

struct KnownCosine {
    int degrees;
    int numerator; // cos = numerator·√root / 2
    int root;
};

// 0°..180°; the rest follow from cos(−x) = cos x and a turn of 360°.
constexpr std::array<KnownCosine, 9> knownCosines{{
    {0, 2, 1},
    {30, 1, 3},
    {45, 1, 2},
    {60, 1, 1},
    {90, 0, 1},
    {120, -1, 1},
    {135, -1, 2},
    {150, -1, 3},
    {180, -2, 1},
}};

// n/d in lowest terms; gmpxx leaves a fraction built from two integers as it is.
mpq_class fraction(int numerator, int denominator)
{
    mpq_class value(numerator, denominator);
    value.canonicalize();
    return value;
}

Surd cosineOf(const KnownCosine& known)
{
    return *Surd::of(0, fraction(known.numerator, 2), known.root);
}

// The same angle within -180°..180°.
int withinHalfTurn(int degrees)
{
    const int turned = ((degrees % 360) + 360) % 360;
    return turned > 180 ? turned - 360 : turned;
}

} // namespace

PiMultiple ExactAngle::radians() const
{
    return PiMultiple::times(fraction(degrees, 180));
}

std::optional<Surd> exactCos(ExactAngle angle)
{
    const int degrees = withinHalfTurn(angle.degrees);
    const int magnitude = degrees < 0 ? -degrees : degrees;
    for (const KnownCosine& known : knownCosines)
        if (known.degrees == magnitude)
            return cosineOf(known);
    return std::nullopt;
}

std::optional<Surd> exactSin(ExactAngle angle)
{
    // sin x = cos(90° − x).
    return exactCos(ExactAngle{90 - withinHalfTurn(angle.degrees)});
}

std::optional<ExactAngle> exactArcCos(const Surd& value)
{
    for (const KnownCosine& known : knownCosines)
        if (cosineOf(known) == value)
            return ExactAngle{known.degrees};
    return std::nullopt;
}

std::optional<ExactAngle> exactArcSin(const Surd& value)
{
    // sin⁻¹ v = 90° − cos⁻¹ v, which lands in -90°..90°.
    const std::optional<ExactAngle> complement = exactArcCos(value);
    if (!complement)
        return std::nullopt;
    return ExactAngle{90 - complement->degrees};
}
