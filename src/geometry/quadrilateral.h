#pragma once

#include "geometry/measure.h"
#include "input/working.h"

// Squares, rectangles, trapeziums, parallelograms and rhombuses, one function per task, each
// in the order of operations pupils are shown. Every input is greater than 0.

Measure squareArea(double s);
Measure squarePerimeter(double s);
Measure squareSideFromArea(double area);
Measure squarePerimeterFromArea(double area);
Measure squareSideFromPerimeter(double perimeter);
Measure squareAreaFromPerimeter(double perimeter);

Measure trapeziumArea(double a, double b, double h);

// The area of a quadrilateral whose diagonals e and f cross at right angles.
Measure perpendicularDiagonalsArea(double e, double f);

Measure rectangleArea(double a, double b);
Measure rectanglePerimeter(double a, double b);
Measure rectangleSideFromArea(double a, double area);
Measure rectanglePerimeterFromArea(double a, double area);

// From one side and the perimeter: "Implausible Data" unless the perimeter exceeds twice the
// side. The other side is rounded to 4 decimals, a tie going to the even digit; the area is not.
Measure rectangleSideFromPerimeter(double a, double perimeter);
Measure rectangleAreaFromPerimeter(double a, double perimeter);

Measure parallelogramArea(double base, double height);
// Base from height and area, or height from base and area: the same division.
Measure parallelogramOtherFromArea(double baseOrHeight, double area);
Measure parallelogramPerimeter(double a, double b);

// The steps behind each answer above, from the same numbers; empty where it refuses.
Working squareAreaWorking(double s);
Working squarePerimeterWorking(double s);
Working squareSideFromAreaWorking(double area);
Working squarePerimeterFromAreaWorking(double area);
Working squareSideFromPerimeterWorking(double perimeter);
Working squareAreaFromPerimeterWorking(double perimeter);
Working trapeziumAreaWorking(double a, double b, double h);
Working perpendicularDiagonalsAreaWorking(double e, double f);
Working rectangleAreaWorking(double a, double b);
Working rectanglePerimeterWorking(double a, double b);
Working rectangleSideFromAreaWorking(double a, double area);
Working rectanglePerimeterFromAreaWorking(double a, double area);
Working rectangleSideFromPerimeterWorking(double a, double perimeter);
Working rectangleAreaFromPerimeterWorking(double a, double perimeter);
Working parallelogramAreaWorking(double base, double height);
Working parallelogramOtherFromAreaWorking(double baseOrHeight, double area);
Working parallelogramPerimeterWorking(double a, double b);

// x rounded to 4 decimal places as shown (15 significant digits), a tie going to the even digit.
double roundToFourDecimals(double x);
