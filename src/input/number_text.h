#pragma once

#include <QString>
#include <QStringView>

#include <cstdint>
#include <optional>

// The one way a Real becomes text: at most 15 significant digits, no trailing zeros,
// exponent form (1E+20, 1E-05) for very large and very small magnitudes, the locale's
// decimal separator, and never a negative zero. A value that is not finite has no text.
QString numberText(double value);

// A Real rounded to a number of decimal places (0 to 10), half away from zero, the rounding
// made on its 15-digit number text so that 2.675 gives 2.68 as the pupil expects. Trailing
// zeros stay ("2.50"), the locale's decimal separator, never a negative zero and no exponent
// form below 10^15; from there on, and for a value that is not finite, its number text.
QString roundedText(double value, int places);

// The number test and the text-to-Real conversion in one, so they can never disagree:
// optional blanks around, optional sign, ASCII digits with at most one locale decimal
// separator, optional exponent. Anything else, or a value beyond the Real range, is no number.
std::optional<double> readNumber(QStringView text);

inline bool isNumber(QStringView text)
{
    return readNumber(text).has_value();
}

// The value a number shown in a field is taken as when read back: its number text read
// again, so at most 15 significant digits and never a negative zero; 0 where there is no text.
double roundToShown(double value);

// Rounds to the nearest whole number, a tie going to the even neighbour.
double roundHalfEven(double value);

// The whole reading: round half to even, then a checked conversion to 32 bits.
// Empty when the value is not finite or the whole number does not fit.
std::optional<std::int32_t> wholeNumber(double value);

// The integer text: a 32-bit whole number as decimal digits, a leading "-" when negative.
QString integerText(std::int32_t value);
