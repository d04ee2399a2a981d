#include "algebra/quadratic.h"
#include "input/number_text.h"

#include <QLocale>
#include <QTest>

class QuadraticTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }
    void solves_data();
    void solves();
    void showsItsWorking_data();
    void showsItsWorking();
};

void QuadraticTest::solves_data()
{
    QTest::addColumn<double>("a");
    QTest::addColumn<double>("b");
    QTest::addColumn<double>("c");
    QTest::addColumn<QString>("x1"); // or the message shown instead
    QTest::addColumn<QString>("x2");
    const QString none = QStringLiteral("No Solution");
    const QString aZero =
        QStringLiteral("It Sould Be Quadratix Equation So A Value Must Not Be Zero ");
    const QString tooBig = QStringLiteral("The Number Is Too Big!!!");
    QTest::newRow("the window's example") << -3.0 << 6.0 << -2.0 << "0.422649730810374"
                                          << "1.57735026918963";
    QTest::newRow("two whole roots") << 1.0 << -3.0 << 2.0 << "2"
                                     << "1";
    QTest::newRow("x1 takes +root, so it is smaller when A < 0") << -1.0 << 3.0 << -2.0 << "1"
                                                                 << "2";
    QTest::newRow("double root") << 1.0 << 2.0 << 1.0 << "-1"
                                 << "-1";
    QTest::newRow("no real root") << 1.0 << 0.0 << 1.0 << none << none;
    QTest::newRow("no negative zero") << 1.0 << 0.0 << 0.0 << "0"
                                      << "0";
    QTest::newRow("fractions") << 0.5 << -1.25 << 0.5 << "2"
                               << "0.5";
    QTest::newRow("A is zero") << 0.0 << 2.0 << 1.0 << aZero << aZero;
    QTest::newRow("A is negative zero") << -0.0 << 2.0 << 1.0 << aZero << aZero;
    QTest::newRow("B squared overflows") << 1.0 << 1e155 << 1.0 << tooBig << tooBig;
    QTest::newRow("4AC overflows") << 1e308 << 1.0 << -1e308 << tooBig << tooBig;
    QTest::newRow("huge A, zero C") << 1e308 << 1.0 << 0.0 << tooBig << tooBig;
    QTest::newRow("root beyond range") << 1e-300 << 1e10 << 0.0 << tooBig << tooBig;
    QTest::newRow("tiny but fine") << 1e-10 << 0.0 << -1e-10 << "1"
                                   << "-1";
}

void QuadraticTest::solves()
{
    QFETCH(double, a);
    QFETCH(double, b);
    QFETCH(double, c);
    QFETCH(QString, x1);
    QFETCH(QString, x2);
    const Outcome<QuadraticAnswer> outcome = solveQuadratic(a, b, c);
    const auto* solved = std::get_if<Solved<QuadraticAnswer>>(&outcome);
    if (!solved) {
        QCOMPARE(messageText(std::get<Message>(outcome)), x1);
    } else if (const auto* roots = std::get_if<QuadraticRoots>(&solved->values)) {
        QCOMPARE(numberText(roots->x1), x1);
        QCOMPARE(numberText(roots->x2), x2);
    } else {
        QCOMPARE(QStringLiteral("No Solution"), x1);
    }
}

void QuadraticTest::showsItsWorking_data()
{
    QTest::addColumn<double>("a");
    QTest::addColumn<double>("b");
    QTest::addColumn<double>("c");
    QTest::addColumn<QStringList>("working");
    QTest::newRow("the window's example")
        << -3.0 << 6.0 << -2.0
        << QStringList{"D = B² − 4 × A × C = 6² − 4 × (−3) × (−2) = 12", "√D = √12 = 3.46410161514",
                       "X1 = (−B + √D) ÷ (2 × A) = (−6 + 3.46410161514) ÷ (−6) = 0.422649730810374",
                       "X2 = (−B − √D) ÷ (2 × A) = (−6 − 3.46410161514) ÷ (−6) = 1.57735026918963"};
    QTest::newRow("no real root") << 1.0 << 2.0 << 3.0
                                  << QStringList{
                                         "D = B² − 4 × A × C = 2² − 4 × 1 × 3 = −8",
                                         "D = −8 < 0, so there is no real root: No Solution"};
    QTest::newRow("double root, no negative zero")
        << 1.0 << 0.0 << 0.0
        << QStringList{"D = B² − 4 × A × C = 0² − 4 × 1 × 0 = 0", "√D = √0 = 0",
                       "X1 = (−B + √D) ÷ (2 × A) = (0 + 0) ÷ 2 = 0",
                       "X2 = (−B − √D) ÷ (2 × A) = (0 − 0) ÷ 2 = 0"};
    QTest::newRow("A is zero: refused, no working") << 0.0 << 1.0 << 1.0 << QStringList{};
    QTest::newRow("overflow: refused, no working") << 1.0 << 1e155 << 1.0 << QStringList{};
}

void QuadraticTest::showsItsWorking()
{
    QFETCH(double, a);
    QFETCH(double, b);
    QFETCH(double, c);
    QFETCH(QStringList, working);
    const Outcome<QuadraticAnswer> outcome = solveQuadratic(a, b, c);
    const auto* solved = std::get_if<Solved<QuadraticAnswer>>(&outcome);
    QCOMPARE(solved ? solved->working : Working{}, working);
}

QTEST_GUILESS_MAIN(QuadraticTest)
#include "tst_quadratic.moc"
