#include "geometry/cosines_window.h"
#include "geometry/sines_window.h"

#include "support/recording_sink.h"
#include "support/window_test.h"

#include <QLocale>

namespace {

const QString tooBig = QStringLiteral("The Number Is Too Big!!!");
const QString unreasonable = QStringLiteral("Unreasonable Data!!!.");
const QString none = QStringLiteral("There is no solution");
const QString angleAnd = QStringLiteral("Angle Must be positive and smaller than 180 degrees");

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
       "3|4|3.60555127546399|73.8978862480141|"
       "46.1021137519859|60"},
      {"Command8", "Command6", "a=1/2;z=120;b=2.5",
       "1/2|2.5|2.78388218141501|51.051724435373|"
       "8.94827556462695|120"},
      {"Command7", "Command5", "a=1;b=1;c=1",
       "1|1|1|60.0000000000001|60.0000000000001|"
       "59.9999999999999"}}},
    {"sines",
     {{"Command1", "Command3", "x=60;z=60;b=1", "1|1|1|60|60|60"},
      {"Command2", "Command4", "y=30;a=8;c=10",
       "8|14.9052520362428|10|111.317812546511|30|"
       "38.6821874534894"},
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
        if (window)
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
    void initTestCase() { QLocale::setDefault(QLocale::c()); }
    void cleanup() { delete window; }

    void solves_data();
    void solves();
    void failures_data();
    void failures();
    void clearEmptiesInItsOrder_data();
    void clearEmptiesInItsOrder();
    void germanLocaleUsesDecimalComma();
    void showsWorkingWhenAsked();

private:
    void open(const QString& kind)
    {
        sink = {};
        window = kind == "cosines" ? static_cast<QWidget*>(new Form10(sink))
                                   : static_cast<QWidget*>(new Form11(sink));
        window->show();
        this->kind = kind;
    }
    void type(int panel, const QString& data)
    {
        for (const QString& entry : data.split(u';'))
            typeInto(window, name(entry[0].toLatin1(), panel).toLatin1(), entry.mid(2));
    }
    void solve(int panel, const QString& data)
    {
        type(panel, data);
        click(window, panels[kind][panel - 1].solve);
    }
    void solveAll()
    {
        for (int panel = 1; panel <= 4; ++panel)
            solve(panel, panels[kind][panel - 1].data);
        sink.shown.clear();
    }

    SnapshotSink sink;
    QWidget* window = nullptr;
    QString kind;
};

void TriangleWindowsTest::solves_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("panel");
    QTest::addColumn<QString>("data");
    QTest::addColumn<QString>("solved");
    QTest::addColumn<QString>("second");
    for (const QString kind : {"cosines", "sines"})
        for (int panel = 1; panel <= 4; ++panel)
            QTest::addRow("%s %d", qPrintable(kind), panel)
                << kind << panel << panels[kind][panel - 1].data << panels[kind][panel - 1].solved
                << (kind == "sines" && panel == 2 ? "Second triangle:  X = 8.68218745348943  Z = "
                                                    "141.317812546511  b = 2.41525603944599"
                                                  : "");
    QTest::newRow("cosines 4, flat: 180 and no failure") << "cosines" << 4 << "a=1;b=3;c=2"
                                                         << "1|3|2|180|0|0"
                                                         << "";
    QTest::newRow("sines 3, the right triangle has no second")
        << "sines" << 3 << "y=30;a=5;c=10"
        << "5|8.66025424857862|10|60.0000024148364|30|89.9999975851636"
        << "";
}

void TriangleWindowsTest::solves()
{
    QFETCH(QString, kind);
    QFETCH(int, panel);
    QFETCH(QString, data);
    QFETCH(QString, solved);
    QFETCH(QString, second);
    open(kind);
    type(panel, data);
    // Return in the last field read presses the panel's Solve button.
    const char last = data.section(u';', -1).front().toLatin1();
    QTest::keyClick(control<QLineEdit>(window, name(last, panel).toLatin1()), Qt::Key_Return);
    QCOMPARE(panelTexts(window, panel), solved);
    QCOMPARE(sink.shown, QStringList{});
    if (auto* label = window->findChild<QLabel*>("second" + QString::number(panel)))
        QCOMPARE(label->text(), second);
}

