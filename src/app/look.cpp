#include "app/look.h"

#include "widgets/contrast.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QProxyStyle>
#include <QPushButton>
#include <QStyleFactory>
#include <QStyleOption>

namespace {

// A little above 3:1, so rounding on the way to the screen cannot take it below.
constexpr double outlineRatio = 3.2;

void outline(QPainter* painter, const QRect& rect, const QColor& colour, int inset = 0)
{
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing, false);
    painter->setPen(colour);
    painter->setBrush(Qt::NoBrush);
    painter->drawRect(rect.adjusted(inset, inset, -1 - inset, -1 - inset));
    painter->restore();
}

class LookStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override
    {
        const auto* field = qobject_cast<const QLineEdit*>(widget);
        const auto* frame = qstyleoption_cast<const QStyleOptionFrame*>(option);
        if (element != PE_PanelLineEdit || !field || !frame || frame->lineWidth <= 0)
            return QProxyStyle::drawPrimitive(element, option, painter, widget);
        drawField(field->isReadOnly(), option, painter);
    }

    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override
    {
        const auto* label = qobject_cast<const QLabel*>(widget);
        if (element == CE_ShapedFrame && label && label->frameShape() == QFrame::Panel)
            return outline(painter, option->rect, fieldOutlinesFor(option->palette).answer);
        const auto* button = qobject_cast<const QPushButton*>(widget);
        if (element == CE_PushButtonBevel && button && button->isCheckable())
            return drawCheckable(*button, option, painter, widget);
        QProxyStyle::drawControl(element, option, painter, widget);
    }

private:
    static void drawField(bool readOnly, const QStyleOption* option, QPainter* painter)
    {
        const FieldOutlines outlines = fieldOutlinesFor(option->palette);
        // An answer shown in a field reads as one: no fill of its own, a quiet outline.
        if (readOnly)
            return outline(painter, option->rect, outlines.answer);
        painter->fillRect(option->rect, option->palette.base());
        outline(painter, option->rect, outlines.field);
        if (option->state & State_HasFocus)
            outline(painter, option->rect, option->palette.color(QPalette::Highlight), 1);
    }

    // Checked, the button stands raised as when unchecked, with a ring in the highlight: its
    // text already says which state it is in.
    void drawCheckable(const QPushButton& button, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const
    {
        const auto* pushOption = qstyleoption_cast<const QStyleOptionButton*>(option);
        if (!pushOption || !button.isChecked())
            return QProxyStyle::drawControl(CE_PushButtonBevel, option, painter, widget);
        QStyleOptionButton raised = *pushOption;
        raised.state &= ~State_On;
        if (!button.isDown())
            raised.state &= ~State_Sunken;
        QProxyStyle::drawControl(CE_PushButtonBevel, &raised, painter, widget);
        outline(painter, option->rect, option->palette.color(QPalette::Highlight), 1);
    }
};

} // namespace

FieldOutlines fieldOutlinesFor(const QPalette& palette)
{
    const QColor window = palette.color(QPalette::Window);
    const QColor ink = palette.color(QPalette::WindowText);
    const QColor answer(mixed(window, ink, 0.2).rgb());
    return {standingApart(window, ink, {window, answer}, outlineRatio), answer};
}

void setUpLook()
{
    QStyle* base = QStyleFactory::create(QApplication::style()->name());
    QApplication::setStyle(new LookStyle(base));
}
