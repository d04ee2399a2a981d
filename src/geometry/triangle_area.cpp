#include "geometry/triangle_area.h"

#include <cmath>

Measure triangleArea(double base, double height)
{
    return measured(height * base / 2);
}

Measure triangleHeight(double base, double area)
{
    return measured(area * 2 / base);
}

Measure triangleBase(double height, double area)
{
    return measured(area * 2 / height);
}

Measure trianglePerimeter(double a, double b, double c)
{
    return measured(a + b + c);
}

Measure heronArea(double a, double b, double c)
{
    const double s = (a + b + c) / 2;
    // A side longer than the other two together makes its factor negative; that is wrong data
    // whatever its size, so it is said before any overflow.
    if (s - a < 0 || s - b < 0 || s - c < 0)
        return Message::Unreasonable;
    const double p = (s - a) * s * (s - b) * (s - c);
    // + 0.0 turns the root of a negative zero into a plain 0.
    return measured(std::sqrt(p) + 0.0);
}
