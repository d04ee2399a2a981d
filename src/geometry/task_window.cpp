#include "geometry/task_window.h"

#include "widgets/controls.h"
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
            if (controls.fields[i] && box.fields[i].column == column)
                parts.fields << controls.fields[i];
    m_parts[&box] = parts;
    return frame;
}

int TaskWindow::addFields(const TaskBox& box, QGridLayout* grid, Controls& controls)
{
    QWidget* frame = grid->parentWidget();
    int columns = 0;
    for (int i = 0; i < 3 && box.fields[i].name; ++i) {
        const TaskField& field = box.fields[i];
        QLineEdit* edit = makeField(field.name, QLatin1String(field.caption), frame);
        edit->setFixedWidth(QFontMetrics(edit->font()).averageCharWidth() * 12);
        QLabel* caption = makeLabel(field.captionName, QLatin1String(field.caption), frame);
        caption->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
        caption->setBuddy(edit);
        grid->addWidget(caption, 0, field.column);
        grid->addWidget(edit, 1, field.column);
        controls.fields[i] = edit;
        columns = std::max(columns, field.column + 1);
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
           [&](const QList<double>& numbers) {
               return button.task({numbers.constData(), std::size_t(numbers.size())});
           });
}
