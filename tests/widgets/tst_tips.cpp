// Every field and every answer of every tool window says in a textbook's words what it holds,
// and an answer gets its own tip back once it answers its fields again.

#include "support/longest_tasks.h"
#include "support/recording_sink.h"
#include "support/rows.h"
#include "support/window_test.h"

#include <memory>

using WindowMaker = QWidget* (*)(MessageSink&);
Q_DECLARE_METATYPE(WindowMaker)

class TipsTest : public QObject {
    Q_OBJECT

private slots:
    void everyFieldAndAnswerHasATip_data();
    void everyFieldAndAnswerHasATip();
    void tipSaysWhatItHolds_data();
    void tipSaysWhatItHolds();
    void answerGetsItsTipBack_data();
    void answerGetsItsTipBack();

private:
    RecordingSink sink;
};

void TipsTest::everyFieldAndAnswerHasATip_data()
{
    QTest::addColumn<WindowMaker>("make");
    QTest::addColumn<int>("fields");
    QTest::addColumn<int>("answers");
    row("quadratic", &newWindow<QuadraticWindow>, 3, 2);
    row("complex", &newWindow<ComplexWindow>, 8, 4);
    row("fraction conversion", &newWindow<FractionConversionWindow>, 9, 9);
    row("operators on fractions", &newWindow<FractionOperatorsWindow>, 11, 7);
    row("statistics", &newWindow<StatisticsWindow>, 2, 1);
    row("progressions", &newWindow<ProgressionsWindow>, 32, 11);
    row("circle", &newWindow<CircleWindow>, 6, 6);
    row("quadrilateral", &newWindow<QuadrilateralWindow>, 20, 11);
    row("triangle area", &newWindow<TriangleAreaWindow>, 12, 5);
    row("law of cosines", &newWindow<CosinesWindow>, 12, 12);
    row("law of sines", &newWindow<SinesWindow>, 12, 14);
    row("word problems", &newWindow<WordProblemsWindow>, 11, 4);
}

// Answers are the labels a pupil can copy, fields the lines a pupil types numbers into; the
// working and the controls beside it aside.
void TipsTest::everyFieldAndAnswerHasATip()
{
    QFETCH(WindowMaker, make);
    QFETCH(int, fields);
    QFETCH(int, answers);
    const std::unique_ptr<QWidget> window(make(sink));
    const auto* working = control<WorkingPanel>(window.get(), "workingPanel");
    QStringList untipped;
    int fieldCount = 0, answerCount = 0;
    for (const QWidget* widget : window->findChildren<QWidget*>()) {
        const auto* label = qobject_cast<const QLabel*>(widget);
        const bool answer = label && label->textInteractionFlags() & Qt::TextSelectableByMouse &&
                            !working->isAncestorOf(label);
        // The answer format's spin box edits in a line of its own, beside the working.
        const bool field =
            qobject_cast<const QLineEdit*>(widget) != nullptr && !working->isAncestorOf(widget);
        fieldCount += field;
        answerCount += answer;
        if ((field || answer) && widget->toolTip().trimmed().isEmpty())
            untipped << widget->objectName();
    }
    QVERIFY2(untipped.isEmpty(), qPrintable(untipped.join(u' ')));
    QCOMPARE(fieldCount, fields);
    QCOMPARE(answerCount, answers);
}

void TipsTest::tipSaysWhatItHolds_data()
{
    QTest::addColumn<WindowMaker>("make");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("tip");
    const auto progressions = &newWindow<ProgressionsWindow>;
    row("first term", progressions, "a14", "The first term");
    row("common ratio", progressions, "q7", "The common ratio");
    row("sum", progressions, "ans1", "Sn: the sum of the first N terms");
    row("diagonal", &newWindow<QuadrilateralWindow>, "hh1", "Height A: the first diagonal");
    row("circumference", &newWindow<CircleWindow>, "p1",
        "The circumference: the length around the circle");
    row("coefficient", &newWindow<QuadraticWindow>, "a",
        "A: the coefficient of X², the number before X²");
    row("angle typed", &newWindow<CosinesWindow>, "z1", "Angle z, opposite side c, in degrees");
    // In every panel angle x stands opposite side b, and y opposite a.
    row("angle found", &newWindow<SinesWindow>, "x4", "Angle x, opposite side b, in degrees");
    row("side", &newWindow<SinesWindow>, "a2", "Side a, opposite angle y");
}

void TipsTest::tipSaysWhatItHolds()
{
    QFETCH(WindowMaker, make);
    QFETCH(QString, name);
    QFETCH(QString, tip);
    const std::unique_ptr<QWidget> window(make(sink));
    QCOMPARE(control<QWidget>(window.get(), name.toLatin1())->toolTip(), tip);
}

void TipsTest::answerGetsItsTipBack_data()
{
    QTest::addColumn<WindowMaker>("make");
    QTest::addColumn<QStringList>("typed");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("stale");
    row("quadratic", &newWindow<QuadraticWindow>, QStringList{"a=1", "b=-3", "c=2"}, "Command1",
        "x1", "Out of date: press Solve again");
    row("law of sines", &newWindow<SinesWindow>, QStringList{"y4=60", "z4=60", "c4=1"}, "Command7",
        "a4", "Out of date: press Solve Triangle again");
}

// Editing a field greys the answer and its tip asks for the button again; answering restores
// the tip it was built with.
void TipsTest::answerGetsItsTipBack()
{
    QFETCH(WindowMaker, make);
    QFETCH(QStringList, typed);
    QFETCH(QString, button);
    QFETCH(QString, answer);
    QFETCH(QString, stale);
    const std::unique_ptr<QWidget> window(make(sink));
    window->show();
    auto* label = control<QLabel>(window.get(), answer.toLatin1());
    const QString tip = label->toolTip();
    typeAndPress(window.get(), typed, button);
    QVERIFY(!label->text().isEmpty());
    QCOMPARE(label->toolTip(), tip);

    typeInto(window.get(), typed.last().section(u'=', 0, 0).toLatin1(), QStringLiteral("3"));
    QCOMPARE(label->toolTip(), stale);
    click(window.get(), button.toLatin1());
    QCOMPARE(label->toolTip(), tip);
    QCOMPARE(sink.shown, QStringList{});
}

QTEST_MAIN(TipsTest)
#include "tst_tips.moc"