void TriangleWindowsTest::failures_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("panel");
    QTest::addColumn<QString>("data"); // typed over the solved panel
    QTest::addColumn<QString>("message");
    QTest::addColumn<bool>("clearedFirst");
    QTest::addColumn<bool>("kept"); // else emptied at the end
    const auto row = [](const char* name, const char* kind, int panel, const char* data,
                        const QString& message, bool clearedFirst, bool kept = false) {
        QTest::newRow(name) << QString::fromLatin1(kind) << panel << QString::fromLatin1(data)
                            << message << clearedFirst << kept;
    };
    const bool clearedFirst = true;
    const bool messageFirst = false;
    const bool kept = true;
    row("cosines 1, z 180: no and", "cosines", 1, "z=180",
        "Angle Must be positive smaller than 180 degrees", clearedFirst);
    row("cosines 2, z 180: and", "cosines", 2, "z=180", angleAnd, clearedFirst);
    row("cosines 3, z 200", "cosines", 3, "z=200", angleAnd, clearedFirst);
    row("cosines 1, a not a number", "cosines", 1, "a=abc", "abc Is not a numeric value",
        messageFirst);
    row("cosines 1, z 0", "cosines", 1, "z=0", "Must enter a positive value", messageFirst);
    row("cosines 3, z refused: the panel keeps", "cosines", 3, "z=abc",
        "abc Is not a numeric value", messageFirst, kept);
    row("cosines 3, a refused", "cosines", 3, "a=", " Is not a numeric value", messageFirst);
    row("cosines 4, 1 1 3", "cosines", 4, "c=3", unreasonable, messageFirst);
    row("cosines 4, overflow", "cosines", 4, "a=1e200;b=1e200;c=1e200", unreasonable, messageFirst);
    row("cosines 4, zero denominator", "cosines", 4, "b=1/0", "Denominator Cant Be Zero!!!",
        messageFirst);
    row("cosines 1, overflow", "cosines", 1, "a=1e200", tooBig, clearedFirst);
    row("cosines 2, flat", "cosines", 2, "a=5;z=1e-6;b=0.1", unreasonable, clearedFirst);
    row("sines 1, x 180", "sines", 1, "x=180", angleAnd, messageFirst);
    row("sines 1, no third angle", "sines", 1, "x=100;z=80", none, messageFirst);
    row("sines 1, overflow", "sines", 1, "x=10;z=150;b=1e308", tooBig, clearedFirst);
    row("sines 4, no third angle", "sines", 4, "y=120", none, clearedFirst);
    row("sines 4, z underflows", "sines", 4, "z=1e-320", tooBig, clearedFirst);
    row("sines 2, y refused: the panel keeps", "sines", 2, "y=abc", "abc Is not a numeric value",
        messageFirst, kept);
    row("sines 2, y 180", "sines", 2, "y=180", angleAnd, messageFirst);
    row("sines 2, a cannot reach", "sines", 2, "a=4", none, messageFirst);
    row("sines 2, x 0", "sines", 2, "y=90;a=5;c=5", none, clearedFirst);
    row("sines 3, y refused", "sines", 3, "y=abc", "abc Is not a numeric value", messageFirst);
    row("sines 3, a cannot reach", "sines", 3, "y=30;a=4;c=10", none, clearedFirst);
    row("sines 3, x 0", "sines", 3, "a=3", none, clearedFirst);
}

void TriangleWindowsTest::failures()
{
    QFETCH(QString, kind);
    QFETCH(int, panel);
    QFETCH(QString, data);
    QFETCH(QString, message);
    QFETCH(bool, clearedFirst);
    QFETCH(bool, kept);
    open(kind);
    solveAll();
    QStringList before;
    for (int k = 1; k <= 4; ++k)
        before << panelTexts(window, k);
    sink.window = window;
    sink.panel = panel;
    type(panel, data);
    const QString typed = panelTexts(window, panel);
    click(window, panels[kind][panel - 1].solve);

    const QString empty = QStringLiteral("|||||");
    QCOMPARE(sink.shown, QStringList{message});
    QCOMPARE(sink.snapshots, QStringList{clearedFirst ? empty : typed});
    QCOMPARE(panelTexts(window, panel), kept ? typed : empty);
    for (int k = 1; k <= 4; ++k)
        if (k != panel)
            QCOMPARE(panelTexts(window, k), before[k - 1]);
    if (auto* label = window->findChild<QLabel*>("second" + QString::number(panel)))
        QCOMPARE(label->text(), "");
}

void TriangleWindowsTest::clearEmptiesInItsOrder_data()
{
    QTest::addColumn<QString>("kind");
    for (const char* kind : {"cosines", "sines"})
        QTest::newRow(kind) << QString::fromLatin1(kind);
}

void TriangleWindowsTest::clearEmptiesInItsOrder()
{
    QFETCH(QString, kind);
    open(kind);
    solveAll();
    // The fields tell when they are emptied; the labels are seen empty at the end.
    QStringList emptied;
    for (QLineEdit* field : window->findChildren<QLineEdit*>())
        connect(field, &QLineEdit::textChanged, field,
                [&emptied, field] { emptied << field->objectName(); });
    QStringList expected;
    for (int panel = 4; panel >= 1; --panel) {
        const QStringList others = {panelTexts(window, 1), panelTexts(window, 2),
                                    panelTexts(window, 3), panelTexts(window, 4)};
        click(window, panels[kind][panel - 1].clear);
        for (int k = 1; k <= 4; ++k)
            QCOMPARE(panelTexts(window, k), k == panel ? "|||||" : others[k - 1]);
        for (char letter : QByteArrayView("abczyx"))
            if (window->findChild<QLineEdit*>(name(letter, panel)))
                expected << name(letter, panel);
    }
    QCOMPARE(emptied, expected);
    if (auto* second = window->findChild<QLabel*>("second2"))
        QCOMPARE(second->text(), "");
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
    solve(3, panels[kind][2].data);
    QVERIFY(!working->isVisible());
    QStringList lines = working->text().split(u'\n');
    QCOMPARE(lines.first(), "Top right panel, Solve Triangle");
    QVERIFY(lines.last().endsWith(" = " + textOf(window, "y3")));

    click(window, "showWorking");
    QVERIFY(working->isVisible());
    solve(4, "a=1;b=1;c=3");
    QCOMPARE(working->text(), "");
    solve(4, "a=1;b=1;c=1");
    QCOMPARE(working->text().section(u'\n', 0, 0), "Bottom right panel, Solve Triangle");
    click(window, "Command3"); // another panel's Clear
    QCOMPARE(working->text(), "");
    click(window, "showWorking");
    QVERIFY(!working->isVisible());
}

QTEST_MAIN(TriangleWindowsTest)
#include "tst_triangle_windows.moc"
