// The answer format beside Show Working: Decimal, Exact or Rounded to the places chosen, the
// answers on show rewritten as soon as the choice changes, in every open window at once, and
// the texts that are not numbers left as they stand.

#include "support/longest_tasks.h"
#include "support/recording_sink.h"
#include "support/rows.h"
#include "support/window_test.h"
#include "widgets/answer_format.h"

#include <QComboBox>
#include <QFile>
#include <QSpinBox>
#include <QStandardPaths>

#include <memory>

using WindowMaker = QWidget* (*)(MessageSink&);
Q_DECLARE_METATYPE(WindowMaker)

namespace {

// Chosen as the pupil chooses: the format first, then the places it keeps.
void choose(QWidget* window, AnswerChoice choice)
{
    auto* format = control<QComboBox>(window, "answerFormat");
    const char* names[] = {"Decimal", "Exact", "Rounded"};
    format->setCurrentIndex(format->findText(QLatin1String(names[int(choice.style)])));
    if (choice.style == AnswerStyle::Rounded)
        control<QSpinBox>(window, "decimalPlaces")->setValue(choice.places);
}

const AnswerChoice decimal{};
const AnswerChoice roundedTo2{AnswerStyle::Rounded, 2};
const AnswerChoice roundedTo0{AnswerStyle::Rounded, 0};
const AnswerChoice exact{AnswerStyle::Exact, 2};

} // namespace

class AnswerFormatWindowsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init()
    {
        sink.shown.clear();
        AnswerFormat::program().setChoice({});
    }
    void cleanupTestCase() { AnswerFormat::program().setChoice({}); }

    void answersFollowTheChoice_data();
    void answersFollowTheChoice();
    void textsThatAreNotNumbersStay_data();
    void textsThatAreNotNumbersStay();
    void workingEndsWithTheRounding_data();
    void workingEndsWithTheRounding();
    void workingInExact_data();
    void workingInExact();
    void everyOpenWindowFollows();
    void placesOnlyWithRounded();

private:
    RecordingSink sink;
};

void AnswerFormatWindowsTest::initTestCase()
{
    // The program's own settings file, in the test area rather than the user's, fresh.
    QStandardPaths::setTestModeEnabled(true);
    QFile::remove(AnswerFormat::programSettingsFile());
}

void AnswerFormatWindowsTest::answersFollowTheChoice_data()
{
    QTest::addColumn<WindowMaker>("make");
    QTest::addColumn<QStringList>("typed");
    QTest::addColumn<QString>("press");
    QTest::addColumn<QByteArray>("result");
    QTest::addColumn<QStringList>("shown"); // Decimal, Rounded to 2, Rounded to 0, Exact
    row("quadratic", &newWindow<QuadraticWindow>, QStringList{"a=-3", "b=6", "c=-2"}, "Command1",
        QByteArray("x2"), QStringList{"1.57735026918963", "1.58", "2", "(3 + √3)/3"});
    row("complex", &newWindow<ComplexWindow>, QStringList{"r1=-2", "i1=0", "op=/", "r2=3", "i2=0"},
        "Command1", QByteArray("o1"), QStringList{"-0.666666666666667", "-0.67", "-1", "-2/3"});
    row("statistics", &newWindow<StatisticsWindow>, QStringList{"n=1 2 4", "w=1 1 1"}, "Command1",
        QByteArray("sol"), QStringList{"2.33333333333333", "2.33", "2", "7/3"});
    row("progressions", &newWindow<ProgressionsWindow>, QStringList{"a1=0.5", "d=1", "n=3"},
        "Command1", QByteArray("ans1"), QStringList{"4.5", "4.50", "5", "9/2"});
    row("circle", &newWindow<CircleWindow>, QStringList{"r1=5"}, "Command1", QByteArray("o1"),
        QStringList{"78.5398163397447", "78.54", "79", "25π"});
    // The Real of 2.55 squared lies below 6.5025; its 15-digit text does not.
    row("quadrilateral", &newWindow<QuadrilateralWindow>, QStringList{"s1=2.55"}, "Command1",
        QByteArray("o1"), QStringList{"6.5025", "6.50", "7", "2601/400"});
    row("triangle area", &newWindow<TriangleAreaWindow>, QStringList{"b1=3", "h1=5"}, "Command1",
        QByteArray("o1"), QStringList{"7.5", "7.50", "8", "15/2"});
    row("law of cosines", &newWindow<CosinesWindow>, QStringList{"a1=2", "b1=3", "z1=60"},
        "Command1", QByteArray("c1"), QStringList{"2.64575131106459", "2.65", "3", "√7"});
    row("law of sines", &newWindow<SinesWindow>, QStringList{"x1=30", "z1=45", "b1=2"}, "Command1",
        QByteArray("a1"), QStringList{"3.86370330515628", "3.86", "4", "3.86370330515628"});
    row("word problems", &newWindow<WordProblemsWindow>, QStringList{"speed=3", "time=2.5"},
        "findDistance", QByteArray("motionAnswer"), QStringList{"7.5", "7.50", "8", "15/2"});
}

