#pragma once

#include "input/messages.h"
#include "input/working.h"

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

// The steps behind each task's answer, from the same terms; empty where the task refuses.
Working arithmeticSumWorking(const ProgressionTerms& terms);
Working arithmeticSumOfEndsWorking(const ProgressionTerms& terms);
Working arithmeticSumFromLastWorking(const ProgressionTerms& terms);
Working arithmeticLastWorking(const ProgressionTerms& terms);
Working arithmeticDifferenceWorking(const ProgressionTerms& terms);
Working arithmeticCountWorking(const ProgressionTerms& terms);
Working geometricSumWorking(const ProgressionTerms& terms);
Working geometricSumToLastWorking(const ProgressionTerms& terms);
Working geometricInfiniteSumWorking(const ProgressionTerms& terms);
Working geometricLastWorking(const ProgressionTerms& terms);
Working geometricRatioWorking(const ProgressionTerms& terms);
