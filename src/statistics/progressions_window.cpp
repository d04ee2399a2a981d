#include "statistics/progressions_window.h"

#include "statistics/progressions.h"
#include "widgets/controls.h"
#include "widgets/tips.h"
#include "widgets/working_panel.h"
#include "widgets/wrapped_button.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// When a panel's own check refuses, its output is emptied before the message shows, after
// it, or kept; a computation that fails always empties it first.
enum class OnRefusal { EmptyFirst, EmptyAfter, KeepOutput };

struct Box {
    const char* name;
    const char* captionName;
    const char* caption;
    Real ProgressionTerms::*quantity;
    bool rewritten; // shows the number it was read as after the click
};

struct Group {
    const char* headingName;
    const char* heading;
    const char* frameName;
};

const Group groups[] = {
    {"Label22", "Arithmetic Progression", "arithmeticFrame"},
    {"Label23", "Geometric Progression", "geometricFrame"},
};

QFrame* makeUpright(QWidget* parent)
{
    auto* line = new QFrame(parent);
    line->setFrameStyle(QFrame::VLine | QFrame::Sunken);
    return line;
}

struct Panel {
    bool isGeometric;
    bool inRightColumn;
    const char* button;
    const char* caption;
    const char* output;
    OnRefusal onRefusal;
    Outcome<Real> (*task)(const ProgressionTerms&);
    std::array<Box, 3> boxes; // a panel of two leaves the last one empty
    std::array<int, 3> readingOrder;

    int boxCount() const { return boxes[2].name ? 3 : 2; }

    // "Arithmetic Progression (A1, D, N), Find Sn": which panel, for the working and for
    // screen readers, since every panel has boxes captioned alike.
    QString title() const
    {
        QStringList captions;
        for (int k = 0; k < boxCount(); ++k)
            captions << QLatin1String(boxes[k].caption);
        return QLatin1String(groups[isGeometric].heading) + QStringLiteral(" (") +
               captions.join(QStringLiteral(", ")) + QStringLiteral("), ") + QLatin1String(caption);
    }
};

using T = ProgressionTerms;
constexpr bool arithmetic = false;
constexpr bool geometric = true;
constexpr bool left = false;
constexpr bool right = true;
constexpr bool rewritten = true;
constexpr bool kept = false;

