#pragma once

#include "app/launcher.h"

#include <QWidget>

class QFrame;
class QPushButton;

// Asks for a voluntary donation; its picture button opens the donation page.
class Form14 : public QWidget {
    Q_OBJECT

public:
    explicit Form14(Launcher& launcher = defaultLauncher(), QWidget* parent = nullptr);

private:
    // The button once belonged to a group of buttons; which one was pressed does not matter.
    void Command_Click(int index);

    Launcher& m_launcher;

    QFrame* picOptions;
    QPushButton* Command;
};
