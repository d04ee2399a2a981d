#include "fractions/fraction_operators.h"

#include "fractions/fraction_reading.h"

using namespace fractions_reading;

namespace {

// Whole denominators that enter 32-bit work; 0.4 passed the zero test as a Real but reads as
// 0 here, and no fraction has that denominator. Checked once both operands are read, so an
// overflowing reading is still reported as such.
void checkDenominators(std::int32_t d1, std::int32_t d2)
{
    if (d1 == 0 || d2 == 0)
        throw Refused{Message::Unreasonable};
}

// The operand as an improper fraction, its parts read in the order they are passed.
Fraction improperOf(const FractionText& operand, Steps& steps)
{
    const std::int32_t s = steps.whole(operand.whole);
    const std::int32_t m = steps.whole(operand.numerator);
    const std::int32_t d = steps.whole(operand.denominator);
    const Fraction f = need(improper(s, m, d));
    if (s != 0)
        steps << step(integerText(s) + u' ' + over(integerText(m), integerText(d)),
                      u'(' + term(s) + u'*' + term(d) + QStringLiteral(" + ") + term(m) +
                          QStringLiteral(")/") + integerText(d),
                      over(integerText(f.m), integerText(d)));
    return f;
}

std::int32_t product(std::int32_t a, std::int32_t b)
{
    std::int32_t result = 0;
    if (__builtin_mul_overflow(a, b, &result))
        throw Refused{Message::TooBig};
    return result;
}

// The result labels are the working storage: each value is written as the label would show
// it and read back from that text, so the results match the window digit for digit.
FractionText resultOf(const QString& m3, const QString& d3, Steps& steps)
{
    const std::int32_t n = steps.whole(m3);
    const Fraction r = need(mixed(n, whole(d3)));
    if (r.s != 0)
        steps << over(integerText(n), d3) + QStringLiteral(" = ") + integerText(r.s) +
                     (r.m == 0 ? QString() : u' ' + over(integerText(r.m), integerText(r.d)));
    return {integerText(r.s), integerText(r.m), integerText(r.d)};
}

// "a/b = x/L, c/d = y/L": both fractions over the common denominator L, unless they are already.
void writeOverCommon(Steps& steps, const QString& first, double x, const QString& second, double y,
                     const QString& l)
{
    if (first == over(shown(x), l) && second == over(shown(y), l))
        return;
    steps << first + QStringLiteral(" = ") + over(shown(x), l) + QStringLiteral(", ") + second +
                 QStringLiteral(" = ") + over(shown(y), l);
}

FractionText add(const FractionText& a, const FractionText& b, Steps& steps)
{
    const std::int32_t d1 = steps.whole(a.denominator);
    const std::int32_t d2 = steps.whole(b.denominator);
    checkDenominators(d1, d2);
    const std::int32_t l = need(common(d1, d2));
    const QString ls = integerText(l);
    steps << QStringLiteral("Common denominator: common(%1, %2) = ")
                     .arg(integerText(d1), integerText(d2)) +
                 ls;
    const double x = real(a.numerator) * (l / real(a.denominator));
    const double y = real(b.numerator) * (l / real(b.denominator));
    const QString m3 = shown(x + y);
    writeOverCommon(steps, over(numberText(real(a.numerator)), numberText(real(a.denominator))), x,
                    over(numberText(real(b.numerator)), numberText(real(b.denominator))), y, ls);
    steps << over(shown(x), ls) + QStringLiteral(" + ") + over(shown(y), ls, true) +
                 QStringLiteral(" = ") + over(m3, ls);
    const double wholes = real(a.whole) + real(b.whole);
    const QString s3 = integerText(wholeOf(wholes));
    FractionText result = resultOf(m3, ls, steps);
    const std::int32_t carried = whole(result.whole);
    result.whole = integerText(wholeOf(real(s3) + carried));
    QString parts = term(real(a.whole)) + QStringLiteral(" + ") + term(real(b.whole));
    if (wholes != real(s3)) {
        steps << parts + QStringLiteral(" = ") + numberText(wholes) +
                     QStringLiteral(" is taken as ") + s3;
        parts = s3;
    }
    if (carried != 0)
        parts += QStringLiteral(" + ") + term(carried);
    if (real(s3) != 0 || carried != 0)
        steps << QStringLiteral("Whole parts: ") + parts + QStringLiteral(" = ") + result.whole;
    return result;
}

FractionText subtract(const FractionText& a, const FractionText& b, Steps& steps)
{
    const Fraction f1 = improperOf(a, steps);
    const Fraction f2 = improperOf(b, steps);
    checkDenominators(f1.d, f2.d);
    const std::int32_t l = need(common(f1.d, f2.d));
    const QString ls = integerText(l);
    steps << QStringLiteral("Common denominator: common(%1, %2) = ")
                     .arg(integerText(f1.d), integerText(f2.d)) +
                 ls;
    const double x = l / real(a.denominator) * f1.m;
    const double y = l / real(b.denominator) * f2.m;
    const QString m3 = shown(x - y);
    // Each numerator is scaled by L over the denominator as typed, so that is the fraction
    // the line equates (1/2.4 = 2.5/6 where 2.4 was taken as 2 above).
    writeOverCommon(steps, over(integerText(f1.m), numberText(real(a.denominator))), x,
                    over(integerText(f2.m), numberText(real(b.denominator))), y, ls);
    steps << over(shown(x), ls) + QStringLiteral(" - ") + over(shown(y), ls, true) +
                 QStringLiteral(" = ") + over(m3, ls);
    return resultOf(m3, ls, steps);
}

// The product's numerator and denominator divided through by their gcd, as Reals.
FractionText reduced(std::int32_t numerator, std::int32_t denominator, Steps& steps)
{
    const QString m3 = integerText(numerator);
    const QString d3 = integerText(denominator);
    const std::int32_t g = gcd(whole(d3), whole(m3));
    if (g == 0)
        throw Refused{Message::Unreasonable};
    const QString m = shown(whole(m3) / double(g));
    const QString d = shown(whole(d3) / double(g));
    steps << QStringLiteral("gcd(%1, %2) = ").arg(d3, m3) + integerText(g);
    if (g != 1)
        steps << over(m3, d3) + QStringLiteral(" = ") + over(m, d);
    return resultOf(m, d, steps);
}

// "a/b op c/d = (p*q)/(r*s) = P/Q", the products as the tool forms them.
void writeProduct(Steps& steps, const Fraction& f1, QChar op, const Fraction& f2,
                  const QString& products, std::int32_t numerator, std::int32_t denominator)
{
    steps << step(over(integerText(f1.m), integerText(f1.d)) + u' ' + op + u' ' +
                      over(integerText(f2.m), integerText(f2.d), true),
                  products, over(integerText(numerator), integerText(denominator)));
}

FractionText multiply(const FractionText& a, const FractionText& b, Steps& steps)
{
    const Fraction f1 = improperOf(a, steps);
    const Fraction f2 = improperOf(b, steps);
    checkDenominators(f1.d, f2.d);
    const std::int32_t d = product(f2.d, f1.d);
    const std::int32_t m = product(f2.m, f1.m);
    writeProduct(
        steps, f1, u'*', f2,
        QStringLiteral("(%1*%2)/(%3*%4)").arg(term(f1.m), term(f2.m), term(f1.d), term(f2.d)), m,
        d);
    return reduced(m, d, steps);
}

FractionText divide(const FractionText& a, const FractionText& b, Steps& steps)
{
    const Fraction f1 = improperOf(a, steps);
    const Fraction f2 = improperOf(b, steps);
    checkDenominators(f1.d, f2.d);
    const std::int32_t d = product(f2.m, f1.d);
    const std::int32_t m = product(f2.d, f1.m);
    // A zero second operand leaves no denominator; 0/2 / 0/5 would go on to divide 0 by 0.
    if (d == 0)
        throw Refused{Message::SecondFractionZero};
    writeProduct(
        steps, f1, u'/', f2,
        QStringLiteral("(%1*%2)/(%3*%4)").arg(term(f1.m), term(f2.d), term(f1.d), term(f2.m)), m,
        d);
    return reduced(m, d, steps);
}

// A mixed number's value on Reals: the whole parts are not rounded here.
double valueOf(const FractionText& operand, const QString& name, Steps& steps)
{
    const double value = real(operand.numerator) / real(operand.denominator) + real(operand.whole);
    const QString shownValue = shown(value);
    steps << step(name + QStringLiteral(" = Numerator / Denominator + Whole"),
                  term(real(operand.numerator)) + QStringLiteral(" / ") +
                      term(real(operand.denominator)) + QStringLiteral(" + ") +
                      term(real(operand.whole)),
                  shownValue);
    return value;
}

std::variant<FractionText, bool, Message> operate(const FractionText& a, QStringView operation,
                                                  const FractionText& b, Steps& steps)
{
    using Arithmetic = FractionText (*)(const FractionText&, const FractionText&, Steps&);
    const struct {
        const char16_t* text;
        Arithmetic arithmetic;
        bool (*compare)(double, double);
    } operations[] = {
        {u"+", add, nullptr},
        {u"-", subtract, nullptr},
        {u"*", multiply, nullptr},
        {u"/", divide, nullptr},
        {u"<", nullptr,
         [](double v1, double v2) {
             return v1 < v2;
         }},
        {u">", nullptr,
         [](double v1, double v2) {
             return v1 > v2;
         }},
        {u"=", nullptr,
         [](double v1, double v2) {
             return v1 == v2;
         }},
    };
    for (const auto& candidate : operations) {
        if (operation != QStringView(candidate.text))
            continue;
        if (candidate.compare) {
            const double v1 = valueOf(a, QStringLiteral("Fraction 1"), steps);
            const double v2 = valueOf(b, QStringLiteral("Fraction 2"), steps);
            const bool holds = candidate.compare(v1, v2);
            QString left = numberText(v1);
            QString right = numberText(v2);
            // Values that differ only beyond the digits shown must not read "0.3 = 0.3: False".
            if (left == right && v1 != v2) {
                steps << QStringLiteral("Fraction 1 and Fraction 2 both show as ") + left +
                             QStringLiteral(" but differ beyond the 15th digit");
                left = QStringLiteral("Fraction 1");
                right = QStringLiteral("Fraction 2");
            }
            steps << left + u' ' + operation.toString() + u' ' + right + QStringLiteral(": ") +
                         (holds ? captionText(Caption::True) : captionText(Caption::False));
            return holds;
        }
        FractionText result = candidate.arithmetic(a, b, steps);
        // A whole result shows its whole part alone; zero shows "0".
        if (real(result.numerator) == 0) {
            result.numerator.clear();
            result.denominator.clear();
        }
        steps << QStringLiteral("Result: ") + shownFraction(result);
        return result;
    }
    return Message::SetOperation;
}

} // namespace

