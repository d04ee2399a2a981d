#include "geometry/circle.h"
#include "geometry/quadrilateral.h"
#include "geometry/triangle_area.h"
#include "input/number_text.h"
#include "support/reals.h"

#include <QLocale>
#include <QRegularExpression>
#include <QTest>

Q_DECLARE_METATYPE(TaskFunction)

namespace {

// What the window shows for a task: the number text of its result, or the message instead.
QString shown(const Outcome<Real>& outcome)
{
    if (const auto* solved = std::get_if<Solved<Real>>(&outcome))
        return numberText(solved->values.value());
    return messageText(std::get<Message>(outcome));
}

void row(const char* name, TaskFunction task, const QList<double>& inputs, const QString& expected)
{
    QTest::newRow(name) << task << inputs << expected;
}

// A task whose answer is shown with its working, and what the working must hold on the way.
void workingRow(const char* name, TaskFunction task, const QList<double>& inputs,
                const QStringList& steps)
{
    QTest::newRow(name) << task << inputs << steps;
}

const QString tooBig = QStringLiteral("The Number Is Too Big!!!");
const QString unreasonable = QStringLiteral("Unreasonable Data!!!.");
const QString implausible = QStringLiteral("Implausible Data");

} // namespace

class AreasTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }
    void computes_data();
    void computes();
    void germanLocaleUsesDecimalComma();
    void showsItsWorking_data();
    void showsItsWorking();
};

