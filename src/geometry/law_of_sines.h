#pragma once

#include "geometry/solved_triangle.h"

#include <QString>

// The arcsine in radians: plus or minus half the 15-digit pi for 1 and -1, and
// arctan(X / Root(1 - X^2)) between.
double Arcsin(double x);

// Two angles and a side: the angles x and z with side b opposite x, then c and a in turn, with
// the steps.
Outcome<TriangleSolution, TriangleRefusal> solveAnglesXZSideB(double x, double z, double b);

// Two angles and a side: the angles y and z with side c opposite z, then a and b from c, with
// the steps.
Outcome<TriangleSolution, TriangleRefusal> solveAnglesYZSideC(double y, double z, double c);

// Two sides and an angle opposite one of them: angle y, side a opposite it, and side c. Where
// two triangles fit, the first has the acute angle z, the second the obtuse one; the steps go
// on to the second.
Outcome<TriangleSolution, TriangleRefusal> solveSidesAndOppositeAngle(double y, double a, double c);

// "Second triangle:  X = ...  Z = ...  b = ..." naming the second triangle; empty when there is
// none.
QString secondTriangleText(const TriangleSolution& solution);
