#include "widgets/working_panel.h"

#include "widgets/controls.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLayout>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>

#include <algorithm>

namespace {

const QString showCaption = QStringLiteral("Show Working");
const QString hideCaption = QStringLiteral("Hide Working");

// A table a line: what comes before the first " = " in the first cell, the rest in the second,
// so a long line wraps with its continuation under its own first "=". A line with no "="
// (the heading) is a paragraph of its own.
QString stepOf(const QString& line)
{
    static const QString equals = QStringLiteral(" = ");
    const qsizetype at = line.indexOf(equals);
    if (at < 0)
        return QStringLiteral("<p style=\"margin:0; white-space:pre-wrap\">%1</p>")
            .arg(line.toHtmlEscaped());
    return QStringLiteral("<table cellspacing=\"0\" cellpadding=\"0\" style=\"margin:0\"><tr>"
                          "<td style=\"white-space:pre\">%1 </td>"
                          "<td style=\"white-space:pre-wrap\">%2</td></tr></table>")
        .arg(line.left(at).toHtmlEscaped(), line.mid(at + 1).toHtmlEscaped());
}

QString stepsOf(const QStringList& lines)
{
    QString steps;
    for (const QString& line : lines)
        steps += stepOf(line);
    return steps;
}

} // namespace

WorkingPanel::WorkingPanel(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("workingPanel"));
    showWorking = makeButton("showWorking", showCaption, this);
    showWorking->setCheckable(true);
    // As wide for either caption, so nothing beside it moves when it turns.
    showWorking->setText(hideCaption);
    const int hideWidth = showWorking->sizeHint().width();
    showWorking->setText(showCaption);
    showWorking->setMinimumWidth(std::max(hideWidth, showWorking->sizeHint().width()));
    working = makeResultLabel("working", QStringLiteral("Working"), this);
    working->setTextFormat(Qt::RichText);
    working->setWordWrap(true);
    working->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    working->setFrameStyle(QFrame::NoFrame);

    scroller = new QScrollArea(this);
    scroller->setObjectName(QStringLiteral("workingScroller"));
    scroller->setWidget(working);
    scroller->setWidgetResizable(true);
    scroller->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroller->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    // The steps sit on the window's own background, as the answers do.
    scroller->viewport()->setAutoFillBackground(false);
    working->setAutoFillBackground(false);
    scroller->setVisible(false);

    // The steps beside the button rather than under it: a tall window has little height to
    // spare, and the button's own row is free.
    row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(showWorking, 0, Qt::AlignLeft | Qt::AlignTop);
    row->addWidget(scroller, 1);

    connect(showWorking, &QPushButton::toggled, this, &WorkingPanel::showOrHide);
}

void WorkingPanel::showOrHide()
{
    // An empty box would only leave a gap, so the steps show only when there are some.
    const bool shown = showWorking->isChecked() && !lines.isEmpty();
    showWorking->setText(shown ? hideCaption : showCaption);
    showWorking->setAccessibleName(showWorking->text());
    QWidget* top = window();
    // Showing the steps lays the window out at once, so its size is taken before.
    if (shown && top->isVisible() && !holdsWindow())
        sizeBefore = sizeGiven = top->size();
    const bool ours = holdsWindow();
    scroller->setVisible(shown);
    if (shown)
        fitScroller(top);
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

int WorkingPanel::roomOnScreen(const QWidget* top) const
{
    // Room for a title bar at least, even before a window manager has framed the window.
    const int frame =
        std::max(top->frameGeometry().height() - top->height(), 2 * fontMetrics().height());
    const QScreen* screen = top->screen();
    return screen ? screen->availableGeometry().height() - frame : QWIDGETSIZE_MAX;
}

void WorkingPanel::fitScroller(QWidget* top)
{
    // As tall as the steps, but no taller than the screen leaves the window: beyond, they scroll.
    const int frame = 2 * scroller->frameWidth();
    const int least = 2 * working->fontMetrics().lineSpacing() + frame;
    scroller->setFixedHeight(least);
    if (!top->layout())
        return;
    const int others = neededHeight(top) - least;
    const int steps = working->heightForWidth(scroller->width() - frame) + frame;
    if (steps <= roomOnScreen(top) - others)
        return scroller->setFixedHeight(std::max(steps, least));
    // Whole lines in view, so none shows cut in half.
    const int line = working->fontMetrics().lineSpacing();
    const int lines = std::max(2, (roomOnScreen(top) - others - frame) / line);
    scroller->setFixedHeight(lines * line + frame);
}

void WorkingPanel::resizeWindow(QWidget* top, QSize size)
{
    // Kept as asked: on a desktop the new size may arrive only later.
    sizeGiven = size.expandedTo(top->minimumSize()).boundedTo(top->maximumSize());
    top->resize(sizeGiven);
}

void WorkingPanel::fitWindow()
{
    // A top-level window keeps its height when its contents grow taller: give it the height
    // its width needs, so no step is cut off.
    QWidget* top = window();
    if (!top->layout())
        return;
    const int needed = neededHeight(top);
    resizeWindow(top, {top->width(), std::max(needed, sizeBefore.height())});
}

void WorkingPanel::giveBackWindow()
{
    // Nor does a window shrink when the steps go: give back the size it had before, unless the
    // pupil has resized it meanwhile.
    givingBack = false;
    QWidget* top = window();
    if (!scroller->isHidden() || !top->layout())
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
    lines = steps;
    if (!heading.isEmpty() && !steps.isEmpty())
        lines.prepend(heading);
    working->setText(lines.isEmpty() ? QString() : stepsOf(lines));
    showOrHide();
}

void WorkingPanel::addBeside(QWidget* controls)
{
    row->insertWidget(row->indexOf(scroller), controls, 0, Qt::AlignLeft | Qt::AlignTop);
}

void WorkingPanel::clearWorking()
{
    lines.clear();
    working->clear();
    showOrHide();
}
