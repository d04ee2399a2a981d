#include "fractions/fraction_operators_window.h"

#include "fractions/fraction_controls.h"
#include "fractions/fraction_operators.h"
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

QLabel* makeCaption(const char* name, const QString& text, QWidget* parent)
{
    QLabel* caption = makeLabel(name, text, parent);
    caption->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
    return caption;
}

const Tip tips[] = {
    {"s1", QT_TRANSLATE_NOOP("Tip", "The whole part of the first mixed number")},
    {"m1",
     QT_TRANSLATE_NOOP("Tip", "The numerator of the first fraction: the number above the line")},
    {"d1",
     QT_TRANSLATE_NOOP("Tip", "The denominator of the first fraction: the number below the line")},
    {"op", QT_TRANSLATE_NOOP("Tip", "The operator: + - * / to calculate, < > = to compare")},
    {"s2", QT_TRANSLATE_NOOP("Tip", "The whole part of the second mixed number")},
    {"m2",
     QT_TRANSLATE_NOOP("Tip", "The numerator of the second fraction: the number above the line")},
    {"d2",
     QT_TRANSLATE_NOOP("Tip", "The denominator of the second fraction: the number below the line")},
    {"s3", QT_TRANSLATE_NOOP("Tip", "The whole part of the result")},
    {"m3", QT_TRANSLATE_NOOP("Tip", "The numerator of the result")},
    {"d3", QT_TRANSLATE_NOOP("Tip", "The denominator of the result")},
    {"bool", QT_TRANSLATE_NOOP("Tip", "The answer to a comparison with <, > or =")},
    {"b", QT_TRANSLATE_NOOP("Tip", "A: the first denominator")},
    {"a", QT_TRANSLATE_NOOP("Tip", "B: the second denominator")},
    {"c",
     QT_TRANSLATE_NOOP("Tip", "The common denominator: the smallest number both A and B divide")},
    {"inm4", QT_TRANSLATE_NOOP("Tip", "The numerator of the fraction to reduce")},
    {"ind4", QT_TRANSLATE_NOOP("Tip", "The denominator of the fraction to reduce")},
    {"om4", QT_TRANSLATE_NOOP("Tip", "The numerator of the reduced fraction")},
    {"od4", QT_TRANSLATE_NOOP("Tip", "The denominator of the reduced fraction")},
};

} // namespace

FractionOperatorsWindow::FractionOperatorsWindow(MessageSink& sink, QWidget* parent)
    // Their tools apply the number test themselves, so the reader stays unused.
    : ToolWindow("Form4", QStringLiteral("Operators On Fractions"), behaviours::plain, sink, parent)
{
    // Built top to bottom, left to right, so Tab walks the controls as they are read.
    QLayout* upper = buildOperator();
    QFrame* Line5 = makeRule("Line5", this);
    Line5->setFrameShape(QFrame::VLine);
    auto* lower = new QHBoxLayout;
    lower->addWidget(buildCommonDenominator(), 1);
    lower->addWidget(Line5);
    lower->addWidget(buildReduction(), 1);

    addWorkingPanel();
    auto* window = new QVBoxLayout(this);
    window->addLayout(upper);
    window->addWidget(makeRule("Line1", this));
    window->addLayout(lower);
    window->addWidget(m_working);
    window->addStretch();

    chainPanels();
    applyTips(this, tips);
    connect(Command1, &QPushButton::clicked, this, &FractionOperatorsWindow::operate);
    connect(Command2, &QPushButton::clicked, this, &FractionOperatorsWindow::findCommonDenominator);
    connect(Command3, &QPushButton::clicked, this, &FractionOperatorsWindow::reduce);
}

