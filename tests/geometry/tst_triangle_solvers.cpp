#include "geometry/law_of_cosines.h"
#include "geometry/law_of_sines.h"
#include "geometry/pi.h"
#include "input/answer_text.h"
#include "input/number_text.h"
#include "support/reals.h"

#include <QLocale>
#include <QRegularExpression>
#include <QTest>

namespace {

const QString unreasonable = QStringLiteral("Unreasonable Data!!!.");
const QString tooBig = QStringLiteral("The Number Is Too Big!!!");
const QString none = QStringLiteral("There is no solution");

using TriangleTask = Outcome<TriangleSolution, TriangleRefusal> (*)(Real, Real, Real);

// Each solve by the letters it reads, with the letters its panel writes, in order, and the
// value found last, on which its working ends.
struct Solve {
    TriangleTask solve;
    const char* writes;
    char last;
};
const QHash<QString, Solve> solvers = {
    {"azb", {solveSideAngleSide, "cxy", 'y'}},         {"abc", {solveSideSideSide, "zxy", 'z'}},
    {"xzb", {solveAnglesXZSideB, "cay", 'a'}},         {"yzc", {solveAnglesYZSideC, "xab", 'b'}},
    {"yac", {solveSidesAndOppositeAngle, "xzb", 'b'}},
};

// What the panel shows: the number texts it writes, or its one message, marked when it comes
// from the height test.
QStringList shown(const Outcome<TriangleSolution, TriangleRefusal>& outcome, const char* letters)
{
    if (const auto* refusal = std::get_if<TriangleRefusal>(&outcome))
        return {messageText(refusal->message) + (refusal->fromHeightTest ? " (height)" : "")};
    const Triangle& t = std::get<Solved<TriangleSolution>>(outcome).values.triangle;
    const double values[] = {t.a.value(), t.b.value(), t.c.value(),
                             t.x.value(), t.y.value(), t.z.value()};
    QStringList texts;
    for (const char* letter = letters; *letter; ++letter)
        texts << numberText(values[QByteArrayView("abcxyz").indexOf(*letter)]);
    return texts;
}

// The columns of a solve table: the letters it reads, its three numbers, what it shows, a step
// its working holds, and the second triangle it names.
void addSolveColumns()
{
    QTest::addColumn<QString>("reads");
    QTest::addColumn<double>("p");
    QTest::addColumn<double>("q");
    QTest::addColumn<double>("r");
    QTest::addColumn<QStringList>("shown");
    QTest::addColumn<QString>("step");
    QTest::addColumn<QString>("second");
}

void row(const char* name, const char* reads, double p, double q, double r,
         const QStringList& shown, const QString& step = {}, const QString& second = {})
{
    QTest::newRow(name) << QString::fromLatin1(reads) << p << q << r << shown << step << second;
}

} // namespace

class TriangleSolversTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }
    void inverses();
    void lawOfCosines_data();
    void lawOfCosines() { solves(); }
    void lawOfSines_data();
    void lawOfSines() { solves(); }
    void exactAnswers_data();
    void exactAnswers();
    void exactWorking_data();
    void exactWorking();

private:
    void solves();
};

void TriangleSolversTest::inverses()
{
    // To the last bit: the flat triangles' 0 and 180 rest on them.
    QCOMPARE(Arccos(1), 0.0);
    QCOMPARE(Arccos(-1), pi15);
    QCOMPARE(Arcsin(1), 1.570796326794895);
    QCOMPARE(Arcsin(-1), -pi15 / 2);
    QCOMPARE(Arccos(-1) * radiansToDegrees, 180.0);
}

void TriangleSolversTest::lawOfCosines_data()
{
    addSolveColumns();
    row("3, 90, 4: cos(90) is not quite 0, c still shows 5", "azb", 3, 90, 4,
        {"5", "53.1301023541561", "36.8698976458439"},
        "c = √(a² + b² − 2 × a × b × cos(z)) = √(9 + 16 − 24 × cos(90°)) = 5\n"
        "x = cos⁻¹((c² + a² − b²) ÷ (2 × a × c)) = cos⁻¹((5² + 3² − 4²) ÷ (2 × 3 × 5)) = "
        "cos⁻¹(0.6) = 53.1301023541561");
    row("sides of 1e200 overflow", "azb", 1e200, 60, 1, {tooBig});
    row("flat: c^2 rounds to 0", "azb", 1, 1e-9, 1, {unreasonable});
    row("flat: the cosine rounds beyond 1", "azb", 5, 1e-6, 0.1, {unreasonable});
    row("flat: y rounds below 0", "azb", 1, 179.99999999999935, 8.06523789668895, {unreasonable});
    row("1, 2, 3: flat, cosines exactly 1", "abc", 1, 2, 3, {"180", "0", "0"});
    row("1, 3, 2: a cosine exactly -1, x exactly 180", "abc", 1, 3, 2, {"0", "180", "0"},
        "cos⁻¹(−1) = 180");
    row("1, 1, 3: no triangle", "abc", 1, 1, 3, {unreasonable});
    row("1, 1, 1: off in the 15th digit", "abc", 1, 1, 1,
        {"59.9999999999999", "60.0000000000001", "60.0000000000001"});
    row("three sides: overflow is unreasonable too", "abc", 1e200, 1e200, 1e200, {unreasonable});
    row("flat: z rounds below 0", "abc", 4.387009142648076, 9.543581759581931, 5.156572616933855,
        {unreasonable});
}

