#include "geometry/circle.h"

#include "geometry/pi.h"
#include "geometry/worked_step.h"

#include <cmath>

Outcome<double> circleAreaFromRadius(double r)
{
    const double area = r * pi15 * r;
    return measured(area, {workedStep(u"Area = r*Pi*r", {{u"r", r}}, area)});
}

Outcome<double> circlePerimeterFromRadius(double r)
{
    const double t = r * pi15;
    const double perimeter = t + t;
    return measured(perimeter, {workedStep(u"Perimeter = 2*Pi*r", {{u"r", r}}, perimeter)});
}

Outcome<double> circleAreaFromDiameter(double d)
{
    const double r = d / 2;
    const double area = r * pi15 * r;
    return measured(area, {workedStep(u"r = d / 2", {{u"d", d}}, r),
                           workedStep(u"Area = r*Pi*r", {{u"r", r}}, area)});
}

Outcome<double> circlePerimeterFromDiameter(double d)
{
    const double r = d / 2;
    const double t = r * pi15;
    const double perimeter = t + t;
    return measured(perimeter, {workedStep(u"r = d / 2", {{u"d", d}}, r),
                                workedStep(u"Perimeter = 2*Pi*r", {{u"r", r}}, perimeter)});
}

Outcome<double> circleRadiusFromArea(double area)
{
    const double r = std::sqrt(area / pi15);
    return measured(r, {workedStep(u"r = Root(A / Pi)", {{u"A", area}}, r)});
}

Outcome<double> circleDiameterFromArea(double area)
{
    const double r = std::sqrt(area / pi15);
    const double d = r + r;
    return measured(d, {workedStep(u"r = Root(A / Pi)", {{u"A", area}}, r),
                        workedStep(u"d = 2*r", {{u"r", r}}, d)});
}

Outcome<double> circleRadiusFromPerimeter(double perimeter)
{
    const double d = perimeter / pi15;
    const double r = d / 2;
    return measured(r, {workedStep(u"d = P / Pi", {{u"P", perimeter}}, d),
                        workedStep(u"r = d / 2", {{u"d", d}}, r)});
}

Outcome<double> circleDiameterFromPerimeter(double perimeter)
{
    const double d = perimeter / pi15;
    return measured(d, {workedStep(u"d = P / Pi", {{u"P", perimeter}}, d)});
}

Outcome<double> circlePerimeterFromArea(double area)
{
    const double r = std::sqrt(area / pi15);
    const double perimeter = (r + r) * pi15;
    return measured(perimeter, {workedStep(u"r = Root(A / Pi)", {{u"A", area}}, r),
                                workedStep(u"Perimeter = 2*r*Pi", {{u"r", r}}, perimeter)});
}

Outcome<double> circleAreaFromPerimeter(double perimeter)
{
    const double r = perimeter / pi15 / 2;
    const double area = r * r * pi15;
    return measured(area, {workedStep(u"r = P / Pi / 2", {{u"P", perimeter}}, r),
                           workedStep(u"Area = r^2*Pi", {{u"r", r}}, area)});
}
