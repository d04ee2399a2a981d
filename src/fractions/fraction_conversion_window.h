#pragma once

#include "widgets/tool_window.h"

#include "input/message_box_sink.h"

#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;

// Fraction conversion: mixed number to improper fraction and back, to a decimal, and a
// decimal to a mixed number. Four panels, each working alone on its own fields.
class FractionConversionWindow : public ToolWindow {
    Q_OBJECT

public:
    explicit FractionConversionWindow(MessageSink& sink = defaultMessageSink(),
                                      QWidget* parent = nullptr);

private:
    QWidget* buildToImproper();
    QWidget* buildToFraction();
    QWidget* buildToDecimal();
    QWidget* buildDecimalToFraction();
    QWidget* panelOf(QLabel* heading, QWidget* inputs, QPushButton* button, QWidget* outputs);

    void toImproper();
    void toMixed();
    void toDecimal();
    void fromDecimal();

    // Fraction To Improper
    QLabel* Label1;
    QLineEdit* in1s;
    QLineEdit* in1m;
    QLineEdit* in1d;
    QPushButton* Command1;
    QLabel* sol1m;
    QLabel* sol1d;

    // Improper To Fraction
    QLabel* Label5;
    QLineEdit* in2m;
    QLineEdit* in2d;
    QPushButton* Command2;
    QLabel* sol2s;
    QLabel* sol2m;
    QLabel* sol2d;

    // Fraction To Decimal
    QLabel* Label2;
    QLineEdit* in3s;
    QLineEdit* in3m;
    QLineEdit* in3d;
    QPushButton* Command3;
    QLabel* out3;

    // Decimal To Fraction
    QLabel* Label3;
    QLineEdit* in4;
    QPushButton* Command4;
    QLabel* out4s;
    QLabel* out4m;
    QLabel* out4d;
};
