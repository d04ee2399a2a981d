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

} // namespace

class WeightedStatisticsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }
    void splitsAtEverySingleBlank_data();
    void splitsAtEverySingleBlank();
    void computes_data();
    void computes();
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

QTEST_GUILESS_MAIN(WeightedStatisticsTest)
#include "tst_weighted_statistics.moc"
