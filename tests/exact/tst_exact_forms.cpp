#include "exact/exact_angle.h"
#include "exact/exact_text.h"
#include "support/rows.h"

#include "exact_values.h"

#include <QTest>

#include <cmath>
#include <functional>
#include <numbers>

Q_DECLARE_METATYPE(ExactValue)

namespace {

// An empty expected text stands for no form at all.
void compareText(const std::optional<QString>& text, const QString& expected)
{
    if (expected.isEmpty())
        QVERIFY2(!text.has_value(), qPrintable(text.value_or(QString())));
    else
        QCOMPARE(text.value_or(QStringLiteral("<none>")), expected);
}

using SurdOperation = std::function<std::optional<Surd>(const Surd&, const Surd&)>;

SurdOperation operationNamed(const QString& name)
{
    if (name == u"+")
        return add;
    if (name == u"-")
        return subtract;
    if (name == u"*")
        return multiply;
    return divide;
}

} // namespace

class ExactFormsTest : public QObject {
    Q_OBJECT

private slots:
    void rationalText_data();
    void rationalText();
    void surdText_data();
    void surdText();
    void rootText_data();
    void rootText();
    void surdArithmetic_data();
    void surdArithmetic();
    void squareRoot_data();
    void squareRoot();
    void squareRootOfLargeNumbers_data();
    void squareRootOfLargeNumbers();
    void piText_data();
    void piText();
    void toDouble_data();
    void toDouble();
    void angleBothWays_data();
    void angleBothWays();
    void angleFromValue_data();
    void angleFromValue();
    void overLongFormFallsBack_data();
    void overLongFormFallsBack();
};

void ExactFormsTest::rationalText_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("text");
    row("integer", "5", "5");
    row("negative improper", "-7/3", "-7/3");
    row("reduced", "10/4", "5/2");
    row("whole after reducing", "-12/4", "-3");
    row("zero", "0/7", "0");
    row("mean of 1, 2, 2", "5/3", "5/3");
    row("large", "-12345678901/1234567890", "-12345678901/1234567890");
}

void ExactFormsTest::rationalText()
{
    QFETCH(QString, value);
    QFETCH(QString, text);
    compareText(exactText(rational(value)), text);
}

void ExactFormsTest::surdText_data()
{
    QTest::addColumn<QString>("p");
    QTest::addColumn<QString>("q");
    QTest::addColumn<QString>("n");
    QTest::addColumn<QString>("text");
    row("greater root of x² - 3x - 1", "3/2", "1/2", "13", "(3 + √13)/2");
    row("lesser root of x² - 3x - 1", "3/2", "-1/2", "13", "(3 - √13)/2");
    row("whole parts", "3", "1", "8", "3 + 2√2");
    row("whole minus root", "3", "-1", "13", "3 - √13");
    row("negative rational part", "-1/2", "-1/2", "5", "(-1 - √5)/2");
    row("common denominator", "1/2", "1/3", "2", "(3 + 2√2)/6");
}

void ExactFormsTest::rootText_data()
{
    QTest::addColumn<QString>("p");
    QTest::addColumn<QString>("q");
    QTest::addColumn<QString>("n");
    QTest::addColumn<QString>("text");
    row("root over two", "0", "1/2", "13", "√13/2");
    row("rationalised 2/√3", "0", "2/3", "3", "2√3/3");
    row("minus a root", "0", "-1", "3", "-√3");
    row("minus a root over four", "0", "-3/4", "2", "-3√2/4");
    row("square taken out", "0", "1", "12", "2√3");
    row("perfect square", "1", "1", "4", "3");
    row("root times zero", "-7/3", "0", "5", "-7/3");
}

void ExactFormsTest::rootText()
{
    surdText();
}

void ExactFormsTest::surdText()
{
    QFETCH(QString, p);
    QFETCH(QString, q);
    QFETCH(QString, n);
    QFETCH(QString, text);
    compareText(exactText(surd(p, q, n)), text);
}

