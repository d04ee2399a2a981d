#include "algebra/complex_window.h"

#include "algebra/complex_numbers.h"
#include "widgets/angle_bracket.h"
#include "widgets/controls.h"
#include "widgets/tips.h"
#include "widgets/working_panel.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// A field for one character or two, sized for what it holds.
void makeNarrow(QLineEdit* field)
{
    field->setMaximumWidth(field->minimumWidth());
    field->setAlignment(Qt::AlignHCenter);
}

QLabel* makeCaption(const char* name, const QString& text, QWidget* parent)
{
    QLabel* caption = makeLabel(name, text, parent);
    caption->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
    return caption;
}

// <first, second> in columns column..column+4 of a grid row: brackets, the two parts and the
// comma between them.
void addPair(QGridLayout* grid, int row, int column, QWidget* first, QLabel* comma, QWidget* second,
             QWidget* parent)
{
    grid->addWidget(new AngleBracket(AngleBracket::Opening, parent), row, column);
    grid->addWidget(first, row, column + 1);
    comma->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
    grid->addWidget(comma, row, column + 2);
    grid->addWidget(second, row, column + 3);
    grid->addWidget(new AngleBracket(AngleBracket::Closing, parent), row, column + 4);
}

// A section of the window: its title, its row, and the example beneath where there is one.
QLayout* makeSection(QLabel* title, QLayout* row, QLabel* example = nullptr)
{
    auto* section = new QVBoxLayout;
    section->addWidget(title);
    section->addLayout(row);
    if (example)
        section->addWidget(example);
    return section;
}

// A complex number is its real part and its imaginary part, the number before i.
const Tip tips[] = {
    {"r1", QT_TRANSLATE_NOOP("Tip", "The real part of the first number")},
    {"i1", QT_TRANSLATE_NOOP("Tip", "The imaginary part of the first number: the number before i")},
    {"op", QT_TRANSLATE_NOOP("Tip",
                             "The operation: + to add, - to subtract, * to multiply, / to divide")},
    {"r2", QT_TRANSLATE_NOOP("Tip", "The real part of the second number")},
    {"i2",
     QT_TRANSLATE_NOOP("Tip", "The imaginary part of the second number: the number before i")},
    {"o1", QT_TRANSLATE_NOOP("Tip", "The real part of the result")},
    {"o2", QT_TRANSLATE_NOOP("Tip", "The imaginary part of the result: the number before i")},
    {"p", QT_TRANSLATE_NOOP("Tip", "N: the power to raise i to, a whole number")},
    {"o3", QT_TRANSLATE_NOOP("Tip", "i to the power N: 1, i, -1 or -i")},
    {"re3", QT_TRANSLATE_NOOP("Tip", "The real part of the number")},
    {"im3", QT_TRANSLATE_NOOP("Tip", "The imaginary part of the number: the number before i")},
    {"o4", QT_TRANSLATE_NOOP(
               "Tip", "The polar form: the modulus, the root of Q, and the angle A in degrees")},
};

} // namespace

ComplexWindow::ComplexWindow(MessageSink& sink, QWidget* parent)
    : ToolWindow("Form13", QStringLiteral("Complex Numbers"), behaviours::guarded, sink, parent)
{
    auto* window = new QVBoxLayout(this);
    window->addLayout(buildOperations());
    window->addWidget(makeRule("Line13", this));
    window->addLayout(buildPower());
    window->addWidget(makeRule("Line14", this));
    window->addLayout(buildPolar());
    addWorkingPanel(AnswerFormats::Offered);
    window->addWidget(m_working);
    window->addStretch();
    addPanel({.fields = {r1, i1, op, r2, i2}, .buttons = {Command1}, .results = {o1, o2}});
    addPanel({.fields = {p}, .buttons = {Command2}, .results = {o3}});
    addPanel({.fields = {re3, im3}, .buttons = {Command3}, .results = {o4}});
    chainPanels();
    applyTips(this, tips);

    connect(Command1, &QPushButton::clicked, this, &ComplexWindow::operate);
    connect(Command2, &QPushButton::clicked, this, &ComplexWindow::raiseI);
    connect(Command3, &QPushButton::clicked, this, &ComplexWindow::toPolar);
}

QLayout* ComplexWindow::buildOperations()
{
    QLabel* Label17 =
        makeLabel("Label17", QStringLiteral("Operations [ + - * / ] On Complex Numbers"), this);
    r1 = makeField("r1", QStringLiteral("First number, real part"), this);
    i1 = makeField("i1", QStringLiteral("First number, imaginary part"), this);
    op = makeField("op", QStringLiteral("Operation"), this);
    makeNarrow(op);
    r2 = makeField("r2", QStringLiteral("Second number, real part"), this);
    i2 = makeField("i2", QStringLiteral("Second number, imaginary part"), this);
    Command1 = makeButton("Command1", QStringLiteral("Solve"), this);
    o1 = makeResultLabel("o1", QStringLiteral("Result, real part"), this);
    o2 = makeResultLabel("o2", QStringLiteral("Result, imaginary part"), this);
    QLayout* row = buildOperationsRow();

    QLabel* Label8 = makeLabel(
        "Label8", QStringLiteral("Example:  3-2*i  +  6+4*i  => <3,-2>+<6,4> = <9,2> = 9+2*i"),
        this);
    return makeSection(Label17, row, Label8);
}

