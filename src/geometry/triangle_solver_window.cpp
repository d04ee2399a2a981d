#include "geometry/triangle_solver_window.h"

#include "widgets/controls.h"
#include "widgets/tips.h"
#include "widgets/triangle_figure.h"
#include "widgets/working_panel.h"

#include <QCoreApplication>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>
#include <cstring>
#include <string_view>

namespace {

constexpr char letters[] = "abcxyz";

// By letter: what each value is, and where it stands against the others.
const char* const letterTips[] = {
    QT_TRANSLATE_NOOP("Tip", "Side a, opposite angle y"),
    QT_TRANSLATE_NOOP("Tip", "Side b, opposite angle x"),
    QT_TRANSLATE_NOOP("Tip", "Side c, opposite angle z"),
    QT_TRANSLATE_NOOP("Tip", "Angle x, opposite side b, in degrees"),
    QT_TRANSLATE_NOOP("Tip", "Angle y, opposite side a, in degrees"),
    QT_TRANSLATE_NOOP("Tip", "Angle z, opposite side c, in degrees"),
};

constexpr const ReaderBehaviour& behaviour = behaviours::positiveEchoing;

// A field whose number cannot be computed at all: a zero denominator, or beyond the Real range.
bool cannotCompute(QStringView text)
{
    const QString message = parseField(text, behaviour).message;
    return message == messageText(Message::DenominatorZero) ||
           message == messageText(Message::TooBig);
}

int indexOf(char letter)
{
    return int(std::strchr(letters, letter) - letters);
}

bool isAngle(char letter)
{
    return letter >= 'x';
}

QString nameOf(char letter)
{
    return isAngle(letter) ? QStringLiteral("Angle %1").arg(QLatin1Char(letter))
                           : QStringLiteral("Side %1").arg(QLatin1Char(letter));
}

const Real& valueOf(const Triangle& triangle, char letter)
{
    const Real Triangle::*const members[] = {&Triangle::a, &Triangle::b, &Triangle::c,
                                             &Triangle::x, &Triangle::y, &Triangle::z};
    return triangle.*members[indexOf(letter)];
}

// Where a case reads the last of its angles, so that all of them can be tested; -1 where it
// reads none.
int lastAngleOf(const TriangleCase& task)
{
    const auto last = std::string_view(task.inputs).find_last_of("xyz");
    return last == std::string_view::npos ? -1 : int(last);
}

// "Top left panel, Solve Triangle": the task whose working is on show. Panels are numbered
// down the left column, then the right.
QString headingOf(int number, const TrianglePanelRow& row)
{
    static const char* const places[] = {"Top left", "Bottom left", "Top right", "Bottom right"};
    return QLatin1String(places[number - 1]) + QStringLiteral(" panel, ") +
           QLatin1String(row.solveCaption).trimmed();
}

// Below a panel: the second triangle where the data fit two.
QLabel* makeSecondLabel(int number, QWidget* parent)
{
    QLabel* second = makeResultLabel(("second" + QByteArray::number(number)).constData(),
                                     QStringLiteral("Second triangle"), parent);
    second->setFrameStyle(QFrame::NoFrame);
    second->setToolTip(tipText(QT_TRANSLATE_NOOP(
        "Tip", "The other triangle these values fit, where there are two: its angles x and z, "
               "and side b")));
    // Wide enough for the usual answer on one line, with room for a second line from the
    // start, so longer numbers wrap rather than go missing.
    const QFontMetrics metrics = second->fontMetrics();
    second->setWordWrap(true);
    second->setMinimumSize(
        metrics.horizontalAdvance(captionText(Caption::SecondTriangle) +
                                  QStringLiteral("  X = 00.0000000000000  Z = "
                                                 "000.000000000000  b = 0.00000000000000")),
        2 * metrics.lineSpacing());
    return second;
}

// The case a panel solves, under its buttons, beside the figure: the window has no height
// to spare for a line above it.
QLabel* makeCaseLabel(int number, const TriangleCase& task, QWidget* parent)
{
    QLabel* label = makeLabel(("case" + QByteArray::number(number)).constData(),
                              QCoreApplication::translate("Triangle", task.caption), parent);
    label->setWordWrap(true);
    return label;
}

QFrame* makeDivider(QFrame::Shape shape, QWidget* parent)
{
    auto* line = new QFrame(parent);
    line->setFrameStyle(shape | QFrame::Plain);
    return line;
}

} // namespace

