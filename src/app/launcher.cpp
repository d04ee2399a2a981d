#include "app/launcher.h"

#include <QDesktopServices>
#include <QProcess>
#include <QUrl>

bool DesktopLauncher::openUrl(const QUrl& url)
{
    return QDesktopServices::openUrl(url);
}

bool DesktopLauncher::startProgram(const QString& program)
{
    return QProcess::startDetached(program, {});
}

Launcher& defaultLauncher()
{
    static DesktopLauncher launcher;
    return launcher;
}
