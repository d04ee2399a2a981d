#include "widgets/working_panel.h"

#include "widgets/controls.h"

#include <QLabel>
#include <QLayout>
#include <QPushButton>
#include <QVBoxLayout>

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

    connect(showWorking, &QPushButton::toggled, this, [this](bool shown) {
        working->setVisible(shown);
        fitWindow();
    });
}

void WorkingPanel::fitWindow()
{
    // A top-level window keeps its height when a wrapped label grows taller, so lay it out
    // and give it the height its width needs: no step may be cut off.
    QWidget* top = window();
    QLayout* layout = top->layout();
    if (!working->isVisible() || !layout)
        return;
    updateGeometry(); // drops the outer layout's cached height of this panel
    layout->activate();
    const int needed = layout->hasHeightForWidth() ? layout->totalHeightForWidth(top->width())
                                                   : layout->totalMinimumSize().height();
    if (top->height() < needed)
        top->resize(top->width(), needed);
}

void WorkingPanel::setWorking(const Working& steps, const QString& heading)
{
    // A refused task has no steps, so no heading either.
    QStringList lines = steps;
    if (!heading.isEmpty() && !steps.isEmpty())
        lines.prepend(heading);
    working->setText(lines.join(u'\n'));
    fitWindow();
}

void WorkingPanel::clearWorking()
{
    working->clear();
}
