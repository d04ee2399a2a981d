#pragma once

#include "geometry/measure.h"
#include "input/working.h"

#include <QString>
#include <QStringView>

#include <initializer_list>
#include <utility>

// A task's working as a table holds it: withInputs<circleAreaFromRadiusWorking>, say.
using WorkingFunction = Working (*)(std::span<const double>);

using NamedValue = std::pair<QStringView, double>;

// One step of working written from its formula: "Area = r*Pi*r" with r = 2 gives
// "Area = r*Pi*r = 2*3.14159265358979*2 = 12.5663706143592". Every name right of the first
// " = " that is given a value is written as its number (Pi always as pi15); other words stay.
QString workedStep(QStringView formula, std::initializer_list<NamedValue> values, double result);

// The working of a task that gave an answer, built from that answer; none for a refusal.
template <class Build> Working ifAnswered(const Measure& measure, Build build)
{
    const double* answer = std::get_if<double>(&measure);
    return answer ? Working(build(*answer)) : Working{};
}
