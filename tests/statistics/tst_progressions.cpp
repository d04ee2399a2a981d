#include "input/number_text.h"
#include "input/working.h"
#include "statistics/progressions.h"
#include "support/reals.h"

#include <QLocale>
#include <QRegularExpression>
#include <QTest>

namespace {

using T = ProgressionTerms;

// Each panel's task; a row names its panel first.
const struct {
    const char* panel;
    Outcome<Real> (*solve)(const T&);
} tasks[] = {
    {"AP1", arithmeticSum},  {"AP2", arithmeticSumOfEnds},  {"AP3", arithmeticSumFromLast},
    {"AP4", arithmeticLast}, {"AP5", arithmeticDifference}, {"AP6", arithmeticCount},
    {"GP1", geometricSum},   {"GP2", geometricSumToLast},   {"GP3", geometricInfiniteSum},
    {"GP4", geometricLast},  {"GP5", geometricRatio},
};

const QString tooBig = QStringLiteral("The Number Is Too Big!!!");
const QString unreasonable = QStringLiteral("Unreasonable Data!!!.");
const QString zeroOrOne = QStringLiteral("Q Must not be equals to zero or one.!!!");
const QString infiniteQ = QStringLiteral("In Infinite Progression Q Must be smaller than 1 and "
                                         "bigger than -1 and not be equals to Zero.!!!");
const QString a1OrN =
    QStringLiteral("A1 Must not be equals to zero And N must be bigger than one.!!!");

// The task a row's tag names in its first three letters.
Outcome<Real> solveRow(const T& terms)
{
    const QString panel = QString::fromLatin1(QTest::currentDataTag()).left(3);
    const auto task = std::find_if(std::begin(tasks), std::end(tasks),
                                   [&](const auto& task) { return panel == task.panel; });
    return task->solve(terms);
}

// p/q as a field reads it: the double of the division, the fraction exactly.
Real over(int p, int q)
{
    return Real(p) / Real(q);
}

} // namespace

class ProgressionsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }
    void computes_data();
    void computes();
    void exactArithmetic_data();
    void exactArithmetic() { checkExactForm(); }
    void exactGeometric_data();
    void exactGeometric() { checkExactForm(); }

private:
    void checkExactForm();
};

void ProgressionsTest::computes_data()
{
    QTest::addColumn<ProgressionTerms>("terms");
    QTest::addColumn<QString>("result"); // number text, or the message shown instead
    QTest::addColumn<QString>("step");   // a step the working shows
    const auto row = [](const char* name, T terms, const QString& result, const char* step = "") {
        QTest::newRow(name) << terms << result << QString::fromUtf8(step);
    };
    row("AP1 5050", {.a1 = 1, .n = 100, .d = 1}, "5050",
        "Sn = N × (2 × A1 + (N − 1) × D) ÷ 2 = 100 × (2 × 1 + 99 × 1) ÷ 2 = 5050");
    row("AP1 N need not be whole", {.a1 = 1, .n = typed(2.5), .d = 1}, "4.375");
    row("AP1 A1 + A1 beyond range", {.a1 = typed(1e308), .n = 2, .d = 1}, tooBig);
    row("AP2 5050", {.a1 = 1, .an = 100, .n = 100}, "5050");
    row("AP3 5050", {.an = 100, .n = 100, .d = 1}, "5050");
    row("AP4 11", {.a1 = 3, .n = 5, .d = 2}, "11");
    row("AP5 2", {.a1 = 3, .an = 11, .n = 5}, "2");
    row("AP5 N = 1 divides by zero", {.a1 = 3, .an = 11, .n = 1}, unreasonable);
    row("AP6 5", {.a1 = 3, .an = 11, .d = 2}, "5");
    row("AP6 2.5", {.a1 = 1, .an = 4, .d = 2}, "2.5",
        "N is not a whole number, so An is not a term of this progression: N = 2.5");
    row("AP6 D = 0 divides by zero", {.a1 = 1, .an = 4, .d = 0}, unreasonable);
    row("GP1 1023", {.a1 = 1, .n = 10, .q = 2}, "1023", "Qᴺ = 2¹⁰ = 1024");
    row("GP1 Q = 0", {.a1 = 1, .n = 10, .q = 0}, zeroOrOne);
    row("GP1 Q = 1", {.a1 = 1, .n = 10, .q = 1}, zeroOrOne);
    row("GP1 Q < 0, N not whole", {.a1 = 1, .n = typed(2.5), .q = -2}, unreasonable);
    row("GP1 Q ^ N beyond range", {.a1 = 1, .n = 400, .q = 10}, tooBig);
    row("GP2 1023", {.a1 = 1, .an = 512, .q = 2}, "1023");
    row("GP3 2", {.a1 = 1, .q = typed(0.5)}, "2");
    row("GP3 Q = 1", {.a1 = 1, .q = 1}, infiniteQ);
    row("GP3 Q = 0", {.a1 = 1, .q = 0}, infiniteQ);
    row("GP3 Q = -1", {.a1 = 1, .q = -1}, infiniteQ);
    row("GP3 beyond range", {.a1 = typed(1e308), .q = typed(0.5)}, tooBig);
    row("GP4 54", {.a1 = 2, .n = 4, .q = 3}, "54", "Qᴺ⁻¹ = 3³ = 27");
    row("GP4 Q = 1", {.a1 = 2, .n = 4, .q = 1}, zeroOrOne);
    row("GP4 Q < 0, N - 1 not whole", {.a1 = 2, .n = typed(3.5), .q = -2}, unreasonable);
    row("GP5 3", {.a1 = 2, .an = 54, .n = 4}, "3", "An ÷ A1 = 54 ÷ 2 = 27");
    row("GP5 N = 1", {.a1 = 2, .an = 54, .n = 1}, a1OrN);
    row("GP5 A1 = 0", {.a1 = 0, .an = 54, .n = 4}, a1OrN);
    row("GP5 odd root of a negative ratio", {.a1 = 1, .an = -8, .n = 4}, "-2",
        "Q = −ᴺ⁻¹√|An ÷ A1| = −³√8 = -2");
    row("GP5 whole power of a negative ratio", {.a1 = 1, .an = -8, .n = typed(1.5)}, "64");
    row("GP5 even root of a negative ratio", {.a1 = 1, .an = -16, .n = 3}, unreasonable);
    row("GP5 other root of a negative ratio", {.a1 = 1, .an = -8, .n = typed(3.5)}, unreasonable);
    row("GP5 ratio beyond range", {.a1 = typed(1e-300), .an = typed(1e300), .n = typed(1.5)},
        tooBig);
}

