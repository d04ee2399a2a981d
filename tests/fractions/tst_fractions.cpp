#include "fractions/fraction_conversion.h"
#include "fractions/fraction_operators.h"
#include "input/number_text.h"
#include "support/overloaded.h"

#include <QLocale>
#include <QRegularExpression>
#include <QTest>

namespace {

// Every outcome as one line of text: a fraction as the window shows it ("3 1/2"), a decimal
// after the whole-part field it leaves ("0|0.25"), a comparison, or the message shown instead;
// with it the working written by the same call (none for the 32-bit procedures).
struct Shown {
    QString answer;
    Working working;
};

QString text(const FractionText& f)
{
    return shownFraction(f);
}
QString text(const Fraction& f)
{
    return QString("%1 %2/%3").arg(f.s).arg(f.m).arg(f.d);
}
QString text(std::int32_t n)
{
    return QString::number(n);
}
QString text(double value)
{
    return numberText(value);
}
QString text(const DecimalResult& r)
{
    return r.whole + u'|' + r.decimal;
}
QString text(const OperatorAnswer& answer)
{
    return std::visit(overloaded{
                          [](const FractionText& f) { return shownFraction(f); },
                          [](bool holds) { return QString(holds ? "True" : "False"); },
                      },
                      answer.result);
}
QString text(Message message)
{
    return messageText(message);
}
QString text(WholeReset)
{
    return QStringLiteral("reset");
}
QString text(const std::variant<Message, WholeReset>& refusal)
{
    return std::visit([](const auto& r) { return text(r); }, refusal);
}
QString text(const OperatorRefusal& refusal)
{
    return messageText(refusal.message);
}

template <class T> Shown shown(const Checked<T>& checked)
{
    return {checked ? text(*checked) : messageText(checked.refusal()), {}};
}

template <class Values, class Refusal> Shown shown(const Outcome<Values, Refusal>& outcome)
{
    if (const auto* solved = std::get_if<Solved<Values>>(&outcome))
        return {text(solved->values), solved->working};
    return {text(std::get<Refusal>(outcome)), {}};
}

const QString numeric = "Must enter a numeric value";
const QString zeroDenominator = "Denominator Cant Be Zero!!!";
const QString tooBig = "The Number Is Too Big!!!";
const QString unreasonable = "Unreasonable Data!!!.";
const QString decimalForm = "You must enter a decimal number in form ab.def";
const QString setOperation = "Please Set the operation [+ - * / < > =]!!!.";
const QString secondZero = "Fraction 2 Can't be equals to zero ";
const QString numberZero = "Number Can't Be Zero!!!";

} // namespace

class FractionsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }
    void tools_data();
    void tools();
    void germanLocaleUsesDecimalComma();
    void showsItsWorking_data();
    void showsItsWorking();
};

namespace {

// One click of a tool on its fields' texts (an operand of the operator tool is whole/num/den),
// or one of the 32-bit procedures on whole numbers.
Shown run(const QString& tool, const QStringList& f)
{
    const int x = f.value(0).toInt();
    const int y = f.value(1).toInt();
    if (tool == "gcd")
        return {QString::number(gcd(x, y)), {}};
    if (tool == "common()")
        return shown(common(x, y));
    if (tool == "mixed()")
        return shown(mixed(x, y));
    if (tool == "improper()")
        return shown(improper(x, y, f.value(2).toInt()));
    if (tool == "improper")
        return shown(fractionToImproper(f[0], f[1], f[2]));
    if (tool == "fraction")
        return shown(improperToFraction(f[0], f[1]));
    if (tool == "decimal")
        return shown(fractionToDecimal(f[0], f[1], f[2]));
    if (tool == "fromDecimal")
        return shown(decimalToFraction(f[0]));
    if (tool == "common")
        return shown(commonDenominator(f[0], f[1]));
    if (tool == "reduce")
        return shown(reduceFraction(f[0], f[1]));
    const QStringList a = f[0].split(u'/');
    const QStringList b = f[2].split(u'/');
    return shown(operateOnFractions({a[0], a[1], a[2]}, f[1], {b[0], b[1], b[2]}));
}

QString answerOf(const QString& tool, const QStringList& fields)
{
    return run(tool, fields).answer;
}

} // namespace

