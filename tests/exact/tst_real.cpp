#include "exact/exact_reading.h"
#include "exact/real.h"
#include "geometry/pi.h"
#include "support/rows.h"

#include "exact_values.h"

#include <QTest>

#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <functional>
#include <limits>
#include <numbers>
#include <vector>

namespace {

// A decimal typed in a field, read both ways as the windows read it.
Real typed(const char* ascii)
{
    double value = 0;
    std::from_chars(ascii, ascii + std::strlen(ascii), value);
    return Real::typed(value, decimalRational(ascii));
}

// The same formula text runs on doubles and on Reals; these give each its own π and steps.
double plain(double x)
{
    return x;
}

double plain(const Real& x)
{
    return x.value();
}

double piLike(double)
{
    return pi15;
}

Real piLike(const Real&)
{
    return Real::pi();
}

double power(double, int, double computed)
{
    return computed;
}

// One formula written once, as a task will be: its double and its Real instance.
struct Formula {
    std::function<double(double, double, double)> onDoubles;
    std::function<Real(Real, Real, Real)> onReals;
};

template <class F> Formula formula(F f)
{
    return {f, f};
}

using Build = std::function<Real()>;

// Decimals as pupils type them, and the edges of the double range.
const std::vector<const char*> samples{"0",
                                       "-0",
                                       "0.1",
                                       "2.5",
                                       "-3",
                                       "7",
                                       "1e-300",
                                       "1e300",
                                       "5e-324",
                                       "0.3333333333",
                                       "123456.789",
                                       "3.14159265358979",
                                       "-1.7976931348623157e308"};

} // namespace

Q_DECLARE_METATYPE(Formula)
Q_DECLARE_METATYPE(Build)
Q_DECLARE_METATYPE(Exact)

namespace {

void formColumns()
{
    QTest::addColumn<Build>("build");
    QTest::addColumn<bool>("hasExact");
    QTest::addColumn<QString>("text");
}

// An empty expected text stands for no text at all.
void compareText(const std::optional<QString>& text, const QString& expected)
{
    if (expected.isEmpty())
        QVERIFY2(!text.has_value(), qPrintable(text.value_or(QString())));
    else
        QCOMPARE(text.value_or(QStringLiteral("<none>")), expected);
}

// Each formula on every triple of samples, as doubles and as Reals: the very same bits.
void compareDoubles()
{
    QFETCH(Formula, formula);
    for (const char* a : samples)
        for (const char* b : samples)
            for (const char* c : samples) {
                const double expected =
                    formula.onDoubles(plain(typed(a)), plain(typed(b)), plain(typed(c)));
                const double got = formula.onReals(typed(a), typed(b), typed(c)).value();
                QVERIFY2(std::bit_cast<std::uint64_t>(got) ==
                             std::bit_cast<std::uint64_t>(expected),
                         qPrintable(QStringLiteral("%1, %2, %3: %4 instead of %5")
                                        .arg(a, b, c)
                                        .arg(got, 0, 'g', 17)
                                        .arg(expected, 0, 'g', 17)));
            }
}

void compareForm()
{
    QFETCH(Build, build);
    QFETCH(bool, hasExact);
    QFETCH(QString, text);
    const Real x = build();
    QCOMPARE(x.exact().has_value(), hasExact);
    compareText(exactText(x), text);
}

} // namespace

// One table per class of form, all read by the one check.
void rationalsRows();
void surdsRows();
void piMultiplesRows();
void anglesRows();
void formsThatLeaveRows();
void sizeCapRows();
void zeroAndInexactRows();

class RealTest : public QObject {
    Q_OBJECT

private slots:
    void sameDoubleAsPlainExpression_data();
    void sameDoubleAsPlainExpression();
    void sameDoubleWithPi_data();
    void sameDoubleWithPi();
    void forms_data();
    void forms();
    void roundedForm_data();
    void roundedForm();
    void disagreeingExactIsDropped_data();
    void disagreeingExactIsDropped();
    void signAndDouble_data();
    void signAndDouble();
};

void RealTest::sameDoubleWithPi_data()
{
    QTest::addColumn<Formula>("formula");
    using std::sqrt;
    row("circle area r*pi*r", formula([](auto r, auto, auto) { return r * piLike(r) * r; }));
    row("perimeter t + t", formula([](auto r, auto, auto) {
            const auto t = r * piLike(r);
            return t + t;
        }));
    row("radius from area", formula([](auto a, auto, auto) { return sqrt(a / piLike(a)); }));
    row("radius from perimeter", formula([](auto p, auto, auto) { return p / piLike(p) / 2; }));
}

