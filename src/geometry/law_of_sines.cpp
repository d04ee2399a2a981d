#include "geometry/law_of_sines.h"

#include "geometry/pi.h"
#include "input/notation.h"
#include "input/number_text.h"

#include <QCoreApplication>

#include <cmath>
#include <initializer_list>

namespace {

Real sine(const Real& degrees)
{
    return sinOfDegrees(degrees, std::sin(degrees.value() * degreesToRadians));
}

// A value that neither overflowed nor underflowed: finite, and not so small that its digits
// are lost. A sine of a given angle that falls below this would make the answer meaningless.
bool inRange(const Real& value)
{
    return isnormal(value);
}

// The law of sines: the side opposite an angle, from another side and the angle opposite that.
Real sineRule(const Real& angle, const Real& side, const Real& opposite)
{
    return sine(angle) * side / sine(opposite);
}

const TriangleRefusal noSolution{Message::NoTriangle};
const TriangleRefusal tooBig{Message::TooBig};

// A triangle found from two angles and a side, or its refusal, in this order: a given angle
// whose sine is too small to hold its digits, no room for the third angle, a side found that
// overflowed or underflowed (with a third angle above 0, a side of 0 has underflowed).
Outcome<TriangleSolution, TriangleRefusal> fromTwoAngles(const Triangle& t, Real Triangle::*third,
                                                         Real Triangle::*given,
                                                         Working (*steps)(const Triangle&))
{
    for (Real Triangle::*angle : {&Triangle::x, &Triangle::y, &Triangle::z})
        if (angle != third && !inRange(sine(t.*angle)))
            return tooBig;
    if (!((t.*third).value() > 0))
        return noSolution;
    for (Real Triangle::*side : {&Triangle::a, &Triangle::b, &Triangle::c})
        if (side != given && !((t.*side).value() > 0 && inRange(t.*side)))
            return tooBig;
    return Solved<TriangleSolution>{{t}, steps(t)};
}

// "c = sin(z) × b ÷ sin(x) = sin(60°) × 1 ÷ sin(60°) = 1": names are the side found, the angle
// opposite it, the side known and the angle opposite that.
QString sineRuleStep(const QStringList& names, const Real& angle, const Real& side,
                     const Real& opposite, const Real& result)
{
    const auto rule = [](const QString& p, const QString& q, const QString& r) {
        return dividedBy(times(sine(p), q), sine(r));
    };
    return step(names[0] + QStringLiteral(" = ") + rule(names[1], names[2], names[3]),
                rule(degrees(term(angle)), term(side), degrees(term(opposite))),
                resultNumber(result));
}

// The steps to a triangle solved from the angles x, z and side b.
Working anglesXZSideBSteps(const Triangle& t)
{
    return {
        thirdAngleStep({"y", "x", "z"}, t.x, t.z, t.y),
        sineRuleStep({"c", "z", "b", "x"}, t.z, t.b, t.x, t.c),
        sineRuleStep({"a", "y", "c", "z"}, t.y, t.c, t.z, t.a),
    };
}

// The steps to a triangle solved from the angles y, z and side c.
Working anglesYZSideCSteps(const Triangle& t)
{
    return {
        thirdAngleStep({"x", "y", "z"}, t.y, t.z, t.x),
        sineRuleStep({"a", "y", "c", "z"}, t.y, t.c, t.z, t.a),
        sineRuleStep({"b", "x", "c", "z"}, t.x, t.c, t.z, t.b),
    };
}

// The other triangle that angle y and sides a, c fit, with the obtuse angle z, if there is one.
std::optional<Triangle> secondTriangle(const Triangle& acute)
{
    if (!(acute.a < acute.c))
        return std::nullopt;
    const Real z = 180 - acute.z;
    // A right angle z, met a hair off 90 because of the 15-digit pi, is one triangle, not two.
    if ((z - acute.z).value() < 0.0001)
        return std::nullopt;
    const Real x = 180 - acute.y - z;
    const Real b = sineRule(x, acute.a, acute.y);
    if (!(x.value() > 0) || !inRange(b))
        return std::nullopt;
    return Triangle{acute.a, b, acute.c, x, acute.y, z};
}

// Why the data fit one triangle only, where the obtuse angle z' = 180° − z would give a second.
QString oneTriangleReason(const Triangle& t)
{
    const QString other =
        QStringLiteral("z' = ") + minus(degrees(QStringLiteral("180")), QStringLiteral("z"));
    if (!(t.a < t.c))
        return QCoreApplication::translate(
                   "Working", "a \u2265 c, so %1 leaves no room for y: one triangle only")
            .arg(other);
    if ((180 - t.z - t.z).value() < 0.0001)
        return QCoreApplication::translate("Working",
                                           "z = 90\u00B0, so %1 is z itself: one triangle only")
            .arg(other);
    return QCoreApplication::translate("Working", "%1 leaves no room for y: one triangle only")
        .arg(other);
}

// The steps to the triangle from angle y and sides a, c through the sine of z, then to the
// second triangle where there is one.
Working sidesAndOppositeAngleSteps(const Triangle& t, const Real& sinZ,
                                   const std::optional<Triangle>& second)
{
    Working steps = {
        step(sine(QStringLiteral("z")) + QStringLiteral(" = ") +
                 dividedBy(times(sine(QStringLiteral("y")), QStringLiteral("c")),
                           QStringLiteral("a")),
             dividedBy(times(sine(degrees(term(t.y))), term(t.c)), term(t.a)), workingNumber(sinZ)),
        step(QStringLiteral("z = ") + inverseSine(workingNumber(sinZ)), {}, resultNumber(t.z)),
        thirdAngleStep({"x", "y", "z"}, t.y, t.z, t.x),
        sineRuleStep({"b", "x", "a", "y"}, t.x, t.a, t.y, t.b),
    };
    if (!second)
        steps.insert(2, oneTriangleReason(t));
    if (second) {
        steps << captionText(Caption::SecondTriangle)
              << step(QStringLiteral("z' = ") +
                          minus(degrees(QStringLiteral("180")), QStringLiteral("z")),
                      minus(degrees(QStringLiteral("180")), degrees(term(t.z))),
                      resultNumber(second->z))
              << thirdAngleStep({"x'", "y", "z'"}, t.y, second->z, second->x)
              << sineRuleStep({"b'", "x'", "a", "y"}, second->x, t.a, t.y, second->b);
    }
    return steps;
}

} // namespace

