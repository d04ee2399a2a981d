#include "geometry/circle_window.h"
#include "geometry/quadrilateral_window.h"
#include "geometry/triangle_area_window.h"

#include "support/recording_sink.h"
#include "support/window_test.h"

#include <QLocale>
#include <QRegularExpression>

#include <memory>

namespace {

const QString positive = QStringLiteral("Must enter a positive value");
const QString implausible = QStringLiteral("Implausible Data");

std::unique_ptr<QWidget> makeWindow(int form, MessageSink& sink)
{
    switch (form) {
    case 7:
        return std::make_unique<CircleWindow>(sink);
    case 8:
        return std::make_unique<QuadrilateralWindow>(sink);
    default:
        return std::make_unique<TriangleAreaWindow>(sink);
    }
}

// Runs "field=text" (type), "field:return" (press Return there) and "button" (click) in turn.
void perform(QWidget* window, const QStringList& steps)
{
    for (const QString& step : steps) {
        const QByteArray name =
            step.section(QRegularExpression(QStringLiteral("[=:]")), 0, 0).toLatin1();
        if (step.contains(u'='))
            typeInto(window, name.constData(), step.section(u'=', 1));
        else if (step.endsWith(QStringLiteral(":return")))
            QTest::keyClick(control<QLineEdit>(window, name.constData()), Qt::Key_Return);
        else
            click(window, name.constData());
    }
}

} // namespace

class AreaWindowsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }
    void init() { sink.shown.clear(); }
    void clicks_data();
    void clicks();
    void germanLocaleUsesDecimalComma();
    void showsWorkingWhenAsked();
    void eachButtonReadsItsOwnBox_data();
    void eachButtonReadsItsOwnBox();

private:
    RecordingSink sink;
};

void AreaWindowsTest::clicks_data()
{
    QTest::addColumn<int>("form");
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QStringList>("expected"); // "control=text" after the steps
    QTest::addColumn<QStringList>("messages");
    const QStringList none;

    QTest::newRow("circle, radius 1/2") << 7 << QStringList{"r1=1/2", "Command1"}
                                        << QStringList{"o1=0.785398163397448", "r1=1/2"} << none;
    QTest::newRow("circle, the shared output is replaced")
        << 7 << QStringList{"r1=1", "Command1", "Command3"} << QStringList{"o1=6.28318530717958"}
        << none;
    QTest::newRow("circle, a refusal empties its own output only")
        << 7 << QStringList{"r1=1", "Command1", "d1=2", "Command4", "r1=-1", "Command3"}
        << QStringList{"o1=", "o2=6.28318530717958", "r1=-1"} << QStringList{positive};
    QTest::newRow("circle, radius 0") << 7 << QStringList{"r1=1", "Command3", "r1=0", "Command1"}
                                      << QStringList{"o1="} << QStringList{positive};
    QTest::newRow("circle, area pi: diameter")
        << 7 << QStringList{"a1=3.14159265358979", "Command21"} << QStringList{"o3=2"} << none;
    QTest::newRow("circle, too big")
        << 7 << QStringList{"p2=10", "Command6", "p2=1e308", "Command6"} << QStringList{"o6="}
        << QStringList{"The Number Is Too Big!!!"};

    QTest::newRow("rectangle, Find B rounds")
        << 8 << QStringList{"a7=1", "p7=3.123456", "Command10"} << QStringList{"o7=0.5617"} << none;
    QTest::newRow("rectangle, 5 and 10 implausible after an answer")
        << 8 << QStringList{"a7=1", "p7=3.123456", "Command6", "a7=5", "p7=10", "Command10"}
        << QStringList{"o7="} << QStringList{implausible};
    QTest::newRow("rectangle, 5 and 8 implausible")
        << 8 << QStringList{"a7=5", "p7=8", "Command6"} << QStringList{"o7="}
        << QStringList{implausible};
    QTest::newRow("two refused fields, two messages in field order")
        << 8 << QStringList{"s1=3", "Command1", "a3=x", "b3=0", "Command5"}
        << QStringList{"o5=", "o1=9"} << QStringList{"x Is not a numeric value", positive};
    QTest::newRow("every field is read after a refusal")
        << 8 << QStringList{"a2=", "b2=5", "h2=1/0", "Command13"} << QStringList{"o4="}
        << QStringList{"Must enter a numeric value", "Denominator Cant Be Zero!!!"};
    QTest::newRow("Return presses the box's first button")
        << 8 << QStringList{"a6=4", "ar6=10", "ar6:return"} << QStringList{"o6=2.5"} << none;
    QTest::newRow("trapezium") << 8 << QStringList{"a2=3", "b2=5", "h2=2", "Command13"}
                               << QStringList{"o4=8"} << none;

    QTest::newRow("triangle, base read before the area left of it")
        << 9 << QStringList{"s2=x", "b2=-1", "Command2"} << QStringList{"o2="}
        << QStringList{positive, "x Is not a numeric value"};
    QTest::newRow("triangle, height")
        << 9 << QStringList{"s2=6", "b2=4", "Command2"} << QStringList{"o2=3"} << none;
    QTest::newRow("triangle, a refused press still empties")
        << 9 << QStringList{"b1=4", "h1=3", "Command1", "h1=x", "Command1"} << QStringList{"o1="}
        << QStringList{"x Is not a numeric value"};
    QTest::newRow("Heron 3, 4, 5")
        << 9 << QStringList{"a5=3", "b5=4", "c5=5", "Command11"} << QStringList{"o5=6"} << none;
    QTest::newRow("Heron, no triangle")
        << 9 << QStringList{"a5=1", "b5=1", "c5=3", "Command11"} << QStringList{"o5="}
        << QStringList{"Unreasonable Data!!!."};
}

