#include "problems/word_problems.h"

#include "input/notation.h"
#include "input/number_text.h"

#include <cmath>

namespace {

using Operator = QString (*)(const QString&, const QString&);

QString text(const char* ascii)
{
    return QLatin1String(ascii);
}

// Two numbers as a step writes them with the operator between: "60 × 2.5".
QString joined(Real a, Operator op, Real b)
{
    return op(term(a), term(b));
}

// The bracket a formula works out first, as a line of its own.
QString bracket(const char* left, Operator op, const char* right, Real a, Real b, Real result)
{
    return step(op(text(left), text(right)), joined(a, op, b), workingNumber(result));
}

// "Name = left op right".
QString formula(const char* name, const QString& expression)
{
    return text(name) + QStringLiteral(" = ") + expression;
}

QString hundredths(const QString& product)
{
    return dividedBy(product, text("100"));
}

// The answer after the steps before it, its own step last. Every answer but an unchanged
// price is other than 0, so a 0 or a value below the normal range is an underflow that lost
// the answer's digits: beyond the Real range as much as inf.
Outcome<Real> checked(Real value, Working steps, const QString& formula, const QString& shown)
{
    if (std::isnan(value.value()))
        return Message::Unreasonable;
    if (!isnormal(value))
        return Message::TooBig;
    steps << step(formula, shown, resultNumber(value));
    return Solved<Real>{value, std::move(steps)};
}

// A quotient whose divisor overflowed would come out as a finite zero: refuse it first.
Outcome<Real> quotient(Real dividend, Real divisor, Working steps, const QString& formula,
                       const QString& shown)
{
    if (!isfinite(dividend) || !isfinite(divisor))
        return Message::TooBig;
    if (divisor == 0)
        return Message::Unreasonable;
    return checked(dividend / divisor, std::move(steps), formula, shown);
}

Outcome<Real> solveMotion(WordTask task, const Real* v)
{
    switch (task) {
    case WordTask::FindDistance:
        return checked(v[0] * v[1], {}, formula("Distance", times(text("Speed"), text("Time"))),
                       joined(v[0], times, v[1]));
    case WordTask::FindSpeed:
        return quotient(v[0], v[1], {}, formula("Speed", dividedBy(text("Distance"), text("Time"))),
                        joined(v[0], dividedBy, v[1]));
    case WordTask::FindTime:
        return quotient(v[0], v[1], {}, formula("Time", dividedBy(text("Distance"), text("Speed"))),
                        joined(v[0], dividedBy, v[1]));
    case WordTask::MeetTime: {
        const Real speed = v[1] + v[2];
        return quotient(
            v[0], speed, {bracket("Speed 1", plus, "Speed 2", v[1], v[2], speed)},
            formula("Time",
                    dividedBy(text("Distance"), bracketed(plus(text("Speed 1"), text("Speed 2"))))),
            joined(v[0], dividedBy, speed));
    }
    default: // CatchUpTime
        if (!(v[1] > v[2]))
            return Message::SpeedOneNotBigger;
        const Real speed = v[1] - v[2];
        return quotient(
            v[0], speed, {bracket("Speed 1", minus, "Speed 2", v[1], v[2], speed)},
            formula("Time", dividedBy(text("Distance"),
                                      bracketed(minus(text("Speed 1"), text("Speed 2"))))),
            joined(v[0], dividedBy, speed));
    }
}

// The percent of change; an unchanged price is the one answer that is 0.
Outcome<Real> percentOfChange(Real oldPrice, Real newPrice)
{
    const Real change = newPrice - oldPrice;
    Working first{bracket("New Price", minus, "Old Price", newPrice, oldPrice, change)};
    const QString written = formula(
        "Percent Of Change",
        times(dividedBy(bracketed(minus(text("New Price"), text("Old Price"))), text("Old Price")),
              text("100")));
    const QString shown = times(joined(change, dividedBy, oldPrice), text("100"));
    if (newPrice == oldPrice)
        return Solved<Real>{0, first << step(written, shown, numberText(0.0))};
    return checked(change / oldPrice * 100, first, written, shown);
}

// A raise or a cut by a percent: the new price, or the old price from the new one.
Outcome<Real> solvePrice(WordTask task, const Real* v)
{
    const bool cut = task == WordTask::LowerPrice || task == WordTask::FindOldLowered;
    if (cut && !(v[1] < 100))
        return Message::PercentNotBelowHundred;
    const Real factor = cut ? 100 - v[1] : 100 + v[1];
    const Operator op = cut ? minus : plus;
    const Working first{bracket("100", op, "Percent", 100, v[1], factor)};
    const QString percent = bracketed(op(text("100"), text("Percent")));
    switch (task) {
    case WordTask::RaisePrice:
    case WordTask::LowerPrice:
        return checked(v[0] * factor / 100, first,
                       formula("New Price", hundredths(times(text("Price"), percent))),
                       hundredths(joined(v[0], times, factor)));
    default: // FindOldRaised, FindOldLowered
        return quotient(
            v[0] * 100, factor, first,
            formula("Old Price", dividedBy(times(text("New Price"), text("100")), percent)),
            dividedBy(times(term(v[0]), text("100")), term(factor)));
    }
}

int valueCount(WordTask task)
{
    return task == WordTask::MeetTime || task == WordTask::CatchUpTime ? 3 : 2;
}

} // namespace

Outcome<Real> solveWordProblem(WordTask task, std::span<const Real> values)
{
    if (values.size() != static_cast<std::size_t>(valueCount(task)))
        return Message::Unreasonable;
    const Real* v = values.data();
    switch (task) {
    case WordTask::FindDistance:
    case WordTask::FindSpeed:
    case WordTask::FindTime:
    case WordTask::MeetTime:
    case WordTask::CatchUpTime:
        return solveMotion(task, v);
    case WordTask::PercentOf:
        return checked(v[0] * v[1] / 100, {},
                       formula("Part", hundredths(times(text("Price"), text("Percent")))),
                       hundredths(joined(v[0], times, v[1])));
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
