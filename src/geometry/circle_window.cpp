#include "geometry/circle_window.h"

#include "geometry/circle.h"
#include "widgets/controls.h"
#include "widgets/tips.h"
#include "widgets/working_panel.h"

#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace {

// The six boxes, left to right and row by row.
const TaskBox boxes[] = {
    {"Radius",
     nullptr,
     {{"r1", "Label2", "Radius", 0}},
     {{"Command1", "Find Area", withInputs<circleAreaFromRadius>},
      {"Command3", "Find Perimeter", withInputs<circlePerimeterFromRadius>}},
     "o1"},
    {"Diameter",
     nullptr,
     {{"d1", "Label3", "Diameter", 0}},
     {{"Command2", "Find Area", withInputs<circleAreaFromDiameter>},
      {"Command4", "Find Perimeter", withInputs<circlePerimeterFromDiameter>}},
     "o2"},
    {"Area",
     nullptr,
     {{"a1", "Label34", "Area", 0}},
     {{"Command23", "Find Radius", withInputs<circleRadiusFromArea>},
      {"Command21", "Find Diameter", withInputs<circleDiameterFromArea>}},
     "o3"},
    {"Perimeter",
     nullptr,
     {{"p1", "Label5", "Perimeter", 0}},
     {{"Command10", "Find Radius", withInputs<circleRadiusFromPerimeter>},
      {"Command8", "Find Diameter", withInputs<circleDiameterFromPerimeter>}},
     "o4"},
    {"Area",
     nullptr,
     {{"a2", "Label7", "Area", 0}},
     {{"Command5", "Find Perimeter", withInputs<circlePerimeterFromArea>}},
     "o5"},
    {"Perimeter",
     nullptr,
     {{"p2", "Label8", "Perimeter", 0}},
     {{"Command6", "Find Area", withInputs<circleAreaFromPerimeter>}},
     "o6"},
};

constexpr const char* area = QT_TRANSLATE_NOOP("Tip", "The area: the surface inside the circle");
constexpr const char* circumference =
    QT_TRANSLATE_NOOP("Tip", "The circumference: the length around the circle");

const Tip tips[] = {
    {"r1", QT_TRANSLATE_NOOP("Tip", "The radius: from the centre to the circle")},
    {"o1", QT_TRANSLATE_NOOP("Tip", "The area or the circumference, as asked")},
    {"d1", QT_TRANSLATE_NOOP(
               "Tip", "The diameter: across the circle through its centre, twice the radius")},
    {"o2", QT_TRANSLATE_NOOP("Tip", "The area or the circumference, as asked")},
    {"a1", area},
    {"o3", QT_TRANSLATE_NOOP("Tip", "The radius or the diameter, as asked")},
    {"p1", circumference},
    {"o4", QT_TRANSLATE_NOOP("Tip", "The radius or the diameter, as asked")},
    {"a2", area},
    {"o5", circumference},
    {"p2", circumference},
    {"o6", area},
};

} // namespace

CircleWindow::CircleWindow(MessageSink& sink, QWidget* parent)
    : TaskWindow("Form7", QStringLiteral("Circle - Areas And Perimeters"), sink, parent)
{
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(24);
    grid->setVerticalSpacing(16);
    int place = 0;
    for (const TaskBox& box : boxes) {
        grid->addWidget(buildBox(box), place / 2, place % 2);
        ++place;
    }
    evenButtons();

    auto* window = new QVBoxLayout(this);
    window->addWidget(makeTitle("Label1", windowTitle()));
    window->addLayout(grid);
    // A small mark in the corner that the window has always carried.
    window->addWidget(makeLabel("Label28", QStringLiteral("Label1"), this), 0, Qt::AlignLeft);
    window->addWidget(workingPanel());
    chainBoxes(boxes);
    applyTips(this, tips);
}