void AreaWindowsTest::clicks()
{
    QFETCH(int, form);
    QFETCH(QStringList, steps);
    QFETCH(QStringList, expected);
    QFETCH(QStringList, messages);
    const std::unique_ptr<QWidget> window = makeWindow(form, sink);
    window->show();
    perform(window.get(), steps);
    for (const QString& check : expected)
        QCOMPARE(textOf(window.get(), check.section(u'=', 0, 0).toLatin1().constData()),
                 check.section(u'=', 1));
    QCOMPARE(sink.shown, messages);
}

void AreaWindowsTest::germanLocaleUsesDecimalComma()
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const std::unique_ptr<QWidget> window = makeWindow(8, sink);
    perform(window.get(), {"a7=1", "p7=3,123456", "Command6"});
    const QString area = textOf(window.get(), "o7");
    QLocale::setDefault(QLocale::c());
    QCOMPARE(area, "0,561728");
    QVERIFY(sink.shown.isEmpty());
}

void AreaWindowsTest::showsWorkingWhenAsked()
{
    const std::unique_ptr<QWidget> window = makeWindow(8, sink);
    window->show();
    auto* working = control<QLabel>(window.get(), "working");
    perform(window.get(), {"a7=1", "p7=3.123456", "Command10"});
    QVERIFY(!working->isVisible());
    QCOMPARE(workingText(window.get()),
             "Rectangle, Find B\nB = (P − 2 × a) ÷ 2 = (3.123456 − 2 × 1) ÷ 2 = "
             "0.561728\nB = Round(B, 4) = Round(0.561728, 4) = 0.5617");

    click(window.get(), "showWorking");
    QVERIFY(working->isVisible());
    perform(window.get(), {"a7=5", "p7=10", "Command10"}); // a message
    QCOMPARE(workingText(window.get()), "");
    perform(window.get(), {"s1=3", "Command1"});
    QCOMPARE(workingText(window.get()), "Square, Find Area\nArea = s² = 3² = 9");
    perform(window.get(), {"s1=x", "Command3"}); // a refused field
    QCOMPARE(workingText(window.get()), "");
    QCOMPARE(sink.shown, (QStringList{implausible, "x Is not a numeric value"}));

    click(window.get(), "showWorking");
    QVERIFY(!working->isVisible());
}

