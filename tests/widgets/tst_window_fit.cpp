// With its working shown after its longest task, every tool window fits a school laptop: a
// 1366x768 screen less its panel. Steps beyond the room left scroll inside the working panel.

#include "support/longest_tasks.h"
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
    QVERIFY2(window->width() <= laptopRoom.width() && window->height() <= laptopRoom.height(),
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
    QVERIFY(window->height() <= laptopRoom.height());
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
