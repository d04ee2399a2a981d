#pragma once

#include "fractions/fraction_arithmetic.h"
#include "input/working.h"

#include <QStringView>

// The tools of the operators-on-fractions window. Given a Working, each also writes the steps
// behind its answer there, the last ending with what the window shows; a refusal leaves it
// empty.

// The operator tool: two mixed numbers and one of + - * / < > =, typed exactly.
struct OperatorClick {
    // The whole-part fields as they read after the click: one that is empty or not a number
    // counts as 0 and is set to "0" once the fractions have passed their tests.
    QString firstWhole;
    QString secondWhole;
    // The result fraction (whole parts added apart, not reduced), a comparison, or a refusal.
    std::variant<FractionText, bool, Message> outcome;
};

OperatorClick operateOnFractions(const FractionText& first, QStringView operation,
                                 const FractionText& second, Working* working = nullptr);

using CommonOutcome = std::variant<QString, Message>;

// The common denominator of the fields a (captioned "B") and b (captioned "A"): b, read as a
// Real, times the whole reading of a, over their gcd.
CommonOutcome commonDenominator(QStringView a, QStringView b, Working* working = nullptr);

// numerator over denominator divided through by gcd(denominator, numerator); the result
// stays improper and the sign lands where gcd puts it (-2 over 4 gives 1 over -2).
FractionTextOutcome reduceFraction(QStringView numerator, QStringView denominator,
                                   Working* working = nullptr);
