#include "problems/word_problems_window.h"

#include "problems/word_problems.h"
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

#include <iterator>

namespace {

// The fields a button reads, as bits of their columns; every button reads left to right.
constexpr unsigned first = 1;
constexpr unsigned second = 2;
constexpr unsigned third = 4;

struct Section {
    const char* name;
    const char* heading;
};

// Two sections of two panels each, the panels in table order.
constexpr Section sections[] = {{"trafficHeading", "Traffic"}, {"percentageHeading", "Percentage"}};

QLabel* makeTextLabel(const QByteArray& name, const char* text, QWidget* parent)
{
    return makeLabel(name.constData(), QString::fromLatin1(text), parent);
}

const Tip tips[] = {
    {"distance", QT_TRANSLATE_NOOP("Tip", "The distance travelled")},
    {"speed", QT_TRANSLATE_NOOP("Tip", "The speed: the distance travelled in one unit of time")},
    {"time", QT_TRANSLATE_NOOP("Tip", "The time the journey takes")},
    {"motionAnswer", QT_TRANSLATE_NOOP("Tip", "The distance, the speed or the time, as asked")},
    {"gap", QT_TRANSLATE_NOOP("Tip", "The distance between the two travellers when they set off")},
    {"speed1",
     QT_TRANSLATE_NOOP("Tip", "The speed of the first traveller, the faster one when catching up")},
    {"speed2", QT_TRANSLATE_NOOP("Tip", "The speed of the second traveller")},
    {"travellersAnswer",
     QT_TRANSLATE_NOOP("Tip",
                       "The time until they meet, or until the first catches up with the second")},
    {"price", QT_TRANSLATE_NOOP("Tip", "The price before the change")},
    {"percent", QT_TRANSLATE_NOOP("Tip", "The percent: how many hundredths of the price")},
    {"priceAnswer",
     QT_TRANSLATE_NOOP("Tip", "The new price, or the percent of the price, as asked")},
    {"oldPrice", QT_TRANSLATE_NOOP("Tip", "The price before the change")},
    {"newPrice", QT_TRANSLATE_NOOP("Tip", "The price after the change")},
    {"changePercent", QT_TRANSLATE_NOOP("Tip", "The percent by which the price was raised or cut")},
    {"changeAnswer",
     QT_TRANSLATE_NOOP("Tip", "The percent of change, or the price before the change, as asked")},
};

} // namespace

struct WordProblemsWindow::Task {
    const char* name; // null: the panel has no further button
    const char* caption;
    WordTask task;
    unsigned reads;
};

struct WordProblemsWindow::Panel {
    struct Field {
        const char* name; // null: the panel has no further field
        const char* caption;
    };

    const char* name; // the stem of the panel's own labels
    const char* title;
    Field fields[maxFields];
    Task tasks[3];
    const char* output;
    const char* formula;
    const char* example;
};

// The whole window in one table: what each panel asks, which fields each button reads, and
// the core task that answers it.
const WordProblemsWindow::Panel WordProblemsWindow::panels[] = {
    {.name = "motion",
     .title = "Distance, Speed And Time",
     .fields = {{"distance", "Distance"}, {"speed", "Speed"}, {"time", "Time"}},
     .tasks = {{"findDistance", "Find Distance", WordTask::FindDistance, second | third},
               {"findSpeed", "Find Speed", WordTask::FindSpeed, first | third},
               {"findTime", "Find Time", WordTask::FindTime, first | second}},
     .output = "motionAnswer",
     .formula = "Distance = Speed * Time",
     .example = "Example: 150 km at 60 km/h takes 150 / 60 = 2.5 hours."},
    {.name = "travellers",
     .title = "Two Travellers",
     .fields = {{"gap", "Distance Between"}, {"speed1", "Speed 1"}, {"speed2", "Speed 2"}},
     .tasks = {{"meetTime", "Time To Meet", WordTask::MeetTime, first | second | third},
               {"catchUpTime", "Time To Catch Up", WordTask::CatchUpTime, first | second | third},
               {}},
     .output = "travellersAnswer",
     .formula = "Towards each other: Time = Distance / (Speed 1 + Speed 2).  "
                "Same way: Time = Distance / (Speed 1 - Speed 2)",
     .example =
         "Example: 300 km apart at 60 and 40 km/h, they meet after 300 / (60 + 40) = 3 hours."},
    {.name = "price",
     .title = "Price And Percent",
     .fields = {{"price", "Price"}, {"percent", "Percent"}, {}},
     .tasks = {{"raisePrice", "Raise By Percent", WordTask::RaisePrice, first | second},
               {"lowerPrice", "Lower By Percent", WordTask::LowerPrice, first | second},
               {"percentOf", "Find The Percent", WordTask::PercentOf, first | second}},
     .output = "priceAnswer",
     .formula = "New Price = Price * (100 + Percent) / 100",
     .example = "Example: 80 raised by 25% is 80 * 125 / 100 = 100."},
    {.name = "change",
     .title = "Before And After",
     .fields = {{"oldPrice", "Old Price"}, {"newPrice", "New Price"}, {"changePercent", "Percent"}},
     .tasks = {{"findChange", "Find Percent Of Change", WordTask::FindChange, first | second},
               {"findOldRaised", "Old Price Before A Raise", WordTask::FindOldRaised,
                second | third},
               {"findOldLowered", "Old Price Before A Cut", WordTask::FindOldLowered,
                second | third}},
     .output = "changeAnswer",
     .formula = "Percent Of Change = (New Price - Old Price) / Old Price * 100",
     .example = "Example: 80 after a 20% cut was 80 * 100 / 80 = 100 before."},
};

