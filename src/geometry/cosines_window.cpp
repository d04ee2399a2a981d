#include "geometry/cosines_window.h"

#include "geometry/law_of_cosines.h"

namespace {

constexpr auto clearFirst = ClearOrder::ClearThenMessage;
constexpr auto messageFirst = ClearOrder::MessageThenClear;

// The three panels of two sides and the angle between show that angle at a different corner,
// so the pupil can pick the drawing of the exercise; the fourth takes three sides.
const TrianglePanelRow rows[] = {
    // clang-format off
    {1, 0, 0, "Command1", "Solve Triangle ", "Command3", "Clear Triangle", "zxyabc", "azb",
     "cxy", "abczyx", 1, Message::AngleBelow180, clearFirst, 0, clearFirst, clearFirst, false,
     solveSideAngleSide, nullptr},
    {2, 1, 0, "Command2", "Solve Triangle ", "Command4", "Clear Triangle ", "xyzcab", "azb",
     "cxy", "abczyx", 1, Message::AnglePositiveAndBelow180, clearFirst, 0, clearFirst,
     clearFirst, false, solveSideAngleSide, nullptr},
    {3, 0, 1, "Command8", "Solve Triangle", "Command6", "Clear Triangle ", "yzxbca", "azb",
     "cxy", "abczyx", 1, Message::AnglePositiveAndBelow180, clearFirst, 'z', clearFirst,
     clearFirst, false, solveSideAngleSide, nullptr},
    {4, 1, 1, "Command7", "Solve Triangle ", "Command5", "Clear Triangle ", "zxyabc", "abc",
     "zxy", "abczyx", -1, Message::AngleBelow180, clearFirst, 0, clearFirst, messageFirst, true,
     solveSideSideSide, nullptr},
    // clang-format on
};

} // namespace

CosinesWindow::CosinesWindow(MessageSink& sink, QWidget* parent)
    : TriangleSolverWindow("Form10", QStringLiteral("Triangles - The Law Of Cosines"), rows, sink,
                           parent)
{
}
