#include "fractions/fraction_conversion_window.h"

#include "support/window_fixture.h"
#include "support/window_test.h"

#include <QLocale>

class FractionConversionWindowTest : public WindowFixture<FractionConversionWindow> {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }
    void init() { openWindow(); }
    void cleanup() { closeWindow(); }

    void converts_data();
    void converts();
    void readsOnlyItsOwnFields_data();
    void readsOnlyItsOwnFields();

private:
    void run(const QStringList& typed, const QString& press) { typeAndPress(window, typed, press); }
};

void FractionConversionWindowTest::converts_data()
{
    QTest::addColumn<QStringList>("typed");
    QTest::addColumn<QString>("press");
    QTest::addColumn<QString>("shown"); // the nine outputs and in3s afterwards
    QTest::addColumn<QString>("message");
    const auto row = [](const char* name, const QStringList& typed, const char* press,
                        const char* shown, const QString& message = {}) {
        QTest::newRow(name) << typed << press << shown << message;
    };
    // Every row starts from 2 1/3 -> 7/3, 7/2 -> 3 1/2, 2 1/8 -> 2.125 and 3.25 -> 3 25/100.
    row("to improper", {"in1s=-1", "in1d=4.0"}, "Command1", "-3|4.0|3|1|2|2.125|3|25|100|2");
    row("whole result", {"in2m=8"}, "Command2", "7|3|4|||2.125|3|25|100|2");
    row("empty whole part", {"in3s="}, "Command3", "7|3|3|1|2|0.125|3|25|100|0");
    row("letters in the whole part", {"in3s=two", "in3m=3"}, "Command3",
        "7|3|3|1|2|2.125|3|25|100|0");
    row("whole decimal", {"in4=3.0"}, "Command4", "7|3|3|1|2|2.125|3|||2");
    row("Return presses the panel's button", {"in2m=-7"}, "in2d", "7|3|-3|-1|2|2.125|3|25|100|2");
    row("German decimal comma", {"in4=-0,5"}, "in4", "7|3|3|1|2|2.125|-0|5|10|2");
    const char* unchanged = "7|3|3|1|2|2.125|3|25|100|2";
    row("empty whole part refused", {"in1s="}, "Command1", unchanged, "Must enter a numeric value");
    row("zero denominator", {"in1d=0"}, "Command1", unchanged, "Denominator Cant Be Zero!!!");
    row("too big", {"in1s=3e9"}, "Command1", unchanged, "The Number Is Too Big!!!");
    row("denominator 0.4", {"in2d=0.4"}, "Command2", unchanged, "Unreasonable Data!!!.");
    row("zero before whole part", {"in3s=x", "in3d=0"}, "Command3", "7|3|3|1|2|2.125|3|25|100|x",
        "Denominator Cant Be Zero!!!");
    row("no point", {"in4=5"}, "Command4", unchanged,
        "You must enter a decimal number in form ab.def");
}

void FractionConversionWindowTest::converts()
{
    QFETCH(QStringList, typed);
    QFETCH(QString, press);
    QFETCH(QString, shown);
    QFETCH(QString, message);
    run({"in1s=2", "in1m=1", "in1d=3"}, "Command1");
    run({"in2m=7", "in2d=2"}, "Command2");
    run({"in3s=2", "in3m=1", "in3d=8"}, "Command3");
    run({"in4=3.25"}, "Command4");
    if (QByteArray(QTest::currentDataTag()).startsWith("German"))
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    run(typed, press);
    QLocale::setDefault(QLocale::c());
    QStringList texts;
    for (const char* name :
         {"sol1m", "sol1d", "sol2s", "sol2m", "sol2d", "out3", "out4s", "out4m", "out4d", "in3s"})
        texts << textOf(window, name);
    QCOMPARE(texts.join(u'|'), shown);
    QCOMPARE(sink.shown, message.isEmpty() ? QStringList{} : QStringList{message});
}

void FractionConversionWindowTest::readsOnlyItsOwnFields_data()
{
    QTest::addColumn<QStringList>("typed");
    QTest::addColumn<QString>("press");
    QTest::addColumn<QString>("shown"); // the nine outputs afterwards
    QTest::newRow("to improper") << QStringList{"in1s=2", "in1m=1", "in1d=3"} << "Command1"
                                 << "7|3|||||||";
    QTest::newRow("to a mixed number") << QStringList{"in2m=7", "in2d=2"} << "Command2"
                                       << "||3|1|2||||";
    QTest::newRow("to a decimal") << QStringList{"in3s=2", "in3m=1", "in3d=8"} << "Command3"
                                  << "|||||2.125|||";
    QTest::newRow("from a decimal") << QStringList{"in4=3.25"} << "Command4"
                                    << "||||||3|25|100";
}

// Every other panel holds junk, so a button reading a field it must not shows a message.
void FractionConversionWindowTest::readsOnlyItsOwnFields()
{
    QFETCH(QStringList, typed);
    QFETCH(QString, press);
    QFETCH(QString, shown);
    fillWithJunk(window);
    run(typed, press);
    QStringList texts;
    for (const char* name :
         {"sol1m", "sol1d", "sol2s", "sol2m", "sol2d", "out3", "out4s", "out4m", "out4d"})
        texts << textOf(window, name);
    QCOMPARE(texts.join(u'|'), shown);
    QCOMPARE(sink.shown, QStringList{});
}

QTEST_MAIN(FractionConversionWindowTest)
#include "tst_fraction_conversion_window.moc"
