#include "geometry/quadrilateral.h"

#include "exact/exact_reading.h"

#include "geometry/worked_step.h"
#include "input/notation.h"
#include "input/number_text.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <optional>

namespace {

QString sSquared(const Symbols& s)
{
    return squared(s(u"s"));
}

QString fourS(const Symbols& s)
{
    return times(QStringLiteral("4"), s(u"s"));
}

QString rootOfA(const Symbols& s)
{
    return root(s(u"A"));
}

QString quarterOfP(const Symbols& s)
{
    return dividedBy(s(u"P"), QStringLiteral("4"));
}

QString trapezoid(const Symbols& s)
{
    return dividedBy(times(bracketed(plus(s(u"a"), s(u"b"))), s(u"h")), QStringLiteral("2"));
}

QString halfDiagonals(const Symbols& s)
{
    return dividedBy(times(s(u"e"), s(u"f")), QStringLiteral("2"));
}

QString aTimesB(const Symbols& s)
{
    return times(s(u"a"), s(u"b"));
}

QString twiceAPlusB(const Symbols& s)
{
    return times(QStringLiteral("2"), bracketed(plus(s(u"a"), s(u"b"))));
}

QString aOverA(const Symbols& s)
{
    return dividedBy(s(u"A"), s(u"a"));
}

QString twiceAPlusOther(const Symbols& s)
{
    return times(QStringLiteral("2"), bracketed(plus(s(u"a"), s(u"B"))));
}

QString halfRestOfP(const Symbols& s)
{
    return dividedBy(bracketed(minus(s(u"P"), times(QStringLiteral("2"), s(u"a")))),
                     QStringLiteral("2"));
}

QString roundedB(const Symbols& s)
{
    return QStringLiteral("Round(") + s(u"B") + QStringLiteral(", 4)");
}

QString aTimesOther(const Symbols& s)
{
    return times(s(u"a"), s(u"B"));
}

QString bTimesH(const Symbols& s)
{
    return times(s(u"b"), s(u"h"));
}

} // namespace

namespace {

// A number rounded to four decimals is exactly the decimal it shows.
Real asRounded(double rounded)
{
    char text[32];
    const auto written = std::to_chars(text, text + sizeof text, rounded);
    return Real::typed(rounded, decimalRational({text, written.ptr}));
}

// Half the other side of a rectangle, or nothing when the perimeter leaves no room for it.
std::optional<Real> halfRest(Real a, Real perimeter)
{
    const Real rest = perimeter - 2 * a;
    if (!(rest > 0))
        return std::nullopt;
    return rest / 2;
}

} // namespace

Outcome<Real> squareArea(Real s)
{
    const Real area = s * s;
    return measured(area, {workedStep(u"Area", sSquared, {{u"s", s}}, area)});
}

Outcome<Real> squarePerimeter(Real s)
{
    const Real perimeter = s * 4;
    return measured(perimeter, {workedStep(u"Perimeter", fourS, {{u"s", s}}, perimeter)});
}

Outcome<Real> squareSideFromArea(Real area)
{
    const Real s = sqrt(area);
    return measured(s, {workedStep(u"s", rootOfA, {{u"A", area}}, s)});
}

Outcome<Real> squarePerimeterFromArea(Real area)
{
    const Real s = sqrt(area);
    const Real perimeter = s * 4;
    return measured(perimeter, {workedPart(u"s", rootOfA, {{u"A", area}}, s),
                                workedStep(u"Perimeter", fourS, {{u"s", s}}, perimeter)});
}

Outcome<Real> squareSideFromPerimeter(Real perimeter)
{
    const Real s = perimeter / 4;
    return measured(s, {workedStep(u"s", quarterOfP, {{u"P", perimeter}}, s)});
}

Outcome<Real> squareAreaFromPerimeter(Real perimeter)
{
    const Real s = perimeter / 4;
    const Real area = s * s;
    return measured(area, {workedPart(u"s", quarterOfP, {{u"P", perimeter}}, s),
                           workedStep(u"Area", sSquared, {{u"s", s}}, area)});
}

Outcome<Real> trapeziumArea(Real a, Real b, Real h)
{
    const Real area = (b + a) * h / 2;
    return measured(area,
                    {workedStep(u"Area", trapezoid, {{u"a", a}, {u"b", b}, {u"h", h}}, area)});
}

Outcome<Real> perpendicularDiagonalsArea(Real e, Real f)
{
    const Real area = f * e / 2;
    return measured(area, {workedStep(u"Area", halfDiagonals, {{u"e", e}, {u"f", f}}, area)});
}