void TriangleSolversTest::lawOfSines_data()
{
    addSolveColumns();
    row("60, 60, 1", "xzb", 60, 60, 1, {"1", "1", "60"},
        "c = sin(z) × b ÷ sin(x) = sin(60°) × 1 ÷ sin(60°) = 1");
    row("100, 80: the third angle is 0", "xzb", 100, 80, 1, {none});
    row("a sine of 1e-320 underflows", "xzb", 1e-320, 60, 1, {tooBig});
    row("sides near 1e308 overflow", "xzb", 10, 150, 1e308, {tooBig});
    row("a side underflows to 0: a triangle, but too small", "xzb", 60, 1, 1e-322, {tooBig});
    row("30, 60, 2", "yzc", 30, 60, 2, {"90", "1.15470053837925", "2.3094010767585"},
        "x = 180° − y − z = 180° − 30° − 60° = 90");
    row("120, 60: no third angle", "yzc", 120, 60, 2, {none});
    row("a side underflows to 0", "yzc", 1, 60, 1e-322, {tooBig});
    row("90, 5, 3", "yac", 90, 5, 3, {"53.1301023541559", "36.8698976458441", "4"},
        "sin(z) = sin(y) × c ÷ a = sin(90°) × 3 ÷ 5 = 0.6");
    row("90, 5, 5: z exactly 90, x 0", "yac", 90, 5, 5, {none});
    row("30, 5, 10: one right triangle, a hair off 90", "yac", 30, 5, 10,
        {"60.0000024148364", "89.9999975851636", "8.66025424857862"},
        "z = 90°, so z' = 180° − z is z itself: one triangle only");
    row("30, 8, 10: two triangles", "yac", 30, 8, 10,
        {"111.317812546511", "38.6821874534894", "14.9052520362428"},
        "z = sin⁻¹(0.625) = 38.6821874534894\nx = 180° − y − z = 180° − 30° − "
        "38.6821874535° = 111.317812546511\nb = sin(x) × a ÷ sin(y) = sin(111.317812547°) "
        "× 8 ÷ sin(30°) = 14.9052520362428\nSecond triangle:\nz' = 180° − z",
        "Second triangle:  X = 8.68218745348943  Z = 141.317812546511  b = 2.41525603944599");
    row("45, 1, 1: a not below c, one triangle", "yac", 45, 1, 1, {"90", "45", "1.4142135623731"},
        "z = sin⁻¹(0.707106781187) = 45\na ≥ c, so z' = 180° − z leaves no room for y: one "
        "triangle only");
    row("30, 4, 10: a cannot reach", "yac", 30, 4, 10, {none + " (height)"});
    row("the sine of z underflows", "yac", 1e-300, 1e300, 1, {tooBig});
}

void TriangleSolversTest::solves()
{
    QFETCH(QString, reads);
    QFETCH(double, p);
    QFETCH(double, q);
    QFETCH(double, r);
    QFETCH(QStringList, shown);
    QFETCH(QString, step);
    QFETCH(QString, second);
    const Solve solve = solvers.value(reads);
    const Outcome<TriangleSolution, TriangleRefusal> outcome =
        solve.solve(typed(p), typed(q), typed(r));
    QCOMPARE(::shown(outcome, solve.writes), shown);
    const auto* solved = std::get_if<Solved<TriangleSolution>>(&outcome);
    QCOMPARE(solved ? secondTriangleText(solved->values) : QString(), second);
    if (!solved)
        return;

    // The working, from the same solve: it holds the step and ends on what the window shows
    // last, the second triangle's b or the value the solve found last.
    const Working& working = solved->working;
    QVERIFY(!working.isEmpty());
    const QString all = working.join(u'\n');
    QVERIFY2(all.contains(step), qPrintable(all));
    QVERIFY2(!all.contains(QRegularExpression("inf|nan|(^|[ (])-0($|[ )])",
                                              QRegularExpression::CaseInsensitiveOption)),
             qPrintable(all));
    const QString last = second.isEmpty() ? ::shown(outcome, QByteArray(1, solve.last)).first()
                                          : second.section(u' ', -1);
    QVERIFY2(working.last().endsWith(" = " + last), qPrintable(working.last()));
}

