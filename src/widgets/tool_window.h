#pragma once

#include "input/field_reader.h"
#include "input/message_sink.h"
#include "input/outcome.h"

#include <QList>
#include <QWidget>

#include <optional>

class QLabel;
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

    // The click path of a task that answers one number: its output and the working emptied,
    // every field read (each bad one says so), and only then the task, whose answer and
    // working come from the one outcome.
    template <class Task>
    void answer(const QList<QLineEdit*>& fields, QLabel* output, const QString& heading,
                Task&& task)
    {
        if (const std::optional<QList<double>> numbers = startClick(fields, output))
            showAnswer(task(*numbers), output, heading);
    }

    FieldReader m_reader;
    MessageSink& m_sink;
    WorkingPanel* m_working = nullptr;

private:
    std::optional<QList<double>> startClick(const QList<QLineEdit*>& fields, QLabel* output);
    void showAnswer(const Outcome<double>& outcome, QLabel* output, const QString& heading);
};