// The whole window in one table: every panel's place, button, output, formula, refusal
// order, boxes (left to right) and the order they are read in.
const Panel panels[] = {
    {.isGeometric = arithmetic,
     .inRightColumn = left,
     .button = "Command1",
     .caption = "Find Sn",
     .output = "ans1",
     .onRefusal = OnRefusal::EmptyFirst,
     .task = &arithmeticSum,
     .boxes = {{{"a1", "Label1", "A1", &T::a1, rewritten},
                {"d", "Label6", "D", &T::d, rewritten},
                {"n", "Label7", "N", &T::n, rewritten}}},
     .readingOrder = {0, 1, 2}},
    {.isGeometric = arithmetic,
     .inRightColumn = left,
     .button = "Command2",
     .caption = "Find Sn",
     .output = "ans2",
     .onRefusal = OnRefusal::EmptyFirst,
     .task = &arithmeticSumOfEnds,
     .boxes = {{{"a12", "Label8", "A1", &T::a1, rewritten},
                {"an2", "Label9", "An", &T::an, rewritten},
                {"n2", "Label10", "N", &T::n, rewritten}}},
     .readingOrder = {0, 1, 2}},
    {.isGeometric = arithmetic,
     .inRightColumn = left,
     .button = "Command8",
     .caption = "Find Sn",
     .output = "ans3",
     .onRefusal = OnRefusal::EmptyFirst,
     .task = &arithmeticSumFromLast,
     .boxes = {{{"d3", "Label20", "D", &T::d, rewritten},
                {"an3", "Label19", "An", &T::an, rewritten},
                {"n3", "Label18", "N", &T::n, rewritten}}},
     .readingOrder = {1, 0, 2}},
    {.isGeometric = arithmetic,
     .inRightColumn = right,
     .button = "Command3",
     .caption = "Find An",
     .output = "ans4",
     .onRefusal = OnRefusal::EmptyFirst,
     .task = &arithmeticLast,
     .boxes = {{{"a14", "Label2", "A1", &T::a1, rewritten},
                {"d4", "Label11", "D", &T::d, rewritten},
                {"n4", "Label3", "N", &T::n, rewritten}}},
     .readingOrder = {0, 1, 2}},
    {.isGeometric = arithmetic,
     .inRightColumn = right,
     .button = "Command6",
     .caption = "Find D",
     .output = "ans5",
     .onRefusal = OnRefusal::EmptyFirst,
     .task = &arithmeticDifference,
     .boxes = {{{"a15", "Label13", "A1", &T::a1, rewritten},
                {"an5", "Label14", "An", &T::an, rewritten},
                {"n5", "Label21", "N", &T::n, rewritten}}},
     .readingOrder = {1, 0, 2}},
    {.isGeometric = arithmetic,
     .inRightColumn = right,
     .button = "ans6",
     .caption = "Find N",
     .output = "ans66",
     .onRefusal = OnRefusal::EmptyFirst,
     .task = &arithmeticCount,
     .boxes = {{{"a16", "Label16", "A1", &T::a1, rewritten},
                {"d6", "Label17", "D", &T::d, rewritten},
                {"an6", "Label12", "An", &T::an, rewritten}}},
     .readingOrder = {0, 1, 2}},
    {.isGeometric = geometric,
     .inRightColumn = left,
     .button = "command20",
     .caption = "Find Sn",
     .output = "ans7",
     .onRefusal = OnRefusal::EmptyAfter,
     .task = &geometricSum,
     .boxes = {{{"a17", "kjkl", "A1", &T::a1, rewritten},
                {"q7", "Label25", "Q", &T::q, kept},
                {"n7", "Label26", "N", &T::n, rewritten}}},
     .readingOrder = {0, 1, 2}},
    {.isGeometric = geometric,
     .inRightColumn = left,
     .button = "Command21",
     .caption = "Find Sn",
     .output = "ans8",
     .onRefusal = OnRefusal::EmptyFirst,
     .task = &geometricSumToLast,
     .boxes = {{{"a18", "Label27", "A1", &T::a1, rewritten},
                {"q8", "Label28", "Q", &T::q, kept},
                {"an8", "Label29", "An", &T::an, kept}}},
     .readingOrder = {0, 1, 2}},
    {.isGeometric = geometric,
     .inRightColumn = left,
     .button = "command22",
     .caption = "Find Sn (Infinite Progression)",
     .output = "ans9",
     .onRefusal = OnRefusal::EmptyFirst,
     .task = &geometricInfiniteSum,
     .boxes = {{{"a19", "Label31", "A1", &T::a1, rewritten}, {"q9", "Label32", "Q", &T::q, kept}}},
     .readingOrder = {0, 1}},
    {.isGeometric = geometric,
     .inRightColumn = right,
     .button = "Command10",
     .caption = "Find An",
     .output = "ans10",
     .onRefusal = OnRefusal::KeepOutput,
     .task = &geometricLast,
     .boxes = {{{"a110", "Label35", "A1", &T::a1, rewritten},
                {"q10", "Label34", "Q", &T::q, kept},
                {"n10", "Label15", "N", &T::n, rewritten}}},
     .readingOrder = {0, 1, 2}},
    {.isGeometric = geometric,
     .inRightColumn = right,
     .button = "Command4",
     .caption = "Find Q",
     .output = "ans11",
     .onRefusal = OnRefusal::EmptyFirst,
     .task = &geometricRatio,
     .boxes = {{{"a111", "Label36", "A1", &T::a1, rewritten},
                {"an11", "Label39", "An", &T::an, kept},
                {"n11", "Label24", "N", &T::n, rewritten}}},
     .readingOrder = {0, 2, 1}},
};

