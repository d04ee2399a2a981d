#include "widgets/angle_bracket.h"

#include <QPainter>

AngleBracket::AngleBracket(Side side, QWidget* parent)
    : QWidget(parent)
    , m_side(side)
{
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
}

QSize AngleBracket::sizeHint() const
{
    const QFontMetrics metrics(font());
    return {metrics.averageCharWidth(), metrics.height()};
}

QSize AngleBracket::minimumSizeHint() const
{
    return sizeHint();
}

void AngleBracket::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal thickness = std::max(1.0, QFontMetrics(font()).height() / 14.0);
    painter.setPen(QPen(palette().color(QPalette::WindowText), thickness));
    const qreal inset = thickness;
    const qreal open = m_side == Opening ? width() - inset : inset;
    const qreal point = m_side == Opening ? inset : width() - inset;
    const QPointF tip(point, height() / 2.0);
    painter.drawLine(QPointF(open, inset), tip);
    painter.drawLine(tip, QPointF(open, height() - inset));
}
