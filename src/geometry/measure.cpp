#include "geometry/measure.h"

#include <cmath>

Measure measured(double value)
{
    if (!std::isnormal(value))
        return Message::TooBig;
    return value;
}
