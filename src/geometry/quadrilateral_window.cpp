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
