#include "app/menu_window.h"

#include "algebra/complex_window.h"
#include "algebra/quadratic_window.h"
#include "app/donation_window.h"
#include "app/launch_urls.h"
#include "fractions/fraction_conversion_window.h"
#include "fractions/fraction_operators_window.h"
#include "geometry/circle_window.h"
#include "geometry/cosines_window.h"
#include "geometry/quadrilateral_window.h"
#include "geometry/sines_window.h"
#include "geometry/triangle_area_window.h"
#include "input/messages.h"
#include "problems/word_problems_window.h"
#include "statistics/progressions_window.h"
#include "statistics/statistics_window.h"
#include "widgets/controls.h"
#include "widgets/tile_button.h"

#include <QGridLayout>
#include <QLabel>
#include <QUrl>
#include <QVBoxLayout>

namespace {

template <class Window> QWidget* opens(MessageSink& sink, Launcher&)
{
    return new Window(sink);
}

QWidget* opensDonation(MessageSink&, Launcher& launcher)
{
    return new DonationWindow(launcher);
}

} // namespace

struct MenuWindow::Tile {
    // Where a tile stands: a cell of the 3 x 4 grid, or a place inside a split cell.
    struct Place {
        int row;
        int column;
        int innerRow = -1; // -1: the tile fills its cell
        int innerColumn = 0;
        int innerColumnSpan = 2;
    };
    enum class Action { OpenWindow, Heading, Contact, Calculator };

    const char* name;
    const char* caption;
    const char* toolTip = nullptr;
    QRgb colour;
    Place place;
    Action action = Action::OpenWindow;
    QWidget* (*window)(MessageSink&, Launcher&) = nullptr; // the window it opens
};

namespace {

using Action = MenuWindow::Tile::Action;

// The whole menu in one table: caption, colour, place and what every tile does.
// Captions are the ones pupils know, odd blanks included; the tiles wrap them.
const MenuWindow::Tile tiles[] = {
    {.name = "Command2",
     .caption = "Conversion : Fraction, Improper  Fractions, Decimal fractions ",
     .toolTip = "25/4 is 6 1/4 , 1/4 is 0.25",
     .colour = 0x1565C0,
     .place = {0, 0},
     .window = opens<FractionConversionWindow>},
    {.name = "Command3",
     .caption = "Operators On           Fractions :                [ +, - , * , / ,<  , = ,> ]  "
                "Common -               Denominator   ,     Reduction              ",
     .colour = 0x6A1B9A,
     .place = {0, 1},
     .window = opens<FractionOperatorsWindow>},
    {.name = "Command14",
     .caption = "Areas And Perimeters",
     .colour = 0x37474F,
     .place = {0, 2, 0, 0, 2},
     .action = Action::Heading},
    {.name = "Command15",
     .caption = "Quadrilateral",
     .colour = 0x2E7D32,
     .place = {0, 2, 1, 0, 2},
     .window = opens<QuadrilateralWindow>},
    {.name = "Command6",
     .caption = "Triangle",
     .colour = 0x00695C,
     .place = {0, 2, 2, 0, 1},
     .window = opens<TriangleAreaWindow>},
    {.name = "Command13",
     .caption = "Circle",
     .colour = 0xAD1457,
     .place = {0, 2, 2, 1, 1},
     .window = opens<CircleWindow>},
    {.name = "Command12",
     .caption = "Traffic And Percentage Problems",
     .colour = 0xEF6C00,
     .place = {0, 3},
     .window = opens<WordProblemsWindow>},
    {.name = "Command1",
     .caption = "Solving Quadratic Equation",
     .toolTip = "A*X ^ 2 + B*X + C = 0",
     .colour = 0xC62828,
     .place = {1, 0},
     .window = opens<QuadraticWindow>},
    {.name = "Command5",
     .caption = "Progression: Geometric Progression , Arithmetic Progression",
     .colour = 0x283593,
     .place = {1, 1},
     .window = opens<ProgressionsWindow>},
    {.name = "Command17",
     .caption = "Triangles",
     .colour = 0x4E342E,
     .place = {1, 2, 0, 0, 2},
     .action = Action::Heading},
    {.name = "Command16",
     .caption = "The Law Of Sines",
     .colour = 0x00838F,
     .place = {1, 2, 1, 0, 2},
     .window = opens<SinesWindow>},
    {.name = "Command7",
     .caption = "The Law Of Cosines",
     .colour = 0x689F38,
     .place = {1, 2, 2, 0, 2},
     .window = opens<CosinesWindow>},
    {.name = "Command4",
     .caption = "Statistics  Mean, Standard-Deviation ,Variance",
     .colour = 0x4527A0,
     .place = {1, 3},
     .window = opens<StatisticsWindow>},
    {.name = "Command8",
     .caption = "Complex Numbers",
     .colour = 0x0277BD,
     .place = {2, 0},
     .window = opens<ComplexWindow>},
    {.name = "Command11",
     .caption = "Calculator",
     .colour = 0x455A64,
     .place = {2, 1},
     .action = Action::Calculator},
    {.name = "Command10",
     .caption = "Contact Me With Your Requests Suggestions , Comments",
     .colour = 0x5D4037,
     .place = {2, 2},
     .action = Action::Contact},
    {.name = "Command9",
     .caption = "Donate",
     .colour = 0xFFC439,
     .place = {2, 3},
     .window = opensDonation},
};

} // namespace

