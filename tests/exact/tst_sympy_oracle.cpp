#include "exact/surd.h"

#include "exact_values.h"

#include <QProcess>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QTest>

#include <algorithm>
#include <cmath>

namespace {

constexpr int rootCases = 80;
constexpr int casesPerOperation = 40;
const QStringList operations{"add", "sub", "mul", "div"};

QString randomRational(QRandomGenerator& random, int largest)
{
    return QStringLiteral("%1/%2")
        .arg(random.bounded(-largest, largest + 1))
        .arg(random.bounded(1, 41));
}

// One operand p + q√n as three words; a sixth of them rational.
QString randomOperand(QRandomGenerator& random, int n)
{
    const QString q = random.bounded(6) == 0 ? QStringLiteral("0") : randomRational(random, 60);
    return randomRational(random, 60) + u' ' + q + u' ' + QString::number(n);
}

Surd operandFrom(const QStringList& words, int first)
{
    return surd(words[first], words[first + 1], words[first + 2]);
}

// The C++ answer to one oracle line.
std::optional<Surd> computed(const QStringList& words)
{
    if (words[0] == u"sqrt")
        return Surd::squareRoot(rational(words[1]));
    const Surd a = operandFrom(words, 1);
    const Surd b = operandFrom(words, 4);
    if (words[0] == u"add")
        return add(a, b);
    if (words[0] == u"sub")
        return subtract(a, b);
    if (words[0] == u"mul")
        return multiply(a, b);
    return divide(a, b);
}

QStringList randomCases()
{
    QRandomGenerator random(20261208);
    QStringList cases;
    for (int i = 0; i < rootCases; ++i)
        cases << QStringLiteral("sqrt %1/%2").arg(random.bounded(201)).arg(random.bounded(1, 61));
    for (const QString& operation : operations) {
        for (int i = 0; i < casesPerOperation;) {
            // Both operands over the same n, so the result stays in the form.
            const int n = random.bounded(2, 121);
            const QString line =
                operation + u' ' + randomOperand(random, n) + u' ' + randomOperand(random, n);
            if (operation == u"div" && operandFrom(line.split(u' '), 4) == Surd())
                continue;
            cases << line;
            ++i;
        }
    }
    return cases;
}

} // namespace

class SympyOracleTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void agreesWithSympy_data();
    void agreesWithSympy();

private:
    QString m_python;
    QStringList m_cases;
    QStringList m_answers;
};

void SympyOracleTest::initTestCase()
{
    m_python = QStandardPaths::findExecutable(QStringLiteral("python3"));
    if (m_python.isEmpty())
        QSKIP("python3 is not installed");
    if (QProcess::execute(m_python, {"-c", "import sympy"}) != 0)
        QSKIP("sympy is not installed for python3");
    m_cases = randomCases();
    QProcess oracle;
    oracle.start(m_python, {QStringLiteral(SYMPY_ORACLE)});
    QVERIFY(oracle.waitForStarted());
    oracle.write((m_cases.join(u'\n') + u'\n').toUtf8());
    oracle.closeWriteChannel();
    QVERIFY(oracle.waitForFinished(120000));
    QCOMPARE(oracle.exitCode(), 0);
    m_answers = QString::fromUtf8(oracle.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
    QCOMPARE(m_answers.size(), m_cases.size());
}

void SympyOracleTest::agreesWithSympy_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("answer");
    for (qsizetype i = 0; i < m_cases.size(); ++i)
        QTest::newRow(qPrintable(m_cases[i])) << m_cases[i] << m_answers[i];
}

void SympyOracleTest::agreesWithSympy()
{
    QFETCH(QString, input);
    QFETCH(QString, answer);
    const std::optional<Surd> result = computed(input.split(u' '));
    const QStringList parts = answer.split(u' ');
    QVERIFY2(result.has_value(), "the form was left");
    QCOMPARE(parts.size(), 4);
    QCOMPARE(rationalString(result->rational()), parts[0]);
    QCOMPARE(rationalString(result->coefficient()), parts[1]);
    QCOMPARE(QString::fromStdString(result->radicand().get_str()), parts[2]);
    const double value = parts[3].toDouble();
    const double size = std::max({std::fabs(value), std::fabs(result->rational().get_d()), 1.0});
    QVERIFY(std::fabs(result->toDouble() - value) <= 1e-12 * size);
}

QTEST_GUILESS_MAIN(SympyOracleTest)
#include "tst_sympy_oracle.moc"
