#include "algebra/complex_window.h"

#include "support/exact_answers.h"
#include "support/rows.h"
#include "support/window_fixture.h"
#include "support/window_test.h"

#include <QLocale>
#include <QStandardPaths>

namespace {

const QString tooBig = QStringLiteral("The Number Is Too Big!!!");
const QString mustEnter = QStringLiteral("Must enter a numeric value");
const QString divisorZero = QStringLiteral("Complex Number two csn't be zero!!!.");
const QString setOperation = QStringLiteral("Please Set the operation [+ - * / < > =]!!!.");

QString polar(const char* q, const char* a)
{
    return QStringLiteral("Root(%1)*Cos(%2) + Root(%1)*i*Sin(%2)")
        .arg(QLatin1String(q), QLatin1String(a));
}

} // namespace

class ComplexWindowTest : public WindowFixture<ComplexWindow> {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QLocale::setDefault(QLocale::c());
        QStandardPaths::setTestModeEnabled(true);
    }
    void init() { openWindow(); }
    void cleanup() { closeWindow(); }

    void showsItsTexts();
    void exponentIsRaisedBesideTheI();
    void operations_data();
    void operations();
    void power_data();
    void power();
    void polarForm_data();
    void polarForm();
    void refusalEmptiesOnlyItsOwnTool();
    void returnInAFieldClicksItsButton();
    void germanLocaleUsesDecimalComma();
    void workingIsHeadedByTheLastTool();
    void eachToolReadsOnlyItsOwnFields();
    void exactAnswers_data();
    void exactAnswers();

private:
    void operate(const QStringList& fields) // r1, i1, op, r2, i2
    {
        const char* names[] = {"r1", "i1", "op", "r2", "i2"};
        for (int k = 0; k < 5; ++k)
            typeInto(window, names[k], fields[k]);
        click(window, "Command1");
    }
    void toPolar(const QString& re, const QString& im)
    {
        typeInto(window, "re3", re);
        typeInto(window, "im3", im);
        click(window, "Command3");
    }
};

void ComplexWindowTest::showsItsTexts()
{
    QCOMPARE(window->windowTitle(), "Complex Numbers");
    QVERIFY(window->testAttribute(Qt::WA_DeleteOnClose));
    const std::pair<const char*, QString> texts[] = {
        {"Label17", "Operations [ + - * / ] On Complex Numbers"},
        {"Label9", "R"},
        {"Label10", "Im"},
        {"Label5", ","},
        {"Label13", "Operation"},
        {"Label16", "[ + , - , * , / ]"},
        {"Label11", "R"},
        {"Label12", "Im"},
        {"Label6", ","},
        {"Label14", "R"},
        {"Label15", "Im"},
        {"Label7", ","},
        {"Label8", "Example:  3-2*i  +  6+4*i  => <3,-2>+<6,4> = <9,2> = 9+2*i"},
        {"Label18", "Solving I power N"},
        {"Label2", "i"},
        {"Label19", "Polar Representation"},
        {"Label3", "R"},
        {"fdf", "Im"},
        {"Label4", ","},
        {"Label21", "Example: 1+i => <1,1>   Is :   Root(2)*cos(45) + Root(2)*i*sin (45)"},
    };
    for (const auto& [name, text] : texts)
        QCOMPARE(textOf(window, name), text);
    const std::pair<const char*, QString> buttons[] = {
        {"Command1", "Solve"}, {"Command2", "Solve"}, {"Command3", "To Polar"}};
    for (const auto& [name, caption] : buttons)
        QCOMPARE(control<QPushButton>(window, name)->text(), caption);
    for (const char* name : {"r1", "i1", "op", "r2", "i2", "p", "re3", "im3"}) {
        QCOMPARE(textOf(window, name), "");
        QVERIFY2(!control<QLineEdit>(window, name)->accessibleName().isEmpty(), name);
    }
    for (const char* name : {"o1", "o2", "o3", "o4"}) {
        auto* output = control<QLabel>(window, name);
        QCOMPARE(output->text(), "");
        QVERIFY2(output->textInteractionFlags() & Qt::TextSelectableByMouse, name);
        QVERIFY2(!output->accessibleName().isEmpty(), name);
    }
    QCOMPARE(control<QLineEdit>(window, "r1")->accessibleName(), "First number, real part");
    control<QFrame>(window, "Line13");
    control<QFrame>(window, "Line14");
}

void ComplexWindowTest::exponentIsRaisedBesideTheI()
{
    QVERIFY(QTest::qWaitForWindowExposed(window));
    const QRect i = control<QLabel>(window, "Label2")->geometry();
    const QRect p = control<QLineEdit>(window, "p")->geometry();
    QVERIFY(p.left() >= i.right());
    QVERIFY(p.bottom() < i.bottom());
    QVERIFY(p.top() < i.top() + i.height() / 2);
}

