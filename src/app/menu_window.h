#pragma once

#include "app/launcher.h"
#include "app/window_slot.h"
#include "input/message_box_sink.h"

#include <QWidget>

class Form2;
class Form3;
class Form4;
class Form13;
class Form14;
class Form12;
class Form7;
class Form8;
class Form9;
class Form5;
class Form6;
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
    void Command12_Click();
    void Command13_Click();
    void Command15_Click();
    void Command6_Click();
    void Command4_Click();
    void Command5_Click();
    void Command2_Click();
    void Command3_Click();
    void Command7_Click();
    void Command16_Click();

    MessageSink& m_sink;
    Launcher& m_launcher;
    WindowSlot<Form2> m_form2;
    WindowSlot<Form13> m_form13;
    WindowSlot<Form14> m_form14;
    WindowSlot<Form12> m_form12;
    WindowSlot<Form7> m_form7;
    WindowSlot<Form8> m_form8;
    WindowSlot<Form9> m_form9;
    WindowSlot<Form5> m_form5;
    WindowSlot<Form6> m_form6;
    WindowSlot<Form3> m_form3;
    WindowSlot<Form4> m_form4;
    WindowSlot<Form10> m_form10;
    WindowSlot<Form11> m_form11;
};
