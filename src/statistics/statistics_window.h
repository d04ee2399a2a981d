#pragma once

#include "widgets/tool_window.h"

#include "input/message_box_sink.h"
#include "statistics/weighted_statistics.h"

#include <vector>

class QGridLayout;
class QVBoxLayout;

// The weighted mean, variance and standard deviation of a list typed on one line.
class StatisticsWindow : public ToolWindow {
    Q_OBJECT

public:
    explicit StatisticsWindow(MessageSink& sink = defaultMessageSink(), QWidget* parent = nullptr);

private:
    using Statistic = Outcome<double> (*)(std::span<const double>, std::span<const double>);

    QLabel* buildHeading();
    void buildLists(QVBoxLayout* window);
    QGridLayout* buildFormulas();
    QVBoxLayout* buildAnswer();

    void calculate(Statistic statistic);
    bool checkLists(QStringView numbersText, QStringView weightsText, std::vector<double>& numbers,
                    std::vector<double>& weights);

    QLineEdit* n;
    QLineEdit* w;
    QPushButton* Command1;
    QPushButton* Command3;
    QPushButton* Command2;
    QLabel* sol;
};
