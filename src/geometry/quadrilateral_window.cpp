#include "geometry/quadrilateral_window.h"

#include "geometry/quadrilateral.h"
#include "widgets/controls.h"
#include "widgets/tips.h"
#include "widgets/working_panel.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace {

// The eleven boxes, section by section, left to right.
const TaskBox boxes[] = {
    {"Square",
     "Shape1",
     {{"s1", "Label2", "Side", 0}},
     {{"Command1", "Find Area", withInputs<squareArea>},
      {"Command3", "Find Perimeter", withInputs<squarePerimeter>}},
     "o1"},
    {"Square",
     "Shape2",
     {{"a1", "Label3", "Area", 0}},
     {{"Command2", "Find Side", withInputs<squareSideFromArea>},
      {"Command4", "Find Perimeter", withInputs<squarePerimeterFromArea>}},
     "o2"},
    {"Square",
     "Shape3",
     {{"p1", "Label4", "Perimeter", 0}},
     {{"Command7", "Find Side", withInputs<squareSideFromPerimeter>},
      {"Command9", "Find Area", withInputs<squareAreaFromPerimeter>}},
     "o3"},
    {"Trapezium",
     "Shape4",
     {{"a2", "Label15", "Side A", 0},
      {"b2", "Label17", "Side B", 1},
      {"h2", "Label18", "Height", 2}},
     {{"Command13", "Find Area", withInputs<trapeziumArea>}},
     "o4"},
    {"Perpendicular Diagonals",
     "Shape5",
     {{"hh1", "Label30", "Height A", 0}, {"hh2", "Label29", "Height B", 1}},
     {{"Command11", "Find Area", withInputs<perpendicularDiagonalsArea>}},
     "o11"},
    {"Rectangle",
     "Shape6",
     {{"a3", "Label7", "Side A", 0}, {"b3", "Label6", "Side B", 1}},
     {{"Command5", "Find Area", withInputs<rectangleArea>},
      {"Command8", "Find Perimeter", withInputs<rectanglePerimeter>}},
     "o5"},
    {"Rectangle",
     "Shape7",
     {{"a6", "Label19", "Side A", 0}, {"ar6", "Label20", "Area", 1}},
     {{"Command15", "Find B", withInputs<rectangleSideFromArea>},
      {"Command14", "Find Perimeter", withInputs<rectanglePerimeterFromArea>}},
     "o6"},
    {"Rectangle",
     "Shape8",
     {{"a7", "Label11", "Side A", 0}, {"p7", "Label10", "Perimeter", 1}},
     {{"Command10", "Find B", withInputs<rectangleSideFromPerimeter>},
      {"Command6", "Find Area", withInputs<rectangleAreaFromPerimeter>}},
     "o7"},
    {"Parallelogram And Rhombus",
     "Shape9",
     {{"b6", "Label25", "Base", 0}, {"h6", "Label23", "Height", 1}},
     {{"Command19", "Find Area", withInputs<parallelogramArea>}},
     "o8"},
    {"Parallelogram And Rhombus",
     "Shape10",
     {{"b7", "Label21", "Base/Height", 0}, {"ar7", "Label16", "Area", 1}},
     {{"Command16", "Find Height/Base", withInputs<parallelogramOtherFromArea>}},
     "o9"},
    {"Parallelogram And Rhombus",
     "Shape11",
     {{"a8", "Label12", "Side A", 0}, {"b8", "Label13", "Side B", 1}},
     {{"Command17", "Find Perimeter", withInputs<parallelogramPerimeter>}},
     "o10"},
};

constexpr const char* sideA = QT_TRANSLATE_NOOP("Tip", "Side A: one side");
constexpr const char* sideB = QT_TRANSLATE_NOOP("Tip", "Side B: the side next to side A");
constexpr const char* base = QT_TRANSLATE_NOOP("Tip", "The base: the side the height stands on");
constexpr const char* height =
    QT_TRANSLATE_NOOP("Tip", "The height: the distance from the base to the side facing it");

