// Any 32-bit integers through gcd, common, mixed and improper, and any texts through every
// fraction tool, in the C and the German locale: each gives its result or a fixed message,
// never undefined behaviour, and every text it works out, its working included, is free of
// inf, nan and -0 and ends the working with the answer the window shows.

#include "fractions/fraction_conversion.h"
#include "fractions/fraction_operators.h"
#include "fuzz_support.h"
#include "input/number_text.h"

#include <QLocale>
#include <QStringList>

#include <algorithm>
#include <limits>
#include <numeric>

namespace {

struct Input {
    std::int32_t n[3] = {};
    QStringList fields; // the texts of the tool's fields, in the order it takes them
};

// What a tool gives its window.
struct Shown {
    bool refused = false;
    QString answer; // the result on one line, as the working ends with it
    Working working;
    QStringList typed = {}; // texts copied as the pupil typed them, blanks and signs and all
};

std::int64_t wide(std::int32_t value)
{
    return value;
}

bool fits(std::int64_t value)
{
    return value >= std::numeric_limits<std::int32_t>::min() &&
           value <= std::numeric_limits<std::int32_t>::max();
}

// A procedure's outcome as its window would show it: the integer procedures have no working
// of their own, so their answer stands as its one line.
template <class T> Shown shownOf(const Checked<T>& outcome, QString (*answer)(const T&))
{
    if (!outcome)
        return {true, {}, {}};
    const QString text = answer(*outcome);
    return {false, text, Working{text}};
}

// A tool's outcome as its window shows it, with the working of the same call.
template <class T, class Refusal>
Shown shownOf(const Outcome<T, Refusal>& outcome, QString (*answer)(const T&),
              const QStringList& typed = {})
{
    const auto* solved = std::get_if<Solved<T>>(&outcome);
    if (!solved)
        return {true, {}, {}};
    return {false, answer(solved->values), solved->working, typed};
}

QString fractionLine(const FractionText& f)
{
    return shownFraction(f);
}

QString integerLine(const std::int32_t& value)
{
    return integerText(value);
}

QString wholeLine(const Fraction& f)
{
    return shownFraction({integerText(f.s), integerText(f.m), integerText(f.d)});
}

QString decimalLine(const double& value)
{
    return numberText(value);
}

QString decimalField(const DecimalResult& result)
{
    return result.decimal;
}

QString operatorLine(const OperatorAnswer& answer)
{
    if (const auto* result = std::get_if<FractionText>(&answer.result))
        return shownFraction(*result);
    return std::get<bool>(answer.result) ? captionText(Caption::True) : captionText(Caption::False);
}

// The integer procedures answer for themselves, checked on 64 bits, and show their result.
Shown runGcd(const Input& in)
{
    const std::int32_t a = in.n[0], b = in.n[1];
    const std::int32_t g = gcd(a, b);
    require(a == 0 && b == 0 ? g == 0 : g != 0 && wide(a) % g == 0 && wide(b) % g == 0,
            "gcd divides both");
    return shownOf<std::int32_t>(g, integerLine);
}

Shown runCommon(const Input& in)
{
    const std::int32_t a = in.n[0], b = in.n[1];
    const Checked<std::int32_t> outcome = common(a, b);
    if (a > 0 && b > 0 && fits(wide(a) * b))
        require(outcome == Checked<std::int32_t>(
                               static_cast<std::int32_t>(wide(a) * b / std::gcd(wide(a), wide(b)))),
                "common of positives is their least common multiple");
    return shownOf(outcome, integerLine);
}

Shown runMixed(const Input& in)
{
    const std::int32_t n = in.n[0], d = in.n[1];
    const Checked<Fraction> outcome = mixed(n, d);
    if (const Fraction* f = outcome ? &*outcome : nullptr)
        require(wide(f->s) * d + f->m == n && f->d == d &&
                    std::abs(wide(f->m)) < std::abs(wide(d)) &&
                    (f->m == 0 || (f->m < 0) == (n < 0)),
                "mixed splits n into whole part and remainder");
    else
        require(d == 0 || (n == std::numeric_limits<std::int32_t>::min() && d == -1),
                "mixed refuses only a zero divisor or an overflow");
    return shownOf(outcome, wholeLine);
}

Shown runImproper(const Input& in)
{
    const std::int32_t s = in.n[0], m = in.n[1], d = in.n[2];
    const Checked<Fraction> outcome = improper(s, m, d);
    // The product and the sum are each formed in 32 bits.
    const std::int64_t numerator = wide(s) * d + m;
    const Fraction* f = outcome ? &*outcome : nullptr;
    require(fits(wide(s) * d) && fits(numerator)
                ? f && *f == Fraction{0, static_cast<std::int32_t>(numerator), d}
                : !f,
            "improper is s*d + m over d, or too big");
    return shownOf(outcome, wholeLine);
}

Shown runToImproper(const Input& in)
{
    const auto& f = in.fields;
    return shownOf(fractionToImproper(f[0], f[1], f[2]), fractionLine, {f[2]});
}

Shown runToFraction(const Input& in)
{
    const auto& f = in.fields;
    return shownOf(improperToFraction(f[0], f[1]), fractionLine, {f[1]});
}

Shown runToDecimal(const Input& in)
{
    const auto& f = in.fields;
    const auto outcome = fractionToDecimal(f[0], f[1], f[2]);
    if (const auto* result = std::get_if<Solved<DecimalResult>>(&outcome))
        require(result->values.whole == (f[0].isEmpty() ? QStringLiteral("0") : f[0]),
                "the whole part stays as typed");
    return shownOf(outcome, decimalField);
}

Shown runFromDecimal(const Input& in)
{
    const QString& decimal = in.fields[0];
    return shownOf(decimalToFraction(decimal), fractionLine,
                   decimal.trimmed().split(QLocale().decimalPoint()));
}

Shown runOperate(const Input& in)
{
    const auto& f = in.fields;
    const auto outcome = operateOnFractions({f[0], f[1], f[2]}, f[3], {f[4], f[5], f[6]});
    const auto* solved = std::get_if<Solved<OperatorAnswer>>(&outcome);
    const WholeFields wholes =
        solved ? solved->values.wholes : std::get<OperatorRefusal>(outcome).wholes;
    require((wholes.first == f[0] || wholes.first == u"0") &&
                (wholes.second == f[4] || wholes.second == u"0"),
            "a whole part stays as typed or becomes 0");
    return shownOf(outcome, operatorLine);
}

Shown runCommonDenominator(const Input& in)
{
    return shownOf(commonDenominator(in.fields[0], in.fields[1]), decimalLine);
}

Shown runReduce(const Input& in)
{
    return shownOf(reduceFraction(in.fields[0], in.fields[1]), fractionLine);
}

const struct {
    const char* name;
    Shown (*run)(const Input&);
} tools[] = {
    {"gcd", runGcd},
    {"common", runCommon},
    {"mixed", runMixed},
    {"improper", runImproper},
    {"fraction to improper", runToImproper},
    {"improper to fraction", runToFraction},
    {"fraction to decimal", runToDecimal},
    {"decimal to fraction", runFromDecimal},
    {"operator", runOperate},
    {"common denominator", runCommonDenominator},
    {"reduction", runReduce},
};

// The text with what the pupil typed put out of the way, longest first: blanks and a plus sign
// copied as typed are the pupil's own. A 9 keeps the rest readable.
QString computedPart(QString text, QStringList typed)
{
    std::sort(typed.begin(), typed.end(),
              [](const QString& a, const QString& b) { return a.size() > b.size(); });
    for (const QString& part : typed)
        if (!part.isEmpty())
            text.replace(part, QStringLiteral("9"));
    return text;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    useLocaleOf(data, size);
    const auto& tool = tools[data[0] % std::size(tools)];
    Input in;
    std::memcpy(in.n, data + 1, std::min(sizeof in.n, size - 1));
    in.fields =
        QString::fromUtf8(reinterpret_cast<const char*>(data + 1), static_cast<qsizetype>(size - 1))
            .split(u'\n');
    while (in.fields.size() < 7)
        in.fields << QString();

    const Shown shown = tool.run(in);
    if (shown.refused) {
        require(shown.working.isEmpty(), "a refusal leaves no working");
        return 0;
    }
    // A whole part copied as typed may read "-0": the pupil's minus, not a negative zero.
    require(isCleanText(computedPart(shown.answer, shown.typed)), "inf, nan or -0 in a result",
            shown.answer);
    for (const QString& line : shown.working) {
        const QString computed = computedPart(line, shown.typed);
        require(isCleanText(computed) && !missesANumber(computed),
                "inf, nan, -0 or a missing number in the working", line);
    }
    require(!shown.working.isEmpty() && shown.working.last().endsWith(shown.answer),
            "the working ends with another answer", shown.working.join(u'\n'));
    return 0;
}