void RealTest::sameDoubleAsPlainExpression_data()
{
    QTest::addColumn<Formula>("formula");
    using std::abs;
    using std::sqrt;
    row("mean (a+b)/2", formula([](auto a, auto b, auto) { return (a + b) / 2; }));
    row("discriminant", formula([](auto a, auto b, auto c) { return b * b - c * (a * 4); }));
    row("root of a quadratic",
        formula([](auto a, auto b, auto c) { return (-b + sqrt(b * b - c * (a * 4))) / (a + a); }));
    row("cosine rule",
        formula([](auto p, auto q, auto r) { return (p * p + q * q - r * r) / (2 * q * p); }));
    row("int on the left", formula([](auto a, auto b, auto) { return 1 - a / (4 * b); }));
    row("compound assignments", formula([](auto a, auto b, auto c) {
            auto x = a;
            x += b;
            x *= c;
            x -= 1;
            x /= b;
            return x;
        }));
    row("negation and abs", formula([](auto a, auto b, auto) { return -a + abs(b); }));
    row("progression sum", formula([](auto n, auto a1, auto an) { return n * (a1 + an) / 2; }));
    row("geometric sum", formula([](auto a1, auto q, auto) {
            return a1 * (power(q, 3, std::pow(plain(q), 3)) - 1) / (q - 1);
        }));
}

void RealTest::sameDoubleAsPlainExpression()
{
    compareDoubles();
}

void RealTest::sameDoubleWithPi()
{
    compareDoubles();
}

void rationalsRows()
{
    const Real one = 1;
    row("1/3 + 1/6", Build([=] { return one / 3 + one / 6; }), true, "1/2");
    row("mean of 1, 2, 2", Build([=] { return (one + 2 + 2) / 3; }), true, "5/3");
    row("typed 0.1 + 0.2", Build([] { return typed("0.1") + typed("0.2"); }), true, "3/10");
    row("typed 2.5 times 4", Build([] { return typed("2.5") * 4; }), true, "10");
    row("int minus int", Build([] { return 7 - Real(10); }), true, "-3");
    row("compound 1 /= 3 *= 6", Build([=] {
            Real x = one;
            x /= 3;
            x *= 6;
            return x;
        }),
        true, "2");
    row("abs of -7/2", Build([] { return abs(typed("-3.5")); }), true, "7/2");
}

void surdsRows()
{
    const Real one = 1;
    row("(3 + sqrt 13)/2", Build([] { return (3 + sqrt(Real(13))) / 2; }), true, "(3 + √13)/2");
    row("root X2 of X² - 3X - 1", Build([] {
            const Real a = 1, b = -3, c = -1;
            return (-b - sqrt(b * b - c * (a * 4))) / (a + a);
        }),
        true, "(3 - √13)/2");
    row("sqrt 8", Build([] { return sqrt(Real(8)); }), true, "2√2");
    row("sqrt 2.25", Build([] { return sqrt(typed("2.25")); }), true, "3/2");
    row("sqrt of a long square", Build([] {
            const Real x = typed("12345678901234567890.5");
            return sqrt(x * x);
        }),
        true, "24691357802469135781/2");
    row("sqrt of a long non-square",
        Build([] { return sqrt(typed("1234567890123456789012345678901")); }), false, "");
    row("sqrt 2 times sqrt 3", Build([] { return sqrt(Real(2)) * sqrt(Real(3)); }), true, "√6");
    row("sqrt 2 over sqrt 8", Build([] { return sqrt(Real(2)) / sqrt(Real(8)); }), true, "1/2");
    row("1 over sqrt 2", Build([=] { return one / sqrt(Real(2)); }), true, "√2/2");
    row("1 over (1 + sqrt 2)", Build([=] { return one / (1 + sqrt(Real(2))); }), true, "-1 + √2");
    row("abs of 1 - sqrt 2", Build([=] { return abs(1 - sqrt(Real(2))); }), true, "-1 + √2");
    row("sqrt(3 + 2 sqrt 2)", Build([] { return sqrt(3 + 2 * sqrt(Real(2))); }), true, "1 + √2");
    row("sqrt(3 - 2 sqrt 2)", Build([] { return sqrt(3 - 2 * sqrt(Real(2))); }), true, "-1 + √2");
    row("sqrt 2 to the 5th",
        Build([] { return power(sqrt(Real(2)), 5, std::pow(std::sqrt(2), 5)); }), true, "4√2");
    row("3/2 cubed", Build([=] { return power(one * 3 / 2, 3, 3.375); }), true, "27/8");
    row("2 to the -3", Build([] { return power(Real(2), -3, 0.125); }), true, "1/8");
}

