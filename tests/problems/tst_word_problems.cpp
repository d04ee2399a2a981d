#include "input/number_text.h"
#include "problems/word_problems.h"
#include "support/reals.h"

#include <QLocale>
#include <QRegularExpression>
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
    QTest::addColumn<QString>("shown"); // how the working ends, or the message instead
    const QString tooBig = QStringLiteral("The Number Is Too Big!!!");
    const QString speeds = QStringLiteral("Speed 1 Must Be Bigger Than Speed 2!!!.");
    const QString percent = QStringLiteral("The Percent Must Be Smaller Than 100!!!.");
    using enum WordTask;
    QTest::newRow("distance") << FindDistance << Values{60, 2.5} << "= 60 × 2.5 = 150";
    QTest::newRow("speed") << FindSpeed << Values{150, 2.5} << "= 150 ÷ 2.5 = 60";
    QTest::newRow("time, the example") << FindTime << Values{150, 60} << "= 150 ÷ 60 = 2.5";
    QTest::newRow("meet, the example") << MeetTime << Values{300, 60, 40} << "= 300 ÷ 100 = 3";
    QTest::newRow("catch up") << CatchUpTime << Values{300, 60, 40} << "= 300 ÷ 20 = 15";
    QTest::newRow("raise, the example") << RaisePrice << Values{80, 25} << "= 80 × 125 ÷ 100 = 100";
    QTest::newRow("lower") << LowerPrice << Values{80, 20} << "= 80 × 80 ÷ 100 = 64";
    QTest::newRow("percent of") << PercentOf << Values{80, 25} << "= 80 × 25 ÷ 100 = 20";
    QTest::newRow("change, a fall") << FindChange << Values{50, 40} << "= (−10) ÷ 50 × 100 = -20";
    QTest::newRow("change, none") << FindChange << Values{50, 50} << "= 0 ÷ 50 × 100 = 0";
    QTest::newRow("old before a raise")
        << FindOldRaised << Values{100, 25} << "= 100 × 100 ÷ 125 = 80";
    QTest::newRow("old, the example")
        << FindOldLowered << Values{80, 20} << "= 80 × 100 ÷ 80 = 100";
    QTest::newRow("catch up, equal speeds") << CatchUpTime << Values{300, 40, 40} << speeds;
    QTest::newRow("lower by 100") << LowerPrice << Values{80, 100} << percent;
    QTest::newRow("old before a 100% cut") << FindOldLowered << Values{80, 100} << percent;
    QTest::newRow("distance overflows") << FindDistance << Values{1e200, 1e200} << tooBig;
    QTest::newRow("time underflows, not 0") << FindTime << Values{1e-300, 1e300} << tooBig;
    // Without the check the summed speeds would be infinite and the time a wrong zero.
    QTest::newRow("summed speeds overflow") << MeetTime << Values{1e308, 1e308, 1e308} << tooBig;
}

void WordProblemsTest::solves()
{
    QFETCH(WordTask, task);
    QFETCH(Values, values);
    QFETCH(QString, shown);
    const Outcome<Real> outcome = solveWordProblem(task, typed(values));
    const auto* solved = std::get_if<Solved<Real>>(&outcome);
    const Working working = solved ? solved->working : Working{};
    if (solved) {
        QVERIFY(
            working.last().endsWith(QStringLiteral(" = ") + numberText(solved->values.value())));
        QVERIFY2(working.last().endsWith(shown), qPrintable(working.last()));
    } else {
        QCOMPARE(messageText(std::get<Message>(outcome)), shown);
    }
    const QRegularExpression unshowable(QStringLiteral("inf|nan|-0(?![.\\d])"));
    for (const QString& line : working)
        QVERIFY2(!line.contains(unshowable), qPrintable(line));
}

QTEST_GUILESS_MAIN(WordProblemsTest)
#include "tst_word_problems.moc"
