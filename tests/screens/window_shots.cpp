// Opens every tile of the menu on a real display, saves a picture of the menu and of each
// window, and fails when a window does not map, is smaller than its layout allows, is blank,
// clips one of its controls, does not fit a school laptop with the working of its longest task
// shown, or is not given back as it was fresh once its working has been shown and hidden.
// Under a dark palette it also fails when a field to type into does not stand 3:1 apart from
// the window and from an answer. Run under xvfb-run with the xcb platform; see
// scripts/screenshots.
//
//   window_shots OUTDIR [--dark | --dark-system]

#include "app/look.h"
#include "app/menu_window.h"
#include "app/program_identity.h"
#include "support/dark_palettes.h"
#include "support/longest_tasks.h"
#include "support/menu_tour.h"
#include "support/window_layout.h"
#include "widgets/contrast.h"
#include "widgets/working_panel.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QDir>
#include <QHash>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QSet>
#include <QStyleFactory>
#include <QTest>
#include <QWindow>

#include <algorithm>
#include <cstdio>

namespace {

// Fusion's dark colours, or a desktop's dark scheme under the style the platform picks.
void useDarkPalette(bool fusion)
{
    if (fusion)
        QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setPalette(fusion ? fusionDarkPalette() : systemDarkPalette());
}

// "Solving Quadratic Equation" -> "solving-quadratic-equation"
QString fileName(const QWidget* window)
{
    QString name;
    for (const QChar c : window->windowTitle().toLower())
        if (c.isLetterOrNumber())
            name += c;
        else if (!name.endsWith(u'-'))
            name += u'-';
    while (name.endsWith(u'-'))
        name.chop(1);
    return name + QStringLiteral(".png");
}

QStringList problemsOf(QWidget* window, const QImage& picture)
{
    QStringList problems;
    const QString title = window->windowTitle();
    if (!window->windowHandle() || !window->windowHandle()->isExposed())
        problems << title + QStringLiteral(": not mapped");
    const QSize least = window->minimumSizeHint();
    if (window->width() < least.width() || window->height() < least.height())
        problems << QStringLiteral("%1: %2x%3, smaller than its layout's %4x%5")
                        .arg(title)
                        .arg(window->width())
                        .arg(window->height())
                        .arg(least.width())
                        .arg(least.height());
    QSet<QRgb> colours;
    for (int y = 0; y < picture.height() && colours.size() < 16; y += 3)
        for (int x = 0; x < picture.width() && colours.size() < 16; x += 3)
            colours.insert(picture.pixel(x, y));
    if (colours.size() < 16)
        problems << title + QStringLiteral(": blank");
    // A control narrower or lower than its own least size shows only part of its text.
    const auto clipped = [&](QWidget* control) {
        if (!control->isVisibleTo(window))
            return;
        QSize need = control->minimumSizeHint();
        if (const auto* label = qobject_cast<QLabel*>(control); label && label->wordWrap())
            need.setHeight(label->heightForWidth(label->width()));
        if (control->width() + 1 < need.width() || control->height() + 1 < need.height())
            problems << QStringLiteral("%1: %2 clipped (%3x%4, needs %5x%6)")
                            .arg(title, control->objectName())
                            .arg(control->width())
                            .arg(control->height())
                            .arg(need.width())
                            .arg(need.height());
    };
    for (QWidget* control : window->findChildren<QLabel*>())
        clipped(control);
    for (QWidget* control : window->findChildren<QAbstractButton*>())
        clipped(control);
    // A spin box's own line sits inside its frame by design: the spin box is what must fit.
    for (QLineEdit* control : window->findChildren<QLineEdit*>())
        if (!qobject_cast<QAbstractSpinBox*>(control->parentWidget()))
            clipped(control);
    for (QWidget* control : window->findChildren<QAbstractSpinBox*>())
        clipped(control);
    return problems;
}

QStringList shoot(QWidget* window, const QDir& out, const QString& name);

// "solving-quadratic-equation.png" -> "solving-quadratic-equation-working.png"
QString shotName(const QWidget* window, const char* suffix)
{
    return fileName(window).replace(QStringLiteral(".png"),
                                    QLatin1String(suffix) + QStringLiteral(".png"));
}

// Shown and hidden again, the working must leave the window as it was fresh: the same size
// and every control where it stood. The window manager may take a moment to resize.
QStringList shootHidden(QWidget* window, const QDir& out, const QStringList& fresh)
{
    window->findChild<QAbstractButton*>(QStringLiteral("showWorking"))->click();
    for (int wait = 0; wait < 40 && layoutOf(window) != fresh; ++wait)
        QTest::qWait(50);
    QStringList problems = shoot(window, out, shotName(window, "-hidden"));
    const QStringList now = layoutOf(window);
    for (qsizetype k = 0; k < std::max(fresh.size(), now.size()); ++k)
        if (fresh.value(k) != now.value(k))
            problems << QStringLiteral("%1: working shown and hidden, %2 became %3")
                            .arg(window->windowTitle(), fresh.value(k), now.value(k));
    return problems;
}

// With the working of its longest task shown, a window must fit a school laptop's screen.
QStringList fitProblems(const QWidget* window)
{
    if (window->width() <= laptopRoom.width() && window->height() <= laptopRoom.height())
        return {};
    return {QStringLiteral("%1: %2x%3 with its working shown, more than a laptop's %4x%5")
                .arg(window->windowTitle())
                .arg(window->width())
                .arg(window->height())
                .arg(laptopRoom.width())
                .arg(laptopRoom.height())};
}

void runTask(QWidget* window, const LongestTask& task)
{
    for (const QString& entry : QString::fromLatin1(task.entries).split(u';')) {
        auto* field = window->findChild<QLineEdit*>(entry.section(u'=', 0, 0));
        field->setText(entry.section(u'=', 1));
    }
    window->findChild<QAbstractButton*>(QLatin1String(task.press))->click();
}

QStringList shootWorking(QWidget* window, const QDir& out)
{
    for (const LongestTask& task : longestTasks) {
        if (window->objectName() != QLatin1String(task.name))
            continue;
        const QStringList fresh = layoutOf(window);
        runTask(window, task);
        window->findChild<QAbstractButton*>(QStringLiteral("showWorking"))->click();
        QApplication::processEvents();
        QStringList problems = shoot(window, out, shotName(window, "-working"));
        if (window->findChild<WorkingPanel*>()->text().isEmpty())
            problems << window->windowTitle() + QStringLiteral(": no working shown");
        problems << fitProblems(window);
        return problems << shootHidden(window, out, fresh);
    }
    return {};
}

QStringList shoot(QWidget* window, const QDir& out, const QString& name)
{
    if (!QTest::qWaitForWindowExposed(window, 5000))
        return {window->windowTitle() + QStringLiteral(": not mapped")};
    QTest::qWait(50);
    const QImage picture = window->grab().toImage();
    picture.save(out.filePath(name));
    return problemsOf(window, picture);
}

// The colour most of the picture is painted in: the window's background.
QColor commonestColour(const QImage& picture)
{
    QHash<QRgb, int> counts;
    for (int y = 0; y < picture.height(); y += 2)
        for (int x = 0; x < picture.width(); x += 2)
            ++counts[picture.pixel(x, y)];
    return QColor::fromRgb(std::max_element(counts.cbegin(), counts.cend()).key());
}

// A field to type into, and an answer: a label in a sunken panel or a field that is read only.
std::pair<QWidget*, QWidget*> fieldAndAnswer(QWidget* window)
{
    QWidget* field = nullptr;
    QWidget* answer = nullptr;
    for (QLineEdit* edit : window->findChildren<QLineEdit*>()) {
        if (qobject_cast<QAbstractSpinBox*>(edit->parentWidget()))
            continue; // the style frames a spin box as a whole; its line has no frame
        QWidget*& first = edit->isReadOnly() ? answer : field;
        if (!first && edit->isVisibleTo(window))
            first = edit;
    }
    for (QLabel* label : window->findChildren<QLabel*>())
        if (!answer && label->isVisibleTo(window) && label->frameShape() == QFrame::Panel)
            answer = label;
    return {field, answer};
}

// Under a dark palette a field to type into must stand 3:1 apart from the window and from an
// answer, by its outline or by its fill, measured on the picture as a pupil sees it.
QStringList contrastProblems(QWidget* window, const QImage& picture)
{
    const auto [field, answer] = fieldAndAnswer(window);
    if (!field || !answer)
        return {};
    const qreal scale = picture.devicePixelRatio();
    const auto colourAt = [&](const QWidget* control, double across, double down) {
        const QPoint at = control->mapTo(
            window, QPoint(int(control->width() * across), int(control->height() * down)));
        return picture.pixelColor((QPointF(at) * scale).toPoint());
    };
    const QColor background = commonestColour(picture);
    const QColor fieldEdge = colourAt(field, 0.5, 0);
    const QColor fieldFill = colourAt(field, 0.5, 0.5);
    const double fromWindow =
        std::max(contrastRatio(fieldEdge, background), contrastRatio(fieldFill, background));
    const double fromAnswer = std::max(contrastRatio(fieldEdge, colourAt(answer, 0.5, 0)),
                                       contrastRatio(fieldFill, colourAt(answer, 0.5, 0.5)));
    const QString measured = QStringLiteral("%1: field %2 stands %3:1 from the window, %4:1 from "
                                            "answer %5")
                                 .arg(window->windowTitle(), field->objectName())
                                 .arg(fromWindow, 0, 'f', 2)
                                 .arg(fromAnswer, 0, 'f', 2)
                                 .arg(answer->objectName());
    std::printf("%s\n", qPrintable(measured));
    if (fromWindow < 3 || fromAnswer < 3)
        return {measured + QStringLiteral(", less than 3:1")};
    return {};
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    setUpProgramIdentity();
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() < 2) {
        std::fprintf(stderr, "usage: window_shots OUTDIR [--dark | --dark-system]\n");
        return 2;
    }
    const bool fusionDark = arguments.contains(QStringLiteral("--dark"));
    const bool systemDark = arguments.contains(QStringLiteral("--dark-system"));
    if (fusionDark || systemDark)
        useDarkPalette(fusionDark);
    setUpLook();
    QDir out(arguments.at(1));
    out.mkpath(QStringLiteral("."));

    QuietLauncher launcher;
    QuietSink sink;
    MenuWindow menu(sink, launcher);
    menu.show();
    QStringList problems = shoot(&menu, out, QStringLiteral("menu.png"));
    int windows = 1;

    for (TileButton* tile : pressableTiles(menu)) {
        const QWidgetList before = QApplication::topLevelWidgets();
        tile->click();
        QApplication::processEvents();
        if (QWidget* window = newTopLevel(before)) {
            problems << shoot(window, out, fileName(window));
            if (fusionDark || systemDark)
                problems << contrastProblems(window, window->grab().toImage());
            problems << shootWorking(window, out);
            ++windows;
            window->close();
        }
    }

    for (const QString& problem : problems)
        std::fprintf(stderr, "%s\n", qPrintable(problem));
    std::printf("%d windows pictured in %s, %d problems\n", windows, qPrintable(out.absolutePath()),
                static_cast<int>(problems.size()));
    return problems.isEmpty() ? 0 : 1;
}
