#pragma once

#include <QString>

class QUrl;

// The menu's ways out of the program, behind one seam so tests can stand in for the desktop.
class Launcher {
public:
    virtual ~Launcher() = default;
    virtual bool openUrl(const QUrl& url) = 0;
    virtual bool startProgram(const QString& program) = 0;
};

// Opens links with the desktop's handler and starts programs detached from ours.
class DesktopLauncher : public Launcher {
public:
    bool openUrl(const QUrl& url) override;
    bool startProgram(const QString& program) override;
};

Launcher& defaultLauncher();
