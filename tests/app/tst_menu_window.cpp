#include "algebra/complex_window.h"
#include "algebra/quadratic_window.h"
#include "app/donation_window.h"
#include "app/menu_window.h"

#include "support/recording_sink.h"
#include "support/window_test.h"
#include "widgets/tile_button.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QUrl>

namespace {

class FakeLauncher : public Launcher {
public:
    bool openUrl(const QUrl& url) override
    {
        urls << url;
        return opens;
    }
    bool startProgram(const QString& program) override
    {
        programs << program;
        return starts;
    }

    bool opens = true;
    bool starts = true;
    QList<QUrl> urls;
    QStringList programs;
};

template <class Window> QList<Window*> openWindows()
{
    QList<Window*> found;
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* window = qobject_cast<Window*>(widget); window && window->isVisible())
            found << window;
    return found;
}

// Lets a closed window finish deleting itself, as the event loop would.
void settle()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// Points PATH at a folder holding only the given programs while it lives.
class FakePath {
public:
    explicit FakePath(const QStringList& programs)
        : m_saved(qgetenv("PATH"))
    {
        for (const QString& name : programs) {
            QFile program(m_bin.filePath(name));
            program.open(QIODevice::WriteOnly);
            program.close();
            program.setPermissions(QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        }
        qputenv("PATH", QFile::encodeName(m_bin.path()));
    }
    ~FakePath() { qputenv("PATH", m_saved); }
    QString pathOf(const QString& name) const { return m_bin.filePath(name); }

private:
    QTemporaryDir m_bin;
    QByteArray m_saved;
};

} // namespace

class MenuWindowTest : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        sink.shown.clear();
        launcher = FakeLauncher{};
        menu = new MenuWindow(sink, launcher);
        menu->show();
    }
    void cleanup()
    {
        delete menu;
        for (QWidget* widget : QApplication::topLevelWidgets())
            if (widget->testAttribute(Qt::WA_DeleteOnClose))
                widget->close();
        settle();
    }

    void tilesHaveTheirCaptions_data();
    void tilesHaveTheirCaptions();
    void toolTips();
    void headingsAreInertAndSmaller();
    void everyToolIsOpen();
    void onePressOneWindow_data();
    void onePressOneWindow();
    void secondPressKeepsWhatWasTyped();
    void keyboardPressesTiles_data();
    void keyboardPressesTiles();
    void closingDiscardsTheWindow();
    void closingTheMenuLeavesToolsWorking();
    void contactOpensMail();
    void contactFailureGivesTheAddress();
    void calculatorStartsTheFirstFound();
    void calculatorNotFound();
    void calculatorFailsToStart();

private:
    RecordingSink sink;
    FakeLauncher launcher;
    MenuWindow* menu = nullptr;
};

void MenuWindowTest::tilesHaveTheirCaptions_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::newRow("1") << "Command1"
                       << "Solving Quadratic Equation";
    QTest::newRow("2") << "Command2"
                       << "Conversion : Fraction, Improper  Fractions, Decimal fractions ";
    QTest::newRow("3") << "Command3"
                       << "Operators On           Fractions :                [ +, - , * , / ,<  "
                          ", = ,> ]  Common -               Denominator   ,     Reduction        "
                          "      ";
    QTest::newRow("4") << "Command4"
                       << "Statistics  Mean, Standard-Deviation ,Variance";
    QTest::newRow("5") << "Command5"
                       << "Progression: Geometric Progression , Arithmetic Progression";
    QTest::newRow("6") << "Command6"
                       << "Triangle";
    QTest::newRow("7") << "Command7"
                       << "The Law Of Cosines";
    QTest::newRow("8") << "Command8"
                       << "Complex Numbers";
    QTest::newRow("9") << "Command9"
                       << "Donate";
    QTest::newRow("10") << "Command10"
                        << "Contact Me With Your Requests Suggestions , Comments";
    QTest::newRow("11") << "Command11"
                        << "Calculator";
    QTest::newRow("12") << "Command12"
                        << "Traffic And Percentage Problems";
    QTest::newRow("13") << "Command13"
                        << "Circle";
    QTest::newRow("14") << "Command14"
                        << "Areas And Perimeters";
    QTest::newRow("15") << "Command15"
                        << "Quadrilateral";
    QTest::newRow("16") << "Command16"
                        << "The Law Of Sines";
    QTest::newRow("17") << "Command17"
                        << "Triangles";
}

