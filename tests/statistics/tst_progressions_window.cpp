#include "statistics/progressions_window.h"

#include "support/recording_sink.h"
#include "support/window_test.h"

#include <QLocale>

namespace {

const QString mustEnter = QStringLiteral("Must enter a numeric value");
const QString zeroOrOne = QStringLiteral("Q Must not be equals to zero or one.!!!");
const QString a1OrN =
    QStringLiteral("A1 Must not be equals to zero And N must be bigger than one.!!!");
const QString unreasonable = QStringLiteral("Unreasonable Data!!!.");

QString notNumeric(const char* piece)
{
    return QLatin1String(piece) + QStringLiteral(" Is not a numeric value");
}

// Notes what an output shows at the moment each message appears.
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

// Every panel: its button, output and boxes from left to right.
struct PanelNames {
    const char* button;
    const char* output;
    QStringList boxes;
};

const PanelNames panels[] = {
    {"Command1", "ans1", {"a1", "d", "n"}},         {"Command2", "ans2", {"a12", "an2", "n2"}},
    {"Command8", "ans3", {"d3", "an3", "n3"}},      {"Command3", "ans4", {"a14", "d4", "n4"}},
    {"Command6", "ans5", {"a15", "an5", "n5"}},     {"ans6", "ans66", {"a16", "d6", "an6"}},
    {"command20", "ans7", {"a17", "q7", "n7"}},     {"Command21", "ans8", {"a18", "q8", "an8"}},
    {"command22", "ans9", {"a19", "q9"}},           {"Command10", "ans10", {"a110", "q10", "n10"}},
    {"Command4", "ans11", {"a111", "an11", "n11"}},
};

const PanelNames& panelOf(const QString& button)
{
    for (const PanelNames& panel : panels)
        if (button == QLatin1String(panel.button))
            return panel;
    qFatal("no panel with the button %s", qPrintable(button));
}

} // namespace

class ProgressionsWindowTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }
    void init()
    {
        sink.shown.clear();
        sink.seen.clear();
        sink.watched = nullptr;
        window = new Form6(sink);
        window->show();
    }
    void cleanup() { delete window; }

    void solves_data();
    void solves();
    void refusalEmptiesOrKeepsAroundItsMessage_data();
    void refusalEmptiesOrKeepsAroundItsMessage();
    void clickNeverTouchesAnotherPanel_data();
    void clickNeverTouchesAnotherPanel();
    void returnPressesThePanelsButton();
    void germanLocaleUsesDecimalComma();

private:
    WatchingSink sink;
    Form6* window = nullptr;
};