// The values a solve writes, as the Exact answer format shows them: the exact form where the
// known angles give one, the decimal where none exists.
void TriangleSolversTest::exactAnswers_data()
{
    addSolveColumns(); // "shown": the texts under Exact
    row("2, 60, 3: c = √7, angles with no known cosine", "azb", 2, 60, 3,
        {"√7", "79.1066053508692", "40.8933946491308"});
    row("1, 90, 1: c = √2, 45 and 45", "azb", 1, 90, 1, {"√2", "45", "45"});
    row("1, 120, 1: c = √3, 30 and 30", "azb", 1, 120, 1, {"√3", "30", "30"});
    row("1, 60, 2: c = √3, a right angle x", "azb", 1, 60, 2, {"√3", "90", "30"});
    row("0.5, 120, 2.5: c = √31/2", "azb", 0.5, 120, 2.5,
        {"√31/2", "51.051724435373", "8.94827556462695"});
    row("3, 90, 4: c = 5, cosine 3/5 has no known angle", "azb", 3, 90, 4,
        {"5", "53.1301023541561", "36.8698976458439"});
    row("2, 45, 1: c² = 5 − 2√2 has no root in the form", "azb", 2, 45, 1,
        {"1.4736257582079", "28.6750500631048", "106.324949936895"});
    row("1, 1, 1: 60 each, a hair off in the decimal", "abc", 1, 1, 1, {"60", "60", "60"});
    row("2.5, 2.5, 2.5: typed decimals, 60 each", "abc", 2.5, 2.5, 2.5, {"60", "60", "60"});
    row("3, 4, 5: rational cosines, no known angles, z from them", "abc", 3, 4, 5,
        {"89.9999999999999", "53.130102354156", "36.869897645844"});
    row("1, 2, 3: flat", "abc", 1, 2, 3, {"180", "0", "0"});
    row("60, 60, 1: all 1", "xzb", 60, 60, 1, {"1", "1", "60"});
    row("30, 90, 1: c = 2, a = √3", "xzb", 30, 90, 1, {"2", "√3", "60"});
    row("45, 45, 1: a = √2", "xzb", 45, 45, 1, {"1", "√2", "90"});
    row("30, 45, 2: sin 105° has no form, so a is a decimal", "xzb", 30, 45, 2,
        {"2√2", "3.86370330515628", "105"});
    row("30, 60, 2: 2√3/3 and 4√3/3", "yzc", 30, 60, 2, {"90", "2√3/3", "4√3/3"});
    row("45, 45, 2: b = 2√2", "yzc", 45, 45, 2, {"90", "2", "2√2"});
    row("20, 40, 1: x = 120, sides with no form", "yzc", 20, 40, 1,
        {"120", "0.532088886237956", "1.34729635533386"});
    row("45, 1, 1: z = 45, b = √2", "yac", 45, 1, 1, {"90", "45", "√2"});
    // sin(30°) falls a hair below 1/2, so z misses 90 by 2e-6: too far for its exact value.
    row("30, 1, 2: z a hair off 90, all decimals", "yac", 30, 1, 2,
        {"60.0000024148364", "89.9999975851636", "1.73205084971572"});
    row("30, 1, 1: z = 30, b = √3", "yac", 30, 1, 1, {"120", "30", "√3"});
    row("90, 5, 3: sin z = 3/5, no known angle", "yac", 90, 5, 3,
        {"53.1301023541559", "36.8698976458441", "4"});
}

void TriangleSolversTest::exactAnswers()
{
    QFETCH(QString, reads);
    QFETCH(double, p);
    QFETCH(double, q);
    QFETCH(double, r);
    QFETCH(QStringList, shown);
    const Solve solve = solvers.value(reads);
    const auto outcome = solve.solve(typed(p), typed(q), typed(r));
    const auto* solved = std::get_if<Solved<TriangleSolution>>(&outcome);
    QVERIFY(solved);
    const Triangle& t = solved->values.triangle;
    const Real* values[] = {&t.a, &t.b, &t.c, &t.x, &t.y, &t.z};
    QStringList texts;
    for (const char* letter = solve.writes; *letter; ++letter)
        texts << answerText(*values[QByteArrayView("abcxyz").indexOf(*letter)],
                            {AnswerStyle::Exact, 2});
    QCOMPARE(texts, shown);
}

