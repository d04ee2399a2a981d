#pragma once

#include "geometry/measure.h"

// One measure of a circle from another, each in the order of operations pupils are shown,
// with pi as pi15. Every input is greater than 0.

Measure circleAreaFromRadius(double r);
Measure circlePerimeterFromRadius(double r);
Measure circleAreaFromDiameter(double d);
Measure circlePerimeterFromDiameter(double d);
Measure circleRadiusFromArea(double area);
Measure circleDiameterFromArea(double area);
Measure circleRadiusFromPerimeter(double perimeter);
Measure circleDiameterFromPerimeter(double perimeter);
Measure circlePerimeterFromArea(double area);
Measure circleAreaFromPerimeter(double perimeter);
