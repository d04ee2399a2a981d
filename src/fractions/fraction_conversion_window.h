#pragma once

#include "widgets/tool_window.h"

#include "input/message_box_sink.h"

// Fraction conversion: mixed number to improper fraction and back, to a decimal, and a
// decimal to a mixed number. Four panels, each working alone on its own fields.
class FractionConversionWindow : public ToolWindow {
    Q_OBJECT

public:
    explicit FractionConversionWindow(MessageSink& sink = defaultMessageSink(),
                                      QWidget* parent = nullptr);

private:
    struct Panel; // a panel's controls and its click path, made from the panels' table
};