void AreaWindowsTest::eachButtonReadsItsOwnBox_data()
{
    QTest::addColumn<int>("form");
    QTest::addColumn<QStringList>("typed");
    QTest::addColumn<QString>("press");
    QTest::addColumn<QString>("answer"); // "output=text"
    const auto row = [](int form, const QStringList& typed, const char* press, const char* answer) {
        QTest::addRow("%d %s", form, press) << form << typed << QString(press) << QString(answer);
    };
    row(7, {"r1=1.5"}, "Command1", "o1=7.06858347057703");
    row(7, {"r1=1.5"}, "Command3", "o1=9.42477796076937");
    row(7, {"d1=3"}, "Command2", "o2=7.06858347057703");
    row(7, {"d1=3"}, "Command4", "o2=9.42477796076937");
    row(7, {"a1=12.5"}, "Command23", "o3=1.99471140200716");
    row(7, {"a1=12.5"}, "Command21", "o3=3.98942280401433");
    row(7, {"p1=10"}, "Command10", "o4=1.59154943091896");
    row(7, {"p1=10"}, "Command8", "o4=3.18309886183791");
    row(7, {"a2=7"}, "Command5", "o5=9.3789441996695");
    row(7, {"p2=7"}, "Command6", "o6=3.89929610575144");
    row(8, {"s1=3.5"}, "Command1", "o1=12.25");
    row(8, {"s1=3.5"}, "Command3", "o1=14");
    row(8, {"a1=2"}, "Command2", "o2=1.4142135623731");
    row(8, {"a1=2"}, "Command4", "o2=5.65685424949238");
    row(8, {"p1=10"}, "Command7", "o3=2.5");
    row(8, {"p1=10"}, "Command9", "o3=6.25");
    row(8, {"a2=3", "b2=5", "h2=2"}, "Command13", "o4=8");
    row(8, {"hh1=4", "hh2=6"}, "Command11", "o11=12");
    row(8, {"a3=2.5", "b3=4"}, "Command5", "o5=10");
    row(8, {"a3=2.5", "b3=4"}, "Command8", "o5=13");
    row(8, {"a6=4", "ar6=10"}, "Command15", "o6=2.5");
    row(8, {"a6=4", "ar6=10"}, "Command14", "o6=13");
    row(8, {"a7=1", "p7=3.123456"}, "Command10", "o7=0.5617");
    row(8, {"a7=1", "p7=3.123456"}, "Command6", "o7=0.561728");
    row(8, {"b6=4", "h6=2.5"}, "Command19", "o8=10");
    row(8, {"b7=4", "ar7=10"}, "Command16", "o9=2.5");
    row(8, {"a8=3", "b8=4"}, "Command17", "o10=14");
    row(9, {"b1=4", "h1=3"}, "Command1", "o1=6");
    row(9, {"s2=6", "b2=4"}, "Command2", "o2=3");
    row(9, {"s3=6", "h3=3"}, "Command7", "o3=4");
    row(9, {"a4=3", "b4=4", "c4=5"}, "Command9", "o4=12");
    row(9, {"a5=5", "b5=5", "c5=6"}, "Command11", "o5=12");
}

// Every other box holds junk, so a button reading a field outside its box shows a message.
void AreaWindowsTest::eachButtonReadsItsOwnBox()
{
    QFETCH(int, form);
    QFETCH(QStringList, typed);
    QFETCH(QString, press);
    QFETCH(QString, answer);
    const std::unique_ptr<QWidget> window = makeWindow(form, sink);
    window->show();
    fillWithJunk(window.get());
    perform(window.get(), typed << press);
    QCOMPARE(textOf(window.get(), answer.section(u'=', 0, 0).toLatin1().constData()),
             answer.section(u'=', 1));
    QCOMPARE(sink.shown, QStringList{});
}

QTEST_MAIN(AreaWindowsTest)
#include "tst_area_windows.moc"
