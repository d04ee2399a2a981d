#include "app/launch_urls.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

class LaunchUrlsTest : public QObject {
    Q_OBJECT

private slots:
    void contactLinkKeepsItsSubjectAsWritten();
    void donationLinkHasItsKeysInOrder();
    void findsTheFirstCalculatorOnPath_data();
    void findsTheFirstCalculatorOnPath();
};

void LaunchUrlsTest::contactLinkKeepsItsSubjectAsWritten()
{
    QCOMPARE(contactUrl(), "mailto:support@corvale.app?subject=Suggestions , Comments");
    const QUrl url(contactUrl(), QUrl::TolerantMode);
    QVERIFY(url.isValid());
    QCOMPARE(url.scheme(), "mailto");
    QCOMPARE(url.path(), "support@corvale.app");
    QCOMPARE(url.query(QUrl::FullyDecoded), "subject=Suggestions , Comments");
}

void LaunchUrlsTest::donationLinkHasItsKeysInOrder()
{
    QCOMPARE(donationUrl(), "https://www.paypal.com/cgi-bin/webscr?cmd=_xclick"
                            "&business=donate@corvale.app&item_name=Corvale&no_note=1"
                            "&currency_code=USD&tax=0&submit.x=78&submit.y=14");
    const QUrl url(donationUrl());
    QVERIFY(url.isValid());
    QCOMPARE(url.scheme(), "https");
    QCOMPARE(url.path(), "/cgi-bin/webscr");
}

void LaunchUrlsTest::findsTheFirstCalculatorOnPath_data()
{
    QTest::addColumn<QStringList>("installed");
    QTest::addColumn<QString>("found");
    QTest::newRow("none") << QStringList{} << "";
    QTest::newRow("only the last") << QStringList{"xcalc"} << "xcalc";
    QTest::newRow("first of several") << QStringList{"galculator", "kcalc", "xcalc"} << "kcalc";
    QTest::newRow("the named one first")
        << QStringList{"Calc.exe", "gnome-calculator"} << "Calc.exe";
    QTest::newRow("not a calculator") << QStringList{"bc"} << "";
}

void LaunchUrlsTest::findsTheFirstCalculatorOnPath()
{
    QFETCH(QStringList, installed);
    QFETCH(QString, found);
    QTemporaryDir bin;
    QVERIFY(bin.isValid());
    for (const QString& name : installed) {
        QFile program(bin.filePath(name));
        QVERIFY(program.open(QIODevice::WriteOnly));
        program.write("#!/bin/sh\n");
        program.close();
        program.setPermissions(QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    }
    // A plain file of the same name is no program.
    QFile notExecutable(bin.filePath("mate-calc"));
    QVERIFY(notExecutable.open(QIODevice::WriteOnly));
    notExecutable.close();

    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", QFile::encodeName(bin.path()));
    const QString calculator = findCalculator();
    qputenv("PATH", path);
    QCOMPARE(calculator, found.isEmpty() ? QString() : QDir(bin.path()).filePath(found));
}

QTEST_GUILESS_MAIN(LaunchUrlsTest)
#include "tst_launch_urls.moc"
