#pragma once

#include "geometry/measure.h"

// Squares, rectangles, trapeziums, parallelograms and rhombuses, one function per task with the
// steps behind it, each in the order of operations pupils are shown. Every input is greater than 0.

Outcome<Real> squareArea(Real s);
Outcome<Real> squarePerimeter(Real s);
Outcome<Real> squareSideFromArea(Real area);
Outcome<Real> squarePerimeterFromArea(Real area);
Outcome<Real> squareSideFromPerimeter(Real perimeter);
Outcome<Real> squareAreaFromPerimeter(Real perimeter);

Outcome<Real> trapeziumArea(Real a, Real b, Real h);

// The area of a quadrilateral whose diagonals e and f cross at right angles.
Outcome<Real> perpendicularDiagonalsArea(Real e, Real f);

Outcome<Real> rectangleArea(Real a, Real b);
Outcome<Real> rectanglePerimeter(Real a, Real b);
Outcome<Real> rectangleSideFromArea(Real a, Real area);
Outcome<Real> rectanglePerimeterFromArea(Real a, Real area);

// From one side and the perimeter: "Implausible Data" unless the perimeter exceeds twice the
// side. The other side is rounded to 4 decimals, a tie going to the even digit; the area is not.
Outcome<Real> rectangleSideFromPerimeter(Real a, Real perimeter);
Outcome<Real> rectangleAreaFromPerimeter(Real a, Real perimeter);

Outcome<Real> parallelogramArea(Real base, Real height);
// Base from height and area, or height from base and area: the same division.
Outcome<Real> parallelogramOtherFromArea(Real baseOrHeight, Real area);
Outcome<Real> parallelogramPerimeter(Real a, Real b);

// x rounded to 4 decimal places as shown (15 significant digits), a tie going to the even digit.
double roundToFourDecimals(double x);