constexpr const char* firstTerm = QT_TRANSLATE_NOOP("Tip", "The first term");
constexpr const char* difference = QT_TRANSLATE_NOOP("Tip", "The common difference");
constexpr const char* ratio = QT_TRANSLATE_NOOP("Tip", "The common ratio");
constexpr const char* lastTerm = QT_TRANSLATE_NOOP("Tip", "The last term");
constexpr const char* count = QT_TRANSLATE_NOOP("Tip", "The number of terms");
constexpr const char* sum = QT_TRANSLATE_NOOP("Tip", "Sn: the sum of the first N terms");

// Panel by panel: its fields, then its answer.
const Tip tips[] = {
    {"a1", firstTerm},
    {"d", difference},
    {"n", count},
    {"ans1", sum},
    {"a12", firstTerm},
    {"an2", lastTerm},
    {"n2", count},
    {"ans2", sum},
    {"d3", difference},
    {"an3", lastTerm},
    {"n3", count},
    {"ans3", sum},
    {"a14", firstTerm},
    {"d4", difference},
    {"n4", count},
    {"ans4", QT_TRANSLATE_NOOP("Tip", "An: the last term")},
    {"a15", firstTerm},
    {"an5", lastTerm},
    {"n5", count},
    {"ans5", QT_TRANSLATE_NOOP("Tip", "D: the common difference")},
    {"a16", firstTerm},
    {"d6", difference},
    {"an6", lastTerm},
    {"ans66", QT_TRANSLATE_NOOP("Tip", "N: the number of terms")},
    {"a17", firstTerm},
    {"q7", ratio},
    {"n7", count},
    {"ans7", sum},
    {"a18", firstTerm},
    {"q8", ratio},
    {"an8", lastTerm},
    {"ans8", sum},
    {"a19", firstTerm},
    {"q9", ratio},
    {"ans9", QT_TRANSLATE_NOOP("Tip", "S: the sum of all the terms, without end")},
    {"a110", firstTerm},
    {"q10", ratio},
    {"n10", count},
    {"ans10", QT_TRANSLATE_NOOP("Tip", "An: the last term")},
    {"a111", firstTerm},
    {"an11", lastTerm},
    {"n11", count},
    {"ans11", QT_TRANSLATE_NOOP("Tip", "Q: the common ratio")},
};

} // namespace

ProgressionsWindow::ProgressionsWindow(MessageSink& sink, QWidget* parent)
    : ToolWindow("Form6", QStringLiteral("Arithmetic And Geometric Progression"), behaviours::plain,
                 sink, parent)
{
    static_assert(std::size(panels) == std::tuple_size_v<decltype(m_controls)>);

    auto* window = new QVBoxLayout(this);
    for (const bool isGeometric : {false, true}) {
        window->addWidget(makeHeading(groups[isGeometric].headingName,
                                      QLatin1String(groups[isGeometric].heading), this));
        window->addWidget(buildGroup(isGeometric));
    }
    window->addWidget(buildLegend());
    addWorkingPanel(AnswerFormats::Offered);
    window->addWidget(m_working);
    window->addStretch();
    chainPanels();
    applyTips(this, tips);
}

QWidget* ProgressionsWindow::buildGroup(bool isGeometric)
{
    QFrame* frame = makePanel(groups[isGeometric].frameName, this);
    auto* columns = new QHBoxLayout(frame);
    QGridLayout* grids[2] = {new QGridLayout, new QGridLayout};
    int rows[2] = {0, 0};
    for (std::size_t index = 0; index < std::size(panels); ++index) {
        const Panel& panel = panels[index];
        if (panel.isGeometric != isGeometric)
            continue;
        QGridLayout* grid = grids[panel.inRightColumn];
        int& row = rows[panel.inRightColumn];
        if (row > 0)
            grid->addWidget(makeRule("", this), row++, 0, 1, 5);
        buildPanel(index, grid, row);
        row += 2;
    }
    for (QGridLayout* grid : grids) {
        grid->setColumnStretch(4, 1);
        grid->setRowStretch(grid->rowCount(), 1);
    }
    columns->addLayout(grids[0], 1);
    columns->addWidget(makeUpright(this));
    columns->addLayout(grids[1], 1);
    return frame;
}

