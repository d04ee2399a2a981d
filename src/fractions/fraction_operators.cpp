#include "fractions/fraction_operators.h"

#include "fractions/fraction_reading.h"

#include <QCoreApplication>

using namespace fractions_reading;

namespace {

using OperatorResult = decltype(OperatorAnswer::result);

// A mixed number on Reals, each part as its field reads.
struct Operand {
    double s;
    double m;
    double d;
};

Operand operandOf(const FractionText& fraction, const QString& whole)
{
    return {real(whole), real(fraction.numerator), real(fraction.denominator)};
}

// Whole denominators that enter 32-bit work; 0.4 passed the zero test as a Real but reads as
// 0 here, and no fraction has that denominator. Tested once both operands are read, so an
// overflowing reading is still reported as such.
bool bothWhole(std::int32_t d1, std::int32_t d2)
{
    return d1 != 0 && d2 != 0;
}

QString gcdLine(std::int32_t a, std::int32_t b, std::int32_t g)
{
    return QStringLiteral("gcd(%1, %2) = ").arg(workingNumber(a), workingNumber(b)) +
           workingNumber(g);
}

// Two texts taken as whole numbers in the order given, and their gcd G. A first text that
// passed the zero test may still read 0 as a whole number (0.4); G would then be 0 (0 / 0).
Checked<std::array<std::int32_t, 3>> gcdPair(QStringView first, QStringView second,
                                             std::initializer_list<QStringView> nonZero,
                                             Working& lines)
{
    if (const auto refusal = textRefusal({first, second}, nonZero, Message::NumberZero))
        return *refusal;
    const auto read = wholesNoted({real(first), real(second)}, lines);
    if (!read)
        return read.refusal();
    const auto [a, b] = *read;
    if (a == 0)
        return Message::Unreasonable;
    return std::array{a, b, gcd(a, b)};
}

// The operand as an improper fraction, its parts read in the order they are passed.
Checked<Fraction> improperOf(const Operand& operand, Working& lines)
{
    const auto read = wholesNoted({operand.s, operand.m, operand.d}, lines);
    if (!read)
        return read.refusal();
    const auto [s, m, d] = *read;
    const auto f = improper(s, m, d);
    if (f && s != 0)
        lines << step(workingNumber(s) + u' ' + over(workingNumber(m), workingNumber(d)),
                      over(bracketed(plus(times(term(s), term(d)), term(m))), workingNumber(d)),
                      over(workingNumber(f->m), workingNumber(d)));
    return f;
}

// The result carried on as the tool shows it: the numerator taken as a whole number, then
// split into whole part and remainder over the denominator.
Checked<Fraction> resultOf(double numerator, double denominator, Working& lines)
{
    const auto n = wholeNoted(numerator, lines);
    if (!n)
        return n.refusal();
    const auto d = wholeOf(denominator);
    if (!d)
        return d.refusal();
    const auto r = mixed(*n, *d);
    if (r && r->s != 0)
        lines << over(workingNumber(*n), workingNumber(*d)) + QStringLiteral(" = ") +
                     workingNumber(r->s) +
                     (r->m == 0 ? QString()
                                : u' ' + over(workingNumber(r->m), workingNumber(r->d)));
    return r;
}

Checked<std::int32_t> commonOf(std::int32_t d1, std::int32_t d2, Working& lines)
{
    const auto l = common(d1, d2);
    if (l)
        lines << QStringLiteral("Common denominator: common(%1, %2) = ")
                         .arg(workingNumber(d1), workingNumber(d2)) +
                     workingNumber(*l);
    return l;
}

// "x/L op y/L = m3/L" on the common denominator L, after "a/b = x/L, c/d = y/L" unless the
// fractions as read (first, second) stand over L already.
Checked<Fraction> overCommon(const QString& first, double x, QChar op, const QString& second,
                             double y, std::int32_t l, Working& lines)
{
    const double sum = op == u'+' ? x + y : x - y;
    const auto m3 = shownValue(sum);
    if (!m3)
        return m3.refusal();
    const QString ls = workingNumber(l);
    const QString overX = over(workingNumber(x), ls);
    const QString overY = over(workingNumber(y), ls);
    if (first != overX || second != overY)
        lines << first + QStringLiteral(" = ") + overX + QStringLiteral(", ") + second +
                     QStringLiteral(" = ") + overY;
    const QString inSum = over(workingNumber(y), ls, true);
    lines << (op == u'+' ? plus(overX, inSum) : minus(overX, inSum)) + QStringLiteral(" = ") +
                 over(workingNumber(sum), ls);
    return resultOf(*m3, l, lines);
}

// The whole parts added on Reals and taken as a whole number, then what the fraction carried.
Checked<Fraction> withWholes(double first, double second, const Fraction& sum, Working& lines)
{
    const double wholes = first + second;
    const auto s3 = wholeOf(wholes);
    if (!s3)
        return s3.refusal();
    const auto total = wholeOf(double(*s3) + sum.s);
    if (!total)
        return total.refusal();
    QString parts = plus(term(first), term(second));
    if (wholes != *s3) {
        lines << parts + QStringLiteral(" = ") + workingNumber(wholes) +
                     QStringLiteral(" is taken as ") + workingNumber(*s3);
        parts = workingNumber(*s3);
    }
    if (sum.s != 0)
        parts = plus(parts, term(sum.s));
    if (*s3 != 0 || sum.s != 0)
        lines << QStringLiteral("Whole parts: ") + parts + QStringLiteral(" = ") +
                     workingNumber(*total);
    return Fraction{*total, sum.m, sum.d};
}

Checked<Fraction> add(const Operand& a, const Operand& b, Working& lines)
{
    const auto read = wholesNoted({a.d, b.d}, lines);
    if (!read)
        return read.refusal();
    const auto [d1, d2] = *read;
    if (!bothWhole(d1, d2))
        return Message::Unreasonable;
    const auto l = commonOf(d1, d2, lines);
    if (!l)
        return l.refusal();
    const auto sum =
        overCommon(over(workingNumber(a.m), workingNumber(a.d)), a.m * (*l / a.d), u'+',
                   over(workingNumber(b.m), workingNumber(b.d)), b.m * (*l / b.d), *l, lines);
    if (!sum)
        return sum.refusal();
    return withWholes(a.s, b.s, *sum, lines);
}

Checked<Fraction> subtract(const Operand& a, const Fraction& f1, const Operand& b,
                           const Fraction& f2, Working& lines)
{
    const auto l = commonOf(f1.d, f2.d, lines);
    if (!l)
        return l.refusal();
    // Each numerator is scaled by L over the denominator as typed, so that is the fraction
    // the line equates (1/2.4 = 2.5/6 where 2.4 was taken as 2 above).
    return overCommon(over(workingNumber(f1.m), workingNumber(a.d)), *l / a.d * f1.m, u'-',
                      over(workingNumber(f2.m), workingNumber(b.d)), *l / b.d * f2.m, *l, lines);
}

// The product's numerator and denominator (never 0) divided through by their gcd, as Reals.
Checked<Fraction> reduced(std::int32_t numerator, std::int32_t denominator, Working& lines)
{
    const std::int32_t g = gcd(denominator, numerator);
    const double m = numerator / double(g);
    const double d = denominator / double(g);
    lines << gcdLine(denominator, numerator, g);
    if (g != 1)
        lines << over(workingNumber(numerator), workingNumber(denominator)) +
                     QStringLiteral(" = ") + over(workingNumber(m), workingNumber(d));
    return resultOf(m, d, lines);
}

// "a/b op c/d = (p*q)/(r*s) = P/Q", reduced: f1 times by, the second fraction f2 as it is
// multiplied (turned over to divide).
Checked<Fraction> productOf(const Fraction& f1, QChar op, const Fraction& f2, const Fraction& by,
                            Working& lines)
{
    std::int32_t d = 0;
    std::int32_t m = 0;
    if (__builtin_mul_overflow(by.d, f1.d, &d) || __builtin_mul_overflow(by.m, f1.m, &m))
        return Message::TooBig;
    // A zero second operand leaves no denominator; 0/2 / 0/5 would go on to divide 0 by 0.
    if (d == 0)
        return Message::SecondFractionZero;
    const QString first = over(workingNumber(f1.m), workingNumber(f1.d));
    const QString second = over(workingNumber(f2.m), workingNumber(f2.d), true);
    lines << step(
        op == u'*' ? times(first, second) : dividedBy(first, second),
        over(bracketed(times(term(f1.m), term(by.m))), bracketed(times(term(f1.d), term(by.d)))),
        over(workingNumber(m), workingNumber(d)));
    return reduced(m, d, lines);
}

Checked<Fraction> arithmetic(const Operand& a, QChar op, const Operand& b, Working& lines)
{
    if (op == u'+')
        return add(a, b, lines);
    const auto f1 = improperOf(a, lines);
    if (!f1)
        return f1.refusal();
    const auto f2 = improperOf(b, lines);
    if (!f2)
        return f2.refusal();
    if (!bothWhole(f1->d, f2->d))
        return Message::Unreasonable;
    if (op == u'-')
        return subtract(a, *f1, b, *f2, lines);
    const Fraction by = op == u'*' ? *f2 : Fraction{0, f2->d, f2->m};
    return productOf(*f1, op, *f2, by, lines);
}

// How two values that differ stand: the sign that holds between them.
QChar relation(double first, double second)
{
    return first < second ? u'<' : first > second ? u'>' : u'=';
}

// A mixed number's value on Reals: the whole parts are not rounded here.
Checked<double> valueOf(const Operand& operand, const QString& name, Working& lines)
{
    const double value = operand.m / operand.d + operand.s;
    const auto text = shown(value);
    if (!text)
        return text.refusal();
    lines << step(name + QStringLiteral(" = ") +
                      plus(dividedBy(QStringLiteral("Numerator"), QStringLiteral("Denominator")),
                           QStringLiteral("Whole")),
                  plus(dividedBy(term(operand.m), term(operand.d)), term(operand.s)),
                  workingNumber(value));
    return value;
}

Checked<bool> compare(const Operand& a, QChar op, const Operand& b, Working& lines)
{
    const auto v1 = valueOf(a, QStringLiteral("Fraction 1"), lines);
    if (!v1)
        return v1.refusal();
    const auto v2 = valueOf(b, QStringLiteral("Fraction 2"), lines);
    if (!v2)
        return v2.refusal();
    const bool holds = op == u'<' ? *v1 < *v2 : op == u'>' ? *v1 > *v2 : *v1 == *v2;
    QString left = workingNumber(*v1);
    QString right = workingNumber(*v2);
    // Values that differ only beyond the digits shown must not read "0.3 = 0.3: False".
    if (left == right && *v1 != *v2) {
        lines << QStringLiteral("Fraction 1 and Fraction 2 both show as ") + left +
                     QStringLiteral(" but differ beyond the 12th digit");
        left = QStringLiteral("Fraction 1");
        right = QStringLiteral("Fraction 2");
    }
    const QString claim = left + u' ' + op + u' ' + right;
    if (holds)
        lines << claim + QStringLiteral(": ") + captionText(Caption::True);
    else
        lines << QCoreApplication::translate("Working", "%1 is not so, because %2: %3")
                     .arg(claim, left + u' ' + relation(*v1, *v2) + u' ' + right,
                          captionText(Caption::False));
    return holds;
}

Checked<OperatorResult> answerOf(const Operand& a, QStringView operation, const Operand& b,
                                 Working& lines)
{
    if (operation.size() != 1 || !QStringView(u"+-*/<>=").contains(operation[0]))
        return Message::SetOperation;
    const QChar op = operation[0];
    if (QStringView(u"<>=").contains(op)) {
        const auto holds = compare(a, op, b, lines);
        if (!holds)
            return holds.refusal();
        return OperatorResult(*holds);
    }
    const auto r = arithmetic(a, op, b, lines);
    if (!r)
        return r.refusal();
    // A whole result shows its whole part alone; zero shows "0".
    FractionText result{integerText(r->s), integerText(r->m), integerText(r->d)};
    if (r->m == 0)
        result = {result.whole, {}, {}};
    lines << QStringLiteral("Result: ") + shownFraction(result);
    return OperatorResult(result);
}

} // namespace

