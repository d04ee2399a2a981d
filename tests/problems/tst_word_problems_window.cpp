#include "problems/word_problems_window.h"

#include "support/window_fixture.h"
#include "support/window_test.h"

#include <QLocale>

class WordProblemsWindowTest : public WindowFixture<WordProblemsWindow> {
    Q_OBJECT

private slots:
    void init()
    {
        openWindow();
        fillWithJunk(window); // a button that reads a field it must not gets a message
    }
    void cleanup() { closeWindow(); }

    void answers_data();
    void answers();
};

void WordProblemsWindowTest::answers_data()
{
    // What is typed, the button clicked (or the field Return is pressed in), the panel's
    // output and its answer, the whole working, and the messages.
    QTest::addColumn<QStringList>("typed");
    QTest::addColumn<QString>("press");
    QTest::addColumn<QString>("output");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QStringList>("working");
    QTest::addColumn<QStringList>("messages");
    const auto row = [](const char* name, const QStringList& typed, const char* press,
                        const char* output, const char* answer, const QStringList& working,
                        const QStringList& messages = {}) {
        QTest::newRow(name) << typed << QString(press) << QString(output) << QString(answer)
                            << working << messages;
    };
    const QString motion = "Distance, Speed And Time, ";
    const QString travellers = "Two Travellers, ";
    const QString price = "Price And Percent, ";
    const QString change = "Before And After, ";
    const QString speedNotBigger = "Speed 1 Must Be Bigger Than Speed 2!!!.";
    const QString percentTooBig = "The Percent Must Be Smaller Than 100!!!.";

    row("find distance", {"speed=60", "time=2.5"}, "findDistance", "motionAnswer", "150",
        {motion + "Find Distance", "Distance = Speed × Time = 60 × 2.5 = 150"});
    row("find speed", {"distance=150", "time=2.5"}, "findSpeed", "motionAnswer", "60",
        {motion + "Find Speed", "Speed = Distance ÷ Time = 150 ÷ 2.5 = 60"});
    row("find time", {"distance=150", "speed=60"}, "findTime", "motionAnswer", "2.5",
        {motion + "Find Time", "Time = Distance ÷ Speed = 150 ÷ 60 = 2.5"});
    row("Return in a field the first button does not read", {"speed=60", "time=2.5"}, "distance",
        "motionAnswer", "150",
        {motion + "Find Distance", "Distance = Speed × Time = 60 × 2.5 = 150"});
    row("meet", {"gap=300", "speed1=60", "speed2=40"}, "meetTime", "travellersAnswer", "3",
        {travellers + "Time To Meet", "Speed 1 + Speed 2 = 60 + 40 = 100",
         "Time = Distance ÷ (Speed 1 + Speed 2) = 300 ÷ 100 = 3"});
    row("catch up", {"gap=30", "speed1=60", "speed2=40"}, "catchUpTime", "travellersAnswer", "1.5",
        {travellers + "Time To Catch Up", "Speed 1 − Speed 2 = 60 − 40 = 20",
         "Time = Distance ÷ (Speed 1 − Speed 2) = 30 ÷ 20 = 1.5"});
    row("catch up, equal speeds", {"gap=30", "speed1=50", "speed2=50"}, "catchUpTime",
        "travellersAnswer", "", {}, {speedNotBigger});
    row("catch up, slower first", {"gap=300", "speed1=40", "speed2=60"}, "catchUpTime",
        "travellersAnswer", "", {}, {speedNotBigger});
    row("raise", {"price=80", "percent=25"}, "raisePrice", "priceAnswer", "100",
        {price + "Raise By Percent", "100 + Percent = 100 + 25 = 125",
         "New Price = Price × (100 + Percent) ÷ 100 = 80 × 125 ÷ 100 = 100"});
    row("lower", {"price=80", "percent=15"}, "lowerPrice", "priceAnswer", "68",
        {price + "Lower By Percent", "100 − Percent = 100 − 15 = 85",
         "New Price = Price × (100 − Percent) ÷ 100 = 80 × 85 ÷ 100 = 68"});
    row("lower by exactly 100", {"price=80", "percent=100"}, "lowerPrice", "priceAnswer", "", {},
        {percentTooBig});
    row("percent of", {"price=80", "percent=15"}, "percentOf", "priceAnswer", "12",
        {price + "Find The Percent", "Part = Price × Percent ÷ 100 = 80 × 15 ÷ 100 = 12"});
    row("change", {"oldPrice=80", "newPrice=100"}, "findChange", "changeAnswer", "25",
        {change + "Find Percent Of Change", "New Price − Old Price = 100 − 80 = 20",
         "Percent Of Change = (New Price − Old Price) ÷ Old Price × 100 = 20 ÷ 80 × 100 = 25"});
    row("no change", {"oldPrice=80", "newPrice=80"}, "findChange", "changeAnswer", "0",
        {change + "Find Percent Of Change", "New Price − Old Price = 80 − 80 = 0",
         "Percent Of Change = (New Price − Old Price) ÷ Old Price × 100 = 0 ÷ 80 × 100 = 0"});
    row("before a raise", {"newPrice=100", "changePercent=25"}, "findOldRaised", "changeAnswer",
        "80",
        {change + "Old Price Before A Raise", "100 + Percent = 100 + 25 = 125",
         "Old Price = New Price × 100 ÷ (100 + Percent) = 100 × 100 ÷ 125 = 80"});
    row("before a cut", {"newPrice=68", "changePercent=15"}, "findOldLowered", "changeAnswer", "80",
        {change + "Old Price Before A Cut", "100 − Percent = 100 − 15 = 85",
         "Old Price = New Price × 100 ÷ (100 − Percent) = 68 × 100 ÷ 85 = 80"});
    row("before a cut of exactly 100", {"newPrice=68", "changePercent=100"}, "findOldLowered",
        "changeAnswer", "", {}, {percentTooBig});
    row("empty field", {"speed=", "time=2"}, "findDistance", "motionAnswer", "", {},
        {" Is not a numeric value"});
    row("two bad fields, two messages", {"gap=x", "speed1=-2", "speed2=40"}, "meetTime",
        "travellersAnswer", "", {}, {"x Is not a numeric value", "Must enter a positive value"});
    row("decimal comma", {"price=2,5", "percent=10"}, "raisePrice", "priceAnswer", "2,75",
        {price + "Raise By Percent", "100 + Percent = 100 + 10 = 110",
         "New Price = Price × (100 + Percent) ÷ 100 = 2,5 × 110 ÷ 100 = 2,75"});
}

