#pragma once

#include "input/outcome.h"

#include <variant>

// The two real roots of A*X^2 + B*X + C = 0; x1 takes +sqrt(D), so it is the larger root
// only when A is positive.
struct QuadraticRoots {
    double x1 = 0;
    double x2 = 0;
};

// The discriminant is negative: no real root.
struct NoRealRoots {};

using QuadraticAnswer = std::variant<QuadraticRoots, NoRealRoots>;

// The roots, or that there is none, with the steps that found them.
Outcome<QuadraticAnswer> solveQuadratic(double a, double b, double c);
