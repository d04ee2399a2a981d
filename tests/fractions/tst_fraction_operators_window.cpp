#include "fractions/fraction_operators_window.h"

#include "support/window_fixture.h"
#include "support/window_test.h"

#include <QLocale>

#include <utility>

class FractionOperatorsWindowTest : public WindowFixture<FractionOperatorsWindow> {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }
    void init() { openWindow(); }
    void cleanup() { closeWindow(); }

    void comparisonOnAFreshWindowWritesOnlyBool();
    void operates_data();
    void operates();
    void showsWorkingOfTheLastTask();
    void readsOnlyItsOwnFields_data();
    void readsOnlyItsOwnFields();

private:
    void run(const QStringList& typed, const QString& press) { typeAndPress(window, typed, press); }
    QString shown()
    {
        QStringList texts;
        for (const char* name : {"s1", "s2", "s3", "m3", "d3", "bool", "c", "om4", "od4"})
            texts << textOf(window, name);
        return texts.join(u'|');
    }
};

void FractionOperatorsWindowTest::comparisonOnAFreshWindowWritesOnlyBool()
{
    run({"m1=1", "d1=2", "op=<", "m2=2", "d2=3"}, "Command1");
    QCOMPARE(shown(), "0|0||||True|||");
}

void FractionOperatorsWindowTest::operates_data()
{
    QTest::addColumn<QStringList>("typed");
    QTest::addColumn<QString>("press");
    QTest::addColumn<QString>("shown"); // s1, s2, s3, m3, d3, bool, c, om4, od4 afterwards
    QTest::addColumn<QString>("message");
    const auto row = [](const char* name, const QStringList& typed, const char* press,
                        const char* shown, const QString& message = {}) {
        QTest::newRow(name) << typed << press << shown << message;
    };
    // Every row starts from 1/4 + 1/6 = 0 5/12, 1/2 < 2/3, A 4 and B 6, 6 over 8 reduced.
    row("an operation leaves bool alone", {"s1=1", "op=+", "s2=2", "m2=1"}, "Command1",
        "1|2|3|5|6|True|12|3|4");
    row("a comparison leaves the result alone", {"op=>"}, "Command1", "0|0|0|5|12|False|12|3|4");
    row("letters in a whole part count as 0", {"s1=x", "m1=2", "op=-", "m2=0"}, "Command1",
        "0|0|1|||True|12|3|4");
    row("Return presses Result", {"op=*"}, "op", "0|0|0|1|3|True|12|3|4");
    row("German decimal comma", {"m1=1,5", "op=+"}, "d2", "0|0|1|2|6|True|12|3|4");
    row("unknown operator keeps the zeros written", {"s1=", "s2=", "op=+ "}, "Command1",
        "0|0|0|5|12|True|12|3|4", "Please Set the operation [+ - * / < > =]!!!.");
    row("not numeric: nothing changed", {"s1=", "d2=", "op=+"}, "Command1", "|0|0|5|12|True|12|3|4",
        "Must enter a numeric value");
    row("zero denominator: nothing changed", {"s2=", "d1=0"}, "Command1", "0||0|5|12|True|12|3|4",
        "Denominator Cant Be Zero!!!");
    row("too big: nothing else changes", {"d1=50000", "op=+", "d2=50000"}, "Command1",
        "0|0|0|5|12|True|12|3|4", "The Number Is Too Big!!!");
    row("division by zero empties the result", {"op=/", "m2=0"}, "Command1", "0|0||||True|12|3|4",
        "Fraction 2 Can't be equals to zero ");
    row("common denominator, A is the field b", {"b=-4"}, "Command2", "0|0|0|5|12|True|-12|3|4");
    row("reduction", {"inm4=-2", "ind4=4"}, "ind4", "0|0|0|5|12|True|12|1|-2");
    row("number zero", {"a=0"}, "Command2", "0|0|0|5|12|True|12|3|4", "Number Can't Be Zero!!!");
    row("0 over 0.4", {"inm4=0", "ind4=0.4"}, "Command3", "0|0|0|5|12|True|12|3|4",
        "Unreasonable Data!!!.");
}

