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

// How one part of the answer is worked out: its formula and the numbers put into it.
struct PartStep {
    QString formula;
    QString values;
};

// The answer <re, im> after the steps before it and one step for each part.
Outcome<Complex> solved(double re, double im, Working before, const PartStep& reStep,
                        const PartStep& imStep)
{
    if (!allFinite({re, im}))
        return Message::TooBig;
    before << step(reStep.formula, reStep.values, numberText(re))
           << step(imStep.formula, imStep.values, numberText(im));
    return Solved<Complex>{{re, im}, before};
}

QString product(double a, double b)
{
    return term(a) + u'*' + term(b);
}

Outcome<Complex> addOrSubtract(const Complex& a, QStringView operation, const Complex& b)
{
    const bool add = operation == u"+";
    const QString sign = u' ' + operation.toString() + u' ';
    return solved(
        add ? a.re + b.re : a.re - b.re, add ? a.im + b.im : a.im - b.im, {},
        {QStringLiteral("R = R1") + sign + QStringLiteral("R2"), term(a.re) + sign + term(b.re)},
        {QStringLiteral("Im = Im1") + sign + QStringLiteral("Im2"),
         term(a.im) + sign + term(b.im)});
}

Outcome<Complex> multiply(const Complex& a, const Complex& b)
{
    // A product that overflows can vanish in the difference (inf - inf); test each one.
    const double products[] = {a.re * b.re, a.im * b.im, a.re * b.im, a.im * b.re};
    if (!allFinite({products[0], products[1], products[2], products[3]}))
        return Message::TooBig;
    return solved(products[0] - products[1], products[2] + products[3], {},
                  {QStringLiteral("R = R1*R2 - Im1*Im2"),
                   product(a.re, b.re) + QStringLiteral(" - ") + product(a.im, b.im)},
                  {QStringLiteral("Im = R1*Im2 + Im1*R2"),
                   product(a.re, b.im) + QStringLiteral(" + ") + product(a.im, b.re)});
}

Outcome<Complex> divide(const Complex& a, const Complex& b)
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
    const QString over = QStringLiteral(") / ") + numberText(d);
    return solved(
        (products[0] + products[1]) / d, (products[2] - products[3]) / d,
        {step(QStringLiteral("D = R2^2 + Im2^2"),
              term(b.re) + QStringLiteral("^2 + ") + term(b.im) + QStringLiteral("^2"),
              numberText(d))},
        {QStringLiteral("R = (R1*R2 + Im1*Im2) / D"),
         u'(' + product(a.re, b.re) + QStringLiteral(" + ") + product(a.im, b.im) + over},
        {QStringLiteral("Im = (Im1*R2 - R1*Im2) / D"),
         u'(' + product(a.im, b.re) + QStringLiteral(" - ") + product(a.re, b.im) + over});
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

} // namespace

Outcome<Complex> complexOperation(const Complex& first, QStringView operation,
                                  const Complex& second)
{
    if (operation == u"+" || operation == u"-")
        return addOrSubtract(first, operation, second);
    if (operation == u"*")
        return multiply(first, second);
    if (operation == u"/")
        return divide(first, second);
    return Message::SetOperation;
}

Outcome<QString> powerOfI(double n)
{
    const auto whole = wholeNumber(n);
    if (!whole)
        return Message::TooBig;
    // % keeps the sign of N; shift into 0..3. Neither step can overflow.
    const int r = (*whole % 4 + 4) % 4;
    static const char* const powers[] = {"1", "i", "-1", "-i"};
    const QString power = QString::fromLatin1(powers[r]);
    Working steps;
    if (*whole != n)
        steps << step(QStringLiteral("N = Round(") + numberText(n) + u')', {}, numberText(*whole));
    steps << step(QStringLiteral("r = N mod 4"), numberText(*whole) + QStringLiteral(" mod 4"),
                  numberText(r))
          << step(QStringLiteral("i^N = i^r"), QStringLiteral("i^") + numberText(r), power);
    return Solved<QString>{power, steps};
}

Outcome<QString> polarForm(double x, double y)
{
    const auto form = polar(x, y);
    if (!form)
        return Message::TooBig;
    const QString text = polarText(*form);
    return Solved<QString>{text,
                           {step(QStringLiteral("Q = R^2 + Im^2"),
                                 term(x) + QStringLiteral("^2 + ") + term(y) + QStringLiteral("^2"),
                                 numberText(form->q)),
                            step(QStringLiteral("A = Angle(R, Im) in degrees"),
                                 QStringLiteral("Angle(") + numberText(x) + QStringLiteral(", ") +
                                     numberText(y) + u')',
                                 numberText(form->degrees)),
                            step(QStringLiteral("Root(Q)*Cos(A) + Root(Q)*i*Sin(A)"), {}, text)}};
}