void ProgressionsWindowTest::solves_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QStringList>("typed"); // into the boxes, left to right
    QTest::addColumn<QStringList>("after");
    QTest::addColumn<QString>("answer"); // the output held "old" before the click
    QTest::addColumn<QStringList>("messages");
    const QStringList none;
    const auto row = [](const char* name, const char* button, const QStringList& typed,
                        const QStringList& after, const QString& answer,
                        const QStringList& messages) {
        QTest::newRow(name) << QString::fromLatin1(button) << typed << after << answer << messages;
    };
    row("AP1", "Command1", {"1", "1", "100"}, {"1", "1", "100"}, "5050", none);
    row("AP1 fraction rewritten", "Command1", {"1/4", "2.50", "1/1/2"}, {"0.25", "2.5", "1.5"},
        "1.3125", none);
    row("AP1 two bad boxes, two messages", "Command1", {"x", "1", ""}, {"0", "1", "0"}, "",
        {notNumeric("x"), mustEnter});
    row("AP2", "Command2", {"1", "100", "100"}, {"1", "100", "100"}, "5050", none);
    row("AP3 reads An before D", "Command8", {"p", "q", "2"}, {"0", "0", "2"}, "",
        {notNumeric("q"), notNumeric("p")});
    row("AP3", "Command8", {"1", "100", "100"}, {"1", "100", "100"}, "5050", none);
    row("AP4", "Command3", {"3", "2", "5"}, {"3", "2", "5"}, "11", none);
    row("AP5 reads An before A1", "Command6", {"a", "b", "5"}, {"0", "0", "5"}, "",
        {notNumeric("b"), notNumeric("a")});
    row("AP5", "Command6", {"3", "11", "5"}, {"3", "11", "5"}, "2", none);
    row("AP5 N = 1", "Command6", {"3", "11", "1"}, {"3", "11", "1"}, "", {unreasonable});
    row("AP6", "ans6", {"1", "2", "4"}, {"1", "2", "4"}, "2.5", none);
    row("AP6 D = 0", "ans6", {"1", "0", "4"}, {"1", "0", "4"}, "", {unreasonable});
    row("AP rewritten with 15 digits", "Command3", {"1/3", "0", "1"},
        {"0.333333333333333", "0", "1"}, "0.333333333333333", none);
    row("GP1", "command20", {"1", "2", "10"}, {"1", "2", "10"}, "1023", none);
    row("GP1 Q kept as typed, A1 and N rewritten", "command20", {"1/1", "y", "z"}, {"1", "y", "0"},
        "", {notNumeric("y"), notNumeric("z")});
    row("GP1 Q = 0", "command20", {"1", "0/3", "10"}, {"1", "0/3", "10"}, "", {zeroOrOne});
    row("GP1 no real power", "command20", {"1", "-2", "5/2"}, {"1", "-2", "2.5"}, "",
        {unreasonable});
    row("GP1 beyond range", "command20", {"1", "10", "400"}, {"1", "10", "400"}, "",
        {"The Number Is Too Big!!!"});
    row("GP2 An kept as typed", "Command21", {"2/2", "2", "1024/2"}, {"1", "2", "1024/2"}, "1023",
        none);
    row("GP3", "command22", {"1", "1/2"}, {"1", "1/2"}, "2", none);
    row("GP3 Q = -1", "command22", {"1", "-1"}, {"1", "-1"}, "",
        {"In Infinite Progression Q Must be smaller than 1 and bigger than -1 and not be equals "
         "to Zero.!!!"});
    row("GP4", "Command10", {"2", "3", "4"}, {"2", "3", "4"}, "54", none);
    row("GP4 Q = 1 keeps the old answer", "Command10", {"2", "1", "4"}, {"2", "1", "4"}, "old",
        {zeroOrOne});
    row("GP4 bad box empties", "Command10", {"2", "x", "4"}, {"2", "x", "4"}, "",
        {notNumeric("x")});
    row("GP4 no real power empties", "Command10", {"2", "-3", "1/2"}, {"2", "-3", "0.5"}, "",
        {unreasonable});
    row("GP5 reads N before An", "Command4", {"2", "u", "v"}, {"2", "u", "0"}, "",
        {notNumeric("v"), notNumeric("u")});
    row("GP5", "Command4", {"2", "54", "4"}, {"2", "54", "4"}, "3", none);
    row("GP5 odd root of a negative ratio", "Command4", {"1", "-8", "4"}, {"1", "-8", "4"}, "-2",
        none);
    row("GP5 N = 1", "Command4", {"2", "54", "1"}, {"2", "54", "1"}, "", {a1OrN});
    row("GP5 A1 = 0", "Command4", {"0", "54", "4"}, {"0", "54", "4"}, "", {a1OrN});
}

void ProgressionsWindowTest::solves()
{
    QFETCH(QString, button);
    QFETCH(QStringList, typed);
    QFETCH(QStringList, after);
    QFETCH(QString, answer);
    QFETCH(QStringList, messages);
    const PanelNames& panel = panelOf(button);
    control<QLabel>(window, panel.output)->setText("old");
    for (qsizetype k = 0; k < typed.size(); ++k)
        typeInto(window, panel.boxes[k].toLatin1().constData(), typed[k]);
    click(window, panel.button);
    QStringList boxes;
    for (const QString& box : panel.boxes)
        boxes << textOf(window, box.toLatin1().constData());
    QCOMPARE(boxes, after);
    QCOMPARE(textOf(window, panel.output), answer);
    QCOMPARE(sink.shown, messages);
}

