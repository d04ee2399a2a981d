#include "geometry/sines_window.h"

#include "geometry/law_of_sines.h"

namespace {

constexpr auto clearFirst = ClearOrder::ClearThenMessage;
constexpr auto messageFirst = ClearOrder::MessageThenClear;
constexpr auto angle = Message::AnglePositiveAndBelow180;

// Panel 3 is panel 2 mirrored: the known angle y in the lower left corner, side a on the right.
const TrianglePanelRow rows[] = {
    // clang-format off
    {1, 0, 0, "Command1", "Solve Triangle ", "Command3", "Clear Triangle", "zxyabc", "xzb",
     "cay", "abczyx", 1, angle, messageFirst, 0, messageFirst, messageFirst, false,
     solveAnglesXZSideB, nullptr},
    {2, 1, 0, "Command2", "Solve Triangle ", "Command4", "Clear Triangle ", "zxyabc", "yac",
     "xzb", "abczyx", 0, angle, messageFirst, 'y', messageFirst, clearFirst, false,
     solveSidesAndOppositeAngle, secondTriangleText},
    {3, 0, 1, "Command6", "Solve Triangle ", "Command8", "Clear Triangle ", "xyzcab", "yac",
     "zxb", "abczyx", 0, angle, messageFirst, 0, clearFirst, clearFirst, false,
     solveSidesAndOppositeAngle, secondTriangleText},
    {4, 1, 1, "Command7", "Solve Triangle ", "Command5", "Clear Triangle ", "zxyabc", "yzc",
     "xab", "abczyx", 1, angle, messageFirst, 0, clearFirst, clearFirst, false,
     solveAnglesYZSideC, nullptr},
    // clang-format on
};

} // namespace

SinesWindow::SinesWindow(MessageSink& sink, QWidget* parent)
    : TriangleSolverWindow("Form11", QStringLiteral("Triangles - The Law Of Sines"), rows, sink,
                           parent)
{
}
