#pragma once

#include "input/field_reader.h"
#include "input/message_sink.h"

#include <QWidget>

class QLineEdit;
class WorkingPanel;

// What every tool window is built on: its object name and title, a window of its own that
// is discarded when closed, the reader its fields go through, the sink its messages go to,
// and the working panel under its results.
class ToolWindow : public QWidget {
    Q_OBJECT

protected:
    ToolWindow(const char* name, const QString& title, const ReaderBehaviour& behaviour,
               MessageSink& sink, QWidget* parent);

    // Made where the window wants it in its layout, so Tab reaches Show Working last.
    WorkingPanel* addWorkingPanel();

    // A field's number through the window's reader; a click begins with m_reader.begin().
    double eval(const QLineEdit* field);

    FieldReader m_reader;
    MessageSink& m_sink;
    WorkingPanel* m_working = nullptr;
};
