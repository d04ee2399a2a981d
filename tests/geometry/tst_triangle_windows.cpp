#include "geometry/cosines_window.h"
#include "geometry/sines_window.h"

#include "support/recording_sink.h"
#include "support/window_test.h"
#include "widgets/answer_format.h"

#include <QLocale>
#include <QPointer>
#include <QStandardPaths>

namespace {

const QString tooBig = QStringLiteral("The Number Is Too Big!!!");
const QString unreasonable = QStringLiteral("Unreasonable Data!!!.");
const QString none = QStringLiteral("There is no solution");
const QString angleAnd = QStringLiteral("Angle Must be positive and smaller than 180 degrees");
const QString notNumeric = QStringLiteral("abc Is not a numeric value");
const QString empty = QStringLiteral("|||||");

// A panel's buttons, data that solve it, and its six values then, in the order a b c x y z.
struct Panel {
    const char* solve;
    const char* clear;
    const char* data;
    const char* solved;
};
const QHash<QString, QList<Panel>> panels = {
    {"cosines",
     {{"Command1", "Command3", "a=3;z=90;b=4", "3|4|5|53.1301023541561|36.8698976458439|90"},
      {"Command2", "Command4", "a=3;z=60;b=4",
       "3|4|3.60555127546399|73.8978862480141|46.1021137519859|60"},
      {"Command8", "Command6", "a=1/2;z=120;b=2.5",
       "1/2|2.5|2.78388218141501|51.051724435373|8.94827556462695|120"},
      {"Command7", "Command5", "a=1;b=1;c=1",
       "1|1|1|60.0000000000001|60.0000000000001|59.9999999999999"}}},
    {"sines",
     {{"Command1", "Command3", "x=60;z=60;b=1", "1|1|1|60|60|60"},
      {"Command2", "Command4", "y=30;a=8;c=10",
       "8|14.9052520362428|10|111.317812546511|30|38.6821874534894"},
      {"Command6", "Command8", "y=90;a=5;c=3", "5|4|3|53.1301023541559|90|36.8698976458441"},
      {"Command7", "Command5", "y=30;z=60;c=2", "1.15470053837925|2.3094010767585|2|90|30|60"}}},
};

QString name(char letter, int panel)
{
    return QLatin1Char(letter) + QString::number(panel);
}

QString panelTexts(QWidget* window, int panel)
{
    QStringList texts;
    for (char letter : QByteArrayView("abcxyz"))
        texts << textOf(window, name(letter, panel).toLatin1());
    return texts.join(u'|');
}

// Records each message with the panel's six values at that moment.
class SnapshotSink : public RecordingSink {
public:
    using MessageSink::show;
    void show(const QString& text) override
    {
        RecordingSink::show(text);
        snapshots << panelTexts(window, panel);
    }
    QWidget* window = nullptr;
    int panel = 1;
    QStringList snapshots;
};

} // namespace

class TriangleWindowsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QLocale::setDefault(QLocale::c());
        // The answer format is kept in the program's settings: the test area's, not the user's.
        QStandardPaths::setTestModeEnabled(true);
    }
    void cleanup() { delete window; }

    void failures_data();
    void failures();
    void clearEmptiesInItsOrder();
    void germanLocaleUsesDecimalComma();
    void showsWorkingWhenAsked();
    void eachPanelReadsOnlyItsOwnFields_data();
    void eachPanelReadsOnlyItsOwnFields();
    void exactAnswers_data();
    void exactAnswers();

private:
    void open(const QString& kind)
    {
        delete window;
        sink = {};
        window = kind == "cosines" ? static_cast<QWidget*>(new CosinesWindow(sink))
                                   : static_cast<QWidget*>(new SinesWindow(sink));
        window->show();
        sink.window = window;
        this->kind = kind;
    }
    // Types the data and presses Return in the last field read: the panel's Solve button.
    void solve(int panel, const QString& data)
    {
        for (const QString& entry : data.split(u';'))
            typeInto(window, name(entry[0].toLatin1(), panel).toLatin1(), entry.mid(2));
        const char last = data.section(u';', -1).front().toLatin1();
        QTest::keyClick(control<QLineEdit>(window, name(last, panel).toLatin1()), Qt::Key_Return);
    }
    void solveAll()
    {
        for (int panel = 1; panel <= 4; ++panel) {
            solve(panel, panels[kind][panel - 1].data);
            QCOMPARE(panelTexts(window, panel), panels[kind][panel - 1].solved);
        }
        QCOMPARE(sink.shown, QStringList{});
        if (kind == "sines")
            QCOMPARE(textOf(window, "second2"), "Second triangle:  X = 8.68218745348943  Z = "
                                                "141.317812546511  b = 2.41525603944599");
        sink.snapshots.clear();
    }

    SnapshotSink sink;
    QPointer<QWidget> window;
    QString kind;
};

