#include "app/menu_window.h"
#include "app/program_identity.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    setUpProgramIdentity();
    MenuWindow menu;
    menu.show();
    return QApplication::exec();
}
