#include "algebra/quadratic_window.h"

#include "algebra/quadratic.h"
#include "widgets/controls.h"
#include "widgets/fraction_box.h"
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

// A, B and C by the part of A·X² + B·X + C = 0 each one multiplies; X1 and X2 its roots.
const Tip tips[] = {
    {"a", QT_TRANSLATE_NOOP("Tip", "A: the coefficient of X², the number before X²")},
    {"b", QT_TRANSLATE_NOOP("Tip", "B: the coefficient of X, the number before X")},
    {"c", QT_TRANSLATE_NOOP("Tip", "C: the constant term, the number without X")},
    {"x1",
     QT_TRANSLATE_NOOP("Tip", "X1: the first root, a value of X that makes the equation true")},
    {"x2",
     QT_TRANSLATE_NOOP("Tip", "X2: the second root, a value of X that makes the equation true")},
};

} // namespace

QuadraticWindow::QuadraticWindow(MessageSink& sink, QWidget* parent)
    : ToolWindow("Form2", QStringLiteral("Solving Quadratic Equation"), behaviours::guarded, sink,
                 parent)
{
    auto* window = new QVBoxLayout(this);
    window->addWidget(buildFormula());
    window->addLayout(buildInputs());
    QLayout* results = buildResults();
    window->addWidget(
        makeLabel("Label2", QStringLiteral("Example :  -3*X^2   +   6*X   -   2 = 0"), this));
    window->addWidget(
        makeLabel("Label3", QStringLiteral("           A = -3          B = 6      C = -2"), this));
    window->addLayout(results);
    addWorkingPanel(AnswerFormats::Offered);
    window->addWidget(m_working);
    addPanel({.fields = {a, b, c}, .buttons = {Command1}, .results = {x1, x2}});
    chainPanels();
    applyTips(this, tips);
    connect(Command1, &QPushButton::clicked, this, &QuadraticWindow::solve);
}

// The formula, with its fraction drawn as pupils write it.
QFrame* QuadraticWindow::buildFormula()
{
    QFrame* Shape1 = makePanel("Shape1", this);
    auto* formula = new QVBoxLayout(Shape1);
    QLabel* Label5 = makeLabel("Label5", QStringLiteral("The Quadratix Equation Formula :"), this);
    QFont titleFont = Label5->font();
    titleFont.setBold(true);
    Label5->setFont(titleFont);
    formula->addWidget(Label5);
    auto* fractionRow = new QHBoxLayout;
    fractionRow->addWidget(makeLabel("Label4", QStringLiteral("X1 ,  X2  = "), this));
    auto* Label7 = new FractionBar(QString(54, u'_'), this);
    Label7->setObjectName(QStringLiteral("Label7"));
    Label7->setAccessibleName(QStringLiteral("divided by"));
    fractionRow->addWidget(
        new FractionBox(makeLabel("Label1", QStringLiteral("-B +- Root(B^2 - 4*A*c)"), this),
                        Label7, makeLabel("Label8", QStringLiteral("2*A"), this), nullptr, this));
    fractionRow->addStretch();
    formula->addLayout(fractionRow);
    return Shape1;
}

// A, B and C, each with its caption beneath, and the button at the end of the row.
QLayout* QuadraticWindow::buildInputs()
{
    a = makeField("a", QStringLiteral("A"), this);
    b = makeField("b", QStringLiteral("B"), this);
    c = makeField("c", QStringLiteral("C"), this);
    Command1 = makeButton("Command1", QStringLiteral("Solve"), this);
    auto* inputs = new QGridLayout;
    inputs->addWidget(
        makeLabel("Label9", QStringLiteral("Fill In The Value Of   A , B And C"), this), 0, 0, 1,
        4);
    const struct {
        QLineEdit* field;
        const char* captionName;
        const char* caption;
    } columns[] = {{a, "Label10", "A"}, {b, "Label11", "B"}, {c, "Label12", "C"}};
    for (int column = 0; column < 3; ++column) {
        inputs->addWidget(columns[column].field, 1, column);
        QLabel* caption =
            makeLabel(columns[column].captionName, QLatin1String(columns[column].caption), this);
        caption->setAlignment(Qt::AlignHCenter);
        caption->setBuddy(columns[column].field);
        inputs->addWidget(caption, 2, column);
    }
    inputs->addWidget(Command1, 1, 3);
    return inputs;
}

// The results, beneath the worked example.
QLayout* QuadraticWindow::buildResults()
{
    x1 = makeResultLabel("x1", QStringLiteral("X1"), this);
    x2 = makeResultLabel("x2", QStringLiteral("X2"), this);
    auto* results = new QHBoxLayout;
    results->addWidget(makeLabel("sol", QStringLiteral("Solutions :"), this));
    results->addWidget(makeLabel("Label6", QStringLiteral("X1="), this));
    results->addWidget(x1, 1);
    results->addWidget(makeLabel("Label13", QStringLiteral("X2="), this));
    results->addWidget(x2, 1);
    return results;
}

void QuadraticWindow::solve()
{
    // Each field is shown back as the number it was read as, and the roots are computed from
    // the numbers as shown, 15 digits at most; a refused field, and the ones after it, keep
    // what the pupil typed so a typo costs nothing else.
    beginClick();
    const auto shown = readFields({a, b, c}, {.stopAtRefusal = true, .showAsRead = true});
    if (!shown)
        return;
    deliver(
        solveQuadratic(shown->at(0), shown->at(1), shown->at(2)), {},
        [this](const QuadraticAnswer& answer) {
            const auto* roots = std::get_if<QuadraticRoots>(&answer);
            if (!roots) {
                x1->setText(captionText(Caption::NoSolution));
                x2->setText(captionText(Caption::NoSolution));
                return;
            }
            writeNumber(x1, roots->x1);
            writeNumber(x2, roots->x2);
        },
        [this](Message message) {
            m_sink.show(message);
            if (message == Message::QuadraticAZero) {
                x1->clear();
                x2->clear();
            }
        });
}
