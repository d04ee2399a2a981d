#pragma once

#include "fractions/fraction_arithmetic.h"
#include "input/working.h"

#include <QStringView>

// The four conversions between the written forms of a number. Each takes its fields' texts,
// tests them in a fixed order, and answers with the texts to show or the refusal. Results are
// never reduced. Given a Working, each also writes the steps behind its answer there, the
// last ending with what the window shows; a refusal leaves it empty.

// Whole part, numerator, denominator to numerator over the same denominator (typed as is).
FractionTextOutcome fractionToImproper(QStringView whole, QStringView numerator,
                                       QStringView denominator, Working* working = nullptr);

// Numerator over denominator to whole part and remainder over the denominator (as typed);
// a zero remainder shows no fraction.
FractionTextOutcome improperToFraction(QStringView numerator, QStringView denominator,
                                       Working* working = nullptr);

// The decimal, and the whole part as its field reads afterwards (empty becomes "0").
struct DecimalResult {
    QString whole;
    QString decimal;
};

// A whole part that is not a number is set to "0" and nothing is converted: the pupil looks
// at the corrected field and presses again.
struct WholeReset {};

using DecimalOutcome = std::variant<DecimalResult, WholeReset, Message>;

DecimalOutcome fractionToDecimal(QStringView whole, QStringView numerator, QStringView denominator,
                                 Working* working = nullptr);

// ab.def to ab and def over 10 to the power of the digit count of def.
FractionTextOutcome decimalToFraction(QStringView decimal, Working* working = nullptr);
