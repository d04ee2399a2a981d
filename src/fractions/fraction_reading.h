#pragma once

// The fraction tools read their fields by their own rules: each text is tested as a number
// first, then read as a Real or as a whole number, and intermediate values pass through the
// text the tool would show, exactly as the pupil sees them. Inside the core a refusal is
// thrown as a Refused and caught at the edge of each tool, so the steps read as written.

#include "fractions/fraction_arithmetic.h"
#include "input/messages.h"
#include "input/number_text.h"
#include "input/working.h"

#include <QString>
#include <QStringView>

#include <cmath>
#include <cstdint>
#include <variant>

namespace fractions_reading {

struct Refused {
    Message message;
};

// A text that has passed the number test, as a Real.
inline double real(QStringView text)
{
    return readNumber(text).value_or(0);
}

inline std::int32_t wholeOf(double value)
{
    const auto whole = wholeNumber(value);
    if (!whole)
        throw Refused{Message::TooBig};
    return *whole;
}

// The whole reading of a text that has passed the number test.
inline std::int32_t whole(QStringView text)
{
    return wholeOf(real(text));
}

// The number text of a value that must be finite to be shown.
inline QString shown(double value)
{
    if (!std::isfinite(value))
        throw Refused{Message::TooBig};
    return numberText(value);
}

template <class T> T need(const std::variant<T, Message>& outcome)
{
    if (const auto* message = std::get_if<Message>(&outcome))
        throw Refused{*message};
    return std::get<T>(outcome);
}

// The worked steps of the task being run, written only when the window asks for them.
class Steps {
public:
    explicit Steps(Working* lines)
        : m_lines(lines)
    {
        if (m_lines)
            m_lines->clear();
    }

    void operator<<(const QString& line)
    {
        if (m_lines)
            m_lines->append(line);
    }

    // A typed number the tool takes as a whole number: noted where rounding changes it.
    std::int32_t whole(QStringView text)
    {
        const std::int32_t value = fractions_reading::whole(text);
        if (real(text) != value)
            *this << numberText(real(text)) + QStringLiteral(" is taken as ") + integerText(value);
        return value;
    }

    // No steps stand after a refusal.
    Message refused(const Refused& refusal)
    {
        if (m_lines)
            m_lines->clear();
        return refusal.message;
    }

private:
    Working* m_lines;
};

// "n/d", or "(n/d)" when it starts with a minus and stands inside a sum.
inline QString over(const QString& numerator, const QString& denominator, bool bracketed = false)
{
    const QString text = numerator + u'/' + denominator;
    return bracketed && text.startsWith(u'-') ? u'(' + text + u')' : text;
}

} // namespace fractions_reading