void FractionOperatorsWindow::makeOperatorControls()
{
    Label8 = makeHeading("Label8", QStringLiteral("Operators On Fractions"), this);
    s1 = makeFractionField("s1", QStringLiteral("Fraction 1, whole part"), this);
    m1 = makeFractionField("m1", QStringLiteral("Fraction 1, numerator"), this);
    d1 = makeFractionField("d1", QStringLiteral("Fraction 1, denominator"), this);
    op = makeFractionField("op", QStringLiteral("The Operator"), this);
    op->setMaximumWidth(op->minimumWidth());
    s2 = makeFractionField("s2", QStringLiteral("Fraction 2, whole part"), this);
    m2 = makeFractionField("m2", QStringLiteral("Fraction 2, numerator"), this);
    d2 = makeFractionField("d2", QStringLiteral("Fraction 2, denominator"), this);
    Command1 = makeButton("Command1", QStringLiteral("Result"), this);
    m_bool = makeFractionResult("bool", QStringLiteral("Comparison"), this, 6);
    s3 = makeFractionResult("s3", QStringLiteral("Result, whole part"), this, 5);
    m3 = makeFractionResult("m3", QStringLiteral("Result, numerator"), this);
    d3 = makeFractionResult("d3", QStringLiteral("Result, denominator"), this);
    addPanel({.fields = {s1, m1, d1, op, s2, m2, d2},
              .buttons = {Command1},
              .results = {s3, m3, d3, m_bool}});
}

QLayout* FractionOperatorsWindow::buildOperator()
{
    makeOperatorControls();

    // Captions above, the fractions, operator and button in one row, hints beneath.
    auto* row = new QGridLayout;
    row->setHorizontalSpacing(16);
    row->addWidget(makeCaption("Label3", QStringLiteral("Fraction 1"), this), 0, 0);
    row->addWidget(makeCaption("Label4", QStringLiteral("The Operator"), this), 0, 1);
    row->addWidget(makeCaption("Label5", QStringLiteral("Fraction 2"), this), 0, 2);
    row->addWidget(makeCaption("Label2", QStringLiteral("Result"), this), 0, 4);
    row->addWidget(makeFraction(s1, m1, "Line3", d1, this), 1, 0, 3, 1, Qt::AlignCenter);
    row->addWidget(op, 2, 1, Qt::AlignHCenter);
    QLabel* gcg = makeLabel("gcg", QStringLiteral("[+ , - , * , / , < , > , =  ]"), this);
    gcg->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    row->addWidget(gcg, 3, 1);
    row->addWidget(makeFraction(s2, m2, "Line4", d2, this), 1, 2, 3, 1, Qt::AlignCenter);
    row->addWidget(Command1, 2, 3);
    row->addWidget(m_bool, 3, 3, Qt::AlignTop);
    row->addWidget(makeFraction(s3, m3, "Line2", d3, this), 1, 4, 3, 1, Qt::AlignCenter);
    row->setColumnStretch(4, 1);

    auto* section = new QVBoxLayout;
    section->addWidget(Label8, 0, Qt::AlignHCenter);
    section->addLayout(row);
    return section;
}

QWidget* FractionOperatorsWindow::buildCommonDenominator()
{
    auto* panel = new QWidget(this);
    Label1 = makeHeading("Label1", QStringLiteral("Common Denominator"), panel);
    // The field named b stands under "A", and a under "B".
    b = makeFractionField("b", QStringLiteral("A"), panel);
    a = makeFractionField("a", QStringLiteral("B"), panel);
    Command2 = makeButton("Command2", QStringLiteral("Make Common Denominator"), panel);
    c = makeFractionResult("c", QStringLiteral("Common denominator"), panel);
    addPanel({.fields = {b, a}, .buttons = {Command2}, .results = {c}});

    auto* grid = new QGridLayout;
    grid->addWidget(makeCaption("Label6", QStringLiteral("A"), panel), 0, 0);
    grid->addWidget(makeCaption("Label7", QStringLiteral("B"), panel), 0, 1);
    grid->addWidget(makeCaption("Label10", QStringLiteral("Result"), panel), 0, 3);
    grid->addWidget(b, 1, 0);
    grid->addWidget(a, 1, 1);
    grid->addWidget(c, 1, 3);
    grid->setColumnMinimumWidth(2, 8);
    grid->setColumnStretch(3, 1);

    auto* layout = new QVBoxLayout(panel);
    layout->addWidget(Label1);
    layout->addLayout(grid);
    layout->addWidget(Command2, 0, Qt::AlignLeft);
    layout->addStretch();
    return panel;
}

