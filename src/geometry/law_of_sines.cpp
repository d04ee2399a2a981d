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
    if (!(y > 0 && c > 0 && a > 0))
        return noSolution;
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
        return noSolution;
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
        return noSolution;
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
    return messages::secondTriangle + QStringLiteral("  X = ") + numberText(second->x) +
           QStringLiteral("  Z = ") + numberText(second->z) + QStringLiteral("  b = ") +
           numberText(second->b);
}