void WordProblemsWindowTest::answers()
{
    QFETCH(QStringList, typed);
    QFETCH(QString, press);
    QFETCH(QString, output);
    QFETCH(QString, answer);
    QFETCH(QStringList, working);
    QFETCH(QStringList, messages);
    const QByteArray outputName = output.toLatin1();
    if (QByteArray(QTest::currentDataTag()) == "decimal comma")
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    control<QLabel>(window, outputName.constData())->setText("stale");
    auto* shown = control<QLabel>(window, "working");
    QVERIFY(!shown->isVisible()); // until asked for
    click(window, "showWorking");
    QVERIFY(!shown->isVisible()); // nor while there is nothing to show
    shown->setText("stale");
    typeAndPress(window, typed, press);
    QLocale::setDefault(QLocale::c());

    QCOMPARE(textOf(window, outputName.constData()), answer);
    QCOMPARE(sink.shown, messages);
    for (const QString& entry : typed) // the fields keep what was typed
        QCOMPARE(textOf(window, entry.section(u'=', 0, 0).toLatin1().constData()),
                 entry.section(u'=', 1));
    QCOMPARE(workingText(window), working.join(u'\n')); // empty after a refusal or a message
    QCOMPARE(shown->isVisible(), !working.isEmpty());
    click(window, "showWorking");
    QVERIFY(!shown->isVisible());
}

QTEST_MAIN(WordProblemsWindowTest)
#include "tst_word_problems_window.moc"
