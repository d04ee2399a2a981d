#include "algebra/quadratic_window.h"

#include "support/exact_answers.h"
#include "support/rows.h"
#include "support/window_fixture.h"
#include "support/window_test.h"

#include <QLocale>
#include <QStandardPaths>

namespace {

const QString aZero = QStringLiteral("It Sould Be Quadratix Equation So A Value Must Not Be Zero ");

} // namespace

class QuadraticWindowTest : public WindowFixture<QuadraticWindow> {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QLocale::setDefault(QLocale::c());
        QStandardPaths::setTestModeEnabled(true);
    }
    void init() { openWindow(); }
    void cleanup() { closeWindow(); }

    void showsItsTexts();
    void solves_data();
    void solves();
    void refusedFieldKeepsWhatWasTyped_data();
    void refusedFieldKeepsWhatWasTyped();
    void aZeroClearsEarlierRoots();
    void overflowKeepsEarlierRoots();
    void returnInAFieldSolves();
    void solvesWithTheNumbersAsShown();
    void germanLocaleUsesDecimalComma();
    void showsWorkingWhenAsked();
    void exactAnswers_data();
    void exactAnswers();

private:
    void solve(const QString& a, const QString& b, const QString& c)
    {
        typeInto(window, "a", a);
        typeInto(window, "b", b);
        typeInto(window, "c", c);
        click(window, "Command1");
    }
};

void QuadraticWindowTest::showsItsTexts()
{
    QCOMPARE(window->windowTitle(), "Solving Quadratic Equation");
    const std::pair<const char*, QString> texts[] = {
        {"Label5", "The Quadratix Equation Formula :"},
        {"Label4", "X1 ,  X2  = "},
        {"Label1", "-B +- Root(B^2 - 4*A*c)"},
        {"Label7", QString(54, u'_')},
        {"Label8", "2*A"},
        {"Label9", "Fill In The Value Of   A , B And C"},
        {"Label10", "A"},
        {"Label11", "B"},
        {"Label12", "C"},
        {"Label2", "Example :  -3*X^2   +   6*X   -   2 = 0"},
        {"Label3", "           A = -3          B = 6      C = -2"},
        {"sol", "Solutions :"},
        {"Label6", "X1="},
        {"Label13", "X2="},
        {"x1", ""},
        {"x2", ""},
        {"a", ""},
    };
    for (const auto& [name, text] : texts)
        QCOMPARE(textOf(window, name), text);
    QCOMPARE(control<QPushButton>(window, "Command1")->text(), "Solve");
    auto* x1 = control<QLabel>(window, "x1");
    QVERIFY(x1->textInteractionFlags() & Qt::TextSelectableByMouse);
    QCOMPARE(x1->accessibleName(), "X1");
    QCOMPARE(control<QLineEdit>(window, "b")->accessibleName(), "B");
}

void QuadraticWindowTest::solves_data()
{
    QTest::addColumn<QString>("a");
    QTest::addColumn<QString>("b");
    QTest::addColumn<QString>("c");
    QTest::addColumn<QStringList>("fields"); // after the click
    QTest::addColumn<QString>("x1");
    QTest::addColumn<QString>("x2");
    QTest::addColumn<QStringList>("messages");
    const QStringList none;
    QTest::newRow("example") << "-3"
                             << "6"
                             << "-2" << QStringList{"-3", "6", "-2"} << "0.422649730810374"
                             << "1.57735026918963" << none;
    QTest::newRow("whole roots") << "1"
                                 << "-3"
                                 << "2" << QStringList{"1", "-3", "2"} << "2"
                                 << "1" << none;
    QTest::newRow("double root") << "1"
                                 << "2"
                                 << "1" << QStringList{"1", "2", "1"} << "-1"
                                 << "-1" << none;
    QTest::newRow("no solution") << "1"
                                 << "0"
                                 << "1" << QStringList{"1", "0", "1"} << "No Solution"
                                 << "No Solution" << none;
    QTest::newRow("zero roots show no minus") << "1"
                                              << "0"
                                              << "0" << QStringList{"1", "0", "0"} << "0"
                                              << "0" << none;
    QTest::newRow("fields normalised")
        << "1/2/4"
        << "2.50"
        << "-7/4" << QStringList{"1.5", "2.5", "-1.75"} << "0.530892128645408"
        << "-2.19755879531208" << none;
    QTest::newRow("A zero") << "0"
                            << "2"
                            << "1" << QStringList{"0", "2", "1"} << ""
                            << "" << QStringList{aZero};
    QTest::newRow("A zero as a fraction") << "0/5"
                                          << "2"
                                          << "1" << QStringList{"0", "2", "1"} << ""
                                          << "" << QStringList{aZero};
    QTest::newRow("B squared too big") << "1"
                                       << "1e155"
                                       << "1" << QStringList{"1", "1E+155", "1"} << ""
                                       << "" << QStringList{"The Number Is Too Big!!!"};
}

