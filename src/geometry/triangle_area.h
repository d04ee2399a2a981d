#pragma once

#include "geometry/measure.h"

// A triangle's area, height, base and perimeter with the steps behind each, in the order of
// operations pupils are shown. Every input is greater than 0.

Outcome<double> triangleArea(double base, double height);
Outcome<double> triangleHeight(double base, double area);
Outcome<double> triangleBase(double height, double area);
Outcome<double> trianglePerimeter(double a, double b, double c);

// Heron's formula. Three sides that form no triangle are "Unreasonable Data!!!."; a flat
// triangle (one side the sum of the other two) has area 0.
Outcome<double> heronArea(double a, double b, double c);
