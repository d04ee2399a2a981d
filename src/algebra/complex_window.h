#pragma once

#include "widgets/tool_window.h"

#include "input/message_box_sink.h"

// Complex numbers: the four operations, powers of i, and the polar form.
class ComplexWindow : public ToolWindow {
    Q_OBJECT

public:
    explicit ComplexWindow(MessageSink& sink = defaultMessageSink(), QWidget* parent = nullptr);

private:
    struct Tools; // the controls of the three tools and their click paths
};
