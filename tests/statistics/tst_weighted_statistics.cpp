#include "exact/exact_reading.h"
#include "input/answer_text.h"
#include "input/number_text.h"
#include "statistics/weighted_statistics.h"
#include "support/reals.h"

#include <QLocale>
#include <QRegularExpression>
#include <QTest>

namespace {

using List = QList<double>;

QString shown(const Outcome<Real>& outcome)
{
    if (const auto* solved = std::get_if<Solved<Real>>(&outcome))
        return numberText(solved->values.value());
    return messageText(std::get<Message>(outcome));
}

// A line's items as the window reads them: each double beside the exact value typed.
QList<Real> readLine(const QString& line)
{
    QList<Real> items;
    for (QStringView item : splitItems(line))
        items << Real::typed(parseField(item, behaviours::selfResetting).value,
                             readExactField(item, behaviours::selfResetting));
    return items;
}

QString shownExactly(const Outcome<Real>& outcome)
{
    if (const auto* solved = std::get_if<Solved<Real>>(&outcome))
        return answerText(solved->values, {AnswerStyle::Exact, 2});
    return messageText(std::get<Message>(outcome));
}

// "1/2 1/3 1/5 ...": the sum of the first count unit fractions of primes, whose exact
// denominator grows with every item.
QString primeFractions(int count)
{
    QStringList items;
    for (int n = 2; items.size() < count; ++n) {
        bool prime = true;
        for (int d = 2; d * d <= n && prime; ++d)
            prime = n % d != 0;
        if (prime)
            items << QStringLiteral("1/%1").arg(n);
    }
    return items.join(u' ');
}

} // namespace

class WeightedStatisticsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }
    void splitsAtEverySingleBlank_data();
    void splitsAtEverySingleBlank();
    void computes_data();
    void computes();
    void answersExactly_data();
    void answersExactly();
    void worksExactly_data();
    void worksExactly();
    void exactUntilTooLong_data();
    void exactUntilTooLong();
};

void WeightedStatisticsTest::splitsAtEverySingleBlank_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("items");
    const auto row = [](const char* name, const char* text, const QStringList& items) {
        QTest::newRow(name) << QString::fromLatin1(text) << items;
    };
    row("no text, no items", "", {});
    row("three items", "1 4 7/4", {"1", "4", "7/4"});
    row("leading blank", " 1", {"", "1"});
    row("trailing blank", "1 2 ", {"1", "2", ""});
    row("doubled blank", "1  2", {"1", "", "2"});
    row("a tab is no separator", "1\t2 3", {"1\t2", "3"});
}

void WeightedStatisticsTest::splitsAtEverySingleBlank()
{
    QFETCH(QString, text);
    QFETCH(QStringList, items);
    QStringList found;
    for (QStringView item : splitItems(text))
        found << item.toString();
    QCOMPARE(found, items);
    QCOMPARE(itemCount(text), items.size());
}

void WeightedStatisticsTest::computes_data()
{
    QTest::addColumn<List>("numbers");
    QTest::addColumn<List>("weights");
    QTest::addColumn<QStringList>("results"); // mean, variance, deviation, or their messages
    QTest::addColumn<QString>("step");        // a step the working shows
    const QString big = QStringLiteral("The Number Is Too Big!!!");
    const QString bad = QStringLiteral("Unreasonable Data!!!.");
    const auto row = [](const char* name, const List& numbers, const List& weights,
                        const QStringList& results, const char* step = "") {
        QTest::newRow(name) << numbers << weights << results << QString::fromUtf8(step);
    };
    row("plain list", {2, 4, 4, 4, 5, 5, 7, 9}, {}, {"5", "4", "2"}, "Variance = 32 ÷ 8 = 4");
    row("weighted", {1, 4}, {2, 1}, {"2", "2", "1.4142135623731"},
        "Sum of w × (a − Mean)² = 2 × (1 − 2)² + 1 × (4 − 2)² = 6");
    row("long list summed by its ends", {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}, {},
        {"5.5", "8.25", "2.87228132326901"},
        "Sum of a = 1 + 2 + 3 + 4 + 5 + 6 + ... + 9 + 10 = 55");
    row("weighted middle", {1, 2, 3}, {1, 2, 1}, {"2", "0.5", "0.707106781186548"});
    row("a single number", {-7.5}, {}, {"-7.5", "0", "0"},
        "Sum of (a − Mean)² = ((−7.5) − (−7.5))² = 0");
    row("halves", {0.5, 1.5}, {}, {"1", "0.25", "0.5"});
    row("weights 1 and -1 sum to 0", {1, 2}, {1, -1}, {bad, bad, bad});
    row("all weights 0", {1, 2}, {0, 0}, {bad, bad, bad});
    row("negative variance shown, its root refused", {0, 10}, {2, -1}, {"-10", "-200", bad});
    row("sum beyond range", {1e308, 1e308}, {}, {big, big, big});
    row("product beyond range", {1e200}, {1e200}, {big, big, big});
    row("weight sum beyond range", {1e-300, 1e-300}, {1e308, 1e308}, {big, big, big});
    row("squares beyond range", {1e200, -1e200}, {}, {"0", big, big});
}

