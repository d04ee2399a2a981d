#include "widgets/controls.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

QLabel* makeLabel(const char* name, const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setTextFormat(Qt::PlainText);
    label->setAccessibleName(text.simplified());
    return label;
}

QLabel* makeHeading(const char* name, const QString& text, QWidget* parent, double scale)
{
    QLabel* heading = makeLabel(name, text, parent);
    QFont font = heading->font();
    font.setBold(true);
    if (font.pointSizeF() > 0)
        font.setPointSizeF(font.pointSizeF() * scale);
    else
        font.setPixelSize(qRound(font.pixelSize() * scale));
    heading->setFont(font);
    return heading;
}

QLineEdit* makeField(const char* name, const QString& accessibleName, QWidget* parent)
{
    auto* field = new QLineEdit(parent);
    field->setObjectName(QLatin1String(name));
    field->setAccessibleName(accessibleName);
    const QFontMetrics metrics(field->font());
    field->setMinimumWidth(metrics.averageCharWidth() * 8);
    return field;
}

QLabel* makeResultLabel(const char* name, const QString& accessibleName, QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->setAccessibleName(accessibleName);
    label->setTextFormat(Qt::PlainText);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    label->setFocusPolicy(Qt::ClickFocus);
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label->setMinimumWidth(QFontMetrics(label->font()).averageCharWidth() * 18);
    label->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    return label;
}

QPushButton* makeButton(const char* name, const QString& caption, QWidget* parent)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    button->setAccessibleName(caption.simplified());
    button->setAutoDefault(false);
    return button;
}

QFrame* makePanel(const char* name, QWidget* parent)
{
    auto* panel = new QFrame(parent);
    panel->setObjectName(QLatin1String(name));
    panel->setFrameStyle(QFrame::Box | QFrame::Plain);
    return panel;
}

QFrame* makeRule(const char* name, QWidget* parent)
{
    auto* rule = new QFrame(parent);
    rule->setObjectName(QLatin1String(name));
    rule->setFrameStyle(QFrame::HLine | QFrame::Sunken);
    return rule;
}

void fitAnyAnswer(QLabel* result)
{
    result->setMinimumWidth(
        result->fontMetrics().horizontalAdvance(QStringLiteral("-0.000000000000000000")) +
        2 * result->frameWidth() + 4);
}