void piMultiplesRows()
{
    const Real pi = Real::pi();
    row("r*pi*r with r = 2.5", Build([=] { return typed("2.5") * pi * typed("2.5"); }), true,
        "25π/4");
    row("10/pi", Build([=] { return 10 / pi; }), true, "10/π");
    row("perimeter t + t, r = 5", Build([=] {
            const Real t = 5 * pi;
            return t + t;
        }),
        true, "10π");
    row("radius back from area", Build([=] {
            const Real r = typed("2.5");
            return sqrt(r * pi * r / pi);
        }),
        true, "5/2");
    row("pi over pi", Build([=] { return pi / pi; }), true, "1");
    row("sqrt(4 pi squared)", Build([=] { return sqrt(4 * pi * pi); }), true, "2π");
    row("pi minus pi plus sqrt 2", Build([=] { return pi - pi + sqrt(Real(2)); }), true, "√2");
    row("pi squared has no text", Build([=] { return pi * pi; }), true, "");
    row("zero times pi squared", Build([=] { return (pi - pi) * pi; }), true, "0");
}

void anglesRows()
{
    const Real one = 1;
    const Real pi = Real::pi();
    const auto cosOf = [](int degrees) {
        return cosOfDegrees(degrees, std::cos(degrees * pi15 / 180));
    };
    row("cos 60", Build([=] { return cosOf(60); }), true, "1/2");
    row("cos 150", Build([=] { return cosOf(150); }), true, "-√3/2");
    row("cos -300", Build([=] { return cosOf(-300); }), true, "1/2");
    row("sin 45", Build([] { return sinOfDegrees(45, std::sin(45 * pi15 / 180)); }), true, "√2/2");
    row("arccos 1/2", Build([=] { return arccosDegrees(one / 2, 60.0000000000000071); }), true,
        "60");
    row("arccos -1", Build([] { return arccosDegrees(-1, 180); }), true, "180");
    row("arcsin 1/2", Build([=] { return arcsinDegrees(one / 2, 30.000000000000004); }), true,
        "30");
    row("arcsin -1", Build([] { return arcsinDegrees(-1, -90); }), true, "-90");
    row("arcsin sqrt2/2", Build([] { return arcsinDegrees(sqrt(Real(2)) / 2, 45); }), true, "45");
    row("angle of a 3-4-5 triangle", Build([] {
            const Real p = 3, q = 4, r = 5;
            return arccosDegrees((p * p + q * q - r * r) / (2 * q * p), 90);
        }),
        true, "90");
    row("cos 20 unknown", Build([=] { return cosOf(20); }), false, "");
    row("cos 60.5 unknown", Build([] { return cosOfDegrees(typed("60.5"), 0.49); }), false, "");
    row("cos of pi/3 radians", Build([=] { return cosOfDegrees(pi / 3, 0.9998); }), false, "");
    row("arccos 1/3 unknown", Build([=] { return arccosDegrees(one / 3, 70.5); }), false, "");
}

void formsThatLeaveRows()
{
    const Real pi = Real::pi();
    row("sqrt 2 + sqrt 3", Build([] { return sqrt(Real(2)) + sqrt(Real(3)); }), false, "");
    row("pi + 1", Build([=] { return pi + 1; }), false, "");
    row("sqrt(1 + sqrt 2)", Build([] { return sqrt(1 + sqrt(Real(2))); }), false, "");
    row("sqrt(5 + 2 sqrt 6)", Build([] { return sqrt(5 + 2 * sqrt(Real(6))); }), false, "");
    row("sqrt pi", Build([=] { return sqrt(pi); }), false, "");
    row("sqrt -4", Build([] { return sqrt(Real(-4)); }), false, "");
}

void sizeCapRows()
{
    const Real one = 1;
    row("3/2 to the 1000 kept",
        Build([=] { return power(one * 3 / 2, 1000, std::pow(1.5, 1000)); }), true, "");
    row("3/2 to the 1500 dropped",
        Build([=] { return power(one * 3 / 2, 1500, std::pow(1.5, 1500)); }), false, "");
    row("3/2 to the 5000 dropped",
        Build([=] { return power(one * 3 / 2, 5000, std::pow(1.5, 5000)); }), false, "");
    row("squaring away", Build([=] {
            Real x = one * 3 / 2;
            for (int i = 0; i < 12; ++i)
                x = x * x;
            return x;
        }),
        false, "");
}

void zeroAndInexactRows()
{
    const Real one = 1;
    row("1/0", Build([=] { return one / 0; }), false, "");
    row("0/0", Build([] { return Real(0) / 0; }), false, "");
    row("over sqrt 2 - sqrt 2", Build([=] { return one / (sqrt(Real(2)) - sqrt(Real(2))); }), false,
        "");
    row("0 to the -1", Build([] { return power(Real(0), -1, HUGE_VAL); }), false, "");
    row("inexact plus 1", Build([] { return Real::inexact(0.5) + 1; }), false, "");
    row("2 times inexact", Build([] { return 2 * Real::inexact(3); }), false, "");
    row("sqrt of inexact", Build([] { return sqrt(Real::inexact(4)); }), false, "");
    row("cos of inexact 60", Build([] { return cosOfDegrees(Real::inexact(60), 0.5); }), false, "");
    row("typed unreadable", Build([] { return Real::typed(0.5, std::nullopt) * 2; }), false, "");
}

