#include "geometry/triangle_area.h"

#include "geometry/worked_step.h"

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

Working triangleAreaWorking(double base, double height)
{
    return ifAnswered(triangleArea(base, height), [&](double area) {
        return Working{workedStep(u"Area = b*h / 2", {{u"b", base}, {u"h", height}}, area)};
    });
}

Working triangleHeightWorking(double base, double area)
{
    return ifAnswered(triangleHeight(base, area), [&](double height) {
        return Working{workedStep(u"h = 2*A / b", {{u"A", area}, {u"b", base}}, height)};
    });
}

Working triangleBaseWorking(double height, double area)
{
    return ifAnswered(triangleBase(height, area), [&](double base) {
        return Working{workedStep(u"b = 2*A / h", {{u"A", area}, {u"h", height}}, base)};
    });
}

Working trianglePerimeterWorking(double a, double b, double c)
{
    return ifAnswered(trianglePerimeter(a, b, c), [&](double perimeter) {
        return Working{
            workedStep(u"Perimeter = a + b + c", {{u"a", a}, {u"b", b}, {u"c", c}}, perimeter)};
    });
}

Working heronAreaWorking(double a, double b, double c)
{
    return ifAnswered(heronArea(a, b, c), [&](double area) {
        const double s = (a + b + c) / 2;
        const double p = (s - a) * s * (s - b) * (s - c);
        return Working{workedStep(u"s = (a + b + c) / 2", {{u"a", a}, {u"b", b}, {u"c", c}}, s),
                       workedStep(u"p = (s - a)*s*(s - b)*(s - c)",
                                  {{u"s", s}, {u"a", a}, {u"b", b}, {u"c", c}}, p),
                       workedStep(u"Area = Root(p)", {{u"p", p}}, area)};
    });
}
