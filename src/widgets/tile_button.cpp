#include "widgets/tile_button.h"

#include "widgets/contrast.h"

#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QPainter>
#include <QPainterPath>
#include <QStyleOptionButton>

#include <algorithm>

namespace {

const QColor darkText(0x1a, 0x1a, 0x1a);
const QColor lightText(Qt::white);

// A heading tile names its group and does nothing, so screen readers hear a heading, not a
// button they could press.
QAccessibleInterface* headingAccessible(const QString& key, QObject* object)
{
    if (key != QLatin1String("TileButton"))
        return nullptr;
    auto* tile = static_cast<TileButton*>(object);
    return tile->isHeading() ? new QAccessibleWidget(tile, QAccessible::Heading) : nullptr;
}

} // namespace

TileButton::TileButton(const QString& caption, const QColor& colour, Size size, QWidget* parent)
    : QPushButton(caption, parent)
    , m_colour(colour)
    , m_size(size)
{
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(headingAccessible);
        return true;
    }();
    Q_UNUSED(factoryInstalled);
    // Screen readers get the caption without the blanks that once padded it into lines.
    setAccessibleName(shownCaption());
    QFont tileFont = font();
    tileFont.setBold(true);
    tileFont.setPointSizeF(m_size == Size::Heading ? tileFont.pointSizeF() * 0.9
                                                   : tileFont.pointSizeF() * 1.15);
    setFont(tileFont);
    setSizePolicy(QSizePolicy::Expanding,
                  m_size == Size::Heading ? QSizePolicy::Fixed : QSizePolicy::Expanding);
    setCursor(Qt::PointingHandCursor);
}

QColor TileButton::captionColour() const
{
    return contrastRatio(m_colour, darkText) >= contrastRatio(m_colour, lightText) ? darkText
                                                                                   : lightText;
}

QString TileButton::shownCaption() const
{
    return text().simplified();
}

QSize TileButton::sizeHint() const
{
    const QFontMetrics metrics(font());
    if (m_size == Size::Heading)
        return {metrics.averageCharWidth() * 16, metrics.height() * 2};
    return {metrics.averageCharWidth() * 18, metrics.height() * 6};
}

QSize TileButton::minimumSizeHint() const
{
    const QFontMetrics metrics(font());
    if (m_size == Size::Heading)
        return {metrics.averageCharWidth() * 8, metrics.height() * 2};
    return {metrics.averageCharWidth() * 10, metrics.height() * 3};
}

void TileButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);

    QColor fill = m_colour;
    QColor ink = captionColour();
    if (!isEnabled()) {
        // A tool not yet available: a pale wash of its colour, still legible.
        fill = mixed(m_colour, QColor(0xe6, 0xe6, 0xe6), 0.8);
        ink = QColor(0x4a, 0x4a, 0x4a);
    } else if (isDown()) {
        fill = m_colour.darker(125);
    } else if (underMouse()) {
        fill = m_colour.lighter(112);
    }

    const qreal radius = std::min(width(), height()) * 0.08;
    const QRectF tile = QRectF(rect()).adjusted(1.5, 1.5, -1.5, -1.5);
    QPainterPath shape;
    shape.addRoundedRect(tile, radius, radius);
    painter.fillPath(shape, fill);

    if (hasFocus()) {
        QPen ring(palette().color(QPalette::Highlight), 3);
        painter.setPen(ring);
        painter.drawPath(shape);
        painter.setPen(QPen(ink, 1, Qt::DashLine));
        painter.drawRoundedRect(tile.adjusted(5, 5, -5, -5), radius, radius);
    }

    const int margin = QFontMetrics(font()).averageCharWidth();
    painter.setPen(ink);
    painter.setFont(font());
    painter.drawText(rect().adjusted(margin, margin / 2, -margin, -margin / 2),
                     Qt::AlignCenter | Qt::TextWordWrap, shownCaption());
}

void TileButton::keyPressEvent(QKeyEvent* event)
{
    // A menu tile answers Return as well as Space, as a pupil expects of a menu.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        if (isEnabled() && focusPolicy() != Qt::NoFocus)
            click();
        return;
    }
    QPushButton::keyPressEvent(event);
}
