#pragma once

#include <QString>

#include <optional>

// How the windows with real answers write them: the 15-digit number text, the exact form
// where there is one, or rounded to a number of places.
enum class AnswerStyle { Decimal, Exact, Rounded };

struct AnswerChoice {
    AnswerStyle style = AnswerStyle::Decimal;
    int places = 2; // used by Rounded only
    friend bool operator==(const AnswerChoice&, const AnswerChoice&) = default;
};

inline constexpr int leastPlaces = 0;
inline constexpr int mostPlaces = 10;

// The exact form of an answer (a whole number, a fraction, a root or a π form), or nothing
// when the value has none. No value carries an exact form yet, so every Exact answer shows
// its decimal text.
std::optional<QString> exactText(double value);

// An answer as the choice writes it; a form the value does not have falls back to its
// decimal text.
QString answerText(double value, AnswerChoice choice);
