#include "input/number_text.h"
#include "problems/word_problems.h"

#include <QLocale>
#include <QTest>

using Values = QList<double>;

class WordProblemsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }
    void solves_data();
    void solves();
};

void WordProblemsTest::solves_data()
{
    QTest::addColumn<WordTask>("task");
    QTest::addColumn<Values>("values");
    QTest::addColumn<QString>("answer"); // or the message shown instead
    const QString tooBig = QStringLiteral("The Number Is Too Big!!!");
    const QString speeds = QStringLiteral("Speed 1 Must Be Bigger Than Speed 2!!!.");
    const QString percent = QStringLiteral("The Percent Must Be Smaller Than 100!!!.");
    using enum WordTask;
    QTest::newRow("distance") << FindDistance << Values{60, 2.5} << "150";
    QTest::newRow("speed") << FindSpeed << Values{150, 2.5} << "60";
    QTest::newRow("time, the example") << FindTime << Values{150, 60} << "2.5";
    QTest::newRow("meet, the example") << MeetTime << Values{300, 60, 40} << "3";
    QTest::newRow("catch up") << CatchUpTime << Values{300, 60, 40} << "15";
    QTest::newRow("raise, the example") << RaisePrice << Values{80, 25} << "100";
    QTest::newRow("lower") << LowerPrice << Values{80, 20} << "64";
    QTest::newRow("percent of") << PercentOf << Values{80, 25} << "20";
    QTest::newRow("change, a fall") << FindChange << Values{50, 40} << "-20";
    QTest::newRow("change, none, no minus") << FindChange << Values{50, 50} << "0";
    QTest::newRow("old before a raise") << FindOldRaised << Values{100, 25} << "80";
    QTest::newRow("old before a cut, the example") << FindOldLowered << Values{80, 20} << "100";
    QTest::newRow("catch up, equal speeds") << CatchUpTime << Values{300, 40, 40} << speeds;
    QTest::newRow("lower by 100") << LowerPrice << Values{80, 100} << percent;
    QTest::newRow("old before a 100% cut") << FindOldLowered << Values{80, 100} << percent;
    QTest::newRow("distance overflows") << FindDistance << Values{1e200, 1e200} << tooBig;
    // Without the check the summed speeds would be infinite and the time a wrong zero.
    QTest::newRow("summed speeds overflow") << MeetTime << Values{1e308, 1e308, 1e308} << tooBig;
}

void WordProblemsTest::solves()
{
    QFETCH(WordTask, task);
    QFETCH(Values, values);
    QFETCH(QString, answer);
    const WordOutcome outcome = solveWordProblem(task, values);
    if (const double* value = std::get_if<double>(&outcome))
        QCOMPARE(numberText(*value), answer);
    else
        QCOMPARE(messageText(std::get<Message>(outcome)), answer);
}

QTEST_GUILESS_MAIN(WordProblemsTest)
#include "tst_word_problems.moc"
