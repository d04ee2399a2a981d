#include "geometry/circle.h"

#include "geometry/worked_step.h"
#include "input/notation.h"

#include <cmath>

namespace {

QString rPiR(const Symbols& s)
{
    return times(times(s(u"r"), s.pi()), s(u"r"));
}

QString twoPiR(const Symbols& s)
{
    return times(times(QStringLiteral("2"), s.pi()), s(u"r"));
}

QString halfOfD(const Symbols& s)
{
    return dividedBy(s(u"d"), QStringLiteral("2"));
}

QString rootOfAOverPi(const Symbols& s)
{
    return root(dividedBy(s(u"A"), s.pi()));
}

QString twiceR(const Symbols& s)
{
    return times(QStringLiteral("2"), s(u"r"));
}

QString pOverPi(const Symbols& s)
{
    return dividedBy(s(u"P"), s.pi());
}

QString twoRPi(const Symbols& s)
{
    return times(times(QStringLiteral("2"), s(u"r")), s.pi());
}

QString pOverPiOverTwo(const Symbols& s)
{
    return dividedBy(dividedBy(s(u"P"), s.pi()), QStringLiteral("2"));
}

QString rSquaredPi(const Symbols& s)
{
    return times(squared(s(u"r")), s.pi());
}

} // namespace

Outcome<Real> circleAreaFromRadius(Real r)
{
    const Real area = r * Real::pi() * r;
    return measured(area, {workedStep(u"Area", rPiR, {{u"r", r}}, area)});
}

Outcome<Real> circlePerimeterFromRadius(Real r)
{
    const Real t = r * Real::pi();
    const Real perimeter = t + t;
    return measured(perimeter, {workedStep(u"Perimeter", twoPiR, {{u"r", r}}, perimeter)});
}

Outcome<Real> circleAreaFromDiameter(Real d)
{
    const Real r = d / 2;
    const Real area = r * Real::pi() * r;
    return measured(area, {workedPart(u"r", halfOfD, {{u"d", d}}, r),
                           workedStep(u"Area", rPiR, {{u"r", r}}, area)});
}

Outcome<Real> circlePerimeterFromDiameter(Real d)
{
    const Real r = d / 2;
    const Real t = r * Real::pi();
    const Real perimeter = t + t;
    return measured(perimeter, {workedPart(u"r", halfOfD, {{u"d", d}}, r),
                                workedStep(u"Perimeter", twoPiR, {{u"r", r}}, perimeter)});
}

Outcome<Real> circleRadiusFromArea(Real area)
{
    const Real r = sqrt(area / Real::pi());
    return measured(r, {workedStep(u"r", rootOfAOverPi, {{u"A", area}}, r)});
}

Outcome<Real> circleDiameterFromArea(Real area)
{
    const Real r = sqrt(area / Real::pi());
    const Real d = r + r;
    return measured(d, {workedPart(u"r", rootOfAOverPi, {{u"A", area}}, r),
                        workedStep(u"d", twiceR, {{u"r", r}}, d)});
}

Outcome<Real> circleRadiusFromPerimeter(Real perimeter)
{
    const Real d = perimeter / Real::pi();
    const Real r = d / 2;
    return measured(r, {workedPart(u"d", pOverPi, {{u"P", perimeter}}, d),
                        workedStep(u"r", halfOfD, {{u"d", d}}, r)});
}

Outcome<Real> circleDiameterFromPerimeter(Real perimeter)
{
    const Real d = perimeter / Real::pi();
    return measured(d, {workedStep(u"d", pOverPi, {{u"P", perimeter}}, d)});
}

Outcome<Real> circlePerimeterFromArea(Real area)
{
    const Real r = sqrt(area / Real::pi());
    const Real perimeter = (r + r) * Real::pi();
    return measured(perimeter, {workedPart(u"r", rootOfAOverPi, {{u"A", area}}, r),
                                workedStep(u"Perimeter", twoRPi, {{u"r", r}}, perimeter)});
}

Outcome<Real> circleAreaFromPerimeter(Real perimeter)
{
    const Real r = perimeter / Real::pi() / 2;
    const Real area = r * r * Real::pi();
    return measured(area, {workedPart(u"r", pOverPiOverTwo, {{u"P", perimeter}}, r),
                           workedStep(u"Area", rSquaredPi, {{u"r", r}}, area)});
}
