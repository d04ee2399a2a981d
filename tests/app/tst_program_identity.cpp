#include "algebra/quadratic_window.h"
#include "app/program_identity.h"

#include <QApplication>
#include <QTest>

class ProgramIdentityTest : public QObject {
    Q_OBJECT

private slots:
    void everyWindowCarriesTheIcon();
};

void ProgramIdentityTest::everyWindowCarriesTheIcon()
{
    setUpProgramIdentity();
    QCOMPARE(QGuiApplication::desktopFileName(), "app.corvale.Corvale");
    QuadraticWindow window;
    const QList<QSize> sizes = window.windowIcon().availableSizes();
    QCOMPARE(sizes.size(), 2);
    QVERIFY(!window.windowIcon().pixmap(64).isNull());
}

QTEST_MAIN(ProgramIdentityTest)
#include "tst_program_identity.moc"
