#pragma once

#include "geometry/triangle_solver_window.h"
#include "input/message_box_sink.h"

// Solves a triangle by the law of cosines: from two sides and the angle between them, drawn
// three ways, or from three sides.
class CosinesWindow : public TriangleSolverWindow {
    Q_OBJECT

public:
    explicit CosinesWindow(MessageSink& sink = defaultMessageSink(), QWidget* parent = nullptr);
};
