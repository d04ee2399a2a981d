#include "statistics/statistics_window.h"

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

} // namespace

StatisticsWindow::StatisticsWindow(MessageSink& sink, QWidget* parent)
    : ToolWindow("Form5", QStringLiteral("Statistics"), behaviours::selfResetting, sink, parent)
{
    // Controls are made in the order Tab visits them; the rule above the formulas comes last.
    auto* window = new QVBoxLayout(this);
    window->addWidget(buildHeading());
    buildLists(window);
    auto* lower = new QHBoxLayout;
    lower->addLayout(buildFormulas(), 3);
    QLayout* answer = buildAnswer();
    lower->addWidget(makeUpright(this));
    lower->addLayout(answer, 1);
    window->addWidget(makeRule("Line1", this));
    window->addLayout(lower);
    addWorkingPanel(AnswerFormats::Offered);
    window->addWidget(m_working);
    window->addStretch();

    addPanel({.fields = {n, w},
              .buttons = {Command1, Command3, Command2},
              .results = {sol},
              .returnRepeatsLast = true});
    chainPanels();
    applyTips(this, tips);
    connect(Command1, &QPushButton::clicked, this, [this] { calculate(&mean); });
    connect(Command3, &QPushButton::clicked, this, [this] { calculate(&variance); });
    connect(Command2, &QPushButton::clicked, this, [this] { calculate(&deviation); });
}

QLabel* StatisticsWindow::buildHeading()
{
    return makeTitle("Label2", QStringLiteral("Statistics"));
}

// The numbers and the weights, each under the words that say how to type them.
void StatisticsWindow::buildLists(QVBoxLayout* window)
{
    // A long list must never be cut short without a word, so the fields take any length.
    n = makeField("n", QStringLiteral("Numbers"), this);
    w = makeField("w", QStringLiteral("Weights"), this);
    for (QLineEdit* field : {n, w})
        field->setMaxLength(std::numeric_limits<int>::max());
    QLabel* Label3 = makeLabel(
        "Label3",
        QStringLiteral("Fill in the numbers separated by space in form:  1 4 65 898 5 2 6 88"),
        this);
    QLabel* Label9 = makeLabel("Label9",
                               QStringLiteral("Fill in the weight according to the order of the "
                                              "numbers above in form 9 8 3 1 7 6 9 1 "),
                               this);
    QLabel* Label10 = makeLabel("Label10",
                                QStringLiteral("If You Dont Have weight , Dont Fill In the lower "
                                               "filed and the weights will be set to 1."),
                                this);
    Label3->setBuddy(n);
    Label9->setBuddy(w);
    window->addWidget(Label3);
    window->addWidget(n);
    window->addWidget(Label9);
    window->addWidget(Label10);
    window->addWidget(w);
}

// Each button beside the formula it computes.
QGridLayout* StatisticsWindow::buildFormulas()
{
    Command1 = makeButton("Command1", QStringLiteral("Calculate Mean"), this);
    Command3 = makeButton("Command3", QStringLiteral("Calculate Variance"), this);
    Command2 = makeButton("Command2", QStringLiteral("Calculate Standard-Deviation"), this);
    auto* rows = new QGridLayout;
    rows->setHorizontalSpacing(16);
    rows->addWidget(Command1, 0, 0);
    rows->addWidget(
        makeFormula(makeLabel("Label4", QStringLiteral("(a1*w1+a2*w2+ ... +an*wn)"), this),
                    makeLabel("Label5", QStringLiteral("(w1+w2+ .. + wn)"), this), this),
        0, 1, Qt::AlignLeft);
    rows->addWidget(makeRule("Line5", this), 1, 0, 1, 2);
    rows->addWidget(Command3, 2, 0);
    rows->addWidget(makeFormula(makeLabel("Label6",
                                          QStringLiteral("w1*(a1-average)^2+w2*(a2-average)^2+ ... "
                                                         "+wn*(an-average^2)"),
                                          this),
                                makeLabel("Label7", QStringLiteral("(w1+wn+ ... + wn)"), this),
                                this),
                    2, 1, Qt::AlignLeft);
    rows->addWidget(makeRule("Line6", this), 3, 0, 1, 2);
    rows->addWidget(Command2, 4, 0);
    rows->addWidget(makeLabel("Label8", QStringLiteral("Root(Different)"), this), 4, 1,
                    Qt::AlignLeft);
    return rows;
}

// The answer column at the right.
QVBoxLayout* StatisticsWindow::buildAnswer()
{
    sol = makeResultLabel("sol", QStringLiteral("Answer"), this);
    fitAnyAnswer(sol);
    QLabel* Label1 = makeLabel("Label1", QStringLiteral("Answer"), this);
    Label1->setAlignment(Qt::AlignHCenter);
    auto* answer = new QVBoxLayout;
    answer->addWidget(Label1);
    answer->addWidget(makeRule("Line8", this));
    answer->addWidget(sol);
    answer->addWidget(makeRule("Line9", this));
    answer->addStretch();
    return answer;
}

void StatisticsWindow::calculate(Statistic statistic)
{
    beginClick({sol});
    std::vector<double> numbers;
    std::vector<double> weights;
    if (checkLists(n->text(), w->text(), numbers, weights))
        deliver(statistic(numbers, weights), {},
                [this](double answer) { writeNumber(sol, answer); });
}

bool StatisticsWindow::checkLists(QStringView numbersText, QStringView weightsText,
                                  std::vector<double>& numbers, std::vector<double>& weights)
{
    const qsizetype weightCount = itemCount(weightsText);
    if (const auto problem = checkCounts(itemCount(numbersText), weightCount)) {
        m_sink.show(*problem);
        return false;
    }
    // Number 1, weight 1, number 2, ...: the first refused item ends the check. The items are
    // cut one at a time, so a long list of blanks costs no more than its first item.
    auto numberItems = qTokenize(numbersText, u' ');
    auto weightItems = qTokenize(weightsText, u' ');
    auto weight = weightItems.begin();
    for (QStringView item : numberItems) {
        numbers.push_back(eval(item, n));
        if (!m_reader.isValid())
            return false;
        if (weightCount > 0) {
            weights.push_back(eval(*weight++, w));
            if (!m_reader.isValid())
                return false;
        }
    }
    return true;
}
