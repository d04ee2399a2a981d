#include "geometry/law_of_cosines.h"

#include "geometry/pi.h"
#include "input/notation.h"

#include <cmath>
#include <limits>

namespace {

// A square neither overflowed nor underflowed: it still holds the digits of its side.
bool squareInRange(double square)
{
    return std::isnormal(square);
}

// The cosine rule solved for the angle between sides p and q, opposite side r.
double cosineOfAngle(double p, double q, double r)
{
    return (p * p + q * q - r * r) / (2 * q * p);
}

// The angle in degrees whose cosine the rule gave.
double angleOf(double cosine)
{
    return Arccos(cosine) * radiansToDegrees;
}

// The triangle with its steps, unless rounding left the last angle found, 180° less the other
// two, below 0.
Outcome<TriangleSolution, TriangleRefusal> solvedUnlessNegative(const Triangle& t, double last,
                                                                Working (*steps)(const Triangle&))
{
    if (last < 0)
        return TriangleRefusal{Message::Unreasonable};
    return Solved<TriangleSolution>{{t}, steps(t)};
}

// "(c² + a² − b²) ÷ (2 × a × c)" for the angle between sides p and q, opposite r.
QString cosineRule(const QString& p, const QString& q, const QString& r)
{
    return dividedBy(bracketed(minus(plus(squared(p), squared(q)), squared(r))),
                     bracketed(times(times(QStringLiteral("2"), q), p)));
}

// "x = cos⁻¹((c² + a² − b²) ÷ (2 × a × c)) = cos⁻¹((5² + 3² − 4²) ÷ (2 × 3 × 5)) = cos⁻¹(0.6) =
// 53.1301023541561", for the angle between sides p and q, opposite r.
QString arccosStep(const QStringList& names, double p, double q, double r, double angle)
{
    return step(names[0] + QStringLiteral(" = ") +
                    inverseCosine(cosineRule(names[1], names[2], names[3])),
                inverseCosine(cosineRule(term(p), term(q), term(r))) + QStringLiteral(" = ") +
                    inverseCosine(workingNumber(cosineOfAngle(p, q, r))),
                numberText(angle));
}

// "c = √(a² + b² − 2 × a × b × cos(z))" with the squares and the product worked out.
QString thirdSideStep(const Triangle& t)
{
    const QString formula =
        minus(plus(squared(QStringLiteral("a")), squared(QStringLiteral("b"))),
              times(times(times(QStringLiteral("2"), QStringLiteral("a")), QStringLiteral("b")),
                    cosine(QStringLiteral("z"))));
    const QString values =
        minus(plus(workingNumber(t.a * t.a), workingNumber(t.b * t.b)),
              times(workingNumber(2 * t.a * t.b), cosine(degrees(workingNumber(t.z)))));
    return step(QStringLiteral("c = ") + root(formula), root(values), numberText(t.c));
}

// The steps to a triangle solved from two sides and the angle between them.
Working sideAngleSideSteps(const Triangle& t)
{
    return {
        thirdSideStep(t),
        arccosStep({"x", "c", "a", "b"}, t.c, t.a, t.b, t.x),
        thirdAngleStep({"y", "x", "z"}, t.x, t.z, t.y),
    };
}

// The steps to a triangle solved from its three sides.
Working sideSideSideSteps(const Triangle& t)
{
    return {
        arccosStep({"x", "c", "a", "b"}, t.c, t.a, t.b, t.x),
        arccosStep({"y", "c", "b", "a"}, t.c, t.b, t.a, t.y),
        thirdAngleStep({"z", "x", "y"}, t.x, t.y, t.z),
    };
}

} // namespace

double Arccos(double x)
{
    if (x == 1)
        return 0;
    if (x == -1)
        return pi15;
    return std::atan(-x / std::sqrt(-x * x + 1)) + 2 * std::atan(1.0);
}

Outcome<TriangleSolution, TriangleRefusal> solveSideAngleSide(double a, double z, double b)
{
    if (!squareInRange(a * a) || !squareInRange(b * b))
        return TriangleRefusal{Message::TooBig};
    const double cSquared = (a * a + b * b) - (2 * a * b) * std::cos(z * degreesToRadians);
    if (!std::isfinite(cSquared))
        return TriangleRefusal{Message::TooBig};
    // Rounding in a nearly flat triangle can leave no third side at all.
    if (!(cSquared >= std::numeric_limits<double>::min()))
        return TriangleRefusal{Message::Unreasonable};
    const double c = std::sqrt(cSquared);
    const double cosX = cosineOfAngle(c, a, b);
    if (!std::isfinite(cosX))
        return TriangleRefusal{Message::TooBig};
    if (cosX > 1 || cosX < -1)
        return TriangleRefusal{Message::Unreasonable};
    const double x = angleOf(cosX);
    const double y = 180 - x - z;
    return solvedUnlessNegative({a, b, c, x, y, z}, y, sideAngleSideSteps);
}

Outcome<TriangleSolution, TriangleRefusal> solveSideSideSide(double a, double b, double c)
{
    // Every failure here, overflow included, is data that make no triangle.
    if (!squareInRange(a * a) || !squareInRange(b * b) || !squareInRange(c * c))
        return TriangleRefusal{Message::Unreasonable};
    const double cosX = cosineOfAngle(c, a, b);
    const double cosY = cosineOfAngle(c, b, a);
    if (!(cosX >= -1 && cosX <= 1 && cosY >= -1 && cosY <= 1))
        return TriangleRefusal{Message::Unreasonable};
    const double x = angleOf(cosX);
    const double y = angleOf(cosY);
    const double z = 180 - x - y;
    return solvedUnlessNegative({a, b, c, x, y, z}, z, sideSideSideSteps);
}
