#include "geometry/sines_window.h"

#include "geometry/law_of_sines.h"

namespace {

constexpr auto clearFirst = ClearOrder::ClearThenMessage;
constexpr auto messageFirst = ClearOrder::MessageThenClear;
constexpr auto angle = Message::AnglePositiveAndBelow180;

// Panel 3 is panel 2 mirrored: the known angle y in the lower left corner, side a on the right.
const TrianglePanelRow rows[] = {
    {.number = 1,
     .gridRow = 0,
     .gridColumn = 0,
     .solveName = "Command1",
     .solveCaption = "Solve Triangle ",
     .clearName = "Command3",
     .clearCaption = "Clear Triangle",
     .caption = QT_TRANSLATE_NOOP("Triangle", "Two angles and a side opposite one of them"),
     .tabOrder = "xzb",
     .places = "zxyabc",
     .inputs = "xzb",
     .outputs = "cay",
     .angleTestAfter = 1,
     .angleMessage = angle,
     .angleOrder = messageFirst,
     .heightOrder = messageFirst,
     .solveOrder = messageFirst,
     .solve = solveAnglesXZSideB},
    {.number = 2,
     .gridRow = 1,
     .gridColumn = 0,
     .solveName = "Command2",
     .solveCaption = "Solve Triangle ",
     .clearName = "Command4",
     .clearCaption = "Clear Triangle ",
     .caption = QT_TRANSLATE_NOOP("Triangle", "Two sides and an angle opposite one of them"),
     .tabOrder = "acy",
     .places = "zxyabc",
     .inputs = "yac",
     .outputs = "xzb",
     .angleTestAfter = 0,
     .angleMessage = angle,
     .angleOrder = messageFirst,
     .keptOnRefusal = 'y',
     .heightOrder = messageFirst,
     .solve = solveSidesAndOppositeAngle,
     .secondText = secondTriangleText},
    {.number = 3,
     .gridRow = 0,
     .gridColumn = 1,
     .solveName = "Command6",
     .solveCaption = "Solve Triangle ",
     .clearName = "Command8",
     .clearCaption = "Clear Triangle ",
     .caption = QT_TRANSLATE_NOOP("Triangle", "Two sides and an angle opposite one of them"),
     .tabOrder = "acy",
     .places = "xyzcab",
     .inputs = "yac",
     .outputs = "zxb",
     .angleTestAfter = 0,
     .angleMessage = angle,
     .angleOrder = messageFirst,
     .solve = solveSidesAndOppositeAngle,
     .secondText = secondTriangleText},
    {.number = 4,
     .gridRow = 1,
     .gridColumn = 1,
     .solveName = "Command7",
     .solveCaption = "Solve Triangle ",
     .clearName = "Command5",
     .clearCaption = "Clear Triangle ",
     .caption = QT_TRANSLATE_NOOP("Triangle", "Two angles and a side opposite one of them"),
     .tabOrder = "yzc",
     .places = "zxyabc",
     .inputs = "yzc",
     .outputs = "xab",
     .angleTestAfter = 1,
     .angleMessage = angle,
     .angleOrder = messageFirst,
     .solve = solveAnglesYZSideC},
};

} // namespace

SinesWindow::SinesWindow(MessageSink& sink, QWidget* parent)
    : TriangleSolverWindow("Form11", QStringLiteral("Triangles - The Law Of Sines"), rows, sink,
                           parent)
{
}
