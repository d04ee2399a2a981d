#include "geometry/quadrilateral.h"

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

// Half the other side of a rectangle, or nothing when the perimeter leaves no room for it.
std::optional<double> halfRest(double a, double perimeter)
{
    const double rest = perimeter - 2 * a;
    if (!(rest > 0))
        return std::nullopt;
    return rest / 2;
}

} // namespace

Outcome<double> squareArea(double s)
{
    const double area = s * s;
    return measured(area, {workedStep(u"Area", sSquared, {{u"s", s}}, area)});
}

Outcome<double> squarePerimeter(double s)
{
    const double perimeter = s * 4;
    return measured(perimeter, {workedStep(u"Perimeter", fourS, {{u"s", s}}, perimeter)});
}

Outcome<double> squareSideFromArea(double area)
{
    const double s = std::sqrt(area);
    return measured(s, {workedStep(u"s", rootOfA, {{u"A", area}}, s)});
}

Outcome<double> squarePerimeterFromArea(double area)
{
    const double s = std::sqrt(area);
    const double perimeter = s * 4;
    return measured(perimeter, {workedPart(u"s", rootOfA, {{u"A", area}}, s),
                                workedStep(u"Perimeter", fourS, {{u"s", s}}, perimeter)});
}

Outcome<double> squareSideFromPerimeter(double perimeter)
{
    const double s = perimeter / 4;
    return measured(s, {workedStep(u"s", quarterOfP, {{u"P", perimeter}}, s)});
}

Outcome<double> squareAreaFromPerimeter(double perimeter)
{
    const double s = perimeter / 4;
    const double area = s * s;
    return measured(area, {workedPart(u"s", quarterOfP, {{u"P", perimeter}}, s),
                           workedStep(u"Area", sSquared, {{u"s", s}}, area)});
}

Outcome<double> trapeziumArea(double a, double b, double h)
{
    const double area = (b + a) * h / 2;
    return measured(area,
                    {workedStep(u"Area", trapezoid, {{u"a", a}, {u"b", b}, {u"h", h}}, area)});
}

Outcome<double> perpendicularDiagonalsArea(double e, double f)
{
    const double area = f * e / 2;
    return measured(area, {workedStep(u"Area", halfDiagonals, {{u"e", e}, {u"f", f}}, area)});
}

Outcome<double> rectangleArea(double a, double b)
{
    const double area = b * a;
    return measured(area, {workedStep(u"Area", aTimesB, {{u"a", a}, {u"b", b}}, area)});
}

Outcome<double> rectanglePerimeter(double a, double b)
{
    const double perimeter = (b + a) * 2;
    return measured(perimeter,
                    {workedStep(u"Perimeter", twiceAPlusB, {{u"a", a}, {u"b", b}}, perimeter)});
}

Outcome<double> rectangleSideFromArea(double a, double area)
{
    const double b = area / a;
    return measured(b, {workedStep(u"B", aOverA, {{u"A", area}, {u"a", a}}, b)});
}

Outcome<double> rectanglePerimeterFromArea(double a, double area)
{
    const double b = area / a;
    const double perimeter = (b + a) * 2;
    return measured(perimeter,
                    {workedPart(u"B", aOverA, {{u"A", area}, {u"a", a}}, b),
                     workedStep(u"Perimeter", twiceAPlusOther, {{u"a", a}, {u"B", b}}, perimeter)});
}

Outcome<double> rectangleSideFromPerimeter(double a, double perimeter)
{
    const auto b = halfRest(a, perimeter);
    if (!b)
        return Message::ImplausibleData;
    // Half of a finite rest is finite, and rounds to 0 when below 0.00005.
    const double rounded = roundToFourDecimals(*b);
    return Solved<double>{rounded,
                          {workedPart(u"B", halfRestOfP, {{u"P", perimeter}, {u"a", a}}, *b),
                           workedStep(u"B", roundedB, {{u"B", *b}}, rounded)}};
}

Outcome<double> rectangleAreaFromPerimeter(double a, double perimeter)
{
    const auto b = halfRest(a, perimeter);
    if (!b)
        return Message::ImplausibleData;
    const double area = a * *b;
    return measured(area, {workedPart(u"B", halfRestOfP, {{u"P", perimeter}, {u"a", a}}, *b),
                           workedStep(u"Area", aTimesOther, {{u"a", a}, {u"B", *b}}, area)});
}

Outcome<double> parallelogramArea(double base, double height)
{
    const double area = height * base;
    return measured(area, {workedStep(u"Area", bTimesH, {{u"b", base}, {u"h", height}}, area)});
}

Outcome<double> parallelogramOtherFromArea(double baseOrHeight, double area)
{
    const double other = area / baseOrHeight;
    return measured(other,
                    {step(QStringLiteral("Height/Base = ") +
                              dividedBy(QStringLiteral("Area"), QStringLiteral("(Base/Height)")),
                          dividedBy(term(area), term(baseOrHeight)), numberText(other))});
}

Outcome<double> parallelogramPerimeter(double a, double b)
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