void FractionsTest::tools_data()
{
    QTest::addColumn<QString>("tool");
    QTest::addColumn<QStringList>("fields");
    QTest::addColumn<QString>("expected");
    const auto row = [](const char* tool, const QStringList& fields, const QString& expected) {
        QTest::addRow("%s %s", tool, qPrintable(fields.join(u' '))) << tool << fields << expected;
    };
    // The procedures: gcd, common, mixed and improper with their sign rules and limits
    row("gcd", {"12", "18"}, "6");
    row("gcd", {"5", "0"}, "5");
    row("gcd", {"0", "5"}, "5");
    row("gcd", {"0", "0"}, "0");
    row("gcd", {"-4", "6"}, "2");
    row("gcd", {"4", "-6"}, "-2");
    row("gcd", {"4", "-4"}, "-4");
    row("gcd", {"-4", "4"}, "4");
    row("gcd", {"-2147483648", "-1"}, "-1");
    row("common()", {"4", "6"}, "12");
    row("common()", {"2", "3"}, "6");
    row("common()", {"4", "4"}, "4");
    row("common()", {"-4", "6"}, "-12");
    row("common()", {"4", "-6"}, "12");
    row("common()", {"0", "0"}, unreasonable);
    row("common()", {"50000", "50000"}, tooBig);
    row("common()", {"-2147483648", "-1"}, tooBig);
    row("mixed()", {"7", "2"}, "3 1/2");
    row("mixed()", {"-7", "2"}, "-3 -1/2");
    row("mixed()", {"2", "4"}, "0 2/4");
    row("mixed()", {"1", "0"}, unreasonable);
    row("mixed()", {"-2147483648", "-1"}, tooBig);
    row("improper()", {"2", "1", "3"}, "0 7/3");
    row("improper()", {"-1", "1", "2"}, "0 -1/2");
    row("improper()", {"1", "2147483645", "2"}, "0 2147483647/2");
    row("improper()", {"1", "2147483646", "2"}, tooBig);
    // Fraction To Improper: whole, numerator, denominator -> numerator/denominator
    row("improper", {"2", "1", "3"}, "7/3");
    row("improper", {"2.5", "1", "3"}, "7/3");
    row("improper", {"3.5", "1", "3"}, "13/3");
    row("improper", {"1", "1.5", "2"}, "3.5/2"); // the numerator stays a Real
    row("improper", {"-1", "2", "3"}, "-1/3");   // the sign stays with the whole part
    row("improper", {"0", "0", "4.0"}, "0/4.0"); // the denominator as typed
    row("improper", {"", "1", "3"}, numeric);
    row("improper", {"1", "1", "0"}, zeroDenominator);
    row("improper", {"1", "x", "0"}, numeric);
    row("improper", {"2147483647", "0", "1"}, "2147483647/1");
    row("improper", {"2147483648", "0", "1"}, tooBig);
    row("improper", {"2", "0", "1e308"}, tooBig);
    // Improper To Fraction: numerator, denominator -> whole numerator/denominator
    row("fraction", {"7", "2"}, "3 1/2");
    row("fraction", {"3", "4"}, "0 3/4");
    row("fraction", {"8", "2"}, "4");
    row("fraction", {"-7", "2"}, "-3 -1/2");
    row("fraction", {"7.5", "2"}, "4");
    row("fraction", {"", "2"}, numeric);
    row("fraction", {"7", "0"}, zeroDenominator);
    row("fraction", {"7", "0.4"}, unreasonable);
    row("fraction", {"-2147483648", "-1"}, tooBig);
    // Fraction To Decimal: whole, numerator, denominator -> whole field|decimal
    row("decimal", {"", "1", "4"}, "0|0.25");
    row("decimal", {"2", "1", "8"}, "2|2.125");
    row("decimal", {"-1", "1", "2"}, "-1|-0.5");
    row("decimal", {"0", "1.5", "2"}, "0|1"); // the numerator is rounded first
    row("decimal", {"ab", "1", "4"}, "reset");
    row("decimal", {"ab", "x", "4"}, numeric);
    row("decimal", {"ab", "1", "0"}, zeroDenominator);
    row("decimal", {"0", "3e9", "2"}, tooBig);
    row("decimal", {"0", "1", "1e-320"}, tooBig);
    // Decimal To Fraction: decimal -> whole numerator/denominator
    row("fromDecimal", {"3.25"}, "3 25/100");
    row("fromDecimal", {"0.05"}, "0 5/100");
    row("fromDecimal", {"3.0"}, "3");
    row("fromDecimal", {"3.05"}, "3 5/100");
    row("fromDecimal", {"-2.5"}, "-2 5/10");
    row("fromDecimal", {"-0.5"}, "-0 5/10"); // the whole part as typed, its minus kept
    row("fromDecimal", {"-00.0"}, "-00");
    row("fromDecimal", {" 3.25 "}, "3 25/100"); // blanks around are no digits
    row("fromDecimal", {"5"}, decimalForm);
    row("fromDecimal", {".5"}, decimalForm);
    row("fromDecimal", {"5."}, decimalForm);
    row("fromDecimal", {"1.2.3"}, numeric);
    row("fromDecimal", {"3.2x"}, numeric);
    row("fromDecimal", {"0.2147483647"}, "0 2147483647/10000000000");
    row("fromDecimal", {"3.14159265358979"}, "3 14159265358979/100000000000000");
    row("fromDecimal", {"1.0021474836470"}, "1 21474836470/10000000000000");
    row("fromDecimal", {"1.12345678901e5"}, tooBig);
    // The operator tool: first, operator, second -> whole numerator/denominator or comparison
    row("operate", {"1/1/2", "+", "2/1/3"}, "3 5/6");
    row("operate", {"/1/4", "+", "/1/6"}, "0 5/12");
    row("operate", {"/3/4", "+", "/3/4"}, "1 2/4");
    row("operate", {"/4/6", "+", "/0/5"}, "0 20/30");
    row("operate", {"/1/2", "+", "/1/2"}, "1");
    row("operate", {"-1/1/2", "+", "/1/2"}, "0");
    row("operate", {"2.5/1/2", "+", "0/1/2"}, "3"); // Real whole parts added, then rounded
    row("operate", {"/1/2", "-", "/1/3"}, "0 1/6");
    row("operate", {"/1/3", "-", "/1/2"}, "0 -1/6");
    row("operate", {"/3/4", "-", "/1/4"}, "0 2/4");
    row("operate", {"2/1/2", "-", "/1/2"}, "2");
    row("operate", {"/1/2", "*", "/2/3"}, "0 1/3");
    row("operate", {"1/1/2", "*", "1/1/2"}, "2 1/4");
    row("operate", {"/0/5", "*", "/2/3"}, "0");
    row("operate", {"/-1/2", "*", "/1/3"}, "0 1/-6"); // the sign lands where gcd puts it
    row("operate", {"/1/2", "/", "/1/4"}, "2");
    row("operate", {"1/1/2", "/", "/1/2"}, "3");
    row("operate", {"/0/3", "/", "/1/4"}, "0");
    row("operate", {"/1/2", "/", "/0/5"}, secondZero);
    row("operate", {"/0/2", "/", "/0/5"}, secondZero);
    row("operate", {"/1/2", "<", "/2/3"}, "True");
    row("operate", {"/1/2", ">", "/2/3"}, "False");
    row("operate", {"/1/2", "=", "/2/4"}, "True");
    row("operate", {"/1/3", "=", "/2/6"}, "True");
    row("operate", {"-1/1/2", "<", "/0/1"}, "True");
    row("operate", {"x/1/0.4", "<", "/1/2"}, "False"); // comparisons read Reals only
    row("operate", {"/1/2", " +", "/1/2"}, setOperation);
    row("operate", {"/1/2", "", "/1/2"}, setOperation);
    row("operate", {"/1/2", "plus", "/1/2"}, setOperation);
    row("operate", {"/x/2", "+", "/1/2"}, numeric);
    row("operate", {"/1/0", "+", "/1/"}, numeric);
    row("operate", {"/1/2", "+", "/1/0"}, zeroDenominator);
    row("operate", {"/1/0.4", "+", "/1/2"}, unreasonable);
    row("operate", {"/1/0.4", "/", "/1/2"}, unreasonable);
    row("operate", {"1e10/1/0.4", "-", "/1/2"}, tooBig); // every reading before the zero
    row("operate", {"/1/0.4", "+", "/1/1e10"}, tooBig);
    row("operate", {"/50000/1", "/", "/0/50000"}, tooBig); // the products before the zero test
    row("operate", {"/1/50000", "+", "/1/50000"}, tooBig);
    row("operate", {"/1/65536", "*", "/1/65536"}, tooBig);
    row("operate", {"/-2147483648/1", "/", "/-1/1"}, tooBig);
    row("operate", {"/2147483647/1", "+", "/0/1"}, "2147483647");
    row("operate", {"/2147483647/1", "+", "/1/1"}, tooBig);
    row("operate", {"2147483647/0/1", "+", "1/0/1"}, tooBig);
    row("operate", {"/1e308/1e-308", "<", "/1/2"}, tooBig);
    // Common denominator: a (captioned "B"), b (captioned "A") -> c
    row("common", {"6", "4"}, "12");
    row("common", {"4", "4"}, "4");
    row("common", {"5", "3"}, "15");
    row("common", {"6", "-4"}, "-12");
    row("common", {"-6", "4"}, "12");
    row("common", {"2", "2.5"}, "2.5");
    row("common", {"6", "0"}, numberZero);
    row("common", {"", "0"}, numeric);
    row("common", {"0.2", "0.3"}, unreasonable);
    row("common", {"0.4", "5"}, unreasonable); // not a common denominator of 0
    row("common", {"5", "0.4"}, "0.4");
    row("common", {"3e9", "2"}, tooBig);
    // Reduction: numerator, denominator -> numerator/denominator
    row("reduce", {"6", "8"}, "3/4");
    row("reduce", {"8", "6"}, "4/3");
    row("reduce", {"5", "5"}, "1/1");
    row("reduce", {"0", "5"}, "0/1");
    row("reduce", {"-2", "4"}, "1/-2");
    row("reduce", {"2", "-4"}, "1/-2");
    row("reduce", {"1", "0"}, numberZero);
    row("reduce", {"", "0"}, numeric);
    row("reduce", {"0", "0.4"}, unreasonable);
    row("reduce", {"5", "0.4"}, unreasonable); // not 1 over 0
    row("reduce", {"-2147483648", "-1"}, "2147483648/1");
    row("reduce", {"2147483648", "2"}, tooBig);
}

