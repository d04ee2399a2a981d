#include "algebra/complex_window.h"

Form13::Form13(MessageSink& sink, QWidget* parent)
    : QWidget(parent)
{
    (void)sink;
    setObjectName(QStringLiteral("Form13"));
    setWindowTitle(QStringLiteral("Complex Numbers"));
    setAttribute(Qt::WA_DeleteOnClose);
}
