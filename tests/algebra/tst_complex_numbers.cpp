#include "algebra/complex_numbers.h"
#include "input/answer_text.h"
#include "input/number_text.h"
#include "support/overloaded.h"
#include "support/reals.h"
#include "support/rows.h"

#include <QLocale>
#include <QTest>

#include <limits>

namespace {

const QString tooBig = QStringLiteral("The Number Is Too Big!!!");
const QString divisorZero = QStringLiteral("Complex Number two csn't be zero!!!.");
const QString setOperation = QStringLiteral("Please Set the operation [+ - * / < > =]!!!.");

// What a window would show: the result pair as number text, or the message alone.
QStringList shown(const Outcome<Complex>& outcome)
{
    return std::visit(overloaded{
                          [](const Solved<Complex>& c) {
                              return QStringList{numberText(c.values.re.value()),
                                                 numberText(c.values.im.value())};
                          },
                          [](Message m) { return QStringList{messageText(m)}; },
                      },
                      outcome);
}

QString shown(const Outcome<QString>& outcome)
{
    return std::visit(overloaded{
                          [](const Solved<QString>& text) { return text.values; },
                          [](Message m) { return messageText(m); },
                      },
                      outcome);
}

QString polar(const char* q, const char* a)
{
    return QStringLiteral("Root(%1)*Cos(%2) + Root(%1)*i*Sin(%2)")
        .arg(QLatin1String(q), QLatin1String(a));
}

template <class Values> Working workingOf(const Outcome<Values>& outcome)
{
    const auto* solved = std::get_if<Solved<Values>>(&outcome);
    return solved ? solved->working : Working{};
}

// Every answer's working ends with the text the window shows, and a refusal has none.
void checkWorking(const Working& working, const QString& lastShown, bool refused)
{
    QCOMPARE(working.isEmpty(), refused);
    if (refused)
        return;
    QVERIFY2(working.last().endsWith(QStringLiteral(" = ") + lastShown),
             qPrintable(working.last()));
    for (const QString& line : working)
        QVERIFY2(!line.contains(u"inf") && !line.contains(u"nan") && !line.contains(u"-0 ") &&
                     !line.contains(u"(-0)"),
                 qPrintable(line));
}

// A part typed as a fraction: the double a field reads beside its exact value.
Real fraction(long numerator, long denominator = 1)
{
    return Real::typed(double(numerator) / double(denominator), mpq_class(numerator, denominator));
}

// The working of a task as the Exact format writes it.
template <class Task> Working exactWorkingOf(Task task)
{
    const WorkingStyleScope style(WorkingStyle::Exact);
    return workingOf(task());
}

} // namespace

Q_DECLARE_METATYPE(Complex)

class ComplexNumbersTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }
    void operations_data();
    void operations();
    void powerOfI_data();
    void powerOfI();
    void polarForm_data();
    void polarForm();
    void germanLocaleShowsDecimalComma();
    void showsItsWorking_data();
    void showsItsWorking();
    void exactOperations_data();
    void exactOperations();
    void exactWorking_data();
    void exactWorking();
};