TriangleSolverWindow::TriangleSolverWindow(const char* name, const QString& title,
                                           std::span<const TrianglePanelRow> rows,
                                           MessageSink& sink, QWidget* parent)
    : ToolWindow(name, title, behaviour, sink, parent)
{
    QLabel* Label1 = makeTitle("Label1", title);

    // A frame around the four panels, divided by one vertical and one horizontal line.
    auto* frame = makePanel("frame", this);
    auto* grid = new QGridLayout(frame);
    grid->setSpacing(0);
    grid->addWidget(makeDivider(QFrame::VLine, frame), 0, 1, 3, 1);
    grid->addWidget(makeDivider(QFrame::HLine, frame), 1, 0, 1, 3);
    Q_ASSERT(rows.size() == 4);
    for (int k = 0; k < 4; ++k) {
        m_panels[k].row = &rows[k];
        m_panels[k].number = k + 1;
        // Down the left column, then the right, between the dividing lines.
        grid->addWidget(buildPanel(m_panels[k]), 2 * (k % 2), 2 * (k / 2));
    }
    grid->setRowStretch(0, 1);
    grid->setRowStretch(2, 1);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(2, 1);

    auto* window = new QVBoxLayout(this);
    window->addWidget(Label1);
    window->addWidget(frame, 1);
    addWorkingPanel(AnswerFormats::Offered);
    window->addWidget(m_working);
    window->addWidget(makeLabel("Label2", captionText(Caption::DegreesNotice), this));
    chainPanels();
}

QWidget* TriangleSolverWindow::buildPanel(Panel& panel)
{
    const TrianglePanelRow& row = *panel.row;
    auto* widget = new QWidget(this);
    widget->setObjectName(QStringLiteral("panel%1").arg(panel.number));
    auto* solveButton = makeButton(row.solveName, QLatin1String(row.solveCaption), widget);
    auto* clearButton = makeButton(row.clearName, QLatin1String(row.clearCaption), widget);

    TriangleFigure* figure = buildFigure(panel, widget);

    auto* layout = new QGridLayout(widget);
    layout->addWidget(solveButton, 0, 0);
    layout->addWidget(clearButton, 1, 0);
    layout->addWidget(makeCaseLabel(panel.number, row.solves, widget), 2, 0, Qt::AlignTop);
    layout->setRowStretch(2, 1);
    layout->addWidget(figure, 0, 1, 3, 1);
    layout->setColumnStretch(1, 1);
    if (row.solves.secondText) {
        panel.second = makeSecondLabel(panel.number, widget);
        layout->addWidget(panel.second, 3, 0, 1, 2);
    }
    addPanel(partsOf(panel, solveButton, clearButton));

    connect(solveButton, &QPushButton::clicked, this, [this, &panel] { solve(panel); });
    connect(clearButton, &QPushButton::clicked, this, [this, &panel] {
        m_working->clearWorking();
        clear(panel);
    });
    return widget;
}

// The six values around the drawn triangle: a field where the panel reads the value, else a
// label where it writes it.
TriangleFigure* TriangleSolverWindow::buildFigure(Panel& panel, QWidget* widget)
{
    const TrianglePanelRow& row = *panel.row;
    auto* figure = new TriangleFigure(widget);
    for (int place = 0; place < TriangleFigure::placeCount; ++place) {
        const char letter = row.places[place];
        const QByteArray name = letter + QByteArray::number(panel.number);
        const QString accessibleName =
            nameOf(letter) + QStringLiteral(", panel %1").arg(panel.number);
        QWidget* control = nullptr;
        if (std::strchr(row.solves.inputs, letter))
            control = panel.fields[indexOf(letter)] =
                makeField(name.constData(), accessibleName, widget);
        else
            control = panel.labels[indexOf(letter)] =
                makeResultLabel(name.constData(), accessibleName, widget);
        control->setToolTip(tipText(letterTips[indexOf(letter)]));
        figure->place(TriangleFigure::Place(place), control, QString(QLatin1Char(letter)));
    }
    return figure;
}

