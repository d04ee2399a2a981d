#include "app/donation_window.h"

Form14::Form14(Launcher& launcher, QWidget* parent)
    : QWidget(parent)
{
    (void)launcher;
    setObjectName(QStringLiteral("Form14"));
    setWindowTitle(QStringLiteral("Donate Using PayPal"));
    setAttribute(Qt::WA_DeleteOnClose);
}