void WeightedStatisticsTest::computes()
{
    QFETCH(List, numbers);
    QFETCH(List, weights);
    QFETCH(QStringList, results);
    QFETCH(QString, step);
    const QList<Real> a = typed(numbers);
    const QList<Real> w = typed(weights);
    const Outcome<Real> outcomes[] = {mean(a, w), variance(a, w), deviation(a, w)};
    QStringList shownResults;
    QStringList lines;
    for (const Outcome<Real>& outcome : outcomes) {
        shownResults << shown(outcome);
        // The working ends with the answer shown; a refusal has none.
        if (const auto* solved = std::get_if<Solved<Real>>(&outcome)) {
            QVERIFY(!solved->working.isEmpty());
            QVERIFY(solved->working.last().endsWith(u' ' + shownResults.last()));
            lines << solved->working;
        }
    }
    QCOMPARE(shownResults, results);
    QVERIFY2(step.isEmpty() || lines.contains(step), qPrintable(lines.join(u'\n')));
    QVERIFY(lines.filter(QRegularExpression(QStringLiteral("inf|nan|-0(?![.\\d])"))).isEmpty());
}

void WeightedStatisticsTest::answersExactly_data()
{
    QTest::addColumn<QString>("numbers");
    QTest::addColumn<QString>("weights");
    QTest::addColumn<QStringList>("results"); // mean, variance, deviation under Exact
    const auto row = [](const char* name, const char* numbers, const char* weights,
                        const QStringList& results) {
        QTest::newRow(name) << QString::fromUtf8(numbers) << QString::fromUtf8(weights) << results;
    };
    row("thirds", "1 2 2", "", {"5/3", "2/9", "√2/3"});
    row("weights of 1", "1 2 4", "1 1 1", {"7/3", "14/9", "√14/3"});
    row("whole mean, root deviation", "1 4", "2 1", {"2", "2", "√2"});
    row("weighted middle", "1 2 3", "1 2 1", {"2", "1/2", "√2/2"});
    row("weights make quarters", "1 2", "1 3", {"7/4", "3/16", "√3/4"});
    row("fractions and a mixed number", "1/2 3/2 1/1/2", "", {"7/6", "2/9", "√2/3"});
    row("fraction weights", "1/3 2/3", "1/2 1", {"5/9", "2/81", "√2/9"});
    row("tenths", "0.1 0.2 0.3", "", {"1/5", "1/150", "√6/30"});
    row("negatives", "-1 -2", "", {"-3/2", "1/4", "1/2"});
    row("whole answers stay whole", "2 4 4 4 5 5 7 9", "", {"5", "4", "2"});
    row("long list", "1 2 3 4 5 6 7 8 9 10", "", {"11/2", "33/4", "√33/2"});
    // 15559111964893563/1250000000000000 is too long to show; its root is not.
    row("a form too long shows the decimal", "1.23456789 9.87654321 5.55555555", "",
        {"111111111/20000000", "12.4472895719148", "72016461√6/50000000"});
    // The exact variance is 0, the double's 1.9E-34: the decimal is the one shown.
    row("a double that strayed shows the decimal", "0.1 0.1 0.1", "",
        {"1/10", "1.92592994438724E-34", "1.38777878078145E-17"});
    row("negative variance, its root refused", "0 10", "2 -1",
        {"-10", "-200", "Unreasonable Data!!!."});
}

