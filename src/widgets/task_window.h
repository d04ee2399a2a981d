#pragma once

#include "input/message_box_sink.h"
#include "input/task_function.h"
#include "widgets/tool_window.h"

#include <QHash>
#include <QList>
#include <QWidget>

#include <array>
#include <span>

class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class WorkingPanel;

struct TaskField {
    const char* name;
    const char* captionName;
    const char* caption;
    const char* tip; // marked QT_TRANSLATE_NOOP("Tip", ...) where the table stands
    int column = -1; // its place in the box, left to right, where it is not its place in the list
};

struct TaskButton {
    const char* name;
    const char* caption;
    TaskFunction task;
};

// One box of a window: one to three inputs, one or two buttons, and the output label that its
// buttons share. Unused entries have no name.
struct TaskBox {
    const char* title;           // the figure or known measure, as screen readers name the box
    const char* frame = nullptr; // the frame drawn around the box, if any
    std::array<TaskField, 3> fields;
    std::array<TaskButton, 2> buttons;
    const char* output;
    const char* outputTip;
};

// A window of task boxes, built by one builder and served by one click path: empty the box's
// output, read every field (one message per bad field), and only then compute.
class TaskWindow : public ToolWindow {
    Q_OBJECT

protected:
    TaskWindow(const char* name, const QString& title, MessageSink& sink, QWidget* parent);

    QWidget* buildBox(const TaskBox& box);
    // The boxes two to a row, their buttons of one width.
    QGridLayout* buildPairs(std::span<const TaskBox> boxes);
    // Tab walks the boxes in table order, whatever order the window built them in, then Show
    // Working; call once every box is built.
    void chainBoxes(std::span<const TaskBox> boxes);
    QLabel* makeHeading(const char* name, const QString& text);
    // Gives every task button the width of the widest, so boxes line up one under another.
    void evenButtons();
    static void evenWidths(const QList<QWidget*>& widgets);
    // "Show Working" and the steps of the last task run; each window puts it under its boxes.
    WorkingPanel* workingPanel() const { return m_working; }

private:
    struct Controls {
        QLineEdit* fields[3];
        QLabel* output;
    };

    // Puts the box's captions over their fields; returns how many columns they take.
    static int addFields(const TaskBox& box, QGridLayout* grid, Controls& controls);
    void run(const TaskBox& box, const TaskButton& button, const Controls& controls);

    QList<QPushButton*> m_buttons;
    QHash<const TaskBox*, PanelParts> m_parts; // handed to the frame in table order
};
