#include "algebra/quadratic.h"

#include <cmath>

QuadraticOutcome solveQuadratic(double a, double b, double c)
{
    if (a == 0)
        return Message::QuadraticAZero;
    const double discriminant = b * b - c * (a * 4);
    if (!std::isfinite(discriminant))
        return Message::TooBig;
    if (discriminant < 0)
        return NoRealRoots{};
    const double root = std::sqrt(discriminant);
    const double twoA = a + a;
    const QuadraticRoots roots{(-b + root) / twoA, (-b - root) / twoA};
    if (!std::isfinite(twoA) || !std::isfinite(roots.x1) || !std::isfinite(roots.x2))
        return Message::TooBig;
    return roots;
}
