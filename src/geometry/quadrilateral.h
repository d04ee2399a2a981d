#pragma once

#include "geometry/measure.h"

// Squares, rectangles, trapeziums, parallelograms and rhombuses, one function per task with the
// steps behind it, each in the order of operations pupils are shown. Every input is greater than 0.

Outcome<double> squareArea(double s);
Outcome<double> squarePerimeter(double s);
Outcome<double> squareSideFromArea(double area);
Outcome<double> squarePerimeterFromArea(double area);
Outcome<double> squareSideFromPerimeter(double perimeter);
Outcome<double> squareAreaFromPerimeter(double perimeter);

Outcome<double> trapeziumArea(double a, double b, double h);

// The area of a quadrilateral whose diagonals e and f cross at right angles.
Outcome<double> perpendicularDiagonalsArea(double e, double f);

Outcome<double> rectangleArea(double a, double b);
Outcome<double> rectanglePerimeter(double a, double b);
Outcome<double> rectangleSideFromArea(double a, double area);
Outcome<double> rectanglePerimeterFromArea(double a, double area);

// From one side and the perimeter: "Implausible Data" unless the perimeter exceeds twice the
// side. The other side is rounded to 4 decimals, a tie going to the even digit; the area is not.
Outcome<double> rectangleSideFromPerimeter(double a, double perimeter);
Outcome<double> rectangleAreaFromPerimeter(double a, double perimeter);

Outcome<double> parallelogramArea(double base, double height);
// Base from height and area, or height from base and area: the same division.
Outcome<double> parallelogramOtherFromArea(double baseOrHeight, double area);
Outcome<double> parallelogramPerimeter(double a, double b);

// x rounded to 4 decimal places as shown (15 significant digits), a tie going to the even digit.
double roundToFourDecimals(double x);
