// Hostile text in every field and every button pressed, thousands of times per window: no
// window may end, hang, show inf, nan or -0, show more messages than its reader allows, or be
// left unable to give a known good answer afterwards.

#include "algebra/complex_window.h"
#include "algebra/quadratic_window.h"
#include "fractions/fraction_conversion_window.h"
#include "fractions/fraction_operators_window.h"
#include "geometry/circle_window.h"
#include "geometry/cosines_window.h"
#include "geometry/quadrilateral_window.h"
#include "geometry/sines_window.h"
#include "geometry/triangle_area_window.h"
#include "input/field_reader.h"
#include "problems/word_problems_window.h"
#include "statistics/progressions_window.h"
#include "statistics/statistics_window.h"
#include "support/clean_text.h"
#include "support/recording_sink.h"
#include "support/window_test.h"

#include <QLocale>
#include <QRandomGenerator>

#include <functional>
#include <memory>

namespace {

const QStringList hostile = {
    "",
    " ",
    "   ",
    "1/0",
    "0/0",
    "1/2/0",
    "1e308",
    "-1e308",
    "1e-320",
    "4.9e-324",
    "2147483647",
    "2147483648",
    "-2147483649",
    "1/2/3/4",
    "/",
    "+",
    "-",
    "e5",
    "1e",
    "0x10",
    "inf",
    "nan",
    "1,5",
    "1.5.5",
    QString::fromUtf8("\u0663\u0664"),
    QString::fromUtf8("\uff13"),
    QString::fromUtf8("\U0001F600"),
    QString::fromUtf8("\u200f5"),
    QString(10000, u'9'),
    "0",
    "-0",
    "1",
    "-1",
    "2",
    "0.5",
    "7/4",
    "1/3/4",
    "-1/1/2",
    "3",
    "100",
    "1e154",
    "-5",
    "90",
    "180",
    "45",
    "1e-300",
    "*",
    "<",
    "=",
    ">",
    "x",
};

// One good exercise: what to type, which button, and what the outputs must then show.
struct KnownGood {
    QList<std::pair<const char*, QString>> fields;
    const char* button;
    QList<std::pair<const char*, QString>> outputs;
};

struct WindowCase {
    const char* name;
    std::function<QWidget*(MessageSink&)> make;
    // The most messages one press may show: one for a reader that stops at the first refusal,
    // one per field read for one that reads on; buttons that read more or fewer fields, and
    // Clear buttons that show none, are named.
    int messagesPerPress;
    QList<std::pair<const char*, int>> otherLimits;
    // Buttons whose press may end with neither an answer nor a message.
    QStringList mayAnswerNothing;
    KnownGood good;
    // A reader that reads on past a refusal; null where a press shows one message at most.
    const ReaderBehaviour* readsOn = nullptr;
    const char* operatorField = nullptr; // a field that takes + - * / < > =
};

template <class Window> std::function<QWidget*(MessageSink&)> maker()
{
    return [](MessageSink& sink) {
        return new Window(sink);
    };
}

QList<WindowCase> windowCases()
{
    // clang-format off
    return {
        {"Form2", maker<QuadraticWindow>(), 1, {}, {},
         {{{"a", "1"}, {"b", "-3"}, {"c", "2"}}, "Command1", {{"x1", "2"}, {"x2", "1"}}}},
        {"Form13", maker<ComplexWindow>(), 1, {}, {},
         {{{"r1", "1"}, {"i1", "2"}, {"op", "*"}, {"r2", "3"}, {"i2", "4"}}, "Command1",
          {{"o1", "-5"}, {"o2", "10"}}}, nullptr, "op"},
        // A whole part that is no number is reset to 0 without a word.
        {"Form3", maker<FractionConversionWindow>(), 1, {}, {"Command3"},
         {{{"in2m", "7"}, {"in2d", "4"}}, "Command2",
          {{"sol2s", "1"}, {"sol2m", "3"}, {"sol2d", "4"}}}},
        {"Form4", maker<FractionOperatorsWindow>(), 1, {}, {},
         {{{"s1", "0"}, {"m1", "1"}, {"d1", "4"}, {"op", "+"}, {"s2", "0"}, {"m2", "1"},
           {"d2", "6"}}, "Command1", {{"s3", "0"}, {"m3", "5"}, {"d3", "12"}}}, nullptr, "op"},
        {"Form5", maker<StatisticsWindow>(), 1, {}, {},
         {{{"n", "1 2 3"}, {"w", "1 2 1"}}, "Command3", {{"sol", "0.5"}}}},
        {"Form6", maker<ProgressionsWindow>(), 3, {{"command22", 2}}, {},
         {{{"a1", "1"}, {"d", "1"}, {"n", "10"}}, "Command1", {{"ans1", "55"}}}, &behaviours::plain},
        {"Form7", maker<CircleWindow>(), 1, {}, {},
         {{{"d1", "2"}}, "Command4", {{"o2", "6.28318530717958"}}}, &behaviours::positive},
        {"Form8", maker<QuadrilateralWindow>(), 2,
         {{"Command1", 1}, {"Command3", 1}, {"Command2", 1}, {"Command4", 1}, {"Command7", 1},
          {"Command9", 1}, {"Command13", 3}}, {},
         {{{"a2", "3"}, {"b2", "5"}, {"h2", "2"}}, "Command13", {{"o4", "8"}}}, &behaviours::positive},
        {"Form9", maker<TriangleAreaWindow>(), 2, {{"Command9", 3}, {"Command11", 3}}, {},
         {{{"a5", "3"}, {"b5", "4"}, {"c5", "5"}}, "Command11", {{"o5", "6"}}}, &behaviours::positive},
        {"Form10", maker<CosinesWindow>(), 1,
         {{"Command3", 0}, {"Command4", 0}, {"Command6", 0}, {"Command5", 0}},
         {"Command3", "Command4", "Command6", "Command5"},
         {{{"a1", "3"}, {"z1", "90"}, {"b1", "4"}}, "Command1", {{"c1", "5"}}}},
        {"Form11", maker<SinesWindow>(), 1,
         {{"Command3", 0}, {"Command4", 0}, {"Command8", 0}, {"Command5", 0}},
         {"Command3", "Command4", "Command8", "Command5"},
         {{{"x1", "30"}, {"z1", "90"}, {"b1", "2"}}, "Command1", {{"y1", "60"}}}},
        {"Form12", maker<WordProblemsWindow>(), 2, {{"meetTime", 3}, {"catchUpTime", 3}}, {},
         {{{"distance", "150"}, {"speed", "60"}}, "findTime", {{"motionAnswer", "2.5"}}}, &behaviours::positiveEchoing},
    };
    // clang-format on
}

int messageLimit(const WindowCase& windowCase, const QPushButton* button)
{
    for (const auto& [name, limit] : windowCase.otherLimits)
        if (button->objectName() == QLatin1String(name))
            return limit;
    return windowCase.messagesPerPress;
}

// The answers a press may have written: every selectable label but the working.
QList<QLabel*> answerLabels(QWidget* window)
{
    QList<QLabel*> labels = window->findChildren<QLabel*>();
    labels.removeIf([](const QLabel* label) {
        return !(label->textInteractionFlags() & Qt::TextSelectableByMouse) ||
               label->objectName() == QLatin1String("working");
    });
    return labels;
}

// A press that shows no message answers: its working is whole, and its last line ends with
// an answer on show, so a value that came out not finite (shown empty) cannot pass unseen.
QString unanswered(QWidget* window, const QString& working, bool mayAnswerNothing)
{
    if (working.isEmpty())
        return mayAnswerNothing ? QString() : QStringLiteral("neither answer nor message");
    const QStringList lines = working.split(u'\n');
    for (const QString& line : lines)
        if (missesANumber(line))
            return QStringLiteral("a number missing in: ") + line;
    for (const QLabel* label : answerLabels(window))
        if (!label->text().isEmpty() && lines.last().endsWith(label->text()))
            return {};
    return QStringLiteral("no answer on show ends the working: ") + lines.last();
}

} // namespace

class WindowMonkeyTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }
    void survivesHostileInput_data();
    void survivesHostileInput();

private:
    void pressAtRandom(quint32 seed);
    void sweepEveryField();
    void sweepKnownGood();
    void press(QPushButton* button);
    void checkMessages(const QPushButton* button, const QStringList& refusals);
    void checkKnownGood();

    RecordingSink sink;
    const WindowCase* windowCase = nullptr;
    QWidget* window = nullptr;
    QList<QLineEdit*> fields;
    QList<QPushButton*> buttons;
    QHash<QString, int> mostShown; // per button: the most messages one press showed
};

void WindowMonkeyTest::survivesHostileInput_data()
{
    QTest::addColumn<int>("index");
    const QList<WindowCase> cases = windowCases();
    for (int k = 0; k < cases.size(); ++k)
        QTest::newRow(cases[k].name) << k;
}

void WindowMonkeyTest::survivesHostileInput()
{
    QFETCH(int, index);
    const WindowCase row = windowCases().at(index);
    windowCase = &row;
    std::unique_ptr<QWidget> made(row.make(sink));
    window = made.get();
    window->show();
    fields = window->findChildren<QLineEdit*>();
    buttons = window->findChildren<QPushButton*>();
    buttons.removeIf([](QPushButton* button) { return button->isCheckable(); });
    QVERIFY(!fields.isEmpty() && !buttons.isEmpty());
    for (const auto& [name, limit] : row.otherLimits)
        QVERIFY2(window->findChild<QPushButton*>(QLatin1String(name)), name);

    mostShown.clear();
    for (const auto& stage : {std::function<void()>([&] { pressAtRandom(20261208u + index); }),
                              std::function<void()>([&] { sweepEveryField(); }),
                              std::function<void()>([&] { sweepKnownGood(); })}) {
        stage();
        if (QTest::currentTestFailed())
            return;
    }
    // Each limit is exact: some press of every button showed as many messages as it allows
    // (-1: never pressed).
    for (const QPushButton* button : std::as_const(buttons)) {
        const int most = mostShown.value(button->objectName(), -1);
        QVERIFY2(most == messageLimit(row, button),
                 qPrintable(button->objectName() + QStringLiteral(": most shown %1").arg(most)));
    }
    checkKnownGood();
}

