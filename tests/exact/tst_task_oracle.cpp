// Every task with an exact form, run on random rational inputs: each exact answer it gives
// is checked by sympy, an algebra system run by the test, against the task's formula.
#include "geometry/circle.h"
#include "geometry/quadrilateral.h"
#include "geometry/triangle_area.h"
#include "problems/word_problems.h"

#include <QProcess>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QTest>

namespace {

template <WordTask task> Outcome<Real> word(std::span<const Real> values)
{
    return solveWordProblem(task, values);
}

struct OracleTask {
    const char* name;
    TaskFunction task;
    int inputs;
    const char* formula; // in x, y, z: the task's inputs in the order it reads them
};

const OracleTask tasks[] = {
    {"circle area from r", withInputs<circleAreaFromRadius>, 1, "pi*x**2"},
    {"circle perimeter from r", withInputs<circlePerimeterFromRadius>, 1, "2*pi*x"},
    {"circle area from d", withInputs<circleAreaFromDiameter>, 1, "pi*x**2/4"},
    {"circle perimeter from d", withInputs<circlePerimeterFromDiameter>, 1, "pi*x"},
    {"circle r from perimeter", withInputs<circleRadiusFromPerimeter>, 1, "x/(2*pi)"},
    {"circle d from perimeter", withInputs<circleDiameterFromPerimeter>, 1, "x/pi"},
    {"circle area from perimeter", withInputs<circleAreaFromPerimeter>, 1, "x**2/(4*pi)"},
    {"square area", withInputs<squareArea>, 1, "x**2"},
    {"square perimeter", withInputs<squarePerimeter>, 1, "4*x"},
    {"square side from area", withInputs<squareSideFromArea>, 1, "sqrt(x)"},
    {"square perimeter from area", withInputs<squarePerimeterFromArea>, 1, "4*sqrt(x)"},
    {"square side from perimeter", withInputs<squareSideFromPerimeter>, 1, "x/4"},
    {"square area from perimeter", withInputs<squareAreaFromPerimeter>, 1, "x**2/16"},
    {"trapezium", withInputs<trapeziumArea>, 3, "(x+y)*z/2"},
    {"perpendicular diagonals", withInputs<perpendicularDiagonalsArea>, 2, "x*y/2"},
    {"rectangle area", withInputs<rectangleArea>, 2, "x*y"},
    {"rectangle perimeter", withInputs<rectanglePerimeter>, 2, "2*(x+y)"},
    {"rectangle side from area", withInputs<rectangleSideFromArea>, 2, "y/x"},
    {"rectangle perimeter from area", withInputs<rectanglePerimeterFromArea>, 2, "2*(y/x+x)"},
    {"rectangle area from perimeter", withInputs<rectangleAreaFromPerimeter>, 2, "x*(y-2*x)/2"},
    {"parallelogram area", withInputs<parallelogramArea>, 2, "x*y"},
    {"parallelogram other side", withInputs<parallelogramOtherFromArea>, 2, "y/x"},
    {"parallelogram perimeter", withInputs<parallelogramPerimeter>, 2, "2*(x+y)"},
    {"triangle area", withInputs<triangleArea>, 2, "x*y/2"},
    {"triangle height", withInputs<triangleHeight>, 2, "2*y/x"},
    {"triangle base", withInputs<triangleBase>, 2, "2*y/x"},
    {"triangle perimeter", withInputs<trianglePerimeter>, 3, "x+y+z"},
    {"heron", withInputs<heronArea>, 3, "sqrt((x+y+z)/2*((y+z-x)/2)*((x+z-y)/2)*((x+y-z)/2))"},
    {"distance", word<WordTask::FindDistance>, 2, "x*y"},
    {"speed", word<WordTask::FindSpeed>, 2, "x/y"},
    {"time", word<WordTask::FindTime>, 2, "x/y"},
    {"meeting time", word<WordTask::MeetTime>, 3, "x/(y+z)"},
    {"catching up", word<WordTask::CatchUpTime>, 3, "x/(y-z)"},
    {"raised price", word<WordTask::RaisePrice>, 2, "x*(100+y)/100"},
    {"lowered price", word<WordTask::LowerPrice>, 2, "x*(100-y)/100"},
    {"percent of", word<WordTask::PercentOf>, 2, "x*y/100"},
    {"percent of change", word<WordTask::FindChange>, 2, "(y-x)/x*100"},
    {"price before a raise", word<WordTask::FindOldRaised>, 2, "x*100/(100+y)"},
    {"price before a cut", word<WordTask::FindOldLowered>, 2, "x*100/(100-y)"},
};

constexpr int casesPerTask = 15;

// A positive rational as a pupil types it, "a/b" or a whole number, below 100.
std::pair<QString, Real> randomTyped(QRandomGenerator& random)
{
    const int denominator = random.bounded(1, 13);
    const int numerator = random.bounded(1, 99 * denominator);
    mpq_class exact(numerator, denominator);
    exact.canonicalize();
    const double value = double(numerator) / double(denominator);
    return {QString::fromStdString(exact.get_str()), Real::typed(value, exact)};
}

struct OracleCase {
    QString task;
    QString line; // as the oracle reads it
    QString answer;
};

// One task's cases: the inputs it answers with an exact form; refusals are left out.
QList<OracleCase> casesOf(const OracleTask& task, QRandomGenerator& random, int& answered)
{
    QList<OracleCase> cases;
    for (int i = 0; i < casesPerTask; ++i) {
        QStringList typed{"", "", ""};
        QList<Real> inputs;
        for (int k = 0; k < task.inputs; ++k) {
            auto [text, real] = randomTyped(random);
            typed[k] = text;
            inputs << real;
        }
        const Outcome<Real> outcome = task.task(inputs);
        const auto* solved = std::get_if<Solved<Real>>(&outcome);
        if (!solved)
            continue;
        ++answered;
        if (const std::optional<QString> exact = exactText(solved->values))
            cases << OracleCase{
                QLatin1String(task.name),
                QLatin1String(task.formula) + u'|' + typed.join(u'|') + u'|' + *exact, *exact};
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