QWidget* FractionOperatorsWindow::buildReduction()
{
    auto* panel = new QWidget(this);
    Label9 = makeHeading("Label9", QStringLiteral("Reduction"), panel);
    inm4 = makeFractionField("inm4", QStringLiteral("Numerator"), panel);
    ind4 = makeFractionField("ind4", QStringLiteral("Denominator"), panel);
    Command3 = makeButton("Command3", QStringLiteral("Reduction"), panel);
    om4 = makeFractionResult("om4", QStringLiteral("Reduced numerator"), panel);
    od4 = makeFractionResult("od4", QStringLiteral("Reduced denominator"), panel);
    addPanel({.fields = {inm4, ind4}, .buttons = {Command3}, .results = {om4, od4}});

    auto* result = new QVBoxLayout;
    result->addWidget(makeCaption("Label11", QStringLiteral("Result"), panel));
    result->addWidget(makeFraction(nullptr, om4, "Line7", od4, panel));

    auto* row = new QHBoxLayout;
    row->addWidget(makeFraction(nullptr, inm4, "Line6", ind4, panel), 0, Qt::AlignBottom);
    row->addWidget(Command3, 0, Qt::AlignVCenter);
    row->addLayout(result);
    row->addStretch(1);

    auto* layout = new QVBoxLayout(panel);
    layout->addWidget(Label9);
    layout->addLayout(row);
    layout->addStretch();
    return panel;
}

void FractionOperatorsWindow::operate()
{
    beginClick();
    deliver(
        operateOnFractions({s1->text(), m1->text(), d1->text()}, op->text(),
                           {s2->text(), m2->text(), d2->text()}),
        taskHeading(Label8, Command1),
        [this](const OperatorAnswer& answer) {
            setFieldText(s1, answer.wholes.first);
            setFieldText(s2, answer.wholes.second);
            if (const auto* result = std::get_if<FractionText>(&answer.result))
                showFraction(*result, s3, m3, d3);
            else
                m_bool->setText(
                    captionText(std::get<bool>(answer.result) ? Caption::True : Caption::False));
        },
        [this](const OperatorRefusal& refusal) {
            setFieldText(s1, refusal.wholes.first);
            setFieldText(s2, refusal.wholes.second);
            // A division by zero leaves no result on show, not a stale one.
            if (refusal.message == Message::SecondFractionZero)
                showFraction({}, s3, m3, d3);
            m_sink.show(refusal.message);
            focusRefused(refusal.message == Message::SetOperation
                             ? op
                             : refusedField(refusal.message, {m2, d2, m1, d1},
                                            refusal.message == Message::SecondFractionZero
                                                ? QList<QLineEdit*>{m2}
                                                : QList<QLineEdit*>{d1, d2}));
        });
}

void FractionOperatorsWindow::findCommonDenominator()
{
    beginClick();
    deliver(
        commonDenominator(a->text(), b->text()), taskHeading(Label1, Command2),
        [this](double denominator) { writeNumber(c, denominator); },
        [this](Message message) {
            m_sink.show(message);
            focusRefused(refusedField(message, {a, b}, {a, b}));
        });
}

void FractionOperatorsWindow::reduce()
{
    beginClick();
    deliver(
        reduceFraction(inm4->text(), ind4->text()), taskHeading(Label9, Command3),
        [this](const FractionText& reduced) { showFraction(reduced, nullptr, om4, od4); },
        [this](Message message) {
            m_sink.show(message);
            focusRefused(refusedField(message, {inm4, ind4}, {ind4}));
        });
}
