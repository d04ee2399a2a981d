#include "fractions/fraction_conversion_window.h"

#include "fractions/fraction_controls.h"
#include "fractions/fraction_conversion.h"
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

QFrame* makeVerticalRule(const char* name, QWidget* parent)
{
    QFrame* rule = makeRule(name, parent);
    rule->setFrameShape(QFrame::VLine);
    return rule;
}

// One part of a fraction on show: its object name and what screen readers call it; a part
// with no name is not there.
struct Part {
    const char* name = nullptr;
    const char* spoken = nullptr;
};

// A fraction of fields or results: whole part, numerator, bar, denominator. A single box has
// only its whole part and no bar.
struct FractionParts {
    Part whole{}, numerator{};
    const char* bar = nullptr;
    Part denominator{};
};

struct Conversion {
    const char* headingName;
    const char* heading;
    FractionParts inputs;
    const char* buttonName;
    const char* caption;
    FractionParts outputs;
};

// The four panels, in the order Tab walks them.
const Conversion conversions[] = {
    {.headingName = "Label1",
     .heading = "Converts Simple Fraction To Improper Fraction",
     .inputs = {{"in1s", "Mixed number, whole part"},
                {"in1m", "Mixed number, numerator"},
                "Line1",
                {"in1d", "Mixed number, denominator"}},
     .buttonName = "Command1",
     .caption = " Fraction To Improper ",
     .outputs = {{},
                 {"sol1m", "Improper fraction, numerator"},
                 "Line5",
                 {"sol1d", "Improper fraction, denominator"}}},
    {.headingName = "Label5",
     .heading = "Converts Improper Fraction To Simple  Fraction",
     .inputs = {{},
                {"in2m", "Improper fraction, numerator"},
                "Line7",
                {"in2d", "Improper fraction, denominator"}},
     .buttonName = "Command2",
     .caption = "Improper To Fraction",
     .outputs = {{"sol2s", "Mixed number, whole part"},
                 {"sol2m", "Mixed number, numerator"},
                 "Line6",
                 {"sol2d", "Mixed number, denominator"}}},
    {.headingName = "Label2",
     .heading = "Converts Simple Fraction To Decimal Fruction",
     .inputs = {{"in3s", "Mixed number, whole part"},
                {"in3m", "Mixed number, numerator"},
                "Line8",
                {"in3d", "Mixed number, denominator"}},
     .buttonName = "Command3",
     .caption = "Fraction To Decimal",
     .outputs = {{"out3", "Decimal"}}},
    {.headingName = "Label3",
     .heading = "Converts Decimal Fruction To  Simple Fraction ",
     .inputs = {{"in4", "Decimal"}},
     .buttonName = "Command4",
     .caption = "Decimal To Fraction",
     .outputs = {{"out4s", "Mixed number, whole part"},
                 {"out4m", "Mixed number, numerator"},
                 "Line10",
                 {"out4d", "Mixed number, denominator"}}},
};

// A fraction of narrow fields, or one field where there is no bar.
QWidget* buildInputs(const FractionParts& parts, QList<QLineEdit*>& fields, QWidget* parent)
{
    if (!parts.bar) {
        fields << makeField(parts.whole.name, QLatin1String(parts.whole.spoken), parent);
        return fields.last();
    }
    QLineEdit* whole =
        parts.whole.name
            ? makeFractionField(parts.whole.name, QLatin1String(parts.whole.spoken), parent)
            : nullptr;
    if (whole)
        fields << whole;
    for (const Part& part : {parts.numerator, parts.denominator})
        fields << makeFractionField(part.name, QLatin1String(part.spoken), parent);
    return makeFraction(whole, fields[fields.size() - 2], parts.bar, fields.last(), parent);
}

// A result fraction, its whole part narrower; one result where there is no bar.
QWidget* buildOutputs(const FractionParts& parts, QList<QLabel*>& results, QWidget* parent)
{
    if (!parts.bar) {
        results << makeResultLabel(parts.whole.name, QLatin1String(parts.whole.spoken), parent);
        return results.last();
    }
    QLabel* whole =
        parts.whole.name
            ? makeFractionResult(parts.whole.name, QLatin1String(parts.whole.spoken), parent, 5)
            : nullptr;
    if (whole)
        results << whole;
    for (const Part& part : {parts.numerator, parts.denominator})
        results << makeFractionResult(part.name, QLatin1String(part.spoken), parent);
    return makeFraction(whole, results[results.size() - 2], parts.bar, results.last(), parent);
}

constexpr const char* whole = QT_TRANSLATE_NOOP("Tip", "The whole part of the mixed number");
constexpr const char* numerator =
    QT_TRANSLATE_NOOP("Tip", "The numerator: the number above the fraction line");
constexpr const char* denominator =
    QT_TRANSLATE_NOOP("Tip", "The denominator: the number below the fraction line");

