#include "input/number_text.h"
#include "statistics/progressions.h"

#include <QLocale>
#include <QTest>

namespace {

using Task = ProgressionOutcome (*)(const ProgressionTerms&);
using T = ProgressionTerms;

const QString tooBig = QStringLiteral("The Number Is Too Big!!!");
const QString unreasonable = QStringLiteral("Unreasonable Data!!!.");
const QString zeroOrOne = QStringLiteral("Q Must not be equals to zero or one.!!!");
const QString infiniteQ = QStringLiteral("In Infinite Progression Q Must be smaller than 1 and "
                                         "bigger than -1 and not be equals to Zero.!!!");
const QString a1OrN =
    QStringLiteral("A1 Must not be equals to zero And N must be bigger than one.!!!");

} // namespace

class ProgressionsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }
    void computes_data();
    void computes();
};

void ProgressionsTest::computes_data()
{
    QTest::addColumn<Task>("task");
    QTest::addColumn<ProgressionTerms>("terms");
    QTest::addColumn<QString>("result"); // number text, or the message shown instead
    const auto row = [](const char* name, Task task, T terms, const QString& result) {
        QTest::newRow(name) << task << terms << result;
    };
    row("AP1 5050", arithmeticSum, {.a1 = 1, .n = 100, .d = 1}, "5050");
    row("AP1 N need not be whole", arithmeticSum, {.a1 = 1, .n = 2.5, .d = 1}, "4.375");
    row("AP1 A1 + A1 beyond range", arithmeticSum, {.a1 = 1e308, .n = 2, .d = 1}, tooBig);
    row("AP2 5050", arithmeticSumOfEnds, {.a1 = 1, .an = 100, .n = 100}, "5050");
    row("AP3 5050", arithmeticSumFromLast, {.an = 100, .n = 100, .d = 1}, "5050");
    row("AP4 11", arithmeticLast, {.a1 = 3, .n = 5, .d = 2}, "11");
    row("AP5 2", arithmeticDifference, {.a1 = 3, .an = 11, .n = 5}, "2");
    row("AP5 N = 1 divides by zero", arithmeticDifference, {.a1 = 3, .an = 11, .n = 1},
        unreasonable);
    row("AP6 5", arithmeticCount, {.a1 = 3, .an = 11, .d = 2}, "5");
    row("AP6 2.5", arithmeticCount, {.a1 = 1, .an = 4, .d = 2}, "2.5");
    row("AP6 D = 0 divides by zero", arithmeticCount, {.a1 = 1, .an = 4, .d = 0}, unreasonable);
    row("GP1 1023", geometricSum, {.a1 = 1, .n = 10, .q = 2}, "1023");
    row("GP1 Q = 0", geometricSum, {.a1 = 1, .n = 10, .q = 0}, zeroOrOne);
    row("GP1 Q = 1", geometricSum, {.a1 = 1, .n = 10, .q = 1}, zeroOrOne);
    row("GP1 Q < 0, N not whole", geometricSum, {.a1 = 1, .n = 2.5, .q = -2}, unreasonable);
    row("GP1 Q ^ N beyond range", geometricSum, {.a1 = 1, .n = 400, .q = 10}, tooBig);
    row("GP2 1023", geometricSumToLast, {.a1 = 1, .an = 512, .q = 2}, "1023");
    row("GP3 2", geometricInfiniteSum, {.a1 = 1, .q = 0.5}, "2");
    row("GP3 Q = 1", geometricInfiniteSum, {.a1 = 1, .q = 1}, infiniteQ);
    row("GP3 Q = 0", geometricInfiniteSum, {.a1 = 1, .q = 0}, infiniteQ);
    row("GP3 Q = -1", geometricInfiniteSum, {.a1 = 1, .q = -1}, infiniteQ);
    row("GP3 beyond range", geometricInfiniteSum, {.a1 = 1e308, .q = 0.5}, tooBig);
    row("GP4 54", geometricLast, {.a1 = 2, .n = 4, .q = 3}, "54");
    row("GP4 Q = 1", geometricLast, {.a1 = 2, .n = 4, .q = 1}, zeroOrOne);
    row("GP4 Q < 0, N - 1 not whole", geometricLast, {.a1 = 2, .n = 3.5, .q = -2}, unreasonable);
    row("GP5 3", geometricRatio, {.a1 = 2, .an = 54, .n = 4}, "3");
    row("GP5 N = 1", geometricRatio, {.a1 = 2, .an = 54, .n = 1}, a1OrN);
    row("GP5 A1 = 0", geometricRatio, {.a1 = 0, .an = 54, .n = 4}, a1OrN);
    row("GP5 odd root of a negative ratio", geometricRatio, {.a1 = 1, .an = -8, .n = 4}, "-2");
    row("GP5 whole power of a negative ratio", geometricRatio, {.a1 = 1, .an = -8, .n = 1.5}, "64");
    row("GP5 even root of a negative ratio", geometricRatio, {.a1 = 1, .an = -16, .n = 3},
        unreasonable);
    row("GP5 other root of a negative ratio", geometricRatio, {.a1 = 1, .an = -8, .n = 3.5},
        unreasonable);
    row("GP5 ratio beyond range", geometricRatio, {.a1 = 1e-300, .an = 1e300, .n = 1.5}, tooBig);
}

void ProgressionsTest::computes()
{
    QFETCH(Task, task);
    QFETCH(ProgressionTerms, terms);
    QFETCH(QString, result);
    const ProgressionOutcome outcome = task(terms);
    if (const auto* value = std::get_if<double>(&outcome))
        QCOMPARE(numberText(*value), result);
    else
        QCOMPARE(messageText(std::get<Message>(outcome)), result);
}

QTEST_GUILESS_MAIN(ProgressionsTest)
#include "tst_progressions.moc"
