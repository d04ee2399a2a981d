#include "statistics/progressions_window.h"

#include "support/recording_sink.h"
#include "support/window_test.h"
#include "widgets/answer_format.h"

#include <QFile>
#include <QLocale>
#include <QRegularExpression>
#include <QStandardPaths>

namespace {

// Notes what the watched output shows at the moment each message appears.
class WatchingSink : public RecordingSink {
public:
    using MessageSink::show;
    void show(const QString& text) override
    {
        RecordingSink::show(text);
        seen << (watched ? watched->text() : QString());
    }
    QLabel* watched = nullptr;
    QStringList seen;
};

enum How { Click, PressReturn, German };

QString notNumeric(const char* piece)
{
    return QLatin1String(piece) + QStringLiteral(" Is not a numeric value");
}

} // namespace

class ProgressionsWindowTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QLocale::setDefault(QLocale::c());
        // The program's settings file in the test area, not the user's.
        QStandardPaths::setTestModeEnabled(true);
        QFile::remove(AnswerFormat::programSettingsFile());
    }
    void cleanupTestCase() { AnswerFormat::program().setChoice({}); }
    void init()
    {
        sink.shown.clear();
        sink.seen.clear();
        sink.watched = nullptr;
        window = new ProgressionsWindow(sink);
        window->show();
    }
    void cleanup()
    {
        AnswerFormat::program().setChoice({});
        delete window;
        QLocale::setDefault(QLocale::c());
    }

    void solves_data();
    void solves();
    void showsWorkingHeadedByItsPanel();
    void answersExactly_data();
    void answersExactly();

private:
    WatchingSink sink;
    ProgressionsWindow* window = nullptr;
};

void ProgressionsWindowTest::solves_data()
{
    QTest::addColumn<QStringList>("panel"); // button, output, boxes left to right
    QTest::addColumn<QStringList>("typed");
    QTest::addColumn<QStringList>("after");
    QTest::addColumn<QString>("answer"); // the output held "old" before the click
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<QStringList>("seen"); // the output while each message shows
    QTest::addColumn<int>("how");
    const auto row = [](const char* name, const char* panel, const QStringList& typed,
                        const QStringList& after, const char* answer,
                        const QStringList& messages = {}, const QStringList& seen = {},
                        How how = Click) {
        QTest::newRow(name) << QString::fromLatin1(panel).split(u' ') << typed << after
                            << QString::fromLatin1(answer) << messages << seen << int(how);
    };
    const QString zeroOrOne = QStringLiteral("Q Must not be equals to zero or one.!!!");
    const QString a1OrN =
        QStringLiteral("A1 Must not be equals to zero And N must be bigger than one.!!!");
    const QString bad = QStringLiteral("Unreasonable Data!!!.");
    const QString infiniteQ = QStringLiteral("In Infinite Progression Q Must be smaller than 1 and "
                                             "bigger than -1 and not be equals to Zero.!!!");
    const char* ap1 = "Command1 ans1 a1 d n";
    const char* gp1 = "command20 ans7 a17 q7 n7";
    const char* gp4 = "Command10 ans10 a110 q10 n10";
    const char* gp5 = "Command4 ans11 a111 an11 n11";
    row("AP1 rewritten", ap1, {"1/4", "2.50", "1/1/2"}, {"0.25", "2.5", "1.5"}, "1.3125");
    row("AP1 two bad boxes", ap1, {"x", "1", ""}, {"0", "1", "0"}, "",
        {notNumeric("x"), "Must enter a numeric value"}, {"old", "old"});
    row("AP2", "Command2 ans2 a12 an2 n2", {"1", "100", "100"}, {"1", "100", "100"}, "5050");
    row("AP3 reads An first", "Command8 ans3 d3 an3 n3", {"p", "q", "2"}, {"0", "0", "2"}, "",
        {notNumeric("q"), notNumeric("p")}, {"old", "old"});
    row("AP3", "Command8 ans3 d3 an3 n3", {"1", "100", "100"}, {"1", "100", "100"}, "5050");
    row("AP5", "Command6 ans5 a15 an5 n5", {"3", "11", "5"}, {"3", "11", "5"}, "2");
    row("AP6", "ans6 ans66 a16 d6 an6", {"3", "2", "11"}, {"3", "2", "11"}, "5");
    row("GP1", gp1, {"1", "2", "10"}, {"1", "2", "10"}, "1023");
    row("GP4", gp4, {"2", "3", "4"}, {"2", "3", "4"}, "54");
    row("GP5", gp5, {"2", "54", "4"}, {"2", "54", "4"}, "3");
    row("GP3 Q = 1", "command22 ans9 a19 q9", {"1", "1"}, {"1", "1"}, "", {infiniteQ}, {""});
    row("AP4 15 digits", "Command3 ans4 a14 d4 n4", {"1/3", "0", "1"},
        {"0.333333333333333", "0", "1"}, "0.333333333333333");
    row("AP1 counts with the number shown", ap1, {"1/3", "0", "3"}, {"0.333333333333333", "0", "3"},
        "0.999999999999999");
    row("AP5 reads An first", "Command6 ans5 a15 an5 n5", {"a", "b", "5"}, {"0", "0", "5"}, "",
        {notNumeric("b"), notNumeric("a")}, {"old", "old"});
    row("AP6 by Return", "ans6 ans66 a16 d6 an6", {"1", "2", "4"}, {"1", "2", "4"}, "2.5", {}, {},
        PressReturn);
    row("AP1 German decimal comma", ap1, {"0,5", "1/4", "2"}, {"0,5", "0,25", "2"}, "1,25", {}, {},
        German);
    row("GP1 Q kept as typed", gp1, {"1/1", "y", "z"}, {"1", "y", "0"}, "",
        {notNumeric("y"), notNumeric("z")}, {"old", "old"});
    row("GP1 message, then emptied", gp1, {"1", "0/3", "10"}, {"1", "0/3", "10"}, "", {zeroOrOne},
        {"old"});
    row("GP1 no real power", gp1, {"1", "-2", "5/2"}, {"1", "-2", "2.5"}, "", {bad}, {""});
    row("GP2 An kept as typed", "Command21 ans8 a18 q8 an8", {"2/2", "2", "1024/2"},
        {"1", "2", "1024/2"}, "1023");
    row("GP2 emptied, then message", "Command21 ans8 a18 q8 an8", {"1", "1", "2"}, {"1", "1", "2"},
        "", {zeroOrOne}, {""});
    row("GP3", "command22 ans9 a19 q9", {"1", "1/2"}, {"1", "1/2"}, "2");
    row("GP3 emptied, then message", "command22 ans9 a19 q9", {"1", "-1"}, {"1", "-1"}, "",
        {infiniteQ}, {""});
    row("GP4 Q = 1 keeps the answer", gp4, {"2", "1", "4"}, {"2", "1", "4"}, "old", {zeroOrOne},
        {"old"});
    row("GP4 no real power empties", gp4, {"2", "-3", "1/2"}, {"2", "-3", "0.5"}, "", {bad}, {""});
    row("GP5 reads N before An", gp5, {"2", "u", "v"}, {"2", "u", "0"}, "",
        {notNumeric("v"), notNumeric("u")}, {"old", "old"});
    row("GP5 N = 1", gp5, {"2", "54", "1"}, {"2", "54", "1"}, "", {a1OrN}, {""});
    row("GP5 A1 = 0", gp5, {"0/5", "54", "4"}, {"0", "54", "4"}, "", {a1OrN}, {""});
}