// 5,000 presses of random buttons, a third of the fields retyped before each.
void WindowMonkeyTest::pressAtRandom(quint32 seed)
{
    QRandomGenerator random(seed);
    const auto pick = [&] {
        // Now and then a random piece of the corpus glued to another.
        const QString text = hostile.at(random.bounded(hostile.size()));
        return random.bounded(8) == 0 ? text + hostile.at(random.bounded(hostile.size())) : text;
    };
    for (int click = 0; click < 5000 && !QTest::currentTestFailed(); ++click) {
        for (QLineEdit* field : std::as_const(fields))
            if (random.bounded(3) == 0 || click == 0)
                field->setText(pick());
        press(buttons.at(random.bounded(buttons.size())));
    }
}

// Every text of the corpus in every field at once, so equal inputs and two huge ones meet, with
// each operator in turn where the window has an operator field; every button pressed.
void WindowMonkeyTest::sweepEveryField()
{
    const QStringList operators = {"+", "-", "*", "/", "<", ">", "="};
    const int rounds = windowCase->operatorField ? int(operators.size()) : 1;
    for (const QString& text : hostile) {
        for (int round = 0; round < rounds; ++round) {
            for (QPushButton* button : std::as_const(buttons)) {
                for (QLineEdit* field : std::as_const(fields))
                    field->setText(text);
                if (windowCase->operatorField)
                    control<QLineEdit>(window, windowCase->operatorField)
                        ->setText(operators.at(round));
                press(button);
                if (QTest::currentTestFailed())
                    return;
            }
        }
    }
}

// The known good exercise with one of its fields replaced by each text of the corpus.
void WindowMonkeyTest::sweepKnownGood()
{
    for (const auto& [replaced, goodText] : windowCase->good.fields) {
        for (const QString& text : hostile) {
            for (const auto& [name, good] : windowCase->good.fields)
                control<QLineEdit>(window, name)->setText(name == replaced ? text : good);
            press(control<QPushButton>(window, windowCase->good.button));
            if (QTest::currentTestFailed())
                return;
        }
    }
}

void WindowMonkeyTest::press(QPushButton* button)
{
    // What each field held before the press: a change is the window's own writing.
    QHash<QLineEdit*, QString> before;
    for (QLineEdit* field : std::as_const(fields))
        before[field] = field->text();
    // What the reader would refuse in the fields beside the button, read before it rewrites them.
    QStringList refusals;
    if (windowCase->readsOn)
        for (const QLineEdit* field : button->parentWidget()->findChildren<QLineEdit*>())
            refusals << parseField(field->text(), *windowCase->readsOn).message;
    sink.shown.clear();
    button->click();

    const QString name = button->objectName();
    checkMessages(button, refusals);
    for (QLabel* label : window->findChildren<QLabel*>())
        QVERIFY2(isCleanText(label->text()),
                 qPrintable(name + ", " + label->objectName() + ": " + label->text()));
    for (QLineEdit* field : std::as_const(fields))
        if (field->text() != before.value(field))
            QVERIFY2(isCleanText(field->text()),
                     qPrintable(name + ", " + field->objectName() + ": " + field->text()));
    if (sink.shown.isEmpty()) {
        const QString fault = unanswered(window, textOf(window, "working"),
                                         windowCase->mayAnswerNothing.contains(name));
        QVERIFY2(fault.isEmpty(), qPrintable(name + ": " + fault));
    }
}

// No more messages than the button allows; where one press shows several, each is the
// refusal of a field beside the button, and none shows more often than those fields give it.
void WindowMonkeyTest::checkMessages(const QPushButton* button, const QStringList& refusals)
{
    const QString name = button->objectName();
    const QString shown = name + ": " + sink.shown.join(" | ");
    mostShown[name] = std::max(mostShown.value(name), int(sink.shown.size()));
    QVERIFY2(sink.shown.size() <= messageLimit(*windowCase, button), qPrintable(shown));
    if (sink.shown.size() < 2)
        return;
    for (const QString& message : std::as_const(sink.shown))
        QVERIFY2(sink.shown.count(message) <= refusals.count(message), qPrintable(shown));
}

void WindowMonkeyTest::checkKnownGood()
{
    sink.shown.clear();
    for (const auto& [name, text] : windowCase->good.fields)
        control<QLineEdit>(window, name)->setText(text);
    click(window, windowCase->good.button);
    QCOMPARE(sink.shown, QStringList{});
    for (const auto& [name, text] : windowCase->good.outputs)
        QCOMPARE(textOf(window, name), text);
}

QTEST_MAIN(WindowMonkeyTest)
#include "tst_window_monkey.moc"