void RealTest::forms_data()
{
    formColumns();
    rationalsRows();
    surdsRows();
    piMultiplesRows();
    anglesRows();
    formsThatLeaveRows();
    sizeCapRows();
    zeroAndInexactRows();
}

void RealTest::forms()
{
    compareForm();
}

void RealTest::roundedForm_data()
{
    QTest::addColumn<Build>("build");
    QTest::addColumn<int>("places");
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("text");
    const QLocale c = QLocale::c();
    const QLocale german(QLocale::German, QLocale::Germany);
    const Real pi = Real::pi();
    row("25π/4 to 2 places", Build([=] { return typed("2.5") * pi * typed("2.5"); }), 2, c,
        "19.63");
    row("(3 + √13)/2 to 3 places, comma", Build([] { return (3 + sqrt(Real(13))) / 2; }), 3, german,
        "3,303");
    row("5/2 to 0 places, half away", Build([] { return Real(5) / 2; }), 0, c, "3");
    row("-5/2 to 0 places", Build([] { return Real(-5) / 2; }), 0, c, "-3");
    row("10/π to 4 places", Build([=] { return 10 / pi; }), 4, c, "3.1831");
    row("π² has no form", Build([=] { return pi * pi; }), 2, c, "");
    row("11 places refused", Build([] { return Real(1) / 3; }), 11, c, "");
    row("inexact", Build([] { return Real::inexact(2.5); }), 2, c, "");
    row("disagreeing", Build([] { return Real::withExact(2.5, Exact::rational(3)); }), 2, c, "");
}

void RealTest::roundedForm()
{
    QFETCH(Build, build);
    QFETCH(int, places);
    QFETCH(QLocale, locale);
    QFETCH(QString, text);
    compareText(roundedText(build(), places, locale), text);
}

void RealTest::disagreeingExactIsDropped_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("exact");
    QTest::addColumn<QString>("text");
    const double infinity = std::numeric_limits<double>::infinity();
    row("same value", 0.5, QString("1/2"), "1/2");
    row("within 1e-9", 0.3333333333, QString("1/3"), "1/3");
    row("a different quantity", 0.5, QString("1/3"), "");
    row("just past 1e-9", 0.33333333, QString("1/3"), "");
    row("other sign", -0.5, QString("1/2"), "");
    row("zero against tiny", 1e-300, QString("0"), "");
    row("exact zero", 0.0, QString("0"), "0");
    row("infinite double", infinity, QString("1"), "");
    row("not a number", std::nan(""), QString("1"), "");
}

void RealTest::disagreeingExactIsDropped()
{
    QFETCH(double, value);
    QFETCH(QString, exact);
    QFETCH(QString, text);
    compareText(exactText(Real::withExact(value, Exact::rational(rational(exact)))), text);
}

void RealTest::signAndDouble_data()
{
    QTest::addColumn<Exact>("value");
    QTest::addColumn<int>("sign");
    QTest::addColumn<double>("expected");
    const auto root = [](const char* p, const char* q, const char* n, int k = 0) {
        return Exact(surd(p, q, n), k);
    };
    // 665857² − 2·470832² = 1, so 665857/470832 − √2 = 1/(470832·(665857 + 470832√2)).
    const double pell = 1 / (470832 * (665857 + 470832 * std::sqrt(2.0)));
    row("zero", Exact(), 0, 0.0);
    row("3 - 2√2", root("3", "-2", "2"), 1, 3 - 2 * std::sqrt(2.0));
    row("-3 + 2√2", root("-3", "2", "2"), -1, -3 + 2 * std::sqrt(2.0));
    row("near cancelling", root("665857/470832", "-1", "2"), 1, pell);
    row("near cancelling, negated", root("-665857/470832", "1", "2"), -1, -pell);
    row("-π/2", Exact(Surd(rational("-1/2")), 1), -1, -std::numbers::pi / 2);
    row("2/π²", Exact(Surd(2), -2), 1, 2 / (std::numbers::pi * std::numbers::pi));
}

void RealTest::signAndDouble()
{
    QFETCH(Exact, value);
    QFETCH(int, sign);
    QFETCH(double, expected);
    QCOMPARE(value.sign(), sign);
    const double got = value.toDouble();
    QVERIFY2(std::abs(got - expected) <= 1e-14 * std::abs(expected),
             qPrintable(QString::number(got, 'g', 17)));
}

QTEST_APPLESS_MAIN(RealTest)
#include "tst_real.moc"
