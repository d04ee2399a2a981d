#pragma once

#include "widgets/tool_window.h"

#include "input/message_box_sink.h"

#include <QWidget>

class QLabel;
class QLayout;
class QLineEdit;
class QPushButton;

// Operators on fractions: + - * / and < > = on two mixed numbers in the upper half; the
// common denominator and the reduction of a fraction in the lower half.
class FractionOperatorsWindow : public ToolWindow {
    Q_OBJECT

public:
    explicit FractionOperatorsWindow(MessageSink& sink = defaultMessageSink(),
                                     QWidget* parent = nullptr);

private:
    void makeOperatorControls();
    QLayout* buildOperator();
    QWidget* buildCommonDenominator();
    QWidget* buildReduction();

    void operate();
    void findCommonDenominator();
    void reduce();

    // The operator tool
    QLabel* Label8;
    QLineEdit* s1;
    QLineEdit* m1;
    QLineEdit* d1;
    QLineEdit* op;
    QLineEdit* s2;
    QLineEdit* m2;
    QLineEdit* d2;
    QPushButton* Command1;
    QLabel* m_bool; // object name "bool"
    QLabel* s3;
    QLabel* m3;
    QLabel* d3;

    // Common denominator
    QLabel* Label1;
    QLineEdit* b;
    QLineEdit* a;
    QPushButton* Command2;
    QLabel* c;

    // Reduction
    QLabel* Label9;
    QLineEdit* inm4;
    QLineEdit* ind4;
    QPushButton* Command3;
    QLabel* om4;
    QLabel* od4;
};
