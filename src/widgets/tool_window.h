#pragma once

#include "input/answer_text.h"
#include "input/field_reader.h"
#include "input/message_sink.h"
#include "input/outcome.h"

#include <QHash>
#include <QList>
#include <QStringView>
#include <QWidget>

#include <concepts>
#include <functional>
#include <optional>
#include <variant>

class QLabel;
class QLineEdit;
class AnswerFormatBar;
class QPushButton;
class WorkingPanel;

// One tool of a window as the frame sees it: the fields its buttons read, in the order Tab
// walks them, its buttons and the results they write. Return in a field presses the first
// button, or the one pressed last where the panel's buttons share their fields.
struct PanelParts {
    QList<QLineEdit*> fields{};
    QList<QPushButton*> buttons{};
    QList<QLabel*> results{};
    bool returnRepeatsLast = false;
};

// How a click reads its fields: whether the first refusal ends the reading, and whether each
// field is shown back as the number it was read as (counting then with that number as shown).
struct ReadRules {
    bool stopAtRefusal = false;
    bool showAsRead = false;
};

// Whether a window offers the program's answer format beside Show Working: the windows whose
// answers are real numbers do; answers that are fractions keep their own form.
enum class AnswerFormats { Fixed, Offered };

// What every tool window is built on: its object name and title, a window of its own that
// is discarded when closed, the reader its fields go through, the sink its messages go to,
// the working panel under its results, and one click path for every button.
class ToolWindow : public QWidget {
    Q_OBJECT

protected:
    ToolWindow(const char* name, const QString& title, const ReaderBehaviour& behaviour,
               MessageSink& sink, QWidget* parent);

    // The window's title over its panels: the one font and place every window shares.
    QLabel* makeTitle(const char* name, const QString& text);

    // Made where the window wants it in its layout, so Tab reaches Show Working last, then the
    // answer format where the window offers it.
    WorkingPanel* addWorkingPanel(AnswerFormats formats = AnswerFormats::Fixed);

    // Tab walks the panels in the order they were added, each one's fields then its buttons,
    // then Show Working and the answer format.
    void addPanel(const PanelParts& panel);
    void chainPanels();

    // The click path: its results and the working emptied, the reading begun; then the
    // fields read (nothing when one was refused); then the task's outcome written or refused.
    void beginClick(const QList<QLabel*>& results = {});
    std::optional<QList<double>> readFields(const QList<QLineEdit*>& fields, ReadRules rules = {});
    // The same, each number with the exact value it was typed as: 2.5 is 5/2, 1/3 is 1/3. A
    // field shown as read keeps the value typed for as long as it shows that text.
    std::optional<QList<Real>> readReals(const QList<QLineEdit*>& fields, ReadRules rules = {});
    // A field's number; the first field of a click that is refused takes the focus, its text
    // selected, so the pupil can retype at once. A window that reads part of a field's text
    // names the field it came from.
    double eval(QLineEdit* field);
    double eval(QStringView text, QLineEdit* from);
    // Gives the refused field the focus, its text selected; the first of a click wins.
    void focusRefused(QLineEdit* field);
    // Shows a field as the number it was read as, the refused one still selected.
    void showAsRead(QLineEdit* field, double value);

    template <class Values, class Refusal, class Write>
    void deliver(const Outcome<Values, Refusal>& outcome, const QString& heading, Write&& write)
    {
        deliver(outcome, heading, write, [this](Message message) { m_sink.show(message); });
    }

    template <class Values, class Refusal, class Write, class Refuse>
    void deliver(const Outcome<Values, Refusal>& outcome, const QString& heading, Write&& write,
                 Refuse&& refuse)
    {
        if (const auto* solved = std::get_if<Solved<Values>>(&outcome)) {
            write(solved->values);
            showWorking(solved->working, heading);
            markStale(m_pressed, false);
        } else {
            refuse(std::get<Refusal>(outcome));
        }
    }

    // The same for a task given as the call that solves it, its inputs held by value: it
    // runs in the working style of the answer format, and runs again when the format
    // changes, so the working on show is always written as the answers are.
    template <std::invocable Solve, class Write, class... Refuse>
    void deliver(Solve solve, const QString& heading, Write&& write, Refuse&&... refuse)
    {
        const auto outcome = solveInStyle(solve, answerChoice());
        deliver(outcome, heading, write, refuse...);
        m_rework = [this, solve] {
            const auto again = solveInStyle(solve, answerChoice());
            using Values = decltype(values(again));
            const auto* solved = std::get_if<Solved<Values>>(&again);
            return solved ? solved->working : Working{};
        };
    }

    // The whole path of a task that answers one number into one result.
    template <class Task>
    void answer(const QList<QLineEdit*>& fields, QLabel* output, const QString& heading,
                Task&& task)
    {
        beginClick({output});
        if (const std::optional<QList<Real>> numbers = readReals(fields))
            deliver([task, numbers = *numbers] { return task(numbers); }, heading,
                    [this, output](const Real& value) { writeNumber(output, value); });
    }

    // Every real answer goes through here, so a new answer format rewrites it where it stands.
    void writeNumber(QLabel* output, const Real& value);
    void writeNumber(QLabel* output, double value) { writeNumber(output, Real::inexact(value)); }
    void showWorking(const Working& working, const QString& heading);

    FieldReader m_reader;
    MessageSink& m_sink;
    WorkingPanel* m_working = nullptr;

private:
    template <class Values, class Refusal> static Values values(const Outcome<Values, Refusal>&);

    template <class Solve> static auto solveInStyle(const Solve& solve, AnswerChoice choice)
    {
        const WorkingStyleScope scope(choice.style == AnswerStyle::Exact ? WorkingStyle::Exact
                                                                         : WorkingStyle::Decimal);
        return solve();
    }

    struct ShownAnswer {
        Real value;
        QString text; // as written; a label showing anything else has been written over since
    };

    std::optional<mpq_class> typedExactly(QLineEdit* field) const;
    AnswerChoice answerChoice() const;
    void rewriteAnswers();
    Working withRounding(Working steps) const;

    // Results that no longer answer the fields beside them are drawn greyed, their text kept,
    // with a tip naming the button to press again; the panel's next answer clears it.
    void markStale(qsizetype panel, bool stale);
    void watchForEdits(qsizetype panel);

    QList<PanelParts> m_panelParts;
    QList<QPushButton*> m_askedBy; // by panel: the button whose answer is on show
    qsizetype m_pressed = -1;      // the panel whose button began the click
    QPushButton* m_pressedButton = nullptr;
    QLineEdit* m_refused = nullptr;
    Working m_readings; // how this click's fractions and mixed numbers were read
    AnswerFormatBar* m_formatBar = nullptr;
    QHash<QLabel*, ShownAnswer> m_answers;
    struct TypedValue {
        QString shown; // the number text the field was rewritten to
        std::optional<mpq_class> exact;
    };
    QHash<QLineEdit*, TypedValue> m_typed;
    Working m_steps;                   // the working on show, before any rounding is added
    std::function<Working()> m_rework; // the working on show, written again
    QString m_heading;
};