void TriangleWindowsTest::failures_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("panel");
    QTest::addColumn<QString>("data"); // typed over the solved panel
    QTest::addColumn<QString>("message");
    QTest::addColumn<char>("order"); // cleared then message, message then cleared, or kept
    const auto row = [](const char* kind, int panel, const char* data, const QString& message,
                        char order, const char* why) {
        QTest::addRow("%s %d, %s", kind, panel, why)
            << QString::fromLatin1(kind) << panel << QString::fromLatin1(data) << message << order;
    };
    row("cosines", 1, "z=180", "Angle Must be positive smaller than 180 degrees", 'c', "angle");
    row("cosines", 2, "z=180", angleAnd, 'c', "angle");
    row("cosines", 1, "z=0", "Must enter a positive value", 'm', "refused");
    row("cosines", 3, "z=abc", notNumeric, 'k', "z refused");
    row("cosines", 3, "b=abc", notNumeric, 'm', "b refused");
    row("cosines", 3, "a=abc", notNumeric, 'm', "a refused");
    row("cosines", 3, "z=180", angleAnd, 'c', "angle");
    row("cosines", 4, "c=3", unreasonable, 'm', "no triangle");
    row("cosines", 4, "a=1/0", unreasonable, 'm', "a zero denominator fails as the solve");
    row("cosines", 4, "b=1e308/1e-9", unreasonable, 'm', "an overflowing field too");
    row("cosines", 1, "a=1/0", "Denominator Cant Be Zero!!!", 'm', "the reader's message");
    row("cosines", 1, "a=1e200", tooBig, 'c', "overflow");
    row("cosines", 2, "a=5;z=1e-6;b=0.1", unreasonable, 'c', "flat");
    row("sines", 1, "x=180", angleAnd, 'm', "angle");
    row("sines", 1, "x=100;z=80", none, 'm', "no third angle");
    row("sines", 1, "x=10;z=150;b=1e308", tooBig, 'c', "overflow");
    row("sines", 1, "b=1e-322", tooBig, 'c', "a side underflows");
    row("sines", 4, "z=180", angleAnd, 'm', "angle");
    row("sines", 4, "y=120", none, 'c', "no third angle");
    row("sines", 2, "y=180", angleAnd, 'm', "angle");
    row("sines", 3, "y=180", angleAnd, 'm', "angle");
    row("sines", 3, "y=90;a=5;c=5", none, 'c', "x 0");
    row("sines", 2, "y=abc", notNumeric, 'k', "y refused");
    row("sines", 2, "a=4", none, 'm', "a cannot reach");
    row("sines", 2, "y=90;a=5;c=5", none, 'c', "x 0");
    row("sines", 3, "y=abc", notNumeric, 'm', "y refused");
    row("sines", 3, "y=30;a=4;c=10", none, 'c', "a cannot reach");
}

void TriangleWindowsTest::failures()
{
    QFETCH(QString, kind);
    QFETCH(int, panel);
    QFETCH(QString, data);
    QFETCH(QString, message);
    QFETCH(char, order);
    open(kind);
    solveAll();
    sink.panel = panel;
    for (const QString& entry : data.split(u';'))
        typeInto(window, name(entry[0].toLatin1(), panel).toLatin1(), entry.mid(2));
    const QString typed = panelTexts(window, panel);
    click(window, panels[kind][panel - 1].solve);

    QCOMPARE(sink.shown, QStringList{message});
    QCOMPARE(sink.snapshots, QStringList{order == 'c' ? empty : typed});
    QCOMPARE(panelTexts(window, panel), order == 'k' ? typed : empty);
    for (int other = 1; other <= 4; ++other)
        if (other != panel)
            QCOMPARE(panelTexts(window, other), panels[kind][other - 1].solved);
    if (auto* second = window->findChild<QLabel*>("second" + QString::number(panel)))
        QCOMPARE(second->text(), "");
}

