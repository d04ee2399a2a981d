#include "statistics/statistics_window.h"

#include "support/window_fixture.h"
#include "support/window_test.h"
#include "widgets/answer_format.h"

#include <QLocale>
#include <QStandardPaths>

namespace {

enum How { Click, PressReturn, German };

} // namespace

class StatisticsWindowTest : public WindowFixture<StatisticsWindow> {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QLocale::setDefault(QLocale::c());
        // The answer format chosen below is kept in the test area, not the user's settings.
        QStandardPaths::setTestModeEnabled(true);
    }
    void init() { openWindow(); }
    void cleanup()
    {
        closeWindow();
        QLocale::setDefault(QLocale::c());
    }

    void calculates_data();
    void calculates();
    void longListBenchmark();
    void showsWorkingWhenAsked();
    void answersExactly_data();
    void answersExactly();
    void longListsAnswerInDecimals();
    void aLongRefusedListKeepsItsCursor();

private:
    void calculate(const QString& numbers, const QString& weights, const char* button)
    {
        typeInto(window, "n", numbers);
        typeInto(window, "w", weights);
        click(window, button);
    }
};

void StatisticsWindowTest::calculates_data()
{
    QTest::addColumn<QString>("numbers");
    QTest::addColumn<QString>("weights");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QStringList>("messages"); // never more than one
    QTest::addColumn<int>("how");
    const auto row = [](const char* name, const char* numbers, const char* weights,
                        const char* button, const char* answer, const QStringList& messages = {},
                        How how = Click) {
        QTest::newRow(name) << QString::fromLatin1(numbers) << QString::fromLatin1(weights)
                            << QString::fromLatin1(button) << QString::fromLatin1(answer)
                            << messages << int(how);
    };
    const QString counts = QStringLiteral("Number Of Elements In Both Fileds Must Be Equals. If "
                                          "There Is No Weight Leave The Weight Filed Empty!");
    const QString mustEnter = QStringLiteral("Must enter a numeric value");
    row("weighted variance", "1 2 3", "1 2 1", "Command3", "0.5");
    row("weighted deviation", "1 4", "2 1", "Command2", "1.4142135623731");
    row("Return presses the last button used", "1 3", "", "Command3", "1", {}, PressReturn);
    row("items read as fractions", "1/2 3/2", "", "Command1", "1");
    row("fractions and mixed numbers", "1/2 3/2 1/1/2", "", "Command1", "1.16666666666667");
    row("German decimal comma", "0,5 1 1/2/4", "1 1 2", "Command1", "1,125", {}, German);
    row("fewer weights", "1 2 3", "1 1", "Command1", "", {counts});
    row("weights without numbers", "", "1", "Command1", "", {counts});
    row("both empty", "", "", "Command3", "", {"Please Fill The Numbers Filed, It Is Empty!!!"});
    row("doubled blank", "1  2", "", "Command1", "", {mustEnter});
    row("trailing blank: counts differ", "1 2 ", "1 1", "Command1", "", {counts});
    row("first bad item ends the check", "1 x 3 y", "", "Command1", "",
        {"x Is not a numeric value"});
    row("weight 1 before number 2", "1 x", "y 1", "Command1", "", {"y Is not a numeric value"});
    row("zero denominator", "1/0 2", "", "Command1", "", {"Denominator Cant Be Zero!!!"});
    row("weights sum to 0", "1 2", "1 -1", "Command3", "", {"Unreasonable Data!!!."});
}

void StatisticsWindowTest::calculates()
{
    QFETCH(QString, numbers);
    QFETCH(QString, weights);
    QFETCH(QString, button);
    QFETCH(QString, answer);
    QFETCH(QStringList, messages);
    QFETCH(int, how);
    if (how == German)
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    // An earlier answer and its working, which every click empties first.
    calculate("3", "", button.toLatin1().constData());
    if (how == PressReturn) {
        typeInto(window, "n", numbers);
        QTest::keyClick(control<QLineEdit>(window, "w"), Qt::Key_Return);
    } else {
        calculate(numbers, weights, button.toLatin1().constData());
    }
    QCOMPARE(textOf(window, "sol"), answer);
    QCOMPARE(sink.shown, messages);
    const QString working = textOf(window, "working");
    QVERIFY(answer.isEmpty() ? working.isEmpty() : working.endsWith(u' ' + answer));
    QCOMPARE(textOf(window, "n"), numbers); // the lists are never rewritten
    QCOMPARE(textOf(window, "w"), weights);
}

