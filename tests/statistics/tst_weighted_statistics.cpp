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

const QString tooBig = QStringLiteral("The Number Is Too Big!!!");
const QString unreasonable = QStringLiteral("Unreasonable Data!!!.");

} // namespace

class WeightedStatisticsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }
    void splitsAtEverySingleBlank_data();
    void splitsAtEverySingleBlank();
    void checksTheCounts_data();
    void checksTheCounts();
    void computes_data();
    void computes();
};

void WeightedStatisticsTest::splitsAtEverySingleBlank_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("items");
    QTest::newRow("no text, no items") << "" << QStringList{};
    QTest::newRow("one item") << "7/4" << QStringList{"7/4"};
    QTest::newRow("three items") << "1 4 65" << QStringList{"1", "4", "65"};
    QTest::newRow("leading blank") << " 1" << QStringList{"", "1"};
    QTest::newRow("trailing blank") << "1 2 " << QStringList{"1", "2", ""};
    QTest::newRow("doubled blank") << "1  2" << QStringList{"1", "", "2"};
    QTest::newRow("a blank alone") << " " << QStringList{"", ""};
    QTest::newRow("a tab is no separator") << "1\t2 3" << QStringList{"1\t2", "3"};
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

void WeightedStatisticsTest::checksTheCounts_data()
{
    QTest::addColumn<int>("numbers");
    QTest::addColumn<int>("weights");
    QTest::addColumn<QString>("message");
    const QString counts =
        QStringLiteral("Number Of Elements In Both Fileds Must Be Equals. If There "
                       "Is No Weight Leave The Weight Filed Empty!");
    QTest::newRow("no weights") << 3 << 0 << "";
    QTest::newRow("as many weights") << 3 << 3 << "";
    QTest::newRow("fewer weights") << 3 << 2 << counts;
    QTest::newRow("weights but no numbers") << 0 << 1 << counts;
    QTest::newRow("both empty") << 0 << 0 << "Please Fill The Numbers Filed, It Is Empty!!!";
}

void WeightedStatisticsTest::checksTheCounts()
{
    QFETCH(int, numbers);
    QFETCH(int, weights);
    QFETCH(QString, message);
    const std::optional<Message> problem = checkCounts(numbers, weights);
    QCOMPARE(problem ? messageText(*problem) : QString(), message);
}

void WeightedStatisticsTest::computes_data()
{
    QTest::addColumn<List>("numbers");
    QTest::addColumn<List>("weights");
    QTest::addColumn<QString>("mean");
    QTest::addColumn<QString>("variance");
    QTest::addColumn<QString>("deviation");
    QTest::newRow("plain list") << List{2, 4, 4, 4, 5, 5, 7, 9} << List{} << "5"
                                << "4"
                                << "2";
    QTest::newRow("weighted") << List{1, 4} << List{2, 1} << "2"
                              << "2"
                              << "1.4142135623731";
    QTest::newRow("weighted middle") << List{1, 2, 3} << List{1, 2, 1} << "2"
                                     << "0.5"
                                     << "0.707106781186548";
    QTest::newRow("a single number") << List{-7.5} << List{} << "-7.5"
                                     << "0"
                                     << "0";
    QTest::newRow("halves") << List{0.5, 1.5} << List{} << "1"
                            << "0.25"
                            << "0.5";
    QTest::newRow("weights 1 and -1 sum to 0")
        << List{1, 2} << List{1, -1} << unreasonable << unreasonable << unreasonable;
    QTest::newRow("all weights 0")
        << List{1, 2} << List{0, 0} << unreasonable << unreasonable << unreasonable;
    QTest::newRow("negative variance is shown, its root refused")
        << List{0, 10} << List{2, -1} << "-10"
        << "-200" << unreasonable;
    QTest::newRow("sum beyond range") << List{1e308, 1e308} << List{} << tooBig << tooBig << tooBig;
    QTest::newRow("product beyond range")
        << List{1e200} << List{1e200} << tooBig << tooBig << tooBig;
    QTest::newRow("weight sum beyond range, tiny numbers")
        << List{1e-300, 1e-300} << List{1e308, 1e308} << tooBig << tooBig << tooBig;
    QTest::newRow("squares beyond range")
        << List{1e200, -1e200} << List{} << "0" << tooBig << tooBig;
    QTest::newRow("huge but fine") << List{1e300, 1e300} << List{} << "1E+300"
                                   << "0"
                                   << "0";
}

void WeightedStatisticsTest::computes()
{
    QFETCH(List, numbers);
    QFETCH(List, weights);
    QFETCH(QString, mean);
    QFETCH(QString, variance);
    QFETCH(QString, deviation);
    QCOMPARE(shown(::mean(numbers, weights)), mean);
    QCOMPARE(shown(::variance(numbers, weights)), variance);
    QCOMPARE(shown(::deviation(numbers, weights)), deviation);
}

QTEST_GUILESS_MAIN(WeightedStatisticsTest)
#include "tst_weighted_statistics.moc"
