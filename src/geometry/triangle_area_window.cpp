#include "geometry/triangle_area_window.h"

#include "geometry/triangle_area.h"
#include "widgets/working_panel.h"

#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace {

constexpr const char* base = QT_TRANSLATE_NOOP("Tip", "The base: the side the height stands on");
constexpr const char* height =
    QT_TRANSLATE_NOOP("Tip", "The height: from the base straight up to the corner facing it");
constexpr const char* area = QT_TRANSLATE_NOOP("Tip", "The area of the triangle");
constexpr const char* sideA = QT_TRANSLATE_NOOP("Tip", "Side A: one side of the triangle");
constexpr const char* sideB = QT_TRANSLATE_NOOP("Tip", "Side B: a second side");
constexpr const char* sideC = QT_TRANSLATE_NOOP("Tip", "Side C: the third side");

// The five tasks, row by row; fields in reading order.
const TaskBox boxes[] = {
    {.title = "Base And Height",
     .fields = {{{"b1", "Label2", "Base", base}, {"h1", "Label5", "Height", height}}},
     .buttons = {{{"Command1", "Find Area", withInputs<triangleArea>}}},
     .output = "o1",
     .outputTip = area},
    {.title = "Area And Base",
     .fields = {{{"b2", "Label6", "Base", base, 1}, {"s2", "Label3", "Area", area, 0}}},
     .buttons = {{{"Command2", "Find Height", withInputs<triangleHeight>}}},
     .output = "o2",
     .outputTip = QT_TRANSLATE_NOOP("Tip", "The height on that base")},
    {.title = "Area And Height",
     .fields = {{{"h3", "Label14", "Height", height, 1}, {"s3", "Label4", "Area", area, 0}}},
     .buttons = {{{"Command7", "Find Base", withInputs<triangleBase>}}},
     .output = "o3",
     .outputTip = QT_TRANSLATE_NOOP("Tip", "The base under that height")},
    {.title = "Three Sides",
     .fields = {{{"a4", "Label21", "Side A", sideA},
                 {"b4", "Label23", "Side B", sideB},
                 {"c4", "Label24", "Side C", sideC}}},
     .buttons = {{{"Command9", "Find Perimeter", withInputs<trianglePerimeter>}}},
     .output = "o4",
     .outputTip = QT_TRANSLATE_NOOP("Tip", "The perimeter: the three sides together")},
    {.title = "Heron's Formula",
     .fields = {{{"a5", "Label16", "Side A", sideA},
                 {"b5", "Label18", "Side B", sideB},
                 {"c5", "Label19", "Side C", sideC}}},
     .buttons = {{{"Command11", "Find Area", withInputs<heronArea>}}},
     .output = "o5",
     .outputTip = QT_TRANSLATE_NOOP("Tip", "The area, found from the three sides alone")},
};

} // namespace

TriangleAreaWindow::TriangleAreaWindow(MessageSink& sink, QWidget* parent)
    : TaskWindow("Form9", QStringLiteral("Triangle - Areas And Perimeters"), sink, parent)
{
    QGridLayout* grid = buildPairs(std::span(boxes).first(4));
    grid->addWidget(
        makeHeading("Label15", QStringLiteral("Heron's Formula  For Finding Area Of A Triangle")),
        2, 0, 1, 2);
    grid->addWidget(buildBox(boxes[4]), 3, 0);
    evenButtons();

    auto* window = new QVBoxLayout(this);
    window->addWidget(makeTitle("Label1", windowTitle()));
    window->addLayout(grid);
    window->addWidget(workingPanel());
    chainBoxes(boxes);
}
