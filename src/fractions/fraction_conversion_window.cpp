#include "fractions/fraction_conversion_window.h"

#include "fractions/fraction_controls.h"
#include "fractions/fraction_conversion.h"
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

QFrame* makeVerticalRule(const char* name, QWidget* parent)
{
    QFrame* rule = makeRule(name, parent);
    rule->setFrameShape(QFrame::VLine);
    return rule;
}

// A mixed number is a whole part and a proper fraction.
constexpr FractionParts mixedNumber(const char* whole, const char* numerator, const char* bar,
                                    const char* denominator)
{
    return {.label = "Mixed number",
            .whole = {whole, QT_TRANSLATE_NOOP("Tip", "The whole part of the mixed number")},
            .numerator = {numerator,
                          QT_TRANSLATE_NOOP("Tip",
                                            "The numerator: the number above the fraction line")},
            .bar = bar,
            .denominator = {
                denominator,
                QT_TRANSLATE_NOOP("Tip", "The denominator: the number below the fraction line")}};
}

// An improper fraction has no whole part.
constexpr FractionParts improperFraction(FractionPart numerator, const char* bar,
                                         FractionPart denominator)
{
    return {.label = "Improper fraction",
            .numerator = numerator,
            .bar = bar,
            .denominator = denominator};
}

struct Conversion {
    const char* headingName;
    const char* heading;
    FractionParts inputs;
    const char* buttonName;
    const char* caption;
    FractionParts outputs;
};

// The four panels, in the order Tab walks them.
constexpr Conversion conversions[] = {
    {.headingName = "Label1",
     .heading = "Converts Simple Fraction To Improper Fraction",
     .inputs = mixedNumber("in1s", "in1m", "Line1", "in1d"),
     .buttonName = "Command1",
     .caption = " Fraction To Improper ",
     .outputs = improperFraction(
         {"sol1m", QT_TRANSLATE_NOOP("Tip", "The numerator of the improper fraction")}, "Line5",
         {"sol1d", QT_TRANSLATE_NOOP("Tip", "The denominator of the improper fraction")})},
    {.headingName = "Label5",
     .heading = "Converts Improper Fraction To Simple  Fraction",
     .inputs = improperFraction(
         {"in2m", QT_TRANSLATE_NOOP(
                      "Tip", "The numerator of the improper fraction: the number above the line")},
         "Line7",
         {"in2d",
          QT_TRANSLATE_NOOP(
              "Tip", "The denominator of the improper fraction: the number below the line")}),
     .buttonName = "Command2",
     .caption = "Improper To Fraction",
     .outputs = mixedNumber("sol2s", "sol2m", "Line6", "sol2d")},
    {.headingName = "Label2",
     .heading = "Converts Simple Fraction To Decimal Fruction",
     .inputs = mixedNumber("in3s", "in3m", "Line8", "in3d"),
     .buttonName = "Command3",
     .caption = "Fraction To Decimal",
     .outputs = {.label = "Decimal",
                 .whole = {"out3",
                           QT_TRANSLATE_NOOP("Tip", "The mixed number written as a decimal")}}},
    {.headingName = "Label3",
     .heading = "Converts Decimal Fruction To  Simple Fraction ",
     .inputs = {.label = "Decimal",
                .whole = {"in4",
                          QT_TRANSLATE_NOOP("Tip", "The decimal to write as a mixed number")}},
     .buttonName = "Command4",
     .caption = "Decimal To Fraction",
     .outputs = mixedNumber("out4s", "out4m", "Line10", "out4d")},
};

// A panel: its heading on top, then inputs, button and outputs from left to right.
QWidget* layOutPanel(QLabel* heading, QWidget* inputs, QPushButton* button, QWidget* outputs,
                     QWidget* parent)
{
    auto* panel = new QWidget(parent);
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

} // namespace

// What a panel's click path uses: its fields and results in reading order, and the heading of
// its working.
struct FractionConversionWindow::Panel {
    using Run = void (Panel::*)() const;