void StatisticsWindowTest::longListBenchmark()
{
    // 100,000 numbers with weights: read, computed and shown in one click.
    QStringList numbers;
    QStringList weights;
    for (int i = 1; i <= 100'000; ++i) {
        numbers << QString::number(i);
        weights << QString::number(i % 3 + 1);
    }
    control<QLineEdit>(window, "n")->setText(numbers.join(u' '));
    control<QLineEdit>(window, "w")->setText(weights.join(u' '));
    QBENCHMARK_ONCE
    {
        click(window, "Command2");
    }
    QCOMPARE(textOf(window, "sol"), "28867.5134575554");
}

void StatisticsWindowTest::showsWorkingWhenAsked()
{
    auto* working = control<QLabel>(window, "working");
    calculate("1 4", "2 1", "Command1");
    QVERIFY(!working->isVisible());
    click(window, "showWorking");
    QVERIFY(working->isVisible());
    QCOMPARE(workingText(window),
             "Sum of a × w = 1 × 2 + 4 × 1 = 6\nSum of w = 2 + 1 = 3\nMean = 6 ÷ 3 = 2");
}

void StatisticsWindowTest::answersExactly_data()
{
    QTest::addColumn<QString>("numbers");
    QTest::addColumn<QString>("weights");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("answer");   // under Exact
    QTest::addColumn<QString>("lastLine"); // of the working under Exact
    QTest::addColumn<QString>("decimal");  // once Decimal is chosen again
    const auto row = [](const char* name, const char* numbers, const char* weights,
                        const char* button, const char* answer, const char* lastLine,
                        const char* decimal) {
        QTest::newRow(name) << QString::fromUtf8(numbers) << QString::fromUtf8(weights)
                            << QString::fromLatin1(button) << QString::fromUtf8(answer)
                            << QString::fromUtf8(lastLine) << QString::fromUtf8(decimal);
    };
    row("mean", "1 2 2", "", "Command1", "5/3", "Mean = 5 ÷ 3 = 5/3 ≈ 1.66666666666667",
        "1.66666666666667");
    row("variance of typed fractions", "1/3 2/3", "1/2 1", "Command3", "2/81",
        "Variance = (1/27) ÷ 1.5 = 2/81 ≈ 0.0246913580246914", "0.0246913580246914");
    row("deviation", "1 2 2", "", "Command2", "√2/3",
        "Deviation = √Variance = √(2/9) = √2/3 ≈ 0.471404520791032", "0.471404520791032");
    row("a negative mean", "-1 -2", "", "Command1", "-3/2", "Mean = (−3) ÷ 2 = −3/2 = -1.5",
        "-1.5");
}

// The answer and working under Exact, and the answer rewritten when Decimal comes back.
void StatisticsWindowTest::answersExactly()
{
    QFETCH(QString, numbers);
    QFETCH(QString, weights);
    QFETCH(QString, button);
    QFETCH(QString, answer);
    QFETCH(QString, lastLine);
    QFETCH(QString, decimal);
    AnswerFormat::program().setChoice({AnswerStyle::Exact, 2});
    calculate(numbers, weights, button.toLatin1().constData());
    const QString shown = textOf(window, "sol");
    const QStringList working = workingText(window).split(u'\n');
    AnswerFormat::program().setChoice({});
    QCOMPARE(shown, answer);
    QCOMPARE(working.last(), lastLine);
    QCOMPARE(textOf(window, "sol"), decimal);
    QVERIFY(workingText(window).endsWith(u' ' + decimal));
    QCOMPARE(sink.shown, QStringList{});
}

// Up to a thousand numbers carry their exact values; a longer list answers in decimals.
void StatisticsWindowTest::longListsAnswerInDecimals()
{
    AnswerFormat::program().setChoice({AnswerStyle::Exact, 2});
    const auto meanOf = [this](int count) {
        calculate(QStringList(count, QStringLiteral("1/3")).join(u' '), {}, "Command1");
        return textOf(window, "sol");
    };
    const QString thousand = meanOf(1000);
    const QString more = meanOf(1001);
    AnswerFormat::program().setChoice({});
    QCOMPARE(thousand, QStringLiteral("1/3"));
    QCOMPARE(more, QStringLiteral("0.333333333333332")); // the sum of 1001 thirds as Reals
    QCOMPARE(sink.shown, QStringList{});
}

// Selecting a refused list longer than a line field's limit would lay it out anew, a fifth of a
// second for a megabyte: it takes the focus with the cursor at its start instead.
void StatisticsWindowTest::aLongRefusedListKeepsItsCursor()
{
    window->show();
    auto* numbers = window->findChild<QLineEdit*>(QStringLiteral("n"));
    numbers->setText(QString(40000, u'x')); // pasted, not typed key by key
    click(window, "Command1");
    QCOMPARE(window->focusWidget(), numbers);
    QCOMPARE(numbers->selectedText(), QString());
    QCOMPARE(numbers->cursorPosition(), 0);
    QCOMPARE(sink.shown.size(), 1);
}

QTEST_MAIN(StatisticsWindowTest)
#include "tst_statistics_window.moc"
