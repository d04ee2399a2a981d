#include "input/message_box_sink.h"

#include <QApplication>
#include <QMessageBox>

void MessageBoxSink::show(const QString& text)
{
    QMessageBox box(QApplication::activeWindow());
    box.setWindowTitle(QStringLiteral("Corvale"));
    box.setIcon(QMessageBox::NoIcon);
    // The message may quote what the pupil typed; it is shown as typed, never as markup.
    box.setTextFormat(Qt::PlainText);
    box.setText(text);
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
}

MessageSink& defaultMessageSink()
{
    static MessageBoxSink sink;
    return sink;
}