Outcome<Real> rectangleArea(Real a, Real b)
{
    const Real area = b * a;
    return measured(area, {workedStep(u"Area", aTimesB, {{u"a", a}, {u"b", b}}, area)});
}

Outcome<Real> rectanglePerimeter(Real a, Real b)
{
    const Real perimeter = (b + a) * 2;
    return measured(perimeter,
                    {workedStep(u"Perimeter", twiceAPlusB, {{u"a", a}, {u"b", b}}, perimeter)});
}

Outcome<Real> rectangleSideFromArea(Real a, Real area)
{
    const Real b = area / a;
    return measured(b, {workedStep(u"B", aOverA, {{u"A", area}, {u"a", a}}, b)});
}

Outcome<Real> rectanglePerimeterFromArea(Real a, Real area)
{
    const Real b = area / a;
    const Real perimeter = (b + a) * 2;
    return measured(perimeter,
                    {workedPart(u"B", aOverA, {{u"A", area}, {u"a", a}}, b),
                     workedStep(u"Perimeter", twiceAPlusOther, {{u"a", a}, {u"B", b}}, perimeter)});
}

Outcome<Real> rectangleSideFromPerimeter(Real a, Real perimeter)
{
    const auto b = halfRest(a, perimeter);
    if (!b)
        return Message::ImplausibleData;
    // Half of a finite rest is finite, and rounds to 0 when below 0.00005.
    const Real rounded = asRounded(roundToFourDecimals(b->value()));
    return Solved<Real>{rounded,
                        {workedPart(u"B", halfRestOfP, {{u"P", perimeter}, {u"a", a}}, *b),
                         workedStep(u"B", roundedB, {{u"B", *b}}, rounded)}};
}

Outcome<Real> rectangleAreaFromPerimeter(Real a, Real perimeter)
{
    const auto b = halfRest(a, perimeter);
    if (!b)
        return Message::ImplausibleData;
    const Real area = a * *b;
    return measured(area, {workedPart(u"B", halfRestOfP, {{u"P", perimeter}, {u"a", a}}, *b),
                           workedStep(u"Area", aTimesOther, {{u"a", a}, {u"B", *b}}, area)});
}

Outcome<Real> parallelogramArea(Real base, Real height)
{
    const Real area = height * base;
    return measured(area, {workedStep(u"Area", bTimesH, {{u"b", base}, {u"h", height}}, area)});
}

Outcome<Real> parallelogramOtherFromArea(Real baseOrHeight, Real area)
{
    const Real other = area / baseOrHeight;
    return measured(other,
                    {step(QStringLiteral("Height/Base = ") +
                              dividedBy(QStringLiteral("Area"), QStringLiteral("(Base/Height)")),
                          dividedBy(term(area), term(baseOrHeight)), resultNumber(other))});
}

Outcome<Real> parallelogramPerimeter(Real a, Real b)
{
    return rectanglePerimeter(a, b);
}

double roundToFourDecimals(double x)
{
    // Rounded as shown, from its 15 significant digits: a Real lies a hair above or below
    // the tie the pupil sees (0.00125), and the tie must go to the even digit all the same.
    if (!std::isfinite(x) || x == 0)
        return x;
    char text[32]; // "d.dddddddddddddde-XXX"
    const auto written =
        std::to_chars(text, text + sizeof text, std::fabs(x), std::chars_format::scientific, 14);
    const char* sign = text + 17;
    int exponent = 0;
    std::from_chars(*sign == '+' ? sign + 1 : sign, written.ptr, exponent);
    int digits[15] = {text[0] - '0'};
    for (int i = 1; i < 15; ++i)
        digits[i] = text[i + 1] - '0';

    const int kept = exponent + 5; // the digits down to the fourth decimal place
    if (kept >= 15)
        return x; // no shown digit lies below it
    if (kept < 0)
        return 0; // below 0.00001
    std::int64_t tenThousandths = 0;
    for (int i = 0; i < kept; ++i)
        tenThousandths = tenThousandths * 10 + digits[i];
    bool anyBeyond = false;
    for (int i = kept + 1; i < 15; ++i)
        anyBeyond = anyBeyond || digits[i] != 0;
    const int next = digits[kept];
    if (next > 5 || (next == 5 && (anyBeyond || tenThousandths % 2 != 0)))
        ++tenThousandths;
    if (tenThousandths == 0)
        return 0;
    return std::copysign(static_cast<double>(tenThousandths) / 10000, x);
}
