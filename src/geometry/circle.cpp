#include "geometry/circle.h"

#include "geometry/pi.h"
#include "geometry/worked_step.h"

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

Working circleAreaFromRadiusWorking(double r)
{
    return ifAnswered(circleAreaFromRadius(r), [&](double area) {
        return Working{workedStep(u"Area = r*Pi*r", {{u"r", r}}, area)};
    });
}

Working circlePerimeterFromRadiusWorking(double r)
{
    return ifAnswered(circlePerimeterFromRadius(r), [&](double perimeter) {
        return Working{workedStep(u"Perimeter = 2*Pi*r", {{u"r", r}}, perimeter)};
    });
}

Working circleAreaFromDiameterWorking(double d)
{
    return ifAnswered(circleAreaFromDiameter(d), [&](double area) {
        const double r = d / 2;
        return Working{workedStep(u"r = d / 2", {{u"d", d}}, r),
                       workedStep(u"Area = r*Pi*r", {{u"r", r}}, area)};
    });
}

Working circlePerimeterFromDiameterWorking(double d)
{
    return ifAnswered(circlePerimeterFromDiameter(d), [&](double perimeter) {
        const double r = d / 2;
        return Working{workedStep(u"r = d / 2", {{u"d", d}}, r),
                       workedStep(u"Perimeter = 2*Pi*r", {{u"r", r}}, perimeter)};
    });
}

Working circleRadiusFromAreaWorking(double area)
{
    return ifAnswered(circleRadiusFromArea(area), [&](double r) {
        return Working{workedStep(u"r = Root(A / Pi)", {{u"A", area}}, r)};
    });
}

Working circleDiameterFromAreaWorking(double area)
{
    return ifAnswered(circleDiameterFromArea(area), [&](double d) {
        const double r = std::sqrt(area / pi15);
        return Working{workedStep(u"r = Root(A / Pi)", {{u"A", area}}, r),
                       workedStep(u"d = 2*r", {{u"r", r}}, d)};
    });
}

Working circleRadiusFromPerimeterWorking(double perimeter)
{
    return ifAnswered(circleRadiusFromPerimeter(perimeter), [&](double r) {
        const double d = perimeter / pi15;
        return Working{workedStep(u"d = P / Pi", {{u"P", perimeter}}, d),
                       workedStep(u"r = d / 2", {{u"d", d}}, r)};
    });
}

Working circleDiameterFromPerimeterWorking(double perimeter)
{
    return ifAnswered(circleDiameterFromPerimeter(perimeter), [&](double d) {
        return Working{workedStep(u"d = P / Pi", {{u"P", perimeter}}, d)};
    });
}

Working circlePerimeterFromAreaWorking(double area)
{
    return ifAnswered(circlePerimeterFromArea(area), [&](double perimeter) {
        const double r = std::sqrt(area / pi15);
        return Working{workedStep(u"r = Root(A / Pi)", {{u"A", area}}, r),
                       workedStep(u"Perimeter = 2*r*Pi", {{u"r", r}}, perimeter)};
    });
}

Working circleAreaFromPerimeterWorking(double perimeter)
{
    return ifAnswered(circleAreaFromPerimeter(perimeter), [&](double area) {
        const double r = perimeter / pi15 / 2;
        return Working{workedStep(u"r = P / Pi / 2", {{u"P", perimeter}}, r),
                       workedStep(u"Area = r^2*Pi", {{u"r", r}}, area)};
    });
}