Outcome<OperatorAnswer, OperatorRefusal>
operateOnFractions(const FractionText& first, QStringView operation, const FractionText& second)
{
    WholeFields wholes{first.whole, second.whole};
    if (const auto refusal =
            textRefusal({second.numerator, second.denominator, first.numerator, first.denominator},
                        {first.denominator, second.denominator}, Message::DenominatorZero))
        return OperatorRefusal{wholes, *refusal};
    for (QString* whole : {&wholes.first, &wholes.second})
        if (!isNumber(*whole))
            *whole = QStringLiteral("0");
    Working lines;
    const auto answer = answerOf(operandOf(first, wholes.first), operation,
                                 operandOf(second, wholes.second), lines);
    if (!answer)
        return OperatorRefusal{wholes, answer.refusal()};
    return Solved<OperatorAnswer>{{wholes, *answer}, lines};
}

Outcome<double> commonDenominator(QStringView a, QStringView b)
{
    // The field a is the one captioned "B", and b the one captioned "A".
    Working lines;
    const auto pair = gcdPair(a, b, {a, b}, lines);
    if (!pair)
        return pair.refusal();
    const auto [wholeA, wholeB, g] = *pair;
    const double c = real(b) * wholeA / g;
    const auto shownC = shown(c);
    if (!shownC)
        return shownC.refusal();
    lines << step(QStringLiteral("gcd(B, A)"),
                  QStringLiteral("gcd(%1, %2)").arg(workingNumber(wholeA), workingNumber(wholeB)),
                  workingNumber(g));
    lines << step(
        dividedBy(times(QStringLiteral("A"), QStringLiteral("B")), QStringLiteral("gcd(B, A)")),
        dividedBy(times(term(real(b)), term(wholeA)), term(g)), *shownC);
    return Solved<double>{c, lines};
}

Outcome<FractionText> reduceFraction(QStringView numerator, QStringView denominator)
{
    Working lines;
    const auto pair = gcdPair(denominator, numerator, {denominator}, lines);
    if (!pair)
        return pair.refusal();
    const auto [d, m, g] = *pair;
    const FractionText result{{}, numberText(m / double(g)), numberText(d / double(g))};
    lines << gcdLine(d, m, g);
    lines << over(workingNumber(m), workingNumber(d)) + QStringLiteral(" = ") +
                 shownFraction(result);
    return Solved<FractionText>{result, lines};
}
