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

#include <QAbstractButton>

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

const QString working = QStringLiteral("showWorking");

} // namespace

class TabOrderTest : public QObject {
    Q_OBJECT

private slots:
    void tabWalksInReadingOrder_data();
    void tabWalksInReadingOrder();
};

void TabOrderTest::tabWalksInReadingOrder_data()
{
    QTest::addColumn<WindowMaker>("make");
    QTest::addColumn<QStringList>("order");
    QTest::newRow("quadratic") << maker<Form2>() << QStringList{"a", "b", "c", "Command1", working};
    QTest::newRow("complex") << maker<Form13>()
                             << QStringList{"r1", "i1",       "op",  "r2",  "i2",       "Command1",
                                            "p",  "Command2", "re3", "im3", "Command3", working};
    QTest::newRow("fraction conversion")
        << maker<Form3>()
        << QStringList{"in1s", "in1m", "in1d", "Command1", "in2m", "in2d",     "Command2",
                       "in3s", "in3m", "in3d", "Command3", "in4",  "Command4", working};
    QTest::newRow("operators on fractions")
        << maker<Form4>()
        << QStringList{"s1", "m1", "d1",       "op",   "s2",   "m2",       "d2",   "Command1",
                       "b",  "a",  "Command2", "inm4", "ind4", "Command3", working};
    QTest::newRow("statistics") << maker<Form5>() << QStringList{"n",        "w",        "Command1",
                                                                 "Command3", "Command2", working};
    QTest::newRow("progressions") << maker<Form6>() << Form6::tabOrder() + QStringList{working};
    QTest::newRow("circle") << maker<Form7>() << Form7::tabOrder() + QStringList{working};
    QTest::newRow("quadrilateral") << maker<Form8>() << Form8::tabOrder() + QStringList{working};
    QTest::newRow("triangle area") << maker<Form9>() << Form9::tabOrder() + QStringList{working};
    QTest::newRow("law of cosines") << maker<Form10>() << Form10::tabOrder() + QStringList{working};
    QTest::newRow("law of sines") << maker<Form11>() << Form11::tabOrder() + QStringList{working};
    QTest::newRow("word problems") << maker<Form12>() << Form12::tabOrder() + QStringList{working};
    QTest::newRow("donation") << WindowMaker([](MessageSink&) -> QWidget* {
        static QuietLauncher launcher;
        return new Form14(launcher);
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

QTEST_MAIN(TabOrderTest)
#include "tst_tab_order.moc"
