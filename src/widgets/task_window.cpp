#include "widgets/task_window.h"

#include "widgets/controls.h"
#include "widgets/tips.h"
#include "widgets/working_panel.h"

#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>

namespace {

QLabel* makeOutputLabel(const char* name, const QString& accessibleName, QWidget* parent)
{
    QLabel* output = makeResultLabel(name, accessibleName, parent);
    // Room for a 15-digit answer below 1 and a digit to spare (none is negative).
    output->setMinimumWidth(
        output->fontMetrics().horizontalAdvance(QStringLiteral("0.00000000000000000")) +
        2 * output->frameWidth() + 4);
    return output;
}

int columnOf(const TaskBox& box, int field)
{
    return box.fields[field].column < 0 ? field : box.fields[field].column;
}

} // namespace

TaskWindow::TaskWindow(const char* name, const QString& title, MessageSink& sink, QWidget* parent)
    : ToolWindow(name, title, behaviours::positive, sink, parent)
{
    addWorkingPanel(AnswerFormats::Offered);
}

QWidget* TaskWindow::buildBox(const TaskBox& box)
{
    const QString title = QLatin1String(box.title);
    QFrame* frame = box.frame ? makePanel(box.frame, this) : new QFrame(this);
    frame->setAccessibleName(title);
    auto* grid = new QGridLayout(frame);
    if (!box.frame)
        grid->setContentsMargins(0, 0, 0, 0);

    // Captions over their fields, the buttons one above the other to the right, the output
    // beside them; a single button stands level with the fields.
    Controls controls{};
    const int columns = addFields(box, grid, controls);
    controls.output = makeOutputLabel(box.output, title + QStringLiteral(", result"), frame);
    controls.output->setToolTip(tipText(box.outputTip));
    const bool twoButtons = box.buttons[1].name != nullptr;
    PanelParts parts{.results = {controls.output}};
    for (int i = 0; i < (twoButtons ? 2 : 1); ++i) {
        const TaskButton& task = box.buttons[i];
        QPushButton* button = makeButton(task.name, QLatin1String(task.caption), frame);
        grid->addWidget(button, twoButtons ? i : 1, columns);
        connect(button, &QPushButton::clicked, this,
                [this, &box, &task, controls] { run(box, task, controls); });
        m_buttons << button;
        parts.buttons << button;
    }
    if (twoButtons)
        grid->addWidget(controls.output, 0, columns + 1, 2, 1, Qt::AlignVCenter);
    else
        grid->addWidget(controls.output, 1, columns + 1);
    grid->setColumnStretch(columns + 1, 1);

    // Tab walks each box's fields left to right as they stand, then its buttons.
    for (int column = 0; column < 3; ++column)
        for (int i = 0; i < 3; ++i)
            if (controls.fields[i] && columnOf(box, i) == column)
                parts.fields << controls.fields[i];
    m_parts[&box] = parts;
    return frame;
}

QGridLayout* TaskWindow::buildPairs(std::span<const TaskBox> boxes)
{
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(24);
    grid->setVerticalSpacing(16);
    for (std::size_t i = 0; i < boxes.size(); ++i)
        grid->addWidget(buildBox(boxes[i]), int(i / 2), int(i % 2));
    evenButtons();
    return grid;
}

int TaskWindow::addFields(const TaskBox& box, QGridLayout* grid, Controls& controls)
{
    QWidget* frame = grid->parentWidget();
    int columns = 0;
    for (int i = 0; i < 3 && box.fields[i].name; ++i) {
        const TaskField& field = box.fields[i];
        const int column = columnOf(box, i);
        QLineEdit* edit = makeField(field.name, QLatin1String(field.caption), frame);
        edit->setFixedWidth(QFontMetrics(edit->font()).averageCharWidth() * 12);
        QLabel* caption = makeLabel(field.captionName, QLatin1String(field.caption), frame);
        caption->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
        caption->setBuddy(edit);
        edit->setToolTip(tipText(field.tip));
        grid->addWidget(caption, 0, column);
        grid->addWidget(edit, 1, column);
        controls.fields[i] = edit;
        columns = std::max(columns, column + 1);
    }
    return columns;
}

void TaskWindow::chainBoxes(std::span<const TaskBox> boxes)
{
    for (const TaskBox& box : boxes)
        addPanel(m_parts.value(&box));
    chainPanels();
}

QLabel* TaskWindow::makeHeading(const char* name, const QString& text)
{
    return ::makeHeading(name, text, this);
}

void TaskWindow::evenWidths(const QList<QWidget*>& widgets)
{
    int widest = 0;
    for (const QWidget* widget : widgets)
        widest = std::max(widest, widget->sizeHint().width());
    for (QWidget* widget : widgets)
        widget->setMinimumWidth(widest);
}

void TaskWindow::evenButtons()
{
    evenWidths(QList<QWidget*>(m_buttons.cbegin(), m_buttons.cend()));
}

void TaskWindow::run(const TaskBox& box, const TaskButton& button, const Controls& controls)
{
    QList<QLineEdit*> fields;
    for (QLineEdit* field : controls.fields)
        if (field)
            fields << field;
    answer(fields, controls.output,
           QLatin1String(box.title) + QStringLiteral(", ") + QLatin1String(button.caption),
           [&](const QList<Real>& numbers) {
               return button.task({numbers.constData(), std::size_t(numbers.size())});
           });
}
