#include "app/look.h"
#include "app/menu_window.h"
#include "app/program_identity.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    setUpProgramIdentity();
    setUpLook();
    MenuWindow menu;
    menu.show();
    return QApplication::exec();
}