const Tip tips[] = {
    {"s1", QT_TRANSLATE_NOOP("Tip", "The side of the square")},
    {"o1", QT_TRANSLATE_NOOP("Tip", "The area or the perimeter, as asked")},
    {"a1", QT_TRANSLATE_NOOP("Tip", "The area of the square")},
    {"o2", QT_TRANSLATE_NOOP("Tip", "The side or the perimeter, as asked")},
    {"p1", QT_TRANSLATE_NOOP("Tip", "The perimeter: the four sides together")},
    {"o3", QT_TRANSLATE_NOOP("Tip", "The side or the area, as asked")},
    {"a2", QT_TRANSLATE_NOOP("Tip", "Side A: one of the two parallel sides")},
    {"b2", QT_TRANSLATE_NOOP("Tip", "Side B: the other parallel side")},
    {"h2", QT_TRANSLATE_NOOP("Tip", "The height: the distance between the parallel sides")},
    {"o4", QT_TRANSLATE_NOOP("Tip", "The area of the trapezium")},
    {"hh1", QT_TRANSLATE_NOOP("Tip", "Height A: the first diagonal")},
    {"hh2", QT_TRANSLATE_NOOP("Tip", "Height B: the second diagonal")},
    {"o11", QT_TRANSLATE_NOOP("Tip", "The area: half the first diagonal times the second")},
    {"a3", sideA},
    {"b3", sideB},
    {"o5", QT_TRANSLATE_NOOP("Tip", "The area or the perimeter, as asked")},
    {"a6", sideA},
    {"ar6", QT_TRANSLATE_NOOP("Tip", "The area of the rectangle")},
    {"o6", QT_TRANSLATE_NOOP("Tip", "Side B or the perimeter, as asked")},
    {"a7", sideA},
    {"p7", QT_TRANSLATE_NOOP("Tip", "The perimeter: the four sides together")},
    {"o7", QT_TRANSLATE_NOOP("Tip", "Side B or the area, as asked")},
    {"b6", base},
    {"h6", height},
    {"o8", QT_TRANSLATE_NOOP("Tip", "The area: the base times the height")},
    {"b7", QT_TRANSLATE_NOOP("Tip", "The base, or the height")},
    {"ar7", QT_TRANSLATE_NOOP("Tip", "The area of the parallelogram")},
    {"o9",
     QT_TRANSLATE_NOOP("Tip", "The height for the base given, or the base for the height given")},
    {"a8", sideA},
    {"b8", sideB},
    {"o10", QT_TRANSLATE_NOOP("Tip", "The perimeter: the four sides together")},
};

} // namespace

QuadrilateralWindow::QuadrilateralWindow(MessageSink& sink, QWidget* parent)
    : TaskWindow("Form8", QStringLiteral("Quadrilateral - Areas And Perimeters"), sink, parent)
{
    // The trapezium and the perpendicular diagonals share the second section, each under its
    // own heading, their frames level.
    auto* shared = new QGridLayout;
    shared->setHorizontalSpacing(12);
    shared->addWidget(makeHeading("Label14", QStringLiteral("Trapezium")), 0, 0, 2, 1,
                      Qt::AlignLeft | Qt::AlignBottom);
    shared->addWidget(makeHeading("Label31", QStringLiteral("Quadrilateral which two of its "
                                                            "diagonals are verticals")),
                      0, 1);
    shared->addWidget(makeLabel("Label8", QStringLiteral("like Rhombus , Square , Dalton "), this),
                      1, 1);
    shared->addWidget(buildBox(boxes[3]), 2, 0);
    shared->addWidget(buildBox(boxes[4]), 2, 1);
    shared->setColumnStretch(0, 1);
    shared->setColumnStretch(1, 1);

    auto* window = new QVBoxLayout(this);
    window->addWidget(makeTitle("Label1", windowTitle()));
    window->addWidget(makeHeading("Label9", QStringLiteral("Square")));
    window->addLayout(buildRow(0, 3));
    window->addWidget(makeRule("Line1", this));
    window->addLayout(shared);
    window->addWidget(makeRule("Line2", this));
    window->addWidget(makeHeading("Label5", QStringLiteral("Rectangle")));
    window->addLayout(buildRow(5, 3));
    window->addWidget(makeRule("Line3", this));
    window->addWidget(makeHeading("Label26", QStringLiteral("Parallelogram And Rhombus")));
    window->addLayout(buildRow(8, 3));
    window->addWidget(workingPanel());
    evenWidths(m_columns);
    chainBoxes(boxes);
    applyTips(this, tips);
}

QLayout* QuadrilateralWindow::buildRow(int first, int count)
{
    // The three-box sections stand in three equal columns, frame under frame.
    auto* row = new QHBoxLayout;
    row->setSpacing(12);
    for (int i = first; i < first + count; ++i) {
        QWidget* box = buildBox(boxes[i]);
        row->addWidget(box, 1);
        m_columns << box;
    }
    return row;
}