// A mixed number is a whole part and a proper fraction; an improper fraction has no whole part.
const Tip tips[] = {
    {"in1s", whole},
    {"in1m", numerator},
    {"in1d", denominator},
    {"sol1m", QT_TRANSLATE_NOOP("Tip", "The numerator of the improper fraction")},
    {"sol1d", QT_TRANSLATE_NOOP("Tip", "The denominator of the improper fraction")},
    {"in2m",
     QT_TRANSLATE_NOOP("Tip", "The numerator of the improper fraction: the number above the line")},
    {"in2d", QT_TRANSLATE_NOOP(
                 "Tip", "The denominator of the improper fraction: the number below the line")},
    {"sol2s", whole},
    {"sol2m", numerator},
    {"sol2d", denominator},
    {"in3s", whole},
    {"in3m", numerator},
    {"in3d", denominator},
    {"out3", QT_TRANSLATE_NOOP("Tip", "The mixed number written as a decimal")},
    {"in4", QT_TRANSLATE_NOOP("Tip", "The decimal to write as a mixed number")},
    {"out4s", whole},
    {"out4m", numerator},
    {"out4d", denominator},
};

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
    for (int index = 0; index < int(std::size(conversions)); ++index)
        frame->addWidget(buildPanel(index), 1 + 2 * (index / 2), 1 + 2 * (index % 2));
    frame->setColumnStretch(1, 1);
    frame->setColumnStretch(3, 1);

    addWorkingPanel();
    auto* window = new QVBoxLayout(this);
    window->addLayout(frame);
    window->addWidget(m_working);
    window->addStretch();

    chainPanels();
    applyTips(this, tips);
}

// A panel: its heading on top, then inputs, button and outputs from left to right.
QWidget* FractionConversionWindow::buildPanel(int index)
{
    const Conversion& conversion = conversions[index];
    Tool& tool = m_tools[index];
    QLabel* heading = makeHeading(conversion.headingName, QLatin1String(conversion.heading), this);
    QWidget* inputs = buildInputs(conversion.inputs, tool.fields, this);
    auto* button = makeButton(conversion.buttonName, QLatin1String(conversion.caption), this);
    QWidget* outputs = buildOutputs(conversion.outputs, tool.results, this);
    tool.heading = taskHeading(heading, button);
    addPanel({.fields = tool.fields, .buttons = {button}, .results = tool.results});
    static constexpr void (FractionConversionWindow::*runs[])() = {
        &FractionConversionWindow::toImproper, &FractionConversionWindow::toMixed,
        &FractionConversionWindow::toDecimal, &FractionConversionWindow::fromDecimal};
    connect(button, &QPushButton::clicked, this, runs[index]);

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
    const Tool& tool = m_tools[0];
    beginClick();
    deliver(
        fractionToImproper(textOf(tool, 0), textOf(tool, 1), textOf(tool, 2)), tool.heading,
        [&tool](const FractionText& improper) {
            showFraction(improper, nullptr, tool.results[0], tool.results[1]);
        },
        [this, &tool](Message message) {
            refuse(message, tool, {2, 1, 0});
        });
}

void FractionConversionWindow::toMixed()
{
    const Tool& tool = m_tools[1];
    beginClick();
    deliver(
        improperToFraction(textOf(tool, 0), textOf(tool, 1)), tool.heading,
        [&tool](const FractionText& mixed) { showFraction(mixed, tool.results); },
        [this, &tool](Message message) {
            refuse(message, tool, {1, 0});
        });
}

void FractionConversionWindow::toDecimal()
{
    const Tool& tool = m_tools[2];
    QLineEdit* whole = tool.fields[0];
    beginClick();
    deliver(
        fractionToDecimal(textOf(tool, 0), textOf(tool, 1), textOf(tool, 2)), tool.heading,
        [&tool, whole](const DecimalResult& result) {
            setFieldText(whole, result.whole);
            tool.results[0]->setText(result.decimal);
        },
        [this, &tool, whole](const std::variant<Message, WholeReset>& refusal) {
            if (const auto* message = std::get_if<Message>(&refusal))
                refuse(*message, tool, {2, 1});
            else
                setFieldText(whole, QStringLiteral("0"));
        });
}

void FractionConversionWindow::fromDecimal()
{
    const Tool& tool = m_tools[3];
    beginClick();
    deliver(
        decimalToFraction(textOf(tool, 0)), tool.heading,
        [&tool](const FractionText& mixed) { showFraction(mixed, tool.results); },
        [this, &tool](Message message) {
            m_sink.show(message);
            focusRefused(tool.fields[0]); // the one field, whatever was wrong with it
        });
}

// The message, then the focus on the field it is about: the panel's fields as its tool tests
// them, the denominator (the last) the one that may not be 0.
void FractionConversionWindow::refuse(Message message, const Tool& tool,
                                      std::initializer_list<int> testOrder)
{
    m_sink.show(message);
    QList<QLineEdit*> tested;
    for (const int field : testOrder)
        tested << tool.fields[field];
    focusRefused(refusedField(message, tested, {tool.fields.last()}));
}

QString FractionConversionWindow::textOf(const Tool& tool, int field)
{
    return tool.fields[field]->text();
}
