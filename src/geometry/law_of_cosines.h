#pragma once

#include "geometry/solved_triangle.h"

// The arccosine in radians, as the triangle tools have always computed it: exactly 0 for 1,
// the 15-digit pi for -1, and arctan(-X / Root(1 - X^2)) + 2 * arctan(1) between. No result
// (not a number) beyond 1 and -1.
double Arccos(double x);

// Two sides a, b and the angle z between them: side c and the angles x and y, with the steps.
// Exact where z has a known cosine and the sides stay in the exact form (2, 3 and 60°: c = √7).
Outcome<TriangleSolution, TriangleRefusal> solveSideAngleSide(Real a, Real z, Real b);

// Three sides: the angles x, y and z, with the steps.
Outcome<TriangleSolution, TriangleRefusal> solveSideSideSide(Real a, Real b, Real c);
