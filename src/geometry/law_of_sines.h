#pragma once

#include "geometry/solved_triangle.h"

#include <QString>

// The arcsine in radians: plus or minus half the 15-digit pi for 1 and -1, and
// arctan(X / Root(1 - X^2)) between.
double Arcsin(double x);

// Sides and angles are exact where the angles given and found have known sines (30° and 60°,
// side 2: 2√3/3) and the values stay in the exact form.

// Two angles and a side: the angles x and z with side b opposite x, then c and a in turn, with
// the steps.
Outcome<TriangleSolution, TriangleRefusal> solveAnglesXZSideB(Real x, Real z, Real b);

// Two angles and a side: the angles y and z with side c opposite z, then a and b from c, with
// the steps.
Outcome<TriangleSolution, TriangleRefusal> solveAnglesYZSideC(Real y, Real z, Real c);

// Two sides and an angle opposite one of them: angle y, side a opposite it, and side c. Where
// two triangles fit, the first has the acute angle z, the second the obtuse one; the steps go
// on to the second.
Outcome<TriangleSolution, TriangleRefusal> solveSidesAndOppositeAngle(Real y, Real a, Real c);

// "Second triangle:  X = ...  Z = ...  b = ..." naming the second triangle; empty when there is
// none.
QString secondTriangleText(const TriangleSolution& solution);