double Arcsin(double x)
{
    if (x == 1)
        return pi15 / 2;
    if (x == -1)
        return -pi15 / 2;
    return std::atan(x / std::sqrt(-x * x + 1));
}

Outcome<TriangleSolution, TriangleRefusal> solveAnglesXZSideB(Real x, Real z, Real b)
{
    const Real y = 180 - x - z;
    const Real c = sineRule(z, b, x);
    const Real a = sineRule(y, c, z);
    return fromTwoAngles({a, b, c, x, y, z}, &Triangle::y, &Triangle::b, anglesXZSideBSteps);
}

Outcome<TriangleSolution, TriangleRefusal> solveAnglesYZSideC(Real y, Real z, Real c)
{
    const Real x = 180 - y - z;
    const Real a = sineRule(y, c, z);
    const Real b = sineRule(x, c, z);
    return fromTwoAngles({a, b, c, x, y, z}, &Triangle::x, &Triangle::c, anglesYZSideCSteps);
}

Outcome<TriangleSolution, TriangleRefusal> solveSidesAndOppositeAngle(Real y, Real a, Real c)
{
    const Real sinY = sine(y);
    if (!inRange(sinY))
        return tooBig;
    // The height on c is longer than a: a cannot reach the third side.
    const Real height = sinY * c;
    if (height.value() > a.value())
        return TriangleRefusal{Message::NoTriangle, true};
    const Real sinZ = height / a;
    if (!inRange(sinZ))
        return tooBig;
    const Real z = arcsinDegrees(sinZ, Arcsin(sinZ.value()) * radiansToDegrees);
    const Real x = 180 - y - z;
    const Real b = sineRule(x, a, y);
    if (!(z.value() > 0 && x.value() > 0 && b.value() > 0))
        return z.value() > 0 && x.value() > 0 ? tooBig : noSolution;
    if (!inRange(z) || !inRange(b))
        return tooBig;
    const Triangle t{a, b, c, x, y, z};
    const std::optional<Triangle> second = secondTriangle(t);
    return Solved<TriangleSolution>{{t, second}, sidesAndOppositeAngleSteps(t, sinZ, second)};
}

QString secondTriangleText(const TriangleSolution& solution)
{
    const std::optional<Triangle>& second = solution.second;
    if (!second)
        return {};
    return captionText(Caption::SecondTriangle) + QStringLiteral("  X = ") +
           numberText(second->x.value()) + QStringLiteral("  Z = ") +
           numberText(second->z.value()) + QStringLiteral("  b = ") + numberText(second->b.value());
}
