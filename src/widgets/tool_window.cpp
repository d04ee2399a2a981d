#include "widgets/tool_window.h"

#include "input/number_text.h"
#include "widgets/working_panel.h"

#include <QLabel>
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

std::optional<QList<double>> ToolWindow::startClick(const QList<QLineEdit*>& fields, QLabel* output)
{
    output->clear();
    m_working->clearWorking();
    m_reader.begin();
    QList<double> numbers;
    for (const QLineEdit* field : fields)
        numbers << eval(field);
    if (!m_reader.isValid())
        return std::nullopt;
    return numbers;
}

void ToolWindow::showAnswer(const Outcome<double>& outcome, QLabel* output, const QString& heading)
{
    if (const auto* solved = std::get_if<Solved<double>>(&outcome)) {
        output->setText(numberText(solved->values));
        m_working->setWorking(solved->working, heading);
    } else {
        m_sink.show(std::get<Message>(outcome));
    }
}
