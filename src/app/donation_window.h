#pragma once

#include "app/launcher.h"

#include <QWidget>

// Asks for a voluntary donation; its picture button opens the donation page.
class DonationWindow : public QWidget {
    Q_OBJECT

public:
    explicit DonationWindow(Launcher& launcher = defaultLauncher(), QWidget* parent = nullptr);

private:
    void donate();

    Launcher& m_launcher;
};