// Each format after a press, then each again without pressing.
void AnswerFormatWindowsTest::answersFollowTheChoice()
{
    QFETCH(WindowMaker, make);
    QFETCH(QStringList, typed);
    QFETCH(QString, press);
    QFETCH(QByteArray, result);
    QFETCH(QStringList, shown);
    const std::unique_ptr<QWidget> window(make(sink));
    window->show();
    const AnswerChoice choices[] = {decimal, roundedTo2, roundedTo0, exact};
    QStringList afterPress, afterChange;
    for (const AnswerChoice& choice : choices) {
        choose(window.get(), choice);
        typeAndPress(window.get(), typed, press);
        afterPress << textOf(window.get(), result);
    }
    for (const AnswerChoice& choice : {roundedTo2, exact, decimal, roundedTo0, decimal}) {
        choose(window.get(), choice);
        afterChange << textOf(window.get(), result);
    }
    QCOMPARE(afterPress, shown);
    QCOMPARE(afterChange, (QStringList{shown[1], shown[3], shown[0], shown[2], shown[0]}));
    QCOMPARE(sink.shown, QStringList{});
}

void AnswerFormatWindowsTest::textsThatAreNotNumbersStay_data()
{
    QTest::addColumn<WindowMaker>("make");
    QTest::addColumn<QStringList>("typed");
    QTest::addColumn<QStringList>("presses");
    QTest::addColumn<QByteArray>("result");
    QTest::addColumn<QString>("text");
    const auto complex = &newWindow<ComplexWindow>;
    row("no solution", &newWindow<QuadraticWindow>, QStringList{"a=1", "b=0", "c=1"},
        QStringList{"Command1"}, QByteArray("x1"), "No Solution");
    row("power of i", complex, QStringList{"p=7"}, QStringList{"Command2"}, QByteArray("o3"), "-i");
    row("polar form", complex, QStringList{"re3=3", "im3=4"}, QStringList{"Command3"},
        QByteArray("o4"), "Root(25)*Cos(53.13) + Root(25)*i*Sin(53.13)");
    row("cleared since", &newWindow<CosinesWindow>, QStringList{"a1=2", "b1=3", "z1=60"},
        QStringList{"Command1", "Command3"}, QByteArray("c1"), "");
    // Fractions keep their own form: that window offers no choice.
    row("common denominator", &newWindow<FractionOperatorsWindow>, QStringList{"a=4", "b=6"},
        QStringList{"Command2"}, QByteArray("c"), "12");
}

void AnswerFormatWindowsTest::textsThatAreNotNumbersStay()
{
    QFETCH(WindowMaker, make);
    QFETCH(QStringList, typed);
    QFETCH(QStringList, presses);
    QFETCH(QByteArray, result);
    QFETCH(QString, text);
    const std::unique_ptr<QWidget> window(make(sink));
    window->show();
    for (const QString& press : presses) {
        typeAndPress(window.get(), typed, press);
        typed.clear();
    }
    QCOMPARE(textOf(window.get(), result), text);
    for (const AnswerChoice& choice : {roundedTo2, roundedTo0, decimal}) {
        AnswerFormat::program().setChoice(choice);
        QCOMPARE(textOf(window.get(), result), text);
    }
    QCOMPARE(sink.shown, QStringList{});
}

void AnswerFormatWindowsTest::workingEndsWithTheRounding_data()
{
    QTest::addColumn<int>("places");
    QTest::addColumn<QString>("lastLine");
    row("decimal", -1, "Area = r × π × r = 5 × 3.14159265359 × 5 = 78.5398163397447");
    row("2 places", 2, "Area = r × π × r = 5 × 3.14159265359 × 5 = 78.5398163397447 ≈ 78.54");
    row("0 places", 0, "Area = r × π × r = 5 × 3.14159265359 × 5 = 78.5398163397447 ≈ 79");
}

// The same working whether the choice came before the press or after it.
void AnswerFormatWindowsTest::workingEndsWithTheRounding()
{
    QFETCH(int, places);
    QFETCH(QString, lastLine);
    const AnswerChoice choice = places < 0 ? decimal : AnswerChoice{AnswerStyle::Rounded, places};
    const std::unique_ptr<QWidget> window(newWindow<CircleWindow>(sink));
    window->show();
    click(window.get(), "showWorking");
    typeAndPress(window.get(), {"r1=5"}, "Command1");
    const QStringList decimalLines = workingText(window.get()).split(u'\n');
    choose(window.get(), choice);
    const QStringList changed = workingText(window.get()).split(u'\n');
    click(window.get(), "Command1");
    QCOMPARE(workingText(window.get()).split(u'\n'), changed);
    QCOMPARE(changed.last(), lastLine);
    QCOMPARE(changed.mid(0, changed.size() - 1), decimalLines.mid(0, decimalLines.size() - 1));
}

