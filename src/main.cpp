#include "app/menu_window.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Corvale"));
    QApplication::setDesktopFileName(QStringLiteral("app.corvale.Corvale"));
    Form1 menu;
    menu.show();
    return QApplication::exec();
}
