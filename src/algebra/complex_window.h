#pragma once

#include "widgets/tool_window.h"

#include "algebra/complex_numbers.h"
#include "input/field_reader.h"
#include "input/message_box_sink.h"

#include <QWidget>

class QGridLayout;
class QLabel;
class QLayout;
class QLineEdit;
class QPushButton;
class WorkingPanel;

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
    void showText(QLabel* output, const Outcome<QString>& outcome, const QString& heading);

    // Operations
    QLabel* Label17;
    QLabel* Label9;
    QLabel* Label10;
    QLabel* Label5;
    QLabel* Label13;
    QLabel* Label16;
    QLabel* Label11;
    QLabel* Label12;
    QLabel* Label6;
    QLabel* Label14;
    QLabel* Label15;
    QLabel* Label7;
    QLabel* Label8;
    QLineEdit* r1;
    QLineEdit* i1;
    QLineEdit* op;
    QLineEdit* r2;
    QLineEdit* i2;
    QPushButton* Command1;
    QLabel* o1;
    QLabel* o2;

    // Power of i
    QLabel* Label18;
    QLabel* Label2;
    QLineEdit* p;
    QPushButton* Command2;
    QLabel* o3;

    // Polar form
    QLabel* Label19;
    QLabel* Label3;
    QLabel* fdf;
    QLabel* Label4;
    QLabel* Label21;
    QLineEdit* re3;
    QLineEdit* im3;
    QPushButton* Command3;
    QLabel* o4;
};
