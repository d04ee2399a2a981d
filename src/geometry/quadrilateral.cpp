#include "geometry/quadrilateral.h"

#include "input/number_text.h"

#include <cmath>
#include <optional>

namespace {

// Half the other side of a rectangle, or nothing when the perimeter leaves no room for it.
std::optional<double> halfRest(double a, double perimeter)
{
    const double rest = perimeter - 2 * a;
    if (!(rest > 0))
        return std::nullopt;
    return rest / 2;
}

} // namespace

Measure squareArea(double s)
{
    return measured(s * s);
}

Measure squarePerimeter(double s)
{
    return measured(s * 4);
}

Measure squareSideFromArea(double area)
{
    return measured(std::sqrt(area));
}

Measure squarePerimeterFromArea(double area)
{
    return measured(std::sqrt(area) * 4);
}

Measure squareSideFromPerimeter(double perimeter)
{
    return measured(perimeter / 4);
}

Measure squareAreaFromPerimeter(double perimeter)
{
    const double side = perimeter / 4;
    return measured(side * side);
}

Measure trapeziumArea(double a, double b, double h)
{
    return measured((b + a) * h / 2);
}

Measure perpendicularDiagonalsArea(double e, double f)
{
    return measured(f * e / 2);
}

Measure rectangleArea(double a, double b)
{
    return measured(b * a);
}

Measure rectanglePerimeter(double a, double b)
{
    return measured((b + a) * 2);
}

Measure rectangleSideFromArea(double a, double area)
{
    return measured(area / a);
}

Measure rectanglePerimeterFromArea(double a, double area)
{
    return measured((area / a + a) * 2);
}

Measure rectangleSideFromPerimeter(double a, double perimeter)
{
    const auto half = halfRest(a, perimeter);
    if (!half)
        return Message::ImplausibleData;
    return measured(roundToFourDecimals(*half));
}

Measure rectangleAreaFromPerimeter(double a, double perimeter)
{
    const auto half = halfRest(a, perimeter);
    if (!half)
        return Message::ImplausibleData;
    return measured(a * *half);
}

Measure parallelogramArea(double base, double height)
{
    return measured(height * base);
}

Measure parallelogramOtherFromArea(double baseOrHeight, double area)
{
    return measured(area / baseOrHeight);
}

Measure parallelogramPerimeter(double a, double b)
{
    return measured((b + a) * 2);
}

double roundToFourDecimals(double x)
{
    // From 2^52 on every Real is whole: scaling could only add an error, or overflow.
    const double scaled = x * 10000;
    if (!(std::fabs(scaled) < 0x1p52))
        return x;
    return roundHalfEven(scaled) / 10000;
}
