#include "algebra/complex_numbers.h"

#include "input/number_text.h"

#include <cmath>
#include <initializer_list>

namespace {

bool allFinite(std::initializer_list<double> values)
{
    for (const double value : values)
        if (!std::isfinite(value))
            return false;
    return true;
}

ComplexOutcome checked(double re, double im)
{
    if (!allFinite({re, im}))
        return Message::TooBig;
    return Complex{re, im};
}

ComplexOutcome multiply(const Complex& a, const Complex& b)
{
    // A product that overflows can vanish in the difference (inf - inf); test each one.
    const double products[] = {a.re * b.re, a.im * b.im, a.re * b.im, a.im * b.re};
    if (!allFinite({products[0], products[1], products[2], products[3]}))
        return Message::TooBig;
    return checked(products[0] - products[1], products[2] + products[3]);
}

ComplexOutcome divide(const Complex& a, const Complex& b)
{
    if (b.re == 0 && b.im == 0)
        return Message::ComplexDivisorZero;
    // A divisor too large or too small to square has no usable quotient this way.
    const double d = b.re * b.re + b.im * b.im;
    if (!std::isfinite(d) || d == 0)
        return Message::TooBig;
    const double products[] = {a.re * b.re, a.im * b.im, a.im * b.re, a.re * b.im};
    if (!allFinite({products[0], products[1], products[2], products[3]}))
        return Message::TooBig;
    return checked((products[0] + products[1]) / d, (products[2] - products[3]) / d);
}

} // namespace

ComplexOutcome complexOperation(const Complex& first, QStringView operation, const Complex& second)
{
    if (operation == u"+")
        return checked(first.re + second.re, first.im + second.im);
    if (operation == u"-")
        return checked(first.re - second.re, first.im - second.im);
    if (operation == u"*")
        return multiply(first, second);
    if (operation == u"/")
        return divide(first, second);
    return Message::SetOperation;
}

ComplexTextOutcome powerOfI(double n)
{
    const auto whole = wholeNumber(n);
    if (!whole)
        return Message::TooBig;
    // % keeps the sign of N; shift into 0..3. Neither step can overflow.
    const int r = (*whole % 4 + 4) % 4;
    static const char* const powers[] = {"1", "i", "-1", "-i"};
    return QString::fromLatin1(powers[r]);
}

ComplexTextOutcome polarForm(double x, double y)
{
    const double q = x * x + y * y;
    if (!std::isfinite(q))
        return Message::TooBig;
    // Adding +0 turns a negative zero into a positive one, so <-1,-0> lies at 180 and <-0,0>
    // at 0 as pupils expect, not at -180 or 180.
    const double angle = std::atan2(y + 0.0, x + 0.0) * 57.29577951308238;
    double degrees = roundHalfEven(angle * 100) / 100;
    if (degrees == -180)
        degrees = 180;
    const QString root = QStringLiteral("Root(") + numberText(q) + QStringLiteral(")");
    const QString a = numberText(degrees);
    return root + QStringLiteral("*Cos(") + a + QStringLiteral(")") + QStringLiteral(" + ") + root +
           QStringLiteral("*i*Sin(") + a + QStringLiteral(")");
}
