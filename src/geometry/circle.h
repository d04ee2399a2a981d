#pragma once

#include "geometry/measure.h"

// One measure of a circle from another with the steps behind it, each in the order of
// operations pupils are shown, with pi as pi15. Every input is greater than 0.

Outcome<Real> circleAreaFromRadius(Real r);
Outcome<Real> circlePerimeterFromRadius(Real r);
Outcome<Real> circleAreaFromDiameter(Real d);
Outcome<Real> circlePerimeterFromDiameter(Real d);
Outcome<Real> circleRadiusFromArea(Real area);
Outcome<Real> circleDiameterFromArea(Real area);
Outcome<Real> circleRadiusFromPerimeter(Real perimeter);
Outcome<Real> circleDiameterFromPerimeter(Real perimeter);
Outcome<Real> circlePerimeterFromArea(Real area);
Outcome<Real> circleAreaFromPerimeter(Real perimeter);