void ExactFormsTest::surdArithmetic_data()
{
    QTest::addColumn<QStringList>("a"); // p, q, n
    QTest::addColumn<QString>("operation");
    QTest::addColumn<QStringList>("b");
    QTest::addColumn<QString>("text");
    const QStringList root2{"0", "1", "2"};
    const QStringList onePlusRoot2{"1", "1", "2"};
    const QStringList oneMinusRoot2{"1", "-1", "2"};
    row("√2 + √2", root2, "+", root2, "2√2");
    row("roots cancel", onePlusRoot2, "+", oneMinusRoot2, "2");
    row("√2 - √2", root2, "-", root2, "0");
    row("rational plus root", QStringList{"1/2", "0", "1"}, "+", root2, "(1 + 2√2)/2");
    row("√2 + √3 leaves the form", root2, "+", QStringList{"0", "1", "3"}, "");
    row("conjugates multiply", onePlusRoot2, "*", oneMinusRoot2, "-1");
    row("√2 × √2", root2, "*", root2, "2");
    row("√8 × √2", QStringList{"0", "1", "8"}, "*", root2, "4");
    row("(1 + √2)²", onePlusRoot2, "*", onePlusRoot2, "3 + 2√2");
    row("times a rational", QStringList{"3/2", "1/2", "13"}, "*", QStringList{"2", "0", "1"},
        "3 + √13");
    row("√2 × √3 leaves the form", root2, "*", QStringList{"0", "1", "3"}, "");
    row("1/√2", QStringList{"1", "0", "1"}, "/", root2, "√2/2");
    row("2/√3", QStringList{"2", "0", "1"}, "/", QStringList{"0", "1", "3"}, "2√3/3");
    row("over a conjugate", onePlusRoot2, "/", oneMinusRoot2, "-3 - 2√2");
    row("√2 over itself", root2, "/", root2, "1");
    row("over a rational", root2, "/", QStringList{"-4", "0", "1"}, "-√2/4");
    row("over zero", root2, "/", QStringList{"0", "0", "1"}, "");
    row("√6 / √2 leaves the form", QStringList{"0", "1", "6"}, "/", root2, "");
}

void ExactFormsTest::surdArithmetic()
{
    QFETCH(QStringList, a);
    QFETCH(QString, operation);
    QFETCH(QStringList, b);
    QFETCH(QString, text);
    const std::optional<Surd> result =
        operationNamed(operation)(surd(a[0], a[1], a[2]), surd(b[0], b[1], b[2]));
    compareText(result ? exactText(*result) : std::nullopt, text);
}

void ExactFormsTest::squareRoot_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("text");
    row("√8", "8", "2√2");
    row("√13", "13", "√13");
    row("fourth power taken out, √48", "48", "4√3");
    row("odd powers, √864 = √(2⁵·3³)", "864", "12√6");
    row("√(1/32)", "1/32", "√2/8");
    row("√(1/2)", "1/2", "√2/2");
    row("√(2/3)", "2/3", "√6/3");
    row("√(50/3)", "50/3", "5√6/3");
    row("√(9/4)", "9/4", "3/2");
    row("√(12/27)", "12/27", "2/3");
    row("√(1/100)", "1/100", "1/10");
    row("√0", "0", "0");
    row("√1", "1", "1");
    row("negative", "-1", "");
}

void ExactFormsTest::squareRootOfLargeNumbers_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("text");
    row("a large prime", "1000000007", "√1000000007");
    row("a large prime squared, twice", "2000000028000000098", "1000000007√2");
    row("square of a prime above the trial division", "1000000014000000049", "1000000007");
    row("two large primes cannot be told apart from a square-free product", "1000000016000000063",
        "");
}

void ExactFormsTest::squareRootOfLargeNumbers()
{
    squareRoot();
}

void ExactFormsTest::squareRoot()
{
    QFETCH(QString, value);
    QFETCH(QString, text);
    const std::optional<Surd> root = Surd::squareRoot(rational(value));
    compareText(root ? exactText(*root) : std::nullopt, text);
}

void ExactFormsTest::piText_data()
{
    QTest::addColumn<bool>("over");
    QTest::addColumn<QString>("q");
    QTest::addColumn<QString>("text");
    row("circle of radius 5", false, "25", "25π");
    row("quarter", false, "25/4", "25π/4");
    row("minus a half", false, "-1/2", "-π/2");
    row("π", false, "1", "π");
    row("-π", false, "-1", "-π");
    row("zero", false, "0", "0");
    row("five over π", true, "5", "5/π");
    row("over 4π", true, "25/4", "25/(4π)");
    row("minus one over 4π", true, "-1/4", "-1/(4π)");
    row("one over π", true, "1", "1/π");
    row("zero over π", true, "0", "0");
}

void ExactFormsTest::piText()
{
    QFETCH(bool, over);
    QFETCH(QString, q);
    QFETCH(QString, text);
    const PiMultiple value = over ? PiMultiple::over(rational(q)) : PiMultiple::times(rational(q));
    compareText(exactText(value), text);
    compareText(exactText(ExactValue(value)), text);
}

void ExactFormsTest::toDouble_data()
{
    QTest::addColumn<ExactValue>("value");
    QTest::addColumn<double>("real");
    row("(3 + √13)/2", ExactValue(surd("3/2", "1/2", "13")), (3 + std::sqrt(13.0)) / 2);
    row("(3 - √13)/2", ExactValue(surd("3/2", "-1/2", "13")), (3 - std::sqrt(13.0)) / 2);
    row("-7/3", ExactValue(Surd(rational("-7/3"))), -7.0 / 3);
    row("25π", ExactValue(PiMultiple::times(25)), 25 * std::numbers::pi);
    row("25/(4π)", ExactValue(PiMultiple::over(rational("25/4"))), 25 / (4 * std::numbers::pi));
    row("60° in radians", ExactValue(ExactAngle{60}.radians()), std::numbers::pi / 3);
}