void AreasTest::computes_data()
{
    QTest::addColumn<TaskFunction>("task");
    QTest::addColumn<QList<double>>("inputs"); // in reading order
    QTest::addColumn<QString>("expected");

    // Pi is cut to 15 digits: 2 * pi would show ...959.
    row("circle, radius 1: area", withInputs<circleAreaFromRadius>, {1}, "3.14159265358979");
    row("circle, radius 1: perimeter", withInputs<circlePerimeterFromRadius>, {1},
        "6.28318530717958");
    row("circle, diameter 2: area", withInputs<circleAreaFromDiameter>, {2}, "3.14159265358979");
    row("circle, diameter 2: perimeter", withInputs<circlePerimeterFromDiameter>, {2},
        "6.28318530717958");
    row("circle, area pi: radius", withInputs<circleRadiusFromArea>, {3.14159265358979}, "1");
    row("circle, area pi: diameter", withInputs<circleDiameterFromArea>, {3.14159265358979}, "2");
    row("circle, perimeter 10: radius", withInputs<circleRadiusFromPerimeter>, {10},
        "1.59154943091896");
    row("circle, perimeter 10: diameter", withInputs<circleDiameterFromPerimeter>, {10},
        "3.18309886183791");
    row("circle, radius 1/2: area", withInputs<circleAreaFromRadius>, {0.5}, "0.785398163397448");
    row("circle, area 10: perimeter", withInputs<circlePerimeterFromArea>, {10},
        "11.2099824327959");
    row("circle, perimeter 10: area", withInputs<circleAreaFromPerimeter>, {10},
        "7.95774715459478");
    row("circle, radius 1e200: area too big", withInputs<circleAreaFromRadius>, {1e200}, tooBig);
    row("circle, r * pi too big", withInputs<circlePerimeterFromRadius>, {1e308}, tooBig);
    // Below the Real range an area would show as 0, or with digits lost.
    row("circle, radius 1e-200: area underflows", withInputs<circleAreaFromRadius>, {1e-200},
        tooBig);
    row("circle, huge perimeter: area too big", withInputs<circleAreaFromPerimeter>, {1e308},
        tooBig);

    row("square, side 3: area", withInputs<squareArea>, {3}, "9");
    row("square, side 3: perimeter", withInputs<squarePerimeter>, {3}, "12");
    row("square, area 2: side", withInputs<squareSideFromArea>, {2}, "1.4142135623731");
    row("square, area 2: perimeter", withInputs<squarePerimeterFromArea>, {2}, "5.65685424949238");
    row("square, perimeter 10: side", withInputs<squareSideFromPerimeter>, {10}, "2.5");
    row("square, perimeter 10: area", withInputs<squareAreaFromPerimeter>, {10}, "6.25");
    row("square, side near 1e160: area too big", withInputs<squareArea>, {1.5e160}, tooBig);
    row("trapezium 3, 5, height 2", withInputs<trapeziumArea>, {3, 5, 2}, "8");
    row("trapezium, (b + a) * h too big", withInputs<trapeziumArea>, {1e308, 1e308, 0.5}, tooBig);
    row("diagonals 4 and 6", withInputs<perpendicularDiagonalsArea>, {4, 6}, "12");
    row("rectangle 3 by 4: area", withInputs<rectangleArea>, {3, 4}, "12");
    row("rectangle 3 by 4: perimeter", withInputs<rectanglePerimeter>, {3, 4}, "14");
    row("rectangle, side 4, area 10: B", withInputs<rectangleSideFromArea>, {4, 10}, "2.5");
    row("rectangle, side 4, area 10: perimeter", withInputs<rectanglePerimeterFromArea>, {4, 10},
        "13");
    row("rectangle, A / a too big", withInputs<rectanglePerimeterFromArea>, {1e-10, 1e300}, tooBig);
    row("rectangle, 1 and 3.123456: B rounded", withInputs<rectangleSideFromPerimeter>,
        {1, 3.123456}, "0.5617");
    row("rectangle, 1 and 3.123456: area not rounded", withInputs<rectangleAreaFromPerimeter>,
        {1, 3.123456}, "0.561728");
    row("B, a tie rounds down to even", withInputs<rectangleSideFromPerimeter>, {1, 2.0625},
        "0.0312");
    row("B, a tie rounds up to even", withInputs<rectangleSideFromPerimeter>, {1, 2.1875},
        "0.0938");
    // Ties as shown, B 0.00125 and 0.00155, though their Reals lie a hair above and below.
    row("B, a shown tie rounds down to even", withInputs<rectangleSideFromPerimeter>, {0.1, 0.2025},
        "0.0012");
    row("B, a shown tie rounds up to even", withInputs<rectangleSideFromPerimeter>, {0.1, 0.2031},
        "0.0016");
    row("B, 4 decimals in the 15th digit", withInputs<rectangleSideFromPerimeter>,
        {1, 2468024682.46914}, "1234012340.2346");
    row("B, too large to scale, kept whole", withInputs<rectangleSideFromPerimeter>, {1, 1e300},
        "5E+299");
    row("rectangle 5 and 10: B implausible", withInputs<rectangleSideFromPerimeter>, {5, 10},
        implausible);
    row("rectangle 5 and 10: area implausible", withInputs<rectangleAreaFromPerimeter>, {5, 10},
        implausible);
    row("rectangle 5 and 8: B implausible", withInputs<rectangleSideFromPerimeter>, {5, 8},
        implausible);
    row("rectangle, 2a beyond range: implausible", withInputs<rectangleAreaFromPerimeter>,
        {1e308, 1e308}, implausible);
    row("rectangle, a * (d / 2) too big", withInputs<rectangleAreaFromPerimeter>, {1e300, 1e301},
        tooBig);
    row("parallelogram 4 by 2.5: area", withInputs<parallelogramArea>, {4, 2.5}, "10");
    row("parallelogram 4, area 10: the other", withInputs<parallelogramOtherFromArea>, {4, 10},
        "2.5");
    row("parallelogram 3 and 4: perimeter", withInputs<parallelogramPerimeter>, {3, 4}, "14");

    row("triangle, base 4, height 3: area", withInputs<triangleArea>, {4, 3}, "6");
    row("triangle, base 4, area 6: height", withInputs<triangleHeight>, {4, 6}, "3");
    row("triangle, height 3, area 6: base", withInputs<triangleBase>, {3, 6}, "4");
    row("triangle 3, 4, 5: perimeter", withInputs<trianglePerimeter>, {3, 4, 5}, "12");
    row("Heron 3, 4, 5", withInputs<heronArea>, {3, 4, 5}, "6");
    row("Heron, flat 1, 2, 3", withInputs<heronArea>, {1, 2, 3}, "0");
    // Flat as typed, though the Reals of 0.1, 0.3 and 0.4 miss it by a hair either way.
    row("Heron, flat 0.3, 0.4, 0.1", withInputs<heronArea>, {0.3, 0.4, 0.1}, "0");
    row("Heron, flat 0.1, 0.2, 0.3", withInputs<heronArea>, {0.1, 0.2, 0.3}, "0");
    row("Heron, no triangle 1, 1, 3", withInputs<heronArea>, {1, 1, 3}, unreasonable);
    row("Heron, no triangle by 1E-14", withInputs<heronArea>, {1, 1, 2.00000000000001},
        unreasonable);
    row("Heron, sides near 1e160", withInputs<heronArea>, {1e160, 1e160, 1e160}, tooBig);
    row("Heron, huge and no triangle", withInputs<heronArea>, {1e160, 1e160, 3e160}, unreasonable);
    row("triangle, h * b too big though half fits", withInputs<triangleArea>, {1e308, 2}, tooBig);
    row("triangle, h * b just fits", withInputs<triangleArea>, {1e308, 1.5}, "7.5E+307");
    row("triangle, area loses digits below the range", withInputs<triangleArea>, {1e-160, 1e-160},
        tooBig);
    row("Heron, sides 1e-100: p underflows", withInputs<heronArea>, {1e-100, 1e-100, 1e-100},
        tooBig);
}

