#include "algebra/complex_numbers.h"

#include "input/notation.h"
#include "input/number_text.h"

#include <cmath>
#include <initializer_list>
#include <optional>

namespace {

bool allFinite(std::initializer_list<Real> values)
{
    for (const Real& value : values)
        if (!isfinite(value))
            return false;
    return true;
}

// How one part of the answer is worked out: its formula and the numbers put into it.
struct PartStep {
    QString formula;
    QString values;
};

// The answer <re, im> after the steps before it and one step for each part.
Outcome<Complex> solved(const Real& re, const Real& im, Working before, const PartStep& reStep,
                        const PartStep& imStep)
{
    if (!allFinite({re, im}))
        return Message::TooBig;
    before << step(reStep.formula, reStep.values, resultNumber(re))
           << step(imStep.formula, imStep.values, resultNumber(im));
    return Solved<Complex>{{re, im}, before};
}

QString product(const Real& a, const Real& b)
{
    return times(term(a), term(b));
}

QString text(const char* ascii)
{
    return QLatin1String(ascii);
}

// "R1 × R2 − Im1 × Im2", or the same with the values put in.
template <class Part> QString productsJoined(bool add, Part a, Part b, Part c, Part d)
{
    return add ? plus(times(a, b), times(c, d)) : minus(times(a, b), times(c, d));
}

QString sumOfSquares(const QString& a, const QString& b)
{
    return plus(squared(a), squared(b));
}

Outcome<Complex> addOrSubtract(const Complex& a, QStringView operation, const Complex& b)
{
    const bool add = operation == u"+";
    const auto joined = [add](const QString& p, const QString& q) {
        return add ? plus(p, q) : minus(p, q);
    };
    return solved(
        add ? a.re + b.re : a.re - b.re, add ? a.im + b.im : a.im - b.im, {},
        {text("R = ") + joined(text("R1"), text("R2")), joined(term(a.re), term(b.re))},
        {text("Im = ") + joined(text("Im1"), text("Im2")), joined(term(a.im), term(b.im))});
}

Outcome<Complex> multiply(const Complex& a, const Complex& b)
{
    // A product that overflows can vanish in the difference (inf - inf); test each one.
    const Real products[] = {a.re * b.re, a.im * b.im, a.re * b.im, a.im * b.re};
    if (!allFinite({products[0], products[1], products[2], products[3]}))
        return Message::TooBig;
    return solved(
        products[0] - products[1], products[2] + products[3], {},
        {text("R = ") + productsJoined(false, text("R1"), text("R2"), text("Im1"), text("Im2")),
         minus(product(a.re, b.re), product(a.im, b.im))},
        {text("Im = ") + productsJoined(true, text("R1"), text("Im2"), text("Im1"), text("R2")),
         plus(product(a.re, b.im), product(a.im, b.re))});
}

Outcome<Complex> divide(const Complex& a, const Complex& b)
{
    if (b.re == 0 && b.im == 0)
        return Message::ComplexDivisorZero;
    // A divisor too large or too small to square has no usable quotient this way.
    const Real d = b.re * b.re + b.im * b.im;
    if (!isfinite(d) || d == 0)
        return Message::TooBig;
    const Real products[] = {a.re * b.re, a.im * b.im, a.im * b.re, a.re * b.im};
    if (!allFinite({products[0], products[1], products[2], products[3]}))
        return Message::TooBig;
    const auto over = [](const QString& top, const QString& bottom) {
        return dividedBy(bracketed(top), bottom);
    };
    const QString dText = workingNumber(d);
    return solved(
        (products[0] + products[1]) / d, (products[2] - products[3]) / d,
        {step(text("D = ") + sumOfSquares(text("R2"), text("Im2")),
              sumOfSquares(term(b.re), term(b.im)), dText)},
        {text("R = ") + over(productsJoined(true, text("R1"), text("R2"), text("Im1"), text("Im2")),
                             text("D")),
         over(plus(product(a.re, b.re), product(a.im, b.im)), dText)},
        {text("Im = ") +
             over(productsJoined(false, text("Im1"), text("R2"), text("R1"), text("Im2")),
                  text("D")),
         over(minus(product(a.im, b.re), product(a.re, b.im)), dText)});
}

struct Polar {
    Real q;
    double degrees;
};

std::optional<Polar> polar(const Real& x, const Real& y)
{
    const Real q = x * x + y * y;
    if (!isfinite(q))
        return std::nullopt;
    // Adding +0 turns a negative zero into a positive one, so <-1,-0> lies at 180 and <-0,0>
    // at 0 as pupils expect, not at -180 or 180.
    const double angle = std::atan2(y.value() + 0.0, x.value() + 0.0) * 57.29577951308238;
    double degrees = roundHalfEven(angle * 100) / 100;
    if (degrees == -180)
        degrees = 180;
    return Polar{q, degrees};
}

QString polarText(const Polar& form)
{
    const QString root = QStringLiteral("Root(") + numberText(form.q.value()) + QStringLiteral(")");
    const QString a = numberText(form.degrees);
    return root + QStringLiteral("*Cos(") + a + QStringLiteral(")") + QStringLiteral(" + ") + root +
           QStringLiteral("*i*Sin(") + a + QStringLiteral(")");
}

// "√Q × cos(A) + √Q × i × sin(A)": the polar form the answer is written in.
QString polarFormula()
{
    const QString root = ::root(text("Q"));
    return plus(times(root, cosine(text("A"))), times(times(root, text("i")), sine(text("A"))));
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

Outcome<QString> powerOfI(const Real& n)
{
    const auto whole = wholeNumber(n.value());
    if (!whole)
        return Message::TooBig;
    // % keeps the sign of N; shift into 0..3. Neither step can overflow.
    const int r = (*whole % 4 + 4) % 4;
    static const char* const powers[] = {"1", "i", "-1", "-i"};
    const QString powerText = QString::fromLatin1(powers[r]);
    Working steps;
    if (*whole != n.value())
        steps << step(QStringLiteral("N = Round(") + workingNumber(n) + u')', {},
                      workingNumber(*whole));
    steps << step(QStringLiteral("r = N mod 4"), workingNumber(*whole) + QStringLiteral(" mod 4"),
                  workingNumber(r))
          << step(power(text("i"), text("N")) + QStringLiteral(" = ") + power(text("i"), text("r")),
                  power(text("i"), workingNumber(r)), powerText);
    return Solved<QString>{powerText, steps};
}

Outcome<QString> polarForm(const Real& x, const Real& y)
{
    const auto form = polar(x, y);
    if (!form)
        return Message::TooBig;
    const QString shown = polarText(*form);
    Working steps{step(text("Q = ") + sumOfSquares(text("R"), text("Im")),
                       sumOfSquares(term(x), term(y)), workingNumber(form->q)),
                  step(QStringLiteral("A = Angle(R, Im) in degrees"),
                       QStringLiteral("Angle(") + workingNumber(x) + QStringLiteral(", ") +
                           workingNumber(y) + u')',
                       degrees(workingNumber(form->degrees)))};
    // The modulus is a root of a rational, so its exact form is worth a line of its own.
    const Real modulus = sqrt(form->q);
    if (workingStyle() == WorkingStyle::Exact && exactText(modulus))
        steps << step(::root(text("Q")), ::root(workingNumber(form->q)), workingNumber(modulus));
    steps << step(polarFormula(), {}, shown);
    return Solved<QString>{shown, steps};
}
