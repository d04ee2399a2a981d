#pragma once

#include "app/launcher.h"
#include "app/window_slot.h"
#include "input/message_box_sink.h"

#include <QWidget>

class Form2;
class Form13;
class Form14;
class Form10;
class Form11;

// The start-up menu: a grid of coloured tiles, one per tool, plus contact, calculator
// and donation. Each tool window exists at most once; a tile press builds or raises it.
class Form1 : public QWidget {
    Q_OBJECT

public:
    explicit Form1(MessageSink& sink = defaultMessageSink(), Launcher& launcher = defaultLauncher(),
                   QWidget* parent = nullptr);

private:
    struct Tile;
    static const Tile tiles[];

    void Command1_Click();
    void Command8_Click();
    void Command9_Click();
    void Command10_Click();
    void Command11_Click();
    void Command7_Click();
    void Command16_Click();

    MessageSink& m_sink;
    Launcher& m_launcher;
    WindowSlot<Form2> m_form2;
    WindowSlot<Form13> m_form13;
    WindowSlot<Form14> m_form14;
    WindowSlot<Form10> m_form10;
    WindowSlot<Form11> m_form11;
};
