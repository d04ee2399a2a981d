#include "input/answer_text.h"

#include "input/number_text.h"

std::optional<QString> exactText(double)
{
    return std::nullopt;
}

QString answerText(double value, AnswerChoice choice)
{
    switch (choice.style) {
    case AnswerStyle::Exact:
        return exactText(value).value_or(numberText(value));
    case AnswerStyle::Rounded:
        return roundedText(value, choice.places);
    case AnswerStyle::Decimal:
        break;
    }
    return numberText(value);
}
