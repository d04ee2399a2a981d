#pragma once

#include "widgets/tool_window.h"

#include "input/message_box_sink.h"

// Solves A*X^2 + B*X + C = 0 for its real roots.
class QuadraticWindow : public ToolWindow {
    Q_OBJECT

public:
    explicit QuadraticWindow(MessageSink& sink = defaultMessageSink(), QWidget* parent = nullptr);

private:
    struct Tools; // the equation's controls and its click path
};
