#pragma once

#include "exact/real.h"

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

// An answer as the choice writes it: the exact form where the value carries one (a whole
// number, a fraction, a root or a π form), rounded from the exact value where there is one;
// otherwise from the decimal, as a value with no exact form has always been written.
QString answerText(const Real& value, AnswerChoice choice);
