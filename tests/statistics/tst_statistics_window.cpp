#include "statistics/statistics_window.h"

#include "support/recording_sink.h"
#include "support/window_test.h"

#include <QLocale>

namespace {

const QString counts = QStringLiteral(
    "Number Of Elements In Both Fileds Must Be Equals. If There Is No Weight Leave The Weight "
    "Filed Empty!");
const QString mustEnter = QStringLiteral("Must enter a numeric value");
const QString unreasonable = QStringLiteral("Unreasonable Data!!!.");

} // namespace

class StatisticsWindowTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }
    void init()
    {
        sink.shown.clear();
        window = new Form5(sink);
        window->show();
    }
    void cleanup() { delete window; }

    void calculates_data();
    void calculates();
    void returnPressesTheLastButtonUsed();
    void germanLocaleUsesDecimalComma();
    void longListBenchmark();

private:
    void calculate(const QString& numbers, const QString& weights, const char* button)
    {
        enter("n", numbers);
        enter("w", weights);
        click(window, button);
    }
    // A tab cannot be typed into a field, only pasted.
    void enter(const char* field, const QString& text)
    {
        if (text.contains(u'\t'))
            control<QLineEdit>(window, field)->setText(text);
        else
            typeInto(window, field, text);
    }

    RecordingSink sink;
    Form5* window = nullptr;
};

void StatisticsWindowTest::calculates_data()
{
    QTest::addColumn<QString>("numbers");
    QTest::addColumn<QString>("weights");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QStringList>("messages"); // never more than one
    const QStringList none;
    QTest::newRow("mean") << "2 4 4 4 5 5 7 9"
                          << ""
                          << "Command1"
                          << "5" << none;
    QTest::newRow("variance") << "2 4 4 4 5 5 7 9"
                              << ""
                              << "Command3"
                              << "4" << none;
    QTest::newRow("deviation") << "2 4 4 4 5 5 7 9"
                               << ""
                               << "Command2"
                               << "2" << none;
    QTest::newRow("weighted deviation") << "1 4"
                                        << "2 1"
                                        << "Command2"
                                        << "1.4142135623731" << none;
    QTest::newRow("weighted variance") << "1 2 3"
                                       << "1 2 1"
                                       << "Command3"
                                       << "0.5" << none;
    QTest::newRow("fractions and mixed numbers") << "1/2 3/2 1/1/2"
                                                 << ""
                                                 << "Command1"
                                                 << "1.16666666666667" << none;
    QTest::newRow("fewer weights") << "1 2 3"
                                   << "1 1"
                                   << "Command1"
                                   << "" << QStringList{counts};
    QTest::newRow("weights without numbers") << ""
                                             << "1"
                                             << "Command1"
                                             << "" << QStringList{counts};
    QTest::newRow("both empty") << ""
                                << ""
                                << "Command3"
                                << ""
                                << QStringList{"Please Fill The Numbers Filed, It Is Empty!!!"};
    QTest::newRow("doubled blank") << "1  2"
                                   << ""
                                   << "Command1"
                                   << "" << QStringList{mustEnter};
    QTest::newRow("leading blank") << " 1"
                                   << ""
                                   << "Command1"
                                   << "" << QStringList{mustEnter};
    QTest::newRow("trailing blank makes the counts differ") << "1 2 "
                                                            << "1 1"
                                                            << "Command1"
                                                            << "" << QStringList{counts};
    QTest::newRow("a tab stays inside its item")
        << "1\t2"
        << ""
        << "Command1"
        << "" << QStringList{"1\t2 Is not a numeric value"};
    QTest::newRow("first bad item ends the check") << "1 x 3 y"
                                                   << ""
                                                   << "Command1"
                                                   << "" << QStringList{"x Is not a numeric value"};
    QTest::newRow("weight 1 is read before number 2")
        << "1 x"
        << "y 1"
        << "Command1"
        << "" << QStringList{"y Is not a numeric value"};
    QTest::newRow("zero denominator") << "1/0 2"
                                      << ""
                                      << "Command1"
                                      << "" << QStringList{"Denominator Cant Be Zero!!!"};
    QTest::newRow("weights sum to 0") << "1 2"
                                      << "1 -1"
                                      << "Command1"
                                      << "" << QStringList{unreasonable};
    QTest::newRow("negative variance shown") << "0 10"
                                             << "2 -1"
                                             << "Command3"
                                             << "-200" << none;
    QTest::newRow("its root refused") << "0 10"
                                      << "2 -1"
                                      << "Command2"
                                      << "" << QStringList{unreasonable};
    QTest::newRow("beyond range") << "1e308 1e308"
                                  << ""
                                  << "Command1"
                                  << "" << QStringList{"The Number Is Too Big!!!"};
}

void StatisticsWindowTest::calculates()
{
    QFETCH(QString, numbers);
    QFETCH(QString, weights);
    QFETCH(QString, button);
    QFETCH(QString, answer);
    QFETCH(QStringList, messages);
    calculate("3", "", "Command1"); // an earlier answer, which every click empties first
    QCOMPARE(textOf(window, "sol"), "3");
    calculate(numbers, weights, button.toLatin1().constData());
    QCOMPARE(textOf(window, "sol"), answer);
    QCOMPARE(sink.shown, messages);
    QCOMPARE(textOf(window, "n"), numbers); // the lists are never rewritten
    QCOMPARE(textOf(window, "w"), weights);
}

void StatisticsWindowTest::returnPressesTheLastButtonUsed()
{
    typeInto(window, "n", "2 4 4 4 5 5 7 9");
    QTest::keyClick(control<QLineEdit>(window, "n"), Qt::Key_Return);
    QCOMPARE(textOf(window, "sol"), "5");
    click(window, "Command3");
    typeInto(window, "n", "1 3");
    QTest::keyClick(control<QLineEdit>(window, "w"), Qt::Key_Return);
    QCOMPARE(textOf(window, "sol"), "1");
}

void StatisticsWindowTest::germanLocaleUsesDecimalComma()
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    calculate("0,5 1 1/2/4", "1 1 2", "Command1");
    const QString answer = textOf(window, "sol");
    QLocale::setDefault(QLocale::c());
    QCOMPARE(answer, "1,125");
    QVERIFY(sink.shown.isEmpty());
}

void StatisticsWindowTest::longListBenchmark()
{
    // 100,000 numbers with weights: their reading, the mean and its text, as one click.
    QStringList numbers;
    QStringList weights;
    for (int i = 1; i <= 100'000; ++i) {
        numbers << QString::number(i);
        weights << QString::number(i % 3 + 1);
    }
    control<QLineEdit>(window, "n")->setText(numbers.join(u' '));
    control<QLineEdit>(window, "w")->setText(weights.join(u' '));
    QElapsedTimer timer;
    timer.start();
    QBENCHMARK_ONCE
    {
        click(window, "Command2");
    }
    qInfo("100,000 weighted numbers: %lld ms", static_cast<long long>(timer.elapsed()));
    QCOMPARE(textOf(window, "sol"), "28867.5134575554");
    QVERIFY(sink.shown.isEmpty());
}

QTEST_MAIN(StatisticsWindowTest)
#include "tst_statistics_window.moc"
