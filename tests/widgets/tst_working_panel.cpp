// Show Working, shown and hidden again, gives every tool window back as it was: the same size,
// every control where it stood, no stretched result box and no gap; so does a refusal or a
// Clear that empties the working while it is shown. Runs offscreen, where no window manager
// stands between a resize and the window: this checks the sizes the panel asks for and the
// layout they give, not how a desktop honours them (tests/screens/window_shots does that on X).

#include "algebra/complex_window.h"
#include "algebra/quadratic_window.h"
#include "app/menu_window.h"
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
#include "support/menu_tour.h"
#include "support/recording_sink.h"
#include "support/window_layout.h"
#include "support/window_test.h"

#include <QApplication>
#include <QLocale>

#include <iterator>
#include <memory>

namespace {

// A good task to show the working of, and one that empties it: a refusal or a Clear. Entries
// are "field=text", split at ';'.
struct WindowCase {
    const char* name;
    QWidget* (*make)(MessageSink&);
    const char* good;
    const char* goodPress;
    const char* emptying;
    const char* emptyingPress;
};

template <class Window> QWidget* make(MessageSink& sink)
{
    return new Window(sink);
}

const WindowCase windowCases[] = {
    {"Form2", make<QuadraticWindow>, "a=-3;b=6;c=-2", "Command1", "a=x", "Command1"},
    {"Form3", make<FractionConversionWindow>, "in2m=7;in2d=2", "Command2", "in2d=0.4", "Command2"},
    {"Form4", make<FractionOperatorsWindow>, "m1=1;d1=4;op=+;m2=1;d2=6", "Command1", "op=/;m2=0",
     "Command1"},
    {"Form5", make<StatisticsWindow>, "n=1 2 3;w=1 2 1", "Command3", "w=1 -1 0", "Command3"},
    {"Form6", make<ProgressionsWindow>, "a19=1;q9=1/2", "command22", "q9=-1", "command22"},
    {"Form7", make<CircleWindow>, "r1=1/2", "Command1", "r1=0", "Command1"},
    {"Form8", make<QuadrilateralWindow>, "a2=3;b2=5;h2=2", "Command13", "h2=1/0", "Command13"},
    {"Form9", make<TriangleAreaWindow>, "a5=3;b5=4;c5=5", "Command11", "c5=30", "Command11"},
    {"Form10", make<CosinesWindow>, "a1=3;z1=90;b1=4", "Command1", "", "Command3"},
    {"Form11", make<SinesWindow>, "x1=60;z1=60;b1=1", "Command1", "", "Command3"},
    {"Form12", make<WordProblemsWindow>, "distance=150;speed=60", "findTime", "speed=x",
     "findTime"},
    {"Form13", make<ComplexWindow>, "r1=1;i1=2;op=*;r2=3;i2=4", "Command1", "op=x", "Command1"},
};

void type(QWidget* window, const char* entries, const char* press)
{
    typeAndPress(window, QString::fromLatin1(entries).split(u';', Qt::SkipEmptyParts),
                 QString::fromLatin1(press));
}

// The panel fits the window once the click that changed the working is over.
void settle()
{
    QApplication::processEvents();
}

bool cutOff(QLabel* working)
{
    return working->height() < working->heightForWidth(working->width());
}

} // namespace

class WorkingPanelTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }
    void cleanup() { window.reset(); }
    void everyToolWindowHasARow();
    void hidingGivesTheWindowBack_data() { rows(); }
    void hidingGivesTheWindowBack();
    void emptyingGivesTheWindowBack_data() { rows(); }
    void emptyingGivesTheWindowBack();
    void aSizeThePupilChoseIsKept();
    void captionSaysWhatAPressDoes_data();
    void captionSaysWhatAPressDoes();

private:
    static void rows();
    void open(int index);
    void showWithWorking();

    RecordingSink sink;
    std::unique_ptr<QWidget> window;
    WindowCase windowCase;
    QStringList fresh;
    QSize freshSize;
    QLabel* working = nullptr;
};

void WorkingPanelTest::rows()
{
    QTest::addColumn<int>("index");
    for (int k = 0; k < int(std::size(windowCases)); ++k)
        QTest::newRow(windowCases[k].name) << k;
}

void WorkingPanelTest::open(int index)
{
    sink.shown.clear();
    windowCase = windowCases[index];
    window.reset(windowCase.make(sink));
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    settle();
    fresh = layoutOf(window.get());
    freshSize = window->size();
    working = control<QLabel>(window.get(), "working");
}

