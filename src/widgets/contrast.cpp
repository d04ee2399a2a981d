#include "widgets/contrast.h"

#include <algorithm>
#include <cmath>

namespace {

double linear(double channel)
{
    return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
}

double leastRatio(const QColor& colour, const QList<QColor>& against)
{
    double least = 21;
    for (const QColor& other : against)
        least = std::min(least, contrastRatio(colour, other));
    return least;
}

} // namespace

double relativeLuminance(const QColor& colour)
{
    const QColor rgb = colour.toRgb();
    return 0.2126 * linear(rgb.redF()) + 0.7152 * linear(rgb.greenF()) +
           0.0722 * linear(rgb.blueF());
}

double contrastRatio(const QColor& first, const QColor& second)
{
    const double a = relativeLuminance(first);
    const double b = relativeLuminance(second);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

QColor mixed(const QColor& from, const QColor& towards, double share)
{
    const QColor a = from.toRgb();
    const QColor b = towards.toRgb();
    const auto channel = [share](float x, float y) {
        return x + (y - x) * share;
    };
    return QColor::fromRgbF(channel(a.redF(), b.redF()), channel(a.greenF(), b.greenF()),
                            channel(a.blueF(), b.blueF()));
}

QColor standingApart(const QColor& from, const QColor& towards, const QList<QColor>& against,
                     double ratio)
{
    constexpr int steps = 40;
    for (int step = 0; step <= steps; ++step) {
        // Judged as drawn: eight bits a channel.
        const QColor candidate(mixed(from, towards, double(step) / steps).rgb());
        if (leastRatio(candidate, against) >= ratio)
            return candidate;
    }
    const QColor black(Qt::black);
    const QColor white(Qt::white);
    return leastRatio(black, against) >= leastRatio(white, against) ? black : white;
}
