#include "fractions/fraction_operators.h"

#include "fractions/fraction_reading.h"

using namespace fractions_reading;

namespace {

// The whole reading of a denominator that enters 32-bit work; 0.4 passed the zero test as a
// Real but reads as 0 here, and no fraction has that denominator.
std::int32_t wholeDenominator(const FractionText& operand)
{
    const std::int32_t d = whole(operand.denominator);
    if (d == 0)
        throw Refused{Message::Unreasonable};
    return d;
}

Fraction improperOf(const FractionText& operand)
{
    const std::int32_t d = wholeDenominator(operand);
    const std::int32_t s = whole(operand.whole);
    return need(improper(s, whole(operand.numerator), d));
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
FractionText resultOf(const QString& m3, const QString& d3)
{
    const std::int32_t n = whole(m3);
    const Fraction r = need(mixed(n, whole(d3)));
    return {integerText(r.s), integerText(r.m), integerText(r.d)};
}

FractionText add(const FractionText& a, const FractionText& b)
{
    const std::int32_t d1 = wholeDenominator(a);
    const std::int32_t l = need(common(d1, wholeDenominator(b)));
    const QString m3 = shown(real(a.numerator) * (l / real(a.denominator)) +
                             real(b.numerator) * (l / real(b.denominator)));
    const QString s3 = integerText(wholeOf(real(a.whole) + real(b.whole)));
    FractionText result = resultOf(m3, integerText(l));
    result.whole = integerText(wholeOf(real(s3) + real(result.whole)));
    return result;
}

FractionText subtract(const FractionText& a, const FractionText& b)
{
    const Fraction f1 = improperOf(a);
    const Fraction f2 = improperOf(b);
    const std::int32_t l = need(common(f1.d, f2.d));
    const QString m3 = shown(l / real(a.denominator) * f1.m - l / real(b.denominator) * f2.m);
    return resultOf(m3, integerText(l));
}

// The product's numerator and denominator divided through by their gcd, as Reals.
FractionText reduced(std::int32_t numerator, std::int32_t denominator)
{
    const QString m3 = integerText(numerator);
    const QString d3 = integerText(denominator);
    const std::int32_t g = gcd(whole(d3), whole(m3));
    if (g == 0)
        throw Refused{Message::Unreasonable};
    return resultOf(shown(whole(m3) / double(g)), shown(whole(d3) / double(g)));
}

FractionText multiply(const FractionText& a, const FractionText& b)
{
    const Fraction f1 = improperOf(a);
    const Fraction f2 = improperOf(b);
    const std::int32_t d = product(f2.d, f1.d);
    return reduced(product(f2.m, f1.m), d);
}

FractionText divide(const FractionText& a, const FractionText& b)
{
    const Fraction f1 = improperOf(a);
    const Fraction f2 = improperOf(b);
    if (f2.m == 0)
        throw Refused{Message::SecondFractionZero};
    const std::int32_t d = product(f2.m, f1.d);
    return reduced(product(f2.d, f1.m), d);
}

// A mixed number's value on Reals: the whole parts are not rounded here.
double valueOf(const FractionText& operand)
{
    const double value = real(operand.numerator) / real(operand.denominator) + real(operand.whole);
    if (!std::isfinite(value))
        throw Refused{Message::TooBig};
    return value;
}

std::variant<FractionText, bool, Message> operate(const FractionText& a, QStringView operation,
                                                  const FractionText& b)
{
    using Arithmetic = FractionText (*)(const FractionText&, const FractionText&);
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
            const double v1 = valueOf(a);
            return candidate.compare(v1, valueOf(b));
        }
        FractionText result = candidate.arithmetic(a, b);
        // A whole result shows its whole part alone; zero shows "0".
        if (real(result.numerator) == 0) {
            result.numerator.clear();
            result.denominator.clear();
        }
        return result;
    }
    return Message::SetOperation;
}

} // namespace

OperatorClick operateOnFractions(const FractionText& first, QStringView operation,
                                 const FractionText& second)
{
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
        click.outcome = operate(a, operation, b);
    } catch (const Refused& refused) {
        click.outcome = refused.message;
    }
    return click;
}

CommonOutcome commonDenominator(QStringView a, QStringView b)
{
    if (!isNumber(a) || !isNumber(b))
        return Message::NotNumeric;
    if (real(a) == 0 || real(b) == 0)
        return Message::NumberZero;
    try {
        const std::int32_t wholeA = whole(a);
        const std::int32_t g = gcd(wholeA, whole(b));
        if (g == 0)
            throw Refused{Message::Unreasonable};
        return shown(real(b) * wholeA / g);
    } catch (const Refused& refused) {
        return refused.message;
    }
}

FractionTextOutcome reduceFraction(QStringView numerator, QStringView denominator)
{
    if (!isNumber(numerator) || !isNumber(denominator))
        return Message::NotNumeric;
    if (real(denominator) == 0)
        return Message::NumberZero;
    try {
        const std::int32_t d = whole(denominator);
        const std::int32_t m = whole(numerator);
        const std::int32_t g = gcd(d, m);
        if (g == 0)
            throw Refused{Message::Unreasonable};
        return FractionText{{}, shown(m / double(g)), shown(d / double(g))};
    } catch (const Refused& refused) {
        return refused.message;
    }
}