void ComplexWindowTest::operations_data()
{
    QTest::addColumn<QStringList>("fields"); // r1, i1, op, r2, i2 as typed
    QTest::addColumn<QString>("o1");
    QTest::addColumn<QString>("o2");
    QTest::addColumn<QStringList>("messages");
    const QStringList none;
    QTest::newRow("the example adds to <9,2>") << QStringList{"3", "-2", "+", "6", "4"} << "9"
                                               << "2" << none;
    QTest::newRow("subtract") << QStringList{"3", "-2", "-", "6", "4"} << "-3"
                              << "-6" << none;
    QTest::newRow("multiply") << QStringList{"1", "2", "*", "3", "4"} << "-5"
                              << "10" << none;
    QTest::newRow("divide") << QStringList{"1", "2", "/", "3", "4"} << "0.44"
                            << "0.08" << none;
    QTest::newRow("divide by <0,5>") << QStringList{"1", "2", "/", "0", "5"} << "0.4"
                                     << "-0.2" << none;
    QTest::newRow("fractions and mixed numbers")
        << QStringList{"1/2", "1/1/2", "+", "-3/4", "2"} << "-0.25"
        << "3.5" << none;
    QTest::newRow("divide by <0,0>") << QStringList{"1", "2", "/", "0", "0/3"} << ""
                                     << "" << QStringList{divisorZero};
    QTest::newRow("operation with a leading blank") << QStringList{"1", "2", " +", "3", "4"} << ""
                                                    << "" << QStringList{setOperation};
    QTest::newRow("x for times") << QStringList{"1", "2", "x", "3", "4"} << ""
                                 << "" << QStringList{setOperation};
    QTest::newRow("no operation") << QStringList{"1", "2", "", "3", "4"} << ""
                                  << "" << QStringList{setOperation};
    QTest::newRow("product too big") << QStringList{"1e200", "0", "*", "1e200", "0"} << ""
                                     << "" << QStringList{tooBig};
    QTest::newRow("bad r1 only, nothing else said")
        << QStringList{"x", "y", "?", "z", "w"} << ""
        << "" << QStringList{"x Is not a numeric value"};
    QTest::newRow("empty r2 comes before bad i1") << QStringList{"1", "x", "+", "", "y"} << ""
                                                  << "" << QStringList{mustEnter};
    QTest::newRow("bad i1 comes before bad i2") << QStringList{"1", "a", "+", "2", "b"} << ""
                                                << "" << QStringList{"a Is not a numeric value"};
    QTest::newRow("bad i2") << QStringList{"1", "2", "+", "3", "4/"} << ""
                            << "" << QStringList{" Is not a numeric value"};
    QTest::newRow("zero denominator") << QStringList{"1", "2", "+", "1/0", "4"} << ""
                                      << "" << QStringList{"Denominator Cant Be Zero!!!"};
    QTest::newRow("fields read before the operation")
        << QStringList{"1", "2", "x", "3", "?"} << ""
        << "" << QStringList{"? Is not a numeric value"};
}

void ComplexWindowTest::operations()
{
    QFETCH(QStringList, fields);
    QFETCH(QString, o1);
    QFETCH(QString, o2);
    QFETCH(QStringList, messages);
    operate({"1", "1", "+", "1", "1"}); // an earlier answer that must not linger
    QCOMPARE(textOf(window, "o1"), "2");
    operate(fields);
    QCOMPARE(textOf(window, "o1"), o1);
    QCOMPARE(textOf(window, "o2"), o2);
    QCOMPARE(sink.shown, messages);
    const char* names[] = {"r1", "i1", "op", "r2", "i2"};
    for (int k = 0; k < 5; ++k)
        QCOMPARE(textOf(window, names[k]), fields[k]); // never rewritten
}

void ComplexWindowTest::power_data()
{
    QTest::addColumn<QString>("n");
    QTest::addColumn<QString>("o3");
    QTest::addColumn<QStringList>("messages");
    const QStringList none;
    QTest::newRow("7") << "7"
                       << "-i" << none;
    QTest::newRow("2.5 rounds to even 2") << "2.5"
                                          << "-1" << none;
    QTest::newRow("1/2 rounds to even 0") << "1/2"
                                          << "1" << none;
    QTest::newRow("mixed number 1/1/2 rounds to 2") << "1/1/2"
                                                    << "-1" << none;
    QTest::newRow("smallest 32-bit") << "-2147483648"
                                     << "1" << none;
    QTest::newRow("beyond 32 bits") << "1e10"
                                    << "" << QStringList{tooBig};
    QTest::newRow("2^31") << "2147483648"
                          << "" << QStringList{tooBig};
    QTest::newRow("empty") << ""
                           << "" << QStringList{mustEnter};
    QTest::newRow("not a number") << "n"
                                  << "" << QStringList{"n Is not a numeric value"};
}

