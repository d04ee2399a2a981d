#include "algebra/complex_numbers.h"

#include "input/number_text.h"

#include <cmath>
#include <initializer_list>
#include <optional>

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

struct Polar {
    double q;
    double degrees;
};

std::optional<Polar> polar(double x, double y)
{
    const double q = x * x + y * y;
    if (!std::isfinite(q))
        return std::nullopt;
    // Adding +0 turns a negative zero into a positive one, so <-1,-0> lies at 180 and <-0,0>
    // at 0 as pupils expect, not at -180 or 180.
    const double angle = std::atan2(y + 0.0, x + 0.0) * 57.29577951308238;
    double degrees = roundHalfEven(angle * 100) / 100;
    if (degrees == -180)
        degrees = 180;
    return Polar{q, degrees};
}

QString polarText(const Polar& form)
{
    const QString root = QStringLiteral("Root(") + numberText(form.q) + QStringLiteral(")");
    const QString a = numberText(form.degrees);
    return root + QStringLiteral("*Cos(") + a + QStringLiteral(")") + QStringLiteral(" + ") + root +
           QStringLiteral("*i*Sin(") + a + QStringLiteral(")");
}

QString product(double a, double b)
{
    return term(a) + u'*' + term(b);
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
    const auto form = polar(x, y);
    if (!form)
        return Message::TooBig;
    return polarText(*form);
}

Working complexOperationWorking(const Complex& first, QStringView operation, const Complex& second)
{
    const ComplexOutcome outcome = complexOperation(first, operation, second);
    const auto* result = std::get_if<Complex>(&outcome);
    if (!result)
        return {};
    const QString re = numberText(result->re);
    const QString im = numberText(result->im);
    const Complex& a = first;
    const Complex& b = second;
    if (operation == u"+" || operation == u"-") {
        const QString sign = u' ' + operation.toString() + u' ';
        return {step(QStringLiteral("R = R1") + sign + QStringLiteral("R2"),
                     term(a.re) + sign + term(b.re), re),
                step(QStringLiteral("Im = Im1") + sign + QStringLiteral("Im2"),
                     term(a.im) + sign + term(b.im), im)};
    }
    if (operation == u"*")
        return {step(QStringLiteral("R = R1*R2 - Im1*Im2"),
                     product(a.re, b.re) + QStringLiteral(" - ") + product(a.im, b.im), re),
                step(QStringLiteral("Im = R1*Im2 + Im1*R2"),
                     product(a.re, b.im) + QStringLiteral(" + ") + product(a.im, b.re), im)};
    const QString d = numberText(b.re * b.re + b.im * b.im);
    return {step(QStringLiteral("D = R2^2 + Im2^2"),
                 term(b.re) + QStringLiteral("^2 + ") + term(b.im) + QStringLiteral("^2"), d),
            step(QStringLiteral("R = (R1*R2 + Im1*Im2) / D"),
                 u'(' + product(a.re, b.re) + QStringLiteral(" + ") + product(a.im, b.im) +
                     QStringLiteral(") / ") + d,
                 re),
            step(QStringLiteral("Im = (Im1*R2 - R1*Im2) / D"),
                 u'(' + product(a.im, b.re) + QStringLiteral(" - ") + product(a.re, b.im) +
                     QStringLiteral(") / ") + d,
                 im)};
}

Working powerOfIWorking(double n)
{
    const ComplexTextOutcome outcome = powerOfI(n);
    const auto* power = std::get_if<QString>(&outcome);
    if (!power)
        return {};
    const std::int32_t whole = *wholeNumber(n);
    const int r = (whole % 4 + 4) % 4;
    Working steps;
    if (whole != n)
        steps << step(QStringLiteral("N = Round(") + numberText(n) + u')', {}, numberText(whole));
    steps << step(QStringLiteral("r = N mod 4"), numberText(whole) + QStringLiteral(" mod 4"),
                  numberText(r))
          << step(QStringLiteral("i^N = i^r"), QStringLiteral("i^") + numberText(r), *power);
    return steps;
}

Working polarFormWorking(double x, double y)
{
    const auto form = polar(x, y);
    if (!form)
        return {};
    return {
        step(QStringLiteral("Q = R^2 + Im^2"),
             term(x) + QStringLiteral("^2 + ") + term(y) + QStringLiteral("^2"),
             numberText(form->q)),
        step(QStringLiteral("A = Angle(R, Im) in degrees"),
             QStringLiteral("Angle(") + numberText(x) + QStringLiteral(", ") + numberText(y) + u')',
             numberText(form->degrees)),
        step(QStringLiteral("Root(Q)*Cos(A) + Root(Q)*i*Sin(A)"), {}, polarText(*form))};
}
