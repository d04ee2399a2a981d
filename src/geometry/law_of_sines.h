#pragma once

#include "geometry/solved_triangle.h"

#include <QString>

#include <optional>

// The arcsine in radians: plus or minus half the 15-digit pi for 1 and -1, and
// arctan(X / Root(1 - X^2)) between.
double Arcsin(double x);

// Two angles and a side: the angles x and z with side b opposite x, then c and a in turn.
TriangleOutcome solveAnglesXZSideB(double x, double z, double b);

// Two angles and a side: the angles y and z with side c opposite z, then a and b from c.
TriangleOutcome solveAnglesYZSideC(double y, double z, double c);

// Two sides and an angle opposite one of them: angle y, side a opposite it, and side c. Where
// two triangles fit, this is the one with the acute angle z.
TriangleOutcome solveSidesAndOppositeAngle(double y, double a, double c);

// The other triangle the same data fit, with the obtuse angle z, if there is one.
std::optional<Triangle> secondTriangle(double y, double a, double c);

// The steps behind each answer above, from the same numbers; empty where the solve refuses.
// Where two triangles fit, the steps go on to the second.
Working anglesXZSideBWorking(double x, double z, double b);
Working anglesYZSideCWorking(double y, double z, double c);
Working sidesAndOppositeAngleWorking(double y, double a, double c);

// "Second triangle:  X = ...  Z = ...  b = ..." naming that triangle; empty when there is none.
QString secondTriangleText(double y, double a, double c);
