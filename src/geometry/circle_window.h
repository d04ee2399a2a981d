#pragma once

#include "widgets/task_window.h"

// One known measure of a circle turned into another: six boxes in three rows of two.
class CircleWindow : public TaskWindow {
    Q_OBJECT

public:
    explicit CircleWindow(MessageSink& sink = defaultMessageSink(), QWidget* parent = nullptr);
};
