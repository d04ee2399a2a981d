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

struct Form1::Tile {
    // Where a tile stands: a cell of the 3 x 4 grid, or a place inside a split cell.
    struct Place {
        int row;
        int column;
        int innerRow = -1; // -1: the tile fills its cell
        int innerColumn = 0;
        int innerColumnSpan = 2;
    };

    const char* name;
    const char* caption;
    const char* toolTip;
    QRgb colour;
    Place place;
    bool heading;
    void (Form1::*action)(); // null for a heading
};

// The whole menu in one table: caption, colour, place and action of every tile.
// Captions are the ones pupils know, odd blanks included; the tiles wrap them.
const Form1::Tile Form1::tiles[] = {
    // clang-format off
    {"Command2", "Conversion : Fraction, Improper  Fractions, Decimal fractions ",
     "25/4 is 6 1/4 , 1/4 is 0.25", 0x1565C0, {0, 0}, false, &Form1::Command2_Click},
    {"Command3", "Operators On           Fractions :                [ +, - , * , / ,<  , = ,> ]  "
                 "Common -               Denominator   ,     Reduction              ",
     nullptr, 0x6A1B9A, {0, 1}, false, &Form1::Command3_Click},
    {"Command14", "Areas And Perimeters", nullptr, 0x37474F, {0, 2, 0, 0, 2}, true, nullptr},
    {"Command15", "Quadrilateral", nullptr, 0x2E7D32, {0, 2, 1, 0, 2}, false,
     &Form1::Command15_Click},
    {"Command6", "Triangle", nullptr, 0x00695C, {0, 2, 2, 0, 1}, false, &Form1::Command6_Click},
    {"Command13", "Circle", nullptr, 0xAD1457, {0, 2, 2, 1, 1}, false, &Form1::Command13_Click},
    {"Command12", "Traffic And Percentage Problems", nullptr, 0xEF6C00, {0, 3}, false,
     &Form1::Command12_Click},
    {"Command1", "Solving Quadratic Equation", "A*X ^ 2 + B*X + C = 0", 0xC62828, {1, 0}, false,
     &Form1::Command1_Click},
    {"Command5", "Progression: Geometric Progression , Arithmetic Progression", nullptr, 0x283593,
     {1, 1}, false, &Form1::Command5_Click},
    {"Command17", "Triangles", nullptr, 0x4E342E, {1, 2, 0, 0, 2}, true, nullptr},
    {"Command16", "The Law Of Sines", nullptr, 0x00838F, {1, 2, 1, 0, 2}, false,
     &Form1::Command16_Click},
    {"Command7", "The Law Of Cosines", nullptr, 0x689F38, {1, 2, 2, 0, 2}, false,
     &Form1::Command7_Click},
    {"Command4", "Statistics  Mean, Standard-Deviation ,Variance", nullptr, 0x4527A0, {1, 3}, false,
     &Form1::Command4_Click},
    {"Command8", "Complex Numbers", nullptr, 0x0277BD, {2, 0}, false, &Form1::Command8_Click},
    {"Command11", "Calculator", nullptr, 0x455A64, {2, 1}, false, &Form1::Command11_Click},
    {"Command10", "Contact Me With Your Requests Suggestions , Comments", nullptr, 0x5D4037, {2, 2},
     false, &Form1::Command10_Click},
    {"Command9", "Donate", nullptr, 0xFFC439, {2, 3}, false, &Form1::Command9_Click},
    // clang-format on
};

Form1::Form1(MessageSink& sink, Launcher& launcher, QWidget* parent)
    : QWidget(parent)
    , m_sink(sink)
    , m_launcher(launcher)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Corvale  -  made for pupils by the Corvale team"));

    auto* grid = new QGridLayout;
    grid->setSpacing(8);
    QGridLayout* splitCells[3][4] = {};
    for (const Tile& tile : tiles) {
        auto* button =
            new TileButton(QString::fromLatin1(tile.caption), QColor(tile.colour),
                           tile.heading ? TileButton::Size::Heading : TileButton::Size::Tile, this);
        button->setObjectName(QLatin1String(tile.name));
        if (tile.toolTip)
            button->setToolTip(QString::fromLatin1(tile.toolTip));
        if (tile.heading) {
            // A heading names its group; it is not a control, so it neither takes focus nor
            // sinks under the mouse.
            button->setFocusPolicy(Qt::NoFocus);
            button->setAttribute(Qt::WA_TransparentForMouseEvents);
            button->setAccessibleDescription(QStringLiteral("Heading"));
        } else {
            connect(button, &QPushButton::clicked, this, tile.action);
        }

        const Tile::Place& place = tile.place;
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

void Form1::Command1_Click()
{
    m_form2.open([this] { return new Form2(m_sink); });
}

void Form1::Command8_Click()
{
    m_form13.open([this] { return new Form13(m_sink); });
}

void Form1::Command9_Click()
{
    m_form14.open([this] { return new Form14(m_launcher); });
}

void Form1::Command10_Click()
{
    if (!m_launcher.openUrl(QUrl(contactUrl(), QUrl::TolerantMode)))
        m_sink.show(messageText(Message::CantOpenEmail, contactAddress));
}

void Form1::Command11_Click()
{
    const QString calculator = findCalculator();
    if (calculator.isEmpty() || !m_launcher.startProgram(calculator))
        m_sink.show(Message::CantFindCalculator);
}

void Form1::Command12_Click()
{
    m_form12.open([this] { return new Form12(m_sink); });
}

void Form1::Command13_Click()
{
    m_form7.open([this] { return new Form7(m_sink); });
}

void Form1::Command15_Click()
{
    m_form8.open([this] { return new Form8(m_sink); });
}

void Form1::Command6_Click()
{
    m_form9.open([this] { return new Form9(m_sink); });
}

void Form1::Command4_Click()
{
    m_form5.open([this] { return new Form5(m_sink); });
}

void Form1::Command5_Click()
{
    m_form6.open([this] { return new Form6(m_sink); });
}

void Form1::Command2_Click()
{
    m_form3.open([this] { return new Form3(m_sink); });
}

void Form1::Command3_Click()
{
    m_form4.open([this] { return new Form4(m_sink); });
}

void Form1::Command7_Click()
{
    m_form10.open([this] { return new Form10(m_sink); });
}

void Form1::Command16_Click()
{
    m_form11.open([this] { return new Form11(m_sink); });
}