void ComplexWindowTest::power()
{
    QFETCH(QString, n);
    QFETCH(QString, o3);
    QFETCH(QStringList, messages);
    typeInto(window, "p", "1");
    click(window, "Command2");
    typeInto(window, "p", n);
    click(window, "Command2");
    QCOMPARE(textOf(window, "o3"), o3);
    QCOMPARE(sink.shown, messages);
    QCOMPARE(textOf(window, "p"), n);
}

void ComplexWindowTest::polarForm_data()
{
    QTest::addColumn<QString>("re");
    QTest::addColumn<QString>("im");
    QTest::addColumn<QString>("o4");
    QTest::addColumn<QStringList>("messages");
    const QStringList none;
    QTest::newRow("3+4i") << "3"
                          << "4" << polar("25", "53.13") << none;
    QTest::newRow("the example 1+i") << "1"
                                     << "1" << polar("2", "45") << none;
    QTest::newRow("2+i") << "2"
                         << "1" << polar("5", "26.57") << none;
    QTest::newRow("x negative") << "-1"
                                << "1" << polar("2", "135") << none;
    QTest::newRow("x zero") << "0"
                            << "2" << polar("4", "90") << none;
    QTest::newRow("negative real, -0 imaginary") << "-1"
                                                 << "-0" << polar("1", "180") << none;
    QTest::newRow("zero") << "0"
                          << "0" << polar("0", "0") << none;
    QTest::newRow("fractions") << "1/2"
                               << "-1/1/2" << polar("0.5", "-45") << none;
    QTest::newRow("too big") << "1e200"
                             << "1"
                             << "" << QStringList{tooBig};
    QTest::newRow("bad re3, im3 not read") << "r"
                                           << ""
                                           << "" << QStringList{"r Is not a numeric value"};
    QTest::newRow("bad im3") << "1"
                             << "1/2/3/4"
                             << "" << QStringList{mustEnter};
}

void ComplexWindowTest::polarForm()
{
    QFETCH(QString, re);
    QFETCH(QString, im);
    QFETCH(QString, o4);
    QFETCH(QStringList, messages);
    toPolar("1", "1");
    toPolar(re, im);
    QCOMPARE(textOf(window, "o4"), o4);
    QCOMPARE(sink.shown, messages);
    QCOMPARE(textOf(window, "re3"), re);
    QCOMPARE(textOf(window, "im3"), im);
}

void ComplexWindowTest::refusalEmptiesOnlyItsOwnTool()
{
    operate({"1", "2", "*", "3", "4"});
    typeInto(window, "p", "3");
    click(window, "Command2");
    toPolar("x", "1");
    QCOMPARE(textOf(window, "o1"), "-5");
    QCOMPARE(textOf(window, "o2"), "10");
    QCOMPARE(textOf(window, "o3"), "-i");
    QCOMPARE(textOf(window, "o4"), "");
}

void ComplexWindowTest::returnInAFieldClicksItsButton()
{
    operate({"1", "2", "+", "3", "4"});
    typeInto(window, "r2", "5");
    QTest::keyClick(control<QLineEdit>(window, "op"), Qt::Key_Return);
    QCOMPARE(textOf(window, "o1"), "6");
    typeInto(window, "p", "2");
    QTest::keyClick(control<QLineEdit>(window, "p"), Qt::Key_Return);
    QCOMPARE(textOf(window, "o3"), "-1");
    typeInto(window, "re3", "3");
    typeInto(window, "im3", "4");
    QTest::keyClick(control<QLineEdit>(window, "im3"), Qt::Key_Return);
    QCOMPARE(textOf(window, "o4"), polar("25", "53.13"));
    QVERIFY(sink.shown.isEmpty());
}

void ComplexWindowTest::germanLocaleUsesDecimalComma()
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    operate({"0,5", "1", "+", "0,25", "1/4"});
    typeInto(window, "p", "0,5");
    click(window, "Command2");
    toPolar("1", "2");
    const QStringList seen{textOf(window, "o1"), textOf(window, "o2"), textOf(window, "o3"),
                           textOf(window, "o4")};
    QLocale::setDefault(QLocale::c());
    QCOMPARE(seen, (QStringList{"0,75", "1,25", "1", polar("5", "63,43")}));
    QVERIFY(sink.shown.isEmpty());
}

