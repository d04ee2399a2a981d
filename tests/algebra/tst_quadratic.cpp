#include "algebra/quadratic.h"
#include "input/answer_text.h"
#include "input/number_text.h"
#include "support/reals.h"
#include "support/rows.h"

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
    void exactRoots_data();
    void exactRoots();
    void exactWorking_data();
    void exactWorking();
};

namespace {

// A coefficient typed as a fraction: the double a field reads beside its exact value.
Real fraction(long numerator, long denominator = 1)
{
    return Real::typed(double(numerator) / double(denominator), mpq_class(numerator, denominator));
}

using Coefficients = QList<Real>;

Outcome<QuadraticAnswer> solve(const Coefficients& abc)
{
    return solveQuadratic(abc[0], abc[1], abc[2]);
}

} // namespace

Q_DECLARE_METATYPE(Coefficients)

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
    const Outcome<QuadraticAnswer> outcome = solveQuadratic(typed(a), typed(b), typed(c));
    const auto* solved = std::get_if<Solved<QuadraticAnswer>>(&outcome);
    if (!solved) {
        QCOMPARE(messageText(std::get<Message>(outcome)), x1);
    } else if (const auto* roots = std::get_if<QuadraticRoots>(&solved->values)) {
        QCOMPARE(numberText(roots->x1.value()), x1);
        QCOMPARE(numberText(roots->x2.value()), x2);
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
    const Outcome<QuadraticAnswer> outcome = solveQuadratic(typed(a), typed(b), typed(c));
    const auto* solved = std::get_if<Solved<QuadraticAnswer>>(&outcome);
    QCOMPARE(solved ? solved->working : Working{}, working);
}

// Each root as the Exact answer format writes it: exact where the form has it, else the decimal.
void QuadraticTest::exactRoots_data()
{
    QTest::addColumn<Coefficients>("abc");
    QTest::addColumn<QStringList>("roots"); // X1, X2
    row("one root of 13", Coefficients{1, -3, -1}, QStringList{"(3 + √13)/2", "(3 - √13)/2"});
    row("the window's example", Coefficients{-3, 6, -2}, QStringList{"(3 - √3)/3", "(3 + √3)/3"});
    row("rational roots", Coefficients{3, -2, -1}, QStringList{"1", "-1/3"});
    row("typed thirds", Coefficients{1, fraction(-1, 3), fraction(-1, 3)},
        QStringList{"(1 + √13)/6", "(1 - √13)/6"});
    row("2A is 1", Coefficients{fraction(1, 2), 1, -1}, QStringList{"-1 + √3", "-1 - √3"});
    row("no rational part", Coefficients{2, 0, -1}, QStringList{"√2/2", "-√2/2"});
    row("typed decimals", Coefficients{typed(0.5), typed(-1.25), typed(0.5)},
        QStringList{"2", "1/2"});
    row("form too long: decimal",
        Coefficients{fraction(97, 101), fraction(89, 103), fraction(-83, 107)},
        QStringList{"0.555161551126133", "-1.45487128989102"});
    // C counts as shown, 0.333333333333333, so the roots part; the exact ones would not.
    row("shown C parts the double root: decimal",
        Coefficients{3, -2, Real::typed(0.333333333333333, mpq_class(1, 3))},
        QStringList{"0.333333344440003", "0.333333322226664"});
    row("typed as doubles only: decimal", Coefficients{1, Real::inexact(-3), Real::inexact(-1)},
        QStringList{"3.30277563773199", "-0.302775637731995"});
}

void QuadraticTest::exactRoots()
{
    QFETCH(Coefficients, abc);
    QFETCH(QStringList, roots);
    const Outcome<QuadraticAnswer> outcome = solve(abc);
    const auto& found = std::get<QuadraticRoots>(std::get<Solved<QuadraticAnswer>>(outcome).values);
    const AnswerChoice exact{AnswerStyle::Exact, 2};
    QCOMPARE((QStringList{answerText(found.x1, exact), answerText(found.x2, exact)}), roots);
}

void QuadraticTest::exactWorking_data()
{
    QTest::addColumn<Coefficients>("abc");
    QTest::addColumn<QStringList>("working");
    row("one root of 13", Coefficients{1, -3, -1},
        QStringList{"D = B² − 4 × A × C = (−3)² − 4 × 1 × (−1) = 13", "√D = √13",
                    "X1 = (−B + √D) ÷ (2 × A) = (3 + √13) ÷ 2 = (3 + √13)/2 ≈ 3.30277563773199",
                    "X2 = (−B − √D) ÷ (2 × A) = (3 − √13) ÷ 2 = (3 − √13)/2 ≈ -0.302775637731995"});
    row("the window's example", Coefficients{-3, 6, -2},
        QStringList{
            "D = B² − 4 × A × C = 6² − 4 × (−3) × (−2) = 12", "√D = √12 = 2√3",
            "X1 = (−B + √D) ÷ (2 × A) = (−6 + 2√3) ÷ (−6) = (3 − √3)/3 ≈ 0.422649730810374",
            "X2 = (−B − √D) ÷ (2 × A) = (−6 − 2√3) ÷ (−6) = (3 + √3)/3 ≈ 1.57735026918963"});
    row("typed thirds", Coefficients{1, fraction(-1, 3), fraction(-1, 3)},
        QStringList{
            "D = B² − 4 × A × C = (−1/3)² − 4 × 1 × (−1/3) = 13/9", "√D = √(13/9) = √13/3",
            "X1 = (−B + √D) ÷ (2 × A) = (1/3 + √13/3) ÷ 2 = (1 + √13)/6 ≈ 0.767591879243998",
            "X2 = (−B − √D) ÷ (2 × A) = (1/3 − √13/3) ÷ 2 = (1 − √13)/6 ≈ -0.434258545910665"});
    row("rational roots", Coefficients{3, -2, -1},
        QStringList{"D = B² − 4 × A × C = (−2)² − 4 × 3 × (−1) = 16", "√D = √16 = 4",
                    "X1 = (−B + √D) ÷ (2 × A) = (2 + 4) ÷ 6 = 1",
                    "X2 = (−B − √D) ÷ (2 × A) = (2 − 4) ÷ 6 = −1/3 ≈ -0.333333333333333"});
    row("no real root", Coefficients{1, fraction(1, 3), 1},
        QStringList{"D = B² − 4 × A × C = (1/3)² − 4 × 1 × 1 = −35/9",
                    "D = −35/9 < 0, so there is no real root: No Solution"});
    row("typed decimals stay as typed", Coefficients{typed(0.5), typed(-1.25), typed(0.5)},
        QStringList{"D = B² − 4 × A × C = (−1.25)² − 4 × 0.5 × 0.5 = 0.5625", "√D = √0.5625 = 0.75",
                    "X1 = (−B + √D) ÷ (2 × A) = (1.25 + 0.75) ÷ 1 = 2",
                    "X2 = (−B − √D) ÷ (2 × A) = (1.25 − 0.75) ÷ 1 = 1/2 = 0.5"});
}

// The steps as the Exact format writes them: exact values inside, the answer with its decimal.
void QuadraticTest::exactWorking()
{
    QFETCH(Coefficients, abc);
    QFETCH(QStringList, working);
    const WorkingStyleScope style(WorkingStyle::Exact);
    const Outcome<QuadraticAnswer> outcome = solve(abc);
    QCOMPARE(std::get<Solved<QuadraticAnswer>>(outcome).working, working);
}

QTEST_GUILESS_MAIN(QuadraticTest)
#include "tst_quadratic.moc"
