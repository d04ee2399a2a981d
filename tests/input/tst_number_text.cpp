#include "input/number_text.h"

#include <QLocale>
#include <QTest>

#include <cmath>
#include <limits>

class NumberTextTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }

    void shows_data();
    void shows();
    void nonFiniteHasNoText();
    void reads_data();
    void reads();
    void everyShownTextReadsBack_data();
    void everyShownTextReadsBack();
    void wholeReading_data();
    void wholeReading();
    void germanUsesDecimalComma_data();
    void germanUsesDecimalComma();
    void rounds_data();
    void rounds();
};

void NumberTextTest::shows_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("whole") << 2.0 << "2";
    QTest::newRow("trailing zeros dropped") << 2.50 << "2.5";
    QTest::newRow("one third, 15 digits") << 1.0 / 3 << "0.333333333333333";
    QTest::newRow("two thirds rounds") << 2.0 / 3 << "0.666666666666667";
    QTest::newRow("sum rounded to 15 digits") << 0.1 + 0.2 << "0.3";
    QTest::newRow("negative half") << -0.5 << "-0.5";
    QTest::newRow("zero") << 0.0 << "0";
    QTest::newRow("negative zero") << -0.0 << "0";
    QTest::newRow("largest plain") << 1e14 << "100000000000000";
    QTest::newRow("exponent above") << 1e15 << "1E+15";
    QTest::newRow("big") << 1e20 << "1E+20";
    QTest::newRow("big negative") << -1.5e20 << "-1.5E+20";
    QTest::newRow("smallest plain") << 0.0001 << "0.0001";
    QTest::newRow("exponent below") << 0.00001 << "1E-05";
    QTest::newRow("many digits rounded") << 123456789012345678.0 << "1.23456789012346E+17";
    QTest::newRow("root of the example") << 0.42264973081037427 << "0.422649730810374";
    QTest::newRow("largest Real") << std::numeric_limits<double>::max() << "1.79769313486231E+308";
    QTest::newRow("most negative Real")
        << std::numeric_limits<double>::lowest() << "-1.79769313486231E+308";
    QTest::newRow("smallest subnormal")
        << std::numeric_limits<double>::denorm_min() << "4.94065645841247E-324";
}

void NumberTextTest::shows()
{
    QFETCH(double, value);
    QFETCH(QString, text);
    QCOMPARE(numberText(value), text);
}

void NumberTextTest::nonFiniteHasNoText()
{
    QCOMPARE(numberText(std::numeric_limits<double>::infinity()), QString());
    QCOMPARE(numberText(-std::numeric_limits<double>::infinity()), QString());
    QCOMPARE(numberText(std::numeric_limits<double>::quiet_NaN()), QString());
}

void NumberTextTest::reads_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("isNumber");
    QTest::addColumn<double>("value");
    QTest::newRow("whole") << "7" << true << 7.0;
    QTest::newRow("decimal") << "2.50" << true << 2.5;
    QTest::newRow("trailing point") << "5." << true << 5.0;
    QTest::newRow("leading point") << ".5" << true << 0.5;
    QTest::newRow("plus sign") << "+3" << true << 3.0;
    QTest::newRow("minus sign") << "-3.25" << true << -3.25;
    QTest::newRow("blanks around") << "  4  " << true << 4.0;
    QTest::newRow("tab around") << "\t4" << true << 4.0;
    QTest::newRow("exponent") << "1E+20" << true << 1e20;
    QTest::newRow("small exponent") << "1e-05" << true << 1e-5;
    QTest::newRow("exponent no sign") << "2.5e3" << true << 2500.0;
    QTest::newRow("underflows to zero") << "1e-400" << true << 0.0;
    QTest::newRow("largest shown") << "1.79769313486231E+308" << true << 1.79769313486231e308;
    QTest::newRow("empty") << "" << false << 0.0;
    QTest::newRow("blanks only") << "   " << false << 0.0;
    QTest::newRow("point only") << "." << false << 0.0;
    QTest::newRow("sign only") << "-" << false << 0.0;
    QTest::newRow("two points") << "1.2.3" << false << 0.0;
    QTest::newRow("group separator") << "1,000" << false << 0.0;
    QTest::newRow("comma in C locale") << "2,5" << false << 0.0;
    QTest::newRow("blank inside") << "1 000" << false << 0.0;
    QTest::newRow("blank after sign") << "- 5" << false << 0.0;
    QTest::newRow("two signs") << "--5" << false << 0.0;
    QTest::newRow("letters") << "x" << false << 0.0;
    QTest::newRow("trailing letters") << "5x" << false << 0.0;
    QTest::newRow("exponent without digits") << "5e" << false << 0.0;
    QTest::newRow("exponent alone") << "e5" << false << 0.0;
    QTest::newRow("beyond the Real range") << "1e400" << false << 0.0;
    QTest::newRow("beyond, written out") << "-" + QString(400, u'9') << false << 0.0;
    QTest::newRow("just beyond the largest") << "1.7976931348623159e308" << false << 0.0;
    QTest::newRow("inf") << "inf" << false << 0.0;
    QTest::newRow("Infinity") << "Infinity" << false << 0.0;
    QTest::newRow("nan") << "nan" << false << 0.0;
    QTest::newRow("NaN") << "NaN" << false << 0.0;
    QTest::newRow("hex") << "0x10" << false << 0.0;
    QTest::newRow("other digits") << QString::fromUtf8("\u0663") << false << 0.0;
    QTest::newRow("fraction is no plain number") << "1/2" << false << 0.0;
}