void TriangleWindowsTest::clearEmptiesInItsOrder()
{
    for (const QString kind : {"cosines", "sines"}) {
        open(kind);
        solveAll();
        // The fields tell when they are emptied; the labels are seen empty at the end.
        QStringList emptied;
        QStringList expected;
        for (QLineEdit* field : window->findChildren<QLineEdit*>())
            connect(field, &QLineEdit::textChanged, field,
                    [&emptied, field] { emptied << field->objectName(); });
        for (int panel = 4; panel >= 1; --panel) {
            click(window, panels[kind][panel - 1].clear);
            QCOMPARE(panelTexts(window, panel), empty);
            QCOMPARE(panelTexts(window, 1), panel == 1 ? empty : panels[kind][0].solved);
            for (char letter : QByteArrayView("abczyx"))
                if (window->findChild<QLineEdit*>(name(letter, panel)))
                    expected << name(letter, panel);
        }
        QCOMPARE(emptied, expected);
        if (kind == "sines")
            QCOMPARE(textOf(window, "second2"), "");
    }
}

void TriangleWindowsTest::germanLocaleUsesDecimalComma()
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    open("cosines");
    solve(1, "a=1,5;z=90;b=2");
    const QString texts = panelTexts(window, 1);
    QLocale::setDefault(QLocale::c());
    QCOMPARE(texts, "1,5|2|2,5|53,1301023541561|36,8698976458439|90");
}

void TriangleWindowsTest::showsWorkingWhenAsked()
{
    open("cosines");
    auto* working = control<QLabel>(window, "working");
    solve(1, panels[kind][0].data);
    QVERIFY(!working->isVisible());
    QCOMPARE(workingText(window),
             "Top left panel, Solve Triangle\n"
             "c = √(a² + b² − 2 × a × b × cos(z)) = √(9 + 16 − 24 × cos(90°)) = 5\n"
             "x = cos⁻¹((c² + a² − b²) ÷ (2 × a × c)) = cos⁻¹((5² + 3² − 4²) ÷ (2 × 3 × 5)) = "
             "cos⁻¹(0.6) = 53.1301023541561\n"
             "y = 180° − x − z = 180° − 53.1301023542° − 90° = 36.8698976458439");

    click(window, "showWorking");
    QVERIFY(working->isVisible());
    solve(4, "a=1;b=1;c=3");
    QCOMPARE(workingText(window), "");
    solve(4, "a=1;b=1;c=1");
    QCOMPARE(workingText(window),
             "Bottom right panel, Solve Triangle\n"
             "x = cos⁻¹((c² + a² − b²) ÷ (2 × a × c)) = cos⁻¹((1² + 1² − 1²) ÷ (2 × 1 × 1)) = "
             "cos⁻¹(0.5) = 60.0000000000001\n"
             "y = cos⁻¹((c² + b² − a²) ÷ (2 × b × c)) = cos⁻¹((1² + 1² − 1²) ÷ (2 × 1 × 1)) = "
             "cos⁻¹(0.5) = 60.0000000000001\n"
             "z = 180° − x − y = 180° − 60° − 60° = 59.9999999999999");
    click(window, "Command3"); // another panel's Clear
    QCOMPARE(workingText(window), "");
    click(window, "showWorking");
    QVERIFY(!working->isVisible());
}

void TriangleWindowsTest::eachPanelReadsOnlyItsOwnFields_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("panel");
    for (const QString kind : {"cosines", "sines"})
        for (int panel = 1; panel <= 4; ++panel)
            QTest::addRow("%s %d", qPrintable(kind), panel) << kind << panel;
}

