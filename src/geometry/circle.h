#pragma once

#include "geometry/measure.h"

// One measure of a circle from another with the steps behind it, each in the order of
// operations pupils are shown, with pi as pi15. Every input is greater than 0.

Outcome<double> circleAreaFromRadius(double r);
Outcome<double> circlePerimeterFromRadius(double r);
Outcome<double> circleAreaFromDiameter(double d);
Outcome<double> circlePerimeterFromDiameter(double d);
Outcome<double> circleRadiusFromArea(double area);
Outcome<double> circleDiameterFromArea(double area);
Outcome<double> circleRadiusFromPerimeter(double perimeter);
Outcome<double> circleDiameterFromPerimeter(double perimeter);
Outcome<double> circlePerimeterFromArea(double area);
Outcome<double> circleAreaFromPerimeter(double perimeter);
