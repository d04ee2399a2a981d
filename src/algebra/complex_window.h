#pragma once

#include "widgets/tool_window.h"

#include "input/message_box_sink.h"

class QLayout;

// Complex numbers: the four operations, powers of i, and the polar form.
class ComplexWindow : public ToolWindow {
    Q_OBJECT

public:
    explicit ComplexWindow(MessageSink& sink = defaultMessageSink(), QWidget* parent = nullptr);

private:
    QLayout* buildOperations();
    QLayout* buildOperationsRow();
    QLayout* buildPower();
    QLayout* buildPolar();

    void operate();
    void raiseI();
    void toPolar();

    // The controls the click paths use.
    QLineEdit* r1;
    QLineEdit* i1;
    QLineEdit* op;
    QLineEdit* r2;
    QLineEdit* i2;
    QPushButton* Command1;
    QLabel* o1;
    QLabel* o2;
    QLineEdit* p;
    QPushButton* Command2;
    QLabel* o3;
    QLineEdit* re3;
    QLineEdit* im3;
    QPushButton* Command3;
    QLabel* o4;
};
