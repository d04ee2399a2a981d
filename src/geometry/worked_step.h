#pragma once

#include "input/working.h"

#include <QString>
#include <QStringView>

#include <initializer_list>
#include <utility>

using NamedValue = std::pair<QStringView, double>;

// One step of working written from its formula: "Area = r*Pi*r" with r = 2 gives
// "Area = r*Pi*r = 2*3.14159265358979*2 = 12.5663706143592". Every name right of the first
// " = " that is given a value is written as its number (Pi always as pi15); other words stay.
QString workedStep(QStringView formula, std::initializer_list<NamedValue> values, double result);