void MenuWindowTest::tilesHaveTheirCaptions()
{
    QFETCH(QString, name);
    QFETCH(QString, caption);
    auto* tile = control<QPushButton>(menu, name.toLatin1().constData());
    QCOMPARE(tile->text(), caption);
    QCOMPARE(tile->accessibleName(), caption.simplified());
    QCOMPARE(menu->findChildren<QPushButton*>().size(), 17);
}

void MenuWindowTest::toolTips()
{
    QCOMPARE(control<QPushButton>(menu, "Command1")->toolTip(), "A*X ^ 2 + B*X + C = 0");
    QCOMPARE(control<QPushButton>(menu, "Command2")->toolTip(), "25/4 is 6 1/4 , 1/4 is 0.25");
    QVERIFY(!control<QLabel>(menu, "Label1")->text().isEmpty());
    QVERIFY(menu->windowTitle().startsWith("Corvale"));
}

void MenuWindowTest::headingsAreInertAndSmaller()
{
    for (const char* name : {"Command14", "Command17"}) {
        auto* heading = control<QPushButton>(menu, name);
        click(menu, name);
        QCOMPARE(heading->focusPolicy(), Qt::NoFocus);
        QVERIFY(heading->height() < control<QPushButton>(menu, "Command1")->height());
        QVERIFY(heading->font().pointSizeF() <
                control<QPushButton>(menu, "Command1")->font().pointSizeF());
    }
    QVERIFY(sink.shown.isEmpty());
    QVERIFY(launcher.urls.isEmpty());
    QCOMPARE(QApplication::topLevelWidgets().size(), 1);
}

void MenuWindowTest::everyToolIsOpen()
{
    for (const TileButton* tile : menu->findChildren<TileButton*>())
        QVERIFY2(tile->isEnabled(), qPrintable(tile->objectName()));
}

void MenuWindowTest::onePressOneWindow_data()
{
    QTest::addColumn<QString>("tile");
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("title");
    QTest::newRow("quadratic") << "Command1"
                               << "Form2"
                               << "Solving Quadratic Equation";
    QTest::newRow("complex") << "Command8"
                             << "Form13"
                             << "Complex Numbers";
    QTest::newRow("donation") << "Command9"
                              << "Form14"
                              << "Donate Using PayPal";
    QTest::newRow("word problems") << "Command12"
                                   << "Form12"
                                   << "Traffic And Percentage Problems";
    QTest::newRow("circle") << "Command13"
                            << "Form7"
                            << "Circle - Areas And Perimeters";
    QTest::newRow("quadrilateral") << "Command15"
                                   << "Form8"
                                   << "Quadrilateral - Areas And Perimeters";
    QTest::newRow("triangle") << "Command6"
                              << "Form9"
                              << "Triangle - Areas And Perimeters";
    QTest::newRow("statistics") << "Command4"
                                << "Form5"
                                << "Statistics";
    QTest::newRow("progressions") << "Command5"
                                  << "Form6"
                                  << "Arithmetic And Geometric Progression";
    QTest::newRow("fraction conversion") << "Command2"
                                         << "Form3"
                                         << "Fraction Conversion";
    QTest::newRow("operators on fractions") << "Command3"
                                            << "Form4"
                                            << "Operators On Fractions";
    QTest::newRow("law of cosines") << "Command7"
                                    << "Form10"
                                    << "Triangles - The Law Of Cosines";
    QTest::newRow("law of sines") << "Command16"
                                  << "Form11"
                                  << "Triangles - The Law Of Sines";
}

void MenuWindowTest::onePressOneWindow()
{
    QFETCH(QString, tile);
    QFETCH(QString, window);
    QFETCH(QString, title);
    const auto named = [&] {
        QList<QWidget*> found;
        for (QWidget* widget : QApplication::topLevelWidgets())
            if (widget->objectName() == window && widget->isVisible())
                found << widget;
        return found;
    };
    QVERIFY(named().isEmpty());
    click(menu, tile.toLatin1().constData());
    click(menu, tile.toLatin1().constData());
    const QList<QWidget*> open = named();
    QCOMPARE(open.size(), 1);
    QCOMPARE(open.first()->windowTitle(), title);
    QVERIFY(!open.first()->parentWidget()); // a window of its own, not owned by the menu
    QVERIFY(!open.first()->isModal());
    QVERIFY(menu->isEnabled());
    QVERIFY(sink.shown.isEmpty());
}

