#pragma once

#include "geometry/triangle_solver_window.h"
#include "input/message_box_sink.h"

// Solves a triangle by the law of sines: from two angles and a side, or from two sides and
// the angle opposite one of them, naming the second triangle where two fit.
class SinesWindow : public TriangleSolverWindow {
    Q_OBJECT

public:
    explicit SinesWindow(MessageSink& sink = defaultMessageSink(), QWidget* parent = nullptr);
};
