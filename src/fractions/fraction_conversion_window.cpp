#include "fractions/fraction_conversion_window.h"

#include "fractions/fraction_controls.h"
#include "fractions/fraction_conversion.h"
#include "widgets/controls.h"
#include "widgets/fraction_box.h"
#include "widgets/working_panel.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QFrame* makeVerticalRule(const char* name, QWidget* parent)
{
    QFrame* rule = makeRule(name, parent);
    rule->setFrameShape(QFrame::VLine);
    return rule;
}

} // namespace

FractionConversionWindow::FractionConversionWindow(MessageSink& sink, QWidget* parent)
    // Their tools apply the number test themselves, so the reader stays unused.
    : ToolWindow("Form3", QStringLiteral("Fraction Conversion"), behaviours::plain, sink, parent)
{
    // Four panels in a frame, a line across the middle and one down it.
    auto* frame = new QGridLayout;
    frame->setSpacing(0);
    frame->addWidget(makeRule("Line4", this), 0, 0, 1, 5);
    frame->addWidget(makeRule("Line9", this), 4, 0, 1, 5);
    frame->addWidget(makeVerticalRule("Line11", this), 0, 0, 5, 1);
    frame->addWidget(makeVerticalRule("Line12", this), 0, 4, 5, 1);
    frame->addWidget(makeRule("Line2", this), 2, 1, 1, 3);
    frame->addWidget(makeVerticalRule("Line3", this), 1, 2, 3, 1);
    frame->addWidget(buildToImproper(), 1, 1);
    frame->addWidget(buildToFraction(), 1, 3);
    frame->addWidget(buildToDecimal(), 3, 1);
    frame->addWidget(buildDecimalToFraction(), 3, 3);
    frame->setColumnStretch(1, 1);
    frame->setColumnStretch(3, 1);

    addWorkingPanel();
    auto* window = new QVBoxLayout(this);
    window->addLayout(frame);
    window->addWidget(m_working);
    window->addStretch();

    chainPanels();
    connect(Command1, &QPushButton::clicked, this, &FractionConversionWindow::toImproper);
    connect(Command2, &QPushButton::clicked, this, &FractionConversionWindow::toMixed);
    connect(Command3, &QPushButton::clicked, this, &FractionConversionWindow::toDecimal);
    connect(Command4, &QPushButton::clicked, this, &FractionConversionWindow::fromDecimal);
}

QWidget* FractionConversionWindow::buildToImproper()
{
    Label1 = makeHeading("Label1", QStringLiteral("Converts Simple Fraction To Improper Fraction"),
                         this);
    in1s = makeFractionField("in1s", QStringLiteral("Mixed number, whole part"), this);
    in1m = makeFractionField("in1m", QStringLiteral("Mixed number, numerator"), this);
    in1d = makeFractionField("in1d", QStringLiteral("Mixed number, denominator"), this);
    Command1 = makeButton("Command1", QStringLiteral(" Fraction To Improper "), this);
    sol1m = makeFractionResult("sol1m", QStringLiteral("Improper fraction, numerator"), this);
    sol1d = makeFractionResult("sol1d", QStringLiteral("Improper fraction, denominator"), this);
    addPanel({.fields = {in1s, in1m, in1d}, .buttons = {Command1}, .results = {sol1m, sol1d}});
    return panelOf(Label1, makeFraction(in1s, in1m, "Line1", in1d, this), Command1,
                   makeFraction(nullptr, sol1m, "Line5", sol1d, this));
}

QWidget* FractionConversionWindow::buildToFraction()
{
    Label5 = makeHeading("Label5", QStringLiteral("Converts Improper Fraction To Simple  Fraction"),
                         this);
    in2m = makeFractionField("in2m", QStringLiteral("Improper fraction, numerator"), this);
    in2d = makeFractionField("in2d", QStringLiteral("Improper fraction, denominator"), this);
    Command2 = makeButton("Command2", QStringLiteral("Improper To Fraction"), this);
    sol2s = makeFractionResult("sol2s", QStringLiteral("Mixed number, whole part"), this, 5);
    sol2m = makeFractionResult("sol2m", QStringLiteral("Mixed number, numerator"), this);
    sol2d = makeFractionResult("sol2d", QStringLiteral("Mixed number, denominator"), this);
    addPanel({.fields = {in2m, in2d}, .buttons = {Command2}, .results = {sol2s, sol2m, sol2d}});
    return panelOf(Label5, makeFraction(nullptr, in2m, "Line7", in2d, this), Command2,
                   makeFraction(sol2s, sol2m, "Line6", sol2d, this));
}

