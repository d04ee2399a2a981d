#include "exact/rounded_text.h"

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
    QTest::newRow("trailing zero kept") << q("5/2") << 2 << c << "2.50";
    QTest::newRow("decimal comma") << q("5/2") << 2 << german << "2,50";
    QTest::newRow("half up") << q("2675/1000") << 2 << c << "2.68";
    QTest::newRow("negative half away from zero") << q("-2675/1000") << 2 << c << "-2.68";
    QTest::newRow("half to a whole") << q("5/2") << 0 << c << "3";
    QTest::newRow("negative half to a whole") << q("-5/2") << 0 << c << "-3";
    QTest::newRow("just below a half") << q("2499999999999/1000000000000") << 0 << c << "2";
    QTest::newRow("a third to ten places") << q("1/3") << 10 << c << "0.3333333333";
    QTest::newRow("whole") << q("7") << 0 << c << "7";
    QTest::newRow("small negative, no minus zero") << q("-1/1000") << 2 << c << "0.00";
    QTest::newRow("zero") << q("0") << 3 << c << "0.000";
    QTest::newRow("below 10^15") << q("999999999999999") << 2 << c << "999999999999999.00";
    QTest::newRow("10^15") << q("1000000000000000") << 2 << c << "1E+15";
    QTest::newRow("above 10^15, comma")
        << q("-1500000000000000000000") << 1 << german << "-1,5E+21";
    QTest::newRow("beyond the Real range") << q("1" + QByteArray(320, '0')) << 0 << c << "";
    QTest::newRow("eleven places") << q("1/3") << 11 << c << "";
    QTest::newRow("negative places") << q("1/3") << -1 << c << "";
}

void RoundedTextTest::fromExactIrrational_data()
{
    QTest::addColumn<ExactValue>("value");
    QTest::addColumn<int>("places");
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("text");
    const QLocale c = QLocale::c();
    QTest::newRow("greater root") << ExactValue(surd("3/2", "1/2", "13")) << 4 << c << "3.3028";
    QTest::newRow("lesser root") << ExactValue(surd("3/2", "-1/2", "13")) << 3 << c << "-0.303";
    QTest::newRow("√2 to ten places")
        << ExactValue(surd("0", "1", "2")) << 10 << c << "1.4142135624";
    QTest::newRow("√2, comma") << ExactValue(surd("0", "1", "2")) << 3 << german << "1,414";
    QTest::newRow("-√2 to none") << ExactValue(surd("0", "-1", "2")) << 0 << c << "-1";
    QTest::newRow("25π") << ExactValue(PiMultiple::times(25)) << 2 << c << "78.54";
    QTest::newRow("-π/2") << ExactValue(PiMultiple::times(rational("-1/2"))) << 4 << c << "-1.5708";
    QTest::newRow("5/π") << ExactValue(PiMultiple::over(5)) << 3 << c << "1.592";
    QTest::newRow("25/(4π)") << ExactValue(PiMultiple::over(rational("25/4"))) << 5 << c
                             << "1.98944";
    QTest::newRow("π to ten places")
        << ExactValue(PiMultiple::times(1)) << 10 << c << "3.1415926536";
    QTest::newRow("zero π") << ExactValue(PiMultiple::over(0)) << 1 << c << "0.0";
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
    QTest::newRow("2.675, stored just below") << 2.675 << 2 << c << "2.68";
    QTest::newRow("-2.675") << -2.675 << 2 << c << "-2.68";
    QTest::newRow("1.005, stored just below") << 1.005 << 2 << c << "1.01";
    QTest::newRow("half to a whole") << 2.5 << 0 << c << "3";
    QTest::newRow("negative half to a whole") << -2.5 << 0 << c << "-3";
    QTest::newRow("0.125") << 0.125 << 2 << c << "0.13";
    QTest::newRow("trailing zeros, comma") << 2.5 << 2 << german << "2,50";
    QTest::newRow("0.1 + 0.2") << 0.1 + 0.2 << 10 << c << "0.3000000000";
    QTest::newRow("beyond 15 digits cut first") << 0.12345678901234567 << 10 << c << "0.1234567890";
    QTest::newRow("tiny") << 1e-20 << 3 << c << "0.000";
    QTest::newRow("tiny negative, no minus zero") << -0.0004 << 3 << c << "0.000";
    QTest::newRow("negative zero") << -0.0 << 1 << c << "0.0";
    QTest::newRow("below 10^15") << 999999999999999.0 << 1 << c << "999999999999999.0";
    QTest::newRow("10^15") << 1e15 << 2 << c << "1E+15";
    QTest::newRow("-1.5E+20, comma") << -1.5e20 << 2 << german << "-1,5E+20";
    QTest::newRow("largest Real") << std::numeric_limits<double>::max() << 0 << c
                                  << "1.79769313486231E+308";
    QTest::newRow("infinity") << std::numeric_limits<double>::infinity() << 2 << c << "";
    QTest::newRow("not a number") << std::numeric_limits<double>::quiet_NaN() << 2 << c << "";
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
