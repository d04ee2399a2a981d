#include "widgets/tool_window.h"

#include "exact/exact_reading.h"
#include "input/number_text.h"
#include "input/reading_step.h"
#include "widgets/answer_format.h"
#include "widgets/answer_format_bar.h"
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

QLabel* ToolWindow::makeTitle(const char* name, const QString& text)
{
    QLabel* title = makeHeading(name, text, this, 1.3);
    title->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    return title;
}

WorkingPanel* ToolWindow::addWorkingPanel(AnswerFormats formats)
{
    m_working = new WorkingPanel(this);
    if (formats == AnswerFormats::Offered) {
        m_formatBar = new AnswerFormatBar(AnswerFormat::program(), m_working);
        m_working->addBeside(m_formatBar);
        connect(&AnswerFormat::program(), &AnswerFormat::changed, this,
                &ToolWindow::rewriteAnswers);
    }
    return m_working;
}

void ToolWindow::addPanel(const PanelParts& panel)
{
    m_panelParts << panel;
    const qsizetype index = m_panelParts.size() - 1;
    // pressed comes before clicked, so the frame knows the panel before the handler runs.
    m_askedBy << (panel.buttons.isEmpty() ? nullptr : panel.buttons.first());
    for (QPushButton* button : panel.buttons)
        connect(button, &QPushButton::pressed, this, [this, index, button] {
            m_pressed = index;
            m_pressedButton = button;
        });
    watchForEdits(index);
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
    if (m_formatBar) {
        chain(m_formatBar->firstInTabOrder());
        chain(m_formatBar->lastInTabOrder());
    }
}

void ToolWindow::beginClick(const QList<QLabel*>& results)
{
    // Stale until the task answers: a refusal leaves the panel's results so.
    if (m_pressed >= 0)
        m_askedBy[m_pressed] = m_pressedButton;
    markStale(m_pressed, true);
    m_refused = nullptr;
    m_readings.clear();
    m_rework = nullptr;
    for (QLabel* result : results)
        if (result)
            result->clear();
    m_working->clearWorking();
    m_reader.begin();
}

std::optional<QList<double>> ToolWindow::readFields(const QList<QLineEdit*>& fields,
                                                    ReadRules rules)
{
    const std::optional<QList<Real>> reals = readReals(fields, rules);
    if (!reals)
        return std::nullopt;
    QList<double> numbers;
    for (const Real& real : *reals)
        numbers << real.value();
    return numbers;
}

std::optional<QList<Real>> ToolWindow::readReals(const QList<QLineEdit*>& fields, ReadRules rules)
{
    QList<Real> numbers;
    for (QLineEdit* field : fields) {
        const double value = eval(field);
        if (rules.stopAtRefusal && !m_reader.isValid())
            return std::nullopt;
        const std::optional<mpq_class> exact = typedExactly(field);
        if (rules.showAsRead)
            showAsRead(field, value);
        numbers << Real::typed(rules.showAsRead ? roundToShown(value) : value, exact);
        if (rules.showAsRead)
            m_typed.insert(field, {field->text(), exact});
    }
    if (!m_reader.isValid())
        return std::nullopt;
    return numbers;
}

std::optional<mpq_class> ToolWindow::typedExactly(QLineEdit* field) const
{
    if (const auto typed = m_typed.constFind(field);
        typed != m_typed.cend() && typed->shown == field->text())
        return typed->exact;
    return readExactField(field->text(), m_reader.behaviour());
}

double ToolWindow::eval(QLineEdit* field)
{
    return eval(field->text(), field);
}

double ToolWindow::eval(QStringView text, QLineEdit* from)
{
    const bool wasValid = m_reader.isValid();
    const double value = m_reader.eval(text);
    // A fraction or mixed number is first shown as it was read, once however often it is.
    if (const QString reading = readingStep(text);
        !reading.isEmpty() && !m_readings.contains(reading))
        m_readings << reading;
    if (wasValid && !m_reader.isValid())
        focusRefused(from);
    return value;
}

namespace {

// Qt's own limit for a line field: only the statistics lists are longer.
constexpr qsizetype maxSelectedLength = 32767;

} // namespace

