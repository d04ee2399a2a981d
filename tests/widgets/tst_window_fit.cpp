// With its working shown after its longest task, every tool window fits a school laptop: a
// 1366x768 screen less its panel. Steps beyond the room left scroll inside the working panel.

#include "algebra/complex_window.h"
#include "algebra/quadratic_window.h"
#include "fractions/fraction_conversion_window.h"
#include "fractions/fraction_operators_window.h"
#include "geometry/circle_window.h"
#include "geometry/cosines_window.h"
#include "geometry/quadrilateral_window.h"
#include "geometry/sines_window.h"
#include "geometry/triangle_area_window.h"
#include "problems/word_problems_window.h"
#include "statistics/progressions_window.h"
#include "statistics/statistics_window.h"
#include "support/recording_sink.h"
#include "support/window_test.h"

#include <QApplication>
#include <QFile>
#include <QLocale>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTemporaryDir>

#include <memory>

namespace {

constexpr QSize laptop(1366, 740);

// The task whose working runs longest in each window. Entries are "field=text", split at ';'.
struct LongestTask {
    const char* name;
    QWidget* (*make)(MessageSink&);
    const char* entries;
    const char* press;
};

template <class Window> QWidget* make(MessageSink& sink)
{
    return new Window(sink);
}

const LongestTask longestTasks[] = {
    {"Form2", make<QuadraticWindow>, "a=30;b=40;c=2", "Command1"},
    {"Form3", make<FractionConversionWindow>, "in4=2.5", "Command4"},
    {"Form4", make<FractionOperatorsWindow>, "s1=45;m1=3;d1=2.5;op=/;s2=45;m2=3;d2=2.5",
     "Command1"},
    {"Form5", make<StatisticsWindow>, "n=1 2 3 4 5 6 7 8 9 10 11 12;w=1 2 3 4 5 6 7 8 9 10 11 12",
     "Command2"},
    {"Form6", make<ProgressionsWindow>, "a17=1/3;q7=1/3;n7=1/3", "command20"},
    {"Form7", make<CircleWindow>, "d1=1/3", "Command2"},
    {"Form8", make<QuadrilateralWindow>, "a7=10;p7=60", "Command6"},
    {"Form9", make<TriangleAreaWindow>, "a5=2;b5=3;c5=4", "Command11"},
    {"Form10", make<CosinesWindow>, "a4=1/3;b4=1/3;c4=1/3", "Command7"},
    {"Form11", make<SinesWindow>, "z4=10;y4=60;c4=100", "Command7"},
    {"Form12", make<WordProblemsWindow>, "newPrice=10;changePercent=60", "findOldLowered"},
    {"Form13", make<ComplexWindow>, "r1=1/3;i1=1/3;op=/;r2=1/3;i2=1/3", "Command1"},
};

} // namespace

class WindowFitTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void fitsWithItsLongestWorking_data();
    void fitsWithItsLongestWorking();
    void longWorkingScrolls();

private:
    void showLongest(QWidget* window, const LongestTask& task);
    RecordingSink sink;
};

void WindowFitTest::initTestCase()
{
    QLocale::setDefault(QLocale::c());
    QCOMPARE(QGuiApplication::primaryScreen()->size(), QSize(1366, 768));
}

void WindowFitTest::fitsWithItsLongestWorking_data()
{
    QTest::addColumn<int>("index");
    for (int k = 0; k < int(std::size(longestTasks)); ++k)
        QTest::newRow(longestTasks[k].name) << k;
}

void WindowFitTest::showLongest(QWidget* window, const LongestTask& task)
{
    sink.shown.clear();
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    typeAndPress(window, QString::fromLatin1(task.entries).split(u';'),
                 QString::fromLatin1(task.press));
    QCOMPARE(sink.shown, QStringList{});
    click(window, "showWorking");
    QApplication::processEvents();
    QVERIFY(!workingText(window).isEmpty());
}

void WindowFitTest::fitsWithItsLongestWorking()
{
    QFETCH(int, index);
    const std::unique_ptr<QWidget> window(longestTasks[index].make(sink));
    showLongest(window.get(), longestTasks[index]);
    const QString size = QStringLiteral("%1x%2").arg(window->width()).arg(window->height());
    QVERIFY2(window->width() <= laptop.width() && window->height() <= laptop.height(),
             qPrintable(size));
    // Every step is there to scroll to, and none is cut off at the side.
    auto* working = control<QLabel>(window.get(), "working");
    QVERIFY(working->isVisible());
    QVERIFY(working->height() >= working->heightForWidth(working->width()));
    auto* scroller = control<QScrollArea>(window.get(), "workingScroller");
    if (working->height() > scroller->viewport()->height())
        QVERIFY(scroller->verticalScrollBar()->isVisible());
}

// The law of sines already stands tall: its longest steps outgrow the room left and scroll.
void WindowFitTest::longWorkingScrolls()
{
    const LongestTask& sines = longestTasks[9];
    const std::unique_ptr<QWidget> window(sines.make(sink));
    showLongest(window.get(), sines);
    QVERIFY(window->height() <= laptop.height());
    auto* scroller = control<QScrollArea>(window.get(), "workingScroller");
    QVERIFY(scroller->verticalScrollBar()->isVisible());
    QVERIFY(scroller->verticalScrollBar()->maximum() > 0);
}

int main(int argc, char* argv[])
{
    // A school laptop's screen, whatever screen the machine running the test has.
    QTemporaryDir folder;
    QFile config(folder.filePath(QStringLiteral("screen.json")));
    if (!config.open(QIODevice::WriteOnly))
        return 1;
    config.write(R"({"screens": [{"name": "laptop", "x": 0, "y": 0, "width": 1366,
                 "height": 768, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})");
    config.close();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + config.fileName().toLocal8Bit());
    QApplication app(argc, argv);
    WindowFitTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_window_fit.moc"
