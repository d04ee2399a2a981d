#include "geometry/circle.h"

#include "geometry/pi.h"

#include <cmath>

Measure circleAreaFromRadius(double r)
{
    const double t = r * pi15;
    return measured(t * r);
}

Measure circlePerimeterFromRadius(double r)
{
    const double t = r * pi15;
    return measured(t + t);
}

Measure circleAreaFromDiameter(double d)
{
    const double h = d / 2;
    const double t = h * pi15;
    return measured(t * h);
}

Measure circlePerimeterFromDiameter(double d)
{
    const double h = d / 2;
    const double t = h * pi15;
    return measured(t + t);
}

Measure circleRadiusFromArea(double area)
{
    return measured(std::sqrt(area / pi15));
}

Measure circleDiameterFromArea(double area)
{
    const double s = std::sqrt(area / pi15);
    return measured(s + s);
}

Measure circleRadiusFromPerimeter(double perimeter)
{
    const double t = perimeter / pi15;
    return measured(t / 2);
}

Measure circleDiameterFromPerimeter(double perimeter)
{
    return measured(perimeter / pi15);
}

Measure circlePerimeterFromArea(double area)
{
    const double s = std::sqrt(area / pi15);
    return measured((s + s) * pi15);
}

Measure circleAreaFromPerimeter(double perimeter)
{
    const double x = perimeter / pi15 / 2;
    return measured(x * x * pi15);
}
