#include "input/number_text.h"
#include "statistics/progressions.h"

#include <QLocale>
#include <QRegularExpression>
#include <QTest>

namespace {

using T = ProgressionTerms;

// Each panel's task; a row names its panel first.
const struct {
    const char* panel;
    Outcome<double> (*solve)(const T&);
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
    QTest::addColumn<ProgressionTerms>("terms");
    QTest::addColumn<QString>("result"); // number text, or the message shown instead
    QTest::addColumn<QString>("step");   // a step the working shows
    const auto row = [](const char* name, T terms, const QString& result, const char* step = "") {
        QTest::newRow(name) << terms << result << QString::fromUtf8(step);
    };
    row("AP1 5050", {.a1 = 1, .n = 100, .d = 1}, "5050",
        "Sn = N × (2 × A1 + (N − 1) × D) ÷ 2 = 100 × (2 × 1 + 99 × 1) ÷ 2 = 5050");
    row("AP1 N need not be whole", {.a1 = 1, .n = 2.5, .d = 1}, "4.375");
    row("AP1 A1 + A1 beyond range", {.a1 = 1e308, .n = 2, .d = 1}, tooBig);
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
    row("GP1 Q < 0, N not whole", {.a1 = 1, .n = 2.5, .q = -2}, unreasonable);
    row("GP1 Q ^ N beyond range", {.a1 = 1, .n = 400, .q = 10}, tooBig);
    row("GP2 1023", {.a1 = 1, .an = 512, .q = 2}, "1023");
    row("GP3 2", {.a1 = 1, .q = 0.5}, "2");
    row("GP3 Q = 1", {.a1 = 1, .q = 1}, infiniteQ);
    row("GP3 Q = 0", {.a1 = 1, .q = 0}, infiniteQ);
    row("GP3 Q = -1", {.a1 = 1, .q = -1}, infiniteQ);
    row("GP3 beyond range", {.a1 = 1e308, .q = 0.5}, tooBig);
    row("GP4 54", {.a1 = 2, .n = 4, .q = 3}, "54", "Qᴺ⁻¹ = 3³ = 27");
    row("GP4 Q = 1", {.a1 = 2, .n = 4, .q = 1}, zeroOrOne);
    row("GP4 Q < 0, N - 1 not whole", {.a1 = 2, .n = 3.5, .q = -2}, unreasonable);
    row("GP5 3", {.a1 = 2, .an = 54, .n = 4}, "3", "An ÷ A1 = 54 ÷ 2 = 27");
    row("GP5 N = 1", {.a1 = 2, .an = 54, .n = 1}, a1OrN);
    row("GP5 A1 = 0", {.a1 = 0, .an = 54, .n = 4}, a1OrN);
    row("GP5 odd root of a negative ratio", {.a1 = 1, .an = -8, .n = 4}, "-2",
        "Q = −ᴺ⁻¹√|An ÷ A1| = −³√8 = -2");
    row("GP5 whole power of a negative ratio", {.a1 = 1, .an = -8, .n = 1.5}, "64");
    row("GP5 even root of a negative ratio", {.a1 = 1, .an = -16, .n = 3}, unreasonable);
    row("GP5 other root of a negative ratio", {.a1 = 1, .an = -8, .n = 3.5}, unreasonable);
    row("GP5 ratio beyond range", {.a1 = 1e-300, .an = 1e300, .n = 1.5}, tooBig);
}

void ProgressionsTest::computes()
{
    QFETCH(ProgressionTerms, terms);
    QFETCH(QString, result);
    QFETCH(QString, step);
    const QString panel = QString::fromLatin1(QTest::currentDataTag()).left(3);
    const auto task = std::find_if(std::begin(tasks), std::end(tasks),
                                   [&](const auto& task) { return panel == task.panel; });
    const Outcome<double> outcome = task->solve(terms);
    Working working;
    if (const auto* solved = std::get_if<Solved<double>>(&outcome)) {
        QCOMPARE(numberText(solved->values), result);
        working = solved->working;
        QVERIFY(working.last().endsWith(QStringLiteral(" = ") + result));
    } else {
        QCOMPARE(messageText(std::get<Message>(outcome)), result);
    }
    QVERIFY2(step.isEmpty() || working.contains(step), qPrintable(working.join(u'\n')));
    const QRegularExpression unshowable(QStringLiteral("inf|nan|-0(?![.\\d])"));
    QVERIFY(!working.join(u'\n').contains(unshowable));
}

QTEST_GUILESS_MAIN(ProgressionsTest)
#include "tst_progressions.moc"