void NumberTextTest::reads()
{
    QFETCH(QString, text);
    QFETCH(bool, isNumber);
    QFETCH(double, value);
    const std::optional<double> read = readNumber(text);
    QCOMPARE(read.has_value(), isNumber);
    QCOMPARE(::isNumber(text), isNumber);
    if (read)
        QCOMPARE(*read, value);
}

void NumberTextTest::everyShownTextReadsBack_data()
{
    QTest::addColumn<double>("value");
    const double values[] = {0.0,
                             -0.0,
                             1.0,
                             -1.0,
                             1.0 / 3,
                             -2.0 / 3,
                             0.1 + 0.2,
                             1e15,
                             1e-5,
                             123456.789012345678,
                             6.02214076e23,
                             -1.602176634e-19,
                             std::numeric_limits<double>::max(),
                             std::numeric_limits<double>::lowest(),
                             std::numeric_limits<double>::min(),
                             std::numeric_limits<double>::denorm_min(),
                             std::numeric_limits<double>::epsilon()};
    int row = 0;
    for (double value : values)
        QTest::addRow("%d", row++) << value;
    // A sweep of magnitudes, each with an awkward mantissa.
    for (int exponent = -320; exponent <= 308; exponent += 7)
        QTest::addRow("7/3e%d", exponent) << 7.0 / 3 * std::pow(10.0, exponent);
}

void NumberTextTest::everyShownTextReadsBack()
{
    QFETCH(double, value);
    for (const QLocale& locale : {QLocale::c(), QLocale(QLocale::German, QLocale::Germany)}) {
        QLocale::setDefault(locale);
        const QString text = numberText(value);
        const std::optional<double> read = readNumber(text);
        QVERIFY2(read.has_value(), qPrintable(text));
        QCOMPARE(numberText(*read), text);
        QCOMPARE(roundToShown(value), *read);
    }
    QLocale::setDefault(QLocale::c());
}

void NumberTextTest::wholeReading_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<bool>("fits");
    QTest::addColumn<int>("whole");
    QTest::newRow("whole") << 7.0 << true << 7;
    QTest::newRow("down") << 2.4 << true << 2;
    QTest::newRow("up") << 2.6 << true << 3;
    QTest::newRow("half to even, down") << 2.5 << true << 2;
    QTest::newRow("half to even, up") << 3.5 << true << 4;
    QTest::newRow("half of zero") << 0.5 << true << 0;
    QTest::newRow("negative half to even") << -2.5 << true << -2;
    QTest::newRow("negative half, up in size") << -3.5 << true << -4;
    QTest::newRow("negative") << -1.2 << true << -1;
    QTest::newRow("largest") << 2147483647.0 << true << 2147483647;
    QTest::newRow("largest plus a third") << 2147483647.3 << true << 2147483647;
    QTest::newRow("smallest") << -2147483648.0 << true << int(-2147483647 - 1);
    QTest::newRow("just above") << 2147483647.5 << false << 0;
    QTest::newRow("just below") << -2147483648.6 << false << 0;
    QTest::newRow("far above") << 1e20 << false << 0;
    QTest::newRow("infinite") << std::numeric_limits<double>::infinity() << false << 0;
    QTest::newRow("not a number") << std::numeric_limits<double>::quiet_NaN() << false << 0;
}

