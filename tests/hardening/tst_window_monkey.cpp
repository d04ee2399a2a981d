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
    bool oneMessagePerClick; // guarded and self-resetting readers, the fraction windows
    KnownGood good;
};

QList<WindowCase> windowCases()
{
    return {
        {"Form2",
         [](MessageSink& sink) { return new Form2(sink); },
         true,
         {{{"a", "1"}, {"b", "-3"}, {"c", "2"}}, "Command1", {{"x1", "2"}, {"x2", "1"}}}},
        {"Form13",
         [](MessageSink& sink) { return new Form13(sink); },
         true,
         {{{"r1", "1"}, {"i1", "2"}, {"op", "*"}, {"r2", "3"}, {"i2", "4"}},
          "Command1",
          {{"o1", "-5"}, {"o2", "10"}}}},
        {"Form12",
         [](MessageSink& sink) { return new Form12(sink); },
         false,
         {{{"distance", "150"}, {"speed", "60"}}, "findTime", {{"motionAnswer", "2.5"}}}},
    };
}

// The most messages one press may show: one, or one per field of the button's panel.
int messageLimit(const WindowCase& windowCase, QPushButton* button)
{
    if (windowCase.oneMessagePerClick)
        return 1;
    const int fields = static_cast<int>(button->parentWidget()->findChildren<QLineEdit*>().size());
    return std::max(fields, 1);
}

} // namespace

class WindowMonkeyTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }
    void survivesHostileInput_data();
    void survivesHostileInput();
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
    const WindowCase windowCase = windowCases().at(index);
    RecordingSink sink;
    std::unique_ptr<QWidget> window(windowCase.make(sink));
    window->show();
    const QList<QLineEdit*> fields = window->findChildren<QLineEdit*>();
    QList<QPushButton*> buttons = window->findChildren<QPushButton*>();
    buttons.removeIf([](QPushButton* button) { return button->isCheckable(); });
    QVERIFY(!fields.isEmpty() && !buttons.isEmpty());

    QRandomGenerator random(20261208u + static_cast<quint32>(index));
    const auto pick = [&] {
        // Now and then an operator or a random piece of the corpus glued to another.
        const QString text = hostile.at(random.bounded(hostile.size()));
        return random.bounded(8) == 0 ? text + hostile.at(random.bounded(hostile.size())) : text;
    };
    // What each field held before the press: a change is the window's own writing.
    QHash<QLineEdit*, QString> before;
    for (int click = 0; click < 5000; ++click) {
        for (QLineEdit* field : fields) {
            if (random.bounded(3) == 0 || click == 0)
                field->setText(pick());
            before[field] = field->text();
        }
        QPushButton* button = buttons.at(random.bounded(buttons.size()));
        sink.shown.clear();
        button->click();

        QVERIFY2(sink.shown.size() <= messageLimit(windowCase, button),
                 qPrintable(button->objectName() + ": " + sink.shown.join(" | ")));
        for (QLabel* label : window->findChildren<QLabel*>())
            QVERIFY2(isCleanText(label->text()),
                     qPrintable(label->objectName() + ": " + label->text()));
        for (QLineEdit* field : fields)
            if (field->text() != before.value(field))
                QVERIFY2(isCleanText(field->text()),
                         qPrintable(field->objectName() + ": " + field->text()));
    }

    sink.shown.clear();
    for (const auto& [name, text] : windowCase.good.fields)
        control<QLineEdit>(window.get(), name)->setText(text);
    click(window.get(), windowCase.good.button);
    QCOMPARE(sink.shown, QStringList{});
    for (const auto& [name, text] : windowCase.good.outputs)
        QCOMPARE(textOf(window.get(), name), text);
}

QTEST_MAIN(WindowMonkeyTest)
#include "tst_window_monkey.moc"
