#include "statistics/statistics_window.h"

#include "statistics/weighted_statistics.h"

#include "exact/exact_reading.h"

#include "widgets/controls.h"
#include "widgets/fraction_box.h"
#include "widgets/tips.h"
#include "widgets/working_panel.h"

#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStringTokenizer>
#include <QVBoxLayout>

#include <limits>
#include <memory>
#include <optional>

namespace {

QFrame* makeUpright(QWidget* parent)
{
    auto* line = new QFrame(parent);
    line->setFrameStyle(QFrame::VLine | QFrame::Sunken);
    return line;
}

// A formula as pupils write it: the numerator over a bar over the denominator.
FractionBox* makeFormula(QLabel* numerator, QLabel* denominator, QWidget* parent)
{
    auto* bar = new FractionBar(QString(numerator->text().size(), u'_'), parent);
    bar->setAccessibleName(QStringLiteral("divided by"));
    return new FractionBox(numerator, bar, denominator, nullptr, parent);
}

const Tip tips[] = {
    {"n", QT_TRANSLATE_NOOP("Tip", "The numbers, one blank apart: 1 4 65 898")},
    {"w", QT_TRANSLATE_NOOP("Tip", "The weights: how many times each number counts, in the same "
                                   "order, one blank apart; empty when every number counts once")},
    {"sol", QT_TRANSLATE_NOOP(
                "Tip", "The weighted mean, the variance or the standard deviation, as asked")},
};

using Statistic = Outcome<Real> (*)(const NumberList&, const NumberList&);

// The buttons, top to bottom, each beside the formula of what it computes.
struct StatisticButton {
    const char* name;
    const char* caption;
    Statistic statistic;
};

constexpr StatisticButton statisticButtons[] = {
    {.name = "Command1", .caption = "Calculate Mean", .statistic = &mean},
    {.name = "Command3", .caption = "Calculate Variance", .statistic = &variance},
    {.name = "Command2", .caption = "Calculate Standard-Deviation", .statistic = &deviation},
};

} // namespace

// The controls the click path reads and writes.
struct StatisticsWindow::Tools {
    StatisticsWindow& window;
    QLineEdit* n = nullptr;
    QLineEdit* w = nullptr;
    QList<QPushButton*> buttons{};
    QLabel* sol = nullptr;

    void buildLists(QVBoxLayout* layout);
    QGridLayout* buildFormulas();
    QVBoxLayout* buildAnswer();

    void calculate(Statistic statistic) const;
    bool checkLists(NumberList& numbers, NumberList& weights) const;
    bool readItem(QStringView item, QLineEdit* from, NumberList& list, bool exactly) const;
};

StatisticsWindow::StatisticsWindow(MessageSink& sink, QWidget* parent)
    : ToolWindow("Form5", QStringLiteral("Statistics"), behaviours::selfResetting, sink, parent)
{
    // Controls are made in the order Tab visits them; the rule above the formulas comes last.
    Tools tools{*this};
    auto* window = new QVBoxLayout(this);
    window->addWidget(makeTitle("Label2", QStringLiteral("Statistics")));
    tools.buildLists(window);
    auto* lower = new QHBoxLayout;
    lower->addLayout(tools.buildFormulas(), 3);
    QLayout* answer = tools.buildAnswer();
    lower->addWidget(makeUpright(this));
    lower->addLayout(answer, 1);
    window->addWidget(makeRule("Line1", this));
    window->addLayout(lower);
    addWorkingPanel(AnswerFormats::Offered);
    window->addWidget(m_working);
    window->addStretch();

    addPanel({.fields = {tools.n, tools.w},
              .buttons = tools.buttons,
              .results = {tools.sol},
              .returnRepeatsLast = true});
    chainPanels();
    applyTips(this, tips);
    for (int index = 0; index < int(std::size(statisticButtons)); ++index)
        connect(
            tools.buttons[index], &QPushButton::clicked, this,
            [tools, statistic = statisticButtons[index].statistic] { tools.calculate(statistic); });
}

// The numbers and the weights, each under the words that say how to type them.
void StatisticsWindow::Tools::buildLists(QVBoxLayout* layout)
{
    // A long list must never be cut short without a word, so the fields take any length.
    n = makeField("n", QStringLiteral("Numbers"), &window);
    w = makeField("w", QStringLiteral("Weights"), &window);
    for (QLineEdit* field : {n, w})
        field->setMaxLength(std::numeric_limits<int>::max());
    QLabel* Label3 = makeLabel(
        "Label3",
        QStringLiteral("Fill in the numbers separated by space in form:  1 4 65 898 5 2 6 88"),
        &window);
    QLabel* Label9 = makeLabel("Label9",
                               QStringLiteral("Fill in the weight according to the order of the "
                                              "numbers above in form 9 8 3 1 7 6 9 1 "),
                               &window);
    QLabel* Label10 = makeLabel("Label10",
                                QStringLiteral("If You Dont Have weight , Dont Fill In the lower "
                                               "filed and the weights will be set to 1."),
                                &window);
    Label3->setBuddy(n);
    Label9->setBuddy(w);
    layout->addWidget(Label3);
    layout->addWidget(n);
    layout->addWidget(Label9);
    layout->addWidget(Label10);
    layout->addWidget(w);
}

