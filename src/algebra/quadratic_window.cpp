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

// The formula, with its fraction drawn as pupils write it.
QFrame* buildFormula(QWidget* parent)
{
    QFrame* Shape1 = makePanel("Shape1", parent);
    auto* formula = new QVBoxLayout(Shape1);
    QLabel* Label5 =
        makeLabel("Label5", QStringLiteral("The Quadratix Equation Formula :"), parent);
    QFont titleFont = Label5->font();
    titleFont.setBold(true);
    Label5->setFont(titleFont);
    formula->addWidget(Label5);
    auto* fractionRow = new QHBoxLayout;
    fractionRow->addWidget(makeLabel("Label4", QStringLiteral("X1 ,  X2  = "), parent));
    auto* Label7 = new FractionBar(QString(54, u'_'), parent);
    Label7->setObjectName(QStringLiteral("Label7"));
    Label7->setAccessibleName(QStringLiteral("divided by"));
    fractionRow->addWidget(new FractionBox(
        makeLabel("Label1", QStringLiteral("-B +- Root(B^2 - 4*A*c)"), parent), Label7,
        makeLabel("Label8", QStringLiteral("2*A"), parent), nullptr, parent));
    fractionRow->addStretch();
    formula->addLayout(fractionRow);
    return Shape1;
}

} // namespace

// The fields and results the click path reads and writes.
struct QuadraticWindow::Tools {
    QuadraticWindow& window;
    QList<QLineEdit*> coefficients{}; // A, B and C
    QPushButton* Command1 = nullptr;
    QList<QLabel*> roots{}; // X1 and X2

    QLayout* buildInputs();
    QLayout* buildResults();
    void solve() const;
    void writeRoots(const QuadraticAnswer& answer) const;
};

QuadraticWindow::QuadraticWindow(MessageSink& sink, QWidget* parent)
    : ToolWindow("Form2", QStringLiteral("Solving Quadratic Equation"), behaviours::guarded, sink,
                 parent)
{
    Tools tools{*this};
    auto* window = new QVBoxLayout(this);
    window->addWidget(buildFormula(this));
    window->addLayout(tools.buildInputs());
    QLayout* results = tools.buildResults();
    window->addWidget(
        makeLabel("Label2", QStringLiteral("Example :  -3*X^2   +   6*X   -   2 = 0"), this));
    window->addWidget(
        makeLabel("Label3", QStringLiteral("           A = -3          B = 6      C = -2"), this));
    window->addLayout(results);
    addWorkingPanel(AnswerFormats::Offered);
    window->addWidget(m_working);
    addPanel({.fields = tools.coefficients, .buttons = {tools.Command1}, .results = tools.roots});
    chainPanels();
    applyTips(this, tips);
    connect(tools.Command1, &QPushButton::clicked, this, [tools] { tools.solve(); });
}

// A, B and C, each with its caption beneath, and the button at the end of the row.
QLayout* QuadraticWindow::Tools::buildInputs()
{
    auto* inputs = new QGridLayout;
    inputs->addWidget(
        makeLabel("Label9", QStringLiteral("Fill In The Value Of   A , B And C"), &window), 0, 0, 1,
        4);
    const struct {
        const char* name;
        const char* captionName;
        const char* letter;
    } columns[] = {{"a", "Label10", "A"}, {"b", "Label11", "B"}, {"c", "Label12", "C"}};
    for (int column = 0; column < 3; ++column) {
        const QString letter = QLatin1String(columns[column].letter);
        coefficients << makeField(columns[column].name, letter, &window);
        inputs->addWidget(coefficients.last(), 1, column);
        QLabel* caption = makeLabel(columns[column].captionName, letter, &window);
        caption->setAlignment(Qt::AlignHCenter);
        caption->setBuddy(coefficients.last());
        inputs->addWidget(caption, 2, column);
    }
    Command1 = makeButton("Command1", QStringLiteral("Solve"), &window);
    inputs->addWidget(Command1, 1, 3);
    return inputs;
}

// The results, beneath the worked example.
QLayout* QuadraticWindow::Tools::buildResults()
{
    roots = {makeResultLabel("x1", QStringLiteral("X1"), &window),
             makeResultLabel("x2", QStringLiteral("X2"), &window)};
    auto* results = new QHBoxLayout;
    results->addWidget(makeLabel("sol", QStringLiteral("Solutions :"), &window));
    results->addWidget(makeLabel("Label6", QStringLiteral("X1="), &window));
    results->addWidget(roots[0], 1);
    results->addWidget(makeLabel("Label13", QStringLiteral("X2="), &window));
    results->addWidget(roots[1], 1);
    return results;
}

void QuadraticWindow::Tools::solve() const
{
    // Each field is shown back as the number it was read as, and the roots are computed from
    // the numbers as shown, 15 digits at most, each keeping the exact value typed; a refused
    // field, and the ones after it, keep what the pupil typed so a typo costs nothing else.
    window.beginClick();
    const auto shown = window.readReals(coefficients, {.stopAtRefusal = true, .showAsRead = true});
    if (!shown)
        return;
    window.deliver(
        [a = shown->at(0), b = shown->at(1), c = shown->at(2)] { return solveQuadratic(a, b, c); },
        {}, [this](const QuadraticAnswer& answer) { writeRoots(answer); },
        [this](Message message) {
            window.m_sink.show(message);
            if (message == Message::QuadraticAZero)
                for (QLabel* root : roots)
                    root->clear();
        });
}

void QuadraticWindow::Tools::writeRoots(const QuadraticAnswer& answer) const
{
    const auto* real = std::get_if<QuadraticRoots>(&answer);
    if (!real) {
        for (QLabel* root : roots)
            root->setText(captionText(Caption::NoSolution));
        return;
    }
    window.writeNumber(roots[0], real->x1);
    window.writeNumber(roots[1], real->x2);
}