void QuadraticWindowTest::solves()
{
    QFETCH(QString, a);
    QFETCH(QString, b);
    QFETCH(QString, c);
    QFETCH(QStringList, fields);
    QFETCH(QString, x1);
    QFETCH(QString, x2);
    QFETCH(QStringList, messages);
    solve(a, b, c);
    QCOMPARE((QStringList{textOf(window, "a"), textOf(window, "b"), textOf(window, "c")}), fields);
    QCOMPARE(textOf(window, "x1"), x1);
    QCOMPARE(textOf(window, "x2"), x2);
    QCOMPARE(sink.shown, messages);
}

void QuadraticWindowTest::refusedFieldKeepsWhatWasTyped_data()
{
    QTest::addColumn<QString>("a");
    QTest::addColumn<QString>("b");
    QTest::addColumn<QString>("c");
    QTest::addColumn<QStringList>("fields");
    QTest::addColumn<QString>("message");
    QTest::newRow("bad A") << "x"
                           << "7/4"
                           << "3" << QStringList{"x", "7/4", "3"} << "x Is not a numeric value";
    QTest::newRow("B empty, typed C kept")
        << "2/4"
        << ""
        << "1/3" << QStringList{"0.5", "", "1/3"} << "Must enter a numeric value";
    QTest::newRow("bad C") << "1"
                           << "2"
                           << "3/" << QStringList{"1", "2", "3/"} << " Is not a numeric value";
    QTest::newRow("zero denominator")
        << "1"
        << "1/0"
        << "2" << QStringList{"1", "1/0", "2"} << "Denominator Cant Be Zero!!!";
    QTest::newRow("too many slashes")
        << "1/2/3/4"
        << "1"
        << "1" << QStringList{"1/2/3/4", "1", "1"} << "Must enter a numeric value";
}

void QuadraticWindowTest::refusedFieldKeepsWhatWasTyped()
{
    QFETCH(QString, a);
    QFETCH(QString, b);
    QFETCH(QString, c);
    QFETCH(QStringList, fields);
    QFETCH(QString, message);
    solve("1", "-3", "2");
    solve(a, b, c);
    QCOMPARE((QStringList{textOf(window, "a"), textOf(window, "b"), textOf(window, "c")}), fields);
    QCOMPARE(sink.shown, QStringList{message}); // one message, however many fields are bad
    QCOMPARE(textOf(window, "x1"), "2");        // the earlier roots stay
    QCOMPARE(textOf(window, "x2"), "1");
}

void QuadraticWindowTest::aZeroClearsEarlierRoots()
{
    solve("1", "-3", "2");
    solve("0", "-3", "2");
    QCOMPARE(textOf(window, "x1"), "");
    QCOMPARE(textOf(window, "x2"), "");
    QCOMPARE(sink.shown, QStringList{aZero});
}

void QuadraticWindowTest::overflowKeepsEarlierRoots()
{
    solve("1", "-3", "2");
    solve("1e308", "1", "-1e308");
    QCOMPARE(textOf(window, "x1"), "2");
    QCOMPARE(sink.shown, QStringList{"The Number Is Too Big!!!"});
}

void QuadraticWindowTest::returnInAFieldSolves()
{
    typeInto(window, "a", "1");
    typeInto(window, "b", "-3");
    typeInto(window, "c", "2");
    QTest::keyClick(control<QLineEdit>(window, "b"), Qt::Key_Return);
    QCOMPARE(textOf(window, "x1"), "2");
}

void QuadraticWindowTest::solvesWithTheNumbersAsShown()
{
    // 3X^2 - 2X + 1/3 has the double root 1/3, but C enters as 0.333333333333333, as shown,
    // so the discriminant is a hair above zero and the roots part.
    solve("3", "-2", "1/3");
    QCOMPARE(textOf(window, "c"), "0.333333333333333");
    QCOMPARE(textOf(window, "x1"), "0.333333344440003");
    QCOMPARE(textOf(window, "x2"), "0.333333322226664");
}

void QuadraticWindowTest::germanLocaleUsesDecimalComma()
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    solve("2", "-5", "2");
    const QStringList seen{textOf(window, "x1"), textOf(window, "x2")};
    solve("1/2/4", "2,5", "0,5");
    const QString normalised = textOf(window, "a");
    QLocale::setDefault(QLocale::c());
    QCOMPARE(seen, (QStringList{"2", "0,5"}));
    QCOMPARE(normalised, "1,5");
    QVERIFY(sink.shown.isEmpty());
}