void ComplexNumbersTest::operations_data()
{
    QTest::addColumn<double>("re1");
    QTest::addColumn<double>("im1");
    QTest::addColumn<QString>("op");
    QTest::addColumn<double>("re2");
    QTest::addColumn<double>("im2");
    QTest::addColumn<QStringList>("expected"); // {R, Im} or {message}
    const double big = 1e200;
    QTest::newRow("add") << 3.0 << -2.0 << "+" << 6.0 << 4.0 << QStringList{"9", "2"};
    QTest::newRow("subtract") << 3.0 << -2.0 << "-" << 6.0 << 4.0 << QStringList{"-3", "-6"};
    QTest::newRow("multiply") << 1.0 << 2.0 << "*" << 3.0 << 4.0 << QStringList{"-5", "10"};
    QTest::newRow("divide") << 1.0 << 2.0 << "/" << 3.0 << 4.0 << QStringList{"0.44", "0.08"};
    QTest::newRow("divide by pure imaginary")
        << 1.0 << 2.0 << "/" << 0.0 << 5.0 << QStringList{"0.4", "-0.2"};
    QTest::newRow("divide by real")
        << 1.0 << 2.0 << "/" << -4.0 << 0.0 << QStringList{"-0.25", "-0.5"};
    QTest::newRow("sum shown to 15 digits")
        << 0.1 << 0.0 << "+" << 0.2 << 0.0 << QStringList{"0.3", "0"};
    QTest::newRow("no negative zero") << 0.0 << 0.0 << "*" << -1.0 << 0.0 << QStringList{"0", "0"};
    QTest::newRow("divide by zero") << 1.0 << 2.0 << "/" << 0.0 << 0.0 << QStringList{divisorZero};
    QTest::newRow("divide by negative zero")
        << 1.0 << 2.0 << "/" << -0.0 << -0.0 << QStringList{divisorZero};
    QTest::newRow("zero by zero") << 0.0 << 0.0 << "/" << 0.0 << 0.0 << QStringList{divisorZero};
    QTest::newRow("leading blank") << 1.0 << 1.0 << " +" << 1.0 << 1.0 << QStringList{setOperation};
    QTest::newRow("trailing blank")
        << 1.0 << 1.0 << "+ " << 1.0 << 1.0 << QStringList{setOperation};
    QTest::newRow("x for times") << 1.0 << 1.0 << "x" << 1.0 << 1.0 << QStringList{setOperation};
    QTest::newRow("empty") << 1.0 << 1.0 << "" << 1.0 << 1.0 << QStringList{setOperation};
    QTest::newRow("two signs") << 1.0 << 1.0 << "++" << 1.0 << 1.0 << QStringList{setOperation};
    QTest::newRow("comparison offered by the message")
        << 1.0 << 1.0 << "<" << 1.0 << 1.0 << QStringList{setOperation};
    QTest::newRow("unknown operation before zero divisor")
        << 1.0 << 1.0 << "%" << 0.0 << 0.0 << QStringList{setOperation};
    QTest::newRow("sum overflows") << 1e308 << 0.0 << "+" << 1e308 << 0.0 << QStringList{tooBig};
    QTest::newRow("difference overflows")
        << 0.0 << -1e308 << "-" << 0.0 << 1e308 << QStringList{tooBig};
    QTest::newRow("product overflows") << big << 0.0 << "*" << big << 0.0 << QStringList{tooBig};
    QTest::newRow("overflows cancel to nan")
        << big << big << "*" << big << big << QStringList{tooBig};
    QTest::newRow("divisor squared overflows")
        << 1.0 << 1.0 << "/" << big << 0.0 << QStringList{tooBig};
    QTest::newRow("divisor squared underflows")
        << 1.0 << 0.0 << "/" << 1e-200 << 0.0 << QStringList{tooBig};
    QTest::newRow("quotient overflows")
        << 1e300 << 0.0 << "/" << 1e-10 << 0.0 << QStringList{tooBig};
    QTest::newRow("numerator product overflows")
        << big << 0.0 << "/" << big / 1e50 << 0.0 << QStringList{tooBig};
    QTest::newRow("large but fine")
        << 1e150 << 1e150 << "*" << 1e150 << -1e150 << QStringList{"2E+300", "0"};
}

void ComplexNumbersTest::operations()
{
    QFETCH(double, re1);
    QFETCH(double, im1);
    QFETCH(QString, op);
    QFETCH(double, re2);
    QFETCH(double, im2);
    QFETCH(QStringList, expected);
    const Outcome<Complex> outcome =
        complexOperation({typed(re1), typed(im1)}, op, {typed(re2), typed(im2)});
    QCOMPARE(shown(outcome), expected);
    checkWorking(workingOf(outcome), expected.last(), expected.size() == 1);
}

