#pragma once

#include "geometry/measure.h"

// A triangle's area, height, base and perimeter with the steps behind each, in the order of
// operations pupils are shown. Every input is greater than 0.

Outcome<Real> triangleArea(Real base, Real height);
Outcome<Real> triangleHeight(Real base, Real area);
Outcome<Real> triangleBase(Real height, Real area);
Outcome<Real> trianglePerimeter(Real a, Real b, Real c);

// Heron's formula. Three sides that form no triangle are "Unreasonable Data!!!."; a flat
// triangle (one side the sum of the other two) has area 0.
Outcome<Real> heronArea(Real a, Real b, Real c);