void WeightedStatisticsTest::answersExactly()
{
    QFETCH(QString, numbers);
    QFETCH(QString, weights);
    QFETCH(QStringList, results);
    const QList<Real> a = readLine(numbers);
    const QList<Real> w = readLine(weights);
    const QStringList shownResults = {shownExactly(mean(a, w)), shownExactly(variance(a, w)),
                                      shownExactly(deviation(a, w))};
    QCOMPARE(shownResults, results);
}

void WeightedStatisticsTest::worksExactly_data()
{
    QTest::addColumn<QString>("numbers");
    QTest::addColumn<QString>("weights");
    QTest::addColumn<QStringList>("working"); // of the deviation, in the Exact working style
    QTest::newRow("thirds") << "1 2 2"
                            << ""
                            << QStringList{
                                   "Sum of a = 1 + 2 + 2 = 5",
                                   "Count of a = 3",
                                   "Mean = 5 ÷ 3 = 5/3 ≈ 1.66666666666667",
                                   "Sum of (a − Mean)² = (1 − (5/3))² + (2 − (5/3))² + "
                                   "(2 − (5/3))² = 2/3",
                                   "Variance = (2/3) ÷ 3 = 2/9 ≈ 0.222222222222222",
                                   "Deviation = √Variance = √(2/9) = √2/3 ≈ 0.471404520791032"};
    // Typed decimals stay as typed; the fractions are written as typed too.
    QTest::newRow("weighted halves")
        << "0.5 1/3"
        << "2 1"
        << QStringList{"Sum of a × w = 0.5 × 2 + (1/3) × 1 = 4/3",
                       "Sum of w = 2 + 1 = 3",
                       "Mean = (4/3) ÷ 3 = 4/9 ≈ 0.444444444444444",
                       "Sum of w × (a − Mean)² = 2 × (0.5 − (4/9))² + 1 × "
                       "((1/3) − (4/9))² = 1/54",
                       "Variance = (1/54) ÷ 3 = 1/162 ≈ 0.00617283950617284",
                       "Deviation = √Variance = √(1/162) = √2/18 ≈ "
                       "0.0785674201318386"};
    QTest::newRow("whole answers")
        << "1 3"
        << "" << QStringList{"Sum of a = 1 + 3 = 4", "Count of a = 2",
                             "Mean = 4 ÷ 2 = 2",     "Sum of (a − Mean)² = (1 − 2)² + (3 − 2)² = 2",
                             "Variance = 2 ÷ 2 = 1", "Deviation = √Variance = √1 = 1"};
}

void WeightedStatisticsTest::worksExactly()
{
    QFETCH(QString, numbers);
    QFETCH(QString, weights);
    QFETCH(QStringList, working);
    const WorkingStyleScope exact(WorkingStyle::Exact);
    const Outcome<Real> outcome = deviation(readLine(numbers), readLine(weights));
    const auto* solved = std::get_if<Solved<Real>>(&outcome);
    QVERIFY(solved);
    QCOMPARE(solved->working, working);
}

void WeightedStatisticsTest::exactUntilTooLong_data()
{
    QTest::addColumn<QString>("numbers");
    QTest::addColumn<QString>("weights");
    QTest::addColumn<bool>("exact"); // whether every answer keeps its exact value
    QTest::newRow("5 prime fractions") << primeFractions(5) << QString() << true;
    QTest::newRow("400 prime fractions") << primeFractions(400) << QString() << false;
    QTest::newRow("400 prime fractions as weights")
        << QStringList(400, QStringLiteral("1")).join(u' ') << primeFractions(400) << false;
}

// Past the size the exact numbers keep, an answer has no exact value and shows its decimal.
void WeightedStatisticsTest::exactUntilTooLong()
{
    QFETCH(QString, numbers);
    QFETCH(QString, weights);
    QFETCH(bool, exact);
    const QList<Real> a = readLine(numbers);
    const QList<Real> w = readLine(weights);
    for (const Outcome<Real>& outcome : {mean(a, w), variance(a, w), deviation(a, w)}) {
        const auto* solved = std::get_if<Solved<Real>>(&outcome);
        QVERIFY(solved);
        QCOMPARE(solved->values.exact().has_value(), exact);
        if (!exact)
            QCOMPARE(shownExactly(outcome), numberText(solved->values.value()));
    }
}

QTEST_GUILESS_MAIN(WeightedStatisticsTest)
#include "tst_weighted_statistics.moc"
