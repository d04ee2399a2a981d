#include "app/donation_window.h"
#include "app/launch_urls.h"

#include "support/window_test.h"

#include <QApplication>
#include <QDesktopServices>
#include <QUrl>
#include <QUrlQuery>

namespace {

// Stands in for the browser: the desktop hands it every https link it is asked to open.
class Browser : public QObject {
    Q_OBJECT

public slots:
    void open(const QUrl& url) { opened << url; }

public:
    QList<QUrl> opened;
};

class FailingLauncher : public Launcher {
public:
    bool openUrl(const QUrl& url) override
    {
        urls << url;
        return false;
    }
    bool startProgram(const QString&) override { return false; }

    QList<QUrl> urls;
};

// Everything a pupil can see of the window, to tell whether a press changed it.
QStringList looks(QWidget* window)
{
    QStringList seen{window->windowTitle(), QString::number(window->isVisible())};
    for (const QLabel* label : window->findChildren<QLabel*>())
        seen << label->objectName() + u'=' + label->text();
    for (const QPushButton* button : window->findChildren<QPushButton*>())
        seen << button->objectName() + u'=' + button->text() + QString::number(button->isEnabled());
    seen << QString::number(window->findChildren<QWidget*>().size());
    return seen;
}

QList<QWidget*> visibleWindows()
{
    QList<QWidget*> found;
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (widget->isVisible())
            found << widget;
    return found;
}

} // namespace

class DonationWindowTest : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        browser = new Browser;
        QDesktopServices::setUrlHandler(QStringLiteral("https"), browser, "open");
        window = new DonationWindow;
        window->show();
    }
    void cleanup()
    {
        QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
        delete window;
        delete browser;
    }

    void labelsReadAsWritten_data();
    void labelsReadAsWritten();
    void buttonShowsOnlyThePicture();
    void pressOpensTheDonationPage();
    void secondPressOpensItAgain();
    void labelsDoNothing_data();
    void labelsDoNothing();
    void keyboardPressesTheButton_data();
    void keyboardPressesTheButton();
    void failedOpenShowsNothing();

private:
    Browser* browser = nullptr;
    DonationWindow* window = nullptr;
};

void DonationWindowTest::labelsReadAsWritten_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::newRow("12") << "Label12"
                        << "If you have found this software helpful,";
    QTest::newRow("11") << "Label11"
                        << "Please consider to support the author.";
    QTest::newRow("15") << "Label15"
                        << "You can donate via PayPal in US dollars no";
    QTest::newRow("16") << "Label16"
                        << "matter what  your home currency. \n";
    QTest::newRow("13") << "Label13"
                        << "Press Here";
}

void DonationWindowTest::labelsReadAsWritten()
{
    QFETCH(QString, name);
    QFETCH(QString, text);
    QCOMPARE(textOf(window, name.toLatin1().constData()), text);
    QCOMPARE(window->windowTitle(), "Donate Using PayPal");
    QVERIFY(!textOf(window, "Label14").trimmed().isEmpty());
}

void DonationWindowTest::buttonShowsOnlyThePicture()
{
    auto* button = control<QPushButton>(window, "Command");
    QVERIFY(button->text().isEmpty());
    QCOMPARE(button->accessibleName(), "Donate");
    QVERIFY(!button->toolTip().isEmpty());
    QCOMPARE(button->iconSize(), QSize(93, 31));
    const QIcon icon = button->icon();
    QVERIFY(!icon.isNull());
    QVERIFY(!icon.pixmap(button->iconSize()).isNull());
    // The picture is drawn at its own size, never stretched from a smaller one.
    QCOMPARE(icon.actualSize(QSize(1000, 1000)), QSize(93, 31));
    QVERIFY(button->width() >= 93 && button->height() >= 31);
}

void DonationWindowTest::pressOpensTheDonationPage()
{
    click(window, "Command");
    QCOMPARE(browser->opened, QList<QUrl>{QUrl(donationUrl())});
    const QUrl& url = browser->opened.first();
    QCOMPARE(url.toString(), donationUrl());
    QCOMPARE(url.scheme(), "https");
    QCOMPARE(url.path(), "/cgi-bin/webscr");
    QStringList keys;
    for (const auto& [key, value] : QUrlQuery(url).queryItems())
        keys << key;
    QCOMPARE(keys, (QStringList{"cmd", "business", "item_name", "no_note", "currency_code", "tax",
                                "submit.x", "submit.y"}));
}

void DonationWindowTest::secondPressOpensItAgain()
{
    const QStringList before = looks(window);
    click(window, "Command");
    click(window, "Command");
    QCOMPARE(browser->opened, (QList<QUrl>{QUrl(donationUrl()), QUrl(donationUrl())}));
    QCOMPARE(looks(window), before);
    QVERIFY(window->isVisible());
    QCOMPARE(visibleWindows(), QList<QWidget*>{window});
}

void DonationWindowTest::labelsDoNothing_data()
{
    QTest::addColumn<QString>("name");
    for (const char* name : {"Label13", "Label12", "Label11", "Label15", "Label16", "Label14"})
        QTest::newRow(name) << name;
}

void DonationWindowTest::labelsDoNothing()
{
    QFETCH(QString, name);
    const QStringList before = looks(window);
    auto* label = control<QLabel>(window, name.toLatin1().constData());
    QTest::mouseClick(label, Qt::LeftButton);
    QTest::mouseDClick(label, Qt::LeftButton);
    // The empty space of the window is no button either.
    QTest::mouseClick(control<QFrame>(window, "picOptions"), Qt::LeftButton, {},
                      label->geometry().bottomRight() + QPoint(1, 1));
    QVERIFY(browser->opened.isEmpty());
    QCOMPARE(looks(window), before);
}

void DonationWindowTest::keyboardPressesTheButton_data()
{
    QTest::addColumn<int>("key");
    QTest::newRow("space") << int(Qt::Key_Space);
    QTest::newRow("return") << int(Qt::Key_Return);
    QTest::newRow("enter") << int(Qt::Key_Enter);
}

void DonationWindowTest::keyboardPressesTheButton()
{
    QFETCH(int, key);
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window));
    // The button is the only control, so a keyboard user lands on it at once.
    auto* button = control<QPushButton>(window, "Command");
    QCOMPARE(QApplication::focusWidget(), button);
    QTest::keyClick(button, Qt::Key(key));
    QCOMPARE(browser->opened, QList<QUrl>{QUrl(donationUrl())});
}

void DonationWindowTest::failedOpenShowsNothing()
{
    FailingLauncher launcher;
    DonationWindow failing(launcher);
    failing.show();
    const QStringList before = looks(&failing);
    click(&failing, "Command");
    click(&failing, "Command");
    QCOMPARE(launcher.urls, (QList<QUrl>{QUrl(donationUrl()), QUrl(donationUrl())}));
    QVERIFY(browser->opened.isEmpty());
    QCOMPARE(looks(&failing), before);
    // No message box or other window came up beside the two donation windows.
    QCOMPARE(visibleWindows().size(), 2);
    QVERIFY(failing.isVisible());
}

QTEST_MAIN(DonationWindowTest)
#include "tst_donation_window.moc"