void AreasTest::computes()
{
    QFETCH(TaskFunction, task);
    QFETCH(QList<double>, inputs);
    QFETCH(QString, expected);
    QCOMPARE(shown(task(typed(inputs))), expected);
}

void AreasTest::germanLocaleUsesDecimalComma()
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const QString area = shown(circleAreaFromRadius(typed(0.5)));
    QLocale::setDefault(QLocale::c());
    QCOMPARE(area, "0,785398163397448");
}

void AreasTest::showsItsWorking_data()
{
    QTest::addColumn<TaskFunction>("task");
    QTest::addColumn<QList<double>>("inputs");
    QTest::addColumn<QStringList>("steps"); // found in the working; none where the task refuses
    workingRow("circle, radius: area", withInputs<circleAreaFromRadius>, {1},
               {"Area = r × π × r = 1 × 3.14159265359 × 1 = 3.14159265358979"});
    workingRow("circle, tiny radius: area", withInputs<circleAreaFromRadius>, {1e-5},
               {"1E-05 × 3.14159265359 × 1E-05"});
    workingRow("circle, radius: perimeter", withInputs<circlePerimeterFromRadius>, {1},
               {"2 × 3.14159265359 × 1"});
    workingRow("circle, diameter: area", withInputs<circleAreaFromDiameter>, {2},
               {"r = d ÷ 2 = 2 ÷ 2 = 1"});
    workingRow("circle, diameter: perimeter", withInputs<circlePerimeterFromDiameter>, {2},
               {"r = d ÷ 2 = 2 ÷ 2 = 1"});
    workingRow("circle, area: radius", withInputs<circleRadiusFromArea>, {3.14159265358979},
               {"√(3.14159265359 ÷ 3.14159265359)"});
    workingRow("circle, area: diameter", withInputs<circleDiameterFromArea>, {3.14159265358979},
               {"d = 2 × r = 2 × 1 = 2"});
    workingRow("circle, perimeter: radius", withInputs<circleRadiusFromPerimeter>, {10},
               {"d = P ÷ π = 10 ÷ 3.14159265359 = 3.18309886184"});
    workingRow("circle, perimeter: diameter", withInputs<circleDiameterFromPerimeter>, {10},
               {"10 ÷ 3.14159265359"});
    workingRow("circle, area: perimeter", withInputs<circlePerimeterFromArea>, {10},
               {"√(10 ÷ 3.14159265359) = 1.78412411615", "2 × 1.78412411615 × "});
    workingRow("circle, perimeter: area", withInputs<circleAreaFromPerimeter>, {10},
               {"1.59154943092² × 3.14159265359"});
    workingRow("circle, too big: none", withInputs<circleAreaFromRadius>, {1e200}, {});

    workingRow("square, side: area", withInputs<squareArea>, {3}, {"Area = s² = 3² = 9"});
    workingRow("square, side: perimeter", withInputs<squarePerimeter>, {3}, {"4 × 3"});
    workingRow("square, area: side", withInputs<squareSideFromArea>, {2}, {"√2"});
    workingRow("square, area: perimeter", withInputs<squarePerimeterFromArea>, {2},
               {"s = √A = √2 = 1.41421356237", "4 × 1.41421356237"});
    workingRow("square, perimeter: side", withInputs<squareSideFromPerimeter>, {10}, {"10 ÷ 4"});
    workingRow("square, perimeter: area", withInputs<squareAreaFromPerimeter>, {10}, {"2.5²"});
    workingRow("trapezium", withInputs<trapeziumArea>, {3, 5, 2}, {"(3 + 5) × 2 ÷ 2"});
    workingRow("diagonals", withInputs<perpendicularDiagonalsArea>, {4, 6}, {"4 × 6 ÷ 2"});
    workingRow("rectangle: area", withInputs<rectangleArea>, {3, 4}, {"3 × 4"});
    workingRow("rectangle: perimeter", withInputs<rectanglePerimeter>, {3, 4}, {"2 × (3 + 4)"});
    workingRow("rectangle, area: B", withInputs<rectangleSideFromArea>, {4, 10}, {"10 ÷ 4"});
    workingRow("rectangle, area: perimeter", withInputs<rectanglePerimeterFromArea>, {4, 10},
               {"B = A ÷ a = 10 ÷ 4 = 2.5", "2 × (4 + 2.5)"});
    workingRow("rectangle, perimeter: B", withInputs<rectangleSideFromPerimeter>, {1, 3.123456},
               {"B = (P − 2 × a) ÷ 2 = (3.123456 − 2 × 1) ÷ 2 = 0.561728",
                "Round(B, 4) = Round(0.561728, 4) = 0.5617"});
    workingRow("rectangle, perimeter: area", withInputs<rectangleAreaFromPerimeter>, {1, 3.123456},
               {"1 × 0.561728"});
    workingRow("rectangle, a tie: B", withInputs<rectangleSideFromPerimeter>, {0.1, 0.2025},
               {"Round(B, 4) = Round(0.00125, 4) = 0.0012"});
    workingRow("rectangle, implausible: none", withInputs<rectangleSideFromPerimeter>, {5, 10}, {});
    workingRow("parallelogram: area", withInputs<parallelogramArea>, {4, 2.5}, {"4 × 2.5"});
    workingRow("parallelogram: the other", withInputs<parallelogramOtherFromArea>, {4, 10},
               {"Height/Base = Area ÷ (Base/Height) = 10 ÷ 4 = 2.5"});
    workingRow("parallelogram: perimeter", withInputs<parallelogramPerimeter>, {3, 4},
               {"2 × (3 + 4)"});

    workingRow("triangle: area", withInputs<triangleArea>, {4, 3}, {"4 × 3 ÷ 2"});
    workingRow("triangle: height", withInputs<triangleHeight>, {4, 6},
               {"h = 2 × A ÷ b = 2 × 6 ÷ 4 = 3"});
    workingRow("triangle: base", withInputs<triangleBase>, {3, 6}, {"2 × 6 ÷ 3"});
    workingRow("triangle: perimeter", withInputs<trianglePerimeter>, {3, 4, 5}, {"3 + 4 + 5"});
    workingRow("Heron", withInputs<heronArea>, {3, 4, 5},
               {"s = (a + b + c) ÷ 2 = (3 + 4 + 5) ÷ 2 = 6", "(6 − 3) × 6 × (6 − 4) × (6 − 5) = 36",
                "√36"});
    workingRow("Heron, flat", withInputs<heronArea>, {1, 2, 3}, {"√0 = 0"});
    workingRow("Heron, flat and huge", withInputs<heronArea>, {1e-300, 1e300, 1e300}, {"√0 = 0"});
    workingRow("Heron, flat as typed", withInputs<heronArea>, {0.1, 0.2, 0.3},
               {" × (0.3 − 0.3) = 0", "√0 = 0"});
    workingRow("Heron, no triangle: none", withInputs<heronArea>, {1, 1, 3}, {});
}

void AreasTest::showsItsWorking()
{
    QFETCH(TaskFunction, task);
    QFETCH(QList<double>, inputs);
    QFETCH(QStringList, steps);
    const Outcome<Real> outcome = task(typed(inputs));
    const auto* solved = std::get_if<Solved<Real>>(&outcome);
    if (!solved) {
        QCOMPARE(steps, QStringList{}); // a refusal has no working to hold them
        return;
    }
    const Working& lines = solved->working;
    QVERIFY(!lines.isEmpty());
    QVERIFY2(lines.last().endsWith(QStringLiteral(" = ") + shown(outcome)),
             qPrintable(lines.last()));
    const QString text = lines.join(u'\n');
    for (const QString& expected : steps)
        QVERIFY2(text.contains(expected), qPrintable(text));
    static const QRegularExpression unshowable(QStringLiteral("inf|nan|(?<![E\\d])-0(?![\\d.])"),
                                               QRegularExpression::CaseInsensitiveOption);
    QVERIFY2(!text.contains(unshowable), qPrintable(text));
}

QTEST_GUILESS_MAIN(AreasTest)
#include "tst_areas.moc"
