#include "app/program_identity.h"

#include <QApplication>
#include <QIcon>

void setUpProgramIdentity()
{
    QApplication::setApplicationName(QStringLiteral("Corvale"));
    QApplication::setDesktopFileName(QStringLiteral("app.corvale.Corvale"));
    // The icons live in the GUI library's resources, which a static link drops unless named.
    Q_INIT_RESOURCE(images);
    // Built in, so a build run from its folder looks the same as an installed one; each size is
    // decoded only when the desktop asks for it.
    QIcon icon;
    for (const int size : {32, 64})
        icon.addFile(QStringLiteral(":/app/icon-%1.png").arg(size), QSize(size, size));
    QApplication::setWindowIcon(icon);
}
