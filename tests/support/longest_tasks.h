#pragma once

// Each tool window with the task whose working runs longest in it, so checks of a window's
// size with its working shown try the worst case.

#include "algebra/complex_window.h"
#include "algebra/quadratic_window.h"
#include "fractions/fraction_conversion_window.h"
#include "fractions/fraction_operators_window.h"
#include "geometry/circle_window.h"
#include "geometry/cosines_window.h"
#include "geometry/quadrilateral_window.h"
#include "geometry/sines_window.h"
#include "geometry/triangle_area_window.h"
#include "problems/word_problems_window.h"
#include "statistics/progressions_window.h"
#include "statistics/statistics_window.h"

#include "input/message_sink.h"

#include <QSize>
#include <QWidget>

// What a school laptop's 1366x768 screen leaves a window, less the desktop's panel.
constexpr QSize laptopRoom(1366, 740);

// The task whose working runs longest in each window. Entries are "field=text", split at ';'.
struct LongestTask {
    const char* name;
    QWidget* (*make)(MessageSink&);
    const char* entries;
    const char* press;
};

template <class Window> QWidget* newWindow(MessageSink& sink)
{
    return new Window(sink);
}

inline const LongestTask longestTasks[] = {
    {"Form2", newWindow<QuadraticWindow>, "a=30;b=40;c=2", "Command1"},
    {"Form3", newWindow<FractionConversionWindow>, "in4=2.5", "Command4"},
    {"Form4", newWindow<FractionOperatorsWindow>, "s1=45;m1=3;d1=2.5;op=/;s2=45;m2=3;d2=2.5",
     "Command1"},
    {"Form5", newWindow<StatisticsWindow>,
     "n=1 2 3 4 5 6 7 8 9 10 11 12;w=1 2 3 4 5 6 7 8 9 10 11 12", "Command2"},
    {"Form6", newWindow<ProgressionsWindow>, "a17=1/3;q7=1/3;n7=1/3", "command20"},
    {"Form7", newWindow<CircleWindow>, "d1=1/3", "Command2"},
    {"Form8", newWindow<QuadrilateralWindow>, "a7=10;p7=60", "Command6"},
    {"Form9", newWindow<TriangleAreaWindow>, "a5=2;b5=3;c5=4", "Command11"},
    {"Form10", newWindow<CosinesWindow>, "a4=1/3;b4=1/3;c4=1/3", "Command7"},
    {"Form11", newWindow<SinesWindow>, "z4=10;y4=60;c4=100", "Command7"},
    {"Form12", newWindow<WordProblemsWindow>, "newPrice=10;changePercent=60", "findOldLowered"},
    {"Form13", newWindow<ComplexWindow>, "r1=1/3;i1=1/3;op=/;r2=1/3;i2=1/3", "Command1"},
};
