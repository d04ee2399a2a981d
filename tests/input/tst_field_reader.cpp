#include "input/field_reader.h"
#include "input/messages.h"
#include "input/number_text.h"

#include "support/recording_sink.h"

#include <QLocale>
#include <QRandomGenerator>
#include <QTest>

#include <cmath>

Q_DECLARE_METATYPE(ReaderBehaviour)

namespace {

const QString notNumeric = QStringLiteral(" Is not a numeric value");

} // namespace

class FieldReaderTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }

    void reads_data();
    void reads();
    void behavioursDiffer_data();
    void behavioursDiffer();
    void guardedStaysSilentAfterARefusal();
    void selfResettingTellsOnlyTheLastRead();
    void plainShowsOneMessagePerBadField();
    void positiveReturnsTheValueItRefuses();
    void readsTheLocaleDecimalComma();
    void anyTextGivesAFiniteValueOrOneMessage();
};

void FieldReaderTest::reads_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("message");
    QTest::newRow("plain") << "2.5" << 2.5 << "";
    QTest::newRow("fraction") << "7/4" << 1.75 << "";
    QTest::newRow("mixed") << "1/2/4" << 1.5 << "";
    QTest::newRow("negative denominator") << "1/-2" << -0.5 << "";
    QTest::newRow("sign stays with the whole part") << "-1/1/2" << -0.5 << "";
    QTest::newRow("blanks around pieces") << "3 / 4" << 0.75 << "";
    QTest::newRow("decimal pieces") << "1.5/0.5" << 3.0 << "";
    QTest::newRow("empty") << "" << 0.0 << "Must enter a numeric value";
    QTest::newRow("four pieces") << "1/2/3/4" << 0.0 << "Must enter a numeric value";
    QTest::newRow("a million slashes")
        << QString(1 << 20, u'/') << 0.0 << "Must enter a numeric value";
    QTest::newRow("four bad pieces") << "x/y/z/w" << 0.0 << "Must enter a numeric value";
    QTest::newRow("slashes only") << "///" << 0.0 << "Must enter a numeric value";
    QTest::newRow("one bad piece") << "x" << 0.0 << "x" + notNumeric;
    QTest::newRow("blanks only") << "  " << 0.0 << "  " + notNumeric;
    QTest::newRow("trailing slash") << "3/" << 0.0 << notNumeric;
    QTest::newRow("leading slash") << "/3" << 0.0 << notNumeric;
    QTest::newRow("bad numerator") << "x/2" << 0.0 << "x" + notNumeric;
    QTest::newRow("bad denominator") << "2/x" << 0.0 << "x" + notNumeric;
    QTest::newRow("last bad piece named") << "x/y" << 0.0 << "y" + notNumeric;
    QTest::newRow("last of three named") << "a/b/3" << 0.0 << "b" + notNumeric;
    QTest::newRow("piece named as typed") << " 1 x /2" << 0.0 << " 1 x " + notNumeric;
    QTest::newRow("markup quoted as typed") << "<b>x" << 0.0 << "<b>x" + notNumeric;
    QTest::newRow("zero denominator") << "1/0" << 0.0 << "Denominator Cant Be Zero!!!";
    QTest::newRow("zero over zero") << "0/0" << 0.0 << "Denominator Cant Be Zero!!!";
    QTest::newRow("mixed zero denominator") << "1/2/0" << 0.0 << "Denominator Cant Be Zero!!!";
    QTest::newRow("negative zero denominator") << "1/-0" << 0.0 << "Denominator Cant Be Zero!!!";
    QTest::newRow("bad piece before zero") << "x/0" << 0.0 << "x" + notNumeric;
    QTest::newRow("quotient beyond range") << "1e300/1e-300" << 0.0 << "The Number Is Too Big!!!";
    QTest::newRow("mixed beyond range") << "1e308/1e308/1e-10" << 0.0 << "The Number Is Too Big!!!";
    QTest::newRow("beyond range piece") << "1e400" << 0.0 << "1e400" + notNumeric;
    QTest::newRow("inf piece") << "1/inf" << 0.0 << "inf" + notNumeric;
}

void FieldReaderTest::reads()
{
    QFETCH(QString, text);
    QFETCH(double, value);
    QFETCH(QString, message);
    for (const ReaderBehaviour& behaviour :
         {behaviours::guarded, behaviours::selfResetting, behaviours::plain}) {
        const FieldReading reading = parseField(text, behaviour);
        QCOMPARE(reading.message, message);
        QCOMPARE(reading.value, value);

        RecordingSink sink;
        FieldReader reader(behaviour, sink);
        reader.begin();
        QCOMPARE(reader.eval(text), value);
        QCOMPARE(reader.isValid(), message.isEmpty());
        QCOMPARE(sink.shown, message.isEmpty() ? QStringList() : QStringList{message});
    }
}