void FractionOperatorsWindowTest::operates()
{
    QFETCH(QStringList, typed);
    QFETCH(QString, press);
    QFETCH(QString, shown);
    QFETCH(QString, message);
    run({"m1=1", "d1=4", "op=+", "m2=1", "d2=6"}, "Command1");
    run({"m1=1", "d1=2", "op=<", "m2=2", "d2=3"}, "Command1");
    run({"b=4", "a=6", "inm4=6", "ind4=8"}, "Command2");
    click(window, "Command3");
    if (QByteArray(QTest::currentDataTag()).startsWith("German"))
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    run(typed, press);
    QLocale::setDefault(QLocale::c());
    QCOMPARE(this->shown(), shown);
    QCOMPARE(sink.shown, message.isEmpty() ? QStringList{} : QStringList{message});
}

void FractionOperatorsWindowTest::showsWorkingOfTheLastTask()
{
    auto* working = control<QLabel>(window, "working");
    run({"m1=1", "d1=4", "op=+", "m2=1", "d2=6"}, "Command1");
    QVERIFY(!working->isVisible());
    click(window, "showWorking");
    QVERIFY(working->isVisible());
    QCOMPARE(workingText(window),
             "Operators On Fractions, Result\nCommon denominator: common(4, 6) = "
             "12\n1/4 = 3/12, 1/6 = 2/12\n3/12 + 2/12 = 5/12\nResult: 0 5/12");
    run({"inm4=8", "ind4=6"}, "Command3");
    QCOMPARE(workingText(window), "Reduction\ngcd(6, 8) = 2\n8/6 = 4/3");
    run({"op=/", "m2=0"}, "Command1");
    QCOMPARE(workingText(window), "");
    run({"b=4", "a=6"}, "Command2");
    QCOMPARE(workingText(window),
             "Common Denominator, Make Common Denominator\ngcd(B, A) = gcd(6, 4) "
             "= 2\nA × B ÷ gcd(B, A) = 4 × 6 ÷ 2 = 12");
    click(window, "showWorking");
    QVERIFY(!working->isVisible());
}

