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
        return std::make_unique<Form7>(sink);
    case 8:
        return std::make_unique<Form8>(sink);
    default:
        return std::make_unique<Form9>(sink);
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
    const QStringList lines = working->text().split(u'\n');
    QCOMPARE(lines.first(), "Rectangle, Find B");
    QCOMPARE(lines.last(), "Round(B, 4) = Round(0.561728, 4) = 0.5617");

    click(window.get(), "showWorking");
    QVERIFY(working->isVisible());
    perform(window.get(), {"a7=5", "p7=10", "Command10"}); // a message
    QCOMPARE(working->text(), "");
    perform(window.get(), {"s1=3", "Command1"});
    QCOMPARE(working->text(), "Square, Find Area\nArea = s^2 = 3^2 = 9");
    perform(window.get(), {"s1=x", "Command3"}); // a refused field
    QCOMPARE(working->text(), "");
    QCOMPARE(sink.shown, (QStringList{implausible, "x Is not a numeric value"}));

    click(window.get(), "showWorking");
    QVERIFY(!working->isVisible());
}

QTEST_MAIN(AreaWindowsTest)
#include "tst_area_windows.moc"