void NumberTextTest::wholeReading()
{
    QFETCH(double, value);
    QFETCH(bool, fits);
    QFETCH(int, whole);
    const std::optional<std::int32_t> read = wholeNumber(value);
    QCOMPARE(read.has_value(), fits);
    if (read)
        QCOMPARE(*read, whole);
}

void NumberTextTest::germanUsesDecimalComma_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("isNumber");
    QTest::addColumn<double>("value");
    QTest::newRow("comma") << "2,5" << true << 2.5;
    QTest::newRow("leading comma") << ",5" << true << 0.5;
    QTest::newRow("point is a group separator there") << "2.5" << false << 0.0;
    QTest::newRow("grouped") << "1.000" << false << 0.0;
    QTest::newRow("exponent") << "1,5E-05" << true << 1.5e-5;
}

void NumberTextTest::germanUsesDecimalComma()
{
    QFETCH(QString, text);
    QFETCH(bool, isNumber);
    QFETCH(double, value);
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const std::optional<double> read = readNumber(text);
    const QString shown = read ? numberText(*read) : QString();
    QLocale::setDefault(QLocale::c());
    QCOMPARE(read.has_value(), isNumber);
    if (read) {
        QCOMPARE(*read, value);
        QVERIFY2(shown.contains(u','), qPrintable(shown));
    }
}

void NumberTextTest::rounds_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("places");
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("text");
    const double nan = std::numeric_limits<double>::quiet_NaN();
    // The Real 2.675 lies below it; its 15-digit text does not.
    QTest::newRow("half up from the shown text") << 2.675 << 2 << "C"
                                                 << "2.68";
    QTest::newRow("half away from zero, negative") << -2.5 << 0 << "C"
                                                   << "-3";
    QTest::newRow("half away from zero, positive") << 2.5 << 0 << "C"
                                                   << "3";
    QTest::newRow("below half") << 2.4999 << 0 << "C"
                                << "2";
    QTest::newRow("trailing zeros kept") << 2.5 << 2 << "C"
                                         << "2.50";
    QTest::newRow("whole gets places") << 7.0 << 3 << "C"
                                       << "7.000";
    QTest::newRow("carry into a new digit") << 9.995 << 2 << "C"
                                            << "10.00";
    QTest::newRow("area of radius 5") << 78.5398163397448 << 2 << "C"
                                      << "78.54";
    QTest::newRow("ten places") << 1.0 / 3 << 10 << "C"
                                << "0.3333333333";
    QTest::newRow("small to zero") << 0.004 << 2 << "C"
                                   << "0.00";
    QTest::newRow("no negative zero") << -0.004 << 2 << "C"
                                      << "0.00";
    QTest::newRow("zero") << 0.0 << 1 << "C"
                          << "0.0";
    QTest::newRow("tiny rounds up") << 0.006 << 2 << "C"
                                    << "0.01";
    QTest::newRow("no exponent form when small") << 0.00001 << 5 << "C"
                                                 << "0.00001";
    QTest::newRow("very small") << 1e-300 << 3 << "C"
                                << "0.000";
    QTest::newRow("15 digits, no exponent form") << 999999999999999.0 << 2 << "C"
                                                 << "999999999999999.00";
    QTest::newRow("from 10^15 the number text") << 1e15 << 2 << "C"
                                                << "1E+15";
    QTest::newRow("just under 10^15, halves") << 123456789012345.6 << 0 << "C"
                                              << "123456789012346";
    QTest::newRow("not finite") << nan << 2 << "C"
                                << "";
    QTest::newRow("German comma") << 2.675 << 2 << "de_DE"
                                  << "2,68";
    QTest::newRow("German, no places, no comma") << 2.675 << 0 << "de_DE"
                                                 << "3";
}

void NumberTextTest::rounds()
{
    QFETCH(double, value);
    QFETCH(int, places);
    QFETCH(QString, locale);
    QFETCH(QString, text);
    QLocale::setDefault(QLocale(locale));
    const QString shown = roundedText(value, places);
    QLocale::setDefault(QLocale::c());
    QCOMPARE(shown, text);
}

QTEST_GUILESS_MAIN(NumberTextTest)
#include "tst_number_text.moc"
