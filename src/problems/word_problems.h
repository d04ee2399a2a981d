#pragma once

#include "exact/real.h"
#include "input/outcome.h"

#include <span>

// The tasks of the motion and percentage window, one per button, with the values each one
// reads in the order its panel reads them.
enum class WordTask {
    FindDistance,   // speed, time
    FindSpeed,      // distance, time
    FindTime,       // distance, speed
    MeetTime,       // distance between, speed 1, speed 2
    CatchUpTime,    // distance between, speed 1, speed 2
    RaisePrice,     // price, percent
    LowerPrice,     // price, percent
    PercentOf,      // price, percent
    FindChange,     // old price, new price
    FindOldRaised,  // new price, percent
    FindOldLowered, // new price, percent
};

// One task's answer with its steps, a sum or difference first where the formula has one. A
// result beyond the Real range, or a step on the way to it, is refused rather than shown, so
// an overflow never turns into a wrong but finite answer.
Outcome<Real> solveWordProblem(WordTask task, std::span<const Real> values);
