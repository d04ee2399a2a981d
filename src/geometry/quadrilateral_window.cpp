#include "geometry/quadrilateral_window.h"

#include "geometry/quadrilateral.h"
#include "widgets/controls.h"
#include "widgets/working_panel.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace {

constexpr const char* sideA = QT_TRANSLATE_NOOP("Tip", "Side A: one side");
constexpr const char* sideB = QT_TRANSLATE_NOOP("Tip", "Side B: the side next to side A");
constexpr const char* base = QT_TRANSLATE_NOOP("Tip", "The base: the side the height stands on");
constexpr const char* height =
    QT_TRANSLATE_NOOP("Tip", "The height: the distance from the base to the side facing it");
constexpr const char* perimeter =
    QT_TRANSLATE_NOOP("Tip", "The perimeter: the four sides together");
constexpr const char* areaOrPerimeter =
    QT_TRANSLATE_NOOP("Tip", "The area or the perimeter, as asked");

// The eleven boxes, section by section, left to right.
const TaskBox boxes[] = {
    {.title = "Square",
     .frame = "Shape1",
     .fields = {{{"s1", "Label2", "Side", QT_TRANSLATE_NOOP("Tip", "The side of the square")}}},
     .buttons = {{{"Command1", "Find Area", withInputs<squareArea>},
                  {"Command3", "Find Perimeter", withInputs<squarePerimeter>}}},
     .output = "o1",
     .outputTip = areaOrPerimeter},
    {.title = "Square",
     .frame = "Shape2",
     .fields = {{{"a1", "Label3", "Area", QT_TRANSLATE_NOOP("Tip", "The area of the square")}}},
     .buttons = {{{"Command2", "Find Side", withInputs<squareSideFromArea>},
                  {"Command4", "Find Perimeter", withInputs<squarePerimeterFromArea>}}},
     .output = "o2",
     .outputTip = QT_TRANSLATE_NOOP("Tip", "The side or the perimeter, as asked")},
    {.title = "Square",
     .frame = "Shape3",
     .fields = {{{"p1", "Label4", "Perimeter", perimeter}}},
     .buttons = {{{"Command7", "Find Side", withInputs<squareSideFromPerimeter>},
                  {"Command9", "Find Area", withInputs<squareAreaFromPerimeter>}}},
     .output = "o3",
     .outputTip = QT_TRANSLATE_NOOP("Tip", "The side or the area, as asked")},
    {.title = "Trapezium",
     .frame = "Shape4",
     .fields =
         {{{"a2", "Label15", "Side A",
            QT_TRANSLATE_NOOP("Tip", "Side A: one of the two parallel sides")},
           {"b2", "Label17", "Side B", QT_TRANSLATE_NOOP("Tip", "Side B: the other parallel side")},
           {"h2", "Label18", "Height",
            QT_TRANSLATE_NOOP("Tip", "The height: the distance between the parallel sides")}}},
     .buttons = {{{"Command13", "Find Area", withInputs<trapeziumArea>}}},
     .output = "o4",
     .outputTip = QT_TRANSLATE_NOOP("Tip", "The area of the trapezium")},
    {.title = "Perpendicular Diagonals",
     .frame = "Shape5",
     .fields = {{{"hh1", "Label30", "Height A",
                  QT_TRANSLATE_NOOP("Tip", "Height A: the first diagonal")},
                 {"hh2", "Label29", "Height B",
                  QT_TRANSLATE_NOOP("Tip", "Height B: the second diagonal")}}},
     .buttons = {{{"Command11", "Find Area", withInputs<perpendicularDiagonalsArea>}}},
     .output = "o11",
     .outputTip = QT_TRANSLATE_NOOP("Tip", "The area: half the first diagonal times the second")},
    {.title = "Rectangle",
     .frame = "Shape6",
     .fields = {{{"a3", "Label7", "Side A", sideA}, {"b3", "Label6", "Side B", sideB}}},
     .buttons = {{{"Command5", "Find Area", withInputs<rectangleArea>},
                  {"Command8", "Find Perimeter", withInputs<rectanglePerimeter>}}},
     .output = "o5",
     .outputTip = areaOrPerimeter},
    {.title = "Rectangle",
     .frame = "Shape7",
     .fields = {{{"a6", "Label19", "Side A", sideA},
                 {"ar6", "Label20", "Area",
                  QT_TRANSLATE_NOOP("Tip", "The area of the rectangle")}}},
     .buttons = {{{"Command15", "Find B", withInputs<rectangleSideFromArea>},
                  {"Command14", "Find Perimeter", withInputs<rectanglePerimeterFromArea>}}},
     .output = "o6",
     .outputTip = QT_TRANSLATE_NOOP("Tip", "Side B or the perimeter, as asked")},
    {.title = "Rectangle",
     .frame = "Shape8",
     .fields = {{{"a7", "Label11", "Side A", sideA}, {"p7", "Label10", "Perimeter", perimeter}}},
     .buttons = {{{"Command10", "Find B", withInputs<rectangleSideFromPerimeter>},
                  {"Command6", "Find Area", withInputs<rectangleAreaFromPerimeter>}}},
     .output = "o7",
     .outputTip = QT_TRANSLATE_NOOP("Tip", "Side B or the area, as asked")},
    {.title = "Parallelogram And Rhombus",
     .frame = "Shape9",
     .fields = {{{"b6", "Label25", "Base", base}, {"h6", "Label23", "Height", height}}},
     .buttons = {{{"Command19", "Find Area", withInputs<parallelogramArea>}}},
     .output = "o8",
     .outputTip = QT_TRANSLATE_NOOP("Tip", "The area: the base times the height")},
    {.title = "Parallelogram And Rhombus",
     .frame = "Shape10",
     .fields =
         {{{"b7", "Label21", "Base/Height", QT_TRANSLATE_NOOP("Tip", "The base, or the height")},
           {"ar7", "Label16", "Area", QT_TRANSLATE_NOOP("Tip", "The area of the parallelogram")}}},
     .buttons = {{{"Command16", "Find Height/Base", withInputs<parallelogramOtherFromArea>}}},
     .output = "o9",
     .outputTip = QT_TRANSLATE_NOOP(
         "Tip", "The height for the base given, or the base for the height given")},
    {.title = "Parallelogram And Rhombus",
     .frame = "Shape11",
     .fields = {{{"a8", "Label12", "Side A", sideA}, {"b8", "Label13", "Side B", sideB}}},
     .buttons = {{{"Command17", "Find Perimeter", withInputs<parallelogramPerimeter>}}},
     .output = "o10",
     .outputTip = perimeter},
};

