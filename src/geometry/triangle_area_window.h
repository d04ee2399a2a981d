#pragma once

#include "widgets/task_window.h"

// A triangle's area, height, base and perimeter, and its area by Heron's formula.
class TriangleAreaWindow : public TaskWindow {
    Q_OBJECT

public:
    explicit TriangleAreaWindow(MessageSink& sink = defaultMessageSink(),
                                QWidget* parent = nullptr);
};
