#include "geometry/triangle_area_window.h"

#include "geometry/triangle_area.h"
#include "widgets/tips.h"
#include "widgets/working_panel.h"

#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace {

// The five tasks, row by row; fields in reading order, placed by their column.
const TaskBox boxes[] = {
    {"Base And Height",
     nullptr,
     {{"b1", "Label2", "Base", 0}, {"h1", "Label5", "Height", 1}},
     {{"Command1", "Find Area", withInputs<triangleArea>}},
     "o1"},
    {"Area And Base",
     nullptr,
     {{"b2", "Label6", "Base", 1}, {"s2", "Label3", "Area", 0}},
     {{"Command2", "Find Height", withInputs<triangleHeight>}},
     "o2"},
    {"Area And Height",
     nullptr,
     {{"h3", "Label14", "Height", 1}, {"s3", "Label4", "Area", 0}},
     {{"Command7", "Find Base", withInputs<triangleBase>}},
     "o3"},
    {"Three Sides",
     nullptr,
     {{"a4", "Label21", "Side A", 0},
      {"b4", "Label23", "Side B", 1},
      {"c4", "Label24", "Side C", 2}},
     {{"Command9", "Find Perimeter", withInputs<trianglePerimeter>}},
     "o4"},
    {"Heron's Formula",
     nullptr,
     {{"a5", "Label16", "Side A", 0},
      {"b5", "Label18", "Side B", 1},
      {"c5", "Label19", "Side C", 2}},
     {{"Command11", "Find Area", withInputs<heronArea>}},
     "o5"},
};

constexpr const char* base = QT_TRANSLATE_NOOP("Tip", "The base: the side the height stands on");
constexpr const char* height =
    QT_TRANSLATE_NOOP("Tip", "The height: from the base straight up to the corner facing it");
constexpr const char* area = QT_TRANSLATE_NOOP("Tip", "The area of the triangle");
constexpr const char* sideA = QT_TRANSLATE_NOOP("Tip", "Side A: one side of the triangle");
constexpr const char* sideB = QT_TRANSLATE_NOOP("Tip", "Side B: a second side");
constexpr const char* sideC = QT_TRANSLATE_NOOP("Tip", "Side C: the third side");

const Tip tips[] = {
    {"b1", base},
    {"h1", height},
    {"o1", area},
    {"b2", base},
    {"s2", area},
    {"o2", QT_TRANSLATE_NOOP("Tip", "The height on that base")},
    {"h3", height},
    {"s3", area},
    {"o3", QT_TRANSLATE_NOOP("Tip", "The base under that height")},
    {"a4", sideA},
    {"b4", sideB},
    {"c4", sideC},
    {"o4", QT_TRANSLATE_NOOP("Tip", "The perimeter: the three sides together")},
    {"a5", sideA},
    {"b5", sideB},
    {"c5", sideC},
    {"o5", QT_TRANSLATE_NOOP("Tip", "The area, found from the three sides alone")},
};

} // namespace

TriangleAreaWindow::TriangleAreaWindow(MessageSink& sink, QWidget* parent)
    : TaskWindow("Form9", QStringLiteral("Triangle - Areas And Perimeters"), sink, parent)
{
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(24);
    grid->setVerticalSpacing(16);
    for (int i = 0; i < 4; ++i)
        grid->addWidget(buildBox(boxes[i]), i / 2, i % 2);
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
    applyTips(this, tips);
}
