#pragma once

#include "geometry/measure.h"
#include "input/working.h"

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

// The steps behind each answer above, from the same numbers; empty where it refuses.
Working circleAreaFromRadiusWorking(double r);
Working circlePerimeterFromRadiusWorking(double r);
Working circleAreaFromDiameterWorking(double d);
Working circlePerimeterFromDiameterWorking(double d);
Working circleRadiusFromAreaWorking(double area);
Working circleDiameterFromAreaWorking(double area);
Working circleRadiusFromPerimeterWorking(double perimeter);
Working circleDiameterFromPerimeterWorking(double perimeter);
Working circlePerimeterFromAreaWorking(double area);
Working circleAreaFromPerimeterWorking(double perimeter);