    FractionConversionWindow& window;
    QList<QLineEdit*> fields{};
    QList<QLabel*> results{};
    QString heading{};

    QWidget* build(const Conversion& conversion, Run run);
    QString text(int field) const { return fields[field]->text(); }
    template <class Refuse>
    void answer(const Outcome<FractionText>& outcome, Refuse&& refuse) const;
    void refuse(Message message, const QList<QLineEdit*>& tested) const;

    void toImproper() const;
    void toMixed() const;
    void toDecimal() const;
    void fromDecimal() const;
};

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
    static constexpr Panel::Run runs[] = {&Panel::toImproper, &Panel::toMixed, &Panel::toDecimal,
                                          &Panel::fromDecimal};
    for (int index = 0; index < int(std::size(conversions)); ++index)
        frame->addWidget(Panel{*this}.build(conversions[index], runs[index]), 1 + 2 * (index / 2),
                         1 + 2 * (index % 2));
    frame->setColumnStretch(1, 1);
    frame->setColumnStretch(3, 1);

    addWorkingPanel();
    auto* window = new QVBoxLayout(this);
    window->addLayout(frame);
    window->addWidget(m_working);
    window->addStretch();
    chainPanels();
}

QWidget* FractionConversionWindow::Panel::build(const Conversion& conversion, Run run)
{
    QLabel* title = makeHeading(conversion.headingName, QLatin1String(conversion.heading), &window);
    QWidget* inputs = buildFraction(conversion.inputs, fields, &window);
    auto* button = makeButton(conversion.buttonName, QLatin1String(conversion.caption), &window);
    QWidget* outputs = buildFraction(conversion.outputs, results, &window);
    heading = taskHeading(title, button);
    window.addPanel({.fields = fields, .buttons = {button}, .results = results});
    connect(button, &QPushButton::clicked, &window, [panel = *this, run] { (panel.*run)(); });
    return layOutPanel(title, inputs, button, outputs, &window);
}

// The fraction answered into the results, or refused. The task only reads the fields' texts,
// so it may run before the click begins.
template <class Refuse>
void FractionConversionWindow::Panel::answer(const Outcome<FractionText>& outcome,
                                             Refuse&& refuse) const
{
    window.beginClick();
    window.deliver(
        outcome, heading, [this](const FractionText& fraction) { showFraction(fraction, results); },
        refuse);
}

void FractionConversionWindow::Panel::toImproper() const
{
    answer(fractionToImproper(text(0), text(1), text(2)), [this](Message message) {
        refuse(message, {fields[2], fields[1], fields[0]});
    });
}

void FractionConversionWindow::Panel::toMixed() const
{
    answer(improperToFraction(text(0), text(1)), [this](Message message) {
        refuse(message, {fields[1], fields[0]});
    });
}

void FractionConversionWindow::Panel::toDecimal() const
{
    QLineEdit* whole = fields[0];
    window.beginClick();
    window.deliver(
        fractionToDecimal(text(0), text(1), text(2)), heading,
        [this, whole](const DecimalResult& result) {
            setFieldText(whole, result.whole);
            results[0]->setText(result.decimal);
        },
        [this, whole](const std::variant<Message, WholeReset>& refusal) {
            if (const auto* message = std::get_if<Message>(&refusal))
                refuse(*message, {fields[2], fields[1]});
            else
                setFieldText(whole, QStringLiteral("0"));
        });
}

void FractionConversionWindow::Panel::fromDecimal() const
{
    answer(decimalToFraction(text(0)), [this](Message message) {
        window.m_sink.show(message);
        window.focusRefused(fields[0]); // the one field, whatever was wrong with it
    });
}

// The message, then the focus on the field it is about: the fields as the panel's tool tests
// them, the denominator (the last) the one that may not be 0.
void FractionConversionWindow::Panel::refuse(Message message, const QList<QLineEdit*>& tested) const
{
    window.m_sink.show(message);
    window.focusRefused(refusedField(message, tested, {fields.last()}));
}
