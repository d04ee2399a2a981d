#pragma once

#include "geometry/task_window.h"

// One known measure of a circle turned into another: six boxes in three rows of two.
class Form7 : public TaskWindow {
    Q_OBJECT

public:
    explicit Form7(MessageSink& sink = defaultMessageSink(), QWidget* parent = nullptr);
};
