// After an answer, an edited input or a refused press leaves the panel's results greyed and
// tipped as out of date, their text kept, until the panel's next answer; a refused field
// takes the focus with its text selected.

#include "support/longest_tasks.h"
#include "support/recording_sink.h"
#include "support/window_test.h"

#include <QLocale>

#include <memory>

class StaleAnswersTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }
    void editMakesResultsStale_data() { addWindowRows(); }
    void editMakesResultsStale();
    void refusalFocusesTheField_data();
    void refusalFocusesTheField();
    void fractionsAreShownAsRead_data();
    void fractionsAreShownAsRead();

private:
    static void addWindowRows();
    std::unique_ptr<QWidget> answered(int index);
    RecordingSink sink;
};

// A result as the frame marks it: its text, whether it is stale, and its tip.
static QStringList staleResults(QWidget* window)
{
    QStringList stale;
    for (const QLabel* label : window->findChildren<QLabel*>())
        if (label->property("stale").toBool())
            stale << label->objectName() + u'=' + label->text();
    return stale;
}

void StaleAnswersTest::addWindowRows()
{
    QTest::addColumn<int>("index");
    for (int k = 0; k < int(std::size(longestTasks)); ++k)
        QTest::newRow(longestTasks[k].name) << k;
}

std::unique_ptr<QWidget> StaleAnswersTest::answered(int index)
{
    const LongestTask& task = longestTasks[index];
    std::unique_ptr<QWidget> window(task.make(sink));
    window->show();
    sink.shown.clear();
    typeAndPress(window.get(), QString::fromLatin1(task.entries).split(u';'),
                 QString::fromLatin1(task.press));
    return window;
}

void StaleAnswersTest::editMakesResultsStale()
{
    QFETCH(int, index);
    const std::unique_ptr<QWidget> window = answered(index);
    QCOMPARE(sink.shown, QStringList{});
    QCOMPARE(staleResults(window.get()), QStringList{});

    const QString entry = QString::fromLatin1(longestTasks[index].entries).section(u';', 0, 0);
    auto* field = control<QLineEdit>(window.get(), entry.section(u'=', 0, 0).toLatin1());
    QTest::keyClick(field, Qt::Key_End);
    QTest::keyClicks(field, QStringLiteral("0"));
    const QStringList stale = staleResults(window.get());
    QVERIFY2(!stale.isEmpty(), "an edit left the answer looking current");
    for (const QLabel* label : window->findChildren<QLabel*>()) {
        if (!label->property("stale").toBool())
            continue;
        QVERIFY(!label->text().isEmpty()); // the text stays as it was
        QCOMPARE(label->foregroundRole(), QPalette::PlaceholderText);
        QVERIFY2(label->toolTip().startsWith(QLatin1String("Out of date: press ")),
                 qPrintable(label->toolTip()));
        QVERIFY(label->toolTip().endsWith(QLatin1String(" again")));
    }

    // The next answer is current again, and the tips are what they were.
    typeInto(window.get(), entry.section(u'=', 0, 0).toLatin1(), entry.section(u'=', 1));
    typeAndPress(window.get(), {}, QString::fromLatin1(longestTasks[index].press));
    QCOMPARE(staleResults(window.get()), QStringList{});
    for (const QLabel* label : window->findChildren<QLabel*>())
        QVERIFY(!label->toolTip().startsWith(QLatin1String("Out of date")));
}

void StaleAnswersTest::refusalFocusesTheField_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("bad"); // "field=text" that its window refuses
    const struct {
        int index;
        const char* bad;
    } rows[] = {
        {0, "a=x"},
        {1, "in4=x"},
        {2, "d1=x"},
        {2, "d2=0"},
        {3, "n=1 2 3 4 5 6 7 8 9 10 11 x"},
        {4, "q7=x"},
        {5, "d1=x"},
        {6, "p7=-1"},
        {7, "b5=x"},
        {8, "b4=x"},
        {9, "y4=x"},
        {10, "changePercent=x"},
        {11, "i2=x"},
    };
    for (const auto& row : rows)
        QTest::addRow("%s, %s", longestTasks[row.index].name, row.bad)
            << row.index << QString::fromLatin1(row.bad);
}

void StaleAnswersTest::refusalFocusesTheField()
{
    QFETCH(int, index);
    QFETCH(QString, bad);
    const std::unique_ptr<QWidget> window = answered(index);
    const QByteArray name = bad.section(u'=', 0, 0).toLatin1();
    // Set, not typed, so only the refused press can mark the results.
    control<QLineEdit>(window.get(), name)->setText(bad.section(u'=', 1));
    control<QPushButton>(window.get(), "showWorking")->setFocus();
    sink.shown.clear();
    typeAndPress(window.get(), {}, QString::fromLatin1(longestTasks[index].press));
    QVERIFY(!sink.shown.isEmpty());
    // Every result still on show is marked out of date.
    for (const QLabel* label : window->findChildren<QLabel*>())
        if (label->property("stale").isValid() && !label->text().isEmpty())
            QVERIFY2(label->property("stale").toBool(), qPrintable(label->objectName()));
    auto* field = control<QLineEdit>(window.get(), name);
    QCOMPARE(window->focusWidget(), field);
    QCOMPARE(field->selectedText(), field->text());
}

void StaleAnswersTest::fractionsAreShownAsRead_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QStringList>("typed");
    QTest::addColumn<QString>("firstSteps");
    QTest::newRow("quadratic, a mixed number")
        << 0 << QStringList{"a=1/1/2", "b=3", "c=1"} << "1/1/2 = 1 + 1/2 = 1.5";
    QTest::newRow("circle, one fraction")
        << 5 << QStringList{"d1=7/4"} << "Diameter, Find Area\n7/4 = 7 ÷ 4 = 1.75";
    QTest::newRow("complex, a fraction read twice is shown once")
        << 11 << QStringList{"r1=1/2", "i1=1/2", "op=+", "r2=1", "i2=1"}
        << "Operations, Solve\n1/2 = 1 ÷ 2 = 0.5\nR = ";
    QTest::newRow("progressions, a negative mixed number")
        << 4 << QStringList{"a17=-1/1/2", "q7=2", "n7=2"}
        << "Geometric Progression (A1, Q, N), Find Sn\n−1/1/2 = −1 + 1/2 = −0.5\nQᴺ";
}

void StaleAnswersTest::fractionsAreShownAsRead()
{
    QFETCH(int, index);
    QFETCH(QStringList, typed);
    QFETCH(QString, firstSteps);
    const std::unique_ptr<QWidget> window(longestTasks[index].make(sink));
    window->show();
    sink.shown.clear();
    typeAndPress(window.get(), typed, QString::fromLatin1(longestTasks[index].press));
    QCOMPARE(sink.shown, QStringList{});
    QVERIFY2(workingText(window.get()).startsWith(firstSteps),
             qPrintable(workingText(window.get())));
}

QTEST_MAIN(StaleAnswersTest)
#include "tst_stale_answers.moc"
