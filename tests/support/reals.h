#pragma once

#include "exact/exact_reading.h"
#include "exact/real.h"

#include <QList>

#include <charconv>
#include <cmath>

// Test inputs as a field gives them to a task: each double with the exact value of its
// shortest text (0.1 is 1/10), as a pupil would have typed it. Like a field, a value outside
// the normal range carries none: its double has lost digits the exact value still has.
inline Real typed(double value)
{
    if (!std::isnormal(value) && value != 0)
        return Real::inexact(value);
    char text[32];
    const auto written = std::to_chars(text, text + sizeof text, value);
    return Real::typed(value, decimalRational({text, written.ptr}));
}

inline QList<Real> typed(const QList<double>& values)
{
    QList<Real> reals;
    for (double value : values)
        reals << typed(value);
    return reals;
}
