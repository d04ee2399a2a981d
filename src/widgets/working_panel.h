#pragma once

#include "input/working.h"

#include <QWidget>

class QHBoxLayout;
class QLabel;
class QPushButton;
class QScrollArea;

// "Show Working" under a window's results: a checkable button and, while it is checked, the
// worked steps of the last task run. Unchecked, or with no steps to show, the window looks
// and behaves as without it: the panel gives back the size it took, unless the pupil has
// resized the window since. Steps taller than the room left on the screen scroll.
class WorkingPanel : public QWidget {
    Q_OBJECT

public:
    explicit WorkingPanel(QWidget* parent);

    // The steps of the task just run. A window of many tasks names the task first
    // ("Rectangle, Find B"); a window of one task passes no heading.
    void setWorking(const Working& steps, const QString& heading = {});

    // Controls that belong with the working, in the button's row so they add no height.
    void addBeside(QWidget* controls);

    // After a refusal, a message or a Clear: no working is on show.
    void clearWorking();

    // The lines on show or to be shown, heading first, one a line.
    QString text() const { return lines.join(u'\n'); }

private:
    void showOrHide();
    bool holdsWindow() const;
    int neededHeight(QWidget* top);
    int roomOnScreen(const QWidget* top) const;
    void fitScroller(QWidget* top);
    void resizeWindow(QWidget* top, QSize size);
    void fitWindow();
    void giveBackWindow();

    QPushButton* showWorking;
    QHBoxLayout* row;
    QScrollArea* scroller;
    QLabel* working;
    QStringList lines;
    bool givingBack = false;
    QSize sizeBefore; // the window's size before the working showed; invalid once given back
    QSize sizeGiven;  // the size the panel gave it; any other size is the pupil's
};
