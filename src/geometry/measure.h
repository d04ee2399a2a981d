#pragma once

#include "input/task_function.h"

// A finished result greater than 0 with its working, or "The Number Is Too Big!!!" where it
// left the Real range at either end: too large to hold, or so small that it underflowed to 0
// or lost digits. No formula here divides by a step's own result, so an overflow on the way
// stays inf or nan to the end, and an underflow on the way leaves the result below the range
// too or costs it at most its last digit: testing the result is enough.
Outcome<Real> measured(Real value, Working working);
