#pragma once

#include "exact/real.h"
#include "input/outcome.h"

#include <QString>
#include <QStringView>

// A complex number as its real and imaginary part, each exact where it was typed so.
struct Complex {
    Real re = 0;
    Real im = 0;
};

// One of "+", "-", "*", "/" applied to two complex numbers. The operation text must match
// exactly, blanks and all; anything else asks the pupil to set the operation.
Outcome<Complex> complexOperation(const Complex& first, QStringView operation,
                                  const Complex& second);

// i to the power N, N taken as the nearest whole number (ties to even): "1", "i", "-1" or "-i".
Outcome<QString> powerOfI(const Real& n);

// x + y*i as Root(Q)*Cos(A) + Root(Q)*i*Sin(A): Q the squared modulus, A the angle in
// degrees, in (-180, 180] and rounded to 2 decimals. The exact working adds the modulus √Q.
Outcome<QString> polarForm(const Real& x, const Real& y);
