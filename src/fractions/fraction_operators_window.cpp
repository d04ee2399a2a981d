#include "fractions/fraction_operators_window.h"

#include "fractions/fraction_controls.h"
#include "fractions/fraction_operators.h"
#include "widgets/controls.h"
#include "widgets/working_panel.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QLabel* makeCaption(const char* name, const QString& text, QWidget* parent)
{
    QLabel* caption = makeLabel(name, text, parent);
    caption->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
    return caption;
}

// The operator's two mixed numbers and its result.
constexpr FractionParts firstOperand = {
    .label = "Fraction 1",
    .whole = {"s1", QT_TRANSLATE_NOOP("Tip", "The whole part of the first mixed number")},
    .numerator = {"m1",
                  QT_TRANSLATE_NOOP(
                      "Tip", "The numerator of the first fraction: the number above the line")},
    .bar = "Line3",
    .denominator = {
        "d1", QT_TRANSLATE_NOOP(
                  "Tip", "The denominator of the first fraction: the number below the line")}};
constexpr FractionParts secondOperand = {
    .label = "Fraction 2",
    .whole = {"s2", QT_TRANSLATE_NOOP("Tip", "The whole part of the second mixed number")},
    .numerator = {"m2",
                  QT_TRANSLATE_NOOP(
                      "Tip", "The numerator of the second fraction: the number above the line")},
    .bar = "Line4",
    .denominator = {
        "d2", QT_TRANSLATE_NOOP(
                  "Tip", "The denominator of the second fraction: the number below the line")}};
constexpr FractionParts operatorResult = {
    .label = "Result",
    .whole = {"s3", QT_TRANSLATE_NOOP("Tip", "The whole part of the result")},
    .numerator = {"m3", QT_TRANSLATE_NOOP("Tip", "The numerator of the result")},
    .bar = "Line2",
    .denominator = {"d3", QT_TRANSLATE_NOOP("Tip", "The denominator of the result")}};

// The reduction's fraction and its answer.
constexpr FractionParts toReduce = {
    .numerator = {"inm4", QT_TRANSLATE_NOOP("Tip", "The numerator of the fraction to reduce"),
                  "Numerator"},
    .bar = "Line6",
    .denominator = {"ind4", QT_TRANSLATE_NOOP("Tip", "The denominator of the fraction to reduce"),
                    "Denominator"}};
constexpr FractionParts reduced = {
    .numerator = {"om4", QT_TRANSLATE_NOOP("Tip", "The numerator of the reduced fraction"),
                  "Reduced numerator"},
    .bar = "Line7",
    .denominator = {"od4", QT_TRANSLATE_NOOP("Tip", "The denominator of the reduced fraction"),
                    "Reduced denominator"}};

// A section of the window: its heading over its row, the button beneath where there is one,
// and the rest of its height left empty.
QWidget* stack(QWidget* panel, QLabel* heading, QLayout* row, QPushButton* button = nullptr)
{
    auto* layout = new QVBoxLayout(panel);
    layout->addWidget(heading);
    layout->addLayout(row);
    if (button)
        layout->addWidget(button, 0, Qt::AlignLeft);
    layout->addStretch();
    return panel;
}

FractionText textsOf(const QList<QLineEdit*>& fraction)
{
    return {fraction[0]->text(), fraction[1]->text(), fraction[2]->text()};
}

} // namespace

// The controls of the three tools, as their click paths use them.
struct FractionOperatorsWindow::Tools {
    FractionOperatorsWindow& window;

    // The operator tool: two mixed numbers, whole part first, and the operator between them.
    QLabel* Label8 = nullptr;
    QList<QLineEdit*> first{}, second{};
    QLineEdit* op = nullptr;
    QPushButton* Command1 = nullptr;
    QList<QLabel*> result{};
    QLabel* m_bool = nullptr; // object name "bool"

    // Common denominator
    QLabel* Label1 = nullptr;
    QLineEdit* b = nullptr;
    QLineEdit* a = nullptr;
    QPushButton* Command2 = nullptr;
    QLabel* c = nullptr;

    // Reduction
    QLabel* Label9 = nullptr;
    QList<QLineEdit*> fraction{};
    QPushButton* Command3 = nullptr;
    QList<QLabel*> lowest{};

    QLayout* buildOperator();
    QList<QWidget*> makeOperatorControls();
    QWidget* buildCommonDenominator();
    QWidget* buildReduction();

    void operate() const;
    void findCommonDenominator() const;
    void reduce() const;
};