void ProgressionsWindowTest::solves()
{
    QFETCH(QStringList, panel);
    QFETCH(QStringList, typed);
    QFETCH(QStringList, after);
    QFETCH(QString, answer);
    QFETCH(QStringList, messages);
    QFETCH(QStringList, seen);
    QFETCH(int, how);
    if (how == German)
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    // Every other panel holds junk, which the click must neither read nor change.
    fillWithJunk(window);
    const QList<QLineEdit*> fields = window->findChildren<QLineEdit*>();
    QStringList junk;
    for (QLineEdit* field : fields)
        junk << field->text();
    const QStringList boxes = panel.mid(2);
    for (qsizetype k = 0; k < boxes.size(); ++k)
        typeInto(window, boxes[k].toLatin1().constData(), typed[k]);
    sink.watched = control<QLabel>(window, panel[1].toLatin1().constData());
    sink.watched->setText("old");
    control<QLabel>(window, "working")->setText("old");
    if (how == PressReturn)
        QTest::keyClick(control<QLineEdit>(window, boxes[1].toLatin1().constData()),
                        Qt::Key_Return);
    else
        click(window, panel[0].toLatin1().constData());
    for (qsizetype k = 0; k < fields.size(); ++k) {
        const qsizetype at = boxes.indexOf(fields[k]->objectName());
        QCOMPARE(fields[k]->text(), at < 0 ? junk[k] : after[at]);
    }
    for (QLabel* output : window->findChildren<QLabel*>(QRegularExpression("^ans")))
        QCOMPARE(output->text(), output == sink.watched ? answer : QString());
    QCOMPARE(sink.shown, messages);
    QCOMPARE(sink.seen, seen);
    // The working of a new answer, headed by its panel; none after a refusal.
    const QString working = textOf(window, "working");
    QVERIFY(messages.isEmpty() ? working.endsWith(u' ' + answer) : working.isEmpty());
}

void ProgressionsWindowTest::showsWorkingHeadedByItsPanel()
{
    auto* working = control<QLabel>(window, "working");
    QVERIFY(!working->isVisible());
    click(window, "showWorking");
    QVERIFY(!working->isVisible()); // nothing to show yet
    typeInto(window, "a19", "1");
    typeInto(window, "q9", "1/2");
    click(window, "command22");
    QVERIFY(working->isVisible());
    QCOMPARE(workingText(window), "Geometric Progression (A1, Q), Find Sn (Infinite Progression)\n"
                                  "1/2 = 1 ÷ 2 = 0.5\n"
                                  "S = A1 ÷ (1 − Q) = 1 ÷ (1 − 0.5) = 2");
}