// Runs the good task and shows its working: the window must grow so no step is cut off.
void WorkingPanelTest::showWithWorking()
{
    type(window.get(), windowCase.good, windowCase.goodPress);
    QCOMPARE(sink.shown, QStringList{});
    click(window.get(), "showWorking");
    settle();
    QVERIFY(working->isVisible());
    QVERIFY(!workingText(window.get()).isEmpty());
    QVERIFY2(!cutOff(working), "a step is cut off");
    QVERIFY(window->height() > freshSize.height());
}

void WorkingPanelTest::everyToolWindowHasARow()
{
    QuietLauncher launcher;
    MenuWindow menu(sink, launcher);
    QStringList withWorking;
    for (TileButton* tile : pressableTiles(menu)) {
        const QWidgetList before = QApplication::topLevelWidgets();
        tile->click();
        QWidget* opened = newTopLevel(before);
        if (opened && opened->findChild<QLabel*>(QStringLiteral("working")))
            withWorking << opened->objectName();
        delete opened;
    }
    QStringList named;
    for (const WindowCase& row : windowCases)
        named << QLatin1String(row.name);
    withWorking.sort();
    named.sort();
    QCOMPARE(withWorking, named);
}

void WorkingPanelTest::hidingGivesTheWindowBack()
{
    QFETCH(int, index);
    open(index);
    showWithWorking();
    click(window.get(), "showWorking");
    settle();
    QCOMPARE(layoutOf(window.get()), fresh);

    click(window.get(), "showWorking"); // and shown again, it grows again
    settle();
    QVERIFY2(!cutOff(working), "a step is cut off");
    QVERIFY(window->height() > freshSize.height());
}

void WorkingPanelTest::emptyingGivesTheWindowBack()
{
    QFETCH(int, index);
    open(index);
    showWithWorking();
    type(window.get(), windowCase.emptying, windowCase.emptyingPress);
    settle();
    QCOMPARE(workingText(window.get()), QString());
    QVERIFY(!working->isVisible()); // an empty box would leave a gap
    QCOMPARE(layoutOf(window.get()), fresh);

    type(window.get(), windowCase.good, windowCase.goodPress); // still checked
    settle();
    QVERIFY(working->isVisible());
    QVERIFY2(!cutOff(working), "a step is cut off");
    click(window.get(), "showWorking");
    settle();
    QCOMPARE(layoutOf(window.get()), fresh);
}

void WorkingPanelTest::aSizeThePupilChoseIsKept()
{
    open(0);
    showWithWorking();
    const QSize chosen = window->size() + QSize(40, 90);
    window->resize(chosen);
    settle();
    click(window.get(), "showWorking");
    settle();
    QCOMPARE(window->size(), chosen);

    // Shown again, the panel grows the window only when it must, and gives back only its own.
    window->resize(freshSize);
    settle();
    click(window.get(), "showWorking");
    settle();
    QVERIFY2(!cutOff(working), "a step is cut off");
    click(window.get(), "showWorking");
    settle();
    QCOMPARE(layoutOf(window.get()), fresh);
}

void WorkingPanelTest::captionSaysWhatAPressDoes_data()
{
    QTest::addColumn<QString>("actions");
    QTest::addColumn<QString>("caption");
    QTest::newRow("fresh") << ""
                           << "Show Working";
    QTest::newRow("pressed, nothing to show yet") << "press"
                                                  << "Show Working";
    QTest::newRow("pressed after a task") << "solve press"
                                          << "Hide Working";
    QTest::newRow("a task after the press") << "press solve"
                                            << "Hide Working";
    QTest::newRow("pressed again") << "solve press press"
                                   << "Show Working";
    QTest::newRow("a refusal empties it") << "solve press refuse"
                                          << "Show Working";
    QTest::newRow("a task after the refusal") << "solve press refuse solve"
                                              << "Hide Working";
}

void WorkingPanelTest::captionSaysWhatAPressDoes()
{
    QFETCH(QString, actions);
    QFETCH(QString, caption);
    open(0);
    const WindowCase& quadratic = windowCases[0];
    for (const QString& action : actions.split(u' ', Qt::SkipEmptyParts)) {
        if (action == QLatin1String("press"))
            click(window.get(), "showWorking");
        else if (action == QLatin1String("solve"))
            type(window.get(), quadratic.good, quadratic.goodPress);
        else
            type(window.get(), quadratic.emptying, quadratic.emptyingPress);
        settle();
    }
    auto* button = control<QPushButton>(window.get(), "showWorking");
    QCOMPARE(button->text(), caption);
    QCOMPARE(button->accessibleName(), caption);
    QCOMPARE(working->isVisible(), caption == QLatin1String("Hide Working"));
}

QTEST_MAIN(WorkingPanelTest)
#include "tst_working_panel.moc"
