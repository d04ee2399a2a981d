#include "geometry/quadrilateral.h"

#include "geometry/worked_step.h"
#include "input/number_text.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <optional>

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

Measure squareArea(double s)
{
    return measured(s * s);
}

Measure squarePerimeter(double s)
{
    return measured(s * 4);
}

Measure squareSideFromArea(double area)
{
    return measured(std::sqrt(area));
}

Measure squarePerimeterFromArea(double area)
{
    return measured(std::sqrt(area) * 4);
}

Measure squareSideFromPerimeter(double perimeter)
{
    return measured(perimeter / 4);
}

Measure squareAreaFromPerimeter(double perimeter)
{
    const double side = perimeter / 4;
    return measured(side * side);
}

Measure trapeziumArea(double a, double b, double h)
{
    return measured((b + a) * h / 2);
}

Measure perpendicularDiagonalsArea(double e, double f)
{
    return measured(f * e / 2);
}

Measure rectangleArea(double a, double b)
{
    return measured(b * a);
}

Measure rectanglePerimeter(double a, double b)
{
    return measured((b + a) * 2);
}

Measure rectangleSideFromArea(double a, double area)
{
    return measured(area / a);
}

Measure rectanglePerimeterFromArea(double a, double area)
{
    return measured((area / a + a) * 2);
}

Measure rectangleSideFromPerimeter(double a, double perimeter)
{
    const auto half = halfRest(a, perimeter);
    if (!half)
        return Message::ImplausibleData;
    // Half of a finite rest is finite, and rounds to 0 when below 0.00005.
    return roundToFourDecimals(*half);
}

Measure rectangleAreaFromPerimeter(double a, double perimeter)
{
    const auto half = halfRest(a, perimeter);
    if (!half)
        return Message::ImplausibleData;
    return measured(a * *half);
}

Measure parallelogramArea(double base, double height)
{
    return measured(height * base);
}

Measure parallelogramOtherFromArea(double baseOrHeight, double area)
{
    return measured(area / baseOrHeight);
}

Measure parallelogramPerimeter(double a, double b)
{
    return measured((b + a) * 2);
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

Working squareAreaWorking(double s)
{
    return ifAnswered(squareArea(s), [&](double area) {
        return Working{workedStep(u"Area = s^2", {{u"s", s}}, area)};
    });
}

Working squarePerimeterWorking(double s)
{
    return ifAnswered(squarePerimeter(s), [&](double perimeter) {
        return Working{workedStep(u"Perimeter = 4*s", {{u"s", s}}, perimeter)};
    });
}

Working squareSideFromAreaWorking(double area)
{
    return ifAnswered(squareSideFromArea(area), [&](double s) {
        return Working{workedStep(u"s = Root(A)", {{u"A", area}}, s)};
    });
}

Working squarePerimeterFromAreaWorking(double area)
{
    return ifAnswered(squarePerimeterFromArea(area), [&](double perimeter) {
        const double s = std::sqrt(area);
        return Working{workedStep(u"s = Root(A)", {{u"A", area}}, s),
                       workedStep(u"Perimeter = 4*s", {{u"s", s}}, perimeter)};
    });
}

Working squareSideFromPerimeterWorking(double perimeter)
{
    return ifAnswered(squareSideFromPerimeter(perimeter), [&](double s) {
        return Working{workedStep(u"s = P / 4", {{u"P", perimeter}}, s)};
    });
}

Working squareAreaFromPerimeterWorking(double perimeter)
{
    return ifAnswered(squareAreaFromPerimeter(perimeter), [&](double area) {
        const double s = perimeter / 4;
        return Working{workedStep(u"s = P / 4", {{u"P", perimeter}}, s),
                       workedStep(u"Area = s^2", {{u"s", s}}, area)};
    });
}

Working trapeziumAreaWorking(double a, double b, double h)
{
    return ifAnswered(trapeziumArea(a, b, h), [&](double area) {
        return Working{
            workedStep(u"Area = (a + b)*h / 2", {{u"a", a}, {u"b", b}, {u"h", h}}, area)};
    });
}

Working perpendicularDiagonalsAreaWorking(double e, double f)
{
    return ifAnswered(perpendicularDiagonalsArea(e, f), [&](double area) {
        return Working{workedStep(u"Area = e*f / 2", {{u"e", e}, {u"f", f}}, area)};
    });
}

Working rectangleAreaWorking(double a, double b)
{
    return ifAnswered(rectangleArea(a, b), [&](double area) {
        return Working{workedStep(u"Area = a*b", {{u"a", a}, {u"b", b}}, area)};
    });
}

Working rectanglePerimeterWorking(double a, double b)
{
    return ifAnswered(rectanglePerimeter(a, b), [&](double perimeter) {
        return Working{workedStep(u"Perimeter = 2*(a + b)", {{u"a", a}, {u"b", b}}, perimeter)};
    });
}

Working rectangleSideFromAreaWorking(double a, double area)
{
    return ifAnswered(rectangleSideFromArea(a, area), [&](double b) {
        return Working{workedStep(u"B = A / a", {{u"A", area}, {u"a", a}}, b)};
    });
}

Working rectanglePerimeterFromAreaWorking(double a, double area)
{
    return ifAnswered(rectanglePerimeterFromArea(a, area), [&](double perimeter) {
        const double b = area / a;
        return Working{workedStep(u"B = A / a", {{u"A", area}, {u"a", a}}, b),
                       workedStep(u"Perimeter = 2*(a + B)", {{u"a", a}, {u"B", b}}, perimeter)};
    });
}

Working rectangleSideFromPerimeterWorking(double a, double perimeter)
{
    return ifAnswered(rectangleSideFromPerimeter(a, perimeter), [&](double rounded) {
        const double b = *halfRest(a, perimeter);
        return Working{workedStep(u"B = (P - 2*a) / 2", {{u"P", perimeter}, {u"a", a}}, b),
                       workedStep(u"Round(B, 4)", {{u"B", b}}, rounded)};
    });
}

Working rectangleAreaFromPerimeterWorking(double a, double perimeter)
{
    return ifAnswered(rectangleAreaFromPerimeter(a, perimeter), [&](double area) {
        const double b = *halfRest(a, perimeter);
        return Working{workedStep(u"B = (P - 2*a) / 2", {{u"P", perimeter}, {u"a", a}}, b),
                       workedStep(u"Area = a*B", {{u"a", a}, {u"B", b}}, area)};
    });
}

Working parallelogramAreaWorking(double base, double height)
{
    return ifAnswered(parallelogramArea(base, height), [&](double area) {
        return Working{workedStep(u"Area = b*h", {{u"b", base}, {u"h", height}}, area)};
    });
}

Working parallelogramOtherFromAreaWorking(double baseOrHeight, double area)
{
    return ifAnswered(parallelogramOtherFromArea(baseOrHeight, area), [&](double other) {
        return Working{step(QStringLiteral("Height/Base = Area / (Base/Height)"),
                            numberText(area) + QStringLiteral(" / ") + numberText(baseOrHeight),
                            numberText(other))};
    });
}

Working parallelogramPerimeterWorking(double a, double b)
{
    return ifAnswered(parallelogramPerimeter(a, b), [&](double perimeter) {
        return Working{workedStep(u"Perimeter = 2*(a + b)", {{u"a", a}, {u"b", b}}, perimeter)};
    });
}