FractionOperatorsWindow::FractionOperatorsWindow(MessageSink& sink, QWidget* parent)
    // Their tools apply the number test themselves, so the reader stays unused.
    : ToolWindow("Form4", QStringLiteral("Operators On Fractions"), behaviours::plain, sink, parent)
{
    // Built top to bottom, left to right, so Tab walks the controls as they are read.
    Tools tools{*this};
    QLayout* upper = tools.buildOperator();
    QFrame* Line5 = makeRule("Line5", this);
    Line5->setFrameShape(QFrame::VLine);
    auto* lower = new QHBoxLayout;
    lower->addWidget(tools.buildCommonDenominator(), 1);
    lower->addWidget(Line5);
    lower->addWidget(tools.buildReduction(), 1);

    addWorkingPanel();
    auto* window = new QVBoxLayout(this);
    window->addLayout(upper);
    window->addWidget(makeRule("Line1", this));
    window->addLayout(lower);
    window->addWidget(m_working);
    window->addStretch();

    chainPanels();
    connect(tools.Command1, &QPushButton::clicked, this, [tools] { tools.operate(); });
    connect(tools.Command2, &QPushButton::clicked, this,
            [tools] { tools.findCommonDenominator(); });
    connect(tools.Command3, &QPushButton::clicked, this, [tools] { tools.reduce(); });
}

// The fractions as boxes: the first operand, the second and the result.
QList<QWidget*> FractionOperatorsWindow::Tools::makeOperatorControls()
{
    QWidget* parent = &window;
    Label8 = makeHeading("Label8", QStringLiteral("Operators On Fractions"), parent);
    QWidget* firstBox = buildFraction(firstOperand, first, parent);
    op = makeFractionField(
        {"op", QT_TRANSLATE_NOOP("Tip", "The operator: + - * / to calculate, < > = to compare"),
         "The Operator"},
        parent);
    op->setMaximumWidth(op->minimumWidth());
    QWidget* secondBox = buildFraction(secondOperand, second, parent);
    Command1 = makeButton("Command1", QStringLiteral("Result"), parent);
    m_bool = makeFractionResult(
        {"bool", QT_TRANSLATE_NOOP("Tip", "The answer to a comparison with <, > or ="),
         "Comparison"},
        parent, 6);
    QWidget* resultBox = buildFraction(operatorResult, result, parent);
    window.addPanel({.fields = first + QList{op} + second,
                     .buttons = {Command1},
                     .results = result + QList{m_bool}});
    return {firstBox, secondBox, resultBox};
}

QLayout* FractionOperatorsWindow::Tools::buildOperator()
{
    const QList<QWidget*> fractions = makeOperatorControls();
    QWidget* parent = &window;

    // Captions above, the fractions, operator and button in one row, hints beneath.
    auto* row = new QGridLayout;
    row->setHorizontalSpacing(16);
    row->addWidget(makeCaption("Label3", QStringLiteral("Fraction 1"), parent), 0, 0);
    row->addWidget(makeCaption("Label4", QStringLiteral("The Operator"), parent), 0, 1);
    row->addWidget(makeCaption("Label5", QStringLiteral("Fraction 2"), parent), 0, 2);
    row->addWidget(makeCaption("Label2", QStringLiteral("Result"), parent), 0, 4);
    row->addWidget(fractions[0], 1, 0, 3, 1, Qt::AlignCenter);
    row->addWidget(op, 2, 1, Qt::AlignHCenter);
    QLabel* gcg = makeLabel("gcg", QStringLiteral("[+ , - , * , / , < , > , =  ]"), parent);
    gcg->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    row->addWidget(gcg, 3, 1);
    row->addWidget(fractions[1], 1, 2, 3, 1, Qt::AlignCenter);
    row->addWidget(Command1, 2, 3);
    row->addWidget(m_bool, 3, 3, Qt::AlignTop);
    row->addWidget(fractions[2], 1, 4, 3, 1, Qt::AlignCenter);
    row->setColumnStretch(4, 1);

    auto* section = new QVBoxLayout;
    section->addWidget(Label8, 0, Qt::AlignHCenter);
    section->addLayout(row);
    return section;
}

