#include "widgets/tool_window.h"

#include "widgets/working_panel.h"

#include <QLineEdit>

ToolWindow::ToolWindow(const char* name, const QString& title, const ReaderBehaviour& behaviour,
                       MessageSink& sink, QWidget* parent)
    : QWidget(parent)
    , m_reader(behaviour, sink)
    , m_sink(sink)
{
    setObjectName(QLatin1String(name));
    setWindowTitle(title);
    setAttribute(Qt::WA_DeleteOnClose);
}

WorkingPanel* ToolWindow::addWorkingPanel()
{
    m_working = new WorkingPanel(this);
    return m_working;
}

double ToolWindow::eval(const QLineEdit* field)
{
    return m_reader.eval(field->text());
}
