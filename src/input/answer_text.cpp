#include "input/answer_text.h"

#include "input/number_text.h"

QString answerText(const Real& value, AnswerChoice choice)
{
    switch (choice.style) {
    case AnswerStyle::Exact:
        return exactText(value).value_or(numberText(value.value()));
    case AnswerStyle::Rounded:
        return roundedText(value, choice.places, QLocale())
            .value_or(roundedText(value.value(), choice.places));
    case AnswerStyle::Decimal:
        break;
    }
    return numberText(value.value());
}