void ProgressionsTest::computes()
{
    QFETCH(ProgressionTerms, terms);
    QFETCH(QString, result);
    QFETCH(QString, step);
    const Outcome<Real> outcome = solveRow(terms);
    Working working;
    if (const auto* solved = std::get_if<Solved<Real>>(&outcome)) {
        QCOMPARE(numberText(solved->values.value()), result);
        working = solved->working;
        QVERIFY(working.last().endsWith(QStringLiteral(" = ") + result));
    } else {
        QCOMPARE(messageText(std::get<Message>(outcome)), result);
    }
    QVERIFY2(step.isEmpty() || working.contains(step), qPrintable(working.join(u'\n')));
    const QRegularExpression unshowable(QStringLiteral("inf|nan|-0(?![.\\d])"));
    QVERIFY(!working.join(u'\n').contains(unshowable));
}

namespace {

void exactColumns()
{
    QTest::addColumn<ProgressionTerms>("terms");
    QTest::addColumn<QString>("exact"); // the answer's exact form; empty where it has none
    QTest::addColumn<QString>("step");  // a step of the working in the exact style, if any
}

void exactRow(const char* name, const T& terms, const char* exact, const char* step)
{
    QTest::newRow(name) << terms << QString::fromUtf8(exact) << QString::fromUtf8(step);
}

} // namespace

void ProgressionsTest::exactArithmetic_data()
{
    exactColumns();
    const auto row = exactRow;
    row("AP1 typed decimal stays", {.a1 = typed(0.5), .n = 3, .d = 1}, "9/2",
        "Sn = N × (2 × A1 + (N − 1) × D) ÷ 2 = 3 × (2 × 0.5 + 2 × 1) ÷ 2 = 9/2 = 4.5");
    row("AP1 thirds", {.a1 = over(1, 3), .n = 3, .d = over(1, 3)}, "2",
        "Sn = N × (2 × A1 + (N − 1) × D) ÷ 2 = 3 × (2 × (1/3) + 2 × (1/3)) ÷ 2 = 2");
    row("AP2 quarters", {.a1 = over(1, 3), .an = over(1, 2), .n = 3}, "5/4",
        "Sn = N × (A1 + An) ÷ 2 = 3 × ((1/3) + 0.5) ÷ 2 = 5/4 = 1.25");
    row("AP3 whole from thirds", {.an = over(7, 3), .n = 3, .d = over(1, 3)}, "6",
        "Sn = N × (2 × An − (N − 1) × D) ÷ 2 = 3 × (2 × (7/3) − 2 × (1/3)) ÷ 2 = 6");
    row("AP4 thirds", {.a1 = over(1, 3), .n = 4, .d = over(1, 3)}, "4/3",
        "An = A1 + (N − 1) × D = (1/3) + 3 × (1/3) = 4/3 ≈ 1.33333333333333");
    row("AP5 a third", {.a1 = 1, .an = 2, .n = 4}, "1/3",
        "D = (An − A1) ÷ (N − 1) = (2 − 1) ÷ 3 = 1/3 ≈ 0.333333333333333");
    row("AP6 not whole", {.a1 = 1, .an = 4, .d = 2}, "5/2",
        "N is not a whole number, so An is not a term of this progression: N = 5/2 = 2.5");
    row("AP6 negative thirds", {.a1 = 0, .an = -1, .d = over(-1, 3)}, "4",
        "N = (An − A1 + D) ÷ D = ((−1) − 0 + (−1/3)) ÷ (−1/3) = 4");
}

