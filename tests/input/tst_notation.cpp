#include "input/notation.h"
#include "input/reading_step.h"
#include "input/working.h"

#include <QLocale>
#include <QTest>

#include <functional>
#include <limits>

using Built = std::function<QString()>;
Q_DECLARE_METATYPE(Built)

class NotationTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }
    void cleanup() { QLocale::setDefault(QLocale::c()); }

    void workingNumber_data();
    void workingNumber();
    void builders_data();
    void builders();
    void anotherStyleWritesTheSameSteps();
    void readingStep_data();
    void readingStep();
};

void NotationTest::workingNumber_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("german");
    const auto row = [](const char* name, double value, const char* text, bool german = false) {
        QTest::newRow(name) << value << QString::fromUtf8(text) << german;
    };
    row("binary rounding does not show", 0.599999999999999, "0.6");
    row("a hair above a whole", 60.0000000000001, "60");
    row("pi to 12 digits", 3.14159265358979, "3.14159265359");
    row("one third", 1.0 / 3, "0.333333333333");
    row("a minus sign, not a hyphen", -3, "−3");
    row("negative zero", -0.0, "0");
    row("whole up to the field's exponent limit", 1e14, "100000000000000");
    row("thirteen digits cut to twelve", 1234567890123.0, "1234567890120");
    row("big", -1.5e20, "−1.5E+20");
    row("small", 0.00001, "1E-05");
    row("largest Real", std::numeric_limits<double>::max(), "1.79769313486E+308");
    row("no text for infinity", std::numeric_limits<double>::infinity(), "");
    row("German decimal comma", -2.5, "−2,5", true);
}

void NotationTest::workingNumber()
{
    QFETCH(double, value);
    QFETCH(QString, text);
    QFETCH(bool, german);
    if (german)
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    QCOMPARE(::workingNumber(value), text);
}

void NotationTest::builders_data()
{
    QTest::addColumn<Built>("built");
    QTest::addColumn<QString>("text");
    const auto row = [](const char* name, Built built, const char* text) {
        QTest::newRow(name) << built << QString::fromUtf8(text);
    };
    const QString x = QStringLiteral("x");
    row(
        "square", [=] { return squared(x); }, "x²");
    row(
        "digit power", [] { return power("2", "10"); }, "2¹⁰");
    row(
        "letter power", [] { return power("Q", minus("N", "1")); }, "Qᴺ⁻¹");
    row(
        "power that cannot be raised", [] { return power("2", "2.5"); }, "2^2.5");
    row(
        "bracketed power", [] { return power("2", "1/3"); }, "2^(1/3)");
    row(
        "root of one symbol", [] { return root("D"); }, "√D");
    row(
        "root of a number", [] { return root("12.5"); }, "√12.5");
    row(
        "root of a sum", [] { return root(plus(squared("a"), squared("b"))); }, "√(a² + b²)");
    row(
        "root of a negative", [] { return root(negative("4")); }, "√(−4)");
    row(
        "cube root", [] { return nthRoot("8", "3"); }, "³√8");
    row(
        "root of an absolute value", [] { return nthRoot(absolute("q"), "N − 1"); }, "ᴺ⁻¹√|q|");
    row(
        "root index that cannot be raised", [] { return nthRoot("8", "2.5"); }, "(8)^(1/2.5)");
    row(
        "product", [] { return times(times("4", "A"), "C"); }, "4 × A × C");
    row(
        "quotient", [] { return dividedBy(bracketed(minus("An", "A1")), "D"); }, "(An − A1) ÷ D");
    row(
        "fraction", [] { return fraction("7", "4"); }, "7/4");
    row(
        "comparison", [] { return lessThan("D", "0"); }, "D < 0");
    row(
        "cosine of degrees", [] { return cosine(degrees("90")); }, "cos(90°)");
    row(
        "sine", [] { return sine("z"); }, "sin(z)");
    row(
        "inverse cosine", [] { return inverseCosine("0.6"); }, "cos⁻¹(0.6)");
    row(
        "inverse sine", [] { return inverseSine("0.5"); }, "sin⁻¹(0.5)");
    row(
        "pi", [] { return piSymbol(); }, "π");
    row(
        "negative term bracketed", [] { return term(-3); }, "(−3)");
    row(
        "step leaves out values that repeat the formula", [] { return step("r", "r", "2"); },
        "r = 2");
}

void NotationTest::builders()
{
    QFETCH(Built, built);
    QFETCH(QString, text);
    QCOMPARE(built(), text);
}

namespace {

// A markup of another kind: what a later export gives the same builders.
class BracesStyle final : public NotationStyle {
public:
    QString number(const QString& digits) const override { return digits; }
    QString power(const QString& base, const QString& exponent) const override
    {
        return base + QStringLiteral("^{") + exponent + u'}';
    }
    QString root(const QString& argument, const QString&) const override
    {
        return QStringLiteral("\\sqrt{") + argument + u'}';
    }
    QString function(const QString& name, const QString& argument) const override
    {
        return name + u'(' + argument + u')';
    }
    QString symbol(const QString& name) const override
    {
        return name == QLatin1String("times")   ? QStringLiteral(" \\cdot ")
               : name == QLatin1String("minus") ? QStringLiteral(" - ")
                                                : textbookStyle().symbol(name);
    }
};

} // namespace

void NotationTest::anotherStyleWritesTheSameSteps()
{
    const auto discriminant = [] {
        return minus(squared(term(-3)), times(times("4", term(1)), term(2)));
    };
    {
        const BracesStyle braces;
        const ScopedNotation scope(braces);
        QCOMPARE(discriminant(), "(-3)^{2} - 4 \\cdot 1 \\cdot 2");
        QCOMPARE(root("D"), "\\sqrt{D}");
    }
    QCOMPARE(discriminant(), QString::fromUtf8("(−3)² − 4 × 1 × 2"));
}

void NotationTest::readingStep_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("step");
    QTest::addColumn<bool>("german");
    const auto row = [](const char* typed, const char* step, bool german = false) {
        QTest::newRow(typed) << QString::fromUtf8(typed) << QString::fromUtf8(step) << german;
    };
    row("7/4", "7/4 = 7 ÷ 4 = 1.75");
    row("1/3", "1/3 = 1 ÷ 3 = 0.333333333333");
    row("7/-4", "7/(−4) = 7 ÷ (−4) = −1.75");
    row("-7/4", "−7/4 = −7 ÷ 4 = −1.75");
    row("1/3/4", "1/3/4 = 1 + 3/4 = 1.75");
    row("-1/1/2", "−1/1/2 = −1 + 1/2 = −0.5");
    row("1/-1/2", "1/(−1)/2 = 1 + (−1)/2 = 0.5");
    row("2/0/5", "2/0/5 = 2 + 0/5 = 2");
    row("1,5/2", "1,5/2 = 1,5 ÷ 2 = 0,75", true);
    row("2.5", "");
    row("", "");
    row("1/0", "");
    row("x/2", "");
    row("1/2/3/4", "");
}

void NotationTest::readingStep()
{
    QFETCH(QString, typed);
    QFETCH(QString, step);
    QFETCH(bool, german);
    if (german)
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    QCOMPARE(::readingStep(typed), step);
}

QTEST_GUILESS_MAIN(NotationTest)
#include "tst_notation.moc"
