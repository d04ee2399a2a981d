#include "fractions/fraction_operators_window.h"

#include "support/recording_sink.h"
#include "support/window_test.h"

#include <QLocale>

class FractionOperatorsWindowTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }
    void init()
    {
        sink.shown.clear();
        window = new Form4(sink);
        window->show();
    }
    void cleanup() { delete window; }

    void comparisonOnAFreshWindowWritesOnlyBool();
    void operates_data();
    void operates();
    void showsWorkingOfTheLastTask();

private:
    void run(const QStringList& typed, const QString& press) { typeAndPress(window, typed, press); }
    QString shown()
    {
        QStringList texts;
        for (const char* name : {"s1", "s2", "s3", "m3", "d3", "bool", "c", "om4", "od4"})
            texts << textOf(window, name);
        return texts.join(u'|');
    }

    RecordingSink sink;
    Form4* window = nullptr;
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
    QCOMPARE(working->text().section(u'\n', 0, 1),
             "Operators On Fractions, Result\nCommon denominator: common(4, 6) = 12");
    run({"inm4=8", "ind4=6"}, "Command3");
    QCOMPARE(working->text(), "Reduction, Reduction\ngcd(6, 8) = 2\n8/6 = 4/3");
    run({"op=/", "m2=0"}, "Command1");
    QCOMPARE(working->text(), "");
    run({"b=4", "a=6"}, "Command2");
    QCOMPARE(working->text().section(u'\n', 0, 0), "Common Denominator, Make Common Denominator");
    click(window, "showWorking");
    QVERIFY(!working->isVisible());
}

QTEST_MAIN(FractionOperatorsWindowTest)
#include "tst_fraction_operators_window.moc"