// Each button beside the formula it computes, a rule between one and the next.
QGridLayout* StatisticsWindow::Tools::buildFormulas()
{
    for (const StatisticButton& button : statisticButtons)
        buttons << makeButton(button.name, QLatin1String(button.caption), &window);
    QWidget* const formulas[] = {
        makeFormula(makeLabel("Label4", QStringLiteral("(a1*w1+a2*w2+ ... +an*wn)"), &window),
                    makeLabel("Label5", QStringLiteral("(w1+w2+ .. + wn)"), &window), &window),
        makeFormula(makeLabel("Label6",
                              QStringLiteral("w1*(a1-average)^2+w2*(a2-average)^2+ ... "
                                             "+wn*(an-average^2)"),
                              &window),
                    makeLabel("Label7", QStringLiteral("(w1+wn+ ... + wn)"), &window), &window),
        makeLabel("Label8", QStringLiteral("Root(Different)"), &window)};
    auto* rows = new QGridLayout;
    rows->setHorizontalSpacing(16);
    for (int row = 0; row < 3; ++row) {
        rows->addWidget(buttons[row], 2 * row, 0);
        rows->addWidget(formulas[row], 2 * row, 1, Qt::AlignLeft);
    }
    rows->addWidget(makeRule("Line5", &window), 1, 0, 1, 2);
    rows->addWidget(makeRule("Line6", &window), 3, 0, 1, 2);
    return rows;
}

// The answer column at the right.
QVBoxLayout* StatisticsWindow::Tools::buildAnswer()
{
    sol = makeResultLabel("sol", QStringLiteral("Answer"), &window);
    fitAnyAnswer(sol);
    QLabel* Label1 = makeLabel("Label1", QStringLiteral("Answer"), &window);
    Label1->setAlignment(Qt::AlignHCenter);
    auto* answer = new QVBoxLayout;
    answer->addWidget(Label1);
    answer->addWidget(makeRule("Line8", &window));
    answer->addWidget(sol);
    answer->addWidget(makeRule("Line9", &window));
    answer->addStretch();
    return answer;
}

void StatisticsWindow::Tools::calculate(Statistic statistic) const
{
    window.beginClick({sol});
    // Held once and shared: a change of answer format solves the task again from them.
    auto numbers = std::make_shared<NumberList>();
    auto weights = std::make_shared<NumberList>();
    if (!checkLists(*numbers, *weights))
        return;
    window.deliver([statistic, numbers, weights] { return statistic(*numbers, *weights); }, {},
                   [this](const Real& answer) { window.writeNumber(sol, answer); });
}

// One item read as the field reader reads it, its exact value beside it where asked; false
// when refused.
bool StatisticsWindow::Tools::readItem(QStringView item, QLineEdit* from, NumberList& list,
                                       bool exactly) const
{
    const double value = window.eval(item, from);
    if (!window.m_reader.isValid())
        return false;
    list.append(value, exactly ? readExactField(item, window.m_reader.behaviour()) : std::nullopt);
    return true;
}

bool StatisticsWindow::Tools::checkLists(NumberList& numbers, NumberList& weights) const
{
    const QString numbersText = n->text();
    const QString weightsText = w->text();
    const qsizetype weightCount = itemCount(weightsText);
    if (const auto problem = checkCounts(itemCount(numbersText), weightCount)) {
        window.m_sink.show(*problem);
        return false;
    }
    // Number 1, weight 1, number 2, ...: the first refused item ends the check. The items are
    // cut one at a time, so a long list of blanks costs no more than its first item.
    const qsizetype numberCount = itemCount(numbersText);
    // A pasted list of a whole school's marks is answered in decimals: read exactly, it
    // would take the press from a tenth of a second to most of one.
    const bool exactly = numberCount <= 1000;
    numbers.reserve(std::size_t(numberCount));
    weights.reserve(std::size_t(weightCount));
    auto numberItems = qTokenize(numbersText, u' ');
    auto weightItems = qTokenize(weightsText, u' ');
    auto weight = weightItems.begin();
    for (QStringView item : numberItems) {
        if (!readItem(item, n, numbers, exactly))
            return false;
        if (weightCount > 0 && !readItem(*weight++, w, weights, exactly))
            return false;
    }
    return true;
}