WordProblemsWindow::WordProblemsWindow(MessageSink& sink, QWidget* parent)
    : ToolWindow("Form12", QStringLiteral("Traffic And Percentage Problems"),
                 behaviours::positiveEchoing, sink, parent)
{
    static_assert(std::size(panels) == panelCount);
    const QString title = windowTitle();

    auto* window = new QVBoxLayout(this);
    window->addWidget(makeTitle("Label1", title));
    // Panels are built in reading order, so Tab walks fields and buttons as they are read.
    for (int s = 0; s < int(std::size(sections)); ++s) {
        QLabel* heading =
            makeHeading(sections[s].name, QString::fromLatin1(sections[s].heading), this);
        window->addSpacing(heading->fontMetrics().height() / 3);
        window->addWidget(heading);
        auto* row = new QHBoxLayout;
        for (int p = 2 * s; p < 2 * s + 2; ++p)
            row->addWidget(buildPanel(p), 1);
        window->addLayout(row);
    }
    addWorkingPanel(AnswerFormats::Offered);
    window->addWidget(m_working);
    window->addStretch();
    chainPanels();
    applyTips(this, tips);
}

QFrame* WordProblemsWindow::buildPanel(int index)
{
    const Panel& panel = panels[index];
    Controls& controls = m_controls[index];
    const QByteArray stem(panel.name);
    QFrame* frame = makePanel((stem + "Panel").constData(), this);
    auto* grid = new QGridLayout(frame);

    QLabel* title =
        makeHeading((stem + "Title").constData(), QString::fromLatin1(panel.title), frame);
    int columns = 0;
    for (const Panel::Field& field : panel.fields) {
        if (!field.name)
            break;
        QLineEdit* edit = makeField(field.name, QString::fromLatin1(field.caption), frame);
        QLabel* caption = makeLabel((QByteArray(field.name) + "Caption").constData(),
                                    QString::fromLatin1(field.caption), frame);
        caption->setBuddy(edit);
        grid->addWidget(caption, 1, columns, Qt::AlignBottom);
        grid->addWidget(edit, 2, columns);
        controls.fields[columns++] = edit;
    }

    const QList<QPushButton*> buttons = addButtons(index, grid, columns);

    controls.output = makeResultLabel(
        panel.output, QStringLiteral("Answer: ") + QString::fromLatin1(panel.title), frame);
    controls.output->setMinimumHeight(controls.fields[0]->sizeHint().height());

    grid->addWidget(title, 0, 0, 1, columns + 1);
    grid->addWidget(controls.output, 3, 0, 1, columns);
    grid->addWidget(makeTextLabel(stem + "Formula", panel.formula, frame), 4, 0, 1, columns + 1);
    grid->addWidget(makeTextLabel(stem + "Example", panel.example, frame), 5, 0, 1, columns + 1);
    grid->setRowStretch(6, 1);
    addPanel({.fields = {controls.fields, controls.fields + columns},
              .buttons = buttons,
              .results = {controls.output}});
    return frame;
}

// One button a row beside captions, fields and answer, so every panel lines up alike.
QList<QPushButton*> WordProblemsWindow::addButtons(int index, QGridLayout* grid, int column)
{
    QWidget* frame = grid->parentWidget();
    QList<QPushButton*> buttons;
    int row = 1;
    for (const Task& task : panels[index].tasks) {
        if (!task.name)
            break;
        QPushButton* button = makeButton(task.name, QString::fromLatin1(task.caption), frame);
        connect(button, &QPushButton::clicked, this,
                [this, index, &task] { runTask(index, task); });
        grid->addWidget(button, row++, column);
        buttons << button;
    }
    return buttons;
}

void WordProblemsWindow::runTask(int index, const Task& task)
{
    const Controls& panel = m_controls[index];
    // Every field the button needs is read, so each bad one gets its own message.
    QList<QLineEdit*> fields;
    for (int column = 0; column < maxFields; ++column)
        if (task.reads & (1u << column))
            fields << panel.fields[column];
    answer(
        fields, panel.output,
        QLatin1String(panels[index].title) + QStringLiteral(", ") + QLatin1String(task.caption),
        [&](const QList<Real>& numbers) {
            return solveWordProblem(task.task, {numbers.constData(), std::size_t(numbers.size())});
        });
}
