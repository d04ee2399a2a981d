#include "problems/word_problems_window.h"

#include "support/recording_sink.h"
#include "support/window_test.h"

#include <QLocale>

class WordProblemsWindowTest : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        sink.shown.clear();
        window = new Form12(sink);
        window->show();
    }
    void cleanup() { delete window; }

    void answers_data();
    void answers();

private:
    RecordingSink sink;
    Form12* window = nullptr;
};

void WordProblemsWindowTest::answers_data()
{
    // What is typed ("field=text;..."), the button clicked (or the field Return is pressed in),
    // the panel's output, its answer, the working's heading, and the locale if not C.
    QTest::addColumn<QStringList>("click");
    QTest::addColumn<QStringList>("messages");
    const QStringList none;
    QTest::newRow("reads only its own fields")
        << QStringList{"distance=150;speed=60;time=soon", "findTime", "motionAnswer", "2.5",
                       "Distance, Speed And Time, Find Time"}
        << none;
    QTest::newRow("empty field") << QStringList{"speed=;time=2", "findDistance", "motionAnswer", ""}
                                 << QStringList{" Is not a numeric value"};
    QTest::newRow("two bad fields, two messages")
        << QStringList{"gap=x;speed1=-2;speed2=40", "meetTime", "travellersAnswer", ""}
        << QStringList{"x Is not a numeric value", "Must enter a positive value"};
    QTest::newRow("catch up refused")
        << QStringList{"gap=300;speed1=40;speed2=60", "catchUpTime", "travellersAnswer", ""}
        << QStringList{"Speed 1 Must Be Bigger Than Speed 2!!!."};
    QTest::newRow("decimal comma") << QStringList{"price=2,5;percent=10",
                                                  "raisePrice",
                                                  "priceAnswer",
                                                  "2,75",
                                                  "Price And Percent, Raise By Percent",
                                                  "de_DE"}
                                   << none;
    QTest::newRow("Return in a field the first button does not read")
        << QStringList{"speed=60;time=2.5", "distance", "motionAnswer", "150",
                       "Distance, Speed And Time, Find Distance"}
        << none;
}

void WordProblemsWindowTest::answers()
{
    QFETCH(QStringList, click);
    QFETCH(QStringList, messages);
    const QStringList typed = click[0].split(u';');
    const auto name = [](const QString& entry) {
        return entry.section(u'=', 0, 0).toLatin1();
    };
    const QByteArray output = click[2].toLatin1();
    QLocale::setDefault(QLocale(click.value(5, "C")));
    for (const QString& entry : typed)
        typeInto(window, name(entry).constData(), entry.section(u'=', 1));
    control<QLabel>(window, output.constData())->setText("stale");
    auto* working = control<QLabel>(window, "working");
    QVERIFY(!working->isVisible()); // until asked for
    ::click(window, "showWorking");
    QVERIFY(!working->isVisible()); // nor while there is nothing to show
    working->setText("stale");
    typeAndPress(window, {}, click[1]);
    QLocale::setDefault(QLocale::c());

    QCOMPARE(textOf(window, output.constData()), click[3]);
    QCOMPARE(sink.shown, messages);
    for (const QString& entry : typed) // the fields keep what was typed
        QCOMPARE(textOf(window, name(entry).constData()), entry.section(u'=', 1));
    // Headed by its task and ending with the answer; empty after a refusal or a message.
    const QStringList steps = working->text().split(u'\n');
    QCOMPARE(steps.first(), click.value(4));
    QVERIFY(steps.last().endsWith(QStringLiteral(" = ") + click[3]) || click[3].isEmpty());
    QCOMPARE(working->isVisible(), !working->text().isEmpty());
    ::click(window, "showWorking");
    QVERIFY(!working->isVisible());
}

QTEST_MAIN(WordProblemsWindowTest)
#include "tst_word_problems_window.moc"