QWidget* FractionOperatorsWindow::Tools::buildCommonDenominator()
{
    auto* panel = new QWidget(&window);
    Label1 = makeHeading("Label1", QStringLiteral("Common Denominator"), panel);
    // The field named b stands under "A", and a under "B".
    b = makeFractionField({"b", QT_TRANSLATE_NOOP("Tip", "A: the first denominator"), "A"}, panel);
    a = makeFractionField({"a", QT_TRANSLATE_NOOP("Tip", "B: the second denominator"), "B"}, panel);
    Command2 = makeButton("Command2", QStringLiteral("Make Common Denominator"), panel);
    c = makeFractionResult(
        {"c",
         QT_TRANSLATE_NOOP("Tip",
                           "The common denominator: the smallest number both A and B divide"),
         "Common denominator"},
        panel);
    window.addPanel({.fields = {b, a}, .buttons = {Command2}, .results = {c}});

    auto* grid = new QGridLayout;
    grid->addWidget(makeCaption("Label6", QStringLiteral("A"), panel), 0, 0);
    grid->addWidget(makeCaption("Label7", QStringLiteral("B"), panel), 0, 1);
    grid->addWidget(makeCaption("Label10", QStringLiteral("Result"), panel), 0, 3);
    grid->addWidget(b, 1, 0);
    grid->addWidget(a, 1, 1);
    grid->addWidget(c, 1, 3);
    grid->setColumnMinimumWidth(2, 8);
    grid->setColumnStretch(3, 1);
    return stack(panel, Label1, grid, Command2);
}

QWidget* FractionOperatorsWindow::Tools::buildReduction()
{
    auto* panel = new QWidget(&window);
    Label9 = makeHeading("Label9", QStringLiteral("Reduction"), panel);
    QWidget* fractionBox = buildFraction(toReduce, fraction, panel);
    Command3 = makeButton("Command3", QStringLiteral("Reduction"), panel);
    QWidget* lowestBox = buildFraction(reduced, lowest, panel);
    window.addPanel({.fields = fraction, .buttons = {Command3}, .results = lowest});

    auto* answer = new QVBoxLayout;
    answer->addWidget(makeCaption("Label11", QStringLiteral("Result"), panel));
    answer->addWidget(lowestBox);

    auto* row = new QHBoxLayout;
    row->addWidget(fractionBox, 0, Qt::AlignBottom);
    row->addWidget(Command3, 0, Qt::AlignVCenter);
    row->addLayout(answer);
    row->addStretch(1);
    return stack(panel, Label9, row);
}

void FractionOperatorsWindow::Tools::operate() const
{
    window.beginClick();
    window.deliver(
        operateOnFractions(textsOf(first), op->text(), textsOf(second)),
        taskHeading(Label8, Command1),
        [this](const OperatorAnswer& answer) {
            setFieldText(first[0], answer.wholes.first);
            setFieldText(second[0], answer.wholes.second);
            if (const auto* fraction = std::get_if<FractionText>(&answer.result))
                showFraction(*fraction, result);
            else
                m_bool->setText(
                    captionText(std::get<bool>(answer.result) ? Caption::True : Caption::False));
        },
        [this](const OperatorRefusal& refusal) {
            setFieldText(first[0], refusal.wholes.first);
            setFieldText(second[0], refusal.wholes.second);
            // A division by zero leaves no result on show, not a stale one.
            if (refusal.message == Message::SecondFractionZero)
                showFraction({}, result);
            window.m_sink.show(refusal.message);
            // Numerators and denominators are tested second operand first.
            window.focusRefused(refusal.message == Message::SetOperation
                                    ? op
                                    : refusedField(refusal.message,
                                                   {second[1], second[2], first[1], first[2]},
                                                   refusal.message == Message::SecondFractionZero
                                                       ? QList<QLineEdit*>{second[1]}
                                                       : QList<QLineEdit*>{first[2], second[2]}));
        });
}

void FractionOperatorsWindow::Tools::findCommonDenominator() const
{
    window.beginClick();
    window.deliver(
        commonDenominator(a->text(), b->text()), taskHeading(Label1, Command2),
        [this](double denominator) { window.writeNumber(c, denominator); },
        [this](Message message) {
            window.m_sink.show(message);
            window.focusRefused(refusedField(message, {a, b}, {a, b}));
        });
}

void FractionOperatorsWindow::Tools::reduce() const
{
    window.beginClick();
    window.deliver(
        reduceFraction(fraction[0]->text(), fraction[1]->text()), taskHeading(Label9, Command3),
        [this](const FractionText& lowestTerms) { showFraction(lowestTerms, lowest); },
        [this](Message message) {
            window.m_sink.show(message);
            window.focusRefused(refusedField(message, fraction, {fraction[1]}));
        });
}
