#pragma once

#include "input/messages.h"

#include <variant>

// The quantities of an arithmetic or geometric progression; each task reads the ones it
// names and ignores the rest.
struct ProgressionTerms {
    double a1 = 0; // first element
    double an = 0; // last element
    double n = 0;  // number of elements, any Real
    double d = 0;  // arithmetic difference
    double q = 0;  // geometric ratio
};

using ProgressionOutcome = std::variant<double, Message>;

// Each task computes in the order pupils are taught, step by step, so the last digit
// matches a hand calculation. A step beyond the Real range is too big; a division by zero
// or a power without a real result is unreasonable.

// Arithmetic progression
ProgressionOutcome arithmeticSum(const ProgressionTerms& terms);         // Sn from A1, D, N
ProgressionOutcome arithmeticSumOfEnds(const ProgressionTerms& terms);   // Sn from A1, An, N
ProgressionOutcome arithmeticSumFromLast(const ProgressionTerms& terms); // Sn from An, D, N
ProgressionOutcome arithmeticLast(const ProgressionTerms& terms);        // An from A1, D, N
ProgressionOutcome arithmeticDifference(const ProgressionTerms& terms);  // D from A1, An, N
ProgressionOutcome arithmeticCount(const ProgressionTerms& terms);       // N from A1, D, An

// Geometric progression
ProgressionOutcome geometricSum(const ProgressionTerms& terms);         // Sn from A1, Q, N
ProgressionOutcome geometricSumToLast(const ProgressionTerms& terms);   // Sn from A1, Q, An
ProgressionOutcome geometricInfiniteSum(const ProgressionTerms& terms); // from A1, Q
ProgressionOutcome geometricLast(const ProgressionTerms& terms);        // An from A1, Q, N
ProgressionOutcome geometricRatio(const ProgressionTerms& terms);       // Q from A1, An, N
