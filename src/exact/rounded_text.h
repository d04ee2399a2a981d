#pragma once

#include "exact/exact_text.h"

#include <QLocale>
#include <QString>

// The answer rounded to `places` decimal places (0..10), a half going away from zero as pupils
// are taught, trailing zeros kept ("2.50"), the locale's decimal separator and a plain "-";
// never a negative zero. Plain digits below 10^15, the number text's exponent form (1E+15)
// from there on. Empty for places outside 0..10 or a value beyond the Real range.
QString roundedText(const ExactValue& value, int places, const QLocale& locale);

// A Real's rounded text is number_text's roundedText(double, int).
