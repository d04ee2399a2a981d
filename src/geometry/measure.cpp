#include "geometry/measure.h"

#include <cmath>

Measure measured(double value)
{
    if (!std::isfinite(value))
        return Message::TooBig;
    return value;
}
