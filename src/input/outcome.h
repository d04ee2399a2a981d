#pragma once

#include "input/messages.h"
#include "input/working.h"

#include <variant>

// A task's answer and the steps that led to it, built together from the same numbers, so
// the working can never tell of values other than the ones shown.
template <class Values> struct Solved {
    Values values;
    Working working;
};

// What every core task returns: its solved values, or the refusal shown instead of them.
template <class Values, class Refusal = Message>
using Outcome = std::variant<Solved<Values>, Refusal>;
