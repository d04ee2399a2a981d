#include "statistics/weighted_statistics.h"

#include <cmath>

namespace {

// The sum of the weights, 1 each when there are none.
double weightTotal(std::span<const double> numbers, std::span<const double> weights)
{
    return weights.empty() ? static_cast<double>(numbers.size()) : total(weights);
}

} // namespace

QList<QStringView> splitItems(QStringView text)
{
    if (text.isEmpty())
        return {};
    return text.split(u' ');
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
    // Sum of a*w over sum of w, the products summed first to last like the weights.
    double products = 0;
    for (std::size_t i = 0; i < numbers.size(); ++i)
        products = (weights.empty() ? numbers[i] : numbers[i] * weights[i]) + products;
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
    const double m = std::get<double>(average);
    double s = 0;
    for (std::size_t i = 0; i < numbers.size(); ++i) {
        const double d = numbers[i] - m;
        s = weights.empty() ? d * d + s : d * (d * weights[i]) + s;
    }
    // Once beyond the Real range a sum stays beyond it, so the last value tells.
    const double result = s / weightTotal(numbers, weights);
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
