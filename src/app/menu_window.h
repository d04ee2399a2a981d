#pragma once

#include "app/launcher.h"
#include "app/window_slot.h"
#include "input/message_box_sink.h"

#include <QWidget>

#include <vector>

// The start-up menu: a grid of coloured tiles, one per tool, plus contact, calculator
// and donation. Each tool window exists at most once; a tile press builds or raises it.
class MenuWindow : public QWidget {
    Q_OBJECT

public:
    explicit MenuWindow(MessageSink& sink = defaultMessageSink(),
                        Launcher& launcher = defaultLauncher(), QWidget* parent = nullptr);

    struct Tile;

private:
    QWidget* buildTile(const Tile& tile, int index);
    void openWindow(int index);
    void contact();
    void startCalculator();

    MessageSink& m_sink;
    Launcher& m_launcher;
    std::vector<WindowSlot<QWidget>> m_windows; // one per tile, used by those that open one
};