void MenuWindowTest::keyboardPressesTiles_data()
{
    QTest::addColumn<int>("key");
    QTest::newRow("Return") << int(Qt::Key_Return);
    QTest::newRow("Enter") << int(Qt::Key_Enter);
    QTest::newRow("Space") << int(Qt::Key_Space);
}

void MenuWindowTest::keyboardPressesTiles()
{
    QFETCH(int, key);
    QTest::keyClick(control<QPushButton>(menu, "Command1"), Qt::Key(key));
    QCOMPARE(openWindows<QuadraticWindow>().size(), 1);
    // A heading ignores the key.
    QTest::keyClick(control<QPushButton>(menu, "Command14"), Qt::Key(key));
    QCOMPARE(QApplication::topLevelWidgets().size(), 2);
}

void MenuWindowTest::secondPressKeepsWhatWasTyped()
{
    click(menu, "Command1");
    QuadraticWindow* first = openWindows<QuadraticWindow>().value(0);
    QVERIFY(first);
    typeInto(first, "a", "7/4");
    click(menu, "Command1");
    QCOMPARE(openWindows<QuadraticWindow>(), QList<QuadraticWindow*>{first});
    QCOMPARE(textOf(first, "a"), "7/4");
}

void MenuWindowTest::closingDiscardsTheWindow()
{
    click(menu, "Command1");
    QuadraticWindow* first = openWindows<QuadraticWindow>().value(0);
    typeInto(first, "a", "1");
    typeInto(first, "b", "-3");
    typeInto(first, "c", "2");
    click(first, "Command1");
    QCOMPARE(textOf(first, "x1"), "2");
    first->close();

    // Pressed again before the old window is gone, and after: a fresh window each time.
    click(menu, "Command1");
    QuadraticWindow* second = openWindows<QuadraticWindow>().value(0);
    QVERIFY(second && second != first);
    QCOMPARE(textOf(second, "a"), "");
    QCOMPARE(textOf(second, "x1"), "");
    second->close();
    settle();
    click(menu, "Command1");
    QCOMPARE(openWindows<QuadraticWindow>().size(), 1);
    QCOMPARE(textOf(openWindows<QuadraticWindow>().first(), "x2"), "");
}

void MenuWindowTest::closingTheMenuLeavesToolsWorking()
{
    click(menu, "Command1");
    menu->close();
    QuadraticWindow* window = openWindows<QuadraticWindow>().value(0);
    QVERIFY(window);
    typeInto(window, "a", "1");
    typeInto(window, "b", "2");
    typeInto(window, "c", "1");
    click(window, "Command1");
    QCOMPARE(textOf(window, "x1"), "-1");
}

void MenuWindowTest::contactOpensMail()
{
    click(menu, "Command10");
    QCOMPARE(launcher.urls.size(), 1);
    QCOMPARE(launcher.urls.first().scheme(), "mailto");
    QCOMPARE(launcher.urls.first().toString(),
             "mailto:support@corvale.app?subject=Suggestions , Comments");
    QVERIFY(sink.shown.isEmpty());
}

void MenuWindowTest::contactFailureGivesTheAddress()
{
    launcher.opens = false;
    click(menu, "Command10");
    QCOMPARE(sink.shown,
             QStringList{"Cant Open You Email Programe, My Email Is hello@corvale.app"});
}

void MenuWindowTest::calculatorStartsTheFirstFound()
{
    const FakePath path({"xcalc", "kcalc"});
    click(menu, "Command11");
    QCOMPARE(launcher.programs, QStringList{path.pathOf("kcalc")});
    QVERIFY(sink.shown.isEmpty());
}

void MenuWindowTest::calculatorNotFound()
{
    const FakePath path({});
    click(menu, "Command11");
    QVERIFY(launcher.programs.isEmpty());
    QCOMPARE(sink.shown, QStringList{"Cant Find Your Windows Calculator"});
}

void MenuWindowTest::calculatorFailsToStart()
{
    const FakePath path({"gnome-calculator"});
    launcher.starts = false;
    click(menu, "Command11");
    QCOMPARE(launcher.programs.size(), 1);
    QCOMPARE(sink.shown, QStringList{"Cant Find Your Windows Calculator"});
}

QTEST_MAIN(MenuWindowTest)
#include "tst_menu_window.moc"
