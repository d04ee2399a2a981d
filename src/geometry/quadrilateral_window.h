#pragma once

#include "widgets/task_window.h"

// Areas, perimeters and missing sides of squares, rectangles, trapeziums, parallelograms and
// rhombuses: seventeen tasks in eleven framed boxes, four sections.
class QuadrilateralWindow : public TaskWindow {
    Q_OBJECT

public:
    explicit QuadrilateralWindow(MessageSink& sink = defaultMessageSink(),
                                 QWidget* parent = nullptr);
};
