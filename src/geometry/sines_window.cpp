#include "geometry/sines_window.h"

#include "geometry/law_of_sines.h"

namespace {

constexpr auto messageFirst = ClearOrder::MessageThenClear;
const char* const twoAngles =
    QT_TRANSLATE_NOOP("Triangle", "Two angles and a side opposite one of them");

const TriangleCase anglesXZSideB{.caption = twoAngles,
                                 .inputs = "xzb",
                                 .angleOrder = messageFirst,
                                 .solveOrder = messageFirst,
                                 .solve = solveAnglesXZSideB};

const TriangleCase sidesAndOppositeAngle{
    .caption = QT_TRANSLATE_NOOP("Triangle", "Two sides and an angle opposite one of them"),
    .inputs = "yac",
    .tabOrder = "acy",
    .angleOrder = messageFirst,
    .solve = solveSidesAndOppositeAngle,
    .secondText = secondTriangleText};

const TriangleCase anglesYZSideC{
    .caption = twoAngles, .inputs = "yzc", .angleOrder = messageFirst, .solve = solveAnglesYZSideC};

// Panel 3 is panel 2 mirrored: the known angle y in the lower left corner, side a on the right.
const TrianglePanelRow rows[] = {
    {.solveName = "Command1",
     .clearName = "Command3",
     .clearCaption = "Clear Triangle",
     .solves = anglesXZSideB},
    {.solveName = "Command2",
     .clearName = "Command4",
     .solves = sidesAndOppositeAngle,
     .keptOnRefusal = 'y',
     .heightOrder = messageFirst},
    {.solveName = "Command6",
     .clearName = "Command8",
     .solves = sidesAndOppositeAngle,
     .places = "xyzcab"},
    {.solveName = "Command7", .clearName = "Command5", .solves = anglesYZSideC},
};

} // namespace

SinesWindow::SinesWindow(MessageSink& sink, QWidget* parent)
    : TriangleSolverWindow("Form11", QStringLiteral("Triangles - The Law Of Sines"), rows, sink,
                           parent)
{
}
