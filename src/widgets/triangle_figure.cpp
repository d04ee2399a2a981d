#include "widgets/triangle_figure.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

// Half the base per unit of height: a triangle a little wider than tall, roomy inside.
constexpr double slope = 0.8;
// How far down a side its control stands, as a part of the height.
constexpr double sideDepth = 0.3;

} // namespace

struct TriangleFigure::Metrics {
    double gap;
    double letterWidth;
    double slotWidth; // letter and control
    double slotHeight;

    // The lowest triangle that still holds the three corner controls inside it.
    double smallestHeight() const
    {
        const double cornersTop =
            std::max(apexSlotDepth() + slotHeight + gap, (slotWidth + 1.5 * gap) / slope);
        return cornersTop + slotHeight + gap;
    }
    // Where the triangle first grows wide enough for the apex control.
    double apexSlotDepth() const { return (slotWidth / 2 + gap) / slope; }
    // How far the figure reaches either side of the apex, for a triangle of a given height.
    double halfWidth(double height) const
    {
        return std::max(slope * height,
                        slope * (sideDepth * height + slotHeight / 2) + gap + slotWidth) +
               gap;
    }
    double totalHeight(double height) const { return height + 3 * gap + slotHeight; }
};

struct TriangleFigure::Layout {
    QPointF apex;
    QPointF lowerLeft;
    QPointF lowerRight;
    QRectF places[placeCount];
};

TriangleFigure::TriangleFigure(QWidget* parent)
    : QWidget(parent)
{
    // Never smaller than its hint, the lowest triangle that holds its controls; grows with room.
    setSizePolicy(QSizePolicy::MinimumExpanding, QSizePolicy::MinimumExpanding);
}

void TriangleFigure::place(Place place, QWidget* control, const QString& letter)
{
    control->setParent(this);
    m_controls[place] = control;
    m_letters[place] = letter;
    updateGeometry();
}

TriangleFigure::Metrics TriangleFigure::metrics() const
{
    const QFontMetricsF font(this->font());
    const double gap = std::max(3.0, std::round(font.height() / 4));
    double slotHeight = font.height();
    for (const QWidget* control : m_controls)
        if (control)
            slotHeight = std::max(slotHeight, double(control->sizeHint().height()));
    const double letterWidth = std::ceil(font.horizontalAdvance(u'm') + gap);
    const double controlWidth = std::ceil(
        font.horizontalAdvance(QStringLiteral("0.000000000000000")) + 2 * font.averageCharWidth());
    return {gap, letterWidth, letterWidth + controlWidth, slotHeight};
}

TriangleFigure::Layout TriangleFigure::layoutIn(QSize size) const
{
    const Metrics m = metrics();
    const double room = size.width() / 2.0;
    // As tall as the room allows, but never so low that the corners cannot hold their controls.
    const double height = std::max(
        m.smallestHeight(),
        std::min({size.height() - m.totalHeight(0), (room - m.gap) / slope,
                  ((room - 2 * m.gap - m.slotWidth) / slope - m.slotHeight / 2) / sideDepth}));
    const double top = std::max(m.gap, (size.height() - m.totalHeight(height)) / 2 + m.gap);
    const double middle = room;
    const double base = top + height;

    Layout layout;
    layout.apex = {middle, top};
    layout.lowerLeft = {middle - slope * height, base};
    layout.lowerRight = {middle + slope * height, base};
    // x of the left side at a given y; the right side mirrors it.
    const auto leftSideAt = [&](double y) {
        return middle - slope * (y - top);
    };
    const QSizeF slot(m.slotWidth, m.slotHeight);

    const double apexTop = top + m.apexSlotDepth();
    layout.places[Apex] = {QPointF(middle - m.slotWidth / 2, apexTop), slot};
    const double cornersTop = base - m.gap - m.slotHeight;
    const double cornerLeft = leftSideAt(cornersTop) + m.gap;
    layout.places[LowerLeft] = {QPointF(cornerLeft, cornersTop), slot};
    layout.places[LowerRight] = {QPointF(2 * middle - cornerLeft - m.slotWidth, cornersTop), slot};
    const double sideTop = top + sideDepth * height - m.slotHeight / 2;
    const double sideRight = leftSideAt(sideTop + m.slotHeight) - m.gap;
    layout.places[LeftSide] = {QPointF(sideRight - m.slotWidth, sideTop), slot};
    layout.places[RightSide] = {QPointF(2 * middle - sideRight, sideTop), slot};
    layout.places[Base] = {QPointF(middle - m.slotWidth / 2, base + m.gap), slot};
    return layout;
}

QSize TriangleFigure::sizeHint() const
{
    const Metrics m = metrics();
    const double height = m.smallestHeight();
    return QSize(int(std::ceil(2 * m.halfWidth(height))), int(std::ceil(m.totalHeight(height))));
}

void TriangleFigure::resizeEvent(QResizeEvent*)
{
    const Layout layout = layoutIn(size());
    const double letterWidth = metrics().letterWidth;
    for (int place = 0; place < placeCount; ++place)
        if (m_controls[place])
            m_controls[place]->setGeometry(
                layout.places[place].adjusted(letterWidth, 0, 0, 0).toAlignedRect());
}

void TriangleFigure::paintEvent(QPaintEvent*)
{
    const Layout layout = layoutIn(size());
    const Metrics m = metrics();
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor ink = palette().color(QPalette::WindowText);
    painter.setPen(
        QPen(ink, std::max(1.0, m.slotHeight / 14), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    const QPointF corners[] = {layout.apex, layout.lowerLeft, layout.lowerRight};
    painter.drawPolygon(corners, 3);

    QFont italic = font();
    italic.setItalic(true);
    painter.setFont(italic);
    painter.setPen(ink);
    for (int place = 0; place < placeCount; ++place) {
        if (!m_controls[place])
            continue;
        QRectF letter = layout.places[place];
        letter.setWidth(m.letterWidth - m.gap);
        painter.drawText(letter, Qt::AlignRight | Qt::AlignVCenter, m_letters[place]);
    }
}
