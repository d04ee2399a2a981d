#pragma once

#include "exact/real.h"
#include "input/outcome.h"

#include <variant>

// The two real roots of A*X^2 + B*X + C = 0; x1 takes +sqrt(D), so it is the larger root
// only when A is positive.
struct QuadraticRoots {
    Real x1 = 0;
    Real x2 = 0;
};

// The discriminant is negative: no real root.
struct NoRealRoots {};

using QuadraticAnswer = std::variant<QuadraticRoots, NoRealRoots>;

// The roots, or that there is none, with the steps that found them. Rational coefficients
// give roots exact in one square root: (3 + √13)/2.
Outcome<QuadraticAnswer> solveQuadratic(const Real& a, const Real& b, const Real& c);
