#pragma once

#include "input/outcome.h"

#include <QString>
#include <QStringView>

// A complex number as its real and imaginary part.
struct Complex {
    double re = 0;
    double im = 0;
};

// One of "+", "-", "*", "/" applied to two complex numbers. The operation text must match
// exactly, blanks and all; anything else asks the pupil to set the operation.
Outcome<Complex> complexOperation(const Complex& first, QStringView operation,
                                  const Complex& second);

// i to the power N, N taken as the nearest whole number (ties to even): "1", "i", "-1" or "-i".
Outcome<QString> powerOfI(double n);

// x + y*i as Root(Q)*Cos(A) + Root(Q)*i*Sin(A): Q the squared modulus, A the angle in
// degrees, in (-180, 180] and rounded to 2 decimals.
Outcome<QString> polarForm(double x, double y);
