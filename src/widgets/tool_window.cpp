#include "widgets/tool_window.h"

#include "input/number_text.h"
#include "widgets/controls.h"
#include "widgets/working_panel.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <memory>

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

void ToolWindow::addPanel(const PanelParts& panel)
{
    m_panelParts << panel;
    if (panel.buttons.isEmpty())
        return;
    auto last = std::make_shared<QPushButton*>(panel.buttons.first());
    if (panel.returnRepeatsLast)
        for (QPushButton* button : panel.buttons)
            connect(button, &QPushButton::clicked, this, [last, button] { *last = button; });
    for (QLineEdit* field : panel.fields)
        connect(field, &QLineEdit::returnPressed, this, [last] { (*last)->click(); });
}

void ToolWindow::chainPanels()
{
    QWidget* previous = nullptr;
    auto chain = [&previous](QWidget* next) {
        if (previous)
            QWidget::setTabOrder(previous, next);
        previous = next;
    };
    for (const PanelParts& panel : std::as_const(m_panelParts)) {
        for (QLineEdit* field : panel.fields)
            chain(field);
        for (QPushButton* button : panel.buttons)
            chain(button);
    }
    if (m_working)
        chain(m_working->findChild<QPushButton*>(QStringLiteral("showWorking")));
}

void ToolWindow::beginClick(const QList<QLabel*>& results)
{
    for (QLabel* result : results)
        if (result)
            result->clear();
    m_working->clearWorking();
    m_reader.begin();
}

std::optional<QList<double>> ToolWindow::readFields(const QList<QLineEdit*>& fields,
                                                    ReadRules rules)
{
    QList<double> numbers;
    for (QLineEdit* field : fields) {
        const double value = eval(field);
        if (rules.stopAtRefusal && !m_reader.isValid())
            return std::nullopt;
        if (rules.showAsRead)
            field->setText(numberText(value));
        numbers << (rules.showAsRead ? roundToShown(value) : value);
    }
    if (!m_reader.isValid())
        return std::nullopt;
    return numbers;
}

double ToolWindow::eval(const QLineEdit* field)
{
    return m_reader.eval(field->text());
}

void ToolWindow::writeNumber(QLabel* output, double value)
{
    output->setText(numberText(value));
}

void ToolWindow::showWorking(const Working& working, const QString& heading)
{
    m_working->setWorking(working, heading);
}
