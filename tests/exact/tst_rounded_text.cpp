#include "exact/rounded_text.h"
#include "support/rows.h"

#include "exact_values.h"

#include "input/number_text.h"

#include <QLocale>
#include <QTest>

#include <limits>

Q_DECLARE_METATYPE(ExactValue)

namespace {

const QLocale german(QLocale::German, QLocale::Germany);

} // namespace

class RoundedTextTest : public QObject {
    Q_OBJECT

private slots:
    void fromExact_data();
    void fromExact();
    void fromExactIrrational_data();
    void fromExactIrrational();
    void fromReal_data();
    void fromReal();
};

void RoundedTextTest::fromExact_data()
{
    QTest::addColumn<ExactValue>("value");
    QTest::addColumn<int>("places");
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("text");
    const QLocale c = QLocale::c();
    const auto q = [](const QString& text) {
        return ExactValue(Surd(rational(text)));
    };
    row("trailing zero kept", q("5/2"), 2, c, "2.50");
    row("decimal comma", q("5/2"), 2, german, "2,50");
    row("half up", q("2675/1000"), 2, c, "2.68");
    row("negative half away from zero", q("-2675/1000"), 2, c, "-2.68");
    row("half to a whole", q("5/2"), 0, c, "3");
    row("negative half to a whole", q("-5/2"), 0, c, "-3");
    row("just below a half", q("2499999999999/1000000000000"), 0, c, "2");
    row("a third to ten places", q("1/3"), 10, c, "0.3333333333");
    row("whole", q("7"), 0, c, "7");
    row("small negative, no minus zero", q("-1/1000"), 2, c, "0.00");
    row("zero", q("0"), 3, c, "0.000");
    row("below 10^15", q("999999999999999"), 2, c, "999999999999999.00");
    row("10^15", q("1000000000000000"), 2, c, "1E+15");
    row("above 10^15, comma", q("-1500000000000000000000"), 1, german, "-1,5E+21");
    row("beyond the Real range", q("1" + QByteArray(320, '0')), 0, c, "");
    row("eleven places", q("1/3"), 11, c, "");
    row("negative places", q("1/3"), -1, c, "");
}

void RoundedTextTest::fromExactIrrational_data()
{
    QTest::addColumn<ExactValue>("value");
    QTest::addColumn<int>("places");
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("text");
    const QLocale c = QLocale::c();
    row("greater root", ExactValue(surd("3/2", "1/2", "13")), 4, c, "3.3028");
    row("lesser root", ExactValue(surd("3/2", "-1/2", "13")), 3, c, "-0.303");
    row("√2 to ten places", ExactValue(surd("0", "1", "2")), 10, c, "1.4142135624");
    row("√2, comma", ExactValue(surd("0", "1", "2")), 3, german, "1,414");
    row("-√2 to none", ExactValue(surd("0", "-1", "2")), 0, c, "-1");
    row("25π", ExactValue(PiMultiple::times(25)), 2, c, "78.54");
    row("-π/2", ExactValue(PiMultiple::times(rational("-1/2"))), 4, c, "-1.5708");
    row("5/π", ExactValue(PiMultiple::over(5)), 3, c, "1.592");
    row("25/(4π)", ExactValue(PiMultiple::over(rational("25/4"))), 5, c, "1.98944");
    row("π to ten places", ExactValue(PiMultiple::times(1)), 10, c, "3.1415926536");
    row("zero π", ExactValue(PiMultiple::over(0)), 1, c, "0.0");
}

void RoundedTextTest::fromExactIrrational()
{
    fromExact();
}

void RoundedTextTest::fromExact()
{
    QFETCH(ExactValue, value);
    QFETCH(int, places);
    QFETCH(QLocale, locale);
    QFETCH(QString, text);
    QCOMPARE(roundedText(value, places, locale), text);
}

void RoundedTextTest::fromReal_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("places");
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("text");
    const QLocale c = QLocale::c();
    row("2.675, stored just below", 2.675, 2, c, "2.68");
    row("-2.675", -2.675, 2, c, "-2.68");
    row("1.005, stored just below", 1.005, 2, c, "1.01");
    row("half to a whole", 2.5, 0, c, "3");
    row("negative half to a whole", -2.5, 0, c, "-3");
    row("0.125", 0.125, 2, c, "0.13");
    row("trailing zeros, comma", 2.5, 2, german, "2,50");
    row("0.1 + 0.2", 0.1 + 0.2, 10, c, "0.3000000000");
    row("beyond 15 digits cut first", 0.12345678901234567, 10, c, "0.1234567890");
    row("tiny", 1e-20, 3, c, "0.000");
    row("tiny negative, no minus zero", -0.0004, 3, c, "0.000");
    row("negative zero", -0.0, 1, c, "0.0");
    row("below 10^15", 999999999999999.0, 1, c, "999999999999999.0");
    row("10^15", 1e15, 2, c, "1E+15");
    row("-1.5E+20, comma", -1.5e20, 2, german, "-1,5E+20");
    row("largest Real", std::numeric_limits<double>::max(), 0, c, "1.79769313486231E+308");
    row("infinity", std::numeric_limits<double>::infinity(), 2, c, "");
    row("not a number", std::numeric_limits<double>::quiet_NaN(), 2, c, "");
}

void RoundedTextTest::fromReal()
{
    QFETCH(double, value);
    QFETCH(int, places);
    QFETCH(QLocale, locale);
    QFETCH(QString, text);
    // A Real is rounded by the number text's own function, in the program's locale.
    QLocale::setDefault(locale);
    const QString rounded = roundedText(value, places);
    QLocale::setDefault(QLocale::c());
    QCOMPARE(rounded, text);
}

QTEST_GUILESS_MAIN(RoundedTextTest)
#include "tst_rounded_text.moc"
