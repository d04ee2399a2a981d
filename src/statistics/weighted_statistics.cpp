#include "statistics/weighted_statistics.h"

#include "input/notation.h"
#include "input/number_text.h"

#include <cmath>
#include <utility>

namespace {

// The sum of the weights, 1 each when there are none.
double weightTotal(std::span<const double> numbers, std::span<const double> weights)
{
    return weights.empty() ? static_cast<double>(numbers.size()) : total(weights);
}

// Sum of a*w, added first to last like the weights.
double productTotal(std::span<const double> numbers, std::span<const double> weights)
{
    double products = 0;
    for (std::size_t i = 0; i < numbers.size(); ++i)
        products = (weights.empty() ? numbers[i] : numbers[i] * weights[i]) + products;
    return products;
}

// Sum of w*(a - m)^2.
double squareTotal(std::span<const double> numbers, std::span<const double> weights, double m)
{
    double s = 0;
    for (std::size_t i = 0; i < numbers.size(); ++i) {
        const double d = numbers[i] - m;
        s = weights.empty() ? d * d + s : d * (d * weights[i]) + s;
    }
    return s;
}

// A sum as written on the board; a long one keeps its first and last terms.
template <class Term> QString sumText(std::size_t count, Term termAt)
{
    constexpr std::size_t first = 6;
    constexpr std::size_t last = 2;
    QStringList terms;
    for (std::size_t i = 0; i < count; ++i) {
        if (i == first && count > first + last + 1) {
            terms << QStringLiteral("...");
            i = count - last;
        }
        terms << termAt(i);
    }
    return terms.join(QStringLiteral(" + "));
}

QString quotient(double numerator, double denominator)
{
    return dividedBy(term(numerator), term(denominator));
}

// A list added up on the board.
QString listText(std::span<const double> list)
{
    return sumText(list.size(), [&](std::size_t i) { return term(list[i]); });
}

// The two sums the mean divides, as written on the board.
Working sumsWorking(std::span<const double> numbers, std::span<const double> weights,
                    double products, double weightSum)
{
    if (weights.empty())
        return {step(QStringLiteral("Sum of a"), listText(numbers), workingNumber(products)),
                step(QStringLiteral("Count of a"), {}, workingNumber(weightSum))};
    return {step(QStringLiteral("Sum of ") + times(QStringLiteral("a"), QStringLiteral("w")),
                 sumText(numbers.size(),
                         [&](std::size_t i) { return times(term(numbers[i]), term(weights[i])); }),
                 workingNumber(products)),
            step(QStringLiteral("Sum of w"), listText(weights), workingNumber(weightSum))};
}

// The sum of squares the variance divides, as written on the board.
QString squaresText(std::span<const double> numbers, std::span<const double> weights, double m)
{
    return sumText(numbers.size(), [&](std::size_t i) {
        const QString square = squared(bracketed(minus(term(numbers[i]), term(m))));
        return weights.empty() ? square : times(term(weights[i]), square);
    });
}

// Goes on from the statistic before: the next one computed from its value, its steps written
// under the earlier ones, so every shown value is the one that gave the answer.
template <class Next> Outcome<double> goOn(Outcome<double> earlier, Next next)
{
    auto* solved = std::get_if<Solved<double>>(&earlier);
    if (!solved)
        return earlier;
    return next(solved->values, std::move(solved->working));
}

} // namespace

QList<QStringView> splitItems(QStringView text)
{
    if (text.isEmpty())
        return {};
    return text.split(u' ');
}

qsizetype itemCount(QStringView text)
{
    return text.isEmpty() ? 0 : text.count(u' ') + 1;
}

std::optional<Message> checkCounts(qsizetype numbers, qsizetype weights)
{
    if (numbers != weights && weights != 0)
        return Message::CountsDiffer;
    if (numbers == 0)
        return Message::NumbersEmpty;
    return std::nullopt;
}

double total(std::span<const double> list)
{
    double s = 0;
    for (const double item : list)
        s = item + s;
    return s;
}

Outcome<double> mean(std::span<const double> numbers, std::span<const double> weights)
{
    const double products = productTotal(numbers, weights);
    const double weightSum = weightTotal(numbers, weights);
    if (!std::isfinite(products) || !std::isfinite(weightSum))
        return Message::TooBig;
    if (weightSum == 0)
        return Message::Unreasonable;
    const double result = products / weightSum;
    if (!std::isfinite(result))
        return Message::TooBig;
    Working working = sumsWorking(numbers, weights, products, weightSum);
    working << step(QStringLiteral("Mean"), quotient(products, weightSum), numberText(result));
    return Solved<double>{result, working};
}

Outcome<double> variance(std::span<const double> numbers, std::span<const double> weights)
{
    return goOn(mean(numbers, weights), [&](double m, Working working) -> Outcome<double> {
        const double weightSum = weightTotal(numbers, weights);
        // Once beyond the Real range a sum stays beyond it, so the last value tells.
        const double squares = squareTotal(numbers, weights, m);
        const double result = squares / weightSum;
        if (!std::isfinite(result))
            return Message::TooBig;
        const QString square =
            squared(bracketed(minus(QStringLiteral("a"), QStringLiteral("Mean"))));
        working << step(QStringLiteral("Sum of ") +
                            (weights.empty() ? square : times(QStringLiteral("w"), square)),
                        squaresText(numbers, weights, m), workingNumber(squares))
                << step(QStringLiteral("Variance"), quotient(squares, weightSum),
                        numberText(result));
        return Solved<double>{result, working};
    });
}

Outcome<double> deviation(std::span<const double> numbers, std::span<const double> weights)
{
    return goOn(variance(numbers, weights), [](double v, Working working) -> Outcome<double> {
        if (v < 0)
            return Message::Unreasonable;
        const double result = std::sqrt(v);
        working << step(QStringLiteral("Deviation = ") + root(QStringLiteral("Variance")),
                        root(workingNumber(v)), numberText(result));
        return Solved<double>{result, working};
    });
}
