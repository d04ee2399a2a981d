#include "widgets/fraction_box.h"

#include <QGridLayout>
#include <QPainter>

FractionBar::FractionBar(const QString& text, QWidget* parent)
    : QLabel(text, parent)
{
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

QSize FractionBar::sizeHint() const
{
    const QFontMetrics metrics(font());
    return {metrics.averageCharWidth() * 4, std::max(5, metrics.height() / 3)};
}

QSize FractionBar::minimumSizeHint() const
{
    return sizeHint();
}

void FractionBar::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const qreal thickness = std::max(1.5, QFontMetrics(font()).height() / 12.0);
    painter.setPen(QPen(palette().color(QPalette::WindowText), thickness));
    const qreal middle = height() / 2.0;
    painter.drawLine(QPointF(0, middle), QPointF(width(), middle));
}

FractionBox::FractionBox(QWidget* numerator, FractionBar* bar, QWidget* denominator, QWidget* whole,
                         QWidget* parent)
    : QWidget(parent)
{
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setVerticalSpacing(0);
    if (whole)
        grid->addWidget(whole, 0, 0, 3, 1, Qt::AlignVCenter);
    grid->addWidget(numerator, 0, 1, Qt::AlignHCenter | Qt::AlignBottom);
    grid->addWidget(bar, 1, 1);
    grid->addWidget(denominator, 2, 1, Qt::AlignHCenter | Qt::AlignTop);
}