OperatorClick operateOnFractions(const FractionText& first, QStringView operation,
                                 const FractionText& second, Working* working)
{
    Steps steps(working);
    OperatorClick click{first.whole, second.whole, Message::NotNumeric};
    if (!isNumber(second.numerator) || !isNumber(second.denominator) ||
        !isNumber(first.numerator) || !isNumber(first.denominator))
        return click;
    if (real(first.denominator) == 0 || real(second.denominator) == 0) {
        click.outcome = Message::DenominatorZero;
        return click;
    }
    FractionText a = first;
    FractionText b = second;
    for (FractionText* operand : {&a, &b})
        if (!isNumber(operand->whole))
            operand->whole = QStringLiteral("0");
    click.firstWhole = a.whole;
    click.secondWhole = b.whole;
    try {
        click.outcome = operate(a, operation, b, steps);
    } catch (const Refused& refused) {
        click.outcome = steps.refused(refused);
    }
    return click;
}

CommonOutcome commonDenominator(QStringView a, QStringView b, Working* working)
{
    Steps steps(working);
    if (!isNumber(a) || !isNumber(b))
        return Message::NotNumeric;
    if (real(a) == 0 || real(b) == 0)
        return Message::NumberZero;
    try {
        // The field a is the one captioned "B", and b the one captioned "A".
        const std::int32_t wholeA = steps.whole(a);
        const std::int32_t g = gcd(wholeA, steps.whole(b));
        // A field that passed the zero test may still read as 0 as a whole number (0.4):
        // its common denominator would show as 0, or G would be 0 and leave 0 / 0.
        if (wholeA == 0)
            throw Refused{Message::Unreasonable};
        const QString c = shown(real(b) * wholeA / g);
        steps << step(QStringLiteral("gcd(B, A)"),
                      QStringLiteral("gcd(%1, %2)").arg(integerText(wholeA), integerText(whole(b))),
                      integerText(g));
        steps << step(QStringLiteral("A*B / gcd(B, A)"),
                      term(real(b)) + u'*' + term(wholeA) + QStringLiteral(" / ") + term(g), c);
        return c;
    } catch (const Refused& refused) {
        return steps.refused(refused);
    }
}

FractionTextOutcome reduceFraction(QStringView numerator, QStringView denominator, Working* working)
{
    Steps steps(working);
    if (!isNumber(numerator) || !isNumber(denominator))
        return Message::NotNumeric;
    if (real(denominator) == 0)
        return Message::NumberZero;
    try {
        const std::int32_t d = steps.whole(denominator);
        const std::int32_t m = steps.whole(numerator);
        // A denominator that reads as 0 as a whole number (0.4) would leave 1 over 0, or
        // 0 over 0 with a G of 0.
        if (d == 0)
            throw Refused{Message::Unreasonable};
        const std::int32_t g = gcd(d, m);
        const FractionText reduced{{}, shown(m / double(g)), shown(d / double(g))};
        steps << QStringLiteral("gcd(%1, %2) = ").arg(integerText(d), integerText(m)) +
                     integerText(g);
        steps << over(integerText(m), integerText(d)) + QStringLiteral(" = ") +
                     shownFraction(reduced);
        return reduced;
    } catch (const Refused& refused) {
        return steps.refused(refused);
    }
}