void FieldReaderTest::behavioursDiffer_data()
{
    QTest::addColumn<ReaderBehaviour>("behaviour");
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("message");
    QTest::newRow("echoing: empty") << behaviours::positiveEchoing << "" << 0.0 << notNumeric;
    QTest::newRow("echoing: four pieces")
        << behaviours::positiveEchoing << "1/2/3/4" << 0.0 << "1/2/3/4" + notNumeric;
    QTest::newRow("echoing: bad piece")
        << behaviours::positiveEchoing << "2/x" << 0.0 << "x" + notNumeric;
    QTest::newRow("positive: empty")
        << behaviours::positive << "" << 0.0 << "Must enter a numeric value";
    QTest::newRow("positive: zero")
        << behaviours::positive << "0" << 0.0 << "Must enter a positive value";
    QTest::newRow("positive: negative fraction")
        << behaviours::positive << "-2/4" << -0.5 << "Must enter a positive value";
    QTest::newRow("positive: a quarter") << behaviours::positive << "1/4" << 0.25 << "";
    QTest::newRow("echoing: zero")
        << behaviours::positiveEchoing << "0" << 0.0 << "Must enter a positive value";
    QTest::newRow("echoing: negative")
        << behaviours::positiveEchoing << "-3" << -3.0 << "Must enter a positive value";
    QTest::newRow("echoing: mixed") << behaviours::positiveEchoing << "1/1/2" << 1.5 << "";
    QTest::newRow("positive: zero denominator")
        << behaviours::positive << "1/0" << 0.0 << "Denominator Cant Be Zero!!!";
    QTest::newRow("plain: negative is fine") << behaviours::plain << "-3" << -3.0 << "";
}

void FieldReaderTest::behavioursDiffer()
{
    QFETCH(ReaderBehaviour, behaviour);
    QFETCH(QString, text);
    QFETCH(double, value);
    QFETCH(QString, message);
    RecordingSink sink;
    FieldReader reader(behaviour, sink);
    reader.begin();
    QCOMPARE(reader.eval(text), value);
    QCOMPARE(reader.isValid(), message.isEmpty());
    QCOMPARE(sink.shown, message.isEmpty() ? QStringList() : QStringList{message});
}

void FieldReaderTest::guardedStaysSilentAfterARefusal()
{
    RecordingSink sink;
    FieldReader reader(behaviours::guarded, sink);
    reader.begin();
    QCOMPARE(reader.eval(u"x"), 0.0);
    QCOMPARE(reader.eval(u"5"), 0.0);
    QCOMPARE(reader.eval(u"y"), 0.0);
    QVERIFY(!reader.isValid());
    QCOMPARE(sink.shown, QStringList{"x" + notNumeric});

    // The next click starts afresh.
    reader.begin();
    QCOMPARE(reader.eval(u"5"), 5.0);
    QVERIFY(reader.isValid());
}

void FieldReaderTest::selfResettingTellsOnlyTheLastRead()
{
    RecordingSink sink;
    FieldReader reader(behaviours::selfResetting, sink);
    reader.begin();
    QCOMPARE(reader.eval(u"x"), 0.0);
    QVERIFY(!reader.isValid());
    QCOMPARE(reader.eval(u"3"), 3.0);
    QVERIFY(reader.isValid());
    QCOMPARE(sink.shown, QStringList{"x" + notNumeric});
}

void FieldReaderTest::plainShowsOneMessagePerBadField()
{
    RecordingSink sink;
    FieldReader reader(behaviours::plain, sink);
    reader.begin();
    reader.eval(u"x");
    QCOMPARE(reader.eval(u"4"), 4.0);
    reader.eval(u"");
    QVERIFY(!reader.isValid());
    QCOMPARE(sink.shown, (QStringList{"x" + notNumeric, "Must enter a numeric value"}));
}

void FieldReaderTest::positiveReturnsTheValueItRefuses()
{
    RecordingSink sink;
    FieldReader reader(behaviours::positiveEchoing, sink);
    reader.begin();
    QCOMPARE(reader.eval(u"-2/4"), -0.5);
    QCOMPARE(reader.eval(u"x"), 0.0);
    QCOMPARE(reader.eval(u"2"), 2.0);
    QVERIFY(!reader.isValid());
    QCOMPARE(sink.shown, (QStringList{"Must enter a positive value", "x" + notNumeric}));
}

void FieldReaderTest::readsTheLocaleDecimalComma()
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const FieldReading comma = parseField(u"1,5/0,5", behaviours::plain);
    const FieldReading point = parseField(u"1.5", behaviours::plain);
    QLocale::setDefault(QLocale::c());
    QCOMPARE(comma.value, 3.0);
    QVERIFY(comma.accepted());
    QCOMPARE(point.message, "1.5" + notNumeric);
}

void FieldReaderTest::anyTextGivesAFiniteValueOrOneMessage()
{
    // Random texts built from what pupils type, plus a few characters they should not.
    const QString alphabet = QStringLiteral("0123456789./-+eE ,x\t\u00e9");
    QRandomGenerator random(20261208);
    for (int round = 0; round < 20000; ++round) {
        QString text;
        const int length = random.bounded(12);
        for (int i = 0; i < length; ++i)
            text += alphabet[random.bounded(alphabet.size())];
        for (const ReaderBehaviour& behaviour : {behaviours::plain, behaviours::positiveEchoing}) {
            const FieldReading reading = parseField(text, behaviour);
            QVERIFY2(std::isfinite(reading.value), qPrintable(text));
            if (reading.accepted()) {
                QVERIFY2(readNumber(numberText(reading.value)).has_value(), qPrintable(text));
                QVERIFY2(!behaviour.requiresPositive || reading.value > 0, qPrintable(text));
            } else if (reading.message != QLatin1String("Must enter a positive value")) {
                QVERIFY2(reading.value == 0, qPrintable(text));
            }
        }
    }
}

QTEST_GUILESS_MAIN(FieldReaderTest)
#include "tst_field_reader.moc"
