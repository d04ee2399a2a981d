#include "problems/word_problems.h"

#include "input/number_text.h"

#include <cmath>

namespace {

// Every answer but an unchanged price is other than 0, so a 0 or a value below the normal
// range is an underflow that lost the answer's digits: beyond the Real range as much as inf.
WordOutcome checked(double value)
{
    if (std::isnan(value))
        return Message::Unreasonable;
    if (!std::isnormal(value))
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
        if (v[1] == v[0])
            return 0.0;
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

Working wordProblemWorking(WordTask task, std::span<const double> values)
{
    const WordOutcome outcome = solveWordProblem(task, values);
    const double* answer = std::get_if<double>(&outcome);
    if (!answer)
        return {};
    const double* v = values.data();
    const auto last = [answer](const char* formula, const QString& shown) {
        return step(QLatin1String(formula), shown, numberText(*answer));
    };
    // The bracket a formula works out first, as a line of its own.
    const auto first = [](const char* formula, double a, char op, double b) {
        return step(QLatin1String(formula), term(a) + u' ' + QLatin1Char(op) + u' ' + term(b),
                    numberText(op == '+' ? a + b : a - b));
    };
    const auto times = [](double a, double b) {
        return term(a) + QStringLiteral(" * ") + term(b);
    };
    const auto over = [](double a, double b) {
        return term(a) + QStringLiteral(" / ") + term(b);
    };
    const QString hundredth = QStringLiteral(" / 100");
    const QString hundredfold = QStringLiteral(" * 100");
    switch (task) {
    case WordTask::FindDistance:
        return {last("Distance = Speed * Time", times(v[0], v[1]))};
    case WordTask::FindSpeed:
        return {last("Speed = Distance / Time", over(v[0], v[1]))};
    case WordTask::FindTime:
        return {last("Time = Distance / Speed", over(v[0], v[1]))};
    case WordTask::MeetTime:
        return {first("Speed 1 + Speed 2", v[1], '+', v[2]),
                last("Time = Distance / (Speed 1 + Speed 2)", over(v[0], v[1] + v[2]))};
    case WordTask::CatchUpTime:
        return {first("Speed 1 - Speed 2", v[1], '-', v[2]),
                last("Time = Distance / (Speed 1 - Speed 2)", over(v[0], v[1] - v[2]))};
    case WordTask::RaisePrice:
        return {
            first("100 + Percent", 100, '+', v[1]),
            last("New Price = Price * (100 + Percent) / 100", times(v[0], 100 + v[1]) + hundredth)};
    case WordTask::LowerPrice:
        return {
            first("100 - Percent", 100, '-', v[1]),
            last("New Price = Price * (100 - Percent) / 100", times(v[0], 100 - v[1]) + hundredth)};
    case WordTask::PercentOf:
        return {last("Part = Price * Percent / 100", times(v[0], v[1]) + hundredth)};
    case WordTask::FindChange:
        return {first("New Price - Old Price", v[1], '-', v[0]),
                last("Percent Of Change = (New Price - Old Price) / Old Price * 100",
                     over(v[1] - v[0], v[0]) + hundredfold)};
    case WordTask::FindOldRaised:
        return {first("100 + Percent", 100, '+', v[1]),
                last("Old Price = New Price * 100 / (100 + Percent)",
                     term(v[0]) + hundredfold + QStringLiteral(" / ") + term(100 + v[1]))};
    case WordTask::FindOldLowered:
        return {first("100 - Percent", 100, '-', v[1]),
                last("Old Price = New Price * 100 / (100 - Percent)",
                     term(v[0]) + hundredfold + QStringLiteral(" / ") + term(100 - v[1]))};
    }
    return {};
}
