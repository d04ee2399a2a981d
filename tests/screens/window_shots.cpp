// Opens every tile of the menu on a real display, saves a picture of the menu and of each
// window, and fails when a window does not map, is smaller than its layout allows, is blank,
// clips one of its controls, or is not given back as it was fresh once its working has been
// shown and hidden. Run under xvfb-run with the xcb platform; see scripts/screenshots.
//
//   window_shots OUTDIR [--dark]

#include "app/menu_window.h"
#include "app/program_identity.h"
#include "support/menu_tour.h"
#include "support/window_layout.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
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

void useDarkPalette()
{
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QPalette dark;
    dark.setColor(QPalette::Window, QColor(0x2b, 0x2b, 0x2b));
    dark.setColor(QPalette::WindowText, QColor(0xee, 0xee, 0xee));
    dark.setColor(QPalette::Base, QColor(0x1e, 0x1e, 0x1e));
    dark.setColor(QPalette::AlternateBase, QColor(0x33, 0x33, 0x33));
    dark.setColor(QPalette::Text, QColor(0xee, 0xee, 0xee));
    dark.setColor(QPalette::Button, QColor(0x3c, 0x3c, 0x3c));
    dark.setColor(QPalette::ButtonText, QColor(0xee, 0xee, 0xee));
    dark.setColor(QPalette::Highlight, QColor(0x3d, 0x7a, 0xd6));
    dark.setColor(QPalette::HighlightedText, Qt::white);
    dark.setColor(QPalette::ToolTipBase, QColor(0x3c, 0x3c, 0x3c));
    dark.setColor(QPalette::ToolTipText, QColor(0xee, 0xee, 0xee));
    dark.setColor(QPalette::PlaceholderText, QColor(0x99, 0x99, 0x99));
    QApplication::setPalette(dark);
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
    for (QWidget* control : window->findChildren<QLineEdit*>())
        clipped(control);
    return problems;
}

// Exercises solved with their working shown, pictured as <window>-working.png.
struct WorkedExample {
    const char* window;
    QList<std::pair<const char*, const char*>> fields;
    const char* button;
};

const WorkedExample workedExamples[] = {
    {"Form2", {{"a", "-3"}, {"b", "6"}, {"c", "-2"}}, "Command1"},
    {"Form10", {{"a1", "3"}, {"z1", "90"}, {"b1", "4"}}, "Command1"},
};

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

QStringList shootWorking(QWidget* window, const QDir& out)
{
    for (const WorkedExample& example : workedExamples) {
        if (window->objectName() != QLatin1String(example.window))
            continue;
        const QStringList fresh = layoutOf(window);
        for (const auto& [field, text] : example.fields)
            window->findChild<QLineEdit*>(QLatin1String(field))->setText(QLatin1String(text));
        window->findChild<QAbstractButton*>(QLatin1String(example.button))->click();
        window->findChild<QAbstractButton*>(QStringLiteral("showWorking"))->click();
        QApplication::processEvents();
        QStringList problems = shoot(window, out, shotName(window, "-working"));
        if (window->findChild<QLabel*>(QStringLiteral("working"))->text().isEmpty())
            problems << window->windowTitle() + QStringLiteral(": no working shown");
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

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    setUpProgramIdentity();
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() < 2) {
        std::fprintf(stderr, "usage: window_shots OUTDIR [--dark]\n");
        return 2;
    }
    if (arguments.contains(QStringLiteral("--dark")))
        useDarkPalette();
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
            problems << shoot(window, out, fileName(window)) << shootWorking(window, out);
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