void TriangleSolversTest::exactWorking_data()
{
    addSolveColumns(); // "shown": the working under Exact
    row("2, 60, 3: a root side, squared in brackets", "azb", 2, 60, 3,
        {"c = √(a² + b² − 2 × a × b × cos(z)) = √(4 + 9 − 12 × cos(60°)) = √7 ≈ 2.64575131106459",
         "x = cos⁻¹((c² + a² − b²) ÷ (2 × a × c)) = cos⁻¹(((√7)² + 2² − 3²) ÷ (2 × 2 × √7)) = "
         "cos⁻¹(√7/14) = 79.1066053508692",
         "y = 180° − x − z = 180° − 79.1066053509° − 60° = 40.8933946491308"});
    row("1, 120, 1: exact angles beside their decimals", "azb", 1, 120, 1,
        {"c = √(a² + b² − 2 × a × b × cos(z)) = √(1 + 1 − 2 × cos(120°)) = √3 ≈ 1.73205080756888",
         "x = cos⁻¹((c² + a² − b²) ÷ (2 × a × c)) = cos⁻¹(((√3)² + 1² − 1²) ÷ (2 × 1 × √3)) = "
         "cos⁻¹(√3/2) = 30 ≈ 30.0000000000001",
         "y = 180° − x − z = 180° − 30° − 120° = 30 ≈ 29.9999999999999"});
    row("1, 1, 1: 60 each", "abc", 1, 1, 1,
        {"x = cos⁻¹((c² + a² − b²) ÷ (2 × a × c)) = cos⁻¹((1² + 1² − 1²) ÷ (2 × 1 × 1)) = "
         "cos⁻¹(0.5) = 60 ≈ 60.0000000000001",
         "y = cos⁻¹((c² + b² − a²) ÷ (2 × b × c)) = cos⁻¹((1² + 1² − 1²) ÷ (2 × 1 × 1)) = "
         "cos⁻¹(0.5) = 60 ≈ 60.0000000000001",
         "z = 180° − x − y = 180° − 60° − 60° = 60 ≈ 59.9999999999999"});
    row("30, 60, 2: sides over sin 60°", "yzc", 30, 60, 2,
        {"x = 180° − y − z = 180° − 30° − 60° = 90",
         "a = sin(y) × c ÷ sin(z) = sin(30°) × 2 ÷ sin(60°) = 2√3/3 ≈ 1.15470053837925",
         "b = sin(x) × c ÷ sin(z) = sin(90°) × 2 ÷ sin(60°) = 4√3/3 ≈ 2.3094010767585"});
    row("45, 1, 1: sin z = √2/2, one triangle", "yac", 45, 1, 1,
        {"sin(z) = sin(y) × c ÷ a = sin(45°) × 1 ÷ 1 = √2/2", "z = sin⁻¹(√2/2) = 45",
         "a ≥ c, so z' = 180° − z leaves no room for y: one triangle only",
         "x = 180° − y − z = 180° − 45° − 45° = 90",
         "b = sin(x) × a ÷ sin(y) = sin(90°) × 1 ÷ sin(45°) = √2 ≈ 1.4142135623731"});
    row("30, 45, 2: c exact, then sin 105° has no form", "xzb", 30, 45, 2,
        {"y = 180° − x − z = 180° − 30° − 45° = 105",
         "c = sin(z) × b ÷ sin(x) = sin(45°) × 2 ÷ sin(30°) = 2√2 ≈ 2.82842712474619",
         "a = sin(y) × c ÷ sin(z) = sin(105°) × 2√2 ÷ sin(45°) = 3.86370330515628"});
}

void TriangleSolversTest::exactWorking()
{
    QFETCH(QString, reads);
    QFETCH(double, p);
    QFETCH(double, q);
    QFETCH(double, r);
    QFETCH(QStringList, shown);
    const WorkingStyleScope exactStyle(WorkingStyle::Exact);
    const auto outcome = solvers.value(reads).solve(typed(p), typed(q), typed(r));
    const auto* solved = std::get_if<Solved<TriangleSolution>>(&outcome);
    QVERIFY(solved);
    QCOMPARE(solved->working, shown);
}

QTEST_GUILESS_MAIN(TriangleSolversTest)
#include "tst_triangle_solvers.moc"
