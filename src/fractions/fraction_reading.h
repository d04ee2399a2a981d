#pragma once

// The fraction tools read their fields by their own rules: each text is tested as a number
// first, then read as a Real or as a whole number, and intermediate values are rounded to the
// digits the tool would show, exactly as the pupil sees them. Each step that can be refused
// answers with a Checked value, and the task returns its refusal at once.

#include "fractions/fraction_arithmetic.h"
#include "input/messages.h"
#include "input/notation.h"
#include "input/number_text.h"
#include "input/working.h"

#include <QString>
#include <QStringView>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <optional>

namespace fractions_reading {

// A text that has passed the number test, as a Real.
inline double real(QStringView text)
{
    return readNumber(text).value_or(0);
}

inline Checked<std::int32_t> wholeOf(double value)
{
    if (const auto whole = wholeNumber(value))
        return *whole;
    return Message::TooBig;
}

// A typed number the tool takes as a whole number: noted where rounding changes it.
inline Checked<std::int32_t> wholeNoted(double value, Working& lines)
{
    const auto whole = wholeOf(value);
    if (whole && *whole != value)
        lines << workingNumber(value) + QStringLiteral(" is taken as ") + workingNumber(*whole);
    return whole;
}

// Typed numbers taken as whole numbers in turn, each noted; the first that does not fit refuses.
template <std::size_t N>
Checked<std::array<std::int32_t, N>> wholesNoted(const double (&values)[N], Working& lines)
{
    std::array<std::int32_t, N> wholes{};
    for (std::size_t i = 0; i < N; ++i) {
        const auto whole = wholeNoted(values[i], lines);
        if (!whole)
            return whole.refusal();
        wholes[i] = *whole;
    }
    return wholes;
}

// The test a tool makes before it reads anything: every text a number, then none of those that
// may not be 0 reading 0. The refusal of the first test that fails, or none.
inline std::optional<Message> textRefusal(std::initializer_list<QStringView> numbers,
                                          std::initializer_list<QStringView> nonZero, Message zero)
{
    if (!std::all_of(numbers.begin(), numbers.end(), isNumber))
        return Message::NotNumeric;
    if (std::any_of(nonZero.begin(), nonZero.end(),
                    [](QStringView text) { return real(text) == 0; }))
        return zero;
    return std::nullopt;
}

// The number text of a value that must be finite to be shown.
inline Checked<QString> shown(double value)
{
    if (!std::isfinite(value))
        return Message::TooBig;
    return numberText(value);
}

// The value as it reads back from its shown text: rounded to 15 significant digits, the way
// the tool carries a result on to its next step.
inline Checked<double> shownValue(double value)
{
    const auto text = shown(value);
    return text ? Checked<double>(real(*text)) : text.refusal();
}

// "n/d", or "(n/d)" when it starts with a minus and stands inside a sum.
inline QString over(const QString& numerator, const QString& denominator, bool inSum = false)
{
    const QString text = fraction(numerator, denominator);
    return inSum && text.startsWith(negative({})) ? bracketed(text) : text;
}

} // namespace fractions_reading
