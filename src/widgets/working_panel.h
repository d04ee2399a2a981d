#pragma once

#include "input/working.h"

#include <QWidget>

class QLabel;
class QPushButton;

// "Show Working" under a window's results: a checkable button and, while it is checked, the
// worked steps of the last task run. Unchecked, or with no steps to show, the window looks
// and behaves as without it: the panel gives back the size it took, unless the pupil has
// resized the window since.
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
    void showOrHide();
    bool holdsWindow() const;
    int neededHeight(QWidget* top);
    void resizeWindow(QWidget* top, QSize size);
    void fitWindow();
    void giveBackWindow();

    QPushButton* showWorking;
    QLabel* working;
    bool givingBack = false;
    QSize sizeBefore; // the window's size before the working showed; invalid once given back
    QSize sizeGiven;  // the size the panel gave it; any other size is the pupil's
};
