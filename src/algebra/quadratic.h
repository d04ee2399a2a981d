#pragma once

#include "input/messages.h"
#include "input/working.h"

#include <variant>

// The two real roots of A*X^2 + B*X + C = 0; x1 takes +Root(D), so it is the larger root
// only when A is positive.
struct QuadraticRoots {
    double x1 = 0;
    double x2 = 0;
};

// The discriminant is negative: no real root.
struct NoRealRoots {};

using QuadraticOutcome = std::variant<QuadraticRoots, NoRealRoots, Message>;

QuadraticOutcome solveQuadratic(double a, double b, double c);

// The steps behind solveQuadratic's answer; empty where it refuses.
Working quadraticWorking(double a, double b, double c);