void ComplexNumbersTest::powerOfI_data()
{
    QTest::addColumn<double>("n");
    QTest::addColumn<QString>("expected");
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    QTest::newRow("0") << 0.0 << "1";
    QTest::newRow("1") << 1.0 << "i";
    QTest::newRow("2") << 2.0 << "-1";
    QTest::newRow("3") << 3.0 << "-i";
    QTest::newRow("4") << 4.0 << "1";
    QTest::newRow("5") << 5.0 << "i";
    QTest::newRow("6") << 6.0 << "-1";
    QTest::newRow("7") << 7.0 << "-i";
    QTest::newRow("-1") << -1.0 << "-i";
    QTest::newRow("-2") << -2.0 << "-1";
    QTest::newRow("-3") << -3.0 << "i";
    QTest::newRow("-4") << -4.0 << "1";
    QTest::newRow("1/2 rounds to 0") << 0.5 << "1";
    QTest::newRow("1.5 rounds to 2") << 1.5 << "-1";
    QTest::newRow("2.5 rounds to 2") << 2.5 << "-1";
    QTest::newRow("3.5 rounds to 4") << 3.5 << "1";
    QTest::newRow("-0.5 rounds to 0") << -0.5 << "1";
    QTest::newRow("-1.5 rounds to -2") << -1.5 << "-1";
    QTest::newRow("2.6 rounds to 3") << 2.6 << "-i";
    QTest::newRow("largest 32-bit") << 2147483647.0 << "-i";
    QTest::newRow("smallest 32-bit") << -2147483648.0 << "1";
    QTest::newRow("one above smallest") << -2147483647.0 << "i";
    QTest::newRow("tie below smallest rounds into range") << -2147483648.5 << "1";
    QTest::newRow("tie above largest rounds out") << 2147483647.5 << tooBig;
    QTest::newRow("2^31") << 2147483648.0 << tooBig;
    QTest::newRow("1e10") << 1e10 << tooBig;
    QTest::newRow("-1e10") << -1e10 << tooBig;
    QTest::newRow("infinity") << inf << tooBig;
    QTest::newRow("nan") << nan << tooBig;
}

void ComplexNumbersTest::powerOfI()
{
    QFETCH(double, n);
    QFETCH(QString, expected);
    const Outcome<QString> outcome = ::powerOfI(typed(n));
    QCOMPARE(shown(outcome), expected);
    checkWorking(workingOf(outcome), expected, expected == tooBig);
}

void ComplexNumbersTest::polarForm_data()
{
    QTest::addColumn<double>("x");
    QTest::addColumn<double>("y");
    QTest::addColumn<QString>("expected");
    QTest::newRow("3+4i") << 3.0 << 4.0 << polar("25", "53.13");
    QTest::newRow("1+i") << 1.0 << 1.0 << polar("2", "45");
    QTest::newRow("2+i") << 2.0 << 1.0 << polar("5", "26.57");
    QTest::newRow("second quadrant") << -1.0 << 1.0 << polar("2", "135");
    QTest::newRow("third quadrant") << -3.0 << -4.0 << polar("25", "-126.87");
    QTest::newRow("fourth quadrant") << 1.0 << -1.0 << polar("2", "-45");
    QTest::newRow("positive imaginary axis") << 0.0 << 2.0 << polar("4", "90");
    QTest::newRow("negative imaginary axis") << 0.0 << -2.0 << polar("4", "-90");
    QTest::newRow("negative real axis") << -1.0 << 0.0 << polar("1", "180");
    QTest::newRow("negative real axis, -0 part") << -1.0 << -0.0 << polar("1", "180");
    QTest::newRow("just below the negative axis") << -1.0 << -1e-10 << polar("1", "180");
    QTest::newRow("positive real axis") << 5.0 << 0.0 << polar("25", "0");
    QTest::newRow("zero") << 0.0 << 0.0 << polar("0", "0");
    QTest::newRow("negative zero") << -0.0 << -0.0 << polar("0", "0");
    QTest::newRow("thirds") << 1.0 / 3 << 1.0 / 3 << polar("0.222222222222222", "45");
    QTest::newRow("square overflows") << 1e200 << 1.0 << tooBig;
    QTest::newRow("sum overflows") << 1.2e154 << -1.2e154 << tooBig;
}

void ComplexNumbersTest::polarForm()
{
    QFETCH(double, x);
    QFETCH(double, y);
    QFETCH(QString, expected);
    const Outcome<QString> outcome = ::polarForm(typed(x), typed(y));
    QCOMPARE(shown(outcome), expected);
    checkWorking(workingOf(outcome), expected, expected == tooBig);
}

