#include "app/menu_window.h"
#include "widgets/contrast.h"
#include "widgets/tile_button.h"

#include <QAccessible>
#include <QTest>

class TileButtonTest : public QObject {
    Q_OBJECT

private slots:
    void screenReadersHearHeadingsAsHeadings_data();
    void screenReadersHearHeadingsAsHeadings();
    void everyMenuTileReadsAtTheAccessibleContrast();
};

void TileButtonTest::screenReadersHearHeadingsAsHeadings_data()
{
    QTest::addColumn<TileButton::Size>("size");
    QTest::addColumn<int>("role");
    QTest::newRow("heading") << TileButton::Size::Heading << int(QAccessible::Heading);
    QTest::newRow("tile") << TileButton::Size::Tile << int(QAccessible::Button);
}

void TileButtonTest::screenReadersHearHeadingsAsHeadings()
{
    QFETCH(TileButton::Size, size);
    QFETCH(int, role);
    TileButton tile(QStringLiteral("Areas   And Perimeters"), Qt::darkGray, size);
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(&tile);
    QVERIFY(accessible);
    QCOMPARE(int(accessible->role()), role);
    QCOMPARE(accessible->text(QAccessible::Name), "Areas And Perimeters");
}

void TileButtonTest::everyMenuTileReadsAtTheAccessibleContrast()
{
    MenuWindow menu;
    const QList<TileButton*> tiles = menu.findChildren<TileButton*>();
    QCOMPARE(tiles.size(), 17);
    for (const TileButton* tile : tiles)
        QVERIFY2(contrastRatio(tile->colour(), tile->captionColour()) >= 4.5,
                 qPrintable(tile->objectName()));
}

QTEST_MAIN(TileButtonTest)
#include "tst_tile_button.moc"