// The trapezium and the perpendicular diagonals share the second section, each under its own
// heading, their frames level.
QGridLayout* sharedSection(QWidget* trapezium, QWidget* diagonals, QWidget* window)
{
    auto* shared = new QGridLayout;
    shared->setHorizontalSpacing(12);
    shared->addWidget(makeHeading("Label14", QStringLiteral("Trapezium"), window), 0, 0, 2, 1,
                      Qt::AlignLeft | Qt::AlignBottom);
    shared->addWidget(makeHeading("Label31",
                                  QStringLiteral("Quadrilateral which two of its "
                                                 "diagonals are verticals"),
                                  window),
                      0, 1);
    shared->addWidget(
        makeLabel("Label8", QStringLiteral("like Rhombus , Square , Dalton "), window), 1, 1);
    shared->addWidget(trapezium, 2, 0);
    shared->addWidget(diagonals, 2, 1);
    shared->setColumnStretch(0, 1);
    shared->setColumnStretch(1, 1);
    return shared;
}

} // namespace

QuadrilateralWindow::QuadrilateralWindow(MessageSink& sink, QWidget* parent)
    : TaskWindow("Form8", QStringLiteral("Quadrilateral - Areas And Perimeters"), sink, parent)
{
    // The three-box sections stand in three equal columns, frame under frame.
    QList<QWidget*> columns;
    const auto buildRow = [&](int first) {
        auto* row = new QHBoxLayout;
        row->setSpacing(12);
        for (int i = first; i < first + 3; ++i) {
            columns << buildBox(boxes[i]);
            row->addWidget(columns.last(), 1);
        }
        return row;
    };

    QWidget* trapezium = buildBox(boxes[3]);
    QGridLayout* shared = sharedSection(trapezium, buildBox(boxes[4]), this);

    auto* window = new QVBoxLayout(this);
    window->addWidget(makeTitle("Label1", windowTitle()));
    window->addWidget(makeHeading("Label9", QStringLiteral("Square")));
    window->addLayout(buildRow(0));
    window->addWidget(makeRule("Line1", this));
    window->addLayout(shared);
    window->addWidget(makeRule("Line2", this));
    window->addWidget(makeHeading("Label5", QStringLiteral("Rectangle")));
    window->addLayout(buildRow(5));
    window->addWidget(makeRule("Line3", this));
    window->addWidget(makeHeading("Label26", QStringLiteral("Parallelogram And Rhombus")));
    window->addLayout(buildRow(8));
    window->addWidget(workingPanel());
    evenWidths(columns);
    chainBoxes(boxes);
}
