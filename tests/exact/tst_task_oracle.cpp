// Every task with an exact form, run on random rational inputs: each exact answer it gives
// is checked by sympy, an algebra system run by the test, against the task's formula.
#include "algebra/complex_numbers.h"
#include "algebra/quadratic.h"
#include "geometry/circle.h"
#include "geometry/law_of_cosines.h"
#include "geometry/law_of_sines.h"
#include "geometry/quadrilateral.h"
#include "geometry/triangle_area.h"
#include "problems/word_problems.h"
#include "statistics/progressions.h"

#include <QProcess>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QTest>

namespace {

using Answer = std::optional<Real> (*)(std::span<const Real>);

// The one answer a task row checks, or nothing where the task refused.
template <auto task> std::optional<Real> single(std::span<const Real> in)
{
    const auto outcome = task(in);
    const auto* solved = std::get_if<Solved<Real>>(&outcome);
    return solved ? std::optional(solved->values) : std::nullopt;
}

template <WordTask task> Outcome<Real> word(std::span<const Real> values)
{
    return solveWordProblem(task, values);
}

template <Real QuadraticRoots::*root> std::optional<Real> quadratic(std::span<const Real> in)
{
    const auto outcome = solveQuadratic(in[0], in[1], in[2]);
    const auto* solved = std::get_if<Solved<QuadraticAnswer>>(&outcome);
    const auto* roots = solved ? std::get_if<QuadraticRoots>(&solved->values) : nullptr;
    return roots ? std::optional(roots->*root) : std::nullopt;
}

template <char op, Real Complex::*part> std::optional<Real> complex(std::span<const Real> in)
{
    const auto outcome = complexOperation({in[0], in[1]}, QString(QChar(op)), {in[2], in[3]});
    const auto* solved = std::get_if<Solved<Complex>>(&outcome);
    return solved ? std::optional(solved->values.*part) : std::nullopt;
}

// A progression task reading the terms named, in its panel's order.
template <auto task, Real ProgressionTerms::*... read>
std::optional<Real> progression(std::span<const Real> in)
{
    ProgressionTerms terms;
    std::size_t k = 0;
    ((terms.*read = in[k++]), ...);
    const Outcome<Real> outcome = task(terms);
    const auto* solved = std::get_if<Solved<Real>>(&outcome);
    return solved ? std::optional(solved->values) : std::nullopt;
}

template <auto solve, Real Triangle::*side> std::optional<Real> triangle(std::span<const Real> in)
{
    const auto outcome = solve(in[0], in[1], in[2]);
    const auto* solved = std::get_if<Solved<TriangleSolution>>(&outcome);
    return solved ? std::optional(solved->values.triangle.*side) : std::nullopt;
}

struct OracleTask {
    const char* name;
    Answer answer;
    // Each input's kind: r a positive rational, s a signed one, n a whole number of terms from
    // 2 to 9, c an angle with a rational cosine (60, 90, 120), g one with a known sine (30,
    // 60, 90).
    const char* inputs;
    const char* formula; // in x, y, z, w: the task's inputs in the order it reads them
};

using T = ProgressionTerms;

const OracleTask tasks[] = {
    {"circle area from r", single<withInputs<circleAreaFromRadius>>, "r", "pi*x**2"},
    {"circle perimeter from r", single<withInputs<circlePerimeterFromRadius>>, "r", "2*pi*x"},
    {"circle area from d", single<withInputs<circleAreaFromDiameter>>, "r", "pi*x**2/4"},
    {"circle perimeter from d", single<withInputs<circlePerimeterFromDiameter>>, "r", "pi*x"},
    {"circle r from perimeter", single<withInputs<circleRadiusFromPerimeter>>, "r", "x/(2*pi)"},
    {"circle d from perimeter", single<withInputs<circleDiameterFromPerimeter>>, "r", "x/pi"},
    {"circle area from perimeter", single<withInputs<circleAreaFromPerimeter>>, "r", "x**2/(4*pi)"},
    {"square area", single<withInputs<squareArea>>, "r", "x**2"},
    {"square perimeter", single<withInputs<squarePerimeter>>, "r", "4*x"},
    {"square side from area", single<withInputs<squareSideFromArea>>, "r", "sqrt(x)"},
    {"square perimeter from area", single<withInputs<squarePerimeterFromArea>>, "r", "4*sqrt(x)"},
    {"square side from perimeter", single<withInputs<squareSideFromPerimeter>>, "r", "x/4"},
    {"square area from perimeter", single<withInputs<squareAreaFromPerimeter>>, "r", "x**2/16"},
    {"trapezium", single<withInputs<trapeziumArea>>, "rrr", "(x+y)*z/2"},
    {"perpendicular diagonals", single<withInputs<perpendicularDiagonalsArea>>, "rr", "x*y/2"},
    {"rectangle area", single<withInputs<rectangleArea>>, "rr", "x*y"},
    {"rectangle perimeter", single<withInputs<rectanglePerimeter>>, "rr", "2*(x+y)"},
    {"rectangle side from area", single<withInputs<rectangleSideFromArea>>, "rr", "y/x"},
    {"rectangle perimeter from area", single<withInputs<rectanglePerimeterFromArea>>, "rr",
     "2*(y/x+x)"},
    {"rectangle area from perimeter", single<withInputs<rectangleAreaFromPerimeter>>, "rr",
     "x*(y-2*x)/2"},
    {"parallelogram area", single<withInputs<parallelogramArea>>, "rr", "x*y"},
    {"parallelogram other side", single<withInputs<parallelogramOtherFromArea>>, "rr", "y/x"},
    {"parallelogram perimeter", single<withInputs<parallelogramPerimeter>>, "rr", "2*(x+y)"},
    {"triangle area", single<withInputs<triangleArea>>, "rr", "x*y/2"},
    {"triangle height", single<withInputs<triangleHeight>>, "rr", "2*y/x"},
    {"triangle base", single<withInputs<triangleBase>>, "rr", "2*y/x"},
    {"triangle perimeter", single<withInputs<trianglePerimeter>>, "rrr", "x+y+z"},
    {"heron", single<withInputs<heronArea>>, "rrr",
     "sqrt((x+y+z)/2*((y+z-x)/2)*((x+z-y)/2)*((x+y-z)/2))"},
    {"distance", single<word<WordTask::FindDistance>>, "rr", "x*y"},
    {"speed", single<word<WordTask::FindSpeed>>, "rr", "x/y"},
    {"time", single<word<WordTask::FindTime>>, "rr", "x/y"},
    {"meeting time", single<word<WordTask::MeetTime>>, "rrr", "x/(y+z)"},
    {"catching up", single<word<WordTask::CatchUpTime>>, "rrr", "x/(y-z)"},
    {"raised price", single<word<WordTask::RaisePrice>>, "rr", "x*(100+y)/100"},
    {"lowered price", single<word<WordTask::LowerPrice>>, "rr", "x*(100-y)/100"},
    {"percent of", single<word<WordTask::PercentOf>>, "rr", "x*y/100"},
    {"percent of change", single<word<WordTask::FindChange>>, "rr", "(y-x)/x*100"},
    {"price before a raise", single<word<WordTask::FindOldRaised>>, "rr", "x*100/(100+y)"},
    {"price before a cut", single<word<WordTask::FindOldLowered>>, "rr", "x*100/(100-y)"},
    {"quadratic X1", quadratic<&QuadraticRoots::x1>, "sss", "(-y+sqrt(y**2-4*x*z))/(2*x)"},
    {"quadratic X2", quadratic<&QuadraticRoots::x2>, "sss", "(-y-sqrt(y**2-4*x*z))/(2*x)"},
    {"complex sum", complex<'+', &Complex::re>, "ssss", "x+z"},
    {"complex difference", complex<'-', &Complex::im>, "ssss", "y-w"},
    {"complex product, real", complex<'*', &Complex::re>, "ssss", "x*z-y*w"},
    {"complex product, imaginary", complex<'*', &Complex::im>, "ssss", "x*w+y*z"},
    {"complex quotient, real", complex<'/', &Complex::re>, "ssss", "(x*z+y*w)/(z**2+w**2)"},
    {"complex quotient, imaginary", complex<'/', &Complex::im>, "ssss", "(y*z-x*w)/(z**2+w**2)"},
    {"AP sum", progression<arithmeticSum, &T::a1, &T::d, &T::n>, "ssn", "z*(2*x+(z-1)*y)/2"},
    {"AP sum of ends", progression<arithmeticSumOfEnds, &T::a1, &T::an, &T::n>, "ssn", "z*(x+y)/2"},
    {"AP sum from last", progression<arithmeticSumFromLast, &T::d, &T::an, &T::n>, "ssn",
     "z*(2*y-(z-1)*x)/2"},
    {"AP last", progression<arithmeticLast, &T::a1, &T::d, &T::n>, "ssn", "x+(z-1)*y"},
    {"AP difference", progression<arithmeticDifference, &T::a1, &T::an, &T::n>, "ssn",
     "(y-x)/(z-1)"},
    {"GP sum", progression<geometricSum, &T::a1, &T::q, &T::n>, "srn", "x*(y**z-1)/(y-1)"},
    {"GP sum to last", progression<geometricSumToLast, &T::a1, &T::q, &T::an>, "srs",
     "(z*y-x)/(y-1)"},
    {"GP last", progression<geometricLast, &T::a1, &T::q, &T::n>, "ssn", "x*y**(z-1)"},
    {"cosines: third side", triangle<solveSideAngleSide, &Triangle::c>, "rcr",
     "sqrt(x**2+z**2-2*x*z*cos(y*pi/180))"},
    // Side b stands opposite x, side a opposite y.
    {"sines: side a from two angles", triangle<solveAnglesXZSideB, &Triangle::a>, "ggr",
     "z*sin((180-x-y)*pi/180)/sin(x*pi/180)"},
};

constexpr int casesPerTask = 12;

Real typedRational(const mpq_class& exact)
{
    return Real::typed(exact.get_num().get_d() / exact.get_den().get_d(), exact);
}

// One input of the kind asked, as a pupil types it ("7/3", "-5", "60").
mpq_class randomInput(QRandomGenerator& random, char kind)
{
    static const int cosineAngles[] = {60, 90, 120};
    static const int sineAngles[] = {30, 60, 90};
    switch (kind) {
    case 'n':
        return random.bounded(2, 10);
    case 'c':
        return cosineAngles[random.bounded(3)];
    case 'g':
        return sineAngles[random.bounded(3)];
    default:
        break;
    }
    const int denominator = random.bounded(1, 13);
    const int numerator = random.bounded(1, 99 * denominator);
    mpq_class value(kind == 's' && random.bounded(2) ? -numerator : numerator, denominator);
    value.canonicalize();
    return value;
}

struct OracleCase {
    QString task;
    QString line; // as the oracle reads it
};

// One task's cases: the inputs it answers with an exact form; refusals are left out.
QList<OracleCase> casesOf(const OracleTask& task, QRandomGenerator& random, int& answered)
{
    QList<OracleCase> cases;
    for (int i = 0; i < casesPerTask; ++i) {
        QStringList typed{"", "", "", ""};
        QList<Real> inputs;
        for (qsizetype k = 0; task.inputs[k]; ++k) {
            const mpq_class value = randomInput(random, task.inputs[k]);
            typed[k] = QString::fromStdString(value.get_str());
            inputs << typedRational(value);
        }
        const std::optional<Real> answer = task.answer(inputs);
        if (!answer)
            continue;
        ++answered;
        if (const std::optional<QString> exact = exactText(*answer))
            cases << OracleCase{QLatin1String(task.name), QLatin1String(task.formula) + u'|' +
                                                              typed.join(u'|') + u'|' + *exact};
    }
    return cases;
}

} // namespace

class TaskOracleTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void everyTaskGivesExactForms();
    void agreesWithSympy_data();
    void agreesWithSympy();

private:
    QList<OracleCase> m_cases;
    QStringList m_verdicts;
    QHash<QString, int> m_answered;
};

void TaskOracleTest::initTestCase()
{
    const QString python = QStandardPaths::findExecutable(QStringLiteral("python3"));
    if (python.isEmpty())
        QSKIP("python3 is not installed");
    if (QProcess::execute(python, {"-c", "import sympy"}) != 0)
        QSKIP("sympy is not installed for python3");
    QRandomGenerator random(20261209);
    for (const OracleTask& task : tasks)
        m_cases << casesOf(task, random, m_answered[QLatin1String(task.name)]);
    QStringList lines;
    for (const OracleCase& c : std::as_const(m_cases))
        lines << c.line;
    QProcess oracle;
    oracle.start(python, {QStringLiteral(TASK_ORACLE)});
    QVERIFY(oracle.waitForStarted());
    oracle.write((lines.join(u'\n') + u'\n').toUtf8());
    oracle.closeWriteChannel();
    QVERIFY(oracle.waitForFinished(300000));
    QCOMPARE(oracle.exitCode(), 0);
    m_verdicts = QString::fromUtf8(oracle.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
    QCOMPARE(m_verdicts.size(), m_cases.size());
}

// A task whose exact path went wrong loses its forms to the decimal quietly: so at least
// half the inputs a task answers must come with an exact form, and 500 in all.
void TaskOracleTest::everyTaskGivesExactForms()
{
    QVERIFY2(m_cases.size() >= 500, qPrintable(QString::number(m_cases.size())));
    for (const OracleTask& task : tasks) {
        const QString name = QLatin1String(task.name);
        const auto exact = std::count_if(m_cases.cbegin(), m_cases.cend(),
                                         [&](const OracleCase& c) { return c.task == name; });
        QVERIFY2(2 * exact >= m_answered.value(name) && exact > 0, task.name);
    }
}

void TaskOracleTest::agreesWithSympy_data()
{
    QTest::addColumn<QString>("verdict");
    for (qsizetype i = 0; i < m_cases.size(); ++i)
        QTest::newRow(qPrintable(m_cases[i].task + u' ' + m_cases[i].line)) << m_verdicts[i];
}

void TaskOracleTest::agreesWithSympy()
{
    QFETCH(QString, verdict);
    QCOMPARE(verdict, QStringLiteral("ok"));
}

QTEST_GUILESS_MAIN(TaskOracleTest)
#include "tst_task_oracle.moc"