void ExactFormsTest::toDouble()
{
    QFETCH(ExactValue, value);
    QFETCH(double, real);
    const double converted = std::visit([](const auto& form) { return form.toDouble(); }, value);
    QVERIFY(std::fabs(converted - real) <= 1e-15 * std::fabs(real));
}

void ExactFormsTest::angleBothWays_data()
{
    QTest::addColumn<int>("degrees");
    QTest::addColumn<QString>("cos");
    QTest::addColumn<QString>("sin");
    QTest::addColumn<int>("arcSin"); // the angle sin⁻¹ gives back, within -90°..90°
    row("0°", 0, "1", "0", 0);
    row("30°", 30, "√3/2", "1/2", 30);
    row("45°", 45, "√2/2", "√2/2", 45);
    row("60°", 60, "1/2", "√3/2", 60);
    row("90°", 90, "0", "1", 90);
    row("120°", 120, "-1/2", "√3/2", 60);
    row("135°", 135, "-√2/2", "√2/2", 45);
    row("150°", 150, "-√3/2", "1/2", 30);
    row("180°", 180, "-1", "0", 0);
}

void ExactFormsTest::angleBothWays()
{
    QFETCH(int, degrees);
    QFETCH(QString, cos);
    QFETCH(QString, sin);
    QFETCH(int, arcSin);
    const std::optional<Surd> cosine = exactCos(ExactAngle{degrees});
    const std::optional<Surd> sine = exactSin(ExactAngle{degrees});
    QVERIFY(cosine && sine);
    compareText(exactText(*cosine), cos);
    compareText(exactText(*sine), sin);
    const double radians = degrees * std::numbers::pi / 180;
    QVERIFY(std::fabs(cosine->toDouble() - std::cos(radians)) < 1e-15);
    QVERIFY(std::fabs(sine->toDouble() - std::sin(radians)) < 1e-15);
    QCOMPARE(exactArcCos(*cosine).value_or(ExactAngle{999}).degrees, degrees);
    QCOMPARE(exactArcSin(*sine).value_or(ExactAngle{999}).degrees, arcSin);
}

void ExactFormsTest::angleFromValue_data()
{
    QTest::addColumn<QString>("function");
    QTest::addColumn<QStringList>("value"); // p, q, n
    QTest::addColumn<int>("degrees");       // -1000 where there is no exact angle
    row("cos⁻¹(1/2)", "cos", QStringList{"1/2", "0", "1"}, 60);
    row("sin⁻¹(√2/2)", "sin", QStringList{"0", "1/2", "2"}, 45);
    row("cos⁻¹(-√3/2)", "cos", QStringList{"0", "-1/2", "3"}, 150);
    row("sin⁻¹(-1/2)", "sin", QStringList{"-1/2", "0", "1"}, -30);
    row("sin⁻¹(-1)", "sin", QStringList{"-1", "0", "1"}, -90);
    row("cos⁻¹(1/3)", "cos", QStringList{"1/3", "0", "1"}, -1000);
    row("sin⁻¹(√3/3)", "sin", QStringList{"0", "1/3", "3"}, -1000);
    row("cos⁻¹(2)", "cos", QStringList{"2", "0", "1"}, -1000);
    row("cos⁻¹(√2)", "cos", QStringList{"0", "1", "2"}, -1000);
}

void ExactFormsTest::angleFromValue()
{
    QFETCH(QString, function);
    QFETCH(QStringList, value);
    QFETCH(int, degrees);
    const Surd v = surd(value[0], value[1], value[2]);
    const std::optional<ExactAngle> angle = function == u"cos" ? exactArcCos(v) : exactArcSin(v);
    QCOMPARE(angle.value_or(ExactAngle{-1000}).degrees, degrees);
}

void ExactFormsTest::overLongFormFallsBack_data()
{
    QTest::addColumn<ExactValue>("value");
    QTest::addColumn<QString>("text");
    row("rational of 24", ExactValue(Surd(rational("-123456789012/1234567891"))),
        "-123456789012/1234567891");
    row("rational of 25", ExactValue(Surd(rational("-1234567890123/1234567891"))), "");
    row("surd of 24", ExactValue(surd("12345678/7", "1", "1234567")), "(12345678 + 7√1234567)/7");
    row("surd of 25", ExactValue(surd("123456789/7", "1", "1234567")), "");
    row("π multiple of 24", ExactValue(PiMultiple::times(rational("1234567890121/123456789"))),
        "1234567890121π/123456789");
    row("π multiple of 25", ExactValue(PiMultiple::times(rational("12345678901234/123456789"))),
        "");
    row("over π of 24", ExactValue(PiMultiple::over(rational("12345678901/123456789"))),
        "12345678901/(123456789π)");
    row("over π of 25", ExactValue(PiMultiple::over(rational("123456789011/123456789"))), "");
}

void ExactFormsTest::overLongFormFallsBack()
{
    QFETCH(ExactValue, value);
    QFETCH(QString, text);
    compareText(exactText(value), text);
}

QTEST_GUILESS_MAIN(ExactFormsTest)
#include "tst_exact_forms.moc"
