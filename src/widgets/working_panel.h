#pragma once

#include "input/working.h"

#include <QWidget>

class QLabel;
class QPushButton;

// "Show Working" under a window's results: a checkable button and, while it is checked, the
// worked steps of the last task run. Unchecked, the window looks and behaves as without it.
class WorkingPanel : public QWidget {
    Q_OBJECT

public:
    explicit WorkingPanel(QWidget* parent);

    // The steps of the task just run. A window of many tasks names the task first
    // ("Rectangle, Find B"); a window of one task passes no heading.
    void setWorking(const Working& steps, const QString& heading = {});

    // After a refusal, a message or a Clear: no working is on show.
    void clearWorking();

private:
    void fitWindow();

    QPushButton* showWorking;
    QLabel* working;
};