void ComplexWindowTest::workingIsHeadedByTheLastTool()
{
    auto* working = control<QLabel>(window, "working");
    click(window, "showWorking");
    QVERIFY(!working->isVisible()); // nothing to show yet
    operate({"1", "2", "*", "3", "4"});
    QVERIFY(working->isVisible());
    QCOMPARE(workingText(window),
             "Operations, Solve\nR = R1 × R2 − Im1 × Im2 = 1 × 3 − 2 × 4 = -5\nIm "
             "= R1 × Im2 + Im1 × R2 = 1 × 4 + 2 × 3 = 10");
    typeInto(window, "p", "3");
    click(window, "Command2");
    QCOMPARE(workingText(window),
             "Power Of i, Solve\nr = N mod 4 = 3 mod 4 = 3\niᴺ = iʳ = i³ = -i");
    toPolar("3", "4");
    QCOMPARE(workingText(window), "Polar Form, To Polar\nQ = R² + Im² = 3² + 4² = 25\n"
                                  "A = Angle(R, Im) in degrees = Angle(3, 4) = 53.13°\n"
                                  "√Q × cos(A) + √Q × i × sin(A) = " +
                                      polar("25", "53.13"));
    operate({"1", "2", "x", "3", "4"});
    QCOMPARE(sink.shown, QStringList{"Please Set the operation [+ - * / < > =]!!!."});
    QCOMPARE(workingText(window), "");
    QVERIFY(!working->isVisible());
}

// With junk in every other tool's fields, each button still answers from its own.
void ComplexWindowTest::eachToolReadsOnlyItsOwnFields()
{
    fillWithJunk(window);
    operate({"1", "2", "*", "3", "4"});
    QCOMPARE(textOf(window, "o1") + u',' + textOf(window, "o2"), "-5,10");
    fillWithJunk(window);
    typeInto(window, "p", "3");
    click(window, "Command2");
    QCOMPARE(textOf(window, "o3"), "-i");
    fillWithJunk(window);
    toPolar("3", "4");
    QCOMPARE(textOf(window, "o4"), polar("25", "53.13"));
    QCOMPARE(sink.shown, QStringList{});
}

void ComplexWindowTest::exactAnswers_data()
{
    QTest::addColumn<QStringList>("typed");
    QTest::addColumn<QString>("press");
    QTest::addColumn<QStringList>("shown");   // "result=text"
    QTest::addColumn<QStringList>("working"); // its last lines
    row("quotient", QStringList{"r1=-2", "i1=0", "op=/", "r2=3", "i2=0"}, "Command1",
        QStringList{"o1=-2/3", "o2=0"},
        QStringList{
            "R = (R1 × R2 + Im1 × Im2) ÷ D = ((−2) × 3 + 0 × 0) ÷ 9 = −2/3 ≈ -0.666666666666667",
            "Im = (Im1 × R2 − R1 × Im2) ÷ D = (0 × 3 − (−2) × 0) ÷ 9 = 0"});
    row("sum of fractions", QStringList{"r1=1/2", "i1=1/3", "op=+", "r2=1/4", "i2=-1/6"},
        "Command1", QStringList{"o1=3/4", "o2=1/6"},
        QStringList{"R = R1 + R2 = 0.5 + 0.25 = 3/4 = 0.75",
                    "Im = Im1 + Im2 = (1/3) + (−1/6) = 1/6 ≈ 0.166666666666667"});
    row("power of a third", QStringList{"p=1/3"}, "Command2", QStringList{"o3=1"},
        QStringList{"N = Round(1/3) = 0", "r = N mod 4 = 0 mod 4 = 0", "iᴺ = iʳ = i⁰ = 1"});
    row("polar form of thirds", QStringList{"re3=1/3", "im3=1/3"}, "Command3",
        QStringList{"o4=" + polar("0.222222222222222", "45")},
        QStringList{"Q = R² + Im² = (1/3)² + (1/3)² = 2/9",
                    "A = Angle(R, Im) in degrees = Angle(1/3, 1/3) = 45°", "√Q = √(2/9) = √2/3",
                    "√Q × cos(A) + √Q × i × sin(A) = " + polar("0.222222222222222", "45")});
}

void ComplexWindowTest::exactAnswers()
{
    QFETCH(QStringList, typed);
    QFETCH(QString, press);
    QFETCH(QStringList, shown);
    QFETCH(QStringList, working);
    click(window, "showWorking");
    const ExactAnswers exact;
    typeAndPress(window, typed, press);
    QStringList seen;
    for (const QString& result : shown)
        seen << result.section(u'=', 0, 0) + u'=' +
                    textOf(window, result.section(u'=', 0, 0).toLatin1());
    const QStringList lines = workingText(window).split(u'\n');
    QCOMPARE(seen, shown);
    QCOMPARE(lines.mid(lines.size() - working.size()), working);
    QCOMPARE(sink.shown, QStringList{});
}

QTEST_MAIN(ComplexWindowTest)
#include "tst_complex_window.moc"
