#pragma once

#include "geometry/measure.h"
#include "input/working.h"

// A triangle's area, height, base and perimeter, each in the order of operations pupils are
// shown. Every input is greater than 0.

Measure triangleArea(double base, double height);
Measure triangleHeight(double base, double area);
Measure triangleBase(double height, double area);
Measure trianglePerimeter(double a, double b, double c);

// Heron's formula. Three sides that form no triangle are "Unreasonable Data!!!."; a flat
// triangle (one side the sum of the other two) has area 0.
Measure heronArea(double a, double b, double c);

// The steps behind each answer above, from the same numbers; empty where it refuses.
Working triangleAreaWorking(double base, double height);
Working triangleHeightWorking(double base, double area);
Working triangleBaseWorking(double height, double area);
Working trianglePerimeterWorking(double a, double b, double c);
Working heronAreaWorking(double a, double b, double c);
