#pragma once

#include "support/recording_sink.h"

#include <QObject>

// What every window test class holds: a recording sink and a fresh window per test function.
// Its init() and cleanup() slots call openWindow() and closeWindow(), since QtTest finds slots
// only on the test class itself.
template <class Window> class WindowFixture : public QObject {
protected:
    void openWindow()
    {
        sink.shown.clear();
        window = new Window(sink);
        window->show();
    }
    void closeWindow()
    {
        delete window;
        window = nullptr;
    }

    RecordingSink sink;
    Window* window = nullptr;
};
