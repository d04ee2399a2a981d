#pragma once

#include "widgets/answer_format.h"

// The program's answer format set to Exact for as long as it lives, the earlier choice put
// back after, so the window tests that follow still see Decimal. The test keeps the settings
// file in the test area (QStandardPaths::setTestModeEnabled) before the first choice.
class ExactAnswers {
public:
    ExactAnswers()
        : m_previous(AnswerFormat::program().choice())
    {
        AnswerFormat::program().setChoice({AnswerStyle::Exact, 2});
    }
    ~ExactAnswers() { AnswerFormat::program().setChoice(m_previous); }
    ExactAnswers(const ExactAnswers&) = delete;
    ExactAnswers& operator=(const ExactAnswers&) = delete;

private:
    AnswerChoice m_previous;
};
