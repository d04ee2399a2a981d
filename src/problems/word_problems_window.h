#pragma once

#include "widgets/tool_window.h"

#include "input/message_box_sink.h"

class QFrame;
class QGridLayout;

// Word problems: distance, speed and time, two travellers, prices and percents. Four panels
// built from one table, every button taking the same click path.
class WordProblemsWindow : public ToolWindow {
    Q_OBJECT

public:
    explicit WordProblemsWindow(MessageSink& sink = defaultMessageSink(),
                                QWidget* parent = nullptr);

private:
    struct Task;
    struct Panel;
    static const Panel panels[];
    static constexpr int panelCount = 4;
    static constexpr int maxFields = 3;

    // What a built panel hands to the click path.
    struct Controls {
        QLineEdit* fields[maxFields] = {};
        QLabel* output = nullptr;
    };

    QFrame* buildPanel(int index);
    QList<QPushButton*> addButtons(int index, QGridLayout* grid, int column);
    void runTask(int panel, const Task& task);

    Controls m_controls[panelCount];
};
