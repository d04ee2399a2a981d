#include "geometry/circle_window.h"

#include "geometry/circle.h"
#include "widgets/controls.h"
#include "widgets/working_panel.h"

#include <QLabel>
#include <QVBoxLayout>

namespace {

constexpr const char* radius =
    QT_TRANSLATE_NOOP("Tip", "The radius: from the centre to the circle");
constexpr const char* diameter = QT_TRANSLATE_NOOP(
    "Tip", "The diameter: across the circle through its centre, twice the radius");
constexpr const char* area = QT_TRANSLATE_NOOP("Tip", "The area: the surface inside the circle");
constexpr const char* circumference =
    QT_TRANSLATE_NOOP("Tip", "The circumference: the length around the circle");
constexpr const char* areaOrCircumference =
    QT_TRANSLATE_NOOP("Tip", "The area or the circumference, as asked");
constexpr const char* radiusOrDiameter =
    QT_TRANSLATE_NOOP("Tip", "The radius or the diameter, as asked");

// The six boxes, left to right and row by row.
const TaskBox boxes[] = {
    {.title = "Radius",
     .fields = {{{"r1", "Label2", "Radius", radius}}},
     .buttons = {{{"Command1", "Find Area", withInputs<circleAreaFromRadius>},
                  {"Command3", "Find Perimeter", withInputs<circlePerimeterFromRadius>}}},
     .output = "o1",
     .outputTip = areaOrCircumference},
    {.title = "Diameter",
     .fields = {{{"d1", "Label3", "Diameter", diameter}}},
     .buttons = {{{"Command2", "Find Area", withInputs<circleAreaFromDiameter>},
                  {"Command4", "Find Perimeter", withInputs<circlePerimeterFromDiameter>}}},
     .output = "o2",
     .outputTip = areaOrCircumference},
    {.title = "Area",
     .fields = {{{"a1", "Label34", "Area", area}}},
     .buttons = {{{"Command23", "Find Radius", withInputs<circleRadiusFromArea>},
                  {"Command21", "Find Diameter", withInputs<circleDiameterFromArea>}}},
     .output = "o3",
     .outputTip = radiusOrDiameter},
    {.title = "Perimeter",
     .fields = {{{"p1", "Label5", "Perimeter", circumference}}},
     .buttons = {{{"Command10", "Find Radius", withInputs<circleRadiusFromPerimeter>},
                  {"Command8", "Find Diameter", withInputs<circleDiameterFromPerimeter>}}},
     .output = "o4",
     .outputTip = radiusOrDiameter},
    {.title = "Area",
     .fields = {{{"a2", "Label7", "Area", area}}},
     .buttons = {{{"Command5", "Find Perimeter", withInputs<circlePerimeterFromArea>}}},
     .output = "o5",
     .outputTip = circumference},
    {.title = "Perimeter",
     .fields = {{{"p2", "Label8", "Perimeter", circumference}}},
     .buttons = {{{"Command6", "Find Area", withInputs<circleAreaFromPerimeter>}}},
     .output = "o6",
     .outputTip = area},
};

} // namespace

CircleWindow::CircleWindow(MessageSink& sink, QWidget* parent)
    : TaskWindow("Form7", QStringLiteral("Circle - Areas And Perimeters"), sink, parent)
{
    auto* window = new QVBoxLayout(this);
    window->addWidget(makeTitle("Label1", windowTitle()));
    window->addLayout(buildPairs(boxes));
    // A small mark in the corner that the window has always carried.
    window->addWidget(makeLabel("Label28", QStringLiteral("Label1"), this), 0, Qt::AlignLeft);
    window->addWidget(workingPanel());
    chainBoxes(boxes);
}
