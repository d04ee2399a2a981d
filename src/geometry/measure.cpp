#include "geometry/measure.h"

#include <cmath>

Outcome<double> measured(double value, Working working)
{
    if (!std::isnormal(value))
        return Message::TooBig;
    return Solved<double>{value, std::move(working)};
}
