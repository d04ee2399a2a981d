#pragma once

#include "widgets/tool_window.h"

#include "input/message_box_sink.h"

// Operators on fractions: + - * / and < > = on two mixed numbers in the upper half; the
// common denominator and the reduction of a fraction in the lower half.
class FractionOperatorsWindow : public ToolWindow {
    Q_OBJECT

public:
    explicit FractionOperatorsWindow(MessageSink& sink = defaultMessageSink(),
                                     QWidget* parent = nullptr);

private:
    struct Tools; // the controls of the three tools and their click paths
};