// With junk in every other panel, Solve answers from its own panel and Clear empties only it.
void TriangleWindowsTest::eachPanelReadsOnlyItsOwnFields()
{
    QFETCH(QString, kind);
    QFETCH(int, panel);
    open(kind);
    fillWithJunk(window);
    QStringList junk;
    for (int other = 1; other <= 4; ++other)
        junk << panelTexts(window, other);
    const Panel& tools = panels[kind][panel - 1];
    for (const QString& entry : QString(tools.data).split(u';'))
        typeInto(window, name(entry[0].toLatin1(), panel).toLatin1(), entry.mid(2));
    click(window, tools.solve);
    QCOMPARE(panelTexts(window, panel), tools.solved);
    QCOMPARE(sink.shown, QStringList{});
    click(window, tools.clear);
    QCOMPARE(panelTexts(window, panel), empty);
    for (int other = 1; other <= 4; ++other)
        if (other != panel)
            QCOMPARE(panelTexts(window, other), junk[other - 1]);
}

void TriangleWindowsTest::exactAnswers_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("panel");
    QTest::addColumn<QString>("data");
    QTest::addColumn<QString>("exact");   // a b c x y z with Exact chosen
    QTest::addColumn<QString>("decimal"); // the same, back to Decimal
    QTest::addColumn<QString>("line");    // held by the working, written exactly
    const auto row = [](const char* kind, int panel, const char* data, const char* exact,
                        const char* decimal, const char* line) {
        QTest::addRow("%s %d, %s", kind, panel, data)
            << QString::fromLatin1(kind) << panel << QString::fromLatin1(data)
            << QString::fromUtf8(exact) << QString::fromUtf8(decimal) << QString::fromUtf8(line);
    };
    row("cosines", 1, "a=2;z=60;b=3", "2|3|√7|79.1066053508692|40.8933946491308|60",
        "2|3|2.64575131106459|79.1066053508692|40.8933946491308|60",
        "= √(4 + 9 − 12 × cos(60°)) = √7 ≈ 2.64575131106459");
    row("cosines", 3, "a=1/2;z=120;b=2.5", "1/2|2.5|√31/2|51.051724435373|8.94827556462695|120",
        "1/2|2.5|2.78388218141501|51.051724435373|8.94827556462695|120",
        "= √(0.25 + 6.25 − 2.5 × cos(120°)) = √31/2 ≈ 2.78388218141501");
    row("cosines", 4, "a=1;b=1;c=1", "1|1|1|60|60|60",
        "1|1|1|60.0000000000001|60.0000000000001|59.9999999999999", "= cos⁻¹(0.5) = 60 ");
    row("sines", 1, "x=30;z=90;b=1", "√3|1|2|30|60|90", "1.73205080756888|1|2|30|60|90",
        "= sin(60°) × 2 ÷ sin(90°) = √3 ≈ 1.73205080756888");
    row("sines", 2, "y=45;a=1;c=1", "1|√2|1|90|45|45", "1|1.4142135623731|1|90|45|45",
        "z = sin⁻¹(√2/2) = 45");
    row("sines", 4, "y=30;z=60;c=2", "2√3/3|4√3/3|2|90|30|60",
        "1.15470053837925|2.3094010767585|2|90|30|60",
        "= sin(30°) × 2 ÷ sin(60°) = 2√3/3 ≈ 1.15470053837925");
}

// With Exact chosen, each kind of panel writes its three results exactly where they have a
// form, and its working with them; back to Decimal, the decimals as always.
void TriangleWindowsTest::exactAnswers()
{
    QFETCH(QString, kind);
    QFETCH(int, panel);
    QFETCH(QString, data);
    QFETCH(QString, exact);
    QFETCH(QString, decimal);
    QFETCH(QString, line);
    open(kind);
    AnswerFormat::program().setChoice({AnswerStyle::Exact, 2});
    solve(panel, data);
    const QString exactTexts = panelTexts(window, panel);
    const QString exactWorking = workingText(window);
    AnswerFormat::program().setChoice({});
    QCOMPARE(exactTexts, exact);
    QVERIFY2(exactWorking.contains(line), qPrintable(exactWorking));
    QCOMPARE(panelTexts(window, panel), decimal);
    QVERIFY2(!workingText(window).contains(line), qPrintable(workingText(window)));
    QCOMPARE(sink.shown, QStringList{});
}

QTEST_MAIN(TriangleWindowsTest)
#include "tst_triangle_windows.moc"