void ComplexNumbersTest::germanLocaleShowsDecimalComma()
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const QStringList sum = shown(complexOperation({typed(0.5), 1}, u"+", {typed(0.25), 0}));
    const QString angle = shown(::polarForm(1, 2));
    QLocale::setDefault(QLocale::c());
    QCOMPARE(sum, (QStringList{"0,75", "1"}));
    QCOMPARE(angle, polar("5", "63,43"));
}

void ComplexNumbersTest::showsItsWorking_data()
{
    QTest::addColumn<Working>("working");
    QTest::addColumn<Working>("expected");
    QTest::newRow("sum") << workingOf(complexOperation({3, -2}, u"+", {6, 4}))
                         << Working{"R = R1 + R2 = 3 + 6 = 9", "Im = Im1 + Im2 = (−2) + 4 = 2"};
    QTest::newRow("product") << workingOf(complexOperation({1, 2}, u"*", {3, 4}))
                             << Working{"R = R1 × R2 − Im1 × Im2 = 1 × 3 − 2 × 4 = -5",
                                        "Im = R1 × Im2 + Im1 × R2 = 1 × 4 + 2 × 3 = 10"};
    QTest::newRow("quotient")
        << workingOf(complexOperation({1, 2}, u"/", {3, 4}))
        << Working{"D = R2² + Im2² = 3² + 4² = 25",
                   "R = (R1 × R2 + Im1 × Im2) ÷ D = (1 × 3 + 2 × 4) ÷ 25 = 0.44",
                   "Im = (Im1 × R2 − R1 × Im2) ÷ D = (2 × 3 − 1 × 4) ÷ 25 = 0.08"};
    QTest::newRow("power, rounded")
        << workingOf(::powerOfI(typed(2.5)))
        << Working{"N = Round(2.5) = 2", "r = N mod 4 = 2 mod 4 = 2", "iᴺ = iʳ = i² = -1"};
    QTest::newRow("power, negative")
        << workingOf(::powerOfI(-1)) << Working{"r = N mod 4 = −1 mod 4 = 3", "iᴺ = iʳ = i³ = -i"};
    QTest::newRow("polar") << workingOf(::polarForm(3, 4))
                           << Working{"Q = R² + Im² = 3² + 4² = 25",
                                      "A = Angle(R, Im) in degrees = Angle(3, 4) = 53.13°",
                                      "√Q × cos(A) + √Q × i × sin(A) = " + polar("25", "53.13")};
}

void ComplexNumbersTest::showsItsWorking()
{
    QFETCH(Working, working);
    QFETCH(Working, expected);
    QCOMPARE(working, expected);
}

// Each part of the result as the Exact answer format writes it.
void ComplexNumbersTest::exactOperations_data()
{
    QTest::addColumn<Complex>("first");
    QTest::addColumn<QString>("op");
    QTest::addColumn<Complex>("second");
    QTest::addColumn<QStringList>("expected"); // {R, Im}
    row("sum of fractions", Complex{fraction(1, 2), fraction(1, 3)}, "+",
        Complex{fraction(1, 4), fraction(-1, 6)}, QStringList{"3/4", "1/6"});
    row("difference", Complex{fraction(1, 3), 0}, "-", Complex{fraction(1, 2), fraction(2, 7)},
        QStringList{"-1/6", "-2/7"});
    row("typed decimals", Complex{typed(0.1), 0}, "+", Complex{typed(0.2), 0},
        QStringList{"3/10", "0"});
    row("product", Complex{fraction(1, 3), 1}, "*", Complex{3, fraction(-1, 3)},
        QStringList{"4/3", "26/9"});
    row("quotient", Complex{1, 2}, "/", Complex{3, 4}, QStringList{"11/25", "2/25"});
    row("quotient of reals", Complex{-2, 0}, "/", Complex{3, 0}, QStringList{"-2/3", "0"});
    row("quotient by fractions", Complex{1, 0}, "/", Complex{fraction(1, 2), fraction(1, 3)},
        QStringList{"18/13", "-12/13"});
    row("too long: decimal", Complex{typed(1e150), typed(1e150)}, "*",
        Complex{typed(1e150), typed(-1e150)}, QStringList{"2E+300", "0"});
    row("read without its exact value: decimal", Complex{Real::inexact(1), 0}, "/", Complex{3, 0},
        QStringList{"0.333333333333333", "0"});
}