MenuWindow::MenuWindow(MessageSink& sink, Launcher& launcher, QWidget* parent)
    : QWidget(parent)
    , m_sink(sink)
    , m_launcher(launcher)
    , m_windows(std::size(tiles))
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Corvale  -  made for pupils by the Corvale team"));

    auto* grid = new QGridLayout;
    grid->setSpacing(8);
    QGridLayout* splitCells[3][4] = {};
    for (int index = 0; index < int(std::size(tiles)); ++index) {
        const Tile::Place& place = tiles[index].place;
        QWidget* button = buildTile(tiles[index], index);
        if (place.innerRow < 0) {
            grid->addWidget(button, place.row, place.column);
            continue;
        }
        QGridLayout*& cell = splitCells[place.row][place.column];
        if (!cell) {
            cell = new QGridLayout;
            cell->setSpacing(4);
            cell->setRowStretch(1, 1);
            cell->setRowStretch(2, 1);
            grid->addLayout(cell, place.row, place.column);
        }
        cell->addWidget(button, place.innerRow, place.innerColumn, 1, place.innerColumnSpan);
    }
    for (int row = 0; row < 3; ++row)
        grid->setRowStretch(row, 1);
    for (int column = 0; column < 4; ++column)
        grid->setColumnStretch(column, 1);

    auto* window = new QVBoxLayout(this);
    window->addLayout(grid, 1);
    window->addWidget(makeLabel(
        "Label1", QStringLiteral("Type numbers as 2.5, fractions as 7/4, mixed numbers as 1/3/4."),
        this));
}

QWidget* MenuWindow::buildTile(const Tile& tile, int index)
{
    const bool heading = tile.action == Action::Heading;
    auto* button =
        new TileButton(QString::fromLatin1(tile.caption), QColor(tile.colour),
                       heading ? TileButton::Size::Heading : TileButton::Size::Tile, this);
    button->setObjectName(QLatin1String(tile.name));
    if (tile.toolTip)
        button->setToolTip(QString::fromLatin1(tile.toolTip));
    switch (tile.action) {
    case Action::Heading:
        // A heading names its group; it is not a control, so it neither takes focus nor
        // sinks under the mouse.
        button->setFocusPolicy(Qt::NoFocus);
        button->setAttribute(Qt::WA_TransparentForMouseEvents);
        button->setAccessibleDescription(QStringLiteral("Heading"));
        break;
    case Action::OpenWindow:
        connect(button, &QPushButton::clicked, this, [this, index] { openWindow(index); });
        break;
    case Action::Contact:
        connect(button, &QPushButton::clicked, this, &MenuWindow::contact);
        break;
    case Action::Calculator:
        connect(button, &QPushButton::clicked, this, &MenuWindow::startCalculator);
        break;
    }
    return button;
}

void MenuWindow::openWindow(int index)
{
    m_windows[std::size_t(index)].open(
        [this, index] { return tiles[index].window(m_sink, m_launcher); });
}

void MenuWindow::contact()
{
    if (!m_launcher.openUrl(QUrl(contactUrl(), QUrl::TolerantMode)))
        m_sink.show(messageText(Message::CantOpenEmail, contactAddress));
}

void MenuWindow::startCalculator()
{
    const QString calculator = findCalculator();
    if (calculator.isEmpty() || !m_launcher.startProgram(calculator))
        m_sink.show(Message::CantFindCalculator);
}
