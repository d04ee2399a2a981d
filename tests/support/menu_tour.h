#pragma once

#include "app/launcher.h"
#include "app/menu_window.h"
#include "input/message_sink.h"
#include "widgets/tile_button.h"

#include <QApplication>
#include <QList>

// Contact and calculator open nothing, and messages stop no one: a menu that can be toured
// unattended.
class QuietLauncher : public Launcher {
public:
    bool openUrl(const QUrl&) override { return true; }
    bool startProgram(const QString&) override { return true; }
};

class QuietSink : public MessageSink {
public:
    using MessageSink::show;
    void show(const QString&) override {}
};

// The tiles a pupil can press, in the menu's order; headings and tools to come left out.
inline QList<TileButton*> pressableTiles(const MenuWindow& menu)
{
    QList<TileButton*> tiles = menu.findChildren<TileButton*>();
    tiles.removeIf([](const TileButton* tile) {
        return !tile->isEnabled() || tile->testAttribute(Qt::WA_TransparentForMouseEvents);
    });
    return tiles;
}

// The window a tile press just opened, if it opened one.
inline QWidget* newTopLevel(const QWidgetList& before)
{
    for (QWidget* window : QApplication::topLevelWidgets())
        if (!before.contains(window) && window->isVisible())
            return window;
    return nullptr;
}
