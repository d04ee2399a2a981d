#include "problems/word_problems.h"

#include <cmath>

namespace {

WordOutcome checked(double value)
{
    if (std::isnan(value))
        return Message::Unreasonable;
    if (std::isinf(value))
        return Message::TooBig;
    return value;
}

// A quotient whose divisor overflowed would come out as a finite zero: refuse it first.
WordOutcome quotient(double dividend, double divisor)
{
    if (!std::isfinite(dividend) || !std::isfinite(divisor))
        return Message::TooBig;
    if (divisor == 0)
        return Message::Unreasonable;
    return checked(dividend / divisor);
}

int valueCount(WordTask task)
{
    return task == WordTask::MeetTime || task == WordTask::CatchUpTime ? 3 : 2;
}

} // namespace

WordOutcome solveWordProblem(WordTask task, std::span<const double> values)
{
    if (values.size() != static_cast<std::size_t>(valueCount(task)))
        return Message::Unreasonable;
    const double* v = values.data();
    switch (task) {
    case WordTask::FindDistance:
        return checked(v[0] * v[1]);
    case WordTask::FindSpeed:
    case WordTask::FindTime:
        return quotient(v[0], v[1]);
    case WordTask::MeetTime:
        return quotient(v[0], v[1] + v[2]);
    case WordTask::CatchUpTime:
        if (!(v[1] > v[2]))
            return Message::SpeedOneNotBigger;
        return quotient(v[0], v[1] - v[2]);
    case WordTask::RaisePrice:
        return checked(v[0] * (100 + v[1]) / 100);
    case WordTask::LowerPrice:
        if (!(v[1] < 100))
            return Message::PercentNotBelowHundred;
        return checked(v[0] * (100 - v[1]) / 100);
    case WordTask::PercentOf:
        return checked(v[0] * v[1] / 100);
    case WordTask::FindChange:
        return checked((v[1] - v[0]) / v[0] * 100);
    case WordTask::FindOldRaised:
        return quotient(v[0] * 100, 100 + v[1]);
    case WordTask::FindOldLowered:
        if (!(v[1] < 100))
            return Message::PercentNotBelowHundred;
        return quotient(v[0] * 100, 100 - v[1]);
    }
    return Message::Unreasonable;
}
