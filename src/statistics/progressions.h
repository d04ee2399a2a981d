#pragma once

#include "input/messages.h"
#include "input/outcome.h"

// The quantities of an arithmetic or geometric progression; each task reads the ones it
// names and ignores the rest.
struct ProgressionTerms {
    double a1 = 0; // first element
    double an = 0; // last element
    double n = 0;  // number of elements, any Real
    double d = 0;  // arithmetic difference
    double q = 0;  // geometric ratio
};

// Each task gives its answer with the steps behind it, computed in the order pupils are
// taught, step by step, so the last digit matches a hand calculation. A step beyond the Real
// range is too big; a division by zero or a power without a real result is unreasonable.

// Arithmetic progression
Outcome<double> arithmeticSum(const ProgressionTerms& terms);         // Sn from A1, D, N
Outcome<double> arithmeticSumOfEnds(const ProgressionTerms& terms);   // Sn from A1, An, N
Outcome<double> arithmeticSumFromLast(const ProgressionTerms& terms); // Sn from An, D, N
Outcome<double> arithmeticLast(const ProgressionTerms& terms);        // An from A1, D, N
Outcome<double> arithmeticDifference(const ProgressionTerms& terms);  // D from A1, An, N
Outcome<double> arithmeticCount(const ProgressionTerms& terms);       // N from A1, D, An

// Geometric progression
Outcome<double> geometricSum(const ProgressionTerms& terms);         // Sn from A1, Q, N
Outcome<double> geometricSumToLast(const ProgressionTerms& terms);   // Sn from A1, Q, An
Outcome<double> geometricInfiniteSum(const ProgressionTerms& terms); // from A1, Q
Outcome<double> geometricLast(const ProgressionTerms& terms);        // An from A1, Q, N
Outcome<double> geometricRatio(const ProgressionTerms& terms);       // Q from A1, An, N
