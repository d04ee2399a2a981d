#include "problems/word_problems.h"

#include "input/number_text.h"

#include <cmath>

namespace {

// Two numbers as a step writes them with the operator between: "60 * 2.5".
QString joined(double a, const char* op, double b)
{
    return term(a) + QLatin1String(op) + term(b);
}

// The bracket a formula works out first, as a line of its own.
QString bracket(const char* formula, double a, const char* op, double b, double result)
{
    return step(QLatin1String(formula), joined(a, op, b), numberText(result));
}

// The answer after the steps before it, its own step last. Every answer but an unchanged
// price is other than 0, so a 0 or a value below the normal range is an underflow that lost
// the answer's digits: beyond the Real range as much as inf.
Outcome<double> checked(double value, Working steps, const char* formula, const QString& shown)
{
    if (std::isnan(value))
        return Message::Unreasonable;
    if (!std::isnormal(value))
        return Message::TooBig;
    steps << step(QLatin1String(formula), shown, numberText(value));
    return Solved<double>{value, std::move(steps)};
}

// A quotient whose divisor overflowed would come out as a finite zero: refuse it first.
Outcome<double> quotient(double dividend, double divisor, Working steps, const char* formula,
                         const QString& shown)
{
    if (!std::isfinite(dividend) || !std::isfinite(divisor))
        return Message::TooBig;
    if (divisor == 0)
        return Message::Unreasonable;
    return checked(dividend / divisor, std::move(steps), formula, shown);
}

Outcome<double> solveMotion(WordTask task, const double* v)
{
    switch (task) {
    case WordTask::FindDistance:
        return checked(v[0] * v[1], {}, "Distance = Speed * Time", joined(v[0], " * ", v[1]));
    case WordTask::FindSpeed:
        return quotient(v[0], v[1], {}, "Speed = Distance / Time", joined(v[0], " / ", v[1]));
    case WordTask::FindTime:
        return quotient(v[0], v[1], {}, "Time = Distance / Speed", joined(v[0], " / ", v[1]));
    case WordTask::MeetTime: {
        const double speed = v[1] + v[2];
        return quotient(v[0], speed, {bracket("Speed 1 + Speed 2", v[1], " + ", v[2], speed)},
                        "Time = Distance / (Speed 1 + Speed 2)", joined(v[0], " / ", speed));
    }
    default: // CatchUpTime
        if (!(v[1] > v[2]))
            return Message::SpeedOneNotBigger;
        const double speed = v[1] - v[2];
        return quotient(v[0], speed, {bracket("Speed 1 - Speed 2", v[1], " - ", v[2], speed)},
                        "Time = Distance / (Speed 1 - Speed 2)", joined(v[0], " / ", speed));
    }
}

// The percent of change; an unchanged price is the one answer that is 0.
Outcome<double> percentOfChange(double oldPrice, double newPrice)
{
    const double change = newPrice - oldPrice;
    Working first{bracket("New Price - Old Price", newPrice, " - ", oldPrice, change)};
    const char* formula = "Percent Of Change = (New Price - Old Price) / Old Price * 100";
    const QString shown = joined(change, " / ", oldPrice) + QStringLiteral(" * 100");
    if (newPrice == oldPrice)
        return Solved<double>{0.0, first << step(QLatin1String(formula), shown, numberText(0))};
    return checked(change / oldPrice * 100, first, formula, shown);
}

// A raise or a cut by a percent: the new price, or the old price from the new one.
Outcome<double> solvePrice(WordTask task, const double* v)
{
    const bool cut = task == WordTask::LowerPrice || task == WordTask::FindOldLowered;
    if (cut && !(v[1] < 100))
        return Message::PercentNotBelowHundred;
    const double factor = cut ? 100 - v[1] : 100 + v[1];
    const Working first{cut ? bracket("100 - Percent", 100, " - ", v[1], factor)
                            : bracket("100 + Percent", 100, " + ", v[1], factor)};
    const QString newShown = joined(v[0], " * ", factor) + QStringLiteral(" / 100");
    const QString oldShown = term(v[0]) + QStringLiteral(" * 100 / ") + term(factor);
    switch (task) {
    case WordTask::RaisePrice:
        return checked(v[0] * factor / 100, first, "New Price = Price * (100 + Percent) / 100",
                       newShown);
    case WordTask::LowerPrice:
        return checked(v[0] * factor / 100, first, "New Price = Price * (100 - Percent) / 100",
                       newShown);
    case WordTask::FindOldRaised:
        return quotient(v[0] * 100, factor, first, "Old Price = New Price * 100 / (100 + Percent)",
                        oldShown);
    default: // FindOldLowered
        return quotient(v[0] * 100, factor, first, "Old Price = New Price * 100 / (100 - Percent)",
                        oldShown);
    }
}

int valueCount(WordTask task)
{
    return task == WordTask::MeetTime || task == WordTask::CatchUpTime ? 3 : 2;
}

} // namespace

Outcome<double> solveWordProblem(WordTask task, std::span<const double> values)
{
    if (values.size() != static_cast<std::size_t>(valueCount(task)))
        return Message::Unreasonable;
    const double* v = values.data();
    switch (task) {
    case WordTask::FindDistance:
    case WordTask::FindSpeed:
    case WordTask::FindTime:
    case WordTask::MeetTime:
    case WordTask::CatchUpTime:
        return solveMotion(task, v);
    case WordTask::PercentOf:
        return checked(v[0] * v[1] / 100, {}, "Part = Price * Percent / 100",
                       joined(v[0], " * ", v[1]) + QStringLiteral(" / 100"));
    case WordTask::FindChange:
        return percentOfChange(v[0], v[1]);
    case WordTask::RaisePrice:
    case WordTask::LowerPrice:
    case WordTask::FindOldRaised:
    case WordTask::FindOldLowered:
        return solvePrice(task, v);
    }
    return Message::Unreasonable;
}
