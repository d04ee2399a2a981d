#pragma once

#include "fractions/fraction_arithmetic.h"
#include "input/outcome.h"

#include <QStringView>

#include <variant>

// The tools of the operators-on-fractions window. Each answers with the values to show and the
// steps behind them, the last ending with what the window shows, or with the refusal.

// The whole-part fields of the operator tool as they read after the click: one that is empty
// or not a number counts as 0 and is set to "0" once the fractions have passed their tests.
struct WholeFields {
    QString first;
    QString second;
};

// The result fraction (whole parts added apart, not reduced) or a comparison.
struct OperatorAnswer {
    WholeFields wholes;
    std::variant<FractionText, bool> result;
};

struct OperatorRefusal {
    WholeFields wholes;
    Message message;
};

// The operator tool: two mixed numbers and one of + - * / < > =, typed exactly.
Outcome<OperatorAnswer, OperatorRefusal>
operateOnFractions(const FractionText& first, QStringView operation, const FractionText& second);

// The common denominator of the fields a (captioned "B") and b (captioned "A"): b, read as a
// Real, times the whole reading of a, over their gcd.
Outcome<double> commonDenominator(QStringView a, QStringView b);

// numerator over denominator divided through by gcd(denominator, numerator); the result
// stays improper and the sign lands where gcd puts it (-2 over 4 gives 1 over -2).
Outcome<FractionText> reduceFraction(QStringView numerator, QStringView denominator);