void FractionsTest::tools()
{
    QFETCH(QString, tool);
    QFETCH(QStringList, fields);
    QFETCH(QString, expected);
    QCOMPARE(answerOf(tool, fields), expected);
}

void FractionsTest::germanLocaleUsesDecimalComma()
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const QStringList seen{answerOf("fromDecimal", {"3,25"}), answerOf("fromDecimal", {"3.25"}),
                           answerOf("decimal", {"", "1", "4"}),
                           answerOf("improper", {"1", "1,5", "2"}),
                           answerOf("operate", {"/1,5/2", "+", "/1/2"})};
    QLocale::setDefault(QLocale::c());
    QCOMPARE(seen, (QStringList{"3 25/100", numeric, "0|0,25", "3,5/2", "1"}));
}

void FractionsTest::showsItsWorking_data()
{
    QTest::addColumn<QString>("tool");
    QTest::addColumn<QStringList>("fields");
    QTest::addColumn<QStringList>("working"); // every line; none after a refusal
    const auto row = [](const char* tool, const QStringList& fields, const QStringList& working) {
        QTest::addRow("%s %s", tool, qPrintable(fields.join(u' '))) << tool << fields << working;
    };
    const QString value = "Fraction %1 = Numerator ÷ Denominator + Whole = %2";
    row("improper", {"2.5", "1", "4.0"},
        {"2.5 is taken as 2", "Whole × Denominator + Numerator = 2 × 4 + 1 = 9", "Result: 9/4.0"});
    row("fraction", {"-7", "2"},
        {"Numerator ÷ Denominator = (−7) ÷ 2 = −3 remainder −1", "Result: -3 -1/2"});
    row("decimal", {"", "1", "8"}, {"Numerator ÷ Denominator + Whole = 1 ÷ 8 + 0 = 0.125"});
    row("fromDecimal", {"3.05"},
        {"Whole part = 3, digits after the point = 05 (n = 2)", "Denominator = 10ⁿ = 10² = 100",
         "Result: 3 5/100"});
    row("fromDecimal", {"-0.5"},
        {"Whole part = -0, digits after the point = 5 (n = 1)", "Denominator = 10ⁿ = 10¹ = 10",
         "Result: -0 5/10"});
    row("fromDecimal", {"1.5e2"},
        {"Whole part = 1, digits after the point = 5e2 (n = 3)", "Numerator = 5e2 = 500",
         "Denominator = 10ⁿ = 10³ = 1000", "Result: 1 500/1000"});
    row("operate", {"/1/4", "+", "/1/6"},
        {"Common denominator: common(4, 6) = 12", "1/4 = 3/12, 1/6 = 2/12", "3/12 + 2/12 = 5/12",
         "Result: 0 5/12"});
    row("operate", {"-1/1/2", "+", "/1/2"},
        {"Common denominator: common(2, 2) = 2", "1/2 + 1/2 = 2/2", "2/2 = 1",
         "Whole parts: (−1) + 0 + 1 = 0", "Result: 0"});
    row("operate", {"/1/3", "-", "/1/2"},
        {"Common denominator: common(3, 2) = 6", "1/3 = 2/6, 1/2 = 3/6", "2/6 − 3/6 = −1/6",
         "Result: 0 -1/6"});
    row("operate", {"/1/2.4", "-", "/1/3"},
        {"2.4 is taken as 2", "Common denominator: common(2, 3) = 6", "1/2.4 = 2.5/6, 1/3 = 2/6",
         "2.5/6 − 2/6 = 0.5/6", "0.5 is taken as 0", "Result: 0"});
    row("operate", {"0.1/0.2/1", "=", "/0.3/1"},
        {value.arg(1).arg("0.2 ÷ 1 + 0.1 = 0.3"), value.arg(2).arg("0.3 ÷ 1 + 0 = 0.3"),
         "Fraction 1 and Fraction 2 both show as 0.3 but differ beyond the 12th digit",
         "Fraction 1 = Fraction 2 is not so, because Fraction 1 > Fraction 2: False"});
    row("operate", {"1/1/2", "*", "1/1/2"},
        {"1 1/2 = (1 × 2 + 1)/2 = 3/2", "1 1/2 = (1 × 2 + 1)/2 = 3/2",
         "3/2 × 3/2 = (3 × 3)/(2 × 2) = 9/4", "gcd(4, 9) = 1", "9/4 = 2 1/4", "Result: 2 1/4"});
    // A negative gcd still divides the result through.
    row("operate", {"/2/3", "*", "/-3/4"},
        {"2/3 × (−3/4) = (2 × (−3))/(3 × 4) = −6/12", "gcd(12, −6) = −6", "−6/12 = 1/−2",
         "Result: 0 1/-2"});
    row("operate", {"/1/2", "/", "/-1/4"},
        {"1/2 ÷ (−1/4) = (1 × 4)/(2 × (−1)) = 4/−2", "gcd(−2, 4) = −2", "4/−2 = −2/1", "−2/1 = −2",
         "Result: -2"});
    row("operate", {"-1/1/2", "<", "/0/1"},
        {value.arg(1).arg("1 ÷ 2 + (−1) = −0.5"), value.arg(2).arg("0 ÷ 1 + 0 = 0"),
         "−0.5 < 0: True"});
    row("common", {"6", "-4"},
        {"gcd(B, A) = gcd(6, −4) = 2", "A × B ÷ gcd(B, A) = (−4) × 6 ÷ 2 = -12"});
    row("common", {"-6", "4"},
        {"gcd(B, A) = gcd(−6, 4) = −2", "A × B ÷ gcd(B, A) = 4 × (−6) ÷ (−2) = 12"});
    row("reduce", {"8", "6"}, {"gcd(6, 8) = 2", "8/6 = 4/3"});
    row("reduce", {"-2", "4"}, {"gcd(4, −2) = −2", "−2/4 = 1/-2"});
    row("reduce", {"0", "-5"}, {"gcd(−5, 0) = −5", "0/−5 = 0/1"});
    row("operate", {"/1/2", "/", "/0/5"}, {}); // refused: no working at all
}

void FractionsTest::showsItsWorking()
{
    QFETCH(QString, tool);
    QFETCH(QStringList, fields);
    QFETCH(QStringList, working);
    // The answer as the window shows it, from the same call that wrote the working.
    const Shown click = run(tool, fields);
    const Working& written = click.working;
    const QString answer = click.answer.section(u'|', -1);
    QCOMPARE(written, Working(working));
    if (working.isEmpty())
        return;
    const QString lines = written.join(u'\n');
    QVERIFY2(written.last().endsWith(answer), qPrintable(lines));
    // A piece copied as typed, such as the whole part "-0" of -0.5, is the pupil's own text.
    QString computed = lines;
    for (const QString& field : fields)
        for (const QString& piece : field.split(QRegularExpression("[.,/]")))
            if (piece.startsWith(u'-'))
                computed.replace(piece, QStringLiteral("9"));
    QVERIFY2(!computed.contains(QRegularExpression("inf|nan|(^|[^\\d.])-0(?![\\d.,])")),
             qPrintable(lines));
}

QTEST_GUILESS_MAIN(FractionsTest)
#include "tst_fractions.moc"
