#include "input/number_text.h"
#include "statistics/weighted_statistics.h"

#include <QLocale>
#include <QTest>

namespace {

using List = QList<double>;

QString shown(const StatisticOutcome& outcome)
{
    if (const auto* value = std::get_if<double>(&outcome))
        return numberText(*value);
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
}

void WeightedStatisticsTest::computes_data()
{
    QTest::addColumn<List>("numbers");
    QTest::addColumn<List>("weights");
    QTest::addColumn<QStringList>("results"); // mean, variance, deviation, or their messages
    const QString big = QStringLiteral("The Number Is Too Big!!!");
    const QString bad = QStringLiteral("Unreasonable Data!!!.");
    const auto row = [](const char* name, const List& numbers, const List& weights,
                        const QStringList& results) {
        QTest::newRow(name) << numbers << weights << results;
    };
    row("plain list", {2, 4, 4, 4, 5, 5, 7, 9}, {}, {"5", "4", "2"});
    row("weighted", {1, 4}, {2, 1}, {"2", "2", "1.4142135623731"});
    row("weighted middle", {1, 2, 3}, {1, 2, 1}, {"2", "0.5", "0.707106781186548"});
    row("a single number", {-7.5}, {}, {"-7.5", "0", "0"});
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
    QCOMPARE((QStringList{shown(mean(numbers, weights)), shown(variance(numbers, weights)),
                          shown(deviation(numbers, weights))}),
             results);
}

QTEST_GUILESS_MAIN(WeightedStatisticsTest)
#include "tst_weighted_statistics.moc"