void ProgressionsTest::exactGeometric_data()
{
    exactColumns();
    const auto row = exactRow;
    row("GP1 power of a third", {.a1 = 1, .n = 2, .q = over(1, 3)}, "4/3", "Qᴺ = (1/3)² = 1/9");
    row("GP1 square root that is whole", {.a1 = 1, .n = typed(0.5), .q = 4}, "1/3",
        "Sn = (Qᴺ − 1) × A1 ÷ (Q − 1) = (2 − 1) × 1 ÷ (4 − 1) = 1/3 ≈ 0.333333333333333");
    row("GP1 square root", {.a1 = 1, .n = typed(0.5), .q = 2}, "-1 + √2", "Qᴺ = 2^0.5 = √2");
    row("GP1 cube root has no form", {.a1 = 1, .n = over(1, 3), .q = 2}, "",
        "Qᴺ = 2^(1/3) = 1.25992104989");
    row("GP2 eighths", {.a1 = 1, .an = over(1, 8), .q = typed(0.5)}, "15/8",
        "Sn = (An × Q − A1) ÷ (Q − 1) = (0.125 × 0.5 − 1) ÷ (0.5 − 1) = 15/8 = 1.875");
    row("GP3 thirds", {.a1 = 1, .q = over(1, 3)}, "3/2",
        "S = A1 ÷ (1 − Q) = 1 ÷ (1 − (1/3)) = 3/2 = 1.5");
    row("GP3 negative ratio", {.a1 = 1, .q = typed(-0.5)}, "2/3",
        "S = A1 ÷ (1 − Q) = 1 ÷ (1 − (−0.5)) = 2/3 ≈ 0.666666666666667");
    row("GP4 eighths", {.a1 = 3, .n = 4, .q = typed(0.5)}, "3/8",
        "An = Qᴺ⁻¹ × A1 = 0.125 × 3 = 3/8 = 0.375");
    row("GP4 square root", {.a1 = 1, .n = typed(1.5), .q = 2}, "√2",
        "An = Qᴺ⁻¹ × A1 = √2 × 1 = √2 ≈ 1.4142135623731");
    row("GP5 square root", {.a1 = 1, .an = 8, .n = 3}, "2√2",
        "Q = ᴺ⁻¹√(An ÷ A1) = ²√8 = 2√2 ≈ 2.82842712474619");
    row("GP5 sixth root is a square root", {.a1 = 1, .an = 8, .n = 7}, "√2",
        "Q = ᴺ⁻¹√(An ÷ A1) = ⁶√8 = √2 ≈ 1.41421356237309");
    row("GP5 rational root", {.a1 = 2, .an = 54, .n = 4}, "3", "Q = ᴺ⁻¹√(An ÷ A1) = ³√27 = 3");
    row("GP5 root of a fraction", {.a1 = 3, .an = over(1, 9), .n = 3}, "√3/9",
        "An ÷ A1 = (1/9) ÷ 3 = 1/27");
    row("GP5 odd root of a negative ratio", {.a1 = 1, .an = over(-8, 27), .n = 4}, "-2/3",
        "Q = −ᴺ⁻¹√|An ÷ A1| = −³√(8/27) = −2/3 ≈ -0.666666666666667");
    row("GP5 root and power", {.a1 = 1, .an = 8, .n = typed(2.5)}, "4",
        "Q = ᴺ⁻¹√(An ÷ A1) = (8)^(1/1.5) = 4");
    row("GP5 root of a huge index has no form", {.a1 = 1, .an = 8, .n = typed(1e15)}, "", "");
    row("GP5 any root of one", {.a1 = 2, .an = 2, .n = typed(1e15)}, "1", "");
    row("GP1 huge power has no form", {.a1 = 1, .n = typed(1e9), .q = typed(1.0000000001)}, "", "");
    row("GP5 cube root has no form", {.a1 = 1, .an = 2, .n = 4}, "",
        "Q = ᴺ⁻¹√(An ÷ A1) = ³√2 = 1.25992104989487");
}

void ProgressionsTest::checkExactForm()
{
    QFETCH(ProgressionTerms, terms);
    QFETCH(QString, exact);
    QFETCH(QString, step);
    const WorkingStyleScope style(WorkingStyle::Exact);
    const Outcome<Real> outcome = solveRow(terms);
    const auto* solved = std::get_if<Solved<Real>>(&outcome);
    QVERIFY(solved);
    QCOMPARE(exactText(solved->values).value_or(QString()), exact);
    QVERIFY2(step.isEmpty() || solved->working.contains(step),
             qPrintable(solved->working.join(u'\n')));
}

QTEST_GUILESS_MAIN(ProgressionsTest)
#include "tst_progressions.moc"
