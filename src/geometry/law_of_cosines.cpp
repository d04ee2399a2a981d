#include "geometry/law_of_cosines.h"

#include "geometry/pi.h"
#include "input/notation.h"

#include <cmath>
#include <limits>

namespace {

// A square neither overflowed nor underflowed: it still holds the digits of its side.
bool squareInRange(const Real& square)
{
    return isnormal(square);
}

// The cosine rule solved for the angle between sides p and q, opposite side r.
Real cosineOfAngle(const Real& p, const Real& q, const Real& r)
{
    return (p * p + q * q - r * r) / (2 * q * p);
}

// The angle in degrees whose cosine the rule gave.
Real angleOf(const Real& cosine)
{
    return arccosDegrees(cosine, Arccos(cosine.value()) * radiansToDegrees);
}

// The triangle with its steps, unless rounding left the last angle found, 180° less the other
// two, below 0.
Outcome<TriangleSolution, TriangleRefusal> solvedUnlessNegative(const Triangle& t, const Real& last,
                                                                Working (*steps)(const Triangle&))
{
    if (last.value() < 0)
        return TriangleRefusal{Message::Unreasonable};
    return Solved<TriangleSolution>{{t}, steps(t)};
}

// "(c² + a² − b²) ÷ (2 × a × c)" for the angle between sides p and q, opposite r, from the
// three squares written and p and q as the product takes them.
QString cosineRule(const QString& pSquared, const QString& qSquared, const QString& rSquared,
                   const QString& p, const QString& q)
{
    return dividedBy(bracketed(minus(plus(pSquared, qSquared), rSquared)),
                     bracketed(times(times(QStringLiteral("2"), q), p)));
}

// A side squared in the working: "(√7)²" rather than "√7²", which reads as √49.
QString squaredSide(const Real& side)
{
    const QString text = term(side);
    const bool rooted = text.contains(QChar(0x221A)) || text.contains(QChar(0x03C0));
    return squared(rooted && !text.startsWith(u'(') ? bracketed(text) : text);
}

// "x = cos⁻¹((c² + a² − b²) ÷ (2 × a × c)) = cos⁻¹((5² + 3² − 4²) ÷ (2 × 3 × 5)) = cos⁻¹(0.6) =
// 53.1301023541561", for the angle between sides p and q, opposite r.
QString arccosStep(const QStringList& names, const Real& p, const Real& q, const Real& r,
                   const Real& angle)
{
    const QString formula =
        cosineRule(squared(names[1]), squared(names[2]), squared(names[3]), names[1], names[2]);
    const QString values =
        cosineRule(squaredSide(p), squaredSide(q), squaredSide(r), term(p), term(q));
    return step(names[0] + QStringLiteral(" = ") + inverseCosine(formula),
                inverseCosine(values) + QStringLiteral(" = ") +
                    inverseCosine(workingNumber(cosineOfAngle(p, q, r))),
                resultNumber(angle));
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
    return step(QStringLiteral("c = ") + root(formula), root(values), resultNumber(t.c));
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

Outcome<TriangleSolution, TriangleRefusal> solveSideAngleSide(Real a, Real z, Real b)
{
    if (!squareInRange(a * a) || !squareInRange(b * b))
        return TriangleRefusal{Message::TooBig};
    const Real cosZ = cosOfDegrees(z, std::cos(z.value() * degreesToRadians));
    const Real cSquared = (a * a + b * b) - (2 * a * b) * cosZ;
    if (!isfinite(cSquared))
        return TriangleRefusal{Message::TooBig};
    // Rounding in a nearly flat triangle can leave no third side at all.
    if (!(cSquared.value() >= std::numeric_limits<double>::min()))
        return TriangleRefusal{Message::Unreasonable};
    const Real c = sqrt(cSquared);
    const Real cosX = cosineOfAngle(c, a, b);
    if (!isfinite(cosX))
        return TriangleRefusal{Message::TooBig};
    if (cosX.value() > 1 || cosX.value() < -1)
        return TriangleRefusal{Message::Unreasonable};
    const Real x = angleOf(cosX);
    const Real y = 180 - x - z;
    return solvedUnlessNegative({a, b, c, x, y, z}, y, sideAngleSideSteps);
}

Outcome<TriangleSolution, TriangleRefusal> solveSideSideSide(Real a, Real b, Real c)
{
    // Every failure here, overflow included, is data that make no triangle.
    if (!squareInRange(a * a) || !squareInRange(b * b) || !squareInRange(c * c))
        return TriangleRefusal{Message::Unreasonable};
    const Real cosX = cosineOfAngle(c, a, b);
    const Real cosY = cosineOfAngle(c, b, a);
    const auto isCosine = [](const Real& cosine) {
        return cosine.value() >= -1 && cosine.value() <= 1;
    };
    if (!(isCosine(cosX) && isCosine(cosY)))
        return TriangleRefusal{Message::Unreasonable};
    const Real x = angleOf(cosX);
    const Real y = angleOf(cosY);
    const Real z = 180 - x - y;
    return solvedUnlessNegative({a, b, c, x, y, z}, z, sideSideSideSteps);
}