void ProgressionsWindowTest::refusalEmptiesOrKeepsAroundItsMessage_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QStringList>("typed");
    QTest::addColumn<QString>("duringMessage");
    QTest::addColumn<QString>("afterMessage");
    QTest::newRow("GP1 message, then emptied") << "command20" << QStringList{"1", "1", "2"} << "old"
                                               << "";
    QTest::newRow("GP2 emptied, then message") << "Command21" << QStringList{"1", "0", "2"} << ""
                                               << "";
    QTest::newRow("GP3 emptied, then message") << "command22" << QStringList{"1", "2"} << ""
                                               << "";
    QTest::newRow("GP4 message only") << "Command10" << QStringList{"1", "1", "2"} << "old"
                                      << "old";
    QTest::newRow("GP5 emptied, then message") << "Command4" << QStringList{"1", "2", "1"} << ""
                                               << "";
    QTest::newRow("GP1 failed power: emptied first")
        << "command20" << QStringList{"1", "-2", "0.5"} << ""
        << "";
    QTest::newRow("a bad box: its message while reading, emptied after")
        << "command20" << QStringList{"x", "2", "2"} << "old"
        << "";
}

void ProgressionsWindowTest::refusalEmptiesOrKeepsAroundItsMessage()
{
    QFETCH(QString, button);
    QFETCH(QStringList, typed);
    QFETCH(QString, duringMessage);
    QFETCH(QString, afterMessage);
    const PanelNames& panel = panelOf(button);
    sink.watched = control<QLabel>(window, panel.output);
    sink.watched->setText("old");
    for (qsizetype k = 0; k < typed.size(); ++k)
        typeInto(window, panel.boxes[k].toLatin1().constData(), typed[k]);
    click(window, panel.button);
    QCOMPARE(sink.shown.size(), 1);
    QCOMPARE(sink.seen.first(), duringMessage);
    QCOMPARE(sink.watched->text(), afterMessage);
}

void ProgressionsWindowTest::clickNeverTouchesAnotherPanel_data()
{
    QTest::addColumn<QString>("button");
    for (const PanelNames& panel : panels)
        QTest::newRow(panel.button) << QString::fromLatin1(panel.button);
}

void ProgressionsWindowTest::clickNeverTouchesAnotherPanel()
{
    QFETCH(QString, button);
    const PanelNames& clicked = panelOf(button);
    for (const PanelNames& panel : panels)
        for (const QString& box : panel.boxes)
            typeInto(window, box.toLatin1().constData(), "5/2");
    click(window, clicked.button);
    QVERIFY(!textOf(window, clicked.output).isEmpty() || !sink.shown.isEmpty());
    for (const PanelNames& panel : panels) {
        if (&panel == &clicked)
            continue;
        QCOMPARE(textOf(window, panel.output), "");
        for (const QString& box : panel.boxes)
            QCOMPARE(textOf(window, box.toLatin1().constData()), "5/2");
    }
}

void ProgressionsWindowTest::returnPressesThePanelsButton()
{
    typeInto(window, "a16", "3");
    typeInto(window, "d6", "2");
    typeInto(window, "an6", "11");
    typeInto(window, "a15", "3"); // another panel's box, not read
    QTest::keyClick(control<QLineEdit>(window, "d6"), Qt::Key_Return);
    QCOMPARE(textOf(window, "ans66"), "5");
    QCOMPARE(textOf(window, "ans5"), "");
    QVERIFY(sink.shown.isEmpty());
}

void ProgressionsWindowTest::germanLocaleUsesDecimalComma()
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    typeInto(window, "a1", "0,5");
    typeInto(window, "d", "1/4");
    typeInto(window, "n", "2");
    click(window, "Command1");
    const QStringList shown{textOf(window, "a1"), textOf(window, "d"), textOf(window, "ans1")};
    QLocale::setDefault(QLocale::c());
    QCOMPARE(shown, (QStringList{"0,5", "0,25", "1,25"}));
    QVERIFY(sink.shown.isEmpty());
}

QTEST_MAIN(ProgressionsWindowTest)
#include "tst_progressions_window.moc"
