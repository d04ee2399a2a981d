#include "widgets/tips.h"

#include <QCoreApplication>
#include <QWidget>

QString tipText(const char* text)
{
    return QCoreApplication::translate("Tip", text);
}

void applyTips(QWidget* window, std::span<const Tip> tips)
{
    for (const Tip& tip : tips) {
        QWidget* control = window->findChild<QWidget*>(QLatin1String(tip.name));
        Q_ASSERT_X(control, "applyTips", tip.name);
        if (control)
            control->setToolTip(tipText(tip.text));
    }
}