void QuadraticWindowTest::showsWorkingWhenAsked()
{
    auto* working = control<QLabel>(window, "working");
    auto* button = control<QPushButton>(window, "showWorking");
    solve("1", "-3", "2");
    QVERIFY(!working->isVisible());
    QCOMPARE(workingText(window), "D = B² − 4 × A × C = (−3)² − 4 × 1 × 2 = 1\n√D = √1 = 1\n"
                                  "X1 = (−B + √D) ÷ (2 × A) = (3 + 1) ÷ 2 = 2\n"
                                  "X2 = (−B − √D) ÷ (2 × A) = (3 − 1) ÷ 2 = 1");

    button->click();
    QVERIFY(working->isVisible());
    solve("x", "-3", "2");
    QCOMPARE(sink.shown, QStringList{"x Is not a numeric value"});
    QCOMPARE(workingText(window), "");
    solve("-3", "6", "-2");
    QTRY_VERIFY2(working->height() >= working->heightForWidth(working->width()),
                 "a step is cut off");
    solve("1", "0", "1");
    QCOMPARE(workingText(window), "D = B² − 4 × A × C = 0² − 4 × 1 × 1 = −4\n"
                                  "D = −4 < 0, so there is no real root: No Solution");
    solve("0", "0", "1");
    QCOMPARE(workingText(window), "");

    button->click();
    QVERIFY(!working->isVisible());
}

void QuadraticWindowTest::exactAnswers_data()
{
    QTest::addColumn<QStringList>("abc");
    QTest::addColumn<int>("presses");
    QTest::addColumn<QStringList>("shown");   // A, B, C, X1, X2
    QTest::addColumn<QStringList>("working"); // its last lines
    QTest::addColumn<QString>("decimalX1");   // once Decimal is chosen again
    row("one root of 13", QStringList{"1", "-3", "-1"}, 1,
        QStringList{"1", "-3", "-1", "(3 + √13)/2", "(3 - √13)/2"},
        QStringList{"D = B² − 4 × A × C = (−3)² − 4 × 1 × (−1) = 13", "√D = √13",
                    "X1 = (−B + √D) ÷ (2 × A) = (3 + √13) ÷ 2 = (3 + √13)/2 ≈ 3.30277563773199",
                    "X2 = (−B − √D) ÷ (2 × A) = (3 − √13) ÷ 2 = (3 − √13)/2 ≈ -0.302775637731995"},
        "3.30277563773199");
    // The fields show 15 digits, yet the next press still counts with the thirds typed.
    row("thirds kept on the next press", QStringList{"1", "-1/3", "-1/3"}, 2,
        QStringList{"1", "-0.333333333333333", "-0.333333333333333", "(1 + √13)/6", "(1 - √13)/6"},
        QStringList{
            "D = B² − 4 × A × C = (−1/3)² − 4 × 1 × (−1/3) = 13/9", "√D = √(13/9) = √13/3",
            "X1 = (−B + √D) ÷ (2 × A) = (1/3 + √13/3) ÷ 2 = (1 + √13)/6 ≈ 0.767591879243998",
            "X2 = (−B − √D) ÷ (2 × A) = (1/3 − √13/3) ÷ 2 = (1 − √13)/6 ≈ -0.434258545910665"},
        "0.767591879243998");
    row("roots of C as shown: decimal", QStringList{"3", "-2", "1/3"}, 1,
        QStringList{"3", "-2", "0.333333333333333", "0.333333344440003", "0.333333322226664"},
        QStringList{"X2 = (−B − √D) ÷ (2 × A) = (2 − 6.66400187463E-08) ÷ 6 = 0.333333322226664"},
        "0.333333344440003");
    row("no solution", QStringList{"1", "1/3", "1"}, 1,
        QStringList{"1", "0.333333333333333", "1", "No Solution", "No Solution"},
        QStringList{"D = B² − 4 × A × C = (1/3)² − 4 × 1 × 1 = −35/9",
                    "D = −35/9 < 0, so there is no real root: No Solution"},
        "No Solution");
}

// Exact chosen before the presses; back to Decimal after, the same roots as decimals.
void QuadraticWindowTest::exactAnswers()
{
    QFETCH(QStringList, abc);
    QFETCH(int, presses);
    QFETCH(QStringList, shown);
    QFETCH(QStringList, working);
    QFETCH(QString, decimalX1);
    click(window, "showWorking");
    QStringList seen;
    QStringList lines;
    {
        const ExactAnswers exact;
        for (int press = 0; press < presses; ++press)
            solve(abc[0], abc[1], abc[2]);
        for (const char* name : {"a", "b", "c", "x1", "x2"})
            seen << textOf(window, name);
        lines = workingText(window).split(u'\n');
    }
    QCOMPARE(seen, shown);
    QCOMPARE(lines.mid(lines.size() - working.size()), working);
    QCOMPARE(textOf(window, "x1"), decimalX1);
    QCOMPARE(sink.shown, QStringList{});
}

QTEST_MAIN(QuadraticWindowTest)
#include "tst_quadratic_window.moc"
