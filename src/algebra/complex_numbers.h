#pragma once

#include "input/messages.h"
#include "input/working.h"

#include <QString>
#include <QStringView>

#include <variant>

// A complex number as its real and imaginary part.
struct Complex {
    double re = 0;
    double im = 0;
};

using ComplexOutcome = std::variant<Complex, Message>;

// One of "+", "-", "*", "/" applied to two complex numbers. The operation text must match
// exactly, blanks and all; anything else asks the pupil to set the operation.
ComplexOutcome complexOperation(const Complex& first, QStringView operation, const Complex& second);

using ComplexTextOutcome = std::variant<QString, Message>;

// i to the power N, N taken as the nearest whole number (ties to even): "1", "i", "-1" or "-i".
ComplexTextOutcome powerOfI(double n);

// x + y*i as Root(Q)*Cos(A) + Root(Q)*i*Sin(A): Q the squared modulus, A the angle in
// degrees, in (-180, 180] and rounded to 2 decimals.
ComplexTextOutcome polarForm(double x, double y);

// The steps behind each answer above, from the same numbers; empty where the answer is a refusal.
Working complexOperationWorking(const Complex& first, QStringView operation, const Complex& second);
Working powerOfIWorking(double n);
Working polarFormWorking(double x, double y);
