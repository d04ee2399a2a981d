#pragma once

#include "geometry/measure.h"

// A triangle's area, height, base and perimeter, each in the order of operations pupils are
// shown. Every input is greater than 0.

Measure triangleArea(double base, double height);
Measure triangleHeight(double base, double area);
Measure triangleBase(double height, double area);
Measure trianglePerimeter(double a, double b, double c);

// Heron's formula. Three sides that form no triangle are "Unreasonable Data!!!."; a flat
// triangle (one side the sum of the other two) has area 0.
Measure heronArea(double a, double b, double c);
