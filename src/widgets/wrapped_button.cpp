#include "widgets/wrapped_button.h"

#include <QStyleOptionButton>
#include <QStylePainter>

namespace {

constexpr int textFlags = Qt::AlignCenter | Qt::TextWordWrap;

} // namespace

WrappedButton::WrappedButton(const QString& caption, QWidget* parent)
    : QPushButton(caption, parent)
{
}

QSize WrappedButton::sizeHint() const
{
    // Room for the caption on two lines, with the margins a one-line button has.
    const QFontMetrics metrics = fontMetrics();
    const QSize oneLine = QPushButton::sizeHint();
    const int oneLineWidth = metrics.horizontalAdvance(text());
    const QRect wrapped = metrics.boundingRect(
        QRect(0, 0, oneLineWidth / 2 + metrics.averageCharWidth() * 2, 0), textFlags, text());
    return {oneLine.width() - oneLineWidth + wrapped.width(),
            oneLine.height() - metrics.height() + wrapped.height()};
}

QSize WrappedButton::minimumSizeHint() const
{
    return sizeHint();
}

void WrappedButton::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    const QString caption = option.text;
    option.text.clear();
    painter.drawControl(QStyle::CE_PushButton, option);
    const QRect contents = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
    painter.drawItemText(contents, textFlags, palette(), isEnabled(), caption,
                         QPalette::ButtonText);
}
