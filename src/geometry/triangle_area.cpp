#include "geometry/triangle_area.h"

#include "geometry/worked_step.h"

#include <cmath>
#include <limits>

namespace {

// Heron's half perimeter s and its factors s - a, s - b and s - c.
struct Heron {
    double s, sa, sb, sc;

    bool flat() const { return sa == 0 || sb == 0 || sc == 0; }
    // Multiplied in the order pupils are shown; a flat triangle is 0 even where the other
    // factors would overflow.
    double product() const { return flat() ? 0.0 : (sa * s) * sb * sc; }
};

Heron heron(double a, double b, double c)
{
    const double s = (a + b + c) / 2;
    // Sides typed as a flat triangle, such as 0.1, 0.2 and 0.3, miss it as Reals by a hair
    // either way; a factor within the rounding of s is the 0 it stands for.
    const auto factor = [s](double side) {
        const double f = s - side;
        return std::fabs(f) <= 4 * std::numeric_limits<double>::epsilon() * s ? 0.0 : f;
    };
    return {s, factor(a), factor(b), factor(c)};
}

} // namespace

Outcome<double> triangleArea(double base, double height)
{
    const double area = height * base / 2;
    return measured(area, {workedStep(u"Area = b*h / 2", {{u"b", base}, {u"h", height}}, area)});
}

Outcome<double> triangleHeight(double base, double area)
{
    const double height = area * 2 / base;
    return measured(height, {workedStep(u"h = 2*A / b", {{u"A", area}, {u"b", base}}, height)});
}

Outcome<double> triangleBase(double height, double area)
{
    const double base = area * 2 / height;
    return measured(base, {workedStep(u"b = 2*A / h", {{u"A", area}, {u"h", height}}, base)});
}

Outcome<double> trianglePerimeter(double a, double b, double c)
{
    const double perimeter = a + b + c;
    return measured(perimeter, {workedStep(u"Perimeter = a + b + c",
                                           {{u"a", a}, {u"b", b}, {u"c", c}}, perimeter)});
}

Outcome<double> heronArea(double a, double b, double c)
{
    const Heron h = heron(a, b, c);
    if (!std::isfinite(h.s))
        return Message::TooBig;
    // A side longer than the other two together makes its factor negative; that is wrong data
    // whatever its size, so it is said before any overflow.
    if (h.sa < 0 || h.sb < 0 || h.sc < 0)
        return Message::Unreasonable;
    const double p = h.product();
    const double area = std::sqrt(p);
    Working working{workedStep(u"s = (a + b + c) / 2", {{u"a", a}, {u"b", b}, {u"c", c}}, h.s),
                    workedStep(u"p = (s - a)*s*(s - b)*(s - c)",
                               {{u"s", h.s}, {u"a", a}, {u"b", b}, {u"c", c}}, p),
                    workedStep(u"Area = Root(p)", {{u"p", p}}, area)};
    if (h.flat())
        return Solved<double>{area, std::move(working)}; // the 0 that measured would refuse
    return measured(area, std::move(working));
}
