// Every window opens on its first field, Tab walks its fields and buttons in reading order and
// round again, Shift+Tab walks back, and every control a screen reader meets has a name.

#include "algebra/complex_window.h"
#include "algebra/quadratic_window.h"
#include "app/donation_window.h"
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
#include "support/menu_tour.h"
#include "support/recording_sink.h"
#include "support/window_test.h"
#include "widgets/answer_format.h"

#include <QAbstractButton>
#include <QStandardPaths>

#include <functional>
#include <memory>

using WindowMaker = std::function<QWidget*(MessageSink&)>;
Q_DECLARE_METATYPE(WindowMaker)

namespace {

template <class Window> WindowMaker maker()
{
    return [](MessageSink& sink) -> QWidget* {
        return new Window(sink);
    };
}

} // namespace

class TabOrderTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void cleanup() { AnswerFormat::program().setChoice({}); }
    void tabWalksInReadingOrder_data();
    void tabWalksInReadingOrder();
    void typingFollowsTheCaption_data();
    void typingFollowsTheCaption();
};

void TabOrderTest::tabWalksInReadingOrder_data()
{
    QTest::addColumn<WindowMaker>("make");
    QTest::addColumn<QStringList>("order");
    // Every tool window ends on Show Working; one of real answers on the answer format after
    // it, the places being out of reach until Rounded is chosen.
    const auto fractionWalk = [](const char* names) {
        return QString::fromLatin1(names).split(u' ') << QStringLiteral("showWorking");
    };
    const auto walk = [&fractionWalk](const char* names) {
        return fractionWalk(names) << QStringLiteral("answerFormat");
    };
    QTest::newRow("quadratic") << maker<QuadraticWindow>() << walk("a b c Command1");
    QTest::newRow("quadratic, rounded") << WindowMaker([](MessageSink& sink) -> QWidget* {
        AnswerFormat::program().setChoice({AnswerStyle::Rounded, 2});
        return new QuadraticWindow(sink);
    }) << (walk("a b c Command1") << QStringLiteral("decimalPlaces"));
    QTest::newRow("complex") << maker<ComplexWindow>()
                             << walk("r1 i1 op r2 i2 Command1 p Command2 re3 im3 Command3");
    QTest::newRow("fraction conversion")
        << maker<FractionConversionWindow>()
        << fractionWalk("in1s in1m in1d Command1 in2m in2d Command2 in3s in3m in3d Command3 in4 "
                        "Command4");
    QTest::newRow("operators on fractions")
        << maker<FractionOperatorsWindow>()
        << fractionWalk("s1 m1 d1 op s2 m2 d2 Command1 b a Command2 inm4 ind4 Command3");
    QTest::newRow("statistics") << maker<StatisticsWindow>()
                                << walk("n w Command1 Command3 Command2");
    QTest::newRow("progressions")
        << maker<ProgressionsWindow>()
        << walk("a1 d n Command1 a12 an2 n2 Command2 d3 an3 n3 Command8 a14 d4 n4 Command3 a15 "
                "an5 n5 Command6 a16 d6 an6 ans6 a17 q7 n7 command20 a18 q8 an8 Command21 a19 "
                "q9 command22 a110 q10 n10 Command10 a111 an11 n11 Command4");
    QTest::newRow("circle")
        << maker<CircleWindow>()
        << walk("r1 Command1 Command3 d1 Command2 Command4 a1 Command23 Command21 p1 Command10 "
                "Command8 a2 Command5 p2 Command6");
    QTest::newRow("quadrilateral")
        << maker<QuadrilateralWindow>()
        << walk("s1 Command1 Command3 a1 Command2 Command4 p1 Command7 Command9 a2 b2 h2 "
                "Command13 hh1 hh2 Command11 a3 b3 Command5 Command8 a6 ar6 Command15 "
                "Command14 a7 p7 Command10 Command6 b6 h6 Command19 b7 ar7 Command16 a8 b8 "
                "Command17");
    QTest::newRow("triangle area")
        << maker<TriangleAreaWindow>()
        << walk("b1 h1 Command1 s2 b2 Command2 s3 h3 Command7 a4 b4 c4 Command9 a5 b5 c5 "
                "Command11");
    QTest::newRow("law of cosines")
        << maker<CosinesWindow>()
        << walk("a1 b1 z1 Command1 Command3 a2 b2 z2 Command2 Command4 a3 b3 z3 Command8 "
                "Command6 a4 b4 c4 Command7 Command5");
    QTest::newRow("law of sines")
        << maker<SinesWindow>()
        << walk("x1 z1 b1 Command1 Command3 a2 c2 y2 Command2 Command4 a3 c3 y3 Command6 "
                "Command8 y4 z4 c4 Command7 Command5");
    QTest::newRow("word problems")
        << maker<WordProblemsWindow>()
        << walk("distance speed time findDistance findSpeed findTime gap speed1 speed2 "
                "meetTime catchUpTime price percent raisePrice lowerPrice percentOf oldPrice "
                "newPrice changePercent findChange findOldRaised findOldLowered");
    QTest::newRow("donation") << WindowMaker([](MessageSink&) -> QWidget* {
        static QuietLauncher launcher;
        return new DonationWindow(launcher);
    }) << QStringList{"Command"};
}

