#include "geometry/law_of_sines.h"

#include "geometry/pi.h"
#include "input/number_text.h"

#include <cmath>
#include <initializer_list>

namespace {

TriangleRefusal refused(Message message, bool fromHeightTest = false)
{
    return TriangleRefusal{message, fromHeightTest};
}

double sine(double degrees)
{
    return std::sin(degrees * degreesToRadians);
}

// A value that neither overflowed nor underflowed: finite, and not so small that its digits
// are lost. A sine of a given angle that falls below this would make the answer meaningless.
bool inRange(double value)
{
    return std::isnormal(value);
}

bool allInRange(std::initializer_list<double> values)
{
    for (double value : values)
        if (!inRange(value))
            return false;
    return true;
}

const TriangleRefusal noSolution = refused(Message::NoTriangle);
const TriangleRefusal tooBig = refused(Message::TooBig);

} // namespace

double Arcsin(double x)
{
    if (x == 1)
        return pi15 / 2;
    if (x == -1)
        return -pi15 / 2;
    return std::atan(x / std::sqrt(-x * x + 1));
}

TriangleOutcome solveAnglesXZSideB(double x, double z, double b)
{
    const double sinX = sine(x);
    const double sinZ = sine(z);
    if (!allInRange({sinX, sinZ}))
        return tooBig;
    const double y = 180 - x - z;
    const double c = sinZ * b / sinX;
    const double a = sine(y) * c / sinZ;
    // With a third angle above 0 both sides are above 0; a side of 0 has underflowed.
    if (!(y > 0 && c > 0 && a > 0))
        return y > 0 ? tooBig : noSolution;
    if (!allInRange({c, a}))
        return tooBig;
    return Triangle{a, b, c, x, y, z};
}

TriangleOutcome solveAnglesYZSideC(double y, double z, double c)
{
    const double sinY = sine(y);
    const double sinZ = sine(z);
    if (!allInRange({sinY, sinZ}))
        return tooBig;
    const double x = 180 - y - z;
    const double a = sinY * c / sinZ;
    const double b = sine(x) * c / sinZ;
    if (!(a > 0 && x > 0 && b > 0))
        return x > 0 ? tooBig : noSolution;
    if (!allInRange({a, b}))
        return tooBig;
    return Triangle{a, b, c, x, y, z};
}

TriangleOutcome solveSidesAndOppositeAngle(double y, double a, double c)
{
    const double sinY = sine(y);
    if (!inRange(sinY))
        return tooBig;
    // The height on c is longer than a: a cannot reach the third side.
    const double height = sinY * c;
    if (height > a)
        return refused(Message::NoTriangle, true);
    const double sinZ = height / a;
    if (!inRange(sinZ))
        return tooBig;
    const double z = Arcsin(sinZ) * radiansToDegrees;
    const double x = 180 - y - z;
    const double b = sine(x) * a / sinY;
    if (!(z > 0 && x > 0 && b > 0))
        return z > 0 && x > 0 ? tooBig : noSolution;
    if (!allInRange({z, b}))
        return tooBig;
    return Triangle{a, b, c, x, y, z};
}

std::optional<Triangle> secondTriangle(double y, double a, double c)
{
    const TriangleOutcome first = solveSidesAndOppositeAngle(y, a, c);
    const auto* acute = std::get_if<Triangle>(&first);
    if (!acute || !(a < c))
        return std::nullopt;
    const double z = 180 - acute->z;
    // A right angle z, met a hair off 90 because of the 15-digit pi, is one triangle, not two.
    if (z - acute->z < 0.0001)
        return std::nullopt;
    const double x = 180 - y - z;
    const double b = sine(x) * a / sine(y);
    if (!(x > 0) || !inRange(b))
        return std::nullopt;
    return Triangle{a, b, c, x, y, z};
}

QString secondTriangleText(double y, double a, double c)
{
    const std::optional<Triangle> second = secondTriangle(y, a, c);
    if (!second)
        return {};
    return captionText(Caption::SecondTriangle) + QStringLiteral("  X = ") + numberText(second->x) +
           QStringLiteral("  Z = ") + numberText(second->z) + QStringLiteral("  b = ") +
           numberText(second->b);
}

namespace {

// "c = Sin(z) * b / Sin(x) = Sin(60) * 1 / Sin(60) = 1": names are the side found, the angle
// opposite it, the side known and the angle opposite that.
QString sineRuleStep(const QStringList& names, double angle, double side, double opposite,
                     double result)
{
    return step(
        QStringLiteral("%1 = Sin(%2) * %3 / Sin(%4)").arg(names[0], names[1], names[2], names[3]),
        QStringLiteral("Sin(%1) * %2 / Sin(%3)")
            .arg(numberText(angle), numberText(side), numberText(opposite)),
        numberText(result));
}

} // namespace

Working anglesXZSideBWorking(double x, double z, double b)
{
    const TriangleOutcome outcome = solveAnglesXZSideB(x, z, b);
    const auto* t = std::get_if<Triangle>(&outcome);
    if (!t)
        return {};
    return {
        thirdAngleStep({"y", "x", "z"}, x, z, t->y),
        sineRuleStep({"c", "z", "b", "x"}, z, b, x, t->c),
        sineRuleStep({"a", "y", "c", "z"}, t->y, t->c, z, t->a),
    };
}

Working anglesYZSideCWorking(double y, double z, double c)
{
    const TriangleOutcome outcome = solveAnglesYZSideC(y, z, c);
    const auto* t = std::get_if<Triangle>(&outcome);
    if (!t)
        return {};
    return {
        thirdAngleStep({"x", "y", "z"}, y, z, t->x),
        sineRuleStep({"a", "y", "c", "z"}, y, c, z, t->a),
        sineRuleStep({"b", "x", "c", "z"}, t->x, c, z, t->b),
    };
}

Working sidesAndOppositeAngleWorking(double y, double a, double c)
{
    const TriangleOutcome outcome = solveSidesAndOppositeAngle(y, a, c);
    const auto* t = std::get_if<Triangle>(&outcome);
    if (!t)
        return {};
    const double sinZ = sine(y) * c / a;
    Working steps = {
        step(QStringLiteral("Sin(z) = Sin(y) * c / a"),
             QStringLiteral("Sin(%1) * %2 / %3").arg(numberText(y), numberText(c), numberText(a)),
             numberText(sinZ)),
        step(QStringLiteral("z = Arcsin(%1)").arg(numberText(sinZ)), {}, numberText(t->z)),
        thirdAngleStep({"x", "y", "z"}, y, t->z, t->x),
        sineRuleStep({"b", "x", "a", "y"}, t->x, a, y, t->b),
    };
    if (const std::optional<Triangle> second = secondTriangle(y, a, c)) {
        steps << captionText(Caption::SecondTriangle)
              << step(QStringLiteral("z' = 180 - z"), QStringLiteral("180 - ") + numberText(t->z),
                      numberText(second->z))
              << thirdAngleStep({"x'", "y", "z'"}, y, second->z, second->x)
              << sineRuleStep({"b'", "x'", "a", "y"}, second->x, a, y, second->b);
    }
    return steps;
}