void ProgressionsWindowTest::answersExactly_data()
{
    QTest::addColumn<QStringList>("panel"); // button, output, boxes left to right
    QTest::addColumn<QStringList>("typed");
    QTest::addColumn<QString>("exact");   // the answer under Exact
    QTest::addColumn<QString>("ending");  // how the working ends under Exact
    QTest::addColumn<QString>("decimal"); // the answer once Decimal is chosen again
    const auto row = [](const char* name, const char* panel, const QStringList& typed,
                        const char* exact, const char* ending, const char* decimal) {
        QTest::newRow(name) << QString::fromLatin1(panel).split(u' ') << typed
                            << QString::fromUtf8(exact) << QString::fromUtf8(ending)
                            << QString::fromLatin1(decimal);
    };
    row("AP1 rewritten thirds", "Command1 ans1 a1 d n", {"1/3", "1/3", "3"}, "2",
        "3 × (2 × (1/3) + 2 × (1/3)) ÷ 2 = 2", "2");
    row("AP2", "Command2 ans2 a12 an2 n2", {"1/3", "1/2", "3"}, "5/4",
        "3 × ((1/3) + 0.5) ÷ 2 = 5/4 = 1.25", "1.25");
    // The decimal counts with the boxes as shown, the exact form with the values typed.
    row("AP3 rewritten thirds", "Command8 ans3 d3 an3 n3", {"1/3", "7/3", "3"}, "6",
        "3 × (2 × (7/3) − 2 × (1/3)) ÷ 2 = 6 ≈ 5.99999999999999", "5.99999999999999");
    row("AP4", "Command3 ans4 a14 d4 n4", {"1/3", "1/3", "4"}, "4/3",
        "(1/3) + 3 × (1/3) = 4/3 ≈ 1.33333333333333", "1.33333333333333");
    row("AP5", "Command6 ans5 a15 an5 n5", {"1", "2", "4"}, "1/3",
        "(2 − 1) ÷ 3 = 1/3 ≈ 0.333333333333333", "0.333333333333333");
    row("AP6", "ans6 ans66 a16 d6 an6", {"1", "2", "4"}, "5/2", "progression: N = 5/2 = 2.5",
        "2.5");
    row("GP1", "command20 ans7 a17 q7 n7", {"1", "1/3", "2"}, "4/3",
        "((1/9) − 1) × 1 ÷ ((1/3) − 1) = 4/3 ≈ 1.33333333333333", "1.33333333333333");
    row("GP2", "Command21 ans8 a18 q8 an8", {"1", "1/2", "1/8"}, "15/8",
        "(0.125 × 0.5 − 1) ÷ (0.5 − 1) = 15/8 = 1.875", "1.875");
    row("GP3", "command22 ans9 a19 q9", {"-1/2", "1/3"}, "-3/4",
        "(−0.5) ÷ (1 − (1/3)) = −3/4 = -0.75", "-0.75");
    row("GP4 square root", "Command10 ans10 a110 q10 n10", {"1", "2", "3/2"}, "√2",
        "√2 × 1 = √2 ≈ 1.4142135623731", "1.4142135623731");
    row("GP5 square root", "Command4 ans11 a111 an11 n11", {"3", "1/9", "3"}, "√3/9",
        "²√(1/27) = √3/9 ≈ 0.192450089729875", "0.192450089729875");
    row("GP5 cube root has no form", "Command4 ans11 a111 an11 n11", {"1", "2", "4"},
        "1.25992104989487", "³√2 = 1.25992104989487", "1.25992104989487");
}

// Each answer under Exact, pressed twice: the second press reads the fields as rewritten and
// must still count with the values typed. Decimal then rewrites answer and working.
void ProgressionsWindowTest::answersExactly()
{
    QFETCH(QStringList, panel);
    QFETCH(QStringList, typed);
    QFETCH(QString, exact);
    QFETCH(QString, ending);
    QFETCH(QString, decimal);
    AnswerFormat::program().setChoice({AnswerStyle::Exact, 2});
    const QStringList boxes = panel.mid(2);
    for (qsizetype k = 0; k < boxes.size(); ++k)
        typeInto(window, boxes[k].toLatin1().constData(), typed[k]);
    for (int press = 0; press < 2; ++press) {
        click(window, panel[0].toLatin1().constData());
        QCOMPARE(textOf(window, panel[1].toLatin1().constData()), exact);
        QVERIFY2(workingText(window).endsWith(ending), qPrintable(workingText(window)));
    }
    QVERIFY(sink.shown.isEmpty());
    AnswerFormat::program().setChoice({});
    QCOMPARE(textOf(window, panel[1].toLatin1().constData()), decimal);
    QVERIFY2(workingText(window).endsWith(u' ' + decimal), qPrintable(workingText(window)));
}

QTEST_MAIN(ProgressionsWindowTest)
#include "tst_progressions_window.moc"
