#pragma once

#include "widgets/tool_window.h"

#include "input/message_box_sink.h"

// The weighted mean, variance and standard deviation of a list typed on one line.
class StatisticsWindow : public ToolWindow {
    Q_OBJECT

public:
    explicit StatisticsWindow(MessageSink& sink = defaultMessageSink(), QWidget* parent = nullptr);

private:
    struct Tools; // the lists, buttons and answer, and the click path they share
};
