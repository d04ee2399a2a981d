#pragma once

#include "geometry/solved_triangle.h"
#include "input/field_reader.h"
#include "input/message_sink.h"
#include "widgets/tool_window.h"

#include <QWidget>

#include <span>

class QLabel;
class QLineEdit;
class QPushButton;
class TriangleFigure;

// When a failing solve empties its panel: before its message, or after it.
enum class ClearOrder { MessageThenClear, ClearThenMessage };

// What a panel solves: the case in a pupil's words, naming its inputs in their Tab order (the
// reading order stays apart, as it decides which refusal a pupil meets first), and how its
// solve fails. Values are named by letter: sides a, b, c; angles x, y, z. The panel writes
// every value it does not read; the angles are tested as soon as the last of them is read.
struct TriangleCase {
    const char* caption;
    const char* inputs;             // in reading order
    const char* tabOrder = nullptr; // where Tab walks them in another order
    // Where an angle out of range empties the panel.
    ClearOrder angleOrder = ClearOrder::ClearThenMessage;
    // The solve fails (a value out of range always clears first).
    ClearOrder solveOrder = ClearOrder::ClearThenMessage;
    bool trapsReader = false; // a field that cannot be computed (1/0) fails as the solve does
    Outcome<TriangleSolution, TriangleRefusal> (*solve)(Real, Real, Real);
    QString (*secondText)(const TriangleSolution&) = nullptr; // names a second triangle
};

// One panel of a triangle window: its buttons, its case, where its six values stand around the
// drawn triangle and what it does apart from the other panels of its case. A window lists its
// four panels down the left column, then the right; their controls are named by letter and
// panel number ("a1").
struct TrianglePanelRow {
    // The captions keep the trailing blank most of them have always had.
    const char* solveName;
    const char* solveCaption = "Solve Triangle ";
    const char* clearName;
    const char* clearCaption = "Clear Triangle ";
    TriangleCase solves;
    const char* places = "zxyabc"; // at: apex, lower left, lower right, left side, right side, base
    const char* clearOrder = "abczyx"; // the order its Clear empties the six
    // An angle read that is not between 0 and 180.
    Message angleMessage = Message::AnglePositiveAndBelow180;
    char keptOnRefusal = 0; // the input whose refusal leaves the panel as it is, or 0
    // Two sides and an opposite angle: the side cannot reach.
    ClearOrder heightOrder = ClearOrder::ClearThenMessage;
};

// A window of four triangle panels in a frame, under a heading, above the notice that angles
// are in degrees. Every panel is built from its row and solved on the one click path.
class TriangleSolverWindow : public ToolWindow {
    Q_OBJECT

protected:
    TriangleSolverWindow(const char* name, const QString& title,
                         std::span<const TrianglePanelRow> rows, MessageSink& sink,
                         QWidget* parent);

private:
    struct Panel {
        const TrianglePanelRow* row = nullptr;
        int number = 0;
        // By letter (a, b, c, x, y, z): a field where the panel reads it, else a label.
        QLineEdit* fields[6] = {};
        QLabel* labels[6] = {};
        QLabel* second = nullptr;
    };

    QWidget* buildPanel(Panel& panel);
    TriangleFigure* buildFigure(Panel& panel, QWidget* widget);

    static PanelParts partsOf(const Panel& panel, QPushButton* solve, QPushButton* clear);
    void solve(Panel& panel);
    std::optional<QList<Real>> readInputs(Panel& panel);
    void clear(Panel& panel);
    void fail(Panel& panel, Message message, ClearOrder order);

    Panel m_panels[4];
};
