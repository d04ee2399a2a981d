// Contrast as the accessibility guidelines measure it, and the outlines our fields and answers
// get from it under light and dark palettes.

#include "app/look.h"
#include "support/dark_palettes.h"
#include "support/rows.h"
#include "widgets/contrast.h"

#include <QStyle>
#include <QStyleFactory>
#include <QTest>

#include <memory>

class ContrastTest : public QObject {
    Q_OBJECT

private slots:
    void ratio_data();
    void ratio();
    void standingApartFallsBackToBlackOrWhite();
    void outlines_data();
    void outlines();
};

void ContrastTest::ratio_data()
{
    QTest::addColumn<QColor>("first");
    QTest::addColumn<QColor>("second");
    QTest::addColumn<double>("expected");
    row("black on white", QColor(Qt::black), QColor(Qt::white), 21.0);
    row("white on black", QColor(Qt::white), QColor(Qt::black), 21.0);
    row("same colour", QColor(0x3c, 0x3c, 0x3c), QColor(0x3c, 0x3c, 0x3c), 1.0);
    row("least grey for text on white", QColor(0x76, 0x76, 0x76), QColor(Qt::white), 4.54);
    row("grey just past 3:1 on white", QColor(0x94, 0x94, 0x94), QColor(Qt::white), 3.03);
    row("pure red on white", QColor(Qt::red), QColor(Qt::white), 4.0);
    row("pure green on black", QColor(Qt::green), QColor(Qt::black), 15.3);
    row("dark field on dark window", QColor(0x1e, 0x1e, 0x1e), QColor(0x2b, 0x2b, 0x2b), 1.18);
    row("same colour, other colour model", QColor::fromHsv(0, 0, 0x80), QColor(0x80, 0x80, 0x80),
        1.0);
}

void ContrastTest::ratio()
{
    QFETCH(QColor, first);
    QFETCH(QColor, second);
    QFETCH(double, expected);
    const double ratio = contrastRatio(first, second);
    QVERIFY2(qAbs(ratio - expected) < 0.01, qPrintable(QString::number(ratio)));
}

void ContrastTest::standingApartFallsBackToBlackOrWhite()
{
    // No grey between two mid greys stands 3:1 from them: the dark window gets white.
    const QColor window(0x50, 0x50, 0x50);
    QCOMPARE(standingApart(window, QColor(0x60, 0x60, 0x60), {window}, 3), QColor(Qt::white));
    const QColor light(0xd0, 0xd0, 0xd0);
    QCOMPARE(standingApart(light, QColor(0xc0, 0xc0, 0xc0), {light}, 3), QColor(Qt::black));
}

void ContrastTest::outlines_data()
{
    QTest::addColumn<QPalette>("palette");
    const std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("Fusion")));
    row("Fusion light", fusion->standardPalette());
    row("Fusion dark", fusionDarkPalette());
    row("system dark", systemDarkPalette());
    QPalette black(Qt::white, Qt::black);
    black.setColor(QPalette::Window, Qt::black);
    row("black window, white text", black);
    QPalette dim(QColor(0xb0, 0xb0, 0xb0), QColor(0x60, 0x60, 0x60));
    dim.setColor(QPalette::Window, QColor(0x60, 0x60, 0x60));
    row("mid grey window, dim text", dim);
}

void ContrastTest::outlines()
{
    QFETCH(QPalette, palette);
    const QColor window = palette.color(QPalette::Window);
    const FieldOutlines outlines = fieldOutlinesFor(palette);
    QVERIFY2(contrastRatio(outlines.field, window) >= 3, qPrintable(outlines.field.name()));
    QVERIFY2(contrastRatio(outlines.field, outlines.answer) >= 3,
             qPrintable(outlines.answer.name()));
    // An answer's outline is there to be seen, but quieter than a field's.
    QVERIFY(contrastRatio(outlines.answer, window) > 1);
    QVERIFY(contrastRatio(outlines.answer, window) < contrastRatio(outlines.field, window));
}

QTEST_MAIN(ContrastTest)
#include "tst_contrast.moc"
