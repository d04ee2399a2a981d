#pragma once

#include "fractions/fraction_arithmetic.h"
#include "input/outcome.h"

#include <QStringView>

#include <variant>

// The four conversions between the written forms of a number. Each takes its fields' texts,
// tests them in a fixed order, and answers with the texts to show and the steps behind them,
// the last ending with what the window shows, or with the refusal. Results are never reduced.

// Whole part, numerator, denominator to numerator over the same denominator (typed as is).
Outcome<FractionText> fractionToImproper(QStringView whole, QStringView numerator,
                                         QStringView denominator);

// Numerator over denominator to whole part and remainder over the denominator (as typed);
// a zero remainder shows no fraction.
Outcome<FractionText> improperToFraction(QStringView numerator, QStringView denominator);

// The decimal, and the whole part as its field reads afterwards (empty becomes "0").
struct DecimalResult {
    QString whole;
    QString decimal;
};

// A whole part that is not a number is set to "0" and nothing is converted: the pupil looks
// at the corrected field and presses again.
struct WholeReset {};

Outcome<DecimalResult, std::variant<Message, WholeReset>>
fractionToDecimal(QStringView whole, QStringView numerator, QStringView denominator);

// ab.def to ab and def over 10 to the power of the digit count of def.
Outcome<FractionText> decimalToFraction(QStringView decimal);
