#include "geometry/circle.h"

#include "geometry/pi.h"
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

Outcome<double> circleAreaFromRadius(double r)
{
    const double area = r * pi15 * r;
    return measured(area, {workedStep(u"Area", rPiR, {{u"r", r}}, area)});
}

Outcome<double> circlePerimeterFromRadius(double r)
{
    const double t = r * pi15;
    const double perimeter = t + t;
    return measured(perimeter, {workedStep(u"Perimeter", twoPiR, {{u"r", r}}, perimeter)});
}

Outcome<double> circleAreaFromDiameter(double d)
{
    const double r = d / 2;
    const double area = r * pi15 * r;
    return measured(area, {workedPart(u"r", halfOfD, {{u"d", d}}, r),
                           workedStep(u"Area", rPiR, {{u"r", r}}, area)});
}

Outcome<double> circlePerimeterFromDiameter(double d)
{
    const double r = d / 2;
    const double t = r * pi15;
    const double perimeter = t + t;
    return measured(perimeter, {workedPart(u"r", halfOfD, {{u"d", d}}, r),
                                workedStep(u"Perimeter", twoPiR, {{u"r", r}}, perimeter)});
}

Outcome<double> circleRadiusFromArea(double area)
{
    const double r = std::sqrt(area / pi15);
    return measured(r, {workedStep(u"r", rootOfAOverPi, {{u"A", area}}, r)});
}

Outcome<double> circleDiameterFromArea(double area)
{
    const double r = std::sqrt(area / pi15);
    const double d = r + r;
    return measured(d, {workedPart(u"r", rootOfAOverPi, {{u"A", area}}, r),
                        workedStep(u"d", twiceR, {{u"r", r}}, d)});
}

Outcome<double> circleRadiusFromPerimeter(double perimeter)
{
    const double d = perimeter / pi15;
    const double r = d / 2;
    return measured(r, {workedPart(u"d", pOverPi, {{u"P", perimeter}}, d),
                        workedStep(u"r", halfOfD, {{u"d", d}}, r)});
}

Outcome<double> circleDiameterFromPerimeter(double perimeter)
{
    const double d = perimeter / pi15;
    return measured(d, {workedStep(u"d", pOverPi, {{u"P", perimeter}}, d)});
}

Outcome<double> circlePerimeterFromArea(double area)
{
    const double r = std::sqrt(area / pi15);
    const double perimeter = (r + r) * pi15;
    return measured(perimeter, {workedPart(u"r", rootOfAOverPi, {{u"A", area}}, r),
                                workedStep(u"Perimeter", twoRPi, {{u"r", r}}, perimeter)});
}

Outcome<double> circleAreaFromPerimeter(double perimeter)
{
    const double r = perimeter / pi15 / 2;
    const double area = r * r * pi15;
    return measured(area, {workedPart(u"r", pOverPiOverTwo, {{u"P", perimeter}}, r),
                           workedStep(u"Area", rSquaredPi, {{u"r", r}}, area)});
}
