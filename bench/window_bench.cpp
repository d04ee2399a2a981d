// Times, in the build it is compiled in, what a pupil waits for: every window built and shown
// from its tile, every button's handler on a typical input, and every button with 1 MB of
// digits, slashes or blanks in each field. Prints Markdown tables; run by scripts/bench.

#include "app/program_identity.h"
#include "support/menu_tour.h"
#include "widgets/answer_format.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QStandardPaths>
#include <QTest>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int runs = 15;

struct Times {
    std::vector<double> ms;

    double median()
    {
        std::sort(ms.begin(), ms.end());
        return ms.empty() ? 0 : ms[ms.size() / 2];
    }
    double worst() const { return ms.empty() ? 0 : *std::max_element(ms.begin(), ms.end()); }
};

template <class Work> double timeMs(Work&& work)
{
    QElapsedTimer timer;
    timer.start();
    work();
    return static_cast<double>(timer.nsecsElapsed()) / 1e6;
}

QList<QPushButton*> actionButtons(QWidget* window)
{
    QList<QPushButton*> buttons = window->findChildren<QPushButton*>();
    buttons.removeIf([](const QPushButton* button) { return button->isCheckable(); });
    return buttons;
}

// A typical exercise: a small number in every field, "+" where an operator goes.
void typeTypical(QWidget* window)
{
    for (QLineEdit* field : window->findChildren<QLineEdit*>())
        field->setText(field->objectName() == QLatin1String("op") ? QStringLiteral("+")
                                                                  : QStringLiteral("3"));
}

// Every button of the windows with real answers once more, the answers written exactly: each
// field a typed fraction, so every number on the way carries its exact value.
void printExactTimes(MenuWindow& menu)
{
    AnswerFormat::program().setChoice({AnswerStyle::Exact, 2});
    std::printf("\n| window | button | Exact, fields 7/3: handler median ms | worst ms "
                "|\n|---|---|---|---|\n");
    for (TileButton* tile : pressableTiles(menu)) {
        const QWidgetList before = QApplication::topLevelWidgets();
        tile->click();
        QWidget* window = newTopLevel(before);
        if (!window)
            continue;
        if (window->findChild<QWidget*>(QStringLiteral("answerFormat")))
            for (QPushButton* button : actionButtons(window)) {
                Times own;
                for (int k = 0; k < runs; ++k) {
                    for (QLineEdit* field : window->findChildren<QLineEdit*>())
                        if (field->objectName() != QLatin1String("op"))
                            field->setText(QStringLiteral("7/3"));
                    own.ms.push_back(timeMs([&] { button->click(); }));
                }
                std::printf("| %s | %s \"%s\" | %.3f | %.3f |\n", qPrintable(window->windowTitle()),
                            qPrintable(button->objectName()),
                            qPrintable(button->text().simplified()), own.median(), own.worst());
            }
        window->close();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    AnswerFormat::program().setChoice({});
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    // The answer format it chooses is kept in a settings file of the test area, not the user's.
    QStandardPaths::setTestModeEnabled(true);
    setUpProgramIdentity();
    QuietLauncher launcher;
    QuietSink sink;
    MenuWindow menu(sink, launcher);
    menu.show();
    if (!QTest::qWaitForWindowExposed(&menu))
        return 1;

    QStringList buttonRows;
    std::printf("| window | open from its tile, median ms | worst ms | buttons | handler median "
                "ms | worst ms | 1 MB in every field, worst ms (text, button) "
                "|\n|---|---|---|---|---|---|---|\n");
    for (TileButton* tile : pressableTiles(menu)) {
        Times open;
        QString title;
        Times handlers;
        double longest = 0;
        QString longestKind;
        int buttons = 0;
        for (int run = 0; run < runs; ++run) {
            const QWidgetList before = QApplication::topLevelWidgets();
            QWidget* window = nullptr;
            // From the press to the window built, laid out and painted once.
            const double ms = timeMs([&] {
                tile->click();
                window = newTopLevel(before);
                if (window)
                    window->repaint();
            });
            if (!window)
                break;
            open.ms.push_back(ms);
            if (!QTest::qWaitForWindowExposed(window))
                return 1;
            if (run == 0) {
                title = window->windowTitle();
                const QList<QPushButton*> actions = actionButtons(window);
                buttons = static_cast<int>(actions.size());
                for (QPushButton* button : actions) {
                    Times own;
                    for (int k = 0; k < runs; ++k) {
                        typeTypical(window);
                        own.ms.push_back(timeMs([&] { button->click(); }));
                    }
                    handlers.ms.insert(handlers.ms.end(), own.ms.begin(), own.ms.end());
                    buttonRows << QStringLiteral("| %1 | %2 \"%3\" | %4 | %5 |")
                                      .arg(title, button->objectName(), button->text().simplified())
                                      .arg(own.median(), 0, 'f', 3)
                                      .arg(own.worst(), 0, 'f', 3);
                    for (const QChar c : {u'7', u'/', u' '}) {
                        const QString huge(1 << 20, c);
                        for (QLineEdit* field : window->findChildren<QLineEdit*>())
                            field->setText(huge);
                        const double ms = timeMs([&] { button->click(); });
                        if (ms > longest) {
                            longest = ms;
                            longestKind =
                                QStringLiteral("\"%1\" %2").arg(c).arg(button->objectName());
                        }
                    }
                }
            }
            window->close();
            QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }
        if (title.isEmpty())
            continue;
        std::printf("| %s | %.2f | %.2f | %d | %.3f | %.3f | %.1f (%s) |\n", qPrintable(title),
                    open.median(), open.worst(), buttons, handlers.median(), handlers.worst(),
                    longest, qPrintable(longestKind));
    }
    std::printf("\n| window | button | handler median ms | worst ms |\n|---|---|---|---|\n%s\n",
                qPrintable(buttonRows.join(u'\n')));

    printExactTimes(menu);

    // The longest list a class might paste: 100,000 numbers with their weights.
    QStringList numbers;
    QStringList weights;
    for (int k = 1; k <= 100'000; ++k) {
        numbers << QString::number(k % 997 + 0.25);
        weights << QString::number(k % 7 + 1);
    }
    for (TileButton* tile : pressableTiles(menu)) {
        const QWidgetList before = QApplication::topLevelWidgets();
        tile->click();
        QWidget* window = newTopLevel(before);
        if (!window || window->objectName() != QLatin1String("Form5")) {
            if (window)
                window->close();
            continue;
        }
        window->findChild<QLineEdit*>(QStringLiteral("n"))->setText(numbers.join(u' '));
        window->findChild<QLineEdit*>(QStringLiteral("w"))->setText(weights.join(u' '));
        std::printf("\n| statistics of 100,000 numbers with weights | click and repaint, ms |\n"
                    "|---|---|\n");
        for (const char* name : {"Command1", "Command3", "Command2"}) {
            auto* button = window->findChild<QPushButton*>(QLatin1String(name));
            const double ms = timeMs([&] {
                button->click();
                window->repaint();
            });
            std::printf("| %s | %.1f |\n", qPrintable(button->text()), ms);
        }
        window->close();
    }
    return 0;
}
