#include "statistics/weighted_statistics.h"

#include "input/number_text.h"

#include <cmath>

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
    return term(numerator) + QStringLiteral(" / ") + term(denominator);
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

StatisticOutcome mean(std::span<const double> numbers, std::span<const double> weights)
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
    return result;
}

StatisticOutcome variance(std::span<const double> numbers, std::span<const double> weights)
{
    const StatisticOutcome average = mean(numbers, weights);
    if (std::holds_alternative<Message>(average))
        return average;
    // Once beyond the Real range a sum stays beyond it, so the last value tells.
    const double result =
        squareTotal(numbers, weights, std::get<double>(average)) / weightTotal(numbers, weights);
    if (!std::isfinite(result))
        return Message::TooBig;
    return result;
}

StatisticOutcome deviation(std::span<const double> numbers, std::span<const double> weights)
{
    const StatisticOutcome spread = variance(numbers, weights);
    if (std::holds_alternative<Message>(spread))
        return spread;
    const double v = std::get<double>(spread);
    if (v < 0)
        return Message::Unreasonable;
    return std::sqrt(v);
}

namespace {

enum class Statistic { Mean, Variance, Deviation };

// The steps up to the statistic asked for, each sum taken once in the same order as the
// answer's own, so every shown value is the one that gave the answer.
Working statisticWorking(std::span<const double> numbers, std::span<const double> weights,
                         Statistic statistic, const StatisticOutcome& answer)
{
    if (std::holds_alternative<Message>(answer))
        return {};
    const bool weighted = !weights.empty();
    const double products = productTotal(numbers, weights);
    const double weightSum = weightTotal(numbers, weights);
    const double m = products / weightSum;
    Working working;
    if (weighted) {
        working << step(QStringLiteral("Sum of a*w"),
                        sumText(numbers.size(),
                                [&](std::size_t i) {
                                    return term(numbers[i]) + u'*' + term(weights[i]);
                                }),
                        numberText(products))
                << step(QStringLiteral("Sum of w"),
                        sumText(weights.size(), [&](std::size_t i) { return term(weights[i]); }),
                        numberText(weightSum));
    } else {
        working << step(QStringLiteral("Sum of a"),
                        sumText(numbers.size(), [&](std::size_t i) { return term(numbers[i]); }),
                        numberText(products))
                << step(QStringLiteral("Count of a"), {}, numberText(weightSum));
    }
    working << step(QStringLiteral("Mean"), quotient(products, weightSum), numberText(m));
    if (statistic == Statistic::Mean)
        return working;

    const double squares = squareTotal(numbers, weights, m);
    const double v = squares / weightSum;
    working << step(weighted ? QStringLiteral("Sum of w*(a - Mean)^2")
                             : QStringLiteral("Sum of (a - Mean)^2"),
                    sumText(numbers.size(),
                            [&](std::size_t i) {
                                const QString square = u'(' + term(numbers[i]) +
                                                       QStringLiteral(" - ") + term(m) +
                                                       QStringLiteral(")^2");
                                return weighted ? term(weights[i]) + u'*' + square : square;
                            }),
                    numberText(squares))
            << step(QStringLiteral("Variance"), quotient(squares, weightSum), numberText(v));
    if (statistic == Statistic::Variance)
        return working;

    working << step(QStringLiteral("Deviation = Root(Variance)"),
                    QStringLiteral("Root(") + numberText(v) + u')',
                    numberText(std::get<double>(answer)));
    return working;
}

} // namespace

Working meanWorking(std::span<const double> numbers, std::span<const double> weights)
{
    return statisticWorking(numbers, weights, Statistic::Mean, mean(numbers, weights));
}

Working varianceWorking(std::span<const double> numbers, std::span<const double> weights)
{
    return statisticWorking(numbers, weights, Statistic::Variance, variance(numbers, weights));
}

Working deviationWorking(std::span<const double> numbers, std::span<const double> weights)
{
    return statisticWorking(numbers, weights, Statistic::Deviation, deviation(numbers, weights));
}
