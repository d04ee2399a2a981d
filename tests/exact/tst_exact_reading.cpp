#include "exact/exact_reading.h"
#include "input/field_reader.h"
#include "support/rows.h"

#include "exact_values.h"

#include <QLocale>
#include <QTest>

#include <algorithm>
#include <cmath>

Q_DECLARE_METATYPE(ReaderBehaviour)

namespace {

// The reader adds the whole and the fraction of a mixed number in Reals, so its sum is only
// as close as the size of its terms allows.
double termSize(QStringView text)
{
    const QList<QStringView> pieces = text.split(u'/');
    if (pieces.size() < 3)
        return 0;
    const double whole = parseField(pieces[0], behaviours::plain).value;
    const double fraction = parseField(pieces[1], behaviours::plain).value /
                            parseField(pieces[2], behaviours::plain).value;
    return std::fabs(whole) + std::fabs(fraction);
}

} // namespace

class ExactReadingTest : public QObject {
    Q_OBJECT

private:
    static void readsExactly();

private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }
    void cleanup() { QLocale::setDefault(QLocale::c()); }

    void readsNumbers_data();
    void readsNumbers();
    void readsFractions_data();
    void readsFractions();
    void refusesWhereTheReaderRefuses_data();
    void refusesWhereTheReaderRefuses();
    void readsTheGermanDecimalComma();
    void agreesWithTheRealReading_data();
    void agreesWithTheRealReading();
};

void ExactReadingTest::readsNumbers_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("exact");
    row("decimal", "2.5", "5/2");
    row("exponent", "1e-3", "1/1000");
    row("capital exponent", "1.5E2", "150");
    row("blanks around", " \t2.5 ", "5/2");
    row("plus sign", "+3", "3");
    row("no whole digits", ".5", "1/2");
    row("no fraction digits", "5.", "5");
    row("a tenth, which no Real holds", "0.1", "1/10");
    row("more digits than a Real keeps", "0.123456789012345678901",
        "123456789012345678901/1000000000000000000000");
    row("beyond 2^64", "18446744073709551617", "18446744073709551617");
    row("negative zero", "-0", "0");
    row("large", "1e300", "1" + QString(300, u'0'));
    row("small but normal", "1e-300", "1/1" + QString(300, u'0'));
}

void ExactReadingTest::readsNumbers()
{
    readsExactly();
}

void ExactReadingTest::readsFractions_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("exact");
    row("fraction", "7/4", "7/4");
    row("fraction reduced", "6/4", "3/2");
    row("mixed", "1/3/4", "7/4");
    row("mixed, negative whole only", "-1/1/2", "-1/2");
    row("mixed, negative numerator only", "1/-3/4", "1/4");
    row("mixed, both negative", "-1/-1/2", "-3/2");
    row("mixed, decimal whole", "1.5/1/2", "2");
    row("mixed, zero numerator", "1/0/1", "1");
    row("blanks around pieces", " 1 / 3 ", "1/3");
    row("zero over five", "0/5", "0");
    row("decimal over decimal", "2.5/0.5", "5");
    row("over a small exponent", "3/1e-5", "300000");
}

void ExactReadingTest::readsFractions()
{
    readsExactly();
}

void ExactReadingTest::readsExactly()
{
    QFETCH(QString, text);
    QFETCH(QString, exact);
    const std::optional<mpq_class> value = readExactField(text, behaviours::plain);
    QVERIFY(value.has_value());
    QCOMPARE(rationalString(*value), exact);
}

void ExactReadingTest::refusesWhereTheReaderRefuses_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<ReaderBehaviour>("behaviour");
    row("empty", "", behaviours::plain);
    row("letters", "abc", behaviours::plain);
    row("denominator zero", "1/0", behaviours::plain);
    row("mixed denominator zero", "1/1/0", behaviours::plain);
    row("four pieces", "1/2/3/4", behaviours::plain);
    row("empty piece", "1//2", behaviours::plain);
    row("comma in the C locale", "2,5", behaviours::plain);
    row("two separators", "1.2.3", behaviours::plain);
    row("exponent without digits", "1e", behaviours::plain);
    row("beyond the Real range", "1e400", behaviours::plain);
    row("quotient beyond the Real range", "1e308/1e-308", behaviours::plain);
    row("read by the Real as zero", "1e-400", behaviours::plain);
    row("quotient below the normal range", "1e-200/1e200", behaviours::plain);
    row("denominator read by the Real as zero", "1/1e-400", behaviours::plain);
    row("negative where positive is asked", "-2", behaviours::positive);
    row("zero where positive is asked", "0", behaviours::positiveEchoing);
    row("negative mixed where positive is asked", "-1/1/2", behaviours::positive);
}

void ExactReadingTest::refusesWhereTheReaderRefuses()
{
    QFETCH(QString, text);
    QFETCH(ReaderBehaviour, behaviour);
    QVERIFY(!readExactField(text, behaviour).has_value());
}

void ExactReadingTest::readsTheGermanDecimalComma()
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const std::optional<mpq_class> half = readExactField(u"2,5", behaviours::plain);
    QVERIFY(half.has_value());
    QCOMPARE(rationalString(*half), "5/2");
    const std::optional<mpq_class> mixed = readExactField(u"1/0,5/2", behaviours::plain);
    QVERIFY(mixed.has_value());
    QCOMPARE(rationalString(*mixed), "5/4");
    QVERIFY(!readExactField(u"2.5", behaviours::plain).has_value());
}

void ExactReadingTest::agreesWithTheRealReading_data()
{
    QTest::addColumn<QString>("text");
    const QStringList pieces{"0",     "1",   "-1",  "2.5",         "-0.125", "1e-3",   "7",
                             "+3.75", "1E2", "0.1", "-123456.789", "x",      "1e-400", "3."};
    for (const QString& a : pieces) {
        QTest::newRow(qPrintable(a)) << a;
        for (const QString& b : pieces) {
            QTest::newRow(qPrintable(a + u'/' + b)) << a + u'/' + b;
            for (const QString& c : {QStringLiteral("4"), QStringLiteral("-0.3"), b})
                QTest::newRow(qPrintable(a + u'/' + b + u'/' + c)) << a + u'/' + b + u'/' + c;
        }
    }
}

void ExactReadingTest::agreesWithTheRealReading()
{
    QFETCH(QString, text);
    const FieldReading real = parseField(text, behaviours::plain);
    const std::optional<mpq_class> exact = readExactField(text, behaviours::plain);
    if (!real.accepted()) {
        QVERIFY(!exact.has_value());
        return;
    }
    if (!exact) {
        // Only a piece the Real reads as zero though its digits are not has no exact reading.
        QVERIFY(text.contains(QStringLiteral("e-400")));
        return;
    }
    const double size = std::max({std::fabs(real.value), termSize(text), 1e-300});
    QVERIFY2(std::fabs(exact->get_d() - real.value) <= 1e-12 * size, qPrintable(text));
}

QTEST_GUILESS_MAIN(ExactReadingTest)
#include "tst_exact_reading.moc"
