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

// The object names of a complex number's boxes shown as <re, im>: the captions over the two
// parts and the comma between them.
struct PairNames {
    const char* re;
    const char* im;
    const char* comma;
};

// <first, second> in columns column..column+4 of grid row 1, "R" and "Im" over its parts in
// row 0: brackets, the two parts and the comma between them.
void addPair(QGridLayout* grid, int column, const PairNames& names, QWidget* first, QWidget* second,
             QWidget* parent)
{
    grid->addWidget(makeCaption(names.re, QStringLiteral("R"), parent), 0, column + 1);
    grid->addWidget(makeCaption(names.im, QStringLiteral("Im"), parent), 0, column + 3);
    grid->addWidget(new AngleBracket(AngleBracket::Opening, parent), 1, column);
    grid->addWidget(first, 1, column + 1);
    grid->addWidget(makeCaption(names.comma, QStringLiteral(","), parent), 1, column + 2);
    grid->addWidget(second, 1, column + 3);
    grid->addWidget(new AngleBracket(AngleBracket::Closing, parent), 1, column + 4);
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

// The controls the click paths read and write.
struct ComplexWindow::Tools {
    ComplexWindow& window;
    // <r1, i1> op <r2, i2> = <o1, o2>
    QLineEdit* r1 = nullptr;
    QLineEdit* i1 = nullptr;
    QLineEdit* op = nullptr;
    QLineEdit* r2 = nullptr;
    QLineEdit* i2 = nullptr;
    QPushButton* Command1 = nullptr;
    QLabel* o1 = nullptr;
    QLabel* o2 = nullptr;
    // i to the power p is o3
    QLineEdit* p = nullptr;
    QPushButton* Command2 = nullptr;
    QLabel* o3 = nullptr;
    // <re3, im3> in polar form is o4
    QLineEdit* re3 = nullptr;
    QLineEdit* im3 = nullptr;
    QPushButton* Command3 = nullptr;
    QLabel* o4 = nullptr;

    QLayout* buildOperations();
    QLayout* buildOperationsRow();
    QLayout* buildPower();
    QLayout* buildPolar();

    void operate() const;
    void raiseI() const;
    void toPolar() const;
};

ComplexWindow::ComplexWindow(MessageSink& sink, QWidget* parent)
    : ToolWindow("Form13", QStringLiteral("Complex Numbers"), behaviours::guarded, sink, parent)
{
    Tools tools{*this};
    auto* window = new QVBoxLayout(this);
    window->addLayout(tools.buildOperations());
    window->addWidget(makeRule("Line13", this));
    window->addLayout(tools.buildPower());
    window->addWidget(makeRule("Line14", this));
    window->addLayout(tools.buildPolar());
    addWorkingPanel(AnswerFormats::Offered);
    window->addWidget(m_working);
    window->addStretch();
    addPanel({.fields = {tools.r1, tools.i1, tools.op, tools.r2, tools.i2},
              .buttons = {tools.Command1},
              .results = {tools.o1, tools.o2}});
    addPanel({.fields = {tools.p}, .buttons = {tools.Command2}, .results = {tools.o3}});
    addPanel(
        {.fields = {tools.re3, tools.im3}, .buttons = {tools.Command3}, .results = {tools.o4}});
    chainPanels();
    applyTips(this, tips);

    connect(tools.Command1, &QPushButton::clicked, this, [tools] { tools.operate(); });
    connect(tools.Command2, &QPushButton::clicked, this, [tools] { tools.raiseI(); });
    connect(tools.Command3, &QPushButton::clicked, this, [tools] { tools.toPolar(); });
}

QLayout* ComplexWindow::Tools::buildOperations()
{
    QLabel* Label17 =
        makeLabel("Label17", QStringLiteral("Operations [ + - * / ] On Complex Numbers"), &window);
    r1 = makeField("r1", QStringLiteral("First number, real part"), &window);
    i1 = makeField("i1", QStringLiteral("First number, imaginary part"), &window);
    op = makeField("op", QStringLiteral("Operation"), &window);
    makeNarrow(op);
    r2 = makeField("r2", QStringLiteral("Second number, real part"), &window);
    i2 = makeField("i2", QStringLiteral("Second number, imaginary part"), &window);
    Command1 = makeButton("Command1", QStringLiteral("Solve"), &window);
    o1 = makeResultLabel("o1", QStringLiteral("Result, real part"), &window);
    o2 = makeResultLabel("o2", QStringLiteral("Result, imaginary part"), &window);
    QLayout* row = buildOperationsRow();

    QLabel* Label8 = makeLabel(
        "Label8", QStringLiteral("Example:  3-2*i  +  6+4*i  => <3,-2>+<6,4> = <9,2> = 9+2*i"),
        &window);
    return makeSection(Label17, row, Label8);
}

// <r1, i1>  op  <r2, i2>  Solve  <o1, o2>, captions above, the choices beneath op.
QLayout* ComplexWindow::Tools::buildOperationsRow()
{
    auto* row = new QGridLayout;
    addPair(row, 0, {.re = "Label9", .im = "Label10", .comma = "Label5"}, r1, i1, &window);
    row->addWidget(makeCaption("Label13", QStringLiteral("Operation"), &window), 0, 5);
    row->addWidget(op, 1, 5, Qt::AlignHCenter);
    addPair(row, 6, {.re = "Label11", .im = "Label12", .comma = "Label6"}, r2, i2, &window);
    row->addWidget(Command1, 1, 11);
    addPair(row, 12, {.re = "Label14", .im = "Label15", .comma = "Label7"}, o1, o2, &window);
    QLabel* Label16 = makeLabel("Label16", QStringLiteral("[ + , - , * , / ]"), &window);
    Label16->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    row->addWidget(Label16, 2, 5);
    return row;
}

QLayout* ComplexWindow::Tools::buildPower()
{
    QLabel* Label18 = makeLabel("Label18", QStringLiteral("Solving I power N"), &window);
    QLabel* Label2 = makeLabel("Label2", QStringLiteral("i"), &window);
    QFont larger = Label2->font();
    if (larger.pointSizeF() > 0)
        larger.setPointSizeF(larger.pointSizeF() * 1.6);
    else
        larger.setPixelSize(larger.pixelSize() * 8 / 5);
    Label2->setFont(larger);
    p = makeField("p", QStringLiteral("Power N of i"), &window);
    makeNarrow(p);
    Command2 = makeButton("Command2", QStringLiteral("Solve"), &window);
    o3 = makeResultLabel("o3", QStringLiteral("i to the power N"), &window);

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

QLayout* ComplexWindow::Tools::buildPolar()
{
    QLabel* Label19 = makeLabel("Label19", QStringLiteral("Polar Representation"), &window);
    re3 = makeField("re3", QStringLiteral("Complex number, real part"), &window);
    im3 = makeField("im3", QStringLiteral("Complex number, imaginary part"), &window);
    Command3 = makeButton("Command3", QStringLiteral("To Polar"), &window);
    o4 = makeResultLabel("o4", QStringLiteral("Polar form"), &window);

    auto* row = new QGridLayout;
    addPair(row, 0, {.re = "Label3", .im = "fdf", .comma = "Label4"}, re3, im3, &window);
    row->addWidget(Command3, 1, 5);
    row->addWidget(o4, 1, 6);
    row->setColumnStretch(6, 1);

    QLabel* Label21 = makeLabel(
        "Label21",
        QStringLiteral("Example: 1+i => <1,1>   Is :   Root(2)*cos(45) + Root(2)*i*sin (45)"),
        &window);
    return makeSection(Label19, row, Label21);
}

void ComplexWindow::Tools::operate() const
{
    window.beginClick({o1, o2});
    // Both real parts first, then both imaginary parts; one refusal ends the click.
    const auto parts = window.readReals({r1, r2, i1, i2}, {.stopAtRefusal = true});
    if (!parts)
        return;
    const Complex first{parts->at(0), parts->at(2)};
    const Complex second{parts->at(1), parts->at(3)};
    window.deliver([first, operation = op->text(),
                    second] { return complexOperation(first, operation, second); },
                   QStringLiteral("Operations, Solve"),
                   [this](const Complex& result) {
                       window.writeNumber(o1, result.re);
                       window.writeNumber(o2, result.im);
                   });
}

void ComplexWindow::Tools::raiseI() const
{
    window.beginClick({o3});
    if (const auto n = window.readReals({p}))
        window.deliver([n = n->at(0)] { return powerOfI(n); }, QStringLiteral("Power Of i, Solve"),
                       [this](const QString& text) { o3->setText(text); });
}

void ComplexWindow::Tools::toPolar() const
{
    window.beginClick({o4});
    if (const auto xy = window.readReals({re3, im3}, {.stopAtRefusal = true}))
        window.deliver([x = xy->at(0), y = xy->at(1)] { return polarForm(x, y); },
                       QStringLiteral("Polar Form, To Polar"),
                       [this](const QString& text) { o4->setText(text); });
}
