#pragma once

#include <QWidget>

class AnswerFormat;
class QComboBox;
class QSpinBox;

// The answer format beside Show Working: Decimal, Exact or Rounded, and the places Rounded
// keeps. Every window's bar shows the one program-wide choice and changes it for all.
class AnswerFormatBar : public QWidget {
    Q_OBJECT

public:
    AnswerFormatBar(AnswerFormat& format, QWidget* parent);

    // After Show Working, which the frame chains first.
    QWidget* firstInTabOrder() const;
    QWidget* lastInTabOrder() const;

private:
    void showChoice();
    void choose();

    AnswerFormat& m_format;
    QComboBox* m_style;
    QSpinBox* m_places;
};