void AnswerFormatWindowsTest::workingInExact_data()
{
    QTest::addColumn<WindowMaker>("make");
    QTest::addColumn<QStringList>("typed");
    QTest::addColumn<QString>("press");
    QTest::addColumn<QStringList>("working");
    row("circle area", &newWindow<CircleWindow>, QStringList{"r1=5"}, "Command1",
        QStringList{"Area = r × π × r = 5 × π × 5 = 25π ≈ 78.5398163397447"});
    row("circle area from diameter", &newWindow<CircleWindow>, QStringList{"d1=3"}, "Command2",
        QStringList{"r = d ÷ 2 = 3 ÷ 2 = 1.5",
                    "Area = r × π × r = 1.5 × π × 1.5 = 9π/4 ≈ 7.06858347057703"});
    row("circle radius from perimeter", &newWindow<CircleWindow>, QStringList{"p1=10"}, "Command10",
        QStringList{"d = P ÷ π = 10 ÷ π = 10/π",
                    "r = d ÷ 2 = (10/π) ÷ 2 = 5/π ≈ 1.59154943091896"});
    row("square side", &newWindow<QuadrilateralWindow>, QStringList{"a1=8"}, "Command2",
        QStringList{"s = √A = √8 = 2√2 ≈ 2.82842712474619"});
    row("heron", &newWindow<TriangleAreaWindow>, QStringList{"a5=2", "b5=3", "c5=4"}, "Command11",
        QStringList{"s = (a + b + c) ÷ 2 = (2 + 3 + 4) ÷ 2 = 4.5",
                    "p = (s − a) × s × (s − b) × (s − c) = (4.5 − 2) × 4.5 × (4.5 − 3) × (4.5 − 4) "
                    "= 8.4375",
                    "Area = √p = √8.4375 = 3√15/4 ≈ 2.90473750965556"});
    row("distance", &newWindow<WordProblemsWindow>, QStringList{"speed=3", "time=2.5"},
        "findDistance", QStringList{"Distance = Speed × Time = 3 × 2.5 = 15/2 = 7.5"});
}

// The working written with exact values, after the press and after a change of format alike;
// back to Decimal, it is the decimal working again.
void AnswerFormatWindowsTest::workingInExact()
{
    QFETCH(WindowMaker, make);
    QFETCH(QStringList, typed);
    QFETCH(QString, press);
    QFETCH(QStringList, working);
    const std::unique_ptr<QWidget> window(make(sink));
    window->show();
    click(window.get(), "showWorking");
    typeAndPress(window.get(), typed, press);
    const QString decimalWorking = workingText(window.get());
    choose(window.get(), exact);
    const QStringList changed = workingText(window.get()).split(u'\n');
    QCOMPARE(changed.mid(changed.size() - working.size()), working);
    typeAndPress(window.get(), typed, press);
    QCOMPARE(workingText(window.get()).split(u'\n'), changed);
    choose(window.get(), decimal);
    QCOMPARE(workingText(window.get()), decimalWorking);
    QCOMPARE(sink.shown, QStringList{});
}

void AnswerFormatWindowsTest::everyOpenWindowFollows()
{
    const std::unique_ptr<QWidget> circle(newWindow<CircleWindow>(sink));
    const std::unique_ptr<QWidget> quadratic(newWindow<QuadraticWindow>(sink));
    circle->show();
    quadratic->show();
    typeAndPress(circle.get(), {"r1=5"}, "Command1");
    choose(quadratic.get(), roundedTo2);
    QCOMPARE(textOf(circle.get(), "o1"), QStringLiteral("78.54"));
    QCOMPARE(control<QComboBox>(circle.get(), "answerFormat")->currentText(),
             QStringLiteral("Rounded"));
    control<QSpinBox>(quadratic.get(), "decimalPlaces")->setValue(4);
    QCOMPARE(textOf(circle.get(), "o1"), QStringLiteral("78.5398"));
    QCOMPARE(control<QSpinBox>(circle.get(), "decimalPlaces")->value(), 4);
    QCOMPARE(AnswerFormat::program().choice(), (AnswerChoice{AnswerStyle::Rounded, 4}));
}

void AnswerFormatWindowsTest::placesOnlyWithRounded()
{
    const std::unique_ptr<QWidget> window(newWindow<CircleWindow>(sink));
    auto* places = control<QSpinBox>(window.get(), "decimalPlaces");
    QCOMPARE(control<QComboBox>(window.get(), "answerFormat")->currentText(),
             QStringLiteral("Decimal"));
    QCOMPARE(places->value(), 2);
    QCOMPARE(places->minimum(), 0);
    QCOMPARE(places->maximum(), 10);
    QVERIFY(!places->isEnabled());
    choose(window.get(), roundedTo0);
    QVERIFY(places->isEnabled());
    choose(window.get(), decimal);
    QVERIFY(!places->isEnabled());
    choose(window.get(), exact);
    QVERIFY(!places->isEnabled());
    QCOMPARE(control<QComboBox>(window.get(), "answerFormat")->count(), 3);
}

QTEST_MAIN(AnswerFormatWindowsTest)
#include "tst_answer_format_windows.moc"
