#pragma once

#include "widgets/tool_window.h"

#include "input/message_box_sink.h"

#include <array>
#include <cstddef>

class QGridLayout;

// Arithmetic and geometric progressions: eleven small panels, each finding one quantity
// from the others. Every panel is one row of a table; one builder and one click path serve all.
class ProgressionsWindow : public ToolWindow {
    Q_OBJECT

public:
    explicit ProgressionsWindow(MessageSink& sink = defaultMessageSink(),
                                QWidget* parent = nullptr);

private:
    struct Controls {
        std::array<QLineEdit*, 3> boxes{};
        QPushButton* button = nullptr;
        QLabel* output = nullptr;
    };

    QWidget* buildGroup(bool geometric);
    void buildPanel(std::size_t index, QGridLayout* grid, int row);
    QWidget* buildLegend();
    void solve(std::size_t index); // the one click path of every panel
    void refuse(std::size_t index, Message message);

    std::array<Controls, 11> m_controls;
};
