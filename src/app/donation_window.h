#pragma once

#include "app/launcher.h"

#include <QWidget>

// Asks for a voluntary donation; its picture button opens the donation page.
class Form14 : public QWidget {
    Q_OBJECT

public:
    explicit Form14(Launcher& launcher = defaultLauncher(), QWidget* parent = nullptr);

private:
    void donate();

    Launcher& m_launcher;
};