void ComplexNumbersTest::exactOperations()
{
    QFETCH(Complex, first);
    QFETCH(QString, op);
    QFETCH(Complex, second);
    QFETCH(QStringList, expected);
    const Outcome<Complex> outcome = complexOperation(first, op, second);
    const Complex& result = std::get<Solved<Complex>>(outcome).values;
    const AnswerChoice exact{AnswerStyle::Exact, 2};
    QCOMPARE((QStringList{answerText(result.re, exact), answerText(result.im, exact)}), expected);
}

void ComplexNumbersTest::exactWorking_data()
{
    QTest::addColumn<Working>("working");
    QTest::addColumn<Working>("expected");
    const Real third = fraction(1, 3);
    row("sum", exactWorkingOf([&] {
            return complexOperation({third, typed(0.5)}, u"+", {fraction(1, 6), typed(-0.25)});
        }),
        Working{"R = R1 + R2 = (1/3) + (1/6) = 1/2 = 0.5",
                "Im = Im1 + Im2 = 0.5 + (−0.25) = 1/4 = 0.25"});
    row("product", exactWorkingOf([&] {
            return complexOperation({third, 1}, u"*", {3, fraction(-1, 3)});
        }),
        Working{"R = R1 × R2 − Im1 × Im2 = (1/3) × 3 − 1 × (−1/3) = 4/3 ≈ 1.33333333333333",
                "Im = R1 × Im2 + Im1 × R2 = (1/3) × (−1/3) + 1 × 3 = 26/9 ≈ 2.88888888888889"});
    row("quotient", exactWorkingOf([] {
            return complexOperation({-2, 0}, u"/", {3, 0});
        }),
        Working{
            "D = R2² + Im2² = 3² + 0² = 9",
            "R = (R1 × R2 + Im1 × Im2) ÷ D = ((−2) × 3 + 0 × 0) ÷ 9 = −2/3 ≈ -0.666666666666667",
            "Im = (Im1 × R2 − R1 × Im2) ÷ D = (0 × 3 − (−2) × 0) ÷ 9 = 0"});
    row("power of a third", exactWorkingOf([&] { return ::powerOfI(third); }),
        Working{"N = Round(1/3) = 0", "r = N mod 4 = 0 mod 4 = 0", "iᴺ = iʳ = i⁰ = 1"});
    row("polar, whole modulus", exactWorkingOf([] { return ::polarForm(3, 4); }),
        Working{"Q = R² + Im² = 3² + 4² = 25", "A = Angle(R, Im) in degrees = Angle(3, 4) = 53.13°",
                "√Q = √25 = 5", "√Q × cos(A) + √Q × i × sin(A) = " + polar("25", "53.13")});
    row("polar, thirds", exactWorkingOf([&] { return ::polarForm(third, third); }),
        Working{"Q = R² + Im² = (1/3)² + (1/3)² = 2/9",
                "A = Angle(R, Im) in degrees = Angle(1/3, 1/3) = 45°", "√Q = √(2/9) = √2/3",
                "√Q × cos(A) + √Q × i × sin(A) = " + polar("0.222222222222222", "45")});
    row("polar, no exact modulus",
        exactWorkingOf([] { return ::polarForm(Real::inexact(1), Real::inexact(1)); }),
        Working{"Q = R² + Im² = 1² + 1² = 2", "A = Angle(R, Im) in degrees = Angle(1, 1) = 45°",
                "√Q × cos(A) + √Q × i × sin(A) = " + polar("2", "45")});
}

void ComplexNumbersTest::exactWorking()
{
    QFETCH(Working, working);
    QFETCH(Working, expected);
    QCOMPARE(working, expected);
}

QTEST_GUILESS_MAIN(ComplexNumbersTest)
#include "tst_complex_numbers.moc"
