#include "widgets/working_panel.h"

#include "widgets/controls.h"

#include <QLabel>
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

    connect(showWorking, &QPushButton::toggled, working, &QLabel::setVisible);
}

void WorkingPanel::setWorking(const Working& steps, const QString& heading)
{
    // A refused task has no steps, so no heading either.
    QStringList lines = steps;
    if (!heading.isEmpty() && !steps.isEmpty())
        lines.prepend(heading);
    working->setText(lines.join(u'\n'));
}

void WorkingPanel::clearWorking()
{
    working->clear();
}
