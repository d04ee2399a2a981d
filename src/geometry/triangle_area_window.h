#pragma once

#include "geometry/task_window.h"

// A triangle's area, height, base and perimeter, and its area by Heron's formula.
class Form9 : public TaskWindow {
    Q_OBJECT

public:
    explicit Form9(MessageSink& sink = defaultMessageSink(), QWidget* parent = nullptr);
};