// <r1, i1>  op  <r2, i2>  Solve  <o1, o2>, captions above, the choices beneath op.
QLayout* ComplexWindow::buildOperationsRow()
{
    auto* row = new QGridLayout;
    row->addWidget(makeCaption("Label9", QStringLiteral("R"), this), 0, 1);
    row->addWidget(makeCaption("Label10", QStringLiteral("Im"), this), 0, 3);
    row->addWidget(makeCaption("Label13", QStringLiteral("Operation"), this), 0, 5);
    row->addWidget(makeCaption("Label11", QStringLiteral("R"), this), 0, 7);
    row->addWidget(makeCaption("Label12", QStringLiteral("Im"), this), 0, 9);
    row->addWidget(makeCaption("Label14", QStringLiteral("R"), this), 0, 13);
    row->addWidget(makeCaption("Label15", QStringLiteral("Im"), this), 0, 15);
    addPair(row, 1, 0, r1, makeLabel("Label5", QStringLiteral(","), this), i1, this);
    row->addWidget(op, 1, 5, Qt::AlignHCenter);
    addPair(row, 1, 6, r2, makeLabel("Label6", QStringLiteral(","), this), i2, this);
    row->addWidget(Command1, 1, 11);
    addPair(row, 1, 12, o1, makeLabel("Label7", QStringLiteral(","), this), o2, this);
    QLabel* Label16 = makeLabel("Label16", QStringLiteral("[ + , - , * , / ]"), this);
    Label16->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    row->addWidget(Label16, 2, 5);
    return row;
}

QLayout* ComplexWindow::buildPower()
{
    QLabel* Label18 = makeLabel("Label18", QStringLiteral("Solving I power N"), this);
    QLabel* Label2 = makeLabel("Label2", QStringLiteral("i"), this);
    QFont larger = Label2->font();
    if (larger.pointSizeF() > 0)
        larger.setPointSizeF(larger.pointSizeF() * 1.6);
    else
        larger.setPixelSize(larger.pixelSize() * 8 / 5);
    Label2->setFont(larger);
    p = makeField("p", QStringLiteral("Power N of i"), this);
    makeNarrow(p);
    Command2 = makeButton("Command2", QStringLiteral("Solve"), this);
    o3 = makeResultLabel("o3", QStringLiteral("i to the power N"), this);

    // The exponent stands raised at the upper right of the i, as it is written.
    auto* power = new QGridLayout;
    power->setSpacing(0);
    power->addWidget(Label2, 0, 0, 2, 1, Qt::AlignRight | Qt::AlignBottom);
    power->addWidget(p, 0, 1, Qt::AlignLeft | Qt::AlignTop);
    power->setRowMinimumHeight(1, QFontMetrics(larger).height() / 2);

    auto* row = new QHBoxLayout;
    row->addLayout(power);
    row->addWidget(Command2, 0, Qt::AlignBottom);
    row->addWidget(o3, 1, Qt::AlignBottom);
    return makeSection(Label18, row);
}

QLayout* ComplexWindow::buildPolar()
{
    QLabel* Label19 = makeLabel("Label19", QStringLiteral("Polar Representation"), this);
    re3 = makeField("re3", QStringLiteral("Complex number, real part"), this);
    im3 = makeField("im3", QStringLiteral("Complex number, imaginary part"), this);
    QLabel* Label4 = makeLabel("Label4", QStringLiteral(","), this);
    Command3 = makeButton("Command3", QStringLiteral("To Polar"), this);
    o4 = makeResultLabel("o4", QStringLiteral("Polar form"), this);

    auto* row = new QGridLayout;
    row->addWidget(makeCaption("Label3", QStringLiteral("R"), this), 0, 1);
    row->addWidget(makeCaption("fdf", QStringLiteral("Im"), this), 0, 3);
    addPair(row, 1, 0, re3, Label4, im3, this);
    row->addWidget(Command3, 1, 5);
    row->addWidget(o4, 1, 6);
    row->setColumnStretch(6, 1);

    QLabel* Label21 = makeLabel(
        "Label21",
        QStringLiteral("Example: 1+i => <1,1>   Is :   Root(2)*cos(45) + Root(2)*i*sin (45)"),
        this);
    return makeSection(Label19, row, Label21);
}

void ComplexWindow::operate()
{
    beginClick({o1, o2});
    // Both real parts first, then both imaginary parts; one refusal ends the click.
    const auto parts = readFields({r1, r2, i1, i2}, {.stopAtRefusal = true});
    if (!parts)
        return;
    deliver(
        complexOperation({parts->at(0), parts->at(2)}, op->text(), {parts->at(1), parts->at(3)}),
        QStringLiteral("Operations, Solve"), [this](const Complex& result) {
            writeNumber(o1, result.re);
            writeNumber(o2, result.im);
        });
}

void ComplexWindow::raiseI()
{
    beginClick({o3});
    if (const auto n = readFields({p}))
        deliver(powerOfI(n->at(0)), QStringLiteral("Power Of i, Solve"),
                [this](const QString& text) { o3->setText(text); });
}

void ComplexWindow::toPolar()
{
    beginClick({o4});
    if (const auto xy = readFields({re3, im3}, {.stopAtRefusal = true}))
        deliver(polarForm(xy->at(0), xy->at(1)), QStringLiteral("Polar Form, To Polar"),
                [this](const QString& text) { o4->setText(text); });
}
