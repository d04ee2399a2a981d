#include "widgets/working_panel.h"

#include "widgets/controls.h"

#include <QLabel>
#include <QLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

WorkingPanel::WorkingPanel(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("workingPanel"));
    showWorking = makeButton("showWorking", QStringLiteral("Show Working"), this);
    showWorking->setCheckable(true);
    working = makeResultLabel("working", QStringLiteral("Working"), this);
    working->setWordWrap(true);
    working->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    working->setVisible(false);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(showWorking, 0, Qt::AlignLeft);
    layout->addWidget(working);

    connect(showWorking, &QPushButton::toggled, this, &WorkingPanel::showOrHide);
}

void WorkingPanel::showOrHide()
{
    // An empty box would only leave a gap, so the steps show only when there are some.
    const bool shown = showWorking->isChecked() && !working->text().isEmpty();
    QWidget* top = window();
    // Showing the label lays the window out at once, so its size is taken before.
    if (shown && top->isVisible() && !holdsWindow())
        sizeBefore = sizeGiven = top->size();
    const bool ours = holdsWindow();
    working->setVisible(shown);
    if (shown && ours) {
        fitWindow();
    } else if (!givingBack) {
        // A click clears the working and sets it again: give the size back only if the
        // working stays away, sparing the window a shrink and a grow in between.
        givingBack = true;
        QMetaObject::invokeMethod(this, &WorkingPanel::giveBackWindow, Qt::QueuedConnection);
    }
}

bool WorkingPanel::holdsWindow() const
{
    return sizeBefore.isValid() && window()->size() == sizeGiven;
}

int WorkingPanel::neededHeight(QWidget* top)
{
    QLayout* layout = top->layout();
    updateGeometry(); // drops the outer layout's cached height of this panel
    layout->activate();
    return layout->hasHeightForWidth() ? layout->totalHeightForWidth(top->width())
                                       : layout->totalMinimumSize().height();
}

void WorkingPanel::resizeWindow(QWidget* top, QSize size)
{
    // Kept as asked: on a desktop the new size may arrive only later.
    sizeGiven = size.expandedTo(top->minimumSize()).boundedTo(top->maximumSize());
    top->resize(sizeGiven);
}

void WorkingPanel::fitWindow()
{
    // A top-level window keeps its height when a wrapped label grows taller: give it the
    // height its width needs, so no step is cut off.
    QWidget* top = window();
    if (!top->layout())
        return;
    const int needed = neededHeight(top);
    resizeWindow(top, {top->width(), std::max(needed, sizeBefore.height())});
}

void WorkingPanel::giveBackWindow()
{
    // Nor does a window shrink when the label goes: give back the size it had before,
    // unless the pupil has resized it meanwhile.
    givingBack = false;
    QWidget* top = window();
    if (!working->isHidden() || !top->layout())
        return;
    const bool ours = holdsWindow();
    neededHeight(top); // lays the window out without the working: its least size drops
    if (ours)
        top->resize(sizeBefore);
    sizeBefore = {};
}

void WorkingPanel::setWorking(const Working& steps, const QString& heading)
{
    // A refused task has no steps, so no heading either.
    QStringList lines = steps;
    if (!heading.isEmpty() && !steps.isEmpty())
        lines.prepend(heading);
    working->setText(lines.join(u'\n'));
    showOrHide();
}

void WorkingPanel::clearWorking()
{
    working->clear();
    showOrHide();
}
