#include "geometry/cosines_window.h"

#include "geometry/law_of_cosines.h"

namespace {

constexpr auto clearFirst = ClearOrder::ClearThenMessage;
constexpr auto messageFirst = ClearOrder::MessageThenClear;

// The three panels of two sides and the angle between show that angle at a different corner,
// so the pupil can pick the drawing of the exercise; the fourth takes three sides.
const TrianglePanelRow rows[] = {
    {.number = 1,
     .gridRow = 0,
     .gridColumn = 0,
     .solveName = "Command1",
     .solveCaption = "Solve Triangle ",
     .clearName = "Command3",
     .clearCaption = "Clear Triangle",
     .caption = QT_TRANSLATE_NOOP("Triangle", "Two sides and the angle between them"),
     .tabOrder = "abz",
     .places = "zxyabc",
     .inputs = "azb",
     .outputs = "cxy",
     .angleTestAfter = 1,
     .angleMessage = Message::AngleBelow180,
     .solve = solveSideAngleSide},
    {.number = 2,
     .gridRow = 1,
     .gridColumn = 0,
     .solveName = "Command2",
     .solveCaption = "Solve Triangle ",
     .clearName = "Command4",
     .clearCaption = "Clear Triangle ",
     .caption = QT_TRANSLATE_NOOP("Triangle", "Two sides and the angle between them"),
     .tabOrder = "abz",
     .places = "xyzcab",
     .inputs = "azb",
     .outputs = "cxy",
     .angleTestAfter = 1,
     .angleMessage = Message::AnglePositiveAndBelow180,
     .solve = solveSideAngleSide},
    {.number = 3,
     .gridRow = 0,
     .gridColumn = 1,
     .solveName = "Command8",
     .solveCaption = "Solve Triangle",
     .clearName = "Command6",
     .clearCaption = "Clear Triangle ",
     .caption = QT_TRANSLATE_NOOP("Triangle", "Two sides and the angle between them"),
     .tabOrder = "abz",
     .places = "yzxbca",
     .inputs = "azb",
     .outputs = "cxy",
     .angleTestAfter = 1,
     .angleMessage = Message::AnglePositiveAndBelow180,
     .keptOnRefusal = 'z',
     .solve = solveSideAngleSide},
    {.number = 4,
     .gridRow = 1,
     .gridColumn = 1,
     .solveName = "Command7",
     .solveCaption = "Solve Triangle ",
     .clearName = "Command5",
     .clearCaption = "Clear Triangle ",
     .caption = QT_TRANSLATE_NOOP("Triangle", "Three sides"),
     .tabOrder = "abc",
     .places = "zxyabc",
     .inputs = "abc",
     .outputs = "zxy",
     .angleTestAfter = -1,
     .angleMessage = Message::AngleBelow180,
     .solveOrder = messageFirst,
     .trapsReader = true,
     .solve = solveSideSideSide},
};

} // namespace

CosinesWindow::CosinesWindow(MessageSink& sink, QWidget* parent)
    : TriangleSolverWindow("Form10", QStringLiteral("Triangles - The Law Of Cosines"), rows, sink,
                           parent)
{
}
