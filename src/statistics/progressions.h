#pragma once

#include "exact/real.h"
#include "input/messages.h"
#include "input/outcome.h"

// The quantities of an arithmetic or geometric progression; each task reads the ones it
// names and ignores the rest.
struct ProgressionTerms {
    Real a1 = 0; // first element
    Real an = 0; // last element
    Real n = 0;  // number of elements, any Real
    Real d = 0;  // arithmetic difference
    Real q = 0;  // geometric ratio
};

// Each task gives its answer with the steps behind it, computed in the order pupils are
// taught, step by step, so the last digit matches a hand calculation. A step beyond the Real
// range is too big; a division by zero or a power without a real result is unreasonable.
// Each number carries its exact value where the typed ones lead to one: a ratio from a root is
// exact where that root is rational or a square root.

// Arithmetic progression
Outcome<Real> arithmeticSum(const ProgressionTerms& terms);         // Sn from A1, D, N
Outcome<Real> arithmeticSumOfEnds(const ProgressionTerms& terms);   // Sn from A1, An, N
Outcome<Real> arithmeticSumFromLast(const ProgressionTerms& terms); // Sn from An, D, N
Outcome<Real> arithmeticLast(const ProgressionTerms& terms);        // An from A1, D, N
Outcome<Real> arithmeticDifference(const ProgressionTerms& terms);  // D from A1, An, N
Outcome<Real> arithmeticCount(const ProgressionTerms& terms);       // N from A1, D, An

// Geometric progression
Outcome<Real> geometricSum(const ProgressionTerms& terms);         // Sn from A1, Q, N
Outcome<Real> geometricSumToLast(const ProgressionTerms& terms);   // Sn from A1, Q, An
Outcome<Real> geometricInfiniteSum(const ProgressionTerms& terms); // from A1, Q
Outcome<Real> geometricLast(const ProgressionTerms& terms);        // An from A1, Q, N
Outcome<Real> geometricRatio(const ProgressionTerms& terms);       // Q from A1, An, N