void FractionOperatorsWindowTest::readsOnlyItsOwnFields_data()
{
    QTest::addColumn<QStringList>("typed");
    QTest::addColumn<QString>("press");
    QTest::addColumn<QString>("shown"); // s3, m3, d3, bool, c, om4, od4 afterwards
    QTest::addColumn<QStringList>("working");
    const auto operands = [](const char* first, const char* op, const char* second) {
        const QStringList a = QString(first).split(u'/');
        const QStringList b = QString(second).split(u'/');
        return QStringList{"s1=" + a[0], "m1=" + a[1], "d1=" + a[2], QString("op=") + op,
                           "s2=" + b[0], "m2=" + b[1], "d2=" + b[2]};
    };
    const auto row = [](const char* name, const QStringList& typed, const char* press,
                        const char* shown, const QStringList& working) {
        QTest::newRow(name) << typed << QString(press) << QString(shown) << working;
    };
    const QString result = "Operators On Fractions, Result";
    // Equal sides: only = holds, and a comparison that fails says which way the values stand.
    const auto equalSides = [](const char* op, const char* holds) {
        return QStringLiteral("1.5 %1 1.5").arg(op) +
               (QByteArray(holds) == "True" ? QString()
                                            : QStringLiteral(" is not so, because 1.5 = 1.5")) +
               QStringLiteral(": ") + holds;
    };
    const QString value = "Fraction %1 = Numerator ÷ Denominator + Whole = %2";
    using Case = std::pair<const char*, const char*>;
    for (const auto& [op, holds] : {Case{"<", "False"}, Case{">", "False"}, Case{"=", "True"}})
        row(qPrintable(op + QStringLiteral(" with equal sides")), operands("1/1/2", op, "1/2/4"),
            "Command1", qPrintable(QStringLiteral("|||%1|||").arg(holds)),
            {result, value.arg(1).arg("1 ÷ 2 + 1 = 1.5"), value.arg(2).arg("2 ÷ 4 + 1 = 1.5"),
             equalSides(op, holds)});
    row("< holds", operands("-1/1/2", "<", "0/0/1"), "Command1", "|||True|||",
        {result, value.arg(1).arg("1 ÷ 2 + (−1) = −0.5"), value.arg(2).arg("0 ÷ 1 + 0 = 0"),
         "−0.5 < 0: True"});
    row("> holds", operands("1/3/4", ">", "1/1/2"), "Command1", "|||True|||",
        {result, value.arg(1).arg("3 ÷ 4 + 1 = 1.75"), value.arg(2).arg("1 ÷ 2 + 1 = 1.5"),
         "1.75 > 1.5: True"});
    row("= fails", operands("0/1/4", "=", "0/1/2"), "Command1", "|||False|||",
        {result, value.arg(1).arg("1 ÷ 4 + 0 = 0.25"), value.arg(2).arg("1 ÷ 2 + 0 = 0.5"),
         "0.25 = 0.5 is not so, because 0.25 < 0.5: False"});
    row("add", operands("1/1/2", "+", "2/1/3"), "Command1", "3|5|6||||",
        {result, "Common denominator: common(2, 3) = 6", "1/2 = 3/6, 1/3 = 2/6", "3/6 + 2/6 = 5/6",
         "Whole parts: 1 + 2 = 3", "Result: 3 5/6"});
    row("subtract to a whole", operands("2/1/2", "-", "0/1/2"), "Command1", "2||||||",
        {result, "2 1/2 = (2 × 2 + 1)/2 = 5/2", "Common denominator: common(2, 2) = 2",
         "5/2 − 1/2 = 4/2", "4/2 = 2", "Result: 2"});
    row("multiply, negative gcd", operands("0/2/3", "*", "0/-3/4"), "Command1", "0|1|-2||||",
        {result, "2/3 × (−3/4) = (2 × (−3))/(3 × 4) = −6/12", "gcd(12, −6) = −6", "−6/12 = 1/−2",
         "Result: 0 1/-2"});
    row("divide, negative gcd", operands("0/1/2", "/", "0/-1/4"), "Command1", "-2||||||",
        {result, "1/2 ÷ (−1/4) = (1 × 4)/(2 × (−1)) = 4/−2", "gcd(−2, 4) = −2", "4/−2 = −2/1",
         "−2/1 = −2", "Result: -2"});
    row("common denominator, negative gcd", {"b=4", "a=-6"}, "Command2", "||||12||",
        {"Common Denominator, Make Common Denominator", "gcd(B, A) = gcd(−6, 4) = −2",
         "A × B ÷ gcd(B, A) = 4 × (−6) ÷ (−2) = 12"});
    row("reduction", {"inm4=6", "ind4=8"}, "Command3", "|||||3|4",
        {"Reduction", "gcd(8, 6) = 2", "6/8 = 3/4"});
    row("reduction, negative gcd", {"inm4=-2", "ind4=4"}, "Command3", "|||||1|-2",
        {"Reduction", "gcd(4, −2) = −2", "−2/4 = 1/-2"});
}

// Every other field holds junk, so a button reading a field it must not shows a message.
void FractionOperatorsWindowTest::readsOnlyItsOwnFields()
{
    QFETCH(QStringList, typed);
    QFETCH(QString, press);
    QFETCH(QString, shown);
    QFETCH(QStringList, working);
    fillWithJunk(window);
    click(window, "showWorking");
    run(typed, press);
    QStringList outputs;
    for (const char* name : {"s3", "m3", "d3", "bool", "c", "om4", "od4"})
        outputs << textOf(window, name);
    QCOMPARE(outputs.join(u'|'), shown);
    QCOMPARE(sink.shown, QStringList{});
    QCOMPARE(workingText(window), working.join(u'\n'));
}

QTEST_MAIN(FractionOperatorsWindowTest)
#include "tst_fraction_operators_window.moc"