void ProgressionsWindow::buildPanel(std::size_t index, QGridLayout* grid, int row)
{
    const Panel& panel = panels[index];
    Controls& controls = m_controls[index];
    const QString title = panel.title();
    QList<QLineEdit*> fields;
    for (int k = 0; k < panel.boxCount(); ++k) {
        const Box& box = panel.boxes[k];
        QLineEdit* field = makeField(box.name, QLatin1String(box.caption), this);
        field->setAccessibleDescription(title);
        QLabel* caption = makeLabel(box.captionName, QLatin1String(box.caption), this);
        caption->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
        caption->setBuddy(field);
        grid->addWidget(caption, row, k);
        grid->addWidget(field, row + 1, k);
        controls.boxes[k] = field;
        fields << field;
    }
    // A panel of two boxes has room for a taller button, its long caption on two lines.
    if (panel.boxCount() == 2) {
        controls.button = new WrappedButton(QLatin1String(panel.caption), this);
        controls.button->setObjectName(QLatin1String(panel.button));
        controls.button->setAccessibleName(QLatin1String(panel.caption));
        controls.button->setAutoDefault(false);
        grid->addWidget(controls.button, row, 2, 2, 2);
    } else {
        controls.button = makeButton(panel.button, QLatin1String(panel.caption), this);
        grid->addWidget(controls.button, row + 1, 3);
    }
    controls.output = makeResultLabel(panel.output, title, this);
    fitAnyAnswer(controls.output);
    grid->addWidget(controls.output, row + 1, 4);
    addPanel({.fields = fields, .buttons = {controls.button}, .results = {controls.output}});
    connect(controls.button, &QPushButton::clicked, this, [this, index] { solve(index); });
}

QWidget* ProgressionsWindow::buildLegend()
{
    const struct {
        const char* name;
        const char* text;
    } cells[] = {
        {"Label5", "A1 - First Element"},       {"Label33", "An - Last Element"},
        {"Label4", "N - Number Of Elements"},   {"Label37", "D - Arithmetic Jump Size"},
        {"Label38", "Q - Geometric Jump Size"},
    };
    QFrame* frame = makePanel("legendFrame", this);
    auto* row = new QHBoxLayout(frame);
    for (const auto& cell : cells) {
        if (row->count() > 0)
            row->addWidget(makeUpright(this));
        QLabel* label = makeLabel(cell.name, QLatin1String(cell.text), this);
        label->setAlignment(Qt::AlignCenter);
        row->addWidget(label, 1);
    }
    return frame;
}

void ProgressionsWindow::solve(std::size_t index)
{
    const Panel& panel = panels[index];
    const Controls& controls = m_controls[index];
    // Every box is read, so each bad one says so; a rewritten box then shows the number it
    // was read as, 0 when refused, and counts with that number as shown and the exact value
    // typed.
    beginClick();
    ProgressionTerms terms;
    for (int k = 0; k < panel.boxCount(); ++k) {
        const int at = panel.readingOrder[k];
        const Box& box = panel.boxes[at];
        if (const auto read = readReals({controls.boxes[at]}, {.showAsRead = box.rewritten}))
            terms.*box.quantity = read->first();
    }
    if (!m_reader.isValid()) {
        controls.output->clear();
        return;
    }
    deliver([task = panel.task, terms] { return task(terms); }, panel.title(),
            [this, &controls](const Real& answer) { writeNumber(controls.output, answer); },
            [this, index](Message message) { refuse(index, message); });
}

void ProgressionsWindow::refuse(std::size_t index, Message message)
{
    QLabel* output = m_controls[index].output;
    const bool ownCheck = message != Message::TooBig && message != Message::Unreasonable;
    const OnRefusal order = ownCheck ? panels[index].onRefusal : OnRefusal::EmptyFirst;
    if (order == OnRefusal::EmptyFirst)
        output->clear();
    m_sink.show(message);
    if (order == OnRefusal::EmptyAfter)
        output->clear();
}
