#include "geometry/cosines_window.h"

#include "geometry/law_of_cosines.h"

namespace {

const TriangleCase sideAngleSide{
    .caption = QT_TRANSLATE_NOOP("Triangle", "Two sides and the angle between them"),
    .inputs = "azb",
    .tabOrder = "abz",
    .solve = solveSideAngleSide};

const TriangleCase threeSides{.caption = QT_TRANSLATE_NOOP("Triangle", "Three sides"),
                              .inputs = "abc",
                              .solveOrder = ClearOrder::MessageThenClear,
                              .trapsReader = true,
                              .solve = solveSideSideSide};

// The three panels of two sides and the angle between show that angle at a different corner,
// so the pupil can pick the drawing of the exercise; the fourth takes three sides.
const TrianglePanelRow rows[] = {
    {.solveName = "Command1",
     .clearName = "Command3",
     .clearCaption = "Clear Triangle",
     .solves = sideAngleSide,
     .angleMessage = Message::AngleBelow180},
    {.solveName = "Command2", .clearName = "Command4", .solves = sideAngleSide, .places = "xyzcab"},
    {.solveName = "Command8",
     .solveCaption = "Solve Triangle",
     .clearName = "Command6",
     .solves = sideAngleSide,
     .places = "yzxbca",
     .keptOnRefusal = 'z'},
    {.solveName = "Command7", .clearName = "Command5", .solves = threeSides},
};

} // namespace

CosinesWindow::CosinesWindow(MessageSink& sink, QWidget* parent)
    : TriangleSolverWindow("Form10", QStringLiteral("Triangles - The Law Of Cosines"), rows, sink,
                           parent)
{
}