void ToolWindow::focusRefused(QLineEdit* field)
{
    if (m_refused || !field)
        return;
    m_refused = field;
    field->setFocus(Qt::OtherFocusReason);
    // Selecting a pasted list of a megabyte lays it out anew, a fifth of a second: such a
    // field keeps its cursor instead, at the start.
    if (field->text().size() <= maxSelectedLength)
        field->selectAll();
    else
        field->home(false);
}

void ToolWindow::showAsRead(QLineEdit* field, double value)
{
    field->setText(numberText(value));
    if (field == m_refused)
        field->selectAll();
}

void ToolWindow::watchForEdits(qsizetype panel)
{
    for (QLineEdit* field : std::as_const(m_panelParts[panel].fields))
        connect(field, &QLineEdit::textEdited, this, [this, panel] { markStale(panel, true); });
}

void ToolWindow::markStale(qsizetype panel, bool stale)
{
    if (panel < 0 || panel >= m_panelParts.size())
        return;
    const QPushButton* button = m_askedBy[panel];
    const QString tip =
        tr("Out of date: press %1 again").arg(button ? button->text().simplified() : QString());
    for (QLabel* result : std::as_const(m_panelParts[panel].results)) {
        const bool wasStale = result->property("stale").toBool();
        if (stale && result->text().isEmpty())
            continue;
        result->setProperty("stale", stale);
        if (stale == wasStale)
            continue;
        if (stale)
            result->setProperty("freshTip", result->toolTip());
        result->setForegroundRole(stale ? QPalette::PlaceholderText : QPalette::WindowText);
        result->setToolTip(stale ? tip : result->property("freshTip").toString());
    }
}

AnswerChoice ToolWindow::answerChoice() const
{
    return m_formatBar ? AnswerFormat::program().choice() : AnswerChoice{};
}

void ToolWindow::writeNumber(QLabel* output, const Real& value)
{
    const QString text = answerText(value, answerChoice());
    output->setText(text);
    if (m_formatBar)
        m_answers.insert(output, {value, text});
}

void ToolWindow::showWorking(const Working& working, const QString& heading)
{
    // "Reduction, Reduction": a panel and its button of the same name are named once.
    const QStringList names = heading.split(QStringLiteral(", "));
    const bool repeats = names.size() == 2 && names[0].simplified() == names[1].simplified();
    m_steps = m_readings + working;
    m_heading = repeats ? names[0] : heading;
    m_working->setWorking(withRounding(m_steps), m_heading);
}

void ToolWindow::rewriteAnswers()
{
    // Only the answers still on show: a caption or a cleared label is left as it stands.
    const AnswerChoice choice = answerChoice();
    for (auto it = m_answers.begin(); it != m_answers.end(); ++it) {
        if (it.key()->text() != it->text)
            continue;
        it->text = answerText(it->value, choice);
        it.key()->setText(it->text);
    }
    if (m_working->text().isEmpty())
        return;
    if (m_rework)
        if (const Working steps = m_rework(); !steps.isEmpty())
            m_steps = m_readings + steps;
    m_working->setWorking(withRounding(m_steps), m_heading);
}

// Rounded answers end their working with the rounding: "... = 78.5398163397448 ≈ 78.54".
Working ToolWindow::withRounding(Working steps) const
{
    const AnswerChoice choice = answerChoice();
    if (choice.style != AnswerStyle::Rounded || steps.isEmpty())
        return steps;
    QString& last = steps.last();
    for (auto it = m_answers.cbegin(); it != m_answers.cend(); ++it) {
        const QString decimal = QStringLiteral(" ") + numberText(it->value.value());
        QString typeset = decimal;
        typeset.replace(u'-', QChar(0x2212));
        if (it.key()->text() != it->text || !(last.endsWith(decimal) || last.endsWith(typeset)))
            continue;
        QString rounded = answerText(it->value, choice);
        if (last.endsWith(typeset) && typeset != decimal)
            rounded.replace(u'-', QChar(0x2212));
        last += QStringLiteral(" ≈ ") + rounded;
        break;
    }
    return steps;
}