// The fields in the order the panel's caption names them, whatever corner they stand in, then
// Solve and Clear: the order Tab walks.
PanelParts TriangleSolverWindow::partsOf(const Panel& panel, QPushButton* solve, QPushButton* clear)
{
    const TriangleCase& task = panel.row->solves;
    const char* const tabOrder = task.tabOrder ? task.tabOrder : task.inputs;
    Q_ASSERT(std::is_permutation(task.inputs, task.inputs + 3, tabOrder));
    PanelParts parts{.buttons = {solve, clear}};
    for (const char* letter = tabOrder; *letter; ++letter)
        parts.fields << panel.fields[indexOf(*letter)];
    for (QLabel* label : panel.labels)
        if (label)
            parts.results << label;
    if (panel.second)
        parts.results << panel.second;
    return parts;
}

void TriangleSolverWindow::solve(Panel& panel)
{
    const TrianglePanelRow& row = *panel.row;
    beginClick({panel.second});
    const std::optional<QList<Real>> read = readInputs(panel);
    if (!read)
        return;
    deliver([solve = row.solves.solve, read = *read] { return solve(read[0], read[1], read[2]); },
            headingOf(panel.number, row),
            [&](const TriangleSolution& solution) {
                for (int k = 0; k < 6; ++k)
                    if (panel.labels[k])
                        writeNumber(panel.labels[k], valueOf(solution.triangle, letters[k]));
                if (panel.second)
                    panel.second->setText(row.solves.secondText(solution));
            },
            [&](const TriangleRefusal& refusal) {
                const ClearOrder order = refusal.message == Message::TooBig
                                             ? ClearOrder::ClearThenMessage
                                         : refusal.fromHeightTest ? row.heightOrder
                                                                  : row.solves.solveOrder;
                fail(panel, refusal.message, order);
            });
}

// Reads the panel's three inputs in its order, each with the exact value typed and tested as
// the panel tests it; nothing once one fails, its failure already handled.
std::optional<QList<Real>> TriangleSolverWindow::readInputs(Panel& panel)
{
    const TrianglePanelRow& row = *panel.row;
    const TriangleCase& task = row.solves;
    const int angleTest = lastAngleOf(task);
    QList<Real> read;
    for (int k = 0; k < 3; ++k) {
        const char letter = task.inputs[k];
        QLineEdit* field = panel.fields[indexOf(letter)];
        const QString text = field->text();
        if (task.trapsReader && cannotCompute(text)) {
            fail(panel, Message::Unreasonable, task.solveOrder);
            return std::nullopt;
        }
        const std::optional<QList<Real>> number = readReals({field});
        if (!number) {
            if (letter != row.keptOnRefusal)
                clear(panel);
            return std::nullopt;
        }
        read << number->first();
        if (k == angleTest) {
            for (int j = 0; j <= k; ++j) {
                if (isAngle(task.inputs[j]) && !isTriangleAngle(read[j])) {
                    fail(panel, row.angleMessage, task.angleOrder);
                    return std::nullopt;
                }
            }
        }
    }
    return read;
}

void TriangleSolverWindow::fail(Panel& panel, Message message, ClearOrder order)
{
    if (order == ClearOrder::ClearThenMessage)
        clear(panel);
    m_sink.show(message);
    if (order == ClearOrder::MessageThenClear)
        clear(panel);
}

void TriangleSolverWindow::clear(Panel& panel)
{
    for (const char* letter = panel.row->clearOrder; *letter; ++letter) {
        const int k = indexOf(*letter);
        if (panel.fields[k])
            panel.fields[k]->clear();
        else
            panel.labels[k]->clear();
    }
    if (panel.second)
        panel.second->clear();
}