void TabOrderTest::tabWalksInReadingOrder()
{
    QFETCH(WindowMaker, make);
    QFETCH(QStringList, order);
    RecordingSink sink;
    const std::unique_ptr<QWidget> window(make(sink));
    window->show();
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));

    // Round once and back to the first, then round the other way.
    QStringList forward, backward;
    for (qsizetype k = 0; k < order.size(); ++k) {
        forward << QApplication::focusWidget()->objectName();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    forward << QApplication::focusWidget()->objectName();
    for (qsizetype k = 0; k < order.size(); ++k) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ShiftModifier);
        backward.prepend(QApplication::focusWidget()->objectName());
    }
    QCOMPARE(forward, order + QStringList{order.first()});
    QCOMPARE(backward, order);

    for (const QWidget* control : window->findChildren<QWidget*>()) {
        const auto* label = qobject_cast<const QLabel*>(control);
        if (qobject_cast<const QLineEdit*>(control) ||
            qobject_cast<const QAbstractButton*>(control) ||
            (label && label->textInteractionFlags() & Qt::TextSelectableByMouse))
            QVERIFY2(!control->accessibleName().isEmpty(), qPrintable(control->objectName()));
    }
    QVERIFY(sink.shown.isEmpty());
}

void TabOrderTest::typingFollowsTheCaption_data()
{
    QTest::addColumn<WindowMaker>("make");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QStringList>("fields"); // the fields that get 7, 9 and 60, in turn
    const auto cosines = maker<CosinesWindow>();
    const auto sines = maker<SinesWindow>();
    const QString between = QStringLiteral("Two sides and the angle between them");
    const QString opposite = QStringLiteral("Two sides and an angle opposite one of them");
    const QString twoAngles = QStringLiteral("Two angles and a side opposite one of them");
    QTest::newRow("cosines 1") << cosines << between << QStringList{"a1", "b1", "z1"};
    QTest::newRow("cosines 2") << cosines << between << QStringList{"a2", "b2", "z2"};
    QTest::newRow("cosines 3") << cosines << between << QStringList{"a3", "b3", "z3"};
    QTest::newRow("cosines 4") << cosines << QStringLiteral("Three sides")
                               << QStringList{"a4", "b4", "c4"};
    QTest::newRow("sines 1") << sines << twoAngles << QStringList{"x1", "z1", "b1"};
    QTest::newRow("sines 2") << sines << opposite << QStringList{"a2", "c2", "y2"};
    QTest::newRow("sines 3") << sines << opposite << QStringList{"a3", "c3", "y3"};
    QTest::newRow("sines 4") << sines << twoAngles << QStringList{"y4", "z4", "c4"};
}

// Typing 7, Tab, 9, Tab, 60 from a panel's first field fills the fields its caption names.
void TabOrderTest::typingFollowsTheCaption()
{
    QFETCH(WindowMaker, make);
    QFETCH(QString, caption);
    QFETCH(QStringList, fields);
    RecordingSink sink;
    const std::unique_ptr<QWidget> window(make(sink));
    window->show();
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    const QByteArray panel = fields.first().right(1).toLatin1();
    QCOMPARE(textOf(window.get(), "case" + panel), caption);

    control<QLineEdit>(window.get(), fields.first().toLatin1())->setFocus();
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("7"));
    for (const char* number : {"9", "60"}) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QTest::keyClicks(QApplication::focusWidget(), QLatin1String(number));
    }
    QStringList typed;
    for (const QString& name : fields)
        typed << textOf(window.get(), name.toLatin1());
    QCOMPARE(typed, (QStringList{"7", "9", "60"}));
    QVERIFY(sink.shown.isEmpty());
}

QTEST_MAIN(TabOrderTest)
#include "tst_tab_order.moc"
