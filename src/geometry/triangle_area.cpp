#include "geometry/triangle_area.h"

#include "geometry/worked_step.h"
#include "input/notation.h"

#include <cmath>
#include <limits>

namespace {

QString sumOfSides(const Symbols& s)
{
    return plus(plus(s(u"a"), s(u"b")), s(u"c"));
}

QString heronProduct(const Symbols& s)
{
    return times(times(times(bracketed(minus(s(u"s"), s(u"a"))), s(u"s")),
                       bracketed(minus(s(u"s"), s(u"b")))),
                 bracketed(minus(s(u"s"), s(u"c"))));
}

QString halfBTimesH(const Symbols& s)
{
    return dividedBy(times(s(u"b"), s(u"h")), QStringLiteral("2"));
}

QString twiceAOverB(const Symbols& s)
{
    return dividedBy(times(QStringLiteral("2"), s(u"A")), s(u"b"));
}

QString twiceAOverH(const Symbols& s)
{
    return dividedBy(times(QStringLiteral("2"), s(u"A")), s(u"h"));
}

QString halfPerimeter(const Symbols& s)
{
    return dividedBy(bracketed(plus(plus(s(u"a"), s(u"b")), s(u"c"))), QStringLiteral("2"));
}

QString rootOfP(const Symbols& s)
{
    return root(s(u"p"));
}

} // namespace

namespace {

// Heron's half perimeter s and its factors s - a, s - b and s - c.
struct Heron {
    Real s, sa, sb, sc;

    bool flat() const { return sa == 0 || sb == 0 || sc == 0; }
    // Multiplied in the order pupils are shown; a flat triangle is 0 even where the other
    // factors would overflow.
    Real product() const { return flat() ? Real(0) : (sa * s) * sb * sc; }
};

Heron heron(Real a, Real b, Real c)
{
    const Real s = (a + b + c) / 2;
    // Sides typed as a flat triangle, such as 0.1, 0.2 and 0.3, miss it as Reals by a hair
    // either way; a factor within the rounding of s is the 0 it stands for.
    const auto factor = [s](Real side) {
        const Real f = s - side;
        return std::fabs(f.value()) <= 4 * std::numeric_limits<double>::epsilon() * s.value()
                   ? Real(0)
                   : f;
    };
    return {s, factor(a), factor(b), factor(c)};
}

} // namespace

Outcome<Real> triangleArea(Real base, Real height)
{
    const Real area = height * base / 2;
    return measured(area, {workedStep(u"Area", halfBTimesH, {{u"b", base}, {u"h", height}}, area)});
}

Outcome<Real> triangleHeight(Real base, Real area)
{
    const Real height = area * 2 / base;
    return measured(height, {workedStep(u"h", twiceAOverB, {{u"A", area}, {u"b", base}}, height)});
}

Outcome<Real> triangleBase(Real height, Real area)
{
    const Real base = area * 2 / height;
    return measured(base, {workedStep(u"b", twiceAOverH, {{u"A", area}, {u"h", height}}, base)});
}

Outcome<Real> trianglePerimeter(Real a, Real b, Real c)
{
    const Real perimeter = a + b + c;
    return measured(perimeter, {workedStep(u"Perimeter", sumOfSides,
                                           {{u"a", a}, {u"b", b}, {u"c", c}}, perimeter)});
}

Outcome<Real> heronArea(Real a, Real b, Real c)
{
    const Heron h = heron(a, b, c);
    if (!isfinite(h.s))
        return Message::TooBig;
    // A side longer than the other two together makes its factor negative; that is wrong data
    // whatever its size, so it is said before any overflow.
    if (h.sa < 0 || h.sb < 0 || h.sc < 0)
        return Message::Unreasonable;
    const Real p = h.product();
    const Real area = sqrt(p);
    Working working{
        workedPart(u"s", halfPerimeter, {{u"a", a}, {u"b", b}, {u"c", c}}, h.s),
        workedPart(u"p", heronProduct, {{u"s", h.s}, {u"a", a}, {u"b", b}, {u"c", c}}, p),
        workedStep(u"Area", rootOfP, {{u"p", p}}, area)};
    if (h.flat())
        return Solved<Real>{area, std::move(working)}; // the 0 that measured would refuse
    return measured(area, std::move(working));
}
