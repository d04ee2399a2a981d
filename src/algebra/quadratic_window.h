#pragma once

#include "widgets/tool_window.h"

#include "input/message_box_sink.h"

class QFrame;
class QLayout;

// Solves A*X^2 + B*X + C = 0 for its real roots.
class QuadraticWindow : public ToolWindow {
    Q_OBJECT

public:
    explicit QuadraticWindow(MessageSink& sink = defaultMessageSink(), QWidget* parent = nullptr);

private:
    QFrame* buildFormula();
    QLayout* buildInputs();
    QLayout* buildResults();

    void solve();

    QLineEdit* a;
    QLineEdit* b;
    QLineEdit* c;
    QPushButton* Command1;
    QLabel* x1;
    QLabel* x2;
};