QWidget* FractionConversionWindow::buildToDecimal()
{
    Label2 =
        makeHeading("Label2", QStringLiteral("Converts Simple Fraction To Decimal Fruction"), this);
    in3s = makeFractionField("in3s", QStringLiteral("Mixed number, whole part"), this);
    in3m = makeFractionField("in3m", QStringLiteral("Mixed number, numerator"), this);
    in3d = makeFractionField("in3d", QStringLiteral("Mixed number, denominator"), this);
    Command3 = makeButton("Command3", QStringLiteral("Fraction To Decimal"), this);
    out3 = makeResultLabel("out3", QStringLiteral("Decimal"), this);
    addPanel({.fields = {in3s, in3m, in3d}, .buttons = {Command3}, .results = {out3}});
    return panelOf(Label2, makeFraction(in3s, in3m, "Line8", in3d, this), Command3, out3);
}

QWidget* FractionConversionWindow::buildDecimalToFraction()
{
    Label3 = makeHeading("Label3", QStringLiteral("Converts Decimal Fruction To  Simple Fraction "),
                         this);
    in4 = makeField("in4", QStringLiteral("Decimal"), this);
    Command4 = makeButton("Command4", QStringLiteral("Decimal To Fraction"), this);
    out4s = makeFractionResult("out4s", QStringLiteral("Mixed number, whole part"), this, 5);
    out4m = makeFractionResult("out4m", QStringLiteral("Mixed number, numerator"), this);
    out4d = makeFractionResult("out4d", QStringLiteral("Mixed number, denominator"), this);
    addPanel({.fields = {in4}, .buttons = {Command4}, .results = {out4s, out4m, out4d}});
    return panelOf(Label3, in4, Command4, makeFraction(out4s, out4m, "Line10", out4d, this));
}

// A panel: its heading on top, then inputs, button and outputs from left to right.
QWidget* FractionConversionWindow::panelOf(QLabel* heading, QWidget* inputs, QPushButton* button,
                                           QWidget* outputs)
{
    auto* panel = new QWidget(this);
    auto* row = new QHBoxLayout;
    row->addWidget(inputs, 0, Qt::AlignVCenter);
    row->addWidget(button, 0, Qt::AlignVCenter);
    row->addWidget(outputs, 0, Qt::AlignLeft | Qt::AlignVCenter);
    row->addStretch(1);
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(12, 8, 12, 12);
    layout->addWidget(heading);
    layout->addStretch();
    layout->addLayout(row);
    layout->addStretch();
    return panel;
}

void FractionConversionWindow::toImproper()
{
    beginClick();
    deliver(
        fractionToImproper(in1s->text(), in1m->text(), in1d->text()), taskHeading(Label1, Command1),
        [this](const FractionText& improper) { showFraction(improper, nullptr, sol1m, sol1d); });
}

void FractionConversionWindow::toMixed()
{
    beginClick();
    deliver(improperToFraction(in2m->text(), in2d->text()), taskHeading(Label5, Command2),
            [this](const FractionText& mixed) { showFraction(mixed, sol2s, sol2m, sol2d); });
}

void FractionConversionWindow::toDecimal()
{
    beginClick();
    deliver(
        fractionToDecimal(in3s->text(), in3m->text(), in3d->text()), taskHeading(Label2, Command3),
        [this](const DecimalResult& result) {
            setFieldText(in3s, result.whole);
            out3->setText(result.decimal);
        },
        [this](const std::variant<Message, WholeReset>& refusal) {
            if (const auto* message = std::get_if<Message>(&refusal))
                m_sink.show(*message);
            else
                setFieldText(in3s, QStringLiteral("0"));
        });
}

void FractionConversionWindow::fromDecimal()
{
    beginClick();
    deliver(decimalToFraction(in4->text()), taskHeading(Label3, Command4),
            [this](const FractionText& mixed) { showFraction(mixed, out4s, out4m, out4d); });
}
