#include "geometry/measure.h"

#include <cmath>

Outcome<Real> measured(Real value, Working working)
{
    if (!isnormal(value))
        return Message::TooBig;
    return Solved<Real>{value, std::move(working)};
}
