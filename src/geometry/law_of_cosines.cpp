#include "geometry/law_of_cosines.h"

#include "geometry/pi.h"

#include <cmath>
#include <limits>

namespace {

TriangleRefusal refused(Message message)
{
    return TriangleRefusal{message};
}

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

} // namespace

double Arccos(double x)
{
    if (x == 1)
        return 0;
    if (x == -1)
        return pi15;
    return std::atan(-x / std::sqrt(-x * x + 1)) + 2 * std::atan(1.0);
}

TriangleOutcome solveSideAngleSide(double a, double z, double b)
{
    if (!squareInRange(a * a) || !squareInRange(b * b))
        return refused(Message::TooBig);
    const double cSquared = (a * a + b * b) - (2 * a * b) * std::cos(z * degreesToRadians);
    if (!std::isfinite(cSquared))
        return refused(Message::TooBig);
    // Rounding in a nearly flat triangle can leave no third side at all.
    if (!(cSquared >= std::numeric_limits<double>::min()))
        return refused(Message::Unreasonable);
    const double c = std::sqrt(cSquared);
    const double cosX = cosineOfAngle(c, a, b);
    if (!std::isfinite(cosX))
        return refused(Message::TooBig);
    if (cosX > 1 || cosX < -1)
        return refused(Message::Unreasonable);
    const double x = Arccos(cosX) * radiansToDegrees;
    const double y = 180 - x - z;
    if (y < 0)
        return refused(Message::Unreasonable);
    return Triangle{a, b, c, x, y, z};
}

TriangleOutcome solveSideSideSide(double a, double b, double c)
{
    // Every failure here, overflow included, is data that make no triangle.
    if (!squareInRange(a * a) || !squareInRange(b * b) || !squareInRange(c * c))
        return refused(Message::Unreasonable);
    const double cosX = cosineOfAngle(c, a, b);
    const double cosY = cosineOfAngle(c, b, a);
    if (!(cosX >= -1 && cosX <= 1 && cosY >= -1 && cosY <= 1))
        return refused(Message::Unreasonable);
    const double x = Arccos(cosX) * radiansToDegrees;
    const double y = Arccos(cosY) * radiansToDegrees;
    const double z = 180 - x - y;
    if (z < 0)
        return refused(Message::Unreasonable);
    return Triangle{a, b, c, x, y, z};
}
